#include "tools/object_info_current.h"

#include "base/colour_table.h"
#include "base/event_time.h"
#include "base/services.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"

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

}  // namespace

const std::array<ObjectInfoField, kObjectInfoFieldCount>& ObjectInfoFields() noexcept { return kFields; }

const ObjectInfoField* FindObjectInfoField(std::uint32_t bit) noexcept {
    for (const ObjectInfoField& field : kFields) {
        if (field.bit == bit) return &field;
    }
    return nullptr;
}

ObjectInfoAngleFormat CurrentAngleFormat() noexcept {
    ObjectInfoAngleFormat format;
    if (HasDisplayFormat()) {
        format.angleDegreeBase = GetDisplayFormat().GetAngleDegreeBase();
        format.raDisplayUnit = GetDisplayFormat().GetRaDisplayUnit();
    }
    return format;
}

const Char* ObjectInfoCoordinateSystemName(int index) noexcept { return GetCoordinateSystemName(index); }
const Char* ObjectInfoTimeSystemCode(int index) noexcept { return GetTimeSystemCode(index); }
const Char* ObjectInfoDistanceUnitCode(int index) noexcept { return GetDistanceUnitCode(index); }

ObjectInfoCurrentTexts ComputeObjectInfoCurrent(const CelestialObject& body, const ObjectInfoState& state,
                                                const ObjectInfoAngleFormat& format) {
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
    request.angleDegreeBase = format.angleDegreeBase;
    request.raDisplayUnit = format.raDisplayUnit;
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
        ObjectInfoFieldText text{field, String()};
        values.Format(field->bit, text.text, request);
        page.fields.push_back(std::move(text));
    }
    return page;
}

}  // namespace corvinata
