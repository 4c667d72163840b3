// The property map: the computed properties of one body at one time and
// place, one value per body-function id, each with the extra words of its
// quantity kind (time system and flag of a time, coordinate system of a
// longitude or latitude, unit of a distance).
//
// Values are kept in place, one slot per id bit, so a map costs no
// allocation; a QuantityValue object is made only for a caller that formats
// or parses a value.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "astro/coordinates.h"
#include "catalog/quantity_values.h"

namespace corvinata {

// The quantity kind of a property id: that of its body function, kind 3
// (Angle360) for the Moon's report angle (bit 21), -1 for any other value.
int PropertyQuantityKind(std::uint32_t id) noexcept;

struct PropertyValue {
    double value = 0.0;
    int system = 0;  // time system, coordinate system or distance unit
    int flag = 0;    // flag of an event time
};

class PropertyMap {
public:
    // Stores the property (a new entry, or over the old value and its extra
    // words). Ids with several bits or of no kind are ignored.
    void Set(std::uint32_t id, double value, int system = 0, int flag = 0) noexcept;
    bool Has(std::uint32_t id) const noexcept { return (present_ & id) != 0 && IsSingle(id); }
    // The stored value, or none.
    const PropertyValue* Find(std::uint32_t id) const noexcept;
    // The stored number, or the none value of the id's kind when absent.
    double Value(std::uint32_t id) const noexcept;
    // The ids present, joined.
    std::uint32_t Mask() const noexcept { return present_; }
    void Clear() noexcept { present_ = 0; }

    // A value object of the property's kind holding the stored value and its
    // extra words (the kind's none value when absent); none for an id of no
    // kind.
    std::unique_ptr<QuantityValue> MakeQuantityValue(std::uint32_t id) const;
    // Replaces `out` by the text of the property; false (and `out` untouched)
    // for an id of no kind.
    bool Format(std::uint32_t id, String& out, const QuantityFormatRequest& request) const;

    // Longitude and Latitude with the Longitude's system; -1000, -1000 and
    // the invalid system when they are absent.
    SkyCoordinates Coordinates() const noexcept;
    // Stores both angles with the record's system.
    void SetCoordinates(const SkyCoordinates& c) noexcept;

private:
    static bool IsSingle(std::uint32_t id) noexcept { return id != 0 && (id & (id - 1)) == 0; }
    static int Slot(std::uint32_t id) noexcept;

    std::array<PropertyValue, 32> values_{};
    std::uint32_t present_ = 0;
};

}  // namespace corvinata
