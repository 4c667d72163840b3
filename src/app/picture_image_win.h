// Pictures of files and resources decoded into PictureImage, and drawn.
//
// JPEG goes through the program's own decoder: the system's picture object
// decodes and scales photographs with coloured fringes under some systems.
// BMP goes through GDI, which reads every BMP kind as it should. A JPEG the
// program's decoder does not take (progressive, 12-bit, CMYK) is left to the
// system's picture object, once its first frame header gives a size a
// picture may have and it has no more scans than kMostHandedOnScans, read
// to its end-of-image marker as that object reads it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/picture_image.h"
#include "base/wide_string.h"

namespace corvinata {

// A BMP or JPEG file image. False, with `out` empty, when it does not
// decode, is larger than IsAllowedPictureSize allows, or fails in any other
// way (memory included): no picture file can end the program.
bool DecodePictureBytes(const std::uint8_t* data, std::size_t size, PictureImage& out);
// The same from a file, and from a resource of the type "CORVINATA_BINARY".
bool LoadPictureFile(const Char* path, PictureImage& out);
bool LoadPictureResource(HMODULE module, const Char* name, PictureImage& out);

// A picture ready for the device: its rows padded as a DIB wants them.
class DibPicture {
public:
    DibPicture() = default;
    explicit DibPicture(const PictureImage& image);

    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    // Pixel for pixel, its top-left corner at (left, top).
    void Draw(HDC dc, int left, int top) const;
    // Stretched to `width` × `height` with the device's stretch mode.
    void Draw(HDC dc, int left, int top, int width, int height) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rows_;
};

}  // namespace corvinata
