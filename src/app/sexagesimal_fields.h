// What the angle and time pickers share: a leading field (degrees or hours)
// followed by minutes, seconds or a decimal fraction, and an optional top of
// the range that cannot be entered (a full circle, 24 hours).
//
// At the top (the leading field at its maximum while the top can be entered)
// the smaller fields must hold 0, so that 90° 00' 00" is the largest latitude
// and 90° 01' is never shown; stepping a smaller field there moves the
// leading field one down instead.
#pragma once

#include <vector>

#include "app/spin_fields.h"

namespace corvinata {

// Field ids of both pickers.
enum SexagesimalFieldId : int {
    kDegreesFieldId = 0,    // degrees or hours, sexagesimal layout
    kMinutesFieldId = 1,
    kSecondsFieldId = 2,
    kIntegerFieldId = 3,    // degrees or hours, decimal layout
    kFractionFieldId = 4,   // millionths, decimal layout
};

constexpr int kFractionDigits = 6;
constexpr int kFractionScale = 1000000;

class SexagesimalFields : public SpinEdit {
public:
    // 1: the top of the range (a full circle, 24 hours) cannot be entered.
    bool ExclusiveMaximum() const noexcept { return exclusiveMaximum_; }
    // 0: leading field, minutes and seconds; 1: leading field and fraction.
    int Layout() const noexcept { return layout_; }
    int LeadingFieldId() const override;

protected:
    bool Step(bool up) override;
    bool SetFieldToMaximum() override;

    // Whether the values keep the smaller fields at 0 at the top.
    bool TopIsClear(const std::vector<int>& values) const;
    // Whether steps and End carry between the fields.
    virtual bool Carries() const { return true; }
    // The leading field, minutes, seconds or fraction of a whole value in
    // leading-field units (hours or degrees), all or nothing: false, and no
    // field changed, when the value does not fit the fields. `top` is the
    // exclusive top of the leading field (24, 360) or 0 where there is none:
    // a value that rounds to it is held just below.
    bool StoreMagnitude(double magnitude, int top);
    // The value of the leading field and the smaller ones, in its units.
    double ReadMagnitude() const;

    bool exclusiveMaximum_ = true;
    int layout_ = 0;

private:
    bool IsSmallerField(const SpinEditField& field) const noexcept;
    void ZeroSmallerFields();
};

}  // namespace corvinata
