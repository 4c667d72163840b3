#include "app/time_picker.h"

#include <cmath>

#include "base/date_time.h"
#include "base/date_time_text.h"

namespace corvinata {

TimePicker::TimePicker() { RebuildFields(); }

void TimePicker::RebuildFields() {
    ClearFields();
    const int maximum = exclusiveMaximum_ ? 23 : 24;
    if (layout_ == 0) {
        AddField(MakeField(kDegreesFieldId, 0, maximum, 2, 0, true, true, TXT(":"), TXT(":")));
        AddField(MakeField(kMinutesFieldId, 0, 59, 2, 0, true, true, TXT(":"), TXT(":")));
        AddField(MakeField(kSecondsFieldId, 0, 59, 2, 0, true, true, TXT(""), TXT("")));
    } else {
        AddField(MakeField(kIntegerFieldId, 0, maximum, 2, 0, true, true, TXT("."), TXT(".")));
        AddField(MakeField(kFractionFieldId, 0, kFractionScale - 1, kFractionDigits, 0, false,
                           false, TXT("h"), TXT("h")));
    }
}

bool TimePicker::Validate(const std::vector<int>& values) const {
    if (!AllValuesInRange(values)) return false;
    const double hours = layout_ == 0
                             ? values[0] + values[1] / 60.0 + values[2] / 3600.0
                             : values[0] + static_cast<double>(values[1]) / kFractionScale;
    return hours >= 0.0 && hours <= 24.0;
}

double TimePicker::GetValue() const { return ReadMagnitude(); }

bool TimePicker::SetValue(double hours) {
    if (!std::isfinite(hours) || hours < 0.0 || hours > 24.0) return false;
    if (layout_ == 1) return StoreMagnitude(hours, exclusiveMaximum_ ? 24 : 0);
    DateTime time;
    time.hours = hours;
    int h = 0, m = 0, s = 0;
    DateTimeRoundedHms(time, h, m, s, exclusiveMaximum_ ? kRoundHoldDayEnd : kRoundKeep24,
                       kTimeToSecond, nullptr);
    return StoreMagnitude(h + m / 60.0 + s / 3600.0, 0);
}

void TimePicker::SetFormat(int layout, bool exclusiveMaximum) {
    const double value = GetValue();
    layout_ = layout == 0 ? 0 : 1;
    exclusiveMaximum_ = exclusiveMaximum;
    RebuildFields();
    SetValue(value);
}

bool TimePicker::SwitchLayout() {
    SetFormat(1 - layout_, exclusiveMaximum_);
    return true;
}

}  // namespace corvinata
