#include "app/bmp_image.h"

#include "app/picture_image.h"

namespace corvinata {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

// Compression kinds of the information header.
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kRunLength4 = 2;
constexpr std::uint32_t kBitMasks = 3;
// The largest information header there is (the fifth version's).
constexpr std::uint64_t kLargestInfoHeader = 124;

std::uint32_t Read32(const std::uint8_t* p) noexcept {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Read16(const std::uint8_t* p) noexcept {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// Whether the depth and the compression go together.
bool KnownKind(std::uint32_t bits, std::uint32_t compression) noexcept {
    switch (compression) {
    case kUncompressed: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRunLength8: return bits == 8;
    case kRunLength4: return bits == 4;
    case kBitMasks: return bits == 16 || bits == 32;
    default: return false;
    }
}

}  // namespace

BmpLayout BmpLayoutFor(int width, int height, int bits) noexcept {
    int depth = 32;
    for (int d : {1, 4, 8, 16, 24, 32}) {
        if (bits <= d) {
            depth = d;
            break;
        }
    }
    const std::uint32_t w = width > 0 ? static_cast<std::uint32_t>(width) : 0;
    const std::uint32_t h = height > 0 ? static_cast<std::uint32_t>(height) : 0;
    const std::uint32_t rowSize = ((w * static_cast<std::uint32_t>(depth) + 31) / 32) * 4;
    const std::uint32_t colours = depth < 16 ? (1u << depth) : 0;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * colours;
    return {depth, rowSize, colours, offset, offset + rowSize * h};
}

std::vector<std::uint8_t> BmpHeaders(int width, int height, const BmpLayout& layout) {
    std::vector<std::uint8_t> out;
    out.reserve(layout.pixelOffset);
    out.push_back('B');
    out.push_back('M');
    Put32(out, layout.fileSize);
    Put32(out, 0);  // two reserved words
    Put32(out, layout.pixelOffset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);  // planes
    Put16(out, static_cast<std::uint32_t>(layout.bitsPerPixel));
    Put32(out, 0);  // uncompressed
    Put32(out, layout.fileSize - layout.pixelOffset);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, layout.colours);
    Put32(out, 0);
    out.resize(layout.pixelOffset, 0);
    return out;
}

bool ReadBmpFileLayout(const std::uint8_t* data, std::size_t size, BmpFileLayout& layout) {
    layout = BmpFileLayout{};
    if (!data || size < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M') return false;
    // Every sum in 64 bits: the fields are 32 bits wide and any of them may
    // be at its largest.
    const std::uint8_t* info = data + kFileHeaderSize;
    const std::uint64_t pixelOffset = Read32(data + 10);
    const std::uint64_t infoHeader = Read32(info);
    const std::int64_t width = static_cast<std::int32_t>(Read32(info + 4));
    const std::int64_t storedHeight = static_cast<std::int32_t>(Read32(info + 8));
    const std::uint32_t planes = Read16(info + 12);
    const std::uint32_t bits = Read16(info + 14);
    const std::uint32_t compression = Read32(info + 16);
    const std::uint64_t imageSize = Read32(info + 20);
    const std::uint64_t coloursUsed = Read32(info + 32);
    const std::int64_t height = storedHeight < 0 ? -storedHeight : storedHeight;
    if (infoHeader < kInfoHeaderSize || infoHeader > kLargestInfoHeader || planes != 1) return false;
    if (!KnownKind(bits, compression) || !IsAllowedPictureSize(width, height)) return false;
    // Run-length coded rows are stored bottom up only.
    if (storedHeight < 0 && (compression == kRunLength8 || compression == kRunLength4)) return false;
    // A palette of more colours than the depth has is no palette: the
    // system would read as many entries as it says.
    if (coloursUsed > (std::uint64_t{1} << bits)) return false;
    const std::uint64_t colours = coloursUsed != 0 ? coloursUsed : (bits <= 8 ? std::uint64_t{1} << bits : 0);
    const std::uint64_t masks = compression == kBitMasks && infoHeader == kInfoHeaderSize ? 12 : 0;
    const std::uint64_t infoSize = infoHeader + masks + 4 * colours;
    if (kFileHeaderSize + infoSize > pixelOffset || pixelOffset >= size) return false;
    const std::uint64_t available = size - pixelOffset;
    std::uint64_t pixelBytes = imageSize;
    if (compression == kUncompressed || compression == kBitMasks) {
        const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
        pixelBytes = stride * static_cast<std::uint64_t>(height);
    }
    if (pixelBytes == 0 || pixelBytes > available) return false;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.infoSize = static_cast<std::size_t>(infoSize);
    layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
    layout.pixelBytes = static_cast<std::size_t>(pixelBytes);
    return true;
}

}  // namespace corvinata
