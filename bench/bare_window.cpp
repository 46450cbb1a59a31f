// The floor for any Qt program here: a bare QMainWindow the size of the table window (a menu bar
// over a 679 x 486 central widget), with the same style, and nothing else. bench/cost.sh starts
// it side by side with the game.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    auto* central = new QWidget(&window);
    central->setFixedSize(679, 486);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
