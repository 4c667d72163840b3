// Labels placed one after another without covering each other.
#include "views/label_placement.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

TEST(LabelBox, OverlapNeedsAreaInCommonNotATouchingEdge) {
    const LabelBox box{0, 0, 10, 10};
    struct Case {
        LabelBox other;
        bool overlaps;
    };
    const Case cases[] = {
        {{5, 5, 15, 15}, true},     {{10, 0, 20, 10}, false},  // right edge touches
        {{0, 10, 10, 20}, false},   {{-5, -5, 1, 1}, true},    // bottom edge touches; corner
        {{2, 2, 3, 3}, true},       {{-10, 2, 0, 3}, false},   // inside; left edge touches
    };
    for (const Case& c : cases) {
        EXPECT_EQ(box.Overlaps(c.other), c.overlaps) << c.other.left << "," << c.other.top;
        EXPECT_EQ(c.other.Overlaps(box), c.overlaps);
    }
}

TEST(LabelPlacer, EachLabelTakesItsFirstFreePlaceOrNone) {
    LabelPlacer placer;
    EXPECT_EQ(placer.Place({{0, 0, 10, 10}}), 0u);
    // The first candidate is taken: the second.
    EXPECT_EQ(placer.Place({{5, 0, 15, 10}, {20, 0, 30, 10}}), 1u);
    // Every candidate is taken: left out, and nothing is placed.
    EXPECT_EQ(placer.Place({{0, 5, 10, 15}, {25, 5, 35, 15}}), std::nullopt);
    ASSERT_EQ(placer.Placed().size(), 2u);
    EXPECT_EQ(placer.Placed()[1].left, 20);
}

}  // namespace
}  // namespace corvinata
