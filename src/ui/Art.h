#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vex::ui {

// The game's pictures are SVG resources (":/art/NAME.svg"), drawn at the size and pixel ratio
// they are shown at, so they stay sharp on any screen. Rendered pictures are cached.
// A picture that is missing shows as a visible placeholder rather than nothing.
QPixmap ArtPixmap(const QString& name, QSize logical_size, qreal device_pixel_ratio);

// The program's icon: drawn at build time at the sizes a window manager takes (16, 32, 64 and
// 128 pixels), and from its SVG at any other size.
QIcon AppIcon();

// The resource name of a card picture number (101..153).
QString CardArtName(int picture);

// A card picture number in words, for screen readers: "Queen of hearts", "Card back", "".
QString CardInWords(int picture);

// The white gloved hand over chips, buttons and help topics.
QCursor HandCursor();

}  // namespace vex::ui
