#include "base/binary_file.h"

#include <cstdint>
#include <vector>

namespace corvinata {

namespace {

bool WriteCount(BinaryFile& file, std::uint32_t count) {
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(count), static_cast<unsigned char>(count >> 8),
        static_cast<unsigned char>(count >> 16), static_cast<unsigned char>(count >> 24)};
    return file.Write(bytes, sizeof bytes);
}

enum class CountResult { Ok, Unreadable, Damaged };

// Reads a count and checks it against the bytes left in the file.
CountResult ReadCount(BinaryFile& file, std::uint32_t& count) {
    unsigned char bytes[4];
    if (!file.ReadExactly(bytes, sizeof bytes)) return CountResult::Unreadable;
    count = bytes[0] | (std::uint32_t{bytes[1]} << 8) | (std::uint32_t{bytes[2]} << 16) |
            (std::uint32_t{bytes[3]} << 24);
    if (static_cast<std::int32_t>(count) < 0) return CountResult::Damaged;
    const std::uint32_t size = file.GetSize();
    const std::uint32_t position = file.GetPosition();
    if (position > size || count > size - position) return CountResult::Damaged;
    return CountResult::Ok;
}

}  // namespace

bool StreamWriteNarrowString(BinaryFile& file, const char* text) {
    const std::string::size_type length = std::char_traits<char>::length(text);
    return WriteCount(file, static_cast<std::uint32_t>(length)) &&
           (length == 0 || file.Write(text, static_cast<std::uint32_t>(length)));
}

bool StreamWriteWideString(BinaryFile& file, const Char* text) {
    const int length = TextLength(text);
    std::vector<unsigned char> bytes(2 * static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        const auto unit = static_cast<std::uint16_t>(text[i]);
        bytes[2 * i] = static_cast<unsigned char>(unit);
        bytes[2 * i + 1] = static_cast<unsigned char>(unit >> 8);
    }
    return WriteCount(file, static_cast<std::uint32_t>(bytes.size())) &&
           (bytes.empty() || file.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size())));
}

bool StreamReadNarrowString(BinaryFile& file, NarrowString& receiver) {
    std::uint32_t count = 0;
    const CountResult result = ReadCount(file, count);
    if (result == CountResult::Damaged) receiver.clear();
    if (result != CountResult::Ok) return false;
    std::string bytes(count, '\0');
    if (count > 0 && !file.ReadExactly(bytes.data(), count)) return false;
    receiver.assign(bytes.c_str());
    return true;
}

bool StreamReadWideString(BinaryFile& file, String& receiver) {
    std::uint32_t count = 0;
    const CountResult result = ReadCount(file, count);
    if (result == CountResult::Damaged) StringAssign(receiver, TXT(""));
    if (result != CountResult::Ok) return false;
    std::vector<unsigned char> bytes(count);
    if (count > 0 && !file.ReadExactly(bytes.data(), count)) return false;
    std::vector<Char> text(count / 2 + 1, 0);
    for (std::uint32_t i = 0; i < count / 2; ++i) {
        text[i] = static_cast<Char>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    StringAssign(receiver, text.data());
    return true;
}

}  // namespace corvinata
