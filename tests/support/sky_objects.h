// Stand-ins for catalogue bodies and the places and moments the property
// tests evaluate them at.
#pragma once

#include "base/geo_place.h"
#include "catalog/catalogue_sky_object.h"

namespace corvinata::test {

// A star or deep-sky object with a given J2000.0 place.
class FixedSkyObject final : public CelestialObject, public CatalogueSkyObject {
public:
    FixedSkyObject(int type, double ra, double dec, double magnitude = 1.0,
                   double size = kNoCatalogueSize, int bayerLetter = -1)
        : type_(type), ra_(ra), dec_(dec), magnitude_(magnitude), size_(size),
          letter_(bayerLetter) {}

    int GetTypeId() const override { return type_; }
    SkyCoordinates CataloguePosition() const override { return {ra_, dec_, kEquatorialSystem}; }
    double CatalogueMagnitude() const override { return magnitude_; }
    double CatalogueSize() const override { return size_; }
    int BayerLetter() const override { return letter_; }

private:
    int type_;
    double ra_, dec_, magnitude_, size_;
    int letter_;
};

// Regulus (alpha Leonis), J2000.0 place of the Bright Star Catalogue.
inline FixedSkyObject Regulus() {
    return FixedSkyObject(kBodyStar, 152.0929167, 11.9672222, 1.35, kNoCatalogueSize, 0);
}

// A moment in Universal time (or `timeSystem`) at a place given east
// positive, as published tables give it.
inline TimeAndPlace MomentAt(int year, int month, int day, double hours, double eastLongitude,
                             double latitude, double zoneHours = 0.0,
                             int timeSystem = kUniversalTime) {
    TimeAndPlace moment;
    moment.dateTime = {year, month, day, hours, timeSystem};
    moment.place.longitude = LongitudeValue(-eastLongitude, kWestPositive);
    moment.place.latitude = LatitudeValue(latitude, kLatitudeHemisphereLetter);
    moment.place.timeZone.hours = zoneHours;
    return moment;
}

}  // namespace corvinata::test
