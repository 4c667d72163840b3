#include "app/night_vision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "app/night_desktop.h"
#include "app/notification.h"
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
    DesktopColours own{};
    own.fill(Colour{1, 2, 3});
    const DesktopColours night = NightDesktopColours(own, shades);
    for (const auto& c : cases) {
        const auto* rule = std::find_if(std::begin(kNightColourRules), std::end(kNightColourRules),
                                        [&](const NightColourRule& r) { return r.systemIndex == c.index; });
        if (rule == std::end(kNightColourRules)) {
            EXPECT_FALSE(c.changed) << c.index << " is not switched";
            continue;
        }
        const Colour colour = night[static_cast<std::size_t>(rule - kNightColourRules)];
        if (c.changed) {
            EXPECT_EQ(colour, (Colour{static_cast<std::uint8_t>(c.red), 0, 0})) << c.index;
        } else {
            EXPECT_EQ(colour, (Colour{1, 2, 3})) << c.index << " keeps its own";
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

// A desktop in memory: its colours in the table's order and its styles.
class MemoryDesktop final : public DesktopInterface {
public:
    DesktopLook look;
    DesktopLook Read() const override { return look; }
    void SetColours(const DesktopColours& colours) override { look.colours = colours; }
    void EnableVisualStyles(bool on) override { look.visualStyles = on; }
};

DesktopLook DayLook(bool visualStyles) {
    DesktopLook day;
    for (std::size_t i = 0; i < day.colours.size(); ++i)
        day.colours[i] = Colour{static_cast<std::uint8_t>(200 + i), static_cast<std::uint8_t>(100 + i), 250};
    day.visualStyles = visualStyles;
    return day;
}

class NightDesktop : public ::testing::Test, public NotificationRegistryInterface {
protected:
    NotificationHub& GetNotificationHub() override { return hub_; }
    DesktopLook Kept() {
        DesktopLook look;
        return store_.Load(look) ? look : DesktopLook{};
    }

    NotificationHub hub_;
    MemoryStorageService storage_;
    KeptDesktopStore store_{storage_, String(TXT("\\Software\\Test"))};
    MemoryDesktop desktop_;
    NightVisionSettings night_{*this};
};

// Each step of a night and what the desktop and the settings hold after it.
TEST_F(NightDesktop, TheDesktopsOwnLookIsTakenOnceKeptAndHandedBack) {
    const DesktopLook day = DayLook(true);
    desktop_.look = day;
    night_.AttachDesktop(&desktop_, &store_);
    const int background = 8;  // COLOR_BACKGROUND's place in the table
    ASSERT_EQ(kNightColourRules[background].systemIndex, 1);

    night_.ApplyNightVision(false, kKeepLevel, kKeepLevel);
    EXPECT_EQ(desktop_.look, day) << "off while off changes nothing";
    EXPECT_FALSE(store_.Holds());

    night_.ApplyNightVision(true, 0.8, 1.0);
    EXPECT_FALSE(desktop_.look.visualStyles);
    EXPECT_EQ(desktop_.look.colours, NightDesktopColours(day.colours, ComputeNightShades(0.8, 1.0)));
    EXPECT_EQ(desktop_.look.colours[background], day.colours[background]);
    EXPECT_EQ(desktop_.look.colours[1], (Colour{0, 0, 0})) << "button face";
    EXPECT_EQ(desktop_.look.colours[0], (Colour{44, 0, 0})) << "3D dark shadow: s4";
    EXPECT_EQ(Kept(), day) << "kept the moment it was taken";

    // A new level while on: the shades change, the look taken stays the day's.
    night_.ApplyNightVision(true, 1.0, 1.0);
    EXPECT_EQ(desktop_.look.colours[2], (Colour{255, 0, 0})) << "button highlight: s0";
    EXPECT_EQ(Kept(), day);

    night_.ApplyNightVision(false, kKeepLevel, kKeepLevel);
    EXPECT_EQ(desktop_.look, day);
    EXPECT_FALSE(store_.Holds());
}

TEST_F(NightDesktop, VisualStylesTheUserHadOffStayOff) {
    desktop_.look = DayLook(false);
    night_.AttachDesktop(&desktop_, &store_);
    night_.ApplyNightVision(true, 0.8, 1.0);
    night_.ApplyNightVision(false, kKeepLevel, kKeepLevel);
    EXPECT_EQ(desktop_.look, DayLook(false));
}

// A run that crashed at night: the next start puts the kept look back.
TEST_F(NightDesktop, AStartPutsBackWhatARunLeftKept) {
    const DesktopLook day = DayLook(true);
    desktop_.look = day;
    night_.AttachDesktop(&desktop_, &store_);
    night_.ApplyNightVision(true, 0.8, 1.0);
    ASSERT_NE(desktop_.look, day);

    MemoryDesktop nextStart;
    nextStart.look = desktop_.look;
    EXPECT_TRUE(PutBackDesktopLeftAtNight(store_, nextStart));
    EXPECT_EQ(nextStart.look, day);
    EXPECT_FALSE(store_.Holds());
    EXPECT_FALSE(PutBackDesktopLeftAtNight(store_, nextStart)) << "once";
}

// A factory reset at night takes every setting before night vision goes
// off at the end: handing the look back then makes no key again.
TEST_F(NightDesktop, AnEndAfterAFactoryResetLeavesNoKeyBehind) {
    desktop_.look = DayLook(true);
    night_.AttachDesktop(&desktop_, &store_);
    night_.ApplyNightVision(true, 0.8, 1.0);
    ASSERT_TRUE(store_.Holds());
    ASSERT_TRUE(storage_.CreateRegistryNode(RegistryHive::CurrentUser, TXT("\\Software\\Test"))->DeleteTree());
    night_.ApplyNightVision(false, kKeepLevel, kKeepLevel);
    EXPECT_EQ(desktop_.look, DayLook(true));
    SettingsTree tree(storage_, String(TXT("\\Software\\Test")));
    EXPECT_FALSE(PushSettingsKey(tree, String(TXT("Night vision"))));
}

TEST(KeptDesktopColours, TextRoundTripsAndDamageIsRefused) {
    const DesktopColours colours = DayLook(true).colours;
    const String text = DesktopColoursText(colours);
    DesktopColours read{};
    ASSERT_TRUE(ParseDesktopColours(text, read));
    EXPECT_EQ(read, colours);
    EXPECT_EQ(text.Length(), 30 * 7 - 1);
    const std::u16string good(text.Text(), text.Text() + text.Length());
    const struct {
        const char* what;
        std::u16string text;
    } damaged[] = {
        {"empty", u""},
        {"a colour short", good.substr(0, good.size() - 7)},
        {"a colour more", good + u",000000"},
        {"not hexadecimal", u"G" + good.substr(1)},
        {"semicolons", [&] { std::u16string t = good; t[6] = u';'; return t; }()},
    };
    for (const auto& d : damaged) {
        std::basic_string<Char> t(d.text.begin(), d.text.end());
        DesktopColours untouched = colours;
        EXPECT_FALSE(ParseDesktopColours(String(t.c_str()), untouched)) << d.what;
        EXPECT_EQ(untouched, colours) << d.what;
    }
}

// A damaged kept look is not painted, and does not linger.
TEST(KeptDesktopColours, ADamagedKeptLookIsDroppedAtStart) {
    MemoryStorageService storage;
    const String root(TXT("\\Software\\Test"));
    {
        SettingsTreeWriter writer(storage, root);
        ASSERT_TRUE(OpenSettingsKeyPath(writer, String(TXT("Night vision"))));
        ASSERT_TRUE(OpenSettingsKeyPath(writer, String(TXT("Desktop as it was"))));
        WriteStringValue(writer, TXT("Colours"), String(TXT("FF0000")));
        WriteBoolValue(writer, TXT("Visual styles"), true);
    }
    KeptDesktopStore store(storage, root);
    MemoryDesktop desktop;
    desktop.look = DayLook(false);
    EXPECT_FALSE(PutBackDesktopLeftAtNight(store, desktop));
    EXPECT_EQ(desktop.look, DayLook(false));
    EXPECT_FALSE(store.Holds());
}

}  // namespace
}  // namespace corvinata
