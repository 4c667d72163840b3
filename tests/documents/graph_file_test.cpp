// The graph file: golden files byte for byte, round trips, the header's
// outcomes, damage of every kind, and saves that fail part way.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <utility>

#include "base/storage.h"
#include "catalog/quantity_kinds.h"
#include "documents/graph_test_support.h"
#include "support/exhausted_storage.h"

namespace corvinata {
namespace {

using test::NamedLine;
using test::Utf8;

// Compares with a golden file; CN_UPDATE_GOLDEN=1 rewrites it first.
void ExpectGolden(const char* name, const std::string& bytes) {
    if (std::getenv("CN_UPDATE_GOLDEN")) {
        std::ofstream(test::TestsPath(std::string("documents/golden/") + name), std::ios::binary) << bytes;
    }
    EXPECT_TRUE(bytes == test::ReadGolden(name)) << name;
}

// A version 1.19 file as the earlier program wrote it: wide texts, no body
// names, reserved bytes; a line of the Sun and one without a body.
std::string Version119File() {
    std::string out = "Corvinata 1.19 graph file\n\x1A";
    out.resize(100, '\0');
    const auto i32 = [&out](std::int64_t v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    const auto f64 = [&out](double v) { out.append(reinterpret_cast<const char*>(&v), 8); };
    const auto bytes = [&out](std::initializer_list<int> list) { for (int b : list) out.push_back(static_cast<char>(b)); };
    const auto text = [&](const std::u16string& s, bool wide) {
        i32(static_cast<std::int64_t>(s.size() * (wide ? 2 : 1)));
        for (const char16_t c : s) wide ? bytes({c & 0xFF, c >> 8}) : bytes({c});
    };
    for (const int year : {2010, 2011}) i32(year), i32(1), i32(1), f64(0.0), i32(kLocalCivilTime);
    bytes({0}), i32(2), bytes({1, 0, 0}), i32(0), f64(1.0), i32(kDaysUnit), bytes({0});
    f64(-13.4), i32(1), f64(52.5), f64(1.0), i32(34), text(u"Germany", false), text(u"Berlin", false);
    i32(1), i32(kMonthsUnit), i32(1), i32(kMonthsUnit), i32(kLocalCivilTime);
    for (int line = 0; line < 2; ++line) {
        text(line == 0 ? u"Sun \u00e9" : u"Free", true);
        i32(line == 0 ? kBodySun : kNoBodyType), i32(0), i32(2), bytes({line});
        text(line == 0 ? u"Sun.Lat(hor)" : u"Phase(10)", true);
        i32(3 + line), bytes({1, 1, 0}), out.append(50, '\0');
        for (int i = 0; i < kGraphValueCount; ++i) f64(line * 100.0 + i);
        i32(line == 0 ? 2 : -1), i32(-1);
    }
    f64(-90.0), f64(90.0), i32(4), i32(2), bytes({0}), i32(kDaysUnit), i32(1), bytes({1}), i32(10);
    out.append(200, '\0');
    return out;
}

class GraphFileTest : public test::GraphTest {
protected:
    // A document opened from a damaged file is one the program can use: every
    // value within its table, the range in order, and saved again it reads back
    // with nothing to replace.
    void ExpectUsable(GraphDocument& document, const GraphFileFlags& flags, const std::string& what) {
        const TimeAndLocation& s = document.Options();
        EXPECT_TRUE(IsValidDate(s.beginDate) && IsValidDate(s.endDate)) << what;
        EXPECT_FALSE(DateTimeIsEarlier(s.endDate, s.beginDate)) << what;
        EXPECT_TRUE(TimeAndLocationStepFits(s.stepUnit, s.stepCount)) << what;
        EXPECT_TRUE(std::isfinite(s.yAxisMin) && std::isfinite(s.yAxisMax)) << what;
        EXPECT_TRUE(document.ValueKind() >= 0 && document.ValueKind() <= kValueKindUnknown) << what;
        for (int i = 0; i < document.LineCount(); ++i) {
            const GraphLine& line = *document.GetGraphLine(i);
            EXPECT_TRUE(line.colour >= 0 && line.colour < kGraphColourCount) << what;
            EXPECT_TRUE(line.system >= -1 && line.system <= 3) << what;
        }
        for (std::size_t i = 0; i < flags.replaced.size(); ++i) {
            for (std::size_t j = i + 1; j < flags.replaced.size(); ++j) {
                EXPECT_NE(Utf8(flags.replaced[i]), Utf8(flags.replaced[j])) << what;  // each named once
            }
        }
        auto again = NewDocument();
        GraphFileFlags reread;
        EXPECT_TRUE(Read(Written(document), *again, reread)) << what;
        EXPECT_TRUE(reread.replaced.empty()) << what;
    }
};

TEST_F(GraphFileTest, GoldenFilesByteForByte) {
    const std::string empty = Written(*NewDocument());
    EXPECT_EQ(empty.size(), 291u);  // 271 and "United Kingdom", "London"
    EXPECT_EQ(empty.substr(0, 28), std::string("Corvinata 1.20 graph file\n\x1A\0", 28));
    EXPECT_EQ(empty.find_first_not_of('\0', 27), 100u);
    ExpectGolden("empty.gph", empty);
    // Each line adds 2,967 bytes, its name, body name and expression.
    const std::string two = Written(*TwoLineDocument());
    EXPECT_EQ(two.size(), 291u + 2 * 2967 + (13 + 4 + 13) + (9 + 0 + 9));
    ExpectGolden("two_lines.gph", two);
    ExpectGolden("version_119.gph", Version119File());
}

TEST_F(GraphFileTest, EveryFieldComesBackAndInfiniteLimitsAsDrawn) {
    auto original = TwoLineDocument();
    TimeAndLocation& s = original->Settings();
    s.endFixed = s.xAxisReversed = s.yAxisReversed = s.daylightSaving = s.yAxisGridActive = true;
    s.xAxisHorizontal = false;
    s.beginDate = DateTime{2031, 2, 3, 4.5, kUniversalTime};
    ASSERT_TRUE(TimeAndLocationSetEndDate(s, DateTime{2031, 3, 3, 4.5, kUniversalTime}));
    s.xAxisMarkStep = {kHoursUnit, 6};
    s.xAxisLabelStep = {kDaysUnit, 2};
    s.xAxisTimeSystem = kUniversalTime;
    s.xAxisGridStep = {kMinutesUnit, 30};
    s.location.coordinates.longitude.mode = kEastPositive;
    s.yAxisMin = -std::numeric_limits<double>::infinity();
    s.yAxisMax = std::numeric_limits<double>::infinity();
    original->SetValueKind(kQuantityLatitude, 2);
    original->GetGraphLine(0)->values[3] = std::numeric_limits<double>::quiet_NaN();
    original->GetGraphLine(0)->values[4] = -0.0;

    auto read = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(Read(Written(*original), *read, flags));
    original->DrawnYRange(s.yAxisMin, s.yAxisMax, s.yAxisMin, s.yAxisMax);
    ASSERT_TRUE(std::isfinite(s.yAxisMin) && std::isfinite(s.yAxisMax));
    EXPECT_TRUE(TimeAndLocationEquals(read->Options(), s));
    EXPECT_EQ(read->Options().location.coordinates.longitude.mode, kEastPositive);
    EXPECT_EQ(std::make_tuple(read->ValueKind(), read->ValueSystem(), read->ReservedOption(),
                              read->SelectedLine(), read->HasFile(), read->FileVersionMinor()),
              std::make_tuple(kQuantityLatitude, 2, 7, 0, true, 20));
    EXPECT_EQ(Utf8(read->FilePath()), "C:\\Graphs\\read.gph");
    ASSERT_EQ(read->LineCount(), 2);
    for (int l = 0; l < 2; ++l) {
        const GraphLine& a = *original->GetGraphLine(l);
        const GraphLine& b = *read->GetGraphLine(l);
        EXPECT_EQ(std::memcmp(a.values.data(), b.values.data(), sizeof a.values), 0) << l;
        EXPECT_TRUE(a.ExpressionText() == b.ExpressionText() && !BodyIdentifierDiffers(a.body, b.body));
        EXPECT_EQ(std::make_tuple(a.function, a.scriptEdited, a.colour, a.visibleInControlPanel,
                                  a.visibleInGraph, a.system),
                  std::make_tuple(b.function, b.scriptEdited, b.colour, b.visibleInControlPanel,
                                  b.visibleInGraph, b.system));
        EXPECT_EQ(b.fillAbove, -1);  // fills belong to the charts, never stored
    }
    EXPECT_EQ(Utf8(read->GetGraphLine(1)->name), "Phase ?t?");
}

// The kind is derived before anything is written, so the file reads back
// equal; a first line without a kind keeps 13, which then reads back too.
TEST_F(GraphFileTest, SavingDerivesTheKindFirst) {
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

    original->InsertLine(0, NamedLine("broken", "Moon.Lat(hor"));
    ASSERT_TRUE(Read(Written(*original), *read, flags));
    EXPECT_EQ(read->ValueKind(), kValueKindUnknown);
    EXPECT_EQ(read->LineCount(), 3);
}

TEST_F(GraphFileTest, Version119LinesTakeTheirBodyNamesFromTheCatalogue) {
    auto read = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(Read(test::ReadGolden("version_119.gph"), *read, flags));
    ASSERT_EQ(read->LineCount(), 2);
    EXPECT_EQ(read->FileVersionMinor(), 19);
    const GraphLine& sun = *read->GetGraphLine(0);
    EXPECT_EQ(Utf8(sun.name), "Sun \u00e9");  // wide texts keep every character
    EXPECT_EQ(Utf8(sun.body.name), "Sun");
    EXPECT_EQ(sun.values[365], 365.0);
    EXPECT_EQ(read->GetGraphLine(1)->body.object, nullptr);  // body type 9: no body
    EXPECT_EQ(Utf8(read->Options().location.town), "Berlin");
}

TEST_F(GraphFileTest, HeaderOutcomes) {
    const std::string body = Written(*NewDocument()).substr(100);
    const struct Case {
        const char* header;
        bool read, recognised, tooOld, newer;
    } cases[] = {
        {"Corvinata 1.20 graph file\n\x1A", true, true, false, false},
        {"Corvinata  +1.20 graph file", true, true, false, false},  // white space and a sign
        {"Corvinata 1.21 graph file", false, true, false, true},
        {"Corvinata 2.0 graph file", false, true, false, true},
        {"Corvinata 0.99 graph file", false, true, true, false},
        {"Corvinata 1.18 graph file", false, true, true, false},
        {"corvinata 1.20 graph file", false, false, false, false},
        {"Corvinata1.20 graph file", false, false, false, false},
        {"Corvinata 1.99999999999 graph file", false, false, false, false},
        {"", false, false, false, false},
    };
    for (const Case& c : cases) {
        std::string header(c.header);
        header.resize(100, '\0');
        auto document = NewDocument();
        GraphFileFlags flags;
        EXPECT_EQ(Read(header + body, *document, flags), c.read) << c.header;
        EXPECT_EQ(std::make_tuple(flags.recognised, flags.tooOld, flags.newer),
                  std::make_tuple(c.recognised, c.tooOld, c.newer))
            << c.header;
        if (c.read) {
            EXPECT_EQ(document->SelectedLine(), -1);  // no lines, no selection
        }
    }
}

// Damage anywhere gives one of the outcomes, never a crash: refused, the
// target document as it was and the graph never "newer"; or opened, every
// value usable.
TEST_F(GraphFileTest, TruncationsAndDamageLeaveTheDocumentUnchangedOrUsable) {
    const std::string good = Written(*TwoLineDocument());
    auto target = NewDocument();
    target->InsertLine(0, NamedLine("keep"));
    const std::string before = Written(*target);
    const auto refused = [&](const std::string& bytes, const std::string& what) {
        GraphFileFlags flags;
        if (Read(bytes, *target, flags)) {
            ExpectUsable(*target, flags, what);
            return false;
        }
        EXPECT_TRUE(flags.recognised && !flags.newer && !flags.tooOld) << what;
        EXPECT_EQ(Written(*target), before) << what;
        return true;
    };
    for (std::size_t n = 0; n < good.size(); ++n) {
        GraphFileFlags flags;
        if (n < 25) {
            EXPECT_FALSE(Read(good.substr(0, n), *target, flags) || flags.recognised) << n;
        } else {
            EXPECT_TRUE(refused(good.substr(0, n), "cut at " + std::to_string(n)));
        }
    }
    std::mt19937 random(28);
    int opened = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = good;
        for (int flips = 1 + static_cast<int>(random() % 4); flips > 0; --flips) {
            const std::size_t at = 100 + random() % (damaged.size() - 100);
            damaged[at] = static_cast<char>(damaged[at] ^ (1u << (random() % 8)));
        }
        // Every other round one field takes an extreme value whole.
        if (round % 2 == 1) {
            const std::int32_t extremes[] = {-1, 2, 13, 99, 0x7FFFFFFF, INT32_MIN, 0x7FF00000};
            const std::int32_t value = extremes[random() % std::size(extremes)];
            std::memcpy(&damaged[100 + random() % (damaged.size() - 104)], &value, 4);
        }
        if (!refused(damaged, "round " + std::to_string(round))) {
            ++opened;
            target = NewDocument();
            target->InsertLine(0, NamedLine("keep"));
        }
    }
    EXPECT_GT(opened, 1000);  // most damage lies in values, which open with defaults
    // Counts the bytes cannot hold are refused before anything is allocated.
    const struct Case {
        const char* what;
        std::size_t at;
        std::int32_t value;
    } cases[] = {
        {"line count -1", 149, -1},
        {"huge line count", 149, 0x7FFFFFFF},
        {"huge name", 253, 0x7FFFFFFF},
        {"huge expression", 253 + 4 + 13 + 16 + 4 + 4 + 1, 0x7FFFFFF0},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        std::memcpy(&bad[c.at], &c.value, 4);
        EXPECT_TRUE(refused(bad, c.what));
    }
}

// A value outside its table opens with the field's default in its place,
// and the field is named once for the notice.
TEST_F(GraphFileTest, ValuesOutsideTheirTablesOpenWithTheirDefaultsNamed) {
    const std::string good = Written(*TwoLineDocument());
    const std::size_t colour = 253 + 4 + 13 + 42, trailer = good.size() - 38;
    const TimeAndLocation defaults = NewDocument()->Options();
    const struct Case {
        const char* what;
        std::size_t at;
        std::int32_t value;
        const char* field;  // none: opened as it is
        std::function<bool(const GraphDocument&)> settled;
        std::size_t width = 4;  // bytes of the value written
        // The lines' values were computed for a range or a place that took a
        // default: they are computed again, else they are the file's.
        bool computed = false;
    } cases[] = {
        {"colour 17", colour, 17, "line colour", [](const GraphDocument& d) { return d.GetGraphLine(0)->colour == 0; }},
        {"colour 99", colour, 99, "line colour", [](const GraphDocument& d) { return d.GetGraphLine(0)->colour == 0; }},
        {"colour -1", colour, -1, "line colour", [](const GraphDocument& d) { return d.GetGraphLine(0)->colour == 0; }},
        {"body type 10", 270, 10, "line body",
         [](const GraphDocument& d) { return d.GetGraphLine(0)->body.object == nullptr; }},
        {"Moon number 1", 274, 1, "line body",
         [](const GraphDocument& d) { return d.GetGraphLine(0)->body.object == nullptr; }},
        {"Moon name system 5", 278, 5, "line body",
         [](const GraphDocument& d) { return d.GetGraphLine(0)->body.object == nullptr; }},
        {"value kind 42", trailer + 16, 42, "value kind",
         [](const GraphDocument& d) { return d.ValueKind() == kValueKindUnknown && d.ValueSystem() == -1; }},
        {"value kind 14", trailer + 16, 14, "value kind",
         [](const GraphDocument& d) { return d.ValueKind() == kValueKindUnknown; }},
        {"value system 4", trailer + 20, 4, "value kind",
         [](const GraphDocument& d) { return d.ValueKind() == kValueKindUnknown; }},
        {"kind 13 with lines", trailer + 16, 13, nullptr,
         [](const GraphDocument& d) { return d.ValueKind() == kValueKindUnknown && d.LineCount() == 2; }},
        {"month 13", 104, 13, "begin date",
         [&](const GraphDocument& d) { return DateTimeEqual(d.Options().beginDate, defaults.beginDate); }, 4, true},
        {"time system 4", 120, 4, "begin date",
         [&](const GraphDocument& d) { return DateTimeEqual(d.Options().beginDate, defaults.beginDate); }, 4, true},
        {"end month 0", 128, 0, "end date",
         [&](const GraphDocument& d) { return DateTimeEqual(d.Options().endDate, defaults.endDate); }, 4, true},
        {"end year 1999", 124, 1999, "end date",  // before the begin: 365 steps of a day after it
         [&](const GraphDocument& d) { return DateTimeEqual(d.Options().endDate, defaults.endDate); }, 4, true},
        {"step unit 6", 168, 6, "time step",
         [](const GraphDocument& d) { return d.Options().stepUnit == kDaysUnit && d.Options().stepCount == 1.0; },
         4, true},
        {"daylight saving 2", 148, 2, "daylight saving time",
         [&](const GraphDocument& d) { return d.Options().daylightSaving == defaults.daylightSaving; }, 1, true},
        {"longitude mode 7", 181, 7, "location",
         [&](const GraphDocument& d) {
             return d.Options().location.coordinates.longitude.mode == defaults.location.coordinates.longitude.mode;
         },
         4, true},
        {"axis time system 9", 249, 9, "x axis time system",
         [&](const GraphDocument& d) { return d.Options().xAxisTimeSystem == defaults.xAxisTimeSystem; }, 4, true},
        {"infinite y max", trailer + 12, 0x7FF00000, "y axis range",
         [](const GraphDocument& d) { return d.Options().yAxisMax == 360.0 && d.ValueKind() == kValueKindUnknown; }},
        {"mark unit 7", 237, 7, "x axis marks",
         [&](const GraphDocument& d) { return TimeStepEqual(d.Options().xAxisMarkStep, defaults.xAxisMarkStep); }},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        std::memcpy(&bad[c.at], &c.value, c.width);
        auto document = NewDocument();
        GraphFileFlags flags;
        ASSERT_TRUE(Read(bad, *document, flags)) << c.what;
        std::vector<std::string> named;
        for (const Char* field : flags.replaced) named.push_back(Utf8(field));
        EXPECT_EQ(named, c.field ? std::vector<std::string>{c.field} : std::vector<std::string>{}) << c.what;
        EXPECT_TRUE(c.settled(*document)) << c.what;
        EXPECT_EQ(document->LineCount(), 2) << c.what;
        // The phase line computes 50 everywhere; its file holds -1 at 7.
        EXPECT_EQ(document->GetGraphLine(1)->values[7], c.computed ? 50.0 : -1.0) << c.what;
        ExpectUsable(*document, flags, c.what);
    }
    // Several fields at once are named in the order of the file.
    std::string bad = good;
    for (const auto& [at, value] : {std::pair{trailer + 16, 42}, std::pair{colour, 99}, std::pair{std::size_t{104}, 13}}) {
        std::memcpy(&bad[at], &value, 4);
    }
    auto document = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(Read(bad, *document, flags));
    std::vector<std::string> named;
    for (const Char* field : flags.replaced) named.push_back(Utf8(field));
    EXPECT_EQ(named, (std::vector<std::string>{"begin date", "line colour", "value kind"}));
}

// A stream over bytes in memory that counts what it hands out.
class CountingFile final : public BinaryFile {
public:
    explicit CountingFile(std::string bytes) : BinaryFile(String(TXT("C:\\Graphs\\big.gph"))), bytes_(std::move(bytes)) {}
    bool Close() override { return true; }
    bool Create(bool) override { return true; }
    bool Exists() override { return true; }
    std::uint32_t GetSize() override { return static_cast<std::uint32_t>(bytes_.size()); }
    bool Open(FileOpenMode) override { return true; }
    bool AtEnd() const override { return position_ >= bytes_.size(); }
    bool IsOpen() const override { return true; }
    bool OpenSharedForReading() override { return true; }
    bool ReadSome(void* buffer, std::uint32_t count, std::uint32_t& bytesRead) override {
        bytesRead = static_cast<std::uint32_t>(std::min<std::size_t>(count, bytes_.size() - position_));
        std::memcpy(buffer, bytes_.data() + position_, bytesRead);
        position_ += bytesRead;
        handedOut += bytesRead;
        return bytesRead > 0 || count == 0;
    }
    bool Write(const void*, std::uint32_t) override { return false; }
    std::uint32_t GetPosition() override { return static_cast<std::uint32_t>(position_); }
    bool SetPosition(std::uint32_t position) override {
        position_ = position;
        return true;
    }
    bool Truncate() override { return false; }
    std::size_t handedOut = 0;

protected:
    bool RemoveFromDisk() override { return false; }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};

// The header decides before the rest of a file is read: a large file that is
// no graph, or a graph of another version, costs its first 100 bytes.
TEST_F(GraphFileTest, TheHeaderIsCheckedBeforeTheRestIsRead) {
    const std::string body(4 << 20, 'x');
    const struct Case {
        const char* header;
        bool recognised;
    } cases[] = {{"PK\x03\x04 an archive", false}, {"Corvinata 1.21 graph file", true}, {"Corvinata 1.18 graph file", true}};
    for (const Case& c : cases) {
        std::string header(c.header);
        header.resize(100, '\0');
        CountingFile file(header + body);
        auto document = NewDocument();
        GraphFileFlags flags;
        EXPECT_FALSE(OpenGraphFile(file, *document, flags)) << c.header;
        EXPECT_EQ(flags.recognised, c.recognised) << c.header;
        EXPECT_EQ(file.handedOut, 100u) << c.header;
    }
    CountingFile graph(Written(*TwoLineDocument()));
    auto document = NewDocument();
    GraphFileFlags flags;
    EXPECT_TRUE(OpenGraphFile(graph, *document, flags));
    EXPECT_EQ(document->LineCount(), 2);
}

// The step's count is a real number: kept and written as it was given, not
// as whole units of the range divided back.
TEST_F(GraphFileTest, StepCountIsKeptAndWrittenAsGiven) {
    for (const double count : {2.9, 1.0, 0.5, 7.25}) {
        auto original = TwoLineDocument();
        ASSERT_TRUE(TimeAndLocationSetStep(original->Settings(), kDaysUnit, count));
        const std::string bytes = Written(*original);
        double written = 0.0;
        std::memcpy(&written, &bytes[160], 8);
        EXPECT_EQ(written, count);
        auto read = NewDocument();
        GraphFileFlags flags;
        ASSERT_TRUE(Read(bytes, *read, flags));
        EXPECT_EQ(read->Options().stepCount, count);
        EXPECT_EQ(Written(*read), bytes);
    }
}

TEST_F(GraphFileTest, DamagedGraphIsReportedAsNotReadableNotAsNewer) {
    ASSERT_TRUE(storage.PutFile(TXT("C:\\Graphs\\cut.gph"), Written(*TwoLineDocument()).substr(0, 3000)));
    auto document = NewDocument();
    GraphDocumentFileReader reader(*document);
    String error;
    EXPECT_FALSE(OpenGraphFileWithMessages(storage, product, String(TXT("C:\\Graphs\\cut.gph")), reader, error));
    EXPECT_NE(Utf8(error).find("or it is a graph that was created with a very old"), std::string::npos);
}

// A graph that runs the memory out after its header is a file that cannot
// be read as a graph, reported as such.
TEST_F(GraphFileTest, GraphTheMemoryCannotHoldIsReportedAsNotReadable) {
    test::ExhaustedStorage exhausted(kGraphHeaderSize);
    exhausted.Memory().MakeFolder(TXT("C:\\Graphs"));
    ASSERT_TRUE(exhausted.Memory().PutFile(TXT("C:\\Graphs\\big.gph"), Written(*TwoLineDocument())));
    auto document = NewDocument();
    GraphDocumentFileReader reader(*document);
    String error;
    EXPECT_FALSE(OpenGraphFileWithMessages(exhausted, product, String(TXT("C:\\Graphs\\big.gph")), reader, error));
    EXPECT_NE(Utf8(error).find("or it is a graph that was created with a very old"), std::string::npos);
    EXPECT_EQ(document->LineCount(), 0);
}

// A disk that fills up at any byte leaves the old file byte for byte and no
// temporary file; so does a folder that does not exist.
TEST_F(GraphFileTest, FailedSaveLeavesTheOldFile) {
    const String path(TXT("C:\\Graphs\\kept.gph"));
    const std::string old = "the old graph, longer than nothing";
    ASSERT_TRUE(storage.PutFile(path.Text(), old));
    auto document = TwoLineDocument();
    const std::size_t size = Written(*document).size();
    for (std::size_t at = 0; at < size; at += size / 23) {
        storage.Files().LimitWrites(at);
        EXPECT_FALSE(SaveGraphFile(*document, storage, path)) << at;
        storage.Files().UnlimitWrites();
        std::string bytes;
        EXPECT_TRUE(storage.GetFile(path.Text(), bytes) && bytes == old) << at;
        EXPECT_FALSE(storage.PathExists(TemporaryPathFor(path).Text())) << at;
    }
    EXPECT_FALSE(SaveGraphFile(*document, storage, String(TXT("C:\\Missing\\g.gph"))));
}

}  // namespace
}  // namespace corvinata
