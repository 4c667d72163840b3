#include "views/gdi_map_canvas.h"

#include <utility>

namespace corvinata {

GdiMapCanvas::GdiMapCanvas(HDC dc, HFONT font) noexcept
    : dc_(dc), font_(font), saved_(SaveDC(dc)), defaultPen_(GetCurrentObject(dc, OBJ_PEN)) {}

GdiMapCanvas::~GdiMapCanvas() {
    Flush();
    // Nothing of ours may stay selected when it is deleted.
    RestoreDC(dc_, saved_);
}

void GdiMapCanvas::Flush() {
    if (run_.size() >= 2) {
        Polyline(dc_, run_.data(), static_cast<int>(run_.size()));
        MoveToEx(dc_, run_.back().x, run_.back().y, nullptr);
    }
    run_.clear();
}

void GdiMapCanvas::UseDefaultPen() {
    Flush();
    SelectObject(dc_, defaultPen_);
}

void GdiMapCanvas::UsePen(Colour colour) {
    Flush();
    const COLORREF wanted = colour.ToColorRef();
    for (const Pen& pen : pens_) {
        if (pen.colour == wanted) {
            SelectObject(dc_, pen.pen.Get());
            return;
        }
    }
    ScopedWinHandle<GdiObjectTraits<HPEN>> pen(CreatePen(PS_SOLID, 0, wanted));
    if (!pen.IsValid()) return;
    SelectObject(dc_, pen.Get());
    pens_.push_back({wanted, std::move(pen)});
}

void GdiMapCanvas::MoveTo(PixelPoint point) {
    Flush();
    run_.push_back(POINT{point.x, point.y});
}

void GdiMapCanvas::LineTo(PixelPoint point) {
    if (run_.empty()) {
        POINT at{};
        GetCurrentPositionEx(dc_, &at);
        run_.push_back(at);
    }
    run_.push_back(POINT{point.x, point.y});
}

void GdiMapCanvas::Ellipse(const PixelRect& box, Colour fill) {
    Flush();
    ScopedWinHandle<GdiObjectTraits<HBRUSH>> brush(CreateSolidBrush(fill.ToColorRef()));
    if (!brush.IsValid()) return;
    ScopedSelection selected(dc_, brush.Get());
    ::Ellipse(dc_, box.left, box.top, box.right, box.bottom);
}

void GdiMapCanvas::ClipTo(const PixelRect& rect) {
    Flush();
    if (clipped_) ClearClip();
    SaveDC(dc_);
    clipped_ = true;
    IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiMapCanvas::ClearClip() {
    Flush();
    if (!clipped_) return;
    // RestoreDC would also take back the pen chosen since: keep it.
    HGDIOBJ pen = GetCurrentObject(dc_, OBJ_PEN);
    RestoreDC(dc_, -1);
    SelectObject(dc_, pen);
    clipped_ = false;
}

void GdiMapCanvas::WrappedText(const PixelRect& box, const String& text, Colour colour) {
    Flush();
    ScopedSelection font(dc_, font_);
    SetTextColor(dc_, colour.ToColorRef());
    SetBkMode(dc_, TRANSPARENT);
    RECT rect{box.left, box.top, box.right, box.bottom};
    DrawTextW(dc_, text.Text(), -1, &rect, DT_CENTER | DT_WORDBREAK);
}

}  // namespace corvinata
