// The pages of the Day, Night, Month and yearly reports: golden pages for
// London written byte for byte, the rise and set times read back out of them
// against independent values, and the rules of the rise, set and visibility
// routines the pages rest on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/date_time_text.h"
#include "base/time_systems.h"
#include "catalog/celestial_object.h"
#include "documents/inline_images.h"
#include "documents/report_day_night.h"
#include "documents/report_ephemerides.h"
#include "documents/report_month.h"
#include "documents/report_rise_set.h"
#include "documents/report_values.h"
#include "support/null_storage.h"
#include "support/report_pages.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

using test::LondonPlace;
using test::PlaceAt;
using test::ReportPage;
using test::ReportRecord;

// Memory addresses change from run to run; the rest of a page does not.
std::string WithoutAddresses(std::string page) {
    const std::string memory = "Memory/";
    for (std::size_t at = page.find(memory); at != std::string::npos; at = page.find(memory, at + 1)) {
        const std::size_t from = at + memory.size();
        const std::size_t to = page.find('/', from);
        if (to != std::string::npos) page.replace(from, to - from, "ADDRESS");
    }
    return page;
}

// The texts of the cells that follow each `marker` in a page, up to "</td>".
std::vector<std::string> CellsAfter(const std::string& page, const std::string& marker) {
    std::vector<std::string> cells;
    for (std::size_t at = page.find(marker); at != std::string::npos; at = page.find(marker, at + 1)) {
        const std::size_t from = at + marker.size();
        cells.push_back(page.substr(from, page.find("</td>", from) - from));
    }
    return cells;
}

int Count(const std::string& page, const std::string& text) {
    int n = 0;
    for (std::size_t at = page.find(text); at != std::string::npos; at = page.find(text, at + 1)) ++n;
    return n;
}

EventTime Event(int day, double hours) {
    EventTime event;
    event.dateTime = DateTime{2024, 2, day, hours, kLocalCivilTime};
    event.state = kEventOccurs;
    return event;
}

EventTime NoEvent(std::int32_t side) {
    EventTime event;
    event.dateTime.hours = kNoTimeHours;
    event.state = side;
    return event;
}

EventTimePair Pair(const EventTime& rise, const EventTime& set) {
    return RiseSetEvents(rise, set);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class ReportContentsTest : public ::testing::Test {
protected:
    test::ReportPageEnvironment environment;
};

// Golden pages are changed by hand only: with CN_REPORT_PAGES set to a
// folder, the pages written are put there for a look.
TEST_F(ReportContentsTest, GoldenPagesForLondon) {
    ASSERT_TRUE(environment.catalogues.Created());
    const Location london = LondonPlace();
    const Location north = PlaceAt(70.0, TXT("North Cape"));
    struct Case {
        const char* file;
        int type;
        int body;
        Location place;
        int year, month, day;
        bool night;
    };
    const Case cases[] = {
        {"day_2024_02_09.htm", kDayReport, 0, london, 2024, 2, 9, false},
        {"day_2024_02_09_night_mode.htm", kDayReport, 0, london, 2024, 2, 9, true},
        {"night_2024_02_09.htm", kNightReport, 0, london, 2024, 2, 9, false},
        {"night_2024_02_09_night_mode.htm", kNightReport, 0, london, 2024, 2, 9, true},
        {"night_2023_12_31.htm", kNightReport, 0, london, 2023, 12, 31, false},
        {"month_2024_02.htm", kMonthReport, 0, london, 2024, 2, 9, false},
        {"sun_2024.htm", kSolarEphemerides, 0, london, 2024, 2, 9, false},
        {"moon_2024.htm", kLunarEphemerides, 0, london, 2024, 2, 9, false},
        {"jupiter_2024.htm", kPlanetEphemerides, 3, london, 2024, 2, 9, false},
        {"day_70n_2024_06_21.htm", kDayReport, 0, north, 2024, 6, 21, false},
        {"night_70n_2024_06_21.htm", kNightReport, 0, north, 2024, 6, 21, false},
        {"day_70n_2024_12_21.htm", kDayReport, 0, north, 2024, 12, 21, false},
        {"night_70n_2024_12_21.htm", kNightReport, 0, north, 2024, 12, 21, false},
    };
    const char* out = std::getenv("CN_REPORT_PAGES");
    for (const Case& c : cases) {
        const std::string page =
            WithoutAddresses(ReportPage(c.type, c.body, ReportRecord(c.place, c.year, c.month, c.day), c.night));
        if (out != nullptr) std::ofstream(std::string(out) + "/" + c.file, std::ios::binary) << page;
        EXPECT_TRUE(page == ReadFile(test::TestsPath(std::string("documents/golden/reports/") + c.file))) << c.file;
    }
}

// "07:26" as minutes of the day; -1 for anything else.
double Minutes(const std::string& text) {
    if (text.size() < 5 || text[2] != ':') return -1.0;
    double minutes = std::atoi(text.substr(0, 2).c_str()) * 60.0 + std::atoi(text.substr(3, 2).c_str());
    if (text.size() >= 8) minutes += std::atoi(text.substr(6, 2).c_str()) / 60.0;
    return minutes;
}

struct Reference {
    std::string place, date, body;
    double rise, set;
};

std::vector<Reference> ReadReference() {
    std::ifstream in(test::TestsPath("documents/reference/rise_set.csv"));
    std::string line;
    std::getline(in, line);
    std::vector<Reference> reference;
    while (std::getline(in, line)) {
        std::stringstream fields(line);
        Reference r;
        std::string rise, set;
        std::getline(fields, r.place, ',');
        std::getline(fields, r.date, ',');
        std::getline(fields, r.body, ',');
        std::getline(fields, rise, ',');
        std::getline(fields, set, ',');
        r.rise = Minutes(rise);
        r.set = Minutes(set);
        reference.push_back(r);
    }
    return reference;
}

// The rise and set times read out of the Day and Night pages of 9 February
// 2024 against the independent values (London is on universal time in
// February): within a minute for the Sun and the planets, two for the Moon.
TEST_F(ReportContentsTest, RiseAndSetTimesAgreeWithIndependentValues) {
    const std::vector<Reference> all = ReadReference();
    std::vector<Reference> reference;
    for (const Reference& r : all) {
        if (r.place == "London") reference.push_back(r);
    }
    ASSERT_EQ(20u, reference.size());
    const DateTimeLocation record = ReportRecord(LondonPlace(), 2024, 2, 9);
    const std::string day = ReportPage(kDayReport, 0, record, false);
    const std::string night = ReportPage(kNightReport, 0, record, false);
    std::vector<double> dayTimes;  // Sun, Moon, then each planet: rise, set
    for (const char* marker : {"<td width=\"60\">&uarr;", "<td width=\"60\">&darr;"}) {
        for (const std::string& cell : CellsAfter(day, marker)) dayTimes.push_back(Minutes(cell));
    }
    ASSERT_EQ(4u, dayTimes.size());
    const std::vector<double> sunMoon = {dayTimes[0], dayTimes[2], dayTimes[1], dayTimes[3]};
    std::vector<double> planets;
    for (const std::string& cell : CellsAfter(day, "<td width=\"35\" align=\"right\">")) planets.push_back(Minutes(cell));
    ASSERT_EQ(16u, planets.size());
    for (int i = 0; i < 10; ++i) {
        const Reference& r = reference[static_cast<std::size_t>(i)];
        const double rise = i < 2 ? sunMoon[static_cast<std::size_t>(2 * i)] : planets[static_cast<std::size_t>(2 * (i - 2))];
        const double set = i < 2 ? sunMoon[static_cast<std::size_t>(2 * i + 1)] : planets[static_cast<std::size_t>(2 * (i - 2) + 1)];
        const double tolerance = r.body == "Moon" ? 2.0 : 1.0;
        EXPECT_NEAR(r.rise, rise, tolerance) << r.body << " rise";
        EXPECT_NEAR(r.set, set, tolerance) << r.body << " set";
    }
    // The night: the Sun sets on the 9th and rises on the 10th.
    EXPECT_NE(std::string::npos, night.find("&darr; 17:03</td>"));
    const std::vector<std::string> sunCells = CellsAfter(night, "<td width=\"60\">&uarr; ");
    ASSERT_FALSE(sunCells.empty());
    EXPECT_NEAR(reference[10].rise, Minutes(sunCells[0]), 1.0);
    EXPECT_EQ('*', sunCells[0].back());
}

// East of Greenwich each row of the Month report shows the Sun's events of
// its own local date (UT+2 at Helsinki in February).
TEST_F(ReportContentsTest, MonthRowsEastOfGreenwichShowTheirOwnLocalDate) {
    Location helsinki = LondonPlace();
    helsinki.coordinates.latitude.degrees = 60.17;
    helsinki.coordinates.longitude.degrees = -24.935;
    helsinki.coordinates.timeZone.hours = 2.0;
    helsinki.town = String(TXT("Helsinki"));
    helsinki.country = String(TXT("Finland"));
    MonthReportData data;
    data.Compute(ReportRecord(helsinki, 2024, 2, 1));
    int checked = 0;
    for (const Reference& r : ReadReference()) {
        if (r.place != "Helsinki") continue;
        const int day = std::atoi(r.date.substr(8).c_str());
        const MonthDayRecord& row = data.sun[(day - 1) / 5];
        ASSERT_EQ(day, row.date.day);
        EXPECT_NEAR(r.rise, row.riseSet.first.dateTime.hours * 60.0, 1.0) << r.date;
        EXPECT_NEAR(r.set, row.riseSet.second.dateTime.hours * 60.0, 1.0) << r.date;
        ++checked;
    }
    EXPECT_EQ(6, checked);
}

TEST_F(ReportContentsTest, HoursAboveTheHorizonAndTheRating) {
    const CelestialObject* moon = ReportBody(kBodyMoon);
    const CelestialObject* venus = ReportBody(kBodyPlanet, 1);
    const CelestialObject* uranus = ReportBody(kBodyPlanet, 6);
    ASSERT_TRUE(moon != nullptr && venus != nullptr && uranus != nullptr);
    const EventTime above = NoEvent(kEventAboveHorizon);
    const EventTime below = NoEvent(kEventBelowHorizon);
    struct Case {
        EventTimePair pair;
        double hoursAbove;
    };
    const Case hours[] = {
        {Pair(Event(9, 20.0), Event(10, 4.0)), 8.0},   // across midnight
        {Pair(Event(9, 22.0), Event(9, 6.0)), 8.0},    // one date: -16 + 24
        {Pair(above, above), 24.0},
        {Pair(below, below), 0.0},
        {Pair(Event(9, 18.0), below), 6.0},
        {Pair(below, Event(9, 5.0)), 5.0},
        {EventTimePair{}, 0.0},                          // not computed: never above
    };
    for (const Case& c : hours) {
        EXPECT_NEAR(c.hoursAbove, HoursAboveHorizon(c.pair).above, 1e-6);
        EXPECT_NEAR(24.0 - c.hoursAbove, HoursAboveHorizon(c.pair).below, 1e-6);
    }

    // The Moon rates by its own hours: at most 0.5 h is not visible, from 3 h on all night.
    VisibilityRecord record;
    record.body = moon;
    record.elongation = -40.0;
    const std::pair<double, int> ratings[] = {{0.5, kNotVisible}, {0.6, kVisibleMorning}, {3.0, kVisibleNight}};
    for (const auto& [length, rating] : ratings) {
        record.pair = Pair(Event(9, 10.0), Event(9, 10.0 + length));
        EXPECT_EQ(rating, RateVisibility(record)) << length;
    }
    // A planet counts only its hours in the dark of the night window
    // (sunset 17:00 on the 9th to sunrise 07:00 on the 10th, noon to noon).
    record.body = venus;
    record.elongation = 30.0;
    record.window = Pair(Event(10, 7.0), Event(9, 17.0));
    record.frameStart = DateTime{2024, 2, 9, 12.0, kLocalCivilTime};
    record.pair = Pair(Event(9, 8.0), Event(9, 19.0));  // sets two hours after the Sun
    EXPECT_EQ(kVisibleEvening, RateVisibility(record));
    record.pair = Pair(Event(9, 8.0), Event(9, 17.4));
    EXPECT_EQ(kNotVisible, RateVisibility(record));
    record.pair = Pair(above, above);
    const EventTimePair night = IntersectNightWindow(record);
    EXPECT_EQ(kRiseAndSet, night.code);
    EXPECT_NEAR(14.0, HoursAboveHorizon(night).above, 1e-6);
    EXPECT_EQ(kVisibleNight, RateVisibility(record));
    record.pair = Pair(below, below);  // below the horizon all night: never visible
    EXPECT_EQ(kNotVisible, RateVisibility(record));
    record.body = uranus;
    record.pair = Pair(above, above);
    EXPECT_EQ(kNotVisible, RateVisibility(record));

    // A day window (rise before set) leaves two dark pieces: the longer counts.
    record.body = venus;
    record.window = Pair(Event(9, 7.0), Event(9, 17.0));
    record.frameStart = DateTime{2024, 2, 9, 0.0, kLocalCivilTime};
    record.pair = Pair(above, above);
    const EventTimePair evening = IntersectNightWindow(record);
    EXPECT_EQ(kNoSet, evening.code);  // the evening piece on a tie
    EXPECT_NEAR(7.0, HoursAboveHorizon(evening).above, 1e-6);
}

// The user's own short date would read 2/1/2024 where the program writes
// 01.02.2024 everywhere else: the pages write every date the program's way.
class MonthFirstDates final : public LocaleFormatter {
public:
    bool GetNow() override { return false; }
    bool ShortDate(String& receiver, int) override {
        receiver = String(test::Wide(std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year)).c_str());
        return true;
    }
};

class MonthFirstStorage final : public test::NullStorageService {
public:
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return std::make_unique<MonthFirstDates>(); }
};

TEST_F(ReportContentsTest, PagesWriteDatesInTheProgramsOwnFormatWhateverTheLocale) {
    MonthFirstStorage storage;
    test::FakeProductInfo product(storage);
    ScopedApplicationServices services(&product, &environment.display);
    String localeDate;
    ASSERT_TRUE(FormatDateLocaleShort(DateTime{2024, 2, 1, 0.0, kLocalCivilTime}, localeDate));
    ASSERT_EQ(test::Utf8(localeDate), "2/1/2024");
    const std::string page = ReportPage(kNightReport, 0, ReportRecord(LondonPlace(), 2024, 2, 1), false);
    EXPECT_NE(page.find("01.02.2024, 12:00 - 02.02.2024, 12:00"), std::string::npos);
    EXPECT_NE(page.find("* Event occurs on 02.02.2024"), std::string::npos);
    EXPECT_EQ(page.find("2/1/2024"), std::string::npos);
    EXPECT_EQ(page.find("2/2/2024"), std::string::npos);
}

// Each event keeps its kind: a planet that sets in the evening and rises
// the next morning, one that only rises the next morning, and a night
// without events.
TEST_F(ReportContentsTest, NightCellsKeepTheKindOfEachEventAndStarTheNextDay) {
    const DateTime next{2024, 2, 10, 0.0, kLocalCivilTime};
    struct Case {
        EventTimePair pair;
        std::string first, second;
    };
    const Case cases[] = {
        {Pair(Event(10, 4.0), Event(9, 22.0)), "&darr; 22:00", "&uarr; 04:00*"},
        {Pair(Event(10, 4.0), NoEvent(kEventBelowHorizon)), "&uarr; 04:00*", "&darr; --:--"},
        {Pair(Event(9, 21.0), NoEvent(kEventAboveHorizon)), "&uarr; 21:00", "&darr; --:--"},
        {Pair(NoEvent(kEventBelowHorizon), NoEvent(kEventBelowHorizon)), "&uarr; --:--", "&darr; --:--"},
    };
    for (const Case& c : cases) {
        String first, second;
        NightRiseSetCells(c.pair, next, first, second);
        EXPECT_EQ(c.first, test::Utf8(first));
        EXPECT_EQ(c.second, test::Utf8(second));
    }
    EXPECT_EQ(kNoSet, cases[1].pair.code);
}

// The body computation tells a body that never rises from one that never
// sets: at 70 degrees north the Sun of midwinter is below all night, the
// Sun of midsummer above.
TEST_F(ReportContentsTest, PolarNightAndDayKeepTheirSide) {
    const CelestialObject* sun = ReportBody(kBodySun);
    ASSERT_NE(nullptr, sun);
    const Location north = PlaceAt(70.0, TXT("North Cape"));
    const std::pair<int, int> cases[] = {{12, kAlwaysBelow}, {6, kAlwaysAbove}};
    for (const auto& [month, state] : cases) {
        TimeAndPlace evening;
        TimeAndPlaceFromDateTimeLocation(evening, ReportRecord(north, 2024, month, 21));
        evening.dateTime.hours = 12.0;
        EXPECT_EQ(state, NightRiseSet(*sun, evening).code) << month;
    }
}

TEST_F(ReportContentsTest, TwilightChartRanges) {
    struct Case {
        bool found;
        double lowest, highest, bottom, top;
    };
    const Case cases[] = {
        {true, 4.2, 6.9, 3.0, 8.0},
        {true, 4.2, 5.3, 2.0, 7.0},
        {true, 4.8, 5.1, 2.0, 7.0},
        {true, 0.5, 1.0, 0.0, 5.0},     // shifted up to start at 0
        {true, 23.2, 23.9, 19.0, 24.0}, // shifted down to end at 24
        {true, 3.5, 10.2, 3.0, 11.0},
        {false, 0.0, 0.0, 0.0, 24.0},
    };
    for (const Case& c : cases) {
        double bottom = -1.0, top = -1.0;
        TwilightChartRange(c.found, c.lowest, c.highest, bottom, top);
        EXPECT_EQ(c.bottom, bottom) << c.lowest << ".." << c.highest;
        EXPECT_EQ(c.top, top) << c.lowest << ".." << c.highest;
    }
}

TEST_F(ReportContentsTest, MonthOfFebruary2024) {
    const DateTimeLocation record = ReportRecord(LondonPlace(), 2024, 2, 9);
    MonthReportData data;
    data.Compute(record);
    ASSERT_EQ(4u, data.phases.size());
    const std::pair<MoonPhase, int> phases[] = {
        {kLastQuarter, 2}, {kNewMoon, 9}, {kFirstQuarter, 16}, {kFullMoon, 24}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(phases[i].first, data.phases[i].second);
        EXPECT_EQ(phases[i].second, data.phases[i].first.day);
    }
    const std::string page = ReportPage(kMonthReport, 0, record, false);
    // Four place rows, six Sun rows, 29 Moon rows.
    EXPECT_EQ(4 + 6 + 29, Count(page, "<tr>\r\n      <td align=\"right\">"));
    // Two table heads; Mercury and Venus every 5 days, the others every 10.
    EXPECT_EQ(2 + 2 * 6 + 6 * 3, Count(page, "<td width=\"25\" align=\"right\">"));
    // A full moon on the first day of the next month is listed last.
    MonthReportData july;
    july.Compute(ReportRecord(LondonPlace(), 2023, 7, 1));  // full moon 1 August 2023, 18:32 UT
    ASSERT_FALSE(july.phases.empty());
    EXPECT_EQ(kFullMoon, july.phases.back().second);
    EXPECT_EQ(8, july.phases.back().first.month);
    EXPECT_EQ(1, july.phases.back().first.day);
    const std::string julyPage = ReportPage(kMonthReport, 0, ReportRecord(LondonPlace(), 2023, 7, 1), false);
    const std::string lastPhase = "<td width=\"80\" align=\"left\">Full moon</td>\r\n      <td width=\"20\" align=\"right\">1</td>";
    EXPECT_EQ(julyPage.rfind("<td width=\"80\" align=\"left\">"), julyPage.find(lastPhase));

    const std::pair<int, int> sunRows[] = {{2023, 2}, {2024, 4}, {2024, 5}};
    for (const auto& [year, month] : sunRows) {
        MonthReportData m;
        m.Compute(ReportRecord(LondonPlace(), year, month, 1));
        int rows = 0;
        for (const MonthDayRecord& r : m.sun) rows += r.date.month == month ? 1 : 0;
        EXPECT_EQ(month == 5 ? 7 : 6, rows);
    }
}

TEST_F(ReportContentsTest, MonthChartsAreHeldAndRegisteredWhileTheWriterHasThem) {
    InlineImageTable& table = ReportInlineImages();
    const std::size_t before = table.Count();
    {
        std::unique_ptr<ReportKind> report = NewReport(kMonthReport, 0);
        ASSERT_TRUE(report->WriteHtml(ReportRecord(LondonPlace(), 2024, 2, 1), false));
        EXPECT_EQ(before + 10, table.Count());
        EXPECT_EQ(4, environment.images.computed);
        const auto& writer = static_cast<const MonthReportWriter&>(*report->Writer());
        for (int i = 0; i < MonthReportWriter::kImageCount; ++i) {
            const GraphImageBytes& bytes = writer.ImageBytes(i);
            EXPECT_TRUE(table.Contains(bytes.data(), static_cast<std::uint32_t>(bytes.size()))) << i;
        }
        // A new writing replaces the pictures: the old ones leave the table first.
        ASSERT_TRUE(report->WriteHtml(ReportRecord(LondonPlace(), 2024, 3, 1), true));
        EXPECT_EQ(before + 10, table.Count());
        EXPECT_EQ(10, Count(test::Utf8(report->GetHtml()), "CorvinataInlineImage://Memory/"));
    }
    EXPECT_EQ(before, table.Count());
}

TEST_F(ReportContentsTest, YearlyTables) {
    const DateTimeLocation leap = ReportRecord(LondonPlace(), 2024, 12, 31);
    const std::string moon2024 = ReportPage(kLunarEphemerides, 0, leap, false);
    const std::string moon2023 = ReportPage(kLunarEphemerides, 0, ReportRecord(LondonPlace(), 2023, 6, 1), false);
    EXPECT_EQ(366, Count(moon2024, "   <tr>\r\n"));
    EXPECT_EQ(365, Count(moon2023, "   <tr>\r\n"));
    // The Moon's phase icons fall on the days of the Month report.
    const std::size_t february = moon2024.find("<b>Feb</b>");
    const std::size_t march = moon2024.find("<b>Mar</b>");
    std::vector<std::string> days;
    std::size_t at = february;
    while ((at = moon2024.find("alt=\"Moon\"", at + 1)) < march) {
        const std::size_t day = moon2024.rfind("align=\"right\">", at);
        days.push_back(moon2024.substr(day + 14, moon2024.find('.', day) - day - 14));
    }
    EXPECT_EQ((std::vector<std::string>{"2", "9", "16", "24"}), days);

    const std::string sun = ReportPage(kSolarEphemerides, 0, leap, false);
    const std::size_t feb = sun.find("<b>Feb</b>");
    const std::string februaryRows = sun.substr(feb, sun.find("<b>Mar</b>") - feb);
    std::vector<std::string> dayCells;
    for (const std::string& cell : CellsAfter(februaryRows, "<td width=\"20\" align=\"right\">")) {
        if (cell.back() == '.') dayCells.push_back(cell);
    }
    EXPECT_EQ((std::vector<std::string>{"1.", "6.", "11.", "16.", "21.", "26."}), dayCells);
    EXPECT_EQ(12, Count(sun, "<b>"));

    // Planet rows: Mercury every 5 days from 1 January, the outer planets
    // every 20 days, four years long; a December date still starts on 1 January.
    struct Case {
        int body;
        int year;
        int lastYear, lastMonth, lastDay;
    };
    const Case planets[] = {{0, 2023, 2024, 1, 6}, {0, 2024, 2025, 1, 5}, {7, 2024, 2028, 1, 20}};
    for (const Case& c : planets) {
        PlanetEphemerisData data(c.body);
        data.Compute(ReportRecord(LondonPlace(), c.year, 12, 15));
        EXPECT_EQ((DateTime{c.year, 1, 1, 0.0, kUniversalTime}).day, data.Row(0).date.day);
        EXPECT_EQ(1, data.Row(0).date.month);
        EXPECT_EQ(kUniversalTime, data.Row(0).date.timeSystem);
        const DateTime& last = data.Row(PlanetEphemerisData::kRowCount - 1).date;
        EXPECT_EQ(c.lastYear, last.year);
        EXPECT_EQ(c.lastMonth, last.month);
        EXPECT_EQ(c.lastDay, last.day);
    }
    // Venus at inferior conjunction (9 January 2022, 63"): the whole size in arcseconds.
    const std::string venus = ReportPage(kPlanetEphemerides, 1, ReportRecord(LondonPlace(), 2022, 1, 1), false);
    int largest = 0;
    for (const std::string& size : CellsAfter(venus, "<td width=\"30\" align=\"right\">")) {
        if (!size.empty() && size[0] != '&' && size[0] != '"') largest = std::max(largest, std::atoi(size.c_str()));
    }
    EXPECT_GT(largest, 60);
}

// A place the user named like markup shows as text in every page.
TEST_F(ReportContentsTest, UserPlaceIsEscapedOnEveryPage) {
    Location place = LondonPlace();
    place.town = String(TXT("<Tom & Jerry's>"));
    const DateTimeLocation record = ReportRecord(place, 2024, 2, 9);
    for (int type = kDayReport; type <= kMonthReport; ++type) {
        const std::string page = ReportPage(type, 0, record, false);
        EXPECT_NE(std::string::npos, page.find("&lt;Tom &amp; Jerry's&gt;")) << type;
        EXPECT_EQ(std::string::npos, page.find("<Tom")) << type;
    }
}

}  // namespace
}  // namespace corvinata
