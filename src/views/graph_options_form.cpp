#include "views/graph_options_form.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/number_text.h"
#include "base/text_char.h"
#include "base/text_format.h"
#include "catalog/quantity_kinds.h"
#include "documents/graph_document.h"
#include "resources/graph_dialogs_ids.h"

namespace corvinata {

namespace {

constexpr std::int32_t kStepUnits[kGraphStepUnitCount] = {kMinutesUnit, kHoursUnit, kDaysUnit, kMonthsUnit,
                                                          kYearsUnit};
constexpr std::int32_t kLargestStepCount = 100;
constexpr double kUnboundedLimit = 9999999999.0;

bool IsBlank(Char c) noexcept { return c == TXT(' ') || c == TXT('\t'); }

bool Refuse(GraphOptionsRefusal& refusal, const String& text, int focus,
            MessageTopic help = MessageTopic::DifferentValue) {
    refusal.text = String(TXT("Please enter a different value: "));
    if (help == MessageTopic::RangeReversed) refusal.text = String();
    StringAppend(refusal.text, text.Text());
    refusal.focusItem = focus;
    refusal.topic = help;
    return false;
}

// A count of the step lists: a whole number from 1 to 100, alone when
// `strict`.
bool ReadStepCount(const String& text, bool strict, std::int32_t& count) noexcept {
    bool rest = false;
    if (!LeadingWholeNumber(text, count, rest)) return false;
    if (strict && rest) return false;
    return count >= 1 && count <= kLargestStepCount;
}

String Number(double value) {
    String text;
    FormatDouble(value, -6, text, false);
    return text;
}

String CountText(std::int32_t count) {
    String text;
    return StringFromInteger(count, 0, text, true, TXT(' '));
}

}  // namespace

std::int32_t GraphStepUnitAt(int row) noexcept {
    return row >= 0 && row < kGraphStepUnitCount ? kStepUnits[row] : kDaysUnit;
}

int GraphStepUnitRow(std::int32_t unit) noexcept {
    for (int row = 0; row < kGraphStepUnitCount; ++row) {
        if (kStepUnits[row] == unit) return row;
    }
    return 2;
}

bool LeadingWholeNumber(const String& text, std::int32_t& value, bool& rest) noexcept {
    const Char* at = text.Text();
    while (IsBlank(*at)) ++at;
    bool negative = false;
    if (*at == TXT('-') || *at == TXT('+')) negative = *at++ == TXT('-');
    if (*at < TXT('0') || *at > TXT('9')) return false;
    std::int64_t number = 0;
    for (; *at >= TXT('0') && *at <= TXT('9'); ++at) {
        number = number * 10 + (*at - TXT('0'));
        if (number > std::numeric_limits<std::int32_t>::max()) return false;
    }
    value = static_cast<std::int32_t>(negative ? -number : number);
    while (IsBlank(*at)) ++at;
    rest = *at != 0;
    return true;
}

GraphTimePage GraphTimePageFrom(const TimeAndLocation& settings) {
    GraphTimePage page;
    page.begin = settings.beginDate;
    page.end = settings.endDate;
    page.byEnd = settings.endFixed;
    page.daylightSaving = settings.daylightSaving;
    if (settings.endFixed) {
        page.stepCount = CountText(1);
        page.stepUnit = kDaysUnit;
    } else {
        page.stepCount = Number(settings.stepCount);
        page.stepUnit = GraphStepUnitAt(GraphStepUnitRow(settings.stepUnit));
    }
    return page;
}

bool CheckGraphTimePage(const GraphTimePage& page, TimeAndLocation& settings, GraphOptionsRefusal& refusal) {
    TimeAndLocation next = settings;
    next.endFixed = page.byEnd;
    if (page.byEnd) {
        DateTime end = page.end;
        end.timeSystem = page.begin.timeSystem;
        if (!DateTimeIsEarlier(page.begin, end)) {
            return Refuse(refusal, String(TXT("The begin date must be earlier than the end date.")),
                          IDC_GRAPH_BEGIN_DATE);
        }
        if (!TimeAndLocationSetBeginDate(next, page.begin, false) || !TimeAndLocationSetEndDate(next, end)) {
            return Refuse(refusal, String(TXT("The begin date must be earlier than the end date.")),
                          IDC_GRAPH_BEGIN_DATE);
        }
    } else {
        // A step the page shows as it was (a count with decimals from a file)
        // stays as it was; a typed one is the whole number it starts with.
        const GraphTimePage shown = GraphTimePageFrom(settings);
        double count = settings.stepCount;
        if (shown.byEnd || !StringEquals(page.stepCount, shown.stepCount.Text()) || page.stepUnit != shown.stepUnit) {
            std::int32_t typed = 0;
            if (!ReadStepCount(page.stepCount, false, typed)) {
                return Refuse(refusal, String(TXT("You entered an invalid step value.")), IDC_GRAPH_STEP_COUNT);
            }
            count = typed;
        }
        TimeAndLocationSetBeginDate(next, page.begin, false);
        if (!TimeAndLocationSetStep(next, page.stepUnit, count)) {
            return Refuse(refusal, String(TXT("The step value would cause the date to become too large.")),
                          IDC_GRAPH_BEGIN_DATE);
        }
    }
    next.daylightSaving = page.daylightSaving;
    FollowRangeWithTimeAxis(settings, next);
    settings = next;
    return true;
}

void FollowRangeWithTimeAxis(const TimeAndLocation& before, TimeAndLocation& after) {
    if (DateTimeEqual(before.beginDate, after.beginDate) && DateTimeEqual(before.endDate, after.endDate)) return;
    const TimeStep chosenBefore = AutomaticXAxisStep(before.beginDate, before.endDate);
    const TimeStep chosenAfter = AutomaticXAxisStep(after.beginDate, after.endDate);
    for (TimeStep* step : {&after.xAxisLabelStep, &after.xAxisMarkStep}) {
        if (TimeStepEqual(*step, chosenBefore)) *step = chosenAfter;
    }
}

GraphLocationPage GraphLocationPageFrom(const TimeAndLocation& settings) {
    const GeoCoordinates& place = settings.location.coordinates;
    GraphLocationPage page;
    page.eastLongitude = -place.longitude.degrees;
    page.latitude = place.latitude.degrees;
    page.timeZone = place.timeZone.hours;
    page.elevation = place.elevation;
    return page;
}

void StoreGraphLocationPage(const GraphLocationPage& page, TimeAndLocation& settings) {
    GeoCoordinates& place = settings.location.coordinates;
    // Only what differs is stored, so that a value shown rounded by its
    // picker does not replace the exact one kept.
    const GraphLocationPage shown = GraphLocationPageFrom(settings);
    if (page.eastLongitude != shown.eastLongitude) place.longitude.degrees = -page.eastLongitude;
    if (page.latitude != shown.latitude) place.latitude.degrees = page.latitude;
    if (page.timeZone != shown.timeZone) place.timeZone.hours = page.timeZone;
    const double metres = std::round(page.elevation);
    if (std::isfinite(metres) && std::fabs(metres) < 2.0e9) place.elevation = static_cast<std::int32_t>(metres);
}

GraphXAxisPage GraphXAxisPageFrom(const TimeAndLocation& settings) {
    GraphXAxisPage page;
    page.horizontal = settings.xAxisHorizontal;
    page.originFar = settings.xAxisReversed;
    page.markCount = CountText(settings.xAxisMarkStep.count);
    page.markUnit = settings.xAxisMarkStep.unit;
    page.labelCount = CountText(settings.xAxisLabelStep.count);
    page.labelUnit = settings.xAxisLabelStep.unit;
    page.timeSystem = settings.xAxisTimeSystem == kUniversalTime ? kUniversalTime : kLocalCivilTime;
    return page;
}

bool CheckGraphXAxisPage(const GraphXAxisPage& page, TimeAndLocation& settings, GraphOptionsRefusal& refusal) {
    std::int32_t mark = 0;
    std::int32_t label = 0;
    if (!ReadStepCount(page.markCount, true, mark)) {
        return Refuse(refusal, String(TXT("You entered an invalid step value.")), IDC_GRAPH_MARK_COUNT);
    }
    if (!ReadStepCount(page.labelCount, true, label)) {
        return Refuse(refusal, String(TXT("You entered an invalid step value.")), IDC_GRAPH_LABEL_COUNT);
    }
    settings.xAxisHorizontal = page.horizontal;
    settings.xAxisReversed = page.originFar;
    settings.xAxisMarkStep = TimeStep{page.markUnit, mark};
    settings.xAxisLabelStep = TimeStep{page.labelUnit, label};
    settings.xAxisTimeSystem = page.timeSystem == kUniversalTime ? kUniversalTime : kLocalCivilTime;
    return true;
}

const Char* GraphOriginText(bool axisHorizontal, bool far) noexcept {
    if (axisHorizontal) return far ? TXT("Origin at right") : TXT("Origin at left");
    return far ? TXT("Origin at top") : TXT("Origin at bottom");
}

GraphRangeControl GraphRangeControlOf(std::int32_t kind) noexcept {
    if (kind == kQuantityTimeOfDay) return GraphRangeControl::Time;
    if (kind >= kQuantityLongitude && kind <= kQuantityAngle180) return GraphRangeControl::Angle;
    return GraphRangeControl::Number;
}

int GraphRangeAngleKind(std::int32_t kind) noexcept {
    switch (kind) {
    case kQuantityLatitude:
    case kQuantityAngle90: return 0;    // sign, 0..90°
    case kQuantityAngle180: return 2;   // sign, 0..180°
    default: return 4;                  // 0..360°
    }
}

void GraphRangeLimits(std::int32_t kind, double& lowest, double& highest) noexcept {
    const QuantityKind* quantity = QuantityKindByIndex(kind == kValueKindUnknown ? kQuantityScalar : kind);
    lowest = quantity ? quantity->GetMinimum() : kMinusInfinity;
    highest = quantity ? quantity->GetMaximum() : kPlusInfinity;
    if (!std::isfinite(lowest)) lowest = -kUnboundedLimit;
    if (!std::isfinite(highest)) highest = kUnboundedLimit;
}

void GraphRangeDefaults(std::int32_t kind, double openFrom, double openTo, double& from, double& to) noexcept {
    const QuantityKind* quantity = QuantityKindByIndex(kind == kValueKindUnknown ? kQuantityScalar : kind);
    from = quantity ? quantity->GetMinimum() : kMinusInfinity;
    to = quantity ? quantity->GetMaximum() : kPlusInfinity;
    if (!std::isfinite(from)) from = std::isfinite(openFrom) ? openFrom : -100.0;
    if (!std::isfinite(to)) to = std::isfinite(openTo) ? openTo : 100.0;
}

String GraphRangeLimitText(double limit, bool upper) {
    String text(upper ? TXT("max. ") : TXT("min. "));
    StringAppend(text, Number(limit).Text());
    return text;
}

bool CheckGraphYAxisPage(const GraphYAxisPage& page, TimeAndLocation& settings, GraphOptionsRefusal& refusal) {
    settings.xAxisHorizontal = page.horizontal;
    settings.yAxisReversed = page.originFar;
    if (page.kind == kValueKindUnknown) return true;
    const bool edits = GraphRangeControlOf(page.kind) == GraphRangeControl::Number;
    double lowest = 0.0;
    double highest = 0.0;
    GraphRangeLimits(page.kind, lowest, highest);
    double values[2] = {page.from, page.to};
    const String* texts[2] = {&page.fromText, &page.toText};
    const int items[2] = {page.fromItem, page.toItem};
    for (int i = 0; i < 2; ++i) {
        if (edits) {
            // Blanks left after the number in the edit, which the user
            // does not see, are forgiven.
            String typed = *texts[i];
            if (!ParseNumberAlone(TrimRight(typed).Text(), values[i])) {
                return Refuse(refusal,
                              FormatPercent1(TXT("The value you entered, %, is not a valid number. Please try again."),
                                             *texts[i]),
                              items[i]);
            }
        }
        if (i == 0 && values[0] < lowest) {
            return Refuse(refusal,
                          FormatPercent2(TXT("The value you entered, %, is too small. Please enter a value of % or greater."),
                                         Number(values[0]), Number(lowest)),
                          items[0]);
        }
        if (i == 1 && values[1] > highest) {
            return Refuse(refusal,
                          FormatPercent2(TXT("The value you entered, %, is too large. Please enter a value of % or smaller."),
                                         Number(values[1]), Number(highest)),
                          items[1]);
        }
    }
    if (!(values[1] > values[0])) {
        return Refuse(refusal,
                      String(TXT("The 'To' value must be larger than the 'From' value. Please enter a different value.")),
                      items[1], MessageTopic::RangeReversed);
    }
    // A value as it was shown for an open bound: the bound stays open.
    const auto shownOpen = [](double value, double open) {
        return std::isfinite(open) && std::fabs(value - open) <= 1e-9 * std::max(1.0, std::fabs(open));
    };
    settings.yAxisMin = shownOpen(values[0], page.openFrom) ? kMinusInfinity : values[0];
    settings.yAxisMax = shownOpen(values[1], page.openTo) ? kPlusInfinity : values[1];
    return true;
}

GraphGuidesPage GraphGuidesPageFrom(const TimeAndLocation& settings, bool guideLine) {
    GraphGuidesPage page;
    page.xGrid = settings.xAxisGridActive;
    page.xCount = CountText(settings.xAxisGridStep.count);
    page.xUnit = GraphStepUnitAt(GraphStepUnitRow(settings.xAxisGridStep.unit));
    page.yGrid = settings.yAxisGridActive;
    page.yCount = CountText(settings.yAxisGridStep);
    page.guideLine = guideLine;
    return page;
}

bool CheckGraphGuidesPage(const GraphGuidesPage& page, TimeAndLocation& settings, bool& guideLine,
                          GraphOptionsRefusal& refusal) {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool rest = false;
    if (!LeadingWholeNumber(page.xCount, x, rest) || x <= 0) {
        return Refuse(refusal, String(TXT("You entered an invalid x step value.")), IDC_GRAPH_X_GRID_COUNT);
    }
    if (!LeadingWholeNumber(page.yCount, y, rest) || y <= 0) {
        return Refuse(refusal, String(TXT("You entered an invalid y step value.")), IDC_GRAPH_Y_GRID_COUNT);
    }
    settings.xAxisGridActive = page.xGrid;
    settings.xAxisGridStep = TimeStep{page.xUnit, x};
    settings.yAxisGridActive = page.yGrid;
    settings.yAxisGridStep = y;
    guideLine = page.guideLine;
    return true;
}

}  // namespace corvinata
