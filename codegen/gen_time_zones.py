#!/usr/bin/env python3
"""Generate generated/time_zones.h: the outlines of the time zones.

Input: timezone_polygons.txt. For each zone 0, 1, 2 ... in order a line
"zone NUMBER OFFSET COUNT" (OFFSET in hours east of Universal time), then
COUNT lines "LONGITUDE LATITUDE" (degrees east and north). Every outline must
be closed (its last point repeats its first). The point count, the start of
each zone and each zone's bounding box come from the file; the offsets are
written out so that the program can check them against its own table.
"""
import os

import codegen_common as common
from codegen_common import cpp_double, fail

INPUT = "timezone_polygons.txt"
MIN_POINTS = 4


def read_zones(path):
    zones = []  # (offset text, [(lon text, lat text)])
    expected_points = 0
    for number, fields in common.read_fields(path):
        where = "%s:%d" % (path, number)
        if fields and fields[0] == "zone":
            if len(fields) != 4:
                fail("%s: expected 'zone NUMBER OFFSET COUNT'" % where)
            if zones and len(zones[-1][1]) != expected_points:
                fail("%s: the zone before has %d points, not %d"
                     % (where, len(zones[-1][1]), expected_points))
            if int(fields[1]) != len(zones):
                fail("%s: zone %s out of sequence" % (where, fields[1]))
            expected_points = int(fields[3])
            if expected_points < MIN_POINTS:
                fail("%s: a zone needs at least %d points" % (where, MIN_POINTS))
            zones.append((cpp_double(fields[2]), []))
            continue
        if len(fields) != 2 or not zones:
            fail("%s: expected 'LONGITUDE LATITUDE' inside a zone" % where)
        lon, lat = float(fields[0]), float(fields[1])
        if not (-180.0 <= lon <= 180.0 and -90.0 <= lat <= 90.0):
            fail("%s: point out of range" % where)
        zones[-1][1].append((cpp_double(fields[0]), cpp_double(fields[1])))
    if not zones or len(zones[-1][1]) != expected_points:
        fail("%s: the last zone is incomplete" % path)
    for number, (_, points) in enumerate(zones):
        if points[0] != points[-1]:
            fail("%s: the outline of zone %d is not closed" % (path, number))
    return zones


def box(points):
    lons = [float(p[0]) for p in points]
    lats = [float(p[1]) for p in points]
    return "{%r, %r, %r, %r}" % (min(lons), max(lons), min(lats), max(lats))


def main():
    args = common.parse_args(__doc__.splitlines()[0], [INPUT])
    path = os.path.join(args.data, INPUT)
    zones = read_zones(path)
    starts, points = [], []
    for _, outline in zones:
        starts.append(len(points))
        points += outline
    lines = [
        "constexpr int kZoneCount = %d;" % len(zones),
        "constexpr int kPointCount = %d;" % len(points),
        "",
        "// Hours east of Universal time, as the file gives them, by zone.",
        "constexpr double kFileOffsets[kZoneCount] = {",
    ]
    lines += common.table_rows(zones, lambda z: z[0])
    lines += ["};", "",
              "// Index of each zone's first point; zone i ends where zone i + 1 starts.",
              "constexpr std::uint32_t TimeZonePolygonStarts[kZoneCount + 1] = {"]
    lines += common.table_rows(starts + [len(points)], str)
    lines += ["};", "",
              "// West, east, south and north limits of each zone's outline, degrees.",
              "constexpr ZoneBox kZoneBoxes[kZoneCount] = {"]
    lines += common.table_rows(zones, lambda z: box(z[1]))
    lines += ["};", "",
              "// {longitude east, latitude north} in degrees, the zones one after another.",
              "constexpr OutlinePoint TimeZonePolygonPoints[kPointCount] = {"]
    lines += common.table_rows(points, lambda p: "{%s, %s}" % p)
    lines += ["};", ""]
    common.write(args.out, common.header("gen_time_zones.py", INPUT, "time_zone_data", lines,
                                         includes=["catalog/time_zones.h"]))


if __name__ == "__main__":
    main()
