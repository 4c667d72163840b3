#include "base/wide_string.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace corvinata {

namespace {

// Never written with anything but the zero it holds.
Char g_sharedEmpty[1] = {0};

// Buffers are (n + 1) 16-bit characters; a request whose byte size does not
// fit in 32 bits fails like any other allocation failure.
Char* AllocateChars(int n) {
    if (n < 0 || static_cast<std::uint64_t>(n) + 1 > 0x7FFFFFFFu)
        throw std::bad_alloc();
    return new Char[static_cast<std::size_t>(n) + 1];
}

void CopyChars(Char* dest, const Char* src, int count) noexcept {
    std::memcpy(dest, src, static_cast<std::size_t>(count) * sizeof(Char));
}

}  // namespace

String::String() noexcept : buffer_(g_sharedEmpty), capacity_(0) {}

String::String(const Char* text) : String() { StringAssign(*this, text); }

String::String(const String& other) : String() {
    StringAssign(*this, other.buffer_);
}

String::String(String&& other) noexcept : buffer_(other.buffer_), capacity_(other.capacity_) {
    other.buffer_ = g_sharedEmpty;
    other.capacity_ = 0;
}

String& String::operator=(String&& other) noexcept {
    if (this != &other) {
        Release();
        buffer_ = std::exchange(other.buffer_, g_sharedEmpty);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

String::~String() { Release(); }

bool String::IsShared() const noexcept { return buffer_ == g_sharedEmpty; }

void String::Release() noexcept {
    if (buffer_ != g_sharedEmpty) delete[] buffer_;
    buffer_ = g_sharedEmpty;
    capacity_ = 0;
}

// On allocation failure the String is left exactly as it was: the new buffer
// is obtained before the old one is given up.
StringBuffer StringReserve(String& s, int n, ReserveMode mode) {
    const bool fits = s.capacity_ >= n;
    if (mode == ReserveMode::Discard || !fits) {
        Char* fresh = AllocateChars(n);
        if (mode == ReserveMode::GrowKeep) {
            CopyChars(fresh, s.buffer_, s.Length() + 1);
        } else {
            fresh[0] = 0;  // undefined by contract; a terminator costs nothing
        }
        if (s.buffer_ != g_sharedEmpty) delete[] s.buffer_;
        s.buffer_ = fresh;
        s.capacity_ = n;
    }
    return {s.buffer_, s.capacity_};
}

String& StringAssign(String& s, const Char* text) {
    const int n = TextLength(text);
    if (n == 0) {
        if (s.Text()[0] != 0) s.Data()[0] = 0;
        return s;
    }
    const bool inside = text >= s.Text() && text <= s.Text() + s.Capacity();
    if (inside) {
        // Part of our own text always fits where it already is.
        std::memmove(s.Data(), text, static_cast<std::size_t>(n + 1) * sizeof(Char));
        return s;
    }
    StringBuffer b = StringReserve(s, n, ReserveMode::GrowDiscard);
    CopyChars(b.buffer, text, n + 1);
    return s;
}

String& StringAssignString(String& s, const String& other) {
    if (&s != &other) StringAssign(s, other.Text());
    return s;
}

String& StringAppend(String& s, const Char* text) {
    const int k = s.Length();
    const int m = TextLength(text);
    if (m == 0) {
        if (s.Capacity() > 0) s.Data()[k] = 0;
        return s;
    }
    const bool inside = text >= s.Text() && text <= s.Text() + s.Capacity();
    if (!inside || s.Capacity() >= k + m) {
        StringBuffer b = StringReserve(s, k + m, ReserveMode::GrowKeep);
        std::memmove(b.buffer + k, text, static_cast<std::size_t>(m) * sizeof(Char));
        b.buffer[k + m] = 0;
        return s;
    }
    // The appended text lives in the buffer about to be replaced: build the
    // result in a new buffer and release the old one only afterwards.
    String grown;
    StringBuffer b = StringReserve(grown, k + m, ReserveMode::Discard);
    CopyChars(b.buffer, s.Text(), k);
    CopyChars(b.buffer + k, text, m);
    b.buffer[k + m] = 0;
    return s = std::move(grown);
}

bool StringEquals(const String& s, const Char* text) noexcept {
    return TextEquals(s.Text(), text);
}

bool WideStringsDiffer(const Char* const& a, const Char* const& b) noexcept {
    return !TextEquals(a, b);
}

}  // namespace corvinata
