// A canvas that writes down what the plan draws, for the tests and the
// benchmarks.
#pragma once

#include <string>
#include <vector>

#include "views/solar_system_plan.h"

namespace corvinata {

struct PlanOperation {
    enum Kind { kPen, kMove, kLine, kPlus, kText, kRing };
    Kind kind = kPen;
    int x = 0;
    int y = 0;
    Colour colour;
    bool dotted = false;
    PlanFont font = PlanFont::kDisplay;
    PlanAlign align = PlanAlign::kCentreTop;
    std::u16string text;
};

class RecordingPlanCanvas final : public PlanCanvas {
public:
    void SetPen(Colour colour, bool dotted) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void PlusMark(int x, int y, Colour colour) override;
    void Text(int x, int y, const std::u16string& text, PlanFont font, PlanAlign align, Colour colour) override;
    int RingTextHeight() override { return 14; }
    // Six pixels a character (a symbol twelve), thirteen high.
    int TextWidth(const std::u16string& text, PlanFont font) override {
        return static_cast<int>(text.size()) * (font == PlanFont::kSymbol ? 12 : 6);
    }
    int TextHeight(PlanFont) override { return 13; }
    void Ring(int x, int y, Colour colour) override;

    const std::vector<PlanOperation>& Operations() const noexcept { return operations_; }
    // The first text operation with that text, or none.
    const PlanOperation* FindText(const std::u16string& text) const noexcept;
    void Clear() { operations_.clear(); }

private:
    std::vector<PlanOperation> operations_;
    Colour pen_;
    bool dotted_ = false;
};

}  // namespace corvinata
