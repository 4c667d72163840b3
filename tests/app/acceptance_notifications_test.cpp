// Which documents pass a shared change on to their windows: one row per
// event and flag, one column per kind of document.
#include <gtest/gtest.h>

#include <array>

#include "app/eclipse_document.h"
#include "app/explorer_documents.h"
#include "app/picture_document.h"
#include "app/solar_system_document.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

class StillPlanets final : public SolarSystemComputer {
public:
    int PlanetCount() const override { return 1; }
    double OrbitalPeriodYears(int) const override { return 1.0; }
    SolarSystemPoint Compute(int, const TimeAndPlace&) override { return {0.0, 1.0, 0}; }
    double ComputeMoonAngle(const TimeAndPlace&) override { return 0.0; }
};

enum Column { kSolar, kJupiter, kSaturn, kEclipse, kPicture, kColumns };

struct ReactionCase {
    const char* name;
    std::int32_t event;
    std::uint32_t flags;
    std::array<int, kColumns> viewCalls;
};

void PrintTo(const ReactionCase& c, std::ostream* os) { *os << c.name; }

const ReactionCase kReactions[] = {
    {"Place", kEventLocationChanged, 0, {0, 1, 1, 0, 0}},
    {"Time", kEventDateTimeChanged, 0, {1, 1, 1, 0, 0}},
    {"TimeAndPlace", kEventDateTimeLocationChanged, 0, {1, 1, 1, 0, 0}},
    {"ConstellationLanguage", kEventAppearanceChanged, kConstellationLanguageChanged,
     {1, 0, 0, 0, 0}},
    {"RaUnit", kEventAppearanceChanged, kRaDisplayUnitChanged, {1, 1, 1, 1, 0}},
    {"DegreeBase", kEventAppearanceChanged, kAngleDegreeBaseChanged, {1, 1, 1, 1, 0}},
    {"NightVision", kEventAppearanceChanged, kNightVisionSwitched, {0, 0, 0, 0, 0}},
    {"GraphEdited", kEventGraphEdited, 0, {0, 0, 0, 0, 0}},
    {"Shutdown", kEventShutdown, 0, {0, 0, 0, 0, 0}},
};

class DocumentReaction : public testing::TestWithParam<ReactionCase> {
protected:
    test::ScopedCatalogues catalogues_;
};

TEST_P(DocumentReaction, ReachesEachKindsWindowsOnceOrNotAtAll) {
    const ReactionCase& c = GetParam();
    NotificationHub hub;
    test::FakeCurrentTime now;
    now.value.dateTime = MakeDateTime(2010, 6, 15, 12.0, kLocalCivilTime);
    StillPlanets planets;
    SolarSystemDocument solar(hub, now, planets);
    JupiterExplorerDocument jupiter(hub, now);
    SaturnExplorerDocument saturn(hub, now);
    SolarEclipseDocument eclipse(hub, MakeDateTime(2006, 3, 29));
    PicturePackList packs;
    PictureDocument picture(hub, packs);
    std::array<test::RecordingObserver, kColumns> windows;
    WindowDocument* documents[kColumns] = {&solar, &jupiter, &saturn, &eclipse, &picture};
    for (int i = 0; i < kColumns; ++i) documents[i]->Views().Insert(&windows[i]);

    now.value.dateTime = MakeDateTime(2011, 2, 3, 4.0, kLocalCivilTime);
    now.value.location.coordinates.latitude.degrees = 12.5;
    BroadcastNotification(hub, c.event, c.flags, nullptr);
    for (int i = 0; i < kColumns; ++i) {
        EXPECT_EQ(static_cast<int>(windows[i].heard.size()), c.viewCalls[i]) << "column " << i;
    }
    const bool tookTheTime = c.event == kEventDateTimeChanged || c.event == kEventDateTimeLocationChanged;
    const bool tookThePlace = c.event == kEventLocationChanged || c.event == kEventDateTimeLocationChanged;
    EXPECT_EQ(solar.GetDateTime().year == 2011, tookTheTime);
    EXPECT_EQ(jupiter.GetTimeAndPlace().dateTime.year == 2011, tookTheTime);
    EXPECT_EQ(saturn.GetTimeAndPlace().place.latitude.degrees == 12.5, tookThePlace);
}

INSTANTIATE_TEST_SUITE_P(SharedChanges, DocumentReaction, testing::ValuesIn(kReactions));

}  // namespace
}  // namespace corvinata
