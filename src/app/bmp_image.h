// The layout of a BMP file image: the file header, the bitmap information
// header and the palette that come before the pixel rows. A captured
// drawing is handed out in this form (copied or printed graphs), and a
// picture file of a pack is read from it.
#pragma once

#include <cstddef>
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

// What the headers of a BMP file say, once checked against the file.
struct BmpFileLayout {
    int width = 0;
    int height = 0;                // rows, whichever way they are stored
    std::size_t infoSize = 0;      // the information header, its masks and palette, from kBmpInfoOffset
    std::size_t pixelOffset = 0;
    std::size_t pixelBytes = 0;    // what the rows (or the compressed image) take from pixelOffset
};

// Where the information header starts: after the 14-byte file header.
constexpr std::size_t kBmpInfoOffset = 14;

// Reads the headers of a BMP file image (uncompressed at 1, 4, 8, 16, 24 or
// 32 bits a pixel, with bit masks at 16 and 32, or run-length coded at 4 and
// 8). False for anything else, for a size IsAllowedPictureSize refuses, and
// for headers that describe more bytes than the file holds: a palette longer
// than its depth allows, an information header or palette that runs into
// the pixels, rows beyond the end. What is accepted can be handed to the
// system's drawing as it stands: every byte it reads lies within the file.
bool ReadBmpFileLayout(const std::uint8_t* data, std::size_t size, BmpFileLayout& layout);

}  // namespace corvinata
