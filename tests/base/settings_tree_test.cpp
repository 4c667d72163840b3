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

TEST_F(SettingsTreeTest, ReaderAndWriterSayWhichTheyAre) {
    EXPECT_TRUE(SettingsTree(String(TXT("\\R"))).IsReader());
    EXPECT_FALSE(SettingsTreeWriter(String(TXT("\\R"))).IsReader());
}

TEST_F(SettingsTreeTest, ReadsWritesAndPopsOnAnEmptyStackAnswerFalse) {
    std::int32_t value = 4;
    SettingsTree tree(String(TXT("\\R")));
    EXPECT_FALSE(ReadIntSetting(tree, IntBinding(value)));
    EXPECT_FALSE(PopSettingsKey(tree));
    SettingsTreeWriter writer(String(TXT("\\R")));
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
    std::int32_t read = 0;
    EXPECT_TRUE(ReadIntSetting(tree, IntBinding(read)));
    EXPECT_EQ(read, 12);
}

TEST_F(SettingsTreeTest, OverlongKeyNamesFailWithoutWritingElsewhere) {
    const std::basic_string<Char> longName(300, 'k');
    SettingsTreeWriter writer(String(TXT("\\Software\\App")));
    EXPECT_FALSE(OpenSettingsKeyPath(writer, String(longName.c_str())));
    EXPECT_EQ(writer.Depth(), 1);
    std::int32_t value = 1;
    EXPECT_FALSE(WriteIntSetting(writer, IntBinding(value)));
    // Nothing can be opened below a level that could not be made.
    EXPECT_FALSE(OpenSettingsKeyPath(writer, String(TXT("Child"))));
    EXPECT_FALSE(PopSettingsKey(writer));
    EXPECT_FALSE(PopSettingsKey(writer));
    EXPECT_EQ(writer.Depth(), 0);

    SettingsTree tree(String(TXT("\\Software\\App")));
    EXPECT_FALSE(PushSettingsKey(tree, String(longName.c_str())));
    EXPECT_EQ(tree.Depth(), 0);
    EXPECT_FALSE(HiveRootTouched());
}

TEST_F(SettingsTreeTest, OverlongRootNeverFallsBackToTheHiveRoot) {
    const std::basic_string<Char> longRoot = TXT("\\") + std::basic_string<Char>(300, 'r');
    SettingsTreeWriter writer{String(longRoot.c_str())};
    EXPECT_FALSE(OpenSettingsKeyPath(writer, String(TXT("Options"))));
    std::int32_t value = 1;
    EXPECT_FALSE(WriteIntSetting(writer, IntBinding(value)));
    PopSettingsKey(writer);
    EXPECT_FALSE(HiveRootTouched());
}

TEST_F(SettingsTreeTest, FailedReadLeavesTheTargetAndSkipsTheSetter) {
    SettingsTreeWriter writer(String(TXT("\\S")));
    ASSERT_TRUE(OpenSettingsKeyPath(writer, String(TXT("G"))));
    ASSERT_TRUE(WriteStringSetting(
        writer, BindProperty<String, const Char*>(
                    TXT("Left"), [] { return String(TXT("text, not a number")); },
                    [](const Char*) {})));
    PopSettingsKey(writer);

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
