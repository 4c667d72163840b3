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
#include "support/csv_table.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

constexpr const char* kReferenceTable = "astro/reference/eclipse_maps.csv";
constexpr double kValueTolerance = 1e-6;  // hours, degrees
constexpr int kCurves = 1 + kMagnitudeCurveCount;  // the path, then the five curves
constexpr double kStepHours = 1.0 / 360.0;
// Steps at the ends of a central line where the limb cuts off a limit.
constexpr std::size_t kMissingAtEnds = 4;

// Paths near a pole where searches still miss steps in the middle of the
// line; the counts guard against losing more.
struct KnownGap {
    const char* date;
    std::size_t missing;
};
constexpr KnownGap kKnownGaps[] = {
    {"2021-06-10", 29}, {"2097-11-04", 36}, {"2102-07-15", 70}, {"2166-08-25", 6}, {"2191-10-18", 17},
};

std::size_t AllowedMissingSteps(const std::string& date) {
    for (const KnownGap& gap : kKnownGaps) {
        if (date == gap.date) return gap.missing;
    }
    return kMissingAtEnds;
}

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

// Longitudes of the central line at the steps the path is made of.
std::vector<double> CentralLongitudes(const SolarEclipseModel& model) {
    std::vector<double> longitudes;
    const double deltaT = DeltaT(model.date);
    const CentralLineExtremesResult line = CentralLineExtremes(model.elements, deltaT);
    const int steps = static_cast<int>(std::floor((line.tEnd - line.tBegin) / kStepHours));
    for (int i = 0; i <= steps; ++i) {
        const double t = line.tBegin + i / 360.0;
        CentralPoint point;
        if (CentralLinePoint(model.elements, t, deltaT, point) != kNoCentralPoint)
            longitudes.push_back(point.place.longitude);
    }
    return longitudes;
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

// Wherever the shadow axis meets the Earth the path has a point, except
// where the limb cuts the umbra at the line's ends.
TEST_P(EclipseMaps, CentralPathHasNoGap) {
    if (EclipseCentralKind(model_.elements.type) == kNoCentralPoint) return;
    const std::vector<double> central = CentralLongitudes(model_);
    if (central.empty()) return;  // the axis passes just beside the Earth
    const PathCurve& path = model_.centralPath;
    ASSERT_FALSE(path.empty());
    std::size_t missing = 0;
    for (double longitude : central) {
        missing += std::none_of(path.begin(), path.end(),
                                [&](const PathPoint& p) { return p.longitude == longitude; });
    }
    EXPECT_LE(missing, AllowedMissingSteps(GetParam().Text(0))) << "of " << central.size() << " steps";
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

}  // namespace
}  // namespace corvinata
