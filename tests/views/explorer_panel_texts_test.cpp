#include "views/explorer_panel_texts.h"

#include <gtest/gtest.h>

#include "base/angle_value.h"
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

// A Rise or Set link leads to the event itself, whatever system the panel
// tells its time in: at UT+2 an event at 4 h UT is 6 h local.
TEST(ExplorerPanelTexts, RiseSetLinksLeadToTheEventsMomentInTheDocumentsSystem) {
    TimeAndPlace moment;
    moment.place.timeZone.hours = 2.0;
    const struct {
        DateTime document;
        bool daylightSaving;
        double universalHours;
        DateTime expected;
    } cases[] = {
        {MakeDateTime(2020, 5, 10, 12.0, kLocalCivilTime), false, 4.0, MakeDateTime(2020, 5, 10, 6.0, kLocalCivilTime)},
        {MakeDateTime(2020, 5, 10, 12.0, kLocalCivilTime), true, 4.0, MakeDateTime(2020, 5, 10, 7.0, kLocalCivilTime)},
        // Local 1 h on the 10th is 23 h UT on the 9th: the event's hours
        // count on that Universal date.
        {MakeDateTime(2020, 5, 10, 1.0, kLocalCivilTime), false, 23.5, MakeDateTime(2020, 5, 10, 1.5, kLocalCivilTime)},
        {MakeDateTime(2020, 5, 10, 12.0, kUniversalTime), false, 4.0, MakeDateTime(2020, 5, 10, 4.0, kUniversalTime)},
    };
    for (const auto& c : cases) {
        moment.dateTime = c.document;
        moment.daylightSaving = c.daylightSaving;
        DateTime event;
        ASSERT_TRUE(ExplorerEventMoment(moment, c.universalHours, event));
        EXPECT_EQ(event.day, c.expected.day);
        EXPECT_NEAR(event.hours, c.expected.hours, 1e-9) << c.universalHours;
        EXPECT_EQ(event.timeSystem, c.expected.timeSystem);
    }
    DateTime event;
    for (const double none : {-1.0, 24.0}) EXPECT_FALSE(ExplorerEventMoment(moment, none, event)) << none;
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
