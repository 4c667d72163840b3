#include "base/platform_objects.h"

#include <gtest/gtest.h>

#include "base/storage_test_support.h"

namespace corvinata::storage_test {
namespace {

class PlatformObjectsTest : public MemoryServicesTest {};

TEST_F(PlatformObjectsTest, ShortcutsMakeClosedObjectsOfTheApplicationsStorage) {
    ASSERT_TRUE(Storage().PutFile(TXT("contents.txt"), "Moon\r\n"));
    OwnedPtr<TextFile> text;
    ASSERT_TRUE(MakeTextFile(text, String(TXT("contents.txt"))));
    EXPECT_FALSE(text->IsOpen());
    EXPECT_TRUE(text->Exists());
    OwnedPtrReset(text);
    EXPECT_FALSE(text);

    OwnedPtr<BinaryFile> binary;
    ASSERT_TRUE(MakeBinaryFile(binary, String(TXT("contents.txt"))));
    EXPECT_FALSE(binary->IsOpen());
    EXPECT_EQ(Utf8(binary->Path()), "contents.txt");

    OwnedPtr<SettingsNode> node;
    ASSERT_TRUE(MakeSettingsNode(node, RegistryHive::LocalMachine, TXT("\\Software\\Packs")));
    EXPECT_FALSE(node->IsOpen());
    EXPECT_EQ(Utf8(node->GetPath()), "\\Software\\Packs");

    PathName folder;
    ASSERT_TRUE(folder.SetPathDirectory(TXT("C:\\Scripts")));
    OwnedPtr<FolderNode> scripts;
    ASSERT_TRUE(MakeFolderNode(scripts, folder));
    ASSERT_TRUE(folder.SetPathDirectory(TXT("C:\\Other")));
    EXPECT_EQ(Utf8(scripts->Path().GetPathDirectory()), "C:\\Scripts");

    OwnedPtr<SystemInfo> info;
    Storage().SetDaylightSavingTime(true);
    EXPECT_TRUE(MakeSystemInfo(info)->IsDaylightSavingTime());
    Storage().SetDaylightSavingTime(false);
    EXPECT_FALSE(info->IsDaylightSavingTime());
    SystemInfoHolderReset(info);
    EXPECT_FALSE(info);
}

TEST_F(PlatformObjectsTest, OpenTextFileIsClosedWhenItsHolderGoes) {
    ASSERT_TRUE(Storage().PutFile(TXT("script.txt"), "x"));
    {
        OwnedPtr<TextFile> file;
        ASSERT_TRUE(MakeTextFile(file, String(TXT("script.txt")))->Open(FileOpenMode::Read));
        EXPECT_FALSE(Storage().RemoveFile(TXT("script.txt")));
    }
    EXPECT_TRUE(Storage().RemoveFile(TXT("script.txt")));
}

}  // namespace
}  // namespace corvinata::storage_test
