#include "views/graph_axes.h"

#include <algorithm>
#include <cmath>

#include "base/date_time.h"
#include "base/angle_value.h"
#include "base/time_systems.h"
#include "catalog/quantity_kinds.h"
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

// The value axis beside the plot: a labelled tick and an unlabelled one,
// the gap between a label and its tick and the margin at the window's
// other edge. Fixed lengths rather than shares of the width, so that a
// label never reaches its tick however wide the labels make the axis.
constexpr int kLabelledTick = 7;
constexpr int kShortTick = 4;
constexpr int kLabelGap = 3;
constexpr int kAxisMargin = 3;
constexpr int kAxisBorders = 2;

// Labels side by side keep this much room between them; an axis that
// spaces its labels by their width leaves twice as much.
constexpr int kLabelRoom = 2;
constexpr int kLabelSpacing = 4;

struct Span {
    int from;
    int to;
};

bool Overlaps(const std::vector<Span>& placed, Span span, int room) {
    for (const Span& other : placed) {
        if (span.from < other.to + room && other.from < span.to + room) return true;
    }
    return false;
}

// The labelled marks in the order of their positions.
std::vector<GraphAxisMark*> LabelledByPosition(std::vector<GraphAxisMark>& marks) {
    std::vector<GraphAxisMark*> labelled;
    for (GraphAxisMark& mark : marks) {
        if (mark.label.Length() > 0) labelled.push_back(&mark);
    }
    std::stable_sort(labelled.begin(), labelled.end(),
                     [](const GraphAxisMark* a, const GraphAxisMark* b) { return a->position < b->position; });
    return labelled;
}

// Labels written at row `y` of an axis that runs across a window `length`
// pixels wide: 2 pixels after the tick (before it when `beforeFirst`), on
// the other side where that would leave the window; a label that fits on
// neither side, or would run into a label already written, is left out.
void PlaceAlongRow(std::vector<GraphAxisMark>& marks, GraphCanvas& canvas, int length, int y, bool beforeFirst) {
    std::vector<Span> placed;
    for (GraphAxisMark* mark : LabelledByPosition(marks)) {
        const int width = canvas.TextWidth(mark->label);
        const Span after{mark->position + 2, mark->position + 2 + width};
        const Span before{mark->position - 2 - width, mark->position - 2};
        bool done = false;
        for (const bool isBefore : {beforeFirst, !beforeFirst}) {
            const Span span = isBefore ? before : after;
            if (span.from < 0 || span.to > length || Overlaps(placed, span, kLabelRoom)) continue;
            placed.push_back(span);
            mark->labelAt = GraphPoint{isBefore ? span.to : span.from, y};
            mark->labelAlign = isBefore ? GraphTextAlign::kRightTop : GraphTextAlign::kLeftTop;
            done = true;
            break;
        }
        if (!done) mark->label = String();
    }
}

// The labels of the vertical time axis, right-aligned at x: on the line
// just above their tick (just below it when `belowFirst`), on the other
// side near the window's edge, left out when neither fits.
void PlaceTimeColumn(std::vector<GraphAxisMark>& marks, int lineHeight, int height, int x, bool belowFirst) {
    std::vector<Span> placed;
    for (GraphAxisMark* mark : LabelledByPosition(marks)) {
        const Span above{mark->position - 3 - lineHeight, mark->position - 3};
        const Span below{mark->position + 2, mark->position + 2 + lineHeight};
        bool done = false;
        for (const bool isBelow : {belowFirst, !belowFirst}) {
            const Span span = isBelow ? below : above;
            if (span.from < 0 || span.to > height || Overlaps(placed, span, 0)) continue;
            placed.push_back(span);
            mark->labelAt = GraphPoint{x, isBelow ? span.from : span.to};
            mark->labelAlign = isBelow ? GraphTextAlign::kRightTop : GraphTextAlign::kRightBaseline;
            done = true;
            break;
        }
        if (!done) mark->label = String();
    }
}

// The labels of the vertical value axis, right-aligned before their ticks
// and centred on them, moved in at the window's top and bottom edges; a
// label that would run into the one before is left out, and its tick drawn
// short.
void PlaceValueColumn(std::vector<GraphAxisMark>& marks, int lineHeight, int width, int height) {
    std::vector<Span> placed;
    for (GraphAxisMark* mark : LabelledByPosition(marks)) {
        const int top = std::clamp(mark->position - lineHeight / 2, 0, std::max(0, height - lineHeight));
        const Span span{top, top + lineHeight};
        if (Overlaps(placed, span, 0)) {
            mark->label = String();
            mark->length = kShortTick;
            continue;
        }
        placed.push_back(span);
        mark->labelAt = GraphPoint{width - kLabelledTick - kLabelGap, top};
        mark->labelAlign = GraphTextAlign::kRightTop;
    }
}

// Decimals enough that labels `step` apart never read alike (1' needs two,
// 1" four), and one more where that writes the step exactly (15' as
// 0.25). Sexagesimal steps have no decimal exponent of their own to go by.
int DecimalsOfStep(double step) {
    if (!(step > 0.0)) return 0;
    const int distinct = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 9);
    const auto whole = [step](int decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        return std::fabs(scaled - std::round(scaled)) < 1e-6 * scaled;
    };
    return distinct < 9 && !whole(distinct) && whole(distinct + 1) ? distinct + 1 : distinct;
}

bool IsAngleKind(int kind) noexcept { return kind >= kQuantityLongitude && kind <= kQuantityAngle180; }

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

std::vector<GraphAxisMark> LayOutTimeAxis(const GraphDocument& document, int width, int height,
                                          GraphCanvas& canvas) {
    std::vector<GraphAxisMark> marks = ComputeTimeAxisMarks(document, width, height);
    const TimeAndLocation& settings = document.Options();
    if (settings.xAxisHorizontal) {
        PlaceAlongRow(marks, canvas, width, 5, settings.xAxisReversed);
    } else {
        PlaceTimeColumn(marks, canvas.LineHeight(), height, width - 5, settings.xAxisReversed);
    }
    return marks;
}

void PaintGraphXAxis(GraphCanvas& canvas, const GraphDocument& document, int width, int height,
                     const GraphAxisColours& colours) {
    canvas.FillBackground(colours.background);
    const bool horizontal = document.Options().xAxisHorizontal;
    for (const GraphAxisMark& mark : LayOutTimeAxis(document, width, height, canvas)) {
        if (horizontal) {
            canvas.DrawLine({mark.position, 0}, {mark.position, mark.length}, colours.text);
        } else {
            canvas.DrawLine({width - 1, mark.position}, {width - 1 - mark.length, mark.position}, colours.text);
        }
        if (mark.label.Length() > 0) {
            canvas.WriteText(mark.labelAt.x, mark.labelAt.y, mark.label, colours.text, mark.labelAlign);
        }
    }
}

bool GraphAxisShowsHours(const GraphDocument& document, const QuantityFormatRequest& options) noexcept {
    return UsesHourTickSet(document.ValueKind(), document.ValueSystem(), options.raDisplayUnit);
}

bool GraphValueAxis::Refresh(const GraphDocument& document, const QuantityFormatRequest& options) {
    const int kind = document.ValueKind();
    const bool hours = GraphAxisShowsHours(document, options);
    if (kind != kind_ || hours != hours_ || (!iterator_ && kind != kValueKindUnknown)) {
        kind_ = kind;
        hours_ = hours;
        iterator_ = CreateAxisTickIterator(kind, document.ValueSystem(), options.raDisplayUnit);
    }
    return iterator_ != nullptr;
}

std::vector<GraphAxisMark> GraphValueAxis::ComputeMarks(const GraphDocument& document, const GraphScales& scales,
                                                        int spacing, const QuantityFormatRequest& options) {
    std::vector<GraphAxisMark> marks;
    const TimeAndLocation& settings = document.Options();
    const double toPlot = hours_ ? 15.0 : 1.0;
    const double low = scales.minimum / toPlot;
    const double high = scales.maximum / toPlot;
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
    const bool decimalAngles = IsAngleKind(kind_) && options.angleDegreeBase == kAngleDecimal;
    if (decimalAngles) {
        const double labelStep = static_cast<double>(iterator_->TickStep()) * std::max(1, labels_.interval) / unit;
        request.precision = DecimalsOfStep(labelStep);
    }
    // Times and sexagesimal angles are written to the second at the finest:
    // a tick between two seconds would read like its neighbours.
    const bool wholeSecondsOnly = kind_ == kQuantityTimeOfDay || (IsAngleKind(kind_) && !decimalAngles);
    const int breadth = settings.xAxisHorizontal ? scales.width : scales.height;
    const auto& ticks = iterator_->Ticks();
    for (int i = 0; i < static_cast<int>(ticks.size()); ++i) {
        const AxisTick& tick = ticks[static_cast<std::size_t>(i)];
        const double tickValue = static_cast<double>(tick.value) / unit * toPlot;
        const int p = GraphValuePixel(scales, tickValue);
        const GraphPoint at = MapGraphPoint(scales, 0, p);
        GraphAxisMark mark;
        mark.position = settings.xAxisHorizontal ? at.y : at.x;
        const bool labelled = labels_.first >= 0 && i >= labels_.first && i <= labels_.last &&
                              (i - labels_.first) % std::max(1, labels_.interval) == 0 &&
                              !(wholeSecondsOnly && iterator_->IsFractionLevel(tick.level));
        if (settings.xAxisHorizontal) {
            mark.length = labelled ? kLabelledTick : kShortTick;
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

std::vector<GraphAxisMark> GraphValueAxis::Marks(const GraphDocument& document, int width, int height,
                                                 GraphCanvas& canvas, const QuantityFormatRequest& options) {
    labels_ = AxisTickLabels{};
    if (!Refresh(document, options)) return {};
    const GraphScales scales = MakeGraphScales(document, width, height);
    if (!scales.Drawable()) return {};
    const int lineHeight = canvas.LineHeight();
    if (document.Options().xAxisHorizontal) {
        std::vector<GraphAxisMark> marks =
            ComputeMarks(document, scales, static_cast<int>(std::lround(1.5 * lineHeight)), options);
        PlaceValueColumn(marks, lineHeight, width, height);
        return marks;
    }
    // Along the bottom the labels stand side by side: their spacing grows
    // to the widest of them, which a coarser step may change once more.
    int spacing = 40;
    std::vector<GraphAxisMark> marks;
    for (int round = 0; round < 3; ++round) {
        marks = ComputeMarks(document, scales, spacing, options);
        int widest = 0;
        for (const GraphAxisMark& mark : marks) {
            if (mark.label.Length() > 0) widest = std::max(widest, canvas.TextWidth(mark.label));
        }
        if (widest + 2 * kLabelSpacing <= spacing) break;
        spacing = widest + 2 * kLabelSpacing;
    }
    PlaceAlongRow(marks, canvas, width, 5, document.Options().yAxisReversed);
    return marks;
}

void GraphValueAxis::Paint(GraphCanvas& canvas, const GraphDocument& document, int width, int height,
                           const GraphAxisColours& colours, const QuantityFormatRequest& options) {
    canvas.FillBackground(colours.background);
    const bool horizontalTime = document.Options().xAxisHorizontal;
    for (const GraphAxisMark& mark : Marks(document, width, height, canvas, options)) {
        if (horizontalTime) {
            canvas.DrawLine({width - mark.length, mark.position}, {width, mark.position}, colours.text);
        } else {
            canvas.DrawLine({mark.position, 0}, {mark.position, mark.length}, colours.text);
        }
        if (mark.label.Length() > 0) {
            canvas.WriteText(mark.labelAt.x, mark.labelAt.y, mark.label, colours.text, mark.labelAlign);
        }
    }
}

int GraphValueAxis::Measure(GraphCanvas& canvas, const GraphDocument& document, int height,
                            const QuantityFormatRequest& options) {
    if (!Refresh(document, options)) return 10;
    int widest = 0;
    // Time horizontal: the axis stands beside the plot, as tall as it.
    const TimeAndLocation& settings = document.Options();
    const int width = settings.xAxisHorizontal ? 100 : std::max(1, height);
    const int length = settings.xAxisHorizontal ? std::max(1, height) : 100;
    for (const GraphAxisMark& mark : Marks(document, width, length, canvas, options)) {
        if (mark.label.Length() > 0) widest = std::max(widest, canvas.TextWidth(mark.label));
    }
    return kAxisMargin + widest + kLabelGap + kLabelledTick + kAxisBorders;
}

}  // namespace corvinata
