#include "views/graph_axes.h"

#include <algorithm>
#include <cmath>

#include "base/date_time.h"
#include "base/time_systems.h"
#include "catalog/quantity_values.h"

namespace corvinata {

namespace {

const Char* const kMonthNames[12] = {TXT("Jan"), TXT("Feb"), TXT("Mar"), TXT("Apr"), TXT("May"), TXT("Jun"),
                                     TXT("Jul"), TXT("Aug"), TXT("Sep"), TXT("Oct"), TXT("Nov"), TXT("Dec")};

String NumberText(long long number, const Char* suffix) {
    Char digits[32];
    int n = 0;
    const bool negative = number < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(number)
                                            : static_cast<unsigned long long>(number);
    Char reversed[24];
    int r = 0;
    do {
        reversed[r++] = static_cast<Char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0 && r < 22);
    if (negative) digits[n++] = '-';
    while (r > 0) digits[n++] = reversed[--r];
    for (const Char* s = suffix; *s && n < 30; ++s) digits[n++] = *s;
    digits[n] = 0;
    return String(digits);
}

// The calendar levels of the time axis, coarse to fine: unit, share of the
// axis breadth a tick takes.
struct CalendarLevel {
    std::int32_t unit;
    double length;
};
constexpr CalendarLevel kCalendarLevels[] = {
    {kYearsUnit, 0.5}, {kMonthsUnit, 0.4}, {kDaysUnit, 0.3}, {kHoursUnit, 0.2}, {kMinutesUnit, 0.3}};
constexpr double kDaysPerUnit[] = {1.0 / 86400.0, 1.0 / 1440.0, 1.0 / 24.0, 1.0, 28.0, 365.0};

DateTime FirstBoundary(const DateTime& begin, std::int32_t unit) {
    DateTime first = begin;
    switch (unit) {
        case kYearsUnit: first.month = 1; first.day = 1; first.hours = 0.0; break;
        case kMonthsUnit: first.day = 1; first.hours = 0.0; break;
        case kDaysUnit: first.hours = 0.0; break;
        case kHoursUnit: first.hours = std::floor(begin.hours); break;
        default: first.hours = std::floor(begin.hours * 60.0) / 60.0; break;
    }
    return first;
}

String BoundaryLabel(const DateTime& at, std::int32_t unit) {
    switch (unit) {
        case kYearsUnit: return NumberText(at.year, TXT(""));
        case kMonthsUnit: return String(kMonthNames[std::clamp(at.month, 1, 12) - 1]);
        case kDaysUnit: return NumberText(at.day, TXT(""));
        case kHoursUnit: return NumberText(static_cast<long long>(std::floor(at.hours + 1e-9)), TXT("h"));
        default: {
            const double minutes = std::floor(at.hours * 60.0 + 1e-6);
            return NumberText(static_cast<long long>(std::fmod(minutes, 60.0)), TXT("m"));
        }
    }
}

}  // namespace

std::vector<GraphAxisMark> ComputeTimeAxisMarks(const GraphDocument& document, int width, int height) {
    std::vector<GraphAxisMark> marks;
    const TimeAndLocation& settings = document.Options();
    const GraphScales scales = MakeGraphScales(document, width, height);
    const int length = scales.timeLength;
    const int breadth = scales.timeHorizontal ? scales.height : scales.width;
    if (length < 2) return marks;
    const GeoCoordinates& place = settings.location.coordinates;
    DateTime begin = settings.beginDate;
    DateTime end = settings.endDate;
    for (DateTime* d : {&begin, &end}) {
        ConvertTimeSystem(*d, settings.xAxisTimeSystem, place.longitude, place.timeZone, settings.daylightSaving);
    }
    const double range = DateTimeDifferenceDays(end, begin);
    if (!(range > 0.0)) return marks;
    const TimeStep mark = settings.xAxisMarkStep;
    const TimeStep label = settings.xAxisLabelStep;
    if (mark.unit < 0 || mark.unit > 5 || label.unit < 0 || label.unit > 5) return marks;
    const int markCount = std::max(1, mark.count);
    const int labelCount = std::max(1, label.count);
    const std::int32_t labelUnit = std::max(mark.unit, label.unit);
    // Along the plot's own time scale: the pixel of an instant between steps
    // is where the plot would draw it.
    const double perDay = (length - 1) / range;
    for (const CalendarLevel& level : kCalendarLevels) {
        if (level.unit < mark.unit) continue;
        const bool markLevel = level.unit == mark.unit;
        const int every = markLevel ? markCount : 1;
        // Denser than one mark per two pixels: the level adds nothing legible.
        if (range / (kDaysPerUnit[level.unit] * every) > length / 2.0) continue;
        const DateTime first = FirstBoundary(begin, level.unit);
        const int walkLimit = static_cast<int>(range / kDaysPerUnit[level.unit]) + 3;
        for (int k = 0; k <= walkLimit; ++k) {
            DateTime boundary = first;
            if (k > 0 && !AddDateTimeInterval(boundary, TimeStep{level.unit, k})) break;
            if (!IsValidDate(boundary)) break;
            const double days = DateTimeDifferenceDays(boundary, begin);
            if (days > range) break;
            if (days < 0.0 || k % every != 0) continue;
            GraphAxisMark made;
            const int t = static_cast<int>(std::trunc(days * perDay + 0.5));
            const GraphPoint at = MapGraphPoint(scales, t, 0);
            made.position = scales.timeHorizontal ? at.x : at.y;
            made.length = static_cast<int>(std::trunc(breadth * level.length));
            made.level = level.unit;
            if (level.unit == labelUnit && k % labelCount == 0) made.label = BoundaryLabel(boundary, level.unit);
            marks.push_back(std::move(made));
        }
    }
    return marks;
}

void PaintGraphXAxis(GraphCanvas& canvas, const GraphDocument& document, int width, int height,
                     const GraphAxisColours& colours) {
    canvas.FillBackground(colours.background);
    const TimeAndLocation& settings = document.Options();
    const bool reversed = settings.xAxisReversed;
    for (const GraphAxisMark& mark : ComputeTimeAxisMarks(document, width, height)) {
        if (settings.xAxisHorizontal) {
            canvas.DrawLine({mark.position, 0}, {mark.position, mark.length}, colours.text);
            if (mark.label.Length() > 0) {
                canvas.WriteText(reversed ? mark.position - 2 : mark.position + 2, 5, mark.label, colours.text,
                                reversed ? GraphTextAlign::kRightTop : GraphTextAlign::kLeftTop);
            }
        } else {
            canvas.DrawLine({width - 1, mark.position}, {width - 1 - mark.length, mark.position}, colours.text);
            if (mark.label.Length() > 0) {
                if (reversed) {
                    canvas.WriteText(width - 5, mark.position + 2, mark.label, colours.text,
                                    GraphTextAlign::kRightTop);
                } else {
                    canvas.WriteText(width - 5, mark.position - 3, mark.label, colours.text,
                                    GraphTextAlign::kRightBaseline);
                }
            }
        }
    }
}

bool GraphAxisShowsHours(const GraphDocument& document, const GraphLabelOptions& options) noexcept {
    return UsesHourTickSet(document.ValueKind(), document.ValueSystem(), options.raDisplayUnit);
}

bool GraphValueAxis::Refresh(const GraphDocument& document, const GraphLabelOptions& options) {
    const int kind = document.ValueKind();
    const bool hours = GraphAxisShowsHours(document, options);
    if (kind != kind_ || hours != hours_ || (!iterator_ && kind != kValueKindUnknown)) {
        kind_ = kind;
        hours_ = hours;
        iterator_ = CreateAxisTickIterator(kind, document.ValueSystem(), options.raDisplayUnit);
    }
    return iterator_ != nullptr;
}

std::vector<GraphAxisMark> GraphValueAxis::Marks(const GraphDocument& document, int width, int height,
                                                 int lineHeight, const GraphLabelOptions& options) {
    std::vector<GraphAxisMark> marks;
    labels_ = AxisTickLabels{};
    if (!Refresh(document, options)) return marks;
    const TimeAndLocation& settings = document.Options();
    const GraphScales scales = MakeGraphScales(document, width, height);
    if (!scales.Drawable()) return marks;
    const double toPlot = hours_ ? 15.0 : 1.0;
    const double low = scales.minimum / toPlot;
    const double high = scales.maximum / toPlot;
    const int spacing = settings.xAxisHorizontal ? static_cast<int>(std::lround(1.5 * lineHeight)) : 40;
    if (kind_ == 6 || kind_ == 12) {
        iterator_->SetResolution(high >= 1.0e6 || low <= -1.0e6 ? 1 : 1000);
    }
    labels_ = iterator_->Compute(low, high, scales.valueLength, std::max(1, spacing), std::max(1, spacing));
    const QuantityKind* kind = QuantityKindByIndex(kind_);
    auto value = kind ? CreateQuantityValue(kind_, 0.0, document.ValueSystem()) : nullptr;
    QuantityFormatRequest request;
    const int level = iterator_->LabelLevel();
    request.unitPrecision = level < 0 ? 2 : level == 0 ? 2 : level == 1 ? 1 : 0;
    request.rounding = request.unitPrecision > 0 ? 1 : 0;
    request.precision = std::min(9, std::abs(iterator_->LabelExponent()));
    request.angleDegreeBase = options.angleDegreeBase;
    request.raDisplayUnit = options.raDisplayUnit;
    const double unit = static_cast<double>(iterator_->UnitValue());
    const int breadth = settings.xAxisHorizontal ? scales.width : scales.height;
    const auto& ticks = iterator_->Ticks();
    for (int i = 0; i < static_cast<int>(ticks.size()); ++i) {
        const double tickValue = static_cast<double>(ticks[static_cast<std::size_t>(i)].value) / unit * toPlot;
        const int p = GraphValuePixel(scales, tickValue);
        const GraphPoint at = MapGraphPoint(scales, 0, p);
        GraphAxisMark mark;
        mark.position = settings.xAxisHorizontal ? at.y : at.x;
        const bool labelled = labels_.first >= 0 && i >= labels_.first && i <= labels_.last &&
                              (i - labels_.first) % std::max(1, labels_.interval) == 0;
        if (settings.xAxisHorizontal) {
            mark.length = static_cast<int>(std::trunc(breadth * (labelled ? 0.5 : 0.333)));
        } else {
            mark.length = 2 * breadth / 3;
        }
        if (labelled && value) {
            value->SetValue(tickValue);
            value->Format(mark.label, request);
        }
        marks.push_back(std::move(mark));
    }
    return marks;
}

void GraphValueAxis::Paint(GraphCanvas& canvas, const GraphDocument& document, int width, int height,
                           const GraphAxisColours& colours, const GraphLabelOptions& options) {
    canvas.FillBackground(colours.background);
    const int h = canvas.LineHeight();
    const TimeAndLocation& settings = document.Options();
    const bool reversed = settings.yAxisReversed;
    for (const GraphAxisMark& mark : Marks(document, width, height, h, options)) {
        if (settings.xAxisHorizontal) {
            canvas.DrawLine({width - mark.length, mark.position}, {width, mark.position}, colours.text);
            if (mark.label.Length() > 0) {
                canvas.WriteText(width - 3, reversed ? mark.position + 5 : mark.position - h, mark.label,
                                colours.text, GraphTextAlign::kRightTop);
            }
        } else {
            canvas.DrawLine({mark.position, 0}, {mark.position, mark.length}, colours.text);
            if (mark.label.Length() > 0) {
                canvas.WriteText(reversed ? mark.position - 2 : mark.position + 2, 5, mark.label, colours.text,
                                reversed ? GraphTextAlign::kRightTop : GraphTextAlign::kLeftTop);
            }
        }
    }
}

int GraphValueAxis::Measure(GraphCanvas& canvas, const GraphDocument& document, int height,
                            const GraphLabelOptions& options) {
    if (!Refresh(document, options)) return 10;
    int widest = 0;
    // Time horizontal: the axis stands beside the plot, as tall as it.
    const TimeAndLocation& settings = document.Options();
    const int width = settings.xAxisHorizontal ? 100 : std::max(1, height);
    const int length = settings.xAxisHorizontal ? std::max(1, height) : 100;
    for (const GraphAxisMark& mark : Marks(document, width, length, canvas.LineHeight(), options)) {
        if (mark.label.Length() > 0) widest = std::max(widest, canvas.TextWidth(mark.label));
    }
    return widest + 10;
}

}  // namespace corvinata
