// The observer's place at start-up: the stored one when it can still be
// found, London otherwise.
#pragma once

#include "app/window_settings.h"

namespace corvinata {

// Keeps a user-defined place and a town the town table knows; anything else
// (a first run, a town no longer in the table) becomes London, United
// Kingdom, as a town of the table. True when the place was replaced.
bool UseDefaultLocationIfUnknown(LocationOptions& options);

}  // namespace corvinata
