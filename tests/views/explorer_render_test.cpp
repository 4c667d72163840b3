#include "views/explorer_render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "astro/jupiter_physical.h"
#include "astro/saturn_ring.h"
#include "base/date_time.h"
#include "base/time_systems.h"
#include "support/catalogues.h"
#include "support/csv_table.h"
#include "support/explorer_projection.h"
#include "views/label_placement.h"
#include "support/sky_render_recording.h"

namespace corvinata {
namespace {

constexpr double kRadian = 57.29577951308232;

// The position angle of a planet's north pole (degrees east of north), made
// without the program: the pole's direction of the IAU Working Group on
// Cartographic Coordinates and Rotational Elements (Archinal et al. 2018,
// ICRF, t in Julian centuries from J2000.0) precessed to the equinox of date
// (Meeus, Astronomical Algorithms, formulas 21.2-21.4), seen from the
// planet's apparent place of an independent library
// (catalog/reference/planet_places.csv), by Meeus' formula 48.5.
double IndependentPolePositionAngle(bool saturn, double ttJulianDay, double ra, double dec) {
    const double t = (ttJulianDay - 2451545.0) / 36525.0;
    const double a0 = (saturn ? 40.589 - 0.036 * t : 268.056595 - 0.006499 * t) / kRadian;
    const double d0 = (saturn ? 83.537 - 0.004 * t : 64.495303 + 0.002413 * t) / kRadian;
    const double arcsecond = 1.0 / 3600.0 / kRadian;
    const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) * arcsecond;
    const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) * arcsecond;
    const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) * arcsecond;
    const double a = std::cos(d0) * std::sin(a0 + zeta);
    const double b = std::cos(theta) * std::cos(d0) * std::cos(a0 + zeta) - std::sin(theta) * std::sin(d0);
    const double c = std::sin(theta) * std::cos(d0) * std::cos(a0 + zeta) + std::cos(theta) * std::sin(d0);
    const double poleRa = std::atan2(a, b) + z;
    const double poleDec = std::asin(c);
    const double alpha = ra / kRadian;
    const double delta = dec / kRadian;
    return kRadian * std::atan2(std::cos(poleDec) * std::sin(poleRa - alpha),
                                std::sin(poleDec) * std::cos(delta) -
                                    std::cos(poleDec) * std::sin(delta) * std::cos(poleRa - alpha));
}

// The position angle of the window point `at` seen from `centre` (x right to
// the west, y up to the north), degrees east of north.
double ScreenPositionAngle(const WindowPoint& centre, const WindowPoint& at) {
    return kRadian * std::atan2(-(at.x - centre.x), at.y - centre.y);
}

double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

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
TEST_F(ExplorerRenderTest, MoonsLandWhereTheProjectionPutsThemForEveryTiltTurnAndSwap) {
    struct Case {
        int tilt;
        double positionAngle;
        bool swapNorthSouth, swapEastWest;
    };
    const Case cases[] = {{0, 0.0, false, false},   {0, 22.2, true, false}, {0, -5.6, false, true},
                          {0, 22.2, true, true},    {30, 2.9, false, false}, {-75, 22.2, true, false},
                          {90, -5.6, false, true}};
    for (const Case& c : cases) {
        ExplorerFrame frame = Frame(saturn_, 7);
        frame.view.tiltDegrees = c.tilt;
        frame.view.positionAngle = c.positionAngle;
        frame.view.swapNorthSouth = c.swapNorthSouth;
        frame.view.swapEastWest = c.swapEastWest;
        frame.tiltToEarth = 26.9;  // tips the globe and rings only
        RecordingSkyGl gl(frame.view.width, frame.view.height);
        const DrawnMoons drawn = DrawExplorerFrame(gl, frame);
        for (int k = 0; k < 8; ++k) {
            ASSERT_TRUE(drawn.drawn[k]) << k;
            const WindowPoint expected = test::ExplorerProjectPoint(frame.view, frame.moons.position[k]);
            EXPECT_NEAR(drawn.at[k].x, expected.x, 1e-6) << c.tilt << " " << k;
            EXPECT_NEAR(drawn.at[k].y, expected.y, 1e-6) << c.tilt << " " << k;
            // A click on the moon picks it: the hit test reads client
            // coordinates, y down.
            const int x = static_cast<int>(std::lround(drawn.at[k].x));
            const int y = frame.view.height - 1 - static_cast<int>(std::lround(drawn.at[k].y));
            EXPECT_EQ(ExplorerHitTest(drawn, 8, x, y, frame.view.height), k) << c.tilt << " " << k;
        }
    }
}

// The explorers show the planet turned as the sky has it. At instants from
// 1952 to 2048, with the moons of the satellite theory and the tilts of the
// physical ephemerides (what the explorer documents hold), the globe's north
// pole and every moon stand at their position angles from an independent
// value of the pole's position angle (IndependentPolePositionAngle): the
// pole at it, a moon at it plus the moon's own angle from the projected pole
// in the planet's frame. Each moon's name stays beside it.
TEST_F(ExplorerRenderTest, PoleAndMoonsStandAtThePositionAnglesTheSkyHasThem) {
    // Degrees: the two poles' directions and the abridged theories differ
    // by a few hundredths; a missing or misordered turn is off by degrees.
    constexpr double kPositionAngleTolerance = 0.15;
    const auto rows = test::ReadCsvFile(test::TestsPath("catalog/reference/planet_places.csv"));
    ASSERT_FALSE(rows.empty());
    int checked = 0;
    for (const test::CsvRow& row : rows) {
        const std::string body = row.Text(2);
        const int year = std::stoi(row.Text(0).substr(0, 4));
        if ((body != "Jupiter" && body != "Saturn") || year < 1950 || year > 2050) continue;
        const bool saturn = body == "Saturn";
        const DateTime tt{year, std::stoi(row.Text(0).substr(5, 2)), std::stoi(row.Text(0).substr(8, 2)),
                          row.Number(1), kUniversalTime};
        const double jd = DateTimeToJulianDay(tt);
        const double expectedPole = IndependentPolePositionAngle(saturn, jd, row.Number(3), row.Number(4));
        double toEarth = 0.0, toSun = 0.0, toEast = 0.0;
        if (saturn) {
            double major = 0.0, minor = 0.0, deltaU = 0.0;
            SaturnPhysicalData(jd, toEarth, toSun, toEast, major, minor, deltaU);
        } else {
            JupiterPhysicalData(jd, toEarth, toSun, toEast);
        }
        const ExplorerGeometry& geometry = saturn ? saturn_ : jupiter_;
        const int outermost = geometry.moonCount - 1;
        ExplorerFrame frame = Frame(geometry, outermost);
        frame.view.width = frame.view.height = 600;
        frame.view.positionAngle = toEast;
        frame.tiltToEarth = toEarth;
        frame.showOrbits = false;
        frame.moons = RunSatelliteTheory(geometry, jd);
        for (int k = 0; k < geometry.moonCount; ++k) frame.names[k] = std::u32string(4, U'A' + k);
        RecordingSkyGl gl(frame.view.width, frame.view.height);
        const DrawnMoons drawn = DrawExplorerFrame(gl, frame);
        const WindowPoint centre{frame.view.width / 2.0, frame.view.height / 2.0};
        const std::string what = row.Text(0) + " " + body;

        // The globe's two poles are where its vertices crowd most (one per
        // slice); the globe runs from the south, so the later one is the
        // north. Zoomed in on the innermost moon, so that the recording's
        // view volume holds the whole globe.
        ExplorerFrame inner = frame;
        inner.zoomLevel = 0;
        inner.view.halfSize = ExplorerHalfSize(geometry, 0);
        RecordingSkyGl globe(inner.view.width, inner.view.height);
        DrawExplorerFrame(globe, inner);
        std::map<std::pair<long, long>, int> counts;
        std::vector<std::pair<long, long>> poles;
        for (const auto& p : globe.DrawnPoints()) {
            const std::pair<long, long> key{std::lround(p[0] * 1e6), std::lround(p[1] * 1e6)};
            if (++counts[key] == 32) poles.push_back(key);
        }
        ASSERT_EQ(poles.size(), 2u) << what;
        const WindowPoint pole{poles[1].first / 1e6, poles[1].second / 1e6};
        ASSERT_GT(std::hypot(pole.x - centre.x, pole.y - centre.y), 5.0) << what;
        EXPECT_NEAR(AngleDifference(ScreenPositionAngle(centre, pole), expectedPole), 0.0, kPositionAngleTolerance)
            << what;

        for (int k = 0; k < geometry.moonCount; ++k) {
            ASSERT_TRUE(drawn.drawn[k]) << what << " " << k;
            const OrbitPoint& m = frame.moons.position[k];
            const double offset = std::hypot(m.x, m.y);
            const double pixels = offset * kExplorerPlanetUnits / frame.view.halfSize * frame.view.width / 2.0;
            EXPECT_NEAR(std::hypot(drawn.at[k].x - centre.x, drawn.at[k].y - centre.y), pixels, 1e-6) << what;
            // Too close to the centre for its angle to tell.
            if (pixels < 10.0) continue;
            const double expected = expectedPole + kRadian * std::atan2(-m.x, m.y);
            const double tolerance = kPositionAngleTolerance + kRadian * 0.5 / pixels;
            EXPECT_NEAR(AngleDifference(ScreenPositionAngle(centre, drawn.at[k]), expected), 0.0, tolerance)
                << what << " moon " << k;
        }
        // Each name lies on one of the four sides of its own moon.
        int named = 0;
        for (const SkyGlCall& call : gl.Calls()) {
            if (call.op != SkyGlOp::kText) continue;
            const int k = static_cast<int>(call.text[0] - U'A');
            ASSERT_TRUE(k >= 0 && k < geometry.moonCount) << what;
            const int x = static_cast<int>(drawn.at[k].x), y = static_cast<int>(drawn.at[k].y);
            const int w = gl.TextWidth(SkyFont::kDisplay, call.text);
            const int left = static_cast<int>(call.a[0]), bottom = static_cast<int>(call.a[1]);
            // The recording places no text beyond the window's edge.
            const int h = frame.nameHeight;
            if (x < w + 10 || x > frame.view.width - w - 10 || y < h + 10 || y > frame.view.height - h - 10) continue;
            EXPECT_TRUE(left == x + 10 || left == x - 10 - w) << what << " name " << k;
            EXPECT_TRUE(bottom == y + 10 || bottom == y - 10 - h) << what << " name " << k;
            ++named;
        }
        EXPECT_GT(named, 0) << what;
        ++checked;
    }
    EXPECT_GE(checked, 40);
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
