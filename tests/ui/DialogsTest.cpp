#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "UiTestSupport.h"
#include "ui/Dialogs.h"

namespace vex::test {
namespace {

void Trigger(Window& w, const char* action) {
    w.main->findChild<QAction*>(QLatin1String(action))->trigger();
}

TEST(BankWindow, SignsOrRefusesAndEachCheckAfterIsFresh) {
    Window w;
    Trigger(w, "mnuBorrow");
    ui::BankWindow* bank = w.main->bankWindow();
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(bank->windowTitle(), "Borrow");
    auto* amount = bank->findChild<QLineEdit*>("txtBorrow");
    EXPECT_DOUBLE_EQ(bank->findChild<QLabel*>("Label1")->font().pointSizeF(),
                     8.25);  // default font
    EXPECT_FALSE(bank->findChild<QLabel*>("LabelSign")->isVisible());
    // The check's machine lettering and handwriting come from the fonts inside the program.
    EXPECT_EQ(QFontInfo(bank->findChild<QLabel*>("Label6")->font()).family(), "OCRA");
    EXPECT_EQ(QFontInfo(bank->findChild<QLabel*>("LabelSign")->font()).family(), "Dancing Script");
    QTest::keyClicks(amount, "250");
    QTest::mouseClick(bank->findChild<QPushButton*>("bnSign"), Qt::LeftButton);
    EXPECT_TRUE(bank->findChild<QLabel*>("LabelSign")->isVisible());
    EXPECT_FALSE(amount->isEnabled());
    EXPECT_EQ(w.game().Credit, 750);
    EXPECT_EQ(w.Find<QLabel>("LabelCredit")->text(), "500");  // shown when the check closes

    auto* timer = bank->findChild<QTimer*>("Timer1");
    ASSERT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1500);
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    Tick(timer);
    EXPECT_EQ(w.Find<QLabel>("LabelCredit")->text(), "750");
    EXPECT_EQ(w.main->bankWindow(), nullptr);

    Trigger(w, "mnuBorrow");  // the next check is fresh
    bank = w.main->bankWindow();
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(bank->findChild<QLineEdit*>("txtBorrow")->text(), "");

    // A refused check is signed on screen before the message says why.
    QTest::keyClicks(bank->findChild<QLineEdit*>("txtBorrow"), "40000");
    bool signature_shown = false;
    QString message;
    WhenModalOpens([&](QWidget* box) {
        auto* signature = bank->findChild<QLabel*>("LabelSign");
        signature_shown = signature->isVisible() && !signature->visibleRegion().isEmpty();
        message = box->findChild<QLabel*>("qt_msgbox_label")->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::mouseClick(bank->findChild<QPushButton*>("bnSign"), Qt::LeftButton);
    EXPECT_TRUE(signature_shown);
    EXPECT_EQ(message, "Hey, look at your last statement of account,\nyou can't afford!");
    EXPECT_EQ(w.game().Credit, 750);

    // A signed check closed by its close box shows the new credit at once.
    Trigger(w, "mnuBorrow");
    bank = w.main->bankWindow();
    QTest::keyClicks(bank->findChild<QLineEdit*>("txtBorrow"), "100");
    QTest::mouseClick(bank->findChild<QPushButton*>("bnSign"), Qt::LeftButton);
    bank->close();
    EXPECT_EQ(w.Find<QLabel>("LabelCredit")->text(), "850");
}

QRadioButton* Option(QWidget* rules, const char* group, int index) {
    for (auto* b : rules->findChildren<QRadioButton*>(group))
        if (b->property("index").toInt() == index) return b;
    return nullptr;
}

// The brightness of the middle of an option's round indicator, as painted.
int IndicatorCentre(QRadioButton* b) {
    QStyleOptionButton option;
    option.initFrom(b);
    const QRect dot = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, b);
    const QImage image = b->grab().toImage();
    return qGray(image.pixel(dot.center() * image.devicePixelRatio()));
}

TEST(RulesWindow, ChoicesShowTheirDotTakeEffectAtTheClickAndStayWhenHidden) {
    Window w;
    Trigger(w, "mnuOptions");
    auto* rules = w.main->rulesWindow();
    ASSERT_NE(rules, nullptr);
    for (const char* group : {"Option1", "Option2"}) {
        EXPECT_LT(IndicatorCentre(Option(rules, group, 0)), 160) << group << " selected";
        EXPECT_GT(IndicatorCentre(Option(rules, group, 1)), 200) << group << " not selected";
        EXPECT_EQ(Option(rules, group, 0)->palette().color(QPalette::WindowText),
                  QColor(Qt::white));
    }
    // A click in the empty right part of the box, past the caption, chooses the option.
    QRadioButton* unlimited = Option(rules, "Option1", 2);
    QTest::mouseClick(unlimited, Qt::LeftButton, {},
                      QPoint(unlimited->width() - 2, unlimited->height() / 2));
    EXPECT_EQ(w.game().MaxBet, 1000000);
    QRadioButton* fifty = Option(rules, "Option1", 1);
    EXPECT_EQ(fifty->text(), "Min 50 $   Max 2000 $");
    QTest::mouseClick(fifty, Qt::LeftButton);
    EXPECT_EQ(w.game().MinBet, 50);
    EXPECT_EQ(w.game().MaxBet, 2000);
    QTest::mouseClick(rules->findChild<QPushButton*>("bnOK"), Qt::LeftButton);
    EXPECT_FALSE(rules->isVisible());
    Trigger(w, "mnuOptions");
    EXPECT_EQ(w.main->rulesWindow(), rules);
    EXPECT_TRUE(fifty->isChecked() && !unlimited->isChecked());

    Trigger(w, "mnuNewGame");
    EXPECT_FALSE(fifty->isChecked());
    EXPECT_EQ(w.game().MaxBet, 500);
}

TEST(HelpWindow, TopicsShowTheirTextAndEachOpeningStartsBlank) {
    Window w;
    Trigger(w, "mnuTopics");
    auto* help = w.main->helpWindow();
    ASSERT_NE(help, nullptr);
    auto* text = help->findChild<QLabel*>("lblRegles");
    EXPECT_FALSE(text->isVisible());
    // A topic opens on release over it, as a link does: pressing alone, or letting go elsewhere,
    // opens nothing.
    auto* topic = help->findChild<QLabel*>("Label8");
    QTest::mousePress(topic, Qt::LeftButton);
    EXPECT_FALSE(text->isVisible());
    QTest::mouseRelease(topic, Qt::LeftButton, {}, QPoint(topic->width() + 40, 5));
    EXPECT_FALSE(text->isVisible());
    QTest::mouseClick(topic, Qt::LeftButton);
    EXPECT_TRUE(text->isVisible());
    EXPECT_TRUE(text->text().startsWith("If you win, you get back twice your bet."));
    QTest::keyClick(help->findChild<QLabel*>("Label9"), Qt::Key_Space);  // topics open by key too
    EXPECT_TRUE(text->text().startsWith("If you draw six cards"));
    QTest::mouseClick(help->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(w.main->helpWindow(), nullptr);
    Trigger(w, "mnuTopics");
    EXPECT_FALSE(w.main->helpWindow()->findChild<QLabel*>("lblRegles")->isVisible());
}

TEST(AboutWindow, EnterAndEscapeBothClose) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        Window w;
        Trigger(w, "mnuAbout");
        auto* about = w.main->aboutWindow();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), "About Vex's BlackJack");
        QTest::keyClick(about, key);
        EXPECT_EQ(w.main->aboutWindow(), nullptr) << key;
    }
}

}  // namespace
}  // namespace vex::test
