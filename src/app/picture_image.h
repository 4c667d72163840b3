// A decoded picture as the program draws it: 24-bit pixels in memory, and
// the resampling that shrinks or enlarges it to the size it is drawn at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvinata {

// What a picture file may cost. A pack's photographs and planet maps are
// about a megapixel (1024 x 640, 1024 x 512); anything with more than
// kLargestPicturePixels pixels, or a side longer than kLargestPictureSide,
// is refused before its pixels are allocated, so that a few bytes of header
// can never claim the program's memory.
constexpr int kLargestPictureSide = 16384;
constexpr std::int64_t kLargestPicturePixels = std::int64_t{4096} * 4096;

// Whether a picture of the size may be decoded (both sides at least 1).
constexpr bool IsAllowedPictureSize(std::int64_t width, std::int64_t height) noexcept {
    return width > 0 && height > 0 && width <= kLargestPictureSide && height <= kLargestPictureSide &&
           width * height <= kLargestPicturePixels;
}

// Rows top first, three bytes a pixel (blue, green, red, the order of a
// 24-bit device-independent bitmap), no padding between rows.
struct PictureImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;

    bool IsEmpty() const noexcept { return width <= 0 || height <= 0; }
    std::size_t Offset(int x, int y) const noexcept {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    }
};

// The picture at another size: every target pixel is the average of the
// source area it covers (parts of pixels weighted by the part covered), so
// a shrunk photograph keeps its colours instead of dropping pixels, and an
// enlarged one repeats them with blended seams. Empty for an empty source
// or target.
PictureImage ResamplePicture(const PictureImage& source, int width, int height);

// The rows in the opposite order (bottom first for an OpenGL texture).
std::vector<std::uint8_t> RowsBottomFirst(const PictureImage& image);

}  // namespace corvinata
