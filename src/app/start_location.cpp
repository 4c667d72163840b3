#include "app/start_location.h"

#include "catalog/town_table.h"

namespace corvinata {

bool UseDefaultLocationIfUnknown(LocationOptions& options) {
    const Location& place = options.location;
    if (options.userDefined && !place.town.IsEmpty()) return false;
    if (!options.userDefined && FindTownIndex(place.country.Text(), place.town.Text()) >= 0) return false;
    Location london;
    LocationInit(london);
    const int town = FindTownIndex(TXT("United Kingdom"), TXT("London"));
    if (town < 0 || !TownLocation(town, london)) {
        SetLocationCountry(london, TXT("United Kingdom"));
        SetLocationTown(london, TXT("London"));
    }
    LocationAssign(options.location, london);
    options.userDefined = false;
    return true;
}

}  // namespace corvinata
