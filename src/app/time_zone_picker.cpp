#include "app/time_zone_picker.h"

#include <algorithm>
#include <cmath>

#include "base/geo_place.h"

namespace corvinata {

namespace {

// The hours field holds the magnitude of either limit.
constexpr int kLargestZoneHours =
    static_cast<int>(kMaxTimeZoneHours > -kMinTimeZoneHours ? kMaxTimeZoneHours : -kMinTimeZoneHours);

// The digit that selects each quarter, by mode (hundredths, minutes).
constexpr Char kQuarterKeys[2][4] = {{'0', '2', '5', '7'}, {'0', '1', '3', '4'}};

}  // namespace

TimeZonePicker::TimeZonePicker() {
    AddField(MakeSignField(kZoneSignFieldId, std::make_unique<SignText>()));
    AddField(MakeField(kZoneHoursFieldId, 0, kLargestZoneHours, 2, 0, false, true, TXT(":"),
                       TXT(":")));
    AddField(MakeField(kZoneQuarterFieldId, 0, 3, 2, 0, true, true, TXT("h"), TXT(""),
                       std::make_unique<QuarterHourText>(mode_)));
}

double TimeZonePicker::ValueOf(const std::vector<int>& values) const {
    const double magnitude = values[kZoneHoursFieldId] + values[kZoneQuarterFieldId] * 0.25;
    return values[kZoneSignFieldId] == 0 ? -magnitude : magnitude;
}

double TimeZonePicker::GetValue() const { return ValueOf(CollectValues()); }

bool TimeZonePicker::Validate(const std::vector<int>& values) const {
    if (!AllValuesInRange(values)) return false;
    const double hours = ValueOf(values);
    return hours >= kMinTimeZoneHours && hours <= kMaxTimeZoneHours;
}

bool TimeZonePicker::SetValue(double hours) {
    if (!std::isfinite(hours) || hours < kMinTimeZoneHours || hours > kMaxTimeZoneHours)
        return false;
    const double magnitude = std::fabs(hours);
    const double whole = std::floor(magnitude);
    const std::vector<int> values = {hours >= 0.0 ? 1 : 0, static_cast<int>(whole),
                                     TimeZoneQuarterIndex(magnitude - whole)};
    if (!Validate(values)) return false;
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i].value = values[i];
    return true;
}

void TimeZonePicker::ClampToLimits() {
    const double hours = GetValue();
    if (hours < kMinTimeZoneHours)
        SetValue(kMinTimeZoneHours);
    else if (hours > kMaxTimeZoneHours)
        SetValue(kMaxTimeZoneHours);
}

bool TimeZonePicker::Step(bool up) {
    if (!StepCurrentField(up)) return false;
    ClampToLimits();
    return true;
}

bool TimeZonePicker::SetFieldToMaximum() {
    SpinEditField* field = Current();
    if (!field) return false;
    field->value = field->max;
    ClampToLimits();
    return true;
}

CharResult TimeZonePicker::OnPickerChar(Char c) {
    if (c == '+' || c == '-')
        return SetSignFields(c == '+') ? CharResult::Handled : CharResult::Refused;
    if (!IsDigitChar(c)) return CharResult::NotHandled;
    switch (CurrentIndex()) {
        case kZoneHoursFieldId: return DigitCharResult(TypeDigit(c - '0'));
        case kZoneQuarterFieldId: {
            const Char* keys = kQuarterKeys[mode_ == TimeZoneFractionMode::Minutes ? 1 : 0];
            const Char* found = std::find(keys, keys + 4, c);
            if (found == keys + 4) return CharResult::Refused;
            const int quarter = static_cast<int>(found - keys);
            std::vector<int> values = CollectValues();
            values[kZoneQuarterFieldId] = quarter;
            if (!Validate(values)) return CharResult::Refused;
            fields_[kZoneQuarterFieldId].value = quarter;
            return CharResult::Handled;
        }
        default: return CharResult::Refused;
    }
}

}  // namespace corvinata
