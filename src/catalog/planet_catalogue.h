// The planet catalogue (body type 2): Mercury, Venus, Mars, Jupiter, Saturn,
// Uranus, Neptune and Pluto, numbered 0..7. The Earth has its own catalogue;
// PlanetByNumber (catalogue_registry.h) converts from the numbering that
// includes it.
#pragma once

#include "astro/planet_records.h"
#include "catalog/catalogue.h"

namespace corvinata {

using PlanetObject = Planet;

constexpr int kPlanetCount = 8;
constexpr int kJupiterPlanetNumber = 3;
constexpr int kSaturnPlanetNumber = 4;

class PlanetCatalogue final : public ArrayCatalogue<PlanetObject> {};

PlanetCatalogue& GetPlanetCatalogue();
// Fills the empty catalogue with the eight planets; true.
bool CreatePlanetCatalogue();

// The record of planet 0..7; none for another number or before the
// catalogue exists.
const PlanetObject* PlanetRecordAt(int number) noexcept;
const PlanetObject* JupiterPlanetRecord() noexcept;
const PlanetObject* SaturnPlanetRecord() noexcept;

}  // namespace corvinata
