#!/usr/bin/env python3
"""Generate generated/constellation_zones.h: the zones that identify a constellation.

Input: constellation_zones_1875.dat, one zone per line: lower and upper right
ascension (hours), lower declination (degrees), all for the equinox B1875.0,
and the constellation's three-letter abbreviation (Roman 1987, CDS VI/42). The
rows stay in the file's order, descending lower declination, because the
lookup takes the first zone that holds a position.
"""
import os

import codegen_common as common
from codegen_common import cpp_double, fail

INPUT = "constellation_zones_1875.dat"
ZONE_COUNT = 357


def read_rows(path):
    rows = []
    for number, fields in common.read_fields(path, 4):
        low, high, dec = (float(v) for v in fields[:3])
        if not (0.0 <= low < high <= 24.0 and -90.0 <= dec <= 90.0):
            fail("%s:%d: zone out of range" % (path, number))
        if rows and dec > rows[-1][3]:
            fail("%s:%d: declination rises" % (path, number))
        if len(fields[3]) != 3 or not fields[3].isalpha():
            fail("%s:%d: bad abbreviation %r" % (path, number, fields[3]))
        rows.append((cpp_double(fields[0]), cpp_double(fields[1]), cpp_double(fields[2]), dec,
                     fields[3]))
    if len(rows) != ZONE_COUNT:
        fail("%s: %d zones, expected %d" % (path, len(rows), ZONE_COUNT))
    return rows


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    rows = read_rows(os.path.join(args.data, INPUT))
    lines = [
        "struct ZoneRow {",
        "    double lowerRa;           // hours",
        "    double upperRa;           // hours",
        "    double lowerDeclination;  // degrees",
        "    const Char* abbreviation;",
        "};",
        "",
        "constexpr int kZoneCount = %d;" % len(rows),
        "",
        "constexpr ZoneRow kZones[kZoneCount] = {",
    ]
    lines += common.table_rows(
        rows, lambda r: '{%s, %s, %s, TXT("%s")}' % (r[0], r[1], r[2], r[4]))
    lines += ["};", ""]
    common.write(args.out, common.header(
        "gen_constellation_zones.py", INPUT, "constellation_zones", lines,
        comments=["Constellation boundaries for the equinox B1875.0 (Roman 1987)."],
        includes=["base/text_char.h"]))


if __name__ == "__main__":
    main()
