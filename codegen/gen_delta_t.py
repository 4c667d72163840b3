#!/usr/bin/env python3
"""Generate generated/delta_t.h: observed values of Delta T, every two years.

Input: theory/deltat_table.txt, one line per year: YEAR SECONDS (Meeus,
Astronomical Algorithms, table 10.A). The years must run without gaps in steps
of two, as the interpolation relies on it.
"""
import os

import codegen_common as common
from codegen_common import cpp_double, fail

INPUT = "theory/deltat_table.txt"
STEP = 2


def read_rows(path):
    rows = []
    for number, fields in common.read_fields(path, 2):
        year = int(fields[0])
        if rows and year != rows[-1][0] + STEP:
            fail("%s:%d: year %d does not follow %d" % (path, number, year, rows[-1][0]))
        rows.append((year, cpp_double(fields[1])))
    if len(rows) < 2:
        fail("%s: too few rows" % path)
    return rows


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    rows = read_rows(os.path.join(args.data, INPUT))
    lines = [
        "constexpr int kObservedFirstYear = %d;" % rows[0][0],
        "constexpr int kObservedLastYear = %d;" % rows[-1][0],
        "constexpr int kObservedYearStep = %d;" % STEP,
        "",
        "// Delta T in seconds at the start of kObservedFirstYear + i * kObservedYearStep.",
        "constexpr double kObservedSeconds[%d] = {" % len(rows),
    ]
    lines += common.table_rows(rows, lambda row: row[1], lambda i, row: str(row[0]))
    lines += ["};", ""]
    common.write(args.out, common.header("gen_delta_t.py", INPUT, "delta_t_data", lines))


if __name__ == "__main__":
    main()
