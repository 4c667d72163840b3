#include "app/picture_image.h"

#include <algorithm>
#include <cmath>

namespace corvinata {

namespace {

// The source pixels one target pixel covers along one axis, with the part
// of each it covers; the weights of a target pixel add up to one.
struct Coverage {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Coverage> CoverageOf(int sourceSize, int targetSize) {
    std::vector<Coverage> out(static_cast<std::size_t>(targetSize));
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int t = 0; t < targetSize; ++t) {
        const double begin = t * scale;
        const double end = std::min(static_cast<double>(sourceSize), (t + 1) * scale);
        Coverage& c = out[static_cast<std::size_t>(t)];
        c.first = std::min(sourceSize - 1, static_cast<int>(std::floor(begin)));
        for (int s = c.first; s < sourceSize && s < end; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s));
            c.weights.push_back(static_cast<float>(std::max(0.0, covered) / scale));
        }
        if (c.weights.empty()) c.weights.push_back(1.0f);
    }
    return out;
}

}  // namespace

PictureImage ResamplePicture(const PictureImage& source, int width, int height) {
    PictureImage out;
    if (source.IsEmpty() || width <= 0 || height <= 0) return out;
    if (width == source.width && height == source.height) return source;
    const std::vector<Coverage> columns = CoverageOf(source.width, width);
    const std::vector<Coverage> rows = CoverageOf(source.height, height);
    // Along the rows first, into floats, then down the columns.
    std::vector<float> across(static_cast<std::size_t>(source.height) * static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* in = &source.bgr[source.Offset(0, y)];
        float* row = &across[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3];
        for (int x = 0; x < width; ++x) {
            const Coverage& c = columns[static_cast<std::size_t>(x)];
            float sum[3] = {0, 0, 0};
            for (std::size_t k = 0; k < c.weights.size(); ++k) {
                const std::uint8_t* p = in + (static_cast<std::size_t>(c.first) + k) * 3;
                for (int channel = 0; channel < 3; ++channel) sum[channel] += c.weights[k] * p[channel];
            }
            for (int channel = 0; channel < 3; ++channel) row[x * 3 + channel] = sum[channel];
        }
    }
    out.width = width;
    out.height = height;
    out.bgr.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    std::vector<float> sum(stride);
    for (int y = 0; y < height; ++y) {
        const Coverage& c = rows[static_cast<std::size_t>(y)];
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (std::size_t k = 0; k < c.weights.size(); ++k) {
            const float* in = &across[(static_cast<std::size_t>(c.first) + k) * stride];
            for (std::size_t i = 0; i < stride; ++i) sum[i] += c.weights[k] * in[i];
        }
        std::uint8_t* target = &out.bgr[out.Offset(0, y)];
        for (std::size_t i = 0; i < stride; ++i) {
            target[i] = static_cast<std::uint8_t>(std::clamp(std::lround(sum[i]), 0L, 255L));
        }
    }
    return out;
}

std::vector<std::uint8_t> RowsBottomFirst(const PictureImage& image) {
    std::vector<std::uint8_t> out(image.bgr.size());
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    for (int y = 0; y < image.height; ++y) {
        std::copy_n(&image.bgr[image.Offset(0, y)], stride,
                    &out[static_cast<std::size_t>(image.height - 1 - y) * stride]);
    }
    return out;
}

}  // namespace corvinata
