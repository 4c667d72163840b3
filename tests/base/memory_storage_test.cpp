#include "base/memory_storage.h"

#include <gtest/gtest.h>

#include "base/storage_contract.h"

namespace corvinata::storage_test {
namespace {

class MemorySandbox final : public StorageSandbox {
public:
    MemorySandbox() { service_.MakeFolder(TXT("C:\\sandbox")); }
    StorageService& Service() override { return service_; }
    String Folder() override { return String(TXT("C:\\sandbox")); }
    String KeyRoot() override { return String(TXT("\\Software\\CorvinataTests\\Contract")); }
    bool MakeReadOnly(const Char* path) override { return service_.SetReadOnly(path, true); }

private:
    MemoryStorageService service_;
};

INSTANTIATE_TEST_SUITE_P(Memory, StorageContractTest,
                         ::testing::Values(SandboxKind{
                             "Memory", [] { return std::unique_ptr<StorageSandbox>(
                                                std::make_unique<MemorySandbox>()); }}),
                         SandboxName);

// The in-memory registry must refuse what the real one refuses, or code
// tested on it would pass here and fail on Windows.
TEST(MemoryRegistryTest, RefusesWhatTheRealRegistryRefuses) {
    MemoryRegistry registry;
    RegistryApi::Key root = registry.RootKey(RegistryHive::CurrentUser);
    RegistryApi::Key key = nullptr;
    EXPECT_FALSE(registry.CreateKey(root, TXT("\\Software"), key));
    ASSERT_TRUE(registry.CreateKey(root, TXT("Software\\Sub"), key) && registry.CloseKey(key));
    EXPECT_FALSE(registry.DeleteSubkey(root, TXT("Software")));  // it has a subkey
    EXPECT_FALSE(registry.DeleteSubkey(root, TXT("Missing")));
    EXPECT_FALSE(registry.OpenKey(root, TXT("\\Software"), key));
    EXPECT_FALSE(registry.OpenKey(root, TXT("Software\\\\x"), key));
    ASSERT_TRUE(registry.OpenKey(root, TXT("SOFTWARE"), key) && registry.CloseKey(key));
    EXPECT_FALSE(registry.CloseKey(key));
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

class MemoryStorageTest : public MemoryServicesTest {};

TEST_F(MemoryStorageTest, SettingsWalksCloseEveryHandleTheyOpen) {
    const String root(TXT("\\Software\\T"));
    Sample sample;
    ASSERT_TRUE(SaveSample(root, sample));
    ASSERT_EQ(LoadSample(root, sample), 5);
    ASSERT_TRUE(Storage().CreateRegistryNode(RegistryHive::CurrentUser, root.Text())->DeleteTree());
    EXPECT_EQ(Registry().OpenHandleCount(), 0);
}

TEST_F(MemoryStorageTest, WriterOnAHiveItMayNotWritePushesAClosedNode) {
    Registry().SetHiveWritable(RegistryHive::CurrentUser, false);
    SettingsTreeWriter writer(String(TXT("\\Software\\Locked")));
    EXPECT_FALSE(OpenSettingsKeyPath(writer, String(TXT("Options"))));
    EXPECT_TRUE(writer.Depth() == 1 && !writer.Innermost()->IsOpen());
    std::int32_t left = 1;
    EXPECT_FALSE(WriteIntSetting(writer, BindField(TXT("Left"), left)));
    EXPECT_FALSE(PopSettingsKey(writer));
    EXPECT_EQ(writer.Depth(), 0);
    EXPECT_FALSE(WriteIntSettingAtPath(TXT("\\Software\\Locked"), TXT("Left"), 1));
}

TEST_F(MemoryStorageTest, ClassesRootDefaultValueIsTheUnnamedValue) {
    ASSERT_TRUE(WriteClassesRootDefaultValue(TXT("\\Corvinata.Application\\CLSID"),
                                             String(TXT("{12345678-0000}"))));
    String text;
    EXPECT_TRUE(ReadStringSettingAtPath(RegistryHive::ClassesRoot, TXT("Corvinata.Application\\CLSID"),
                                        TXT(""), TXT("none"), true, text));
    EXPECT_EQ(Utf8(text), "{12345678-0000}");
    EXPECT_FALSE(Storage()
                     .CreateRegistryNode(RegistryHive::CurrentUser, TXT("Corvinata.Application"))
                     ->Exists());
}

TEST_F(MemoryStorageTest, FileNamesIgnoreCaseAndSeparatorKind) {
    ASSERT_TRUE(Storage().MakeFolder(TXT("C:\\Data")) &&
                Storage().PutFile(TXT("c:/data/Stars.TXT"), "x"));
    EXPECT_TRUE(Storage().PathExists(TXT("C:\\DATA\\stars.txt")));
    EXPECT_FALSE(Storage().MakeFolder(TXT("C:\\Missing\\Child")));
    EXPECT_FALSE(Storage().RemoveFolder(TXT("C:\\Data")));  // not empty
    auto finder = Storage().CreateFileFinder();
    String pattern(TXT("C:\\Data\\*.txt"));
    ASSERT_TRUE(finder->FindFirst(pattern));
    EXPECT_TRUE(Utf8(pattern) == "Stars.TXT" && !finder->FoundFolder());
    EXPECT_FALSE(finder->FindNext(pattern));
}

}  // namespace
}  // namespace corvinata::storage_test
