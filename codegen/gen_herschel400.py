#!/usr/bin/env python3
"""Generate generated/herschel400.h: the Herschel 400 observing list.

Input: herschel400.txt ("Hnnn NGC n" lines after a "#" header) and
ngc2000.dat, in which every listed object must exist. The list runs in
ascending NGC number except that H129 (NGC 2903) comes before H130
(NGC 2859), the order the program has always shown; that rule and the
published first and last rows are checked, and any difference stops the build.
"""
import os
import re

import codegen_common as common
from codegen_common import fail

INPUT = "herschel400.txt"
CATALOGUE = "ngc2000.dat"
COUNT = 400
# (list number, NGC number) rows the list must hold.
KNOWN_ROWS = [(1, 40), (2, 129), (3, 136), (129, 2903), (130, 2859),
              (398, 7789), (399, 7790), (400, 7814)]
SWAPPED = 129  # this row and the next are out of ascending order
ROW = re.compile(r"^H(\d{3}) NGC ([1-9]\d*)$")


def read_list(path):
    rows = []
    with open(path, encoding="ascii") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if line.startswith("#"):
                continue
            match = ROW.match(line)
            if not match:
                fail("%s:%d: not a list row: %r" % (path, number, line))
            position, ngc = int(match.group(1)), int(match.group(2))
            if position != len(rows) + 1:
                fail("%s:%d: H%03d out of sequence" % (path, number, position))
            rows.append(ngc)
    return rows


def ngc_numbers(path):
    with open(path, encoding="ascii") as f:
        return {int(line[:5]) for line in f if not line.startswith("I")}


def check(rows, catalogue):
    if len(rows) != COUNT:
        fail("%d rows, expected %d" % (len(rows), COUNT))
    for position, ngc in KNOWN_ROWS:
        if rows[position - 1] != ngc:
            fail("H%03d is NGC %d, expected NGC %d" % (position, rows[position - 1], ngc))
    expected = sorted(rows)
    expected[SWAPPED - 1], expected[SWAPPED] = expected[SWAPPED], expected[SWAPPED - 1]
    if rows != expected or len(set(rows)) != COUNT:
        fail("the list is not in ascending NGC order with only H%03d/H%03d swapped"
             % (SWAPPED, SWAPPED + 1))
    missing = [ngc for ngc in rows if ngc not in catalogue]
    if missing:
        fail("not in %s: NGC %s" % (CATALOGUE, ", ".join(map(str, missing))))


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT, CATALOGUE])
    rows = read_list(os.path.join(args.data, INPUT))
    check(rows, ngc_numbers(os.path.join(args.data, CATALOGUE)))
    lines = [
        "constexpr int kHerschel400Count = %d;" % len(rows),
        "",
        "constexpr DesignationPair kHerschel400Table[kHerschel400Count] = {",
    ]
    lines += common.table_rows(
        list(enumerate(rows, 1)),
        lambda row: '{TXT("H%03d"), TXT("NGC%5d")}' % row,
        lambda i, row: "H%03d" % row[0])
    lines += ["};", ""]
    common.write(args.out, common.header(
        "gen_herschel400.py", INPUT, "herschel400_data", lines,
        comments=["Astronomical League, Herschel 400 Observing Program."],
        includes=["catalog/designation_pair.h"]))


if __name__ == "__main__":
    main()
