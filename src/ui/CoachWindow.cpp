#include "ui/CoachWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/MainWindow.h"
#include "ui/Style.h"

namespace vex::ui {

namespace {

QString ActionName(coach::Action a) {
    switch (a) {
        case coach::Action::Stand:
            return QStringLiteral("Stand");
        case coach::Action::Hit:
            return QStringLiteral("Hit");
        case coach::Action::Double:
            return QStringLiteral("Double");
        case coach::Action::Split:
            return QStringLiteral("Split");
        case coach::Action::Insurance:
            return QStringLiteral("Take insurance (half the bet)");
        case coach::Action::NoInsurance:
            return QStringLiteral("No insurance");
    }
    return {};
}

// A signed number as the player reads it: "+3.2", "−54.0" (a real minus sign), "0.0".
QString Signed(double value, int decimals) {
    const QString digits = QString::number(std::abs(value), 'f', decimals);
    if (digits.toDouble() == 0) return digits;
    return (value < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + digits;
}

// The same for a screen reader.
QString SignedInWords(double value, int decimals) {
    const QString digits = QString::number(std::abs(value), 'f', decimals);
    if (digits.toDouble() == 0) return digits;
    return (value < 0 ? QStringLiteral("minus ") : QStringLiteral("plus ")) + digits;
}

QString CardName(int value) {
    switch (value) {
        case 1:
            return QStringLiteral("ace");
        case 11:
            return QStringLiteral("jack");
        case 12:
            return QStringLiteral("queen");
        case 13:
            return QStringLiteral("king");
        default:
            return QString::number(value);
    }
}

QString HandTotal(int total, Flag soft) {
    return (soft != kFalse ? QStringLiteral("soft ") : QString()) + QString::number(total);
}

QString Situation(const Game& g) {
    const QString up = CardName(g.DealerCards[1]);
    switch (g.Phase) {
        case RoundPhase::Betting:
            return QStringLiteral("Waiting for your bet.");
        case RoundPhase::Shuffling:
            return QStringLiteral("The shoe is being shuffled.");
        case RoundPhase::Insurance:
            return QStringLiteral("The dealer shows an ace: insurance?");
        case RoundPhase::MainHand:
            return QStringLiteral("Your %1 against the dealer's %2.")
                .arg(HandTotal(g.PlayerTotal, g.PlayerSoftAce), up);
        case RoundPhase::LeftHand:
            return QStringLiteral("Left hand: %1 against the dealer's %2.")
                .arg(HandTotal(g.PlayerTotal, g.PlayerSoftAce), up);
        case RoundPhase::RightHand:
            return QStringLiteral("Right hand: %1 against the dealer's %2.")
                .arg(HandTotal(g.SplitTotal, g.SplitSoftAce), up);
        default:
            return QStringLiteral("No choice to make now.");
    }
}

QLabel* AddLabel(QWidget* parent, const QFont& font, const QColor& colour = kTableText) {
    auto* l = new QLabel(parent);
    l->setFont(font);
    l->setTextFormat(Qt::PlainText);
    SetTextColour(l, colour);
    return l;
}

}  // namespace

CoachWindow::CoachWindow(MainWindow& main) : QWidget(&main, Qt::Dialog), main_(main) {
    setObjectName(QStringLiteral("frmCoach"));
    setWindowTitle(QStringLiteral("Coach"));
    SetBackground(this, kTableGreen);
    setAccessibleDescription(QStringLiteral(
        "The value of each choice from the cards left in the shoe, the count and the session"));

    const QFont heading = GameFont(11, true);
    const QFont text = GameFont(9.75, false);
    const QFont bold = GameFont(9.75, true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(4);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto section = [&](const QString& title) {
        QLabel* l = AddLabel(this, heading, kPromptColour);
        l->setText(title);
        layout->addSpacing(6);
        layout->addWidget(l);
    };

    section(QStringLiteral("This hand"));
    situation_ = AddLabel(this, text);
    situation_->setObjectName(QStringLiteral("Situation"));
    layout->addWidget(situation_);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < static_cast<int>(actions_.size()); ++i) {
        actions_[i] = AddLabel(this, bold);
        actions_[i]->setObjectName(QStringLiteral("Action"));
        actions_[i]->setProperty("index", i);
        values_[i] = AddLabel(this, bold);
        values_[i]->setObjectName(QStringLiteral("Value"));
        values_[i]->setProperty("index", i);
        values_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(actions_[i], i, 0);
        grid->addWidget(values_[i], i, 1);
    }
    grid->setColumnMinimumWidth(0, 220);
    grid->setColumnMinimumWidth(1, 80);
    layout->addLayout(grid);
    QLabel* note = AddLabel(this, GameFont(8.25, false));
    note->setText(
        QStringLiteral("Expected win or loss per dollar of the first bet,\n"
                       "playing on as well as possible."));
    layout->addWidget(note);

    auto line = [&](const char* name) {
        QLabel* l = AddLabel(this, text);
        l->setObjectName(QLatin1String(name));
        layout->addWidget(l);
        return l;
    };
    section(QStringLiteral("The shoe"));
    shoe_ = line("Shoe");
    count_ = line("Count");

    section(QStringLiteral("Since the coach opened"));
    rounds_ = line("Rounds");
    net_ = line("Net");
    expected_ = line("Expected");
    given_away_ = line("GivenAway");

    Render();
}

void CoachWindow::Render() {
    const Game& g = main_.game();
    session_.Observe(g);
    if (!isVisible()) return;

    situation_->setText(Situation(g));
    const auto& advice = session_.Current();
    const int shown = advice ? advice->count : 0;
    for (int i = 0; i < static_cast<int>(actions_.size()); ++i) {
        const bool used = i < shown;
        actions_[i]->setVisible(used);
        values_[i]->setVisible(used);
        if (!used) continue;
        const coach::ActionValue& v = advice->values()[i];
        const bool best = v.action == advice->best;
        const QString name =
            ActionName(v.action) + (best ? QStringLiteral("  \u2190 best") : QString());
        const QString percent = Signed(100 * v.ev, 1) + QStringLiteral(" %");
        const QColor colour = best ? kPromptColour : kTableText;
        for (QLabel* l : {actions_[i], values_[i]}) SetTextColour(l, colour);
        actions_[i]->setText(name);
        values_[i]->setText(percent);
        actions_[i]->setAccessibleName(
            QStringLiteral("%1: %2 percent of the bet%3")
                .arg(ActionName(v.action), SignedInWords(100 * v.ev, 1),
                     best ? QStringLiteral(", the best choice") : QString()));
    }

    const coach::Composition unseen =
        coach::UnseenCards(g, g.Form1.ImageCarte[kHoleCardSlot] == kCardBack);
    const coach::HiLo hilo = coach::HiLoCount(unseen);
    shoe_->setText(
        QStringLiteral("Cards left in the shoe: %1 of %2").arg(g.ShoeCardsLeft).arg(kShoeSize));
    count_->setText(QStringLiteral("Hi-Lo running count %1, true count %2")
                        .arg(Signed(hilo.running, 0), Signed(hilo.true_count, 1)));
    count_->setAccessibleName(
        QStringLiteral("Hi-Lo running count %1, true count %2")
            .arg(SignedInWords(hilo.running, 0), SignedInWords(hilo.true_count, 1)));

    const coach::Stats& s = session_.stats();
    rounds_->setText(QStringLiteral("Rounds %1: won %2 (blackjacks %3), lost %4, pushed %5")
                         .arg(s.rounds)
                         .arg(s.wins)
                         .arg(s.blackjacks)
                         .arg(s.losses)
                         .arg(s.pushes));
    // Each sum as shown, and as a screen reader says it.
    const struct {
        QLabel* label;
        const char* text;
        double value;
        int decimals;
    } sums[] = {{net_, "Net %1 $", static_cast<double>(s.net), 0},
                {expected_, "Expected net of your choices %1 $", s.expected_net, 2},
                {given_away_, "Given up against the best choices %1 $", s.given_away, 2}};
    for (const auto& sum : sums) {
        sum.label->setText(QString::fromLatin1(sum.text).arg(Signed(sum.value, sum.decimals)));
        sum.label->setAccessibleName(
            QString::fromLatin1(sum.text).arg(SignedInWords(sum.value, sum.decimals)));
    }
}

}  // namespace vex::ui
