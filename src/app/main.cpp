// Vex's BlackJack: a casino blackjack table for the desktop.
#include <QApplication>

#include "state/Random.h"
#include "ui/AppSetup.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vex::ui::SetUpApplication();

    vex::ClockRandom random;
    vex::ui::MainWindow table(random);
    table.show();
    return QApplication::exec();
}
