#include "catalog/satellite_catalogues.h"

namespace corvinata {
namespace {

struct SatelliteRow {
    const Char* name;
    int diameter;         // km
    double mass;          // 1e20 kg
    double density;       // kg/m3
    double semiMajorAxis; // thousands of km
    double period;        // days
    double eccentricity;
    double inclination;   // degrees
    double magnitude;     // at mean opposition; Saturn's satellites only
};

constexpr SatelliteRow kJovianRows[] = {
    {TXT("Io"), 3642, 893.2, 3530, 421.6, 1.769138, 0.004, 0.04, 0.0},
    {TXT("Europa"), 3138, 480.0, 3010, 670.9, 3.551181, 0.0101, 0.47, 0.0},
    {TXT("Ganymede"), 5262, 1481.9, 1940, 1070.4, 7.154553, 0.0015, 0.21, 0.0},
    {TXT("Callisto"), 4800, 1075.9, 1830, 1882.7, 16.689018, 0.007, 0.51, 0.0},
};

constexpr SatelliteRow kSaturnianRows[] = {
    {TXT("Mimas"), 400, 0.375, 1140, 185.52, 0.9425, 0.02, 1.52, 12.9},
    {TXT("Enceladus"), 498, 0.65, 1000, 238.02, 1.3704, 0.004, 0.02, 11.7},
    {TXT("Tethys"), 1046, 6.27, 1000, 294.66, 1.8881, 0.0, 1.09, 10.2},
    {TXT("Dione"), 1120, 11.0, 1500, 377.4, 2.7376, 0.002, 0.02, 10.4},
    {TXT("Rhea"), 1528, 23.1, 1240, 527.04, 4.5194, 0.001, 0.35, 9.7},
    {TXT("Titan"), 5150, 1345.5, 1881, 1221.0, 15.9691, 0.029, 0.33, 8.3},
    {TXT("Hyperion"), 286, 0.2, 1500, 1481.1, 21.3188, 0.104, 0.43, 14.2},
    {TXT("Iapetus"), 1460, 15.9, 1020, 3561.3, 79.9202, 0.028, 7.5, 11.0},
};

}  // namespace

JovianSatelliteObject::JovianSatelliteObject(int number, const Char* name, int diameterKm,
                                             double massValue, double density, double periodDays,
                                             double axis, double eccentricityValue,
                                             double inclinationDegrees)
    : CelestialObject(number, name),
      diameter(diameterKm),
      mass(massValue),
      meanDensity(density),
      semiMajorAxis(axis),
      period(periodDays),
      eccentricity(eccentricityValue),
      inclination(inclinationDegrees) {}

SaturnianSatelliteObject::SaturnianSatelliteObject(int number, const Char* name, int diameter,
                                                   double mass, double density, double period,
                                                   double semiMajorAxis, double eccentricity,
                                                   double inclination, double magnitude)
    : CelestialObject(number, name),
      diameter_(diameter),
      magnitude_(magnitude),
      mass_(mass),
      density_(density),
      semiMajorAxis_(semiMajorAxis),
      period_(period),
      eccentricity_(eccentricity),
      inclination_(inclination) {}

JovianSatelliteCatalogue& GetJovianSatelliteCatalogue() {
    static JovianSatelliteCatalogue catalogue;
    return catalogue;
}

SaturnianSatelliteCatalogue& GetSaturnianSatelliteCatalogue() {
    static SaturnianSatelliteCatalogue catalogue;
    return catalogue;
}

bool CreateJupiterSatellites() {
    std::vector<JovianSatelliteObject>& objects = GetJovianSatelliteCatalogue().Objects();
    objects.clear();
    int number = 0;
    for (const SatelliteRow& row : kJovianRows) {
        objects.emplace_back(number++, row.name, row.diameter, row.mass, row.density, row.period,
                             row.semiMajorAxis, row.eccentricity, row.inclination);
    }
    return true;
}

bool CreateSaturnSatellites() {
    std::vector<SaturnianSatelliteObject>& objects = GetSaturnianSatelliteCatalogue().Objects();
    objects.clear();
    int number = 0;
    for (const SatelliteRow& row : kSaturnianRows) {
        objects.emplace_back(number++, row.name, row.diameter, row.mass, row.density, row.period,
                             row.semiMajorAxis, row.eccentricity, row.inclination,
                             row.magnitude);
    }
    return true;
}

}  // namespace corvinata
