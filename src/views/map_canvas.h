// The thin drawing interface the 2-D displays draw through: pens, lines, a
// filled ellipse, clipping and wrapped text in client pixels. The windows
// put it onto GDI; the tests' recording canvas keeps every call as a value.
#pragma once

#include "base/colour_table.h"
#include "base/wide_string.h"

namespace corvinata {

struct PixelPoint {
    int x = 0;
    int y = 0;
};

constexpr bool operator==(PixelPoint a, PixelPoint b) noexcept { return a.x == b.x && a.y == b.y; }

// Left and top inside, right and bottom outside, as a client rectangle.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class MapCanvas {
public:
    virtual ~MapCanvas() = default;
    // The device's default pen (black, one pixel).
    virtual void UseDefaultPen() = 0;
    // A solid pen one pixel wide.
    virtual void UsePen(Colour colour) = 0;
    virtual void MoveTo(PixelPoint point) = 0;
    // A line from the current position, which moves to `point`.
    virtual void LineTo(PixelPoint point) = 0;
    // Outlined with the current pen, filled with `fill`; the box as
    // GDI's Ellipse takes it.
    virtual void Ellipse(const PixelRect& box, Colour fill) = 0;
    // Nothing is drawn outside `rect` until ClearClip.
    virtual void ClipTo(const PixelRect& rect) = 0;
    virtual void ClearClip() = 0;
    // Centred, word-wrapped in `box`, on a transparent background.
    virtual void WrappedText(const PixelRect& box, const String& text, Colour colour) = 0;
};

}  // namespace corvinata
