// The bright-star catalogue (body type 4).
#pragma once

#include "catalog/catalogue.h"

namespace corvinata {

// The one star catalogue.
Catalogue& GetStarCatalogue();
// Loads the stars with their designations and appends each to the star list
// of its constellation (needs the constellations); false on failure.
bool CreateStarCatalogue();
// Loads the proper names of the stars (needs the stars).
bool CreateStarProperNames();

}  // namespace corvinata
