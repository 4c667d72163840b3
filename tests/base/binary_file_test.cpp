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
        {"EmptyFile", "", false},
        {"CountCutShort", std::string("\x05\x00", 2), false},
        {"NegativeCount", std::string("\xf0\xff\xff\xff" "abcd", 8), true},
        {"CountOf2GB", std::string("\x00\x00\x00\x7f" "abcd", 8), true},
        {"CountOnePastTheEnd", std::string("\x05\x00\x00\x00" "abcd", 8), true},
    };
    for (const auto& c : cases) {
        NarrowString narrow = "before";
        EXPECT_FALSE(StreamReadNarrowString(*FileWith(c.bytes), narrow)) << c.what;
        EXPECT_EQ(narrow, c.receiverEmptied ? "" : "before") << c.what;
        String wide(TXT("before"));
        EXPECT_FALSE(StreamReadWideString(*FileWith(c.bytes), wide)) << c.what;
        EXPECT_EQ(Utf8(wide), c.receiverEmptied ? "" : "before") << c.what;
    }
}

TEST_F(StreamStringTest, CountEndingAtTheEndIsReadTextStopsAtAZeroAndUnitsAreLittleEndian) {
    NarrowString narrow;
    EXPECT_TRUE(StreamReadNarrowString(*FileWith(std::string("\x04\x00\x00\x00" "abcd", 8)),
                                       narrow));
    EXPECT_EQ(narrow, "abcd");
    EXPECT_TRUE(StreamReadNarrowString(*FileWith(std::string("\x04\x00\x00\x00" "ab\0d", 8)),
                                       narrow));
    EXPECT_EQ(narrow, "ab");
    String wide;
    EXPECT_TRUE(StreamReadWideString(*FileWith(std::string("\x05\x00\x00\x00" "a\0\0\0b", 9)),
                                     wide));
    EXPECT_EQ(Utf8(wide), "a");
    EXPECT_TRUE(StreamReadWideString(
        *FileWith(std::string("\x04\x00\x00\x00\xac\x20\x41\x00", 8)), wide));
    ASSERT_EQ(wide.Length(), 2);
    EXPECT_EQ(static_cast<std::uint16_t>(wide.Text()[0]), 0x20AC);
    EXPECT_EQ(static_cast<std::uint16_t>(wide.Text()[1]), 0x0041);
}

// Random and truncated files must never crash a reader nor make it allocate
// more than the file holds; what a successful read gives is bounded by it.
TEST_F(StreamStringTest, RandomAndTruncatedFilesAreReadSafely) {
    std::mt19937 random(20240611u);
    std::string valid;
    {
        auto file = storage_.CreateBinaryFile(String(TXT("valid.bin")));
        ASSERT_TRUE(file->Create(false));
        ASSERT_TRUE(StreamWriteNarrowString(*file, "Graph title"));
        ASSERT_TRUE(StreamWriteWideString(*file, TXT("Altitude of the Moon")));
        ASSERT_TRUE(StreamWriteNarrowString(*file, ""));
    }
    ASSERT_TRUE(storage_.GetFile(TXT("valid.bin"), valid));

    for (int round = 0; round < 3000; ++round) {
        std::string bytes = valid.substr(0, static_cast<std::size_t>(round) % (valid.size() + 1));
        if (round % 3 != 0) {
            bytes.resize(random() % 49);
            for (char& b : bytes) b = static_cast<char>(random());
            // Plausible small counts now and then, so that reads also succeed.
            if (round % 3 == 1 && bytes.size() >= 4) bytes[1] = bytes[2] = bytes[3] = 0;
        }
        auto file = FileWith(bytes);
        for (int read = 0; read < 2; ++read) {
            NarrowString narrow;
            if (StreamReadNarrowString(*file, narrow)) {
                EXPECT_LE(narrow.size(), bytes.size());
            }
            String wide;
            if (StreamReadWideString(*file, wide)) {
                EXPECT_LE(static_cast<std::size_t>(wide.Length()), bytes.size() / 2);
            }
        }
    }
}

}  // namespace
}  // namespace corvinata
