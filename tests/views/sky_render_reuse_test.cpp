// What a frame or a pick reuses of the work done before it: a drag turns
// the lists already built, a pick makes its tables again only when what
// they hold changed, and the labels pass skips points no label of which
// can show.
#include "views/sky_render.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/star_catalogue.h"
#include "views/sky_view.h"
#include "views/sky_test_support.h"

namespace corvinata {
namespace {

using test::SkyScene;

// Layers with something in every list and labels to place.
void LabelledLayers(SkyOptions& o, int mapType) {
    o.mapType = mapType;
    o.gridType = 2;
    o.eclipticOn = o.constellationLinesOn = o.constellationBoundariesOn = true;
    o.sunOn = o.moonOn = true;
    o.planetDisplayMode = 1;
    o.planetNamesOn = o.starNamesOn = true;
    o.magnitudeLimit = 6;
}

void LookAt(SkyScene& s, double azimuth, double altitude) {
    s.host.azimuth = azimuth;
    s.host.altitude = altitude;
    s.renderer->OnViewUpdate(kSkyChangeDirection, false);
}

// Where each star of the second magnitude shows (a pick's projection).
std::vector<std::vector<int>> BrightStarPlaces(SkyRenderer& renderer) {
    std::vector<std::vector<int>> places;
    const StarCatalogue& stars = GetStarCatalogue();
    for (int i = 0; i < stars.Count(); ++i) {
        if (stars.At(i)->Magnitude() > 2.0) continue;
        int x = 0, y = 0;
        const bool shown = renderer.SkyProjectObject(*stars.At(i), x, y);
        places.push_back({i, shown ? x : -1, shown ? y : -1});
    }
    return places;
}

// The same calls with the same values (a MultMatrix's number names the
// recorder's copy of its matrix, which differs with what was compiled
// before).
bool SameCalls(const std::vector<SkyGlCall>& a, const std::vector<SkyGlCall>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].op != b[k].op || a[k].text != b[k].text) return false;
        if (a[k].op != SkyGlOp::kMultMatrix && a[k].i != b[k].i) return false;
        for (int v = 0; v < 4; ++v) {
            if (a[k].a[v] != b[k].a[v]) return false;
        }
    }
    return true;
}

// A drag draws the lists built where it started, turned to where it is:
// each frame (its view, its labels, the lists it calls) and each pick are
// those of a chart whose lists were built at the new view.
TEST(SkyRendererReuse, ADragShowsAndPicksWhatListsBuiltAtItsViewWould) {
    struct Case {
        int map;
        double fromAzimuth, fromAltitude, toAzimuth, toAltitude;
    };
    const Case cases[] = {
        {kEquatorialMap, 80.0, 10.0, 95.0, 25.0},
        {kEquatorialMap, 350.0, -5.0, 10.0, -40.0},   // across right ascension 0
        {kHorizontalMap, 180.0, 20.0, 150.0, 45.0},
        {kRealisticMap, 200.0, 0.0, 230.0, 5.0},
    };
    for (const Case& c : cases) {
        SkyScene turned;
        LabelledLayers(turned.host.options, c.map);
        LookAt(turned, c.fromAzimuth, c.fromAltitude);
        turned.renderer->SkyRenderFrame();
        // The press that starts the drag picks at the start's view.
        turned.renderer->SkyHitTest(400, 400);
        turned.renderer->UseCoarseLayerList(true);
        turned.renderer->SkyRenderFrame();
        BrightStarPlaces(*turned.renderer);
        LookAt(turned, c.toAzimuth, c.toAltitude);
        turned.gl.ClearCalls();
        turned.renderer->SkyRenderFrame();

        SkyScene built;
        LabelledLayers(built.host.options, c.map);
        built.renderer->UseCoarseLayerList(true);
        LookAt(built, c.toAzimuth, c.toAltitude);
        built.renderer->SkyRenderFrame();
        built.gl.ClearCalls();
        built.renderer->SkyRenderFrame();

        EXPECT_TRUE(SameCalls(turned.gl.Calls(), built.gl.Calls())) << c.map << " " << c.toAzimuth;
        EXPECT_EQ(turned.gl.DrawnPoints(), built.gl.DrawnPoints()) << c.map << " " << c.toAzimuth;
        EXPECT_TRUE(SameCalls(turned.gl.Expanded(SkyList::kCoarseLayers), built.gl.Expanded(SkyList::kCoarseLayers)))
            << c.map << " " << c.toAzimuth;
        const auto places = BrightStarPlaces(*turned.renderer);
        EXPECT_EQ(places, BrightStarPlaces(*built.renderer)) << c.map << " " << c.toAzimuth;
        int shown = 0;
        for (const auto& place : places) shown += place[1] >= 0;
        EXPECT_GT(shown, 0) << "some bright star in the view " << c.map << " " << c.toAzimuth;
    }
}

// The pick tables hold the objects' codes and places on the sphere: a pick
// makes one again only when what it holds changed, never for a change of
// the view, of the colours or of the labels.
TEST(SkyRendererReuse, PickTablesAreMadeAgainOnlyWhenWhatTheyHoldChanged) {
    struct Case {
        const char* name;
        bool everything;
        void (*change)(SkyScene&);
        int tablesMade;
    };
    const Case cases[] = {
        {"turn", false, [](SkyScene& s) { s.host.azimuth += 20.0; }, 0},
        {"zoom", false, [](SkyScene& s) { s.host.fieldOfView = 20; }, 0},
        {"map type", false, [](SkyScene& s) { s.host.options.mapType = kHorizontalMap; }, 0},
        {"night vision", false, [](SkyScene& s) { s.host.night = true; }, 0},
        {"star names", false, [](SkyScene& s) { s.host.options.starNamesOn = true; }, 0},
        {"figures", false, [](SkyScene& s) { s.host.options.constellationLinesOn = false; }, 0},
        {"magnitude limit", false, [](SkyScene& s) { s.host.options.magnitudeLimit = 5; }, 1},
        {"deep sky", false, [](SkyScene& s) { s.host.options.deepSkyCatalogue = 2; }, 1},
        {"planets", false, [](SkyScene& s) { s.host.options.planetDisplayMode = 2; }, 1},
        {"time step", false,
         [](SkyScene& s) {
             DateTime later = s.document.GetTimeAndPlace().dateTime;
             later.hours += 1.0;
             s.document.SetDateTime(later, false, false);
         },
         1},
        {"everything", true, [](SkyScene&) {}, 3},
    };
    for (const Case& c : cases) {
        SkyScene s;
        LabelledLayers(s.host.options, kEquatorialMap);
        s.host.options.starNamesOn = false;
        s.host.options.deepSkyCatalogue = 1;
        s.renderer->SkyFeedbackPick(400, 400);
        const std::uint64_t before = s.renderer->CurrentContext().feedbackView.listsBuilt;
        c.change(s);
        s.renderer->OnViewUpdate(kSkyChangeOptions, c.everything);
        s.renderer->SkyFeedbackPick(400, 400);
        EXPECT_EQ(s.renderer->CurrentContext().feedbackView.listsBuilt - before,
                  static_cast<std::uint64_t>(c.tablesMade))
            << c.name;
    }
}

TEST(SkyRendererReuse, ATableMadeAgainHoldsWhatTheChangeAdded) {
    SkyScene s;
    s.host.options.magnitudeLimit = 1.0;
    const auto stars = [&] {
        int count = 0;
        for (const float code : s.renderer->PickMarkers()) count += (static_cast<int>(code) / 10) % 100 == 4;
        return count;
    };
    const int bright = stars();
    s.host.options.magnitudeLimit = 4.0;
    s.renderer->OnViewUpdate(kSkyChangeOptions, false);
    EXPECT_GT(stars(), 10 * bright);
}

// The labels pass asks whether any label of a point can show before it
// looks a name up: it must never skip a label GL would show (moved up to 16
// pixels, or centred on its point and up to 512 pixels wide), and skips the
// points far off the 800 x 800 chart.
TEST(SkyRendererReuse, LabelsAreSkippedOnlyWhereNoneOfThemCouldShow) {
    struct Case {
        double wx, wy, wz;  // the point in the window
        bool mayShow;
    };
    const Case cases[] = {
        {400, 400, 0.5, true},    {-16, 400, 0.5, true},   {-18.5, 400, 0.5, false},
        {400, -16, 0.5, true},    {400, -18.5, 0.5, false}, {400, 816, 0.5, true},
        {400, 818.5, 0.5, false}, {1050, 400, 0.5, true},   {1060, 400, 0.5, false},
        {400, 400, -0.2, false},  {400, 400, 1.2, false},
    };
    const std::u32string shortLabel = U"M";
    const std::u32string longLabel(64, U'W');
    SkyScene s;
    s.renderer->SkySetViewport();
    s.renderer->SkySetView();
    for (const Case& c : cases) {
        SkyVector point;
        ASSERT_TRUE(s.gl.UnProject(c.wx, c.wy, c.wz, point.x, point.y, point.z));
        EXPECT_EQ(s.renderer->LabelsMayShowAt(point), c.mayShow) << c.wx << "," << c.wy << "," << c.wz;
        s.gl.ClearCalls();
        for (const int dx : {-16, 0, 16}) {
            for (const int dy : {-16, 0, 16}) {
                s.renderer->DrawLabel(shortLabel, point, dx, dy, false);
                s.renderer->DrawLabel(longLabel, point, 0, dy, true);
            }
        }
        int drawn = 0;
        for (const SkyGlCall& call : s.gl.Calls()) drawn += call.op == SkyGlOp::kText;
        EXPECT_TRUE(drawn == 0 || c.mayShow) << "a label shows at " << c.wx << "," << c.wy;
    }
}

}  // namespace
}  // namespace corvinata
