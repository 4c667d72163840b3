#include "tools/object_info_current.h"

#include "base/angle_value.h"
#include "base/colour_table.h"
#include "base/distance_value.h"
#include "base/event_time.h"
#include "base/text_format.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/quantity_values.h"

namespace corvinata {
namespace {

constexpr std::array<ObjectInfoField, kObjectInfoFieldCount> kFields = {{
    {kFunctionLongitude, kIdInfoFirstAxisCaption, 20566, kIdInfoCoordinateSystem},
    {kFunctionLatitude, kIdInfoSecondAxisCaption, 20573, kIdInfoCoordinateSystem},
    {kFunctionDistanceFromEarth, 20612, 20611, kIdInfoDistanceUnit},
    {kFunctionPhase, 20829, 20828, 0},
    {kFunctionMagnitude, 20521, 20520, 0},
    {kFunctionAngularSize, 20509, 20508, 0},
    {kFunctionDistanceFromSun, 20614, 20613, kIdInfoDistanceUnit},
    {kFunctionRise, 20858, 20857, kIdInfoTimeSystem},
    {kFunctionSet, 20862, 20861, kIdInfoTimeSystem},
    {kFunctionMorningTwilightAstronomical, 21015, 21014, 0},
    {kFunctionEveningTwilightAstronomical, 21017, 21016, 0},
    {kFunctionDirection, 20607, 20608, 0},
    {kFunctionElongationAngular, 20627, 20626, 0},
    {kFunctionSignOfZodiac, 20864, 20863, 0},
    {kFunctionHeliocentricLongitude, 20703, 20702, 0},
    {kFunctionHeliocentricLatitude, 20701, 20700, 0},
    {kFunctionConstellation, 20577, 20574, 0},
    {kFunctionBrightLimb, 20736, 20737, 0},
    {kFunctionCulmination, 20582, 20581, kIdInfoTimeSystem},
}};

// Below these a value says too little in the unit the page would use.
constexpr double kSmallestAstronomicalUnits = 0.1;  // shown in km below
constexpr double kOneDegree = 1.0;                  // sizes below: minutes and seconds of arc

// An apparent size below a degree in minutes and seconds of arc ("31'59\""),
// below a minute in seconds with tenths ("39.7\""): to the minute, a
// planet's disc would read "0°01'". False for a degree and more, which the
// value's own text serves.
bool SmallAngleText(double degrees, String& text) {
    if (degrees < 0.0 || degrees >= kOneDegree) return false;
    const double seconds = degrees * 3600.0;
    String number;
    if (seconds < 59.95) {
        text = FormatDouble(seconds, 1, number, false);
    } else {
        const int whole = static_cast<int>(seconds + 0.5);
        if (whole >= 3600) return false;
        StringFromInteger(whole / 60, 1, text, true, '0');
        const Char minutes[] = {kMinutesMark, 0};
        StringAppend(text, minutes);
        StringAppend(text, StringFromInteger(whole % 60, 2, number, true, '0').Text());
    }
    const Char mark[] = {kSecondsMark, 0};
    StringAppend(text, mark);
    return true;
}

// The text of one field. A distance chosen in AU that is a small fraction
// of one (the Moon's 0.003) is given in km, the unit list's own, where it
// has its digits; an angular size below a degree in minutes and seconds.
String FieldText(std::uint32_t bit, PropertyMap& values, const QuantityFormatRequest& request) {
    String text;
    if (const PropertyValue* found = values.Find(bit)) {
        const bool distance = bit == kFunctionDistanceFromEarth || bit == kFunctionDistanceFromSun;
        if (distance && found->system == kAstronomicalUnits && found->value >= 0.0 &&
            found->value < kSmallestAstronomicalUnits) {
            values.Set(bit, found->value * kKilometresPerAstronomicalUnit, kKilometres, found->flag);
        }
        if (bit == kFunctionAngularSize && SmallAngleText(found->value, text)) return text;
    }
    values.Format(bit, text, request);
    return text;
}

}  // namespace

const std::array<ObjectInfoField, kObjectInfoFieldCount>& ObjectInfoFields() noexcept { return kFields; }

const ObjectInfoField* FindObjectInfoField(std::uint32_t bit) noexcept {
    for (const ObjectInfoField& field : kFields) {
        if (field.bit == bit) return &field;
    }
    return nullptr;
}

const Char* ObjectInfoCoordinateSystemName(int index) noexcept { return GetCoordinateSystemName(index); }
const Char* ObjectInfoTimeSystemCode(int index) noexcept { return GetTimeSystemCode(index); }
const Char* ObjectInfoDistanceUnitCode(int index) noexcept { return GetDistanceUnitCode(index); }

ObjectInfoCurrentTexts ComputeObjectInfoCurrent(const CelestialObject& body, const ObjectInfoState& state,
                                                const QuantityFormatRequest& display) {
    ObjectInfoCurrentTexts page;
    body.CelestialObjectFullName(page.name);
    page.firstAxis = String(GetCoordinateSystemFirstAxisName(state.coordinateSystem));
    page.secondAxis = String(GetCoordinateSystemSecondAxisName(state.coordinateSystem));
    const int kind = body.GetTypeId();
    const BodyType* type = GetBodyType(kind);
    if (!type) return page;
    const bool computable = kind >= kBodySun && kind < kBodyOther;
    const PropertyConventions conventions{state.coordinateSystem, state.timeSystem, state.distanceSystem};
    QuantityFormatRequest request;
    request.withSystemName = false;
    request.rounding = 0;
    request.unitPrecision = kToMinute;
    request.precision = kDefaultQuantityPrecision;
    request.angleDegreeBase = display.angleDegreeBase;
    request.raDisplayUnit = display.raDisplayUnit;
    for (const EventKind* property : type->Properties()) {
        const ObjectInfoField* field = FindObjectInfoField(property->GetId());
        if (!field) continue;
        switch (field->selector) {
        case kIdInfoCoordinateSystem: page.coordinateSelector = true; break;
        case kIdInfoTimeSystem: page.timeSelector = true; break;
        case kIdInfoDistanceUnit: page.distanceSelector = true; break;
        default: break;
        }
        PropertyMap values;
        if (computable) ComputeBodyProperties(body, field->bit, state.timeAndPlace, values, conventions);
        page.fields.push_back(ObjectInfoFieldText{field, FieldText(field->bit, values, request)});
    }
    return page;
}

}  // namespace corvinata
