// A map canvas that keeps every call as a value, so that what a display
// draws can be compared without a window (the tests, the fuzz target of the
// country outlines and the eclipse map's benchmark).
#pragma once

#include <cstdint>
#include <vector>

#include "views/map_canvas.h"

namespace corvinata {

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
