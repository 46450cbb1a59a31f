// Draws the game's SVG pictures at the sizes the windows show them, at pixel ratios 1 and 2,
// into one file that the program carries as a resource (the layout is in ArtRaster.h), so that
// the first screen shows its pictures without drawing any SVG.
//   rasterise_art OUT [--plain NAME,NAME...] FILE.svg[@SCALE,SCALE...] ...
// Without scales a picture is drawn at 1 and 2 times its own size. The pictures named after
// --plain (the small ones of the first screen) are stored unpacked, to be shown without any
// unpacking; a mostly clear picture is stored as runs; any other is compressed with zlib.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QList>
#include <QStringList>
#include <QtEndian>
#include <cstdio>

#include "ui/ArtRaster.h"

namespace {

struct Entry {
    QByteArray name;
    QSize size;
    vex::ui::Packing packing;
    QByteArray data;
};

void PutU32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

}  // namespace

int main(int argc, char* argv[]) {
    // No window is shown; the offscreen platform is enough for a painter.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: rasterise_art OUT [--plain NAME,...] FILE.svg[@SCALE,...] ...\n");
        return 2;
    }
    int first_file = 2;
    QStringList plain;
    if (argc > 3 && QByteArray(argv[2]) == "--plain") {
        plain = QString::fromLocal8Bit(argv[3]).split(QLatin1Char(','));
        first_file = 4;
    }
    QList<Entry> entries;
    for (int i = first_file; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const qsizetype at = arg.lastIndexOf(QLatin1Char('@'));
        const QString path = at < 0 ? arg : arg.left(at);
        QList<double> scales{1, 2};
        if (at >= 0) {
            scales.clear();
            for (const QString& s : arg.mid(at + 1).split(QLatin1Char(','))) scales << s.toDouble();
        }
        QSvgRenderer renderer(path);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "rasterise_art: cannot read %s\n", qPrintable(path));
            return 1;
        }
        for (double scale : scales) {
            const QSize pixels = (QSizeF(renderer.defaultSize()) * scale).toSize();
            const QImage image = vex::ui::RenderArt(renderer, pixels);
            const QByteArray raw(reinterpret_cast<const char*>(image.constBits()),
                                 image.sizeInBytes());
            const QString name = QFileInfo(path).completeBaseName();
            const QByteArray runs = vex::ui::PackClearRuns(image);
            if (plain.contains(name))
                entries.append({name.toUtf8(), pixels, vex::ui::Packing::Plain, raw});
            else if (runs.size() * 4 <= raw.size())  // mostly clear
                entries.append({name.toUtf8(), pixels, vex::ui::Packing::ClearRuns, runs});
            else
                entries.append({name.toUtf8(), pixels, vex::ui::Packing::Zlib, qCompress(raw, 9)});
        }
    }

    QByteArray header(vex::ui::kRasterMagic, vex::ui::kRasterMagicSize);
    PutU32(header, static_cast<quint32>(entries.size()));
    qsizetype header_size = header.size();
    for (const Entry& e : entries) header_size += 4 + e.name.size() + 20;
    quint32 offset = static_cast<quint32>(header_size);
    QByteArray body;
    for (const Entry& e : entries) {
        PutU32(header, static_cast<quint32>(e.name.size()));
        header.append(e.name);
        PutU32(header, static_cast<quint32>(e.size.width()));
        PutU32(header, static_cast<quint32>(e.size.height()));
        PutU32(header, static_cast<quint32>(e.packing));
        PutU32(header, offset);
        PutU32(header, static_cast<quint32>(e.data.size()));
        offset += static_cast<quint32>(e.data.size());
        body.append(e.data);
    }

    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(header + body) != header.size() + body.size()) {
        std::fprintf(stderr, "rasterise_art: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
