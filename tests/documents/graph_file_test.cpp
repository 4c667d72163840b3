// The graph file: golden files byte for byte, round trips of every field,
// the header's outcomes, damage of every kind, and saves that fail.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <tuple>

#include "app/graph_prompts.h"
#include "catalog/quantity_kinds.h"
#include "documents/graph_test_support.h"
#include "support/graph_fakes.h"

namespace corvinata {
namespace {

using test::Utf8;

// Compares with a golden file; CN_UPDATE_GOLDEN=1 rewrites it instead.
void ExpectGolden(const char* name, const std::string& bytes) {
    if (std::getenv("CN_UPDATE_GOLDEN")) {
        std::ofstream(test::TestsPath(std::string("documents/golden/") + name), std::ios::binary) << bytes;
    }
    const std::string golden = test::ReadGolden(name);
    ASSERT_FALSE(golden.empty()) << name;
    EXPECT_TRUE(bytes == golden) << name << ": " << bytes.size() << " bytes against " << golden.size();
}

// A version 1.19 file as the earlier program wrote it: wide texts, no body
// names, reserved bytes; one line of the Sun, one without a body.
std::string Version119File() {
    std::string out;
    const auto i32 = [&out](std::int32_t v) {
        for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * k)));
    };
    const auto f64 = [&out](double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, 8);
        for (int k = 0; k < 8; ++k) out.push_back(static_cast<char>(bits >> (8 * k)));
    };
    const auto byte = [&out](int b) { out.push_back(static_cast<char>(b)); };
    const auto narrow = [&](const std::string& s) {
        i32(static_cast<std::int32_t>(s.size()));
        out += s;
    };
    const auto wide = [&](const std::u16string& s) {
        i32(static_cast<std::int32_t>(2 * s.size()));
        for (const char16_t c : s) {
            byte(c & 0xFF);
            byte(c >> 8);
        }
    };
    const auto date = [&](int y, int m, int d) {
        i32(y);
        i32(m);
        i32(d);
        f64(0.0);
        i32(kLocalCivilTime);
    };
    out = "Corvinata 1.19 graph file\n\x1A";
    out.resize(100, '\0');
    date(2010, 1, 1);
    date(2011, 1, 1);
    byte(0);
    i32(2);
    byte(1), byte(0), byte(0);
    i32(0);
    f64(1.0);
    i32(kDaysUnit);
    byte(0);
    f64(-13.4), i32(1), f64(52.5), f64(1.0), i32(34);
    narrow("Germany");
    narrow("Berlin");
    i32(1), i32(kMonthsUnit), i32(1), i32(kMonthsUnit), i32(kLocalCivilTime);
    for (int line = 0; line < 2; ++line) {
        wide(line == 0 ? u"Sun \u00e9" : u"Free");
        i32(line == 0 ? kBodySun : kNoBodyType);
        i32(0);
        i32(2);
        byte(line);
        wide(line == 0 ? u"Sun.Lat(hor)" : u"Phase(10)");
        i32(3 + line);
        byte(1), byte(1), byte(0);
        out.append(50, '\0');
        for (int i = 0; i < kGraphValueCount; ++i) f64(line * 100.0 + i);
        i32(line == 0 ? 2 : -1);
        i32(-1);
    }
    f64(-90.0), f64(90.0), i32(4), i32(2);
    byte(0), i32(kDaysUnit), i32(1), byte(1), i32(10);
    out.append(200, '\0');
    return out;
}

class GraphFileTest : public test::GraphTest {};

TEST_F(GraphFileTest, GoldenFilesByteForByte) {
    auto empty = NewDocument();
    const std::string emptyBytes = Written(*empty);
    EXPECT_EQ(emptyBytes.size(), 291u);  // 271 and "United Kingdom", "London"
    EXPECT_EQ(emptyBytes.substr(0, 28), std::string("Corvinata 1.20 graph file\n\x1A\0", 28));
    EXPECT_EQ(emptyBytes.find_first_not_of('\0', 27), 100u);
    ExpectGolden("empty.gph", emptyBytes);

    auto two = TwoLineDocument();
    const std::string twoBytes = Written(*two);
    // Each line: 2,967 bytes with its name, body name and expression.
    EXPECT_EQ(twoBytes.size(), 291u + 2 * 2967 + (13 + 4 + 13) + (9 + 0 + 9));
    ExpectGolden("two_lines.gph", twoBytes);
    ExpectGolden("version_119.gph", Version119File());
}

TEST_F(GraphFileTest, EveryFieldComesBackAndInfiniteLimitsAsHundreds) {
    auto original = TwoLineDocument();
    TimeAndLocation& s = original->Settings();
    s.endFixed = true;
    s.beginDate = DateTime{2031, 2, 3, 4.5, kUniversalTime};
    ASSERT_TRUE(TimeAndLocationSetEndDate(s, DateTime{2031, 3, 3, 4.5, kUniversalTime}));
    s.xAxisHorizontal = false;
    s.xAxisReversed = true;
    s.yAxisReversed = true;
    s.daylightSaving = true;
    s.xAxisMarkStep = {kHoursUnit, 6};
    s.xAxisLabelStep = {kDaysUnit, 2};
    s.xAxisTimeSystem = kUniversalTime;
    s.xAxisGridStep = {kMinutesUnit, 30};
    s.yAxisGridActive = true;
    s.location.coordinates.longitude.mode = kEastPositive;
    original->SetValueKind(kQuantityLatitude, 2);
    s.yAxisMin = -std::numeric_limits<double>::infinity();
    s.yAxisMax = std::numeric_limits<double>::infinity();
    original->GetGraphLine(0)->values[3] = std::numeric_limits<double>::quiet_NaN();
    original->GetGraphLine(0)->values[4] = -0.0;

    auto read = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(Read(Written(*original), *read, flags));
    const TimeAndLocation& r = read->Options();
    s.yAxisMin = -100.0;
    s.yAxisMax = 100.0;
    EXPECT_TRUE(TimeAndLocationEquals(r, s));
    EXPECT_EQ(r.location.coordinates.longitude.mode, kEastPositive);
    EXPECT_EQ(read->ValueKind(), kQuantityLatitude);
    EXPECT_EQ(read->ValueSystem(), 2);
    EXPECT_EQ(read->ReservedOption(), 7);
    EXPECT_EQ(read->SelectedLine(), 0);
    EXPECT_TRUE(read->HasFile());
    EXPECT_EQ(Utf8(read->FilePath()), "C:\\Graphs\\read.gph");
    EXPECT_EQ(read->FileVersionMinor(), 20);
    ASSERT_EQ(read->LineCount(), 2);
    for (int l = 0; l < 2; ++l) {
        const GraphLine& a = *original->GetGraphLine(l);
        const GraphLine& b = *read->GetGraphLine(l);
        EXPECT_EQ(std::memcmp(a.values.data(), b.values.data(), sizeof a.values), 0) << l;
        EXPECT_EQ(a.ExpressionText(), b.ExpressionText());
        EXPECT_EQ(b.Expression().compileStatus, kNotCompiled);
        EXPECT_FALSE(BodyIdentifierDiffers(a.body, b.body));
        EXPECT_EQ(std::make_tuple(a.function, a.scriptEdited, a.colour, a.visibleInControlPanel,
                                  a.visibleInGraph, a.system),
                  std::make_tuple(b.function, b.scriptEdited, b.colour, b.visibleInControlPanel,
                                  b.visibleInGraph, b.system));
        EXPECT_EQ(b.fillAbove, -1);  // fills are the charts' own, never stored
    }
    EXPECT_EQ(Utf8(read->GetGraphLine(0)->name), "Moon altitude");
    EXPECT_EQ(Utf8(read->GetGraphLine(1)->name), "Phase ?t?");
}

TEST_F(GraphFileTest, SavingDerivesTheKindFirstSoTheFileReadsBackEqual) {
    auto original = TwoLineDocument();
    original->SetValueKind(kValueKindUnknown, -1);
    original->Settings().yAxisMin = 5.0;
    const std::string bytes = Written(*original);
    EXPECT_EQ(original->ValueKind(), kQuantityLatitude);  // Moon.Lat(hor)
    EXPECT_EQ(original->Options().yAxisMin, -90.0);
    auto read = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(Read(bytes, *read, flags));
    EXPECT_TRUE(TimeAndLocationEquals(read->Options(), original->Options()));
    EXPECT_EQ(read->ValueKind(), kQuantityLatitude);
}

// A first line that does not compile has no kind: the kind stays 13 and the
// file with it reads back (13 with lines is refused everywhere else).
TEST_F(GraphFileTest, FirstLineWithoutAKindKeepsTheKindUnknownAndReadsBack) {
    auto original = NewDocument();
    original->InsertLine(0, test::NamedLine("broken", "Moon.Lat(hor"));
    original->InsertLine(1, test::NamedLine("phase"));
    const std::string bytes = Written(*original);
    EXPECT_EQ(original->ValueKind(), kValueKindUnknown);
    auto read = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(Read(bytes, *read, flags));
    EXPECT_EQ(read->ValueKind(), kValueKindUnknown);
    EXPECT_EQ(read->LineCount(), 2);
}

TEST_F(GraphFileTest, Version119LinesTakeTheirNamesFromTheCatalogue) {
    auto read = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(Read(test::ReadGolden("version_119.gph"), *read, flags));
    EXPECT_EQ(read->FileVersionMinor(), 19);
    ASSERT_EQ(read->LineCount(), 2);
    const GraphLine& sun = *read->GetGraphLine(0);
    EXPECT_EQ(Utf8(sun.name), "Sun \u00e9");  // wide texts keep every character
    ASSERT_NE(sun.body.object, nullptr);
    EXPECT_EQ(Utf8(sun.body.name), "Sun");
    EXPECT_EQ(sun.values[365], 365.0);
    const GraphLine& free = *read->GetGraphLine(1);
    EXPECT_EQ(free.body.object, nullptr);  // body type 9: no body
    EXPECT_TRUE(free.scriptEdited);
    EXPECT_EQ(read->Options().xAxisLabelStep.unit, kMonthsUnit);
    EXPECT_EQ(Utf8(read->Options().location.town), "Berlin");
}

TEST_F(GraphFileTest, HeaderOutcomes) {
    const std::string body = Written(*NewDocument()).substr(100);
    const struct Case {
        const char* header;
        bool read, recognised, tooOld, newer;
    } cases[] = {
        {"Corvinata 1.20 graph file\n\x1A", true, true, false, false},
        {"Corvinata 1.21 graph file", false, true, false, true},
        {"Corvinata 2.0 graph file", false, true, false, true},
        {"Corvinata 0.99 graph file", false, true, true, false},
        {"Corvinata 1.18 graph file", false, true, true, false},
        {"Corvinata  +1.20 graph file", true, true, false, false},  // white space and a sign
        {"corvinata 1.20 graph file", false, false, false, false},
        {"Corvinata1.20 graph file", false, false, false, false},
        {"Corvinata 1.20 graph", false, false, false, false},
        {"Corvinata 1.99999999999 graph file", false, false, false, false},  // overflow
        {"", false, false, false, false},
    };
    for (const Case& c : cases) {
        std::string header(c.header);
        header.resize(100, '\0');
        auto document = NewDocument();
        GraphFileFlags flags;
        EXPECT_EQ(Read(header + body, *document, flags), c.read) << c.header;
        EXPECT_EQ(flags.recognised, c.recognised) << c.header;
        EXPECT_EQ(flags.tooOld, c.tooOld) << c.header;
        EXPECT_EQ(flags.newer, c.newer) << c.header;
    }
    // No lines: nothing selected.
    auto document = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(Read(Written(*NewDocument()), *document, flags));
    EXPECT_EQ(document->SelectedLine(), -1);
    EXPECT_EQ(document->ValueKind(), kValueKindUnknown);
}

// Damage anywhere gives one of the outcomes, never a crash, and leaves the
// target document as it was; a cut-short or damaged graph is "recognised,
// not readable", never "newer".
TEST_F(GraphFileTest, TruncationsAndFlippedBytesLeaveTheDocumentUnchanged) {
    const std::string good = Written(*TwoLineDocument());
    const auto keep = [this] {
        auto document = NewDocument();
        document->InsertLine(0, test::NamedLine("keep"));
        document->UpdateGraphRange();
        return document;
    };
    auto target = keep();
    const std::string before = Written(*target);
    for (std::size_t n = 0; n < good.size(); ++n) {
        GraphFileFlags flags;
        EXPECT_FALSE(Read(good.substr(0, n), *target, flags)) << n;
        EXPECT_EQ(flags.recognised, n >= 25) << n;
        EXPECT_FALSE(flags.newer || flags.tooOld) << n;
        if (n % 97 == 0) {
            ASSERT_EQ(Written(*target), before) << n;
        }
    }
    const auto check = [&](const std::string& bytes, const std::string& what) {
        GraphFileFlags flags;
        if (Read(bytes, *target, flags)) {
            target = keep();  // damage the format cannot see
            return;
        }
        EXPECT_TRUE(flags.recognised && !flags.newer && !flags.tooOld) << what;
        ASSERT_EQ(Written(*target), before) << what;
    };
    std::mt19937 random(28);
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = good;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int f = 0; f < flips; ++f) {
            const std::size_t at = 100 + random() % (damaged.size() - 100);
            damaged[at] = static_cast<char>(damaged[at] ^ (1u << (random() % 8)));
        }
        check(damaged, "flip round " + std::to_string(round));
    }
    // Counts that ask for more than the file holds (the line count, the
    // first line's name) are refused before anything is allocated.
    for (const std::size_t at : {std::size_t{149}, std::size_t{253}}) {
        std::string huge = good;
        huge[at] = huge[at + 1] = huge[at + 2] = '\xFF';
        huge[at + 3] = '\x7F';
        check(huge, "huge count at " + std::to_string(at));
    }
}

TEST_F(GraphFileTest, ValuesOutsideTheirTablesAreRefused) {
    const std::string good = Written(*TwoLineDocument());
    const std::size_t line0 = 253;
    const std::size_t afterName = line0 + 4 + 13;
    const std::size_t colour = afterName + 4 + 4 + 4 + 4 + 4 + 4 + 1 + 4 + 13;
    const std::size_t trailer = good.size() - 38;
    const struct Case {
        const char* what;
        std::size_t at;
        std::int32_t value;
    } cases[] = {
        {"colour 17", colour, 17},
        {"colour -1", colour, -1},
        {"body type 10", afterName, 10},
        {"Moon number 1", afterName + 4, 1},
        {"name system 5 of the Moon", afterName + 8, 5},
        {"value kind 14", trailer + 16, 14},
        {"value kind 13 with lines", trailer + 16, 13},
        {"value system 4", trailer + 20, 4},
        {"month 13", 100 + 4, 13},
        {"30 February", 100 + 4, 2},
        {"time system 4", 100 + 20, 4},
        {"step unit 6", 100 + 48 + 1 + 4 + 3 + 4 + 8, 6},
        {"negative line count", 100 + 48 + 1, -1},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        if (std::strcmp(c.what, "30 February") == 0) {
            bad[100 + 8] = 30;  // day, with the month set below
        }
        for (int k = 0; k < 4; ++k) bad[c.at + k] = static_cast<char>(static_cast<std::uint32_t>(c.value) >> (8 * k));
        auto document = NewDocument();
        GraphFileFlags flags;
        EXPECT_FALSE(Read(bad, *document, flags)) << c.what;
        EXPECT_TRUE(flags.recognised && !flags.newer) << c.what;
    }
    std::string boolean = good;
    boolean[100 + 48] = 2;  // daylight saving
    std::string infinite = good;
    const double inf = std::numeric_limits<double>::infinity();
    std::memcpy(&infinite[good.size() - 38], &inf, 8);
    for (const std::string* bad : {&boolean, &infinite}) {
        auto document = NewDocument();
        GraphFileFlags flags;
        EXPECT_FALSE(Read(*bad, *document, flags));
    }
}

TEST_F(GraphFileTest, DamagedGraphIsReportedAsNotReadableNotAsNewer) {
    const std::string good = Written(*TwoLineDocument());
    ASSERT_TRUE(storage.PutFile(TXT("C:\\Graphs\\cut.gph"), good.substr(0, 3000)));
    auto document = NewDocument();
    GraphDocumentFileReader reader(*document);
    String error;
    EXPECT_FALSE(OpenGraphFileWithMessages(storage, product, String(TXT("C:\\Graphs\\cut.gph")), reader, error));
    EXPECT_NE(Utf8(error).find("not a graph file, or it is a graph that was created with a very old"),
              std::string::npos);
    ASSERT_TRUE(storage.PutFile(TXT("C:\\Graphs\\whole.gph"), good));
    EXPECT_TRUE(OpenGraphFileWithMessages(storage, product, String(TXT("C:\\Graphs\\whole.gph")), reader, error));
    EXPECT_EQ(document->LineCount(), 2);
}

// A write that fails at any byte leaves the old file byte for byte and no
// temporary file; so does a folder that does not exist.
TEST_F(GraphFileTest, FailedSaveLeavesTheOldFile) {
    const String path(TXT("C:\\Graphs\\kept.gph"));
    ASSERT_TRUE(storage.PutFile(path.Text(), "the old graph, longer than nothing"));
    auto document = TwoLineDocument();
    const std::size_t size = Written(*document).size();
    for (std::size_t at = 0; at < size; at += size / 23) {
        test::FailingStorage failing(storage, static_cast<std::uint32_t>(at));
        EXPECT_FALSE(SaveGraphFile(*document, failing, path)) << at;
        std::string bytes;
        ASSERT_TRUE(storage.GetFile(path.Text(), bytes));
        EXPECT_EQ(bytes, "the old graph, longer than nothing") << at;
        EXPECT_FALSE(storage.PathExists(TemporaryPathFor(path).Text())) << at;
    }
    EXPECT_FALSE(SaveGraphFile(*document, storage, String(TXT("C:\\Missing\\g.gph"))));
    EXPECT_TRUE(SaveGraphFile(*document, storage, path));
    std::string bytes;
    ASSERT_TRUE(storage.GetFile(path.Text(), bytes));
    EXPECT_EQ(bytes.size(), size);
}

}  // namespace
}  // namespace corvinata
