// The map of every eclipse of the table: against the maps the program drew
// before its searches learnt to restart near a pole (reference/
// eclipse_maps.csv: counts and sums of each curve's points), and against
// what any map must show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "astro/delta_t.h"
#include "astro/eclipse_circumstances.h"
#include "astro/eclipse_texts.h"
#include "astro/spherical_trig.h"
#include "support/csv_table.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

constexpr double kTolerance = 1e-6;  // hours, degrees

std::vector<test::CsvRow> LoadReference() {
    return test::ReadCsvFile(test::TestsPath("astro/reference/eclipse_maps.csv"));
}

// The model of an eclipse as its document fills it; without the curves
// when only the path is wanted (they cost thirty times as much).
SolarEclipseModel ModelFor(const std::string& iso, bool withCurves = true) {
    DateTime date;
    date.year = std::stoi(iso.substr(0, 4)), date.month = std::stoi(iso.substr(5, 2));
    date.day = std::stoi(iso.substr(8, 2)), date.timeSystem = kUniversalTime;
    double t0 = 0.0;
    BesselianElements elements;
    const bool found = FindEclipseOnDate(date, t0, elements);
    if (found) date.hours = t0 >= 24.0 ? 23.99 : t0;
    SolarEclipseModel model;
    if (withCurves) {
        ComputeEclipseForDate(date, found, elements, model);
    } else {
        model.date = date, model.found = found, model.elements = elements;
        ComputeCentralPath(model, found, EclipseCentralKind(elements.type) != kNoCentralPoint);
    }
    return model;
}

bool HasPointAt(const PathCurve& path, double longitude) {
    return std::any_of(path.begin(), path.end(), [&](const PathPoint& p) { return p.longitude == longitude; });
}

// The central line at the steps of 10 seconds the path is made of.
struct CentralStep {
    double t;
    GeoPoint place;
};
std::vector<CentralStep> CentralSteps(const SolarEclipseModel& model) {
    std::vector<CentralStep> steps;
    const double deltaT = DeltaT(model.date);
    const CentralLineExtremesResult line = CentralLineExtremes(model.elements, deltaT);
    for (int i = 0; i <= static_cast<int>(std::floor((line.tEnd - line.tBegin) * 360.0)); ++i) {
        CentralPoint point;
        if (CentralLinePoint(model.elements, line.tBegin + i / 360.0, deltaT, point) != kNoCentralPoint)
            steps.push_back({line.tBegin + i / 360.0, point.place});
    }
    return steps;
}

// Whether an umbral limit crosses a meridian in sunlight, by a scan of the
// meridian every 0.25 degree: the distance from the shadow's track at the
// greatest eclipse, less or plus the umbral radius, changes sign there.
bool UmbralLimitCrossesInSunlight(const BesselianElements& e, double longitude, double t, double deltaT) {
    double previous[2] = {0.0, 0.0};
    bool previousLit = false;
    for (double latitude = -90.0; latitude <= 90.0; latitude += 0.25) {
        FundamentalPlaneObserver o;
        BesselianValues v;
        for (int i = 0; i < 30; ++i) {
            v = EvaluateBesselianElements(e, t);
            o = ObserverOnFundamentalPlane(e, v, longitude, deltaT, ObserverGeocentricFactors(latitude, 0.0));
            t -= (o.u * o.a + o.v * o.b) / o.n2;
        }
        const double track = (o.a * o.v - o.u * o.b) / std::sqrt(o.n2);
        const double radius = std::fabs(v.l2 - o.zeta * e.tanf2);
        const double value[2] = {track + radius, track - radius};
        const bool lit = SunAltitudeAt(latitude, o) >= 0.0;
        for (int side = 0; side < 2; ++side) {
            if (lit && previousLit && (value[side] < 0.0) != (previous[side] < 0.0) &&
                std::min(std::fabs(value[side]), std::fabs(previous[side])) < 0.01)
                return true;
            previous[side] = value[side];
        }
        previousLit = lit;
    }
    return false;
}

// The line's ends stay; each curve (the path first) keeps its points and
// sums unless it gained points where a search used to miss them.
void ExpectEarlierResultsKept(const SolarEclipseModel& model, const test::CsvRow& row) {
    const double ends[] = {model.centralLineBegin.dateTime.hours, model.centralLineBegin.place.longitude.degrees,
                           model.centralLineBegin.place.latitude.degrees, model.centralLineEnd.dateTime.hours,
                           model.centralLineEnd.place.longitude.degrees, model.centralLineEnd.place.latitude.degrees};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_NEAR(ends[i], row.Number(1 + i), kTolerance) << i;
    for (std::size_t c = 0; c <= std::size(kMagnitudeCurveLevels); ++c) {
        double now[6] = {};  // points, northern, southern found; sums of longitudes, northern, southern
        for (const PathPoint& p : c == 0 ? model.centralPath : model.magnitudeCurves.at(c - 1)) {
            const bool north = p.northLatitude != kNotComputedAngle, south = p.southLatitude != kNotComputedAngle;
            now[0] += 1, now[1] += north, now[2] += south, now[3] += p.longitude;
            now[4] += north ? p.northLatitude : 0.0, now[5] += south ? p.southLatitude : 0.0;
        }
        const std::size_t first = 11 + 6 * c;
        const bool same = now[0] == row.Number(first) && now[1] == row.Number(first + 1) &&
                          now[2] == row.Number(first + 2);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_GE(now[i], row.Number(first + i)) << "curve " << c;
        for (std::size_t i = 3; same && i < 6; ++i)
            EXPECT_NEAR(now[i], row.Number(first + i), kTolerance * std::max(1.0, now[0])) << "curve " << c;
        if (same && c == 0) {
            EXPECT_NEAR(model.pathNorthLatitude, row.Number(9), kTolerance);
        }
    }
}

// Each magnitude the eclipse reaches on the Earth (at the place nearest the
// shadow axis, with a margin for curves only metres long) has its curve.
void ExpectEveryReachedMagnitudeDrawn(const SolarEclipseModel& model) {
    double greatest = -1.0;
    for (double t = -4.0; t <= 4.0; t += 0.01) {
        const BesselianValues v = EvaluateBesselianElements(model.elements, t);
        const double miss = std::max(0.0, std::hypot(v.x, v.rho1inv * v.y) - 1.0);
        greatest = std::max(greatest, (v.l1 - miss) / (v.l1 + v.l2));
    }
    for (std::size_t i = 0; i < std::size(kMagnitudeCurveLevels); ++i) {
        EXPECT_TRUE(greatest < kMagnitudeCurveLevels[i] + 0.02 || !model.magnitudeCurves.at(i).empty()) << i;
    }
}

// Every line the map draws between two points of a curve follows the curve:
// a line longer than a degree (lines that long are drawn where a curve runs
// along a meridian, or near the horizon where the shadow moves fast) has its
// quarter points on the curve too, in the curve's own measure at each
// point's greatest eclipse: the distance from the shadow axis less the
// umbral radius for the limits of the path, the magnitude for the other
// curves (both change by about 0.016 a degree across the curve). A line to
// another part of the curve, or from the end of one walk along it to the
// start of the next, cuts across the map and fails.
void ExpectEveryLineFollowsItsCurve(const SolarEclipseModel& model, const DateTime& date) {
    const double deltaT = DeltaT(date);
    for (std::size_t c = 0; c <= std::size(kMagnitudeCurveLevels); ++c) {
        const PathCurve& curve = c == 0 ? model.centralPath : model.magnitudeCurves.at(c - 1);
        for (const bool north : {true, false}) {
            const PathPoint* last = nullptr;
            for (const PathPoint& p : curve) {
                const double latitude = north ? p.northLatitude : p.southLatitude;
                const bool joins = north ? p.northJoins : p.southJoins;
                if (latitude == kNotComputedAngle) {
                    last = nullptr;
                    continue;
                }
                if (last != nullptr && joins) {
                    const double from = north ? last->northLatitude : last->southLatitude;
                    const double step = std::remainder(p.longitude - last->longitude, 360.0);
                    if (std::hypot(step, latitude - from) > 1.0) {
                        for (const double f : {0.25, 0.5, 0.75}) {
                            const EclipseObserver place{last->longitude + f * step, from + f * (latitude - from), 0.0};
                            const ContactSolution s = ContactIteration(date, kGreatestEclipse, 0.0, place, deltaT);
                            const double distance = std::hypot(s.observer.u, s.observer.v);
                            const double off = c == 0 ? distance - std::fabs(s.l2)
                                                      : (s.l1 - distance) / (s.l1 + s.l2) - kMagnitudeCurveLevels[c - 1];
                            EXPECT_LT(std::fabs(off), 0.06)
                                << "curve " << c << (north ? " north " : " south ") << last->longitude << ", " << from
                                << " to " << p.longitude << ", " << latitude;
                        }
                    }
                }
                last = &p;
            }
        }
    }
}

class EclipseMaps : public testing::TestWithParam<test::CsvRow> {};

// The checks of the whole map share one computation of it: the curves are
// the costly part of the table's sweep.
TEST_P(EclipseMaps, KeepEarlierResultsAndDrawEveryMagnitudeReachedAlongItsCurve) {
    const SolarEclipseModel model = ModelFor(GetParam().Text(0));
    ExpectEarlierResultsKept(model, GetParam());
    ExpectEveryReachedMagnitudeDrawn(model);
    ExpectEveryLineFollowsItsCurve(model, model.date);
}

// A step of the central line has no path point only where no limit crosses
// its meridian in sunlight (near a pole or a horizon the band of the path
// can reach from the horizon to the pole).
TEST_P(EclipseMaps, CentralPathMissesNoLimit) {
    const SolarEclipseModel model = ModelFor(GetParam().Text(0), false);
    if (EclipseCentralKind(model.elements.type) == kNoCentralPoint) return;
    const std::vector<CentralStep> steps = CentralSteps(model);
    EXPECT_TRUE(steps.empty() || !model.centralPath.empty());
    for (const CentralStep& s : steps) {
        if (HasPointAt(model.centralPath, s.place.longitude)) continue;
        EXPECT_FALSE(UmbralLimitCrossesInSunlight(model.elements, s.place.longitude, s.t, DeltaT(model.date)))
            << "t " << s.t << " at " << s.place.longitude << ", " << s.place.latitude;
    }
}

INSTANTIATE_TEST_SUITE_P(WholeTable, EclipseMaps, testing::ValuesIn(LoadReference()),
                         [](const testing::TestParamInfo<test::CsvRow>& info) { return test::RowName(info.param); });

// The annular eclipse of 2003 crossed Iceland with its axis only grazing
// the Earth; its greatest eclipse fell near 66.5 N, 24.5 W.
TEST(EclipseMaps, GrazingAnnularEclipseOf2003HasItsPathOverIceland) {
    const SolarEclipseModel model = ModelFor("2003-05-31");
    const std::vector<CentralStep> steps = CentralSteps(model);
    EXPECT_TRUE(std::any_of(steps.begin(), steps.end(), [&](const CentralStep& s) {
        const double km = AngularDistance({s.place.longitude, s.place.latitude, 0}, {24.5, 66.5, 0}) * 111.2;
        return km < 50.0 && HasPointAt(model.centralPath, s.place.longitude);
    }));
}

}  // namespace
}  // namespace corvinata
