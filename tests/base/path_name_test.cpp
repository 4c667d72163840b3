#include "base/path_name.h"

#include <gtest/gtest.h>

#include <string>

#include "base/storage_test_support.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

std::basic_string<Char> Repeat(int length, Char c) {
    return std::basic_string<Char>(static_cast<std::size_t>(length), c);
}

TEST(PathNameTest, SplitsIntoPartsAndComposesBack) {
    const struct {
        const char *path, *drive, *folder, *name, *extension, *composed;
    } cases[] = {
        {"C:/Data/file.txt", "C:", "\\Data\\", "file", ".txt", "C:\\Data\\file.txt"},
        {"C:\\Prog\\archive.tar.gz", "C:", "\\Prog\\", "archive.tar", ".gz",
         "C:\\Prog\\archive.tar.gz"},
        {"\\A\\.hidden", "", "\\A\\", "", ".hidden", "\\A\\.hidden"},
        {"C:file", "C:", "", "file", "", "C:file"},
        {"Data/Sub\\x", "", "Data\\Sub\\", "x", "", "Data\\Sub\\x"},
        {"dir.v2\\name", "", "dir.v2\\", "name", "", "dir.v2\\name"},
        {"", "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        PathName path;
        ASSERT_TRUE(path.SetPath(Wide(c.path).c_str()));
        EXPECT_EQ(Utf8(path.Drive()), c.drive);
        EXPECT_EQ(Utf8(path.Folder()), c.folder);
        EXPECT_EQ(Utf8(path.Name()), c.name);
        EXPECT_EQ(Utf8(path.Extension()), c.extension);
        EXPECT_EQ(Utf8(path.ComposePath()), c.composed);
    }
}

TEST(PathNameTest, FoldersJoinWithOneSeparatorAndWalkUpToTheRoot) {
    PathName path;
    ASSERT_TRUE(path.SetPathWithSeparator(TXT("")));
    EXPECT_EQ(Utf8(path.Folder()), "\\");
    EXPECT_TRUE(path.IsRootFolder());
    EXPECT_EQ(Utf8(path.GetPathFolder()), "");

    ASSERT_TRUE(path.SetPathWithSeparator(TXT("\\A")));
    for (const Char* name : {TXT("B"), TXT("\\C"), TXT("D\\")}) {
        ASSERT_TRUE(path.AppendPathFolder(name));
    }
    EXPECT_EQ(Utf8(path.Folder()), "\\A\\B\\C\\D\\");
    EXPECT_EQ(Utf8(path.GetPathFolder()), "\\A\\B\\C\\D");
    Char removed[PathName::kPathPartMax + 1];
    for (const char* last : {"D", "C", "B", "A"}) {
        ASSERT_TRUE(path.RemovePathLastFolder(removed));
        EXPECT_EQ(Utf8(removed), last);
    }
    EXPECT_TRUE(path.IsRootFolder());
    EXPECT_FALSE(path.RemovePathLastFolder(removed));
    EXPECT_TRUE(path.IsRootFolder());
}

TEST(PathNameTest, GettersDropOnlyOneTrailingSeparator) {
    PathName path;
    ASSERT_TRUE(path.SetPath(TXT("C:\\A\\\\")));
    EXPECT_EQ(Utf8(path.GetPathFolder()), "\\A\\");
    EXPECT_EQ(Utf8(path.GetPathDirectory()), "C:\\A\\");
    EXPECT_EQ(Utf8(path.GetPathDirectoryWithSeparator()), "C:\\A\\\\");
}

TEST(PathNameTest, FindParentSeparatorCountsBackslashesOnly) {
    EXPECT_EQ(PathName::FindParentSeparator(TXT("\\A\\B\\")), 2);
    EXPECT_EQ(PathName::FindParentSeparator(TXT("\\A\\")), 0);
    EXPECT_EQ(PathName::FindParentSeparator(TXT("\\")), -1);
    EXPECT_EQ(PathName::FindParentSeparator(TXT("")), -1);
    EXPECT_EQ(PathName::FindParentSeparator(TXT("/A/B/")), -1);
}

TEST(PathNameTest, RelativeFolderResolvesBelowTheBaseAndNewDirectoryKeepsTheName) {
    PathName path;
    ASSERT_TRUE(path.SetPath(TXT("Data\\stars.txt")));
    ASSERT_TRUE(path.ResolvePathAgainstFolder(TXT("C:\\Prog")));
    EXPECT_EQ(Utf8(path.ComposePath()), "C:\\Prog\\Data\\stars.txt");
    ASSERT_TRUE(path.SetPath(TXT("D:\\Other\\x.gph")));
    ASSERT_TRUE(path.ResolvePathAgainstFolder(TXT("C:\\Prog")));
    EXPECT_EQ(Utf8(path.ComposePath()), "D:\\Other\\x.gph");
    ASSERT_TRUE(path.SetPathDirectory(TXT("E:/New/Place")));
    EXPECT_EQ(Utf8(path.ComposePath()), "E:\\New\\Place\\x.gph");
}

// Each change must drop exactly the cached forms that depend on it.
TEST(PathNameTest, CachesFollowEveryChangeAndCopiesAreIndependent) {
    PathName path;
    ASSERT_TRUE(path.SetPath(TXT("C:\\A\\one.txt")));
    EXPECT_EQ(Utf8(path.ComposePath()), "C:\\A\\one.txt");
    EXPECT_EQ(Utf8(path.GetPathFolder()), "\\A");
    EXPECT_EQ(Utf8(path.GetPathFileName()), "one.txt");
    const PathName original = path;

    ASSERT_TRUE(path.SetPathFileName(TXT("two.dat")));
    EXPECT_EQ(Utf8(path.GetPathFolder()), "\\A");
    EXPECT_EQ(Utf8(path.GetPathFileName()), "two.dat");
    EXPECT_EQ(Utf8(path.ComposePath()), "C:\\A\\two.dat");

    ASSERT_TRUE(path.AppendPathFolder(TXT("B")));
    EXPECT_EQ(Utf8(path.GetPathFileName()), "two.dat");
    EXPECT_EQ(Utf8(path.GetPathDirectory()), "C:\\A\\B");
    EXPECT_EQ(Utf8(path.ComposePath()), "C:\\A\\B\\two.dat");

    ASSERT_TRUE(path.RemovePathLastFolder());
    EXPECT_EQ(Utf8(path.GetPathDirectoryWithSeparator()), "C:\\A\\");
    EXPECT_EQ(Utf8(path.ComposePath()), "C:\\A\\two.dat");
    EXPECT_EQ(Utf8(PathName(original).ComposePath()), "C:\\A\\one.txt");
}

// Parts are bounded; a text that does not fit is refused whole.
TEST(PathNameTest, OverlongPartsAreRefusedAndTheValueKept) {
    PathName path;
    ASSERT_TRUE(path.SetPath(TXT("C:\\Keep\\me.txt")));
    EXPECT_FALSE(path.SetPath((TXT("C:\\") + Repeat(300, 'f') + TXT("\\x.txt")).c_str()));
    EXPECT_FALSE(path.SetPathFileName((Repeat(257, 'n') + TXT(".txt")).c_str()));
    EXPECT_FALSE(path.SetPathWithSeparator(Repeat(256, 'w').c_str()));
    EXPECT_FALSE(path.SetPathDirectory((TXT("C:\\") + Repeat(290, 'd')).c_str()));
    EXPECT_EQ(Utf8(path.ComposePath()), "C:\\Keep\\me.txt");

    const auto name = Repeat(150, 'a');
    EXPECT_TRUE(path.AppendPathFolder(name.c_str()));
    EXPECT_FALSE(path.AppendPathFolder(name.c_str()));
    EXPECT_EQ(Utf8(path.Folder()), "\\Keep\\" + Utf8(name.c_str()) + "\\");
}

TEST(PathNameTest, FullLengthPartsComposeWithoutLoss) {
    // Folder of exactly 256 characters, name and extension of 256 each.
    const auto folder = TXT("\\") + Repeat(254, 'f') + TXT("\\");
    const auto file = Repeat(256, 'n') + TXT(".") + Repeat(255, 'e');
    PathName path;
    ASSERT_TRUE(path.SetPath(TXT("C:\\Keep\\me.txt")));
    ASSERT_TRUE(path.SetPathWithSeparator(folder.c_str()));
    ASSERT_TRUE(path.SetPathFileName(file.c_str()));
    EXPECT_EQ(Utf8(path.ComposePath()), "C:" + Utf8(folder.c_str()) + Utf8(file.c_str()));
    Char removed[PathName::kPathPartMax + 1];
    ASSERT_TRUE(path.RemovePathLastFolder(removed));
    EXPECT_EQ(TextLength(removed), 254);
}

}  // namespace
}  // namespace corvinata
