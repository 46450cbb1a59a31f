// The real table window on a stacked shoe, for looking at chosen deals in a real window:
//   stacked_table VALUE[:SUIT] ...
// deals the listed cards first (1 ace .. 13 king; suit 1 spades .. 4 clubs, spades if omitted),
// then goes on with a fixed-seed shoe. A tool for screenshots and soaks, not part of the game.
//   stacked_table --print-layout
// prints where the table's controls sit, as "NAME LEFT TOP WIDTH HEIGHT" lines in the window's
// own coordinates (the menu bar included, as the real window has it): the window itself (Form1),
// the table under the menu bar, the chips, the betting spot (Image3), then every label and button
// of the table's control list; then the check, the rules, the help and the game-over window, each
// control in its own window's coordinates as "WINDOW.NAME ..." (an option button with its index:
// "Rules.Option1(2)").
// The soaks click by these places.
#include <QApplication>
#include <QString>
#include <QVariant>
#include <cstdio>
#include <string_view>

#include "Doubles.h"
#include "ui/AppSetup.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"

namespace {

// Asks the widgets themselves, once the window is laid out, so the menu bar and any change of
// layout are counted as they are on the screen.
int PrintLayout(vex::ui::MainWindow& table) {
    table.setAttribute(Qt::WA_DontShowOnScreen);
    table.show();
    QApplication::processEvents();
    int missing = 0;
    const auto print = [&](std::string_view name) {
        const QString object_name =
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        const QWidget* w =
            object_name == QLatin1String("Form1") ? &table : table.findChild<QWidget*>(object_name);
        if (w == nullptr) {
            std::fprintf(stderr, "stacked_table: no control %s\n", qPrintable(object_name));
            ++missing;
            return;
        }
        const QPoint at = w->mapTo(&table, QPoint(0, 0));
        std::printf("%s %d %d %d %d\n", qPrintable(object_name), at.x(), at.y(), w->width(),
                    w->height());
    };
    print("Form1");
    print("table");
    for (const vex::ChipDecl& c : vex::kChips) print(c.Name);
    print("Image3");
    for (const vex::ControlDecl& d : vex::kForm1Labels) print(d.Name);
    for (const vex::ControlDecl& d : vex::kForm1Buttons) print(d.Name);

    const auto print_dialog = [](QWidget* dialog) {
        dialog->setAttribute(Qt::WA_DontShowOnScreen);
        dialog->show();
        QApplication::processEvents();
        for (const QWidget* w : dialog->findChildren<QWidget*>()) {
            QString name = w->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
            const QVariant index = w->property("index");
            if (index.isValid()) name += QStringLiteral("(%1)").arg(index.toInt());
            const QPoint at = w->mapTo(dialog, QPoint(0, 0));
            std::printf("%s.%s %d %d %d %d\n", qPrintable(dialog->objectName()), qPrintable(name),
                        at.x(), at.y(), w->width(), w->height());
        }
        dialog->hide();
        dialog->deleteLater();
    };
    print_dialog(new vex::ui::BankWindow(table));
    print_dialog(new vex::ui::RulesWindow(table));
    print_dialog(new vex::ui::HelpWindow(table));
    print_dialog(new vex::ui::EndWindow(table));
    return missing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vex::ui::SetUpApplication();

    vex::doubles::StackedRandom random;
    vex::ui::MainWindow table(random);
    if (argc == 2 && std::string_view(argv[1]) == "--print-layout") return PrintLayout(table);
    random.Attach(table.game());
    for (int i = 1; i < argc; ++i) {
        const QStringList parts = QString::fromLocal8Bit(argv[i]).split(QLatin1Char(':'));
        const int value = parts.value(0).toInt();
        const int suit = parts.size() > 1 ? parts[1].toInt() : 1;
        if (value >= 1 && value <= 13 && suit >= 1 && suit <= 4) random.Stack(value, suit);
    }
    table.show();
    return QApplication::exec();
}
