// The real table window on a stacked shoe, for looking at chosen deals in a real window:
//   stacked_table VALUE[:SUIT] ...
// deals the listed cards first (1 ace .. 13 king; suit 1 spades .. 4 clubs, spades if omitted),
// then goes on with a fixed-seed shoe. A tool for screenshots and soaks, not part of the game.
#include <QApplication>
#include <QString>

#include "Doubles.h"
#include "ui/AppSetup.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vex::ui::SetUpApplication();

    vex::doubles::StackedRandom random;
    vex::ui::MainWindow table(random);
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
