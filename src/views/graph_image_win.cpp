#include "views/graph_image_win.h"

#include <windows.h>

#include "app/wait_cursor.h"
#include "views/picture_source_win.h"
#include "views/graph_canvas_win.h"

namespace corvinata {

namespace {

Colour FromRef(COLORREF ref) noexcept {
    return Colour{GetRValue(ref), GetGValue(ref), GetBValue(ref)};
}

template <class Paint>
GraphImageBytes Capture(int width, int height, Paint paint) {
    if (width <= 0 || height <= 0) return {};
    CaptureSurface surface(width, height);
    if (!surface.Dc()) return {};
    {
        GdiGraphCanvas canvas(surface.Dc(), width, height);
        paint(canvas);
    }
    return surface.CaptureBmp();
}

}  // namespace

GraphColours SystemGraphColours() {
    GraphColours colours = DefaultGraphColours();
    colours.background = FromRef(GetSysColor(COLOR_BTNFACE));
    return colours;
}

GraphAxisColours SystemGraphAxisColours() {
    return GraphAxisColours{FromRef(GetSysColor(COLOR_BTNFACE)), FromRef(GetSysColor(COLOR_BTNTEXT))};
}

GraphImageBytes GdiGraphImages::CaptureGraphArea(const GraphDocument& document, int width, int height) {
    return Capture(width, height, [&](GraphCanvas& canvas) {
        PaintGraph(canvas, document, width, height, -1, true, SystemGraphColours());
    });
}

GraphImageBytes GdiGraphImages::CaptureGraphXAxis(const GraphDocument& document, int width, int height) {
    return Capture(width, height,
                   [&](GraphCanvas& canvas) { PaintGraphXAxis(canvas, document, width, height, SystemGraphAxisColours()); });
}

GraphImageBytes GdiGraphImages::CaptureGraphYAxis(const GraphDocument& document, int width, int height) {
    return Capture(width, height, [&](GraphCanvas& canvas) {
        GraphValueAxis axis;
        axis.Paint(canvas, document, width, height, SystemGraphAxisColours(), DisplayFormatRequest());
    });
}

void GdiGraphImages::ComputeGraphWithWaitCursor(GraphDocument& document, bool notify) {
    const ScopedWaitCursor wait;
    document.ComputeAllLines(notify);
}

}  // namespace corvinata
