#include "catalog/quantity_values.h"

#include <cmath>

#include "astro/coordinates.h"
#include "astro/eclipse_texts.h"
#include "base/angle_value.h"
#include "base/date_time.h"
#include "base/date_time_text.h"
#include "base/distance_value.h"
#include "base/event_time.h"
#include "base/magnitude_text.h"
#include "base/number_text.h"
#include "base/services.h"
#include "base/text_format.h"
#include "catalog/constellation_catalogue.h"

namespace corvinata {
namespace {

constexpr const Char* kCompassPoints[8] = {TXT("N"), TXT("NE"), TXT("E"), TXT("SE"),
                                           TXT("S"), TXT("SW"), TXT("W"), TXT("NW")};

// The text without leading and trailing white space.
String Trimmed(const Char* text) {
    String result;
    if (!text) return result;
    while (IsSpaceChar(*text)) ++text;
    int length = TextLength(text);
    while (length > 0 && IsSpaceChar(text[length - 1])) --length;
    StringReserve(result, length, ReserveMode::Discard);
    for (int i = 0; i < length; ++i) result.Data()[i] = text[i];
    result.Data()[length] = 0;
    return result;
}

// Equality with the case of A..Z ignored.
bool FoldedEquals(const Char* a, const Char* b) noexcept {
    while (*a && FoldUpper(*a) == FoldUpper(*b)) {
        ++a;
        ++b;
    }
    return FoldUpper(*a) == FoldUpper(*b);
}

// A number filling the whole text, with `suffixes` allowed after it (one
// character, optionally after blanks).
bool ParseNumber(const Char* text, double& value, const Char* suffixes = TXT("")) {
    int consumed = 0;
    if (!ParseDouble(text, value, &consumed) || !std::isfinite(value)) return false;
    const Char* rest = text + consumed;
    while (IsSpaceChar(*rest)) ++rest;
    if (*rest == 0) return true;
    for (const Char* s = suffixes; *s; ++s) {
        if (*rest == *s && rest[1] == 0) return true;
    }
    return false;
}

// A whole number in first..last, as text of digits alone.
bool ParseIndex(const Char* text, int first, int last, int& index) {
    if (!*text) return false;
    for (const Char* p = text; *p; ++p) {
        if (!IsDigitChar(*p)) return false;
    }
    double value = 0.0;
    if (!ParseNumber(text, value) || value < first || value > last) return false;
    index = static_cast<int>(value);
    return true;
}

// The constellation number whose abbreviation, Latin or English name equals
// the text (case of A..Z ignored), or -1; only the numbers `accept` allows.
template <class Accept>
int FindConstellationName(const Char* text, Accept accept) {
    for (auto field : {&ConstellationNames::abbreviation, &ConstellationNames::latin,
                       &ConstellationNames::english}) {
        for (int n = 0; n < kConstellationCount; ++n) {
            if (accept(n) && FoldedEquals(ConstellationNamesAt(n)->*field, text)) return n;
        }
    }
    return -1;
}

class TimeOfDayValue final : public QuantityValue {
public:
    using QuantityValue::QuantityValue;
    bool Parse(const Char* text) override {
        // 24:00 is the end of this day (the top of a time axis), not the
        // start of the next.
        if (!ParseTimeOfDay(text, value_)) {
            SetMissing();
            return false;
        }
        return true;
    }
    void Format(String& out, const QuantityFormatRequest& request) const override {
        DateTime record;
        record.hours = ShowsMissing() ? kNoTimeHours : value_;
        record.timeSystem = system_;
        FormatTime(request.unitPrecision, record, request.withSystemName, request.rounding,
                   nullptr, out);
    }

private:
    bool ShowsMissing() const noexcept { return IsMissing() || !kind_.InRange(value_); }
};

// The angle kinds: longitude, latitude, the three plain angles.
class AngleQuantityValue final : public QuantityValue {
public:
    using QuantityValue::QuantityValue;
    bool Parse(const Char* text) override {
        const String trimmed = Trimmed(text);
        bool ok = false;
        switch (kind_.Id()) {
        case kQuantityLatitude:
        case kQuantityAngle90: {
            LatitudeValue target;
            ok = LatitudeParse(target, trimmed.Text());
            value_ = target.degrees;
            break;
        }
        case kQuantityAngle180: {
            LongitudeValue target(0.0, kEastPositive);
            ok = LongitudeParse(target, trimmed.Text());
            value_ = -target.degrees;  // east positive
            break;
        }
        default: {
            FullCircleAngleValue target(0.0, kShowDegrees);
            ok = FullCircleAngleParse(target, trimmed.Text());
            value_ = target.degrees;
            break;
        }
        }
        if (!ok) SetMissing();
        return ok;
    }
    void Format(String& out, const QuantityFormatRequest& request) const override {
        const double degrees =
            IsMissing() || !kind_.InRange(value_) ? kNotComputedAngle : value_;
        const int decimals = request.precision == kDefaultQuantityPrecision ? kAutomaticDecimals
                                                                             : request.precision;
        const int style = request.angleDegreeBase;
        switch (kind_.Id()) {
        case kQuantityLatitude:
        case kQuantityAngle90:
            LatitudeFormat(LatitudeValue(degrees, kLatitudeHemisphereLetter), out, style,
                           request.unitPrecision, decimals);
            break;
        case kQuantityAngle180:
            LongitudeFormat(LongitudeValue(degrees == kNotComputedAngle ? degrees : -degrees,
                                           kEastPositive),
                            out, style, request.unitPrecision, decimals);
            break;
        default: {
            // Right ascensions follow the user's choice of hours or degrees.
            const bool hours = kind_.Id() == kQuantityLongitude &&
                               system_ == kEquatorialSystem && request.raDisplayUnit == kShowHours;
            FullCircleAngleFormat(FullCircleAngleValue(degrees, hours ? kShowHours : kShowDegrees),
                                  out, style, request.unitPrecision, decimals);
            break;
        }
        }
        const bool hasSystem = kind_.Id() == kQuantityLongitude || kind_.Id() == kQuantityLatitude;
        if (hasSystem && request.withSystemName) {
            StringAppend(out, TXT(" "));
            StringAppend(out, GetCoordinateSystemName(system_));
        }
    }
};

class DistanceQuantityValue final : public QuantityValue {
public:
    using QuantityValue::QuantityValue;
    bool Parse(const Char* text) override {
        const String trimmed = Trimmed(text);
        DistanceValue distance;
        if (!DistanceParse(distance, trimmed.Text())) {
            SetMissing();
            return false;
        }
        value_ = distance.value;
        system_ = distance.unit;
        return true;
    }
    void Format(String& out, const QuantityFormatRequest& request) const override {
        DistanceValue distance;
        distance.value = IsMissing() || !kind_.InRange(value_) ? kNoDistance : value_;
        distance.unit = system_;
        DistanceFormatOrDashes(out, distance, DecimalsFor(request), true);
    }
};

// Magnitude, phase and scalar: a number with the kind's sign and unit.
class NumberQuantityValue final : public QuantityValue {
public:
    using QuantityValue::QuantityValue;
    bool Parse(const Char* text) override {
        const String trimmed = Trimmed(text);
        double value = 0.0;
        bool ok = false;
        switch (kind_.Id()) {
        case kQuantityMagnitude:
            ok = ParseNumber(trimmed.Text(), value, TXT("mM"));
            break;
        case kQuantityPhase:
            ok = ParsePercentage(trimmed.Text(), value);
            break;
        default:
            ok = ParseNumber(trimmed.Text(), value);
            break;
        }
        if (ok) {
            value_ = value;
        } else {
            SetMissing();
        }
        return ok;
    }
    void Format(String& out, const QuantityFormatRequest& request) const override {
        const bool missing = IsMissing() || !kind_.InRange(value_);
        switch (kind_.Id()) {
        case kQuantityMagnitude:
            FormatMagnitude(missing ? kNoMagnitude : value_, out, DecimalsFor(request));
            return;
        case kQuantityPhase:
            FormatPercentage(missing ? -1.0 : value_, DecimalsFor(request), out);
            return;
        default:
            if (missing) {
                StringAssign(out, TXT("---"));
            } else {
                FormatDouble(value_, DecimalsFor(request), out, false);
            }
            return;
        }
    }
};

// Constellation and zodiac sign: integers shown by abbreviation.
class IndexQuantityValue final : public QuantityValue {
public:
    using QuantityValue::QuantityValue;
    void SetValue(double value) noexcept override {
        value_ = std::isfinite(value) && std::fabs(value) < 2147483648.0 ? std::trunc(value)
                                                                       : kind_.GetNoneValue();
    }
    bool Parse(const Char* text) override {
        const String trimmed = Trimmed(text);
        const bool zodiac = kind_.Id() == kQuantityZodiac;
        const int last = static_cast<int>(kind_.GetMaximum());
        int index = -1;
        if (!ParseIndex(trimmed.Text(), 0, last, index)) {
            if (zodiac) {
                const int constellation = FindConstellationName(
                    trimmed.Text(), [](int n) { return ConstellationZodiacSign(n) >= 0; });
                index = ConstellationZodiacSign(constellation);
            } else {
                index = FindConstellationName(trimmed.Text(), [](int) { return true; });
            }
        }
        if (index < 0) {
            SetMissing();
            return false;
        }
        value_ = index;
        return true;
    }
    void Format(String& out, const QuantityFormatRequest&) const override {
        const bool missing = IsMissing() || !kind_.InRange(value_);
        const int index = missing ? -1 : static_cast<int>(value_);
        const int constellation =
            kind_.Id() == kQuantityZodiac ? ZodiacSignConstellationIndex(index) : index;
        const ConstellationNames* names = ConstellationNamesAt(constellation);
        StringAssign(out, names ? names->abbreviation : TXT("---"));
    }
};

class DirectionQuantityValue final : public QuantityValue {
public:
    using QuantityValue::QuantityValue;
    bool Parse(const Char* text) override {
        const String trimmed = Trimmed(text);
        FullCircleAngleValue target(0.0, kShowDegrees);
        if (FullCircleAngleParse(target, trimmed.Text())) {
            value_ = target.degrees;
            return true;
        }
        for (int i = 0; i < 8; ++i) {
            if (TextEquals(kCompassPoints[i], trimmed.Text())) {
                value_ = 45.0 * i;
                return true;
            }
        }
        SetMissing();
        return false;
    }
    void Format(String& out, const QuantityFormatRequest&) const override {
        if (IsMissing() || !kind_.InRange(value_)) {
            StringAssign(out, TXT("--"));
            return;
        }
        double shifted = value_ + 22.5;
        if (shifted >= 360.0) shifted -= 360.0;
        StringAssign(out, kCompassPoints[static_cast<int>(shifted) / 45]);
    }
};

}  // namespace

int QuantityValue::DecimalsFor(const QuantityFormatRequest& request) const noexcept {
    return request.precision == kDefaultQuantityPrecision ? kind_.Decimals(value_)
                                                          : request.precision;
}

std::unique_ptr<QuantityValue> CreateQuantityValue(int kind, double value, int system, int flag) {
    const QuantityKind* descriptor = QuantityKindByIndex(kind);
    if (!descriptor) return nullptr;
    std::unique_ptr<QuantityValue> result;
    switch (kind) {
    case kQuantityTimeOfDay:
        result.reset(new TimeOfDayValue(*descriptor, system, flag));
        break;
    case kQuantityLongitude:
    case kQuantityLatitude:
        result.reset(new AngleQuantityValue(*descriptor, system, 0));
        break;
    case kQuantityAngle360:
    case kQuantityAngle90:
    case kQuantityAngle180:
        result.reset(new AngleQuantityValue(*descriptor, 0, 0));
        break;
    case kQuantityDistance:
        result.reset(new DistanceQuantityValue(*descriptor, system, 0));
        break;
    case kQuantityConstellation:
    case kQuantityZodiac:
        result.reset(new IndexQuantityValue(*descriptor, 0, 0));
        break;
    case kQuantityDirection:
        result.reset(new DirectionQuantityValue(*descriptor, 0, 0));
        break;
    default:
        result.reset(new NumberQuantityValue(*descriptor, 0, 0));
        break;
    }
    result->SetValue(value);
    return result;
}

QuantityFormatRequest DisplayFormatRequest() {
    QuantityFormatRequest request;
    // Without an application, the options a new user starts with.
    request.angleDegreeBase = kAngleSexagesimal;
    request.raDisplayUnit = kShowHours;
    if (HasDisplayFormat()) {
        const DisplayFormatInterface& display = GetDisplayFormat();
        request.angleDegreeBase = display.GetAngleDegreeBase();
        request.raDisplayUnit = display.GetRaDisplayUnit();
    }
    return request;
}

bool FormatQuantity(std::int32_t kind, std::int32_t extra, String& out, double value) {
    const std::unique_ptr<QuantityValue> quantity = CreateQuantityValue(kind, value, extra, 2);
    if (!quantity) return false;
    quantity->Format(out, DisplayFormatRequest());
    return true;
}

}  // namespace corvinata
