// The time zone of a point on the Earth, from the built-in outlines of the
// 89 time zones. The town table stores no offsets: the zone of a town, and
// the one offered for a place the user defines, is looked up here.
#pragma once

#include <cstdint>
#include <optional>

namespace corvinata {

// A vertex of a zone outline, degrees.
struct OutlinePoint {
    double longitude;  // east positive
    double latitude;   // north positive
};

// The limits of an outline, degrees east and north.
struct ZoneBox {
    double west;
    double east;
    double south;
    double north;
};

constexpr int kTimeZoneCount = 89;

// Offset of each zone from Universal time in hours, east positive, by zone
// number. Several zones share an offset: they are separate regions.
constexpr double TimeZoneOffsetTable[kTimeZoneCount] = {
    -12, -11, -10, -9.5, -9,  -8,   -7,   -4,    -1,    0,   // 0-9
    -3,  -2,  -1,  0,    1,   2,    3,    4,     5,     6,   // 10-19
    7,   8,   9,   10,   11,  12,   0,    -1,    12,    5,   // 20-29
    2,   -2,  -8,  8,    -1,  4,    -9,   6,     -10,   -10, // 30-39
    4,   -3.5, 10, 10.5, 11,  -10,  -11,  -11,   -3,    9,   // 40-49
    4,   0,   -5,  3.5,  4.5, 3,    -7,   5.5,   5.75,  6.5, // 50-59
    6,   4,   7,   5.5,  5.5, 10,   12,   6,     -9.5,  9.5, // 60-69
    6.5, 13,  -8.5, 12,  11.5, 10.5, 9,   12.75, 12.75, -12, // 70-79
    5,   5,   6,   -6,   -6,  -3,   -3.5, -4,    -5,         // 80-88
};

// Whether the closed outline points[0..count-1] contains the point.
//
// Crossing test along the point's parallel: an edge counts when one of its
// ends lies north of the parallel and the other does not (so a vertex that
// only touches the parallel, an outline's northern- or southernmost corner,
// is passed once or not at all, never as a spurious single crossing, and an
// edge along the parallel never counts); the point is inside when an odd
// number of such edges cross the parallel west of it. Every crossing counts,
// also where two edges cross at the same longitude: the zero-width slits that
// join several rings into one outline run as twin edges that must cancel.
bool PointInOutline(const OutlinePoint* points, int count, double longitudeEast,
                    double latitude) noexcept;

// Whether zone 0..88 contains the point; false for any other zone number.
bool PointInTimeZone(int zone, double longitudeEast, double latitude) noexcept;

// The lowest-numbered zone containing the point (longitude west positive, as
// a location record keeps it), or none: the open sea belongs to no zone.
std::optional<int> TimeZoneAtPoint(double longitudeWest, double latitude) noexcept;

// Hours east of Universal time at the point (longitude west positive), or
// none outside every zone: the answer for the open sea must not be mistaken
// for a zone at Universal time.
std::optional<double> TimeZoneOffsetAtPoint(double longitudeWest, double latitude) noexcept;

// The outline of zone 0..88 for drawing or testing; count 0 for any other.
struct ZoneOutline {
    const OutlinePoint* points;
    int count;
};
ZoneOutline TimeZoneOutline(int zone) noexcept;

}  // namespace corvinata
