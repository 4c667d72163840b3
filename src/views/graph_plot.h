// What a graph's plot area draws, worked out without a window: the pixel
// scales of the time and value axes, the mapping of (time pixel, value
// pixel) to client points in the four orientations, the curves with their
// gaps and wraps, the two grids and the guide line. It draws through a thin
// canvas, so the same code paints the window, the report images and the
// tests' recording canvas.
#pragma once

#include <array>
#include <cstdint>

#include "base/colour_table.h"
#include "base/wide_string.h"
#include "documents/graph_document.h"

namespace corvinata {

struct GraphPoint {
    int x = 0;
    int y = 0;
    bool operator==(const GraphPoint& other) const noexcept { return x == other.x && y == other.y; }
};

// A plot's scales for a client area of width x height pixels.
struct GraphScales {
    int width = 0;
    int height = 0;
    bool timeHorizontal = true;
    bool timeReversed = false;
    bool valueReversed = false;
    int timeLength = 0;    // Lt
    int valueLength = 0;   // Lv
    double minimum = 0.0;  // the value range, unset limits as -100 and 100
    double maximum = 0.0;
    double scale = 0.0;    // value pixels per value unit

    // A range that can be drawn: a client area of at least 2 x 2 pixels and
    // finite limits with minimum < maximum.
    bool Drawable() const noexcept;
};

// The scales of the settings' y range as it stands (an infinite bound at
// -100 or 100), and of a graph's range as it is drawn (DrawnYRange).
GraphScales MakeGraphScales(const TimeAndLocation& settings, int width, int height) noexcept;
GraphScales MakeGraphScales(const GraphDocument& document, int width, int height);

// Pixel conversions; every result is clamped well inside the int range (a
// huge or non-finite value still gives a defined pixel; not a number gives 0).
int GraphTimePixel(const GraphScales& scales, int step) noexcept;
int GraphValuePixel(const GraphScales& scales, double value) noexcept;
GraphPoint MapGraphPoint(const GraphScales& scales, int timePixel, int valuePixel) noexcept;
// The time pixel of a client point, and the step (0..365) of a time pixel.
int GraphPointToAxisPixel(const GraphScales& scales, int x, int y) noexcept;
int GraphAxisPixelToStep(const GraphScales& scales, int timePixel) noexcept;
int GraphPointToStep(const GraphScales& scales, int x, int y) noexcept;
// The client coordinate along the time axis (x when time is horizontal, else y).
int GraphStepToAxisPixel(const GraphScales& scales, int step) noexcept;

// The rectangle of the guide line at a step, one pixel wider to the right
// and below, as the window invalidates it when the guide moves.
struct GraphRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
GraphRect GraphGuideRect(const GraphScales& scales, int step) noexcept;

// Whether a quantity kind's values run round a cycle (times of day, angles
// 0..360 and -180..180), and the cycle's length.
bool IsCyclicQuantityKind(int kind, double& cycle) noexcept;

// Where a text's (x, y) lies on it: its top-left or top-right corner, or
// the right end of its baseline.
enum class GraphTextAlign { kLeftTop, kRightTop, kRightBaseline };

// The drawing primitives a plot needs. Lines exclude their end pixel, as
// GDI's LineTo does; the guide is dotted and drawn inverting.
class GraphCanvas {
public:
    virtual ~GraphCanvas() = default;
    virtual void FillBackground(Colour colour) = 0;
    virtual void WriteText(int x, int y, const String& text, Colour colour, GraphTextAlign align) = 0;
    virtual int TextWidth(const String& text) = 0;
    virtual void DrawLine(GraphPoint from, GraphPoint to, Colour colour) = 0;
    virtual void SetPixel(GraphPoint at, Colour colour) = 0;
    virtual void DrawGuideLine(GraphPoint from, GraphPoint to, Colour colour) = 0;
    // Fills the region next to the curve at a point of the curve: towards
    // row 0 (`upwards`) or towards the bottom row, as far as the curve and
    // other drawing bound it.
    virtual void FillBeside(GraphPoint onCurve, bool upwards, Colour curve, Colour fill) = 0;
    // Text height plus external leading of the font the texts use.
    virtual int LineHeight() = 0;
};

// Colours of a plot: the caller passes them through the program's night
// shades when night vision is on.
struct GraphColours {
    Colour background{212, 208, 200};
    Colour grid{204, 204, 204};
    Colour guide{64, 64, 64};
    Colour hint{0, 0, 0};
    std::array<Colour, kColourCount> palette{};
};
GraphColours DefaultGraphColours() noexcept;
// The plot in the program's night shades: background and text from the
// shades, the grid between them, the guide line and the hint in the text
// shade, and each line colour a shade between background and text by its
// brightness, so that no line vanishes into the background and lighter
// colours stay lighter.
GraphColours NightGraphColours(const GraphColours& day, Colour background, Colour text) noexcept;

// What one curve drew: the segments, and the point where its fills start
// (the end of the first segment that ended inside the plot).
struct GraphCurveResult {
    int segments = 0;
    bool hasSeed = false;
    GraphPoint seed;
};

// Draws one line's curve (no fill).
GraphCurveResult DrawGraphCurve(GraphCanvas& canvas, const GraphScales& scales, const GraphLine& line,
                                int quantityKind, Colour colour);
// Grids; each draws at most one line per two pixels and answers how many it drew.
int DrawGraphXGrid(GraphCanvas& canvas, const GraphScales& scales, const GraphDocument& document,
                   Colour colour);
int DrawGraphYGrid(GraphCanvas& canvas, const GraphScales& scales, const TimeAndLocation& settings,
                   Colour colour);

// The whole plot: the background (when `erase`), the hint texts of an empty
// graph, or the grids and the lines with their fills; then the guide line at
// `guideStep` (-1 for none). The graph's quantity kind must be known
// (UpdateGraphRange) for the lines to draw.
void PaintGraph(GraphCanvas& canvas, const GraphDocument& document, int width, int height,
                int guideStep, bool erase, const GraphColours& colours);

// The five lines an empty graph shows.
extern const Char* const kEmptyGraphHints[5];

}  // namespace corvinata
