#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstring>

namespace vex::ui {

// How a picture is drawn from its SVG at a size in device pixels. The game draws this way when
// it needs a size it does not carry, and the build draws the same way the sizes it does carry
// (see RasteriseArt.cpp), so both give the same pixels.
inline QImage RenderArt(QSvgRenderer& renderer, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

// The pictures drawn at build time travel in one resource, ":/raster/art": a header
//   "VEXART2\n", entry count (u32), then per entry: name length (u32), name (UTF-8),
//   width, height, packing, offset, length (u32 each);
// then the entries' pixels: rows of premultiplied ARGB32 in the byte order of the machine that
// built them, packed one of two ways. Numbers of the layout are little-endian.
inline constexpr char kRasterMagic[] = "VEXART2\n";
inline constexpr int kRasterMagicSize = 8;
enum class Packing : quint32 {
    Zlib = 0,       // qCompress
    ClearRuns = 1,  // repeated: clear pixels to skip (u32), pixels that follow (u32), those pixels
    Plain = 2,      // the pixels as they are: the small pictures of the first screen
};

// A picture that is mostly clear (the felt's lettering) is kept as runs: a quarter of its size
// or less, and read back at the speed of a copy, where zlib takes milliseconds for it.
inline QByteArray PackClearRuns(const QImage& image) {
    const auto* px = reinterpret_cast<const quint32*>(image.constBits());
    const qsizetype n = image.sizeInBytes() / 4;
    QByteArray out;
    for (qsizetype i = 0; i < n;) {
        quint32 clear = 0, drawn = 0;
        while (i < n && px[i] == 0) ++clear, ++i;
        const qsizetype first = i;
        while (i < n && px[i] != 0) ++drawn, ++i;
        const quint32 counts[2] = {qToLittleEndian(clear), qToLittleEndian(drawn)};
        out.append(reinterpret_cast<const char*>(counts), sizeof counts);
        out.append(reinterpret_cast<const char*>(px + first), drawn * 4);
    }
    return out;
}

// Unpacks runs into `pixels` (count pixels, cleared beforehand); false if they do not fit.
inline bool UnpackClearRuns(const uchar* in, qsizetype size, quint32* pixels, qsizetype count) {
    qsizetype at = 0;
    while (size >= 8) {
        const quint32 clear = qFromLittleEndian<quint32>(in);
        const quint32 drawn = qFromLittleEndian<quint32>(in + 4);
        in += 8;
        size -= 8;
        if (qsizetype{clear} + drawn > count - at || qsizetype{drawn} * 4 > size) return false;
        at += clear;
        std::memcpy(pixels + at, in, drawn * 4);
        at += drawn;
        in += drawn * 4;
        size -= drawn * 4;
    }
    return size == 0;
}

}  // namespace vex::ui
