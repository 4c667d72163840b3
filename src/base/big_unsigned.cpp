#include "base/big_unsigned.h"

#include <cassert>

namespace corvinata {

BigUnsigned::BigUnsigned(std::uint64_t value) noexcept : size_(0) {
    while (value != 0) {
        limbs_[size_++] = static_cast<std::uint32_t>(value);
        value >>= 32;
    }
}

void BigUnsigned::Trim() noexcept {
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
}

int BigUnsigned::BitLength() const noexcept {
    if (size_ == 0) return 0;
    std::uint32_t top = limbs_[size_ - 1];
    int bits = (size_ - 1) * 32;
    while (top != 0) {
        ++bits;
        top >>= 1;
    }
    return bits;
}

bool BigUnsigned::TestBit(int bit) const noexcept {
    const int limb = bit / 32;
    if (bit < 0 || limb >= size_) return false;
    return (limbs_[limb] >> (bit % 32)) & 1u;
}

bool BigUnsigned::AnyBitBelow(int bit) const noexcept {
    if (bit <= 0) return false;
    const int whole = bit / 32;
    for (int i = 0; i < whole && i < size_; ++i)
        if (limbs_[i] != 0) return true;
    const int rest = bit % 32;
    if (rest == 0 || whole >= size_) return false;
    return (limbs_[whole] & ((1u << rest) - 1u)) != 0;
}

std::uint64_t BigUnsigned::Low64() const noexcept {
    std::uint64_t value = 0;
    if (size_ > 1) value = static_cast<std::uint64_t>(limbs_[1]) << 32;
    if (size_ > 0) value |= limbs_[0];
    return value;
}

void BigUnsigned::MultiplyAdd(std::uint32_t factor, std::uint32_t addend) noexcept {
    std::uint64_t carry = addend;
    for (int i = 0; i < size_; ++i) {
        const std::uint64_t product = static_cast<std::uint64_t>(limbs_[i]) * factor + carry;
        limbs_[i] = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) {
        assert(size_ < kLimbs);
        limbs_[size_++] = static_cast<std::uint32_t>(carry);
    }
    Trim();
}

void BigUnsigned::MultiplyPow10(int exponent) noexcept {
    constexpr std::uint32_t kBillion = 1000000000u;
    for (; exponent >= 9; exponent -= 9) MultiplyAdd(kBillion, 0);
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent) rest *= 10;
    if (rest != 1) MultiplyAdd(rest, 0);
}

void BigUnsigned::ShiftLeft(int bits) noexcept {
    if (size_ == 0 || bits <= 0) return;
    const int whole = bits / 32;
    const int rest = bits % 32;
    const int newSize = size_ + whole + (rest ? 1 : 0);
    assert(newSize <= kLimbs);
    if (rest == 0) {
        for (int i = size_ - 1; i >= 0; --i) limbs_[i + whole] = limbs_[i];
    } else {
        limbs_[size_ + whole] = limbs_[size_ - 1] >> (32 - rest);
        for (int i = size_ - 1; i > 0; --i)
            limbs_[i + whole] = (limbs_[i] << rest) | (limbs_[i - 1] >> (32 - rest));
        limbs_[whole] = limbs_[0] << rest;
    }
    for (int i = 0; i < whole; ++i) limbs_[i] = 0;
    size_ = newSize;
    Trim();
}

void BigUnsigned::ShiftRight(int bits) noexcept {
    if (bits <= 0) return;
    const int whole = bits / 32;
    const int rest = bits % 32;
    if (whole >= size_) {
        size_ = 0;
        return;
    }
    const int newSize = size_ - whole;
    for (int i = 0; i < newSize; ++i) {
        std::uint32_t limb = limbs_[i + whole] >> rest;
        if (rest != 0 && i + whole + 1 < size_) limb |= limbs_[i + whole + 1] << (32 - rest);
        limbs_[i] = limb;
    }
    size_ = newSize;
    Trim();
}

void BigUnsigned::Subtract(const BigUnsigned& other) noexcept {
    assert(Compare(*this, other) >= 0);
    std::uint32_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
        const std::uint64_t subtrahend =
            static_cast<std::uint64_t>(i < other.size_ ? other.limbs_[i] : 0u) + borrow;
        const std::uint64_t minuend = limbs_[i];
        borrow = minuend < subtrahend ? 1u : 0u;
        limbs_[i] = static_cast<std::uint32_t>(minuend - subtrahend);
    }
    Trim();
}

std::uint32_t BigUnsigned::DivideSmall(std::uint32_t divisor) noexcept {
    std::uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) {
        const std::uint64_t current = (remainder << 32) | limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    Trim();
    return static_cast<std::uint32_t>(remainder);
}

int BigUnsigned::Compare(const BigUnsigned& a, const BigUnsigned& b) noexcept {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
        if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
}

}  // namespace corvinata
