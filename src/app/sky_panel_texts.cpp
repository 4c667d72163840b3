#include "app/sky_panel_texts.h"

#include <algorithm>

#include "app/rise_set_links.h"
#include "astro/coordinates.h"
#include "base/time_systems.h"
#include "catalog/celestial_object.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/event_kinds.h"
#include "catalog/name_systems.h"

namespace corvinata {
namespace {

struct CoordinateLabels {
    const Char* name;
    const Char* first;
    const Char* second;
};

constexpr CoordinateLabels kCoordinateLabels[kSkyPanelCoordinateSystems] = {
    {TXT("Equatorial"), TXT("Right ascension"), TXT("Declination")},
    {TXT("Ecliptical"), TXT("Longitude"), TXT("Latitude")},
    {TXT("Horizontal"), TXT("Azimuth"), TXT("Altitude")},
    {TXT("Galactic"), TXT("Longitude"), TXT("Latitude")},
};

const CoordinateLabels& LabelsOf(int system) noexcept {
    return kCoordinateLabels[system >= 0 && system < kSkyPanelCoordinateSystems ? system : 0];
}

constexpr SkyOptionChoice kHorizonChoices[] = {{TXT("None"), 0}, {TXT("Classic"), 1}, {TXT("Seasonal"), 2}};
constexpr SkyOptionChoice kMapChoices[] = {{TXT("Horizontal"), 0}, {TXT("Equatorial"), 1}, {TXT("Realistic"), 2}};
constexpr SkyOptionChoice kGridChoices[] = {{TXT("Horizontal"), 1}, {TXT("Equatorial"), 2}, {TXT("None"), 0}};
constexpr SkyOptionChoice kNameChoices[] = {{TXT("None"), 0}, {TXT("Abbreviated"), 1}, {TXT("Full"), 2}};
constexpr SkyOptionChoice kCatalogueChoices[] = {
    {TXT("None"), 0}, {TXT("Caldwell"), 3}, {TXT("Herschel400"), 4}, {TXT("Messier"), 1}, {TXT("NGC/IC"), 2}};

struct ListInfo {
    const SkyOptionChoice* choices;
    int count;
    std::int32_t fallback;
};

ListInfo InfoOf(SkyOptionList list) noexcept {
    switch (list) {
    case SkyOptionList::kHorizon: return {kHorizonChoices, 3, 0};
    case SkyOptionList::kMapType: return {kMapChoices, 3, 2};
    case SkyOptionList::kGridType: return {kGridChoices, 3, 0};
    case SkyOptionList::kConstellationNames: return {kNameChoices, 3, 0};
    case SkyOptionList::kDeepSkyCatalogue: return {kCatalogueChoices, 5, 0};
    }
    return {kHorizonChoices, 3, 0};
}

bool SameText(const Char* a, const Char* b) noexcept {
    if (!a || !b) return false;
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

}  // namespace

const Char* SkyCoordinateSystemName(int system) noexcept { return LabelsOf(system).name; }
const Char* SkyFirstCoordinateLabel(int system) noexcept { return LabelsOf(system).first; }
const Char* SkySecondCoordinateLabel(int system) noexcept { return LabelsOf(system).second; }

const Char* SkyConstellationAbbreviation(double constellation) noexcept {
    if (!(constellation >= 0.0 && constellation < kConstellationCount)) return TXT("");
    const ConstellationNames* names = ConstellationNamesAt(static_cast<int>(constellation));
    return names ? names->abbreviation : TXT("");
}

const Char* SkyZodiacAbbreviation(double sign) noexcept {
    if (!(sign >= 0.0 && sign < 12.0)) return TXT("");
    return SkyConstellationAbbreviation(ZodiacSignConstellationIndex(static_cast<int>(sign)));
}

const Char* SkyConstellationName(double constellation, int nameSystem) noexcept {
    if (!(constellation >= 0.0 && constellation < kConstellationCount)) return TXT("");
    const ConstellationNames* names = ConstellationNamesAt(static_cast<int>(constellation));
    if (!names) return TXT("");
    return nameSystem == kConstellationModern ? names->english : names->latin;
}

const Char* SkyZodiacName(double sign, int nameSystem) noexcept {
    if (!(sign >= 0.0 && sign < 12.0)) return TXT("");
    return SkyConstellationName(ZodiacSignConstellationIndex(static_cast<int>(sign)), nameSystem);
}

SkyPanelObject ComputeSkyPanelObject(const CelestialObject* object, const TimeAndPlace& moment, int system,
                                     int timeSystem) {
    SkyPanelObject shown;
    shown.rows = SkyPanelRowsFor(object != nullptr ? object->GetTypeId() : -1);
    if (object == nullptr || !shown.rows.objectFields) return shown;
    const std::uint32_t mask = kFunctionLongitude | kFunctionLatitude | kFunctionRise | kFunctionSet |
                               kFunctionConstellation | kFunctionSignOfZodiac |
                               (shown.rows.magnitude ? kFunctionMagnitude : 0u) |
                               (shown.rows.phase ? kFunctionPhase : 0u);
    ComputeBodyProperties(*object, mask, moment, shown.values,
                          PropertyConventions{system, timeSystem, kAstronomicalUnits});
    shown.riseSet = PanelRiseSet(shown.values, moment, timeSystem);
    return shown;
}

SkyPanelRows SkyPanelRowsFor(int bodyType) noexcept {
    switch (bodyType) {
    case kBodySun: return {true, false, false, true};
    case kBodyMoon: return {true, false, true, true};
    case kBodyPlanet: return {true, true, true, true};
    case kBodyStar:
    case kBodyDeepSky: return {true, true, false, true};
    // The Earth and constellations are never a Sky window's selection:
    // their rows stay empty like those of no selection.
    case kBodyEarth:
    case kBodyConstellation: return {true, false, false, true};
    default: return {};
    }
}

const SkyOptionChoice* SkyOptionChoices(SkyOptionList list, int& count) noexcept {
    const ListInfo info = InfoOf(list);
    count = info.count;
    return info.choices;
}

std::int32_t SkyOptionCodeOf(SkyOptionList list, const Char* text) noexcept {
    const ListInfo info = InfoOf(list);
    for (int i = 0; i < info.count; ++i) {
        if (SameText(info.choices[i].text, text)) return info.choices[i].code;
    }
    return info.fallback;
}

int SkyOptionPositionOf(SkyOptionList list, std::int32_t code) noexcept {
    const ListInfo info = InfoOf(list);
    int fallback = 0;
    for (int i = 0; i < info.count; ++i) {
        if (info.choices[i].code == code) return i;
        if (info.choices[i].code == info.fallback) fallback = i;
    }
    return fallback;
}

int SkyOptionsPageOrGeneral(int tab) noexcept { return tab >= 0 && tab < kSkyOptionsPageCount ? tab : 0; }

double SkyMagnitudeReadBack(double opened, double shownAtOpening, double current) noexcept {
    if (current == shownAtOpening) return opened;
    return std::clamp(current, 0.0, 20.0);
}

double SkyLocalSiderealHours(const TimeAndPlace& moment) noexcept {
    DateTime record = moment.dateTime;
    ConvertTimeSystemAt(record, kLocalSiderealTime, moment.place.longitude.GetValue(),
                        moment.place.timeZone.hours, moment.daylightSaving);
    return record.hours;
}

}  // namespace corvinata
