// The layers the Sky timing programs draw: what a planetarium shows by
// default (the horizontal map with the seasonal horizon, every star with
// names, the constellations' figures, boundaries and names, the equatorial
// grid and the ecliptic, the planets with names, the Sun, the Moon and the
// Messier objects with names).
#pragma once

#include "app/option_records.h"

namespace corvinata::timing {

inline SkyOptions PlanetariumLayers() {
    SkyOptions o;
    o.mapType = 0;
    o.gridType = 2;
    o.gridLabelsOn = false;
    o.gridAsCrosses = false;
    o.horizonType = 2;
    o.sunOn = o.moonOn = true;
    o.starNamesOn = true;
    o.starLettersOn = false;
    o.planetDisplayMode = 1;
    o.planetNamesOn = true;
    o.planetSymbolsOn = false;
    o.planetTracksOn = false;
    o.deepSkyCatalogue = 1;
    o.deepSkyNameSystem = 3;
    o.deepSkyColour = false;
    o.eclipticOn = true;
    o.constellationLinesOn = o.constellationBoundariesOn = true;
    o.constellationNames = 2;
    o.magnitudeLimit = 20.0;
    return o;
}

}  // namespace corvinata::timing
