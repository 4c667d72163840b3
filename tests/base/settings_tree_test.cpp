#include "base/settings_tree.h"

#include <gtest/gtest.h>

#include <string>

#include "base/storage_test_support.h"

namespace corvinata::storage_test {
namespace {

class SettingsTreeTest : public MemoryServicesTest {
protected:
    // Whether anything at all was stored directly in the hive's root.
    bool HiveRootTouched() {
        auto root = Storage().CreateRegistryNode(RegistryHive::CurrentUser, TXT(""));
        std::vector<String> names;
        std::int32_t value = 0;
        return !root->Open() || !root->EnumSubkeys(names) || !names.empty() ||
               root->ReadInt(TXT("Left"), value);
    }

    auto Left() {
        return BindProperty<std::int32_t>(TXT("Left"), [this] { return value_; },
                                          [this](std::int32_t v) { value_ = v; });
    }

    std::int32_t value_ = 4;
};

TEST_F(SettingsTreeTest, ReadsWritesAndPopsOnAnEmptyStackAnswerFalse) {
    SettingsTree tree(String(TXT("\\R")));
    SettingsTreeWriter writer(String(TXT("\\R")));
    EXPECT_TRUE(tree.IsReader() && !writer.IsReader());
    EXPECT_FALSE(ReadIntSetting(tree, Left()));
    EXPECT_FALSE(WriteIntSetting(writer, Left()));
    EXPECT_FALSE(PopSettingsKey(tree) || PopSettingsKey(writer));
    EXPECT_EQ(value_, 4);
    EXPECT_FALSE(HiveRootTouched());
}

TEST_F(SettingsTreeTest, OverlongNamesFailWithoutWritingElsewhere) {
    const String longName(std::basic_string<Char>(300, 'k').c_str());
    SettingsTreeWriter writer(String(TXT("\\Software\\App")));
    EXPECT_FALSE(OpenSettingsKeyPath(writer, longName));
    EXPECT_EQ(writer.Depth(), 1);
    EXPECT_FALSE(WriteIntSetting(writer, Left()));
    // Nothing can be opened below a level that could not be made.
    EXPECT_FALSE(OpenSettingsKeyPath(writer, String(TXT("Child"))));
    EXPECT_FALSE(PopSettingsKey(writer) || PopSettingsKey(writer));
    EXPECT_EQ(writer.Depth(), 0);
    SettingsTree tree(String(TXT("\\Software\\App")));
    EXPECT_FALSE(PushSettingsKey(tree, longName));
    EXPECT_EQ(tree.Depth(), 0);

    // An overlong root never falls back to the hive's root.
    SettingsTreeWriter rootless{String((TXT("\\") + std::basic_string<Char>(300, 'r')).c_str())};
    EXPECT_FALSE(OpenSettingsKeyPath(rootless, String(TXT("Options"))));
    EXPECT_FALSE(WriteIntSetting(rootless, Left()));
    PopSettingsKey(rootless);
    EXPECT_FALSE(HiveRootTouched());
}

}  // namespace
}  // namespace corvinata::storage_test
