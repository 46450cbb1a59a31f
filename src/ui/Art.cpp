#include "ui/Art.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstring>

#include "state/CardFaces.h"
#include "ui/ArtRaster.h"

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

// The pictures drawn at build time, found by name and size in device pixels.
class RasterArt {
  public:
    RasterArt() {
        const QResource resource(QStringLiteral(":/raster/art"));
        // Stored uncompressed, so the bytes are read in place; each picture is compressed.
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            return;
        data_ = resource.data();
        size_ = static_cast<quint32>(resource.size());
        if (size_ < kRasterMagicSize + 4 || std::memcmp(data_, kRasterMagic, kRasterMagicSize) != 0)
            return;
        quint32 at = kRasterMagicSize;
        const quint32 count = U32(at);
        for (quint32 i = 0; i < count; ++i) {
            const quint32 name_size = U32(at);
            if (at + name_size + 20 > size_) return;
            const QString name =
                QString::fromUtf8(reinterpret_cast<const char*>(data_ + at), name_size);
            at += name_size;
            Entry e;
            e.size.setWidth(static_cast<int>(U32(at)));
            e.size.setHeight(static_cast<int>(U32(at)));
            e.packing = static_cast<Packing>(U32(at));
            e.offset = U32(at);
            e.length = U32(at);
            if (e.offset > size_ || e.length > size_ - e.offset) return;
            entries_.insert(Key(name, e.size), e);
        }
    }

    // The picture at exactly this size, or a null image if the build did not draw it.
    QImage Find(const QString& name, QSize pixels) const {
        const auto it = entries_.constFind(Key(name, pixels));
        if (it == entries_.constEnd()) return {};
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        const uchar* packed = data_ + it->offset;
        const auto length = static_cast<qsizetype>(it->length);
        if (it->packing == Packing::Plain) {
            if (length != image.sizeInBytes()) return {};
            std::memcpy(image.bits(), packed, static_cast<std::size_t>(length));
            return image;
        }
        if (it->packing == Packing::ClearRuns) {
            image.fill(Qt::transparent);
            auto* out = reinterpret_cast<quint32*>(image.bits());
            if (!UnpackClearRuns(packed, length, out, image.sizeInBytes() / 4)) return {};
            return image;
        }
        const QByteArray raw = qUncompress(packed, length);
        if (raw.size() != image.sizeInBytes()) return {};
        std::memcpy(image.bits(), raw.constData(), static_cast<std::size_t>(raw.size()));
        return image;
    }

  private:
    struct Entry {
        QSize size;
        Packing packing = Packing::Zlib;
        quint32 offset = 0;
        quint32 length = 0;
    };
    static QString Key(const QString& name, QSize pixels) {
        return QStringLiteral("%1@%2x%3").arg(name).arg(pixels.width()).arg(pixels.height());
    }
    quint32 U32(quint32& at) const {
        if (at + 4 > size_) return 0;
        const quint32 v = qFromLittleEndian<quint32>(data_ + at);
        at += 4;
        return v;
    }

    const uchar* data_ = nullptr;
    quint32 size_ = 0;
    QHash<QString, Entry> entries_;
};

}  // namespace

QPixmap ArtPixmap(const QString& name, QSize logical_size, qreal device_pixel_ratio) {
    static QHash<QString, QPixmap> cache;
    const QString key = CacheKey(name, logical_size, device_pixel_ratio);
    if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;

    const QSize pixels = (QSizeF(logical_size) * device_pixel_ratio).toSize();
    static const RasterArt drawn_at_build;
    QPixmap pixmap;
    if (QImage image = drawn_at_build.Find(name, pixels); !image.isNull()) {
        pixmap = QPixmap::fromImage(std::move(image));
    } else if (QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
               renderer.isValid()) {
        pixmap = QPixmap::fromImage(RenderArt(renderer, pixels));
    } else {
        pixmap = Placeholder(name, pixels);
    }
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    cache.insert(key, pixmap);
    return pixmap;
}

namespace {

class ArtIconEngine final : public QIconEngine {
  public:
    explicit ArtIconEngine(QString name) : name_(std::move(name)) {}
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return ArtPixmap(name_, size, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        return ArtPixmap(name_, size, scale);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal dpr = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, ArtPixmap(name_, rect.size(), dpr));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(32, 32), QSize(64, 64), QSize(128, 128)};
    }
    QIconEngine* clone() const override { return new ArtIconEngine(name_); }
    QString key() const override { return QStringLiteral("vex-art"); }

  private:
    QString name_;
};

}  // namespace

QIcon AppIcon() {
    return QIcon(new ArtIconEngine(QStringLiteral("icon")));
}

QString CardArtName(int picture) {
    return QStringLiteral("card%1").arg(picture);
}

QString CardInWords(int picture) {
    if (picture == kCardBack) return QStringLiteral("Card back");
    if (picture < kFirstCardFace || picture > kCardBack) return {};
    static const char* const kValues[] = {"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                          "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
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
        if (!QFile::exists(QStringLiteral(":/art/hand.svg")))
            return QCursor(Qt::PointingHandCursor);
        return QCursor(ArtPixmap(QStringLiteral("hand"), QSize(32, 32), dpr), kHotX, kHotY);
    }();
    return cursor;
}

}  // namespace vex::ui
