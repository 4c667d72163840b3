#include "base/distance_value.h"

#include <cmath>

#include "base/text_format.h"
#include "base/text_scanner.h"
#include "base/wide_string.h"

namespace corvinata {

namespace {

// Longest unit word read; anything longer is no unit.
constexpr int kMaxUnitWordLength = 100;

bool IsRealUnit(std::int32_t unit) noexcept {
    return unit == kKilometres || unit == kMiles || unit == kAstronomicalUnits;
}

double KilometresPerUnit(std::int32_t unit) noexcept {
    switch (unit) {
        case kMiles: return kKilometresPerMile;
        case kAstronomicalUnits: return kKilometresPerAstronomicalUnit;
        default: return 1.0;
    }
}

// The real unit whose code equals the word with letter case ignored, or
// kDistanceUnitNotFound.
std::int32_t UnitOfCode(const Char* word) noexcept {
    for (std::int32_t unit = kKilometres; unit <= kAstronomicalUnits; ++unit) {
        if (TextEqualsNoCase(word, GetDistanceUnitCode(unit))) return unit;
    }
    return kDistanceUnitNotFound;
}

}  // namespace

void DistanceConvertUnit(DistanceValue& distance, std::int32_t targetUnit) noexcept {
    if (distance.unit == targetUnit) return;
    if (!IsRealUnit(distance.unit) || !IsRealUnit(targetUnit)) return;
    if (distance.value != kNoDistance) {
        const double kilometres = distance.value * KilometresPerUnit(distance.unit);
        distance.value = kilometres / KilometresPerUnit(targetUnit);
    }
    distance.unit = targetUnit;
}

bool DistanceParse(DistanceValue& out, const Char* text) {
    TextScanner scanner(text);
    double value = 0.0;
    Char word[kMaxUnitWordLength + 1] = {0};
    int wordLength = 0;
    bool atEnd = false;
    scanner.SkipBlanks();
    ReadNumber(scanner, value);
    scanner.SkipBlanks();
    ReadWord(scanner, word, kMaxUnitWordLength, 1, &wordLength, WordStop::AtBlank(), &atEnd);
    if (!scanner.ok) return false;
    const std::int32_t unit = UnitOfCode(word);
    if (unit == kDistanceUnitNotFound) return false;
    scanner.SkipBlanks();
    if (!scanner.AtEnd() || !(value >= 0.0)) return false;
    out.value = value;
    out.unit = unit;
    return true;
}

void DistanceFormat(const DistanceValue& distance, int decimals, String& out) {
    FormatDouble(distance.value, decimals, out, false);
}

void DistanceFormatOrDashes(String& out, const DistanceValue& distance, int decimals,
                            bool withUnit) {
    if (distance.value == kNoDistance) {
        StringAssign(out, TXT("---"));
        return;
    }
    if (decimals == kAutomaticDistanceDecimals) {
        const double magnitude = std::fabs(distance.value);
        decimals = magnitude < 10.0 ? 3 : ChooseDistanceDecimals(magnitude);
    }
    DistanceFormat(distance, decimals, out);
    if (withUnit) {
        StringAppend(out, TXT(" "));
        StringAppend(out, GetDistanceUnitCode(distance.unit));
    }
}

int ChooseDistanceDecimals(double magnitude) noexcept {
    if (magnitude < 100.0) return 2;
    if (magnitude < 1000.0) return 1;
    return 0;
}

}  // namespace corvinata
