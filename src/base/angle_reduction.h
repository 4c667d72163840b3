// Angles in degrees brought into one turn, and the arc between two angles.
#pragma once

namespace corvinata {

// Brings an angle in degrees into 0 <= x < 360: n = trunc(x / 360), one less
// for a negative x, and x - 360 n; a result of 360 (a negative whole
// multiple of 360, or a negative angle too small to show beside 360) is 0.
double ReduceDegrees(double x) noexcept;

// Whether x (degrees) lies on the arc from the smaller to the larger of a
// and b, or on the arc across 0° when the two are more than 180° apart. The
// lower end belongs to the arc, the upper end does not; a = b is an empty
// arc. Angles are expected in 0..360.
bool IsAngleBetween(double a, double b, double x) noexcept;

}  // namespace corvinata
