#include "catalog/quantity_kinds.h"

#include <cmath>

namespace corvinata {
namespace {

constexpr QuantityKind kQuantityKinds[kQuantityKindCount] = {
    {kQuantityTimeOfDay, -1.0, 0.0, 24.0, DecimalsRule::Zero},
    {kQuantityLongitude, -1000.0, 0.0, 360.0, DecimalsRule::Zero},
    {kQuantityLatitude, -1000.0, -90.0, 90.0, DecimalsRule::Zero},
    {kQuantityAngle360, -1000.0, 0.0, 360.0, DecimalsRule::Zero},
    {kQuantityAngle90, -1000.0, -90.0, 90.0, DecimalsRule::Zero},
    {kQuantityAngle180, -1000.0, -180.0, 180.0, DecimalsRule::Zero},
    {kQuantityDistance, -1.0, 0.0, kPlusInfinity, DecimalsRule::ByMagnitude},
    {kQuantityMagnitude, 9999.0, kMinusInfinity, kPlusInfinity, DecimalsRule::One},
    {kQuantityPhase, -1.0, 0.0, 100.0, DecimalsRule::One},
    {kQuantityConstellation, -1.0, 0.0, 87.0, DecimalsRule::Zero},
    // 10
    {kQuantityZodiac, -1.0, 0.0, 11.0, DecimalsRule::Zero},
    {kQuantityDirection, -1000.0, 0.0, 360.0, DecimalsRule::Zero},
    {kQuantityScalar, kPlusInfinity, kMinusInfinity, kPlusInfinity, DecimalsRule::TwoBelow100},
};

}  // namespace

int QuantityKind::Decimals(double value) const noexcept {
    const double size = std::fabs(value);
    switch (decimals_) {
    case DecimalsRule::Zero:
        return 0;
    case DecimalsRule::One:
        return 1;
    case DecimalsRule::ByMagnitude:
        return size < 10.0 ? 3 : size < 100.0 ? 2 : size < 1000.0 ? 1 : 0;
    case DecimalsRule::TwoBelow100:
        return size < 100.0 ? 2 : 0;
    }
    return 0;
}

bool QuantityKind::InRange(double value) const noexcept {
    return value >= minimum_ && value <= maximum_;
}

const QuantityKind* QuantityKindByIndex(int kind) noexcept {
    return kind >= 0 && kind < kQuantityKindCount ? &kQuantityKinds[kind] : nullptr;
}

bool QuantityInRange(const QuantityKind& kind, double value) noexcept {
    return kind.InRange(value);
}

}  // namespace corvinata
