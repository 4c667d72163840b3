#include <gtest/gtest.h>

#include "catalog/catalogue_registry.h"
#include "support/catalogues.h"

#include <cmath>
#include <memory>

#include "app/eclipse_document.h"
#include "app/explorer_documents.h"
#include "app/picture_document.h"
#include "astro/galilean_satellites.h"
#include "astro/jupiter_physical.h"
#include "astro/saturn_satellites.h"
#include "catalog/property_calculators.h"
#include "app/sky_document.h"
#include "base/time_systems.h"
#include "catalog/catalogue_registry.h"
#include "app/solar_system_document.h"
#include "support/app_fakes.h"
#include "support/date_records.h"

namespace corvinata {
namespace {

using test::FakeCurrentTime;
using test::FakeSkyComputer;
using test::MakeDateTime;
using test::RecordingObserver;

// Bodies that go round the Sun once in their period, from angle 0 at J2000.
class FakeOrbitComputer final : public SolarSystemComputer {
public:
    explicit FakeOrbitComputer(double periodYears) : period(periodYears) {}
    int PlanetCount() const override { return 1; }
    double OrbitalPeriodYears(int) const override { return period; }
    SolarSystemPoint Compute(int, const TimeAndPlace& moment) override {
        const double days = DateTimeDifferenceDays(moment.dateTime, MakeDateTime(2000, 1, 1));
        double angle = std::fmod(days / (period * 365.25) * 360.0, 360.0);
        if (angle < 0) angle += 360.0;
        return SolarSystemPoint{angle, 1.0, 0};
    }
    double ComputeMoonAngle(const TimeAndPlace&) override { return 0.0; }
    double period;
};

class DocumentsTest : public ::testing::Test {
protected:
    test::ScopedCatalogues catalogues_;  // body identifiers name real objects
    DocumentsTest() {
        now.value.dateTime = MakeDateTime(2010, 6, 15, 12.0, kLocalCivilTime);
        now.value.location.coordinates.timeZone.hours = 1.0;
    }
    NotificationHub hub;
    FakeCurrentTime now;
};

struct SkyReactionCase {
    std::int32_t event;
    std::uint32_t flags;
    std::vector<std::int32_t> hints;
};

TEST_F(DocumentsTest, SkyDocumentGivesItsWindowsTheHintOfEachChange) {
    const SkyReactionCase cases[] = {
        {kEventLocationChanged, 0, {128}},
        {kEventDateTimeChanged, 0, {64}},
        {kEventDateTimeLocationChanged, 0, {192}},
        {kEventAppearanceChanged, kAngleDegreeBaseChanged | kNightVisionSwitched, {0, 8}},
        {kEventAppearanceChanged, kNightVisionSwitched, {8}},
        {kEventGraphEdited, 0, {}},
    };
    FakeSkyComputer computer;
    SkyDocument sky(hub, now, computer);
    struct HintRecorder : NotificationObserver {
        std::vector<std::int32_t> codes;
        void Update(void* value) override { codes.push_back(static_cast<SkyViewHint*>(value)->code); }
    } window;
    sky.Views().Insert(&window);
    for (const SkyReactionCase& c : cases) {
        window.codes.clear();
        BroadcastNotification(hub, c.event, c.flags, nullptr);
        EXPECT_EQ(window.codes, c.hints) << "event " << c.event;
    }
}

TEST_F(DocumentsTest, EveryDocumentHearsATimeChangeOnceAndOnlyTimeDrivenOnesRecompute) {
    FakeSkyComputer skyComputer;
    FakeOrbitComputer orbits(1.0);
    SkyDocument sky(hub, now, skyComputer);
    SolarSystemDocument solar(hub, now, orbits);
    SolarEclipseDocument eclipse(hub, MakeDateTime(2006, 3, 29));
    PicturePackList packs;
    PictureDocument picture(hub, packs);
    RecordingObserver skyWindow, solarWindow, eclipseWindow, pictureWindow;
    sky.Views().Insert(&skyWindow);
    solar.Views().Insert(&solarWindow);
    eclipse.Views().Insert(&eclipseWindow);
    picture.Views().Insert(&pictureWindow);

    now.value.dateTime = MakeDateTime(2011, 1, 2, 3.0, kLocalCivilTime);
    BroadcastNotification(hub, kEventDateTimeChanged, 0, nullptr);
    EXPECT_EQ(skyWindow.heard.size(), 1u);
    EXPECT_EQ(solarWindow.heard.size(), 1u);
    EXPECT_TRUE(eclipseWindow.heard.empty());
    EXPECT_TRUE(pictureWindow.heard.empty());
    EXPECT_TRUE(DateTimeEqual(sky.GetTimeAndPlace().dateTime, now.value.dateTime));
    EXPECT_TRUE(DateTimeEqual(solar.GetDateTime(), now.value.dateTime));

    BroadcastNotification(hub, kEventAppearanceChanged, kAngleDegreeBaseChanged, nullptr);
    EXPECT_EQ(eclipseWindow.heard.size(), 1u);
    EXPECT_TRUE(pictureWindow.heard.empty());
    EXPECT_EQ(hub.Count(), 4);
}

TEST_F(DocumentsTest, SkyDocumentComputesInLocalSiderealTimeAndKeepsCivilTime) {
    FakeSkyComputer computer;
    SkyDocument sky(hub, now, computer);
    sky.SetDateTime(MakeDateTime(2010, 6, 15, 10.0, kUniversalTime), false, false);
    EXPECT_EQ(sky.GetTimeAndPlace().dateTime.timeSystem, kLocalCivilTime);
    EXPECT_DOUBLE_EQ(sky.GetTimeAndPlace().dateTime.hours, 11.0);
    EXPECT_EQ(computer.lastMoment.dateTime.timeSystem, kLocalSiderealTime);
    EXPECT_DOUBLE_EQ(sky.GetBodySkyPosition(kBodyPlanet, 2).first, 20.0);
    EXPECT_DOUBLE_EQ(sky.GetBodySkyPosition(kBodyMoon, 0).first, 200.0);
    EXPECT_EQ(sky.GetBodySkyPosition(kBodyPlanet, 3).first, kNotComputedAngle);
}

TEST_F(DocumentsTest, SkyTracksAreKeptWithinFiveDaysBeforeAndTenAfter) {
    struct TrackCase {
        int days;
        bool recomputed;
    };
    const TrackCase cases[] = {{6, false}, {10, false}, {11, true}, {-5, false}, {-6, true}};
    for (const TrackCase& c : cases) {
        FakeSkyComputer computer;
        SkyDocument sky(hub, now, computer);
        ASSERT_EQ(sky.PlanetTrack(0).size(), 31u);
        DateTime moved = sky.GetTimeAndPlace().dateTime;
        ASSERT_TRUE(DateTimeAddDays(moved, c.days));
        sky.SetDateTime(moved, false, false);
        EXPECT_EQ(sky.TrackComputations(), c.recomputed ? 2 : 1) << c.days;
    }
}

TEST(SolarSystemTrackTest, StepIsAThreeHundredSixtiethOfThePeriodAndAtLeastADay) {
    EXPECT_EQ(SolarSystemTrackStepDays(0.2), 1);
    EXPECT_EQ(SolarSystemTrackStepDays(1.0), 1);
    EXPECT_EQ(SolarSystemTrackStepDays(11.86), 12);
    EXPECT_EQ(SolarSystemTrackStepDays(248.0), 251);
}

TEST_F(DocumentsTest, SolarSystemTrackCoversOneRevolution) {
    FakeOrbitComputer orbits(1.0);
    SolarSystemDocument solar(hub, now, orbits);
    const auto& track = solar.Track(0);
    EXPECT_GT(track.size(), 350u);
    EXPECT_LT(track.size(), 370u);
}

// A revolution that would end after the year 3000 used to loop for ever.
TEST_F(DocumentsTest, SolarSystemTrackThatCannotCloseStopsAtTheCalendarsEnd) {
    now.value.dateTime = MakeDateTime(2800, 1, 1, 0.0, kLocalCivilTime);
    FakeOrbitComputer pluto(248.0);
    SolarSystemDocument solar(hub, now, pluto);
    EXPECT_LE(solar.Track(0).size(), static_cast<std::size_t>(kMaxTrackPoints));
    EXPECT_GT(solar.Track(0).size(), 0u);
}

TEST_F(DocumentsTest, ExplorerDocumentsComputeTheirMoonsAndFollowThePlace) {
    JupiterExplorerDocument jupiter(hub, now);
    SaturnExplorerDocument saturn(hub, now);
    EXPECT_NE(jupiter.Moons()[0], kMoonNotComputed);
    EXPECT_NE(saturn.Moons()[0], kMoonNotComputed);
    RecordingObserver window;
    saturn.Views().Insert(&window);
    const auto before = saturn.Moons();
    now.value.dateTime.day = 20;
    BroadcastNotification(hub, kEventDateTimeLocationChanged, 0, nullptr);
    EXPECT_EQ(window.heard.size(), 1u);
    EXPECT_NE(saturn.Moons()[0], before[0]);
    BroadcastNotification(hub, kEventAppearanceChanged, kConstellationLanguageChanged, nullptr);
    EXPECT_EQ(window.heard.size(), 1u);
}

// The theories take dynamical time: in 1900 and 2020 Delta T differs by
// more than a minute, enough to move Io by a visible part of its orbit.
TEST_F(DocumentsTest, ExplorerMoonsAreComputedForDynamicalTime) {
    for (const int year : {1900, 2020, 1700}) {
        now.value.dateTime = MakeDateTime(year, 3, 1, 6.0, kUniversalTime);
        JupiterExplorerDocument jupiter(hub, now);
        SaturnExplorerDocument saturn(hub, now);
        const double dynamical = DynamicalJulianDay(now.value.dateTime);
        ASSERT_GT(std::fabs(dynamical - DateTimeToJulianDay(now.value.dateTime)), 1e-6) << year;
        double expectedJupiter[15];
        double expectedSaturn[27];
        ComputeJupiterSatellites(dynamical, expectedJupiter);
        ComputeSaturnSatellites(dynamical, expectedSaturn);
        for (int i = 0; i < 15; ++i) EXPECT_DOUBLE_EQ(jupiter.Moons()[i], expectedJupiter[i]) << year;
        for (int i = 0; i < 27; ++i) EXPECT_DOUBLE_EQ(saturn.Moons()[i], expectedSaturn[i]) << year;
    }
}

// The two tilts the panel shows and the globe follows, from the physical
// ephemerides of the document's moment.
TEST_F(DocumentsTest, ExplorerDocumentsHoldThePlanetsTilts) {
    now.value.dateTime = MakeDateTime(2017, 10, 16, 0.0, kUniversalTime);
    JupiterExplorerDocument jupiter(hub, now);
    SaturnExplorerDocument saturn(hub, now);
    const double jd = DynamicalJulianDay(now.value.dateTime);
    double de = 0, ds = 0, p = 0;
    JupiterPhysicalData(jd, de, ds, p);
    EXPECT_DOUBLE_EQ(jupiter.TiltToEarth(), de);
    EXPECT_DOUBLE_EQ(jupiter.TiltToEast(), p);
    // Saturn's rings were near their widest in 2017: B about +26.
    EXPECT_NEAR(saturn.TiltToEarth(), 26.5, 1.0);
    EXPECT_NEAR(std::fabs(saturn.TiltToEast()), 5.0, 5.0);
    now.value.dateTime = MakeDateTime(2025, 3, 23, 0.0, kUniversalTime);  // ring plane crossing
    saturn.SetDateTime(now.value.dateTime);
    EXPECT_NEAR(saturn.TiltToEarth(), 0.0, 0.2);
}

TEST_F(DocumentsTest, EclipseModelFindsTheEclipseOfItsDateInUniversalTime) {
    SolarEclipseDocument found(hub, MakeDateTime(2006, 3, 29, 5.0, kLocalCivilTime));
    EXPECT_TRUE(found.Model().found);
    EXPECT_EQ(found.Model().date.timeSystem, kUniversalTime);
    EXPECT_GT(found.Model().date.hours, 5.0);
    SolarEclipseDocument none(hub, MakeDateTime(2006, 3, 30, 5.0, kLocalCivilTime));
    EXPECT_FALSE(none.Model().found);
    EXPECT_DOUBLE_EQ(none.Model().date.hours, 5.0);
}

// A document on an eclipse another document maps takes that map instead of
// computing its own; another eclipse, or no eclipse, takes nothing.
TEST_F(DocumentsTest, EclipseDocumentSharesTheMapOfTheSameEclipseOnly) {
    SolarEclipseDocument mapped(hub, MakeDateTime(2006, 3, 29, 10.0));
    const SolarEclipseModel* map = &mapped.Map();
    struct Case {
        DateTime date;
        bool shares;
    };
    const Case cases[] = {{MakeDateTime(2006, 3, 29, 3.0), true},
                          {MakeDateTime(2006, 9, 22), false},
                          {MakeDateTime(2006, 3, 30), false}};
    for (const Case& c : cases) {
        SolarEclipseDocument fresh(hub, c.date);
        EXPECT_EQ(fresh.ShareMapOf(mapped), c.shares) << c.date.month << "-" << c.date.day;
        EXPECT_EQ(&fresh.Map() == map, c.shares) << c.date.month << "-" << c.date.day;
    }
    // A document with a map of its own keeps it; one without a map lends none.
    SolarEclipseDocument own(hub, MakeDateTime(2006, 3, 29));
    const SolarEclipseModel* kept = &own.Map();
    EXPECT_FALSE(own.ShareMapOf(mapped));
    EXPECT_EQ(&own.Map(), kept);
    SolarEclipseDocument unmapped(hub, MakeDateTime(2006, 3, 29));
    SolarEclipseDocument borrower(hub, MakeDateTime(2006, 3, 29));
    EXPECT_FALSE(borrower.ShareMapOf(unmapped));
}

TEST_F(DocumentsTest, PictureLookupsIgnoreCaseAndTakeTheFirstPack) {
    PicturePackList packs(2);
    packs[0].directory = String(TXT("C:\\Packs\\One"));
    packs[0].entries.push_back({String(TXT("mars.jpg")), kBodyPlanet, 3, String()});
    packs[1].directory = String(TXT("C:\\Packs\\Two"));
    packs[1].entries.push_back({String(TXT("m042.jpg")), kPictureWithoutBody, 0, String()});
    packs[1].entries.push_back({String(TXT("mars2.jpg")), kBodyPlanet, 3, String()});
    EXPECT_EQ(CountAllPictures(packs), 3);
    EXPECT_EQ(LookUpPicture(packs, {String(TXT("c:\\packs\\two")), String(TXT("M042.JPG"))}),
              &packs[1].entries[0]);
    EXPECT_EQ(LookUpPicture(packs, {String(TXT("C:\\Packs\\Gone")), String(TXT("m042.jpg"))}),
              nullptr);
    // Letters beyond ASCII compare as the file system compares them: one
    // file, whatever the case it was named in.
    packs[1].entries.push_back({String(TXT("\u00C4quator.jpg")), kPictureWithoutBody, 0, String()});
    const PicturePack* holder = nullptr;
    EXPECT_EQ(FindPictureByName(packs, String(TXT("\u00E4QUATOR.JPG")), &holder), &packs[1].entries[2]);
    EXPECT_EQ(holder, &packs[1]);
    EXPECT_EQ(LookUpPicture(packs, {String(TXT("C:\\Packs\\Two")), String(TXT("\u00E4quator.jpg"))}),
              &packs[1].entries[2]);
    EXPECT_TRUE(PictureRefEquals({String(TXT("C:\\\u00C9t\u00E9")), String(TXT("A.jpg"))},
                                 {String(TXT("c:\\\u00E9T\u00C9")), String(TXT("a.JPG"))}));
    PictureDocument document(hub, packs);
    RecordingObserver window;
    document.Views().Insert(&window);
    ASSERT_TRUE(document.ShowBody(kBodyPlanet, 3));
    EXPECT_EQ(document.Current(), &packs[0].entries[0]);
    EXPECT_EQ(document.GetBody().object, GetCatalogueObject(kBodyPlanet, 3));
    EXPECT_FALSE(document.ShowBody(kBodyPlanet, 4));
    EXPECT_EQ(window.heard.size(), 1u);
}

}  // namespace
}  // namespace corvinata
