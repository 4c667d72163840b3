// The built-in town database: 2003 towns in 202 countries, from which the
// observer's place is chosen.
//
// Every country is one contiguous group of records; the groups are in
// alphabetical order, except that "Congo (Democratic Republic)" comes before
// "Congo" and "Netherlands Antilles" before "Netherlands", and within a group
// the larger towns come first. Town and country names are compared without
// regard to case (ASCII letters folded).
#pragma once

#include <cstdint>

#include "base/location.h"
#include "base/text_char.h"

namespace corvinata {

struct TownRecord {
    const Char* country;
    const Char* region;     // state or province; empty where not recorded
    const Char* town;
    double latitude;        // degrees, north positive
    double longitude;       // degrees, EAST positive (a Location counts west)
    std::int32_t elevation; // metres
};

int TownCount() noexcept;
// Record 0..TownCount()-1; none for any other index.
const TownRecord* TownAt(int index) noexcept;

// Index of the first record of the country, or -1.
int FindCountryFirstIndex(const Char* country) noexcept;
// Index of the town's record in the whole table (TownAt, TownLocation), or
// -1 (an unknown country gives -1 without looking for the town).
int FindTownIndex(const Char* country, const Char* town) noexcept;

// The place of record `index` as a location record: the longitude turned to
// west positive, the time zone looked up from the zone outlines (0 hours if
// the town lay in none; every town of the table lies in one). False, with
// `out` unchanged, for an index outside the table.
bool TownLocation(int index, Location& out);

}  // namespace corvinata
