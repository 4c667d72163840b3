#!/usr/bin/env python3
"""Generate the map pack that ships with the program, and generated/world_maps.h.

Input: countryshape.dat, one outline point a line: the outline number (0, 1,
2 ... in order), an unused integer, the longitude and the latitude (degrees
east and north). Every outline is a closed ring of a country's border.

With --pack DIR the maps are drawn into DIR in plate carree projection: sea,
land filled and the borders drawn over it, each map an 8-bit BMP (the format
Windows loads without any decoder), with "Contents.txt" listing them the way
every map pack does: file, name, left longitude, bottom latitude, right
longitude and top latitude, joined by ":" (longitudes west positive). Drawing
needs Pillow; writing the header needs only the standard library.

The header lists the same maps, so that the tests can compare what the pack
reader makes of Contents.txt with what was drawn.
"""
import os

import codegen_common as common
from codegen_common import fail

INPUT = "countryshape.dat"

# name, file, west edge, east edge, south edge, north edge (degrees east and
# north), pixels per degree.
MAPS = [
    ("World", "World.bmp", -180, 180, -90, 90, 5),
    ("Europe", "Europe.bmp", -25, 45, 34, 72, 20),
    ("North America", "NorthAmerica.bmp", -170, -50, 10, 75, 10),
    ("South America", "SouthAmerica.bmp", -85, -30, -57, 14, 12),
    ("Africa", "Africa.bmp", -20, 55, -37, 38, 10),
    ("Asia", "Asia.bmp", 25, 150, -12, 78, 8),
    ("Australia and Oceania", "Oceania.bmp", 110, 180, -50, 0, 12),
]

SEA = (170, 200, 230)
LAND = (236, 228, 200)
BORDER = (90, 90, 90)


def read_outlines(path):
    outlines = []
    for number, fields in common.read_fields(path):
        if len(fields) < 4:
            fail("%s:%d: expected four fields" % (path, number))
        outline = int(fields[0])
        if outline == len(outlines):
            outlines.append([])
        elif outline != len(outlines) - 1:
            fail("%s:%d: outline %d out of sequence" % (path, number, outline))
        outlines[-1].append((float(fields[2]), float(fields[3])))
    if not outlines:
        fail("%s: no outline" % path)
    return outlines


def unwrapped(ring):
    """The ring with its longitudes made continuous across the date line."""
    points = [ring[0]]
    for lon, lat in ring[1:]:
        previous = points[-1][0]
        while lon - previous > 180:
            lon -= 360
        while previous - lon > 180:
            lon += 360
        points.append((lon, lat))
    return points


def draw_map(outlines, west, east, south, north, scale):
    from PIL import Image, ImageDraw  # only the pack needs Pillow

    width = int(round((east - west) * scale))
    height = int(round((north - south) * scale))
    image = Image.new("RGB", (width, height), SEA)
    draw = ImageDraw.Draw(image)
    rings = [unwrapped(ring) for ring in outlines if len(ring) >= 3]
    for layer in ("land", "border"):
        for ring in rings:
            for shift in (-360, 0, 360):
                xy = [((lon + shift - west) * scale, (north - lat) * scale) for lon, lat in ring]
                if layer == "land":
                    draw.polygon(xy, fill=LAND)
                else:
                    draw.line(xy + [xy[0]], fill=BORDER, width=1)
    return image.convert("P", palette=Image.ADAPTIVE, colors=16)


def contents_line(name, file, west, east, south, north):
    # The pack's longitudes count west positive.
    return "%s:%s:%g:%g:%g:%g" % (file, name, -west, south, -east, north)


def write_pack(outlines, folder):
    os.makedirs(folder, exist_ok=True)
    lines = []
    for name, file, west, east, south, north, scale in MAPS:
        draw_map(outlines, west, east, south, north, scale).save(os.path.join(folder, file), "BMP")
        lines.append(contents_line(name, file, west, east, south, north))
    with open(os.path.join(folder, "Contents.txt"), "w", encoding="cp1252", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def header_text():
    rows = ['{"%s", "%s", %d, %d, %d, %d}' % (name, file, -west, south, -east, north)
            for name, file, west, east, south, north, _ in MAPS]
    body = [
        "struct ShippedMap {",
        "    const char* name;",
        "    const char* file;",
        "    double leftLongitude;   // degrees, west positive",
        "    double bottomLatitude;",
        "    double rightLongitude;",
        "    double topLatitude;",
        "};",
        "",
        "constexpr int kShippedMapCount = %d;" % len(MAPS),
        "constexpr ShippedMap kShippedMaps[kShippedMapCount] = {",
    ]
    body += common.table_rows(rows, lambda row: row)
    body += ["};", ""]
    return common.header("gen_world_maps.py", INPUT, "data", body,
                         comments=["The maps of the pack that ships beside the program."])


def main():
    import sys

    pack = None
    if "--pack" in sys.argv:
        at = sys.argv.index("--pack")
        if at + 1 >= len(sys.argv):
            fail("--pack needs a folder")
        pack = sys.argv[at + 1]
        del sys.argv[at:at + 2]
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    if pack:
        write_pack(read_outlines(os.path.join(args.data, INPUT)), pack)
    common.write(args.out, header_text())


if __name__ == "__main__":
    main()
