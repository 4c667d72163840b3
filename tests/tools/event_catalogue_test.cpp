// Event types, predefined expressions and condition texts.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "catalog/event_kinds.h"
#include "event_testing.h"
#include "script/script_expression.h"

namespace corvinata::events {
namespace {

using namespace test;

// The catalogues, built once for every test of the program.
class CatalogueEnvironment : public ::testing::Environment {
    void SetUp() override { catalogues_ = std::make_unique<corvinata::test::ScopedCatalogues>(); }
    void TearDown() override { catalogues_.reset(); }
    std::unique_ptr<corvinata::test::ScopedCatalogues> catalogues_;
};
const ::testing::Environment* const kCatalogues =
    ::testing::AddGlobalTestEnvironment(new CatalogueEnvironment);

std::string Describe(int id, const CelestialObject* a, const CelestialObject* b) {
    String out;
    FindEventType(id)->Describe(BodyIdentifierFromObject(a), BodyIdentifierFromObject(b), out);
    return Utf8(out);
}

TEST(EventTypes, TextsLookupsAndOwnBodies) {
    const CelestialObject* mars = Planet("Mars");
    EXPECT_EQ(Describe(kEventOpposition, mars, TheSun()), "Mars is in opposition");
    EXPECT_EQ(Describe(kEventOpposition, TheSun(), mars), "Mars is in opposition");
    EXPECT_EQ(Describe(kEventOpposition, mars, Planet("Jupiter")), "Mars and Jupiter are in opposition");
    EXPECT_EQ(Describe(kEventOpposition, mars, nullptr), "Mars and (2) are in opposition");
    EXPECT_EQ(FindEventType(kNoEventType), nullptr);
    EventOccurrence occurrence;
    EXPECT_EQ(occurrence.GetBody(), nullptr);  // type 35, no body of its own
    occurrence.eventType = kEventMercuryTransit;
    EXPECT_EQ(occurrence.GetBody(), Planet("Mercury"));
    occurrence.eventType = kEventRise;
    EXPECT_EQ(occurrence.GetBody(), nullptr);  // the user names it
    for (const int id : {kEventConjunction, kEventVenusTransit, kEventMercuryTransit}) {
        EXPECT_EQ(FindEventType(id)->defaultStep.unit, kHoursUnit) << id;
    }
}

// Catches a slip in any pattern: each compiles with bodies a user could
// pick, in the form its event needs (76 condition, 28 Max, 29 Min).
TEST(PredefinedEvents, EveryPatternCompilesWithRealBodies) {
    const CelestialObject* io = Body(kBodyJupiterSatellite, "Io");
    const CelestialObject* titan = Body(kBodySaturnSatellite, "Titan");
    const CelestialObject* mars = Planet("Mars");
    ASSERT_TRUE(io && titan && mars);
    const ObjectModelScriptCatalogue catalogue;
    for (int id = 0; id < kEventTypeCount; ++id) {
        const CelestialObject* first = id >= 29 ? titan : id >= 23 ? io : mars;
        const CelestialObject* second = id == 27 ? Body(kBodyJupiterSatellite, "Europa")
                                        : id == 33 ? Body(kBodySaturnSatellite, "Rhea")
                                                   : id == 10 ? Planet("Saturn") : TheSun();
        ScriptExpression expression(Expression(id, first, second).c_str());
        int form = 0;
        EXPECT_TRUE(CompileSearchExpression(form, expression, catalogue))
            << id << ": " << Utf8(expression.source) << " " << Utf8(expression.detail);
        EXPECT_EQ(form, id == 14 || id == 16 ? 28 : id == 13 || id == 15 || id == 17 ? 29 : 76) << id;
    }
}

TEST(PredefinedEvents, ElongationClauseMissingBodiesAndUnknownNumbers) {
    const CelestialObject* venus = Planet("Venus");
    EXPECT_EQ(Utf8(Expression(kEventConjunction, venus, Planet("Mars")).c_str()),
              "Abs(AngleDiff(Venus.Lon(Equ), Mars.Lon(Equ))) < 0.5 and Abs(Venus.ElongAngDist()) > 10");
    EXPECT_EQ(Utf8(Expression(kEventConjunction, venus, TheSun()).c_str()),
              "Abs(AngleDiff(Venus.Lon(Equ), Sun.Lon(Equ))) < 0.5");
    EXPECT_EQ(Utf8(Expression(kEventConjunction, TheSun(), venus).c_str()).find("Elong"), std::string::npos);
    EXPECT_EQ(Utf8(Expression(kEventPerihelion).c_str()), "Min(.DistSun(Au))");
    for (const auto& [id, a, b] : {std::tuple{27, "Io", "Ganymede"}, std::tuple{33, "Titan", "Rhea"}}) {
        const int type = id == 27 ? kBodyJupiterSatellite : kBodySaturnSatellite;
        const std::string text = Utf8(Expression(id, Body(type, a), Body(type, b)).c_str());
        EXPECT_EQ(text.find('%'), std::string::npos);
        EXPECT_EQ(text.find(std::string("(") + a + ".RectCrdX() - " + b + ".RectCrdX())"), 3u) << text;
        EXPECT_EQ(text.rfind(std::string("Or ") + b), text.rfind("Or ")) << text;
    }
    String untouched(TXT("kept"));
    PredefinedEventExpression(40, venus, nullptr, untouched);
    EXPECT_EQ(Utf8(untouched), "kept");
}

// A lookup that finds nothing is never followed: the text is then the
// condition's search expression.
TEST(EventConditions, DescribeEachModeAndEveryMiss) {
    EventCondition condition;
    condition.searchExpression = TXT("Mars.Mag() < 0");
    const auto describe = [&condition] {
        String out;
        EXPECT_EQ(&condition.Describe(out), &condition.searchExpression);
        return Utf8(out);
    };
    for (const int stored : {kNoEventType, -7, 1000}) {
        condition.predefinedEvent = stored;
        EXPECT_EQ(describe(), "Mars.Mag() < 0") << stored;
    }
    condition.isPredefined = false;
    condition.quantity = kFunctionDistanceFromEarth;
    EXPECT_EQ(describe(), "Mars.Mag() < 0");  // no first body
    condition.firstBody = BodyIdentifierFromObject(Planet("Mars"));
    EXPECT_EQ(describe(), "Mars's distance from Earth is at a minimum");
    condition.isMinimum = false;
    condition.quantity = kFunctionMagnitude;
    EXPECT_EQ(describe(), "Mars's magnitude is at a maximum");
    for (const std::uint32_t missing : {kNoQuantity, std::uint32_t{kFunctionRectangularX}}) {
        condition.quantity = missing;
        EXPECT_EQ(describe(), "Mars.Mag() < 0");
    }
}

}  // namespace
}  // namespace corvinata::events
