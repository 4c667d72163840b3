#include "app/picture_window_rules.h"

#include <gtest/gtest.h>

#include "app/picture_packs.h"
#include "base/memory_storage.h"
#include "catalog/catalogue_registry.h"
#include "support/catalogues.h"
#include "support/fake_product.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

TEST(FitPictureRect, LargePicturesShrinkSmallOnesKeepTheirSizeUnlessAsked) {
    struct Case {
        int width, height, areaWidth, areaHeight;
        bool fit;
        PictureRect expected;
    };
    const Case cases[] = {
        // M42 (1024 x 640) in a square window: full width, black above and below.
        {1024, 640, 400, 400, false, {0, 75, 400, 250}},
        {1024, 640, 400, 400, true, {0, 75, 400, 250}},
        // Taller than wide: full height, centred across.
        {300, 600, 400, 300, false, {125, 0, 150, 300}},
        // Small: its own size, centred, until it is to fill the window.
        {40, 30, 400, 300, false, {180, 135, 40, 30}},
        {40, 30, 400, 200, true, {67, 0, 266, 200}},
        {40, 30, 400, 300, true, {0, 0, 400, 300}},
        // Only one edge too large still shrinks the whole picture.
        {500, 100, 400, 300, false, {0, 110, 400, 80}},
        // Fractions are cut, never rounded up past the area.
        {1000, 333, 400, 400, false, {0, 133, 400, 133}},
        // Nothing to fit into, or nothing to fit.
        {40, 30, 0, 0, true, {-20, -15, 40, 30}},
        {0, 0, 100, 100, true, {50, 50, 0, 0}},
    };
    for (const Case& c : cases) {
        const PictureRect r = FitPictureRect(c.width, c.height, c.areaWidth, c.areaHeight, c.fit);
        EXPECT_EQ(r.left, c.expected.left) << c.width << "x" << c.height << " in " << c.areaWidth;
        EXPECT_EQ(r.top, c.expected.top) << c.width << "x" << c.height << " in " << c.areaWidth;
        EXPECT_EQ(r.width, c.expected.width) << c.width << "x" << c.height << " in " << c.areaWidth;
        EXPECT_EQ(r.height, c.expected.height) << c.width << "x" << c.height << " in " << c.areaWidth;
    }
}

TEST(PicPackRowToSelect, OnlyARowOfTheListIsSelected) {
    struct Case {
        std::int32_t stored;
        int rows;
        int expected;
    };
    // A damaged negative value would select every row as -1 does.
    const Case cases[] = {{0, 2, 0}, {1, 2, 1}, {2, 2, -1}, {-1, 2, -1}, {-7, 2, -1}, {0, 0, -1},
                          {INT32_MIN, 3, -1}, {INT32_MAX, 3, -1}};
    for (const Case& c : cases) EXPECT_EQ(PicPackRowToSelect(c.stored, c.rows), c.expected) << c.stored;
}

class PictureBodies : public ::testing::Test {
protected:
    test::ScopedCatalogues catalogues_;
};

TEST_F(PictureBodies, MenuItemsFollowTheBodyTypeAndWhatTheProgramOffers) {
    ASSERT_TRUE(catalogues_.Created());
    struct Case {
        int type;
        bool sky, solarSystem;
    };
    const Case cases[] = {
        {kBodySun, true, true},           {kBodyMoon, true, true},          {kBodyPlanet, true, true},
        {kBodyEarth, false, true},        {kBodyStar, true, false},         {kBodyConstellation, true, false},
        {kBodyDeepSky, true, false},      {kBodySaturnSatellite, false, false},
        {kBodyJupiterSatellite, false, false},
    };
    const PictureMenuOffer all{true, true, true};
    for (const Case& c : cases) {
        const CelestialObject* body = GetCatalogueObject(c.type, 0);
        ASSERT_NE(body, nullptr) << c.type;
        const PictureMenuStates states = PictureMenuStatesFor(body, all);
        EXPECT_EQ(states.sky, c.sky) << c.type;
        EXPECT_EQ(states.solarSystem, c.solarSystem) << c.type;
        EXPECT_TRUE(states.objectInfo) << c.type;
        // A window or tool the program does not offer stays grayed.
        const PictureMenuStates none = PictureMenuStatesFor(body, PictureMenuOffer{});
        EXPECT_FALSE(none.sky || none.solarSystem || none.objectInfo) << c.type;
    }
    const PictureMenuStates noBody = PictureMenuStatesFor(nullptr, all);
    EXPECT_FALSE(noBody.sky || noBody.solarSystem || noBody.objectInfo);
}

TEST_F(PictureBodies, SubmenuNamesTheBodyOrAnUnknownObject) {
    const CelestialObject* planet = GetCatalogueObject(kBodyPlanet, 0);
    ASSERT_NE(planet, nullptr);
    std::string expected = "Display " + test::Utf8(ObjectKeyName(*planet)) + " in &Window";
    EXPECT_EQ(test::Utf8(PictureBodyMenuText(TXT("Display %1 in &Window"), planet).Text()), expected);
    EXPECT_EQ(test::Utf8(PictureBodyMenuText(TXT("Display %1 in &Window"), nullptr).Text()),
              "Display unknown object in &Window");
}

class PackFolders : public ::testing::Test, protected test::MemorySettings {
protected:
    PackFolders() {
        for (const Char* folder : {TXT("C:\\A"), TXT("C:\\B")}) storage.MakeFolder(folder);
        Touch(TXT("C:\\A\\m001.jpg"));
        Touch(TXT("C:\\B\\m042.jpg"));
        Touch(TXT("C:\\B\\m051.JPG"));
        for (const Char* folder : {TXT("C:\\A"), TXT("C:\\B")}) {
            PicturePack pack;
            pack.directory = String(folder);
            packs.push_back(pack);
        }
    }
    void Touch(const Char* path) { storage.CreateBinaryFile(String(path))->Create(true); }
    PicturePackList packs;
};

TEST_F(PackFolders, RowsCountEachPacksPicturesAndNameItsFolder) {
    const std::vector<PicPackRow> rows = MakePicPackRows(storage, packs);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(test::Utf8(rows[0].pictures.Text()), "1");
    EXPECT_EQ(test::Utf8(rows[1].pictures.Text()), "2");
    EXPECT_EQ(test::Utf8(rows[1].folder.Text()), "C:\\B");
    EXPECT_TRUE(packs[0].loaded && packs[1].loaded);
}

TEST_F(PackFolders, StoredNamesFindTheirPackWhenNoPathIsGiven) {
    MakePicPackRows(storage, packs);
    struct Case {
        const Char* path;
        const Char* file;
        const char* directory;
        bool found;
    };
    const Case cases[] = {
        {TXT(""), TXT("m042.jpg"), "C:\\B", true},
        {TXT(""), TXT("M051.jpg"), "C:\\B", true},
        {TXT("C:\\A"), TXT("m001.jpg"), "C:\\A", true},
        // The stored path wins, even where the file is not (any more).
        {TXT("C:\\A"), TXT("m042.jpg"), "C:\\A", false},
        {TXT(""), TXT("m099.jpg"), "", false},
    };
    for (const Case& c : cases) {
        const PictureRef ref = ResolvePictureRef(packs, String(c.path), String(c.file));
        EXPECT_EQ(test::Utf8(ref.directory.Text()), c.directory) << test::Utf8(c.file);
        EXPECT_EQ(LookUpPicture(packs, ref) != nullptr, c.found) << test::Utf8(c.file);
    }
}

TEST_F(PackFolders, PicPackDialogStateComesBackAfterARestart) {
    PicPackListSettings saved;
    saved.selectedItem = 1;
    saved.geometry.left = 120;
    saved.list.columnWidths = {200, 40, 300};
    saved.list.selectedRows = {1};
    DialogPositions positions;
    positions.Register(kViewPicturePacksDialog, &saved);
    {
        SettingsTreeWriter writer(storage, root);
        ASSERT_TRUE(positions.SaveDialogPositions(writer));
    }
    PicPackListSettings read;
    positions.Register(kViewPicturePacksDialog, &read);
    SettingsTree tree(storage, root);
    positions.RestoreDialogPositions(tree);
    EXPECT_EQ(read.selectedItem, 1);
    EXPECT_EQ(read.geometry.left, 120);
    EXPECT_EQ(read.list.columnWidths, saved.list.columnWidths);
    EXPECT_EQ(read.list.selectedRows, saved.list.selectedRows);
}

}  // namespace
}  // namespace corvinata
