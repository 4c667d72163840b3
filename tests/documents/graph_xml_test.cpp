// The XML export: numbers, moments, escapes, the instants the values belong
// to, and a document that parses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "documents/graph_test_support.h"
#include "documents/report_page.h"
#include "documents/graph_xml.h"
#include "support/well_formed_xml.h"

namespace corvinata {
namespace {

TEST(GraphXmlTextTest, NumbersMomentsAndEscapes) {
    const std::pair<double, const char*> numbers[] = {
        {12.5, "12.5"}, {3.0, "3"}, {-0.000001, "-0.000001"}, {1e-7, "0"}, {-1e-7, "0"}, {-1.0, "-1"},
        {std::numeric_limits<double>::infinity(), "INF"}, {GraphNoKindMarker(), "NaN"}};
    for (const auto& [value, text] : numbers) EXPECT_EQ(GraphXmlValueText(value), text) << value;
    const std::pair<DateTime, const char*> moments[] = {
        {{2013, 3, 1, 6.0 + 5.0 / 60.0 + 9.0 / 3600.0, 2}, "2013-03-01T06:05:09"},
        // A midnight that came back from its Julian day a hair early.
        {{2024, 2, 28, 24.0 - 0.0003 / 3600.0, 2}, "2024-02-29T00:00:00"},
        {{2024, 12, 31, 23.99999999, 2}, "2025-01-01T00:00:00"},
        {{2024, 3, 1, 23.0 + 59.0 / 60.0 + 59.4 / 3600.0, 2}, "2024-03-01T23:59:59"},
        // Seconds are cut, not rounded.
        {{2024, 3, 1, 9.863 / 3600.0, 2}, "2024-03-01T00:00:09"},
        {{2024, 3, 1, 12.0 + 59.0 / 60.0 + 59.9 / 3600.0, 2}, "2024-03-01T12:59:59"},
        {{2024, 3, 1, 10.0 + 0.5 / 3600.0, 2}, "2024-03-01T10:00:00"},
        {{999, 7, 4, 12.0, 2}, "999 -07-04T12:00:00"},
    };
    for (const auto& [moment, text] : moments) EXPECT_EQ(GraphXmlDateTimeText(moment), text);
    const Char name[] = {'<', '&', '>', '"', 0x00E9, 0x263E, 0};
    EXPECT_EQ(XmlEscapedUtf8(String(name)), "&lt;&amp;&gt;&quot;\xC3\xA9\xE2\x98\xBE");
}

class GraphXmlTest : public test::GraphTest {};

TEST_F(GraphXmlTest, EmptyGraphAndLinesWithEscapedNames) {
    const std::string empty = Written(*NewDocument(), "empty.xml");
    EXPECT_EQ(test::WellFormedXmlElements(empty), 1 + 1 + 366);
    EXPECT_EQ(empty.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                          "<!-- Created by Corvinata 1.70 (https://corvinata.org)-->\r\n"
                          "<?xml-stylesheet type=\"text/xsl\" href=\"LoadInExcel.xsl\"?>\r\n"
                          "<Graph xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                          "xsi:noNamespaceSchemaLocation=\"Graph.xsd\">\r\n   <TimeScale>\r\n"
                          "      <DateTime>2024-01-01T00:00:00</DateTime>\r\n",
                          0),
              0u);
    EXPECT_NE(empty.find("<DateTime>2024-12-31T00:00:00</DateTime>\r\n   </TimeScale>\r\n</Graph>\r\n"),
              std::string::npos);

    auto document = TwoLineDocument();
    document->GetGraphLine(0)->name = String(TXT("Moon <&> altitude"));
    const std::string xml = Written(*document, "two.xml");
    EXPECT_EQ(test::WellFormedXmlElements(xml), 1 + 1 + 366 + 2 * (1 + 1 + 366));
    EXPECT_NE(xml.find("   <Line>\r\n      <Name>Moon &lt;&amp;&gt; altitude</Name>\r\n"
                       "      <Value>-45</Value>\r\n      <Value>-44.75</Value>\r\n"),
              std::string::npos);
    EXPECT_NE(xml.find("<Name>Phase \xC3\xA9t\xC3\xA9</Name>"), std::string::npos);
    EXPECT_NE(xml.find("<Value>-1</Value>"), std::string::npos);  // a none value is a number
}

// A line named with a character XML cannot hold, even as a reference,
// exports a document that parses: the character is written as U+FFFD. The
// characters XML holds are written as they are.
TEST_F(GraphXmlTest, ANameWithACharacterXmlCannotHoldExportsAWellFormedDocument) {
    const std::string replaced = "Moon\xEF\xBF\xBDrise";
    struct Row {
        std::vector<Char> inside;
        std::string written;
    };
    std::vector<Row> rows;
    for (Char c = 0x01; c < 0x20; ++c) {
        if (c != 0x09 && c != 0x0A && c != 0x0D) rows.push_back({{c}, replaced});
    }
    const Row more[] = {
        {{0xD800}, replaced},                                      // half a pair, then a letter
        {{0xDFFF}, replaced},                                      // a low half alone
        {{0xD800, 0xD800, 0xDC00}, "Moon\xEF\xBF\xBD\xF0\x90\x80\x80rise"},  // half, then a whole pair
        {{0xFFFE}, replaced},
        {{0xFFFF}, replaced},
        {{0x09}, "Moon\trise"},
        {{0x0A}, "Moon\nrise"},
        {{0x0D}, "Moon\rrise"},
        {{0xFFFD}, replaced},
        {{0xE000}, "Moon\xEE\x80\x80rise"},
        {{0xD83D, 0xDE80}, "Moon\xF0\x9F\x9A\x80rise"},
    };
    rows.insert(rows.end(), std::begin(more), std::end(more));
    for (const Row& row : rows) {
        std::vector<Char> name = {'M', 'o', 'o', 'n'};
        name.insert(name.end(), row.inside.begin(), row.inside.end());
        for (const char c : std::string("rise")) name.push_back(static_cast<Char>(c));
        name.push_back(0);
        auto document = NewDocument();
        GraphLine line = test::NamedLine("");
        line.name = String(name.data());
        document->InsertLine(0, line);
        const std::string xml = Written(*document, "named.xml");
        const std::string shown = std::to_string(static_cast<unsigned>(row.inside[0]));
        EXPECT_EQ(test::WellFormedXmlElements(xml), 1 + 1 + 366 + (1 + 1 + 366)) << shown;
        EXPECT_NE(xml.find("<Name>" + row.written + "</Name>"), std::string::npos) << shown;
    }
}

// The exported moments are those the values were computed at.
TEST_F(GraphXmlTest, TimeScaleFollowsTheComputedInstants) {
    auto months = NewDocument();
    ASSERT_TRUE(TimeAndLocationSetRange(months->Settings(), kMonthsUnit, 365));
    months->Settings().beginDate = DateTime{2024, 1, 31, 0.0, kLocalCivilTime};
    EXPECT_NE(Written(*months, "m.xml").find("<DateTime>2024-01-31T00:00:00</DateTime>\r\n"
                                             "      <DateTime>2024-02-29T00:00:00</DateTime>\r\n"
                                             "      <DateTime>2024-03-29T00:00:00</DateTime>"),
              std::string::npos);
    // A fixed end spreads them evenly; London's summer time is an hour on.
    auto summer = NewDocument();
    TimeAndLocation& s = summer->Settings();
    s.endFixed = s.daylightSaving = true;
    s.beginDate = DateTime{2024, 6, 1, 0.0, kUniversalTime};
    s.endDate = DateTime{2024, 6, 2, 0.0, kUniversalTime};
    const std::string xml = Written(*summer, "s.xml");
    EXPECT_NE(xml.find("<DateTime>2024-06-01T01:00:00</DateTime>\r\n"
                       "      <DateTime>2024-06-01T01:03:56</DateTime>"),  // 3 min 56.7 s
              std::string::npos);
    EXPECT_NE(xml.find("<DateTime>2024-06-02T01:00:00</DateTime>\r\n   </TimeScale>"), std::string::npos);
}

// A graph stepped by seconds, minutes or hours from a whole second exports
// every instant at its own whole second, begin + i x step, also where the
// time zone moves it into local civil time.
TEST_F(GraphXmlTest, SteppedInstantsExportAtTheirWholeSeconds) {
    const struct {
        int begin;  // seconds of the day, universal time
        std::int32_t unit;
        int stepSeconds;
        double zone;
    } runs[] = {
        {37, kMinutesUnit, 60, 0.0},
        {6 * 3600 + 37, kHoursUnit, 3600, 0.0},
        {37, kMinutesUnit, 60, 9.0},
        {59, kSecondsUnit, 1, -3.5},
    };
    for (const auto& run : runs) {
        auto document = NewDocument();
        TimeAndLocation& s = document->Settings();
        const int count = run.unit == kSecondsUnit ? 7 : 1;
        ASSERT_TRUE(TimeAndLocationSetRange(s, run.unit, 365 * count));
        s.beginDate = DateTime{2027, 3, 10, run.begin / 3600.0, kUniversalTime};
        s.location.coordinates.timeZone.hours = run.zone;
        const std::string xml = Written(*document, "stepped.xml");
        // Local civil time in whole seconds from the start of 10 March.
        long long second = run.begin + std::llround(run.zone * 3600.0);
        std::size_t at = 0;
        for (int i = 0; i < kGraphValueCount; ++i, second += static_cast<long long>(count) * run.stepSeconds) {
            const long long day = (second + 86400) / 86400 - 1;
            const long long inDay = second - 86400 * day;
            char expected[96];
            std::snprintf(expected, sizeof expected, "<DateTime>2027-03-%02lldT%02lld:%02lld:%02lld</DateTime>",
                          10 + day, inDay / 3600, inDay / 60 % 60, inDay % 60);
            at = xml.find("<DateTime>", at);
            ASSERT_NE(at, std::string::npos);
            ASSERT_EQ(xml.substr(at, std::strlen(expected)), expected) << "unit " << run.unit << ", instant " << i;
            ++at;
        }
    }
}

// The export's comment and a report page's footer name the same product,
// version and web address: the product information's.
TEST_F(GraphXmlTest, CommentAndReportFooterReadTheProductInformation) {
    test::ProductTexts texts;
    texts.version = TXT("2.5");
    texts.webAddress = TXT("https://maker.example/sky");
    test::FakeProductInfo maker(storage, texts);
    ScopedApplicationServices makers(&maker, nullptr);
    const std::string xml = Written(*NewDocument(), "maker.xml");
    EXPECT_NE(xml.find("<!-- Created by Corvinata 2.5 (https://maker.example/sky)-->"), std::string::npos);

    class EmptyPage final : public ReportHtmlWriter {
    public:
        EmptyPage() : ReportHtmlWriter(nullptr) {}

    protected:
        bool WriteBody() override { return true; }
    } page;
    ASSERT_TRUE(page.Write(TXT("T"), false));
    EXPECT_NE(test::Utf8(page.Html()).find("Generated by Corvinata 2.5 &middot; https://maker.example/sky</p>"),
              std::string::npos);
}

}  // namespace
}  // namespace corvinata
