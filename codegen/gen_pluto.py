#!/usr/bin/env python3
"""Generate generated/pluto.h: the periodic terms of Pluto (43 rows).

Input: theory/pluto_37a.txt, one row per line in the order of Meeus,
Astronomical Algorithms, table 37.A:
    J S P LA LB BA BB RA RB
integer multipliers of the mean longitudes of Jupiter, Saturn and Pluto, then
the sine and cosine coefficients of the longitude and latitude (1e-6 degree)
and of the radius vector (1e-7 AU).
"""
import os

import codegen_common as common
from codegen_common import fail

INPUT = "theory/pluto_37a.txt"
ROWS = 43
FIRST_ROW = [0, 0, 1, -19799805, 19850055, -5452852, -14974862, 66865439, 68951812]
LAST_MULTIPLIERS = [3, 0, 0]


def read_rows(path):
    rows = [[int(x) for x in fields] for _, fields in common.read_fields(path, 9)]
    if len(rows) != ROWS:
        fail("%s: %d rows, expected %d" % (path, len(rows), ROWS))
    if rows[0] != FIRST_ROW or rows[-1][:3] != LAST_MULTIPLIERS:
        fail("%s: first or last row differs from table 37.A" % path)
    return rows


def table(lines, ctype, name, rows, columns, unit):
    lines.append("// %s" % unit)
    lines.append("constexpr %s %s[%d] = {" % (ctype, name, len(rows)))
    lines += common.table_rows(rows, lambda r: "{%s}" % ", ".join(str(r[c]) for c in columns))
    lines += ["};", ""]


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    rows = read_rows(os.path.join(args.data, INPUT))
    lines = []
    table(lines, "PlutoArgument", "kPlutoArguments", rows, (0, 1, 2),
          "multipliers of J, S, P")
    table(lines, "PlutoCoefficient", "kPlutoLongitude", rows, (3, 4),
          "sine, cosine coefficient; 1e-6 degree")
    table(lines, "PlutoCoefficient", "kPlutoLatitude", rows, (5, 6),
          "sine, cosine coefficient; 1e-6 degree")
    table(lines, "PlutoCoefficient", "kPlutoRadius", rows, (7, 8),
          "sine, cosine coefficient; 1e-7 AU")
    common.write(args.out, common.header("gen_pluto.py", INPUT, "pluto_data", lines,
                                         includes=["astro/planet_series.h"]))


if __name__ == "__main__":
    main()
