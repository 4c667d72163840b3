// TextScanner: the cursor with which every hand-written parser reads text.
//
// A parse is a chain of counting steps on one scanner (accept a literal,
// read an integer, read a word up to a stop character ...). A step that
// fails clears `ok`, and every later step does nothing, so a parser runs its
// whole chain and looks at `ok`, `matchCount` and `position` once at the end.
// The scanner never allocates and never owns the text.
#pragma once

#include <cstdint>

#include "base/text_char.h"

namespace corvinata {

class TextScanner {
public:
    // Parsers may also set the fields directly.
    explicit TextScanner(const Char* text, bool caseSensitive = true) noexcept
        : text(text), position(0), ok(true), matchCount(0), caseSensitive(caseSensitive) {}

    // Counting steps: nothing happens once `ok` is false; each answers the
    // scanner for chaining.

    // Steps over `literal` when it matches at `position` (see Matches);
    // otherwise clears `ok` and leaves `position`.
    TextScanner& Accept(const Char* literal) noexcept;

    // Reads a 32-bit integer at `position`: optional white space, an optional
    // sign and decimal digits. Values outside -2147483647..2147483646 are
    // refused (the two limits themselves as well, as the program has always
    // done). On success `receiver` gets the value and `position` moves past
    // the digits; on failure `ok` is cleared and nothing else changes.
    TextScanner& ReadInteger(int& receiver) noexcept;

    // Takes the character at `position`, whatever it is, into `receiver`
    // (when given); fails at the end of the text.
    TextScanner& ReadChar(Char* receiver = nullptr) noexcept;

    // Tests and moves that neither look at nor change `ok` and `matchCount`.

    // True when `literal` stands at `position`: exactly, or with the ASCII
    // letters folded to upper case when the scanner is not case-sensitive.
    // An empty literal always matches; the end of the text matches nothing.
    bool Matches(const Char* literal) const noexcept;

    // True when the character at `position` is `c` (always exact).
    bool AtChar(Char c) const noexcept { return text[position] == c; }

    // True when the character at `position` is white space (IsSpaceChar).
    // The argument is not used; it lets the test serve as a word stop.
    bool AtBlank(const Char* unused = nullptr) const noexcept;

    bool AtEnd() const noexcept { return text[position] == 0; }
    Char Current() const noexcept { return text[position]; }

    // Moves `position` past white space.
    TextScanner& SkipBlanks() noexcept;
    // Steps over one degree sign when it stands at `position`; the sign is
    // optional, so its absence is no failure and nothing is counted.
    TextScanner& SkipDegreeSign() noexcept;

    const Char* text;   // not owned; must outlive the scanner
    int position;       // index of the current character
    bool ok;            // every step so far succeeded
    int matchCount;     // number of successful counting steps
    bool caseSensitive; // false: ASCII letters compare folded to upper case
};

// Where ReadWord stops: a predicate on the scanner and its argument.
struct WordStop {
    using Predicate = bool (*)(const TextScanner& scanner, Char argument);

    // Stops at the character `c`.
    static WordStop AtChar(Char c) noexcept;
    // Stops at white space.
    static WordStop AtBlank() noexcept;

    Predicate predicate;
    Char argument;
};

// Reads a double at the scanner's position with ParseDouble; on success
// `receiver` gets it, the position moves past it and the match count grows.
TextScanner& ReadNumber(TextScanner& scanner, double& receiver) noexcept;

// Reads characters until `stop` answers true or the text ends.
// With maxLength > 0, at most maxLength characters are read and, when
// `buffer` is given (room for maxLength + 1), stored and terminated; the rest
// of a longer word stays unread. With maxLength <= 0 nothing is stored and
// the length is unlimited. Fewer than `minLength` characters clear `ok`.
// `lengthReceiver` (optional) gets the number read; `endReceiver` (optional)
// gets whether reading stopped at the end of the text.
TextScanner& ReadWord(TextScanner& scanner, Char* buffer, int maxLength, int minLength,
                      int* lengthReceiver, WordStop stop, bool* endReceiver) noexcept;

// Moves to the next character from the current one on that equals `c`
// (exactly, or folded when the scanner is not case-sensitive) and answers
// true; answers false with the position on the terminator when there is none.
bool ScanFindChar(TextScanner& scanner, Char c) noexcept;

// Moves just past the next occurrence of `literal` from the current position
// on and answers true; answers false with the position at the end of the
// text when there is none. An empty literal is found where the scanner is.
bool ScanSkipPast(TextScanner& scanner, const Char* literal) noexcept;

// A decimal integer as it stands at the start of a text: optional white
// space (IsSpaceChar), an optional sign, then digits. The building block of
// the scanner's integer steps; it behaves the same on every build.
struct DecimalInteger {
    int used;               // characters taken, white space and sign included; 0 when no digit
    bool negative;          // a "-" sign was read
    bool overflow;          // the digits' value exceeds 0xFFFFFFFF
    std::uint32_t magnitude;  // the digits' value, 0xFFFFFFFF when overflow
};
DecimalInteger ScanDecimalInteger(const Char* text) noexcept;

}  // namespace corvinata
