// The JPEG decoder of the picture packs and the explorers' maps.
#include "app/jpeg_decoder.h"
#include "fuzz/fuzz_targets.h"

namespace corvinata::fuzz {

namespace {

// The size the system's decoder meets in a file the program hands to it:
// that of the first frame header, found the way libjpeg reads markers
// (stray and fill bytes and 0xFF 0x00 passed over, every other segment
// skipped by its length, no frame after the first scan). False when it
// meets none.
bool FirstFrameSize(const std::uint8_t* data, std::size_t size, int& width, int& height) {
    std::size_t at = 2;
    while (at + 1 < size) {
        if (data[at] != 0xFF || data[at + 1] == 0xFF || data[at + 1] == 0x00) {
            ++at;
            continue;
        }
        const std::uint8_t marker = data[at + 1];
        at += 2;
        if (marker == 0xDA || marker == 0xD9) return false;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
        if (at + 2 > size) return false;
        const std::size_t length = static_cast<std::size_t>(data[at] << 8 | data[at + 1]);
        if (length < 2) return false;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || at + 7 > size) return false;
            height = data[at + 3] << 8 | data[at + 4];
            width = data[at + 5] << 8 | data[at + 6];
            return true;
        }
        at += length;
    }
    return false;
}

}  // namespace

int FuzzJpeg(const std::uint8_t* data, std::size_t size) {
    PictureImage image;
    const JpegResult result = DecodeJpeg(data, size, image);
    if (result == JpegResult::kUnsupported) {
        // Left to the system's decoder, which decodes the whole frame before
        // anything can measure it.
        int width = 0;
        int height = 0;
        Expect(!FirstFrameSize(data, size, width, height) || IsAllowedPictureSize(width, height),
               "a JPEG left to another decoder has a frame of an allowed size");
    }
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
