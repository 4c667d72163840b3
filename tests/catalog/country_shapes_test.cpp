#include "catalog/country_shapes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "base/memory_storage.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

struct ShapeFile {
    const char* name;
    const char* text;
    int outlines;  // 0: refused as damaged
    int lastOutlinePoints;
};

const ShapeFile kShapeFiles[] = {
    {"TwoOutlines", "0 0 1 2\n0 0 3 4\n0 0 5 6\n1 7 8 9\n1 7 10 11\n", 2, 2},
    {"CarriageReturnsAndExtraFields", "0 0 1 2 x\r\n0 0 1.5e1 -2 9 9\r\n", 1, 2},
    {"LastLineWithoutLineEnd", "0 0 1 2\n1 0 3 4", 2, 1},
    {"ThreeFields", "0 0 1 2\n0 0 1\n", 0, 0},
    {"EmptyLine", "0 0 1 2\n\n0 0 3 4\n", 0, 0},
    {"EmptyFile", "", 0, 0},
    {"MinusOneFirst", "-1 0 1 2\n", 0, 0},
    {"SkippedNumber", "0 0 1 2\n2 0 3 4\n", 0, 0},
    {"ReturnToClosedOutline", "0 0 1 2\n1 0 3 4\n0 0 5 6\n", 0, 0},
    {"IntegerAtLimit", "2147483647 0 1 2\n", 0, 0},
    {"NumberWithoutDigits", "0 0 . 2\n", 0, 0},
    {"OverflowingNumber", "0 0 1e999 2\n", 0, 0},
};

class ShapeFileTest : public ::testing::TestWithParam<ShapeFile> {};

TEST_P(ShapeFileTest, ReadsWholeFileOrNothing) {
    MemoryStorageService storage;
    ASSERT_TRUE(storage.PutFile(TXT("C:\\shapes.dat"), GetParam().text));
    auto file = storage.CreateTextFile(String(TXT("C:\\shapes.dat")));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    std::vector<CountryOutline> outlines;
    EXPECT_EQ(ReadCountryOutlines(*file, outlines), GetParam().outlines > 0);
    ASSERT_EQ(static_cast<int>(outlines.size()), GetParam().outlines);
    if (!outlines.empty()) {
        EXPECT_EQ(static_cast<int>(outlines.back().size()), GetParam().lastOutlinePoints);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShapeFileTest, ::testing::ValuesIn(kShapeFiles),
                         [](const auto& info) { return std::string(info.param.name); });

std::string ShippedFile() {
    std::ifstream in(test::DataPath("countryshape.dat"), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class CountryShapesTest : public ::testing::Test {
protected:
    bool Load(const std::string& bytes) {
        storage_.MakeFolder(TXT("C:\\Program"));
        EXPECT_TRUE(storage_.PutFile(TXT("C:\\Program\\countryshape.dat"), bytes));
        return Load();
    }
    bool Load() {
        PathName folder;
        folder.SetPathDirectory(TXT("C:\\Program"));
        return shapes_.LoadCountryShapes(storage_, folder,
                                         [this](const String& path) { reported_.push_back(path); });
    }

    MemoryStorageService storage_;
    CountryShapes shapes_;
    std::vector<String> reported_;
};

TEST_F(CountryShapesTest, ReadsTheShippedOutlinesOnce) {
    ASSERT_TRUE(Load(ShippedFile()));
    EXPECT_EQ(shapes_.Count(), 286);
    std::size_t points = 0;
    for (const CountryOutline& outline : shapes_.Outlines()) points += outline.size();
    EXPECT_EQ(points, 10587u);
    EXPECT_EQ(shapes_.OutlineAt(0)->front().longitude, 178.1244);
    EXPECT_EQ(shapes_.OutlineAt(286), nullptr);
    EXPECT_EQ(shapes_.OutlineAt(-1), nullptr);
    storage_.RemoveFile(TXT("C:\\Program\\countryshape.dat"));
    EXPECT_TRUE(Load());
    EXPECT_TRUE(reported_.empty());
}

TEST_F(CountryShapesTest, MissingFileIsReportedOnce) {
    EXPECT_FALSE(Load());
    EXPECT_FALSE(Load());
    ASSERT_EQ(reported_.size(), 1u);
    EXPECT_EQ(reported_[0], String(TXT("C:\\Program\\countryshape.dat")));
    EXPECT_EQ(shapes_.Count(), 0);
}

// Truncated and corrupted copies of the shipped file: never a crash or a
// read past the end; either outlines that all hold points, or none at all
// with the failure reported.
TEST(CountryShapesFuzz, DamagedFilesGiveWholeOutlinesOrNone) {
    const std::string shipped = ShippedFile();
    ASSERT_FALSE(shipped.empty());
    std::mt19937 random(20261206);
    int loadedCount = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = shipped.substr(0, random() % shipped.size());
        for (int flips = round % 4; flips > 0 && !bytes.empty(); --flips) {
            bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
        }
        MemoryStorageService storage;
        storage.MakeFolder(TXT("C:\\P"));
        ASSERT_TRUE(storage.PutFile(TXT("C:\\P\\countryshape.dat"), bytes));
        PathName folder;
        folder.SetPathDirectory(TXT("C:\\P"));
        CountryShapes shapes;
        int reports = 0;
        const bool loaded =
            shapes.LoadCountryShapes(storage, folder, [&reports](const String&) { ++reports; });
        EXPECT_EQ(loaded, reports == 0);
        EXPECT_EQ(loaded, shapes.Count() > 0);
        EXPECT_LE(shapes.Count(), 286);
        for (const CountryOutline& outline : shapes.Outlines()) EXPECT_FALSE(outline.empty());
        loadedCount += loaded;
    }
    EXPECT_GT(loadedCount, 0);
    EXPECT_LT(loadedCount, 300);
}

}  // namespace
}  // namespace corvinata
