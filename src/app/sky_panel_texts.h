// What the Sky control panel and the Sky Options dialog show and read back,
// without their windows: the labels of each coordinate system, which rows a
// body type fills, and the lists of the options pages whose order differs
// from the codes they stand for.
#pragma once

#include <cstdint>

#include "base/event_time_pair.h"
#include "base/geo_place.h"
#include "base/text_char.h"
#include "catalog/body_properties.h"

namespace corvinata {

// The coordinate systems in the panel's list order (also their codes).
constexpr int kSkyPanelCoordinateSystems = 4;
const Char* SkyCoordinateSystemName(int system) noexcept;
// The labels of the first and second coordinate of a system (0..3); an
// unknown system gives the equatorial labels.
const Char* SkyFirstCoordinateLabel(int system) noexcept;
const Char* SkySecondCoordinateLabel(int system) noexcept;

// The three-letter abbreviation beside a constellation's name: of the
// constellation number (0..87), and of the constellation a sign of the
// zodiac (0..11) is named after; empty for anything else (-1, no value).
const Char* SkyConstellationAbbreviation(double constellation) noexcept;
const Char* SkyZodiacAbbreviation(double sign) noexcept;
// Their names in a constellation name system (kConstellationClassic: the
// Latin name, kConstellationModern: the English one); empty as above.
const Char* SkyConstellationName(double constellation, int nameSystem) noexcept;
const Char* SkyZodiacName(double sign, int nameSystem) noexcept;

// The rows the selected object fills. A window without a selection shows
// every field empty and disabled.
struct SkyPanelRows {
    bool objectFields = false;  // name, coordinates, rise, set, constellation
    bool magnitude = false;
    bool phase = false;
    bool highlight = false;
};
// bodyType -1 for no selection.
SkyPanelRows SkyPanelRowsFor(int bodyType) noexcept;

// What the panel shows of the selected object (none: nothing), for the
// document's moment: the coordinates in `system`, rise and set in
// `timeSystem`, constellation and sign, and magnitude and phase where the
// body type has them. The rising and setting the links show go with them as
// a pair, on the document's date told in `timeSystem`.
struct SkyPanelObject {
    SkyPanelRows rows;
    PropertyMap values;
    EventTimePair riseSet;
};
SkyPanelObject ComputeSkyPanelObject(const CelestialObject* object, const TimeAndPlace& moment, int system,
                                     int timeSystem);

// One entry of an options list: the text shown and the code kept.
struct SkyOptionChoice {
    const Char* text;
    std::int32_t code;
};

enum class SkyOptionList : int { kHorizon, kMapType, kGridType, kConstellationNames, kDeepSkyCatalogue };
// The list in the order the combo box shows it.
const SkyOptionChoice* SkyOptionChoices(SkyOptionList list, int& count) noexcept;
// The code of a text; a text the list lacks gives the list's fallback
// (horizon 0, map type 2, grid type 0, names 0, catalogue 0).
std::int32_t SkyOptionCodeOf(SkyOptionList list, const Char* text) noexcept;
// The position of a code in the list; the fallback's position when absent.
int SkyOptionPositionOf(SkyOptionList list, std::int32_t code) noexcept;

// The five pages of the Sky Options dialog; a stored tab outside them opens
// "General".
constexpr int kSkyOptionsPageCount = 5;
int SkyOptionsPageOrGeneral(int tab) noexcept;

// The magnitude limit the Stars page gives back: the opening value itself
// while the field still holds what it showed at opening (its one decimal
// would otherwise turn 6.55 into 6.6); else the field's value limited to
// 0..20.
double SkyMagnitudeReadBack(double opened, double shownAtOpening, double current) noexcept;

// The local sidereal time of the moment, hours 0..24, as the one time-system
// conversion makes it (the west-positive longitude subtracted).
double SkyLocalSiderealHours(const TimeAndPlace& moment) noexcept;

}  // namespace corvinata
