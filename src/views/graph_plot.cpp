#include "views/graph_plot.h"

#include <algorithm>
#include <cmath>

#include "base/date_time.h"
#include "base/time_systems.h"
#include "catalog/quantity_kinds.h"

namespace corvinata {

namespace {

// Pixels stay far inside the int range and inside what GDI accepts.
constexpr double kPixelLimit = 1.0e6;

int ClampPixel(double pixel) noexcept {
    if (!(pixel == pixel)) return 0;
    pixel = std::clamp(pixel, -kPixelLimit, kPixelLimit);
    return static_cast<int>(std::trunc(pixel));
}

bool IsMissing(double value, double marker) noexcept { return !std::isfinite(value) || value == marker; }

// Rough lengths of the time units, to bound the number of grid lines
// before walking the calendar.
constexpr double kDaysPerUnit[] = {1.0 / 86400.0, 1.0 / 1440.0, 1.0 / 24.0, 1.0, 28.0, 365.0};

}  // namespace

const Char* const kEmptyGraphHints[5] = {
    TXT("The graph does not contain any lines."),
    TXT("You may"),
    TXT("- Right-click here to define graph lines, or"),
    TXT("- Select File | Open to open an existing graph, or"),
    TXT("- Select a task from the 'Related Tasks' window"),
};

bool GraphScales::Drawable() const noexcept {
    return timeLength >= 2 && valueLength >= 1 && std::isfinite(minimum) && std::isfinite(maximum) &&
           maximum > minimum && std::isfinite(scale) && scale > 0.0;
}

GraphScales MakeGraphScales(const TimeAndLocation& settings, int width, int height) noexcept {
    GraphScales scales;
    scales.width = std::max(0, width);
    scales.height = std::max(0, height);
    scales.timeHorizontal = settings.xAxisHorizontal;
    scales.timeReversed = settings.xAxisReversed;
    scales.valueReversed = settings.yAxisReversed;
    scales.timeLength = scales.timeHorizontal ? scales.width : scales.height;
    scales.valueLength = scales.timeHorizontal ? scales.height : scales.width;
    scales.minimum = settings.yAxisMin == -HUGE_VAL ? -100.0 : settings.yAxisMin;
    scales.maximum = settings.yAxisMax == HUGE_VAL ? 100.0 : settings.yAxisMax;
    const double range = scales.maximum - scales.minimum;
    scales.scale = range > 0.0 && std::isfinite(range) ? scales.valueLength / range : 0.0;
    return scales;
}

GraphScales MakeGraphScales(const GraphDocument& document, int width, int height) {
    TimeAndLocation drawn = document.Options();
    document.DrawnYRange(drawn.yAxisMin, drawn.yAxisMax, drawn.yAxisMin, drawn.yAxisMax);
    return MakeGraphScales(drawn, width, height);
}

int GraphTimePixel(const GraphScales& scales, int step) noexcept {
    const double perStep = (scales.timeLength - 1) / kGraphIntervals;
    return ClampPixel(perStep * step + 0.5);
}

int GraphValuePixel(const GraphScales& scales, double value) noexcept {
    if (!std::isfinite(value)) {
        if (value != value) return 0;
        return value > 0 ? ClampPixel(kPixelLimit) : ClampPixel(-kPixelLimit);
    }
    return ClampPixel((value - scales.minimum) * scales.scale - 1.0 + 0.5);
}

GraphPoint MapGraphPoint(const GraphScales& scales, int t, int p) noexcept {
    GraphPoint point;
    if (scales.timeHorizontal) {
        point.x = scales.timeReversed ? scales.width - t - 1 : t;
        point.y = scales.valueReversed ? p : scales.height - p - 1;
    } else {
        point.x = scales.valueReversed ? scales.width - p - 1 : p;
        point.y = scales.timeReversed ? t : scales.height - t - 1;
    }
    return point;
}

int GraphPointToAxisPixel(const GraphScales& scales, int x, int y) noexcept {
    if (scales.timeHorizontal) return scales.timeReversed ? scales.width - x - 1 : x;
    return scales.timeReversed ? y : scales.height - y - 1;
}

int GraphAxisPixelToStep(const GraphScales& scales, int timePixel) noexcept {
    if (scales.timeLength <= 1) return 0;
    const double perStep = (scales.timeLength - 1) / kGraphIntervals;
    const double step = std::trunc(timePixel / perStep + 0.5);
    return static_cast<int>(std::clamp(step, 0.0, kGraphIntervals));
}

int GraphPointToStep(const GraphScales& scales, int x, int y) noexcept {
    return GraphAxisPixelToStep(scales, GraphPointToAxisPixel(scales, x, y));
}

int GraphStepToAxisPixel(const GraphScales& scales, int step) noexcept {
    const GraphPoint point = MapGraphPoint(scales, GraphTimePixel(scales, step), 0);
    return scales.timeHorizontal ? point.x : point.y;
}

GraphRect GraphGuideRect(const GraphScales& scales, int step) noexcept {
    const int t = GraphTimePixel(scales, step);
    const GraphPoint a = MapGraphPoint(scales, t, 0);
    const GraphPoint b = MapGraphPoint(scales, t, scales.valueLength);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

bool IsCyclicQuantityKind(int kind, double& cycle) noexcept {
    const QuantityKind* descriptor = QuantityKindByIndex(kind);
    if (descriptor == nullptr) return false;
    const double low = descriptor->GetMinimum();
    const double high = descriptor->GetMaximum();
    const bool cyclic = (low == 0.0 && (high == 24.0 || high == 360.0)) || (low == -180.0 && high == 180.0);
    if (cyclic) cycle = high - low;
    return cyclic;
}

namespace {

Colour MixColour(Colour from, Colour to, double share) noexcept {
    const auto mix = [share](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * share));
    };
    return Colour{mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

}  // namespace

GraphColours NightGraphColours(const GraphColours& day, Colour background, Colour text) noexcept {
    GraphColours night = day;
    night.background = background;
    night.hint = text;
    night.guide = text;
    night.grid = MixColour(background, text, 0.3);
    for (Colour& colour : night.palette) {
        const double brightness = (0.299 * colour.red + 0.587 * colour.green + 0.114 * colour.blue) / 255.0;
        colour = MixColour(background, text, 0.4 + 0.6 * brightness);
    }
    return night;
}

GraphColours DefaultGraphColours() noexcept {
    GraphColours colours;
    for (int i = 0; i < kColourCount; ++i) colours.palette[static_cast<std::size_t>(i)] = kColourTable[i].colour;
    colours.hint = colours.palette[0];
    colours.guide = colours.palette[14];
    return colours;
}

GraphCurveResult DrawGraphCurve(GraphCanvas& canvas, const GraphScales& scales, const GraphLine& line,
                                int quantityKind, Colour colour) {
    GraphCurveResult result;
    const QuantityKind* kind = QuantityKindByIndex(quantityKind);
    if (kind == nullptr || !scales.Drawable()) return result;
    const double marker = kind->GetNoneValue();
    double cycle = 0.0;
    const bool cyclic = IsCyclicQuantityKind(quantityKind, cycle);
    auto point = [&](int step, double value) {
        return MapGraphPoint(scales, GraphTimePixel(scales, step), GraphValuePixel(scales, value));
    };
    auto inside = [&](GraphPoint p) { return p.x >= 0 && p.y >= 0 && p.x < scales.width && p.y < scales.height; };
    auto segment = [&](int i1, double v1, int i2, double v2) {
        const GraphPoint from = point(i1, v1);
        const GraphPoint to = point(i2, v2);
        canvas.DrawLine(from, to, colour);
        canvas.SetPixel(to, colour);
        ++result.segments;
        if (!result.hasSeed && inside(to)) {
            result.hasSeed = true;
            result.seed = to;
        }
    };
    int last = -1;
    for (int i = 0; i < kGraphValueCount; ++i) {
        const double v = line.values[static_cast<std::size_t>(i)];
        if (IsMissing(v, marker)) continue;
        if (last < 0) {
            canvas.SetPixel(point(i, v), colour);
            last = i;
            continue;
        }
        const double w = line.values[static_cast<std::size_t>(last)];
        const double previous = line.values[static_cast<std::size_t>(i - 1)];
        if (cyclic && std::fabs(v - w) > cycle / 2.0) {
            // Round the cycle: each half of the jump leaves the plot at its edge.
            const double shift = v > w ? -cycle : cycle;
            segment(last, w, i, v + shift);
            segment(last, w - shift, i, v);
        } else if (!IsMissing(previous, marker)) {
            segment(last, w, i, v);
        }
        last = i;
    }
    return result;
}

int DrawGraphXGrid(GraphCanvas& canvas, const GraphScales& scales, const GraphDocument& document,
                   Colour colour) {
    const TimeAndLocation& settings = document.Options();
    TimeStep step = settings.xAxisGridStep;
    if (!scales.Drawable() || step.count <= 0 || step.unit < 0 || step.unit > 5) return 0;
    const GeoCoordinates& place = settings.location.coordinates;
    DateTime cursor = settings.beginDate;
    DateTime end = settings.endDate;
    for (DateTime* d : {&cursor, &end}) {
        ConvertTimeSystem(*d, settings.xAxisTimeSystem, place.longitude, place.timeZone, settings.daylightSaving);
    }
    const double days = DateTimeDifferenceDays(end, cursor);
    if (!(days >= 0.0)) return 0;
    // No more than one line per two pixels: a step that would be denser is
    // taken as many times as needed, so the lines stay on its boundaries.
    const double maximumLines = std::max(1, scales.timeLength / 2);
    const double lines = days / (step.count * kDaysPerUnit[step.unit]);
    if (lines > maximumLines) {
        const double factor = std::ceil(lines / maximumLines);
        if (factor * step.count > 2.0e9) return 0;
        step.count = static_cast<std::int32_t>(factor * step.count);
    }
    int drawn = 0;
    int lastPixel = -1000000;
    const int limit = scales.timeLength + 2;
    for (int walk = 0; walk < limit && IsValidDate(cursor) && cursor.hours != -1.0; ++walk) {
        if (DateTimeDifferenceDays(cursor, end) > 0.0) break;
        const int s = document.DateToStep(cursor);
        if (s >= 0) {
            const int t = GraphTimePixel(scales, s);
            if (t >= lastPixel + 2) {
                canvas.SetPixel(MapGraphPoint(scales, t, 0), colour);
                canvas.DrawLine(MapGraphPoint(scales, t, 0), MapGraphPoint(scales, t, scales.valueLength), colour);
                lastPixel = t;
                ++drawn;
            }
        }
        const DateTime before = cursor;
        if (!AddDateTimeInterval(cursor, step) || !(DateTimeDifferenceDays(cursor, before) > 0.0)) break;
    }
    return drawn;
}

int DrawGraphYGrid(GraphCanvas& canvas, const GraphScales& scales, const TimeAndLocation& settings,
                   Colour colour) {
    double step = settings.yAxisGridStep;
    if (!scales.Drawable() || !(step > 0.0)) return 0;
    const double range = scales.maximum - scales.minimum;
    const double maximumLines = std::max(1, scales.valueLength / 2);
    if (range / step > maximumLines) step *= std::ceil(range / step / maximumLines);
    const double first = (std::trunc(scales.minimum / step) - 1.0) * step;
    int drawn = 0;
    const int limit = scales.valueLength + 4;
    for (int k = 0; k < limit; ++k) {
        const double value = first + k * step;
        if (value > scales.maximum) break;
        const int p = GraphValuePixel(scales, value);
        canvas.SetPixel(MapGraphPoint(scales, 0, p), colour);
        canvas.DrawLine(MapGraphPoint(scales, 0, p), MapGraphPoint(scales, scales.timeLength, p), colour);
        ++drawn;
    }
    return drawn;
}

namespace {

Colour PaletteColour(const GraphColours& colours, int index) noexcept {
    return colours.palette[static_cast<std::size_t>(std::clamp(index, 0, kColourCount - 1))];
}

void DrawLines(GraphCanvas& canvas, const GraphScales& scales, const GraphDocument& document,
               const GraphColours& colours) {
    for (int i = 0; i < document.LineCount(); ++i) {
        const GraphLine* line = document.GetGraphLine(i);
        if (line == nullptr || !line->visibleInGraph) continue;
        const Colour colour = PaletteColour(colours, line->colour);
        const GraphCurveResult curve =
            DrawGraphCurve(canvas, scales, *line, line->GetQuantityKind(document.Services()), colour);
        if (!curve.hasSeed) continue;
        if (line->fillAbove >= 0)
            canvas.FillBeside(curve.seed, true, colour, PaletteColour(colours, line->fillAbove));
        if (line->fillBelow >= 0)
            canvas.FillBeside(curve.seed, false, colour, PaletteColour(colours, line->fillBelow));
    }
}

}  // namespace

void PaintGraph(GraphCanvas& canvas, const GraphDocument& document, int width, int height, int guideStep,
                bool erase, const GraphColours& colours) {
    if (erase) canvas.FillBackground(colours.background);
    if (document.LineCount() == 0) {
        const int h = canvas.LineHeight();
        const int positions[5][2] = {{8, 3}, {8, 5}, {16, 6}, {16, 7}, {16, 8}};
        for (int i = 0; i < 5; ++i)
            canvas.WriteText(positions[i][0], positions[i][1] * h, String(kEmptyGraphHints[i]), colours.hint,
                            GraphTextAlign::kLeftTop);
        return;
    }
    const GraphScales scales = MakeGraphScales(document, width, height);
    if (!scales.Drawable()) return;
    const TimeAndLocation& settings = document.Options();
    // Fills would cover the grids: then the grids go over the curves.
    const bool fills = document.HasFills();
    if (fills) DrawLines(canvas, scales, document, colours);
    if (settings.xAxisGridActive) DrawGraphXGrid(canvas, scales, document, colours.grid);
    if (settings.yAxisGridActive) DrawGraphYGrid(canvas, scales, settings, colours.grid);
    if (!fills) DrawLines(canvas, scales, document, colours);
    if (guideStep >= 0 && guideStep <= kLastGraphInstant) {
        const int t = GraphTimePixel(scales, guideStep);
        canvas.DrawGuideLine(MapGraphPoint(scales, t, 0), MapGraphPoint(scales, t, scales.valueLength),
                             colours.guide);
    }
}

}  // namespace corvinata
