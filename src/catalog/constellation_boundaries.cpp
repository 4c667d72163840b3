#include "catalog/constellation_boundaries.h"

#include <vector>

#include "catalog/constellation_catalogue.h"
#include "generated/constellation_zones.h"

namespace corvinata {
namespace {

std::vector<ConstellationZone>& Zones() {
    static std::vector<ConstellationZone> zones;
    return zones;
}

}  // namespace

bool LoadConstellationZones() {
    std::vector<ConstellationZone>& zones = Zones();
    zones.clear();
    zones.reserve(constellation_zones::kZoneCount);
    for (const constellation_zones::ZoneRow& row : constellation_zones::kZones) {
        const ConstellationObject* constellation = FindConstellationByAbbreviation(row.abbreviation);
        if (!constellation) return false;
        zones.push_back({row.lowerRa, row.upperRa, row.lowerDeclination, constellation->Number()});
    }
    return true;
}

void ClearConstellationZones() noexcept { std::vector<ConstellationZone>().swap(Zones()); }

int ConstellationZoneCount() noexcept { return static_cast<int>(Zones().size()); }

const ConstellationObject* FindConstellationAt(double raDegrees, double declination) noexcept {
    const double ra = raDegrees / 15.0;
    for (const ConstellationZone& zone : Zones()) {
        if (zone.lowerDeclination <= declination && zone.lowerRa <= ra && ra < zone.upperRa)
            return GetConstellationCatalogue().At(zone.constellation);
    }
    return nullptr;
}

}  // namespace corvinata
