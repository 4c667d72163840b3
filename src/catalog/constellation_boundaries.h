// Constellation boundaries: which constellation contains a position, from
// the published table of zones of constant right ascension and declination
// for the equinox B1875.0 (Roman 1987), searched in table order.
#pragma once

#include <cstdint>

namespace corvinata {

class ConstellationObject;

struct ConstellationZone {
    double lowerRa;           // hours, B1875.0
    double upperRa;           // hours
    double lowerDeclination;  // degrees
    std::int32_t constellation;
};

// Builds the zone list from the table (needs the constellations); false when
// the table names an abbreviation no constellation has.
bool LoadConstellationZones();
// Empties the zone list.
void ClearConstellationZones() noexcept;
int ConstellationZoneCount() noexcept;

// The constellation of the first zone with lower declination <= declination,
// lower RA <= ra and ra < upper RA, for a position of the equinox B1875.0 in
// degrees; none when no zone holds it (a right ascension outside 0..360, a
// declination below -90, or no zones loaded).
const ConstellationObject* FindConstellationAt(double raDegrees, double declination) noexcept;

}  // namespace corvinata
