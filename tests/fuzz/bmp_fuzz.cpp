// The headers of a BMP picture, checked before GDI draws the file: what is
// accepted must lie within the file, since GDI reads it as it stands.
#include "app/bmp_image.h"
#include "app/picture_image.h"
#include "fuzz/fuzz_targets.h"

namespace corvinata::fuzz {

int FuzzBmp(const std::uint8_t* data, std::size_t size) {
    BmpFileLayout layout;
    if (!ReadBmpFileLayout(data, size, layout)) return 0;
    Expect(IsAllowedPictureSize(layout.width, layout.height), "an accepted BMP has an allowed size");
    Expect(kBmpInfoOffset + layout.infoSize <= layout.pixelOffset, "the headers and palette end before the pixels");
    Expect(layout.pixelOffset < size && layout.pixelBytes <= size - layout.pixelOffset,
           "the pixels lie within the file");
    // Every byte the drawing would read, read here: the sanitizer sees any
    // beyond the input.
    unsigned sum = 0;
    for (std::size_t i = 0; i < layout.infoSize; ++i) sum += data[kBmpInfoOffset + i];
    for (std::size_t i = 0; i < layout.pixelBytes; ++i) sum += data[layout.pixelOffset + i];
    volatile unsigned read = sum;
    static_cast<void>(read);
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzBmp)
