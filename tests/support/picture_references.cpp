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
