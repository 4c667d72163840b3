// The time picker: a time of day as hours, minutes and seconds or as decimal
// hours.
#pragma once

#include "app/sexagesimal_fields.h"

namespace corvinata {

class TimePicker : public SexagesimalFields {
public:
    TimePicker();

    // Decimal hours.
    double GetValue() const;
    // Shows `hours` (0..24), rounded to the second (or the millionth of an
    // hour). A time that rounds up to 24:00 stays on its day: it is held at
    // 23:59:59 unless 24 h can be entered. False, and nothing changed,
    // outside 0..24.
    bool SetValue(double hours);
    // Layout 0 "hh:mm:ss", 1 decimal hours; the value is kept. With the
    // exclusive maximum 24 h cannot be entered and the fields step alone.
    void SetFormat(int layout, bool exclusiveMaximum = true);

    bool Validate(const std::vector<int>& values) const override;

protected:
    bool Carries() const override { return !exclusiveMaximum_; }
    bool SwitchLayout() override;

private:
    void RebuildFields();
};

}  // namespace corvinata
