// The values of a graph: the lines' expressions evaluated at the 366
// instants, the mapping of instants to moments and back, the value kind and
// y range taken from the first line, and the x-axis label step.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <memory>
#include <vector>

#include "astro/instant_sharing.h"
#include "base/time_systems.h"
#include "catalog/quantity_kinds.h"
#include "documents/axis_tick_sets.h"
#include "documents/graph_document.h"

namespace corvinata {

namespace {

struct LabelStepCandidate {
    std::int32_t count;
    std::int32_t unit;
    double daysPerUnit;
};

// From the longest to the shortest; the label step is the shortest one not
// shorter than a thirteenth of the range.
constexpr LabelStepCandidate kLabelSteps[] = {
    {100, kYearsUnit, 365.0}, {50, kYearsUnit, 365.0},  {25, kYearsUnit, 365.0},
    {10, kYearsUnit, 365.0},  {5, kYearsUnit, 365.0},   {2, kYearsUnit, 365.0},
    {1, kYearsUnit, 365.0},   {3, kMonthsUnit, 30.0},   {2, kMonthsUnit, 30.0},
    {1, kMonthsUnit, 30.0},   {2, kDaysUnit, 1.0},      {1, kDaysUnit, 1.0},
    {3, kHoursUnit, 1.0 / 24}, {2, kHoursUnit, 1.0 / 24}, {1, kHoursUnit, 1.0 / 24},
    {15, kMinutesUnit, 1.0 / 1440}, {5, kMinutesUnit, 1.0 / 1440}, {1, kMinutesUnit, 1.0 / 1440},
};
constexpr double kLabelsPerRange = 13.0;

}  // namespace

TimeAndPlace GraphDocument::EvaluationPlace() const {
    TimeAndPlace place;
    TimeAndPlaceInit(place, settings_.beginDate, settings_.location.coordinates,
                     settings_.daylightSaving);
    return place;
}

void GraphDocument::ComputeInstants(GraphInstants& instants) const {
    if (settings_.endFixed) {
        for (int i = 0; i < kGraphValueCount; ++i) {
            instants[static_cast<std::size_t>(i)] = {StepToDate(i, settings_.xAxisTimeSystem), true};
        }
        return;
    }
    // The step's count truncated to whole units (2.9 days step by 2).
    const TimeStep step{settings_.stepUnit, static_cast<std::int32_t>(settings_.stepCount)};
    DateTime moment = settings_.beginDate;
    bool valid = true;
    for (int i = 0; i < kGraphValueCount; ++i) {
        instants[static_cast<std::size_t>(i)] = {moment, valid};
        if (valid && !AddDateTimeInterval(moment, step)) valid = false;
    }
}

void GraphDocument::ComputeGraphValues(GraphLine& line) {
    const InstantSharing sharing;
    GraphInstants instants;
    ComputeInstants(instants);
    TimeAndPlace place = EvaluationPlace();
    // The kind the line has where an instant gives none of its own; found
    // only when needed.
    bool lineKindKnown = false;
    std::int32_t lineKind = kValueKindUnknown;
    for (int i = 0; i < kGraphValueCount; ++i) {
        const GraphInstant& instant = instants[static_cast<std::size_t>(i)];
        place.dateTime = instant.moment;
        ExpressionResult result{true, kValueKindUnknown, 0.0, -1};
        const bool evaluated = instant.valid && services_.catalogue && services_.calculator &&
                               EvaluateScriptExpression(line.Expression(), *services_.catalogue,
                                                        *services_.calculator, place, result);
        double& value = line.values[static_cast<std::size_t>(i)];
        if (result.kind >= 0 && result.kind < kResultKindCount) {
            value = evaluated && result.valid
                        ? result.value
                        : QuantityKindByIndex(QuantityKindOfResult(result.kind))->GetNoneValue();
            continue;
        }
        if (!lineKindKnown) {
            std::int32_t valueSystem = 0;
            line.GetKindAndSystem(services_, lineKind, valueSystem);
            lineKindKnown = true;
        }
        const QuantityKind* quantity = QuantityKindByIndex(lineKind);
        value = quantity ? quantity->GetNoneValue() : GraphNoKindMarker();
    }
}

void GraphDocument::ComputeGraphValues(GraphLineData& line) {
    ComputeGraphValues(static_cast<GraphLine&>(line));
}

void GraphDocument::ComputeAllLines(bool notify) {
    // The lines are evaluated at the same instants, one line after another.
    const InstantSharing sharing;
    for (auto& line : lines_) ComputeGraphValues(*line);
    if (notify) DocumentNotifyViews(nullptr);
}

DateTime GraphDocument::StepToDate(int i, std::int32_t timeSystem) const {
    const GeoCoordinates& place = settings_.location.coordinates;
    DateTime begin = settings_.beginDate;
    DateTime end = settings_.endDate;
    ConvertTimeSystem(begin, kUniversalTime, place.longitude, place.timeZone, settings_.daylightSaving);
    ConvertTimeSystem(end, kUniversalTime, place.longitude, place.timeZone, settings_.daylightSaving);
    const double jdBegin = DateTimeToJulianDay(begin);
    const double jdEnd = DateTimeToJulianDay(end);
    DateTime moment = JulianDayToDateTime(jdBegin + (jdEnd - jdBegin) * i / kGraphIntervals);
    moment.timeSystem = kUniversalTime;
    ConvertTimeSystem(moment, timeSystem, place.longitude, place.timeZone, settings_.daylightSaving);
    return moment;
}

int GraphDocument::DateToStep(const DateTime& moment) const {
    const GeoCoordinates& place = settings_.location.coordinates;
    DateTime begin = settings_.beginDate;
    DateTime end = settings_.endDate;
    DateTime date = moment;
    for (DateTime* d : {&begin, &end, &date}) {
        ConvertTimeSystem(*d, kUniversalTime, place.longitude, place.timeZone, settings_.daylightSaving);
    }
    const double offset = DateTimeDifferenceDays(date, begin);
    const double range = DateTimeDifferenceDays(end, begin);
    if (offset < 0.0 || offset > range) return -1;
    if (range <= 0.0) return 0;
    // The integer part of the share plus a half: one rounding, so the begin
    // is instant 0 and the end instant 365.
    return static_cast<int>(offset / range * kGraphIntervals + 0.5);
}

TimeStep AutomaticXAxisStep(const DateTime& begin, const DateTime& end) {
    const double r = DateTimeDifferenceDays(end, begin) / kLabelsPerRange;
    std::size_t chosen = 0;
    while (chosen + 1 < std::size(kLabelSteps)) {
        const LabelStepCandidate& next = kLabelSteps[chosen + 1];
        if (next.count * next.daysPerUnit < r) break;
        ++chosen;
    }
    return TimeStep{kLabelSteps[chosen].unit, kLabelSteps[chosen].count};
}

void GraphDocument::ChooseXAxisStep() {
    settings_.xAxisLabelStep = AutomaticXAxisStep(settings_.beginDate, settings_.endDate);
}

void GraphDocument::UpdateGraphRange() {
    if (lines_.empty()) {
        valueKind_ = kValueKindUnknown;
        valueSystem_ = -1;
        settings_.yAxisMin = 0.0;
        settings_.yAxisMax = 0.0;
        return;
    }
    std::int32_t kind = 0, valueSystem = 0;
    lines_.front()->GetKindAndSystem(services_, kind, valueSystem);
    if (kind == valueKind_ && valueSystem == valueSystem_) return;
    valueKind_ = kind;
    valueSystem_ = valueSystem;
    // A first line without a kind has no limits: the range stays.
    if (const QuantityKind* quantity = QuantityKindByIndex(kind)) {
        settings_.yAxisMin = quantity->GetMinimum();
        settings_.yAxisMax = quantity->GetMaximum();
    }
}

namespace {

constexpr double kUnsetRangeBound = 100.0;
constexpr int kMostDrawnSteps = 10;

// The steps of the kind's value axis ticks, in the kind's values, ascending:
// each level's multiples of its unit, a fraction level's at every exponent
// down to 10^-9.
std::vector<double> AxisSteps(const AxisTickSet& set) {
    std::vector<double> steps;
    const double perValue = static_cast<double>(set.ToUnits(1.0));
    if (!(perValue > 0.0)) return steps;
    for (const auto& [number, level] : set.Levels()) {
        const int lowest = set.IsFractionLevel(number) ? -9 : 0;
        const int highest = set.IsFractionLevel(number) ? -1 : 0;
        for (int exponent = lowest; exponent <= highest; ++exponent) {
            const double unit = static_cast<double>(set.UnitOfLevel(number, exponent)) / perValue;
            for (const AxisUnits multiple : level.candidates) steps.push_back(static_cast<double>(multiple) * unit);
        }
    }
    std::sort(steps.begin(), steps.end());
    return steps;
}

}  // namespace

void GraphDocument::DrawnYRange(double low, double high, double& minimum, double& maximum) const {
    minimum = low;
    maximum = high;
    const bool openLow = std::isinf(minimum) && minimum < 0.0;
    const bool openHigh = std::isinf(maximum) && maximum > 0.0;
    if (!openLow && !openHigh) return;
    double lowest = 0.0, highest = 0.0;
    ValueLimits(lowest, highest);
    const std::unique_ptr<AxisTickSet> ticks = CreateAxisTickSet(valueKind_, valueSystem_, 1);
    if (ticks && GetVisibleYRange(lowest, highest, low, high)) {
        if (!openLow) low = minimum;
        if (!openHigh) high = maximum;
        // A flat line gets room of its own size (or of 1 at zero).
        double margin = (high - low) / 20.0;
        if (!(margin > 0.0)) margin = std::max(std::fabs(high), 1.0) / 20.0;
        if (openLow) low -= margin;
        if (openHigh) high += margin;
        const std::vector<double> steps = AxisSteps(*ticks);
        double step = steps.empty() ? 0.0 : steps.back();
        for (const double candidate : steps) {
            if (std::ceil(high / candidate) - std::floor(low / candidate) <= kMostDrawnSteps) {
                step = candidate;
                break;
            }
        }
        if (step > 0.0) {
            if (openLow) low = std::floor(low / step) * step;
            if (openHigh) high = std::ceil(high / step) * step;
        }
        if (std::isfinite(low) && std::isfinite(high) && high > low) {
            minimum = low;
            maximum = high;
            return;
        }
    }
    if (openLow) minimum = -kUnsetRangeBound;
    if (openHigh) maximum = kUnsetRangeBound;
}

bool GraphDocument::GetVisibleYRange(double low, double high, double& minimum, double& maximum) const {
    minimum = std::numeric_limits<double>::infinity();
    maximum = -std::numeric_limits<double>::infinity();
    bool found = false;
    for (const auto& line : lines_) {
        if (!line->visibleInGraph) continue;
        const QuantityKind* quantity = QuantityKindByIndex(line->GetQuantityKind(services_));
        if (!quantity) continue;
        const double none = quantity->GetNoneValue();
        for (const double v : line->values) {
            if (v == none || !(v >= low && v <= high)) continue;
            minimum = std::min(minimum, v);
            maximum = std::max(maximum, v);
            found = true;
        }
    }
    return found;
}

}  // namespace corvinata
