// The settings that a copy started by automation writes whole at its end,
// never mixed with what the user's own run wrote meanwhile (see
// RegistryOverlay::WriteChangesSince).
#pragma once

#include <cstddef>

#include "base/registry_overlay.h"

namespace corvinata {

// The records below the settings root, and how many there are.
extern const RegistryRecord kCopysRecords[];
extern const std::size_t kCopysRecordCount;

}  // namespace corvinata
