// Labels placed one after another so that none covers another: each label
// takes the first of its candidate places that no earlier label covers, and
// a label without such a place is left out. The windows offer the place the
// drawing gives a label first and the other sides of its point after it;
// the label placed first wins a contested place, so a window places the
// labels that matter most (nearest the viewer) first.
#pragma once

#include <optional>
#include <vector>

namespace corvinata {

// A label's rectangle in pixels, right and bottom excluded (any y axis:
// only overlaps are asked).
struct LabelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Overlaps(const LabelBox& other) const noexcept {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

class LabelPlacer {
public:
    // The index of the first candidate that overlaps no label placed so far
    // (it is placed), or none.
    std::optional<std::size_t> Place(const std::vector<LabelBox>& candidates);
    const std::vector<LabelBox>& Placed() const noexcept { return placed_; }

private:
    std::vector<LabelBox> placed_;
};

}  // namespace corvinata
