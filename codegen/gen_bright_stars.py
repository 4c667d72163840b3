#!/usr/bin/env python3
"""Generate generated/bright_stars.h: the Yale Bright Star Catalogue.

Input: bsc5.dat (Hoffleit & Warren 1991, CDS V/50), one record per HR number
in fixed columns as bsc5.readme describes them; trailing blanks may be
trimmed. Every record becomes one BrightStarRecord: Bayer letter and
superscript, constellation (from the name column), J2000 position in degrees
and the V magnitude. The 14 entries without a position are not stars and are
marked as such. The counts of the published catalogue are checked; any
difference stops the build.
"""
import os

import codegen_common as common
from codegen_common import fail

INPUT = "bsc5.dat"
RECORD_COUNT = 9110
NOT_STARS = [92, 95, 182, 1057, 1841, 2472, 2496, 3515, 3671, 6309, 6515, 7189, 7539, 8296]
WITHOUT_LETTER_COUNT = 7532
WITHOUT_CONSTELLATION_COUNT = 5967
GREEK = ["Alp", "Bet", "Gam", "Del", "Eps", "Zet", "Eta", "The", "Iot", "Kap", "Lam", "Mu",
         "Nu", "Xi", "Omi", "Pi", "Rho", "Sig", "Tau", "Ups", "Phi", "Chi", "Psi", "Ome"]
NO_LETTER = -1
NOT_A_STAR = 47


def field(line, first, last):
    """Bytes first..last (1-based, inclusive); bytes past the end are blanks."""
    return line[first - 1:last].ljust(last - first + 1)


def read_record(hr, line):
    where = "HR %d" % hr
    if field(line, 76, 83).strip() == "":
        return {"hr": hr, "letter": NOT_A_STAR, "superscript": 0, "ra": 0.0, "dec": 0.0,
                "magnitude": 0.0, "constellation": ""}
    bayer = field(line, 8, 10).strip()
    if bayer and bayer not in GREEK:
        fail("%s: Bayer letter %r" % (where, bayer))
    superscript = field(line, 11, 11).strip()
    constellation = field(line, 12, 14).strip()
    if constellation and len(constellation) != 3:
        fail("%s: constellation %r" % (where, constellation))
    try:
        ra = (int(field(line, 76, 77)) + int(field(line, 78, 79)) / 60.0
              + float(field(line, 80, 83)) / 3600.0) * 15.0
        sign = field(line, 84, 84)
        if sign not in "+-":
            fail("%s: declination sign %r" % (where, sign))
        dec = (int(field(line, 85, 86)) + int(field(line, 87, 88)) / 60.0
               + int(field(line, 89, 90)) / 3600.0)
        magnitude = float(field(line, 103, 107))
        superscript = int(superscript) if superscript else 0
    except ValueError as error:
        fail("%s: %s" % (where, error))
    return {"hr": hr, "letter": GREEK.index(bayer) if bayer else NO_LETTER,
            "superscript": superscript, "ra": ra, "dec": -dec if sign == "-" else dec,
            "magnitude": magnitude, "constellation": constellation}


def check(records):
    if len(records) != RECORD_COUNT:
        fail("%d records, expected %d" % (len(records), RECORD_COUNT))
    not_stars = [r["hr"] for r in records if r["letter"] == NOT_A_STAR]
    if not_stars != NOT_STARS:
        fail("entries without a position: HR %s" % ", ".join(map(str, not_stars)))
    without_letter = sum(1 for r in records if r["letter"] == NO_LETTER)
    without_constellation = sum(1 for r in records if not r["constellation"])
    if (without_letter, without_constellation) != (WITHOUT_LETTER_COUNT,
                                                   WITHOUT_CONSTELLATION_COUNT):
        fail("%d stars without a Bayer letter and %d records without a constellation,"
             " expected %d and %d" % (without_letter, without_constellation,
                                      WITHOUT_LETTER_COUNT, WITHOUT_CONSTELLATION_COUNT))


def render(record):
    return '{%d, %d, %r, %r, %rf, TXT("%s")}' % (
        record["letter"], record["superscript"], record["ra"], record["dec"],
        record["magnitude"], record["constellation"])


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    path = os.path.join(args.data, INPUT)
    records = []
    with open(path, encoding="ascii") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            try:
                hr = int(field(line, 1, 4))
            except ValueError:
                fail("line %d: no HR number" % number)
            if hr != number:
                fail("line %d holds HR %d" % (number, hr))
            records.append(read_record(hr, line))
    check(records)
    lines = [
        "constexpr int kBrightStarRecordCount = %d;" % len(records),
        "constexpr int kBrightStarCount = %d;" % (len(records) - len(NOT_STARS)),
        "",
        "// Row i is HR i + 1.",
        "constexpr BrightStarRecord kBrightStarRecords[kBrightStarRecordCount] = {",
    ]
    lines += common.table_rows(records, render, lambda i, r: "HR %d" % r["hr"])
    lines += ["};", ""]
    common.write(args.out, common.header(
        "gen_bright_stars.py", INPUT, "bright_star_data", lines,
        comments=["Bright Star Catalogue, 5th revised ed., Hoffleit & Warren (1991),",
                  "CDS catalogue V/50."],
        includes=["catalog/bright_star_record.h"]))


if __name__ == "__main__":
    main()
