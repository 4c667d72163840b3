// The program's own JPEG decoder for the pictures of the picture packs and
// the explorers' planet maps: baseline and extended sequential Huffman JPEG
// (ITU-T T.81) with 8-bit samples, grey or YCbCr (also RGB as the Adobe
// marker names it), any sampling factors up to 4, restart intervals.
//
// Chroma is upsampled by the triangle filter the common decoders use by
// default and YCbCr is converted as JFIF defines it, so a picture comes out
// as those decoders show it (within the rounding of the inverse DCT).
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/picture_image.h"

namespace corvinata {

enum class JpegResult {
    kDecoded,
    kNotJpeg,       // no start-of-image marker
    kUnsupported,   // progressive, arithmetic coding, 12-bit, four components, too large
    kDamaged,       // a table, a header or the coded data is broken or cut off
};

// True when the bytes start as a JPEG file does.
bool LooksLikeJpeg(const std::uint8_t* data, std::size_t size) noexcept;

// Decodes the whole picture into `out`; anything but kDecoded leaves `out`
// empty, so nothing half-decoded is ever drawn.
JpegResult DecodeJpeg(const std::uint8_t* data, std::size_t size, PictureImage& out);

}  // namespace corvinata
