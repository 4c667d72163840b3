#include "views/axis_tick_iterator.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvinata {

namespace {

// The level walks follow next-level links, and a fraction level links to
// itself: no set has more than a handful of levels, nor a fraction level
// more exponents than 64-bit units hold.
constexpr int kLevelWalkLimit = 40;

int RoundPixel(double pixel) noexcept {
    constexpr double limit = 1.0e9;
    if (!(pixel == pixel)) return 0;
    pixel = std::clamp(pixel, -limit, limit);
    return static_cast<int>(pixel >= 0.0 ? pixel + 0.5 : pixel - 0.5);
}

AxisUnits FloorDiv(AxisUnits a, AxisUnits b) noexcept {
    AxisUnits q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

AxisTickIterator::AxisTickIterator(std::unique_ptr<AxisTickSet> set) : set_(std::move(set)) {}

void AxisTickIterator::SetResolution(AxisUnits unitsPerValue) noexcept {
    if (unitsPerValue > 0) set_->SetFactor(unitsPerValue);
}

AxisUnits AxisTickIterator::UnitOf(int level, int exponent) const {
    const AxisUnits unit = set_->UnitOfLevel(level, exponent);
    if (unit < 1) return 0;
    // A fraction level's unit must still be a tenth of the next coarser
    // exponent's: below one integer unit the set can only round.
    if (set_->IsFractionLevel(level) && set_->UnitOfLevel(level, exponent + 1) != unit * 10) return 0;
    return unit;
}

AxisTickLabels AxisTickIterator::Compute(double minimum, double maximum, int pixelLength,
                                         int tickSpacing, int labelSpacing) {
    chosen_.clear();
    ticks_.clear();
    cursor_ = 0;
    tickStep_ = 0;
    labelLevel_ = -1;
    labelExponent_ = 0;
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || !(maximum > minimum) ||
        pixelLength <= 0 || tickSpacing <= 0 || pixelLength < tickSpacing) {
        return {};
    }
    ChooseLevels(minimum, maximum, pixelLength, tickSpacing);
    MakeTicks(minimum, maximum, pixelLength);
    return ChooseTickStep(minimum, maximum, pixelLength, labelSpacing);
}

void AxisTickIterator::ChooseLevels(double a, double b, int pixelLength, int tickSpacing) {
    double range = b - a;
    double pixels = pixelLength;
    if ((a >= 0.0) != (b >= 0.0)) {
        // The ticks must fall on zero: the step comes from the larger side.
        range = std::max(-a, b);
        pixels = std::trunc(pixels * range / (b - a));
    }
    int level = 0;
    int exponent = 0;
    for (int walk = 0; walk < kLevelWalkLimit; ++walk) {
        const AxisTickLevel* entry = set_->Level(level);
        if (entry == nullptr || entry->candidates.empty()) return;
        if (set_->IsFractionLevel(level)) --exponent;
        // Finer than one integer unit no step is exact.
        if (UnitOf(level, exponent) == 0) return;
        bool found = false;
        AxisUnits multiple = 0;
        if (range >= 1.0) {
            const double fit = std::trunc(pixels / tickSpacing);
            if (fit < 1.0) return;
            const double wanted = std::floor(range / fit);
            for (AxisUnits candidate : entry->candidates) {
                if (static_cast<double>(candidate) >= wanted) {
                    multiple = candidate;
                    found = true;
                    break;
                }
            }
        }
        if (found) {
            chosen_.push_back({multiple, level, exponent});
            if (multiple > 1) return;
            // A step of one unit: minor ticks inside that unit, one level finer.
            pixels = std::round(pixels / range);
            range = entry->subdivision;
        } else {
            if (!chosen_.empty()) return;
            range *= entry->subdivision;
        }
        level = entry->nextLevel;
        if (level < 0) return;
    }
}

void AxisTickIterator::LevelOfValue(AxisUnits value, int& level, int& exponent) const {
    const AxisChosenLevel& finest = chosen_.back();
    int walkLevel = 0;
    int walkExponent = 0;
    for (int walk = 0; walk < kLevelWalkLimit && walkLevel >= 0; ++walk) {
        if (set_->IsFractionLevel(walkLevel)) --walkExponent;
        const AxisUnits unit = UnitOf(walkLevel, walkExponent);
        if (unit == 0) break;
        if (value % unit == 0 || (walkLevel == finest.level && walkExponent == finest.exponent)) {
            level = walkLevel;
            exponent = walkExponent;
            return;
        }
        const AxisTickLevel* entry = set_->Level(walkLevel);
        walkLevel = entry == nullptr ? -1 : entry->nextLevel;
    }
    level = finest.level;
    exponent = finest.exponent;
}

void AxisTickIterator::MakeTicks(double a, double b, int pixelLength) {
    if (chosen_.empty()) return;
    const AxisChosenLevel& finest = chosen_.back();
    const AxisUnits unit = UnitOf(finest.level, finest.exponent);
    if (unit == 0 || finest.multiple > std::numeric_limits<AxisUnits>::max() / 4 / unit) return;
    const AxisUnits step = finest.multiple * unit;
    const AxisUnits u1 = set_->ToUnits(a);
    const AxisUnits u2 = set_->ToUnits(b);
    if (step <= 0 || u2 <= u1) return;
    tickStep_ = step;
    const double span = static_cast<double>(u2 - u1);
    const double pixelsPerStep = pixelLength * static_cast<double>(step) / span;
    const AxisUnits first = FloorDiv(u1, step) * step;
    const double p0 = static_cast<double>(first - u1) * pixelLength / span;
    // Ticks run up to the end of the range, inclusive, so that its top value
    // is marked when it falls on a step. The level search keeps ticks
    // tickSpacing pixels apart; the cap holds
    // whatever the rounding of the range into units did.
    const AxisUnits limit = static_cast<AxisUnits>(pixelLength) + 2;
    AxisUnits value = first;
    for (AxisUnits k = 0; value <= u2 && k < limit; ++k, value += step) {
        AxisTick tick;
        tick.value = value;
        tick.pixel = RoundPixel(static_cast<double>(k) * pixelsPerStep + std::round(p0));
        LevelOfValue(value, tick.level, tick.exponent);
        if (tick.level > labelLevel_) {
            labelLevel_ = tick.level;
            labelExponent_ = tick.exponent;
        } else if (tick.level == labelLevel_ && tick.exponent < labelExponent_) {
            labelExponent_ = tick.exponent;
        }
        ticks_.push_back(tick);
    }
}

AxisTickLabels AxisTickIterator::ChooseTickStep(double a, double b, int pixelLength,
                                                int labelSpacing) const {
    AxisTickLabels labels;
    if (chosen_.empty() || ticks_.empty() || tickStep_ <= 0) return labels;
    // Units per pixel kept as a fraction: fine ranges have far fewer than
    // one unit per pixel.
    const double unitsPerPixel =
        static_cast<double>(set_->ToUnits(b) - set_->ToUnits(a)) / pixelLength;
    if (!(unitsPerPixel > 0.0)) return labels;
    AxisUnits labelStep = 0;
    for (int index = static_cast<int>(chosen_.size()) - 1; index >= 0 && labelStep == 0; --index) {
        const AxisChosenLevel& entry = chosen_[static_cast<std::size_t>(index)];
        const AxisUnits unit = UnitOf(entry.level, entry.exponent);
        const AxisTickLevel* level = set_->Level(entry.level);
        if (unit == 0 || level == nullptr) continue;
        const AxisUnits m = entry.multiple;
        auto next = std::find(level->candidates.begin(), level->candidates.end(), m);
        AxisUnits current = m;
        while (true) {
            if (static_cast<double>(current) * static_cast<double>(unit) / unitsPerPixel >= labelSpacing) {
                labelStep = current * unit;
                break;
            }
            // The next multiple of the list that m divides: labels then fall on ticks.
            if (next != level->candidates.end()) ++next;
            next = std::find_if(next, level->candidates.end(),
                                [m](AxisUnits candidate) { return m > 0 && candidate % m == 0; });
            if (next == level->candidates.end()) break;
            current = *next;
        }
    }
    if (labelStep <= 0) return labels;
    labels.interval = static_cast<int>(std::max<AxisUnits>(1, labelStep / tickStep_));
    const int count = static_cast<int>(ticks_.size());
    for (int i = 0; i < count; ++i) {
        if (ticks_[static_cast<std::size_t>(i)].value % labelStep == 0) {
            labels.first = i;
            break;
        }
    }
    for (int i = count - 1; i >= 0 && labels.first >= 0; --i) {
        if (ticks_[static_cast<std::size_t>(i)].value % labelStep == 0) {
            labels.last = i;
            break;
        }
    }
    if (labels.first < 0) labels.last = -1;
    return labels;
}

bool AxisTickIterator::First(AxisUnits& value, int& pixel) {
    cursor_ = 0;
    return Next(value, pixel);
}

bool AxisTickIterator::Next(AxisUnits& value, int& pixel) {
    if (cursor_ >= ticks_.size()) return false;
    value = ticks_[cursor_].value;
    pixel = ticks_[cursor_].pixel;
    ++cursor_;
    return true;
}

std::unique_ptr<AxisTickIterator> CreateAxisTickIterator(int quantityKind, int valueSystem,
                                                         int raDisplayUnit) {
    auto set = CreateAxisTickSet(quantityKind, valueSystem, raDisplayUnit);
    if (!set) return nullptr;
    return std::make_unique<AxisTickIterator>(std::move(set));
}

}  // namespace corvinata
