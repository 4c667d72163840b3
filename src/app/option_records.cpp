#include "app/option_records.h"

namespace corvinata {

namespace {

// Every field of SkyOptions by its id, so that copying and comparing a field
// use one table.
template <class Visit>
bool VisitSkyField(std::int32_t id, Visit visit) {
    switch (id) {
        case kSkyBoundariesField: return visit(&SkyOptions::constellationBoundariesOn);
        case kSkyLinesField: return visit(&SkyOptions::constellationLinesOn);
        case kSkyConstellationNamesField: return visit(&SkyOptions::constellationNames);
        case kSkyEclipticField: return visit(&SkyOptions::eclipticOn);
        case kSkyGridCrossesField: return visit(&SkyOptions::gridAsCrosses);
        case kSkyGridLabelsField: return visit(&SkyOptions::gridLabelsOn);
        case kSkyGridTypeField: return visit(&SkyOptions::gridType);
        case kSkyHorizonField: return visit(&SkyOptions::horizonType);
        case kSkyMagnitudeField: return visit(&SkyOptions::magnitudeLimit);
        case kSkyMapTypeField: return visit(&SkyOptions::mapType);
        case kSkyMoonField: return visit(&SkyOptions::moonOn);
        case kSkyDeepSkyColourField: return visit(&SkyOptions::deepSkyColour);
        case kSkyDeepSkyNamesField: return visit(&SkyOptions::deepSkyNameSystem);
        case kSkyDeepSkyCatalogueField: return visit(&SkyOptions::deepSkyCatalogue);
        case kSkyPlanetModeField: return visit(&SkyOptions::planetDisplayMode);
        case kSkyPlanetNamesField: return visit(&SkyOptions::planetNamesOn);
        case kSkyPlanetSymbolsField: return visit(&SkyOptions::planetSymbolsOn);
        case kSkyPlanetTracksField: return visit(&SkyOptions::planetTracksOn);
        case kSkyStarLettersField: return visit(&SkyOptions::starLettersOn);
        case kSkyStarNamesField: return visit(&SkyOptions::starNamesOn);
        case kSkySunField: return visit(&SkyOptions::sunOn);
        default: return false;
    }
}

template <class Visit>
bool VisitSolarField(std::int32_t id, Visit visit) {
    switch (id) {
        case kZodiacConstellationsField: return visit(&SolarSystemOptions::zodiacConstellations);
        case kZodiacRightAscensionField: return visit(&SolarSystemOptions::zodiacRightAscension);
        case kZodiacSightLinesField: return visit(&SolarSystemOptions::zodiacSightLines);
        case kZodiacSignsField: return visit(&SolarSystemOptions::zodiacSigns);
        case kSolarMoonField: return visit(&SolarSystemOptions::moonOn);
        case kSolarNamesField: return visit(&SolarSystemOptions::namesOn);
        case kSolarOrbitsField: return visit(&SolarSystemOptions::orbitsOn);
        case kSolarFunctionField: return visit(&SolarSystemOptions::function);
        case kSolarSignsField: return visit(&SolarSystemOptions::signsOn);
        default: return false;
    }
}

SkyOptions WithoutLabels(SkyOptions options) {
    options.gridLabelsOn = false;
    options.starNamesOn = false;
    options.starLettersOn = false;
    options.planetNamesOn = false;
    options.planetSymbolsOn = false;
    options.constellationNames = 0;
    options.deepSkyNameSystem = kNoDeepSkyNames;
    return options;
}

}  // namespace

void SkyOptionsInit(SkyOptions& options) noexcept { options = SkyOptions{}; }

bool SkyOptionsCopyField(SkyOptions& destination, std::int32_t id, const SkyOptions& source) noexcept {
    return VisitSkyField(id, [&](auto member) {
        destination.*member = source.*member;
        return true;
    });
}

bool SkyOptionsFieldEqual(const SkyOptions& a, const SkyOptions& b, std::int32_t id) noexcept {
    return VisitSkyField(id, [&](auto member) { return a.*member == b.*member; });
}

bool SkyOptionsEqual(const SkyOptions& a, const SkyOptions& b) noexcept {
    for (std::int32_t id = 0; id < kSkyOptionsWhole; ++id) {
        if (!SkyOptionsFieldEqual(a, b, id)) return false;
    }
    return true;
}

bool SkyOptionsEqualIgnoringView(const SkyOptions& a, const SkyOptions& b) noexcept {
    return SkyOptionsEqual(WithoutLabels(a), WithoutLabels(b));
}

bool SolarSystemOptionsCopyField(SolarSystemOptions& destination, std::int32_t id,
                                 const SolarSystemOptions& source) noexcept {
    return VisitSolarField(id, [&](auto member) {
        destination.*member = source.*member;
        return true;
    });
}

bool SolarSystemOptionsEqual(const SolarSystemOptions& a, const SolarSystemOptions& b) noexcept {
    for (std::int32_t id = 0; id < kSolarSystemOptionsWhole; ++id) {
        if (!VisitSolarField(id, [&](auto member) { return a.*member == b.*member; })) return false;
    }
    return true;
}

}  // namespace corvinata
