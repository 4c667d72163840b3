// Distances between bodies with their unit: conversion between kilometres,
// miles and astronomical units, reading "384400 km" and writing the number
// with a chosen or an automatic count of decimals.
#pragma once

#include <cstdint>

#include "base/colour_table.h"
#include "base/text_char.h"

namespace corvinata {

class String;

// Marks a distance that is not known.
constexpr double kNoDistance = -1.0;

constexpr double kKilometresPerMile = 1.609344;             // international mile
constexpr double kKilometresPerAstronomicalUnit = 149598500.0;

// The decimals argument of DistanceFormatOrDashes that asks for the
// automatic count.
constexpr std::int32_t kAutomaticDistanceDecimals = -17;

struct DistanceValue {
    double value = kNoDistance;        // in `unit`; kNoDistance when not known
    std::int32_t unit = kKilometres;   // a DistanceUnitId
};

// Converts the value in place to `targetUnit` (kilometres, miles or
// astronomical units), by way of kilometres. A distance that is not known
// stays not known. Units outside those three are never converted: the value
// is left as it is.
void DistanceConvertUnit(DistanceValue& distance, std::int32_t targetUnit) noexcept;

// Reads a non-negative number and a unit code ("km", "mi", "AU", any case)
// separated by optional blanks: "384400 km", "384400km", " 2.5 au ". On
// failure `out` is unchanged.
bool DistanceParse(DistanceValue& out, const Char* text);

// Replaces `out` by the number alone with `decimals` decimals (a negative
// count drops trailing zeros, see FormatDouble).
void DistanceFormat(const DistanceValue& distance, int decimals, String& out);

// Replaces `out` by the number and, when asked, one blank and the unit code;
// "---" alone for a distance that is not known. kAutomaticDistanceDecimals
// gives 3 decimals below 10, then as ChooseDistanceDecimals.
void DistanceFormatOrDashes(String& out, const DistanceValue& distance, int decimals,
                            bool withUnit);

// Decimals for a distance of this magnitude (10 or more): 2 below 100, 1 below
// 1000, none from 1000 on.
int ChooseDistanceDecimals(double magnitude) noexcept;

}  // namespace corvinata
