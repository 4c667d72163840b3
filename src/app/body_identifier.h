// A reference to a celestial body as windows and settings keep it: the
// body's identity (type id and number within its catalogue) and the name it
// was chosen by (a name system of its type and the name in it).
#pragma once

#include <cstdint>

#include "base/wide_string.h"

namespace corvinata {

// The type id of an identifier that names no body.
constexpr std::int32_t kNoBodyType = -1;

struct BodyIdentifier {
    std::int32_t bodyType = kNoBodyType;  // a BodyTypeId, or kNoBodyType
    std::int32_t number = 0;
    std::int32_t nameSystem = 0;
    String name;
};

inline bool BodyIdentifierIsEmpty(const BodyIdentifier& body) noexcept {
    return body.bodyType == kNoBodyType;
}

// True when the body, the name system or the name text differ.
inline bool BodyIdentifierDiffers(const BodyIdentifier& a, const BodyIdentifier& b) noexcept {
    return a.bodyType != b.bodyType || a.number != b.number || a.nameSystem != b.nameSystem ||
           a.name != b.name;
}

}  // namespace corvinata
