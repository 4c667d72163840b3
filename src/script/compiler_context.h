// The state of one compilation: the source, the position, the code being
// filled, the first error, and the values the clause readers leave for the
// clause that emits them.
#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "base/date_time.h"
#include "base/text_scanner.h"
#include "base/time_step.h"
#include "base/wide_string.h"
#include "script/script_catalogue.h"
#include "script/script_code.h"

namespace corvinata {

// What every rule and reader of the compiler answers.
enum ParseResult : int {
    kParsed = 0,      // read, and its words emitted
    kNotPresent = 1,  // absent, and the caller allowed that; position unchanged
    kParseError = 2,  // message and detail are set
};

// The script's own numbering of window kinds.
enum ScriptWindowKind : int {
    kScriptGraph = 0,
    kScriptJupiter = 1,
    kScriptPicture = 2,
    kScriptSaturn = 3,
    kScriptSolarEclipse = 4,
    kScriptSky = 5,
    kScriptSolarSystem = 6,
};

// Longest quoted or unquoted string a script may hold.
constexpr int kMaxScriptString = 10000;

// Deepest nesting of parentheses and operators in one expression; deeper
// texts are refused rather than allowed to exhaust the stack.
constexpr int kMaxExpressionDepth = 200;

constexpr int kClauseCount = 98;
constexpr int kNoAxisBound = INT_MIN;

struct AddLineRecord {
    String name;
    String code;
    String colour;
};

// Values the clause readers leave behind for their clause.
struct ClauseValues {
    bool switchValue = false;
    int index = 0;
    int integer = 0;
    double number = 0.0;
    DateTime date;
    double hours = 0.0;
    TimeStep step;
    String text;
    BodyRef body;
    // The parts of a place; longitudes are kept west positive, as the
    // location record counts them.
    double longitude = -1000.0;
    double latitude = -1000.0;
    double timeZone = -1000.0;
    String town;
    String country;
    // The parts of a graph line.
    String lineName;
    String lineCode;
    String lineColour;
    int x = 0;
    int y = 0;
    std::uint32_t functionId = 0;
    // Graph items emitted after the clause list.
    std::vector<AddLineRecord> addLines;
    // Hide Lines and Show Lines, kept to follow the lines they may name.
    ScriptCode lineLists;
    int yAxisFrom = kNoAxisBound;
    int yAxisTo = kNoAxisBound;
};

struct WindowName {
    String name;
    int kind;
};

class CompilerContext {
public:
    CompilerContext(const Char* text, ScriptCode& code, const ScriptCatalogue& catalogue);

    // Sets message and detail (the first error only) and answers kParseError.
    int Fail(const Char* message, const Char* detail = TXT(""));

    int& Position() noexcept { return scanner.position; }
    Char Current() const noexcept { return scanner.Current(); }
    const Char* Here() const noexcept { return text + scanner.position; }

    const Char* text;
    int length;
    // Statements, clauses and expressions all read at this one position.
    TextScanner scanner;
    ScriptCode& code;
    const ScriptCatalogue& catalogue;
    String message;
    String detail;
    bool failed = false;

    std::vector<WindowName> windows;
    int explorerKind = kScriptJupiter;
    int depth = 0;
    // Crossing operators met; each needs one slot of the crossing memory.
    int crossingCount = 0;
    ClauseValues values;
    // Where the date and the time word of the clause list being compiled
    // stand in the code (none: 0, which is never a value's place): a time of
    // 24:00 goes onto the next day of the list's date.
    struct DayWords {
        std::size_t date = 0;
        std::size_t time = 0;
    };
    DayWords dayWords;

    // Where the segments of the last quoted string start in the source and
    // in the string, so that an error inside it can be pointed at.
    struct Segment {
        int sourceStart;
        int textStart;
    };
    std::vector<Segment> quotedSegments;
};

}  // namespace corvinata
