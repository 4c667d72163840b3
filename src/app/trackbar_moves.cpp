#include "app/trackbar_moves.h"

#include <algorithm>
#include <cmath>

namespace corvinata {

int TrackbarPositionAt(int coordinate, int start, int end, int rangeMin, int rangeMax) noexcept {
    const int length = end - start;
    if (length <= 1 || rangeMax <= rangeMin) return rangeMin;
    const int c = std::clamp(coordinate, start, end - 1);
    const double position = rangeMin + static_cast<double>(rangeMax - rangeMin) * (c - start) /
                                           (length - 1);
    return static_cast<int>(std::lround(position));
}

void TrackbarMoveTracker::OnKeyDown(bool autoRepeat, int position) noexcept {
    if (autoRepeat && moving_) return;
    moving_ = true;
    before_ = position;
}

void TrackbarMoveTracker::OnPress(int position) noexcept {
    moving_ = true;
    before_ = position;
}

bool TrackbarMoveTracker::EndMove(int rangeMin, int rangeMax, int& before) noexcept {
    const bool started = moving_;
    moving_ = false;
    if (!started || before_ < rangeMin || before_ > rangeMax) return false;
    before = before_;
    return true;
}

}  // namespace corvinata
