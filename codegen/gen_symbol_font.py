#!/usr/bin/env python3
"""Generate generated/symbol_font.h and the program's symbol font "Corvinata",
with generated/symbol_font.rc naming it as font resource 22020.

Input: none from the data folder. Needs fontTools (Debian's python3-fonttools).

Every glyph is drawn here from strokes (lines and arcs of a pen of one
width) on a 1000-unit em and stored as a TrueType outline. The font holds
the characters the program shows in it, by their Latin-1 codes: the Sun,
the Moon and the planets (0xE5 to 0xEF), the capital Greek letters (0xB4 to
0xCB) and the small ones (0xCC to 0xE4, 0xDD left out), the superscript
digits 0 to 9 (0xF2 to 0xFB), the superscript minus (0xFD), a subscript 0
(0xFE), a subscript g (0xAF) and varpi (0xFF). The codes of the symbol
table that nothing explains (0xB0, 0xF0, 0xF1, 0xFC) show a visible
placeholder box; the sky writes its degree signs in the display face.
"""
import math
import os
import sys

try:
    from fontTools.fontBuilder import FontBuilder
    from fontTools.pens.ttGlyphPen import TTGlyphPen
except ImportError:
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3", "-B"] + sys.argv)
    sys.exit("gen_symbol_font: fontTools is missing (install python3-fonttools)")

import codegen_common as common

FACE = "Corvinata"
RESOURCE_ID = 22020
EM = 1000
ASCENT = 850
DESCENT = 250
PEN = 70  # stroke width
# Every glyph takes its own width and this much on either side: about a
# pixel at 8 points, so that a symbol stands in a line of text as a letter
# does, after the letter before it and before the one after it, and the
# digits of a superscript read as one number.
SIDE = 90

# The codes of the symbol table, by entry (Sun .. Pluto, the second and the
# first Greek glyphs, then the rest), as the program lists them.
SYMBOL_FONT_CODES = (
    list(range(0xE5, 0xF0))
    + [c for c in range(0xCC, 0xE5) if c != 0xDD]
    + list(range(0xB4, 0xCC))
    + [0xF0, 0xB0, 0xF1, 0xFE, 0xAF, 0xFF]
    + list(range(0xF2, 0xFE))
)


# --- strokes -----------------------------------------------------------------

def arc(cx, cy, rx, ry, start, end, steps=None):
    """Points of an elliptic arc, angles in degrees counter-clockwise from +x."""
    if steps is None:
        steps = max(4, int(abs(end - start) / 12))
    return [(cx + rx * math.cos(math.radians(start + (end - start) * i / steps)),
             cy + ry * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]


def circle(cx, cy, r, ry=None):
    return arc(cx, cy, r, ry if ry is not None else r, 0, 360, 30)


def segment_polygon(a, b, width):
    (x1, y1), (x2, y2) = a, b
    dx, dy = x2 - x1, y2 - y1
    length = math.hypot(dx, dy)
    if length < 1e-6:
        return None
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    # Each end reaches half a pen further, so strokes meet without gaps.
    ex, ey = dx / length * width / 2, dy / length * width / 2
    return [(x1 + nx - ex, y1 + ny - ey), (x2 + nx + ex, y2 + ny + ey),
            (x2 - nx + ex, y2 - ny + ey), (x1 - nx - ex, y1 - ny - ey)]


def dot(cx, cy, r):
    return [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))) for a in range(0, 360, 30)]


def signed_area(points):
    return sum(points[i][0] * points[(i + 1) % len(points)][1] - points[(i + 1) % len(points)][0] * points[i][1]
               for i in range(len(points))) / 2


def outline(strokes, dots=(), width=PEN):
    """The contours of polylines stroked with the pen, all clockwise (TrueType
    outer contours), so that overlapping pieces fill as one."""
    contours = []
    for line in strokes:
        for a, b in zip(line, line[1:]):
            polygon = segment_polygon(a, b, width)
            if polygon:
                contours.append(polygon)
    for cx, cy, r in dots:
        contours.append(dot(cx, cy, r))
    result = []
    for polygon in contours:
        if signed_area(polygon) > 0:
            polygon = list(reversed(polygon))
        result.append([(int(round(x)), int(round(y))) for x, y in polygon])
    return result


# --- the glyphs ----------------------------------------------------------------
# Coordinates: x 60..700, baseline 0, capitals 700 high, small letters 480.

def L(*points):
    return list(points)


def planet_glyphs():
    g = {}
    # Sun: a circle with its centre.
    g[0xE5] = outline([circle(380, 350, 280)], [(380, 350, 60)])
    # Moon: a crescent opening to the right.
    g[0xE6] = outline([arc(400, 350, 280, 300, 60, 300), arc(520, 350, 200, 260, 80, 280)])
    # Mercury: horns, a circle, a cross.
    g[0xE7] = outline([arc(380, 720, 150, 110, 200, 340), circle(380, 470, 150),
                       L((380, 320), (380, 0)), L((250, 150), (510, 150))])
    # Venus: a circle over a cross.
    g[0xE8] = outline([circle(380, 470, 200), L((380, 270), (380, 0)), L((230, 130), (530, 130))])
    # Earth: a circle under a cross.
    g[0xE9] = outline([circle(380, 230, 200), L((380, 430), (380, 720)), L((230, 580), (530, 580))])
    # Mars: a circle with an arrow to the upper right.
    g[0xEA] = outline([circle(300, 270, 200), L((440, 410), (660, 630)), L((470, 630), (660, 630), (660, 440))])
    # Jupiter: a hooked four.
    g[0xEB] = outline([L((120, 520), (180, 620), (300, 660), (380, 600), (380, 480), (140, 200), (660, 200)),
                       L((540, 460), (540, -40))])
    # Saturn: a cross on a hooked stem.
    g[0xEC] = outline([L((260, 720), (260, 60)), L((140, 600), (400, 600)),
                       L((260, 300), (380, 400), (500, 360), (520, 220), (420, 80), (520, -20))])
    # Uranus: a circle with its centre under an arrow.
    g[0xED] = outline([circle(380, 220, 180), L((380, 400), (380, 720)), L((260, 600), (380, 720), (500, 600))],
                      [(380, 220, 50)])
    # Neptune: a trident.
    g[0xEE] = outline([arc(380, 560, 260, 300, 180, 360), L((380, 720), (380, 0)), L((240, 140), (520, 140)),
                       L((120, 560), (120, 700)), L((640, 560), (640, 700))])
    # Pluto: P and L joined.
    g[0xEF] = outline([L((160, 0), (160, 700)), arc(300, 520, 220, 180, -90, 90), L((160, 700), (300, 700)),
                       L((160, 340), (300, 340)), L((160, 0), (560, 0))])
    return g


def capital_greek():
    c = {}
    top, mid = 700, 350
    c[0] = [L((80, 0), (380, top), (680, 0)), L((200, 260), (560, 260))]                      # Alpha
    c[1] = [L((140, 0), (140, top)), arc(140, 525, 380, 175, -90, 90), arc(140, 175, 440, 175, -90, 90)]  # Beta
    c[2] = [L((160, 0), (160, top), (620, top))]                                              # Gamma
    c[3] = [L((80, 0), (380, top), (680, 0), (80, 0))]                                        # Delta
    c[4] = [L((620, top), (160, top), (160, 0), (620, 0)), L((160, mid), (520, mid))]         # Epsilon
    c[5] = [L((140, top), (620, top), (140, 0), (620, 0))]                                    # Zeta
    c[6] = [L((140, 0), (140, top)), L((620, 0), (620, top)), L((140, mid), (620, mid))]      # Eta
    c[7] = [circle(380, mid, 280, 360), L((220, mid), (540, mid))]                           # Theta
    c[8] = [L((380, 0), (380, top)), L((260, top), (500, top)), L((260, 0), (500, 0))]        # Iota
    c[9] = [L((140, 0), (140, top)), L((620, top), (140, 280)), L((300, 400), (640, 0))]      # Kappa
    c[10] = [L((80, 0), (380, top), (680, 0))]                                                # Lambda
    c[11] = [L((100, 0), (100, top), (380, 250), (660, top), (660, 0))]                       # Mu
    c[12] = [L((140, 0), (140, top), (620, 0), (620, top))]                                   # Nu
    c[13] = [L((140, top), (620, top)), L((220, mid), (540, mid)), L((140, 0), (620, 0))]     # Xi
    c[14] = [circle(380, mid, 280, 360)]                                                      # Omicron
    c[15] = [L((140, 0), (140, top), (620, top), (620, 0))]                                   # Pi
    c[16] = [L((140, 0), (140, top)), arc(140, 525, 420, 175, -90, 90)]                       # Rho
    c[17] = [L((620, top), (140, top), (420, mid), (140, 0), (620, 0))]                       # Sigma
    c[18] = [L((100, top), (660, top)), L((380, top), (380, 0))]                              # Tau
    c[19] = [L((100, top), (380, mid), (660, top)), L((380, mid), (380, 0))]                  # Upsilon
    c[20] = [circle(380, mid, 280, 200), L((380, 0), (380, top))]                             # Phi
    c[21] = [L((100, top), (660, 0)), L((100, 0), (660, top))]                                # Chi
    c[22] = [arc(380, 500, 260, 260, 180, 360), L((380, 0), (380, top))]                      # Psi
    c[23] = [L((100, 0), (260, 0), (200, 200)), arc(380, 420, 260, 300, 220, 500),
             L((560, 200), (500, 0), (660, 0))]                                               # Omega
    return {0xB4 + i: outline(strokes) for i, strokes in c.items()}


def small_greek():
    s = {}
    x = 480  # x-height
    s[0] = [circle(300, 240, 200, 240), L((500, 480), (560, 120), (660, 0))]                 # alpha
    s[1] = [L((160, -220), (160, 560), (260, 700), (420, 700), (480, 600), (420, 470), (300, 440)),
            arc(300, 230, 260, 210, -90, 90), L((300, 20), (160, 60))]                        # beta
    s[2] = [L((100, x), (380, 0), (380, -220)), L((380, 0), (660, x))]                        # gamma
    s[3] = [circle(380, 200, 220, 200), L((380, 400), (180, 560), (300, 700), (560, 700))]    # delta
    s[4] = [arc(400, 360, 240, 120, 40, 270), arc(400, 120, 260, 120, 90, 320)]               # epsilon
    s[5] = [L((180, 700), (560, 700), (200, 300), (200, 60), (520, 0), (520, -200), (420, -220))]  # zeta
    s[6] = [L((160, 0), (160, x)), arc(380, 280, 220, 200, 0, 180), L((600, 280), (600, -220))]   # eta
    s[7] = [circle(380, 350, 220, 350), L((170, 350), (590, 350))]                            # theta
    s[8] = [L((340, x), (340, 60), (460, 0))]                                                 # iota
    s[9] = [L((160, 0), (160, x)), L((560, x), (160, 200)), L((280, 280), (600, 0))]          # kappa
    s[10] = [L((120, 700), (260, 700), (620, 0)), L((380, 360), (100, 0))]                    # lambda
    s[11] = [L((160, -220), (160, x)), arc(360, 200, 200, 200, 180, 360), L((560, x), (560, 60), (660, 0))]  # mu
    s[12] = [L((140, x), (380, 0), (640, x))]                                                 # nu
    s[13] = [L((220, 700), (540, 700)), arc(420, 560, 200, 130, 90, 270), arc(420, 230, 240, 200, 90, 270),
             L((420, 30), (520, -80), (420, -220))]                                           # xi
    s[14] = [circle(380, 240, 240)]                                                           # omicron
    s[15] = [L((100, x), (660, x)), L((260, x), (220, 0)), L((520, x), (540, 0))]             # pi
    s[16] = [circle(400, 240, 220, 240), L((180, 240), (180, -220))]                          # rho
    s[17] = [circle(320, 220, 220), L((320, 440), (680, 440))]                                # sigma
    s[18] = [L((100, x), (660, x)), L((380, x), (380, 60), (500, 0))]                         # tau
    s[19] = [L((140, x), (140, 160)), arc(380, 200, 240, 200, 180, 360), L((620, 200), (620, x))]  # upsilon
    s[20] = [circle(380, 240, 260, 220), L((380, 700), (380, -220))]                          # phi
    s[21] = [L((100, x), (660, -220)), L((100, -220), (660, x))]                              # chi
    s[22] = [arc(380, 280, 260, 240, 180, 360), L((120, 280), (120, x)), L((640, 280), (640, x)),
             L((380, 700), (380, -220))]                                                      # psi
    s[23] = [L((160, x), (100, 200)), arc(240, 180, 140, 180, 180, 360), L((380, 180), (380, 280)),
             arc(520, 180, 140, 180, 180, 360), L((660, 200), (600, x))]                      # omega
    codes = [c for c in range(0xCC, 0xE5) if c != 0xDD]
    return {codes[i]: outline(strokes) for i, strokes in s.items()}


def digit_strokes(d, x0, y0, w, h):
    """A small digit d in the box from (x0, y0), w wide and h high."""
    x1, y1, ym = x0 + w, y0 + h, y0 + h / 2
    shapes = {
        0: [circle(x0 + w / 2, ym, w / 2, h / 2)],
        1: [L((x0 + w * 0.2, y1 - h * 0.2), (x0 + w * 0.6, y1), (x0 + w * 0.6, y0))],
        2: [arc(x0 + w / 2, y1 - h / 4, w / 2, h / 4, 160, -30), L((x1 - w * 0.07, y1 - h * 0.37), (x0, y0), (x1, y0))],
        3: [arc(x0 + w / 2, y1 - h / 4, w / 2, h / 4, 160, -90), arc(x0 + w / 2, y0 + h / 4, w / 2, h / 4, 90, -160)],
        4: [L((x1 - w * 0.25, y0), (x1 - w * 0.25, y1), (x0, y0 + h * 0.3), (x1, y0 + h * 0.3))],
        5: [L((x1, y1), (x0 + w * 0.1, y1), (x0, ym)), arc(x0 + w / 2, y0 + h * 0.3, w / 2, h * 0.3, 150, -160)],
        6: [arc(x0 + w / 2, y0 + h * 0.3, w / 2, h * 0.3, 0, 360), L((x0, y0 + h * 0.3), (x0 + w * 0.2, y1 - h * 0.15), (x1 - w * 0.2, y1))],
        7: [L((x0, y1), (x1, y1), (x0 + w * 0.35, y0))],
        8: [circle(x0 + w / 2, y1 - h / 4, w * 0.42, h / 4), circle(x0 + w / 2, y0 + h / 4, w / 2, h / 4)],
        9: [arc(x0 + w / 2, y1 - h * 0.3, w / 2, h * 0.3, 0, 360), L((x1, y1 - h * 0.3), (x1 - w * 0.2, y0 + h * 0.15), (x0 + w * 0.2, y0))],
    }
    return shapes[d]


def other_glyphs():
    g = {}
    small = PEN * 0.75
    for d in range(10):
        g[0xF2 + d] = outline(digit_strokes(d, 200, 380, 300, 420), width=small)
    g[0xFD] = outline([L((200, 600), (500, 600))], width=small)                               # superscript minus
    g[0xFE] = outline([circle(350, 80, 140, 190)], width=small)                               # subscript 0
    g[0xAF] = outline([circle(350, 120, 140, 150), L((490, 270), (490, -160), (400, -250), (240, -230))],
                      width=small)                                                            # subscript g
    g[0xFF] = outline([L((60, 480), (700, 480)), arc(240, 220, 140, 260, 180, 360), L((380, 220), (380, 300)),
                       arc(520, 220, 140, 260, 180, 360), L((660, 220), (660, 440))])         # varpi
    # The placeholder: a box with a cross, plainly not a symbol.
    box = [L((120, 0), (120, 700), (640, 700), (640, 0), (120, 0)), L((120, 0), (640, 700)), L((120, 700), (640, 0))]
    for code in (0xB0, 0xF0, 0xF1, 0xFC):
        g[code] = outline(box, width=small)
    return g


def with_sides(contours):
    """The glyph moved to SIDE from the origin, and its advance."""
    left = min(x for contour in contours for x, _ in contour)
    right = max(x for contour in contours for x, _ in contour)
    return [[(x + SIDE - left, y) for x, y in contour] for contour in contours], right - left + 2 * SIDE


def all_glyphs():
    glyphs = {}
    glyphs.update(planet_glyphs())
    glyphs.update(capital_greek())
    glyphs.update(small_greek())
    glyphs.update(other_glyphs())
    return glyphs


def glyph_from_contours(contours):
    pen = TTGlyphPen(None)
    for contour in contours:
        pen.moveTo(contour[0])
        for point in contour[1:]:
            pen.lineTo(point)
        pen.closePath()
    return pen.glyph()


def build_font(path):
    glyphs = all_glyphs()
    advances = {}
    for code in glyphs:
        glyphs[code], advances["sym%02X" % code] = with_sides(glyphs[code])
    missing = [c for c in SYMBOL_FONT_CODES if c not in glyphs]
    if missing:
        common.fail("symbol font: no glyph for %s" % ", ".join("0x%02X" % c for c in missing))
    order = [".notdef", "space"] + ["sym%02X" % c for c in sorted(glyphs)]
    builder = FontBuilder(EM, isTTF=True)
    builder.setupGlyphOrder(order)
    cmap = {0x20: "space"}
    cmap.update({c: "sym%02X" % c for c in glyphs})
    builder.setupCharacterMap(cmap)
    box, box_advance = with_sides([[(60, 0), (60, 700), (560, 700), (560, 0)],
                                   [(120, 60), (500, 60), (500, 640), (120, 640)]])
    tt = {".notdef": glyph_from_contours(box), "space": TTGlyphPen(None).glyph()}
    tt.update({"sym%02X" % c: glyph_from_contours(contours) for c, contours in glyphs.items()})
    builder.setupGlyf(tt)
    metrics = {name: (advances.get(name, box_advance), 0) for name in order}
    metrics["space"] = (box_advance // 2, 0)
    glyf = builder.font["glyf"]
    for name in order:
        glyph = glyf[name]
        metrics[name] = (metrics[name][0], getattr(glyph, "xMin", 0))
    builder.setupHorizontalMetrics(metrics)
    builder.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    builder.setupNameTable({"familyName": FACE, "styleName": "Regular", "uniqueFontIdentifier": FACE + " Symbols",
                            "fullName": FACE, "psName": FACE, "version": "Version 1.0"})
    builder.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, usWinAscent=ASCENT, usWinDescent=DESCENT,
                     ulCodePageRange1=1, fsType=0)
    builder.setupPost()
    builder.save(path)
    return glyphs


def main():
    args = common.parse_args(__doc__.splitlines()[0], [])
    out_dir = os.path.dirname(os.path.abspath(args.out))
    path = os.path.join(out_dir, "corvinata_symbols.ttf")
    glyphs = build_font(path)
    with open(os.path.join(out_dir, "symbol_font.rc"), "w") as f:
        f.write("// Generated by codegen/gen_symbol_font.py. Do not edit.\n\n")
        f.write('%d 8 "%s"\n' % (RESOURCE_ID, path.replace("\\", "/")))
    body = [
        "constexpr int kSymbolFontResource = %d;" % RESOURCE_ID,
        "constexpr int kSymbolFontGlyphCount = %d;" % len(glyphs),
        "// The codes of the symbol table, by entry.",
        "constexpr unsigned char kSymbolFontCodes[%d] = {" % len(SYMBOL_FONT_CODES),
        "    " + ", ".join("0x%02X" % c for c in SYMBOL_FONT_CODES),
        "};",
        "",
    ]
    common.write(args.out, common.header("gen_symbol_font.py", "its own strokes", "symbol_font", body,
                                         ["The font is listed in symbol_font.rc beside this header."]))


if __name__ == "__main__":
    main()
