// Typed angle values: geographic longitude and latitude, and angles on the
// full circle (right ascension, azimuth) shown in degrees or in hours.
//
// Each value knows its closed range, its unit symbol and how to write itself
// in the sexagesimal ("12°30'07\""), decimal ("12.50194°") and hours
// ("12h30m07s") styles; the free functions below read such texts back. The
// value kNotComputedAngle (-1000.0) marks an angle that was not computed and
// is written as dashes.
//
// LONGITUDE SIGN RULE. `LongitudeValue::degrees` always counts positive WEST
// of Greenwich, whatever the value's orientation `mode`. The orientation is a
// preference of the user's: it only decides how a bare signed number that the
// user types is read (LongitudeParse) and which sign the user sees in the
// parts of a text (GetDisplayValue). A value is made canonical where it is
// created from user input, so computations (local and sidereal time, hour
// angles, topocentric positions) take GetValue() or `degrees` as it stands,
// west positive, and never consult `mode`: negating an east-oriented value
// before use would count it twice. Copying a longitude, assigning only its
// number (TypedValueAssign) and comparing places therefore never move a
// place to the other side of Greenwich.
#pragma once

#include <cstdint>

#include "base/text_char.h"

namespace corvinata {

class String;

// Marks an angle or latitude that was not computed or not found.
constexpr double kNotComputedAngle = -1000.0;

// Marks used in the texts.
constexpr Char kDegreeSign = 0x00B0;
constexpr Char kMinutesMark = '\'';
constexpr Char kSecondsMark = '"';

// Text styles of Format.
enum AngleTextStyle : std::int32_t {
    kAngleSexagesimal = 0,
    kAngleDecimal = 1,
};

// Precision of the sexagesimal and hours texts: to the second, to the minute
// or to the whole degree (hour).
enum AnglePrecision : std::int32_t {
    kToSecond = 0,
    kToMinute = 1,
    kToDegree = 2,
};

// The decimals argument that asks for the automatic count: none at
// kToDegree, five otherwise.
constexpr std::int32_t kAutomaticDecimals = -1;

// Orientation words of a LongitudeValue.
enum LongitudeOrientation : std::int32_t {
    kWestPositive = 0,
    kEastPositive = 1,
};

// Side styles of a LatitudeValue: a leading "-" for the south, or " N"/" S"
// after the text; any other word gives an empty text.
enum LatitudeSideStyle : std::int32_t {
    kLatitudeMinusSign = 0,
    kLatitudeHemisphereLetter = 1,
};

// Display units of a FullCircleAngleValue.
enum FullCircleUnit : std::int32_t {
    kShowDegrees = 0,
    kShowHours = 1,
};

// Abstract base of the three angle classes. Values are embedded and copied
// by value; they are never deleted through a base pointer.
class AngleValue {
public:
    // The angle in degrees, also for values shown in hours.
    double degrees;
    // One word whose meaning depends on the class (orientation, side style or
    // display unit).
    std::int32_t mode;

    double GetValue() const noexcept { return degrees; }

    // Replaces `out` by the value's text. style: kAngleSexagesimal or
    // kAngleDecimal; precision: an AnglePrecision; decimals: the count of
    // the decimal style or kAutomaticDecimals.
    virtual void Format(String& out, int style, int precision,
                        int decimals) const = 0;
    // The signed whole degrees (hours), the minutes and the seconds as
    // separate texts, for reports that lay them out themselves.
    virtual void FormatParts(String& deg, String& min, String& sec,
                             int precision) const;
    virtual Char GetUnitSymbol() const noexcept;
    // The number the user sees: hours for a full-circle value in hours, the
    // signed degrees in the orientation's sense for a longitude.
    virtual double GetDisplayValue() const noexcept;
    virtual double GetMaximum() const noexcept = 0;
    virtual double GetMinimum() const noexcept = 0;

    // Stores an angle that was typed as a signed number in the sense the
    // user reads this value (see GetDisplayValue; degrees, not hours).
    virtual void SetTypedDegrees(double typed) noexcept;

protected:
    AngleValue(double value, std::int32_t modeWord) noexcept
        : degrees(value), mode(modeWord) {}
    AngleValue(const AngleValue&) = default;
    AngleValue& operator=(const AngleValue&) = default;
    ~AngleValue() = default;
};

// Geographic longitude, -180..180, `degrees` west positive (see the sign rule
// above); `mode` is the orientation (LongitudeOrientation).
class LongitudeValue final : public AngleValue {
public:
    LongitudeValue() noexcept : AngleValue(0.0, kWestPositive) {}
    // westDegrees counts positive west whatever the orientation.
    LongitudeValue(double westDegrees, std::int32_t orientation) noexcept
        : AngleValue(westDegrees, orientation) {}


    void Format(String& out, int style, int precision,
                int decimals) const override;
    double GetDisplayValue() const noexcept override;
    double GetMaximum() const noexcept override { return 180.0; }
    double GetMinimum() const noexcept override { return -180.0; }
    void SetTypedDegrees(double typed) noexcept override;

    // Changes how the value is typed and shown; the place stays where it is.
    void SetOrientation(std::int32_t orientation) noexcept { mode = orientation; }
    std::int32_t GetOrientation() const noexcept { return mode; }
    bool IsEastPositive() const noexcept { return mode != kWestPositive; }
};

// Geographic latitude, -90..90, positive north; `mode` is the side style.
class LatitudeValue final : public AngleValue {
public:
    LatitudeValue() noexcept : AngleValue(0.0, kLatitudeHemisphereLetter) {}
    LatitudeValue(double northDegrees, std::int32_t sideStyle) noexcept
        : AngleValue(northDegrees, sideStyle) {}

    void Format(String& out, int style, int precision,
                int decimals) const override;
    double GetMaximum() const noexcept override { return 90.0; }
    double GetMinimum() const noexcept override { return -90.0; }
};

// An angle on the full circle, 0..360 degrees; `mode` is the display unit.
class FullCircleAngleValue final : public AngleValue {
public:
    FullCircleAngleValue() noexcept : AngleValue(kNotComputedAngle, kShowDegrees) {}
    FullCircleAngleValue(double value, std::int32_t displayUnit) noexcept
        : AngleValue(value, displayUnit) {}

    void Format(String& out, int style, int precision,
                int decimals) const override;
    Char GetUnitSymbol() const noexcept override;
    double GetDisplayValue() const noexcept override;
    double GetMaximum() const noexcept override { return 360.0; }
    double GetMinimum() const noexcept override { return 0.0; }
};

// Closed range tests.
bool IsLongitudeValid(double degrees) noexcept;
bool IsLatitudeValid(double degrees) noexcept;
bool IsFullCircleAngleValid(double degrees) noexcept;

// Copies only the number; dest keeps its class and its mode word.
void TypedValueAssign(AngleValue& dest, const AngleValue& src) noexcept;

// Angle wrapped into (-180, 180].
double NormaliseAngle180(double degrees) noexcept;
// Latitude wrapped with period 180 into (-90, 90]: 100 gives -80. A wrap,
// not a reflection at the poles.
double NormaliseLatitude(double degrees) noexcept;

// Whole degrees (hours), minutes and seconds of the display value, rounded
// to `precision` with carry into the higher units. Minutes and seconds are
// never negative; negative values round away from zero.
struct AngleParts {
    std::int32_t whole;
    std::int32_t minutes;
    std::int32_t seconds;
};
AngleParts SplitAngle(const AngleValue& value, int precision) noexcept;

// Sexagesimal text of the magnitude, without sign: "5°03'07\"", "5°03'",
// "5°"; dashes for a value not computed.
void FormatAngle(const AngleValue& value, int precision, String& out);
// The angle as hours of time (degrees / 15), without sign: "12h30m07s".
void FormatDuration(const AngleValue& value, int precision, String& out);
// The magnitude of the display value with `decimals` decimals and the unit
// symbol: "12.50000°", "8.33333h"; "--.-----°" for a value not computed.
void FormatAngleDecimal(const AngleValue& value, int precision, int decimals,
                        String& out);
// The three parts as texts: signed whole degrees (hours), two-digit minutes
// and seconds.
void AngleFormatParts(const AngleValue& value, String& deg, String& min,
                      String& sec, int precision);

// The Format operations of the three classes.
void LongitudeFormat(const LongitudeValue& value, String& out, int style,
                     int precision, int decimals);
void LatitudeFormat(const LatitudeValue& value, String& out, int style,
                    int precision, int decimals);
void FullCircleAngleFormat(const FullCircleAngleValue& value, String& out,
                           int style, int precision, int decimals);

// Readers. Each answers true and stores the angle into the target on
// success; on failure the target is unchanged. None reports a message.
//
// Degrees as "12°30'15\"", "12°30'", "12°", "12" or "12 ", or as a decimal
// number with an optional degree sign; checked against the target's range.
bool ParseAngleText(const Char* text, AngleValue& target);
// As ParseAngleText, with an optional side letter at the end ("E"/"W",
// "N"/"S", any case) that wins over a typed sign.
bool LongitudeParse(LongitudeValue& target, const Char* text);
bool LatitudeParse(LatitudeValue& target, const Char* text);
// Hours, minutes and seconds: "10h30m15s", "10h30m", "10h", "10".
bool FullCircleAngleParseHms(FullCircleAngleValue& target, const Char* text);
// Decimal hours followed by one unit character: "12.5h".
bool FullCircleAngleParseDecimal(FullCircleAngleValue& target, const Char* text);

// A full-circle angle in any of its text forms: degrees (ParseAngleText),
// then hours-minutes-seconds, then decimal hours; the first reader that
// accepts the text wins, so "12.5" is degrees and "12.5h" hours.
bool FullCircleAngleParse(FullCircleAngleValue& target, const Char* text);

// The two readers behind ParseAngleText, without a range check.
bool ParseAngleDms(const Char* text, double& degrees);
bool ParseAngleDecimal(const Char* text, double& degrees);

}  // namespace corvinata
