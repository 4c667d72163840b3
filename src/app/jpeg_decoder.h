// The program's own JPEG decoder for the pictures of the picture packs and
// the explorers' planet maps: baseline and extended sequential Huffman JPEG
// (ITU-T T.81) with 8-bit samples, grey or YCbCr (also RGB as the Adobe
// marker names it), any sampling factors up to 4, restart intervals.
//
// Chroma is upsampled as the common decoders do by default (the triangle
// filter for 2:1 ratios, repeated samples for the others and for 2:1 chroma
// only one or two samples wide) and YCbCr is converted as JFIF defines it,
// so a picture comes out as those decoders show it (within the rounding of
// the inverse DCT).
//
// The file is outside bytes: what decoding costs is bounded by the file's
// size. No more than kLargestPicturePixels are ever decoded, the samples of
// a component are allocated only once its scan is known to have bytes
// enough for its blocks, each component is decoded once, and coded data
// that ends before the last block of its scan is damage (never made up).
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/picture_image.h"

namespace corvinata {

// The most scans a file left to another decoder may have. That decoder
// reads every scan over the whole frame, so its work grows with the scans
// times the frame, which no file size bounds: a scan takes as few as 10
// bytes. IsAllowedPictureSize bounds the frame, this the scans.
// Encoders write 10 scans for a colour photograph, 6 for a grey one and 18
// for CMYK: with room for those, a file then costs that decoder at most a
// few times what an ordinary picture of the largest size does. Scans alone
// are counted, not scans times the frame: no encoder writes more scans for
// a smaller picture, and the frame is bounded already.
constexpr int kMostHandedOnScans = 32;

enum class JpegResult {
    kDecoded,
    kNotJpeg,       // no start-of-image marker
    // Progressive, arithmetic coding, 12-bit, four components: left to
    // another decoder, only ever for a file whose first frame header gives
    // a size IsAllowedPictureSize lets a picture have and that has at most
    // kMostHandedOnScans scans, read up to its end-of-image marker as that
    // decoder reads it (one it cannot be read so is kDamaged).
    kUnsupported,
    kTooLarge,      // a frame of a size IsAllowedPictureSize does not let a picture have
    kTooManyScans,  // one the decoder would leave to another, with more than kMostHandedOnScans scans
    kDamaged,       // a table, a header or the coded data is broken or cut off
};

// True when the bytes start as a JPEG file does.
bool LooksLikeJpeg(const std::uint8_t* data, std::size_t size) noexcept;

// Decodes the whole picture into `out`; anything but kDecoded leaves `out`
// empty, so nothing half-decoded is ever drawn.
JpegResult DecodeJpeg(const std::uint8_t* data, std::size_t size, PictureImage& out);

}  // namespace corvinata
