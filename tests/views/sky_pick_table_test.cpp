// The pick tables: what the drawers' pick lists record, and the feedback
// stream a pick writes from them, compared with what GL would write: a
// marker always, a pixel only inside the view volume, at its window place.
#include "views/sky_pick_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "views/sky_projection.h"

namespace corvinata {
namespace {

// An orthographic view of x and y in -100..100 (depth 0..200 in front of
// the eye) onto a viewport of 200 x 100 pixels from (10, 20).
WindowProjection TestView() {
    GlMatrix modelview{};
    modelview[0] = modelview[5] = modelview[10] = modelview[15] = 1.0;
    GlMatrix projection{};
    projection[0] = projection[5] = 1.0 / 100.0;
    projection[10] = -2.0 / 200.0;
    projection[14] = -1.0;
    projection[15] = 1.0;
    const int viewport[4] = {10, 20, 200, 100};
    return WindowProjection(modelview, projection, viewport);
}

TEST(SkyPickTable, MarkersAlwaysPixelsOnlyInsideTheViewAtTheirWindowPlace) {
    struct Case {
        double x, y, z;
        bool inside;
        float wx, wy;
    };
    const Case cases[] = {
        {0, 0, -100, true, 110, 70},      // the centre
        {-100, 100, -1, true, 10, 120},   // a corner
        {101, 0, -100, false, 0, 0},      // right of the view
        {0, -101, -100, false, 0, 0},     // below it
        {0, 0, 1, false, 0, 0},           // behind the eye
        {0, 0, -201, false, 0, 0},        // beyond the far plane
    };
    for (const Case& c : cases) {
        SkyPickTable table;
        table.AddMarker(42.0f);
        table.AddPixel(c.x, c.y, c.z);
        std::vector<float> tokens;
        table.Emit(TestView(), tokens);
        std::vector<float> expected = {skygl::kPassThroughToken, 42.0f};
        if (c.inside) expected.insert(expected.end(), {skygl::kDrawPixelToken, c.wx, c.wy});
        EXPECT_EQ(tokens, expected) << c.x << "," << c.y << "," << c.z;
    }
}

// The recorder keeps markers and pick pixels, moved by the translations
// made around them, and nothing else the drawers send.
TEST(SkyPickRecorder, KeepsMarkersAndTranslatedPixelsOnly) {
    SkyPickTable table;
    SkyPickRecorder recorder;
    recorder.RecordInto(table);
    static constexpr std::uint8_t kPixel[4] = {0, 0, 0, 0};
    recorder.PassThrough(1.0f);
    recorder.Begin(skygl::kLines);
    recorder.Vertex(5, 5, -50);
    recorder.End();
    recorder.MatrixMode(skygl::kProjection);
    recorder.PushMatrix();
    recorder.Translate(50, 50, 0);  // the projection's: no move of the points
    recorder.MatrixMode(skygl::kModelview);
    recorder.PushMatrix();
    recorder.Translate(10, 0, 0);
    recorder.RasterPos(0, 0, -100);
    recorder.DrawPixels(1, 1, kPixel);
    recorder.PopMatrix();
    recorder.MatrixMode(skygl::kProjection);
    recorder.PopMatrix();
    recorder.MatrixMode(skygl::kModelview);
    recorder.PassThrough(2.0f);
    recorder.RasterPos(0, 0, -100);
    recorder.DrawPixels(1, 1, kPixel);
    EXPECT_EQ(table.Markers(), (std::vector<float>{1.0f, 2.0f}));
    std::vector<float> tokens;
    table.Emit(TestView(), tokens);
    EXPECT_EQ(tokens, (std::vector<float>{skygl::kPassThroughToken, 1.0f, skygl::kDrawPixelToken, 120.0f, 70.0f,
                                          skygl::kPassThroughToken, 2.0f, skygl::kDrawPixelToken, 110.0f, 70.0f}));
}

TEST(WindowProjection, UnProjectTakesAWindowPointBackToItsModelPoint) {
    const WindowProjection view = TestView();
    for (const double x : {-80.0, 0.0, 35.5}) {
        double wx = 0.0, wy = 0.0, wz = 0.0;
        ASSERT_TRUE(view.Project(x, -x / 2, -60.0, wx, wy, wz));
        double mx = 0.0, my = 0.0, mz = 0.0;
        ASSERT_TRUE(view.UnProject(wx, wy, wz, mx, my, mz));
        EXPECT_NEAR(mx, x, 1e-9);
        EXPECT_NEAR(my, -x / 2, 1e-9);
        EXPECT_NEAR(mz, -60.0, 1e-9);
    }
}

}  // namespace
}  // namespace corvinata
