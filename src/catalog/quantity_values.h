// Quantity values: one typed value of a quantity kind, which reads itself
// from text and writes itself as text. The angle, time, distance and number
// texts are those of the base library's value types; this layer picks the
// formatter and its options per kind and shows a missing value with the
// kind's own dashes.
#pragma once

#include <cstdint>
#include <memory>

#include "base/wide_string.h"
#include "catalog/quantity_kinds.h"

namespace corvinata {

// The precision that asks for the kind's default decimals.
constexpr int kDefaultQuantityPrecision = -5;

// How a value writes itself. The fields keep the order in which the graph,
// report and Object Info code hand them over.
struct QuantityFormatRequest {
    // Append a blank and the coordinate system's name (longitude, latitude).
    bool withSystemName = false;
    // Times: the rounding mode (TimeRounding). Not used by other kinds.
    int rounding = 0;
    // Angles and times: the precision of the sexagesimal text (to the
    // second, minute, or degree/hour).
    int unitPrecision = 0;
    // Decimals of the numbers and of the decimal angle texts;
    // kDefaultQuantityPrecision for the kind's default. Angles also take
    // kAutomaticDecimals (-1).
    int precision = kDefaultQuantityPrecision;
    int angleDegreeBase = 1;  // 1 decimal degrees, 0 sexagesimal
    int raDisplayUnit = 1;    // 1 hours, 0 degrees
};

class QuantityValue {
public:
    QuantityValue(const QuantityKind& kind, int system, int flag) noexcept
        : kind_(kind), value_(kind.GetNoneValue()), system_(system), flag_(flag) {}
    virtual ~QuantityValue() = default;
    QuantityValue(const QuantityValue&) = delete;
    QuantityValue& operator=(const QuantityValue&) = delete;

    // Reads the value from text (leading and trailing blanks ignored). On
    // failure the value becomes missing and the answer is false.
    virtual bool Parse(const Char* text) = 0;
    double GetValue() const noexcept { return value_; }
    bool IsMissing() const noexcept { return value_ == kind_.GetNoneValue(); }
    void SetMissing() noexcept { value_ = kind_.GetNoneValue(); }
    // The integer kinds (constellation, zodiac) truncate towards zero; a value
    // they cannot hold (not finite, beyond the integers) becomes missing.
    virtual void SetValue(double value) noexcept { value_ = value; }
    // Replaces `out` by the text of the value.
    virtual void Format(String& out, const QuantityFormatRequest& request) const = 0;

    const QuantityKind& Kind() const noexcept { return kind_; }
    // Time system (times), coordinate system (longitude, latitude) or
    // distance unit (distance); 0 for the other kinds.
    int System() const noexcept { return system_; }
    // The second extra word of a time of day.
    int Flag() const noexcept { return flag_; }

protected:
    // The decimals a request asks for, the kind's default for `value` when
    // it asks for none in particular.
    int DecimalsFor(const QuantityFormatRequest& request) const noexcept;

    const QuantityKind& kind_;
    double value_;
    int system_;
    int flag_;
};

// A new value of kind 0..12 holding `value`; `system` is kept by the time,
// longitude, latitude and distance kinds, `flag` by the time kind. None for
// any other kind. The caller owns the object.
std::unique_ptr<QuantityValue> CreateQuantityValue(int kind, double value, int system = 0,
                                                   int flag = 0);

// The default request with the application's display options for angles
// (decimal or sexagesimal degrees) and right ascensions (hours or degrees),
// as the user chose them in the appearance options; while the application
// has registered none, those a new user starts with (sexagesimal degrees,
// hours of right ascension). The one place that reads these options for a
// text. User-interface thread only.
QuantityFormatRequest DisplayFormatRequest();

// Replaces `out` by `value` written as a quantity of kind `kind` (0..12,
// made with the system `extra` and the time kind's flag word 2, which asks
// for the time of day) with the kind's default decimals and the
// application's display options for angles and right ascensions. Answers
// false, with `out` unchanged, for a kind the object model does not make.
// User-interface thread only.
bool FormatQuantity(std::int32_t kind, std::int32_t extra, String& out, double value);

}  // namespace corvinata
