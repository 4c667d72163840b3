#!/usr/bin/env python3
"""Generate generated/vsop87.h: the abridged VSOP87D series of Mercury..Neptune.

Input: theory/vsop87_abridged.txt, one term per line,
    PLANET COORD POWER A B C
A in 1e-8 (radian or AU), B in radians, C in radians per Julian millennium.
The number of terms of every power is checked against the abridgement in
Meeus, Astronomical Algorithms, Appendix III; any mismatch stops the build.
"""
import os

import codegen_common as common
from codegen_common import cpp_double, fail

INPUT = "theory/vsop87_abridged.txt"

PLANETS = ["MERCURY", "VENUS", "EARTH", "MARS", "JUPITER", "SATURN", "URANUS",
           "NEPTUNE"]
COORDINATES = ["L", "B", "R"]

# Terms per power of tau, tau^0 first (Meeus, Appendix III).
TERM_COUNTS = {
    "MERCURY": {"L": [38, 16, 10, 8, 6, 1], "B": [14, 11, 9, 7, 2], "R": [13, 8, 7, 5]},
    "VENUS": {"L": [24, 12, 8, 3, 3, 1], "B": [9, 4, 4, 4, 1], "R": [12, 3, 3, 1, 1]},
    "EARTH": {"L": [64, 34, 20, 7, 3, 1], "B": [5, 2], "R": [40, 10, 6, 2, 1]},
    "MARS": {"L": [69, 46, 33, 12, 8, 2], "B": [16, 9, 7, 4, 3], "R": [45, 27, 11, 6, 4]},
    "JUPITER": {"L": [64, 61, 57, 39, 19, 5], "B": [26, 22, 14, 9, 6, 1],
                "R": [46, 43, 36, 28, 15, 7]},
    "SATURN": {"L": [90, 79, 63, 48, 27, 12], "B": [34, 32, 29, 21, 12, 2],
               "R": [44, 38, 32, 28, 23, 18]},
    "URANUS": {"L": [91, 57, 35, 18, 4], "B": [28, 20, 11, 4, 1], "R": [59, 35, 18, 10, 2]},
    "NEPTUNE": {"L": [38, 18, 7, 4, 1], "B": [17, 13, 6, 4, 1], "R": [32, 15, 5, 1]},
}


def read_series(path, bodies):
    """{body: {coord: {power: [(A, B, C), ...]}}} in file order."""
    series = {}
    for number, fields in common.read_fields(path, 6):
        body, coord, power = fields[0], fields[1], fields[2]
        if body not in bodies or coord not in COORDINATES or not power.isdigit():
            fail("%s:%d: unknown series %s %s %s" % (path, number, body, coord, power))
        terms = series.setdefault(body, {}).setdefault(coord, {})
        terms.setdefault(int(power), []).append(tuple(cpp_double(x) for x in fields[3:]))
    return series


def check_counts(series, expected, source):
    for body, coords in expected.items():
        for coord, counts in coords.items():
            got = series.get(body, {}).get(coord, {})
            got_counts = [len(got.get(p, [])) for p in range(max(len(got), len(counts)))]
            if sorted(got) != list(range(len(got))) or got_counts != counts:
                fail("%s: %s %s has %s terms per power, expected %s"
                     % (source, body, coord, got_counts, counts))


def camel(body):
    return "".join(part.capitalize() for part in body.split("_"))


def term_table(name, terms):
    return (["constexpr VsopTerm %s[] = {" % name]
            + common.table_rows(terms, lambda term: "{%s, %s, %s}" % term)
            + ["};"])


def coordinate_tables(prefix, coord, powers, own_powers=None, borrowed=None):
    """Term tables of one coordinate and its power and coordinate series.

    Powers not in own_powers are taken from the tables named by borrowed(p).
    """
    lines = []
    names = []
    for power in range(len(powers)):
        if own_powers is None or power in own_powers:
            name = "k%s%s%d" % (prefix, coord, power)
            lines += term_table(name, powers[power])
            lines.append("")
        else:
            name = borrowed(power)
        names.append("{%d, %s}" % (len(powers[power]), name))
    lines.append("constexpr VsopPowerSeries k%s%sPowers[] = {" % (prefix, coord))
    lines += ["    %s," % n for n in names]
    lines.append("};")
    lines.append("constexpr VsopCoordinateSeries k%s%s = {%d, k%s%sPowers};"
                 % (prefix, coord, len(powers), prefix, coord))
    lines.append("")
    return lines


def planet_set(prefix):
    return ["constexpr PlanetSeries k%sSeries = {&k%sL, &k%sB, &k%sR};"
            % (prefix, prefix, prefix, prefix), ""]


def header(generator, source, body_lines, includes=("astro/planet_series.h",)):
    return common.header(generator, source, "vsop87_data", body_lines, [
        "Terms A cos(B + C tau): A in 1e-8 radian (L, B) or 1e-8 AU (R), B in",
        "radians, C in radians per Julian millennium; a marker every ten rows.",
    ], includes)


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    series = read_series(os.path.join(args.data, INPUT), PLANETS)
    check_counts(series, TERM_COUNTS, INPUT)
    lines = []
    for body in PLANETS:
        prefix = camel(body)
        for coord in COORDINATES:
            lines += coordinate_tables(prefix, coord, series[body][coord])
        lines += planet_set(prefix)
    common.write(args.out, header("gen_vsop87.py", INPUT, lines))


if __name__ == "__main__":
    main()
