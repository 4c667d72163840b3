// What the property calculators read of the bodies whose positions come from
// a catalogue (stars, deep-sky objects): the catalogue position, magnitude
// and size. A catalogue's object class implements it beside CelestialObject.
#pragma once

#include "astro/coordinates.h"
#include "catalog/celestial_object.h"

namespace corvinata {

// Marks of values a catalogue does not give.
constexpr double kNoCatalogueMagnitude = 9999.0;
constexpr double kNoCatalogueSize = -1000.0;

class CatalogueSkyObject {
public:
    virtual ~CatalogueSkyObject() = default;

    // Right ascension and declination in degrees, equator and equinox of
    // J2000.0 (system kEquatorialSystem).
    virtual SkyCoordinates CataloguePosition() const = 0;
    // Visual magnitude, or kNoCatalogueMagnitude.
    virtual double CatalogueMagnitude() const = 0;
    // Largest dimension in degrees, or kNoCatalogueSize (stars have none).
    virtual double CatalogueSize() const { return kNoCatalogueSize; }
    // Bayer letter 0 (alpha) .. 23 (omega), or -1.
    virtual int BayerLetter() const { return -1; }

protected:
    CatalogueSkyObject() = default;
    CatalogueSkyObject(const CatalogueSkyObject&) = default;
    CatalogueSkyObject& operator=(const CatalogueSkyObject&) = default;
};

// The catalogue side of an object, or none for a body of the solar system.
const CatalogueSkyObject* AsCatalogueSkyObject(const CelestialObject& object) noexcept;

// The star that stands for a constellation in the property calculations: the
// brightest star of its list with the constellation's representative Bayer
// letter (ConstellationPrincipalLetter); none when it has no such star.
const CelestialObject* ConstellationRepresentativeStar(int constellation);

}  // namespace corvinata
