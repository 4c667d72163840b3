#!/usr/bin/env python3
"""Generate generated/towns.h: the built-in town table.

Input: towns.csv, one header line and one line per town:
country,region,town,latitude,longitude,elevation (degrees north and east,
metres). The lookups rely on the order checked here: every country is one
contiguous group, the groups in alphabetical order except for the pairs of
ORDER_EXCEPTIONS, and no town name repeats within a country (case ignored).
"""
import os

import codegen_common as common
from codegen_common import cpp_double, fail

INPUT = "towns.csv"
HEADER = "country,region,town,latitude,longitude,elevation"
TOWN_COUNT = 2003
COUNTRY_COUNT = 202
# (first, second): second sorts before first alphabetically but follows it.
ORDER_EXCEPTIONS = [
    ("Congo (Democratic Republic)", "Congo"),
    ("Netherlands Antilles", "Netherlands"),
]


def text_literal(text, where):
    if any(ord(c) < 0x20 or ord(c) > 0x7E or c in '"\\' for c in text):
        fail("%s: text %r must be printable ASCII without quotes or backslashes" % (where, text))
    return 'TXT("%s")' % text


def read_rows(path):
    rows = []
    with open(path, encoding="ascii") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0] != HEADER:
        fail("%s: the first line must be %r" % (path, HEADER))
    for number, line in enumerate(lines[1:], 2):
        where = "%s:%d" % (path, number)
        fields = line.split(",")
        if len(fields) != 6:
            fail("%s: expected 6 fields" % where)
        country, region, town, latitude, longitude, elevation = fields
        if not country or not town:
            fail("%s: country and town must not be empty" % where)
        if not -90.0 <= float(latitude) <= 90.0 or not -180.0 <= float(longitude) <= 180.0:
            fail("%s: coordinates out of range" % where)
        rows.append((text_literal(country, where), text_literal(region, where),
                     text_literal(town, where), cpp_double(latitude), cpp_double(longitude),
                     str(int(elevation)), country, town))
    return rows


def check_order(path, rows):
    if len(rows) != TOWN_COUNT:
        fail("%s: %d towns, expected %d" % (path, len(rows), TOWN_COUNT))
    groups = []
    towns_seen = {}
    for row in rows:
        country, town = row[6], row[7]
        if not groups or groups[-1] != country:
            if country in towns_seen:
                fail("%s: the towns of %s are not one group" % (path, country))
            groups.append(country)
            towns_seen[country] = set()
        if town.lower() in towns_seen[country]:
            fail("%s: %s occurs twice in %s" % (path, town, country))
        towns_seen[country].add(town.lower())
    if len(groups) != COUNTRY_COUNT:
        fail("%s: %d countries, expected %d" % (path, len(groups), COUNTRY_COUNT))
    expected = sorted(groups)
    for first, second in ORDER_EXCEPTIONS:
        i, j = expected.index(first), expected.index(second)
        if j + 1 != i:
            fail("%s: %s must sort directly before %s" % (path, second, first))
        expected[j], expected[i] = first, second
    if groups != expected:
        wrong = next(g for g, e in zip(groups, expected) if g != e)
        fail("%s: country %s is out of order" % (path, wrong))


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    path = os.path.join(args.data, INPUT)
    rows = read_rows(path)
    check_order(path, rows)
    lines = [
        "constexpr int kTownCount = %d;" % len(rows),
        "",
        "// country, region, town, latitude (N), longitude (E), elevation (m)",
        "constexpr TownRecord kTowns[kTownCount] = {",
    ]
    lines += common.table_rows(rows, lambda r: "{%s, %s, %s, %s, %s, %s}" % r[:6],
                               lambda i, r: "%d: %s" % (i, r[6]))
    lines += ["};", ""]
    common.write(args.out, common.header("gen_towns.py", INPUT, "town_data", lines,
                                         includes=["catalog/town_table.h"]))


if __name__ == "__main__":
    main()
