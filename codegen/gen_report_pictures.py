#!/usr/bin/env python3
"""Generate generated/report_pictures.h and the report pictures: the section
headings (35 x 35) and the Moon phase symbols (11 x 11) of the report pages,
each for day and night, as GIF89a files, with generated/report_pictures.rc
naming them as resources of the type CORVINATA_BINARY.

Input: none from the data folder. Needs Pillow (Debian's python3-pil).

Each picture is drawn eight times larger on the page colour of its mode
(white by day, black by night) and reduced, so the edges blend into the page.
The header holds the names, sizes and bytes, so that the tests can check the
pictures the program carries.
"""
import io
import math
import os
import sys

try:
    from PIL import Image, ImageDraw
except ImportError:
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3", "-B"] + sys.argv)
    sys.exit("gen_report_pictures: Pillow is missing (install python3-pil)")

import codegen_common as common

SCALE = 8
HEADING_SIZE = 35
PHASE_SIZE = 11

DAY = {
    "page": (255, 255, 255), "ink": (40, 40, 60), "sun": (250, 200, 30), "ray": (235, 140, 30),
    "planet": (200, 120, 60), "band": (150, 80, 40), "ring": (90, 110, 170), "moon": (215, 215, 200),
    "dark": (70, 70, 90), "sat": (110, 150, 220),
}
# Night vision keeps the eyes dark-adapted: red shades on black only.
NIGHT = {
    "page": (0, 0, 0), "ink": (150, 0, 0), "sun": (200, 0, 0), "ray": (140, 0, 0),
    "planet": (170, 0, 0), "band": (110, 0, 0), "ring": (130, 0, 0), "moon": (190, 0, 0),
    "dark": (60, 0, 0), "sat": (150, 0, 0),
}


def ellipse(draw, cx, cy, rx, ry, fill=None, outline=None, width=0):
    s = SCALE
    draw.ellipse([(cx - rx) * s, (cy - ry) * s, (cx + rx) * s, (cy + ry) * s],
                 fill=fill, outline=outline, width=int(width * s))


def draw_sun(draw, c):
    for i in range(12):
        a = i * math.pi / 6
        x0, y0 = 17.5 + 10 * math.cos(a), 17.5 + 10 * math.sin(a)
        x1, y1 = 17.5 + 16 * math.cos(a), 17.5 + 16 * math.sin(a)
        draw.line([(x0 * SCALE, y0 * SCALE), (x1 * SCALE, y1 * SCALE)], fill=c["ray"], width=2 * SCALE)
    ellipse(draw, 17.5, 17.5, 9.5, 9.5, c["sun"], c["ray"], 1)


def draw_planet(draw, c):
    # A banded globe behind a tilted ring: the back of the ring first, the
    # globe, then the front half of the ring over it.
    box = [3 * SCALE, 12 * SCALE, 32 * SCALE, 23 * SCALE]
    draw.arc(box, 180, 360, fill=c["ring"], width=2 * SCALE)
    ellipse(draw, 17.5, 17.5, 9, 9, c["planet"], c["ink"], 0.8)
    for y in (14, 20):
        draw.line([(10 * SCALE, y * SCALE), (25 * SCALE, y * SCALE)], fill=c["band"], width=SCALE + SCALE // 2)
    draw.arc(box, 0, 180, fill=c["ring"], width=2 * SCALE)


def draw_moon(draw, c):
    ellipse(draw, 17.5, 17.5, 13, 13, c["moon"], c["ink"], 0.8)
    for cx, cy, r in ((12, 13, 3), (21, 22, 4), (22, 11, 2), (13, 23, 2)):
        ellipse(draw, cx, cy, r, r, c["dark"])


def draw_planetary_sat(draw, c):
    ellipse(draw, 14, 17.5, 10, 10, c["planet"], c["ink"], 0.8)
    draw.line([(6 * SCALE, 15 * SCALE), (22 * SCALE, 15 * SCALE)], fill=c["band"], width=SCALE + SCALE // 2)
    for cx, cy, r in ((29, 8, 2.5), (30, 26, 2), (27, 17.5, 1.8)):
        ellipse(draw, cx, cy, r, r, c["sat"], c["ink"], 0.4)


def phase_drawer(lit):
    """A Moon phase symbol: lit is 'none', 'right', 'all' or 'left'."""
    def draw_phase(draw, c):
        r = 4.6
        ellipse(draw, 5.5, 5.5, r, r, c["dark"], c["ink"], 0.7)
        box = [(5.5 - r) * SCALE, (5.5 - r) * SCALE, (5.5 + r) * SCALE, (5.5 + r) * SCALE]
        if lit == "all":
            draw.ellipse(box, fill=c["moon"], outline=c["ink"], width=int(0.7 * SCALE))
        elif lit == "right":
            draw.pieslice(box, 270, 90, fill=c["moon"])
        elif lit == "left":
            draw.pieslice(box, 90, 270, fill=c["moon"])
    return draw_phase


HEADINGS = {
    "PLANET": draw_planet,
    "SUN": draw_sun,
    "MOON": draw_moon,
    "PLANETARYSAT": draw_planetary_sat,
}
PHASES = {
    "MOON_NEW": phase_drawer("none"),
    "MOON_WAXING": phase_drawer("right"),
    "MOON_FULL": phase_drawer("all"),
    "MOON_WANING": phase_drawer("left"),
}


def gif_bytes(size, drawer, colours):
    big = Image.new("RGB", (size * SCALE, size * SCALE), colours["page"])
    drawer(ImageDraw.Draw(big), colours)
    small = big.resize((size, size), Image.LANCZOS)
    indexed = small.quantize(colors=64, method=Image.MEDIANCUT, dither=Image.NONE)
    out = io.BytesIO()
    # The comment extension makes the file GIF89a, the version the pages name.
    indexed.save(out, "GIF", comment=b"Corvinata report picture")
    data = out.getvalue()
    if data[:6] != b"GIF89a":
        common.fail("Pillow wrote %r instead of GIF89a" % data[:6])
    return data


def main():
    args = common.parse_args(__doc__.splitlines()[0], [])
    out_dir = os.path.dirname(os.path.abspath(args.out))
    folder = os.path.join(out_dir, "report_pictures")
    os.makedirs(folder, exist_ok=True)
    rc = ["// Generated by codegen/gen_report_pictures.py. Do not edit.", ""]
    entries = []
    arrays = []
    groups = [(HEADING_SIZE, HEADINGS), (PHASE_SIZE, PHASES)]
    for size, drawers in groups:
        for base, drawer in drawers.items():
            for mode, colours in (("DAY", DAY), ("NIGHT", NIGHT)):
                name = "CORVINATAREPORTS_%s_%s" % (base, mode)
                data = gif_bytes(size, drawer, colours)
                file_name = name.lower() + ".gif"
                with open(os.path.join(folder, file_name), "wb") as f:
                    f.write(data)
                rc.append('%s CORVINATA_BINARY "%s"' % (name, os.path.join(folder, file_name).replace("\\", "/")))
                symbol = "k" + "".join(part.capitalize() for part in name.lower().split("_"))
                arrays.append("constexpr unsigned char %s[] = {" % symbol)
                for i in range(0, len(data), 16):
                    arrays.append("    " + ", ".join("%d" % b for b in data[i:i + 16]) + ",")
                arrays.append("};")
                entries.append('    {"%s", %d, %s, sizeof %s},' % (name, size, symbol, symbol))
    with open(os.path.join(out_dir, "report_pictures.rc"), "w") as f:
        f.write("\n".join(rc) + "\n")
    body = arrays + [
        "",
        "struct Picture {",
        "    const char* name;",
        "    int size;  // width and height in pixels",
        "    const unsigned char* bytes;",
        "    unsigned long length;",
        "};",
        "",
        "constexpr int kHeadingSize = %d;" % HEADING_SIZE,
        "constexpr int kPhaseSize = %d;" % PHASE_SIZE,
        "constexpr Picture kPictures[] = {",
    ] + entries + ["};", ""]
    common.write(args.out, common.header("gen_report_pictures.py", "its own drawings", "report_pictures", body,
                                         ["The resources are listed in report_pictures.rc beside this header."]))


if __name__ == "__main__":
    main()
