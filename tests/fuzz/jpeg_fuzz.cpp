// The JPEG decoder of the picture packs and the explorers' maps.
#include "app/jpeg_decoder.h"
#include "fuzz/fuzz_targets.h"

namespace corvinata::fuzz {

int FuzzJpeg(const std::uint8_t* data, std::size_t size) {
    PictureImage image;
    const JpegResult result = DecodeJpeg(data, size, image);
    if (result != JpegResult::kDecoded) {
        Expect(image.IsEmpty() && image.bgr.empty(), "a refused JPEG leaves no picture");
        return 0;
    }
    Expect(IsAllowedPictureSize(image.width, image.height), "a decoded JPEG has an allowed size");
    Expect(image.bgr.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3,
           "a decoded JPEG has three bytes a pixel");
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzJpeg)
