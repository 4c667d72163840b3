// Body functions: the computable properties of a body (rise, longitude,
// magnitude ...). Each has an id with exactly one bit set, so a request for
// several properties is one 32-bit mask, an English name and the quantity
// kind of its value.
#pragma once

#include <cstdint>

#include "base/text_char.h"

namespace corvinata {

enum BodyFunctionId : std::uint32_t {
    kFunctionLongitude = 1u << 0,
    kFunctionLatitude = 1u << 1,
    kFunctionDistanceFromEarth = 1u << 2,
    kFunctionElongationLongitude = 1u << 3,  // difference in longitude
    kFunctionPhase = 1u << 4,
    kFunctionMagnitude = 1u << 5,
    kFunctionAngularSize = 1u << 6,
    kFunctionDistanceFromSun = 1u << 7,
    kFunctionRise = 1u << 9,
    kFunctionSet = 1u << 10,
    kFunctionMorningTwilightAstronomical = 1u << 11,
    kFunctionEveningTwilightAstronomical = 1u << 12,
    kFunctionDirection = 1u << 13,
    kFunctionAscendingNode = 1u << 14,
    kFunctionDescendingNode = 1u << 15,
    kFunctionMorningTwilightCivil = 1u << 16,
    kFunctionEveningTwilightCivil = 1u << 17,
    kFunctionMorningTwilightNautical = 1u << 18,
    kFunctionEveningTwilightNautical = 1u << 19,
    kFunctionElongationAngular = 1u << 20,  // angular distance
    // Filled by the Moon's calculator for the ephemeris reports; no EventKind.
    kFunctionMoonReportAngle = 1u << 21,
    kFunctionSignOfZodiac = 1u << 22,
    kFunctionHeliocentricLongitude = 1u << 23,
    kFunctionHeliocentricLatitude = 1u << 24,
    kFunctionConstellation = 1u << 25,
    kFunctionBrightLimb = 1u << 26,
    kFunctionRectangularX = 1u << 27,
    kFunctionRectangularY = 1u << 28,
    kFunctionRectangularZ = 1u << 29,
    kFunctionCulmination = 1u << 30,
};

constexpr int kEventKindCount = 29;

// One body function. Instances are immutable and live for the whole run.
class EventKind {
public:
    constexpr EventKind(std::uint32_t id, const Char* name, int quantityKind) noexcept
        : id_(id), name_(name), quantityKind_(quantityKind) {}

    constexpr std::uint32_t GetId() const noexcept { return id_; }
    constexpr const Char* GetName() const noexcept { return name_; }
    // The quantity kind 0..12 of the value (quantity_kinds.h).
    constexpr int GetQuantityKind() const noexcept { return quantityKind_; }

private:
    std::uint32_t id_;
    const Char* name_;
    int quantityKind_;
};

// The global list, in its fixed order ("Ascending node" first, not bit order).
const EventKind& EventKindAt(int position) noexcept;  // 0..kEventKindCount-1
// The kind with that id, or none (several bits, bits 8, 21, 31, 0).
const EventKind* FindEventKind(std::uint32_t id) noexcept;

}  // namespace corvinata
