// The fields of the program's binary files (the graph files): 8-bit values,
// 32-bit little-endian integers, IEEE doubles in little-endian order, and
// length-prefixed strings: a 32-bit count of bytes, then the bytes, no
// terminator. Narrow strings hold 8-bit characters, wide strings UTF-16 code
// units (little-endian).
//
// ByteWriter gathers fields in memory and ByteReader reads them from memory,
// so that a file is written and read in large blocks; the Stream*String
// helpers read and write one string straight from and to a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/storage.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// An 8-bit string (buffer and length).
using NarrowString = std::string;

class ByteWriter {
public:
    const std::vector<std::uint8_t>& Bytes() const noexcept { return bytes_; }
    std::size_t Size() const noexcept { return bytes_.size(); }
    void Clear() noexcept { bytes_.clear(); }

    // Each appends its field and answers the writer, so that the fields of a
    // record can be written in one expression.
    ByteWriter& Raw(const void* bytes, std::size_t count);
    ByteWriter& Byte(std::uint8_t value) {
        bytes_.push_back(value);
        return *this;
    }
    ByteWriter& I32(std::int32_t value);
    ByteWriter& F64(double value);
    // The bytes of `text` as they are.
    ByteWriter& NarrowBytes(const char* text);
    // Characters 0..127 as their byte, any other as "?".
    ByteWriter& Narrow(const String& text);
    ByteWriter& Wide(const Char* text);

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads fields from a block of bytes, which must outlive it. Every read
// checks what is left and fails without moving once the block is exhausted.
class ByteReader {
public:
    ByteReader(const std::uint8_t* bytes, std::size_t size) noexcept : bytes_(bytes), size_(size) {}
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) noexcept
        : ByteReader(bytes.data(), bytes.size()) {}

    std::size_t Left() const noexcept { return size_ - position_; }
    bool Skip(std::size_t count) noexcept;
    bool Byte(std::uint8_t& value) noexcept;
    bool I32(std::int32_t& value) noexcept;
    bool F64(double& value) noexcept;
    // A count of zero or less is the empty text; the text ends at its first
    // zero. NarrowBytes keeps the bytes as they are; Narrow widens them with
    // their sign (0x80 to U+FF80), as the graph files have always held them.
    bool NarrowBytes(NarrowString& text);
    bool Narrow(String& text);
    bool Wide(String& text);

private:
    // The count of a string, checked against what is left.
    bool Count(std::int32_t& count) noexcept;

    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Each writes one length-prefixed string at the file's position.
bool StreamWriteNarrowString(BinaryFile& file, const char* text);
bool StreamWriteWideString(BinaryFile& file, const Char* text);

// Reading trusts nothing in the file: a count that is negative or larger
// than what is left of the file marks a damaged file, and the read answers
// false with an empty receiver instead of allocating what the count asks.
// Reads a narrow string into `receiver`, which keeps the bytes before the
// first zero. A count of 0 gives the empty string.
bool StreamReadNarrowString(BinaryFile& file, NarrowString& receiver);
// Reads a wide string: count / 2 characters (an odd last byte is skipped).
bool StreamReadWideString(BinaryFile& file, String& receiver);

}  // namespace corvinata
