#include "views/explorer_panel_texts.h"

#include <gtest/gtest.h>

#include "base/angle_value.h"
#include "base/time_systems.h"
#include "catalog/event_kinds.h"
#include "catalog/property_map.h"
#include "catalog/rise_set.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

TEST(ExplorerPanelTexts, MoonCoordinatesAndTiltsAsThePanelShowsThem) {
    const struct {
        double value;
        const char* text;
    } coordinates[] = {{1.5, "+1.5"}, {-2.25, "-2.25"}, {0.0, "0"}, {-0.004, "0"}, {-26.347, "-26.35"}, {3.999, "+4"}};
    for (const auto& c : coordinates) EXPECT_EQ(Utf8(ExplorerCoordinateText(c.value)), c.text) << c.value;
    const struct {
        double degrees;
        int style;
        const char* text;
    } tilts[] = {{26.75, kAngleSexagesimal, "26\u00B045'"}, {-0.25, kAngleSexagesimal, "-0\u00B015'"},
                 {350.0, kAngleSexagesimal, "-10\u00B000'"}, {-0.001, kAngleSexagesimal, "0\u00B000'"},
                 {190.0, kAngleDecimal, "-170.00\u00B0"}};
    for (const auto& c : tilts) EXPECT_EQ(Utf8(ExplorerTiltText(c.degrees, c.style)), c.text) << c.degrees;
}

EventTime Found(const DateTime& at) {
    EventTime event;
    event.dateTime = at;
    event.state = kEventOccurs;
    return event;
}

// A Rise or Set link leads to the event itself, whatever system the panel
// tells its time in: at UT+2 an event at 4 h UT is 6 h local.
TEST(ExplorerPanelTexts, RiseSetLinksLeadToTheEventsMomentInTheDocumentsSystem) {
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
        ASSERT_TRUE(ExplorerEventMoment(moment, Found(c.event), event));
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
        EXPECT_FALSE(ExplorerEventMoment(moment, none, event)) << none.state;
        EXPECT_EQ(Utf8(ExplorerEventText(none)), "--:--") << none.state;
    }
    EXPECT_EQ(Utf8(ExplorerEventText(Found(MakeDateTime(2020, 5, 10, 6.5, kLocalCivilTime)))), "06:30");
}

// The pair the panel shows lies on the document's date told in the panel's
// time system: 23 h UT on the 9th is the 10th at UT+2.
TEST(ExplorerPanelTexts, TheRiseAndSetPairIsOnTheDocumentsDateInThePanelsSystem) {
    TimeAndPlace moment;
    moment.place.timeZone.hours = 2.0;
    moment.dateTime = MakeDateTime(2020, 5, 9, 23.0, kUniversalTime);
    PropertyMap map;
    map.Set(kFunctionRise, 1.25, kLocalCivilTime, kEventOccurs);
    map.Set(kFunctionSet, kNoTimeHours, kLocalCivilTime, kEventAboveHorizon);
    const EventTimePair pair = ExplorerRiseSet(map, moment, kLocalCivilTime);
    EXPECT_EQ(pair.first.dateTime.day, 10);
    EXPECT_EQ(pair.first.dateTime.hours, 1.25);
    EXPECT_EQ(pair.first.dateTime.timeSystem, kLocalCivilTime);
    EXPECT_EQ(pair.code, kNoSet);
    DateTime event;
    ASSERT_TRUE(ExplorerEventMoment(moment, pair.first, event));
    EXPECT_EQ(event.day, 9);
    EXPECT_NEAR(event.hours, 23.25, 1e-9);
    EXPECT_FALSE(ExplorerEventMoment(moment, pair.second, event));
}

TEST(ExplorerPanelTexts, EachPairOfSwapsNamesItsInstrument) {
    EXPECT_NE(Utf8(ExplorerOrientationText(false, false)).find("upright and non-left/right reversed image, e.g. bino"),
              std::string::npos);
    EXPECT_NE(Utf8(ExplorerOrientationText(false, true)).find("upright but left/right reversed"), std::string::npos);
    EXPECT_NE(Utf8(ExplorerOrientationText(true, false)).find("upside-down but non-left/right"), std::string::npos);
    EXPECT_NE(Utf8(ExplorerOrientationText(true, true)).find("upside-down and left/right reversed image, e.g. an "
                                                             "astronomical telescope without"),
              std::string::npos);
}

}  // namespace
}  // namespace corvinata
