// The date picker: day, month and year of the program's date range, always a
// valid date.
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

protected:
    CharResult OnPickerChar(Char c) override;
    // Called whenever the year may have changed (the owner's window tells
    // its parent).
    virtual void OnYearMayHaveChanged() {}

private:
    bool CurrentIsYear() const noexcept;
    // Writes the date back after a change of one field, the day clamped to
    // the month's length.
    void StoreClamped(std::int32_t year, std::int32_t month, std::int32_t day);
};

}  // namespace corvinata
