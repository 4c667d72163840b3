#include "app/sexagesimal_fields.h"

#include <cmath>

namespace corvinata {

int SexagesimalFields::LeadingFieldId() const {
    return layout_ == 0 ? kDegreesFieldId : kIntegerFieldId;
}

bool SexagesimalFields::IsSmallerField(const SpinEditField& field) const noexcept {
    return !field.sign && field.id != LeadingFieldId();
}

void SexagesimalFields::ZeroSmallerFields() {
    for (SpinEditField& field : fields_)
        if (IsSmallerField(field)) field.SetValueChecked(0);
}

bool SexagesimalFields::TopIsClear(const std::vector<int>& values) const {
    int leadIndex = -1;
    const SpinEditField* lead = FindSpinEditField(LeadingFieldId(), &leadIndex);
    if (!lead) return true;
    const int value = values[leadIndex];
    const bool atTop = value != 0 && (value == lead->min || (value == lead->max && !exclusiveMaximum_));
    if (!atTop) return true;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (IsSmallerField(fields_[i]) && values[i] != 0) return false;
    return true;
}

bool SexagesimalFields::Step(bool up) {
    if (!StepCurrentField(up)) return false;
    if (!Carries()) return true;
    const SpinEditField* current = CurrentField();
    SpinEditField* lead = FindSpinEditField(LeadingFieldId());
    if (!lead || current->sign) return true;
    if (current == lead) {
        if (lead->value != 0 && (lead->value == lead->min ||
                                 (lead->value == lead->max && !exclusiveMaximum_)))
            ZeroSmallerFields();
    } else if (current->value != 0 && lead->value != 0) {
        if (lead->value == lead->min)
            lead->SetValueChecked(lead->value + 1);
        else if (lead->value == lead->max && !exclusiveMaximum_)
            lead->SetValueChecked(lead->value - 1);
    }
    return true;
}

bool SexagesimalFields::SetFieldToMaximum() {
    SpinEditField* current = Current();
    if (!current) return false;
    if (current->sign) {
        current->SetValueChecked(1);
        return true;
    }
    current->value = current->max;
    SpinEditField* lead = FindSpinEditField(LeadingFieldId());
    if (!Carries() || exclusiveMaximum_ || !lead) return true;
    if (current == lead)
        ZeroSmallerFields();
    else if (lead->value == lead->max)
        lead->SetValueChecked(lead->value - 1);
    return true;
}

bool SexagesimalFields::StoreMagnitude(double magnitude, int top) {
    if (!std::isfinite(magnitude) || magnitude < 0.0 || magnitude > 1.0e6) return false;
    std::vector<int> values = CollectValues();
    const auto put = [&](int id, int value) {
        int index = -1;
        if (FindSpinEditField(id, &index)) values[index] = value;
    };
    if (layout_ == 0) {
        long long seconds = std::llround(magnitude * 3600.0);
        if (top > 0 && seconds == static_cast<long long>(top) * 3600) --seconds;
        put(kDegreesFieldId, static_cast<int>(seconds / 3600));
        put(kMinutesFieldId, static_cast<int>(seconds % 3600 / 60));
        put(kSecondsFieldId, static_cast<int>(seconds % 60));
    } else {
        long long whole = static_cast<long long>(magnitude);
        long long fraction = std::llround((magnitude - static_cast<double>(whole)) * kFractionScale);
        if (fraction == kFractionScale) {
            ++whole;
            fraction = 0;
        }
        if (top > 0 && whole == top && fraction == 0) {
            whole = top - 1;
            fraction = kFractionScale - 1;
        }
        put(kIntegerFieldId, static_cast<int>(whole));
        put(kFractionFieldId, static_cast<int>(fraction));
    }
    if (!AllValuesInRange(values) || !TopIsClear(values)) return false;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (!fields_[i].sign) fields_[i].value = values[i];
    return true;
}

double SexagesimalFields::ReadMagnitude() const {
    const auto valueOf = [this](int id) {
        const SpinEditField* field = FindSpinEditField(id);
        return field ? field->value : 0;
    };
    if (layout_ == 0)
        return valueOf(kDegreesFieldId) + valueOf(kMinutesFieldId) / 60.0 +
               valueOf(kSecondsFieldId) / 3600.0;
    return valueOf(kIntegerFieldId) + static_cast<double>(valueOf(kFractionFieldId)) / kFractionScale;
}

}  // namespace corvinata
