#include "app/window_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_interfaces.h"
#include "app/eclipse_document.h"
#include "catalog/catalogue_registry.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/related_task_fakes.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

BodyIdentifier Body(int type, int number) { return BodyIdentifierFromObject(GetCatalogueObject(type, number)); }

// A double-click on a result reaches the window its event type names, with
// the result's body and its begin (the eclipse window: the whole range).
TEST(ShowEventResult, EachWindowKindGetsTheBodyAndTheDates) {
    test::ScopedCatalogues catalogues;
    const DateTimeRange range{MakeDateTime(2026, 8, 12, 17.25, kLocalCivilTime),
                              MakeDateTime(2026, 8, 13, 0.5, kLocalCivilTime)};
    const struct Case {
        int kind;
        BodyIdentifier body;
        const char* call;  // none: nothing shown
    } cases[] = {
        {kJupiterExplorerWindow, Body(kBodyJupiterSatellite, 0), "jupiter Io 2026"},
        {kSaturnExplorerWindow, Body(kBodySaturnSatellite, 5), "saturn Titan 2026"},
        {kPictureWindow, Body(kBodyPlanet, 3), "picture Jupiter"},
        {kSolarEclipseWindow, Body(kBodySun, 0), "eclipse 2026 8 12 to 13"},
        {kSkyWindow, Body(kBodyMoon, 0), "sky Moon 2026"},
        {kSolarSystemWindow, Body(kBodyPlanet, 1), "solar system Venus 2026"},
        {kGraphWindow, Body(kBodySun, 0), nullptr},
        {kReportWindow, Body(kBodySun, 0), nullptr},
        {-1, Body(kBodySun, 0), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        test::RecordingTaskServices services;
        const bool shown = ShowEventResult(services, EventResultShowRequest{c.kind, c.body, range});
        EXPECT_EQ(shown, c.call != nullptr);
        EXPECT_EQ(services.calls, c.call ? std::vector<std::string>{c.call} : std::vector<std::string>{});
    }
}

// An event's local dates lie within a day of the eclipse's Universal date:
// the range's own days come first, then the day before and after.
TEST(FindEclipseOfRange, TheEclipseWithinADayOfTheRange) {
    const struct Case {
        DateTime begin;
        DateTime end;
        int day;  // of August 2026 (or February for 17); 0: none
        int month;
    } cases[] = {
        {MakeDateTime(2026, 8, 12, 17.0, kLocalCivilTime), MakeDateTime(2026, 8, 12, 19.0, kLocalCivilTime), 12, 8},
        // East of Greenwich the eclipse's evening is the next local day.
        {MakeDateTime(2026, 8, 13, 1.0, kLocalCivilTime), MakeDateTime(2026, 8, 13, 2.0, kLocalCivilTime), 12, 8},
        // West of it the local day can be the one before.
        {MakeDateTime(2026, 8, 11, 23.0, kLocalCivilTime), MakeDateTime(2026, 8, 11, 23.5, kLocalCivilTime), 12, 8},
        // A range that ends on the eclipse's day.
        {MakeDateTime(2026, 2, 16, 22.0, kLocalCivilTime), MakeDateTime(2026, 2, 17, 1.0, kLocalCivilTime), 17, 2},
        {MakeDateTime(2026, 8, 20, 1.0, kLocalCivilTime), MakeDateTime(2026, 8, 20, 2.0, kLocalCivilTime), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.begin.day);
        DateTime found{1, 1, 1, 0.0, kLocalCivilTime};
        const bool any = FindEclipseOfRange(DateTimeRange{c.begin, c.end}, found);
        ASSERT_EQ(any, c.day != 0);
        if (!any) continue;
        EXPECT_EQ(found.year, 2026);
        EXPECT_EQ(found.month, c.month);
        EXPECT_EQ(found.day, c.day);
        EXPECT_EQ(found.timeSystem, kUniversalTime);
    }
}

}  // namespace
}  // namespace corvinata
