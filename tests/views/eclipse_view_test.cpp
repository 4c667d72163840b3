#include "views/eclipse_view.h"

#include <gtest/gtest.h>

#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

class EclipseViewTest : public ::testing::Test {
protected:
    NotificationHub hub;
    SolarEclipseDocument document{hub, MakeDateTime(2006, 3, 29)};
    EclipseView view{document};
};

// The panel's texts for a place: its zone, or plainly UT at sea.
struct ZoneCase {
    MapPoint place;
    const char* zone;
    const char* firstContactEnd;  // how the first contact's text ends
};

TEST_F(EclipseViewTest, APlaceAtSeaShowsUniversalTimeAndSaysSo) {
    const ZoneCase cases[] = {
        {{-30.7, 36.9}, "UT+3", ")"},                                   // Antalya
        {{20.0, 0.0}, "No time zone (at sea): times in UT", " UT"},     // the open Atlantic
    };
    for (const ZoneCase& c : cases) {
        view.SetDetailsPoint(c.place);
        const EclipsePanelReading reading = view.ReadPanel(true);
        const EclipsePanelTexts texts = MakeEclipsePanelTexts(reading, TXT("% phase begins %, ends %"),
                                                              TXT("Duration of % phase at longitude:"));
        EXPECT_EQ(Utf8(texts.timeZone), c.zone);
        const std::string contact = Utf8(texts.contacts[kFirstContact].display);
        EXPECT_EQ(contact.substr(contact.size() - std::string(c.firstContactEnd).size()), c.firstContactEnd)
            << contact;
        EXPECT_EQ(Utf8(texts.timeZone).find("UT+0"), std::string::npos);
        if (!reading.timeZoneKnown) {
            EXPECT_TRUE(texts.browseLocalTime.IsEmpty());
        }
    }
}

// A fresh layout record (-1000 for the place and the centre, a details date
// in no time system) and a damaged zoom keep what the view has.
TEST_F(EclipseViewTest, RestoringKeepsWhatARecordLeavesUnset) {
    view.SetDetailsPoint({-10.0, 20.0});
    view.SetCentreLongitude(5.0);
    view.SetZoom(3);
    EclipseWindowState fresh;
    fresh.detailsLongitude = fresh.detailsLatitude = kNotComputedAngle;
    fresh.centreLongitude = fresh.centreLatitude = kNotComputedAngle;
    fresh.dateTime = MakeDateTime(1583, 1, 1, 0.0, kInvalidTimeSystem);
    fresh.zoom = 9;
    const DateTime shown = view.GetDetailsTime();
    view.RestoreRecord(fresh);
    EXPECT_EQ(view.GetDetailsPoint().longitude, -10.0);
    EXPECT_EQ(view.GetCentre().longitude, 5.0);
    EXPECT_EQ(view.GetZoom(), 3);
    EXPECT_EQ(view.GetDetailsTime().hours, shown.hours);

    EclipseWindowState saved;
    view.CaptureRecord(saved);
    EclipseView other(document);
    other.RestoreRecord(saved);
    EXPECT_EQ(other.GetDetailsPoint().latitude, 20.0);
    EXPECT_EQ(other.GetZoom(), 3);
    EXPECT_EQ(other.Details().circumstances.magnitude, view.Details().circumstances.magnitude);
}

TEST_F(EclipseViewTest, WithoutAnEclipseNothingIsComputed) {
    SolarEclipseDocument none(hub, MakeDateTime(2000, 1, 1));
    EclipseView plain(none);
    plain.SetDetailsPoint({0.0, 51.5});
    EXPECT_EQ(plain.Details().circumstances.magnitude, -1.0);
    EXPECT_EQ(plain.Details().atMoment.magnitude, -1.0);
    EXPECT_FALSE(plain.HasCentralPath());
    const MapPoint centre = plain.GetCentre();
    plain.FitToCentralPath();
    EXPECT_EQ(plain.GetCentre().longitude, centre.longitude);
    EXPECT_EQ(plain.MapContent(nullptr).eclipse, nullptr);
}

}  // namespace
}  // namespace corvinata
