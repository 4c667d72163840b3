#include "base/time_step.h"

#include "base/text_format.h"
#include "base/wide_string.h"

namespace corvinata {

namespace {

constexpr const Char* kTimeUnitNames[kTimeUnitCount] = {
    TXT("Seconds"), TXT("Minutes"), TXT("Hours"),
    TXT("Days"),    TXT("Months"),  TXT("Years"),
};

constexpr bool IsTimeUnit(std::int32_t unit) noexcept {
    return unit >= 0 && unit < kTimeUnitCount;
}

}  // namespace

const Char* GetTimeUnitName(std::int32_t unit) noexcept {
    return IsTimeUnit(unit) ? kTimeUnitNames[unit] : TXT("");
}

std::int32_t ParseTimeUnit(const Char* text) noexcept {
    if (text == nullptr) return kTimeUnitCount;
    for (std::int32_t unit = 0; unit < kTimeUnitCount; ++unit) {
        if (TextEqualsNoCase(kTimeUnitNames[unit], text)) return unit;
    }
    return kTimeUnitCount;
}

void TimeStepSet(TimeStep& step, std::int32_t unit, std::int32_t count) noexcept {
    step.unit = unit;
    step.count = count;
}

TimeStep& TimeStepAssign(TimeStep& dest, const TimeStep& src) noexcept {
    if (&dest != &src) TimeStepSet(dest, src.unit, src.count);
    return dest;
}

bool TimeStepEqual(const TimeStep& a, const TimeStep& b) noexcept {
    return a.unit == b.unit && a.count == b.count;
}

void FormatTimeStepText(const TimeStep& step, String& out) {
    StringFromInteger(step.count, 0, out, true, TXT(' '));
    if (!IsTimeUnit(step.unit)) return;

    String name(kTimeUnitNames[step.unit]);
    name.Data()[0] = FoldLower(name.Text()[0]);
    if (step.count == 1 || step.count == -1) StripTrailingS(name);
    StringAppend(out, TXT(" "));
    StringAppend(out, name.Text());
}

void StripTrailingS(String& text) {
    if (text.IsEmpty()) return;
    Char* chars = text.Data();
    int length = text.Length();
    while (length > 0 && chars[length - 1] == 's') --length;
    chars[length] = 0;
}

}  // namespace corvinata
