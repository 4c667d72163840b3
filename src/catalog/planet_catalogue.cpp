#include "catalog/planet_catalogue.h"

namespace corvinata {
namespace {

struct PlanetRow {
    const Char* name;
    int moons;
    PlanetConstants constants;
};

// Columns as PlanetConstants lists them: period (tropical years), longitude
// at epoch, longitude of perihelion, eccentricity, semi-major axis (AU),
// inclination, node (degrees); angular size at 1 AU ("), brightness factor,
// mean velocity (km/s), least, mean and greatest distance from the Sun (AU),
// circumference (millions of km), least and greatest distance from the Earth
// (AU); mean radius (km), flattening, mass (kg), volume (Earth = 1), density
// (g/cm3), escape velocity (km/s).
const PlanetRow kPlanetRows[kPlanetCount] = {
    {TXT("Mercury"), 0,
     {0.24085, 231.2973, 77.1442128, 0.2056306, 0.3870986, 7.0043579, 48.0941733, 6.72,
      1.918e-6, 47.9, 0.31, 0.387, 0.47, 360.0, 0.53, 1.47, 2439.0, 0.0, 3.302e23, 0.056,
      5.43, 4.25}},
    {TXT("Venus"), 0,
     {0.61521, 355.73352, 131.2895792, 0.0067826, 0.7233316, 3.394435, 76.4997524, 16.82,
      1.721e-5, 35.0, 0.72, 0.723, 0.73, 680.0, 0.26, 1.74, 6052.0, 0.0, 4.869e24, 0.857, 5.24,
      10.4}},
    {TXT("Mars"), 2,
     {1.88089, 126.30783, 335.6908166, 0.0933865, 1.5236883, 1.8498011, 49.4032001, 9.36,
      4.539e-6, 24.1, 1.38, 1.524, 1.67, 1400.0, 0.37, 2.67, 3390.0, 1.0 / 171.0, 6.419e23,
      0.151, 3.93, 5.02}},
    {TXT("Jupiter"), 15,
     {11.86224, 146.966365, 14.0095493, 0.0484658, 5.202561, 1.3041819, 100.2520175, 196.88,
      1.994e-4, 13.1, 4.95, 5.205, 5.45, 4900.0, 3.93, 6.46, 69898.0, 1.0 / 15.9, 1.8988e27,
      1320.6, 1.33, 57.6}},
    {TXT("Saturn"), 14,
     {29.45771, 165.322242, 92.6653974, 0.0556155, 9.554747, 2.4893741, 113.4888341, 165.46,
      1.74e-4, 9.6, 8.98, 9.576, 10.09, 9000.0, 7.97, 11.08, 57815.0, 1.0 / 9.2, 5.684e26,
      747.3, 0.7, 33.4}},
    {TXT("Uranus"), 5,
     {84.01247, 228.0708551, 172.7363288, 0.0463232, 19.21814, 0.7729895, 73.8768642, 70.04,
      7.768e-5, 6.8, 18.28, 19.281, 20.09, 18000.0, 17.31, 21.12, 50841.0, 0.02, 8.698e25,
      63.4, 1.27, 20.6}},
    {TXT("Neptune"), 2,
     {164.79558, 260.3578998, 47.8672148, 0.0090021, 30.10957, 1.7716017, 131.5606494, 67.0,
      7.597e-5, 5.4, 29.79, 30.142, 30.33, 28000.0, 28.77, 31.34, 48547.0, 1.0 / 43.0,
      1.028e26, 55.5, 1.71, 23.7}},
    {TXT("Pluto"), 1,
     {250.9, 209.439, 222.972, 0.25387, 39.78459, 17.137, 109.941, 4.14, 4.073e-6, 4.7, 29.58,
      39.88, 49.3, 37000.0, 28.58, 50.3, 3500.0, 0.0, 1.5e22, 0.021, 0.7, 0.0}},
};

}  // namespace

void PlanetSetConstants(PlanetObject& planet, const Char* name, int index, int moonCount,
                        const PlanetConstants& constants) {
    planet.number_ = index;
    StringAssign(planet.name_, name);
    planet.constants_ = constants;
    planet.moonCount_ = moonCount;
}

PlanetCatalogue& GetPlanetCatalogue() {
    static PlanetCatalogue catalogue;
    return catalogue;
}

bool CreatePlanetCatalogue() {
    std::vector<PlanetObject>& objects = GetPlanetCatalogue().Objects();
    objects.clear();
    objects.resize(kPlanetCount);
    for (int i = 0; i < kPlanetCount; ++i) {
        const PlanetRow& row = kPlanetRows[i];
        PlanetSetConstants(objects[static_cast<std::size_t>(i)], row.name, i, row.moons,
                           row.constants);
    }
    return true;
}

const PlanetObject* PlanetRecordAt(int number) noexcept { return GetPlanetCatalogue().At(number); }

const PlanetObject* JupiterPlanetRecord() noexcept { return PlanetRecordAt(kJupiterPlanetNumber); }

const PlanetObject* SaturnPlanetRecord() noexcept { return PlanetRecordAt(kSaturnPlanetNumber); }

}  // namespace corvinata
