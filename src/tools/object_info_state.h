// Object Info's stored state: where its window stands, the body it shows, its
// page, the Browse step, the coordinate, time and distance systems of the
// "Current Information" page, and the moment and place it is computed for.
#pragma once

#include <cstdint>

#include "base/date_time_location.h"
#include "base/geo_place.h"
#include "base/settings_tree.h"
#include "base/time_step.h"
#include "catalog/catalogue_registry.h"

namespace corvinata {

constexpr int kObjectInfoCurrentTab = 0;
constexpr int kObjectInfoPhysicalTab = 1;
constexpr int kObjectInfoOrbitalTab = 2;
constexpr int kObjectInfoTabCount = 3;

// The tables the stored systems index.
constexpr int kObjectInfoCoordinateSystemCount = 4;  // Equatorial, Ecliptical, Horizontal, Galactic
constexpr int kObjectInfoTimeSystemCount = 4;        // UT, GST, LCT, LST
constexpr int kObjectInfoDistanceSystemCount = 3;    // km, mi, AU

struct ObjectInfoState {
    std::int32_t x = 200;
    std::int32_t y = 100;
    bool visible = false;
    BodyIdentifier selectedBody;
    // Kept as stored: a tab outside the three shows no page.
    std::int32_t tab = kObjectInfoCurrentTab;
    TimeStep step{kDaysUnit, 1};
    std::int32_t coordinateSystem = 0;
    std::int32_t timeSystem = 2;
    std::int32_t distanceSystem = 2;
    TimeAndPlace timeAndPlace;
};

// The defaults, with `sun` selected and the application's moment and place,
// so that no page is ever computed for an unset time.
ObjectInfoState DefaultObjectInfoState(const CelestialObject* sun, const DateTimeLocation& current);

// Reads "\Object Info" below the tree's root over the defaults. A system
// outside its table, a step type outside the units or a step count below 1
// takes its default, as a missing value does; an unreadable "Selected Body"
// selects `sun`.
ObjectInfoState LoadObjectInfoState(SettingsTree& tree, const CelestialObject* sun, const DateTimeLocation& current);
bool SaveObjectInfoState(SettingsTreeWriter& writer, const ObjectInfoState& state);

}  // namespace corvinata
