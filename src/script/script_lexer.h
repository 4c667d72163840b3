// The readers of the script language: each matches something at the
// compiler's position and moves past it, or leaves the position and answers
// kNotPresent (when the caller allowed absence) or kParseError with the
// context's message set.
#pragma once

#include "base/geo_place.h"
#include "base/time_step.h"
#include "base/wide_string.h"
#include "script/compiler_context.h"

namespace corvinata {

// Tokens of ExpectToken (ids as the token table numbers them).
enum TokenId : int {
    kTokenComma = 0,
    kTokenAbbr = 1,
    kTokenFull = 2,
    kTokenEcl = 4,
    kTokenEqu = 5,
    kTokenGal = 6,
    kTokenHor = 7,
    kTokenAu = 19,
    kTokenKm = 20,
    kTokenMi = 21,
    kTokenEnd = 22,
    kTokenFalse = 23,
    kTokenAngleDiff = 24,
    kTokenAngleDiff360 = 25,
    kTokenAngleSum = 26,
    kTokenAngleDist = 27,
    kTokenMax = 28,
    kTokenMin = 29,
    kTokenIsValid = 30,
    kTokenAbs = 31,
    kTokenDistance = 40,
    kTokenLat = 41,
    kTokenLon = 42,
    kTokenTime = 43,
    kTokenOff = 48,
    kTokenOn = 49,
    kTokenAnd = 50,
    kTokenNot = 51,
    kTokenOr = 52,
    kTokenCrossesUp = 53,
    kTokenCrossesDown = 54,
    kTokenGreater = 55,
    kTokenGreaterEqual = 56,
    kTokenLess = 57,
    kTokenLessEqual = 58,
    kTokenDivide = 59,
    kTokenMinus = 60,
    kTokenTimes = 61,
    kTokenPlus = 62,
    kTokenOpen = 63,
    kTokenClose = 64,
    kTokenDot = 65,
    kTokenGmt = 69,
    kTokenUt = 70,
    kTokenGst = 71,
    kTokenLct = 72,
    kTokenLst = 73,
    kTokenTrue = 74,
    kTokenCount = 77,
};

// The text of a token ("" for the end of the text).
const Char* TokenText(int token) noexcept;

// Whether a letter or digit stands at the offset: a word that ends there
// runs on into a longer word.
bool IsWordChar(Char c) noexcept;

// Skips white space, then reads the token's text as a prefix of the text,
// ASCII letters folded. With `wholeWord` a token that is a word matches only
// where no letter or digit follows it. Absent: "Expected '<text>'".
int ExpectToken(CompilerContext& context, int token, bool optional, bool wholeWord = false);

// Reads `word` and at least one white-space character after it, then skips
// the rest of the white space.
int ExpectWord(CompilerContext& context, const Char* word, bool optional);

// Whether `word` stands at the position (nothing is read).
bool LooksAt(const CompilerContext& context, const Char* word) noexcept;

// Reads `text` with nothing required after it.
int ExpectLiteral(CompilerContext& context, const Char* text, bool optional);

// Skips white space; false when there was none.
bool SkipBlanks(CompilerContext& context) noexcept;

// A string in double quotes; segments joined by a backslash between them
// (white space around it allowed) make one string.
int ReadQuotedString(CompilerContext& context, String& out, bool optional);
// A run of characters up to white space or the end; a longer run than the
// limit is cut there and the rest is left unread.
int ReadUnquotedString(CompilerContext& context, String& out);
// The same without a message: false when nothing stands at the position.
bool ReadWord(CompilerContext& context, String& out);
int ReadQuotedOrUnquotedString(CompilerContext& context, String& out);

// "off" (false) or "on" (true).
int ReadOnOff(CompilerContext& context, bool& value);

// A keyword, then a base-10 integer (a double) within minimum..maximum;
// no range when the minimum exceeds the maximum.
// A base-10 integer (white space before it allowed) without a message.
bool ReadIntegerWord(CompilerContext& context, int& value) noexcept;
int ReadIntegerValue(CompilerContext& context, int& value, int minimum, int maximum);
int ReadFloatValue(CompilerContext& context, double& value, double minimum, double maximum);

// Value readers that answer only whether the word at the position is one.
// Each reads one unquoted word.
// "D.M.Y", the word holding the date alone.
bool ReadDateValue(CompilerContext& context, DateTime& date);
// "H:M", "H:M:S" or "H:M:S.F" as ParseTimeOfDay reads them: 0 to 24 hours.
bool ReadTimeValue(CompilerContext& context, double& hours);
bool ReadLatitudeValue(CompilerContext& context, double& northDegrees);
// East positive in the text; west positive in `westDegrees`.
bool ReadLongitudeValue(CompilerContext& context, double& westDegrees);
bool ReadTimeZoneValue(CompilerContext& context, double& hours);
// A count of at least 1, white space, and a unit name with or without its
// final "s": "2 hours", "3 day".
bool ReadTimeStepValue(CompilerContext& context, TimeStep& step);

// Appends the number as the range messages show it.
void AppendBound(String& text, double value);

}  // namespace corvinata
