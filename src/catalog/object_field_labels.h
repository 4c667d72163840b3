// The labels under which the Object Info pages show the constants of the
// solar-system objects, one per field in the objects' field order. A label
// that ends in "(" is completed by the page with the symbol and the unit.
#pragma once

#include <array>

#include "base/text_char.h"

namespace corvinata {

inline constexpr std::array<const Char*, 9> kSunFieldLabels = {
    TXT("Ecliptic longitude at epoch ("), TXT("Ecliptic longitude of perigee ("),
    TXT("Eccentricity of orbit (e):"),   TXT("Semi-major axis (r"),
    TXT("Angular diameter at r"),        TXT("Radius:"),
    TXT("Mass:"),                        TXT("Mean density:"),
    TXT("Escape velocity:"),
};

inline constexpr std::array<const Char*, 16> kEarthFieldLabels = {
    TXT("Tropical period:"),        TXT("Siderial period:"),
    TXT("Longitude at epoch ("),    TXT("Longitude of perihelion ("),
    TXT("Eccentricity (e):"),       TXT("Mean radius:"),
    TXT("Flattening:"),             TXT("Volume:"),
    TXT("Mass:"),                   TXT("Mean density:"),
    TXT("Escape velocity:"),        TXT("Mean velocity (v):"),
    TXT("Mean distance from Sun:"), TXT("Min. distance from Sun:"),
    TXT("Max. distance from Sun:"), TXT("Circumference of orbit:"),
};

inline constexpr std::array<const Char*, 17> kMoonFieldLabels = {
    TXT("Siderial period:"),
    TXT("Mean longitude of Moon at epoch (l"),
    TXT("Mean longitude of perigee at epoch (P"),
    TXT("Mean longitude of node at epoch (N"),
    TXT("Eccentricity of orbit (e):"),
    TXT("Semi-major axis (a):"),
    TXT("Inclination of orbit (i):"),
    TXT("Angular size at distance a ("),
    TXT("Parallax at distance a ("),
    TXT("Min. distance from Earth:"),
    TXT("Mean distance from Earth:"),
    TXT("Max. distance from Earth:"),
    TXT("Radius:"),
    TXT("Mass:"),
    TXT("Mean density:"),
    TXT("Escape velocity:"),
    TXT("Mean albedo:"),
};

// The 22 constants of PlanetConstants, then the number of moons.
inline constexpr std::array<const Char*, 23> kPlanetFieldLabels = {
    TXT("Tropical period:"),          TXT("Longitude at epoch ("),
    TXT("Longitude of perihelion ("), TXT("Eccentricity (e):"),
    TXT("Semi-major axis (a):"),      TXT("Inclination of orbit (i):"),
    TXT("Longitude of asc. node ("),  TXT("Angular size at 1 AU ("),
    TXT("Brightness factor (A):"),    TXT("Mean velocity (v):"),
    TXT("Min. distance from Sun:"),   TXT("Mean distance from Sun:"),
    TXT("Max. distance from Sun:"),   TXT("Circumference of orbit:"),
    TXT("Min. distance from Earth:"), TXT("Max. distance from Earth:"),
    TXT("Mean radius:"),              TXT("Flattening:"),
    TXT("Mass:"),                     TXT("Volume:"),
    TXT("Mean density:"),             TXT("Escape velocity:"),
    TXT("Moons:"),
};

// Jupiter's satellites carry sidereal periods, Saturn's synodic ones.
inline constexpr std::array<const Char*, 7> kJovianSatelliteFieldLabels = {
    TXT("Diameter:"),        TXT("Mass:"),
    TXT("Mean density:"),    TXT("Semi-major axis:"),
    TXT("Sidereal period of revolution:"), TXT("Eccentricity:"),
    TXT("Inclination:"),
};

inline constexpr std::array<const Char*, 8> kSaturnianSatelliteFieldLabels = {
    TXT("Diameter:"),       TXT("Visual magnitude at mean oppos:"),
    TXT("Mass:"),           TXT("Mean density:"),
    TXT("Semi-major axis:"), TXT("Synodic period of revolution:"),
    TXT("Eccentricity:"),   TXT("Inclination:"),
};

}  // namespace corvinata
