#include "catalog/country_shapes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <cstring>
#include <random>
#include <sstream>

#include "base/memory_storage.h"
#include "support/exhausted_storage.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

// Loads `bytes` as the program's file (none: no file); counts the reports.
struct ShapeLoad {
    explicit ShapeLoad(const char* bytes, std::size_t size) {
        storage.MakeFolder(TXT("C:\\P"));
        if (bytes) storage.PutFile(TXT("C:\\P\\countryshape.dat"), std::string(bytes, size));
        folder.SetPathDirectory(TXT("C:\\P"));
    }
    bool Load() { return shapes.LoadCountryShapes(storage, folder, [this](auto&) { ++reports; }); }
    MemoryStorageService storage;
    PathName folder;
    CountryShapes shapes;
    int reports = 0;
};

TEST(CountryShapes, ReadsWholeFileOrNothingAndReportsOnce) {
    const struct { const char* text; int lastOutlinePoints; } files[] = {  // 0: refused
        {"0 0 1 2\n0 0 3 4\n0 0 5 6\n1 7 8 9\n1 7 10 11\n", 2},
        {"0 0 1 2 x\r\n0 0 1.5e1 -2 9 9\r\n1 0 3 4", 1}, {nullptr, 0}, {"", 0},
        {"0 0 1 2\n0 0 1\n", 0}, {"0 0 1 2\n\n0 0 3 4\n", 0}, {"-1 0 1 2\n", 0},
        {"0 0 1 2\n2 0 3 4\n", 0}, {"0 0 1 2\n1 0 3 4\n0 0 5 6\n", 0},
        {"2147483647 0 1 2\n", 0}, {"0 0 1e999 2\n", 0},
        // Points off the globe: beyond 180 degrees of longitude or 90 of
        // latitude (two of them across the seam once made a latitude that
        // was no number); the edges themselves are on it.
        {"0 0 180 1e308\n0 0 0.5 -1e308\n", 0}, {"0 0 180.001 0\n", 0}, {"0 0 0 -90.5\n", 0},
        {"0 0 -180 -90\n0 0 180 90\n", 2},
        // White space after the last point is no damage.
        {"0 0 1 2\n0 0 3 4\n\n", 2}, {"0 0 1 2\r\n \t\r\n\n", 1},
    };
    for (const auto& f : files) {
        ShapeLoad load(f.text, f.text ? std::strlen(f.text) : 0);
        EXPECT_EQ(load.Load(), f.lastOutlinePoints > 0) << f.text;
        EXPECT_EQ(load.Load(), f.lastOutlinePoints > 0) << f.text;
        EXPECT_EQ(load.reports, f.lastOutlinePoints > 0 ? 0 : 1) << f.text;
        const CountryOutline* last = load.shapes.OutlineAt(load.shapes.Count() - 1);
        EXPECT_EQ(last ? static_cast<int>(last->size()) : 0, f.lastOutlinePoints) << f.text;
    }
}

TEST(CountryShapes, FileThatOnceMadeTheMapConvertNoNumberIsDamaged) {
    std::ostringstream stream;
    stream << std::ifstream(test::TestsPath("fuzz/country_outlines/failures/seam_latitudes_off_the_globe.dat"),
                            std::ios::binary).rdbuf();
    const std::string bytes = stream.str();
    ASSERT_FALSE(bytes.empty());
    ShapeLoad load(bytes.data(), bytes.size());
    EXPECT_FALSE(load.Load());
    EXPECT_EQ(load.reports, 1);
    EXPECT_EQ(load.shapes.Count(), 0);
}

// A file that runs the memory out while it is read is a damaged file:
// reported, and no outlines drawn.
TEST(CountryShapes, FileTheMemoryCannotHoldIsReportedAsDamaged) {
    test::ExhaustedStorage storage(16);
    storage.Memory().MakeFolder(TXT("C:\\P"));
    storage.Memory().PutFile(TXT("C:\\P\\countryshape.dat"), "0 0 1 2\n0 0 3 4\n0 0 5 6\n");
    PathName folder;
    folder.SetPathDirectory(TXT("C:\\P"));
    CountryShapes shapes;
    int reports = 0;
    EXPECT_FALSE(shapes.LoadCountryShapes(storage, folder, [&reports](auto&) { ++reports; }));
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(shapes.Count(), 0);
}

// The shipped file whole, then truncated and corrupted copies of it: never
// a crash or a read past the end; whole outlines, or none and a report.
TEST(CountryShapes, DamagedFilesGiveWholeOutlinesOrNone) {
    std::ostringstream stream;
    stream << std::ifstream(test::DataPath("countryshape.dat"), std::ios::binary).rdbuf();
    const std::string shipped = stream.str();
    ShapeLoad whole(shipped.data(), shipped.size());
    ASSERT_TRUE(whole.Load());
    EXPECT_EQ(whole.shapes.Count(), 286);
    std::mt19937 random(20261206);
    int loaded = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = shipped.substr(0, random() % shipped.size());
        for (int flips = round % 4; flips > 0; --flips) bytes[random() % bytes.size()] = random();
        ShapeLoad load(bytes.data(), bytes.size());
        const bool read = load.Load();
        EXPECT_EQ(read, load.reports == 0);
        EXPECT_EQ(read, load.shapes.Count() > 0);
        for (const CountryOutline& outline : load.shapes.Outlines()) EXPECT_FALSE(outline.empty());
        loaded += read;
    }
    EXPECT_GT(loaded, 0);
    EXPECT_LT(loaded, 300);
}

// What the report is about: a file that could not be opened, or one read
// and found damaged.
TEST(CountryShapes, FailureTellsAMissingFileFromADamagedOne) {
    const struct {
        const char* text;
        ShapesFailure failure;
    } cases[] = {{nullptr, ShapesFailure::Missing}, {"0 0 1\n", ShapesFailure::Damaged},
                 {"", ShapesFailure::Damaged}, {"0 0 1 2\n", ShapesFailure::None}};
    for (const auto& c : cases) {
        ShapeLoad load(c.text, c.text ? std::strlen(c.text) : 0);
        EXPECT_EQ(load.shapes.Failure(), ShapesFailure::None);
        load.Load();
        EXPECT_EQ(load.shapes.Failure(), c.failure) << (c.text ? c.text : "no file");
    }
}

}  // namespace
}  // namespace corvinata
