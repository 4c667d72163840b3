#include "app/map_packs.h"

#include <gtest/gtest.h>

#include <random>

#include "base/memory_storage.h"
#include "support/exhausted_storage.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

struct LineCase {
    const char* line;
    bool parses;
};

class MapLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(MapLines, SixFieldsWithNumbersInTheirRanges) {
    MapRecord record;
    EXPECT_EQ(ParseMapLine(Wide(GetParam().line).c_str(), record), GetParam().parses)
        << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Lines, MapLines, ::testing::Values(
    LineCase{"UnitedKingdom.jpg:United Kingdom:12.0:49.8:-3.0:59.9", true},
    LineCase{"w.png:World: 180 : -90 : -180 : 90 ", true},
    LineCase{"w.png:World:180:-90:-180", false},          // five fields
    LineCase{"w.png:World:180:-90:-180:90:7", false},     // seven
    LineCase{":World:180:-90:-180:90", false},            // no file
    LineCase{"w.png:World:18x0:-90:-180:90", false},      // not a number
    LineCase{"w.png:World:181:-90:-180:90", false},       // beyond the globe
    LineCase{"w.png:World:10:50:10:60", false},           // no width
    LineCase{"w.png:World:10:60:0:50", false},            // upside down
    LineCase{"", false}));

TEST(MapLines, FieldsLandInTheRecord) {
    MapRecord record;
    ASSERT_TRUE(ParseMapLine(TXT("a.png:Europe:25:35:-45:72"), record));
    EXPECT_EQ(Utf8(record.file), "a.png");
    EXPECT_EQ(Utf8(record.name), "Europe");
    EXPECT_EQ(record.leftLongitude, 25.0);
    EXPECT_EQ(record.bottomLatitude, 35.0);
    EXPECT_EQ(record.rightLongitude, -45.0);
    EXPECT_EQ(record.topLatitude, 72.0);
    const std::string longName(kMapNameMaxLength + 1, 'n');
    EXPECT_FALSE(ParseMapLine(Wide("a.png:" + longName + ":25:35:-45:72").c_str(), record));
}

class MapPackFiles : public ::testing::Test {
protected:
    MapPackFiles() { storage_.MakeFolder(TXT("C:\\Maps")); }
    void Write(const std::string& text) {
        auto file = storage_.CreateTextFile(String(TXT("C:\\Maps\\Contents.txt")));
        ASSERT_TRUE(file->Open(FileOpenMode::Write));
        file->WriteText(Wide(text).c_str(), 0);
        file->Close();
    }
    void Picture(const char* name) {
        auto file = storage_.CreateBinaryFile(String(Wide(std::string("C:\\Maps\\") + name).c_str()));
        file->Create(true);
    }
    std::vector<MapRecord> Load(bool& damaged) {
        return LoadMapPack(storage_, String(TXT("C:\\Maps\\")), damaged);
    }
    MemoryStorageService storage_;
};

TEST_F(MapPackFiles, MapsWithoutPictureOrParseAreSkippedAndTheTableStopsAtItsSize) {
    Picture("w.png");
    std::string text = "w.png:World:180:-90:-180:90\nbad line\nmissing.png:Gone:1:1:0:2\n";
    for (int i = 0; i < kMapTableSize + 20; ++i) text += "w.png:Copy:180:-90:-180:90\n";
    Write(text);
    bool damaged = true;
    const std::vector<MapRecord> maps = Load(damaged);
    EXPECT_FALSE(damaged);
    ASSERT_EQ(maps.size(), static_cast<std::size_t>(kMapTableSize));
    EXPECT_EQ(Utf8(maps[0].name), "World");
    EXPECT_EQ(Utf8(maps[1].name), "Copy");
}

TEST_F(MapPackFiles, NoPackOrAnUnreadablePackGivesTheBuiltInMap) {
    bool damaged = true;
    std::vector<MapRecord> maps = LoadMapPack(storage_, String(), damaged);
    EXPECT_FALSE(damaged);
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(Utf8(maps[0].name), "United Kingdom");
    maps = Load(damaged);  // no Contents.txt in the folder
    EXPECT_TRUE(damaged);
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(Utf8(maps[0].file), "UnitedKingdom.jpg");
}

// A description that runs the memory out while it is read is a damaged
// pack: the built-in map is offered.
TEST(MapPackContents, FileTheMemoryCannotHoldIsADamagedPack) {
    test::ExhaustedStorage storage(30);
    storage.Memory().MakeFolder(TXT("C:\\Maps"));
    storage.Memory().PutFile(TXT("C:\\Maps\\w.png"), "");
    storage.Memory().PutFile(TXT("C:\\Maps\\Contents.txt"), "w.png:World:180:-90:-180:90\r\nw.png:Copy:180:-90:-180:90\r\n");
    bool damaged = false;
    const std::vector<MapRecord> maps = LoadMapPack(storage, String(TXT("C:\\Maps\\")), damaged);
    EXPECT_TRUE(damaged);
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(Utf8(maps[0].name), "United Kingdom");
}

TEST_F(MapPackFiles, DamagedRegisteredPackIsNamedAndTheShippedPackOffered) {
    Picture("w.png");
    Write("w.png:World:180:-90:-180:90\n");  // the shipped pack, in C:\Maps
    auto node = storage_.CreateRegistryNode(RegistryHive::LocalMachine, TXT("\\Software\\Maker\\Pack"));
    ASSERT_TRUE(node->Create());
    node->WriteText(TXT("Type"), TXT("MapPack"));
    node->WriteText(TXT("Dir"), TXT("C:\\Gone\\"));
    const OfferedMaps offered =
        LoadOfferedMaps(storage_, String(TXT("\\Software\\Maker")), String(TXT("C:\\")));
    EXPECT_EQ(Utf8(offered.damagedFolder), "C:\\Gone\\");
    EXPECT_EQ(Utf8(offered.folder), "C:\\Maps\\");
    ASSERT_EQ(offered.maps.size(), 1u);
    EXPECT_EQ(Utf8(offered.maps[0].name), "World");
}

TEST_F(MapPackFiles, FuzzedContentsNeverBreakTheReader) {
    Picture("w.png");
    std::mt19937 random(22);
    const std::string alphabet = "w.png:World0123456789-+.e \n\r\x1a:::";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i) {
            const unsigned pick = random() % 10;
            text += pick == 0 ? static_cast<char>(random() % 256)
                              : alphabet[random() % alphabet.size()];
        }
        Write(text);
        bool damaged = false;
        const std::vector<MapRecord> maps = Load(damaged);
        ASSERT_FALSE(maps.empty());
        ASSERT_LE(maps.size(), static_cast<std::size_t>(kMapTableSize));
        for (const MapRecord& map : maps) {
            EXPECT_LE(std::abs(map.leftLongitude), 180.0);
            EXPECT_GT(map.topLatitude, map.bottomLatitude);
        }
    }
}

TEST(MapGeometry, ZoomScaleAndPlacesUnderThePointer) {
    const MapRecord world{String(TXT("w.png")), String(TXT("World")), 180.0, -180.0, 90.0, -90.0};
    MapView view{2000, 1000, 400, 400, 0, 0, 0};
    EXPECT_DOUBLE_EQ(MapScale(view), 0.2);   // the whole picture fits the width
    EXPECT_EQ(ZoomedHeight(view), 200);
    double longitude = 0.0;
    double latitude = 0.0;
    ASSERT_TRUE(MapPointToPlace(world, view, 200, 100, longitude, latitude));
    EXPECT_DOUBLE_EQ(longitude, 0.0);
    EXPECT_DOUBLE_EQ(latitude, 0.0);
    // A click below the picture at zoom 0 lies off the map: no coordinates
    // beyond 90 degrees are made.
    longitude = latitude = 7.0;
    EXPECT_FALSE(MapPointToPlace(world, view, 200, 300, longitude, latitude));
    EXPECT_EQ(latitude, 7.0);
    view.zoom = 2;
    EXPECT_DOUBLE_EQ(MapScale(view), 1.0);
    view.scrollX = 1000;
    view.scrollY = 250;
    ASSERT_TRUE(MapPointToPlace(world, view, 0, 250, longitude, latitude));
    EXPECT_DOUBLE_EQ(longitude, 0.0);
    EXPECT_DOUBLE_EQ(latitude, 0.0);
    view.zoom = 1;
    EXPECT_DOUBLE_EQ(MapScale(view), 0.6);
}

}  // namespace
}  // namespace corvinata

namespace corvinata {
namespace {

TEST(MapPackRegistry, TheFirstSubkeyOfTypeMapPackGivesTheFolder) {
    MemoryStorageService storage;
    const auto key = [&](const char* name, const char* type, const char* dir) {
        auto node = storage.CreateRegistryNode(RegistryHive::LocalMachine,
                                               Wide(std::string("\\Software\\Maker\\") + name).c_str());
        ASSERT_TRUE(node->Create());
        node->WriteText(TXT("Type"), Wide(type).c_str());
        node->WriteText(TXT("Dir"), Wide(dir).c_str());
    };
    String folder;
    EXPECT_FALSE(FindRegisteredMapPack(storage, String(TXT("\\Software\\Maker")), folder));
    key("Pictures", "PicturePack", "C:\\Pictures\\");
    key("World", "MapPack", "C:\\World\\");
    key("Zoo", "MapPack", "C:\\Zoo\\");
    ASSERT_TRUE(FindRegisteredMapPack(storage, String(TXT("\\Software\\Maker")), folder));
    EXPECT_EQ(Utf8(folder), "C:\\World\\");
}

}  // namespace
}  // namespace corvinata
