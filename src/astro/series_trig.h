// Trigonometry for summing long periodic series quickly.
//
// The lunar and nutation series take their arguments as small integer
// combinations of a few fundamental angles; the sines and cosines of those
// combinations follow from the sines and cosines of the angles alone by the
// angle-addition formulas, a few multiply-adds a term instead of a call of
// the library's sine. The planetary series have a frequency of their own in
// every term; for them a cosine without branches, which the compiler can
// evaluate for several terms at once, replaces the library's.
#pragma once

#include <cmath>
#include <cstdint>

namespace corvinata {

struct SinCos {
    double sin = 0.0;
    double cos = 1.0;
};

// sin and cos of a + b.
inline SinCos AddAngles(const SinCos& a, const SinCos& b) noexcept {
    return {a.sin * b.cos + a.cos * b.sin, a.cos * b.cos - a.sin * b.sin};
}

// The largest multiplier of a fundamental argument in the lunar and the
// nutation series.
constexpr int kLargestAngleMultiple = 4;

// Sines and cosines of k times one angle, k = -4 .. 4.
class AngleMultiples {
public:
    explicit AngleMultiples(double radians) noexcept {
        const SinCos one{std::sin(radians), std::cos(radians)};
        SinCos k;
        multiples_[kLargestAngleMultiple] = k;
        for (int i = 1; i <= kLargestAngleMultiple; ++i) {
            k = AddAngles(k, one);
            multiples_[kLargestAngleMultiple + i] = k;
            multiples_[kLargestAngleMultiple - i] = SinCos{-k.sin, k.cos};
        }
    }
    // k must lie within -kLargestAngleMultiple .. kLargestAngleMultiple.
    const SinCos& operator[](int k) const noexcept {
        return multiples_[kLargestAngleMultiple + k];
    }

private:
    SinCos multiples_[2 * kLargestAngleMultiple + 1];
};

// Whether every multiplier of a series lies within the table above.
template <typename Terms, typename Multipliers>
constexpr bool MultipliersWithinRange(const Terms& terms, Multipliers multipliers) {
    for (const auto& term : terms) {
        for (int k : multipliers(term)) {
            if (k < -kLargestAngleMultiple || k > kLargestAngleMultiple) return false;
        }
    }
    return true;
}

// Cosine of x (radians, |x| below about 1e6) to within a unit or two of the
// last place. The argument is reduced by the nearest multiple of pi/2, split
// in three parts so that the product stays exact (Cody and Waite), and the
// sine or cosine of the remainder (|r| <= pi/4) comes from its minimax
// polynomial; the quadrant picks which, and its sign, by arithmetic rather
// than by branches.
inline double SeriesCosine(double x) noexcept {
    constexpr double kTwoOverPi = 0.63661977236758134308;
    constexpr double kPiOver2Part1 = 1.57079632673412561417e+00;  // 33 bits
    constexpr double kPiOver2Part2 = 6.07710050630396597660e-11;
    constexpr double kPiOver2Part3 = 2.02226624871116645580e-21;
    // Adding and subtracting 1.5 * 2^52 rounds to the nearest integer.
    constexpr double kRoundingShift = 6755399441055744.0;
    const double q = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
    const double r = ((x - q * kPiOver2Part1) - q * kPiOver2Part2) - q * kPiOver2Part3;
    const double r2 = r * r;
    const double sine =
        r + r * r2 *
                (-1.66666666666666324348e-01 +
                 r2 * (8.33333333332248946124e-03 +
                       r2 * (-1.98412698298579493134e-04 +
                             r2 * (2.75573137070700676789e-06 +
                                   r2 * (-2.50507602534068634195e-08 +
                                         r2 * 1.58969099521155010221e-10)))));
    const double cosine =
        1.0 - 0.5 * r2 +
        r2 * r2 *
            (4.16666666666666019037e-02 +
             r2 * (-1.38888888888741095749e-03 +
                   r2 * (2.48015872894767294178e-05 +
                         r2 * (-2.75573143513906633035e-07 +
                               r2 * (2.08757232129817482790e-09 +
                                     r2 * -1.13596475577881948265e-11)))));
    // cos(q pi/2 + r): cos r, -sin r, -cos r, sin r for q = 0, 1, 2, 3 mod 4.
    const std::int32_t quadrant = static_cast<std::int32_t>(q);
    const double odd = static_cast<double>(quadrant & 1);
    const double sign = 1.0 - static_cast<double>((quadrant + 1) & 2);
    return sign * (odd * sine + (1.0 - odd) * cosine);
}

}  // namespace corvinata
