#include "tools/event_definitions.h"

#include <gtest/gtest.h>

#include "catalog/event_kinds.h"
#include "event_testing.h"
#include "script/script_expression.h"

namespace corvinata::events {
namespace {

using test::Expression;
using test::Planet;
using test::TheSun;

const CelestialObject* Satellite(int type, int number) { return GetCatalogueObject(type, number); }

int Count(const std::basic_string<Char>& text, const std::basic_string<Char>& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::basic_string<Char>::npos;
         at = text.find(part, at + part.size())) {
        ++n;
    }
    return n;
}

// Every predefined event, with bodies a user could pick for it, compiles as
// a search expression of the form its event type needs.
TEST(PredefinedEvents, EveryPatternCompilesWithRealBodies) {
    const CelestialObject* io = Satellite(kBodyJupiterSatellite, 0);
    const CelestialObject* europa = Satellite(kBodyJupiterSatellite, 1);
    const CelestialObject* titan = Satellite(kBodySaturnSatellite, 5);
    const CelestialObject* rhea = Satellite(kBodySaturnSatellite, 4);
    const CelestialObject* mars = Planet("Mars");
    ASSERT_TRUE(io && europa && titan && rhea && mars);
    const CelestialObject* bodies[kEventTypeCount][2] = {};
    bodies[kEventConjunction][0] = Planet("Jupiter");
    bodies[kEventConjunction][1] = Planet("Saturn");
    for (const int id : {11, 12}) {
        bodies[id][0] = mars;
        bodies[id][1] = TheSun();
    }
    for (const int id : {13, 14, 15, 16, 20, 21, 22}) bodies[id][0] = mars;
    for (int id = 23; id <= 28; ++id) bodies[id][0] = io;
    for (int id = 29; id <= 34; ++id) bodies[id][0] = titan;
    bodies[27][1] = europa;
    bodies[33][1] = rhea;

    const ObjectModelScriptCatalogue catalogue;
    for (int id = 0; id < kEventTypeCount; ++id) {
        ScriptExpression expression(Expression(id, bodies[id][0], bodies[id][1]).c_str());
        int form = 0;
        EXPECT_TRUE(CompileSearchExpression(form, expression, catalogue))
            << id << ": " << corvinata::test::Utf8(expression.source) << " - "
            << corvinata::test::Utf8(expression.message) << " " << corvinata::test::Utf8(expression.detail);
        const bool extreme = id >= kEventPerihelion && id <= kEventVenusBrightest;
        EXPECT_EQ(form, extreme ? (id == 14 || id == 16 ? 28 : 29) : 76) << id;
    }
}

TEST(PredefinedEvents, ConjunctionAsksForElongationOnlyWithoutTheSun) {
    const CelestialObject* venus = Planet("Venus");
    const auto clause = corvinata::test::Wide(" and Abs(Venus.ElongAngDist()) > 10");
    EXPECT_EQ(Expression(kEventConjunction, venus, Planet("Mars")),
              corvinata::test::Wide("Abs(AngleDiff(Venus.Lon(Equ), Mars.Lon(Equ))) < 0.5") + clause);
    EXPECT_EQ(Count(Expression(kEventConjunction, venus, TheSun()), clause), 0);
    EXPECT_EQ(Count(Expression(kEventConjunction, TheSun(), venus), clause), 0);
}

TEST(PredefinedEvents, MissingBodiesAndUnknownNumbers) {
    EXPECT_EQ(Expression(kEventPerihelion), corvinata::test::Wide("Min(.DistSun(Au))"));
    String untouched(TXT("kept"));
    PredefinedEventExpression(40, Planet("Mars"), nullptr, untouched);
    PredefinedEventExpression(-1, Planet("Mars"), nullptr, untouched);
    EXPECT_EQ(corvinata::test::Utf8(untouched), "kept");
}

TEST(PredefinedEvents, SatelliteConjunctionsFillAllTwelvePlaces) {
    const struct {
        int id;
        const CelestialObject* a;
        const CelestialObject* b;
    } cases[] = {{27, Satellite(kBodyJupiterSatellite, 0), Satellite(kBodyJupiterSatellite, 2)},
                 {33, Satellite(kBodySaturnSatellite, 5), Satellite(kBodySaturnSatellite, 4)}};
    for (const auto& c : cases) {
        const auto text = Expression(c.id, c.a, c.b);
        EXPECT_EQ(Count(text, TXT("%")), 0);
        const std::basic_string<Char> a = ObjectKeyName(*c.a);
        const std::basic_string<Char> b = ObjectKeyName(*c.b);
        EXPECT_EQ(Count(text, a + TXT(".RectCrd")), 6) << c.id;
        EXPECT_EQ(Count(text, b + TXT(".RectCrd")), 6) << c.id;
        EXPECT_EQ(text.find(a + TXT(".RectCrdX() - ") + b + TXT(".RectCrdX()")), 4u) << c.id;
    }
}

std::string Describe(const EventCondition& condition) {
    String out(TXT("(old)"));
    const String& searched = condition.Describe(out);
    EXPECT_EQ(&searched, &condition.searchExpression);
    return corvinata::test::Utf8(out);
}

TEST(EventConditionText, EachModeAndEveryMiss) {
    EventCondition condition;
    condition.searchExpression = TXT("Mars.Mag() < 0");
    // The default condition names event 35, which the catalogue lacks.
    EXPECT_EQ(Describe(condition), "Mars.Mag() < 0");
    for (const int stored : {-7, 36, 1000}) {
        condition.predefinedEvent = stored;
        EXPECT_EQ(Describe(condition), "Mars.Mag() < 0") << stored;
    }
    condition.predefinedEvent = kEventOpposition;
    condition.firstBody = BodyIdentifierFromObject(Planet("Mars"));
    condition.secondBody = BodyIdentifierFromObject(TheSun());
    EXPECT_EQ(Describe(condition), "Mars is in opposition");

    condition.isPredefined = false;
    condition.quantity = kFunctionDistanceFromEarth;
    EXPECT_EQ(Describe(condition), "Mars's distance from Earth is at a minimum");
    condition.isMinimum = false;
    condition.quantity = kFunctionMagnitude;
    EXPECT_EQ(Describe(condition), "Mars's magnitude is at a maximum");
    condition.quantity = kNoQuantity;
    EXPECT_EQ(Describe(condition), "Mars.Mag() < 0");
    condition.quantity = kFunctionRectangularX;  // not a property of planets
    EXPECT_EQ(Describe(condition), "Mars.Mag() < 0");
    condition.quantity = kFunctionMagnitude;
    condition.firstBody = BodyIdentifier();
    EXPECT_EQ(Describe(condition), "Mars.Mag() < 0");

    condition.isUserExpression = true;
    condition.isPredefined = true;
    EXPECT_EQ(Describe(condition), "Mars.Mag() < 0");
}

TEST(EventDefinitionRecord, DefaultsCopiesAndRanges) {
    EventDefinition definition;
    EXPECT_EQ(definition.from.year, 1600);
    EXPECT_EQ(definition.stoppedAt.timeSystem, kInvalidTimeSystem);
    EXPECT_EQ(definition.step.unit, 6);
    EXPECT_EQ(definition.step.count, 0);
    EXPECT_TRUE(definition.condition.isPredefined);
    definition.SetLastRangeEnd(test::Date(2024, 1, 2));  // nothing found yet: no effect
    EXPECT_TRUE(definition.foundRanges.empty());

    definition.foundRanges.push_back({test::Date(2024, 1, 1), test::Date(2024, 1, 1)});
    definition.SetLastRangeEnd(test::Date(2024, 1, 3));
    definition.runState = kRunStopRequested;
    const EventDefinition copy = definition;
    EXPECT_EQ(copy.foundRanges.size(), 1u);
    EXPECT_EQ(copy.foundRanges[0].end.day, 3);
    EXPECT_TRUE(copy.StopRequested());

    const EventDefinition made(Location(), test::Date(2024, 1, 1), test::Date(2024, 2, 1), true,
                               TimeStep{kDaysUnit, 1}, copy.condition);
    EXPECT_TRUE(made.daylightSaving);
    EXPECT_EQ(made.runState, kRunNotStarted);
    EXPECT_EQ(made.secondDate.year, 1600);
    EXPECT_TRUE(made.foundRanges.empty());
}

}  // namespace
}  // namespace corvinata::events
