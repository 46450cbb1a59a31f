#include <gtest/gtest.h>

#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

#include "UiTestSupport.h"
#include "ui/Pictures.h"

namespace vex::test {
namespace {

TEST(TableWindow, OpensWaitingForABet) {
    Window w;
    EXPECT_EQ(w.main->windowTitle(), "Vex's BlackJack");
    QWidget* table = w.main->centralWidget();
    EXPECT_EQ(table->size(), QSize(679, 486));
    EXPECT_EQ(table->palette().color(QPalette::Window), QColor(0, 128, 0));

    EXPECT_EQ(w.Find<QLabel>("LabelMise")->text(), "0");
    EXPECT_EQ(w.Find<QLabel>("LabelCredit")->text(), "500");
    EXPECT_EQ(w.Find<QLabel>("Label12")->text(), "Please bet...");
    EXPECT_TRUE(w.Find<QLabel>("Label12")->isVisible());
    EXPECT_FALSE(w.Find<QLabel>("Commentaire")->isVisible() &&
                 !w.Find<QLabel>("Commentaire")->text().isEmpty());
    for (const char* name : {"bnCard", "bnStay", "bnDouble", "bnSplit", "bnCardSplit", "bnStandSplit"})
        EXPECT_FALSE(w.Find(name)->isVisible()) << name;
    for (const char* name : {"bnDeal", "bnClear"})
        EXPECT_TRUE(w.Find(name)->isVisible() && w.Find(name)->isEnabled()) << name;

    for (const char* name : {"Timer1", "Timer2", "Timer3"}) {
        auto* timer = w.main->findChild<QTimer*>(QLatin1String(name));
        ASSERT_NE(timer, nullptr) << name;
        EXPECT_FALSE(timer->isActive()) << name;
        EXPECT_EQ(timer->interval(), std::string_view(name) == "Timer3" ? 1000 : 3000) << name;
    }
}

TEST(TableWindow, ControlsStandAtTheirPlaces) {
    Window w;
    const struct {
        const char* name;
        int index;
        QRect rect;
    } places[] = {
        {"ImageCarte", 0, {216, 216, 54, 73}},   {"ImageCarte", 5, {376, 216, 54, 73}},
        {"ImageCarte", 6, {440, 216, 54, 73}},   {"ImageCarte", 11, {600, 216, 54, 73}},
        {"ImageCarte", 12, {216, 96, 54, 73}},   {"ImageCarte", 19, {440, 96, 54, 73}},
        {"Image1", -1, {40, 264, 51, 51}},       {"Image2", -1, {96, 264, 50, 51}},
        {"Image5", -1, {40, 320, 51, 51}},       {"Image4", -1, {96, 320, 50, 51}},
        {"Image3", -1, {272, 320, 115, 115}},    {"Image6", -1, {64, 0, 555, 159}},
        {"LabelMise", -1, {304, 368, 49, 25}},   {"Label12", -1, {8, 224, 201, 33}},
        {"Commentaire", -1, {256, 184, 417, 22}}, {"LabelCredit", -1, {560, 448, 81, 25}},
        {"bnDeal", -1, {288, 448, 89, 33}},      {"bnClear", -1, {48, 384, 89, 25}},
        {"bnCardSplit", -1, {440, 344, 73, 25}}, {"bnSplit", -1, {528, 384, 73, 25}},
    };
    for (const auto& p : places) {
        QWidget* widget = w.Find(p.name, p.index);
        ASSERT_NE(widget, nullptr) << p.name << p.index;
        EXPECT_EQ(widget->geometry(), p.rect) << p.name << p.index;
    }
    EXPECT_EQ(w.main->findChildren<ui::PictureBox*>("ImageCarte").size(), kCardSlots);
    EXPECT_TRUE(w.Find<QLabel>("LabelMise")->font().bold());
    EXPECT_DOUBLE_EQ(w.Find<QLabel>("LabelCredit")->font().pointSizeF(), 13.5);
}

TEST(TableWindow, MenusCarryTheirCaptionsAndSeparators) {
    Window w;
    QStringList captions;
    for (QAction* menu : w.main->menuBar()->actions()) {
        captions << menu->text();
        for (QAction* item : menu->menu()->actions()) captions << (item->isSeparator() ? "-" : item->text());
    }
    EXPECT_EQ(captions.join('|'),
              "&Game|&New Game|-|&Borrow|&Settings|-|E&xit|-|&Coach|&Help|&How to play BlackJack|-|&About BlackJack");
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
    EXPECT_EQ(w.main->centralWidget()->geometry().topLeft().x(), 0);
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
    Tick(w.main->findChild<QTimer*>("Timer1"));
    EXPECT_EQ(comment, "Not enough credit...Click the 'Borrow' submenu !");
    EXPECT_TRUE(table_cleared);
}

TEST(TableWindow, DealCoversTheHoleCardAndClosesBetting) {
    Window w;
    DropChip(w.Find("Image3"), "100");
    w.rng.Stack({10, 7, 9, 8});
    w.Click("bnDeal");
    EXPECT_EQ(w.Find("ImageCarte", 0)->accessibleName(), "Ten of spades");
    EXPECT_EQ(w.Find("ImageCarte", 12)->accessibleName(), "Nine of spades");
    EXPECT_EQ(w.Find("ImageCarte", 13)->accessibleName(), "Card back");
    EXPECT_EQ(w.Find("ImageCarte", 2)->accessibleName(), "");
    EXPECT_FALSE(w.Find<ui::Chip>("Image1")->Draggable());
    EXPECT_FALSE(w.Find("bnDeal")->isEnabled());
    EXPECT_TRUE(w.Find("bnCard")->isVisible());

    w.rng.Stack(10);  // the player stands on 17, the dealer has 17 too
    w.Click("bnStay");
    EXPECT_EQ(w.Find<QLabel>("Commentaire")->text(), "Push...");
    EXPECT_EQ(w.Find("ImageCarte", 13)->accessibleName(), "Eight of spades");
    auto* timer1 = w.main->findChild<QTimer*>("Timer1");
    EXPECT_TRUE(timer1->isActive());
    EXPECT_EQ(timer1->interval(), 3000);
    Tick(timer1);
    EXPECT_EQ(w.Find<QLabel>("LabelCredit")->text(), "500");
    EXPECT_EQ(w.Find("ImageCarte", 0)->accessibleName(), "");
    EXPECT_TRUE(w.Find<ui::Chip>("Image1")->Draggable());
}

TEST(TableWindow, InsuranceIsAskedInAModalBox) {
    Window w;
    DropChip(w.Find("Image3"), "100");
    w.rng.Stack({9, 9, 1, 13});  // dealer ace up with a king in the hole
    QString title, label, up_card_on_table;
    QPoint place;
    WhenModalOpens([&](QWidget* modal) {
        up_card_on_table = w.Find("ImageCarte", 12)->accessibleName();
        auto* box = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        label = box->labelText();
        place = box->pos();
        box->setTextValue("50");
        box->accept();
    });
    w.Click("bnDeal");
    EXPECT_EQ(title, "Insurance");
    EXPECT_EQ(label, "Please enter amount of insurance\n\nMaximum =  50");
    EXPECT_EQ(place, QPoint(133, 13));
    EXPECT_EQ(up_card_on_table, "Ace of spades");  // the dealer's ace shows while asking
    EXPECT_EQ(w.Find<QLabel>("Commentaire")->text(), "Dealer has BlackJack...Insurance won!");
    EXPECT_EQ(w.game().Credit, 400 - 50 + 100);
}

TEST(TableWindow, TooMuchInsuranceIsToldInAMessageBox) {
    Window w;
    DropChip(w.Find("Image3"), "100");
    w.rng.Stack({9, 9, 1, 5});
    QString message_title, message;
    WhenModalOpens([&](QWidget* modal) {
        static_cast<QInputDialog*>(modal)->setTextValue("99999");
        static_cast<QInputDialog*>(modal)->accept();
        WhenModalOpens([&](QWidget* box) {
            message_title = box->windowTitle();
            message = box->findChild<QLabel*>("qt_msgbox_label")->text();
            QTest::keyClick(box, Qt::Key_Return);
            WhenModalOpens([](QWidget* again) { static_cast<QInputDialog*>(again)->reject(); });
        });
    });
    w.Click("bnDeal");
    EXPECT_EQ(message_title, "Vex's BlackJack");
    EXPECT_EQ(message, "Hey, this is too much!");
    EXPECT_EQ(w.game().Insurance, 0);  // the cancelled second question
    EXPECT_TRUE(w.Find("bnCard")->isVisible());
}

}  // namespace
}  // namespace vex::test
