#include "ui/CoachWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "ui/MainWindow.h"
#include "ui/SessionChart.h"
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

QString HandTotal(int total, Flag soft) {
    return (soft != kFalse ? QStringLiteral("soft ") : QString()) + QString::number(total);
}

QString Situation(const Game& g) {
    const QString up = QString::fromStdString(coach::CardName(g.DealerCards[1]));
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

// A choice other than the best: a pale red that still reads on the felt.
const QColor kMistakeColour(255, 200, 190);

// The width of the window's text: the long lines wrap within it.
constexpr int kTextWidth = 356;

// The next round's edge as the player reads it, and whether a screen reader needs words.
QString EdgeText(double edge, bool in_words) {
    // The sentence says who has the edge; the figure is its size.
    const QString digits = QString::number(std::abs(100 * edge), 'f', 1);
    const QString percent = digits + (in_words ? QStringLiteral(" percent") : QStringLiteral(" %"));
    if (digits.toDouble() == 0) return QStringLiteral("An even game for the next round");
    return (edge > 0 ? QStringLiteral("The shoe favours you: %1 per dollar bet")
                     : QStringLiteral("The house has the edge: %1 per dollar bet"))
        .arg(percent);
}

// A line of the session's, with each "%" and "$" kept on the line of its number.
QString KeepUnits(const std::string& text) {
    return QString::fromStdString(text)
        .replace(QStringLiteral(" %"), QStringLiteral("\u00a0%"))
        .replace(QStringLiteral(" $"), QStringLiteral("\u00a0$"));
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
    grid->setColumnMinimumWidth(0, kTextWidth - 18 - 80);
    grid->setColumnMinimumWidth(1, 80);
    layout->addLayout(grid);
    QLabel* note = AddLabel(this, GameFont(8.25, false));
    note->setText(
        QStringLiteral("Expected win or loss per dollar of the first bet,\n"
                       "playing on as well as possible."));
    layout->addWidget(note);

    auto line = [&](const char* name, const QFont& font) {
        QLabel* l = AddLabel(this, font);
        l->setObjectName(QLatin1String(name));
        layout->addWidget(l);
        return l;
    };
    section(QStringLiteral("Your last choice"));
    verdict_ = line("Verdict", bold);
    verdict_->setWordWrap(true);
    verdict_->setFixedWidth(kTextWidth);
    accuracy_ = line("Accuracy", text);

    section(QStringLiteral("The shoe"));
    shoe_ = line("Shoe", text);
    count_ = line("Count", text);
    // The next round's edge, and the true count beside it under the same heading.
    edge_ = line("Edge", bold);
    edge_count_ = line("EdgeCount", text);
    // Lines that come and go keep their room, so that the window keeps its size.
    for (QLabel* l : {count_, edge_, edge_count_}) {
        QSizePolicy keep = l->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        l->setSizePolicy(keep);
    }
    show_count_ = new QCheckBox(QStringLiteral("Show the count"), this);
    show_count_->setObjectName(QStringLiteral("ShowCount"));
    show_count_->setFont(text);
    QPalette box_colours = show_count_->palette();  // white words, a dark tick in a white box
    box_colours.setColor(QPalette::WindowText, kTableText);
    show_count_->setPalette(box_colours);
    show_count_->setChecked(true);  // for this session only: practising hides it
    show_count_->setAccessibleDescription(
        QStringLiteral("Hides the running and true count, to practise keeping it yourself"));
    connect(show_count_, &QCheckBox::toggled, this, &CoachWindow::Render);
    layout->addWidget(show_count_);

    section(QStringLiteral("Since the coach opened"));
    rounds_ = line("Rounds", text);
    net_ = line("Net", text);
    expected_ = line("Expected", text);
    given_away_ = line("GivenAway", text);
    chart_ = new SessionChart(this);
    chart_->setFixedWidth(kTextWidth);
    layout->addSpacing(4);
    layout->addWidget(chart_);

    section(QStringLiteral("Your costliest choices"));
    no_review_ = line("NoReview", text);
    no_review_->setText(QStringLiteral("None yet."));
    review_ = new QListWidget(this);
    review_->setObjectName(QStringLiteral("Review"));
    review_->setAccessibleName(QStringLiteral("Your costliest choices, costliest first"));
    review_->setFont(GameFont(8.25, false));
    review_->setFixedSize(kTextWidth, 104);
    review_->setFrameShape(QFrame::NoFrame);
    review_->setWordWrap(true);
    review_->setSpacing(2);
    review_->setResizeMode(QListView::Adjust);
    review_->setSelectionMode(QAbstractItemView::NoSelection);
    review_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette list_colours = review_->palette();
    list_colours.setColor(QPalette::Base, kTotalBackground);
    list_colours.setColor(QPalette::Text, kTableText);
    review_->setPalette(list_colours);
    review_->hide();
    layout->addWidget(review_);

    connect(&edge_job_, &QFutureWatcherBase::finished, this, &CoachWindow::EdgeJobFinished);

    Render();
}

CoachWindow::~CoachWindow() {
    // The pool thread uses the engine until its job ends.
    if (edge_busy_) edge_job_.waitForFinished();
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

    RenderChoices();

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
    count_->setVisible(show_count_->isChecked());
    RenderEdge(g);

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
    chart_->SetHistory(session_.History());
}

void CoachWindow::RenderChoices() {
    const auto& last = session_.LastChoice();
    const std::string verdict = last ? coach::VerdictText(*last) : "No choice made yet.";
    const bool mistake = last && !last->best_choice;
    // Marked by sign as well as by colour.
    verdict_->setText(
        (last ? (mistake ? QStringLiteral("\u2717 ") : QStringLiteral("\u2713 ")) : QString()) +
        KeepUnits(verdict));
    verdict_->setAccessibleName((last
                                     ? (mistake ? QStringLiteral("Your last choice, not the best: ")
                                                : QStringLiteral("Your last choice: "))
                                     : QString()) +
                                QString::fromStdString(verdict));
    SetTextColour(verdict_, mistake ? kMistakeColour : last ? kPromptColour : kTableText);

    const coach::Stats& s = session_.stats();
    accuracy_->setText(s.choices == 0 ? QStringLiteral("Best choices: none made yet")
                                      : QStringLiteral("Best choices %1 of %2 (%3 %)")
                                            .arg(s.best_choices)
                                            .arg(s.choices)
                                            .arg(qRound(100.0 * s.best_choices / s.choices)));

    QStringList review;
    for (const coach::Choice& c : session_.Costliest(10)) review << KeepUnits(coach::ReviewText(c));
    no_review_->setText(s.choices == 0 ? QStringLiteral("None yet.")
                                       : QStringLiteral("None: every choice was the best."));
    if (review == review_texts_) return;  // rebuilt only when it changed: the reader's place stays
    review_texts_ = review;
    review_->clear();
    review_->addItems(review);
    review_->setVisible(!review.isEmpty());
    no_review_->setVisible(review.isEmpty());
}

void CoachWindow::RenderEdge(const Game& g) {
    const bool betting = g.BettingOpen();
    edge_->setVisible(betting);
    edge_count_->setVisible(betting && show_count_->isChecked());
    if (!betting) return;
    // Before the deal every card out of the shoe is in sight.
    const coach::Composition shoe = coach::UnseenCards(g, false);
    const double true_count = coach::HiLoCount(shoe).true_count;
    edge_count_->setText(QStringLiteral("Hi-Lo true count %1").arg(Signed(true_count, 1)));
    edge_count_->setAccessibleName(
        QStringLiteral("Hi-Lo true count %1").arg(SignedInWords(true_count, 1)));
    edge_wanted_ = shoe;
    if (edge_known_ && edge_known_->shoe == shoe) {
        edge_->setText(EdgeText(edge_known_->edge, false));
        edge_->setAccessibleName(EdgeText(edge_known_->edge, true));
        return;
    }
    edge_->setText(QStringLiteral("Working out the next round\u2026"));
    edge_->setAccessibleName(QStringLiteral("Working out the next round"));
    WorkOutEdge(shoe);
}

void CoachWindow::WorkOutEdge(const coach::Composition& shoe) {
    if (edge_busy_) return;  // its end starts the shoe wanted then
    edge_busy_ = true;
    // The engine is made on the pool thread too, by the first job: its tables take a few
    // milliseconds to set up.
    std::unique_ptr<coach::Engine>* engine = &edge_engine_;
    edge_job_.setFuture(QtConcurrent::run([engine, shoe] {
        if (!*engine) *engine = std::make_unique<coach::Engine>();
        return Edge{shoe, (*engine)->EdgeBeforeDeal(shoe)};
    }));
}

void CoachWindow::EdgeJobFinished() {
    edge_busy_ = false;
    const Edge done = edge_job_.result();
    EdgeWorkedOut(done.shoe, done.edge);
    if (edge_wanted_ && !(edge_known_ && edge_known_->shoe == *edge_wanted_))
        WorkOutEdge(*edge_wanted_);
}

void CoachWindow::EdgeWorkedOut(const coach::Composition& shoe, double edge) {
    if (!edge_wanted_ || !(shoe == *edge_wanted_)) return;  // the shoe has moved on
    edge_known_ = Edge{shoe, edge};
    if (isVisible()) RenderEdge(main_.game());
}

}  // namespace vex::ui
