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
};

auto IntBinding(std::int32_t& target) {
    return BindProperty<std::int32_t>(TXT("Left"), [&target] { return target; },
                                      [&target](std::int32_t v) { target = v; });
}

TEST_F(SettingsTreeTest, ReadsWritesAndPopsOnAnEmptyStackAnswerFalse) {
    std::int32_t value = 4;
    SettingsTree tree(String(TXT("\\R")));
    EXPECT_TRUE(tree.IsReader());
    EXPECT_FALSE(ReadIntSetting(tree, IntBinding(value)));
    EXPECT_FALSE(PopSettingsKey(tree));
    SettingsTreeWriter writer(String(TXT("\\R")));
    EXPECT_FALSE(writer.IsReader());
    EXPECT_FALSE(WriteIntSetting(writer, IntBinding(value)));
    EXPECT_FALSE(PopSettingsKey(writer));
    EXPECT_EQ(value, 4);
    EXPECT_FALSE(HiveRootTouched());
}

TEST_F(SettingsTreeTest, OnePushMayNameSeveralLevels) {
    SettingsTreeWriter writer(String(TXT("\\Software\\App")));
    ASSERT_TRUE(OpenSettingsKeyPath(writer, String(TXT("Windows\\Sky\\1"))));
    std::int32_t value = 12;
    ASSERT_TRUE(WriteIntSetting(writer, IntBinding(value)));
    ASSERT_TRUE(PopSettingsKey(writer));

    SettingsTree tree(String(TXT("\\Software\\App\\Windows")));
    ASSERT_TRUE(PushSettingsKey(tree, String(TXT("Sky"))));
    ASSERT_TRUE(PushSettingsKey(tree, String(TXT("1"))));
    value = 0;
    EXPECT_TRUE(ReadIntSetting(tree, IntBinding(value)));
    EXPECT_EQ(value, 12);
}

TEST_F(SettingsTreeTest, OverlongNamesFailWithoutWritingElsewhere) {
    const String longName(std::basic_string<Char>(300, 'k').c_str());
    std::int32_t value = 1;
    SettingsTreeWriter writer(String(TXT("\\Software\\App")));
    EXPECT_FALSE(OpenSettingsKeyPath(writer, longName));
    EXPECT_EQ(writer.Depth(), 1);
    EXPECT_FALSE(WriteIntSetting(writer, IntBinding(value)));
    // Nothing can be opened below a level that could not be made.
    EXPECT_FALSE(OpenSettingsKeyPath(writer, String(TXT("Child"))));
    EXPECT_FALSE(PopSettingsKey(writer));
    EXPECT_FALSE(PopSettingsKey(writer));
    EXPECT_EQ(writer.Depth(), 0);

    SettingsTree tree(String(TXT("\\Software\\App")));
    EXPECT_FALSE(PushSettingsKey(tree, longName));
    EXPECT_EQ(tree.Depth(), 0);

    // An overlong root never falls back to the hive's root.
    SettingsTreeWriter rootless{String((TXT("\\") + std::basic_string<Char>(300, 'r')).c_str())};
    EXPECT_FALSE(OpenSettingsKeyPath(rootless, String(TXT("Options"))));
    EXPECT_FALSE(WriteIntSetting(rootless, IntBinding(value)));
    PopSettingsKey(rootless);
    EXPECT_FALSE(HiveRootTouched());
}

TEST_F(SettingsTreeTest, FailedReadLeavesTheTargetAndSkipsTheSetter) {
    auto node = Storage().CreateRegistryNode(RegistryHive::CurrentUser, TXT("\\S\\G"));
    ASSERT_TRUE(node->Create());
    ASSERT_TRUE(node->WriteText(TXT("Left"), TXT("text, not a number")));
    node.reset();

    SettingsTree tree(String(TXT("\\S")));
    ASSERT_TRUE(PushSettingsKey(tree, String(TXT("G"))));
    int calls = 0;
    EXPECT_FALSE(ReadIntSetting(tree, BindProperty<std::int32_t>(
                                          TXT("Left"), [] { return 0; },
                                          [&calls](std::int32_t) { ++calls; })));
    EXPECT_EQ(calls, 0);
    String text(TXT("old"));
    EXPECT_TRUE(ReadStringSetting(tree, BindProperty<const Char*>(
                                            TXT("Left"), [&text] { return text.Text(); },
                                            [&text](const Char* v) { StringAssign(text, v); })));
    EXPECT_EQ(Utf8(text), "text, not a number");
}

}  // namespace
}  // namespace corvinata::storage_test
