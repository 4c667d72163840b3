// Lesson headers, the lesson list and the lessons the program ships.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/memory_storage.h"
#include "script/script_catalogue.h"
#include "script/script_expression.h"
#include "support/catalogues.h"
#include "support/exhausted_storage.h"
#include "support/test_data.h"
#include "support/test_text.h"
#include "tools/lessons.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

std::vector<String> Lines(std::initializer_list<const char*> texts) {
    std::vector<String> lines;
    for (const char* text : texts) lines.emplace_back(Wide(text).c_str());
    return lines;
}

TEST(LessonHeader, KeysAreFoundInTheFirstTenLinesInAnyCase) {
    struct Case {
        std::vector<String> lines;
        const char* key;
        const char* expected;  // null: not found
    };
    const Case cases[] = {
        {Lines({"# CorvinataScript: 2.1"}), "CorvinataScript", "2.1"},
        {Lines({"# title :  Moon phases  "}), "Title", "Moon phases"},
        {Lines({"// Title\t:\tSpaced"}), "Title", "Spaced"},
        {Lines({"Title of the lesson below", "Title: Second"}), "Title", "Second"},
        {Lines({"a", "b", "c", "d", "e", "f", "g", "h", "i", "Title: tenth"}), "Title", "tenth"},
        {Lines({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "Title: eleventh"}), "Title", nullptr},
        {Lines({"Title:"}), "Title", ""},
        {Lines({"Description: none here"}), "Title", nullptr},
        // The key repeated in the line: the first followed by its colon.
        {Lines({"TitleTitle: joined"}), "Title", "joined"},
        {Lines({"title  TITLE\t Title :  third "}), "Title", "third"},
        {Lines({"Title Title Title"}), "Title", nullptr},
        {Lines({"Titl: short", "itle: cut"}), "Title", nullptr},
    };
    for (const Case& c : cases) {
        const auto value = FindLessonHeaderValue(c.lines, Wide(c.key).c_str());
        if (c.expected == nullptr) {
            EXPECT_FALSE(value.has_value()) << Utf8(c.lines.back());
        } else {
            ASSERT_TRUE(value.has_value()) << Utf8(c.lines.back());
            EXPECT_EQ(Utf8(*value), c.expected);
        }
    }
}

// A line that repeats the key without its colon many times is read in one
// pass: the value after the last repetition is found, and a line without
// it finds none.
TEST(LessonHeader, AKeyRepeatedAlongALongLineIsSearchedInPlace) {
    std::string repeated;
    for (int i = 0; i < 50000; ++i) repeated += "title ";
    const std::string found = repeated + "Title: Far along";
    const auto value = FindLessonHeaderValue(Lines({repeated.c_str(), found.c_str()}), TXT("Title"));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(Utf8(*value), "Far along");
    EXPECT_FALSE(FindLessonHeaderValue(Lines({repeated.c_str()}), TXT("Title")).has_value());
}

TEST(LessonHeader, VersionDecidesWhetherALessonIsListed) {
    struct Case {
        const char* version;
        bool parsed;
        LessonVersion version_rule;
    };
    const Case cases[] = {
        {"2.0", true, LessonVersion::Supported},    {"2.1", true, LessonVersion::Supported},
        {"2.15", true, LessonVersion::Supported},   {"1.9", true, LessonVersion::TooOld},
        {"3.0", true, LessonVersion::TooNew},       {"2.2", true, LessonVersion::TooNew},
        {"2,1", false, LessonVersion::Unrecognised}, {"v2.1", false, LessonVersion::Unrecognised},
    };
    for (const Case& c : cases) {
        const std::string line = std::string("# CorvinataScript: ") + c.version;
        const auto header = ParseLessonHeader(Lines({line.c_str(), "# Title:"}));
        EXPECT_EQ(header.has_value(), c.parsed) << c.version;
        EXPECT_EQ(CheckLessonVersion(String(Wide(c.version).c_str())), c.version_rule) << c.version;
        if (header) {
            EXPECT_EQ(Utf8(header->title), "[No title]");
        }
    }
    EXPECT_FALSE(ParseLessonHeader(Lines({"# Title: no version"})).has_value());
}

TEST(LessonHeader, RefusalTextsNameTheFileAndTheReason) {
    EXPECT_EQ(Utf8(LessonRefusalText(TXT("old.sts"), LessonVersion::TooOld)),
              "old.sts could not be opened because its version is so old that it is no longer supported.");
    EXPECT_EQ(Utf8(LessonRefusalText(TXT("new.sts"), LessonVersion::TooNew)),
              "new.sts could not be opened because it requires a more recent version of Corvinata.");
    EXPECT_EQ(Utf8(LessonRefusalText(TXT("x.sts"), LessonVersion::Unrecognised)),
              "x.sts could not be opened because it was not recognized as a valid CorvinataScript file.");
}

TEST(LessonFolder, ListsOnlyReadableSupportedLessons) {
    MemoryStorageService storage;
    storage.MakeFolder(TXT("C:\\Program"));
    storage.MakeFolder(TXT("C:\\Program\\Scripts"));
    storage.PutFile(TXT("C:\\Program\\Scripts\\a.sts"),
                    "# CorvinataScript: 2.1\r\n# Title: First\r\n# Applies to date: 2026\r\n"
                    "# Description: The first lesson\r\nMessage \"hi\"\r\n");
    storage.PutFile(TXT("C:\\Program\\Scripts\\old.sts"), "# CorvinataScript: 1.9\r\n# Title: Old\r\n");
    storage.PutFile(TXT("C:\\Program\\Scripts\\plain.sts"), "Message \"no header\"\r\n");
    storage.PutFile(TXT("C:\\Program\\Scripts\\notes.txt"), "# CorvinataScript: 2.1\r\n");
    PathName program;
    program.SetPath(TXT("C:\\Program\\Corvinata.exe"));

    const std::vector<LessonRow> rows = ScanLessonFolder(storage, LessonFolder(program));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Utf8(rows[0].title), "First");
    EXPECT_EQ(Utf8(rows[0].appliesTo), "2026");
    EXPECT_EQ(Utf8(rows[0].fileName), "a.sts");
    EXPECT_EQ(Utf8(FindLessonDescription(rows, TXT("a.sts"))), "The first lesson");
    EXPECT_EQ(Utf8(LessonFilePath(program, TXT("a.sts"))), "C:\\Program\\Scripts\\a.sts");

    PathName elsewhere;
    elsewhere.SetPath(TXT("C:\\Nowhere\\Corvinata.exe"));
    EXPECT_TRUE(ScanLessonFolder(storage, LessonFolder(elsewhere)).empty());
}

// A lesson whose first lines run the memory out has no header: it is not
// listed, and the program goes on.
TEST(LessonFolder, LessonTheMemoryCannotHoldIsNotListed) {
    test::ExhaustedStorage storage(12);
    storage.Memory().MakeFolder(TXT("C:\\Program"));
    storage.Memory().MakeFolder(TXT("C:\\Program\\Scripts"));
    storage.Memory().PutFile(TXT("C:\\Program\\Scripts\\a.sts"), "# CorvinataScript: 2.1\r\n# Title: First\r\n");
    PathName program;
    program.SetPath(TXT("C:\\Program\\Corvinata.exe"));
    EXPECT_FALSE(ReadLessonHeader(storage, String(TXT("C:\\Program\\Scripts\\a.sts"))));
    EXPECT_TRUE(ScanLessonFolder(storage, LessonFolder(program)).empty());
}

// OK takes row 0 when none is selected, a double-click only the clicked
// row; neither runs a row that does not exist.
TEST(LessonChoice, OnlyAnExistingRowIsTaken) {
    EXPECT_EQ(LessonRowToTake(3, -1, true), 0);
    EXPECT_EQ(LessonRowToTake(3, 2, true), 2);
    EXPECT_EQ(LessonRowToTake(0, -1, true), std::nullopt);
    EXPECT_EQ(LessonRowToTake(3, -1, false), std::nullopt);
    EXPECT_EQ(LessonRowToTake(3, 3, false), std::nullopt);
}

TEST(LessonChoice, BrowseFolderFollowsTheChosenLessonOnly) {
    const String stored(TXT("D:\\My lessons"));
    EXPECT_EQ(Utf8(NextBrowseFolder(String(), stored)), "D:\\My lessons");
    EXPECT_EQ(Utf8(NextBrowseFolder(String(TXT("E:\\Class\\moon.sts")), stored)), "E:\\Class");
}

std::string ReadShippedLesson(const char* name) {
    std::ifstream file(test::TestsPath(std::string("../lessons/") + name), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The shipped lessons are listed and compile with the program's own
// catalogues.
TEST(ShippedLessons, AreListedAndCompile) {
    test::ScopedCatalogues catalogues;
    ASSERT_TRUE(catalogues.Created());
    ObjectModelScriptCatalogue catalogue;
    for (const char* name : {"Quick Tour.sts", "Phases of the Moon.sts"}) {
        const std::string text = ReadShippedLesson(name);
        ASSERT_FALSE(text.empty()) << name;
        std::vector<String> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.emplace_back(Wide(line).c_str());
        const auto header = ParseLessonHeader(lines);
        ASSERT_TRUE(header.has_value()) << name;
        EXPECT_EQ(CheckLessonVersion(header->version), LessonVersion::Supported) << name;
        ScriptExpression script(Wide(text).c_str());
        EXPECT_TRUE(CompileScriptProgram(script, catalogue))
            << name << ": " << Utf8(script.message) << " " << Utf8(script.detail);
    }
}

}  // namespace
}  // namespace corvinata
