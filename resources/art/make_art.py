#!/usr/bin/env python3
"""Generates every picture of Vex's BlackJack as SVG files in this folder.

Run:  python3 resources/art/make_art.py

All drawings are made here from scratch (paths and circles); the lettering
is written as outlines of the DejaVu bold glyphs, read from the font files
of package fonts-dejavu-core.  The output only uses what Qt's QSvgRenderer
draws (SVG Tiny 1.2): no filters, clipping, masks, CSS, external references
or <text>.
"""

import math
import os
import struct

OUT = os.path.dirname(os.path.abspath(__file__))

# Pointer hotspot (pixels) of hand.svg: the tip of the index finger.
HAND_HOTSPOT = (9, 1)

RED = "#c8102e"
BLACK = "#1a1a1a"
BLUE = "#1f4fbf"
YELLOW = "#f2c230"
SKIN = "#f7d3a8"
LINE = "#222"


def n(v):
    """Formats a coordinate compactly (at most one decimal)."""
    s = "%.1f" % v
    if s.endswith(".0"):
        s = s[:-2]
    if s == "-0":
        s = "0"
    return s


def pts(*coords):
    return " ".join(n(c) for c in coords)


def svg(w, h, vw, vh, body, defs=""):
    head = ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" version="1.2" '
            'baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %s %s">\n'
            % (w, h, n(vw), n(vh)))
    if defs:
        head += "<defs>\n%s</defs>\n" % defs
    return head + body + "</svg>\n"


def write(name, text):
    with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
        f.write(text)


# ---------------------------------------------------------------------------
# Lettering.  The glyphs are drawn as filled outlines, read from the DejaVu
# TrueType files installed on this machine (package fonts-dejavu-core): a
# path draws much faster in Qt's SVG renderer than laying out <text>.

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
FONT_FILES = {"DejaVu Sans": "DejaVuSans-Bold.ttf",
              "DejaVu Sans Condensed": "DejaVuSansCondensed-Bold.ttf",
              "DejaVu Serif": "DejaVuSerif-Bold.ttf"}


class TrueTypeFont:
    """The few tables of a TrueType file needed to lay out and draw glyphs:
    cmap (format 4), hmtx, kern (format 0), loca and glyf."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = data = f.read()
        self.tables = {}
        for i in range(struct.unpack_from(">H", data, 4)[0]):
            tag, _, offset, _ = struct.unpack_from(">4sIII", data, 12 + 16 * i)
            self.tables[tag.decode("latin-1")] = offset
        head = self.tables["head"]
        self.units_per_em = struct.unpack_from(">H", data, head + 18)[0]
        self.long_loca = struct.unpack_from(">h", data, head + 50)[0] == 1
        self.glyph_count = struct.unpack_from(">H", data,
                                              self.tables["maxp"] + 4)[0]
        self.metric_count = struct.unpack_from(">H", data,
                                               self.tables["hhea"] + 34)[0]
        self.cmap = self._read_cmap()
        self.kerning = self._read_kern()

    def u16(self, pos):
        return struct.unpack_from(">H", self.data, pos)[0]

    def i16(self, pos):
        return struct.unpack_from(">h", self.data, pos)[0]

    def _read_cmap(self):
        base = self.tables["cmap"]
        for i in range(self.u16(base + 2)):
            platform, encoding, offset = struct.unpack_from(
                ">HHI", self.data, base + 4 + 8 * i)
            sub = base + offset
            if platform == 3 and encoding == 1 and self.u16(sub) == 4:
                break
        else:
            raise ValueError("no Unicode cmap of format 4")
        segs = self.u16(sub + 6) // 2
        ends, starts, deltas, ranges = (sub + 14, sub + 16 + 2 * segs,
                                        sub + 16 + 4 * segs,
                                        sub + 16 + 6 * segs)
        mapping = {}
        for k in range(segs):
            first, last = self.u16(starts + 2 * k), self.u16(ends + 2 * k)
            delta, rng = self.u16(deltas + 2 * k), self.u16(ranges + 2 * k)
            for c in range(first, min(last, 0xfffe) + 1):
                if rng:
                    g = self.u16(ranges + 2 * k + rng + 2 * (c - first))
                    g = (g + delta) & 0xffff if g else 0
                else:
                    g = (c + delta) & 0xffff
                if g:
                    mapping[c] = g
        return mapping

    def _read_kern(self):
        pairs = {}
        base = self.tables.get("kern")
        if base is None or self.u16(base) != 0:
            return pairs
        pos = base + 4
        for _ in range(self.u16(base + 2)):
            length, coverage = self.u16(pos + 2), self.u16(pos + 4)
            if coverage >> 8 == 0 and coverage & 0x7 == 1:  # horizontal kerning
                for i in range(self.u16(pos + 6)):
                    left, right, value = struct.unpack_from(
                        ">HHh", self.data, pos + 14 + 6 * i)
                    pairs[left, right] = value
            pos += length
        return pairs

    def glyph(self, ch):
        return self.cmap.get(ord(ch), 0)

    def advance(self, g):
        hmtx = self.tables["hmtx"]
        return self.u16(hmtx + 4 * min(g, self.metric_count - 1))

    def _glyph_range(self, g):
        loca = self.tables["loca"]
        if self.long_loca:
            a, b = struct.unpack_from(">II", self.data, loca + 4 * g)
        else:
            a, b = (2 * v for v in struct.unpack_from(">HH", self.data,
                                                       loca + 2 * g))
        return self.tables["glyf"] + a, b - a

    def contours(self, g, matrix=(1, 0, 0, 1, 0, 0)):
        """The glyph's contours in font units (y up), each a list of
        (x, y, on_curve); matrix (a, b, c, d, e, f) maps (x, y) to
        (a x + c y + e, b x + d y + f) for the parts of composite glyphs."""
        pos, length = self._glyph_range(g)
        if length == 0:
            return []
        count = self.i16(pos)
        if count < 0:
            return self._composite(pos + 10, matrix)
        ends = [self.u16(pos + 10 + 2 * i) for i in range(count)]
        points = ends[-1] + 1 if ends else 0
        p = pos + 10 + 2 * count
        p += 2 + self.u16(p)                       # skip the instructions
        flags = []
        while len(flags) < points:
            flag = self.data[p]
            p += 1
            repeat = 1
            if flag & 8:
                repeat += self.data[p]
                p += 1
            flags += [flag] * repeat
        coords = []
        for short, same in ((2, 16), (4, 32)):     # all x, then all y
            v, column = 0, []
            for flag in flags:
                if flag & short:
                    step = self.data[p]
                    p += 1
                    v += step if flag & same else -step
                elif not flag & same:
                    v += self.i16(p)
                    p += 2
                column.append(v)
            coords.append(column)
        a, b, c, d, e, f = matrix
        pts = [(a * x + c * y + e, b * x + d * y + f, bool(fl & 1))
               for x, y, fl in zip(coords[0], coords[1], flags)]
        out, start = [], 0
        for end in ends:
            out.append(pts[start:end + 1])
            start = end + 1
        return out

    def _composite(self, p, matrix):
        out = []
        while True:
            flags, g = self.u16(p), self.u16(p + 2)
            p += 4
            if flags & 1:                          # 16-bit offsets
                dx, dy = self.i16(p), self.i16(p + 2)
                p += 4
            else:
                dx, dy = struct.unpack_from(">bb", self.data, p)
                p += 2
            if not flags & 2:
                raise ValueError("composite glyph placed by point numbers")
            a, b, c, d = 1.0, 0.0, 0.0, 1.0
            if flags & 8:                          # one scale
                a = d = self.i16(p) / 16384
                p += 2
            elif flags & 0x40:                     # x and y scale
                a, d = self.i16(p) / 16384, self.i16(p + 2) / 16384
                p += 4
            elif flags & 0x80:                     # 2 x 2 matrix
                a, b, c, d = (self.i16(p + 2 * i) / 16384 for i in range(4))
                p += 8
            A, B, C, D, E, F = matrix
            out += self.contours(g, (A * a + C * b, B * a + D * b,
                                     A * c + C * d, B * c + D * d,
                                     A * dx + C * dy + E, B * dx + D * dy + F))
            if not flags & 0x20:                   # no more components
                return out


_FONTS = {}


def font(family):
    if family not in _FONTS:
        _FONTS[family] = TrueTypeFont(os.path.join(FONT_DIR,
                                                   FONT_FILES[family]))
    return _FONTS[family]


def text_width(s, size, family="DejaVu Sans"):
    """Advance width of s (with kerning) at font size `size`."""
    f = font(family)
    gids = [f.glyph(ch) for ch in s]
    units = sum(f.advance(g) for g in gids) + sum(
        f.kerning.get(pair, 0) for pair in zip(gids, gids[1:]))
    return units * size / f.units_per_em


def glyph_contours(s, x, y, size, family="DejaVu Sans", anchor="middle",
                   matrix=(1, 0, 0, 1, 0, 0)):
    """Outlines of the string s set on baseline y as SVG <text> would place
    it (anchor start, middle or end at x), then mapped by matrix (see
    TrueTypeFont.contours).  Returns contours of (x, y, on_curve)."""
    f = font(family)
    k = size / f.units_per_em
    pen = x - {"start": 0, "middle": .5, "end": 1}[anchor] * text_width(
        s, size, family)
    a, b, c, d, e, g_ = matrix
    out, prev = [], None
    for ch in s:
        g = f.glyph(ch)
        if prev is not None:
            pen += f.kerning.get((prev, g), 0) * k
        # font units (y up) -> user space (y down) -> matrix
        m = (a * k, b * k, -c * k, -d * k, a * pen + c * y + e,
             b * pen + d * y + g_)
        out += f.contours(g, m)
        pen += f.advance(g) * k
        prev = g
    return out


def outline_path(contours, decimals=1):
    """Path data of TrueType contours: quadratic curves, coordinates rounded
    to `decimals` and written relative to the previous rounded point."""
    scale = 10 ** decimals

    def num(v):
        s = ("%.*f" % (decimals, v / scale)).rstrip("0").rstrip(".")
        if s.startswith("0."):
            s = s[1:]
        elif s.startswith("-0."):
            s = "-" + s[2:]
        return "0" if s in ("", "-0", "-") else s

    parts, state = [], {"cmd": None, "sep": False, "cur": None}

    def emit(cmd, *xy):
        cur = state["cur"]
        if cmd != state["cmd"]:
            parts.append(cmd)
            state["sep"] = False
        # Every point of a relative segment counts from where it begins.
        ox, oy = cur if cur else (0, 0)
        for i in range(0, len(xy), 2):
            px, py = round(xy[i] * scale), round(xy[i + 1] * scale)
            for v in (px - ox, py - oy):
                t = num(v)
                if state["sep"] and not t.startswith("-"):
                    parts.append(" ")
                parts.append(t)
                state["sep"] = True
        state["cur"] = (px, py)
        if cmd in "Mm":
            state["start"] = (px, py)
        # Numbers after a moveto continue as lineto.
        state["cmd"] = {"M": "L", "m": "l"}.get(cmd, cmd)

    for contour in contours:
        if len(contour) < 2:
            continue
        # Start on an on-curve point (or between two off-curve ones).
        i = next((j for j, p in enumerate(contour) if p[2]), None)
        if i is None:
            p0, p1 = contour[-1], contour[0]
            contour = [((p0[0] + p1[0]) / 2, (p0[1] + p1[1]) / 2, True)] \
                + contour
        else:
            contour = contour[i:] + contour[:i]
        first = contour[0]
        emit("M" if state["cur"] is None else "m", first[0], first[1])
        ctrl = None
        for p in contour[1:] + [first]:
            if p[2]:
                if ctrl is not None:
                    emit("q", ctrl[0], ctrl[1], p[0], p[1])
                elif p is not first:
                    emit("l", p[0], p[1])
                ctrl = None
            elif ctrl is None:
                ctrl = p
            else:
                emit("q", ctrl[0], ctrl[1], (ctrl[0] + p[0]) / 2,
                     (ctrl[1] + p[1]) / 2)
                ctrl = p
        parts.append("z")
        state["cmd"], state["sep"] = "z", False
        state["cur"] = state["start"]     # closepath returns to the start
    return "".join(parts)


def text(x, y, s, size, fill, family="DejaVu Sans", anchor="middle",
         extra="", matrix=(1, 0, 0, 1, 0, 0), decimals=1):
    """The string s as one outline path (bold DejaVu, like the game's other
    lettering), placed as <text x y text-anchor> would place it."""
    d = outline_path(glyph_contours(s, x, y, size, family, anchor, matrix),
                     decimals)
    return '<path d="%s" fill="%s"%s/>\n' % (d, fill, extra)


def circle_sub(cx, cy, r):
    """A full circle as a path sub-path (clockwise)."""
    return "M%s a%s 0 1 1 %s 0 a%s 0 1 1 %s 0Z" % (
        pts(cx - r, cy), pts(r, r), n(2 * r), pts(r, r), n(-2 * r))


def polar(cx, cy, r, deg):
    """Point at angle deg (0 = up, clockwise) on a circle."""
    a = math.radians(deg)
    return cx + r * math.sin(a), cy - r * math.cos(a)


def ring_sector(cx, cy, r1, r2, a1, a2):
    """Closed path of the ring piece between radii r1<r2 and angles a1<a2."""
    x1, y1 = polar(cx, cy, r2, a1)
    x2, y2 = polar(cx, cy, r2, a2)
    x3, y3 = polar(cx, cy, r1, a2)
    x4, y4 = polar(cx, cy, r1, a1)
    big = 1 if a2 - a1 > 180 else 0
    return ("M%s A%s 0 %d 1 %s L%s A%s 0 %d 0 %sZ"
            % (pts(x1, y1), pts(r2, r2), big, pts(x2, y2), pts(x3, y3),
               pts(r1, r1), big, pts(x4, y4)))


# ---------------------------------------------------------------------------
# Suit symbols, drawn in a box of about 100 x 100 centred on (0, 0).

SUIT_PATHS = {
    "S": ("M0-50C-8-34-48-16-48 10C-48 28-35 36-22 36C-12 36-6 31-3 26"
          "C-4 37-8 44-17 50L17 50C8 44 4 37 3 26C6 31 12 36 22 36"
          "C35 36 48 28 48 10C48-16 8-34 0-50Z"),
    "H": ("M0 46C-12 30-50 8-50-20C-50-38-38-48-25-48C-12-48-4-40 0-30"
          "C4-40 12-48 25-48C38-48 50-38 50-20C50 8 12 30 0 46Z"),
    "D": "M0-50Q15-22 40 0Q15 22 0 50Q-15 22-40 0Q-15-22 0-50Z",
    "C": (circle_sub(0, -25, 23) + circle_sub(-24, 10, 23)
          + circle_sub(24, 10, 23)
          + "M-12-6L12-6L14 16L-14 16Z"
          + "M3 12C4 34 9 43 18 50L-18 50C-9 43-4 34-3 12Z"),
}
SUITS = "SHDC"          # file order: 1 spades, 2 hearts, 3 diamonds, 4 clubs
SUIT_COLOUR = {"S": BLACK, "H": RED, "D": RED, "C": BLACK}


def suit_def(s, ident="s"):
    # All sub-paths turn clockwise, so nonzero filling joins the club's parts.
    return '<path id="%s" d="%s"/>\n' % (ident, SUIT_PATHS[s])


def use(ident, tx, ty, scale=1.0, rot=0.0, fill=None, extra=""):
    t = "translate(%s)" % pts(tx, ty)
    if rot:
        t += " rotate(%s)" % n(rot)
    if scale != 1.0:
        t += " scale(%s)" % ("%.3g" % scale)
    f = ' fill="%s"' % fill if fill else ""
    return '<use xlink:href="#%s" transform="%s"%s%s/>\n' % (ident, t, f, extra)


# ---------------------------------------------------------------------------
# Cards: 54 x 73 pixels, drawn on a 540 x 730 grid.

CW, CH = 540, 730
CX, CY = 270, 365
RANKS = {1: "A", 11: "J", 12: "Q", 13: "K"}

# Pip grid: three columns between the corner indices, rows from top to bottom.
COL = {"L": 201, "C": 270, "R": 339}
TOP, BOTTOM = 108, 622
PIP_SCALE = 0.88
LAYOUT = {
    2: [("C", 0), ("C", 1)],
    3: [("C", 0), ("C", .5), ("C", 1)],
    4: [("L", 0), ("R", 0), ("L", 1), ("R", 1)],
    5: [("L", 0), ("R", 0), ("C", .5), ("L", 1), ("R", 1)],
    6: [(c, r) for r in (0, .5, 1) for c in "LR"],
    7: [(c, r) for r in (0, .5, 1) for c in "LR"] + [("C", .25)],
    8: [(c, r) for r in (0, .5, 1) for c in "LR"] + [("C", .25), ("C", .75)],
    9: [(c, r) for r in (0, 1 / 3, 2 / 3, 1) for c in "LR"] + [("C", .5)],
    10: [(c, r) for r in (0, 1 / 3, 2 / 3, 1) for c in "LR"]
        + [("C", 1 / 6), ("C", 5 / 6)],
}


def card_outline():
    return ('<rect x="5" y="5" width="530" height="720" rx="40" fill="#fff" '
            'stroke="#8a8a8a" stroke-width="10"/>\n')


CORNER_X, CORNER_BASE = 74, 140


def rank_outline(rank):
    """Path data of the rank in the top-left corner."""
    if rank == "10":
        # Two digits squeezed to the width of one corner column.
        return outline_path(glyph_contours(
            "10", 0, 0, 150, "DejaVu Sans Condensed",
            matrix=(.74, 0, 0, 1, CORNER_X - 2, CORNER_BASE)))
    return outline_path(glyph_contours(rank, CORNER_X, CORNER_BASE, 150))


def corner_index(rank):
    """Rank and small suit for the top-left corner (defined as #i)."""
    # The id names the rank shown, so the check can read it back.
    return ('<g id="i">\n<path id="rank-%s" d="%s"/>\n'
            % (rank, rank_outline(rank))
            + use("s", CORNER_X, 208, 0.6) + "</g>\n")


def pip_card(s, v):
    colour = SUIT_COLOUR[s]
    body = ""
    for col, r in LAYOUT[v]:
        y = TOP + r * (BOTTOM - TOP)
        body += use("s", COL[col], y, PIP_SCALE, 180 if r > .5 else 0)
    return body


def ace(s):
    if s != "S":
        return use("s", CX, CY, 2.3)
    # The ace of spades: large spade with a white inner line and scrolls.
    return ('<path d="M160 505C190 560 240 540 236 505M380 505C350 560 300 '
            '540 304 505" fill="none" stroke="%s" stroke-width="9" '
            'stroke-linecap="round"/>\n' % BLACK
            + '<circle cx="270" cy="360" r="175" fill="none" stroke="%s" '
              'stroke-width="5"/>\n' % BLACK
            + '<circle cx="270" cy="360" r="163" fill="none" stroke="%s" '
              'stroke-width="2"/>\n' % BLACK
            + use("s", CX, 355, 2.9)
            + use("s", CX, 349, 2.35, fill="none",
                  extra=' stroke="#fff" stroke-width="2.6"')
            + '<circle cx="270" cy="340" r="18" fill="%s"/>\n' % RED)


# Face pictures: the upper half of the framed figure; the lower half is the
# same drawing turned by 180 degrees around the card centre.
FRAME = (150, 48, 390, 682)


def face_half(v, s):
    colour = SUIT_COLOUR[s]
    robe, trim, collar = {11: (YELLOW, RED, BLUE),
                          12: (BLUE, RED, YELLOW),
                          13: (RED, BLUE, YELLOW)}[v]
    g = ""
    # The item held on the right side (behind the shoulder).
    if v == 13:      # sword
        g += ('<path d="M338 250L338 88L346 70L354 88L354 250Z" fill="#d8d8d8" '
              'stroke="%s" stroke-width="4"/>\n' % LINE)
        g += ('<path d="M322 232L370 232L370 244L322 244Z" fill="%s" '
              'stroke="%s" stroke-width="4"/>\n' % (YELLOW, LINE))
    elif v == 12:    # flower
        g += ('<path d="M350 250L350 120" stroke="#2e7d32" stroke-width="7" '
              'fill="none"/>\n')
        g += ('<path d="M350 190Q372 170 378 186Q366 200 350 190Z" '
              'fill="#2e7d32"/>\n')
        for a in range(0, 360, 72):
            px, py = polar(350, 110, 14, a)
            g += '<circle cx="%s" cy="%s" r="11" fill="%s" stroke="%s" ' \
                 'stroke-width="3"/>\n' % (n(px), n(py), RED, LINE)
        g += '<circle cx="350" cy="110" r="8" fill="%s"/>\n' % YELLOW
    else:            # halberd
        g += ('<path d="M348 250L348 80" stroke="#8d5a2b" stroke-width="9" '
              'fill="none"/>\n')
        g += ('<path d="M348 60L358 92L348 100L338 92Z M348 100Q376 104 378 '
              '130Q360 122 348 124Z" fill="#c0c0c0" stroke="%s" '
              'stroke-width="4"/>\n' % LINE)
    # Robe with shoulders, central band and collar.
    g += ('<path d="M156 365L156 292Q162 244 212 236L328 236Q378 244 384 292'
          'L384 365Z" fill="%s" stroke="%s" stroke-width="5"/>\n'
          % (robe, LINE))
    g += ('<path d="M254 236L286 236L286 365L254 365Z" fill="%s" stroke="%s" '
          'stroke-width="4"/>\n' % (trim, LINE))
    for y in (265, 300, 335):
        g += '<circle cx="270" cy="%d" r="7" fill="%s"/>\n' % (y, YELLOW if
                                                                trim != YELLOW
                                                                else RED)
    # Arm holding the item.
    g += ('<path d="M384 300Q360 262 350 246" fill="none" stroke="%s" '
          'stroke-width="20" stroke-linecap="round"/>\n' % LINE)
    g += ('<path d="M384 300Q360 262 350 246" fill="none" stroke="%s" '
          'stroke-width="12" stroke-linecap="round"/>\n' % robe)
    g += ('<circle cx="350" cy="244" r="13" fill="%s" stroke="%s" '
          'stroke-width="4"/>\n' % (SKIN, LINE))
    # Collar.
    g += ('<path d="M214 238L270 290L326 238L304 226L270 256L236 226Z" '
          'fill="%s" stroke="%s" stroke-width="4"/>\n' % (collar, LINE))
    # Hair behind the head.
    if v == 12:
        g += ('<path d="M222 150Q214 240 236 262L304 262Q326 240 318 150Z" '
              'fill="%s" stroke="%s" stroke-width="4"/>\n' % (YELLOW, LINE))
    elif v == 11:
        g += ('<path d="M228 140Q220 200 236 214L304 214Q320 200 312 140Z" '
              'fill="%s" stroke="%s" stroke-width="4"/>\n' % (YELLOW, LINE))
    else:
        g += ('<path d="M226 150Q222 200 234 210L306 210Q318 200 314 150Z" '
              'fill="#eee" stroke="%s" stroke-width="4"/>\n' % LINE)
    # Head and face.
    g += ('<ellipse cx="270" cy="176" rx="39" ry="47" fill="%s" stroke="%s" '
          'stroke-width="4"/>\n' % (SKIN, LINE))
    g += ('<path d="M250 161L262 161M278 161L290 161" stroke="%s" '
          'stroke-width="4" fill="none"/>\n' % LINE)
    g += '<circle cx="256" cy="172" r="4.5" fill="%s"/>\n' % LINE
    g += '<circle cx="284" cy="172" r="4.5" fill="%s"/>\n' % LINE
    g += ('<path d="M270 174L266 192L273 192" stroke="%s" stroke-width="3" '
          'fill="none"/>\n' % LINE)
    if v == 13:      # beard and moustache
        g += ('<path d="M232 184Q236 236 270 248Q304 236 308 184Q296 206 270 '
              '204Q244 206 232 184Z" fill="#eee" stroke="%s" '
              'stroke-width="4"/>\n' % LINE)
        g += ('<path d="M252 202Q270 192 288 202" stroke="%s" '
              'stroke-width="4" fill="none"/>\n' % LINE)
    else:
        g += ('<path d="M260 205Q270 211 280 205" stroke="%s" '
              'stroke-width="5" fill="none" stroke-linecap="round"/>\n' % RED)
    # Head wear.
    if v == 13:      # crown with five points
        g += ('<path d="M226 140L222 84L242 110L256 74L270 104L284 74L298 110'
              'L318 84L314 140Z" fill="%s" stroke="%s" stroke-width="4"/>\n'
              % (YELLOW, LINE))
        g += ('<path d="M226 128L314 128" stroke="%s" stroke-width="4"/>\n'
              % LINE)
        g += '<circle cx="270" cy="118" r="7" fill="%s"/>\n' % RED
        g += '<circle cx="244" cy="120" r="5" fill="%s"/>\n' % BLUE
        g += '<circle cx="296" cy="120" r="5" fill="%s"/>\n' % BLUE
    elif v == 12:    # small crown on long hair
        g += ('<path d="M234 140L232 100L250 118L270 92L290 118L308 100'
              'L306 140Z" fill="%s" stroke="%s" stroke-width="4"/>\n'
              % (YELLOW, LINE))
        g += '<circle cx="270" cy="124" r="7" fill="%s"/>\n' % BLUE
    else:            # cap with a feather
        g += ('<path d="M300 118Q332 80 330 58Q312 92 290 112Z" fill="%s" '
              'stroke="%s" stroke-width="3"/>\n' % (BLUE, LINE))
        g += ('<path d="M226 146Q226 96 270 96Q314 96 314 146Z" fill="%s" '
              'stroke="%s" stroke-width="4"/>\n' % (RED, LINE))
        g += ('<path d="M224 138L316 138L316 150L224 150Z" fill="%s" '
              'stroke="%s" stroke-width="4"/>\n' % (YELLOW, LINE))
    # Small suit in the frame's upper-left corner.
    g += use("s", 186, 90, 0.46, fill=colour)
    return g


def face_card(s, v):
    x1, y1, x2, y2 = FRAME
    body = ('<rect x="%d" y="%d" width="%d" height="%d" fill="#fffaf0"/>\n'
            % (x1, y1, x2 - x1, y2 - y1))
    defs = '<g id="f">\n' + face_half(v, s) + "</g>\n"
    body += '<use xlink:href="#f"/>\n'
    body += '<use xlink:href="#f" transform="rotate(180 270 365)"/>\n'
    body += ('<path d="M%d 365L%d 365" stroke="%s" stroke-width="4"/>\n'
             % (x1, x2, LINE))
    body += ('<rect x="%d" y="%d" width="%d" height="%d" fill="none" '
             'stroke="%s" stroke-width="6"/>\n'
             % (x1, y1, x2 - x1, y2 - y1, "#1f3f8f"))
    return defs, body


def make_card(si, v):
    s = SUITS[si]
    colour = SUIT_COLOUR[s]
    rank = RANKS.get(v, str(v))
    defs = suit_def(s) + corner_index(rank)
    body = card_outline() + '<g fill="%s">\n' % colour
    if v == 1:
        body += ace(s)
    elif v <= 10:
        body += pip_card(s, v)
    body += "</g>\n"
    if v > 10:
        fdefs, fbody = face_card(s, v)
        defs += fdefs
        body += fbody
    body += ('<use xlink:href="#i" fill="%s"/>\n'
             '<use xlink:href="#i" fill="%s" transform="rotate(180 270 365)"/>\n'
             % (colour, colour))
    return svg(54, 73, CW, CH, body, defs)


def card_back():
    x1, y1, x2, y2 = 38, 38, 502, 692      # lattice area
    step = 34
    d = []
    # Diagonal lines in both directions, cut to the inner rectangle.
    for sign in (1, -1):
        k = -(y2 - y1)
        while k < (x2 - x1) + (y2 - y1):
            # line: x = x1 + k + sign*t ... parametrised along y
            seg = []
            for y in (y1, y2):
                t = y - y1
                x = x1 + k + t if sign == 1 else x2 - k - t
                seg.append((x, y))
            (ax, ay), (bx, by) = seg
            # clip to x range
            def clip(px, py, qx, qy):
                if px < x1:
                    py = py + (x1 - px) * (qy - py) / (qx - px)
                    px = x1
                if px > x2:
                    py = py + (x2 - px) * (qy - py) / (qx - px)
                    px = x2
                return px, py
            if (ax < x1 and bx < x1) or (ax > x2 and bx > x2):
                k += step
                continue
            ax, ay = clip(ax, ay, bx, by)
            bx, by = clip(bx, by, ax, ay)
            if abs(by - ay) > 1:
                d.append("M%sL%s" % (pts(ax, ay), pts(bx, by)))
            k += step
    lattice = "".join(d)
    body = card_outline()
    body += ('<rect x="28" y="28" width="484" height="674" rx="22" '
             'fill="#1b2a6b"/>\n')
    body += ('<path d="%s" stroke="#4f68c4" stroke-width="7" fill="none"/>\n'
             % lattice)
    body += ('<rect x="52" y="52" width="436" height="626" rx="14" '
             'fill="none" stroke="#fff" stroke-width="5"/>\n')
    body += ('<ellipse cx="270" cy="365" rx="118" ry="150" fill="#1b2a6b" '
             'stroke="#fff" stroke-width="8"/>\n')
    body += ('<ellipse cx="270" cy="365" rx="98" ry="130" fill="none" '
             'stroke="%s" stroke-width="5"/>\n' % YELLOW)
    body += use("s", 270, 330, 1.1, fill="#fff")
    body += text(270, 440, "VEX", 46, YELLOW, family="DejaVu Serif")
    return svg(54, 73, CW, CH, body, suit_def("S"))


# ---------------------------------------------------------------------------
# Chips.

def shade(hex_colour, f):
    """Lightens (f > 0) or darkens (f < 0) a #rrggbb colour."""
    c = [int(hex_colour[i:i + 2], 16) for i in (1, 3, 5)]
    if f >= 0:
        c = [round(v + (255 - v) * f) for v in c]
    else:
        c = [round(v * (1 + f)) for v in c]
    return "#%02x%02x%02x" % tuple(c)


CHIP_COLOUR = {10: "#1f4fbf", 50: "#c41e24", 100: "#1e1e1e", 500: "#6a2c91"}


def chip(w, h, value, inserts=8, text_scale=1.0):
    """A casino chip filling a w x h pixel box (drawn at 10 units a pixel)."""
    W, H = 10 * w, 10 * h
    cx, cy = W / 2, H / 2
    R = min(W, H) / 2 - 3
    body_c = CHIP_COLOUR[value]
    defs = ('<radialGradient id="g" cx="%s" cy="%s" r="%s" '
            'gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="%s"/><stop offset="0.75" '
            'stop-color="%s"/><stop offset="1" stop-color="%s"/>'
            '</radialGradient>\n'
            % (n(cx - R * .3), n(cy - R * .3), n(R * 1.3), shade(body_c, .25),
               body_c, shade(body_c, -.35)))
    sw = R * 0.03
    b = ('<circle cx="%s" cy="%s" r="%s" fill="url(#g)" stroke="%s" '
         'stroke-width="%s"/>\n'
         % (n(cx), n(cy), n(R - sw / 2), shade(body_c, -.55), n(sw)))
    span = 360 / inserts * 0.42
    start = 360 / inserts / 2 if inserts == 8 else 0
    d = ""
    for k in range(inserts):
        a = start + k * 360 / inserts
        d += ring_sector(cx, cy, R * .78, R - sw, a - span / 2, a + span / 2)
    b += '<path d="%s" fill="#fff"/>\n' % d
    edge = "#ffd54a" if value == 100 else "#fff"
    b += ('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" '
          'stroke-width="%s"/>\n'
          % (n(cx), n(cy), n(R * .66), shade(body_c, -.12), edge,
             n(R * .035)))
    b += ('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" '
          'stroke-width="%s" stroke-dasharray="%s"/>\n'
          % (n(cx), n(cy), n(R * .73), edge, n(R * .015),
             pts(R * .05, R * .04)))
    label = str(value)
    if len(label) == 2:
        fam, fs = "DejaVu Sans", R * .80 * text_scale
    else:
        fam, fs = "DejaVu Sans Condensed", R * .66 * text_scale
    base = cy + fs * .729 / 2
    defs += '<path id="v" d="%s"/>\n' % outline_path(
        glyph_contours(label, cx, base, fs, fam))
    # A black edge around the white numbers, fs * fs / 1000 wide: as wide as
    # it has always looked (Qt used to draw it as <text> with stroke-width
    # fs / 10, which its text renderer widens by font-size / 100).
    b += ('<use xlink:href="#v" fill="#000" stroke="#000" stroke-width="%s" '
          'stroke-linejoin="round"/>\n' % n(fs * fs / 1000))
    b += '<use xlink:href="#v" fill="#fff"/>\n'
    return svg(w, h, W, H, b, defs)


def big_chip():
    """The white betting spot (115 x 115); its centre stays plain white."""
    W = 1150
    c = W / 2
    R = c - 6
    defs = ('<radialGradient id="g" cx="%s" cy="%s" r="%s" '
            'gradientUnits="userSpaceOnUse"><stop offset="0" '
            'stop-color="#fff"/><stop offset="0.72" stop-color="#fff"/>'
            '<stop offset="1" stop-color="#d9d9d9"/></radialGradient>\n'
            % (n(c), n(c), n(R)))
    b = ('<circle cx="%s" cy="%s" r="%s" fill="url(#g)" stroke="#9a9a9a" '
         'stroke-width="10"/>\n' % (n(c), n(c), n(R - 5)))
    gold, grey = "", ""
    for k in range(8):
        a = 22.5 + k * 45
        p = ring_sector(c, c, R * .80, R - 10, a - 9, a + 9)
        if k % 2:
            grey += p
        else:
            gold += p
    b += '<path d="%s" fill="#d8b64a" stroke="#b08d2a" stroke-width="4"/>\n' \
        % gold
    b += '<path d="%s" fill="#c8c8c8" stroke="#a0a0a0" stroke-width="4"/>\n' \
        % grey
    b += ('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#c8c8c8" '
          'stroke-width="6"/>\n' % (n(c), n(c), n(R * .78)))
    b += ('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#d8b64a" '
          'stroke-width="9"/>\n' % (n(c), n(c), n(R * .68)))
    b += ('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#d8b64a" '
          'stroke-width="3" stroke-dasharray="14 12"/>\n'
          % (n(c), n(c), n(R * .73)))
    return svg(115, 115, W, W, b, defs)


# ---------------------------------------------------------------------------
# Felt lettering: arched text whose circle centre lies below the picture.

FELT_W, FELT_H = 555, 159
ARC_CX, ARC_CY = FELT_W / 2, 596


def arc_text(s, radius, size, fill, family, track=0.0, extra=""):
    """The glyphs of s, each upright on the arc of the given baseline radius
    and spaced by their advance plus `track` em, as one outline path.

    Returns the path and half the angle (degrees) it spans."""
    widths = [text_width(ch, size, family) + track * size for ch in s]
    total = sum(widths) - track * size
    contours = []
    pos = -total / 2
    for ch, w in zip(s, widths):
        mid = pos + (w - track * size) / 2
        pos += w
        if ch == " ":
            continue
        deg = math.degrees(mid / radius)
        x, y = polar(ARC_CX, ARC_CY, radius, deg)
        # The glyph centred on (x, y), turned by deg around that point.
        c, s_ = math.cos(math.radians(deg)), math.sin(math.radians(deg))
        contours += glyph_contours(ch, 0, 0, size, family,
                                   matrix=(c, s_, -s_, c, x, y))
    out = '<path d="%s" fill="%s"%s/>\n' % (outline_path(contours, 2), fill,
                                            extra)
    return out, math.degrees(total / 2 / radius)


def felt():
    b = ""
    gold = "#ffd23f"
    # Top arch in big letters, with a thin darker outline for contrast on
    # green (0.8 * 27 / 100 wide: how Qt drew this outline when it was text).
    r1 = ARC_CY - 36
    t, half = arc_text("BLACKJACK PAYS 3 TO 2", r1, 27, gold, "DejaVu Serif", track=.06,
                       extra=' stroke="#5a4200" stroke-width="0.22"')
    b += t
    # A small spade and heart at each end of the top arch.
    for sgn, ident, col in ((-1, "s", BLACK), (1, "h", RED)):
        deg = sgn * (half + math.degrees(20 / r1))
        x, y = polar(ARC_CX, ARC_CY, r1 + 10, deg)
        b += use(ident, x, y, 0.2, deg, fill=col,
                 extra=' stroke="#fff" stroke-width="6"')
    # Second arch in white.
    r2 = ARC_CY - 60
    t, _ = arc_text("DEALER MUST DRAW TO 16 AND STAND ON ALL 17s", r2, 13.5,
                    "#fff", "DejaVu Sans", track=.04)
    b += t
    # Third: a ribbon band with forked ends holding the insurance rule.
    ro, ri = ARC_CY - 68, ARC_CY - 90
    rt = (ro + ri) / 2 - 13 * .729 / 2
    t, half = arc_text("INSURANCE PAYS 2 TO 1", rt, 13, gold,
                       "DejaVu Sans", track=.08)
    a = half + 6
    notch = 2.2
    p1 = polar(ARC_CX, ARC_CY, ro, -a)
    p2 = polar(ARC_CX, ARC_CY, ro, a)
    pm2 = polar(ARC_CX, ARC_CY, (ro + ri) / 2, a - notch)
    p3 = polar(ARC_CX, ARC_CY, ri, a)
    p4 = polar(ARC_CX, ARC_CY, ri, -a)
    pm1 = polar(ARC_CX, ARC_CY, (ro + ri) / 2, -a + notch)
    band = ("M%s A%s 0 0 1 %s L%s L%s A%s 0 0 0 %s L%sZ"
            % ("%.2f %.2f" % p1, pts(ro, ro), "%.2f %.2f" % p2,
               "%.2f %.2f" % pm2, "%.2f %.2f" % p3, pts(ri, ri),
               "%.2f %.2f" % p4, "%.2f %.2f" % pm1))
    b += ('<path d="%s" fill="#004d00" fill-opacity="0.55" stroke="#fff" '
          'stroke-width="1.4" stroke-linejoin="round"/>\n' % band)
    b += t
    defs = suit_def("S", "s") + suit_def("H", "h")
    return svg(FELT_W, FELT_H, FELT_W, FELT_H, b, defs)


# ---------------------------------------------------------------------------
# Hand pointer, 32 x 32 at 10 units a pixel; finger tip at HAND_HOTSPOT.

def hand():
    hx, hy = HAND_HOTSPOT
    tipx, tipy = hx * 10 + 5, hy * 10 + 2       # top of the finger outline
    fx1, fx2 = tipx - 28, tipx + 28            # index finger sides
    top = tipy + 28
    outline = (
        "M%s L%s A28 28 0 0 1 %s" % (pts(fx1, 160), pts(fx1, top),
                                     pts(fx2, top))
        + " L%s" % pts(fx2, 140)
        # three folded fingers
        + " C%s %s %s" % (pts(fx2, 110), pts(fx2 + 50, 110), pts(fx2 + 50, 140))
        + " C%s %s %s" % (pts(fx2 + 50, 120), pts(fx2 + 96, 122),
                          pts(fx2 + 96, 150))
        + " C%s %s %s" % (pts(fx2 + 96, 134), pts(fx2 + 136, 134),
                          pts(fx2 + 136, 166))
        # outer side of the hand down to the wrist
        + " C%s %s %s" % (pts(fx2 + 140, 210), pts(fx2 + 128, 236),
                          pts(fx2 + 112, 258))
        + " L%s" % pts(fx1 + 48, 258)
        # thumb sticking out to the left
        + " C%s %s %s" % (pts(fx1 + 30, 244), pts(fx1 + 22, 232),
                          pts(fx1 + 10, 222))
        + " C%s %s %s" % (pts(fx1 - 20, 204), pts(fx1 - 46, 186),
                          pts(fx1 - 38, 166))
        + " C%s %s %s" % (pts(fx1 - 30, 146), pts(fx1 - 8, 150),
                          pts(fx1, 160))
        + "Z")
    b = ('<path d="%s" fill="#fff" stroke="#000" stroke-width="13" '
         'stroke-linejoin="round"/>\n' % outline)
    # creases between the fingers, thumb line and the glove's stitching
    creases = ("M%s L%s" % (pts(fx2, 140), pts(fx2, 182))
               + " M%s L%s" % (pts(fx2 + 50, 140), pts(fx2 + 50, 178))
               + " M%s L%s" % (pts(fx2 + 96, 150), pts(fx2 + 96, 180))
               + " M%s Q%s %s" % (pts(fx1, 160), pts(fx1 + 4, 192),
                                  pts(fx1 + 26, 206)))
    b += ('<path d="%s" fill="none" stroke="#000" stroke-width="10" '
          'stroke-linecap="round"/>\n' % creases)
    stitches = "".join("M%s L%s" % (pts(x, 204), pts(x, 236))
                       for x in (fx2 + 24, fx2 + 56, fx2 + 88))
    b += ('<path d="%s" fill="none" stroke="#000" stroke-width="6" '
          'stroke-linecap="round"/>\n' % stitches)
    # rolled cuff
    b += ('<rect x="%s" y="250" width="%s" height="56" rx="12" fill="#fff" '
          'stroke="#000" stroke-width="13"/>\n'
          % (n(fx1 + 34), n(fx2 + 126 - fx1 - 34)))
    b += ('<path d="M%s L%s" stroke="#000" stroke-width="6"/>\n'
          % (pts(fx1 + 44, 276), pts(fx2 + 116, 276)))
    note = ("<!-- Pointer hotspot (tip of the index finger): %d,%d -->\n"
            % HAND_HOTSPOT)
    return note + svg(32, 32, 320, 320, b)


# ---------------------------------------------------------------------------
# Program icon: an ace of spades over a black jack, with a red chip.

def icon():
    def card(cx, cy, rot, inner):
        return ('<g transform="translate(%s) rotate(%s)">\n'
                '<rect x="-78" y="-108" width="156" height="216" rx="14" '
                'fill="#fff" stroke="#333" stroke-width="6"/>\n%s</g>\n'
                % (pts(cx, cy), n(rot), inner))
    jack = (text(-50, -52, "J", 58, BLACK)
            + use("s", -50, -28, 0.3, fill=BLACK)
            + '<rect x="-26" y="-78" width="86" height="150" fill="#fffaf0" '
              'stroke="#1f3f8f" stroke-width="4"/>\n'
            + '<path d="M-22 72L-22 30Q-18 6 6 4L30 4Q54 6 56 30L56 72Z" '
              'fill="%s" stroke="%s" stroke-width="4"/>\n' % (RED, LINE)
            + '<ellipse cx="17" cy="-22" rx="18" ry="22" fill="%s" '
              'stroke="%s" stroke-width="4"/>\n' % (SKIN, LINE)
            + '<path d="M-5 -32Q-5 -60 17 -60Q39 -60 39 -32Z" fill="%s" '
              'stroke="%s" stroke-width="4"/>\n' % (BLUE, LINE)
            + '<path d="M-8 -34L42 -34" stroke="%s" stroke-width="8"/>\n'
            % YELLOW)
    ace_ = (text(-52, -48, "A", 60, BLACK)
            + use("s", -52, -22, 0.3, fill=BLACK)
            + use("s", 4, 6, 1.1, fill=BLACK))
    b = card(104, 142, -16, jack) + card(204, 160, 10, ace_)
    # chip
    cx, cy, R = 262, 264, 54
    d = "".join(ring_sector(cx, cy, R * .74, R - 2, a - 14, a + 14)
                for a in range(0, 360, 60))
    b += ('<circle cx="%d" cy="%d" r="%d" fill="#c41e24" stroke="#5a0a0a" '
          'stroke-width="5"/>\n' % (cx, cy, R - 2))
    b += '<path d="%s" fill="#fff"/>\n' % d
    b += ('<circle cx="%d" cy="%d" r="%s" fill="#a8181d" stroke="#fff" '
          'stroke-width="4"/>\n' % (cx, cy, n(R * .6)))
    b += use("s", cx, cy + 1, 0.42, fill="#fff")
    return svg(32, 32, 320, 320, b, suit_def("S"))


# ---------------------------------------------------------------------------
# Game-over picture: a man in a blue suit aiming a revolver at the viewer.

def gameover():
    W, H = 333, 267
    defs = ('<radialGradient id="bg" cx="166" cy="120" r="230" '
            'gradientUnits="userSpaceOnUse"><stop offset="0" '
            'stop-color="#9a4a3a"/><stop offset="1" stop-color="#3a0f0f"/>'
            '</radialGradient>\n'
            '<radialGradient id="hole" cx="104" cy="104" r="9" '
            'gradientUnits="userSpaceOnUse"><stop offset="0" '
            'stop-color="#000"/><stop offset="1" stop-color="#2a2a2a"/>'
            '</radialGradient>\n'
            '<linearGradient id="suit" x1="0" y1="150" x2="0" y2="267" '
            'gradientUnits="userSpaceOnUse"><stop offset="0" '
            'stop-color="#2b4fa8"/><stop offset="1" stop-color="#1a3272"/>'
            '</linearGradient>\n')
    k = "#1a1a1a"
    b = '<rect x="0" y="0" width="%d" height="%d" fill="url(#bg)"/>\n' % (W, H)
    # comic burst behind the figure
    rays = ""
    for i in range(24):
        a1, a2 = i * 15, i * 15 + 7
        p1 = polar(120, 110, 400, a1)
        p2 = polar(120, 110, 400, a2)
        rays += "M120 110L%sL%sZ" % ("%.1f %.1f" % p1, "%.1f %.1f" % p2)
    b += '<path d="%s" fill="#ffffff" fill-opacity="0.06"/>\n' % rays
    # torso: jacket, shirt, tie
    b += ('<path d="M20 267Q26 200 70 186L136 166L196 166L262 186Q306 200 '
          '313 267Z" fill="url(#suit)" stroke="%s" stroke-width="2.5"/>\n' % k)
    b += ('<path d="M140 166L166 258L192 166Z" fill="#fff" stroke="%s" '
          'stroke-width="2"/>\n' % k)
    b += ('<path d="M159 184L173 184L178 240L166 256L154 240Z" fill="#d0202a" '
          'stroke="%s" stroke-width="2"/>\n' % k)
    b += ('<path d="M158 170L174 170L172 185L160 185Z" fill="#b01a22" '
          'stroke="%s" stroke-width="2"/>\n' % k)
    # collar tips and lapels
    b += ('<path d="M145 160L158 172L150 186L138 168Z M187 160L174 172L182 186'
          'L194 168Z" fill="#fff" stroke="%s" stroke-width="2"/>\n' % k)
    b += ('<path d="M136 166L128 184L146 200L140 212L166 262L140 172Z '
          'M196 166L204 184L186 200L192 212L166 262L192 172Z" fill="#22438f" '
          'stroke="%s" stroke-width="2" stroke-linejoin="round"/>\n' % k)
    b += ('<path d="M206 214L226 214" stroke="#fff" stroke-width="4"/>\n'
          '<path d="M204 212L230 212L228 218L206 218Z" fill="#fff"/>\n')
    # neck
    b += ('<path d="M150 130L150 168Q166 178 182 168L182 130Z" fill="#e9b98e" '
          'stroke="%s" stroke-width="2"/>\n' % k)
    # head: ears, face, hair, hat
    b += ('<ellipse cx="128" cy="104" rx="8" ry="12" fill="#f2c6a0" '
          'stroke="%s" stroke-width="2"/>\n'
          '<ellipse cx="204" cy="104" rx="8" ry="12" fill="#f2c6a0" '
          'stroke="%s" stroke-width="2"/>\n' % (k, k))
    b += ('<path d="M130 80Q130 152 166 156Q202 152 202 80Z" fill="#f2c6a0" '
          'stroke="%s" stroke-width="2.5"/>\n' % k)
    # hat: brim and crown with band
    b += ('<path d="M108 74Q166 58 224 74Q230 82 218 82Q166 70 114 82Q102 82 '
          '108 74Z" fill="#2a2a33" stroke="%s" stroke-width="2"/>\n' % k)
    b += ('<path d="M126 74Q124 40 140 30Q166 40 192 30Q208 40 206 74Q166 '
          '64 126 74Z" fill="#34343f" stroke="%s" stroke-width="2"/>\n' % k)
    b += ('<path d="M126 66Q166 56 206 66L206 74Q166 64 126 74Z" '
          'fill="#8a1c22"/>\n')
    # shadow of the brim on the forehead
    b += '<path d="M131 82Q166 72 201 82L201 88Q166 80 131 88Z" ' \
         'fill="#000" fill-opacity="0.18"/>\n'
    # eyebrows (frowning), eyes (left squinting along the sights), nose, mouth
    b += ('<path d="M142 96L160 102M172 102L190 94" stroke="%s" '
          'stroke-width="4" stroke-linecap="round"/>\n' % k)
    b += ('<path d="M144 109Q152 106 159 109" stroke="%s" stroke-width="2.5" '
          'fill="none" stroke-linecap="round"/>\n' % k)
    b += ('<ellipse cx="181" cy="109" rx="7" ry="5" fill="#fff" stroke="%s" '
          'stroke-width="2"/>\n<circle cx="180" cy="109" r="3" fill="%s"/>\n'
          % (k, k))
    b += ('<path d="M166 108L162 126L170 127" fill="none" stroke="#8a5a3a" '
          'stroke-width="2" stroke-linecap="round"/>\n')
    b += ('<path d="M152 138Q166 134 180 138" stroke="%s" stroke-width="2.5" '
          'fill="none" stroke-linecap="round"/>\n' % k)
    b += ('<path d="M140 128Q150 150 166 152Q182 150 192 128Q190 146 166 156'
          'Q142 146 140 128Z" fill="#000" fill-opacity="0.12"/>\n')
    # the arm: sleeve coming from his right shoulder toward the viewer
    b += ('<path d="M40 250Q48 210 80 196L122 170Q150 176 150 200L112 236'
          'Q86 262 60 267L36 267Z" fill="url(#suit)" stroke="%s" '
          'stroke-width="2.5" stroke-linejoin="round"/>\n' % k)
    b += ('<ellipse cx="112" cy="182" rx="38" ry="24" fill="#22438f" '
          'stroke="%s" stroke-width="2.5"/>\n' % k)
    b += ('<ellipse cx="110" cy="176" rx="30" ry="18" fill="#fff" stroke="%s" '
          'stroke-width="2"/>\n' % k)
    b += '<circle cx="124" cy="182" r="2.5" fill="#bbb"/>\n'
    # the gun hand is nearest to the viewer, so it is drawn larger
    b += '<g transform="translate(110 150) scale(1.3) translate(-110 -150)">\n'
    # fist around the grip, fingers curled toward the viewer
    b += ('<path d="M84 150Q82 136 96 134L126 134Q140 136 138 150Q144 158 '
          '138 164Q142 172 134 176Q112 186 88 176Z" fill="#f2c6a0" '
          'stroke="%s" stroke-width="2.2"/>\n' % k)
    b += ('<path d="M104 150Q120 146 138 150M102 163Q120 160 138 164'
          'M104 175Q118 173 134 176" stroke="#a86f4a" stroke-width="1.8" '
          'fill="none" stroke-linecap="round"/>\n')
    # revolver seen from the front: cylinder, barrel with the muzzle, sight
    b += ('<path d="M92 138L92 116L128 116L128 138Z" fill="#3c3c44" '
          'stroke="%s" stroke-width="2"/>\n' % k)
    b += ('<circle cx="110" cy="122" r="24" fill="#55555f" stroke="%s" '
          'stroke-width="2.5"/>\n' % k)
    for a in range(0, 360, 60):
        x, y = polar(110, 122, 14.5, a + 30)
        b += ('<circle cx="%s" cy="%s" r="5.5" fill="#222"/>\n'
              '<circle cx="%s" cy="%s" r="3.2" fill="#c8962e"/>\n'
              % (n(x), n(y), n(x), n(y)))
    b += '<circle cx="110" cy="122" r="4" fill="#33333a"/>\n'
    b += ('<circle cx="104" cy="104" r="15" fill="#6e6e78" stroke="%s" '
          'stroke-width="2.5"/>\n' % k)
    b += '<circle cx="104" cy="104" r="8.5" fill="url(#hole)"/>\n'
    b += ('<path d="M94 96A13 13 0 0 1 110 92" stroke="#b8b8c4" '
          'stroke-width="2" fill="none" stroke-linecap="round"/>\n')
    b += ('<path d="M101 84L107 84L106 90L102 90Z" fill="#55555f" stroke="%s" '
          'stroke-width="1.5"/>\n' % k)
    # thumb over the frame and trigger finger
    b += ('<path d="M126 140Q140 140 142 126Q143 114 136 114Q130 115 130 126'
          'Q129 133 122 136Z" fill="#f2c6a0" stroke="%s" stroke-width="2"/>\n'
          % k)
    b += ('<path d="M88 140Q86 132 94 132L108 132Q112 136 108 140Z" '
          'fill="#f2c6a0" stroke="%s" stroke-width="2"/>\n' % k)
    b += '</g>\n'
    return svg(W, H, W, H, b, defs)


# ---------------------------------------------------------------------------

def main():
    for si in range(4):
        for v in range(1, 14):
            number = 87 + 13 * (si + 1) + v
            write("card%d.svg" % number, make_card(si, v))
    write("card153.svg", card_back())
    write("chip10.svg", chip(51, 51, 10))
    write("chip50.svg", chip(50, 51, 50))
    write("chip100.svg", chip(51, 51, 100))
    write("chip500.svg", chip(50, 51, 500))
    for v in (10, 50, 100, 500):
        write("drag%d.svg" % v, chip(32, 32, v, inserts=6,
                                     text_scale=1.22 if v < 100 else 1.3))
    write("bigchip.svg", big_chip())
    write("felt.svg", felt())
    write("hand.svg", hand())
    write("icon.svg", icon())
    write("gameover.svg", gameover())
    print("hand.svg hotspot: %d,%d" % HAND_HOTSPOT)


if __name__ == "__main__":
    main()
