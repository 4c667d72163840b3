// The deep-sky catalogue (body type 6).
#pragma once

#include "catalog/catalogue.h"

namespace corvinata {

// The one deep-sky catalogue.
Catalogue& GetDeepSkyCatalogue();
// Loads the NGC and IC records (needs the constellations); false on failure.
bool CreateDeepSkyCatalogue();
// Loads the Caldwell, Herschel 400, Messier and proper-name designations of
// the loaded records. Start-up ignores the answer.
bool CreateDeepSkyDesignations();

}  // namespace corvinata
