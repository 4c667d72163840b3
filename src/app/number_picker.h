// The number picker: a number between two limits with a fixed number of
// decimals, as an optional sign, an integer part and a fraction.
#pragma once

#include <cstdint>

#include "app/spin_fields.h"

namespace corvinata {

enum NumberFieldId : int { kNumberSignFieldId = 0, kNumberIntegerFieldId = 1, kNumberFractionFieldId = 2 };

// Most decimals a number picker shows (the fraction is a 32-bit field).
constexpr int kMaxNumberDecimals = 9;

class NumberPicker : public SpinEdit {
public:
    NumberPicker();

    double GetValue() const;
    // The value rounded half away from zero.
    std::int32_t GetRoundedValue() const;
    // New limits and decimals (0..9); the fields start from 0 or the nearest
    // limit. Limits that are not finite or out of order are refused.
    bool SetFormat(double minimum, double maximum, int decimals);
    // Shows `value`; false, and nothing changed, outside the limits.
    bool SetValue(double value);
    // A new maximum; the value is kept, or lowered to the new maximum.
    bool SetValueClamped(double maximum);

    double Minimum() const noexcept { return minimum_; }
    double Maximum() const noexcept { return maximum_; }
    int Decimals() const noexcept { return decimals_; }

    bool Validate(const std::vector<int>& values) const override;
    int LeadingFieldId() const override { return kNumberIntegerFieldId; }
    bool Step(bool up) override;
    bool SetFieldToMaximum() override;
    bool SetFieldToMinimum() override;

protected:
    CharResult OnPickerChar(Char c) override;

private:
    double ValueOf(const std::vector<int>& values) const;
    // Brings the value back within the limits after a step.
    void ClampToLimits();

    double minimum_ = 0.0;
    double maximum_ = 0.0;
    int decimals_ = 0;
};

}  // namespace corvinata
