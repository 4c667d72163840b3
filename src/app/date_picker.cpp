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
    SetTypingAdvances();
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
    typedDay_ = 0;
    OnYearMayHaveChanged();
    return true;
}

bool DatePicker::Validate(const std::vector<int>& values) const {
    if (typing_) return AllValuesInRange(values);
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
    typedDay_ = 0;
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
    typedDay_ = 0;
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
    typedDay_ = 0;
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
    const int typed = CurrentIndex();
    typing_ = true;
    const DigitResult result = TypeDigit(c - '0');
    typing_ = false;
    if (result == DigitResult::Accepted) SettleTypedDay(typed);
    if (typed == kYearFieldId) OnYearMayHaveChanged();
    if (result == DigitResult::Refused && !pasteInProgress_) OnTypingRefused();
    return DigitCharResult(result);
}

void DatePicker::SettleTypedDay(int typed) {
    std::int32_t year, month, day;
    GetDate(year, month, day);
    if (typed == kDayFieldId) typedDay_ = day;
    const std::int32_t length = DateTimeDaysInMonth(DateOf(year, month, 1));
    // A day the user did not type is fitted to a shorter month, as a step
    // of the month fits it; a typed one comes back when a longer one is
    // typed after it.
    const std::int32_t wanted = typedDay_ != 0 ? typedDay_ : day;
    fields_[kDayFieldId].value = std::min(wanted, length);
    const bool dateComplete = typed == kYearFieldId && !EntryInProgress();
    if (dateComplete && !pasteInProgress_) EndTypedDate();
}

std::int32_t DatePicker::HeldDay() const noexcept {
    return typedDay_ > fields_[kDayFieldId].value ? typedDay_ : 0;
}

void DatePicker::EndTypedDate() {
    const bool given = HeldDay() != 0;
    typedDay_ = 0;
    if (given) OnTypingRefused();
}

void DatePicker::FocusLost() {
    SpinEdit::FocusLost();
    EndTypedDate();
}

bool DatePicker::PasteText(const Char* text) {
    const std::vector<SpinEditField> savedFields = fields_;
    const int savedCurrent = CurrentIndex();
    const std::int32_t savedTyped = typedDay_;
    pasteInProgress_ = true;
    typedDay_ = 0;
    const bool taken = SpinEdit::PasteText(text) && HeldDay() == 0;
    pasteInProgress_ = false;
    typedDay_ = 0;
    if (taken) return true;
    // Not a date as it stands (31.02.2024): nothing changes.
    fields_ = savedFields;
    SetCurrentIndex(savedCurrent);
    EndEntry();
    typedDay_ = savedTyped;
    OnTypingRefused();
    return false;
}

}  // namespace corvinata
