// The coach beside the table: opened by "?" or Game > Coach, it follows play and leaves it alone.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>

#include "UiTestSupport.h"
#include "ui/CoachWindow.h"

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

}  // namespace
}  // namespace vex::test
