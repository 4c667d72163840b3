// Apparent positions of eight satellites of Saturn.
//
// Meeus, Astronomical Algorithms, ch. 46 (after Harper and Taylor), with
// every term of the published formulas. Saturn's geocentric place comes from
// the abridged VSOP87 series (FK5 frame) with an iterated light time,
// precessed to B1950.0, the equinox of the satellite theories. Angles are in
// degrees.
#pragma once

namespace corvinata {

// Satellite indexes, also the order of the outputs.
enum SaturnSatelliteIndex : int {
    kMimas = 0,
    kEnceladus = 1,
    kTethys = 2,
    kDione = 3,
    kRhea = 4,
    kTitan = 5,
    kHyperion = 6,
    kIapetus = 7,
};
constexpr int kSaturnSatelliteCount = 8;

// The orbit of one satellite at an instant, referred to Saturn's equator and
// the ecliptic of B1950.0.
struct SaturnSatelliteOrbit {
    double lambda;  // longitude, 0..360
    double gamma;   // inclination of the orbit on Saturn's equatorial plane
    double omega;   // longitude of the ascending node, 0..360; for Rhea to
                    // Iapetus the angle w of SatelliteElementsToOrbitRecord
    double r;       // distance from Saturn in equatorial radii of Saturn
};

// Sine and cosine of the inclination (28.0817) and of the node (168.8112) of
// Saturn's equatorial plane on the ecliptic of B1950.0.
struct SaturnEquatorConstants {
    double s1, c1, s2, c2;
};
inline constexpr SaturnEquatorConstants kSaturnEquator = {
    0.4707301100658046, 0.882277259979784, 0.19404259346074537, -0.9809931049314403};

// Positions of the eight satellites at a Julian day (used as given for the
// planetary series and the satellite theories alike).
//
// positions[3j], [3j+1], [3j+2] receive satellite j's X, Y, Z in equatorial
// radii of Saturn, centred on Saturn, in the frame of the sky: X along the
// projected equator, positive towards the west; Y towards the projected north
// pole; Z along the line of sight, positive when the satellite is farther than
// Saturn. Triple 8 always holds (0, 0, 1), Saturn's north pole at unit
// distance, the reference of the rotation.
//
// When `angles` is given it receives, per satellite, u = lambda - omega of its
// orbit (0..360), from which callers count revolutions.
void ComputeSaturnSatellites(double jd, double (&positions)[27], double* angles = nullptr);

// The orbit records of the individual satellites from the time arguments t
// and the angles W of ComputeSaturnSatellites (Meeus, AA ch. 46).
void MimasElements(double t1, double t2, double w0, SaturnSatelliteOrbit& orbit);
void EnceladusElements(double t1, double t2, double w1, double w2, SaturnSatelliteOrbit& orbit);
void TethysElements(double t1, double t2, double w0, SaturnSatelliteOrbit& orbit);
void DioneElements(double t1, double t2, double w1, double w2, SaturnSatelliteOrbit& orbit);
void RheaElements(double t1, double t2, double w3, double w4, SaturnSatelliteOrbit& orbit);
void TitanElements(double t4, double w3, double w4, double w5, double w6, double w7, double w8,
                   double e1, SaturnSatelliteOrbit& orbit);
void HyperionElements(double t6, double t8, double t9, double w3, double w5,
                      SaturnSatelliteOrbit& orbit);
void IapetusElements(double t4, double t7, double t10, double t11, double w4, double w5,
                     SaturnSatelliteOrbit& orbit);

// The common last stage of Rhea, Titan, Hyperion and Iapetus: from the
// eccentricity e, mean longitude lambdaPrime, longitude of the pericentre p,
// semi-major axis a (Saturn radii), node omega and inclination i on the
// ecliptic of B1950.0, the longitude, inclination and the angle w referred to
// Saturn's equator and the distance. Equation of the centre to e^5.
void SatelliteElementsToOrbitRecord(double e, double lambdaPrime, double p, double a,
                                    double omega, double i, SaturnSatelliteOrbit& orbit);

}  // namespace corvinata
