#include "app/trackbar_moves.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

TEST(TrackbarPositionAt, ClickAlongTheChannel) {
    const struct { int c, start, end, min, max, position; } cases[] = {
        {50, 0, 101, 0, 10, 5}, {-20, 0, 101, 0, 10, 0}, {500, 0, 101, 0, 10, 10},
        {59, 10, 111, 100, 200, 149}, {5, 5, 6, 3, 9, 3}, {7, 0, 11, 0, 3, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrackbarPositionAt(c.c, c.start, c.end, c.min, c.max), c.position) << c.c;
}

TEST(TrackbarMoveTracker, RemembersTheFirstKeyDownOnly) {  // AutoRepeatLostTheUndoPosition
    TrackbarMoveTracker tracker;
    tracker.OnKeyDown(false, 4);
    tracker.OnKeyDown(true, 5);
    tracker.OnKeyDown(true, 6);
    int before = -1;
    ASSERT_TRUE(tracker.EndMove(0, 10, before));
    EXPECT_EQ(before, 4);
}

TEST(TrackbarMoveTracker, ReleaseWithoutAStartReportsNothing) {  // ZoomOf65535AfterStrayButtonUp
    TrackbarMoveTracker tracker;
    int before = 77;
    EXPECT_FALSE(tracker.EndMove(0, 10, before));
    tracker.OnPress(3);
    EXPECT_TRUE(tracker.EndMove(0, 10, before));
    EXPECT_EQ(before, 3);
    EXPECT_FALSE(tracker.EndMove(0, 10, before));  // reported once
    tracker.OnPress(12);
    EXPECT_FALSE(tracker.EndMove(0, 10, before));  // outside the range
}

}  // namespace
}  // namespace corvinata
