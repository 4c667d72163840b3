#include "documents/axis_tick_sets.h"

#include <cmath>
#include <initializer_list>

namespace corvinata {

namespace {

constexpr double kSecondsPerUnit = 60.0 * 60.0;

// Degrees or hours, minutes, seconds and decimal fractions of a second.
class SexagesimalTickSet final : public AxisTickSet {
public:
    bool IsFractionLevel(int level) const override { return level == 3; }
    AxisUnits ToUnits(double value) const override {
        return RoundToAxisUnits(value * kSecondsPerUnit * static_cast<double>(Factor()));
    }
    AxisUnits UnitOfLevel(int level, int exponent) const override {
        switch (level) {
            case 0: return Factor() * 3600;
            case 1: return Factor() * 60;
            case 2: return Factor();
            default: {
                // Tenths of a second are 10^(e + 3) units with the factor 1000.
                const int power = exponent + 3;
                return power < 1 ? 1 : RoundToAxisUnits(std::pow(10.0, power));
            }
        }
    }
};

// Plain numbers: a 1-2-5 level and a decimal fraction level; also the
// single-level sets (whose level is never a fraction level).
class DecimalTickSet final : public AxisTickSet {
public:
    explicit DecimalTickSet(bool hasFractionLevel) : fraction_(hasFractionLevel) {}
    bool IsFractionLevel(int level) const override { return fraction_ && level == 1; }
    AxisUnits ToUnits(double value) const override {
        return RoundToAxisUnits(value * static_cast<double>(Factor()));
    }
    AxisUnits UnitOfLevel(int, int exponent) const override {
        return RoundToAxisUnits(std::pow(10.0, exponent) * static_cast<double>(Factor()));
    }

private:
    bool fraction_;
};

AxisTickLevel MakeLevel(std::int32_t level, std::initializer_list<AxisUnits> candidates,
                        std::int32_t subdivision, std::int32_t formatCode, std::int32_t next) {
    AxisTickLevel made;
    made.level = level;
    made.candidates.assign(candidates);
    made.subdivision = subdivision;
    made.formatCode = formatCode;
    made.nextLevel = next;
    return made;
}

std::unique_ptr<AxisTickSet> Sexagesimal(std::initializer_list<AxisUnits> levelZero) {
    auto set = std::make_unique<SexagesimalTickSet>();
    set->AddLevel(MakeLevel(0, levelZero, 60, kAxisFormatWhole, 1));
    set->AddLevel(MakeLevel(1, {1, 5, 10, 15, 20, 30, 60}, 60, kAxisFormatMinutes, 2));
    set->AddLevel(MakeLevel(2, {1, 5, 10, 15, 20, 30, 60}, 10, kAxisFormatSeconds, 3));
    set->AddLevel(MakeLevel(3, {1}, 10, kAxisFormatSeconds, 3));
    return set;
}

std::unique_ptr<AxisTickSet> Plain(std::initializer_list<AxisUnits> candidates, AxisUnits factor) {
    auto set = std::make_unique<DecimalTickSet>(false);
    set->AddLevel(MakeLevel(0, candidates, 1, kAxisFormatPlain, -1));
    set->SetFactor(factor);
    return set;
}

}  // namespace

const AxisTickLevel* AxisTickSet::Level(int level) const {
    const auto found = levels_.find(level);
    return found == levels_.end() ? nullptr : &found->second;
}

void AxisTickSet::AddLevel(AxisTickLevel level) {
    const int number = level.level;
    levels_[number] = std::move(level);
}

AxisUnits RoundToAxisUnits(double product) noexcept {
    if (std::isnan(product)) return 0;
    const double limit = static_cast<double>(kAxisUnitLimit);
    if (product >= limit) return kAxisUnitLimit;
    if (product <= -limit) return -kAxisUnitLimit;
    return static_cast<AxisUnits>(product > 0.0 ? product + 0.5 : product - 0.5);
}

std::unique_ptr<AxisTickSet> CreateAxisTicksKind0() { return Sexagesimal({1, 2, 3, 4, 6, 12, 24}); }

std::unique_ptr<AxisTickSet> CreateAxisTicksKind1Alternate() {
    return Sexagesimal({1, 2, 3, 4, 6, 8, 12, 24});
}

std::unique_ptr<AxisTickSet> CreateAxisTicksKind1And3() {
    return Sexagesimal({1, 2, 5, 10, 15, 20, 30, 40, 60, 90, 120, 180, 360});
}

std::unique_ptr<AxisTickSet> CreateAxisTicksKind2And4() {
    return Sexagesimal({1, 2, 5, 10, 15, 30, 45, 90});
}

std::unique_ptr<AxisTickSet> CreateAxisTicksKind5() {
    return Sexagesimal({1, 2, 5, 10, 15, 20, 30, 45, 60, 90, 180});
}

std::unique_ptr<AxisTickSet> CreateAxisTicksKinds6To8And12() {
    auto set = std::make_unique<DecimalTickSet>(true);
    set->AddLevel(MakeLevel(0,
                            {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000, 2500, 5000,
                             10000, 20000, 25000, 50000, 100000, 200000, 250000, 500000, 1000000,
                             2000000, 5000000, 10000000, 20000000, 50000000, 100000000, 200000000,
                             500000000, 1000000000, 2000000000},
                            10, kAxisFormatWhole, 1));
    set->AddLevel(MakeLevel(1, {1, 2, 5}, 10, kAxisFormatWhole, 1));
    return set;
}

std::unique_ptr<AxisTickSet> CreateAxisTicksKind9() { return Plain({1, 2, 4, 8, 11, 22, 44, 88}, 1); }

std::unique_ptr<AxisTickSet> CreateAxisTicksKind10() { return Plain({1, 2, 3, 4, 6, 12}, 1); }

std::unique_ptr<AxisTickSet> CreateAxisTicksKind11() { return Plain({1, 45, 90, 180, 360}, 1000); }

// The hour set of kind 1 (the eight-candidate set up to 24) serves exactly
// the values shown in hours: right ascension, which is a longitude in the
// equatorial system (value system 0), while the application shows right
// ascension in hours. The Graph window's axis then labels such values in
// hours (the value divided by 15) and recreates its iterator when that
// display option changes. Every other longitude, and right ascension shown
// in degrees, gets the degree set up to 360.
bool UsesHourTickSet(int quantityKind, int valueSystem, int raDisplayUnit) noexcept {
    return quantityKind == 1 && valueSystem == 0 && raDisplayUnit == 1;
}

std::unique_ptr<AxisTickSet> CreateAxisTickSet(int quantityKind, int valueSystem, int raDisplayUnit) {
    switch (quantityKind) {
        case 0: return CreateAxisTicksKind0();
        case 1:
            return UsesHourTickSet(quantityKind, valueSystem, raDisplayUnit)
                       ? CreateAxisTicksKind1Alternate()
                       : CreateAxisTicksKind1And3();
        case 3: return CreateAxisTicksKind1And3();
        case 2:
        case 4: return CreateAxisTicksKind2And4();
        case 5: return CreateAxisTicksKind5();
        case 6:
        case 7:
        case 8:
        case 12: return CreateAxisTicksKinds6To8And12();
        case 9: return CreateAxisTicksKind9();
        case 10: return CreateAxisTicksKind10();
        case 11: return CreateAxisTicksKind11();
        default: return nullptr;
    }
}

}  // namespace corvinata
