// Besselian elements of solar eclipses and the built-in eclipse table.
//
// The elements describe the Moon's shadow on the fundamental plane through
// the Earth's centre, perpendicular to the shadow axis, as polynomials in
// t, the hours of dynamical time counted from an integer hour t0 of the
// eclipse's date (Explanatory Supplement to the Astronomical Almanac, 1992,
// ch. 8; Meeus, Elements of Solar Eclipses 1951-2200). The table holds the
// 570 solar eclipses from 1951 to 2200 of Espenak and Meeus' Five Millennium
// Canon, one row per eclipse, ascending by date, never changed at run time.
#pragma once

#include <cstdint>

namespace corvinata {

struct DateTime;

// Global type of an eclipse.
enum EclipseType : std::int32_t {
    kPartialEclipse = 0,
    kCentralAnnularEclipse = 1,
    kCentralTotalEclipse = 2,
    kNonCentralAnnularEclipse = 3,
    kNonCentralTotalEclipse = 4,
    kAnnularTotalEclipse = 5,  // hybrid
    kNoEclipse = 6,            // the type of an empty record
};

constexpr int kBesselianCoefficientCount = 21;

// Squared eccentricity of the Earth's meridian ellipse.
constexpr double kEarthSquaredEccentricity = 0.006694385;

// The elements of one eclipse. A record that was only declared is empty:
// all coefficients 0 and type kNoEclipse. The 21 doubles keep this order.
struct BesselianElements {
    // Shadow axis on the fundamental plane, Earth equatorial radii:
    // x = x0 + x1 t + x2 t^2 + x3 t^3, y likewise.
    double x0 = 0.0, x1 = 0.0, x2 = 0.0, x3 = 0.0;
    double y0 = 0.0, y1 = 0.0, y2 = 0.0, y3 = 0.0;
    // Declination of the shadow axis, degrees: d0 + d1 t + d2 t^2.
    double d0 = 0.0, d1 = 0.0, d2 = 0.0;
    // Greenwich hour angle of the shadow axis, degrees: mu0 + mu1 t.
    double mu0 = 0.0, mu1 = 0.0;
    // Radii of the penumbral and umbral cones on the fundamental plane,
    // Earth radii (l2 negative while the umbra reaches the plane).
    double l1_0 = 0.0, l1_1 = 0.0, l1_2 = 0.0;
    double l2_0 = 0.0, l2_1 = 0.0, l2_2 = 0.0;
    // Tangents of the half angles of the penumbral and umbral cones.
    double tanf1 = 0.0, tanf2 = 0.0;
    EclipseType type = kNoEclipse;
};

// One row of the eclipse table.
struct EclipseTableEntry {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    // Whole hour (dynamical time) from which t counts, 0..24; 24 is the
    // midnight at the end of `day`.
    std::int32_t t0 = 0;
    BesselianElements elements;
};

// The table, ascending by date with no date repeated.
class EclipseTableView {
public:
    constexpr EclipseTableView(const EclipseTableEntry* rows, int count) noexcept
        : rows_(rows), count_(count) {}
    constexpr const EclipseTableEntry* begin() const noexcept { return rows_; }
    constexpr const EclipseTableEntry* end() const noexcept { return rows_ + count_; }
    constexpr int size() const noexcept { return count_; }
    constexpr const EclipseTableEntry& operator[](int index) const noexcept {
        return rows_[index];
    }

private:
    const EclipseTableEntry* rows_;
    int count_;
};

EclipseTableView EclipseTable() noexcept;

// The elements evaluated at one instant.
struct BesselianValues {
    double x = 0.0, y = 0.0;        // shadow axis, Earth radii
    double d = 0.0;                 // declination of the axis, radians
    double mu = 0.0;                // Greenwich hour angle, degrees, not reduced
    double l1 = 0.0, l2 = 0.0;      // penumbral and umbral radii, Earth radii
    double xRate = 0.0, yRate = 0.0;  // dx/dt, dy/dt, Earth radii per hour
    // 1 / sqrt(1 - e^2 cos^2 d): scales y and the declination onto the
    // flattened Earth.
    double rho1inv = 1.0;
};

// Empties a record: all coefficients 0, type kNoEclipse.
void BesselianElementsInit(BesselianElements& record) noexcept;

// Stores the type and the 21 coefficients in field order; returns the record.
BesselianElements& BesselianElementsSet(
    BesselianElements& record, EclipseType type,
    const double (&values)[kBesselianCoefficientCount]) noexcept;

// Stores the date, t0 and a copy of the elements (type included).
EclipseTableEntry& EclipseTableEntrySet(EclipseTableEntry& entry, std::int32_t year,
                                        std::int32_t month, std::int32_t day,
                                        std::int32_t t0,
                                        const BesselianElements& elements) noexcept;

// The table row of a calendar date, or nullptr.
const EclipseTableEntry* FindEclipseEntry(std::int32_t year, std::int32_t month,
                                          std::int32_t day) noexcept;

// The eclipse of the date's year, month and day (hours and time system are
// ignored). On a match writes the row's t0 and a copy of its elements and
// returns true; otherwise returns false and writes nothing.
bool FindEclipseOnDate(const DateTime& date, double& t0,
                       BesselianElements& elements) noexcept;

// The elements at t hours (dynamical time) after t0, by Horner's rule.
BesselianValues EvaluateBesselianElements(const BesselianElements& elements,
                                          double t) noexcept;

}  // namespace corvinata
