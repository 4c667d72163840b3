#include "views/graph_canvas_win.h"

#include "base/scoped_win.h"

namespace corvinata {

namespace {

COLORREF Ref(Colour colour) noexcept { return static_cast<COLORREF>(colour.ToColorRef()); }

using ScopedBrush = ScopedWinHandle<GdiObjectTraits<HBRUSH>>;
using ScopedPen = ScopedWinHandle<GdiObjectTraits<HPEN>>;

}  // namespace

GdiGraphCanvas::GdiGraphCanvas(HDC dc, int width, int height, HFONT font)
    : dc_(dc), width_(width), height_(height) {
    oldFont_ = SelectObject(dc_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    oldPen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
    oldMode_ = SetBkMode(dc_, TRANSPARENT);
    oldAlign_ = GetTextAlign(dc_);
    oldTextColour_ = GetTextColor(dc_);
}

GdiGraphCanvas::~GdiGraphCanvas() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldFont_);
    SetBkMode(dc_, oldMode_);
    SetTextAlign(dc_, oldAlign_);
    SetTextColor(dc_, oldTextColour_);
    for (auto& [colour, pen] : pens_) DeleteObject(pen);
}

HPEN GdiGraphCanvas::PenOf(Colour colour) {
    const std::uint32_t key = colour.ToColorRef();
    auto found = pens_.find(key);
    if (found != pens_.end()) return found->second;
    HPEN pen = CreatePen(PS_SOLID, 0, Ref(colour));
    if (pen) pens_.emplace(key, pen);
    return pen;
}

void GdiGraphCanvas::FillBackground(Colour colour) {
    ScopedBrush brush(CreateSolidBrush(Ref(colour)));
    const RECT all{0, 0, width_, height_};
    if (brush.IsValid()) FillRect(dc_, &all, brush.Get());
}

void GdiGraphCanvas::WriteText(int x, int y, const String& text, Colour colour, GraphTextAlign align) {
    UINT mode = TA_LEFT | TA_TOP;
    if (align == GraphTextAlign::kRightTop) mode = TA_RIGHT | TA_TOP;
    if (align == GraphTextAlign::kRightBaseline) mode = TA_RIGHT | TA_BASELINE;
    SetTextAlign(dc_, mode);
    SetTextColor(dc_, Ref(colour));
    TextOutW(dc_, x, y, text.Text(), text.Length());
}

int GdiGraphCanvas::TextWidth(const String& text) {
    SIZE size{};
    if (!GetTextExtentPoint32W(dc_, text.Text(), text.Length(), &size)) return 0;
    return size.cx;
}

void GdiGraphCanvas::DrawLine(GraphPoint from, GraphPoint to, Colour colour) {
    HPEN pen = PenOf(colour);
    if (!pen) return;
    SelectObject(dc_, pen);
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
    SelectObject(dc_, GetStockObject(BLACK_PEN));
}

void GdiGraphCanvas::SetPixel(GraphPoint at, Colour colour) { ::SetPixel(dc_, at.x, at.y, Ref(colour)); }

void GdiGraphCanvas::DrawGuideLine(GraphPoint from, GraphPoint to, Colour colour) {
    ScopedPen pen(CreatePen(PS_DOT, 0, Ref(colour)));
    if (!pen.IsValid()) return;
    const int oldRop = SetROP2(dc_, guideMix);
    HGDIOBJ old = SelectObject(dc_, pen.Get());
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
    SelectObject(dc_, old);
    SetROP2(dc_, oldRop);
}

void GdiGraphCanvas::FillBeside(GraphPoint onCurve, bool upwards, Colour curve, Colour fill) {
    // Off the curve's own pixels, towards the side to fill.
    const int direction = upwards ? -1 : 1;
    int y = onCurve.y;
    const COLORREF line = Ref(curve);
    while (y >= 0 && y < height_ && GetPixel(dc_, onCurve.x, y) == line) y += direction;
    if (y < 0 || y >= height_ || onCurve.x < 0 || onCurve.x >= width_) return;
    ScopedBrush brush(CreateSolidBrush(Ref(fill)));
    if (!brush.IsValid()) return;
    HGDIOBJ old = SelectObject(dc_, brush.Get());
    ExtFloodFill(dc_, onCurve.x, y, GetPixel(dc_, onCurve.x, y), FLOODFILLSURFACE);
    SelectObject(dc_, old);
}

int GdiGraphCanvas::LineHeight() {
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc_, &metrics)) return 13;
    return metrics.tmHeight + metrics.tmExternalLeading;
}

}  // namespace corvinata
