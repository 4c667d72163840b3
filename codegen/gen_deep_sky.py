#!/usr/bin/env python3
"""Generate generated/deep_sky.h: the NGC and IC objects of NGC 2000.0.

Input: ngc2000.dat (Sinnott 1988, CDS VII/118), one object per line in
ascending right ascension, fixed columns. Every record becomes one
DeepSkyRecord: designation, type code, J2000 position in degrees, the
constellation, the largest dimension in degrees (-1000 unknown), the magnitude
(9999 unknown) and Dreyer's description. The counts of the published
catalogue are checked; any difference stops the build.
"""
import os

import codegen_common as common
from codegen_common import fail

INPUT = "ngc2000.dat"
RECORD_LENGTH = 96

# Type codes of the catalogue in the order of DeepSkyTypeCode, with the
# number of objects of each.
TYPE_CODES = [
    ("Gx", 8682), ("OC", 590), ("Gb", 153), ("Nb", 201), ("Pl", 134),
    ("C+N", 136), ("Ast", 22), ("Kt", 14), ("***", 32), ("D*", 91),
    ("*", 158), ("?", 114), ("", 2431), ("-", 463), ("PD", 1), ("D*?", 3),
    ("*?", 1),
]
NGC_COUNT = 7840
IC_COUNT = 5386
UNKNOWN_SIZE_COUNT = 7619
UNKNOWN_MAGNITUDE_COUNT = 5460


def field(line, first, last):
    """Bytes first..last (1-based, inclusive) of a record."""
    return line[first - 1:last]


def cpp_text(text):
    """A program text literal; the catalogue is plain ASCII."""
    if any(not " " <= ch <= "~" for ch in text):
        fail("non-ASCII or control character in %r" % text)
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    # "??" would open a trigraph.
    return 'TXT("%s")' % escaped.replace("?", "\\?")


def read_record(number, line):
    line = line.rstrip("\n")
    if len(line) > RECORD_LENGTH:
        fail("line %d: longer than %d bytes" % (number, RECORD_LENGTH))
    line = line.ljust(RECORD_LENGTH)
    where = "line %d" % number
    try:
        designation = field(line, 1, 5)
        if designation.startswith("I"):
            catalogue, count = "IC", int(designation[1:])
        else:
            catalogue, count = "NGC", int(designation)
        code = field(line, 7, 9).strip()
        codes = [c for c, _ in TYPE_CODES]
        if code not in codes:
            fail("%s: unknown type code %r" % (where, code))
        hours = int(field(line, 11, 12))
        minutes = float(field(line, 14, 17))
        sign = field(line, 20, 20)
        if sign not in "+-":
            fail("%s: declination sign %r" % (where, sign))
        degrees = int(field(line, 21, 22)) + int(field(line, 24, 25)) / 60.0
        size_text = field(line, 34, 38).strip()
        magnitude_text = field(line, 41, 44).strip()
    except ValueError as error:
        fail("%s: %s" % (where, error))
    constellation = field(line, 30, 32)
    if len(constellation.strip()) != 3:
        fail("%s: constellation %r" % (where, constellation))
    return {
        "catalogue": catalogue,
        "number": count,
        "name": "%s%5d" % (catalogue, count),
        "type": codes.index(code),
        "ra": (hours + minutes / 60.0) * 15.0,
        "dec": -degrees if sign == "-" else degrees,
        "constellation": constellation,
        "size": float(size_text) / 60.0 if size_text else None,
        "magnitude": float(magnitude_text) if magnitude_text else None,
        "description": field(line, 47, 96).rstrip(),
    }


def check(records):
    """Stops the build unless the records are the whole published catalogue."""
    if len(records) != NGC_COUNT + IC_COUNT:
        fail("%d records, expected %d" % (len(records), NGC_COUNT + IC_COUNT))
    for catalogue, count in (("NGC", NGC_COUNT), ("IC", IC_COUNT)):
        numbers = sorted(r["number"] for r in records if r["catalogue"] == catalogue)
        if numbers != list(range(1, count + 1)):
            fail("%s numbers are not exactly 1..%d" % (catalogue, count))
    for index, (code, count) in enumerate(TYPE_CODES):
        found = sum(1 for r in records if r["type"] == index)
        if found != count:
            fail("type %r: %d objects, expected %d" % (code, found, count))
    unknown_sizes = sum(1 for r in records if r["size"] is None)
    unknown_magnitudes = sum(1 for r in records if r["magnitude"] is None)
    if (unknown_sizes, unknown_magnitudes) != (UNKNOWN_SIZE_COUNT, UNKNOWN_MAGNITUDE_COUNT):
        fail("%d unknown sizes and %d unknown magnitudes, expected %d and %d"
             % (unknown_sizes, unknown_magnitudes, UNKNOWN_SIZE_COUNT, UNKNOWN_MAGNITUDE_COUNT))
    for before, after in zip(records, records[1:]):
        if after["ra"] < before["ra"]:
            fail("%s comes after %s but lies west of it" % (after["name"], before["name"]))


def render(record):
    size = repr(record["size"]) + "f" if record["size"] is not None else "kUnknownDeepSkySize"
    magnitude = (repr(record["magnitude"]) + "f" if record["magnitude"] is not None
                 else "kUnknownDeepSkyMagnitude")
    return "{%s, %d, %r, %r, %s, %s, %s, %s}" % (
        cpp_text(record["name"]), record["type"], record["ra"], record["dec"],
        cpp_text(record["constellation"]), size, magnitude, cpp_text(record["description"]))


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    path = os.path.join(args.data, INPUT)
    with open(path, encoding="ascii") as f:
        records = [read_record(number, line) for number, line in enumerate(f, 1)]
    check(records)
    lines = [
        "constexpr int kDeepSkyRecordCount = %d;" % len(records),
        "",
        "// In ascending right ascension, as the catalogue lists them.",
        "constexpr DeepSkyRecord kDeepSkyRecords[kDeepSkyRecordCount] = {",
    ]
    lines += common.table_rows(records, render, lambda i, r: "%d %s" % (i, r["name"]))
    lines += ["};", ""]
    common.write(args.out, common.header(
        "gen_deep_sky.py", INPUT, "deep_sky_data", lines,
        comments=["NGC 2000.0, Sinnott (1988), CDS catalogue VII/118."],
        includes=["catalog/deep_sky_record.h"]))


if __name__ == "__main__":
    main()
