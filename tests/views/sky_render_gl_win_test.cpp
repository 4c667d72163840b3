// The sky renderer on the real OpenGL backend (llvmpipe under Wine): pixels
// read back from a window of its own, picking in feedback mode, and the
// horizon pictures from the program's resources.
#include "views/sky_render_gl_win.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/time_systems.h"
#include "catalog/property_calculators.h"
#include "catalog/star_catalogue.h"
#include "controls/program_fonts.h"
#include "shown_frames.h"
#include "views/sky_grids.h"
#include "views/sky_test_support.h"

namespace corvinata {
namespace {

constexpr int kSide = 400;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// A visible popup window with its own DC, an OpenGL backend and a renderer.
class GlSky {
public:
    explicit GlSky(GlContextSharing sharing = GlContextSharing::kOwn,
                   HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {
        static const wchar_t* kClass = L"CorvinataSkyRendererTest";
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.style = CS_OWNDC;
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = kClass;
            return RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        window = CreateWindowExW(0, kClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, kSide, kSide,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        dc = GetDC(window);
        gl = CreateSkyGlWin(window, dc, font, nullptr, sharing);
        scene.renderer = std::make_unique<SkyRenderer>(scene.host, *gl);
    }
    ~GlSky() {
        scene.renderer.reset();
        gl.reset();
        ReleaseDC(window, dc);
        DestroyWindow(window);
    }
    GlSky(const GlSky&) = delete;
    GlSky& operator=(const GlSky&) = delete;

    // Draws a frame and reads a pixel (client coordinates, y down).
    // The frame's steps up to the swap, so the back buffer is read whole.
    void Draw() {
        SkyRenderer& r = *scene.renderer;
        gl->MakeCurrent();
        gl->DrawBackBuffer();
        r.SkySetViewport();
        r.SkyEnsureLists();
        r.SkyDrawScene(0);
        r.SkyDrawScene(1);
        glFinish();
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSide, kSide, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    }
    // The columns a text drawn alone in white covers, from its first lit
    // column to its last; 0 when nothing shows.
    int DrawnWidth(const std::u32string& text) {
        gl->MakeCurrent();
        glViewport(0, 0, kSide, kSide);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kSide, 0, kSide, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3d(1, 1, 1);
        gl->RasterPos(20, kSide / 2, 0);
        gl->DrawText(SkyFont::kDisplay, text);
        glFinish();
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSide, kSide, GL_RGB, GL_UNSIGNED_BYTE, pixels);
        int first = kSide;
        int last = -1;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                if (At(x, y) == Rgb{0, 0, 0}) continue;
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        return last < first ? 0 : last - first + 1;
    }
    Rgb At(int x, int y) const {
        const unsigned char* p = pixels + 3 * ((kSide - 1 - y) * kSide + x);
        return {p[0], p[1], p[2]};
    }

    test::SkyScene scene;
    HWND window = nullptr;
    HDC dc = nullptr;
    std::unique_ptr<SkyGlWin> gl;
    unsigned char pixels[kSide * kSide * 3];
};

TEST(SkyRendererGl, SiriusIsAWhiteSpriteWhereItsPrecessedPlaceIsInEveryEra) {
    ASSERT_TRUE(test::EnsureSkyCatalogues());
    const int index = GetStarCatalogue().StarByCatalogueName(L"BSC 2491");
    ASSERT_GE(index, 0);
    const BrightStar& sirius = *GetStarCatalogue().At(index);
    for (int year : {1583, 2000, 3000}) {
        auto sky = std::make_unique<GlSky>();
        ASSERT_TRUE(sky->gl) << "no OpenGL context";
        sky->scene.SetYear(year);
        sky->scene.host.options.magnitudeLimit = 20;
        // Its figure's line ends on it: the sprite covers the line.
        sky->scene.host.options.constellationLinesOn = true;
        // Centre the view on the evaluation's position of the date.
        const double jd = DateTimeToJulianDay(DateTime{year, 1, 1, 12.0, kUniversalTime});
        const SkyCoordinates of =
            PrecessFromJ2000({sirius.RightAscension(), sirius.Declination(), kEquatorialSystem}, jd);
        sky->scene.host.azimuth = of.longitude;
        sky->scene.host.altitude = of.latitude;
        sky->Draw();
        // The 3 x 3 white block lies on the centre (within a pixel).
        int found = 0;
        for (int y = kSide / 2 - 3; y <= kSide / 2 + 2; ++y)
            for (int x = kSide / 2 - 3; x <= kSide / 2 + 2; ++x) {
                bool block = true;
                for (int dy = 0; dy < 3; ++dy)
                    for (int dx = 0; dx < 3; ++dx)
                        block = block && sky->At(x + dx, y + dy) == Rgb{255, 255, 255};
                found += block;
            }
        EXPECT_EQ(found, 1) << year;
        // A pick at the centre finds Sirius.
        const SkyPickResult pick = sky->scene.renderer->SkyFeedbackPick(kSide / 2, kSide / 2);
        EXPECT_EQ(pick.object, &sirius) << year;
        EXPECT_LE(pick.distance, 1) << year;
    }
}

TEST(SkyRendererGl, SunAndMoonArePickedOnTheirDiscsRepeatedly) {
    // gluSphere replayed in feedback mode could hang llvmpipe: the pick list
    // carries pixel tokens on the spheres instead.
    GlSky sky;
    sky.scene.host.options.sunOn = sky.scene.host.options.moonOn = true;
    sky.scene.host.fieldOfView = 10;
    sky.scene.host.azimuth = 100;  // the Sun in the centre, about 13 pixels across
    sky.Draw();
    EXPECT_EQ(sky.At(kSide / 2, kSide / 2), (Rgb{255, 255, 0}));
    for (int k = 0; k < 3; ++k) {
        const SkyPickResult pick = sky.scene.renderer->SkyFeedbackPick(kSide / 2 + 8, kSide / 2);
        ASSERT_NE(pick.object, nullptr);
        EXPECT_EQ(pick.object->GetTypeId(), kBodySun);
        EXPECT_LE(pick.distance, kSkyHitRadius);
    }
}

TEST(SkyRendererGl, EquatorRunsAlongTheCentreRowRedAtNight) {
    for (bool night : {false, true}) {
        GlSky sky;
        sky.scene.host.options.gridType = 2;
        sky.scene.host.night = night;
        sky.Draw();
        int grid = 0;
        for (int x = 0; x < kSide; ++x) {
            const Rgb p = sky.At(x, kSide / 2);
            const Rgb q = sky.At(x, kSide / 2 - 1);
            const Rgb want = night ? Rgb{76, 0, 0} : Rgb{51, 51, 51};
            const Rgb close = night ? Rgb{77, 0, 0} : Rgb{51, 51, 51};
            grid += p == want || p == close || q == want || q == close;
        }
        EXPECT_GT(grid, kSide * 9 / 10) << night;
    }
}

TEST(SkyRendererGl, HorizonPicturesKeepTheirAlphaAndFillTheBottomOfARealisticView) {
    LoadHorizonTexturesFromResources(GetModuleHandleW(nullptr));
    const HorizonImage& classic = ClassicHorizonImage(0);
    ASSERT_EQ(classic.width, kHorizonWidth);
    ASSERT_EQ(classic.height, kClassicHorizonHeight);
    EXPECT_EQ(classic.pixels.front() >> 24, 255u) << "ground opaque";
    EXPECT_EQ(classic.pixels.back() >> 24, 0u) << "sky transparent";
    EXPECT_EQ(SeasonalHorizonImage(12, 3).height, kSeasonalHorizonHeight);
    {
        GlSky sky;
        sky.scene.host.options.mapType = 2;
        sky.scene.host.options.horizonType = 1;
        sky.Draw();
        int ground = 0;
        for (int x = 0; x < kSide; ++x) ground += sky.At(x, kSide - 1) == Rgb{34, 52, 36};
        EXPECT_GT(ground, kSide * 9 / 10);
        EXPECT_EQ(sky.At(kSide / 2, 10), (Rgb{0, 0, 0})) << "sky above the band";
    }
    FreeHorizonTextures();
}

TEST(SkyRendererGl, ClosingOneDisplayLeavesAnotherDrawing) {
    auto first = std::make_unique<GlSky>();
    GlSky second;
    GLint depthFunction = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunction);
    EXPECT_EQ(depthFunction, GL_LEQUAL) << "later layers cover earlier ones at equal depth";
    second.scene.host.options.gridType = 2;
    second.Draw();
    const Rgb before = second.At(kSide / 2 + 7, kSide / 2);
    // The second display's context is current while the first is torn down.
    first.reset();
    second.Draw();
    EXPECT_EQ(second.At(kSide / 2 + 7, kSide / 2), before);
    EXPECT_NE(before, (Rgb{0, 0, 0}));
}

// Sky displays draw with one context, each its own lists: drawn in turn,
// each shows its own scene, and the last one keeps drawing when the others
// go.
TEST(SkyRendererGl, SkyDisplaysShareOneContextEachDrawingItsOwnScene) {
    const auto equatorShown = [](const GlSky& sky) {
        int grid = 0;
        for (int x = 0; x < kSide; ++x) grid += sky.At(x, kSide / 2) != Rgb{0, 0, 0};
        return grid > kSide / 2;
    };
    auto first = std::make_unique<GlSky>(GlContextSharing::kSkyDisplays);
    auto second = std::make_unique<GlSky>(GlContextSharing::kSkyDisplays);
    GlSky own;
    ASSERT_TRUE(first->gl && second->gl && own.gl);
    EXPECT_EQ(first->gl->Context(), second->gl->Context());
    EXPECT_NE(own.gl->Context(), first->gl->Context());
    first->scene.host.options.gridType = 2;
    for (int round = 0; round < 2; ++round) {
        first->Draw();
        EXPECT_TRUE(equatorShown(*first)) << round;
        second->Draw();
        EXPECT_FALSE(equatorShown(*second)) << round;
    }
    first.reset();
    second->scene.host.options.gridType = 2;
    second->Draw();
    EXPECT_TRUE(equatorShown(*second));
    second.reset();
    GlSky third(GlContextSharing::kSkyDisplays);
    ASSERT_TRUE(third.gl);
    third.scene.host.options.gridType = 2;
    third.Draw();
    EXPECT_TRUE(equatorShown(third));
}

// A child window, as the program's displays are, of a visible popup, with
// its own DC and an OpenGL backend.
class GlChild {
public:
    explicit GlChild(int side) {
        static const wchar_t* kParent = L"CorvinataSkyRendererTestParent";
        static const wchar_t* kChild = L"CorvinataSkyRendererTestChild";
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = kParent;
            const bool parentClass = RegisterClassW(&wc) != 0;
            wc.style = CS_OWNDC;
            wc.lpszClassName = kChild;
            return parentClass && RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        parent = CreateWindowExW(0, kParent, L"", WS_POPUP | WS_VISIBLE, 0, 0, kSide, kSide, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        window = CreateWindowExW(0, kChild, L"", WS_CHILD | WS_VISIBLE, 0, 0, side, side, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        dc = GetDC(window);
        gl = CreateSkyGlWin(window, dc, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), nullptr);
    }
    ~GlChild() {
        gl.reset();
        ReleaseDC(window, dc);
        DestroyWindow(parent);
    }
    GlChild(const GlChild&) = delete;
    GlChild& operator=(const GlChild&) = delete;

    HWND parent = nullptr;
    HWND window = nullptr;
    HDC dc = nullptr;
    std::unique_ptr<SkyGlWin> gl;
};

// A display that is a child window, painted at once after a size change:
// under Wine that frame went into buffers of the old size, all of it but
// the old size's corner missing (a new window showed its picture in a
// corner).
TEST(SkyRendererGl, AChildDisplaysFrameRightAfterAResizeCoversTheNewSize) {
    constexpr int kFirst = 100;
    GlChild display(kFirst);
    ASSERT_TRUE(display.gl) << "no OpenGL context";
    test::SkyScene scene;
    scene.host.options.gridType = 2;
    SkyRenderer renderer(scene.host, *display.gl);
    display.gl->PrepareFrame();
    renderer.SkyRenderFrame();
    // Wider and lower: the equator runs along the centre row.
    constexpr int kHeight = kSide / 2;
    SetWindowPos(display.window, nullptr, 0, 0, kSide, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    test::ShownFrames shown(*display.gl, display.window);
    display.gl->PrepareFrame();
    renderer.SkyRenderFrame();
    ASSERT_EQ(shown.Count(), 1u);
    const std::vector<unsigned char>& frame = shown.Last();
    ASSERT_EQ(frame.size(), static_cast<std::size_t>(kSide) * kHeight * 4);
    int grid = 0;
    for (int x = kFirst; x < kSide; ++x) {
        bool lit = false;
        for (int row : {kHeight / 2 - 1, kHeight / 2}) {
            const unsigned char* p = &frame[(static_cast<std::size_t>(row) * kSide + x) * 4];
            lit = lit || p[0] || p[1] || p[2];
        }
        grid += lit;
    }
    EXPECT_GT(grid, (kSide - kFirst) * 9 / 10);
}

// Labels keep their blanks ("Ursa Major", not "UrsaMajor"): the blank's
// glyph draws nothing but moves the pen by its width, in the stock GUI font
// and in the program's own display font.
TEST(SkyRendererGl, ALabelsBlankLeavesAGapOfItsWidth) {
    const ProgramFonts fonts(GetModuleHandleW(nullptr));
    for (HFONT font : {static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), fonts.DialogFont()}) {
        GlSky sky(GlContextSharing::kOwn, font);
        ASSERT_TRUE(sky.gl);
        const int blank = sky.gl->TextWidth(SkyFont::kDisplay, U" ");
        ASSERT_GT(blank, 1);
        const int joined = sky.DrawnWidth(U"UrsaMajor");
        ASSERT_GT(joined, 0);
        EXPECT_NEAR(sky.DrawnWidth(U"Ursa Major") - joined, blank, 1);
        EXPECT_NEAR(sky.DrawnWidth(U"Canes  Venatici") - sky.DrawnWidth(U"CanesVenatici"), 2 * blank, 2);
    }
}

}  // namespace
}  // namespace corvinata
