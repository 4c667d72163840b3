#include "support/map_canvas_recording.h"

namespace corvinata {

void RecordingCanvas::UseDefaultPen() { calls_.push_back({CanvasOp::DefaultPen, {}, {}, {}}); }
void RecordingCanvas::UsePen(Colour colour) { calls_.push_back({CanvasOp::Pen, colour, {}, {}}); }
void RecordingCanvas::MoveTo(PixelPoint point) { calls_.push_back({CanvasOp::Move, {}, point, {}}); }
void RecordingCanvas::LineTo(PixelPoint point) { calls_.push_back({CanvasOp::Line, {}, point, {}}); }
void RecordingCanvas::Ellipse(const PixelRect& box, Colour fill) {
    calls_.push_back({CanvasOp::Ellipse, fill, {}, box});
}
void RecordingCanvas::ClipTo(const PixelRect& rect) { calls_.push_back({CanvasOp::Clip, {}, {}, rect}); }
void RecordingCanvas::ClearClip() { calls_.push_back({CanvasOp::ClearClip, {}, {}, {}}); }
void RecordingCanvas::WrappedText(const PixelRect& box, const String& text, Colour colour) {
    calls_.push_back({CanvasOp::Text, colour, {}, box});
    texts_.push_back(text);
}

void RecordingCanvas::Clear() {
    calls_.clear();
    texts_.clear();
}

std::vector<RecordingCanvas::Segment> RecordingCanvas::Segments() const {
    std::vector<Segment> segments;
    PixelPoint at;
    Colour pen;
    bool defaultPen = true;
    for (const CanvasCall& call : calls_) {
        switch (call.op) {
            case CanvasOp::DefaultPen: defaultPen = true, pen = Colour{}; break;
            case CanvasOp::Pen: defaultPen = false, pen = call.colour; break;
            case CanvasOp::Move: at = call.point; break;
            case CanvasOp::Line:
                segments.push_back({at, call.point, pen, defaultPen});
                at = call.point;
                break;
            default: break;
        }
    }
    return segments;
}

}  // namespace corvinata
