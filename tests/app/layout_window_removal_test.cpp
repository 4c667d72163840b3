// A closing window must leave every layout, or applying a layout later
// places a window that no longer exists.
#include <gtest/gtest.h>

#include "app/layouts.h"
#include "support/app_session.h"

namespace corvinata {
namespace {

TEST(LayoutWindowRemovalTest, ClosedWindowLeavesAllThreeLayoutsThatHeldIt) {
    test::FakeFrame frame;
    int sky = 0, graph = 0;
    frame.Open(&sky, 6, 0, 11);
    frame.Open(&graph, 0, 0, 22);
    Layouts layouts(frame);
    ASSERT_TRUE(layouts.AddNewLayout());
    ASSERT_TRUE(layouts.AddNewLayout());
    ASSERT_TRUE(layouts.AddNewLayout());
    layouts.ForgetWindow(&sky);
    frame.open.erase(frame.open.begin());
    frame.placed.erase(&sky);
    for (int i = 0; i < layouts.Count(); ++i) {
        ASSERT_EQ(layouts.At(i).windows.size(), 1u) << i;
        EXPECT_EQ(layouts.At(i).windows[0].window, &graph) << i;
    }
    // Applying each layout now places only the window that is still open.
    for (int i = 0; i < layouts.Count(); ++i) EXPECT_TRUE(layouts.ApplyLayout(i)) << i;
}

}  // namespace
}  // namespace corvinata
