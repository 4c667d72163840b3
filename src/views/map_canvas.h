// The thin drawing interface the 2-D displays draw through: pens, lines, a
// filled ellipse, clipping and wrapped text in client pixels. The windows
// put it onto GDI; the recording canvas keeps every call as a value so that
// what a display draws can be compared without a window.
#pragma once

#include <cstdint>
#include <vector>

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

enum class CanvasOp : std::uint8_t { DefaultPen, Pen, Move, Line, Ellipse, Clip, ClearClip, Text };

struct CanvasCall {
    CanvasOp op;
    Colour colour;    // Pen, Ellipse (fill), Text
    PixelPoint point; // Move, Line
    PixelRect rect;   // Ellipse, Clip, Text
};

// Keeps every call; the text of the Text calls apart, in order.
class RecordingCanvas final : public MapCanvas {
public:
    void UseDefaultPen() override;
    void UsePen(Colour colour) override;
    void MoveTo(PixelPoint point) override;
    void LineTo(PixelPoint point) override;
    void Ellipse(const PixelRect& box, Colour fill) override;
    void ClipTo(const PixelRect& rect) override;
    void ClearClip() override;
    void WrappedText(const PixelRect& box, const String& text, Colour colour) override;

    void Clear();
    void Reserve(std::size_t calls) { calls_.reserve(calls); }
    const std::vector<CanvasCall>& Calls() const noexcept { return calls_; }
    const std::vector<String>& Texts() const noexcept { return texts_; }

    // A line drawn, from where the pen stood to where it went, with the pen
    // it was drawn with.
    struct Segment {
        PixelPoint from;
        PixelPoint to;
        Colour colour;
        bool defaultPen;
    };
    std::vector<Segment> Segments() const;

private:
    std::vector<CanvasCall> calls_;
    std::vector<String> texts_;
};

}  // namespace corvinata
