#include "script/script_code.h"

#include <cstring>

#include "base/date_time_text.h"
#include "base/wide_string.h"

namespace corvinata {

void EmitString(ScriptCode& code, const Char* text, int length) {
    code.push_back(static_cast<CodeWord>(length));
    for (int i = 0; i < length; ++i) code.push_back(static_cast<std::uint16_t>(text[i]));
}

void EmitString(ScriptCode& code, const Char* text) { EmitString(code, text, TextLength(text)); }

void EmitDouble(ScriptCode& code, double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    code.push_back(static_cast<CodeWord>(bits & 0xFFFFFFFFu));
    code.push_back(static_cast<CodeWord>(bits >> 32));
}

void EmitBody(ScriptCode& code, int bodyType, int number) {
    code.push_back(static_cast<CodeWord>(bodyType));
    code.push_back(static_cast<CodeWord>(number));
}

void EmitTimeStep(ScriptCode& code, const TimeStep& step) {
    code.push_back(static_cast<CodeWord>(step.count));
    code.push_back(static_cast<CodeWord>(step.unit));
}

CodeWord DateWord(const DateTime& date) noexcept {
    return static_cast<CodeWord>(date.year * 10000 + date.month * 100 + date.day);
}

CodeWord TimeOfDayWord(double hours) noexcept {
    if (!(hours > 0.0)) return 0;
    if (hours >= 24.0) return kDayEndWord;
    // Rounded as a time is shown to the second: the split snaps the
    // seconds, so that 10:59:59.5 carries as written.
    DateTime record;
    record.hours = hours;
    int h = 0;
    int m = 0;
    int s = 0;
    bool nextDay = false;
    DateTimeRoundedHms(record, h, m, s, kRoundToNextDay, kTimeToSecond, &nextDay);
    if (nextDay) return kDayEndWord;
    return static_cast<CodeWord>((h * 100 + m) * 100 + s);
}

bool CodeReader::Peek(CodeWord& word) const noexcept {
    if (AtEnd()) return false;
    word = *next_;
    return true;
}

bool CodeReader::Read(CodeWord& word) noexcept {
    if (AtEnd()) return false;
    word = *next_++;
    return true;
}

bool CodeReader::ReadInt(int& value) noexcept {
    CodeWord word = 0;
    if (!Read(word)) return false;
    value = static_cast<int>(word);
    return true;
}

bool CodeReader::ReadDouble(double& value) noexcept {
    if (end_ - next_ < 2) {
        next_ = end_;
        return false;
    }
    const std::uint64_t bits = next_[0] | (static_cast<std::uint64_t>(next_[1]) << 32);
    next_ += 2;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool CodeReader::ReadString(String& text) {
    CodeWord length = 0;
    if (!Read(length)) return false;
    if (length > static_cast<CodeWord>(end_ - next_)) {
        next_ = end_;
        return false;
    }
    const int n = static_cast<int>(length);
    if (n == 0) {
        StringAssign(text, TXT(""));
        return true;
    }
    StringReserve(text, n, ReserveMode::GrowDiscard);
    Char* out = text.Data();
    for (int i = 0; i < n; ++i) out[i] = static_cast<Char>(next_[i]);
    out[n] = 0;
    next_ += n;
    return true;
}

bool CodeReader::Accept(CodeWord word) noexcept {
    if (AtEnd() || *next_ != word) return false;
    ++next_;
    return true;
}

}  // namespace corvinata
