#include "app/rise_set_links.h"

#include <gtest/gtest.h>

#include "base/date_time_text.h"
#include "catalog/event_kinds.h"
#include "catalog/property_map.h"
#include "catalog/rise_set.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

EventTime Found(const DateTime& at) {
    EventTime event;
    event.dateTime = at;
    event.state = kEventOccurs;
    return event;
}

// A Rise or Set link leads to the event itself, whatever system the panel
// tells its time in: at UT+2 an event at 4 h UT is 6 h local.
TEST(RiseSetLinks, ALinkLeadsToTheEventsMomentInTheDocumentsSystem) {
    TimeAndPlace moment;
    moment.place.timeZone.hours = 2.0;
    const struct {
        DateTime document;
        bool daylightSaving;
        DateTime event;
        DateTime expected;
    } cases[] = {
        {MakeDateTime(2020, 5, 10, 12.0, kLocalCivilTime), false, MakeDateTime(2020, 5, 10, 4.0, kUniversalTime),
         MakeDateTime(2020, 5, 10, 6.0, kLocalCivilTime)},
        {MakeDateTime(2020, 5, 10, 12.0, kLocalCivilTime), true, MakeDateTime(2020, 5, 10, 4.0, kUniversalTime),
         MakeDateTime(2020, 5, 10, 7.0, kLocalCivilTime)},
        // Local 1 h on the 10th is 23 h UT on the 9th.
        {MakeDateTime(2020, 5, 10, 1.0, kLocalCivilTime), false, MakeDateTime(2020, 5, 9, 23.5, kUniversalTime),
         MakeDateTime(2020, 5, 10, 1.5, kLocalCivilTime)},
        {MakeDateTime(2020, 5, 10, 12.0, kUniversalTime), false, MakeDateTime(2020, 5, 10, 4.0, kUniversalTime),
         MakeDateTime(2020, 5, 10, 4.0, kUniversalTime)},
        // An event the panel tells in local time early on the 10th lies on
        // the 9th of a document kept in UT.
        {MakeDateTime(2020, 5, 10, 12.0, kUniversalTime), false, MakeDateTime(2020, 5, 10, 1.0, kLocalCivilTime),
         MakeDateTime(2020, 5, 9, 23.0, kUniversalTime)},
    };
    for (const auto& c : cases) {
        moment.dateTime = c.document;
        moment.daylightSaving = c.daylightSaving;
        DateTime event;
        ASSERT_TRUE(RiseSetLinkMoment(moment, Found(c.event), event));
        EXPECT_EQ(event.day, c.expected.day);
        EXPECT_NEAR(event.hours, c.expected.hours, 1e-9) << c.event.hours;
        EXPECT_EQ(event.timeSystem, c.expected.timeSystem);
    }
    EventTime above = Found(MakeDateTime(2020, 5, 10, kNoTimeHours, kUniversalTime));
    above.state = kEventAboveHorizon;
    EventTime notComputed = Found(MakeDateTime(2020, 5, 10, 4.0, kUniversalTime));
    notComputed.state = kEventNotComputed;
    DateTime event;
    for (const EventTime& none : {above, notComputed, Found(MakeDateTime(2020, 5, 10, 24.0, kUniversalTime))}) {
        EXPECT_FALSE(RiseSetLinkMoment(moment, none, event)) << none.state;
        EXPECT_EQ(Utf8(RiseSetLinkText(none, kTimeToMinute)), "--:--") << none.state;
    }
    // The explorer panels tell the minute, the Sky panel the second; both
    // truncate, as the event has not yet happened at the rounded time.
    const EventTime found = Found(MakeDateTime(2020, 5, 10, 6.5 + 59.9 / 3600.0, kLocalCivilTime));
    EXPECT_EQ(Utf8(RiseSetLinkText(found, kTimeToMinute)), "06:30");
    EXPECT_EQ(Utf8(RiseSetLinkText(found, kTimeToSecond)), "06:30:59");
}

// The pair the panel shows lies on the document's date told in the panel's
// time system: 23 h UT on the 9th is the 10th at UT+2.
TEST(RiseSetLinks, ThePairIsOnTheDocumentsDateInThePanelsSystem) {
    TimeAndPlace moment;
    moment.place.timeZone.hours = 2.0;
    moment.dateTime = MakeDateTime(2020, 5, 9, 23.0, kUniversalTime);
    PropertyMap map;
    map.Set(kFunctionRise, 1.25, kLocalCivilTime, kEventOccurs);
    map.Set(kFunctionSet, kNoTimeHours, kLocalCivilTime, kEventAboveHorizon);
    const EventTimePair pair = PanelRiseSet(map, moment, kLocalCivilTime);
    EXPECT_EQ(pair.first.dateTime.day, 10);
    EXPECT_EQ(pair.first.dateTime.hours, 1.25);
    EXPECT_EQ(pair.first.dateTime.timeSystem, kLocalCivilTime);
    EXPECT_EQ(pair.code, kNoSet);
    DateTime event;
    ASSERT_TRUE(RiseSetLinkMoment(moment, pair.first, event));
    EXPECT_EQ(event.day, 9);
    EXPECT_NEAR(event.hours, 23.25, 1e-9);
    EXPECT_FALSE(RiseSetLinkMoment(moment, pair.second, event));
}

}  // namespace
}  // namespace corvinata
