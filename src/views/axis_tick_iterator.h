// The ticks of a graph's value axis: for a value range and a pixel length,
// the step among the kind's whole steps at which ticks fit, the ticks with
// their pixel offsets, and which of them carry labels without overlapping.
//
// Every quantity is counted in 64-bit integer units of the kind's tick set,
// so steps compare exactly; every division is guarded and the number of
// ticks never exceeds the pixel length, whatever range arrives.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "documents/axis_tick_sets.h"

namespace corvinata {

struct AxisChosenLevel {
    AxisUnits multiple = 0;
    int level = 0;
    int exponent = 0;
};

struct AxisTick {
    int pixel = 0;
    AxisUnits value = 0;
    int level = 0;
    int exponent = 0;
};

// Which ticks are labelled: first, first + interval, ... up to last; first
// and last are -1 when none is.
struct AxisTickLabels {
    int first = -1;
    int last = -1;
    int interval = 1;
    bool operator==(const AxisTickLabels& other) const noexcept {
        return first == other.first && last == other.last && interval == other.interval;
    }
};

class AxisTickIterator {
public:
    explicit AxisTickIterator(std::unique_ptr<AxisTickSet> set);

    // Recomputes the ticks of [minimum, maximum] over `pixelLength` pixels
    // with ticks at least `tickSpacing` and labels at least `labelSpacing`
    // pixels apart. An empty or non-finite range gives no ticks.
    AxisTickLabels Compute(double minimum, double maximum, int pixelLength, int tickSpacing,
                           int labelSpacing);

    bool First(AxisUnits& value, int& pixel);
    bool Next(AxisUnits& value, int& pixel);

    // Integer units of the value 1.0: labels divide a tick's value by it.
    AxisUnits UnitValue() const { return set_->ToUnits(1.0); }
    // The finest level among the ticks (-1 without ticks) and the smallest
    // exponent among that level's ticks: the axis chooses its label format by them.
    int LabelLevel() const noexcept { return labelLevel_; }
    int LabelExponent() const noexcept { return labelExponent_; }
    void SetResolution(AxisUnits unitsPerValue) noexcept;

    const std::vector<AxisChosenLevel>& ChosenLevels() const noexcept { return chosen_; }
    const std::vector<AxisTick>& Ticks() const noexcept { return ticks_; }
    AxisUnits TickStep() const noexcept { return tickStep_; }
    // Whether a level holds the fractions of the finest whole unit.
    bool IsFractionLevel(int level) const { return set_->IsFractionLevel(level); }

private:
    void ChooseLevels(double a, double b, int pixelLength, int tickSpacing);
    void MakeTicks(double a, double b, int pixelLength);
    AxisTickLabels ChooseTickStep(double a, double b, int pixelLength, int labelSpacing) const;
    // The unit of a level at an exponent, or 0 when it falls below one integer unit.
    AxisUnits UnitOf(int level, int exponent) const;
    void LevelOfValue(AxisUnits value, int& level, int& exponent) const;

    std::unique_ptr<AxisTickSet> set_;
    std::vector<AxisChosenLevel> chosen_;
    std::vector<AxisTick> ticks_;
    std::size_t cursor_ = 0;
    AxisUnits tickStep_ = 0;
    int labelLevel_ = -1;
    int labelExponent_ = 0;
};

// The iterator of a graph's value kind (see CreateAxisTickSet); none for
// kind 13 (not known yet) or any other number.
std::unique_ptr<AxisTickIterator> CreateAxisTickIterator(int quantityKind, int valueSystem,
                                                         int raDisplayUnit);

}  // namespace corvinata
