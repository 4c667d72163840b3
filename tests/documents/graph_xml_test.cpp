// The XML export: its numbers and moments, escaping, the instants the values
// belong to, and a document that parses.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "documents/graph_test_support.h"
#include "documents/graph_xml.h"

namespace corvinata {
namespace {

// A small well-formedness check: tags nest and close, every "&" starts a
// known entity, no "<" stands in text. Answers the element names in order.
bool ParsesAsXml(const std::string& xml, std::vector<std::string>& elements) {
    std::vector<std::string> open;
    std::size_t i = 0;
    while (i < xml.size()) {
        if (xml[i] == '&') {
            const std::size_t end = xml.find(';', i);
            const std::string entity = end == std::string::npos ? "" : xml.substr(i, end - i + 1);
            if (entity != "&amp;" && entity != "&lt;" && entity != "&gt;" && entity != "&quot;") return false;
            i = end + 1;
            continue;
        }
        if (xml[i] == '>') return false;
        if (xml[i] != '<') {
            ++i;
            continue;
        }
        const std::size_t close = xml.find('>', i);
        if (close == std::string::npos) return false;
        const std::string tag = xml.substr(i + 1, close - i - 1);
        i = close + 1;
        if (tag.rfind("?", 0) == 0 || tag.rfind("!--", 0) == 0) continue;
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1)) return false;
            open.pop_back();
            continue;
        }
        const std::string name = tag.substr(0, tag.find(' '));
        if (name.empty() || name.find('<') != std::string::npos) return false;
        elements.push_back(name);
        open.push_back(name);
    }
    return open.empty() && !elements.empty();
}

class GraphXmlTest : public test::GraphTest {
protected:
    std::string Exported(GraphDocument& document) {
        const String path(TXT("C:\\Graphs\\export.XML"));  // the name's case does not matter
        EXPECT_TRUE(SaveGraphFile(document, storage, path));
        std::string bytes;
        EXPECT_TRUE(storage.GetFile(path.Text(), bytes));
        return bytes;
    }
    static std::size_t Count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }
};

TEST(GraphXmlTextTest, NumbersMomentsAndEscapes) {
    const struct {
        double value;
        const char* text;
    } numbers[] = {{12.5, "12.5"}, {3.0, "3"}, {-0.000001, "-0.000001"}, {1e-7, "0"},
                   {-1e-7, "0"},   {-1.0, "-1"}, {0.0, "0"},  {1e20, "100000000000000000000"}};
    for (const auto& n : numbers) EXPECT_EQ(GraphXmlValueText(n.value), n.text) << n.value;
    EXPECT_EQ(GraphXmlValueText(GraphNoKindMarker()), "NaN");
    EXPECT_EQ(GraphXmlValueText(-std::numeric_limits<double>::infinity()), "-INF");

    const double seconds = 6.0 + 5.0 / 60.0 + 9.0 / 3600.0;
    const struct {
        DateTime moment;
        const char* text;
    } moments[] = {
        {{2013, 3, 1, seconds, 2}, "2013-03-01T06:05:09"},
        // A midnight that came back from its Julian day a hair early.
        {{2024, 2, 28, 24.0 - 0.0003 / 3600.0, 2}, "2024-02-29T00:00:00"},
        {{2024, 12, 31, 23.99999999, 2}, "2025-01-01T00:00:00"},
        {{2024, 3, 1, 23.0 + 59.0 / 60.0 + 59.4 / 3600.0, 2}, "2024-03-01T23:59:59"},
        {{999, 7, 4, 12.0, 2}, "999 -07-04T12:00:00"},
    };
    for (const auto& m : moments) EXPECT_EQ(GraphXmlDateTimeText(m.moment), m.text) << m.text;

    const Char name[] = {'<', 'T', 'o', 'm', ' ', '&', ' ', '"', 'J', '"', '>', ' ', 0x00E9, 0x263E, 0};
    EXPECT_EQ(XmlEscapedUtf8(String(name)), "&lt;Tom &amp; &quot;J&quot;&gt; \xC3\xA9\xE2\x98\xBE");
}

TEST_F(GraphXmlTest, EmptyGraphHasTheTimeScaleAndNoLine) {
    auto document = NewDocument();
    const std::string xml = Exported(*document);
    std::vector<std::string> elements;
    ASSERT_TRUE(ParsesAsXml(xml, elements));
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                        "<!-- Created by Corvinata 1.70 (https://corvinata.example/)-->\r\n"
                        "<?xml-stylesheet type=\"text/xsl\" href=\"LoadInExcel.xsl\"?>\r\n"
                        "<Graph xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                        "xsi:noNamespaceSchemaLocation=\"Graph.xsd\">\r\n"
                        "   <TimeScale>\r\n"
                        "      <DateTime>2024-01-01T00:00:00</DateTime>\r\n",
                        0),
              0u);
    EXPECT_EQ(Count(xml, "<DateTime>"), 366u);
    EXPECT_EQ(Count(xml, "<Line>"), 0u);
    EXPECT_NE(xml.find("      <DateTime>2024-12-31T00:00:00</DateTime>\r\n   </TimeScale>\r\n</Graph>\r\n"),
              std::string::npos);
}

TEST_F(GraphXmlTest, LinesWithEscapedNamesAndTheirValues) {
    auto document = TwoLineDocument();
    document->GetGraphLine(0)->name = String(TXT("Moon <&> altitude"));
    const std::string xml = Exported(*document);
    std::vector<std::string> elements;
    ASSERT_TRUE(ParsesAsXml(xml, elements));
    EXPECT_EQ(Count(xml, "<Line>"), 2u);
    EXPECT_EQ(Count(xml, "<Value>"), 2u * 366u);
    EXPECT_NE(xml.find("   <Line>\r\n      <Name>Moon &lt;&amp;&gt; altitude</Name>\r\n"
                       "      <Value>-45</Value>\r\n      <Value>-44.75</Value>\r\n"),
              std::string::npos);
    EXPECT_NE(xml.find("<Name>Phase \xC3\xA9t\xC3\xA9</Name>"), std::string::npos);
    EXPECT_NE(xml.find("<Value>-1</Value>"), std::string::npos);  // a none value is a number
}

// Step mode: the exported moments are those the values were computed at.
TEST_F(GraphXmlTest, TimeScaleFollowsTheComputedInstants) {
    auto document = NewDocument();
    ASSERT_TRUE(TimeAndLocationSetRange(document->Settings(), kMonthsUnit, 365));
    document->Settings().beginDate = DateTime{2024, 1, 31, 0.0, kLocalCivilTime};
    const std::string xml = Exported(*document);
    EXPECT_NE(xml.find("<DateTime>2024-01-31T00:00:00</DateTime>\r\n"
                       "      <DateTime>2024-02-29T00:00:00</DateTime>\r\n"
                       "      <DateTime>2024-03-29T00:00:00</DateTime>"),
              std::string::npos);
    // A fixed end spreads the instants evenly; in London's summer time the
    // local moments are an hour after Universal time.
    auto fixed = NewDocument();
    fixed->Settings().endFixed = true;
    fixed->Settings().daylightSaving = true;
    fixed->Settings().beginDate = DateTime{2024, 6, 1, 0.0, kUniversalTime};
    fixed->Settings().endDate = DateTime{2024, 6, 2, 0.0, kUniversalTime};
    const std::string summer = Exported(*fixed);
    EXPECT_NE(summer.find("<DateTime>2024-06-01T01:00:00</DateTime>\r\n"
                          "      <DateTime>2024-06-01T01:03:57</DateTime>"),
              std::string::npos);
    EXPECT_NE(summer.find("<DateTime>2024-06-02T01:00:00</DateTime>\r\n   </TimeScale>"), std::string::npos);
}

}  // namespace
}  // namespace corvinata
