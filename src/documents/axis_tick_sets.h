// The tick candidates of a graph's value axis: for each quantity kind the
// step sizes the axis may use, level by level (hours or degrees, minutes,
// seconds and decimal fractions of a second; 1-2-5 decimals; whole
// constellations, zodiac signs or compass points), and the conversion of
// values into integer units in which steps compare exactly.
//
// Units are 64-bit: a distance in kilometres (Neptune's 4.5 x 10^9 km is
// 4.5 x 10^12 units) or the largest decimal candidate times the factor
// would not fit 32 bits. Conversions saturate at +-kAxisUnitLimit, so that
// no value (however large, or not a number) gives an undefined result and
// the sum of two units still fits.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace corvinata {

using AxisUnits = std::int64_t;

constexpr AxisUnits kAxisUnitLimit = 1000000000000000000LL;  // 10^18

// Format codes a level hands to the label formatter.
enum AxisTickFormat : std::int32_t {
    kAxisFormatPlain = -1,
    kAxisFormatWhole = 1,    // degrees or hours; also both decimal levels
    kAxisFormatMinutes = 2,
    kAxisFormatSeconds = 3,  // also the decimal fractions of a second
};

struct AxisTickLevel {
    std::int32_t level = 0;
    // Allowed multiples of the level's unit, ascending.
    std::vector<AxisUnits> candidates;
    std::int32_t formatCode = kAxisFormatPlain;
    // Units of the next finer level in one unit of this level.
    std::int32_t subdivision = 1;
    // The next finer level; a fraction level names itself (it repeats with
    // a falling exponent); -1 for none.
    std::int32_t nextLevel = -1;
};

class AxisTickSet {
public:
    virtual ~AxisTickSet() = default;

    // Whether the level's unit is a decimal power chosen by an exponent.
    virtual bool IsFractionLevel(int level) const = 0;
    // The value in integer units, rounded half away from zero.
    virtual AxisUnits ToUnits(double value) const = 0;
    // One unit of the level at a decimal exponent, in integer units.
    virtual AxisUnits UnitOfLevel(int level, int exponent) const = 0;

    // The level of that number, or none.
    const AxisTickLevel* Level(int level) const;
    const std::map<int, AxisTickLevel>& Levels() const noexcept { return levels_; }
    // Integer units per unit of the level-0 scale (1000 unless set).
    AxisUnits Factor() const noexcept { return factor_; }
    void SetFactor(AxisUnits factor) noexcept { factor_ = factor; }
    void AddLevel(AxisTickLevel level);

private:
    std::map<int, AxisTickLevel> levels_;
    AxisUnits factor_ = 1000;
};

// value x scale rounded half away from zero (a product of zero or less
// rounds down), saturated at +-kAxisUnitLimit; not a number gives 0.
AxisUnits RoundToAxisUnits(double product) noexcept;

// One creator per set; the caller owns the set.
std::unique_ptr<AxisTickSet> CreateAxisTicksKind0();
std::unique_ptr<AxisTickSet> CreateAxisTicksKind1Alternate();
std::unique_ptr<AxisTickSet> CreateAxisTicksKind1And3();
std::unique_ptr<AxisTickSet> CreateAxisTicksKind2And4();
std::unique_ptr<AxisTickSet> CreateAxisTicksKind5();
std::unique_ptr<AxisTickSet> CreateAxisTicksKinds6To8And12();
std::unique_ptr<AxisTickSet> CreateAxisTicksKind9();
std::unique_ptr<AxisTickSet> CreateAxisTicksKind10();
std::unique_ptr<AxisTickSet> CreateAxisTicksKind11();

// Whether a graph of quantity kind 1 gets the hour set: see the rule at
// CreateAxisTickSet. `raDisplayUnit` is the application's display option
// (1 hours, 0 degrees).
bool UsesHourTickSet(int quantityKind, int valueSystem, int raDisplayUnit) noexcept;
// The set of a graph's value kind (0..12); none for 13 (not known yet) or
// any other number.
std::unique_ptr<AxisTickSet> CreateAxisTickSet(int quantityKind, int valueSystem, int raDisplayUnit);

}  // namespace corvinata
