// The program's JPEG decoder against the pixels an independent decoder makes
// of the same files, a hand-made file with restart markers, and damaged or
// unsupported files.
#include "app/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "generated/picture_references.h"
#include "support/picture_references.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

// Every picture of the pack and every kind of file a pack may hold decodes
// to the independent decoder's pixels within the rounding of the inverse
// DCT: one level here and there, never a coloured fringe.
TEST(JpegDecoder, DecodesAsAnIndependentDecoderDoes) {
    for (const picture_references::Reference& picture : picture_references::kPictures) {
        SCOPED_TRACE(picture.file);
        const std::vector<std::uint8_t> file = test::ReferenceJpeg(picture.file);
        ASSERT_FALSE(file.empty());
        PictureImage image;
        ASSERT_EQ(DecodeJpeg(file.data(), file.size(), image), JpegResult::kDecoded);
        EXPECT_EQ(image.width, picture.width);
        EXPECT_EQ(image.height, picture.height);
        const PictureImage reference = test::ReferencePixels(picture.file, picture.width, picture.height);
        ASSERT_FALSE(reference.IsEmpty());
        const test::PixelDifference d = test::ComparePixels(image.bgr, reference.bgr);
        EXPECT_TRUE(test::WithinJpegRounding(d)) << d.largest << " " << d.beyondOne;
    }
}

// Every JPEG of the fuzz corpus that the independent decoder reads: the
// seeds (every sampling up to 4, noise in the chroma, pictures one pixel
// wide and more, restart intervals) decode to its pixels within three
// levels; an input the program refuses (damaged, progressive) is skipped,
// but one it decodes must agree too.
TEST(JpegDecoder, DecodesTheFuzzCorpusAsAnIndependentDecoderDoes) {
    std::ifstream list(test::GeneratedPath("jpeg_corpus_references/list.txt"));
    std::string name;
    int width = 0, height = 0, decodedHere = 0;
    int compared = 0;
    while (list >> name >> width >> height >> decodedHere) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> file =
            test::ReadFileBytes(test::GeneratedPath("jpeg_corpus_references/" + name));
        PictureImage image;
        const JpegResult result = DecodeJpeg(file.data(), file.size(), image);
        if (decodedHere) {
            EXPECT_EQ(result, JpegResult::kDecoded);
        }
        if (result != JpegResult::kDecoded) continue;
        const std::vector<std::uint8_t> reference =
            test::ReadFileBytes(test::GeneratedPath("jpeg_corpus_references/" + name + ".bgr"));
        EXPECT_EQ(image.width, width);
        EXPECT_EQ(image.height, height);
        EXPECT_LE(test::ComparePixels(image.bgr, reference).largest, 3);
        ++compared;
    }
    EXPECT_GT(compared, 80);
}

// A 16 x 8 grey picture of two blocks, each a restart interval of its own
// with a DC difference of +64: both come out 136 only if the restart resets
// the prediction (without it the second would be 144).
std::vector<std::uint8_t> TwoBlocksWithRestart() {
    std::vector<std::uint8_t> f = {0xFF, 0xD8};
    auto segment = [&f](std::uint8_t marker, std::vector<std::uint8_t> body) {
        f.push_back(0xFF);
        f.push_back(marker);
        f.push_back(static_cast<std::uint8_t>((body.size() + 2) >> 8));
        f.push_back(static_cast<std::uint8_t>(body.size() + 2));
        f.insert(f.end(), body.begin(), body.end());
    };
    std::vector<std::uint8_t> quant(65, 1);
    quant[0] = 0;
    segment(0xDB, quant);
    segment(0xC0, {8, 0, 8, 0, 16, 1, 1, 0x11, 0});
    // DC: two codes of two bits, 00 for size 0 and 01 for size 7; AC: one
    // code "0" for the end of block.
    std::vector<std::uint8_t> dc = {0x00, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7};
    segment(0xC4, dc);
    std::vector<std::uint8_t> ac = {0x10, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    segment(0xC4, ac);
    segment(0xDD, {0, 1});
    segment(0xDA, {1, 1, 0x00, 0, 63, 0});
    // "01" "1000000" "0", padded with ones.
    for (std::uint8_t b : {0x60, 0x3F, 0xFF, 0xD0, 0x60, 0x3F, 0xFF, 0xD9}) f.push_back(b);
    return f;
}

TEST(JpegDecoder, RestartMarkersResetThePrediction) {
    const std::vector<std::uint8_t> file = TwoBlocksWithRestart();
    PictureImage image;
    ASSERT_EQ(DecodeJpeg(file.data(), file.size(), image), JpegResult::kDecoded);
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 8);
    for (int x : {0, 7, 8, 15}) {
        EXPECT_EQ(image.bgr[image.Offset(x, 4)], 136) << x;
        EXPECT_EQ(image.bgr[image.Offset(x, 4) + 2], 136) << x;
    }
}

// Finds the first marker of the kind in a file (outside the coded data).
std::size_t MarkerAt(const std::vector<std::uint8_t>& file, std::uint8_t marker) {
    for (std::size_t i = 2; i + 1 < file.size();) {
        if (file[i] != 0xFF) return file.size();
        if (file[i + 1] == marker) return i;
        i += 2 + static_cast<std::size_t>(file[i + 2] << 8 | file[i + 3]);
    }
    return file.size();
}

TEST(JpegDecoder, RefusesWhatItCannotDecodeWholly) {
    const std::vector<std::uint8_t> good = test::ReferenceJpeg("m042_444.jpg");
    ASSERT_FALSE(good.empty());
    struct Case {
        const char* what;
        std::vector<std::uint8_t> file;
        JpegResult expected;
    };
    std::vector<Case> cases;
    cases.push_back({"not a JPEG", {'B', 'M', 0, 0, 0, 0}, JpegResult::kNotJpeg});
    cases.push_back({"empty", {}, JpegResult::kNotJpeg});
    cases.push_back({"cut in the coded data", {good.begin(), good.begin() + static_cast<long>(good.size() / 2)},
                     JpegResult::kDamaged});
    cases.push_back({"headers only", {good.begin(), good.begin() + static_cast<long>(MarkerAt(good, 0xDA))},
                     JpegResult::kDamaged});
    std::vector<std::uint8_t> progressive = good;
    progressive[MarkerAt(good, 0xC0) + 1] = 0xC2;
    cases.push_back({"progressive", progressive, JpegResult::kUnsupported});
    std::vector<std::uint8_t> twelveBits = good;
    twelveBits[MarkerAt(good, 0xC0) + 4] = 12;
    cases.push_back({"12-bit samples", twelveBits, JpegResult::kUnsupported});
    std::vector<std::uint8_t> noTables = good;
    for (std::size_t at = MarkerAt(noTables, 0xC4); at < noTables.size(); at = MarkerAt(noTables, 0xC4))
        noTables[at + 1] = 0xE5;  // every Huffman table becomes an application segment
    cases.push_back({"no Huffman tables", noTables, JpegResult::kDamaged});
    // Stuffed 0xFF bytes: nothing but one bits, longer than any code.
    std::vector<std::uint8_t> garbled = good;
    for (std::size_t i = MarkerAt(good, 0xDA) + 20; i + 3 < garbled.size(); i += 2) {
        garbled[i] = 0xFF;
        garbled[i + 1] = 0x00;
    }
    cases.push_back({"coded data that is no code", garbled, JpegResult::kDamaged});
    for (const Case& c : cases) {
        PictureImage image;
        image.width = 1;
        EXPECT_EQ(DecodeJpeg(c.file.data(), c.file.size(), image), c.expected) << c.what;
        EXPECT_TRUE(image.IsEmpty() && image.bgr.empty()) << c.what;
    }
}

// Files that once cost gigabytes and minutes, overflowed, or decoded to
// other pixels than other decoders make of them: each is refused before
// its samples are allocated, or at the first block that shows the damage.
TEST(JpegDecoder, FilesThatOnceCostTheProgramItsMemoryAreRefused) {
    const struct {
        const char* file;
        JpegResult expected;
    } cases[] = {
        // 16384 x 16384 declared in 140 bytes, no coded data.
        {"huge_frame_no_data.jpg", JpegResult::kTooLarge},
        // A 4096 x 4096 frame with 100 scans of nothing, each of the same component.
        {"hundred_empty_scans.jpg", JpegResult::kDamaged},
        // DC differences adding up beyond 16 bits, times a 16-bit quantisation step.
        {"dc_prediction_overflow.jpg", JpegResult::kDamaged},
        // AC values coded in 15 bits, which no 8-bit picture has: other
        // decoders show them with wrapped levels, never as they were made.
        {"ac_value_beyond_10_bits_grey.jpg", JpegResult::kDamaged},
        {"ac_value_beyond_10_bits_colour.jpg", JpegResult::kDamaged},
    };
    for (const auto& c : cases) {
        const std::vector<std::uint8_t> file = test::ReadFileBytes(test::TestsPath("fuzz/jpeg/failures/") + c.file);
        ASSERT_FALSE(file.empty()) << c.file;
        PictureImage image;
        EXPECT_EQ(DecodeJpeg(file.data(), file.size(), image), c.expected) << c.file;
        EXPECT_TRUE(image.bgr.empty()) << c.file;
    }
}

// Coded data that stops before the scan's last block is damage, whether
// the file ends there or a marker follows; a header can ask for as many
// pixels as a picture may have only with the bytes its blocks need.
TEST(JpegDecoder, ScansShortOfTheirBlocksAreDamaged) {
    const std::vector<std::uint8_t> end = {0xFF, 0xD9};
    const struct {
        const char* what;
        std::vector<std::uint8_t> file;
        JpegResult expected;
    } cases[] = {
        {"whole", test::FlatGreyJpeg(64, 64, 64, end), JpegResult::kDecoded},
        {"half the blocks, then the end marker", test::FlatGreyJpeg(64, 64, 32, end), JpegResult::kDamaged},
        {"half the blocks, then a restart marker", test::FlatGreyJpeg(64, 64, 32, {0xFF, 0xD0, 0, 0, 0, 0, 0xFF, 0xD9}),
         JpegResult::kDamaged},
        {"half the blocks, then nothing", test::FlatGreyJpeg(64, 64, 32, {}), JpegResult::kDamaged},
        {"4096 x 4096 with a block's bytes", test::FlatGreyJpeg(4096, 4096, 4, end), JpegResult::kDamaged},
        {"4096 x 4096 whole", test::FlatGreyJpeg(4096, 4096, 4096 * 4096 / 64, end), JpegResult::kDecoded},
        {"4097 x 4096", test::FlatGreyJpeg(4097, 4096, 1, end), JpegResult::kTooLarge},
        {"16385 x 1", test::FlatGreyJpeg(16385, 1, 1, end), JpegResult::kTooLarge},
    };
    for (const auto& c : cases) {
        PictureImage image;
        EXPECT_EQ(DecodeJpeg(c.file.data(), c.file.size(), image), c.expected) << c.what;
        EXPECT_EQ(image.IsEmpty(), c.expected != JpegResult::kDecoded) << c.what;
        if (!image.IsEmpty()) {
            EXPECT_EQ(image.bgr[image.Offset(image.width - 1, image.height - 1)], 128) << c.what;
        }
    }
}

// A file of the JPEG fuzz target's failures.
std::vector<std::uint8_t> FuzzFailure(const char* name) {
    return test::ReadFileBytes(test::TestsPath("fuzz/jpeg/failures/") + name);
}

// A file and what the gate answers for it.
struct GateCase {
    const char* what;
    std::vector<std::uint8_t> file;
    JpegResult expected;
};

// What the decoder leaves to another decoder goes there only at a size a
// picture may have: the first frame header's size decides, whatever segment
// the decoder stopped at before it (an arithmetic-coding table) or within
// the frame (12-bit samples, a height left to a DNL marker). The failure
// files once went whole to the system's decoder: seconds and hundreds of
// megabytes for a few bytes.
TEST(JpegDecoder, WhatIsLeftToOthersIsMeasuredFirst) {
    const std::vector<std::uint8_t> end = {0xFF, 0xD9};
    const std::vector<std::uint8_t> dac = {0xFF, 0xCC, 0x00, 0x04, 0x00, 0x10};
    constexpr std::size_t kFrame = 2 + 69;  // the frame header, after the quantisation table
    // A grey file of the size with the frame changed by `change`, and the
    // arithmetic-coding table before everything with `dacFirst`.
    auto grey = [&](int width, int height, bool dacFirst, void (*change)(std::vector<std::uint8_t>&)) {
        std::vector<std::uint8_t> file = test::FlatGreyJpeg(width, height, 1, end);
        change(file);
        if (dacFirst) file.insert(file.begin() + 2, dac.begin(), dac.end());
        return file;
    };
    auto same = [](std::vector<std::uint8_t>&) {};
    auto progressive = [](std::vector<std::uint8_t>& f) { f[kFrame + 1] = 0xC2; };
    auto twelveBits = [](std::vector<std::uint8_t>& f) { f[kFrame + 4] = 12; };
    std::vector<std::uint8_t> tableOnly = {0xFF, 0xD8};
    tableOnly.insert(tableOnly.end(), dac.begin(), dac.end());
    tableOnly.insert(tableOnly.end(), end.begin(), end.end());
    // 0xFF 0x00 is no marker: other decoders pass over it and the bytes
    // after it, which here hold a 16384 x 16384 frame before a small one.
    auto progressiveFrame = [](std::uint8_t side) {  // a frame of (side x 256) pixels square
        return std::vector<std::uint8_t>{0xFF, 0xC2, 0, 17, 8, side, 0, side, 0, 3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0};
    };
    std::vector<std::uint8_t> hidden = {0xFF, 0xD8, 0xFF, 0x00, 0, 2 + 19};
    for (std::uint8_t side : {0x40, 0x01}) {
        const std::vector<std::uint8_t> frame = progressiveFrame(side);
        hidden.insert(hidden.end(), frame.begin(), frame.end());
    }
    hidden.insert(hidden.end(), end.begin(), end.end());
    const GateCase cases[] = {
        {"16384 x 16384 after 0xFF 0x00", hidden, JpegResult::kTooLarge},
        {"a frame 0 wide after 0xFF 0x00", FuzzFailure("frame_behind_ff00.jpg"), JpegResult::kTooLarge},
        {"sequential 8192 x 8192 after a DAC", FuzzFailure("dac_before_sequential_frame.jpg"), JpegResult::kTooLarge},
        {"progressive 16384 x 16384 after a DAC", FuzzFailure("dac_before_progressive_frame.jpg"), JpegResult::kTooLarge},
        {"arithmetic 8192 x 8192 after a DAC", FuzzFailure("dac_before_arithmetic_frame.jpg"), JpegResult::kTooLarge},
        {"grey 16384 x 16384 after a DAC", FuzzFailure("dac_before_grey_frame.jpg"), JpegResult::kTooLarge},
        {"sequential 4097 x 4096 after a DAC", grey(4097, 4096, true, same), JpegResult::kTooLarge},
        {"sequential 64 x 64 after a DAC", grey(64, 64, true, same), JpegResult::kUnsupported},
        {"progressive 4097 x 4096", grey(4097, 4096, false, progressive), JpegResult::kTooLarge},
        {"progressive 4097 x 2048", grey(4097, 2048, false, progressive), JpegResult::kUnsupported},
        {"12-bit 16384 x 16384", grey(16384, 16384, false, twelveBits), JpegResult::kTooLarge},
        {"12-bit 64 x 64", grey(64, 64, false, twelveBits), JpegResult::kUnsupported},
        {"height 0", grey(64, 0, false, same), JpegResult::kTooLarge},
        {"12-bit, height 0", grey(64, 0, false, twelveBits), JpegResult::kTooLarge},
        {"a DAC and no frame", tableOnly, JpegResult::kDamaged},
    };
    for (const GateCase& c : cases) {
        ASSERT_FALSE(c.file.empty()) << c.what;
        PictureImage image;
        EXPECT_EQ(DecodeJpeg(c.file.data(), c.file.size(), image), c.expected) << c.what;
        EXPECT_TRUE(image.IsEmpty()) << c.what;
    }
}

// A progressive grey file of side x side pixels: its tables, `before`,
// `scans` DC scans, each followed by `coded` as its coded data, then
// `after` and the end marker.
std::vector<std::uint8_t> ProgressiveScans(int side, int scans, const std::vector<std::uint8_t>& coded,
                                           const std::vector<std::uint8_t>& after = {},
                                           const std::vector<std::uint8_t>& before = {}) {
    std::vector<std::uint8_t> f = {0xFF, 0xD8};
    auto segment = [&f](std::uint8_t marker, std::vector<std::uint8_t> body) {
        f.insert(f.end(), {0xFF, marker, static_cast<std::uint8_t>((body.size() + 2) >> 8),
                           static_cast<std::uint8_t>(body.size() + 2)});
        f.insert(f.end(), body.begin(), body.end());
    };
    std::vector<std::uint8_t> quant(65, 1);
    quant[0] = 0;
    segment(0xDB, quant);
    const auto high = static_cast<std::uint8_t>(side >> 8);
    const auto low = static_cast<std::uint8_t>(side);
    segment(0xC2, {8, high, low, high, low, 1, 1, 0x11, 0});
    segment(0xC4, {0x00, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    f.insert(f.end(), before.begin(), before.end());
    for (int i = 0; i < scans; ++i) {
        segment(0xDA, {1, 1, 0x00, 0, 0, 0});
        f.insert(f.end(), coded.begin(), coded.end());
    }
    f.insert(f.end(), after.begin(), after.end());
    f.insert(f.end(), {0xFF, 0xD9});
    return f;
}

// The other decoder reads every scan over the whole frame, so a file is
// left to it only with few scans, whatever its frame's size; the scans are
// counted where that decoder meets them: past coded data with stuffed
// bytes and restart markers, not inside another segment, not after the
// end marker. The failures froze the program for seconds to minutes with
// a few kilobytes of 4096 x 4096 colour frames.
TEST(JpegDecoder, WhatIsLeftToOthersHasFewScans) {
    const int most = kMostHandedOnScans;
    const std::vector<std::uint8_t> none;
    const std::vector<std::uint8_t> stuffed = {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56, 0xFF, 0xFF, 0x00};
    // An application segment holding what would be a scan header.
    const std::vector<std::uint8_t> hiddenScan = {0xFF, 0xE1, 0, 10, 0xFF, 0xDA, 0, 8, 1, 1, 0, 0};
    std::vector<std::uint8_t> hidden;
    for (int i = 0; i < most; ++i) hidden.insert(hidden.end(), hiddenScan.begin(), hiddenScan.end());
    std::vector<std::uint8_t> afterEnd = {0xFF, 0xD9};
    for (int i = 0; i < most; ++i) afterEnd.insert(afterEnd.end(), {0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 0, 0});
    const GateCase cases[] = {
        {"a progressive photograph", test::ReferenceJpeg(picture_references::kProgressive.file),
         JpegResult::kUnsupported},
        {"4096 x 4096, the most scans", ProgressiveScans(4096, most, none), JpegResult::kUnsupported},
        {"4096 x 4096, one scan more", ProgressiveScans(4096, most + 1, none), JpegResult::kTooManyScans},
        {"8 x 8, one scan more", ProgressiveScans(8, most + 1, none), JpegResult::kTooManyScans},
        {"one scan more behind coded data", ProgressiveScans(4096, most + 1, stuffed), JpegResult::kTooManyScans},
        {"scan headers inside segments", ProgressiveScans(4096, most, none, hidden), JpegResult::kUnsupported},
        {"scans after the end marker", ProgressiveScans(4096, most, none, afterEnd), JpegResult::kUnsupported},
        {"100 colour scans", FuzzFailure("progressive_100_empty_scans.jpg"), JpegResult::kTooManyScans},
        {"1000 colour scans", FuzzFailure("progressive_1000_empty_scans.jpg"), JpegResult::kTooManyScans},
        {"3000 colour scans", FuzzFailure("progressive_3000_empty_scans.jpg"), JpegResult::kTooManyScans},
    };
    for (const GateCase& c : cases) {
        ASSERT_FALSE(c.file.empty()) << c.what;
        PictureImage image;
        EXPECT_EQ(DecodeJpeg(c.file.data(), c.file.size(), image), c.expected) << c.what;
        EXPECT_TRUE(image.IsEmpty()) << c.what;
    }
}

// The scans are counted only in a file read whole as the other decoder
// reads it. That decoder steps over an application segment or a comment
// whose length field is under 2 as two bytes, and inside a scan with
// restarts drops a reserved marker (0x02..0xBF) and reads on to the next
// marker: where the count could not follow it, or where the data ends
// before the end marker, the file is damaged. What encoders write between
// and inside scans (restart markers, stuffed and fill bytes, comments,
// application segments, a DNL segment) still goes to it. The failures froze
// the program for 18 to 28 s with 4096 x 4096 colour frames of 1,000 scans
// the count never met.
TEST(JpegDecoder, WhatIsLeftToOthersIsReadWhole) {
    const int most = kMostHandedOnScans;
    const std::vector<std::uint8_t> none;
    auto scans = [](int count) {
        std::vector<std::uint8_t> bytes;
        for (int i = 0; i < count; ++i) bytes.insert(bytes.end(), {0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 0, 0});
        return bytes;
    };
    auto joined = [](std::vector<std::uint8_t> first, const std::vector<std::uint8_t>& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    };
    const std::vector<std::uint8_t> oneMcuRestarts = {0xFF, 0xDD, 0, 4, 0, 1};
    // Coded data as encoders write it: stuffed bytes, fill bytes, restarts.
    const std::vector<std::uint8_t> coded = {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56, 0xFF, 0xFF, 0xD1, 0x78};
    const std::vector<std::uint8_t> between = {0xFF, 0xFE, 0, 4, 'h', 'i', 0xFF, 0xE1, 0, 2, 0xFF, 0xFF,
                                               0xFF, 0xEE, 0, 3, 0, 0xFF, 0xDC, 0, 4, 0x10, 0x00};
    std::vector<std::uint8_t> noEnd = ProgressiveScans(4096, most, none);
    noEnd.resize(noEnd.size() - 2);
    auto reference = [](const char* name) {
        return test::ReadFileBytes(test::GeneratedPath("jpeg_corpus_references/") + name);
    };
    const GateCase cases[] = {
        {"a progressive colour photograph (10 scans)", reference("pillow_progressive.jpg"), JpegResult::kUnsupported},
        {"a progressive grey photograph (6 scans)", reference("pillow_progressive_grey.jpg"),
         JpegResult::kUnsupported},
        {"a progressive CMYK photograph (18 scans)", reference("pillow_progressive_cmyk.jpg"),
         JpegResult::kUnsupported},
        {"coded data with restarts", ProgressiveScans(4096, most, coded, none, oneMcuRestarts),
         JpegResult::kUnsupported},
        {"segments and fill bytes between scans", ProgressiveScans(4096, most - 1, none, joined(between, scans(1))),
         JpegResult::kUnsupported},
        {"a comment 0 long", ProgressiveScans(4096, 1, none, joined({0xFF, 0xFE, 0, 0}, scans(most))),
         JpegResult::kDamaged},
        {"an APP1 segment 1 long", ProgressiveScans(4096, 1, none, joined({0xFF, 0xE1, 0, 1}, scans(most))),
         JpegResult::kDamaged},
        {"an APP0 segment 0 long", ProgressiveScans(4096, 1, none, {0xFF, 0xE0, 0, 0}), JpegResult::kDamaged},
        {"an APP14 segment 0 long", ProgressiveScans(4096, 1, none, {0xFF, 0xEE, 0, 0}), JpegResult::kDamaged},
        {"a segment beyond the data", ProgressiveScans(4096, 1, none, {0xFF, 0xE1, 0x10, 0}), JpegResult::kDamaged},
        {"a reserved marker between segments", ProgressiveScans(4096, 1, none, {0xFF, 0x02, 0, 2}),
         JpegResult::kDamaged},
        {"the last reserved marker", ProgressiveScans(4096, 1, none, {0xFF, 0xBF, 0, 2}), JpegResult::kDamaged},
        {"a reserved marker in coded data with restarts",
         ProgressiveScans(4096, 1, {0x12, 0xFF, 0x02, 0, 12}, scans(1), oneMcuRestarts), JpegResult::kDamaged},
        {"no end marker", noEnd, JpegResult::kDamaged},
        {"an empty comment before 1000 colour scans", FuzzFailure("progressive_1000_scans_behind_empty_comment.jpg"),
         JpegResult::kDamaged},
        {"32 colour scans, an empty comment, 1000 more", FuzzFailure("progressive_32_scans_empty_comment_1000_more.jpg"),
         JpegResult::kDamaged},
        {"a reserved marker spanning 1000 colour scans", FuzzFailure("progressive_1000_scans_behind_invalid_restart.jpg"),
         JpegResult::kDamaged},
        {"32 colour scans, then a scan header cut off", FuzzFailure("progressive_32_scans_cut_off_scan_header.jpg"),
         JpegResult::kDamaged},
    };
    for (const GateCase& c : cases) {
        ASSERT_FALSE(c.file.empty()) << c.what;
        PictureImage image;
        EXPECT_EQ(DecodeJpeg(c.file.data(), c.file.size(), image), c.expected) << c.what;
        EXPECT_TRUE(image.IsEmpty()) << c.what;
    }
}

}  // namespace
}  // namespace corvinata
