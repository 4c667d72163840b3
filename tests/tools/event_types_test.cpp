#include "tools/event_types.h"

#include <gtest/gtest.h>

#include "astro/planet_records.h"
#include "support/test_text.h"

namespace corvinata::events {
namespace {

class EventTypes : public ::testing::Test {
protected:
    static BodyIdentifier Planet(const char* name) {
        return BodyIdentifierFromObject(FindObjectOfTypeByName(kBodyPlanet, test::Wide(name).c_str()));
    }
    static BodyIdentifier Sun() { return BodyIdentifierFromObject(GetCatalogueObject(kBodySun, 0)); }
};

std::string Describe(int id, const BodyIdentifier& a, const BodyIdentifier& b) {
    String out;
    FindEventType(id)->Describe(a, b, out);
    return test::Utf8(out);
}

TEST_F(EventTypes, OppositionTextsByTheBodiesGiven) {
    const BodyIdentifier mars = Planet("Mars");
    const BodyIdentifier none;
    EXPECT_EQ(Describe(kEventOpposition, mars, Sun()), "Mars is in opposition");
    EXPECT_EQ(Describe(kEventOpposition, Sun(), mars), "Mars is in opposition");
    EXPECT_EQ(Describe(kEventOpposition, mars, Planet("Jupiter")),
              "Mars and Jupiter are in opposition");
    EXPECT_EQ(Describe(kEventOpposition, mars, none), "Mars and (2) are in opposition");
    // Only the opposition has an alternative: a conjunction with the Sun
    // names both.
    EXPECT_EQ(Describe(kEventConjunction, Sun(), mars), "Sun and Mars are in conjunction");
}

TEST_F(EventTypes, LookupsMissOutsideTheCatalogue) {
    EXPECT_EQ(FindEventType(kNoEventType), nullptr);
    EXPECT_EQ(FindEventType(-1), nullptr);
    EXPECT_EQ(FindEventType(34)->shortName, EventTypeAt(34).shortName);
    EXPECT_EQ(FindEventTypeByShortName(TXT("Rise")), FindEventType(kEventRise));
    EXPECT_EQ(FindEventTypeByShortName(TXT("rise")), nullptr);
    EXPECT_EQ(FindEventTypeByShortName(TXT("Rise ")), nullptr);

    EventOccurrence occurrence;
    EXPECT_EQ(occurrence.eventType, kNoEventType);
    EXPECT_EQ(occurrence.dates.begin.timeSystem, kInvalidTimeSystem);
    EXPECT_EQ(occurrence.GetBody(), nullptr);
}

TEST_F(EventTypes, OwnBodiesAndUserNamedBodies) {
    // The body an occurrence falls back on is its event type's own.
    struct Case {
        int id;
        const char* body;  // nullptr: the user names it
    };
    const Case cases[] = {{kEventFullMoon, "Moon"},     {kEventWinterSolstice, "Sun"},
                          {kEventVenusBrightest, "Venus"}, {kEventMercuryTransit, "Mercury"},
                          {24, "Jupiter"},             {33, "Saturn"},
                          {kEventRise, nullptr},       {kEventSet, nullptr}};
    for (const Case& c : cases) {
        EventOccurrence occurrence;
        occurrence.eventType = c.id;
        const CelestialObject* body = occurrence.GetBody();
        if (c.body == nullptr) {
            EXPECT_EQ(body, nullptr) << c.id;
        } else {
            ASSERT_NE(body, nullptr) << c.id;
            EXPECT_EQ(test::Utf8(ObjectKeyName(*body)), c.body) << c.id;
        }
    }
    EventOccurrence own;
    own.Set(kEventRise, DateTime{}, DateTime{}, Planet("Mars").object, nullptr);
    EXPECT_EQ(own.GetBody(), Planet("Mars").object);
}

TEST_F(EventTypes, TransitsAndConjunctionsAreRefinedHourly) {
    for (const int id : {kEventConjunction, kEventVenusTransit, kEventMercuryTransit}) {
        EXPECT_EQ(FindEventType(id)->defaultStep.unit, kHoursUnit) << id;
    }
}

TEST(EventTypeCodes, EachGroupShowsInItsWindow) {
    EXPECT_EQ(EventTypeCode(kEventSolarEclipse), kShowInSolarEclipse);
    EXPECT_EQ(EventTypeCode(kEventLunarEclipse), kShowInSky);
    EXPECT_EQ(EventTypeCode(kEventConjunction), kShowInSky);
    EXPECT_EQ(EventTypeCode(kEventOpposition), kShowInSolarSystem);
    EXPECT_EQ(EventTypeCode(kEventPlanetObservable), kShowInSky);
    EXPECT_EQ(EventTypeCode(kEventJovianConjunctionWithPlanet), kShowInJupiterExplorer);
    EXPECT_EQ(EventTypeCode(kEventSaturnianTransitBegins), kShowInSaturnExplorer);
}

}  // namespace
}  // namespace corvinata::events
