#include "views/explorer_render.h"

#include <gtest/gtest.h>

#include "support/catalogues.h"
#include "views/label_placement.h"
#include "views/sky_render_recording.h"

namespace corvinata {
namespace {

class ExplorerRenderTest : public ::testing::Test {
protected:
    ExplorerFrame Frame(const ExplorerGeometry& geometry, int zoom) {
        ExplorerFrame frame;
        frame.geometry = &geometry;
        frame.view.width = 500;
        frame.view.height = 400;
        frame.view.halfSize = ExplorerHalfSize(geometry, zoom);
        frame.zoomLevel = zoom;
        for (int k = 0; k < geometry.moonCount; ++k) {
            frame.moons.position[k] = {1.5 * (k + 1), -0.75 * k, k % 2 ? 1.0 : -1.0};
            frame.names[k].assign(1, U'M');
        }
        paths_.assign(static_cast<std::size_t>(geometry.moonCount), OrbitPath{{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}});
        frame.orbits = &paths_;
        return frame;
    }
    static int Count(const RecordingSkyGl& gl, SkyGlOp op, int argument = -1) {
        int n = 0;
        for (const SkyGlCall& call : gl.Calls()) n += call.op == op && (argument < 0 || call.i == argument);
        return n;
    }

    test::ScopedCatalogues catalogues_;
    ExplorerGeometry jupiter_ = JupiterExplorerGeometry();
    ExplorerGeometry saturn_ = SaturnExplorerGeometry();
    std::vector<OrbitPath> paths_;
};

// Where a frame draws each moon is where the platform-free projection puts
// it, whatever the view's tilt and swaps: hit tests and tooltips rely on it.
TEST_F(ExplorerRenderTest, MoonsLandWhereTheProjectionPutsThemForEveryTiltAndSwap) {
    struct Case {
        int tilt;
        bool swapNorthSouth, swapEastWest;
    };
    const Case cases[] = {{0, false, false}, {0, true, false}, {0, false, true}, {0, true, true},
                          {30, false, false}, {-75, true, false}, {90, false, true}};
    for (const Case& c : cases) {
        ExplorerFrame frame = Frame(saturn_, 7);
        frame.view.tiltDegrees = c.tilt;
        frame.view.swapNorthSouth = c.swapNorthSouth;
        frame.view.swapEastWest = c.swapEastWest;
        frame.tiltToEarth = 26.9;  // turns the globe and rings only
        RecordingSkyGl gl(frame.view.width, frame.view.height);
        const DrawnMoons drawn = DrawExplorerFrame(gl, frame);
        for (int k = 0; k < 8; ++k) {
            ASSERT_TRUE(drawn.drawn[k]) << k;
            const WindowPoint expected = ExplorerProjectPoint(frame.view, frame.moons.position[k]);
            EXPECT_NEAR(drawn.at[k].x, expected.x, 1e-6) << c.tilt << " " << k;
            EXPECT_NEAR(drawn.at[k].y, expected.y, 1e-6) << c.tilt << " " << k;
        }
    }
}

// Moons close together in the view: the names never cover each other; the
// nearest moon's name stays where a name goes alone (above right), the
// others move to another side of their moon or, with none free, are left
// out.
TEST_F(ExplorerRenderTest, CloseMoonsNamesStayApartAndTheNearestKeepsItsPlace) {
    struct Case {
        const char* what;
        const ExplorerGeometry* geometry;
        int zoom;
        int nearest;
        int named;  // four sides of a moon: four names at most
    };
    const Case cases[] = {{"Jupiter's four", &jupiter_, 3, 2, 4}, {"Saturn's eight", &saturn_, 7, 5, 4}};
    for (const Case& c : cases) {
        ExplorerFrame frame = Frame(*c.geometry, c.zoom);
        frame.nameHeight = 12;
        for (int k = 0; k < frame.geometry->moonCount; ++k) {
            // A few thousandths of the planet's radius apart: the same pixel.
            frame.moons.position[k] = {3.0 + 0.003 * k, 0.5, k == c.nearest ? -5.0 : 1.0 + k};
            frame.names[k] = std::u32string(5, static_cast<char32_t>(U'A' + k));
        }
        RecordingSkyGl gl(frame.view.width, frame.view.height);
        const DrawnMoons drawn = DrawExplorerFrame(gl, frame);
        std::vector<LabelBox> boxes;
        for (const SkyGlCall& call : gl.Calls()) {
            if (call.op != SkyGlOp::kText) continue;
            const int left = static_cast<int>(call.a[0]), bottom = static_cast<int>(call.a[1]);
            boxes.push_back({left, bottom, left + gl.TextWidth(SkyFont::kDisplay, call.text), bottom + 12});
            if (call.text[0] == static_cast<char32_t>(U'A' + c.nearest)) {
                EXPECT_EQ(left, static_cast<int>(drawn.at[c.nearest].x) + 10) << c.what;
                EXPECT_EQ(bottom, static_cast<int>(drawn.at[c.nearest].y) + 10) << c.what;
            }
        }
        EXPECT_EQ(static_cast<int>(boxes.size()), c.named) << c.what;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            for (std::size_t j = i + 1; j < boxes.size(); ++j) EXPECT_FALSE(boxes[i].Overlaps(boxes[j])) << c.what;
        }
    }
}

TEST_F(ExplorerRenderTest, OnlyShownMoonsWithinTheZoomHaveSpheresNamesAndOrbits) {
    struct Case {
        int zoom;
        std::uint32_t visibility;
        bool orbits, names;
        int drawn;
    };
    const Case cases[] = {
        {7, 0xFF, true, true, 8}, {7, 0xFF & ~(1u << 5), true, true, 7}, {2, 0xFF, true, false, 3},
        {0, 0xFE, true, true, 0}, {7, 0xFF, false, true, 8},
    };
    for (const Case& c : cases) {
        ExplorerFrame frame = Frame(saturn_, c.zoom);
        frame.visibility = c.visibility;
        frame.showOrbits = c.orbits;
        frame.showNames = c.names;
        RecordingSkyGl gl(frame.view.width, frame.view.height);
        const DrawnMoons drawn = DrawExplorerFrame(gl, frame);
        int count = 0;
        for (bool d : drawn.drawn) count += d;
        EXPECT_EQ(count, c.drawn) << c.zoom;
        EXPECT_EQ(Count(gl, SkyGlOp::kSphere), c.drawn);
        EXPECT_EQ(Count(gl, SkyGlOp::kText), c.names ? c.drawn : 0);
        // Orbits 0-5 are loops, Hyperion's and Iapetus' open strips.
        int loops = 0, strips = 0;
        for (int k = 0; k < 8; ++k) {
            if (!c.orbits || !ExplorerMoonDrawn(frame, k)) continue;
            (k < 6 ? loops : strips) += 1;
        }
        EXPECT_EQ(Count(gl, SkyGlOp::kBegin, skygl::kLineLoop), loops) << c.zoom;
        EXPECT_EQ(Count(gl, SkyGlOp::kBegin, skygl::kLineStrip), strips) << c.zoom;
    }
}

TEST_F(ExplorerRenderTest, SaturnAloneHasRingsAndTheHighlightNeedsNames) {
    struct Case {
        bool saturn, names, highlight;
        int quadStrips, loops;  // globe stacks + ring; highlight circle
    };
    const Case cases[] = {{false, true, true, 32, 4 + 1}, {true, true, false, 33, 6},
                          {true, false, true, 33, 6}, {true, true, true, 33, 6 + 1}};
    for (const Case& c : cases) {
        ExplorerFrame frame = Frame(c.saturn ? saturn_ : jupiter_, c.saturn ? 7 : 3);
        frame.showNames = c.names;
        frame.highlight = c.highlight;
        frame.selected = 1;
        RecordingSkyGl gl(frame.view.width, frame.view.height);
        DrawExplorerFrame(gl, frame);
        EXPECT_EQ(Count(gl, SkyGlOp::kBegin, skygl::kQuadStrip), c.quadStrips) << c.saturn;
        EXPECT_EQ(Count(gl, SkyGlOp::kBegin, skygl::kLineLoop), c.loops) << c.saturn << c.names << c.highlight;
        EXPECT_EQ(Count(gl, SkyGlOp::kSwapBuffers), 0);
    }
}

TEST_F(ExplorerRenderTest, AtlasHoldsTheMapBelowTheRingAboveAndTurnsRedAtNight) {
    std::vector<std::uint8_t> planet(1024u * 512u * 3u, 0);
    planet[0] = 10, planet[1] = 20, planet[2] = 200;             // first texel, south-west: BGR
    std::vector<std::uint8_t> ring(1024u * 3u, 0);
    ring[1023 * 3] = 0, ring[1023 * 3 + 1] = 255, ring[1023 * 3 + 2] = 0;  // outer edge green
    const std::vector<std::uint32_t> day = BuildExplorerAtlas(planet, ring, false);
    const std::vector<std::uint32_t> night = BuildExplorerAtlas(planet, ring, true);
    ASSERT_EQ(day.size(), 1024u * 1024u);
    EXPECT_EQ(day[0], 0xFFC8140Au);
    EXPECT_EQ(day[512u * 1024u + 1023u], 0xFF00FF00u);
    EXPECT_EQ(day[1023u * 1024u + 1023u], 0xFF00FF00u);
    // Luminance 0.299 R + 0.587 G + 0.114 B in the red channel only.
    EXPECT_EQ(night[0], 0xFF000000u | (73u << 16));
    EXPECT_EQ(night[512u * 1024u + 1023u], 0xFF000000u | (150u << 16));
    // Without a ring the upper half stays black.
    EXPECT_EQ(BuildExplorerAtlas(planet, {}, false)[600u * 1024u], 0xFF000000u);
}

}  // namespace
}  // namespace corvinata
