// The texts of Object Info's data pages that are worked out rather than read
// straight from a catalogue.
#pragma once

#include "base/wide_string.h"

namespace corvinata {

class DeepSkyObject;

// A deep-sky object's "Physical data" page: its type, its Dreyer description
// as stored, and that description in English (first letter in upper case),
// or "Unable to parse the Dreyer description." when it cannot be read.
struct DeepSkyInfoTexts {
    String type;
    String stored;
    String description;
};

DeepSkyInfoTexts DeepSkyInfoPageTexts(const DeepSkyObject& object);

}  // namespace corvinata
