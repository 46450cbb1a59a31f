#include <gtest/gtest.h>

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>
#include <span>
#include <tuple>
#include <vector>

#include "UiTestSupport.h"
#include "ui/Dialogs.h"
#include "ui/Pictures.h"

namespace vex::test {
namespace {

// Every control of the table's list is made at its place with its starting caption, and shows
// what the model says after every handler, the split hand's labels included.
TEST(TableWindow, EveryDeclaredControlStandsAtItsPlaceAndFollowsTheModel) {
    Window w;
    EXPECT_EQ(w.main->windowTitle(), "Vex's BlackJack");
    for (const auto* list : {std::data(kForm1Labels), std::data(kForm1Buttons)}) {
        const std::size_t n =
            list == std::data(kForm1Labels) ? std::size(kForm1Labels) : std::size(kForm1Buttons);
        for (const ControlDecl& d : std::span(list, n)) {
            SCOPED_TRACE(d.Name);
            QWidget* widget = w.Find(d.Name.data());
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->geometry(),
                      QRect(d.Where.Left, d.Where.Top, d.Where.Width, d.Where.Height));
            const QString text = widget->property("text").toString();
            if (d.Name != "LabelCredit") {
                EXPECT_EQ(text.toStdString(), d.Caption);
            }
            EXPECT_EQ(widget->isVisible(), d.Visible);

            Control& model = w.game().Form1.*d.Member;
            w.main->Run([&](Game&) { model = Control{"7", true, false}; });
            EXPECT_EQ(widget->property("text").toString(), "7");
            EXPECT_TRUE(widget->isVisible());
            if (d.Kind >= ControlKind::Button) {
                EXPECT_FALSE(widget->isEnabled());
            }
            w.main->Run([&](Game&) { model.Visible = false; });
            EXPECT_FALSE(widget->isVisible());
        }
    }
    // The rack is a grid of two rows and two columns: 10 and 50 $ above, 100 and 500 $ below.
    const auto at = [&](int i) { return w.Find(kChips[i].Name.data())->geometry().topLeft(); };
    EXPECT_EQ(at(0).y(), at(1).y());
    EXPECT_EQ(at(2).y(), at(3).y());
    EXPECT_EQ(at(0).x(), at(2).x());
    EXPECT_EQ(at(1).x(), at(3).x());
    for (const ChipDecl& c : kChips) {
        const auto* chip = w.Find<ui::Chip>(c.Name.data());
        ASSERT_NE(chip, nullptr) << c.Name;
        EXPECT_EQ(chip->geometry(),
                  QRect(c.Where.Left, c.Where.Top, c.Where.Width, c.Where.Height));
        EXPECT_EQ(chip->Tag(), QString::number(c.Value));
    }
    // The first slot of each row, where the table's layout puts it.
    for (const auto& [slot, left, top, owner] : {std::tuple{0, 216, 216, "Your hand, card 1"},
                                                 {6, 440, 216, "Your split hand, card 1"},
                                                 {12, 216, 96, "Dealer's hand, card 1"}}) {
        EXPECT_EQ(w.Find("ImageCarte", slot)->geometry().topLeft(), QPoint(left, top)) << slot;
        EXPECT_EQ(w.Find("ImageCarte", slot)->accessibleDescription(), owner);
    }
    EXPECT_EQ(w.main->findChildren<ui::PictureBox*>("ImageCarte").size(), kCardSlots);
}

// The keys stand for the buttons: each acts only in the phases where its button can be clicked,
// whatever the buttons' captions say. A step with no key is Timer3's tick.
TEST(TableWindow, EachKeyActsOnlyInThePhasesOfItsButton) {
    Window w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.main.get()));
    using enum RoundPhase;
    const struct {
        int key;
        std::vector<int> cards;  // stacked before the key
        RoundPhase phase;
        int bet, cards_out;
    } steps[] = {
        {Qt::Key_H, {}, Betting, 0, 0},
        {Qt::Key_1, {}, Betting, 10, 0},
        {Qt::Key_2, {}, Betting, 60, 0},
        {Qt::Key_C, {}, Betting, 0, 0},
        {Qt::Key_3, {}, Betting, 100, 0},
        {Qt::Key_S, {}, Betting, 100, 0},
        {Qt::Key_D, {}, Betting, 100, 0},
        {Qt::Key_F, {}, Betting, 100, 0},
        {Qt::Key_Return, {8, 8, 10, 7}, MainHand, 100, 4},
        {Qt::Key_1, {}, MainHand, 100, 4},
        {Qt::Key_C, {}, MainHand, 100, 4},
        {Qt::Key_Enter, {}, MainHand, 100, 4},
        {Qt::Key_F, {}, MainHand, 100, 4},
        {Qt::Key_P, {3}, LeftHand, 200, 5},
        {Qt::Key_D, {}, LeftHand, 200, 5},
        {Qt::Key_F, {}, LeftHand, 200, 5},
        {Qt::Key_H, {2}, LeftHand, 200, 6},
        {Qt::Key_S, {}, PassingToRight, 200, 6},
        {Qt::Key_H, {}, PassingToRight, 200, 6},
        {0, {10}, RightHand, 200, 7},
        {Qt::Key_S, {}, RightHand, 200, 7},
        {Qt::Key_H, {10}, RightHandDone, 200, 8},
        {Qt::Key_H, {}, RightHandDone, 200, 8},
        {Qt::Key_S, {}, RightHandDone, 200, 8},
        {Qt::Key_F, {}, Settled, 200, 8},
        {Qt::Key_4, {}, Settled, 200, 8},
        {Qt::Key_Return, {}, Settled, 200, 8},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(::testing::Message() << QKeySequence(step.key).toString().toStdString()
                                          << " in " << PhaseName(w.game().Phase));
        for (int v : step.cards) w.rng.Stack(v);
        // A caption is no guide: the keys read the phase.
        w.main->Run([](Game& g) { g.Form1.bnStandSplit.Caption = "?"; });
        if (step.key)
            QTest::keyClick(w.main.get(), Qt::Key(step.key));
        else
            Tick(w.main->findChild<QTimer*>("Timer3"));
        EXPECT_EQ(w.game().Phase, step.phase);
        EXPECT_EQ(w.game().Bet, step.bet);
        EXPECT_EQ(w.game().CardsOnTableCount, step.cards_out);
        EXPECT_TRUE(w.rng.Empty());
    }
}

TEST(TableWindow, OnlyThisWindowsChipsBetAndOnlyWhileBettingIsOpen) {
    Window w, other;
    QWidget* spot = w.Find("Image3");
    EXPECT_TRUE(DropChip(spot, "50"));
    EXPECT_TRUE(DropChip(w.Find("LabelMise"), "100"));
    EXPECT_EQ(w.Find<QLabel>("LabelMise")->text(), "150");
    EXPECT_EQ(w.Find<QLabel>("LabelCredit")->text(), "350");
    EXPECT_FALSE(DropChip(w.Find("Image6"), "10"));
    EXPECT_FALSE(DropChip(w.Find("ImageCarte", 0), "10"));
    EXPECT_FALSE(DropChip(w.main->centralWidget(), "10"));

    // Another program, or another copy of the game: the drag carries our chip format but no chip
    // of this window. Text and files are refused too.
    for (const char* tag : {"10", "1e1", "&H1F4"}) {
        QMimeData chip;
        chip.setData(ui::kChipMimeType, tag);
        EXPECT_FALSE(DropFromOutside(spot, chip)) << tag;
    }
    QMimeData text;
    text.setText("500");
    text.setUrls({QUrl::fromLocalFile("/tmp/500")});
    EXPECT_FALSE(DropFromOutside(spot, text));
    auto* filter = spot->findChild<ui::ChipDropTarget*>();
    EXPECT_FALSE(filter->Receive(other.Find("Image1")));  // the other table's 10 $ chip
    EXPECT_FALSE(filter->Receive(w.Find("Image6")));      // not a chip at all
    EXPECT_EQ(w.game().Bet, 150);

    // Once dealt, and in the pause after the round, the table's own chips do not bet either.
    w.rng.Stack({10, 7, 9, 8, 10});
    w.Click("bnDeal");
    EXPECT_FALSE(DropChip(spot, "10"));
    // The slots show the artwork's files: card101 the ace of spades .. card153 the back.
    EXPECT_EQ(w.Find<ui::PictureBox>("ImageCarte", 0)->Picture(), "card110");
    EXPECT_EQ(w.Find<ui::PictureBox>("ImageCarte", 13)->Picture(), "card153");
    w.Click("bnStay");
    EXPECT_FALSE(DropChip(spot, "10"));
    EXPECT_EQ(w.game().Bet, 150);
    EXPECT_EQ(w.game().Credit, 500);  // the push returned the stake
}

TEST(TableWindow, TheWindowCannotBeResized) {
    Window w;
    const QSize size = w.main->size();
    EXPECT_EQ(w.main->minimumSize(), size);
    EXPECT_EQ(w.main->maximumSize(), size);
    w.main->resize(size + QSize(200, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.main->size(), size);
}

TEST(TableWindow, TheLowCreditHintIsOnScreenBeforeTheGameMenuDrops) {
    Window w;
    DropChip(w.Find("Image3"), "500");
    w.rng.Stack({10, 6, 10, 8, 10});
    w.Click("bnDeal");
    w.Click("bnStay");
    QString comment;
    bool table_cleared = false;
    QObject::connect(w.main->findChild<QMenu*>("mnuGame"), &QMenu::aboutToShow, [&] {
        auto* label = w.Find<QLabel>("Commentaire");
        comment = label->isVisible() ? label->text() : QString();
        table_cleared = w.Find("ImageCarte", 0)->accessibleName().isEmpty();
    });
    auto* timer1 = w.main->findChild<QTimer*>("Timer1");
    EXPECT_EQ(timer1->interval(), 3000);  // the round's cards stay three seconds
    Tick(timer1);
    EXPECT_EQ(comment, "Not enough credit...Click the 'Borrow' submenu !");
    EXPECT_TRUE(table_cleared);
}

// The question is asked in a modal box, again after a "too much" message box, with the dealer's
// ace on the table meanwhile. A timer of another window ticks while the box runs its own event
// loop: the bank's check closes and shows the credit, and the deal goes on when the answer comes.
TEST(TableWindow, InsuranceIsAskedInAModalBoxUntilTheAmountCanBeStaked) {
    Window w;
    w.main->Run([](Game& g) { g.mnuBorrow_Click(); });
    QTest::keyClicks(w.main->bankWindow()->findChild<QLineEdit*>("txtBorrow"), "100");
    QTest::mouseClick(w.main->bankWindow()->findChild<QPushButton*>("bnSign"), Qt::LeftButton);
    QTimer* bank_timer = w.main->bankWindow()->findChild<QTimer*>("Timer1");
    ASSERT_TRUE(bank_timer && w.game().frmBank.Timer1.Enabled);

    DropChip(w.Find("Image3"), "100");
    w.rng.Stack({9, 9, 1, 13});  // dealer ace up with a king in the hole
    bool bank_open = true;
    QString title, label, message, credit_during, up_card_on_table;
    QPoint place;
    WhenModalOpens([&](QWidget* modal) {
        Tick(bank_timer);
        bank_open = w.game().frmBank.Open;
        credit_during = w.Find<QLabel>("LabelCredit")->text();
        auto* box = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        label = box->labelText();
        place = box->pos();
        box->setTextValue("99999");
        box->accept();
        WhenModalOpens([&](QWidget* too_much) {
            message = too_much->windowTitle() + ": " +
                      too_much->findChild<QLabel*>("qt_msgbox_label")->text();
            QTest::keyClick(too_much, Qt::Key_Return);
            WhenModalOpens([&](QWidget* again) {
                up_card_on_table = w.Find("ImageCarte", 12)->accessibleName();
                static_cast<QInputDialog*>(again)->setTextValue("50");
                static_cast<QInputDialog*>(again)->accept();
            });
        });
    });
    w.Click("bnDeal");
    EXPECT_FALSE(bank_open);
    EXPECT_EQ(credit_during, "500");  // 500 and the loan of 100, less the bet of 100
    EXPECT_EQ(title, "Insurance");
    EXPECT_EQ(label, "Please enter amount of insurance\n\nMaximum =  50");
    EXPECT_EQ(place, QPoint(133, 13));
    EXPECT_EQ(message, "Vex's BlackJack: Hey, this is too much!");
    EXPECT_EQ(up_card_on_table, "Ace of spades");
    EXPECT_EQ(w.Find<QLabel>("Commentaire")->text(), "Dealer has BlackJack...Insurance won!");
    EXPECT_EQ(w.game().Credit, 500 - 50 + 100);
    EXPECT_EQ(w.Find<QLabel>("LabelCredit")->text(), "450");  // the payout shows at the tick
}

}  // namespace
}  // namespace vex::test
