// The words programs compile into, and the body lookup behind names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/memory_storage.h"
#include "catalog/event_kinds.h"
#include "fake_script_catalogue.h"
#include "script/body_lookup.h"
#include "script/compiler_context.h"
#include "script/script_code.h"
#include "script/expression_rules.h"
#include "script/script_expression.h"
#include "support/catalogues.h"
#include "support/exhausted_storage.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;
using Words = std::vector<CodeWord>;

// The words of a one-statement program between its start and end records.
Words StatementWords(const std::string& program) {
    test::FakeScriptCatalogue catalogue;
    ScriptExpression script(Wide(program).c_str());
    EXPECT_TRUE(CompileScriptProgram(script, catalogue))
        << program << ": " << Utf8(script.message) << " " << Utf8(script.detail);
    const ScriptCode& code = script.code;
    if (code.size() < 4 || code.front() != kOpStatementStart) return {};
    EXPECT_EQ(code[code.size() - 2], kOpStatementEnd);
    return Words(code.begin() + 2, code.end() - 2);
}

void Append(Words& words, const char* text) {
    words.push_back(static_cast<CodeWord>(std::strlen(text)));
    for (const char* p = text; *p; ++p) words.push_back(static_cast<CodeWord>(*p));
}

void Append(Words& words, double value) {
    ScriptCode code;
    EmitDouble(code, value);
    words.insert(words.end(), code.begin(), code.end());
}

Words Header(CodeWord op, const char* name) {
    Words words{op};
    Append(words, name);
    return words;
}

// The compiler's window names follow Open and Close, and With's keywords are
// whole words, so every name Open accepts can be used with With.
TEST(ProgramWords, WindowNamesFollowOpenCloseAndWith) {
    for (const char* program :
         {"Open Sky As S\nClose S\nOpen Sky As S\nWith S Activate",
          "Open Sky As Educator1\nWith Educator1 Activate",
          "Open Sky As ApplicationView1\nWith ApplicationView1 Activate",
          "Open Sky As EventFinderSky\nWith EventFinderSky Activate"}) {
        test::FakeScriptCatalogue catalogue;
        ScriptExpression script(Wide(program).c_str());
        EXPECT_TRUE(CompileScriptProgram(script, catalogue))
            << program << ": " << Utf8(script.message) << " " << Utf8(script.detail);
    }
}

TEST(ProgramWords, OpenWithoutClausesEndsAtTheName) {
    EXPECT_EQ(StatementWords("Open Sky As S"), Header(kOpOpenSky, "S"));
    Words graph = Header(kOpOpenGraph, "G");
    Append(graph, "");
    graph.push_back(kOpClauseListEnd);
    EXPECT_EQ(StatementWords("Open Graph As G"), graph);
}

TEST(ProgramWords, AxisBoundsFollowTheLinesWhateverTheirPlace) {
    Words expected = Header(kOpOpenGraph, "G");
    Append(expected, "");
    expected.push_back(32);
    Append(expected, "n");
    Append(expected, "Moon.Lat(ecl)");
    Append(expected, "red");
    expected.push_back(32);
    Append(expected, "m");
    Append(expected, "2");
    Append(expected, "blue");
    expected.insert(expected.end(), {104, static_cast<CodeWord>(-5), kOpClauseListEnd});
    EXPECT_EQ(StatementWords("Open Graph As G Set YAxisFrom -5\n"
                             "  Add Line Name \"n\" Code \"Moon.Lat(ecl)\" Colour red\n"
                             "  Add Line Colour \"blue\" Code \"2\" Name \"m\""),
              expected);
}

// Longitudes are read east positive and stored west positive.
TEST(ProgramWords, CenterAndObserverLongitudesAreStoredWestPositive) {
    for (const auto& c : {std::make_pair("10E", -10.0), std::make_pair("10W", 10.0)}) {
        Words expected = Header(kOpOpenSolarEclipse, "E");
        expected.push_back(52);
        Append(expected, c.second);
        Append(expected, 5.0);
        expected.push_back(kOpClauseListEnd);
        const std::string lon = std::string("Lon ") + c.first;
        EXPECT_EQ(StatementWords("Open Solar Eclipse As E Center " + lon + " Lat 5N"), expected);
        EXPECT_EQ(StatementWords("Open Solar Eclipse As E Center Lat 5N " + lon), expected);
        Words observer = Header(kOpOpenSolarEclipse, "E");
        observer.push_back(76);
        Append(observer, c.second);
        observer.push_back(kOpClauseListEnd);
        EXPECT_EQ(StatementWords("Open Solar Eclipse As E Set Observer " + lon), observer);
    }
}

TEST(ProgramWords, LocationByCoordinatesOrByPlace) {
    Words coordinates = Header(kOpOpenGraph, "G");
    Append(coordinates, "");
    coordinates.insert(coordinates.end(), {75, 0});
    Append(coordinates, -10.0);
    Append(coordinates, 50.0);
    Append(coordinates, 1.0);
    coordinates.push_back(kOpClauseListEnd);
    EXPECT_EQ(StatementWords("Open Graph As G Set Location TimeZone 1 Lat 50N Lon 10E"),
              coordinates);

    Words place = Header(kOpOpenGraph, "G");
    Append(place, "");
    place.insert(place.end(), {75, 1});
    Append(place, "France");
    Append(place, "Paris");
    place.push_back(kOpClauseListEnd);
    EXPECT_EQ(StatementWords("Open Graph As G Set Location Town \"Paris\" Country \"France\""),
              place);
}

TEST(ProgramWords, GridPartsAreEmittedAppearanceFirst) {
    Words expected = Header(kOpOpenSky, "S");
    expected.insert(expected.end(), {71, 2, 38, 1, 39, 1, kOpClauseListEnd});
    EXPECT_EQ(StatementWords("Open Sky As S Set Grid EQU Labels on Appearance crosses"), expected);
    EXPECT_EQ(StatementWords("Open Sky As S Set Grid equ Appearance crosses Labels on"), expected);
}

// A time given for the observer does not leak into the eclipse date.
TEST(ProgramWords, EclipseDateIsAtMidnight) {
    Words expected = Header(kOpOpenSolarEclipse, "E");
    expected.insert(expected.end(), {98, 103000, 53, 19990811, 0, kOpClauseListEnd});
    EXPECT_EQ(StatementWords("Open Solar Eclipse As E Set Observer Time 10:30 "
                             "Eclipse Date 11.8.1999"),
              expected);
}

TEST(ProgramWords, SelectCarriesTheHighlightSwitch) {
    for (const auto& c : {std::make_pair("", 0u), std::make_pair(" Highlight", 1u)}) {
        Words expected = Header(kOpOpenSky, "S");
        expected.insert(expected.end(), {54, kBodyMoon, 0, c.second, kOpClauseListEnd});
        EXPECT_EQ(StatementWords(std::string("Open Sky As S Select Moon") + c.first), expected);
    }
}

TEST(ProgramWords, TimeStepsTakeSingularUnits) {
    Words expected = Header(kOpOpenGraph, "G");
    Append(expected, "");
    expected.insert(expected.end(), {92, 2, kHoursUnit, 102, 3, kDaysUnit, kOpClauseListEnd});
    EXPECT_EQ(StatementWords("Open Graph As G Set Step 2 hour XAxisLabel 3 days"), expected);
}

TEST(ProgramWords, MessageLineBreaksAndWindowStatements) {
    Words message{kOpMessage, 4, 'a', '\r', '\n', 'b'};
    EXPECT_EQ(StatementWords("Message \"a\\nb\""), message);

    test::FakeScriptCatalogue catalogue;
    ScriptExpression script(TXT("# comment\nOpen Jupiter As J\nWith J Show Io Europa"));
    ASSERT_TRUE(CompileScriptProgram(script, catalogue));
    Words with{kOpStatementStart, 28, kOpWithWindow};
    Append(with, "J");
    with.insert(with.end(), {kScriptJupiter, 106, kBodyJupiterSatellite, 0, kBodyJupiterSatellite,
                             1, kOpClauseListEnd, kOpClauseListEnd, kOpStatementEnd, 49});
    const Words tail(script.code.end() - static_cast<long>(with.size()), script.code.end());
    EXPECT_EQ(tail, with);
    EXPECT_EQ(script.code[1], 10u);  // the comment emitted nothing
    EXPECT_EQ(Utf8(script.message), "Compiled successfully");
    EXPECT_TRUE(script.detail.IsEmpty());
}

TEST(ProgramWords, EventFinderSearchCompilesItsCondition) {
    test::FakeScriptCatalogue catalogue;
    ScriptExpression script(TXT("With EventFinder Search Begin 1.1.2000 End 2.1.2000 Dst off\r\n"
                                "  Location Lon 0 Lat 0 TimeZone 0 Step 1 day\r\n"
                                "  Code \"Sun.Mag() < 0\"\r\n"
                                "Message \"done\""));
    ASSERT_TRUE(CompileScriptProgram(script, catalogue)) << Utf8(script.message);
    EXPECT_EQ(script.code[3], 60u);
    EXPECT_EQ(script.code[4], 20000101u);
}

TEST(ProgramWords, SecondCompilationStartsFromEmptyCode) {
    test::FakeScriptCatalogue catalogue;
    ScriptExpression script(TXT("Open Sky As S"));
    ASSERT_TRUE(CompileScriptProgram(script, catalogue));
    const ScriptCode first = script.code;
    ASSERT_TRUE(CompileScriptProgram(script, catalogue));
    EXPECT_EQ(script.code, first);
}

// A date is read with the integer reader's signs: written with them it is
// the same date.
TEST(ProgramWords, ADateTakesItsNumbersSigns) {
    for (const char* date : {"+1.2.2026", "1.+2.+2026", "+01.+02.+2026"}) {
        EXPECT_EQ(StatementWords(std::string("Open Sky As S Set Date ") + date + " Time 12:00"),
                  StatementWords("Open Sky As S Set Date 1.2.2026 Time 12:00"))
            << date;
    }
}

// A time that reaches 24 h is the day's end, not its start: 0 h of the
// next day.
TEST(TimeOfDayWord, RoundsSecondsAndEndsTheDayAtMidnight) {
    EXPECT_EQ(TimeOfDayWord(0.0), 0u);
    EXPECT_EQ(TimeOfDayWord(12.5), 123000u);
    EXPECT_EQ(TimeOfDayWord(10 + 59 / 60.0 + 59.6 / 3600), 110000u);
    EXPECT_EQ(TimeOfDayWord(23 + 59 / 60.0 + 59.4 / 3600), 235959u);
    EXPECT_EQ(TimeOfDayWord(23 + 59 / 60.0 + 59.7 / 3600), kDayEndWord);
    EXPECT_EQ(TimeOfDayWord(24.0), kDayEndWord);
}

// A statement's time is read as it is written, a fraction of a second and
// 24:00 included, and rounded as the time's word rounds it: half a second
// carries, a fifth of a microsecond less does not.
TEST(ProgramWords, ATimeIsWrittenAsItsWordRoundsIt) {
    const struct {
        const char* time;
        const char* same;
    } rows[] = {{"23:59:59.7", "24:00"},         {"24:00:00", "24:00"},
                {"0:00:00.4", "0:00"},           {"10:30:00.4", "10:30"},
                {"10:59:59.5", "11:00"},         {"12:59:59.5", "13:00"},
                {"12:59:59.4999998", "12:59:59"}, {"23:59:59.4999998", "23:59:59"},
                {"7:15:29.5", "7:15:30"},        {"7:15:29.4999998", "7:15:29"},
                {"0:00:00.5", "0:00:01"},        {"0:00:00.4999998", "0:00"},
                {"0:02:59.5", "0:03"}};
    for (const auto& row : rows) {
        EXPECT_EQ(StatementWords(std::string("With Application Set Time ") + row.time),
                  StatementWords(std::string("With Application Set Time ") + row.same))
            << row.time;
    }
    EXPECT_NE(StatementWords("With Application Set Time 24:00"), StatementWords("With Application Set Time 0:00"));
}

// A statement that names a date and a time of 24:00 names the next day's
// 0:00, in either order of its clauses; on the last valid day the time is
// held at 23:59:59. A time of 24:00 alone stays the day's end.
TEST(ProgramWords, ADateWithMidnightAtItsEndIsTheNextDay) {
    const struct {
        const char* statement;
        const char* same;
    } rows[] = {
        {"With Application Set Date 1.2.2026 Time 24:00", "With Application Set Date 2.2.2026 Time 0:00"},
        {"With Application Set Date 1.2.2026 Time 23:59:59.7", "With Application Set Date 2.2.2026 Time 0:00"},
        {"With Application Set Date 1.2.2026 Time 23:59:59.4999998", "With Application Set Date 1.2.2026 Time 23:59:59"},
        {"With Application Set Time 24:00 Date 31.12.2026", "With Application Set Time 0:00 Date 1.1.2027"},
        {"With Application Set Date 31.12.3000 Time 24:00", "With Application Set Date 31.12.3000 Time 23:59:59"},
        {"Open Sky As S Set Date 28.2.2026 Time 24:00", "Open Sky As S Set Date 1.3.2026 Time 0:00"},
        {"Open Solar Eclipse As E Set Observer Date 1.2.2026 Time 24:00",
         "Open Solar Eclipse As E Set Observer Date 2.2.2026 Time 0:00"},
        {"Open Graph As G Set Begin Date 1.2.2026 Time 24:00", "Open Graph As G Set Begin Date 2.2.2026 Time 0:00"},
    };
    for (const auto& row : rows) EXPECT_EQ(StatementWords(row.statement), StatementWords(row.same)) << row.statement;
    const Words alone = StatementWords("Open Sky As S Set Time 24:00");
    EXPECT_NE(std::find(alone.begin(), alone.end(), kDayEndWord), alone.end());
}

TEST(ProgramWords, ScriptFileIsReadWithItsFolder) {
    MemoryStorageService storage;
    ASSERT_TRUE(storage.MakeFolder(TXT("C:\\Lessons")));
    ASSERT_TRUE(storage.PutFile(TXT("C:\\Lessons\\moon.txt"), "Open Sky As S\nBogus\n"));
    ScriptExpression script(TXT("old"));
    EXPECT_FALSE(LoadScriptFile(script, storage, TXT("C:\\Lessons\\none.txt")));
    EXPECT_EQ(Utf8(script.source), "old");
    ASSERT_TRUE(LoadScriptFile(script, storage, TXT("C:\\Lessons\\moon.txt")));
    EXPECT_EQ(Utf8(script.folder), "C:\\Lessons");
    test::FakeScriptCatalogue catalogue;
    EXPECT_FALSE(CompileScriptProgram(script, catalogue));
    EXPECT_EQ(script.errorLine, 2);
    EXPECT_EQ(script.errorColumn, 6);
}

// A script file that runs the memory out while it is read is one that
// cannot be read; the expression keeps what it held.
TEST(ProgramWords, ScriptFileTheMemoryCannotHoldIsNotRead) {
    test::ExhaustedStorage storage(8);
    ASSERT_TRUE(storage.Memory().MakeFolder(TXT("C:\\Lessons")));
    ASSERT_TRUE(storage.Memory().PutFile(TXT("C:\\Lessons\\moon.txt"), "Open Sky As S\nMessage \"hi\"\n"));
    ScriptExpression script(TXT("old"));
    EXPECT_FALSE(LoadScriptFile(script, storage, TXT("C:\\Lessons\\moon.txt")));
    EXPECT_EQ(Utf8(script.source), "old");
}

// An editor's UTF-8 byte-order mark is skipped; a NUL byte, which would cut
// its line short unseen, makes the file no script text.
TEST(ProgramWords, ScriptFileByteOrderMarkAndNulByte) {
    MemoryStorageService storage;
    ASSERT_TRUE(storage.MakeFolder(TXT("C:\\Lessons")));
    ASSERT_TRUE(storage.PutFile(TXT("C:\\Lessons\\bom.txt"), "\xEF\xBB\xBFOpen Sky As S\n"));
    ASSERT_TRUE(storage.PutFile(TXT("C:\\Lessons\\nul.txt"),
                                std::string("Open Sky As S\nBogus\0 rest\n", 26)));
    ScriptExpression script(TXT("old"));
    ASSERT_TRUE(LoadScriptFile(script, storage, TXT("C:\\Lessons\\bom.txt")));
    EXPECT_EQ(Utf8(script.source), "Open Sky As S");
    test::FakeScriptCatalogue catalogue;
    EXPECT_TRUE(CompileScriptProgram(script, catalogue)) << Utf8(script.message);

    ScriptExpression cut(TXT("old"));
    EXPECT_FALSE(LoadScriptFile(cut, storage, TXT("C:\\Lessons\\nul.txt")));
    EXPECT_EQ(Utf8(cut.source), "old");
}

struct LookupCase {
    const char* name;
    bool found;
    int type;
    int number;
};

class BodyLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(BodyLookup, FindsTheEarliestCatalogue) {
    const LookupCase& c = GetParam();
    test::FakeScriptCatalogue catalogue;
    BodyRef body;
    ASSERT_EQ(FindBodyByName(catalogue, Wide(c.name).c_str(), body), c.found) << c.name;
    if (c.found) {
        EXPECT_EQ(body.type, c.type) << c.name;
        EXPECT_EQ(body.number, c.number) << c.name;
    }
}

const LookupCase kLookups[] = {
    {"moon", true, kBodyMoon, 0},
    {"MOON", true, kBodyMoon, 0},
    {"Mars", true, kBodyPlanet, 2},  // a star of that name comes later
    {"Titan", true, kBodySaturnSatellite, 1},
    {"Big Dipper", true, kBodyConstellation, 1},
    {"Minkar", true, kBodyStar, 0},
    {"bsc 4630", true, kBodyStar, 0},
    {"M031", true, kBodyDeepSky, 0},
    {"NGC  224", true, kBodyDeepSky, 0},
    {"", false, 0, 0},
    {"Vulcan", false, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Names, BodyLookup, testing::ValuesIn(kLookups));

// The same lookup over the program's own catalogues and body types.
TEST(ObjectModelLookup, FindsBodiesOfTheProgramsCatalogues) {
    test::ScopedCatalogues catalogues;
    ASSERT_TRUE(catalogues.Created());
    ObjectModelScriptCatalogue catalogue;
    const LookupCase cases[] = {
        {"moon", true, kBodyMoon, 0},
        {"Big Dipper", true, kBodyConstellation, 82},
        {"URSA MAIOR", true, kBodyConstellation, 82},
        {"Jupiter", true, kBodyPlanet, 3},
        {"Titan", true, kBodySaturnSatellite, 5},
        {"Earth", true, kBodyEarth, 0},
        {"Vulcan", false, 0, 0},
    };
    for (const LookupCase& c : cases) {
        BodyRef body;
        ASSERT_EQ(FindBodyByName(catalogue, Wide(c.name).c_str(), body), c.found) << c.name;
        if (!c.found) continue;
        EXPECT_EQ(body.type, c.type) << c.name;
        EXPECT_EQ(body.number, c.number) << c.name;
    }
    EXPECT_TRUE(catalogue.ListsFunction(kBodySun, kFunctionMorningTwilightCivil));
    EXPECT_FALSE(catalogue.ListsFunction(kBodySaturnSatellite, kFunctionRise));
    EXPECT_FALSE(catalogue.ListsFunction(kBodyOther, kFunctionLongitude));

    ScriptExpression script(TXT("Open Jupiter As J Select Io Highlight\n"
                                "Open Solar System As P Set Function Rise Zoom Jupiter"));
    EXPECT_TRUE(CompileScriptProgram(script, catalogue)) << Utf8(script.message);
}

}  // namespace
}  // namespace corvinata
