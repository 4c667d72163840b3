#include "base/binary_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "base/memory_storage.h"
#include "base/storage_test_support.h"

namespace corvinata {
namespace {

using test::Utf8;

// Readers of length-prefixed strings over a file holding exactly `bytes`.
class StreamStringTest : public ::testing::Test {
protected:
    std::unique_ptr<BinaryFile> FileWith(const std::string& bytes) {
        EXPECT_TRUE(storage_.PutFile(TXT("blob.bin"), bytes));
        auto file = storage_.CreateBinaryFile(String(TXT("blob.bin")));
        EXPECT_TRUE(file->Open(FileOpenMode::Read));
        return file;
    }

    MemoryStorageService storage_;
};

TEST_F(StreamStringTest, DamagedFilesAreRefusedByBothReaders) {
    const struct {
        const char* what;
        std::string bytes;
        bool receiverEmptied;  // a count that was read but cannot be right
    } cases[] = {
        {"CountCutShort", std::string("\x05\x00", 2), false},
        {"NegativeCount", std::string("\xf0\xff\xff\xff" "abcd", 8), true},
        {"CountOnePastTheEnd", std::string("\x05\x00\x00\x00" "abcd", 8), true},
        {"HugeCount", std::string("\xff\xff\xff\x7f" "abc", 7), true},
    };
    for (const auto& c : cases) {
        NarrowString narrow = "before";
        String wide(TXT("before"));
        EXPECT_FALSE(StreamReadNarrowString(*FileWith(c.bytes), narrow)) << c.what;
        EXPECT_FALSE(StreamReadWideString(*FileWith(c.bytes), wide)) << c.what;
        const std::string kept = c.receiverEmptied ? "" : "before";
        EXPECT_EQ(narrow + "/" + Utf8(wide), kept + "/" + kept) << c.what;
    }
}

// Text stops at a zero, an odd last byte of wide text is dropped, and wide
// units are little-endian.
TEST_F(StreamStringTest, CountEndingAtTheEndIsRead) {
    NarrowString narrow;
    EXPECT_TRUE(StreamReadNarrowString(*FileWith(std::string("\x04\0\0\0" "ab\0d", 8)), narrow));
    EXPECT_EQ(narrow, "ab");
    String wide;
    EXPECT_TRUE(StreamReadWideString(
        *FileWith(std::string("\x07\0\0\0" "\xac\x20\x41\0\0\0" "b", 11)), wide));
    ASSERT_EQ(wide.Length(), 2);
    EXPECT_EQ(static_cast<std::uint16_t>(wide.Text()[0]), 0x20AC);
    EXPECT_EQ(static_cast<std::uint16_t>(wide.Text()[1]), 0x0041);
}

// Random files must never crash a reader nor make it allocate more than the
// file holds; what a successful read gives is bounded by it.
TEST_F(StreamStringTest, RandomFilesAreReadSafely) {
    std::mt19937 random(20240611u);
    for (int round = 0; round < 1000; ++round) {
        std::string bytes(random() % 49, '\0');
        for (char& b : bytes) b = static_cast<char>(random());
        // Plausible small counts every other round, so that reads also succeed.
        if (round % 2 == 0 && bytes.size() >= 4) bytes[1] = bytes[2] = bytes[3] = 0;
        auto file = FileWith(bytes);
        for (int read = 0; read < 2; ++read) {
            NarrowString narrow;
            String wide;
            if (StreamReadNarrowString(*file, narrow)) {
                EXPECT_LE(narrow.size(), bytes.size());
            }
            if (StreamReadWideString(*file, wide)) {
                EXPECT_LE(static_cast<std::size_t>(wide.Length()), bytes.size() / 2);
            }
        }
    }
}

// The block form the graph files are written and read in: what the file
// helpers write, the block reader reads back, and the reverse.
TEST_F(StreamStringTest, BlocksAndFilesHoldTheSameStrings) {
    auto file = storage_.CreateBinaryFile(String(TXT("strings.bin")));
    ASSERT_TRUE(file->Create(false) && StreamWriteNarrowString(*file, "Graph") &&
                StreamWriteWideString(*file, TXT("\u20ACx")) && file->Close());
    ByteWriter block;
    block.NarrowBytes("Graph");
    block.Wide(TXT("\u20ACx"));
    std::string written;
    ASSERT_TRUE(storage_.GetFile(TXT("strings.bin"), written));
    EXPECT_EQ(written, std::string(block.Bytes().begin(), block.Bytes().end()));

    ByteReader in(block.Bytes());
    NarrowString narrow;
    String wide;
    ASSERT_TRUE(in.NarrowBytes(narrow) && in.Wide(wide));
    EXPECT_EQ(narrow, "Graph");
    EXPECT_EQ(Utf8(wide), "\u20ACx");
    EXPECT_EQ(in.Left(), 0u);
}

// A block's narrow text: characters beyond ASCII are written as "?", bytes
// beyond 127 read back widened with their sign, and a count of zero or less
// is the empty text.
TEST_F(StreamStringTest, BlockNarrowTextsKeepTheGraphFilesForm) {
    ByteWriter out;
    out.Narrow(String(TXT("Fl\u00E4che")));
    out.I32(-4);
    out.NarrowBytes("\x80");
    ByteReader in(out.Bytes());
    String text;
    ASSERT_TRUE(in.Narrow(text));
    EXPECT_EQ(Utf8(text), "Fl?che");
    ASSERT_TRUE(in.Narrow(text));
    EXPECT_EQ(text.Length(), 0);
    ASSERT_TRUE(in.Narrow(text));
    ASSERT_EQ(text.Length(), 1);
    EXPECT_EQ(static_cast<std::uint16_t>(text.Text()[0]), 0xFF80);
    EXPECT_FALSE(in.Narrow(text));
}

}  // namespace
}  // namespace corvinata
