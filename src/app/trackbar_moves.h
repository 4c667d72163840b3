// What the trackbar control reports: where a click along its channel puts the
// thumb, and the position before a move that the keyboard or the mouse made,
// so that a move can become one undoable step.
#pragma once

namespace corvinata {

// The position of a click at `coordinate` along a channel from `start` to
// `end` (pixels, end exclusive): min + (max - min) x (c - start) /
// (length - 1), the click limited to the channel, rounded to the nearest.
int TrackbarPositionAt(int coordinate, int start, int end, int rangeMin, int rangeMax) noexcept;

// Remembers where a move began: on the first key-down of a key (not its
// auto-repeats) or on a press of the button on the control. A move ends on
// the key's or the button's release, which reports the position remembered
// once and forgets it.
class TrackbarMoveTracker {
public:
    void OnKeyDown(bool autoRepeat, int position) noexcept;
    void OnPress(int position) noexcept;
    // The position the move began at, when a move began and that position
    // lies within rangeMin..rangeMax; false otherwise (a release with no
    // press or key-down on the control).
    bool EndMove(int rangeMin, int rangeMax, int& before) noexcept;
    bool Moving() const noexcept { return moving_; }

private:
    bool moving_ = false;
    int before_ = -1;
};

}  // namespace corvinata
