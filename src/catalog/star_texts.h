// The two packed built-in texts of the star catalogue: the proper names of
// bright stars and the stick figures of the constellations.
#pragma once

#include "base/text_char.h"

namespace corvinata {

// 226 records "Greek letter abbreviation,constellation,name." naming 200
// stars ("Alp,UMi,Polaris.").
const Char* StarProperNamesText() noexcept;

// 88 records "abbreviation: polyline; polyline." whose polylines are stars
// separated by blanks ("Cyg: Alpha Gamma Eta Beta; Kappa 7420 Delta ...").
const Char* ConstellationFiguresText() noexcept;

}  // namespace corvinata
