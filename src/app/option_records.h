// The display options of the Sky and Solar System windows: value records
// whose fields are addressed by number, so that one setter, one script clause
// or one command can change a single option.
#pragma once

#include <cstdint>

namespace corvinata {

// Field ids of SkyOptions; kSkyOptionsWhole stands for the whole record.
enum SkyOptionsField : std::int32_t {
    kSkyBoundariesField = 0,
    kSkyLinesField = 1,
    kSkyConstellationNamesField = 2,
    kSkyEclipticField = 3,
    kSkyGridCrossesField = 4,
    kSkyGridLabelsField = 5,
    kSkyGridTypeField = 6,
    kSkyHorizonField = 7,
    kSkyMagnitudeField = 8,
    kSkyMapTypeField = 9,
    kSkyMoonField = 10,
    kSkyDeepSkyColourField = 11,
    kSkyDeepSkyNamesField = 12,
    kSkyDeepSkyCatalogueField = 13,
    kSkyPlanetModeField = 14,
    kSkyPlanetNamesField = 15,
    kSkyPlanetSymbolsField = 16,
    kSkyPlanetTracksField = 17,
    kSkyStarLettersField = 18,
    kSkyStarNamesField = 19,
    kSkySunField = 20,
    kSkyOptionsWhole = 21,
};

// The deep-sky name system of a window that names no deep-sky object (the
// Sky Options dialog's "None"); the blank record's value too.
constexpr std::int32_t kNoDeepSkyNames = 5;

// The blank record marks every field nobody has set with an out-of-range value.
struct SkyOptions {
    std::int32_t mapType = 3;            // 0 horizontal, 1 equatorial, 2 realistic
    std::int32_t gridType = 3;           // 0 none, 1 horizontal, 2 equatorial
    bool gridLabelsOn = false;
    bool gridAsCrosses = false;
    std::int32_t horizonType = 0;        // 0 none, 1 classic, 2 seasonal
    bool sunOn = false;
    bool moonOn = false;
    bool starNamesOn = false;
    bool starLettersOn = false;
    std::int32_t planetDisplayMode = 3;  // 0 none, 1 all, 2 realistic
    bool planetNamesOn = false;
    bool planetSymbolsOn = false;
    bool planetTracksOn = false;
    std::int32_t deepSkyCatalogue = 0;   // 0 none, 1 Messier, 2 NGC/IC, 3 Caldwell, 4 Herschel 400
    std::int32_t deepSkyNameSystem = kNoDeepSkyNames;  // 0 proper, 1 Caldwell, 2 Herschel 400, 3 Messier, 4 NGC/IC
    bool deepSkyColour = false;
    bool eclipticOn = false;
    bool constellationLinesOn = false;
    bool constellationBoundariesOn = false;
    std::int32_t constellationNames = 0; // 0 none, 1 abbreviated, 2 full
    double magnitudeLimit = 9999.0;
};

void SkyOptionsInit(SkyOptions& options) noexcept;
// Copies field `id` (0..20); any other id copies nothing (false).
bool SkyOptionsCopyField(SkyOptions& destination, std::int32_t id, const SkyOptions& source) noexcept;
bool SkyOptionsEqual(const SkyOptions& a, const SkyOptions& b) noexcept;
// Equal apart from the labelling (grid labels, star names and letters,
// planet names and symbols, constellation names, deep-sky name system).
bool SkyOptionsEqualIgnoringView(const SkyOptions& a, const SkyOptions& b) noexcept;
// Whether field `id` is equal in both records (false for an unknown id).
bool SkyOptionsFieldEqual(const SkyOptions& a, const SkyOptions& b, std::int32_t id) noexcept;

enum SolarSystemOptionsField : std::int32_t {
    kZodiacConstellationsField = 0,
    kZodiacRightAscensionField = 1,
    kZodiacSightLinesField = 2,
    kZodiacSignsField = 3,
    kSolarMoonField = 4,
    kSolarNamesField = 5,
    kSolarOrbitsField = 6,
    kSolarFunctionField = 7,
    kSolarSignsField = 8,
    kSolarSystemOptionsWhole = 9,
};

struct SolarSystemOptions {
    bool moonOn = true;
    bool namesOn = true;
    bool signsOn = true;
    bool orbitsOn = true;
    std::int32_t function = 8388608;
    bool zodiacRightAscension = false;
    bool zodiacSigns = false;
    bool zodiacConstellations = false;
    bool zodiacSightLines = false;
};

bool SolarSystemOptionsCopyField(SolarSystemOptions& destination, std::int32_t id,
                                 const SolarSystemOptions& source) noexcept;
bool SolarSystemOptionsEqual(const SolarSystemOptions& a, const SolarSystemOptions& b) noexcept;

}  // namespace corvinata
