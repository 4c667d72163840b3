#include "base/text_scanner.h"

#include "base/number_text.h"

namespace corvinata {

namespace {

bool SameChar(Char a, Char b, bool caseSensitive) noexcept {
    return caseSensitive ? a == b : FoldUpper(a) == FoldUpper(b);
}

bool StopsAtChar(const TextScanner& scanner, Char c) noexcept { return scanner.AtChar(c); }

bool StopsAtBlank(const TextScanner& scanner, Char) noexcept { return scanner.AtBlank(); }

}  // namespace

DecimalInteger ScanDecimalInteger(const Char* text) noexcept {
    DecimalInteger result{0, false, false, 0};
    int i = 0;
    while (IsSpaceChar(text[i])) ++i;
    if (text[i] == '+' || text[i] == '-') {
        result.negative = text[i] == '-';
        ++i;
    }
    if (!IsDigitChar(text[i])) {
        result.negative = false;
        return result;
    }
    constexpr std::uint32_t kMax = 0xFFFFFFFFu;
    std::uint32_t value = 0;
    for (; IsDigitChar(text[i]); ++i) {
        const std::uint32_t digit = static_cast<std::uint32_t>(text[i] - '0');
        if (result.overflow || value > (kMax - digit) / 10) {
            result.overflow = true;
            value = kMax;
        } else {
            value = value * 10 + digit;
        }
    }
    result.used = i;
    result.magnitude = value;
    return result;
}

TextScanner& TextScanner::Accept(const Char* literal) noexcept {
    if (!ok) return *this;
    ok = Matches(literal);
    if (ok) {
        position += TextLength(literal);
        ++matchCount;
    }
    return *this;
}

TextScanner& TextScanner::ReadInteger(int& receiver) noexcept {
    if (!ok) return *this;
    const DecimalInteger read = ScanDecimalInteger(text + position);
    // The limits themselves stay refused: they were the old conversion's
    // overflow answers, and saved texts never hold them.
    constexpr std::uint32_t kLargestAccepted = 2147483646u;
    const std::uint32_t limit = read.negative ? kLargestAccepted + 1 : kLargestAccepted;
    if (read.used == 0 || read.overflow || read.magnitude > limit) {
        ok = false;
        return *this;
    }
    const int magnitude = static_cast<int>(read.magnitude);
    receiver = read.negative ? -magnitude : magnitude;
    position += read.used;
    ++matchCount;
    return *this;
}

TextScanner& TextScanner::ReadChar(Char* receiver) noexcept {
    if (!ok) return *this;
    if (AtEnd()) {
        ok = false;
        return *this;
    }
    if (receiver) *receiver = text[position];
    ++position;
    ++matchCount;
    return *this;
}

bool TextScanner::Matches(const Char* literal) const noexcept {
    const Char* at = text + position;
    for (int i = 0; literal[i]; ++i) {
        if (at[i] == 0 || !SameChar(at[i], literal[i], caseSensitive)) return false;
    }
    return true;
}

bool TextScanner::AtBlank(const Char*) const noexcept { return IsSpaceChar(text[position]); }

TextScanner& TextScanner::SkipBlanks() noexcept {
    while (IsSpaceChar(text[position])) ++position;
    return *this;
}

TextScanner& TextScanner::SkipDegreeSign() noexcept {
    constexpr Char kDegreeSign = 0x00B0;
    if (ok && text[position] == kDegreeSign) ++position;
    return *this;
}

WordStop WordStop::AtChar(Char c) noexcept { return {&StopsAtChar, c}; }

WordStop WordStop::AtBlank() noexcept { return {&StopsAtBlank, 0}; }

TextScanner& ReadNumber(TextScanner& scanner, double& receiver) noexcept {
    if (!scanner.ok) return scanner;
    int used = 0;
    scanner.ok = ParseDouble(scanner.text + scanner.position, receiver, &used);
    if (scanner.ok) {
        scanner.position += used;
        ++scanner.matchCount;
    }
    return scanner;
}

TextScanner& ReadWord(TextScanner& scanner, Char* buffer, int maxLength, int minLength,
                      int* lengthReceiver, WordStop stop, bool* endReceiver) noexcept {
    if (endReceiver) *endReceiver = false;
    int n = 0;
    if (!scanner.ok) {
        if (lengthReceiver) *lengthReceiver = 0;
        return scanner;
    }
    for (;;) {
        if (scanner.AtEnd()) {
            if (endReceiver) *endReceiver = true;
            break;
        }
        if (stop.predicate(scanner, stop.argument)) break;
        if (maxLength > 0) {
            if (n >= maxLength) break;
            if (buffer) buffer[n] = scanner.Current();
        }
        ++n;
        ++scanner.position;
    }
    if (n < minLength) {
        scanner.ok = false;
    } else {
        if (maxLength > 0 && buffer) buffer[n] = 0;
        ++scanner.matchCount;
    }
    if (lengthReceiver) *lengthReceiver = n;
    return scanner;
}

bool ScanFindChar(TextScanner& scanner, Char c) noexcept {
    for (; !scanner.AtEnd(); ++scanner.position) {
        if (SameChar(scanner.Current(), c, scanner.caseSensitive)) return true;
    }
    return false;
}

bool ScanSkipPast(TextScanner& scanner, const Char* literal) noexcept {
    if (!literal[0]) return true;
    while (ScanFindChar(scanner, literal[0])) {
        ++scanner.position;
        if (scanner.Matches(literal + 1)) {
            scanner.position += TextLength(literal) - 1;
            return true;
        }
    }
    return false;
}

}  // namespace corvinata
