#include "app/night_vision.h"

#include <gtest/gtest.h>

#include "app/settings_records.h"
#include "base/memory_storage.h"

namespace corvinata {
namespace {

struct ShadeCase {
    double brightness;
    double contrast;
    int shades[5];
};

class NightShades : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(NightShades, FiveRedStepsFromTheBrightness) {
    const ShadeCase& c = GetParam();
    const auto shades = ComputeNightShades(c.brightness, c.contrast);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(shades[i].red, c.shades[i]) << i;
        EXPECT_EQ(shades[i].green, 0);
        EXPECT_EQ(shades[i].blue, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, NightShades, ::testing::Values(
    ShadeCase{0.8, 1.0, {204, 164, 124, 84, 44}},
    ShadeCase{0.8, 0.0, {204, 204, 204, 204, 204}},   // no contrast: every shade is L
    ShadeCase{1.0, 1.0, {255, 204, 153, 102, 51}},
    ShadeCase{0.0, 1.0, {0, 0, 0, 0, 0}},
    // Out-of-range levels are clamped instead of wrapping the 8-bit shades.
    ShadeCase{1.7, 1.0, {255, 204, 153, 102, 51}},
    ShadeCase{0.8, -3.0, {204, 204, 204, 204, 204}}));

TEST(NightColours, WindowsAndMenusBlackTheDesktopKeepsItsOwn) {
    const auto shades = ComputeNightShades(0.8, 1.0);
    const struct { int index; bool changed; int red; } cases[] = {
        {15, true, 0},    // button face
        {5, true, 0},     // window
        {4, true, 0},     // menu
        {30, true, 0},    // menu bar
        {12, true, 0},    // application workspace
        {9, true, 0},     // caption text
        {2, true, 204},   // active caption: s0
        {8, true, 124},   // window text: s2
        {21, true, 44},   // 3D dark shadow: s4
        {1, false, 0},    // desktop background
        {31, false, 0},
    };
    for (const auto& c : cases) {
        Colour colour{1, 2, 3};
        EXPECT_EQ(NightColourOf(c.index, shades, colour), c.changed) << c.index;
        if (c.changed) {
            EXPECT_EQ(colour, (Colour{static_cast<std::uint8_t>(c.red), 0, 0})) << c.index;
        }
    }
}

TEST(NightLevels, PositionsRoundTripWithoutDrift) {
    // Storing trunc(b x 100) / 100 lost a step on every open and close for
    // levels such as 0.29 (28.999... x 100); the nearest position does not.
    for (int position = 0; position <= kLevelPositionMax; ++position)
        EXPECT_EQ(LevelToPosition(PositionToLevel(position)), position);
    EXPECT_EQ(LevelToPosition(0.29), 29);
    EXPECT_EQ(LevelToPosition(0.8049), 80);
    EXPECT_EQ(PositionToLevel(140), 1.0);
    EXPECT_EQ(PositionToLevel(-5), 0.0);
}

TEST(NightVisionStore, DefaultsForWhatIsMissingAndLevelsClampedOnLoad) {
    MemoryStorageService storage;
    const String root(TXT("\\Software\\Test"));
    const String key(TXT("Night vision"));
    {
        SettingsTreeWriter writer(storage, root);
        ASSERT_TRUE(OpenSettingsKeyPath(writer, key));
        WriteBoolValue(writer, TXT("Active"), true);
        WriteDoubleValue(writer, TXT("Brightness"), 3.5);
    }
    SettingsTree tree(storage, root);
    ASSERT_TRUE(PushSettingsKey(tree, key));
    NightVisionLevels levels;
    levels.contrast = 0.2;
    EXPECT_FALSE(LoadNightVision(tree, levels));
    EXPECT_TRUE(levels.active);
    EXPECT_EQ(levels.brightness, 1.0);
    EXPECT_EQ(levels.contrast, 1.0);

    const NightVisionLevels saved{true, 0.37, 0.05};
    {
        SettingsTreeWriter writer(storage, root);
        ASSERT_TRUE(OpenSettingsKeyPath(writer, key));
        EXPECT_TRUE(SaveNightVision(writer, saved));
    }
    SettingsTree again(storage, root);
    ASSERT_TRUE(PushSettingsKey(again, key));
    NightVisionLevels read;
    EXPECT_TRUE(LoadNightVision(again, read));
    EXPECT_EQ(read.brightness, 0.37);
    EXPECT_EQ(read.contrast, 0.05);
    EXPECT_EQ(LevelToPosition(read.brightness), 37);
}

}  // namespace
}  // namespace corvinata
