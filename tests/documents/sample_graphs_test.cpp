// The sample graphs the build makes for the "GRAPHS" folder, read back as
// the program opens them: whole, with no field replaced, a year of daily
// steps, and values the program computes for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "catalog/quantity_kinds.h"
#include "documents/graph_test_support.h"

namespace corvinata {
namespace {

using test::Utf8;

class SampleGraphsTest : public test::GraphTest, public ::testing::WithParamInterface<int> {
protected:
    // The shipped file of the year, opened; false when it cannot be read.
    bool Open(GraphDocument& graph, GraphFileFlags& flags) {
        const std::string name = "Astronomical Calendar " + std::to_string(GetParam()) + ".gph";
        std::ifstream in(std::string(CN_SAMPLE_GRAPHS_DIR) + "/" + name, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return !bytes.empty() && Read(bytes, graph, flags);
    }
    // The instant (0..365) where a line is highest or lowest.
    static int Extreme(const GraphLine& line, bool highest) {
        const auto& v = line.values;
        const auto at = highest ? std::max_element(v.begin(), v.end()) : std::min_element(v.begin(), v.end());
        return static_cast<int>(at - v.begin());
    }
};

TEST_P(SampleGraphsTest, OpensWholeAsACalendarOfItsYear) {
    const int year = GetParam();
    auto graph = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(Open(*graph, flags));
    EXPECT_TRUE(flags.replaced.empty());
    const TimeAndLocation& range = graph->Options();
    EXPECT_EQ(range.beginDate.year, year);
    EXPECT_EQ(range.beginDate.month, 1);
    EXPECT_EQ(range.beginDate.day, 1);
    EXPECT_EQ(range.stepUnit, kDaysUnit);
    EXPECT_EQ(range.stepCount, 1.0);
    EXPECT_EQ(Utf8(range.location.town), "London");
    EXPECT_EQ(graph->ValueKind(), kQuantityAngle180);
    ASSERT_EQ(graph->LineCount(), 6);
    const char* names[] = {"Moon's elongation",    "Mercury's elongation", "Venus's elongation",
                           "Mars's elongation",    "Jupiter's elongation", "Saturn's elongation"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Utf8(graph->GetGraphLine(i)->name), names[i]);
        // The axis is labelled east and west of the Sun: every line is read
        // against it, so every line is a quantity of the axis's kind.
        EXPECT_EQ(graph->GetGraphLine(i)->GetQuantityKind(graph->Services()), graph->ValueKind()) << names[i];
    }

    // The values are the program's own: computing the lines again gives
    // them again (to the last digits, which another build may round apart).
    auto again = NewDocument();
    GraphFileFlags unused;
    ASSERT_TRUE(Open(*again, unused));
    again->ComputeAllLines(false);
    for (int i = 0; i < 6; ++i) {
        for (int k = 0; k < kGraphValueCount; k += 30) {
            EXPECT_NEAR(graph->GetGraphLine(i)->values[static_cast<std::size_t>(k)],
                        again->GetGraphLine(i)->values[static_cast<std::size_t>(k)], 1e-9)
                << names[i] << " at " << k;
        }
    }
    // A calendar one can read: Mercury and Venus never far from the Sun,
    // the Moon round the sky a dozen times.
    for (const auto& [line, limit] : {std::pair{1, 28.5}, std::pair{2, 47.5}}) {
        for (const double v : graph->GetGraphLine(line)->values) EXPECT_LE(std::fabs(v), limit) << names[line];
    }
    int newMoons = 0;
    const GraphLine& moon = *graph->GetGraphLine(0);
    for (int k = 1; k < kGraphValueCount; ++k) {
        newMoons += moon.values[static_cast<std::size_t>(k - 1)] < 0.0 && moon.values[static_cast<std::size_t>(k)] >= 0.0 &&
                    moon.values[static_cast<std::size_t>(k)] < 90.0;
    }
    EXPECT_GE(newMoons, 12);
    EXPECT_LE(newMoons, 13);
}

INSTANTIATE_TEST_SUITE_P(ShippedYears, SampleGraphsTest, ::testing::Values(2027, 2028, 2029));

}  // namespace
}  // namespace corvinata
