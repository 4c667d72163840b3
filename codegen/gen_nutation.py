#!/usr/bin/env python3
"""Generate generated/nutation.h: the IAU 1980 nutation series (63 rows).

Input: theory/nutation_iau1980.txt, one row per line in the order of Meeus,
Astronomical Algorithms, table 22.A:
    D M M' F OMEGA S0 S1 C0 C1
integer multipliers of the five arguments, then the sine coefficient of the
nutation in longitude and its rate, and the cosine coefficient of the
nutation in obliquity and its rate (0.0001" and 0.0001" per Julian century).
"""
import os

import codegen_common as common
from codegen_common import cpp_double, fail

INPUT = "theory/nutation_iau1980.txt"
ROWS = 63
FIRST_ROW = ["0", "0", "0", "0", "1", "-171996", "-174.2", "92025", "8.9"]


def read_rows(path):
    rows = []
    for _, fields in common.read_fields(path, 9):
        for i in (0, 1, 2, 3, 4, 5, 7):
            int(fields[i])
        rows.append(fields)
    if len(rows) != ROWS:
        fail("%s: %d rows, expected %d" % (path, len(rows), ROWS))
    if rows[0] != FIRST_ROW:
        fail("%s: first row is %s, expected %s" % (path, rows[0], FIRST_ROW))
    return rows


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    rows = read_rows(os.path.join(args.data, INPUT))
    lines = ["constexpr NutationTerm kNutationTerms[%d] = {" % ROWS]
    lines += common.table_rows(rows, lambda r: "{%s, %s, %s, %s, %s, %s, %s, %s, %s}" % (
        r[0], r[1], r[2], r[3], r[4], r[5], cpp_double(r[6]), r[7], cpp_double(r[8])))
    lines += ["};", ""]
    text = common.header("gen_nutation.py", INPUT, "nutation_data", lines, [
        "Multipliers of D, M, M', F, Omega; sine coefficient of the nutation in",
        "longitude and its rate; cosine coefficient of the nutation in obliquity",
        "and its rate. Units 0.0001\" and 0.0001\" per Julian century.",
    ], ["astro/nutation.h"])
    common.write(args.out, text)


if __name__ == "__main__":
    main()
