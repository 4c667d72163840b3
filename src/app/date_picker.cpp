#include "app/date_picker.h"

#include <algorithm>

#include "base/date_time.h"

namespace corvinata {

namespace {

constexpr const Char* kDateKeys = TXT(",.-/:");

DateTime DateOf(std::int32_t year, std::int32_t month, std::int32_t day) noexcept {
    DateTime date;
    date.year = year;
    date.month = month;
    date.day = day;
    return date;
}

}  // namespace

DatePicker::DatePicker() {
    AddField(MakeField(kDayFieldId, 1, 31, 2, 1, true, true, TXT("."), kDateKeys));
    AddField(MakeField(kMonthFieldId, 1, 12, 2, 1, true, true, TXT("."), kDateKeys));
    AddField(MakeField(kYearFieldId, kFirstValidYear, kLastValidYear, 4, 2000, false, true,
                       TXT(" "), TXT(" ")));
}

void DatePicker::GetDate(std::int32_t& year, std::int32_t& month, std::int32_t& day) const {
    year = fields_[kYearFieldId].value;
    month = fields_[kMonthFieldId].value;
    day = fields_[kDayFieldId].value;
}

bool DatePicker::SetDate(std::int32_t year, std::int32_t month, std::int32_t day) {
    if (!IsValidDate(DateOf(year, month, day))) return false;
    fields_[kYearFieldId].value = year;
    fields_[kMonthFieldId].value = month;
    fields_[kDayFieldId].value = day;
    OnYearMayHaveChanged();
    return true;
}

bool DatePicker::Validate(const std::vector<int>& values) const {
    return values.size() == 3 && IsValidDate(DateOf(values[2], values[1], values[0]));
}

bool DatePicker::CurrentIsYear() const noexcept { return CurrentIndex() == kYearFieldId; }

void DatePicker::StoreClamped(std::int32_t year, std::int32_t month, std::int32_t day) {
    const DateTime date = DateOf(year, month, 1);
    fields_[kYearFieldId].value = year;
    fields_[kMonthFieldId].value = month;
    fields_[kDayFieldId].value = std::min(day, DateTimeDaysInMonth(date));
}

bool DatePicker::Step(bool up) {
    DateTime date;
    GetDate(date.year, date.month, date.day);
    const DateTime before = date;
    switch (CurrentIndex()) {
        case kDayFieldId: DateStepDay(date, up); break;
        case kMonthFieldId: DateStepMonth(date, up); break;
        default:
            if (!DateTimeAddYears(date, up ? 1 : -1)) return false;
            break;
    }
    StoreClamped(date.year, date.month, date.day);
    if (CurrentIsYear()) OnYearMayHaveChanged();
    return !DateTimeEqual(before, date);
}

bool DatePicker::SetFieldToMaximum() {
    std::int32_t year, month, day;
    GetDate(year, month, day);
    switch (CurrentIndex()) {
        case kDayFieldId: day = DateTimeDaysInMonth(DateOf(year, month, 1)); break;
        case kMonthFieldId: month = 12; break;
        default: year = kLastValidYear; break;
    }
    StoreClamped(year, month, day);
    if (CurrentIsYear()) OnYearMayHaveChanged();
    return true;
}

bool DatePicker::SetFieldToMinimum() {
    std::int32_t year, month, day;
    GetDate(year, month, day);
    switch (CurrentIndex()) {
        case kDayFieldId: day = 1; break;
        case kMonthFieldId: month = 1; break;
        default: year = kFirstValidYear; break;
    }
    StoreClamped(year, month, day);
    if (CurrentIsYear()) OnYearMayHaveChanged();
    return true;
}

CharResult DatePicker::OnPickerChar(Char c) {
    if (!IsDigitChar(c)) return CharResult::NotHandled;
    const bool inYear = CurrentIsYear();
    const DigitResult result = TypeDigit(c - '0');
    if (inYear) OnYearMayHaveChanged();
    return DigitCharResult(result);
}

}  // namespace corvinata
