// A fixed-capacity unsigned big integer for exact decimal <-> binary
// conversion of doubles (FormatDouble, ParseDouble). It lives on the stack
// and never allocates; callers size their numbers within kBits (the widest
// is 10^1125 shifted by 54 bits, the denominator of the smallest decimal
// texts ParseDouble must round).
#pragma once

#include <cstdint>

namespace corvinata {

class BigUnsigned {
public:
    static constexpr int kLimbs = 128;
    static constexpr int kBits = kLimbs * 32;

    BigUnsigned() noexcept : size_(0) {}
    explicit BigUnsigned(std::uint64_t value) noexcept;

    bool IsZero() const noexcept { return size_ == 0; }
    // Number of significant bits (0 for zero).
    int BitLength() const noexcept;
    bool TestBit(int bit) const noexcept;
    // True when any bit below `bit` is set.
    bool AnyBitBelow(int bit) const noexcept;
    // The lowest 64 bits.
    std::uint64_t Low64() const noexcept;

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) noexcept;
    // Multiplies by 10^exponent (exponent >= 0).
    void MultiplyPow10(int exponent) noexcept;
    void ShiftLeft(int bits) noexcept;
    void ShiftRight(int bits) noexcept;
    // this -= other; requires this >= other.
    void Subtract(const BigUnsigned& other) noexcept;
    // Divides by `divisor` (non-zero) and answers the remainder.
    std::uint32_t DivideSmall(std::uint32_t divisor) noexcept;

    // -1, 0 or 1 as a is less than, equal to or greater than b.
    static int Compare(const BigUnsigned& a, const BigUnsigned& b) noexcept;

private:
    void Trim() noexcept;

    int size_;  // limbs in use; the highest one is non-zero
    std::uint32_t limbs_[kLimbs];
};

}  // namespace corvinata
