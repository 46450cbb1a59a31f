#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QMainWindow>

#include "ui/Dialogs.h"
#include "ui/Pictures.h"

namespace vex::ui {

namespace {

// Without this, Qt reports a plain widget as a "filler": the card slots, chips and pictures
// would not read as images, nor the bank, rules, help and game-over windows as dialogs.
QAccessibleInterface* GameRoles(const QString&, QObject* object) {
    if (qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (qobject_cast<BankWindow*>(object) || qobject_cast<RulesWindow*>(object) ||
        qobject_cast<HelpWindow*>(object) || qobject_cast<EndWindow*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

// Installed as the program starts, before any widget has been asked for its interface: a
// widget's interface is made once and then kept.
[[maybe_unused]] const bool kGameRolesInstalled = [] {
    QAccessible::installFactory(GameRoles);
    return true;
}();

// Slots 0-5 hold the player's hand, 6-11 the second hand of a split, 12 on the dealer's hand.
QString SlotOwner(int slot) {
    if (slot < 6) return QStringLiteral("Your hand, card %1").arg(slot + 1);
    if (slot < 12) return QStringLiteral("Your split hand, card %1").arg(slot - 5);
    return QStringLiteral("Dealer's hand, card %1").arg(slot - 11);
}

}  // namespace

void DescribeForScreenReaders(QMainWindow& table) {
    for (QWidget* slot : table.findChildren<QWidget*>(QStringLiteral("ImageCarte")))
        slot->setAccessibleDescription(SlotOwner(slot->property("index").toInt()));
    // Labels keep their text as their name; only the description is set.
    const struct {
        const char* name;
        const char* description;
    } labels[] = {{"lblTotalBanque", "Dealer's total"},
                  {"lblTotalJoueur", "Your total"},
                  {"lblTotalSplit", "Your split hand's total"},
                  {"CommentaireGauche", "Your hand's result"},
                  {"CommentaireDroite", "Your split hand's result"},
                  {"Commentaire", "The dealer's comment"},
                  {"LabelMise", "Your bet in dollars"},
                  {"LabelCredit", "Your credit in dollars"}};
    for (const auto& l : labels)
        if (auto* label = table.findChild<QLabel*>(QLatin1String(l.name)))
            label->setAccessibleDescription(QString::fromLatin1(l.description));
}

}  // namespace vex::ui
