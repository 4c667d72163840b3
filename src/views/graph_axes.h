// The two axes beside a graph's plot: the time axis with calendar ticks
// (years, months, days, hours, minutes) and the value axis with the ticks of
// the graph's quantity kind. Each tick stands on the pixel where the plot
// draws its instant or value, in all four orientations, so axis and plot
// line up; the axes are sized as the plot's client area along their length.
#pragma once

#include <memory>
#include <vector>

#include "base/wide_string.h"
#include "catalog/quantity_values.h"
#include "documents/graph_document.h"
#include "views/axis_tick_iterator.h"
#include "views/graph_plot.h"

namespace corvinata {

struct GraphAxisColours {
    Colour background{212, 208, 200};
    Colour text{0, 0, 0};
};

// One mark of an axis: its position along the axis (client x when the axis
// runs horizontally, else y), its length in pixels and its label (empty for
// an unlabelled tick), written at `labelAt` with `labelAlign` once the
// labels are laid out.
struct GraphAxisMark {
    int position = 0;
    int length = 0;
    String label;
    int level = 0;
    GraphPoint labelAt;
    GraphTextAlign labelAlign = GraphTextAlign::kLeftTop;
};

// The time axis of a width x height window: the calendar walk in the
// graph's X-axis time system, coarse levels first. Levels denser than one
// mark per two pixels are left out, so any range stays bounded.
std::vector<GraphAxisMark> ComputeTimeAxisMarks(const GraphDocument& document, int width, int height);
// The same marks with their labels laid out in the canvas's font: each
// label whole inside the window and beside its tick, on the tick's other
// side where the window's edge would cut it; a label that would still be
// cut or run into another is left out.
std::vector<GraphAxisMark> LayOutTimeAxis(const GraphDocument& document, int width, int height,
                                          GraphCanvas& canvas);
void PaintGraphXAxis(GraphCanvas& canvas, const GraphDocument& document, int width, int height,
                     const GraphAxisColours& colours);

// The value labels follow the angle layout and the unit of right ascensions
// of a QuantityFormatRequest: the application's (DisplayFormatRequest), read
// at each layout and paint so that the axis follows a change of them.

// The value axis keeps its tick iterator while the graph's kind and the
// hour display stay the same.
class GraphValueAxis {
public:
    // Recreates the iterator when the kind or the hour display changed;
    // false while the kind is not known (13).
    bool Refresh(const GraphDocument& document, const QuantityFormatRequest& options);
    // The marks of a width x height axis window, their labels laid out in
    // the canvas's font: each whole inside the window, beside its tick and
    // clear of it, none over another. A horizontal axis spaces its labels
    // by the widest of them.
    std::vector<GraphAxisMark> Marks(const GraphDocument& document, int width, int height, GraphCanvas& canvas,
                                     const QuantityFormatRequest& options);
    void Paint(GraphCanvas& canvas, const GraphDocument& document, int width, int height,
               const GraphAxisColours& colours, const QuantityFormatRequest& options);
    // The width of the axis window (its two border pixels included) beside
    // a plot of `height` pixels: the widest label with its margin and tick,
    // or 10 while the kind is not known.
    int Measure(GraphCanvas& canvas, const GraphDocument& document, int height,
                const QuantityFormatRequest& options);
    const AxisTickIterator* Iterator() const noexcept { return iterator_.get(); }

private:
    // The ticks with their label texts at a label spacing of `spacing`.
    std::vector<GraphAxisMark> ComputeMarks(const GraphDocument& document, const GraphScales& scales, int spacing,
                                            const QuantityFormatRequest& options);

    int kind_ = kValueKindUnknown;
    bool hours_ = false;
    std::unique_ptr<AxisTickIterator> iterator_;
    AxisTickLabels labels_;
};

// Whether the value axis shows kind-1 values in hours (right ascension
// while the application shows it in hours).
bool GraphAxisShowsHours(const GraphDocument& document, const QuantityFormatRequest& options) noexcept;

}  // namespace corvinata
