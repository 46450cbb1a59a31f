#!/usr/bin/env python3
"""Checks the generated pictures: run after make_art.py.

    python3 resources/art/check_art.py

Verifies that every file exists with its pixel size, uses only SVG features
Qt's renderer draws, has no dangling or external references, and that each
card file shows the rank and suit its number stands for.
"""

import os
import re
import sys
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True   # keep the art folder free of caches
import make_art  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
SVG = "{http://www.w3.org/2000/svg}"
XLINK = "{http://www.w3.org/1999/xlink}href"
# <text> too: lettering is drawn as glyph outlines, which Qt renders much
# faster than it lays out text (and no font is needed at run time).
FORBIDDEN = {"filter", "clipPath", "mask", "style", "text", "textPath",
             "foreignObject", "image", "pattern", "script"}
FORBIDDEN_ATTRS = {"class", "style", "filter", "clip-path", "mask"}

SIZES = {"card%d.svg" % i: (54, 73) for i in range(101, 154)}
SIZES.update({"chip10.svg": (51, 51), "chip50.svg": (50, 51),
              "chip100.svg": (51, 51), "chip500.svg": (50, 51),
              "bigchip.svg": (115, 115), "felt.svg": (555, 159),
              "hand.svg": (32, 32), "icon.svg": (32, 32),
              "gameover.svg": (333, 267)})
SIZES.update({"drag%d.svg" % v: (32, 32) for v in (10, 50, 100, 500)})


def check_file(name, size):
    errors = []
    path = os.path.join(HERE, name)
    if not os.path.exists(path):
        return ["%s: missing" % name]
    root = ET.parse(path).getroot()
    w, h = int(root.get("width")), int(root.get("height"))
    if (w, h) != size:
        errors.append("%s: size %dx%d, expected %dx%d" % (name, w, h, *size))
    vb = [float(v) for v in root.get("viewBox").split()]
    if vb[:2] != [0, 0] or abs(vb[2] / vb[3] - w / h) > 1e-6:
        errors.append("%s: viewBox %s not proportional" % (name, vb))
    ids = {e.get("id") for e in root.iter() if e.get("id")}
    for e in root.iter():
        tag = e.tag.replace(SVG, "")
        if tag in FORBIDDEN:
            errors.append("%s: uses <%s>" % (name, tag))
        for a in FORBIDDEN_ATTRS & set(e.attrib):
            errors.append("%s: attribute %s on <%s>" % (name, a, tag))
        ref = e.get(XLINK)
        if ref is not None and (not ref.startswith("#") or ref[1:] not in ids):
            errors.append("%s: bad reference %s" % (name, ref))
        for value in e.attrib.values():
            for ref in re.findall(r"url\(#([^)]+)\)", value):
                if ref not in ids:
                    errors.append("%s: bad url(#%s)" % (name, ref))
    return errors


def check_card(number):
    """The card's suit symbol and corner rank match its file number."""
    si, v = divmod(number - 101, 13)      # number = 87 + 13 * suit + value
    v += 1
    suit = make_art.SUITS[si]
    root = ET.parse(os.path.join(HERE, "card%d.svg" % number)).getroot()
    paths = {e.get("id"): e.get("d") for e in root.iter(SVG + "path")}
    want = make_art.RANKS.get(v, str(v))
    errors = []
    if paths.get("s") != make_art.SUIT_PATHS[suit]:
        errors.append("card%d: wrong suit symbol" % number)
    # The corner rank is an outline whose id names it ("rank-Q"), inside
    # the corner group, with the glyph outline of that rank.
    ranks = [i for i in paths if i and i.startswith("rank-")]
    corner = root.find(".//%sg[@id='i']" % SVG)
    in_corner = [] if corner is None else [
        e.get("id") for e in corner.iter(SVG + "path")]
    if ranks != ["rank-" + want] or ranks[0] not in in_corner:
        errors.append("card%d: corner shows %r, expected %r"
                      % (number, ranks, "rank-" + want))
    elif paths[ranks[0]] != make_art.rank_outline(want):
        errors.append("card%d: corner outline is not the glyph of %r"
                      % (number, want))
    return errors


def main():
    errors = []
    for name, size in sorted(SIZES.items()):
        errors += check_file(name, size)
    if not errors:
        for number in range(101, 153):
            errors += check_card(number)
        with open(os.path.join(HERE, "hand.svg"), encoding="utf-8") as f:
            if "hotspot (tip of the index finger): %d,%d" \
                    % make_art.HAND_HOTSPOT not in f.read():
                errors.append("hand.svg: hotspot comment missing")
    for e in errors:
        print(e)
    print("%d files checked, %d problems" % (len(SIZES), len(errors)))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
