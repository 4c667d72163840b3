// Jupiter and Saturn explorer windows in the real frame: opened by the
// program's own start-up wiring, driven by real messages, their pixels read
// back from the display's back buffer in its own context.
#include <windows.h>

#include <GL/gl.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../frame/frame_test.h"
#include "../frame/typed_keys.h"
#include "shown_frames.h"
#include "catalog/catalogue_registry.h"
#include "controls/custom_controls_setup.h"
#include "controls/program_fonts.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "support/date_records.h"
#include "support/explorer_projection.h"
#include "support/pointer_away_win.h"
#include "tools/object_info_window_win.h"
#include "views/explorer_window_win.h"
#include "views/sky_window_win.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

struct Rgb {
    int r, g, b;
};

constexpr double kPi = 3.14159265358979323846;

// A 24-bit BMP file whose rows (bottom first) take the colour `at` gives
// (column, row).
template <typename ColourAt>
std::vector<std::uint8_t> Bmp(int width, int height, ColourAt at) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> file(54 + static_cast<std::size_t>(stride) * height);
    auto put32 = [&file](std::size_t where, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[where + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = at(x, y);
            std::uint8_t* p = &file[54 + static_cast<std::size_t>(y) * stride + x * 3];
            p[0] = static_cast<std::uint8_t>(c.b);
            p[1] = static_cast<std::uint8_t>(c.g);
            p[2] = static_cast<std::uint8_t>(c.r);
        }
    }
    return file;
}

bool IsRed(const Rgb& p) { return p.r > 200 && p.g < 40 && p.b < 40; }
bool IsBlue(const Rgb& p) { return p.b > 200 && p.r < 40 && p.g < 40; }
bool IsGreen(const Rgb& p) { return p.g > 200 && p.r < 40 && p.b < 40; }

class ExplorerWindowTest : public test::FrameTest {
protected:
    ExplorerWindowTest() {
        INITCOMMONCONTROLSEX common{sizeof common, 0x1FFF};
        InitCommonControlsEx(&common);
        StartProgram();
    }
    ~ExplorerWindowTest() override {
        if (frame_) Command(CMD_CLOSE_ALL);
        frame_.reset();
        fonts_.reset();
    }
    // The frame as the program starts it, with its window kinds.
    void StartProgram() {
        Start(false);
        UseCustomControls();
        ShowWindow(frame_->Window(), SW_SHOW);
        SetForegroundWindow(frame_->Window());
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::vector<ExplorerWindow*> Explorers() {
        std::vector<ExplorerWindow*> windows;
        for (RegisteredWindow* open : frame_->Registry().AllWindows()) {
            if (auto* explorer = dynamic_cast<ExplorerWindow*>(open)) windows.push_back(explorer);
        }
        return windows;
    }

    static constexpr int kSide = 480;
    // A new window of the kind at a fixed moment, kSide pixels square.
    ExplorerWindow& NewExplorer(int command, const DateTime& moment) {
        Command(command);
        auto* explorer = dynamic_cast<ExplorerWindow*>(frame_->Children().ActiveWindow());
        EXPECT_NE(explorer, nullptr);
        explorer->GetDocument().SetDateTime(moment);
        // Wholly inside the MDI client: GL owns no pixel another window covers.
        SetWindowPos(explorer->Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SizeDisplay(*explorer, kSide, kSide);
        RECT client{};
        RECT display{};
        GetClientRect(frame_->MdiClient(), &client);
        MapWindowPoints(frame_->MdiClient(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        GetWindowRect(explorer->Display()->Window(), &display);
        EXPECT_TRUE(display.right <= client.right && display.bottom <= client.bottom)
            << client.right - client.left << "x" << client.bottom - client.top;
        return *explorer;
    }
    static void SizeDisplay(ExplorerWindow& explorer, int width, int height) {
        RECT window{};
        RECT client{};
        GetWindowRect(explorer.Handle(), &window);
        GetClientRect(explorer.Handle(), &client);
        SetWindowPos(explorer.Handle(), nullptr, 0, 0, width + (window.right - window.left) - client.right,
                     height + (window.bottom - window.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
    }
    // A view of the kind's defaults with these changes.
    static void SetView(ExplorerWindow& explorer, int zoom, std::uint32_t visibility, bool orbits, bool names,
                        bool swapNorthSouth = false, bool swapEastWest = false) {
        ExplorerViewRecord record = explorer.CaptureRecord();
        record.zoomLevel = zoom;
        record.visibility = visibility;
        record.options.showOrbits = orbits;
        record.options.showNames = names;
        record.options.swapNorthSouth = swapNorthSouth;
        record.options.swapEastWest = swapEastWest;
        explorer.ApplyRecord(record);
    }
    // Test pictures through the program's loader: the map red in the north
    // and blue in the south, the ring red on its inner half and green on its
    // outer half.
    static void UseTestPictures(ExplorerWindow& explorer) {
        const auto map = Bmp(1024, 512, [](int, int y) { return y >= 256 ? Rgb{255, 0, 0} : Rgb{0, 0, 255}; });
        const auto ring = Bmp(1024, 1, [](int x, int) { return x < 512 ? Rgb{255, 0, 0} : Rgb{0, 255, 0}; });
        ExplorerImage planet;
        ExplorerImage rings;
        ASSERT_TRUE(DecodeExplorerImage(map.data(), map.size(), 1024, 512, planet));
        ASSERT_TRUE(DecodeExplorerImage(ring.data(), ring.size(), 1024, 1, rings));
        explorer.Display()->SetPictures(planet, rings);
    }
    // A fresh frame read back from the back buffer before any swap, top row
    // first as client coordinates run.
    static std::vector<Rgb> ReadFrame(ExplorerWindow& explorer, int& width, int& height) {
        ExplorerDisplay& display = *explorer.Display();
        RECT client{};
        GetClientRect(display.Window(), &client);
        width = client.right;
        height = client.bottom;
        display.Render(false);
        std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * height * 4);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        std::vector<Rgb> pixels(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const unsigned char* p = &rgba[(static_cast<std::size_t>(height - 1 - y) * width + x) * 4];
                pixels[static_cast<std::size_t>(y) * width + x] = {p[0], p[1], p[2]};
            }
        }
        return pixels;
    }
    static Rgb At(const std::vector<Rgb>& pixels, int width, int x, int y) {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
    static std::wstring Caption(ExplorerWindow& explorer) {
        wchar_t text[128] = {};
        GetWindowTextW(explorer.Handle(), text, 128);
        return text;
    }
    static std::wstring UndoText(ExplorerWindow& explorer) {
        const CommandGroup* step = explorer.GetCommandHistory().PeekUndoCommand();
        return step ? std::wstring(step->redoText.Text()) : std::wstring();
    }

    std::unique_ptr<ProgramFonts> fonts_;
};

const DateTime kJupiterMoment = MakeDateTime(2021, 8, 20, 3.0, kUniversalTime);

TEST_F(ExplorerWindowTest, GlobeShowsItsNorthUpUnlessSwappedAndBothSwapsTurnIt) {
    struct Case {
        bool swapNorthSouth, swapEastWest;
        bool redAbove;
    };
    const Case cases[] = {{false, false, true}, {true, false, false}, {false, true, true}, {true, true, false}};
    ExplorerWindow& jupiter = NewExplorer(CMD_NEW_JUPITER, kJupiterMoment);
    UseTestPictures(jupiter);
    for (const Case& c : cases) {
        SetView(jupiter, 0, 0, false, false, c.swapNorthSouth, c.swapEastWest);
        int width = 0, height = 0;
        const std::vector<Rgb> pixels = ReadFrame(jupiter, width, height);
        const Rgb above = At(pixels, width, width / 2, height / 2 - 20);
        const Rgb below = At(pixels, width, width / 2, height / 2 + 20);
        EXPECT_TRUE(c.redAbove ? IsRed(above) && IsBlue(below) : IsBlue(above) && IsRed(below))
            << c.swapNorthSouth << c.swapEastWest << " above " << above.r << "," << above.g << "," << above.b;
    }
}

TEST_F(ExplorerWindowTest, MoonsAreGreySpheresWhereTheirXAndYPutThemAndRedAtNight) {
    ExplorerWindow& jupiter = NewExplorer(CMD_NEW_JUPITER, kJupiterMoment);
    SetView(jupiter, 3, 0xF, false, false);
    for (bool night : {false, true}) {
        frame_->NightVision().ApplyNightVision(night, 1.0, 1.0);
        int width = 0, height = 0;
        const std::vector<Rgb> pixels = ReadFrame(jupiter, width, height);
        // The system turned by the position angle of the pole, the tilt to
        // the East the panel shows.
        ExplorerViewGeometry view;
        view.width = width;
        view.height = height;
        view.halfSize = ExplorerHalfSize(JupiterExplorerGeometry(), 3);
        view.positionAngle = jupiter.GetDocument().TiltToEast();
        ASSERT_GT(std::fabs(view.positionAngle), 10.0);
        const MoonPositions moons = ExplorerDocumentMoons(jupiter.GetDocument());
        for (int k = 0; k < 4; ++k) {
            ASSERT_TRUE(jupiter.Display()->Drawn().drawn[k]);
            const WindowPoint expected = test::ExplorerProjectPoint(view, moons.position[k]);
            const WindowPoint& at = jupiter.Display()->Drawn().at[k];
            EXPECT_NEAR(at.x, expected.x, 1.0) << k;
            EXPECT_NEAR(at.y, expected.y, 1.0) << k;
            // A moon in front of the disc or beside it shows its own grey.
            if (std::hypot(moons.position[k].x, moons.position[k].y) < 1.2 && moons.position[k].z > 0.0) continue;
            const Rgb p = At(pixels, width, static_cast<int>(at.x), height - 1 - static_cast<int>(at.y));
            EXPECT_NEAR(p.r, 179, 2) << k;
            EXPECT_NEAR(p.g, night ? 0 : 179, 2) << k;
            EXPECT_NEAR(p.b, night ? 0 : 179, 2) << k;
        }
        // The globe too: at night the red of its luminance.
        const Rgb globe = At(pixels, width, width / 2, height / 2);
        EXPECT_GT(globe.r, 40);
        if (night) {
            EXPECT_EQ(globe.g + globe.b, 0);
        }
    }
    frame_->NightVision().ApplyNightVision(false, 1.0, 1.0);
}

// A window taller or wider than its square view, laid over what another
// window left there: once it is drawn again, the bands beside the view show
// the view's own background, by day and at night, in either kind.
TEST_F(ExplorerWindowTest, TheBandsBesideTheSquareViewShowTheViewsBackground) {
    const struct {
        int command;
        int width, height;
    } cases[] = {{CMD_NEW_JUPITER, 260, 600}, {CMD_NEW_SATURN, 260, 600}, {CMD_NEW_JUPITER, 700, 260}};
    const HBRUSH junk = CreateSolidBrush(RGB(255, 0, 255));
    for (const auto& c : cases) {
        ExplorerWindow& explorer = NewExplorer(c.command, kJupiterMoment);
        SizeDisplay(explorer, c.width, c.height);
        RECT client{};
        RECT view{};
        GetClientRect(explorer.Handle(), &client);
        GetWindowRect(explorer.Display()->Window(), &view);
        MapWindowPoints(nullptr, explorer.Handle(), reinterpret_cast<POINT*>(&view), 2);
        ASSERT_EQ(client.right, c.width);
        ASSERT_EQ(client.bottom, c.height);
        const bool tall = c.height > c.width;
        // The middle of each band, well clear of the view.
        const POINT bands[] = {tall ? POINT{c.width / 2, view.top / 2} : POINT{view.left / 2, c.height / 2},
                               tall ? POINT{c.width / 2, (view.bottom + c.height) / 2}
                                    : POINT{(view.right + c.width) / 2, c.height / 2}};
        ASSERT_GT(tall ? view.top : view.left, 20) << c.width << "x" << c.height;
        for (bool night : {false, true}) {
            frame_->NightVision().ApplyNightVision(night, 1.0, 1.0);
            HDC dc = GetDC(explorer.Handle());
            FillRect(dc, &client, junk);
            ReleaseDC(explorer.Handle(), dc);
            RedrawWindow(explorer.Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            int width = 0, height = 0;
            const Rgb corner = At(ReadFrame(explorer, width, height), width, 1, 1);
            EXPECT_EQ(RGB(corner.r, corner.g, corner.b), kExplorerBackground.ToColorRef());
            dc = GetDC(explorer.Handle());
            for (const POINT& band : bands) {
                EXPECT_EQ(GetPixel(dc, band.x, band.y), kExplorerBackground.ToColorRef())
                    << c.command << " " << c.width << "x" << c.height << " night " << night << " at " << band.x
                    << "," << band.y;
            }
            ReleaseDC(explorer.Handle(), dc);
        }
        frame_->NightVision().ApplyNightVision(false, 1.0, 1.0);
        // The erase leaves the view's square to the view: it never flashes.
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, c.width, c.height);
        const HGDIOBJ old = SelectObject(memory, bitmap);
        FillRect(memory, &client, junk);
        SendMessageW(explorer.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
        EXPECT_EQ(GetPixel(memory, (view.left + view.right) / 2, (view.top + view.bottom) / 2), RGB(255, 0, 255));
        EXPECT_EQ(GetPixel(memory, bands[0].x, bands[0].y), kExplorerBackground.ToColorRef());
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    DeleteObject(junk);
}

// The ring's opening is sin B of its width: wide open in 2017, edge-on when
// the Earth crossed the ring plane in September 2009.
TEST_F(ExplorerWindowTest, SaturnsRingsOpenAsTheTiltToTheEarthSays) {
    const DateTime moments[] = {MakeDateTime(2017, 10, 16, 0.0, kUniversalTime),
                                MakeDateTime(2009, 9, 4, 12.0, kUniversalTime)};
    ExplorerWindow& saturn = NewExplorer(CMD_NEW_SATURN, moments[0]);
    UseTestPictures(saturn);
    SetView(saturn, 0, 0, false, false);
    for (const DateTime& moment : moments) {
        saturn.GetDocument().SetDateTime(moment);
        int width = 0, height = 0;
        const std::vector<Rgb> pixels = ReadFrame(saturn, width, height);
        // Along the ring's axes, turned from the window's by the position
        // angle of the pole (east to the left): its major axis and its minor
        // one, towards the north pole.
        const double p = saturn.GetDocument().TiltToEast() * kPi / 180.0;
        const auto greenSpan = [&](double dx, double dy) {
            double low = width, high = -width;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    if (!IsGreen(At(pixels, width, x, y))) continue;
                    const double t = (x + 0.5 - width / 2.0) * dx + (y + 0.5 - height / 2.0) * dy;
                    low = std::min(low, t);
                    high = std::max(high, t);
                }
            }
            return high >= low ? high - low + 1.0 : 0.0;
        };
        const double tilt = saturn.GetDocument().TiltToEarth();
        const double ringWidth = greenSpan(std::cos(p), -std::sin(p));
        const double ringHeight = greenSpan(-std::sin(p), -std::cos(p));
        // Edge-on the rings have no area: at most a line of pixels shows.
        if (moment.year == 2017) {
            ASSERT_GT(ringWidth, 0.0);
        }
        EXPECT_NEAR(ringHeight, ringWidth * std::sin(std::fabs(tilt) * kPi / 180.0), 2.0) << moment.year;
        if (moment.year == 2017) {
            EXPECT_GT(tilt, 26.0);
            // The north face: the far side of the rings shows above the globe.
            EXPECT_TRUE(IsRed(At(pixels, width, width / 2, height / 2 - 20)));
        }
    }
}

TEST_F(ExplorerWindowTest, AHiddenMoonLosesSphereNameAndOrbitButTheRingsStay) {
    ExplorerWindow& saturn = NewExplorer(CMD_NEW_SATURN, MakeDateTime(2017, 10, 16, 0.0, kUniversalTime));
    UseTestPictures(saturn);
    // Titan alone, with its orbit and name.
    SetView(saturn, 7, 1u << 5, true, true);
    int width = 0, height = 0;
    const std::vector<Rgb> shown = ReadFrame(saturn, width, height);
    ASSERT_TRUE(saturn.Display()->Drawn().drawn[5]);
    const WindowPoint titan = saturn.Display()->Drawn().at[5];
    saturn.Actions().ShowHideMoon(saturn, 5, false, nullptr);
    EXPECT_EQ(UndoText(saturn), L"Hide Titan");
    const std::vector<Rgb> hidden = ReadFrame(saturn, width, height);
    EXPECT_FALSE(saturn.Display()->Drawn().drawn[5]);
    // Lit pixels in a rectangle of client coordinates, leaving out the box
    // of the globe and rings around the middle.
    const int ringHalf = static_cast<int>(140.154 / 60.268 * 40.0 / ExplorerHalfSize(SaturnExplorerGeometry(), 7) *
                                          width / 2.0) + 3;
    auto lit = [&](const std::vector<Rgb>& pixels, int x0, int y0, int x1, int y1) {
        int count = 0;
        for (int y = std::max(0, y0); y <= std::min(height - 1, y1); ++y) {
            for (int x = std::max(0, x0); x <= std::min(width - 1, x1); ++x) {
                if (std::abs(x - width / 2) <= ringHalf && std::abs(y - height / 2) <= ringHalf) continue;
                const Rgb p = At(pixels, width, x, y);
                count += p.r + p.g + p.b > 30;
            }
        }
        return count;
    };
    const int tx = static_cast<int>(titan.x);
    const int ty = height - 1 - static_cast<int>(titan.y);
    EXPECT_GT(lit(shown, tx - 2, ty - 2, tx + 2, ty + 2), 0);
    // The name, up and to the right of the sphere.
    EXPECT_GT(lit(shown, tx + 10, ty - 24, tx + 60, ty - 8), 0);
    // The orbit: lit pixels beyond the sphere and the name.
    EXPECT_GT(lit(shown, 0, 0, width - 1, height - 1), lit(shown, tx - 8, ty - 24, tx + 60, ty + 8));
    EXPECT_EQ(lit(hidden, 0, 0, width - 1, height - 1), 0);
    // The globe and rings in the middle are unchanged.
    int middle = 0;
    for (int x = width / 2 - ringHalf; x <= width / 2 + ringHalf; ++x) {
        const Rgb a = At(shown, width, x, height / 2);
        const Rgb b = At(hidden, width, x, height / 2);
        EXPECT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << x;
        middle += IsGreen(b);
    }
    EXPECT_GT(middle, 0);
}

TEST_F(ExplorerWindowTest, AClickSelectsTheNearestDrawnMoonAsOneStep) {
    ExplorerWindow& jupiter = NewExplorer(CMD_NEW_JUPITER, kJupiterMoment);
    SetView(jupiter, 3, 0xF, false, false);
    int width = 0, height = 0;
    ReadFrame(jupiter, width, height);
    const WindowPoint europa = jupiter.Display()->Drawn().at[1];
    const int before = jupiter.GetCommandHistory().UndoableCount();
    SendMessageW(jupiter.Display()->Window(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(static_cast<int>(europa.x) + 2, height - 1 - static_cast<int>(europa.y)));
    EXPECT_EQ(jupiter.GetSelectedMoon(), 1);
    EXPECT_EQ(jupiter.GetCommandHistory().UndoableCount(), before + 1);
    EXPECT_EQ(UndoText(jupiter), L"Select Europa");
    // Zoomed to Io only Io is drawn: a click far from it, where the moons
    // beyond the zoom would have been kept, still selects Io.
    SetView(jupiter, 0, 0xF, false, false);
    ReadFrame(jupiter, width, height);
    SendMessageW(jupiter.Display()->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, height - 1));
    EXPECT_EQ(jupiter.GetSelectedMoon(), 0);
    EXPECT_EQ(UndoText(jupiter), L"Select Io");
}

TEST_F(ExplorerWindowTest, WheelNotchesWithinASecondAreOneStepAndALaterNotchAnother) {
    ExplorerWindow& jupiter = NewExplorer(CMD_NEW_JUPITER, kJupiterMoment);
    SetView(jupiter, 0, 0xF, false, false);
    const int before = jupiter.GetCommandHistory().UndoableCount();
    for (int i = 0; i < 3; ++i) SendMessageW(jupiter.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(jupiter.GetZoomLevel(), 3);
    EXPECT_EQ(jupiter.GetCommandHistory().UndoableCount(), before + 1);
    EXPECT_TRUE(jupiter.WheelBurstOpen());
    SendMessageW(jupiter.Handle(), WM_TIMER, 1, 0);
    EXPECT_FALSE(jupiter.WheelBurstOpen());
    SendMessageW(jupiter.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(jupiter.GetZoomLevel(), 2);
    EXPECT_EQ(jupiter.GetCommandHistory().UndoableCount(), before + 2);
    jupiter.GetCommandHistory().UndoCommands(1);
    jupiter.GetCommandHistory().UndoCommands(1);
    EXPECT_EQ(jupiter.GetZoomLevel(), 0);
}

TEST_F(ExplorerWindowTest, CaptionNamesTheZoomedMoonAndADuplicateCopiesTheView) {
    ExplorerWindow& saturn = NewExplorer(CMD_NEW_SATURN, MakeDateTime(2017, 10, 16, 0.0, kUniversalTime));
    saturn.Actions().ZoomToLevel(saturn, 5, true, nullptr);
    EXPECT_EQ(Caption(saturn), L"Saturn Explorer: Zoomed to Titan");
    saturn.Actions().TiltTo(saturn, -5, nullptr);
    saturn.Actions().ShowHideMoon(saturn, 2, false, nullptr);
    const ExplorerViewRecord model = saturn.CaptureRecord();
    ASSERT_TRUE(saturn.Duplicate());
    auto* copy = dynamic_cast<ExplorerWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, &saturn);
    const ExplorerViewRecord copied = copy->CaptureRecord();
    EXPECT_EQ(copied.zoomLevel, 5);
    EXPECT_EQ(copied.tiltAngle, -5);
    EXPECT_EQ(copied.visibility, model.visibility);
    EXPECT_EQ(copied.selectedMoon, model.selectedMoon);
    EXPECT_EQ(Caption(*copy), L"Saturn Explorer: Zoomed to Titan");
    // Its own history: nothing to undo there.
    EXPECT_EQ(copy->GetCommandHistory().UndoableCount(), 0);
    // The original goes with its GL lists; the copy still draws its names.
    SetWindowPos(copy->Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SizeDisplay(*copy, kSide, kSide);
    auto label = [&] {
        int width = 0, height = 0;
        const std::vector<Rgb> pixels = ReadFrame(*copy, width, height);
        const WindowPoint titan = copy->Display()->Drawn().at[5];
        int count = 0;
        for (int y = height - 1 - static_cast<int>(titan.y) - 24; y < height - 1 - static_cast<int>(titan.y) - 8; ++y) {
            for (int x = static_cast<int>(titan.x) + 10; x < static_cast<int>(titan.x) + 50; ++x) {
                if (x >= 0 && y >= 0 && x < width && y < height) count += At(pixels, width, x, y).g > 150;
            }
        }
        return count;
    };
    EXPECT_GT(label(), 5);
    SendMessageW(frame_->MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(saturn.Handle()), 0);
    EXPECT_GT(label(), 5);
}

TEST_F(ExplorerWindowTest, DisplayKeepsThePixelAspectAndAMissingPictureIsReportedNotFatal) {
    std::vector<std::wstring> reports;
    ExplorerWindowContext context{{*app_, frame_->Children(), GetModuleHandleW(nullptr), fonts_->DialogFont(),
                                   fonts_->SymbolFont(), [] { return false; }}};
    context.pixelAspect = 1.25;
    context.planetPicture = TXT("NO_SUCH_PICTURE");
    context.reportError = [&reports](const String& text) { reports.emplace_back(text.Text()); };
    frame_->Children().AddKind(MakeExplorerWindowKind(JupiterExplorerTraits(), context));
    ExplorerWindow& jupiter = NewExplorer(CMD_NEW_JUPITER, kJupiterMoment);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(L"NO_SUCH_PICTURE"), std::wstring::npos);
    EXPECT_FALSE(jupiter.Display()->Textured());
    RECT display{};
    GetWindowRect(jupiter.Display()->Window(), &display);
    MapWindowPoints(nullptr, jupiter.Handle(), reinterpret_cast<POINT*>(&display), 2);
    // 480 x 480: width = min(480, 480 / 1.25) = 384, height 480.
    EXPECT_EQ(display.right - display.left, 384);
    EXPECT_EQ(display.bottom - display.top, 480);
    EXPECT_EQ(display.left, 48);
    // The globe is still drawn, in a plain colour.
    SetView(jupiter, 0, 0, false, false);
    int width = 0, height = 0;
    const std::vector<Rgb> pixels = ReadFrame(jupiter, width, height);
    const Rgb middle = At(pixels, width, width / 2, height / 2);
    EXPECT_GT(middle.r + middle.g + middle.b, 300);
}

// The first frame a window shows after it was created or changed its size
// is drawn at its new size: under Wine it came out at the old size (a new
// Jupiter explorer beside a maximized window stayed black, a grown one
// showed its old picture in a corner).
TEST_F(ExplorerWindowTest, FirstFrameAfterCreationOrASizeChangeIsDrawnAtTheWindowsSize) {
    ExplorerWindow& first = NewExplorer(CMD_NEW_JUPITER, kJupiterMoment);
    SetView(first, 0, 0xF, true, true);
    test::RunWaitingMessages();
    struct Case {
        const char* what;
        std::function<void(ExplorerWindow&)> change;
    };
    const Case cases[] = {
        {"grown", [](ExplorerWindow& w) { SizeDisplay(w, 600, 560); }},
        {"shrunk", [](ExplorerWindow& w) { SizeDisplay(w, 300, 340); }},
        {"maximized", [](ExplorerWindow& w) { ShowWindow(w.Handle(), SW_MAXIMIZE); }},
        {"restored", [](ExplorerWindow& w) { ShowWindow(w.Handle(), SW_RESTORE); }},
    };
    // The frame shown by the paint that follows the change, against the
    // next one drawn.
    const auto expectShownAtSize = [](ExplorerDisplay& display, const test::ShownFrames& shown, const char* what) {
        ASSERT_GT(shown.Count(), 0u) << what;
        const std::vector<unsigned char> painted = shown.Last();
        display.Render(true);
        EXPECT_TRUE(painted == shown.Last()) << what;
    };
    for (const Case& c : cases) {
        test::ShownFrames shown(*first.Display()->Gl(), first.Display()->Window());
        c.change(first);
        UpdateWindow(first.Display()->Window());
        test::RunWaitingMessages();
        expectShownAtSize(*first.Display(), shown, c.what);
    }
    // A new window opened while another is maximized opens maximized.
    ShowWindow(first.Handle(), SW_MAXIMIZE);
    test::RunWaitingMessages();
    Command(CMD_NEW_JUPITER);
    auto* second = dynamic_cast<ExplorerWindow*>(frame_->Children().ActiveWindow());
    ASSERT_TRUE(second != nullptr && second != &first);
    test::ShownFrames shown(*second->Display()->Gl(), second->Display()->Window());
    test::RunWaitingMessages();
    expectShownAtSize(*second->Display(), shown, "new beside a maximized window");
}

// What the screen shows of a painted display is the frame it drew, read
// through the screen's DC: under Wine the display kept whatever had been
// there, its frames shown nowhere.
TEST_F(ExplorerWindowTest, TheScreenShowsTheFramePaintedInTheDisplay) {
    test::PutPointerWhereItShowsNothing();
    ExplorerWindow& saturn = NewExplorer(CMD_NEW_SATURN, kJupiterMoment);
    test::ExpectScreenShowsThePaintedFrame(*saturn.Display()->Gl(), saturn.Display()->Window());
}

// A second window of a kind computes nothing the first did: both show the
// kind's one document over one set of orbits, computed once.
TEST_F(ExplorerWindowTest, ASecondWindowReadsTheOrbitsTheFirstComputed) {
    ExplorerWindow& first = NewExplorer(CMD_NEW_SATURN, kJupiterMoment);
    test::RunWaitingMessages();
    ExplorerWindow& second = NewExplorer(CMD_NEW_SATURN, kJupiterMoment);
    test::RunWaitingMessages();
    ASSERT_NE(&first, &second);
    EXPECT_EQ(&first.Display()->Orbits(), &second.Display()->Orbits());
    EXPECT_EQ(second.Display()->Orbits().Computations(), 1);
    EXPECT_TRUE(first.Display()->Textured());
    EXPECT_TRUE(second.Display()->Textured());
}

TEST_F(ExplorerWindowTest, WindowsViewsAndTheMomentSurviveARestart) {
    ExplorerWindow& jupiter = NewExplorer(CMD_NEW_JUPITER, kJupiterMoment);
    jupiter.Actions().ZoomToLevel(jupiter, 1, true, nullptr);
    jupiter.Actions().SelectMoonStep(jupiter, 2, nullptr);
    ExplorerWindow& saturn = NewExplorer(CMD_NEW_SATURN, MakeDateTime(2017, 10, 16, 6.0, kUniversalTime));
    saturn.Actions().TiltTo(saturn, 40, nullptr);
    saturn.Actions().ShowHideMoon(saturn, 6, false, nullptr);
    ExplorerDisplayOptions options = saturn.GetDisplayOptions();
    options.swapEastWest = 1;
    options.showOrbits = 0;
    saturn.Actions().ChangeDisplayOptions(saturn, options, kExplorerOptionsWhole, nullptr);
    const ExplorerViewRecord jupiterView = jupiter.CaptureRecord();
    const ExplorerViewRecord saturnView = saturn.CaptureRecord();
    SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
    frame_.reset();
    app_.reset();
    StartProgram();
    const std::vector<ExplorerWindow*> windows = Explorers();
    ASSERT_EQ(windows.size(), 2u);
    for (ExplorerWindow* window : windows) {
        const ExplorerViewRecord view = window->CaptureRecord();
        const ExplorerViewRecord& stored = window->Traits().kind == kSaturnExplorerWindow ? saturnView : jupiterView;
        EXPECT_EQ(view.zoomLevel, stored.zoomLevel);
        EXPECT_EQ(view.selectedMoon, stored.selectedMoon);
        EXPECT_EQ(view.tiltAngle, stored.tiltAngle);
        EXPECT_EQ(view.visibility, stored.visibility);
        EXPECT_TRUE(view.options == stored.options);
        if (window->Traits().kind == kSaturnExplorerWindow) {
            EXPECT_EQ(window->GetDocument().GetTimeAndPlace().dateTime.year, 2017);
            EXPECT_NEAR(window->GetDocument().GetTimeAndPlace().dateTime.hours, 6.0, 1e-6);
        }
    }
}

// Reads the open context menu from a timer of the menu's own loop, then
// closes it.
struct MenuWatch {
    static inline std::vector<UINT> states;
    static inline std::wstring firstItem;
    static void CALLBACK Read(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup) return;
        KillTimer(nullptr, timer);
        HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        states.clear();
        for (int id : {CMD_SHOW_SKY, CMD_SHOW_SOLAR_SYSTEM, CMD_SHOW_PICTURE, CMD_SHOW_OBJECT_INFO, CMD_EXPLORER_OPTIONS})
            states.push_back(GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED);
        wchar_t text[128] = {};
        GetMenuStringW(menu, 0, text, 128, MF_BYPOSITION);
        firstItem = text;
        EndMenu();
    }
};

TEST_F(ExplorerWindowTest, TheMoonsMenuNamesItAndGreysWhatNeedsAMoonAndSkyShowsThePlanet) {
    ExplorerWindow& jupiter = NewExplorer(CMD_NEW_JUPITER, kJupiterMoment);
    struct Case {
        std::uint32_t visibility;
        const wchar_t* item;
        std::vector<UINT> grey;  // Sky, Solar System, Picture, Object Info, Options
    } cases[] = {
        {0x2, L"Display Europa in &Window", {0, 0, MF_GRAYED, 0, 0}},
        {0x0, L"Display unknown object in &Window", {MF_GRAYED, MF_GRAYED, MF_GRAYED, MF_GRAYED, 0}},
    };
    for (const Case& c : cases) {
        SetView(jupiter, 3, c.visibility, false, false);
        int width = 0, height = 0;
        ReadFrame(jupiter, width, height);
        MenuWatch::states.clear();
        SetTimer(nullptr, 0, 50, MenuWatch::Read);
        SendMessageW(jupiter.Display()->Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(width / 2, height / 2));
        EXPECT_EQ(MenuWatch::firstItem, c.item);
        EXPECT_EQ(MenuWatch::states, c.grey) << c.visibility;
    }
    // "&Sky" of Europa's menu shows Jupiter at the document's moment.
    SetView(jupiter, 3, 0x2, false, false);
    int width = 0, height = 0;
    ReadFrame(jupiter, width, height);
    SetTimer(nullptr, 0, 50, MenuWatch::Read);
    SendMessageW(jupiter.Display()->Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1));
    SendMessageW(jupiter.Display()->Window(), WM_COMMAND, CMD_SHOW_SKY, 0);
    auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindowOf(kSkyWindow));
    ASSERT_NE(sky, nullptr);
    ASSERT_NE(sky->GetSelectedObject(), nullptr);
    EXPECT_EQ(std::wstring(ObjectKeyName(*sky->GetSelectedObject())), L"Jupiter");
    EXPECT_EQ(sky->GetDocument().GetTimeAndPlace().dateTime.year, kJupiterMoment.year);
    // "&Object Info" of the same menu shows Europa at the explorer's moment.
    SendMessageW(jupiter.Display()->Window(), WM_COMMAND, CMD_SHOW_OBJECT_INFO, 0);
    ObjectInfoWindow* info = GetObjectInfoWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(frame_->Tools().IsShown(CMD_OBJECT_INFO));
    ASSERT_NE(info->State().selectedBody.object, nullptr);
    EXPECT_EQ(std::wstring(ObjectKeyName(*info->State().selectedBody.object)), L"Europa");
    EXPECT_EQ(info->State().timeAndPlace.dateTime.year, kJupiterMoment.year);
}

// The keys a user types, through the program's own message loop.
class ExplorerKeyboardTest : public ExplorerWindowTest {
protected:
    void Keys(std::initializer_list<std::initializer_list<WORD>> chords) { Typed().Keys(chords); }
    test::TypedKeys Typed() { return test::TypedKeys(*frame_, modeless_); }
};

TEST_F(ExplorerKeyboardTest, OpenTabIntoThePanelToggleAMoonZoomAndUndoByKeys) {
    SetForegroundWindow(frame_->Window());
    const auto opened = [this] { return dynamic_cast<ExplorerWindow*>(frame_->Children().ActiveWindow()) != nullptr; };
    ASSERT_TRUE(Typed().Steps({{{VK_MENU, 'W'}, test::TypedKeys::MenuOpen},
                               {{'N'}, test::TypedKeys::SubmenuOpen},
                               {{'J'}, opened}}));
    auto* jupiter = dynamic_cast<ExplorerWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(jupiter, nullptr);
    EXPECT_EQ(jupiter->Traits().kind, kJupiterExplorerWindow);
    // The focus is in the panel: Tab reaches the moon list, an arrow moves
    // through the moons and Space turns a box, which hides that moon.
    const HWND panel = frame_->Children().PanelOf(kJupiterExplorerWindow)->GetDialogWindow();
    const HWND list = GetDlgItem(panel, kExplorerMoonListItem);
    EXPECT_TRUE(RunMessagesUntil([panel] { return IsChild(panel, GetFocus()) != FALSE; }, 5000));
    for (int i = 0; i < 20 && GetFocus() != list; ++i) Keys({{VK_TAB}});
    ASSERT_EQ(GetFocus(), list);
    Keys({{VK_HOME}, {VK_DOWN}});
    const int moon = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    ASSERT_GE(moon, 0);
    Keys({{VK_SPACE}});
    EXPECT_FALSE(jupiter->IsMoonShown(moon));
    const int steps = jupiter->GetCommandHistory().UndoableCount();
    // Shift+F10 in the panel opens the window's menu: "Jupiter Explorer
    // &Options...", left with Escape, changes nothing.
    EXPECT_TRUE(Typed().Steps({{{VK_SHIFT, VK_F10}, test::TypedKeys::MenuOpen},
                               {{'O'}, test::TypedKeys::DialogHasFocus},
                               {{VK_ESCAPE}, test::TypedKeys::NoModalDialog}}));
    EXPECT_EQ(jupiter->GetCommandHistory().UndoableCount(), steps);
    // Escape gives the keys back to the window; a click on the display too.
    Keys({{VK_ESCAPE}});
    EXPECT_EQ(GetFocus(), jupiter->Handle());
    SetFocus(list);
    test::TypedKeys(*frame_, modeless_).Click(jupiter->Display()->Window(), POINT{1, 1});
    EXPECT_EQ(GetFocus(), jupiter->Handle());
    Keys({{VK_CONTROL, VK_ADD}});
    EXPECT_EQ(jupiter->GetZoomLevel(), 2);
    Keys({{VK_CONTROL, 'Z'}});
    EXPECT_EQ(jupiter->GetZoomLevel(), 3);
    // "&Duplicate this Window", then both closed by keys.
    EXPECT_TRUE(Typed().Steps({{{VK_SHIFT, VK_F10}, test::TypedKeys::MenuOpen},
                               {{'D'}, [this] { return Explorers().size() == 2u; }}}));
    EXPECT_EQ(Explorers().size(), 2u);
    Keys({{VK_CONTROL, VK_F4}});
    Keys({{VK_CONTROL, VK_F4}});
    EXPECT_TRUE(Explorers().empty());
}

TEST_F(ExplorerWindowTest, TheActiveWindowsPanelShowsWithTheFocusAndAClosedHighlightLeavesItUsable) {
    ExplorerWindow& saturn = NewExplorer(CMD_NEW_SATURN, MakeDateTime(2017, 10, 16, 0.0, kUniversalTime));
    ControlPanel* panel = frame_->Children().PanelOf(kSaturnExplorerWindow);
    ASSERT_NE(panel, nullptr);
    const HWND dialog = panel->GetDialogWindow();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    EXPECT_EQ(panel->GetAttachedWindow(), static_cast<PanelWindow*>(&saturn));
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(IsChild(dialog, GetFocus()));
    // Another kind's window hides it.
    NewExplorer(CMD_NEW_JUPITER, kJupiterMoment);
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & WS_VISIBLE);
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(saturn.Handle()), 0);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_VISIBLE);
    // Closed within its highlight, the window leaves the panel usable.
    saturn.StartViewTransition();
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kExplorerHighlightItem)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kExplorerMoonListItem)));
    SendMessageW(frame_->MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(saturn.Handle()), 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kExplorerHighlightItem)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kExplorerMoonListItem)));
}

}  // namespace
}  // namespace corvinata
