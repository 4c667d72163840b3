#include "catalog/town_table.h"

#include "catalog/time_zones.h"
#include "generated/towns.h"

namespace corvinata {

namespace data = town_data;

int TownCount() noexcept { return data::kTownCount; }

const TownRecord* TownAt(int index) noexcept {
    if (index < 0 || index >= data::kTownCount) return nullptr;
    return &data::kTowns[index];
}

int FindCountryFirstIndex(const Char* country) noexcept {
    if (!country) return -1;
    for (int i = 0; i < data::kTownCount; ++i) {
        if (TextEqualsNoCase(data::kTowns[i].country, country)) return i;
    }
    return -1;
}

int FindTownIndex(const Char* country, const Char* town) noexcept {
    const int first = FindCountryFirstIndex(country);
    if (first < 0 || !town) return -1;
    for (int i = first; i < data::kTownCount && TextEqualsNoCase(data::kTowns[i].country, country);
         ++i) {
        if (TextEqualsNoCase(data::kTowns[i].town, town)) return i;
    }
    return -1;
}

bool TownLocation(int index, Location& out) {
    const TownRecord* record = TownAt(index);
    if (!record) return false;
    const double longitudeWest = -record->longitude;
    const double hours = TimeZoneOffsetAtPoint(longitudeWest, record->latitude).value_or(0.0);
    LocationMake(LongitudeValue(longitudeWest, out.coordinates.longitude.mode), out,
                 LatitudeValue(record->latitude, out.coordinates.latitude.mode),
                 record->elevation, record->country, record->town, hours);
    return true;
}

}  // namespace corvinata
