#include "documents/report_kinds.h"

#include <gtest/gtest.h>

#include <string>

#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/fake_product.h"
#include "support/report_test_kind.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::TestDataOf;
using test::Utf8;

class CountingView final : public NotificationObserver {
public:
    void Update(void*) override { ++updates; }
    int updates = 0;
};

class ReportKindsTest : public ::testing::Test {
protected:
    static DateTimeLocation Record(std::int32_t year, std::int32_t month, std::int32_t day, double hours,
                                   std::int32_t system = kUniversalTime) {
        DateTimeLocation record;
        DateTimeLocationInit(record);
        record.dateTime = MakeDateTime(year, month, day, hours, system);
        record.location.town = TXT("Lund");
        record.daylightSaving = true;
        return record;
    }

    test::MemorySettings settings;
    test::ScopedCatalogues catalogues;
    ScopedReportParts parts{test::TestReportParts()};
    NotificationHub hub;
};

TEST_F(ReportKindsTest, TitlesAndPeriodsOfTheFamily) {
    ASSERT_TRUE(catalogues.Created());
    const Catalogue* planets = CatalogueByType(kBodyPlanet);
    const std::string fourth = Utf8(ObjectKeyName(*planets->CatalogueGetObjectAt(3)));
    struct Case {
        int type;
        int body;
        DateTimeLocation record;
        std::string title;
        std::int32_t settingsKind;
    };
    const Case cases[] = {
        {kDayReport, 0, Record(2013, 3, 5, 18.5), "Day Report for Mar 05, 2013", 3},
        {kNightReport, 0, Record(2013, 12, 31, 1.0), "Night Report for Dec 31, 2013", 3},
        {kMonthReport, 0, Record(1999, 12, 9, 0.0), "Month Report for Dec 1999", 4},
        {kSolarEphemerides, 0, Record(1600, 1, 1, 0.0), "Solar Ephemerides for 1600", 5},
        {kLunarEphemerides, 0, Record(2013, 6, 1, 0.0), "Lunar Ephemerides for 2013", 5},
        {kPlanetEphemerides, 3, Record(2013, 6, 1, 0.0), "Ephemerides of " + fourth + " for 2013", 5},
    };
    for (const Case& c : cases) {
        std::unique_ptr<ReportKind> report = NewReport(c.type, c.body);
        ASSERT_NE(report, nullptr);
        report->SetLocation(c.record);
        EXPECT_EQ(Utf8(report->GetTitle()), c.title);
        EXPECT_EQ(report->GetSettingsKind(), c.settingsKind);
        EXPECT_EQ(report->GetSettingsHandle().bodyNumber, c.body);
        EXPECT_TRUE(report->GetHtml().IsEmpty());
    }
}

TEST_F(ReportKindsTest, DayAndNightReportsComputeFromMidnightAndNoonLocalTime) {
    struct Case {
        int type;
        double hours;
        std::int32_t system;
    };
    const Case cases[] = {
        {kDayReport, 0.0, kLocalCivilTime},
        {kNightReport, 12.0, kLocalCivilTime},
        {kMonthReport, 18.5, kUniversalTime},
        {kPlanetEphemerides, 18.5, kUniversalTime},
    };
    for (const Case& c : cases) {
        std::unique_ptr<ReportKind> report = NewReport(c.type, 1);
        ASSERT_TRUE(report->WriteHtml(Record(2013, 3, 5, 18.5, kUniversalTime), false));
        const test::TestReportData& data = TestDataOf(*report);
        EXPECT_EQ(data.computations, 1);
        EXPECT_EQ(data.computedFor.dateTime.hours, c.hours) << c.type;
        EXPECT_EQ(data.computedFor.dateTime.timeSystem, c.system) << c.type;
        EXPECT_EQ(data.computedFor.dateTime.day, 5);
        EXPECT_EQ(Utf8(data.computedFor.location.town), "Lund");
        EXPECT_TRUE(data.computedFor.daylightSaving);
        const std::string page = Utf8(report->GetHtml());
        EXPECT_NE(page.find("<title>" + Utf8(report->GetTitle()) + "</title>"), std::string::npos);
        EXPECT_NE(page.find("<td>Lund</td>"), std::string::npos);
    }
}

TEST_F(ReportKindsTest, CloneKeepsTheSettingsButNotThePage) {
    std::unique_ptr<ReportKind> report = NewReport(kNightReport, 0);
    report->WriteHtml(Record(2013, 3, 5, 18.5), true);
    ASSERT_FALSE(report->GetHtml().IsEmpty());
    std::unique_ptr<ReportGenerator> clone = report->Clone();
    ASSERT_NE(clone, nullptr);
    EXPECT_TRUE(clone->GetHtml().IsEmpty());
    EXPECT_EQ(Utf8(clone->GetTitle()), "Night Report for Mar 05, 2013");
    EXPECT_EQ(clone->ReportType(), kNightReport);
    const DateTimeLocation& a = report->GetSettingsRecord();
    const DateTimeLocation& b = clone->GetSettingsRecord();
    EXPECT_EQ(a.dateTime.hours, b.dateTime.hours);
    EXPECT_EQ(a.dateTime.timeSystem, b.dateTime.timeSystem);
    EXPECT_EQ(Utf8(b.location.town), "Lund");
    EXPECT_EQ(TestDataOf(*clone).computations, 1);  // the computed values came along
    // The clone writes into its own page.
    ASSERT_TRUE(clone->RenderHtml(false));
    EXPECT_NE(clone->GetHtml().Text(), report->GetHtml().Text());
    EXPECT_NE(Utf8(report->GetHtml()).find("tableheader1NightMode"), std::string::npos);
}

TEST_F(ReportKindsTest, CreateReportReplacesOnlyForAReportThatExists) {
    ReportDocument document(hub, NewReport(kMonthReport, 0));
    ASSERT_TRUE(CreateReport(document, kDayReport, 0));
    ReportGenerator* first = document.Report();
    ASSERT_TRUE(CreateReport(document, kDayReport, 0));
    EXPECT_NE(document.Report(), first);
    EXPECT_EQ(document.Report()->ReportType(), kDayReport);
    ReportGenerator* kept = document.Report();
    const int refused[][2] = {{6, 0}, {-1, 0}, {kPlanetEphemerides, 8}, {kPlanetEphemerides, -1}};
    for (const auto& r : refused) {
        EXPECT_FALSE(CreateReport(document, r[0], r[1])) << r[0] << " " << r[1];
        EXPECT_EQ(document.Report(), kept);
    }
    EXPECT_TRUE(CreateReport(document, kPlanetEphemerides, 7));
}

TEST_F(ReportKindsTest, DocumentTellsItsViewsOnlyWhenAPageWasWritten) {
    ReportDocument document(hub, NewReport(kDayReport, 0));
    CountingView view;
    document.Views().Insert(&view);
    EXPECT_TRUE(document.ApplyTimeAndLocation(Record(2013, 3, 5, 1.0), false));
    EXPECT_EQ(view.updates, 1);
    {
        // A report whose contents are not part of the program writes nothing.
        const ReportPartsTable noContents{};
        ScopedReportParts none{noContents};
        ASSERT_TRUE(CreateReport(document, kDayReport, 0));
    }
    EXPECT_FALSE(document.ApplyTimeAndLocation(Record(2013, 3, 6, 1.0), false));
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(Utf8(document.Report()->GetTitle()), "Day Report for Mar 06, 2013");
    ReportDocument copy(hub, document);
    EXPECT_EQ(Utf8(copy.Report()->GetTitle()), "Day Report for Mar 06, 2013");
    ReportDocument empty(hub, nullptr);
    EXPECT_FALSE(empty.ApplyTimeAndLocation(Record(2013, 3, 6, 1.0), false));
    ReportDocument emptyCopy(hub, empty);
    EXPECT_EQ(emptyCopy.Report(), nullptr);
    document.Views().Erase(&view);
}

TEST_F(ReportKindsTest, DamagedLayoutEntryOpensADayReport) {
    const DateTimeLocation record = Record(2020, 2, 29, 3.0);
    const int cases[][3] = {{kPlanetEphemerides, 2, kPlanetEphemerides}, {9, 0, kDayReport},
                            {kPlanetEphemerides, 12, kDayReport}};
    for (const auto& [type, body, expected] : cases) {
        std::unique_ptr<ReportDocument> document = NewReportDocument(hub, type, body, record);
        ASSERT_NE(document->Report(), nullptr);
        EXPECT_EQ(document->Report()->ReportType(), expected);
        EXPECT_EQ(document->Report()->GetSettingsRecord().dateTime.day, 29);
        EXPECT_TRUE(document->Report()->GetHtml().IsEmpty());  // set, not computed
    }
}

}  // namespace
}  // namespace corvinata
