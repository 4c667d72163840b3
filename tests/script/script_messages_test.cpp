// Every message of the readers, the clause values and the clause lists, at
// the line and column where the program points. An "@" in a program marks
// the expected position and is removed before compiling.
#include <gtest/gtest.h>

#include <string>

#include "fake_script_catalogue.h"
#include "script/compiler_context.h"
#include "script/script_clauses.h"
#include "script/script_expression.h"
#include "script/script_lexer.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

struct MessageCase {
    const char* program;
    const char* message;
    const char* detail;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.program; }

class ProgramMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(ProgramMessage, IsReportedAtItsLineAndColumn) {
    const MessageCase& c = GetParam();
    std::string text = c.program;
    const std::size_t marker = text.find('@');
    ASSERT_NE(marker, std::string::npos);
    text.erase(marker, 1);
    int line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < marker; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    test::FakeScriptCatalogue catalogue;
    ScriptExpression script(Wide(text).c_str());
    EXPECT_FALSE(CompileScriptProgram(script, catalogue));
    EXPECT_EQ(script.compileStatus, kCompileError);
    EXPECT_EQ(Utf8(script.message), c.message);
    EXPECT_EQ(Utf8(script.detail), c.detail);
    EXPECT_EQ(script.errorLine, line);
    EXPECT_EQ(script.errorColumn, static_cast<int>(marker - lineStart) + 1);
}

const MessageCase kStatementMessages[] = {
    {"Open@x", "Expected space after word", "Open"},
    {"Open@", "Expected space after word", "Open"},
    {"Open Sky @Sky1", "Expected text", "As"},
    {"Foo@ bar", "Unknown command", "Foo"},
    {"Open Sky As S\n\nFoo@ bar", "Unknown command", "Foo"},
    {"\"Say it\"@ now", "Unknown command", "Say it"},
    {"Open @Map As M", "Invalid window type", "Map"},
    {"Open Sky As S\nOpen Sky As S@", "A window with this name is already open", "S"},
    {"With T @Activate", "Window does not exist", "T"},
    {"With S @Activate\nOpen Sky As S", "Window does not exist", "S"},
    {"Open Sky As S\nClose S\nWith S @Activate", "Window does not exist", "S"},
    {"Close @", "Expected window name", ""},
    {"Open Sky As S\nWith S@", "Expected space", ""},
    {"Message @hello", "Expected a quoted string", ""},
    {"Message \"abc@", "Error reading quoted string", ""},
    {"Message \"a\" \\ @b", "Error reading quoted string", ""},
    {"Message \"\"@", "Quoted string must not be empty", ""},
};
INSTANTIATE_TEST_SUITE_P(Statements, ProgramMessage, testing::ValuesIn(kStatementMessages));

// @ on the second line: the first opens the window.
const MessageCase kValueMessages[] = {
    {"Open Graph As G Add Line Name \"a\" Code \"1\" Colour @", "Expected a quoted or unquoted string", ""},
    {"Open Sky As S Set View Field @x", "Expected an integer value", ""},
    {"Open Sky As S Set View Field @5", "Expected an integer value from 10 to 180", ""},
    {"Open Sky As S Set Star Magnitude @x", "Expected a floating point value", ""},
    {"Open Sky As S Set Star Magnitude @21", "Expected a floating point value from 0 to 20", ""},
    {"Open Jupiter As J Set Tilt @361", "Expected an integer value from -360 to 360", ""},
    {"Open Sky As S Set Moon @maybe", "Expected text", "'on' or 'off'"},
    {"Open Picture As P Set ScaleToFit @1", "Expected text", "'on' or 'off'"},
    {"Open Sky As S Set Constellation Names @short", "Invalid constellation name type", ""},
    {"Open Sky As S Set DeepSky Catalog @abc", "Invalid deep sky catalog", ""},
    {"Open Sky As S Set DeepSky Names @abc", "Invalid deep sky name system", ""},
    {"Open Sky As S Set Grid @equatorial", "Invalid grid type", ""},
    {"Open Sky As S Set Grid equ Appearance @dots", "Invalid value for grid display", ""},
    {"Open Sky As S Set Horizon @flat", "Invalid horizon type", ""},
    {"Open Sky As S Set Map @round", "Invalid map type", ""},
    {"Open Sky As S Set Planet Show @some", "Invalid planet type", ""},
    {"Open Sky As S Set Date @32.1.2000", "Invalid date", ""},
    {"Open Sky As S Set Date @5.3.2001.7", "Invalid date", ""},
    {"Open Sky As S Set Time @99:00", "Invalid time", ""},
    {"Open Sky As S Set Time @24:00:01", "Invalid time", ""},
    {"Open Sky As S Set Time @10:00:00UT", "Invalid time", ""},
    {"Open Sky As S Set Time @6:30:00:45", "Invalid time", ""},
    {"Open Sky As S Set Time @12:30:45:", "Invalid time", ""},
    {"Open Graph As G Set Location Lon 10E Lat 50N TimeZone @14", "Invalid time zone", ""},
    {"Open Solar Eclipse As E Center Lon 10E Lat @95N", "Invalid latitude", ""},
    {"Open Solar Eclipse As E Center Lon @200E Lat 5N", "Invalid longitude", ""},
    {"Open Graph As G Set Step @0 hours", "Invalid time step", ""},
    {"Open Graph As G Set XAxisMark @2 weeks", "Invalid time step", ""},
    {"Open Sky As S Advance @2 weeks", "Error parsing time step", ""},
    {"Open Sky As S Set Position @x, 20", "Invalid X position", ""},
    {"Open Sky As S Set Position 10@ , 20", "Expected a comma", ""},
    {"Open Sky As S Set Position 10,@y", "Invalid Y position", ""},
    {"With Educator Set Position 10,@", "Invalid Y position", ""},
    {"Open Solar System As P Select @Vulcan", "Invalid planet name", ""},
    {"Open Jupiter As J Select @Titan", "Invalid Jovian moon name", ""},
    {"Open Saturn As T Set Zoom @Io", "Invalid Saturnian moon name", ""},
    {"Open Solar System As P Set Function @Wobble", "Expected a body function", ""},
    {"Open Sky As S Select @Vulcan", "Unknown body name", ""},
    {"Open Sky As S Select @Earth", "Unknown body name", ""},
    {"Open Graph As G Add Line Name \"n\" Code \"Moon.@Foo(equ)\" Colour red",
     "Expected a body function", ""},
    {"Open Graph As G Add Line Name \"n\" Code \"1 +\" \\\n  \"2 @3\" Colour red", "Expected ''", ""},
};
INSTANTIATE_TEST_SUITE_P(ClauseValues, ProgramMessage, testing::ValuesIn(kValueMessages));

const MessageCase kListMessages[] = {
    {"Open Sky As S\nWith S @", "Expected at least one clause",
     "Activate, Advance, Retreat, Select, Set"},
    {"With Application @Date 1.1.2000", "Expected at least one clause", "Set"},
    {"With EventFinder Search Begin 1.1.2000 End 2.1.2000 Dst off\n"
     "Location Lon 0 Lat 0 TimeZone 0 Step 1 day@",
     "Clause missing", "Code"},
    {"Open Graph As G Add Line Name \"a\" Colour red @", "Clause missing", "Code"},
    {"Open Sky As S Set Date 1.1.2000 Date 2.1.2000@", "Clause encountered more than once", "Date"},
    {"Open Solar System As P Set Ecliptic Constellations on Constellations off@",
     "Clause encountered more than once", "Ecliptic Constellations"},
    {"Open Graph As G Hide Lines @x", "Expected at least one line name as quoted string", ""},
    {"Open Jupiter As J Hide @Titan", "Expected at least one moon name as unquoted string", ""},
    {"Open Solar Eclipse As E Set Zoom @101", "Expected a number from 0 to 100", ""},
    {"Open Graph As G Show @Foo", "Expected text", "Lines"},
    {"Open Solar Eclipse As E Set Eclipse @Zoom 5", "Expected text", "Date"},
};
INSTANTIATE_TEST_SUITE_P(ClauseLists, ProgramMessage, testing::ValuesIn(kListMessages));

TEST(ProgramMessage, OverLongQuotedStringIsRefusedNotCut) {
    test::FakeScriptCatalogue catalogue;
    const std::string text = "Message \"" + std::string(kMaxScriptString + 1, 'x') + "\"";
    ScriptExpression script(Wide(text).c_str());
    EXPECT_FALSE(CompileScriptProgram(script, catalogue));
    EXPECT_EQ(Utf8(script.message), "Quoted string is too long");
    EXPECT_EQ(script.errorColumn, 10);
}

TEST(ProgramMessage, ClauseWithoutReaderIsAnInternalError) {
    test::FakeScriptCatalogue catalogue;
    ScriptCode code;
    CompilerContext context(TXT("Code x"), code, catalogue);
    for (const int id : {7, -1, kClauseCount}) {
        context.failed = false;
        EXPECT_EQ(CompileClause(context, id), kParseError);
        EXPECT_EQ(Utf8(context.message), "Internal compiler error");
    }
}

TEST(ProgramMessage, UnquotedStringNeedsACharacter) {
    test::FakeScriptCatalogue catalogue;
    ScriptCode code;
    CompilerContext context(TXT(" x"), code, catalogue);
    String word;
    EXPECT_EQ(ReadUnquotedString(context, word), kParseError);
    EXPECT_EQ(Utf8(context.message), "Expected an unquoted string");
    EXPECT_EQ(context.Position(), 0);
}

// Line ends of every convention count once: CR LF, LF and CR alike.
TEST(ProgramMessage, LineEndsOfEveryKindCountOnce) {
    test::FakeScriptCatalogue catalogue;
    for (const char* breakText : {"\r\n", "\n", "\r"}) {
        const std::string b = breakText;
        ScriptExpression script(Wide("# one" + b + "Open Sky As S" + b + "  Bogus").c_str());
        EXPECT_FALSE(CompileScriptProgram(script, catalogue));
        EXPECT_EQ(script.errorLine, 3) << "line break of " << b.size() << " characters";
        EXPECT_EQ(script.errorColumn, 8);
    }
}

struct ExpressionMessageCase {
    const char* text;
    bool search;
    const char* message;
    int column;
};

void PrintTo(const ExpressionMessageCase& c, std::ostream* os) { *os << c.text; }

class ExpressionMessage : public testing::TestWithParam<ExpressionMessageCase> {};

TEST_P(ExpressionMessage, IsReportedAtItsOffset) {
    const ExpressionMessageCase& c = GetParam();
    test::FakeScriptCatalogue catalogue;
    ScriptExpression script(Wide(c.text).c_str());
    int kind = 0;
    const bool compiled = c.search ? CompileSearchExpression(kind, script, catalogue)
                                   : CompileScriptExpression(script, catalogue);
    EXPECT_FALSE(compiled);
    EXPECT_EQ(Utf8(script.message), c.message);
    EXPECT_EQ(script.errorColumn, c.column);
    EXPECT_EQ(script.errorLine, 0);
}

const ExpressionMessageCase kExpressionMessages[] = {
    {"1 2", false, "Expected ''", 2},
    {"", false, "Invalid term in expression", 0},
    {"1 *", false, "Invalid factor for multiplication/division", 3},
    {"1 +", false, "Invalid term for addition/subtraction", 3},
    {"1e999", false, "Invalid number", 0},
    {"time(1, xyz)", false, "Invalid time system", 8},
    {"lon(1, xyz)", false, "Invalid coordinate system", 7},
    {"distance(1, xyz)", false, "Invalid distance system", 12},
    {"Moon.Mag()", false, "Expected a body function", 5},
    {"Sun.Lonx(equ)", false, "Expected a body function", 4},
    {"abs(1", false, "Expected ')'", 5},
    {"(1 + 2) > 1", true, "Expected a comparison operator", 6},
    {"", true, "Invalid search expression", 0},
    {"true and", true, "Invalid factor in boolean expression", 8},
    {"true or", true, "Invalid conjunction in boolean expression", 7},
};
INSTANTIATE_TEST_SUITE_P(Expressions, ExpressionMessage, testing::ValuesIn(kExpressionMessages));

TEST(ExpressionMessage, DeepNestingIsRefused) {
    test::FakeScriptCatalogue catalogue;
    const std::string text = std::string(5000, '(') + "1" + std::string(5000, ')');
    ScriptExpression script(Wide(text).c_str());
    EXPECT_FALSE(CompileScriptExpression(script, catalogue));
    EXPECT_EQ(Utf8(script.message), "Expression nested too deeply");
}

// A body name too long for the lookup is no body, never a buffer overrun.
TEST(ExpressionMessage, OverLongBodyNameIsNoBody) {
    test::FakeScriptCatalogue catalogue;
    ScriptExpression script(Wide(std::string(400, 'M') + ".Lon(equ)").c_str());
    EXPECT_FALSE(CompileScriptExpression(script, catalogue));
    EXPECT_EQ(Utf8(script.message), "Invalid term in expression");
}

}  // namespace
}  // namespace corvinata
