// Picture files decoded the way the Picture window and the explorers read
// them: BMP of every common kind through GDI, JPEG through the program's
// decoder or, for what it leaves, the system's; and drawn pixel for pixel.
#include "app/picture_image_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "app/bmp_image.h"
#include "generated/picture_references.h"
#include "support/drawn_pixels_win.h"
#include "support/picture_references.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

struct Bgr {
    std::uint8_t b, g, r;
};

// A BMP file of the depth whose pixel (x, y), y counted from the top, is
// `colour(x, y)`; 8 and 1 bits a pixel take a palette of the colours used.
// With `topDown` the rows are stored top first (a negative height).
template <typename Colour>
std::vector<std::uint8_t> Bmp(int width, int height, int bits, bool topDown, Colour colour) {
    const BmpLayout layout = BmpLayoutFor(width, height, bits);
    std::vector<std::uint8_t> file = BmpHeaders(width, height, layout);
    file.resize(layout.fileSize, 0);
    if (topDown) {
        const std::int32_t negative = -height;
        for (int i = 0; i < 4; ++i) file[22 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(negative) >> (8 * i));
    }
    std::vector<Bgr> palette;
    for (int y = 0; y < height; ++y) {
        const int row = topDown ? y : height - 1 - y;
        std::uint8_t* out = &file[layout.pixelOffset + static_cast<std::size_t>(row) * layout.rowSize];
        for (int x = 0; x < width; ++x) {
            const Bgr c = colour(x, y);
            if (bits >= 24) {
                out[x * (bits / 8)] = c.b, out[x * (bits / 8) + 1] = c.g, out[x * (bits / 8) + 2] = c.r;
                continue;
            }
            std::size_t index = 0;
            while (index < palette.size() && !(palette[index].b == c.b && palette[index].g == c.g && palette[index].r == c.r))
                ++index;
            if (index == palette.size()) palette.push_back(c);
            if (bits == 8) out[x] = static_cast<std::uint8_t>(index);
            else out[x / 8] |= static_cast<std::uint8_t>(index << (7 - x % 8));
        }
    }
    for (std::size_t i = 0; i < palette.size(); ++i) {
        file[54 + i * 4] = palette[i].b, file[54 + i * 4 + 1] = palette[i].g, file[54 + i * 4 + 2] = palette[i].r;
    }
    return file;
}

Bgr Quarters(int x, int y) {
    if (y < 2) return x < 3 ? Bgr{0, 0, 255} : Bgr{0, 255, 0};
    return x < 3 ? Bgr{255, 0, 0} : Bgr{255, 255, 255};
}

Bgr TwoColours(int x, int y) { return (x + y) % 2 ? Bgr{255, 255, 255} : Bgr{40, 60, 200}; }

TEST(PictureImageWin, BmpOfEveryCommonKindDecodesTopRowFirst) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> file;
        Bgr (*colour)(int, int);
    };
    const Case cases[] = {
        {"24 bits, bottom up", Bmp(6, 4, 24, false, Quarters), Quarters},
        {"24 bits, top down", Bmp(6, 4, 24, true, Quarters), Quarters},
        {"32 bits", Bmp(6, 4, 32, false, Quarters), Quarters},
        {"8 bits with a palette", Bmp(6, 4, 8, false, Quarters), Quarters},
        {"1 bit", Bmp(6, 4, 1, false, TwoColours), TwoColours},
    };
    for (const Case& c : cases) {
        PictureImage image;
        ASSERT_TRUE(DecodePictureBytes(c.file.data(), c.file.size(), image)) << c.what;
        ASSERT_EQ(image.width, 6) << c.what;
        ASSERT_EQ(image.height, 4) << c.what;
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 6; ++x) {
                const Bgr want = c.colour(x, y);
                const std::uint8_t* got = &image.bgr[image.Offset(x, y)];
                EXPECT_TRUE(got[0] == want.b && got[1] == want.g && got[2] == want.r) << c.what << " at " << x << "," << y;
            }
        }
    }
}

TEST(PictureImageWin, BmpWhoseHeadersPromiseMoreThanTheFileHoldsIsRefused) {
    const std::vector<std::uint8_t> good = Bmp(6, 4, 24, false, Quarters);
    std::vector<std::uint8_t> cut(good.begin(), good.end() - 10);
    std::vector<std::uint8_t> huge = good;
    huge[18] = 0xFF, huge[19] = 0xFF;  // 65535 pixels wide
    std::vector<std::uint8_t> pixelsBeyond = good;
    pixelsBeyond[10] = 0xF0, pixelsBeyond[11] = 0xFF;
    std::vector<std::uint8_t> palette = Bmp(6, 4, 8, false, Quarters);
    palette[48] = 1;  // 65536 colours before the pixels
    // A palette count whose four bytes each wrapped the size to nothing (GDI
    // then drew colours from the heap), and a header size whose sum with the
    // file header wrapped (its copy threw and ended the program).
    std::vector<std::uint8_t> paletteWraps = test::ReadFileBytes(test::TestsPath("fuzz/bmp/failures/palette_count_wraps.bmp"));
    std::vector<std::uint8_t> headerWraps = test::ReadFileBytes(test::TestsPath("fuzz/bmp/failures/header_size_wraps.bmp"));
    ASSERT_FALSE(paletteWraps.empty() || headerWraps.empty());
    for (const std::vector<std::uint8_t>* file : {&cut, &huge, &pixelsBeyond, &palette, &paletteWraps, &headerWraps}) {
        PictureImage image;
        EXPECT_FALSE(DecodePictureBytes(file->data(), file->size(), image));
        EXPECT_TRUE(image.IsEmpty());
    }
}

#if defined(_WIN64)
// A 64-bit address space is not filled by reservations: the system's count
// of mappings a process may have runs out first, and a block freed anywhere
// gives the next large allocation room again. Allocations above a size are
// refused instead, as an address space with no room left for one would.
std::size_t largestAllocation = 0;  // none refused while 0

class AddressSpaceTaken {
public:
    AddressSpaceTaken() { largestAllocation = std::size_t{4} << 20; }
    ~AddressSpaceTaken() { largestAllocation = 0; }
    AddressSpaceTaken(const AddressSpaceTaken&) = delete;
    AddressSpaceTaken& operator=(const AddressSpaceTaken&) = delete;
};
#else
// Most of the process's address space taken for as long as it lives, so
// that any large allocation fails; a few megabytes stay free for the test's
// own small ones.
class AddressSpaceTaken {
public:
    AddressSpaceTaken() {
        // Room for every chunk of a 32-bit address space, had while it can be.
        taken_.reserve(4096);
        for (SIZE_T chunk : {SIZE_T{64} << 20, SIZE_T{1} << 20}) {
            while (void* taken = VirtualAlloc(nullptr, chunk, MEM_RESERVE, PAGE_NOACCESS)) taken_.push_back(taken);
        }
        for (int i = 0; i < 4 && !taken_.empty(); ++i) {
            VirtualFree(taken_.back(), 0, MEM_RELEASE);
            taken_.pop_back();
        }
    }
    ~AddressSpaceTaken() {
        for (void* taken : taken_) VirtualFree(taken, 0, MEM_RELEASE);
    }
    AddressSpaceTaken(const AddressSpaceTaken&) = delete;
    AddressSpaceTaken& operator=(const AddressSpaceTaken&) = delete;

private:
    std::vector<void*> taken_;
};
#endif

// A whole picture of the largest size, decoded when the memory for it
// cannot be had: no picture, and the program goes on.
TEST(PictureImageWin, PictureTheMemoryCannotHoldIsNoPicture) {
    const std::vector<std::uint8_t> file = test::FlatGreyJpeg(4096, 4096, 4096 * 4096 / 64, {0xFF, 0xD9});
    PictureImage image;
    bool decoded = true;
    {
        const AddressSpaceTaken taken;
        decoded = DecodePictureBytes(file.data(), file.size(), image);
    }
    EXPECT_FALSE(decoded);
    EXPECT_TRUE(image.IsEmpty());
    // With the memory back, the same file decodes.
    EXPECT_TRUE(DecodePictureBytes(file.data(), file.size(), image));
    EXPECT_EQ(image.width, 4096);
}

// A progressive JPEG, which the program's decoder does not take, still
// shows, through the system's decoder.
TEST(PictureImageWin, ProgressiveJpegIsLeftToTheSystemsDecoder) {
    const picture_references::Reference& picture = picture_references::kProgressive;
    const std::vector<std::uint8_t> file = test::ReferenceJpeg(picture.file);
    ASSERT_FALSE(file.empty());
    PictureImage image;
    ASSERT_TRUE(DecodePictureBytes(file.data(), file.size(), image));
    ASSERT_EQ(image.width, picture.width);
    ASSERT_EQ(image.height, picture.height);
    const PictureImage reference = test::ReferencePixels(picture.file, picture.width, picture.height);
    long total = 0;
    for (std::size_t i = 0; i < image.bgr.size(); ++i) total += std::abs(image.bgr[i] - reference.bgr[i]);
    EXPECT_LT(static_cast<double>(total) / static_cast<double>(image.bgr.size()), 4.0);
}

TEST(PictureImageWin, DibPictureDrawsEveryPixelWhereverARowEnds) {
    // Five pixels a row: 15 bytes, padded to 16 in the DIB.
    PictureImage image;
    image.width = 5;
    image.height = 3;
    for (int i = 0; i < 15; ++i) {
        image.bgr.push_back(static_cast<std::uint8_t>(10 * i));
        image.bgr.push_back(static_cast<std::uint8_t>(10 * i + 1));
        image.bgr.push_back(static_cast<std::uint8_t>(10 * i + 2));
    }
    const std::vector<std::uint32_t> pixels =
        test::DrawnPixels(8, 6, [&image](HDC dc) { DibPicture(image).Draw(dc, 2, 1); });
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y + 1) * 8 + x + 2];
            const std::uint8_t* want = &image.bgr[image.Offset(x, y)];
            EXPECT_EQ(p & 0xFF, want[0]) << x << "," << y;
            EXPECT_EQ((p >> 16) & 0xFF, want[2]) << x << "," << y;
        }
    }
    EXPECT_EQ(pixels[0], 0u);
}

}  // namespace
}  // namespace corvinata

#if defined(_WIN64)
void* operator new(std::size_t size) {
    if (corvinata::largestAllocation != 0 && size > corvinata::largestAllocation) throw std::bad_alloc();
    if (void* block = std::malloc(size != 0 ? size : 1)) return block;
    throw std::bad_alloc();
}
#endif
