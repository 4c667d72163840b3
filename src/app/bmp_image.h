// The layout of a BMP file image: the file header, the bitmap information
// header and the palette that come before the pixel rows. A captured
// drawing is handed out in this form (copied or printed graphs).
#pragma once

#include <cstdint>
#include <vector>

namespace corvinata {

struct BmpLayout {
    int bitsPerPixel;       // 1, 4, 8, 16, 24 or 32
    std::uint32_t rowSize;  // bytes, a multiple of 4
    std::uint32_t colours;  // palette entries: 2^bits below 16 bits, else 0
    std::uint32_t pixelOffset;
    std::uint32_t fileSize;
};

// The layout for a bitmap of this size whose planes times bits per plane
// give `bits` (rounded up to the next depth a BMP file knows).
BmpLayout BmpLayoutFor(int width, int height, int bits) noexcept;

// The 14-byte file header and the 40-byte information header, followed by
// room for the palette; the pixel rows are the caller's to append.
std::vector<std::uint8_t> BmpHeaders(int width, int height, const BmpLayout& layout);

}  // namespace corvinata
