// The "Current Information" page of Object Info without its dialog: which
// fields a body's type offers, their texts for the tool's moment and place,
// and which selectors (coordinate, time and distance systems) they use.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/wide_string.h"
#include "catalog/quantity_values.h"
#include "tools/object_info_state.h"

namespace corvinata {

class CelestialObject;

enum ObjectInfoCurrentControl : int {
    kIdInfoName = 20800,
    kIdInfoCoordinateSystem = 20559,
    kIdInfoTimeSystem = 20560,
    kIdInfoDistanceUnit = 20561,
    kIdInfoFirstAxisCaption = 20564,
    kIdInfoSecondAxisCaption = 20567,
};

// One field of the page: the property bit it shows, its caption and value
// controls and the selector that governs its unit (0: none).
struct ObjectInfoField {
    std::uint32_t bit;
    int caption;
    int value;
    int selector;
};

constexpr int kObjectInfoFieldCount = 19;
const std::array<ObjectInfoField, kObjectInfoFieldCount>& ObjectInfoFields() noexcept;
// The field of a property bit, or none.
const ObjectInfoField* FindObjectInfoField(std::uint32_t bit) noexcept;

struct ObjectInfoFieldText {
    const ObjectInfoField* field;
    String text;
};

// What the page shows: the fields the body's type offers (all others read
// "n.a." and are greyed), in the order of the type's properties.
struct ObjectInfoCurrentTexts {
    String name;
    String firstAxis;
    String secondAxis;
    std::vector<ObjectInfoFieldText> fields;
    bool coordinateSelector = false;
    bool timeSelector = false;
    bool distanceSelector = false;
};

// Computes the page, one property at a time in the order of the body type's
// list, for the state's moment, place and systems, angles and right
// ascensions read as `display` asks (its angleDegreeBase and raDisplayUnit).
ObjectInfoCurrentTexts ComputeObjectInfoCurrent(const CelestialObject& body, const ObjectInfoState& state,
                                                const QuantityFormatRequest& display);

// The texts of the three selectors, in index order.
const Char* ObjectInfoCoordinateSystemName(int index) noexcept;
const Char* ObjectInfoTimeSystemCode(int index) noexcept;
const Char* ObjectInfoDistanceUnitCode(int index) noexcept;

}  // namespace corvinata
