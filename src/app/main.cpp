// Vex's BlackJack: a casino blackjack table for the desktop.
#include <QApplication>

#include "state/Random.h"
#include "ui/Art.h"
#include "ui/MainWindow.h"
#include "ui/Style.h"
#include "ui/Version.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vex's BlackJack"));
    QApplication::setApplicationVersion(QString::fromLatin1(vex::ui::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(vex::ui::kAppId));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(vex::ui::AppIcon());
    QApplication::setFont(vex::ui::GameFont(8.25, false));

    vex::ClockRandom random;
    vex::ui::MainWindow table(random);
    table.show();
    return QApplication::exec();
}
