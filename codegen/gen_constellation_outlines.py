#!/usr/bin/env python3
"""Generate generated/constellation_outlines.h: the constellations' outlines.

Input: constellation_zones_1875.dat (see gen_constellation_zones.py), the zones
of constant right ascension and declination for the equinox B1875.0 that the
boundary lookup searches in order. The sky is cut into cells at every right
ascension and declination a zone names; each cell belongs to the constellation
of the first zone holding its centre. The sides between cells of different
constellations, each kept with its constellation on the left, are chained into
closed outlines (a constellation in two pieces, Serpens, gets two), with runs
along one line merged but never longer than six hours of right ascension, so
that every edge is short of half the circle.
"""
import os

import codegen_common as common
from codegen_common import fail

INPUT = "constellation_zones_1875.dat"
MAX_RUN_HOURS = 6.0


def read_zones(path):
    zones = []
    for number, fields in common.read_fields(path, 4):
        low, high, dec = (float(v) for v in fields[:3])
        if not (0.0 <= low < high <= 24.0 and -90.0 <= dec <= 90.0):
            fail("%s:%d: zone out of range" % (path, number))
        zones.append((low, high, dec, fields[3]))
    return zones


def owner(zones, ra, dec):
    for low, high, lower_dec, name in zones:
        if lower_dec <= dec and low <= ra < high:
            return name
    fail("no zone holds %.4f h %.4f deg" % (ra, dec))


def cells(zones):
    ras = sorted({z[0] for z in zones} | {z[1] for z in zones} | {0.0, 24.0})
    decs = sorted({z[2] for z in zones if z[2] > -90.0} | {-90.0, 90.0})
    grid = [[owner(zones, (ras[i] + ras[i + 1]) / 2, (decs[j] + decs[j + 1]) / 2)
             for j in range(len(decs) - 1)] for i in range(len(ras) - 1)]
    return ras[:-1], decs, grid


def directed_edges(ras, decs, grid):
    """Per constellation, the sides of its cells that border another, each as
    ((ra index, dec index), (ra index, dec index)) with the owner on the left."""
    n, m = len(ras), len(decs) - 1
    edges = {}
    for i in range(n):
        for j in range(m):
            c = grid[i][j]
            own = edges.setdefault(c, [])
            right, left = (i + 1) % n, (i - 1) % n
            if j > 0 and grid[i][j - 1] != c:
                own.append(((i, j), (right, j)))
            if grid[right][j] != c:
                own.append(((right, j), (right, j + 1)))
            if j + 1 < m and grid[i][j + 1] != c:
                own.append(((right, j + 1), (i, j + 1)))
            if grid[left][j] != c:
                own.append(((i, j + 1), (i, j)))
    return edges


def chain(edge_list):
    outgoing = {}
    for a, b in edge_list:
        outgoing.setdefault(a, []).append(b)
    loops = []
    while outgoing:
        start = min(outgoing)
        loop = [start]
        here = start
        while True:
            targets = outgoing[here]
            nxt = targets.pop(0)
            if not targets:
                del outgoing[here]
            if nxt == start:
                break
            loop.append(nxt)
            here = nxt
            if here not in outgoing:
                fail("open outline at %r" % (here,))
        loops.append(loop)
    return loops


def hours_between(ras, a, b):
    d = (ras[b] - ras[a]) % 24.0
    return min(d, 24.0 - d)


def simplify(loop, ras):
    """Drops the points inside straight runs, keeping runs of right ascension
    no longer than MAX_RUN_HOURS."""
    count = len(loop)
    keep = []
    for k in range(count):
        prev, here, nxt = loop[k - 1], loop[k], loop[(k + 1) % count]
        same_dec = prev[1] == here[1] == nxt[1]
        same_ra = prev[0] == here[0] == nxt[0]
        if not (same_dec or same_ra):
            keep.append(k)
    if not keep:
        keep = [0]
    out = []
    for index, k in enumerate(keep):
        out.append(loop[k])
        end = keep[(index + 1) % len(keep)]
        run_start = k
        step = (k + 1) % count
        while step != end:
            if loop[step][1] == loop[run_start][1] and \
                    hours_between(ras, loop[run_start][0], loop[(step + 1) % count][0]) > MAX_RUN_HOURS:
                out.append(loop[step])
                run_start = step
            step = (step + 1) % count
    return out


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    zones = read_zones(os.path.join(args.data, INPUT))
    ras, decs, grid = cells(zones)
    edges = directed_edges(ras, decs, grid)
    outlines = []
    for name in sorted(edges):
        for loop in chain(edges[name]):
            outlines.append((name, [(ras[i], decs[j]) for i, j in simplify(loop, ras)]))
    if len({name for name, _ in outlines}) != 88:
        fail("outlines for %d constellations, expected 88" % len({n for n, _ in outlines}))
    points = []
    rows = []
    for name, loop in outlines:
        rows.append('{TXT("%s"), %d, %d}' % (name, len(points), len(loop)))
        points += ["{%r, %r}" % (ra, dec) for ra, dec in loop]
    lines = [
        "struct OutlinePoint {",
        "    double ra;   // hours, B1875.0",
        "    double dec;  // degrees",
        "};",
        "",
        "struct OutlineRow {",
        "    const Char* abbreviation;",
        "    int first;  // index of its first point",
        "    int count;",
        "};",
        "",
        "constexpr int kOutlineCount = %d;" % len(rows),
        "constexpr int kOutlinePointCount = %d;" % len(points),
        "",
        "constexpr OutlineRow kOutlines[kOutlineCount] = {",
    ]
    lines += common.table_rows(rows, lambda r: r)
    lines += ["};", "", "constexpr OutlinePoint kOutlinePoints[kOutlinePointCount] = {"]
    lines += common.table_rows(points, lambda r: r)
    lines += ["};", ""]
    common.write(args.out, common.header(
        "gen_constellation_outlines.py", INPUT, "constellation_outlines", lines,
        comments=["Outlines of the constellations for the equinox B1875.0, from the zones of Roman (1987)."],
        includes=["base/text_char.h"]))


if __name__ == "__main__":
    main()
