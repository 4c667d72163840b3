#include "base/binary_file.h"

#include <cstring>

namespace corvinata {

ByteWriter& ByteWriter::Raw(const void* bytes, std::size_t count) {
    const auto* b = static_cast<const std::uint8_t*>(bytes);
    bytes_.insert(bytes_.end(), b, b + count);
    return *this;
}

ByteWriter& ByteWriter::I32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                               static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
    return Raw(b, sizeof b);
}

ByteWriter& ByteWriter::F64(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    std::uint8_t b[8];
    for (std::uint8_t& byte : b) {
        byte = static_cast<std::uint8_t>(bits);
        bits >>= 8;
    }
    return Raw(b, sizeof b);
}

ByteWriter& ByteWriter::NarrowBytes(const char* text) {
    const std::size_t length = std::strlen(text);
    return I32(static_cast<std::int32_t>(length)).Raw(text, length);
}

ByteWriter& ByteWriter::Narrow(const String& text) {
    const int length = text.Length();
    I32(length);
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<std::uint32_t>(text.Text()[i]);
        Byte(c < 128 ? static_cast<std::uint8_t>(c) : '?');
    }
    return *this;
}

ByteWriter& ByteWriter::Wide(const Char* text) {
    const int length = TextLength(text);
    I32(2 * length);
    for (int i = 0; i < length; ++i) {
        const auto unit = static_cast<std::uint16_t>(text[i]);
        Byte(static_cast<std::uint8_t>(unit)).Byte(static_cast<std::uint8_t>(unit >> 8));
    }
    return *this;
}

bool ByteReader::Skip(std::size_t count) noexcept {
    if (count > Left()) return false;
    position_ += count;
    return true;
}

bool ByteReader::Byte(std::uint8_t& value) noexcept {
    if (Left() < 1) return false;
    value = bytes_[position_++];
    return true;
}

bool ByteReader::I32(std::int32_t& value) noexcept {
    if (Left() < 4) return false;
    const std::uint8_t* b = bytes_ + position_;
    value = static_cast<std::int32_t>(b[0] | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
                                      (std::uint32_t{b[3]} << 24));
    position_ += 4;
    return true;
}

bool ByteReader::F64(double& value) noexcept {
    if (Left() < 8) return false;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes_[position_ + static_cast<std::size_t>(i)];
    std::memcpy(&value, &bits, sizeof value);
    position_ += 8;
    return true;
}

bool ByteReader::Count(std::int32_t& count) noexcept {
    if (!I32(count)) return false;
    if (count <= 0) count = 0;
    return static_cast<std::size_t>(count) <= Left();
}

bool ByteReader::NarrowBytes(NarrowString& text) {
    std::int32_t count = 0;
    if (!Count(count)) return false;
    const auto* at = reinterpret_cast<const char*>(bytes_ + position_);
    text.assign(at, at + count);
    text.resize(std::strlen(text.c_str()));
    position_ += static_cast<std::size_t>(count);
    return true;
}

bool ByteReader::Narrow(String& text) {
    NarrowString bytes;
    if (!NarrowBytes(bytes)) return false;
    std::vector<Char> chars;
    chars.reserve(bytes.size() + 1);
    for (const char byte : bytes) {
        chars.push_back(static_cast<Char>(static_cast<std::uint16_t>(static_cast<std::int16_t>(
            static_cast<std::int8_t>(byte)))));
    }
    chars.push_back(0);
    StringAssign(text, chars.data());
    return true;
}

bool ByteReader::Wide(String& text) {
    std::int32_t count = 0;
    if (!Count(count)) return false;
    const std::uint8_t* at = bytes_ + position_;
    std::vector<Char> chars;
    chars.reserve(static_cast<std::size_t>(count) / 2 + 1);
    for (std::int32_t i = 0; i + 1 < count; i += 2) {
        const auto unit = static_cast<std::uint16_t>(at[i] | (at[i + 1] << 8));
        if (unit == 0) break;
        chars.push_back(static_cast<Char>(unit));
    }
    chars.push_back(0);
    StringAssign(text, chars.data());
    position_ += static_cast<std::size_t>(count);
    return true;
}

namespace {

bool WriteAll(BinaryFile& file, const ByteWriter& writer) {
    return file.Write(writer.Bytes().data(), static_cast<std::uint32_t>(writer.Size()));
}

enum class CountResult { Ok, Unreadable, Damaged };

// Reads a string's count and its bytes, the count first in `bytes`, after
// checking the count against the bytes left in the file.
CountResult ReadCounted(BinaryFile& file, std::vector<std::uint8_t>& bytes) {
    bytes.assign(4, 0);
    if (!file.ReadExactly(bytes.data(), 4)) return CountResult::Unreadable;
    std::int32_t count = 0;
    ByteReader(bytes).I32(count);
    if (count < 0) return CountResult::Damaged;
    const std::uint32_t size = file.GetSize();
    const std::uint32_t position = file.GetPosition();
    if (position > size || static_cast<std::uint32_t>(count) > size - position) return CountResult::Damaged;
    bytes.resize(4 + static_cast<std::size_t>(count));
    if (count > 0 && !file.ReadExactly(bytes.data() + 4, static_cast<std::uint32_t>(count))) {
        return CountResult::Unreadable;
    }
    return CountResult::Ok;
}

}  // namespace

bool StreamWriteNarrowString(BinaryFile& file, const char* text) {
    ByteWriter writer;
    writer.NarrowBytes(text);
    return WriteAll(file, writer);
}

bool StreamWriteWideString(BinaryFile& file, const Char* text) {
    ByteWriter writer;
    writer.Wide(text);
    return WriteAll(file, writer);
}

bool StreamReadNarrowString(BinaryFile& file, NarrowString& receiver) {
    std::vector<std::uint8_t> bytes;
    const CountResult result = ReadCounted(file, bytes);
    if (result == CountResult::Damaged) receiver.clear();
    return result == CountResult::Ok && ByteReader(bytes).NarrowBytes(receiver);
}

bool StreamReadWideString(BinaryFile& file, String& receiver) {
    std::vector<std::uint8_t> bytes;
    const CountResult result = ReadCounted(file, bytes);
    if (result == CountResult::Damaged) StringAssign(receiver, TXT(""));
    return result == CountResult::Ok && ByteReader(bytes).Wide(receiver);
}

}  // namespace corvinata
