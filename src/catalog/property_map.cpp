#include "catalog/property_map.h"

#include "base/angle_value.h"
#include "catalog/event_kinds.h"

namespace corvinata {

int PropertyQuantityKind(std::uint32_t id) noexcept {
    if (id == kFunctionMoonReportAngle) return kQuantityAngle360;
    const EventKind* kind = FindEventKind(id);
    return kind ? kind->GetQuantityKind() : -1;
}

int PropertyMap::Slot(std::uint32_t id) noexcept {
    int slot = 0;
    while ((id >>= 1) != 0) ++slot;
    return slot;
}

void PropertyMap::Set(std::uint32_t id, double value, int system, int flag) noexcept {
    if (!IsSingle(id) || PropertyQuantityKind(id) < 0) return;
    values_[static_cast<std::size_t>(Slot(id))] = {value, system, flag};
    present_ |= id;
}

const PropertyValue* PropertyMap::Find(std::uint32_t id) const noexcept {
    return Has(id) ? &values_[static_cast<std::size_t>(Slot(id))] : nullptr;
}

double PropertyMap::Value(std::uint32_t id) const noexcept {
    if (const PropertyValue* found = Find(id)) return found->value;
    const QuantityKind* kind = QuantityKindByIndex(PropertyQuantityKind(id));
    return kind ? kind->GetNoneValue() : kNotComputedAngle;
}

std::unique_ptr<QuantityValue> PropertyMap::MakeQuantityValue(std::uint32_t id) const {
    const int kind = PropertyQuantityKind(id);
    if (kind < 0) return nullptr;
    const PropertyValue* found = Find(id);
    if (found == nullptr) return CreateQuantityValue(kind, Value(id));
    return CreateQuantityValue(kind, found->value, found->system, found->flag);
}

bool PropertyMap::Format(std::uint32_t id, String& out,
                         const QuantityFormatRequest& request) const {
    const std::unique_ptr<QuantityValue> value = MakeQuantityValue(id);
    if (!value) return false;
    value->Format(out, request);
    return true;
}

SkyCoordinates PropertyMap::Coordinates() const noexcept {
    const PropertyValue* longitude = Find(kFunctionLongitude);
    const PropertyValue* latitude = Find(kFunctionLatitude);
    if (longitude == nullptr || latitude == nullptr) {
        return {kNotComputedAngle, kNotComputedAngle, kInvalidCoordinateSystem};
    }
    return {longitude->value, latitude->value, longitude->system};
}

void PropertyMap::SetCoordinates(const SkyCoordinates& c) noexcept {
    Set(kFunctionLongitude, c.longitude, c.system);
    Set(kFunctionLatitude, c.latitude, c.system);
}

}  // namespace corvinata
