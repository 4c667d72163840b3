// The graph pictures drawn by GDI and read back from their BMP bytes.
#include "views/graph_image_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "base/scoped_win.h"
#include "support/catalogues.h"
#include "support/gdi_objects_win.h"
#include "support/graph_fakes.h"
#include "views/graph_canvas_win.h"

namespace corvinata::test {
namespace {

class BmpPixels {
public:
    explicit BmpPixels(const GraphImageBytes& bytes) : bytes_(bytes) {
        if (bytes_.size() < 54) return;
        std::memcpy(&offset_, &bytes_[10], 4);
        std::memcpy(&width_, &bytes_[18], 4);
        std::memcpy(&height_, &bytes_[22], 4);
        std::memcpy(&bits_, &bytes_[28], 2);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const {
        const int rowSize = ((width_ * bits_ + 31) / 32) * 4;
        const std::size_t at = offset_ + static_cast<std::size_t>(height_ - 1 - y) * rowSize +
                               static_cast<std::size_t>(x) * (bits_ / 8);
        return Colour{bytes_[at + 2], bytes_[at + 1], bytes_[at]};
    }

private:
    const GraphImageBytes& bytes_;
    std::uint32_t offset_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::uint16_t bits_ = 0;
};

class GraphImageWinTest : public ::testing::Test {
protected:
    GraphImageWinTest() : graph(hub) {
        EXPECT_TRUE(SharedCatalogues());
        TimeAndLocation& s = graph.document.Settings();
        s.beginDate = DateTime{2024, 1, 1, 0.0, kUniversalTime};
        s.endDate = DateTime{2025, 1, 1, 0.0, kUniversalTime};
        s.xAxisTimeSystem = kUniversalTime;
        s.xAxisMarkStep = TimeStep{kMonthsUnit, 1};
        s.xAxisLabelStep = TimeStep{kMonthsUnit, 1};
    }
    NotificationHub hub;
    TestGraph graph;
    GdiGraphImages images;
};

TEST_F(GraphImageWinTest, ConstantLineLiesOnItsComputedRow) {
    graph.AddLines("A");
    graph.document.UpdateGraphRange();
    GraphLine* line = graph.document.GetGraphLine(0);
    line->values.fill(37.0);
    line->colour = 2;
    graph.document.Settings().yAxisMin = 0.0;
    graph.document.Settings().yAxisMax = 100.0;
    const GraphImageBytes bytes = images.CaptureGraphArea(graph.document, 400, 300);
    const BmpPixels pixels(bytes);
    ASSERT_EQ(pixels.Width(), 400);
    const GraphScales scales = MakeGraphScales(graph.document, 400, 300);
    const int row = MapGraphPoint(scales, 0, GraphValuePixel(scales, 37.0)).y;
    for (int x : {1, 57, 200, 398}) {
        EXPECT_EQ(pixels.At(x, row), (Colour{255, 0, 0})) << x;
        EXPECT_EQ(pixels.At(x, row - 2), SystemGraphColours().background) << x;
    }
    EXPECT_TRUE(images.CaptureGraphArea(graph.document, 0, 300).empty());
}

TEST_F(GraphImageWinTest, LongitudeOfTheSunWrapsAtTheEdgesWithoutALineAcross) {
    graph.document.InsertLine(0, NamedLine("Sun", "Sun.Lon(ecl)"));
    images.ComputeGraphWithWaitCursor(graph.document, false);
    graph.document.UpdateGraphRange();
    ASSERT_EQ(graph.document.ValueKind(), 1);
    graph.document.Settings().yAxisMin = 0.0;
    graph.document.Settings().yAxisMax = 360.0;
    const Colour black{0, 0, 0};
    const GraphImageBytes bytes = images.CaptureGraphArea(graph.document, 400, 300);
    const BmpPixels pixels(bytes);
    int wrapColumns = 0;
    for (int x = 0; x < 400; ++x) {
        int top = 300, bottom = -1;
        for (int y = 0; y < 300; ++y) {
            if (pixels.At(x, y) == black) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        if (bottom < 0) continue;
        const bool wraps = top < 10 && bottom > 290;
        if (wraps) {
            ++wrapColumns;
            for (int y = 20; y < 280; ++y) EXPECT_NE(pixels.At(x, y), black) << x << "," << y;
        } else {
            EXPECT_LT(bottom - top, 10) << x;
        }
    }
    EXPECT_GE(wrapColumns, 1);
    EXPECT_LE(wrapColumns, 3);
}

TEST_F(GraphImageWinTest, EmptyGraphWritesItsFiveHintsAndAxesTheirMonths) {
    HDC screen = GetDC(nullptr);
    int h = 0;
    {
        HDC dc = CreateCompatibleDC(screen);
        {
            GdiGraphCanvas canvas(dc, 10, 10);
            h = canvas.LineHeight();
        }
        DeleteDC(dc);
    }
    ReleaseDC(nullptr, screen);
    const GraphImageBytes bytes = images.CaptureGraphArea(graph.document, 500, 12 * h);
    const BmpPixels pixels(bytes);
    auto inked = [&](int band) {
        for (int y = band * h; y < (band + 1) * h; ++y)
            for (int x = 0; x < 500; ++x)
                if (pixels.At(x, y) != SystemGraphColours().background) return true;
        return false;
    };
    for (int band : {3, 5, 6, 7, 8}) EXPECT_TRUE(inked(band)) << band;
    for (int band : {0, 1, 2, 4, 9, 10}) EXPECT_FALSE(inked(band)) << band;

    const GraphImageBytes axis = images.CaptureGraphXAxis(graph.document, 733, 24);
    const BmpPixels axisPixels(axis);
    int months = 0;
    for (const GraphAxisMark& mark : ComputeTimeAxisMarks(graph.document, 733, 24)) {
        if (mark.level != kMonthsUnit || mark.position >= 733) continue;
        EXPECT_EQ(axisPixels.At(mark.position, 1), SystemGraphAxisColours().text) << mark.position;
        ++months;
    }
    EXPECT_EQ(months, 13);  // 1 January 2025 on the last column
}

TEST_F(GraphImageWinTest, ThousandPaintsLeaveNoGdiObjects) {
    graph.AddLines("AB");
    graph.document.UpdateGraphRange();
    graph.document.GetGraphLine(1)->fillBelow = 4;
    TimeAndLocation& s = graph.document.Settings();
    s.xAxisGridActive = s.yAxisGridActive = true;
    s.xAxisGridStep = TimeStep{kDaysUnit, 30};
    s.yAxisGridStep = 10;
    WNDCLASSW type{};
    type.lpfnWndProc = DefWindowProcW;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"GraphPaintTest";
    RegisterClassW(&type);
    HWND window = CreateWindowExW(0, L"GraphPaintTest", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, type.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    auto paint = [&] {
        ScopedWindowDc dc(window);
        GdiGraphCanvas canvas(dc.Get(), 300, 200);
        PaintGraph(canvas, graph.document, 300, 200, 50, true, SystemGraphColours());
        PaintGraphXAxis(canvas, graph.document, 300, 24, SystemGraphAxisColours());
        GraphValueAxis axis;
        axis.Paint(canvas, graph.document, 40, 200, SystemGraphAxisColours(), {});
    };
    paint();
    images.CaptureGraphYAxis(graph.document, 40, 200);
    const long before = LiveGdiObjects();
    for (int i = 0; i < 1000; ++i) paint();
    for (int i = 0; i < 50; ++i) images.CaptureGraphYAxis(graph.document, 40, 200);
    const long after = LiveGdiObjects();
    EXPECT_LE(after - before, 2);
    // The count sees every object that stays alive.
    std::vector<HBRUSH> kept;
    for (int i = 0; i < 300; ++i) kept.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_EQ(LiveGdiObjects() - after, 300);
    for (HBRUSH brush : kept) DeleteObject(brush);
    DestroyWindow(window);
}

}  // namespace
}  // namespace corvinata::test
