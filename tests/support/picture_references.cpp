#include "support/picture_references.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "support/test_data.h"

namespace corvinata::test {

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::uint8_t> ReferenceJpeg(const std::string& file) {
    return ReadFileBytes(GeneratedPath("picture_references/" + file));
}

PictureImage ReferencePixels(const std::string& file, int width, int height) {
    PictureImage image;
    image.bgr = ReadFileBytes(GeneratedPath("picture_references/" + file + ".bgr"));
    if (image.bgr.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
        image.width = width;
        image.height = height;
    }
    return image;
}

std::vector<std::uint8_t> FlatGreyJpeg(int width, int height, std::size_t blocks, const std::vector<std::uint8_t>& tail) {
    std::vector<std::uint8_t> f = {0xFF, 0xD8};
    auto segment = [&f](std::uint8_t marker, std::vector<std::uint8_t> body) {
        f.push_back(0xFF);
        f.push_back(marker);
        f.push_back(static_cast<std::uint8_t>((body.size() + 2) >> 8));
        f.push_back(static_cast<std::uint8_t>(body.size() + 2));
        f.insert(f.end(), body.begin(), body.end());
    };
    std::vector<std::uint8_t> quant(65, 1);
    quant[0] = 0;  // table 0, 8-bit steps
    segment(0xDB, quant);
    segment(0xC0, {8, static_cast<std::uint8_t>(height >> 8), static_cast<std::uint8_t>(height),
                   static_cast<std::uint8_t>(width >> 8), static_cast<std::uint8_t>(width), 1, 1, 0x11, 0});
    // One code "0" in each table: DC difference size 0, end of block.
    segment(0xC4, {0x00, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    segment(0xC4, {0x10, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    segment(0xDA, {1, 1, 0x00, 0, 63, 0});
    f.insert(f.end(), (blocks + 3) / 4, 0x00);
    f.insert(f.end(), tail.begin(), tail.end());
    return f;
}

PixelDifference ComparePixels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    PixelDifference d;
    std::size_t beyond = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int step = std::abs(a[i] - b[i]);
        d.largest = std::max(d.largest, step);
        beyond += step > 1;
    }
    d.beyondOne = a.empty() ? 0.0 : static_cast<double>(beyond) / static_cast<double>(a.size());
    if (a.size() != b.size()) d.largest = 255;
    return d;
}

}  // namespace corvinata::test
