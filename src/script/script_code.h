// The compiled form of a script: a growing array of 32-bit words.
//
// Expressions, statements and clauses are compiled straight into words, and
// the evaluator and the interpreter read them back in the same order, so the
// word values below are the whole contract between the two sides.
#pragma once

#include <cstdint>
#include <vector>

#include "base/date_time.h"
#include "base/text_char.h"
#include "base/time_step.h"

namespace corvinata {

class String;

using CodeWord = std::uint32_t;
using ScriptCode = std::vector<CodeWord>;

// Words of numeric and search expressions.
enum ExpressionWord : CodeWord {
    kWordFalse = 0,
    kWordTrue = 1,
    kWordLonLat = 2,
    kWordDistance = 3,
    kWordCast = 4,
    kWordTime = 5,
    kWordBodyFunction = 6,
    kWordAbs = 7,
    kWordAngleDiff = 8,
    kWordAngleDiff360 = 9,
    kWordAngleSum = 10,
    kWordAngleDist = 11,
    kWordNumber = 12,
    kWordIsValid = 13,
    kWordPlus = 16,
    kWordMinus = 17,
    kWordTimes = 18,
    kWordDivide = 19,
    kWordAnd = 20,
    kWordNot = 21,
    kWordOr = 22,
    kWordCrossesUp = 23,
    kWordCrossesDown = 24,
    kWordGreater = 25,
    kWordGreaterEqual = 26,
    kWordLess = 27,
    kWordLessEqual = 28,
    kWordOpen = 29,
    kWordClose = 30,
};

// Statement operations and the brackets around every statement.
enum StatementWord : CodeWord {
    kOpClose = 34,
    kOpEducatorPosition = 35,
    kOpEventFinderSearch = 37,
    kOpMessage = 41,
    kOpOpenGraph = 42,
    kOpOpenJupiter = 43,
    kOpOpenPicture = 44,
    kOpOpenSaturn = 45,
    kOpOpenSolarEclipse = 46,
    kOpOpenSky = 47,
    kOpOpenSolarSystem = 48,
    kOpStatementStart = 108,
    kOpStatementEnd = 109,
    kOpWithWindow = 110,
    kOpWithApplication = 111,
};

// Ends a clause list (and the name lists of Hide and Show).
constexpr CodeWord kOpClauseListEnd = 36;

// Writers. A string is its length and one word per character; a double is
// two words, the low half first; a body is its type id and its number.
void EmitString(ScriptCode& code, const Char* text, int length);
void EmitString(ScriptCode& code, const Char* text);
void EmitDouble(ScriptCode& code, double value);
void EmitBody(ScriptCode& code, int bodyType, int number);
void EmitTimeStep(ScriptCode& code, const TimeStep& step);

// year * 10000 + month * 100 + day.
CodeWord DateWord(const DateTime& date) noexcept;

// (hours * 100 + minutes) * 100 + seconds, the seconds rounded half away
// from zero: seconds of 59.5 or more carry into the minutes. A time that
// reaches 24 h (24:00 itself, or 23:59:59.5 and after) is kDayEndWord, the
// midnight that ends the day: 0 h of the next day, never of the same one.
CodeWord TimeOfDayWord(double hours) noexcept;
constexpr CodeWord kDayEndWord = 240000;

// Reads words back, never past the end: a read beyond it fails and leaves
// the reader exhausted, so a damaged code ends an evaluation instead of
// reading foreign memory.
class CodeReader {
public:
    CodeReader(const CodeWord* begin, const CodeWord* end) noexcept : next_(begin), end_(end) {}

    bool AtEnd() const noexcept { return next_ >= end_; }
    bool Peek(CodeWord& word) const noexcept;
    bool Read(CodeWord& word) noexcept;
    bool ReadInt(int& value) noexcept;
    bool ReadDouble(double& value) noexcept;
    bool ReadString(String& text);
    // Consumes the next word when it equals `word`.
    bool Accept(CodeWord word) noexcept;
    const CodeWord* Position() const noexcept { return next_; }

private:
    const CodeWord* next_;
    const CodeWord* end_;
};

}  // namespace corvinata
