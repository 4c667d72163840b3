// String: the program's own growable, zero-terminated UTF-16 text.
//
// A String holds only a buffer and its capacity, never a length. Every String
// that has never held text points at one shared static empty buffer, so
// creating, copying and destroying empty strings never touches the heap.
// Growth is exact (no geometric over-allocation) and assignment never shrinks
// the buffer: a String that once held text keeps its capacity.
#pragma once

#include "base/text_char.h"

namespace corvinata {

class String;

// What StringReserve leaves: the buffer and its capacity after the call.
struct StringBuffer {
    Char* buffer;
    int capacity;
};

// How StringReserve treats the current text.
enum class ReserveMode : int {
    Discard = 0,       // always reallocate to exactly n; contents undefined
    GrowDiscard = 1,   // reallocate only when too small; contents undefined then
    GrowKeep = 2,      // reallocate only when too small, keeping the text
};

StringBuffer StringReserve(String& s, int n, ReserveMode mode);
String& StringAssign(String& s, const Char* text);
String& StringAssignString(String& s, const String& other);
String& StringAppend(String& s, const Char* text);
bool StringEquals(const String& s, const Char* text) noexcept;
// Inequality of two texts (exact comparison); the test of text handles.
bool WideStringsDiffer(const Char* const& a, const Char* const& b) noexcept;

class String {
public:
    String() noexcept;
    // StringInit / StringFromWide.
    explicit String(const Char* text);
    // StringCopy.
    String(const String& other);
    String(String&& other) noexcept;
    String& operator=(const String& other) { return StringAssignString(*this, other); }
    String& operator=(String&& other) noexcept;
    String& operator=(const Char* text) { return StringAssign(*this, text); }
    // StringDestroy / StringFree.
    virtual ~String();

    const Char* Text() const noexcept { return buffer_; }
    // Writable characters; valid up to Capacity() plus the terminator. Must not
    // be written while the String is on the shared empty buffer.
    Char* Data() noexcept { return buffer_; }
    int Capacity() const noexcept { return capacity_; }
    int Length() const noexcept { return TextLength(buffer_); }
    bool IsEmpty() const noexcept { return buffer_[0] == 0; }
    // Whether the String still sits on the shared empty buffer (no heap).
    bool IsShared() const noexcept;

    friend StringBuffer StringReserve(String& s, int n, ReserveMode mode);

private:
    void Release() noexcept;

    Char* buffer_;
    int capacity_;
};

inline bool operator==(const String& a, const String& b) noexcept {
    return StringEquals(a, b.Text());
}
inline bool operator!=(const String& a, const String& b) noexcept { return !(a == b); }

}  // namespace corvinata
