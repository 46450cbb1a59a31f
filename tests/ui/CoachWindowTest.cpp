// The coach beside the table: opened by "?" or Game > Coach, it follows play and leaves it alone.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <tuple>

#include "UiTestSupport.h"
#include "ui/CoachWindow.h"
#include "ui/SessionChart.h"

namespace vex::test {
namespace {

TEST(CoachWindow, OpensByKeyOrMenuAndFollowsTheHandWithoutTouchingIt) {
    Window w;
    w.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.main.get()));
    QTest::keyClick(w.main.get(), '?', Qt::ShiftModifier);
    ui::CoachWindow* coach = w.main->coachWindow();
    ASSERT_NE(coach, nullptr);
    EXPECT_TRUE(coach->isVisible());
    EXPECT_FALSE(coach->findChild<QLabel*>("Action")->isVisible());  // no choice before the deal

    DropChip(w.Find("Image3"), "10");
    w.rng.Stack({10, 6, 10, 8});
    w.Click("bnDeal");
    EXPECT_EQ(coach->findChild<QLabel*>("Situation")->text(), "Your 16 against the dealer's 10.");
    QStringList rows;  // the action labels in their order, those shown
    for (QLabel* l : coach->findChildren<QLabel*>("Action"))
        if (l->isVisible()) rows << l->text();
    EXPECT_EQ(rows.join('|'), "Stand|Hit  \u2190 best|Double");
    EXPECT_EQ(coach->findChild<QLabel*>("Count")->text(),
              "Hi-Lo running count \u22121, true count \u22120.2");
    EXPECT_EQ(w.game().Credit, 490);

    coach->close();
    w.Click("bnStay");
    Tick(w.main->findChild<QTimer*>("Timer1"));
    w.main->findChild<QAction*>("mnuCoach")->trigger();
    EXPECT_EQ(w.main->coachWindow(), coach);  // kept, with what it saw while closed
    EXPECT_TRUE(coach->isVisible());
    EXPECT_EQ(coach->findChild<QLabel*>("Rounds")->text(),
              "Rounds 1: won 0 (blackjacks 0), lost 1, pushed 0");
}

// The coach open on a fresh table, betting.
struct Coached : Window {
    ui::CoachWindow* coach;
    Coached() {
        main->OpenCoach();
        coach = main->coachWindow();
    }
    QLabel* Label(const char* name) const { return coach->findChild<QLabel*>(name); }
    void Deal(int p1, int p2, int up, int hole) {
        DropChip(Find("Image3"), "10");
        rng.Stack({p1, p2, up, hole});
        Click("bnDeal");
    }
};

TEST(CoachWindow, TheEdgeShowsWhileBettingDropsValuesForOlderShoesAndTheCountCanBeHidden) {
    Coached w;
    QLabel* edge = w.Label("Edge");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !edge->text().startsWith("Working out"); }, 5000));
    const coach::Composition shoe = coach::UnseenCards(w.game(), false);
    coach::Composition older = shoe;
    ++older.count[10];
    w.coach->EdgeWorkedOut(shoe, 0.0123);
    EXPECT_EQ(edge->text(), "The shoe favours you: 1.2 % per dollar bet");
    w.coach->EdgeWorkedOut(older, -0.005);  // arrives late, for the shoe before
    EXPECT_EQ(edge->text(), "The shoe favours you: 1.2 % per dollar bet");
    w.coach->EdgeWorkedOut(shoe, -0.005);
    EXPECT_EQ(edge->text(), "The house has the edge: 0.5 % per dollar bet");

    // Edge, count beside it, count in the shoe: shown while betting, unless practising.
    const auto shown = [&] {
        return std::tuple(edge->isVisible(), w.Label("EdgeCount")->isVisible(),
                          w.Label("Count")->isVisible());
    };
    EXPECT_EQ(shown(), std::tuple(true, true, true));
    auto* show_count = w.coach->findChild<QCheckBox*>("ShowCount");
    show_count->click();
    EXPECT_EQ(shown(), std::tuple(true, false, false));
    w.Deal(10, 6, 10, 8);
    EXPECT_EQ(shown(), std::tuple(false, false, false));
    w.Click("bnStay");
    Tick(w.main->findChild<QTimer*>("Timer1"));
    EXPECT_EQ(shown(), std::tuple(true, false, false));  // still practising in the next round
    show_count->click();
    EXPECT_EQ(shown(), std::tuple(true, true, true));
}

TEST(CoachWindow, TheChartSaysHowTheSessionWentInWords) {
    const struct {
        std::vector<coach::RoundPoint> history;
        const char* said;
    } cases[] = {
        {{}, "No rounds played since the coach opened"},
        {{{1, -10, -2, -1}, {50, -120, -35.2, -20.1}},
         "After 2 rounds: net minus 120 $, expected minus 35.2 $ from your choices, minus 20.1 $ "
         "with the best choices: luck minus 84.8 $, skill minus 15.1 $"},
    };
    QWidget parent;
    ui::SessionChart chart(&parent);
    for (const auto& c : cases) {
        chart.SetHistory(c.history);
        EXPECT_EQ(chart.accessibleName(), c.said);
    }
}

TEST(CoachWindow, AMistakeIsMarkedAndReviewedAndTheNextBestChoiceCounted) {
    Coached w;
    w.Deal(10, 8, 8, 10);
    w.rng.Stack({2});
    w.Click("bnCard");  // hard 18 against an 8: Stand was best
    EXPECT_TRUE(w.Label("Verdict")->text().startsWith("\u2717 Hit on 18 against an 8"));
    w.Click("bnStay");  // 20 against the dealer's 18
    EXPECT_TRUE(w.Label("Verdict")->text().startsWith("\u2713 Stand on 20 against an 8"));
    EXPECT_EQ(w.Label("Accuracy")->text(), "Best choices 1 of 2 (50 %)");
    auto* review = w.coach->findChild<QListWidget*>("Review");
    ASSERT_EQ(review->count(), 1);
    EXPECT_TRUE(review->item(0)->text().startsWith("Round 1: Hit on 18 against an 8"));
    const QString summary = w.coach->findChild<ui::SessionChart*>()->accessibleName();
    EXPECT_TRUE(summary.startsWith("After 1 round: net plus 10 $")) << summary.toStdString();
}

}  // namespace
}  // namespace vex::test
