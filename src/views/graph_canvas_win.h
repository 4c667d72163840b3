// The graph canvas over a GDI device context. Pens and brushes are made once
// per colour while the canvas lives and deleted with it; the device
// context's own objects and modes are restored when the canvas goes, so a
// paint leaves no GDI object behind.
#pragma once

#include <windows.h>

#include <map>

#include "views/graph_plot.h"

namespace corvinata {

class GdiGraphCanvas final : public GraphCanvas {
public:
    // How the dotted guide line mixes with the plot: inverted over what it
    // crosses, so it shows on any colour; night colours take a plain pen,
    // since an inversion would leave the reds.
    int guideMix = R2_NOTXORPEN;
    // `font` null: the system's GUI font.
    GdiGraphCanvas(HDC dc, int width, int height, HFONT font = nullptr);
    ~GdiGraphCanvas() override;
    GdiGraphCanvas(const GdiGraphCanvas&) = delete;
    GdiGraphCanvas& operator=(const GdiGraphCanvas&) = delete;

    void FillBackground(Colour colour) override;
    void WriteText(int x, int y, const String& text, Colour colour, GraphTextAlign align) override;
    int TextWidth(const String& text) override;
    void DrawLine(GraphPoint from, GraphPoint to, Colour colour) override;
    void SetPixel(GraphPoint at, Colour colour) override;
    void DrawGuideLine(GraphPoint from, GraphPoint to, Colour colour) override;
    void FillBeside(GraphPoint onCurve, bool upwards, Colour curve, Colour fill) override;
    int LineHeight() override;

private:
    HPEN PenOf(Colour colour);

    HDC dc_;
    int width_;
    int height_;
    HGDIOBJ oldFont_;
    HGDIOBJ oldPen_;
    int oldMode_;
    UINT oldAlign_;
    COLORREF oldTextColour_;
    std::map<std::uint32_t, HPEN> pens_;
};

}  // namespace corvinata
