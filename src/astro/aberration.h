// The annual aberration of a body's ecliptic place: the displacement towards
// the apex of the Earth's motion that light from every body of the sky shows
// alike (Meeus, Astronomical Algorithms, ch. 23).
#pragma once

namespace corvinata {

// What the aberration of every body at one instant depends on: the Sun's
// geometric longitude and the Earth's orbit.
class AnnualAberration {
public:
    // jd: Julian day (dynamical time); sunLongitude: the Sun's geometric
    // ecliptic longitude of the date at that instant, degrees.
    AnnualAberration(double jd, double sunLongitude) noexcept;

    // The corrections (degrees) that take a geometric ecliptic longitude
    // `lambda` and latitude `beta` (degrees, equinox of the date) to the
    // places seen from the moving Earth (Meeus formula 23.2, with the terms
    // of the orbit's eccentricity).
    double LongitudeOffset(double lambda, double beta) const noexcept;
    double LatitudeOffset(double lambda, double beta) const noexcept;

private:
    double sunLongitude_;
    double eccentricity_;
    double perihelion_;  // longitude of the Earth's perihelion, degrees
};

}  // namespace corvinata
