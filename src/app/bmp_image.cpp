#include "app/bmp_image.h"

namespace corvinata {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

}  // namespace

BmpLayout BmpLayoutFor(int width, int height, int bits) noexcept {
    int depth = 32;
    for (int d : {1, 4, 8, 16, 24, 32}) {
        if (bits <= d) {
            depth = d;
            break;
        }
    }
    const std::uint32_t w = width > 0 ? static_cast<std::uint32_t>(width) : 0;
    const std::uint32_t h = height > 0 ? static_cast<std::uint32_t>(height) : 0;
    const std::uint32_t rowSize = ((w * static_cast<std::uint32_t>(depth) + 31) / 32) * 4;
    const std::uint32_t colours = depth < 16 ? (1u << depth) : 0;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * colours;
    return {depth, rowSize, colours, offset, offset + rowSize * h};
}

std::vector<std::uint8_t> BmpHeaders(int width, int height, const BmpLayout& layout) {
    std::vector<std::uint8_t> out;
    out.reserve(layout.pixelOffset);
    out.push_back('B');
    out.push_back('M');
    Put32(out, layout.fileSize);
    Put32(out, 0);  // two reserved words
    Put32(out, layout.pixelOffset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);  // planes
    Put16(out, static_cast<std::uint32_t>(layout.bitsPerPixel));
    Put32(out, 0);  // uncompressed
    Put32(out, layout.fileSize - layout.pixelOffset);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, layout.colours);
    Put32(out, 0);
    out.resize(layout.pixelOffset, 0);
    return out;
}

}  // namespace corvinata
