#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QDropEvent>
#include <QPointer>

#include "ui/Pictures.h"

namespace vex::test {

bool DropChip(QWidget* target, const QString& tag) {
    auto* filter = target->findChild<ui::ChipDropTarget*>(QString(), Qt::FindDirectChildrenOnly);
    if (!filter || !target->acceptDrops()) return false;
    for (ui::Chip* chip : target->window()->findChildren<ui::Chip*>())
        if (chip->Tag() == tag) return filter->Receive(chip);
    return false;
}

bool DropFromOutside(QWidget* target, const QMimeData& data) {
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return (enter.isAccepted() && target->acceptDrops()) || drop.isAccepted();
}

void WhenModalOpens(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start(10);
}

}  // namespace vex::test

namespace vex::test {

void Tick(QTimer* timer) {
    ASSERT_TRUE(timer->isActive());
    QPointer<QTimer> alive(timer);  // the tick may close the window that owns the timer
    timer->start(0);
    for (int i = 0; i < 200 && alive && alive->isActive(); ++i) QTest::qWait(5);
}

}  // namespace vex::test
