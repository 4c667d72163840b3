// The JPEG decoder of the picture packs and the explorers' maps.
#include "app/jpeg_decoder.h"
#include "fuzz/fuzz_targets.h"

namespace corvinata::fuzz {

namespace {

// What the system's decoder meets in a file the program hands to it: the
// size of the first frame header and the scans up to the end-of-image
// marker, found the way libjpeg reads markers: stray and fill bytes and
// 0xFF 0x00 passed over, every other segment skipped by its length (one
// under 2 as the two bytes of its length field, as an application segment
// or a comment is), a segment that runs beyond the data read no further,
// no frame after the first scan. Inside a scan with a restart interval a
// reserved marker (0x02..0xBF) is a restart out of place: dropped, and
// reading goes on to the next marker; anywhere else it stops the decoder.
// Where libjpeg refuses a segment's contents this reads on: it may count
// more scans than that decoder meets, never fewer.
struct HandedOnFile {
    bool framed = false;
    int width = 0;
    int height = 0;
    std::int64_t scans = 0;
};

HandedOnFile ReadAsHandedOn(const std::uint8_t* data, std::size_t size) {
    HandedOnFile file;
    bool restarts = false;       // a restart interval is set for the scans that follow
    bool inRestartScan = false;  // within the coded data of a scan with restarts
    std::size_t at = 2;
    while (at + 1 < size) {
        if (data[at] != 0xFF || data[at + 1] == 0xFF || data[at + 1] == 0x00) {
            ++at;
            continue;
        }
        const std::uint8_t marker = data[at + 1];
        at += 2;
        if (marker == 0xD9) break;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
        if (marker < 0xC0) {
            if (inRestartScan) continue;
            break;
        }
        inRestartScan = false;
        if (at + 2 > size) break;
        const std::size_t length = static_cast<std::size_t>(data[at] << 8 | data[at + 1]);
        if (length < 2) {
            at += 2;
            continue;
        }
        if (at + length > size) break;
        if (marker == 0xDD && length >= 4) restarts = (data[at + 2] << 8 | data[at + 3]) != 0;
        if (marker == 0xDA) {
            if (!file.framed) break;
            ++file.scans;
            inRestartScan = restarts;
        }
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && !file.framed) {
            if (length < 7) break;
            file.height = data[at + 3] << 8 | data[at + 4];
            file.width = data[at + 5] << 8 | data[at + 6];
            file.framed = true;
        }
        at += length;
    }
    return file;
}

}  // namespace

int FuzzJpeg(const std::uint8_t* data, std::size_t size) {
    PictureImage image;
    const JpegResult result = DecodeJpeg(data, size, image);
    if (result == JpegResult::kUnsupported) {
        // Left to the system's decoder, which decodes every scan over the
        // whole frame before anything can measure it: the frame has an
        // allowed size, and the work, scans times pixels, is at most that of
        // kMostHandedOnScans scans of the largest picture.
        const HandedOnFile file = ReadAsHandedOn(data, size);
        Expect(!file.framed || IsAllowedPictureSize(file.width, file.height),
               "a JPEG left to another decoder has a frame of an allowed size");
        Expect(!file.framed || file.scans * file.width * file.height <= kMostHandedOnScans * kLargestPicturePixels,
               "a JPEG left to another decoder costs it no more than the largest picture's scans");
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
