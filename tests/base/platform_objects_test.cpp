#include "base/platform_objects.h"

#include <gtest/gtest.h>

#include "base/storage_test_support.h"
#include "base/time_step.h"

namespace corvinata::storage_test {
namespace {

class PlatformObjectsTest : public MemoryServicesTest {};

TEST_F(PlatformObjectsTest, ShortcutsMakeClosedObjectsOfTheApplicationsStorage) {
    ASSERT_TRUE(Storage().PutFile(TXT("contents.txt"), "Moon\r\n"));
    OwnedPtr<TextFile> text;
    OwnedPtr<BinaryFile> binary;
    OwnedPtr<SettingsNode> node;
    ASSERT_TRUE(MakeTextFile(text, String(TXT("contents.txt"))) &&
                MakeBinaryFile(binary, String(TXT("contents.txt"))) &&
                MakeSettingsNode(node, RegistryHive::LocalMachine, TXT("\\Software\\Packs")));
    EXPECT_TRUE(text->Exists() && binary->Exists());
    EXPECT_FALSE(text->IsOpen() || binary->IsOpen() || node->IsOpen());

    // The folder object keeps its own copy of the path.
    PathName folder;
    OwnedPtr<FolderNode> scripts;
    ASSERT_TRUE(folder.SetPathDirectory(TXT("C:\\Scripts")) && MakeFolderNode(scripts, folder));
    ASSERT_TRUE(folder.SetPathDirectory(TXT("C:\\Other")));
    EXPECT_EQ(Utf8(scripts->Path().GetPathDirectory()), "C:\\Scripts");
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

TEST_F(PlatformObjectsTest, TimeStepKeyRoundTripsAndAMissingKeyChangesNothing) {
    const String root(TXT("\\Sky"));
    TimeStep step{kMinutesUnit, 7};
    EXPECT_FALSE(LoadTimeStepKey(step, root));
    EXPECT_TRUE(step.unit == kMinutesUnit && step.count == 7);
    ASSERT_TRUE(SaveTimeStepKey(TimeStep{kYearsUnit, -3}, root) && LoadTimeStepKey(step, root));
    EXPECT_TRUE(step.unit == kYearsUnit && step.count == -3);
    EXPECT_TRUE(Storage().CreateRegistryNode(RegistryHive::CurrentUser, TXT("\\Sky\\Time Step"))
                    ->Exists());
}

}  // namespace
}  // namespace corvinata::storage_test
