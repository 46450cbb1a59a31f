#include "ui/Art.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include "state/CardFaces.h"

namespace vex::ui {

namespace {

QString CacheKey(const QString& name, QSize size, qreal dpr) {
    return QStringLiteral("%1@%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(dpr);
}

QPixmap Placeholder(const QString& name, QSize pixels) {
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::magenta, 2));
    p.drawRect(pixmap.rect().adjusted(1, 1, -1, -1));
    p.drawText(pixmap.rect(), Qt::AlignCenter | Qt::TextWrapAnywhere, name);
    return pixmap;
}

}  // namespace

QPixmap ArtPixmap(const QString& name, QSize logical_size, qreal device_pixel_ratio) {
    static QHash<QString, QPixmap> cache;
    const QString key = CacheKey(name, logical_size, device_pixel_ratio);
    if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;

    const QSize pixels = (QSizeF(logical_size) * device_pixel_ratio).toSize();
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    QPixmap pixmap;
    if (renderer.isValid()) {
        pixmap = QPixmap(pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    } else {
        pixmap = Placeholder(name, pixels);
    }
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    cache.insert(key, pixmap);
    return pixmap;
}

QString CardArtName(int picture) { return QStringLiteral("card%1").arg(picture); }

QString CardInWords(int picture) {
    if (picture == kCardBack) return QStringLiteral("Card back");
    if (picture < kFirstCardFace || picture > kCardBack) return {};
    static const char* const kValues[] = {"Ace",   "Two",   "Three", "Four", "Five",
                                          "Six",   "Seven", "Eight", "Nine", "Ten",
                                          "Jack",  "Queen", "King"};
    static const char* const kSuits[] = {"spades", "hearts", "diamonds", "clubs"};
    const int index = picture - kFirstCardFace;
    return QStringLiteral("%1 of %2").arg(kValues[index % 13], kSuits[index / 13]);
}

QCursor HandCursor() {
    // Made once: every chip, button and help topic shows the same pointer.
    static const QCursor cursor = [] {
        // The finger tip of the drawing is the hot spot.
        constexpr int kHotX = 9, kHotY = 1;
        const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
        if (!QSvgRenderer(QStringLiteral(":/art/hand.svg")).isValid())
            return QCursor(Qt::PointingHandCursor);
        return QCursor(ArtPixmap(QStringLiteral("hand"), QSize(32, 32), dpr), kHotX, kHotY);
    }();
    return cursor;
}

}  // namespace vex::ui
