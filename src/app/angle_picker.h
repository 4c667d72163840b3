// The angle picker: longitudes, latitudes, declinations, azimuths and right
// ascensions, as degrees (or hours), minutes and seconds or as a decimal
// number, with a sign or a hemisphere letter where the kind has one.
#pragma once

#include "app/sexagesimal_fields.h"

namespace corvinata {

enum AngleKind : int {
    kSignedUpTo90 = 0,      // declination: sign, 0..90°
    kNorthSouthUpTo90 = 1,  // latitude: 0..90°, N or S
    kSignedUpTo180 = 2,     // sign, 0..180°
    kEastWestUpTo180 = 3,   // longitude: 0..180°, E or W
    kFullCircle = 4,        // azimuth: 0..360°
    kRightAscension = 5,    // 0..24 hours
};

enum AngleFieldId : int {
    kAngleSignFieldId = 5,
    kNorthSouthFieldId = 6,
    kEastWestFieldId = 7,
};

class AnglePicker : public SexagesimalFields {
public:
    AnglePicker();

    // The value in degrees (right ascensions too), negative when the sign
    // or hemisphere field says so.
    double GetValue() const;
    // Shows `degrees`, rounded to the last place the layout shows. With the
    // exclusive maximum a value that rounds to the full circle (or 24 h) is
    // held at the largest value below it. False, and nothing changed, for a
    // value the fields cannot hold.
    bool SetValue(double degrees);
    // Another kind, layout or exclusive-maximum flag. Within one kind the
    // value is kept; a new kind starts from its initial values.
    void SetFormat(int kind, int layout, bool exclusiveMaximum);
    int Kind() const noexcept { return kind_; }

    bool Validate(const std::vector<int>& values) const override;

protected:
    CharResult OnPickerChar(Char c) override;
    bool SwitchLayout() override;

private:
    void RebuildFields();
    // The exclusive top of the leading field (360, 24) or 0.
    int Top() const noexcept;

    int kind_ = kRightAscension;
};

}  // namespace corvinata
