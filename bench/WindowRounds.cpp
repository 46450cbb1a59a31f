// window_rounds [ROUNDS]
// The real table window on the screen, played through its own Run(): each round drops a chip,
// deals, plays (hit to 17, double on 11, split pairs, both hands to 17), answers the insurance
// box when it opens, and ticks the timers that close the round, as their QTimers would. Every
// step is rendered and painted before the next. The 3-second pauses are not waited for, so
// 1000 rounds take seconds instead of an hour. Prints the resident memory after start-up and
// after each further ROUNDS rounds (three times), in KiB: "start KIB", "rounds N KIB".
#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "state/Random.h"
#include "ui/AppSetup.h"
#include "ui/MainWindow.h"

namespace {

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// Handles every pending event, paints included.
void Settle() {
    QApplication::processEvents(QEventLoop::AllEvents);
    QApplication::sendPostedEvents();
    QApplication::processEvents(QEventLoop::AllEvents);
}

void Step(vex::ui::MainWindow& table, void (vex::Game::*handler)()) {
    table.Run([handler](vex::Game& g) { (g.*handler)(); });
    Settle();
}

// The insurance box is modal: answer it "0" (its default) from inside its own event loop.
void AnswerInsuranceSoon() {
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget()))
            box->accept();
    });
}

void PlayHandTo17(vex::ui::MainWindow& table, const std::int16_t& total, vex::RoundPhase hand) {
    const bool split_hand = hand != vex::RoundPhase::MainHand;
    while (table.game().Phase == hand && total < 17)
        Step(table, split_hand ? &vex::Game::bnCardSplit_Click : &vex::Game::bnCard_Click);
}

void PlayRound(vex::ui::MainWindow& table) {
    vex::Game& g = table.game();
    const vex::Form1Model& m = g.Form1;
    using enum vex::RoundPhase;
    if (g.Credit < 1000) {
        table.Run([](vex::Game& game) { game.Credit += 100000; });
        Settle();
    }
    table.Run([](vex::Game& game) { game.ChipDrop("10"); });  // key 1
    Settle();
    AnswerInsuranceSoon();
    Step(table, &vex::Game::bnDeal_Click);
    if (g.Phase == Shuffling) {  // the reshuffle's pause
        Step(table, &vex::Game::Timer2_Timer);
        AnswerInsuranceSoon();
        Step(table, &vex::Game::bnDeal_Click);
    }
    if (g.Phase == MainHand && m.bnSplit.Visible) {
        Step(table, &vex::Game::bnSplit_Click);
        PlayHandTo17(table, g.PlayerTotal, LeftHand);
        if (g.Phase == LeftHand) Step(table, &vex::Game::bnStandSplit_Click);
        Step(table, &vex::Game::Timer3_Timer);
        PlayHandTo17(table, g.SplitTotal, RightHand);
        if (g.Phase == RightHand || g.Phase == RightHandDone)
            Step(table, &vex::Game::bnStandSplit_Click);
    } else if (g.Phase == MainHand && m.bnDouble.Visible && g.PlayerTotal == 11) {
        Step(table, &vex::Game::bnDouble_Click);
    } else if (g.Phase == MainHand) {
        PlayHandTo17(table, g.PlayerTotal, MainHand);
        if (g.Phase == MainHand) Step(table, &vex::Game::bnStay_Click);
    }
    if (g.Phase != Settled) {
        std::fprintf(stderr, "window_rounds: a round did not end\n");
        std::exit(1);
    }
    Step(table, &vex::Game::Timer1_Timer);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vex::ui::SetUpApplication();
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1000;

    vex::SeededRandom random(2024);
    vex::ui::MainWindow table(random);
    table.show();
    QElapsedTimer clock;
    clock.start();
    while (!(table.windowHandle() && table.windowHandle()->isExposed()) && clock.elapsed() < 10000)
        Settle();
    while (clock.elapsed() < 1000) Settle();  // let start-up finish its work
    std::printf("start %ld\n", ResidentKiB());
    std::fflush(stdout);

    for (int pass = 1; pass <= 3; ++pass) {
        for (int i = 0; i < rounds; ++i) PlayRound(table);
        std::printf("rounds %d %ld\n", pass * rounds, ResidentKiB());
        std::fflush(stdout);
    }
    std::printf("seconds %.1f\n", clock.elapsed() / 1000.0);
    return 0;
}
