#include "catalog/time_zones.h"

#include <cmath>

#include "base/angle_value.h"
#include "generated/time_zones.h"

namespace corvinata {

namespace {

namespace data = time_zone_data;

static_assert(data::kZoneCount == kTimeZoneCount, "the outline file must hold every zone");

constexpr bool FileOffsetsMatchTable() {
    for (int zone = 0; zone < kTimeZoneCount; ++zone) {
        if (data::kFileOffsets[zone] != TimeZoneOffsetTable[zone]) return false;
    }
    return true;
}
static_assert(FileOffsetsMatchTable(), "the outline file's offsets differ from the zone table");

bool InBox(const ZoneBox& box, double longitudeEast, double latitude) noexcept {
    return longitudeEast >= box.west && longitudeEast <= box.east && latitude >= box.south &&
           latitude <= box.north;
}

}  // namespace

bool PointInOutline(const OutlinePoint* points, int count, double longitudeEast,
                    double latitude) noexcept {
    bool inside = false;
    for (int k = 0; k + 1 < count; ++k) {
        const OutlinePoint& a = points[k];
        const OutlinePoint& b = points[k + 1];
        if ((a.latitude > latitude) == (b.latitude > latitude)) continue;
        // The ends lie on either side, so b.latitude != a.latitude.
        const double crossing = a.longitude + (latitude - a.latitude) *
                                                  (b.longitude - a.longitude) /
                                                  (b.latitude - a.latitude);
        if (crossing < longitudeEast) inside = !inside;
    }
    return inside;
}

ZoneOutline TimeZoneOutline(int zone) noexcept {
    if (zone < 0 || zone >= kTimeZoneCount) return {nullptr, 0};
    const std::uint32_t first = data::TimeZonePolygonStarts[zone];
    const std::uint32_t end = data::TimeZonePolygonStarts[zone + 1];
    return {data::TimeZonePolygonPoints + first, static_cast<int>(end - first)};
}

bool PointInTimeZone(int zone, double longitudeEast, double latitude) noexcept {
    if (zone < 0 || zone >= kTimeZoneCount) return false;
    if (!InBox(data::kZoneBoxes[zone], longitudeEast, latitude)) return false;
    const ZoneOutline outline = TimeZoneOutline(zone);
    return PointInOutline(outline.points, outline.count, longitudeEast, latitude);
}

std::optional<int> TimeZoneAtPoint(double longitudeWest, double latitude) noexcept {
    double longitudeEast = -longitudeWest;
    if (longitudeEast < -180.0 || longitudeEast > 180.0) {
        longitudeEast = NormaliseAngle180(longitudeEast);
    }
    // Where outlines overlap, the lower zone number wins.
    const auto search = [latitude](double east) -> std::optional<int> {
        for (int zone = 0; zone < kTimeZoneCount; ++zone) {
            if (PointInTimeZone(zone, east, latitude)) return zone;
        }
        return std::nullopt;
    };
    // 180 degrees east and west are one meridian: a point on it lies in the
    // zone it falls in written either way, the east first.
    if (std::fabs(longitudeEast) == 180.0) {
        if (const std::optional<int> east = search(180.0)) return east;
        return search(-180.0);
    }
    return search(longitudeEast);
}

std::optional<double> TimeZoneOffsetAtPoint(double longitudeWest, double latitude) noexcept {
    const std::optional<int> zone = TimeZoneAtPoint(longitudeWest, latitude);
    if (!zone) return std::nullopt;
    return TimeZoneOffsetTable[*zone];
}

}  // namespace corvinata
