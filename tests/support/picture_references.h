// The pictures of the pack as an independent decoder decodes them (written
// by the build beside its generated headers), and how far another decoding
// or drawing of them lies from those pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/picture_image.h"

namespace corvinata::test {

// The bytes of a file; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// A JPEG of picture_references/ (a picture of the pack or a variant of
// one) and its pixels as the independent decoder gives them.
std::vector<std::uint8_t> ReferenceJpeg(const std::string& file);
PictureImage ReferencePixels(const std::string& file, int width, int height);

// A baseline JPEG of `width` x `height` grey samples, all 128, whose scan
// codes each block in two bits (DC 0 and the end of block, one bit each):
// the bytes of `blocks` blocks, then `tail` (the end marker for a whole file).
std::vector<std::uint8_t> FlatGreyJpeg(int width, int height, std::size_t blocks, const std::vector<std::uint8_t>& tail);

// The largest difference of any channel, and the share of channel values
// that differ by more than one.
struct PixelDifference {
    int largest = 0;
    double beyondOne = 0.0;
};
PixelDifference ComparePixels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b);

// Within the rounding of a JPEG's inverse DCT (two or three levels after the
// colour conversion, here and there); a picture decoded or drawn another way
// moves one value in ten by more than one, and fringes by 20 to 50.
inline bool WithinJpegRounding(const PixelDifference& d) { return d.largest <= 4 && d.beyondOne < 0.01; }

}  // namespace corvinata::test
