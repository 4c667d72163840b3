#include "app/dialog_states.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvinata {
namespace {

TEST(DialogStatesTest, NewStatesOpenAtTheDefaultPlaceAndTabbedOnesRememberTheTab) {
    GraphOptionsState graph;
    EXPECT_EQ(graph.placement.fieldMask, kGeometryPosition);
    EXPECT_EQ(graph.placement.left, 500);
    EXPECT_EQ(graph.placement.top, 300);
    EXPECT_EQ(graph.ControlOf(TXT("Current tab")), kOptionsTabControl);
    EXPECT_EQ(graph.sharedValue, 0);
    EXPECT_FALSE(graph.sharedFlag);
    PictureOptionsState picture;
    EXPECT_EQ(picture.ControlOf(TXT("Current tab")), 0);
}

TEST(DialogStatesTest, PictureFlagIsPublishedOnlyWhileItsStateLives) {
    auto state = std::make_unique<PictureOptionsState>();
    ASSERT_EQ(PictureOptionsFlag(), &state->fitFlag);
    EXPECT_FALSE(*PictureOptionsFlag());
    state.reset();
    EXPECT_EQ(PictureOptionsFlag(), nullptr);
}

}  // namespace
}  // namespace corvinata
