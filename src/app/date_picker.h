// The date picker: day, month and year of the program's date range, always a
// valid date.
//
// A date is typed whole, field by field ("31.12.2028" or "31122028"). While
// it is typed each field is checked against its own range only, so that a
// day is not refused for the month that the user is about to replace: a
// typed day longer than the month shown is held back (the field shows the
// month's last day) and comes in when the month and year typed next allow
// it. When the date is complete (the year typed, or the control left)
// without allowing it, the picker says so (OnTypingRefused) and keeps the
// month's last day.
#pragma once

#include <cstdint>

#include "app/spin_fields.h"

namespace corvinata {

enum DateFieldId : int { kDayFieldId = 0, kMonthFieldId = 1, kYearFieldId = 2 };

class DatePicker : public SpinEdit {
public:
    DatePicker();

    void GetDate(std::int32_t& year, std::int32_t& month, std::int32_t& day) const;
    // Shows the date when it is valid (1.1.1583 to 31.12.3000) and tells
    // that the year may have changed; otherwise false and nothing changed.
    bool SetDate(std::int32_t year, std::int32_t month, std::int32_t day);

    bool Validate(const std::vector<int>& values) const override;
    int LeadingFieldId() const override { return kYearFieldId; }
    bool Step(bool up) override;
    bool SetFieldToMaximum() override;
    bool SetFieldToMinimum() override;
    void FocusLost() override;
    // A pasted date is taken only when it is a date as it stands.
    bool PasteText(const Char* text) override;

    // The typed day that waits for a month long enough; 0 when none.
    std::int32_t HeldDay() const noexcept;

protected:
    CharResult OnPickerChar(Char c) override;
    // Called whenever the year may have changed (the owner's window tells
    // its parent).
    virtual void OnYearMayHaveChanged() {}
    // A typed digit was refused, or a typed day could not be kept: the
    // window tells the user.
    virtual void OnTypingRefused() {}

private:
    bool CurrentIsYear() const noexcept;
    // Writes the date back after a change of one field, the day clamped to
    // the month's length.
    void StoreClamped(std::int32_t year, std::int32_t month, std::int32_t day);
    // After a digit typed into field `typed`: the day the user typed is
    // shown as soon as the month allows it; the year typed completes the
    // date.
    void SettleTypedDay(int typed);
    // The typed date is complete (or the control left): a typed day the
    // month has not got is given up, with a word.
    void EndTypedDate();

    bool typing_ = false;        // a digit is being checked: each field against its range only
    bool pasteInProgress_ = false;       // a paste is typed: it is judged whole at its end
    std::int32_t typedDay_ = 0;  // the day typed in the date being typed, 0 before or after
};

}  // namespace corvinata
