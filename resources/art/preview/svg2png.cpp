// Preview helper: renders one SVG with Qt's QSvgRenderer (as the game does) into a PNG.
// Build: g++ -std=c++17 -fPIC -O2 svg2png.cpp -o /tmp/svg2png -I/usr/include/x86_64-linux-gnu/qt6
// -I/usr/include/x86_64-linux-gnu/qt6/QtCore -I/usr/include/x86_64-linux-gnu/qt6/QtGui
// -I/usr/include/x86_64-linux-gnu/qt6/QtSvg -lQt6Svg -lQt6Gui -lQt6Core Usage:
// QT_QPA_PLATFORM=offscreen /tmp/svg2png in.svg out.png [scale] [green|red|none]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: svg2png in.svg out.png [scale] [green|red|none]\n");
        return 2;
    }
    const double scale = argc > 3 ? QString::fromLocal8Bit(argv[3]).toDouble() : 1.0;
    const QString bg = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("none");
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "invalid svg: %s\n", argv[1]);
        return 1;
    }
    const QSize size = renderer.defaultSize() * scale;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (bg == QLatin1String("green"))
        image.fill(QColor(0, 128, 0));
    else if (bg == QLatin1String("red"))
        image.fill(QColor(128, 64, 64));
    else
        image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
