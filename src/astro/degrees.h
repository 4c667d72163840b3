// Trigonometry on angles in degrees, as the astronomical calculations use it.
// Angles are brought into 0..360 by ReduceDegrees (base/angle_reduction.h).
#pragma once

#include <algorithm>
#include <cmath>

namespace corvinata {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadiansPerDegree = kPi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / kPi;

inline double SinDeg(double x) { return std::sin(x * kRadiansPerDegree); }
inline double CosDeg(double x) { return std::cos(x * kRadiansPerDegree); }
inline double TanDeg(double x) { return std::tan(x * kRadiansPerDegree); }

// Arc sine and arc cosine (radians) of a value that rounding may carry just
// beyond -1..1.
inline double SafeAsin(double x) { return std::asin(std::clamp(x, -1.0, 1.0)); }
inline double SafeAcos(double x) { return std::acos(std::clamp(x, -1.0, 1.0)); }

// The same in degrees.
inline double AsinDeg(double x) { return SafeAsin(x) * kDegreesPerRadian; }
inline double AcosDeg(double x) { return SafeAcos(x) * kDegreesPerRadian; }

inline double Atan2Deg(double y, double x) { return std::atan2(y, x) * kDegreesPerRadian; }

// An angle from atan2 (-180..180) in 0..360; adding 0.0 turns -0.0 into 0.0.
inline double FullCircle(double degrees) { return (degrees < 0.0 ? degrees + 360.0 : degrees) + 0.0; }

}  // namespace corvinata
