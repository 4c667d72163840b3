#include "app/eclipse_panel.h"

#include <gtest/gtest.h>

#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

constexpr const Char* kPhase = TXT("% phase begins %, ends %");
constexpr const Char* kDuration = TXT("Duration of % phase at longitude:");

EclipsePanelReading CentralTotalAtAPlace() {
    EclipsePanelReading r;
    r.searched = MakeDateTime(2006, 3, 29, 10.0, kUniversalTime);
    r.locationSelected = true;
    r.type = kCentralTotalEclipse;
    r.phaseBegin = MakeDateTime(2006, 3, 29, 9.5, kUniversalTime);
    r.phaseEnd = MakeDateTime(2006, 3, 29, 11.25, kUniversalTime);
    r.contacts[kFirstContact] = {9.75, 40.0};
    r.contacts[kGreatestEclipse] = {10.25, 45.5};
    r.contacts[kLastContact] = {kNoTimeHours, -3.0};
    r.maximumFraction = 0.5;
    r.centralSeconds = 245;
    r.pathWidthKm = 123.456;
    r.magnitude = 1.02;
    r.maximumSunAltitude = 45.5;
    r.shown = MakeDateTime(2006, 3, 29, 23.5, kUniversalTime);
    r.location = {-30.0, 36.0};
    r.timeZoneHours = 2.0;
    r.daylightSaving = true;
    return r;
}

TEST(EclipsePanelTexts, ACentralEclipseSeenFromAPlace) {
    const EclipsePanelTexts t = MakeEclipsePanelTexts(CentralTotalAtAPlace(), kPhase, kDuration);
    EXPECT_TRUE(t.locationButtonEnabled);
    EXPECT_TRUE(t.pathButtonEnabled);
    EXPECT_EQ(t.longitudePicker, 30.0);  // east positive in the picker
    EXPECT_EQ(Utf8(t.searchedDate), "29.03.2006");
    EXPECT_EQ(Utf8(t.phaseSentence), "Total phase begins 09:30:00, ends 11:15:00");
    EXPECT_EQ(Utf8(t.contacts[kFirstContact].value), "09:45:00");
    EXPECT_EQ(Utf8(t.contacts[kFirstContact].display),
              "09:45:00 (12:45:00)");  // + 2 h zone + 1 h summer time
    EXPECT_TRUE(t.contacts[kFirstContact].linkActive);
    EXPECT_FALSE(t.contacts[kLastContact].linkActive);
    EXPECT_FALSE(t.contacts[kLastContact].valuesEnabled);  // the Sun below the horizon
    EXPECT_TRUE(t.contacts[kLastContact].labelsEnabled);
    EXPECT_EQ(Utf8(t.maximumLabel), "Maximum contact (50%)");
    EXPECT_EQ(Utf8(t.durationLabel), "Duration of total phase at longitude:");
    EXPECT_EQ(Utf8(t.duration), "245 sec");
    EXPECT_EQ(Utf8(t.width), "123.5 km");
    EXPECT_EQ(Utf8(t.magnitude), "100%");  // clamped
    EXPECT_EQ(Utf8(t.browseTime), "23:30:00");
    EXPECT_EQ(Utf8(t.browseLocalTime), "(02:30:00)");  // brought into the day
    EXPECT_TRUE(t.timeBrowserEnabled);
}

TEST(EclipsePanelTexts, EachKindOfEclipseAndMissingValues) {
    const struct Case {
        const char* what;
        EclipseType type;
        bool located;
        double fraction;
        const char* phase;
        const char* maximumLabel;
        const char* duration;
    } cases[] = {
        {"annular", kCentralAnnularEclipse, true, 0.999, "Annular phase begins", "Maximum contact (100%)",
         "245 sec"},
        {"hybrid", kAnnularTotalEclipse, true, 0.25, "Annular-total phase begins", "Maximum contact (25%)",
         "245 sec"},
        // -1.0 means not computed; as a percentage it would read "-100%".
        {"partial, nothing computed", kPartialEclipse, true, -1.0, "Total phase begins",
         "Maximum contact (--%)", "-- sec"},
        {"no place chosen", kCentralTotalEclipse, false, 0.5, "Total phase begins", "Maximum contact (50%)",
         "245 sec"},
    };
    for (const Case& c : cases) {
        EclipsePanelReading reading = CentralTotalAtAPlace();
        reading.type = c.type;
        reading.locationSelected = c.located;
        reading.maximumFraction = c.fraction;
        const EclipsePanelTexts t = MakeEclipsePanelTexts(reading, kPhase, kDuration);
        EXPECT_EQ(Utf8(t.phaseSentence).substr(0, std::string(c.phase).size()), c.phase) << c.what;
        EXPECT_EQ(Utf8(t.maximumLabel), c.maximumLabel) << c.what;
        EXPECT_EQ(Utf8(t.duration), c.duration) << c.what;
        const bool central = c.type != kPartialEclipse;
        EXPECT_EQ(t.pathButtonEnabled, central) << c.what;
        EXPECT_EQ(t.phaseSentenceEnabled, central) << c.what;
        EXPECT_EQ(t.durationEnabled, central && c.located) << c.what;
        EXPECT_EQ(t.locationButtonEnabled, c.located) << c.what;
        EXPECT_EQ(t.timeBrowserEnabled, c.located) << c.what;
        EXPECT_EQ(t.maximumValuesEnabled, c.located) << c.what;
    }
}

TEST(EclipsePanelSpin, QuarterStepsFoldIntoTheRanges) {
    const struct Case {
        bool longitude;
        MapPoint centre;
        double span;
        int step;
        double snapped;
        MapPoint expected;
    } cases[] = {
        {true, {10.0, 5.0}, 80.0, 1, 20.0, {0.0, 5.0}},
        {true, {170.0, 5.0}, 80.0, -1, 180.0, {-160.0, 5.0}},  // over the date line
        {false, {10.0, 41.0}, 40.0, 1, 40.0, {10.0, 50.0}},
        {false, {10.0, 85.0}, 40.0, 1, 90.0, {10.0, -80.0}},  // over the pole
    };
    for (const Case& c : cases) {
        const EclipseSpin spin = c.longitude ? SpinEclipseLongitude(c.centre, c.span, c.step)
                                             : SpinEclipseLatitude(c.centre, c.span, c.step);
        EXPECT_DOUBLE_EQ(spin.snapped, c.snapped);
        EXPECT_DOUBLE_EQ(spin.centre.longitude, c.expected.longitude);
        EXPECT_DOUBLE_EQ(spin.centre.latitude, c.expected.latitude);
    }
    DateTime moment;
    ASSERT_TRUE(EclipseContactMoment(MakeDateTime(2006, 3, 29, 8.0, kUniversalTime), TXT("10:15"), moment));
    EXPECT_EQ(moment.day, 29);
    EXPECT_DOUBLE_EQ(moment.hours, 10.25);
    EXPECT_FALSE(EclipseContactMoment(moment, TXT("--:--:--"), moment));
}

}  // namespace
}  // namespace corvinata
