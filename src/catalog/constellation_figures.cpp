#include "catalog/constellation_figures.h"

namespace corvinata {

bool CreateConstellationFigures() { return true; }

}  // namespace corvinata
