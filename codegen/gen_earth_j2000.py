#!/usr/bin/env python3
"""Generate generated/earth_j2000.h: the Earth's series for the J2000.0 ecliptic.

Input: theory/earth_j2000.txt (format of the VSOP87 tables, body EARTH_J2000),
the modified Earth terms of Meeus, Astronomical Algorithms, ch. 26 (VSOP87B).
Its L0, B0 and R are the Earth's series of date row for row; the generator
checks that against theory/vsop87_abridged.txt and refers to those tables of
generated/vsop87.h instead of repeating them.
"""
import os

import codegen_common as common
import gen_vsop87 as vsop

INPUT = "theory/earth_j2000.txt"

TERM_COUNTS = {
    "EARTH_J2000": {"L": [64, 34, 20, 7, 2], "B": [5, 7, 4, 3, 2], "R": [40, 10, 6, 2, 1]},
}


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT, vsop.INPUT])
    j2000 = vsop.read_series(os.path.join(args.data, INPUT), ["EARTH_J2000"])
    vsop.check_counts(j2000, TERM_COUNTS, INPUT)
    j2000 = j2000["EARTH_J2000"]
    earth = vsop.read_series(os.path.join(args.data, vsop.INPUT), vsop.PLANETS)["EARTH"]
    shared = [("L", 0), ("B", 0)] + [("R", p) for p in range(len(j2000["R"]))]
    for coord, power in shared:
        if j2000[coord][power] != earth[coord].get(power):
            common.fail("%s: %s%d differs from the Earth's series of date" % (INPUT, coord, power))

    lines = []
    lines += vsop.coordinate_tables("EarthJ2000", "L", j2000["L"], range(1, 5),
                                    lambda p: "kEarthL%d" % p)
    lines += vsop.coordinate_tables("EarthJ2000", "B", j2000["B"], range(1, 5),
                                    lambda p: "kEarthB%d" % p)
    lines.append("// The radius vector does not depend on the reference plane.")
    lines.append("constexpr PlanetSeries kEarthJ2000Series = {&kEarthJ2000L, &kEarthJ2000B, &kEarthR};")
    lines.append("")
    common.write(args.out, vsop.header("gen_earth_j2000.py", INPUT, lines,
                                       ["astro/planet_series.h", "generated/vsop87.h"]))


if __name__ == "__main__":
    main()
