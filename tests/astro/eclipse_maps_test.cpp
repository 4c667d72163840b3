// The eclipse map of every eclipse of the table: central path, line ends and
// curves of equal magnitude, against the maps the program drew before the
// searches learnt to restart near a pole (reference/eclipse_maps.csv), and
// against what any map must show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

constexpr const char* kReferenceTable = "astro/reference/eclipse_maps.csv";
constexpr double kValueTolerance = 1e-6;  // hours, degrees
constexpr int kCurves = 1 + kMagnitudeCurveCount;  // the path, then the five curves
constexpr double kStepHours = 1.0 / 360.0;
constexpr double kKmPerDegree = 111.2;

std::vector<test::CsvRow> LoadReference() {
    return test::ReadCsvFile(test::TestsPath(kReferenceTable));
}

SolarEclipseModel ModelFor(const std::string& isoDate) {
    DateTime date;
    date.year = std::stoi(isoDate.substr(0, 4));
    date.month = std::stoi(isoDate.substr(5, 2));
    date.day = std::stoi(isoDate.substr(8, 2));
    date.timeSystem = kUniversalTime;
    double t0 = 0.0;
    BesselianElements elements;
    const bool found = FindEclipseOnDate(date, t0, elements);
    if (found) date.hours = t0 >= 24.0 ? 23.99 : t0;
    SolarEclipseModel model;
    ComputeEclipseForDate(date, found, elements, model);
    return model;
}

// Counts and sums of one curve, as the reference holds them.
struct CurveSummary {
    double points = 0, northern = 0, southern = 0;
    double longitudeSum = 0, northernSum = 0, southernSum = 0;
};

CurveSummary Summarise(const PathCurve& curve) {
    CurveSummary s;
    for (const PathPoint& p : curve) {
        s.points += 1;
        s.longitudeSum += p.longitude;
        if (p.northLatitude != kNotComputedAngle) s.northern += 1, s.northernSum += p.northLatitude;
        if (p.southLatitude != kNotComputedAngle) s.southern += 1, s.southernSum += p.southLatitude;
    }
    return s;
}

CurveSummary ReferenceSummary(const test::CsvRow& row, int curve) {
    const std::size_t c = 11 + 6 * static_cast<std::size_t>(curve);
    return {row.Number(c), row.Number(c + 1), row.Number(c + 2),
            row.Number(c + 3), row.Number(c + 4), row.Number(c + 5)};
}

// The central line at the steps the path is made of.
struct CentralStep {
    double t;
    GeoPoint place;
};

std::vector<CentralStep> CentralSteps(const SolarEclipseModel& model) {
    std::vector<CentralStep> steps;
    const double deltaT = DeltaT(model.date);
    const CentralLineExtremesResult line = CentralLineExtremes(model.elements, deltaT);
    const int count = static_cast<int>(std::floor((line.tEnd - line.tBegin) / kStepHours));
    for (int i = 0; i <= count; ++i) {
        const double t = line.tBegin + i / 360.0;
        CentralPoint point;
        if (CentralLinePoint(model.elements, t, deltaT, point) != kNoCentralPoint)
            steps.push_back({t, point.place});
    }
    return steps;
}

// Whether an umbral limit crosses a meridian where the Sun is up, by a fine
// scan of the meridian: the observer's distance from the shadow's track at
// greatest eclipse, less or plus the umbral radius, changes sign there.
bool UmbralLimitCrossesInSunlight(const BesselianElements& e, double longitude, double t0,
                                  double deltaT) {
    constexpr double kScanStep = 0.25;  // degrees
    double previous[2] = {0.0, 0.0};
    bool previousLit = false;
    double t = t0;
    for (double latitude = -90.0; latitude <= 90.0; latitude += kScanStep) {
        const GeocentricFactors f = ObserverGeocentricFactors(latitude, 0.0);
        FundamentalPlaneObserver o;
        BesselianValues v;
        for (int i = 0; i < 30; ++i) {
            v = EvaluateBesselianElements(e, t);
            o = ObserverOnFundamentalPlane(e, v, longitude, deltaT, f);
            const double dt = -(o.u * o.a + o.v * o.b) / o.n2;
            t += dt;
            if (std::fabs(dt) < 1e-6) break;
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

// Largest magnitude the penumbra reaches on the Earth: at the place nearest
// the shadow axis, on the fundamental plane.
double GreatestMagnitude(const BesselianElements& e) {
    double greatest = -1.0;
    for (double t = -4.0; t <= 4.0; t += 0.01) {
        const BesselianValues v = EvaluateBesselianElements(e, t);
        const double miss = std::max(0.0, std::hypot(v.x, v.rho1inv * v.y) - 1.0);
        greatest = std::max(greatest, (v.l1 - miss) / (v.l1 + v.l2));
    }
    return greatest;
}

TEST(EclipseMaps, ReferenceHoldsTheWholeTable) {
    EXPECT_EQ(static_cast<int>(LoadReference().size()), EclipseTable().size());
}

class EclipseMaps : public testing::TestWithParam<test::CsvRow> {
protected:
    void SetUp() override { model_ = ModelFor(GetParam().Text(0)); }
    SolarEclipseModel model_;
};

// Every point and sum the earlier maps had stays; a curve may only gain
// points, where a search used to miss them.
TEST_P(EclipseMaps, KeepEarlierResultsAndOnlyGainPoints) {
    const test::CsvRow& row = GetParam();
    EXPECT_NEAR(model_.centralLineBegin.dateTime.hours, row.Number(1), kValueTolerance);
    EXPECT_NEAR(model_.centralLineBegin.place.longitude.degrees, row.Number(2), kValueTolerance);
    EXPECT_NEAR(model_.centralLineBegin.place.latitude.degrees, row.Number(3), kValueTolerance);
    EXPECT_NEAR(model_.centralLineEnd.dateTime.hours, row.Number(4), kValueTolerance);
    EXPECT_NEAR(model_.centralLineEnd.place.longitude.degrees, row.Number(5), kValueTolerance);
    EXPECT_NEAR(model_.centralLineEnd.place.latitude.degrees, row.Number(6), kValueTolerance);
    ASSERT_EQ(static_cast<int>(model_.magnitudeCurves.size()), kMagnitudeCurveCount);
    for (int c = 0; c < kCurves; ++c) {
        const CurveSummary now = Summarise(c == 0 ? model_.centralPath : model_.magnitudeCurves[c - 1]);
        const CurveSummary before = ReferenceSummary(row, c);
        EXPECT_TRUE(now.points >= before.points && now.northern >= before.northern &&
                    now.southern >= before.southern)
            << "curve " << c;
        if (now.points != before.points || now.northern != before.northern ||
            now.southern != before.southern)
            continue;
        const double tolerance = kValueTolerance * std::max(1.0, now.points);
        EXPECT_NEAR(now.longitudeSum, before.longitudeSum, tolerance) << "curve " << c;
        EXPECT_NEAR(now.northernSum, before.northernSum, tolerance) << "curve " << c;
        EXPECT_NEAR(now.southernSum, before.southernSum, tolerance) << "curve " << c;
        if (c == 0) {
            EXPECT_NEAR(model_.pathWestLongitude, row.Number(7), kValueTolerance);
            EXPECT_NEAR(model_.pathEastLongitude, row.Number(8), kValueTolerance);
            EXPECT_NEAR(model_.pathNorthLatitude, row.Number(9), kValueTolerance);
            EXPECT_NEAR(model_.pathSouthLatitude, row.Number(10), kValueTolerance);
        }
    }
}

// A step of the central line without a path point is one whose meridian no
// limit crosses in sunlight (near a pole or a terminator the band of the path
// can cover a meridian from the horizon to the pole); the ends of the line
// lie at path points.
TEST_P(EclipseMaps, CentralPathMissesNoLimit) {
    if (EclipseCentralKind(model_.elements.type) == kNoCentralPoint) return;
    const std::vector<CentralStep> steps = CentralSteps(model_);
    if (steps.empty()) return;  // the axis passes just beside the Earth
    const PathCurve& path = model_.centralPath;
    ASSERT_FALSE(path.empty());
    const double deltaT = DeltaT(model_.date);
    for (const CentralStep& step : steps) {
        const bool onPath = std::any_of(path.begin(), path.end(), [&](const PathPoint& p) {
            return p.longitude == step.place.longitude;
        });
        if (!onPath) {
            EXPECT_FALSE(UmbralLimitCrossesInSunlight(model_.elements, step.place.longitude,
                                                      step.t, deltaT))
                << "t " << step.t << " at " << step.place.longitude << ", " << step.place.latitude;
        }
    }
}

TEST_P(EclipseMaps, EveryMagnitudeReachedHasItsCurve) {
    const double greatest = GreatestMagnitude(model_.elements);
    for (int i = 0; i < kMagnitudeCurveCount; ++i) {
        // Just above the level its curve may be a few metres long.
        if (greatest < kMagnitudeCurveLevels[i] + 0.02) continue;
        EXPECT_FALSE(model_.magnitudeCurves[static_cast<std::size_t>(i)].empty())
            << "magnitude " << kMagnitudeCurveLevels[i] << " of " << greatest;
    }
}

INSTANTIATE_TEST_SUITE_P(WholeTable, EclipseMaps, testing::ValuesIn(LoadReference()),
                         [](const testing::TestParamInfo<test::CsvRow>& info) {
                             return test::RowName(info.param);
                         });

// The annular eclipse of 2003 crossed Iceland with its axis only just
// touching the Earth; its greatest eclipse fell near 66.5 N, 24.5 W.
TEST(EclipseMaps, GrazingAnnularEclipseOf2003HasItsPathOverIceland) {
    const SolarEclipseModel model = ModelFor("2003-05-31");
    const SkyCoordinates iceland{24.5, 66.5, 0};
    const PathCurve& path = model.centralPath;
    const std::vector<CentralStep> steps = CentralSteps(model);
    const bool passes = std::any_of(steps.begin(), steps.end(), [&](const CentralStep& step) {
        const SkyCoordinates place{step.place.longitude, step.place.latitude, 0};
        return AngularDistance(place, iceland) * kKmPerDegree < 50.0 &&
               std::any_of(path.begin(), path.end(), [&](const PathPoint& p) {
                   return p.longitude == step.place.longitude;
               });
    });
    EXPECT_TRUE(passes);
}

}  // namespace
}  // namespace corvinata
