// Draws an SVG picture into a square PNG of the given size, for the icon theme:
//   svg2png IN.svg SIZE OUT.png
// A build tool: the PNG icons are made from the one SVG icon when the game is built.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    // No window is shown; the offscreen platform gives the painter its fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: svg2png IN.svg SIZE OUT.png\n");
        return 2;
    }
    const int size = QByteArray(argv[2]).toInt();
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || size <= 0) {
        std::fprintf(stderr, "svg2png: cannot draw %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "svg2png: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
