#include "support/solar_system_plan_recording.h"

namespace corvinata {

void RecordingPlanCanvas::SetPen(Colour colour, bool dotted) {
    pen_ = colour;
    dotted_ = dotted;
    PlanOperation op;
    op.kind = PlanOperation::kPen;
    op.colour = colour;
    op.dotted = dotted;
    operations_.push_back(op);
}

void RecordingPlanCanvas::MoveTo(int x, int y) {
    PlanOperation op;
    op.kind = PlanOperation::kMove;
    op.x = x;
    op.y = y;
    operations_.push_back(op);
}

void RecordingPlanCanvas::LineTo(int x, int y) {
    PlanOperation op;
    op.kind = PlanOperation::kLine;
    op.x = x;
    op.y = y;
    op.colour = pen_;
    op.dotted = dotted_;
    operations_.push_back(op);
}

void RecordingPlanCanvas::PlusMark(int x, int y, Colour colour) {
    PlanOperation op;
    op.kind = PlanOperation::kPlus;
    op.x = x;
    op.y = y;
    op.colour = colour;
    operations_.push_back(op);
}

void RecordingPlanCanvas::Text(int x, int y, const std::u16string& text, PlanFont font, PlanAlign align,
                               Colour colour) {
    PlanOperation op;
    op.kind = PlanOperation::kText;
    op.x = x;
    op.y = y;
    op.colour = colour;
    op.font = font;
    op.align = align;
    op.text = text;
    operations_.push_back(op);
}

void RecordingPlanCanvas::Ring(int x, int y, Colour colour) {
    PlanOperation op;
    op.kind = PlanOperation::kRing;
    op.x = x;
    op.y = y;
    op.colour = colour;
    operations_.push_back(op);
}

const PlanOperation* RecordingPlanCanvas::FindText(const std::u16string& text) const noexcept {
    for (const PlanOperation& op : operations_)
        if (op.kind == PlanOperation::kText && op.text == text) return &op;
    return nullptr;
}

}  // namespace corvinata
