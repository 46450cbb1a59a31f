#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QMainWindow>

#include "state/CardFaces.h"
#include "ui/CoachWindow.h"
#include "ui/Dialogs.h"
#include "ui/Pictures.h"
#include "ui/SessionChart.h"

namespace vex::ui {

namespace {

// Without this, Qt reports a plain widget as a "filler": the card slots, chips, pictures and the
// coach's chart would not read as images, nor the bank, rules, help, game-over and coach windows
// as dialogs.
QAccessibleInterface* GameRoles(const QString&, QObject* object) {
    if (qobject_cast<PictureBox*>(object) || qobject_cast<SessionChart*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (qobject_cast<BankWindow*>(object) || qobject_cast<RulesWindow*>(object) ||
        qobject_cast<HelpWindow*>(object) || qobject_cast<EndWindow*>(object) ||
        qobject_cast<CoachWindow*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

// Installed as the program starts, before any widget has been asked for its interface: a
// widget's interface is made once and then kept.
[[maybe_unused]] const bool kGameRolesInstalled = [] {
    QAccessible::installFactory(GameRoles);
    return true;
}();

QString SlotOwner(int slot) {
    const SlotSeat seat = SeatOfSlot(slot);
    switch (seat.Row) {
        case SlotRow::Player:
            return QStringLiteral("Your hand, card %1").arg(seat.Card);
        case SlotRow::Split:
            return QStringLiteral("Your split hand, card %1").arg(seat.Card);
        case SlotRow::Dealer:
            break;
    }
    return QStringLiteral("Dealer's hand, card %1").arg(seat.Card);
}

}  // namespace

// The table's labels get their descriptions as they are made, from the table's control list.
void DescribeForScreenReaders(QMainWindow& table) {
    for (QWidget* slot : table.findChildren<QWidget*>(QStringLiteral("ImageCarte")))
        slot->setAccessibleDescription(SlotOwner(slot->property("index").toInt()));
}

}  // namespace vex::ui
