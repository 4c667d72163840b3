// The Solar System document's numbers from the program's property
// evaluation: heliocentric longitude and radius vector of the planets and
// the Earth, and the Moon's geocentric ecliptic longitude.
#pragma once

#include "app/solar_system_document.h"
#include "base/wide_string.h"

namespace corvinata {

class CatalogueSolarSystemComputer final : public SolarSystemComputer {
public:
    int PlanetCount() const override;
    double OrbitalPeriodYears(int body) const override;
    // angle: heliocentric longitude (degrees); value: distance from the Sun
    // in astronomical units.
    SolarSystemPoint Compute(int body, const TimeAndPlace& moment) override;
    double ComputeMoonAngle(const TimeAndPlace& moment) override;
};

// The text of the control panel's "Value" cell for planet number 0..8
// (2 the Earth): "n.a." when the body's type does not offer the quantity,
// else the value as the display formats write it.
void SolarSystemValueCellText(int planetNumber, std::uint32_t quantityId, const TimeAndPlace& moment,
                              String& out);

}  // namespace corvinata
