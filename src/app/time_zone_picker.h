// The time-zone picker: an offset from Universal time in whole quarter
// hours, as a sign, hours and a quarter ("+05:30h"), within the limits of
// the program's time zones.
#pragma once

#include "app/spin_fields.h"
#include "base/number_text.h"

namespace corvinata {

enum TimeZoneFieldId : int { kZoneSignFieldId = 0, kZoneHoursFieldId = 1, kZoneQuarterFieldId = 2 };

class TimeZonePicker : public SpinEdit {
public:
    TimeZonePicker();

    // Hours east of Universal time.
    double GetValue() const;
    // Shows `hours` (a fraction other than a quarter shows as :00); false,
    // and nothing changed, outside the time-zone limits.
    bool SetValue(double hours);
    // How the quarter is shown and typed: minutes (":30") or hundredths
    // (":50").

    bool Validate(const std::vector<int>& values) const override;
    int LeadingFieldId() const override { return kZoneHoursFieldId; }
    bool Step(bool up) override;
    bool SetFieldToMaximum() override;

protected:
    CharResult OnPickerChar(Char c) override;

private:
    double ValueOf(const std::vector<int>& values) const;
    void ClampToLimits();

    TimeZoneFractionMode mode_ = TimeZoneFractionMode::Minutes;
};

}  // namespace corvinata
