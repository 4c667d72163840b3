// Quantity kinds: every computed property, script result and graph value is
// one of 13 kinds. A kind fixes the value that marks "missing", the range of
// valid values and the decimals a value is shown with by default.
#pragma once

#include <limits>

namespace corvinata {

enum QuantityKindId : int {
    kQuantityTimeOfDay = 0,
    kQuantityLongitude = 1,
    kQuantityLatitude = 2,
    kQuantityAngle360 = 3,
    kQuantityAngle90 = 4,
    kQuantityAngle180 = 5,
    kQuantityDistance = 6,
    kQuantityMagnitude = 7,
    kQuantityPhase = 8,
    kQuantityConstellation = 9,
    kQuantityZodiac = 10,
    kQuantityDirection = 11,
    kQuantityScalar = 12,
};

constexpr int kQuantityKindCount = 13;

inline constexpr double kPlusInfinity = std::numeric_limits<double>::infinity();
inline constexpr double kMinusInfinity = -kPlusInfinity;

// How the default decimals of a kind depend on the value.
enum class DecimalsRule : int {
    Zero,          // angles, times, integers
    One,           // magnitude, phase
    ByMagnitude,   // distance: 3 below 10, 2 below 100, 1 below 1000, else 0
    TwoBelow100,   // scalar: 2 below 100, else 0
};

class QuantityKind {
public:
    constexpr QuantityKind(int id, double noneValue, double minimum, double maximum,
                           DecimalsRule decimals) noexcept
        : id_(id), none_(noneValue), minimum_(minimum), maximum_(maximum), decimals_(decimals) {}

    constexpr int Id() const noexcept { return id_; }
    constexpr double GetNoneValue() const noexcept { return none_; }
    // The default decimals of the text of `value`.
    int Decimals(double value) const noexcept;
    constexpr double GetMaximum() const noexcept { return maximum_; }
    constexpr double GetMinimum() const noexcept { return minimum_; }
    // minimum <= value <= maximum, both ends included (NaN is never in range).
    bool InRange(double value) const noexcept;

private:
    int id_;
    double none_;
    double minimum_;
    double maximum_;
    DecimalsRule decimals_;
};

// The descriptor of kind 0..12; none for any other number.
const QuantityKind* QuantityKindByIndex(int kind) noexcept;
bool QuantityInRange(const QuantityKind& kind, double value) noexcept;

}  // namespace corvinata
