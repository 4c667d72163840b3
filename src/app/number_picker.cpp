#include "app/number_picker.h"

#include <algorithm>
#include <cmath>

#include "base/rounding.h"

namespace corvinata {

namespace {

int DecimalDigitCount(long long value) noexcept {
    int count = 1;
    for (; value >= 10; value /= 10) ++count;
    return count;
}

}  // namespace

NumberPicker::NumberPicker() { SetFormat(0.0, 0.0, 0); }

bool NumberPicker::SetFormat(double minimum, double maximum, int decimals) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum > maximum ||
        std::fabs(minimum) > 1.0e9 || std::fabs(maximum) > 1.0e9)
        return false;
    minimum_ = minimum;
    maximum_ = maximum;
    decimals_ = std::clamp(decimals, 0, kMaxNumberDecimals);
    const long long lowMagnitude = static_cast<long long>(std::fabs(minimum));
    const long long highMagnitude = static_cast<long long>(std::fabs(maximum));
    const long long largest = std::max(lowMagnitude, highMagnitude);
    const bool oneSide = (minimum >= 0.0) == (maximum >= 0.0);
    const long long smallest = oneSide ? std::min(lowMagnitude, highMagnitude) : 0;

    ClearFields();
    if (minimum < 0.0) AddField(MakeSignField(kNumberSignFieldId, std::make_unique<SignText>()));
    const bool fraction = decimals_ > 0;
    AddField(MakeField(kNumberIntegerFieldId, static_cast<int>(smallest),
                       static_cast<int>(largest), DecimalDigitCount(largest),
                       static_cast<int>(smallest), false, true, fraction ? TXT(".") : TXT(""),
                       fraction ? TXT(".") : TXT("")));
    if (fraction)
        AddField(MakeField(kNumberFractionFieldId, 0, PowerOfTen(decimals_) - 1, decimals_, 0,
                           false, false, TXT(""), TXT("")));
    if (maximum < 0.0) SetSignFieldsChecked(false);
    ClampToLimits();
    return true;
}

double NumberPicker::ValueOf(const std::vector<int>& values) const {
    double value = 0.0;
    bool negative = false;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        switch (fields_[i].id) {
            case kNumberSignFieldId: negative = values[i] == 0; break;
            case kNumberIntegerFieldId: value += values[i]; break;
            default: value += static_cast<double>(values[i]) / PowerOfTen(decimals_); break;
        }
    }
    return negative ? -value : value;
}

double NumberPicker::GetValue() const { return ValueOf(CollectValues()); }

std::int32_t NumberPicker::GetRoundedValue() const { return RoundToInt(GetValue()); }

bool NumberPicker::Validate(const std::vector<int>& values) const {
    if (!AllValuesInRange(values)) return false;
    const double value = ValueOf(values);
    return value >= minimum_ && value <= maximum_;
}

bool NumberPicker::SetValue(double value) {
    if (!std::isfinite(value) || value < minimum_ || value > maximum_) return false;
    const double magnitude = std::fabs(value);
    long long whole = static_cast<long long>(magnitude);
    const double scaled = (magnitude - static_cast<double>(whole)) * PowerOfTen(decimals_);
    // At a limit the fraction is cut, so that the shown value stays inside.
    long long fraction = value == minimum_ || value == maximum_
                             ? static_cast<long long>(scaled)
                             : std::llround(scaled);
    if (fraction >= PowerOfTen(decimals_)) {
        ++whole;
        fraction = 0;
    }
    std::vector<int> values = CollectValues();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        switch (fields_[i].id) {
            case kNumberSignFieldId: values[i] = value >= 0.0 ? 1 : 0; break;
            case kNumberIntegerFieldId: values[i] = static_cast<int>(whole); break;
            default: values[i] = static_cast<int>(fraction); break;
        }
    }
    if (!Validate(values)) return false;
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i].value = values[i];
    return true;
}

bool NumberPicker::SetValueClamped(double maximum) {
    const double value = GetValue();
    if (!SetFormat(minimum_, maximum, decimals_)) return false;
    return SetValue(std::min(value, maximum));
}

void NumberPicker::ClampToLimits() {
    const double value = GetValue();
    if (value < minimum_)
        SetValue(minimum_);
    else if (value > maximum_)
        SetValue(maximum_);
}

bool NumberPicker::Step(bool up) {
    if (!StepCurrentField(up)) return false;
    ClampToLimits();
    return true;
}

bool NumberPicker::SetFieldToMaximum() {
    SpinEditField* field = Current();
    if (!field) return false;
    field->value = field->max;
    ClampToLimits();
    return true;
}

bool NumberPicker::SetFieldToMinimum() {
    SpinEditField* field = Current();
    if (!field) return false;
    field->value = field->min;
    ClampToLimits();
    return true;
}

CharResult NumberPicker::OnPickerChar(Char c) {
    if (IsDigitChar(c)) return DigitCharResult(TypeDigit(c - '0'));
    if (c != '+' && c != '-') return CharResult::NotHandled;
    return SetSignFields(c == '+') ? CharResult::Handled : CharResult::Refused;
}

}  // namespace corvinata
