#include "app/report_picture_panels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/time_step.h"
#include "catalog/celestial_object.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

class FakeReport final : public BrowsableReport {
public:
    bool ApplyTimeAndLocation(const DateTimeLocation& r, bool) override {
        const bool changed = !DateTimeEqual(r.dateTime, record.dateTime);
        record = r;
        ++applied;
        return changed;
    }
    std::int32_t BrowsingUnit() const override { return unit; }
    int ReportType() const override { return 2; }
    int PlanetNumber() const override { return 0; }
    DateTimeLocation CurrentTimeAndLocation() const override { return record; }
    DateTimeLocation record;
    std::int32_t unit = kMonthsUnit;
    int applied = 0;
};

class ReportPicturePanelsTest : public ::testing::Test {
protected:
    test::ScopedCatalogues catalogues_;
};

TEST_F(ReportPicturePanelsTest, ReportEntriesNameEveryKindAndPlanetAndReadBack) {
    const std::vector<ReportChoice> choices = ReportChoices();
    ASSERT_EQ(choices.size(), 13u);  // five kinds and eight planets
    EXPECT_EQ(Utf8(ReportEntryText(choices[0])), "Day report");
    EXPECT_EQ(Utf8(ReportEntryText(choices[4])), "Year ephemerides of the Moon");
    EXPECT_EQ(Utf8(ReportEntryText(choices[7])), "Year ephemerides of Mars");
    for (const ReportChoice& choice : choices) {
        ReportChoice read;
        ASSERT_TRUE(ReportChoiceOfEntry(ReportEntryText(choice).Text(), read));
        EXPECT_EQ(read.kind, choice.kind);
        EXPECT_EQ(read.planet, choice.planet);
    }
    ReportChoice none;
    EXPECT_FALSE(ReportChoiceOfEntry(TXT("Year ephemerides of %"), none));
    EXPECT_TRUE(ReportEntryText(ReportChoice{kPlanetEphemeridesReport, 8}).IsEmpty());
}

TEST_F(ReportPicturePanelsTest, BrowsingMovesByOneUnitShownToItsPrecision) {
    const struct Case {
        std::int32_t unit;
        const char* previous;
        const char* current;
        const char* next;
    } cases[] = {
        {kDaysUnit, "14.03.2014", "15.03.2014", "16.03.2014"},
        {kMonthsUnit, "02.2014", "03.2014", "04.2014"},
        {kYearsUnit, "2013", "2014", "2015"},
    };
    for (const Case& c : cases) {
        FakeReport report;
        report.unit = c.unit;
        report.record.dateTime = MakeDateTime(2014, 3, 15, 0.0, kLocalCivilTime);
        const ReportPeriodTexts texts = MakeReportPeriodTexts(report);
        EXPECT_EQ(Utf8(texts.previous), c.previous);
        EXPECT_EQ(Utf8(texts.current), c.current);
        EXPECT_EQ(Utf8(texts.next), c.next);
        EXPECT_TRUE(StepReportPeriod(report, true, false));
        EXPECT_EQ(Utf8(MakeReportPeriodTexts(report).current), c.next);
    }
    FakeReport last;
    last.unit = kYearsUnit;
    last.record.dateTime = MakeDateTime(3000, 3, 15, 0.0, kLocalCivilTime);
    EXPECT_FALSE(StepReportPeriod(last, true, false));
    EXPECT_EQ(last.applied, 0);
    EXPECT_EQ(Utf8(MakeReportPeriodTexts(last).next), "");
}

// Picture packs are files of their own: a body type or number that the
// catalogues do not hold must give empty texts, never an object read out of
// range.
TEST_F(ReportPicturePanelsTest, PictureColumnsCheckTheBodyAgainstTheCatalogues) {
    const struct Case {
        std::int32_t type;
        std::int32_t number;
        const char* typeText;
        const char* name;
    } cases[] = {
        {kBodyPlanet, 3, "Planet", "Jupiter"},
        {kBodyMoon, 0, "Moon", "Moon"},
        {kPictureWithoutBody, 0, "Other", "Unknown"},
        {kBodyPlanet, 8, "Planet", ""},
        {kBodyPlanet, -1, "Planet", ""},
        {-1, 0, "", ""},
        {12, 0, "", ""},
    };
    for (const Case& c : cases) {
        const PictureEntry entry{String(TXT("a.jpg")), c.type, c.number, String(TXT("A picture"))};
        EXPECT_EQ(Utf8(PictureColumnText(entry, kPictureTypeColumn)), c.typeText)
            << c.type << " " << c.number;
        EXPECT_EQ(Utf8(PictureColumnText(entry, kPictureNameColumn)), c.name) << c.type << " " << c.number;
        EXPECT_EQ(Utf8(PictureColumnText(entry, kPictureDescriptionColumn)), "A picture");
    }
}

TEST_F(ReportPicturePanelsTest, PictureRowsSortAscendingAndCountThePacks) {
    PicturePackList packs(2);
    packs[0].directory = String(TXT("C:\\Packs\\One"));
    packs[0].entries = {{String(TXT("sat.jpg")), kBodyPlanet, 4, String(TXT("b"))},
                        {String(TXT("io.jpg")), kBodyJupiterSatellite, 0, String(TXT("a"))}};
    packs[1].entries = {{String(TXT("mars.jpg")), kBodyPlanet, 2, String(TXT("c"))}};
    std::vector<PictureRow> rows = MakePictureRows(packs);
    ASSERT_EQ(rows.size(), 3u);
    for (int round = 0; round < 2; ++round) {  // a second click sorts ascending again
        SortPictureRows(rows, kPictureNameColumn);
        EXPECT_EQ(Utf8(rows[0].entry->fileName), "io.jpg");
        EXPECT_EQ(Utf8(rows[2].entry->fileName), "sat.jpg");
    }
    EXPECT_EQ(Utf8(PictureRefOfRow(rows[0]).directory), "C:\\Packs\\One");
    const Char* pattern = TXT("% PicPack% loaded");
    EXPECT_EQ(Utf8(PicturePackCountText(pattern, 0)), "0 PicPacks loaded");
    EXPECT_EQ(Utf8(PicturePackCountText(pattern, 1)), "1 PicPack loaded");
    EXPECT_EQ(Utf8(PicturePackCountText(pattern, 3)), "3 PicPacks loaded");
}

}  // namespace
}  // namespace corvinata
