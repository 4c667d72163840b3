#include "astro/eclipse_texts.h"

#include <cmath>

#include "base/number_text.h"
#include "base/text_format.h"
#include "base/wide_string.h"

namespace corvinata {

namespace {

constexpr const Char* kEclipseTypeNames[] = {
    TXT("Partial"),
    TXT("Central annular"),
    TXT("Central total"),
    TXT("Non-central annular"),
    TXT("Non-central total"),
    TXT("Annular-total"),
    TXT("None"),
};

constexpr const Char* kCentralKindNames[] = {
    TXT("Total"),
    TXT("Annular"),
    TXT("None"),
    TXT("Invalid"),
};

void AssignWithFirstLetter(const Char* text, bool upperFirst, String& out) {
    StringAssign(out, text);
    Char* first = out.Data();
    *first = upperFirst ? FoldUpper(*first) : FoldLower(*first);
}

const Char* SkipBlanks(const Char* p) noexcept {
    while (IsSpaceChar(*p)) ++p;
    return p;
}

}  // namespace

void EclipseTypeName(EclipseType type, bool upperFirst, String& out) {
    const int index = (type >= kPartialEclipse && type <= kNoEclipse) ? type : kNoEclipse;
    AssignWithFirstLetter(kEclipseTypeNames[index], upperFirst, out);
}

CentralKind EclipseCentralKind(EclipseType type) noexcept {
    switch (type) {
        case kCentralTotalEclipse: return kCentralTotal;
        case kCentralAnnularEclipse: return kCentralAnnular;
        case kAnnularTotalEclipse: return kCentralAnnularTotal;
        default: return kNoCentralPoint;
    }
}

void CentralKindName(CentralKind kind, bool upperFirst, String& out) {
    const int index = (kind >= kCentralTotal && kind <= kNoCentralPoint) ? kind : kNoCentralPoint;
    AssignWithFirstLetter(kCentralKindNames[index], upperFirst, out);
}

bool ParsePercentage(const Char* text, double& value) noexcept {
    const Char* p = SkipBlanks(text);
    double number = 0.0;
    int consumed = 0;
    if (!ParseDouble(p, number, &consumed)) return false;
    // "%" follows the number directly, and only after a "%" may blanks
    // close the text.
    p += consumed;
    if (*p == '%') p = SkipBlanks(p + 1);
    if (*p != 0) return false;
    // A minus sign is refused even on a zero: "-0" would be kept and shown
    // as "-0.0%".
    if (std::signbit(number) || !(number <= 100.0)) return false;
    value = number;
    return true;
}

void FormatPercentage(double value, int decimals, String& out) {
    if (value == -1.0) StringAssign(out, TXT("--"));
    else FormatDouble(value, decimals, out, false);
    StringAppend(out, TXT("%"));
}

}  // namespace corvinata
