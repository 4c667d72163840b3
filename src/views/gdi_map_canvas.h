// The map canvas on a GDI device context. Every pen and brush it makes is
// deleted when the canvas goes (at the end of each paint), and the device
// context gets back its pen, brush, font, clipping and text settings. Runs
// of lines go to GDI as one polyline each: a map is some 20 000 short lines.
#pragma once

#include <windows.h>

#include <vector>

#include "base/scoped_win.h"
#include "views/map_canvas.h"

namespace corvinata {

class GdiMapCanvas final : public MapCanvas {
public:
    // `font` is the font of the text calls (none: the device's own).
    GdiMapCanvas(HDC dc, HFONT font) noexcept;
    ~GdiMapCanvas() override;
    GdiMapCanvas(const GdiMapCanvas&) = delete;
    GdiMapCanvas& operator=(const GdiMapCanvas&) = delete;

    void UseDefaultPen() override;
    void UsePen(Colour colour) override;
    void MoveTo(PixelPoint point) override;
    void LineTo(PixelPoint point) override;
    void Ellipse(const PixelRect& box, Colour fill) override;
    void ClipTo(const PixelRect& rect) override;
    void ClearClip() override;
    void WrappedText(const PixelRect& box, const String& text, Colour colour) override;

private:
    // Draws the run of lines gathered so far.
    void Flush();

    struct Pen {
        COLORREF colour;
        ScopedWinHandle<GdiObjectTraits<HPEN>> pen;
    };

    HDC dc_;
    HFONT font_;
    int saved_;
    HGDIOBJ defaultPen_;
    std::vector<Pen> pens_;  // deleted after the destructor has put the DC back
    bool clipped_ = false;
    std::vector<POINT> run_;
};

}  // namespace corvinata
