#include "app/window_settings.h"

#include <gtest/gtest.h>

#include "support/catalogues.h"

#include "support/fake_product.h"
#include "support/settings_round_trip.h"

namespace corvinata {
namespace {

class WindowSettingsTest : public ::testing::Test, protected test::MemorySettings {
protected:
    test::ScopedCatalogues catalogues_;  // body identifiers name real objects

    // A stored Sky record, then `change` applied to the stored values.
    template <class Change>
    bool LoadChangedSky(Change change, SkyWindowState& read) {
        {
            SettingsTreeWriter writer(storage, root);
            OpenSettingsKeyPath(writer, String(TXT("Sky")));
            SaveSkyOptions(test::SampleSkyState(), writer);
            change(writer);
            PopSettingsKey(writer);
        }
        SettingsTree tree(storage, root);
        PushSettingsKey(tree, String(TXT("Sky")));
        return LoadSkyOptions(read, tree);
    }
};

TEST_F(WindowSettingsTest, WindowRecordsReadBackFieldByField) {
    test::ExpectWindowRecordsRoundTrip(storage, root);
}

TEST_F(WindowSettingsTest, SkyRecordWithoutMapTypeStopsThereWithTheDefault) {
    SkyWindowState read;
    read.options.sunOn = false;
    EXPECT_FALSE(test::WriteAndRead(
        storage, root, TXT("Partial"), test::SampleSkyState(), read,
        [](const SkyWindowState& s, SettingsTreeWriter& w) { return WriteWindowGeometry(s.geometry, w); },
        LoadSkyOptions));
    EXPECT_EQ(read.options.mapType, 2);
    EXPECT_FALSE(read.options.sunOn);
}

TEST_F(WindowSettingsTest, SkyTextsAreComparedExactly) {
    SkyWindowState read;
    EXPECT_TRUE(LoadChangedSky(
        [](SettingsTreeWriter& w) { WriteStringValue(w, TXT("Map type"), String(TXT("hor"))); }, read));
    EXPECT_EQ(read.options.mapType, 2);
}

// The direction used to be stored as whole degrees, so the view moved at
// every restart; records of that form still read.
TEST_F(WindowSettingsTest, DirectionOfViewKeepsItsFractionAndOldWholeValuesRead) {
    SkyWindowState read;
    EXPECT_TRUE(LoadChangedSky([](SettingsTreeWriter&) {}, read));
    EXPECT_DOUBLE_EQ(read.viewLambda, 12.7);
    EXPECT_TRUE(LoadChangedSky([](SettingsTreeWriter& w) {
        WriteIntValue(w, TXT("Direction of view (lambda)"), 12);
    }, read));
    EXPECT_DOUBLE_EQ(read.viewLambda, 12.0);
}

// A window without a selection must not end the reading of the record (and
// of the windows stored after it).
TEST_F(WindowSettingsTest, SkyWindowWithoutSelectionReadsBackWhole) {
    SkyWindowState state = test::SampleSkyState();
    state.selectedBody = BodyIdentifier{};
    SkyWindowState read;
    EXPECT_TRUE(test::WriteAndRead(storage, root, TXT("Empty"), state, read, SaveSkyOptions,
                                   LoadSkyOptions));
    EXPECT_EQ(read.selectedBody.object, nullptr);
    EXPECT_EQ(read.options.magnitudeLimit, 7.5);
}

TEST_F(WindowSettingsTest, SaturnRecordMissingASatelliteShowsTheRestAndStops) {
    ExplorerOptions saturn = SaturnOptionsInit();
    for (std::size_t i = 0; i < saturn.satellitesShown.size(); ++i) saturn.satellitesShown[i] = false;
    saturn.tilt = 20;
    {
        SettingsTreeWriter writer(storage, root);
        OpenSettingsKeyPath(writer, String(TXT("Saturn")));
        SaveExplorerOptions(saturn, writer);
        writer.Innermost()->WriteString(TXT("Show satellite 3"), String(TXT("x")));
        PopSettingsKey(writer);
    }
    SettingsTree tree(storage, root);
    PushSettingsKey(tree, String(TXT("Saturn")));
    ExplorerOptions read = SaturnOptionsInit();
    EXPECT_FALSE(LoadSaturnOptions(read, tree));
    EXPECT_EQ(read.satellitesShown,
              (std::vector<bool>{false, false, false, true, true, true, true, true}));
    EXPECT_EQ(read.tilt, -1);
}

TEST(SkyOptionsTest, CopyFieldChangesExactlyTheFieldOfItsId) {
    const SkyOptions from{0, 1, true, true, 2, true, true, true, true, 1, true,
                          true, true, 4, 2, true, true, true, true, 2, 5.5};
    for (std::int32_t id = 0; id < kSkyOptionsWhole; ++id) {
        SkyOptions to;
        EXPECT_TRUE(SkyOptionsCopyField(to, id, from));
        for (std::int32_t other = 0; other < kSkyOptionsWhole; ++other) {
            EXPECT_EQ(SkyOptionsFieldEqual(to, from, other), other == id) << id << " " << other;
        }
    }
    SkyOptions to;
    EXPECT_FALSE(SkyOptionsCopyField(to, kSkyOptionsWhole, from));
    EXPECT_TRUE(SkyOptionsEqual(to, SkyOptions{}));
}

TEST(SkyOptionsTest, EqualIgnoringViewOverlooksOnlyTheLabels) {
    SkyOptions a, b;
    b.starNamesOn = true;
    b.planetSymbolsOn = true;
    b.constellationNames = 2;
    EXPECT_TRUE(SkyOptionsEqualIgnoringView(a, b));
    EXPECT_FALSE(SkyOptionsEqual(a, b));
    b = a;
    b.magnitudeLimit = 6.0;
    EXPECT_FALSE(SkyOptionsEqualIgnoringView(a, b));
}

}  // namespace
}  // namespace corvinata
