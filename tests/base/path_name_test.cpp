#include "base/path_name.h"

#include <gtest/gtest.h>

#include <string>

#include "base/storage_test_support.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

struct SplitCase {
    const char* path;
    const char* drive;
    const char* folder;
    const char* name;
    const char* extension;
    const char* composed;
};

class PathSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PathSplitTest, SplitsIntoPartsAndComposesBack) {
    const SplitCase& c = GetParam();
    PathName path;
    ASSERT_TRUE(path.SetPath(Wide(c.path).c_str()));
    EXPECT_EQ(Utf8(path.Drive()), c.drive);
    EXPECT_EQ(Utf8(path.Folder()), c.folder);
    EXPECT_EQ(Utf8(path.Name()), c.name);
    EXPECT_EQ(Utf8(path.Extension()), c.extension);
    EXPECT_EQ(Utf8(path.ComposePath()), c.composed);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathSplitTest,
    ::testing::Values(
        SplitCase{"C:/Data/file.txt", "C:", "\\Data\\", "file", ".txt", "C:\\Data\\file.txt"},
        SplitCase{"C:\\Prog\\archive.tar.gz", "C:", "\\Prog\\", "archive.tar", ".gz",
                  "C:\\Prog\\archive.tar.gz"},
        SplitCase{"\\A\\.hidden", "", "\\A\\", "", ".hidden", "\\A\\.hidden"},
        SplitCase{"C:file", "C:", "", "file", "", "C:file"},
        SplitCase{"Data/Sub\\x", "", "Data\\Sub\\", "x", "", "Data\\Sub\\x"},
        SplitCase{"dir.v2\\name", "", "dir.v2\\", "name", "", "dir.v2\\name"},
        SplitCase{"", "", "", "", "", ""}));

TEST(PathNameTest, EmptySeparatorFolderIsTheRootAndItsFolderTextIsEmpty) {
    PathName path;
    ASSERT_TRUE(path.SetPathWithSeparator(TXT("")));
    EXPECT_EQ(Utf8(path.Folder()), "\\");
    EXPECT_TRUE(path.IsRootFolder());
    EXPECT_EQ(Utf8(path.GetPathFolder()), "");
}

TEST(PathNameTest, AppendedNamesJoinWithOneSeparator) {
    PathName path;
    ASSERT_TRUE(path.SetPathWithSeparator(TXT("\\Root")));
    ASSERT_TRUE(path.AppendPathFolder(TXT("Dialogs")));
    EXPECT_EQ(Utf8(path.Folder()), "\\Root\\Dialogs\\");
    ASSERT_TRUE(path.AppendPathFolder(TXT("\\Geometry")));
    EXPECT_EQ(Utf8(path.Folder()), "\\Root\\Dialogs\\Geometry\\");
    ASSERT_TRUE(path.AppendPathFolder(TXT("Tail\\")));
    EXPECT_EQ(Utf8(path.Folder()), "\\Root\\Dialogs\\Geometry\\Tail\\");
    EXPECT_EQ(Utf8(path.GetPathFolder()), "\\Root\\Dialogs\\Geometry\\Tail");
}

TEST(PathNameTest, GettersDropOnlyOneTrailingSeparator) {
    PathName path;
    ASSERT_TRUE(path.SetPath(TXT("C:\\A\\\\")));
    EXPECT_EQ(Utf8(path.GetPathFolder()), "\\A\\");
    EXPECT_EQ(Utf8(path.GetPathDirectory()), "C:\\A\\");
    EXPECT_EQ(Utf8(path.GetPathDirectoryWithSeparator()), "C:\\A\\\\");
}

TEST(PathNameTest, RemovingFoldersWalksUpToTheRootAndStops) {
    PathName path;
    ASSERT_TRUE(path.SetPathWithSeparator(TXT("\\A\\B\\")));
    Char removed[PathName::kPathPartMax + 1];
    ASSERT_TRUE(path.RemovePathLastFolder(removed));
    EXPECT_EQ(Utf8(path.Folder()), "\\A\\");
    EXPECT_EQ(Utf8(removed), "B");
    ASSERT_TRUE(path.RemovePathLastFolder(removed));
    EXPECT_TRUE(path.IsRootFolder());
    EXPECT_EQ(Utf8(removed), "A");
    EXPECT_FALSE(path.RemovePathLastFolder(removed));
    EXPECT_TRUE(path.IsRootFolder());
}

TEST(PathNameTest, FindParentSeparatorCountsBackslashesOnly) {
    EXPECT_EQ(PathName::FindParentSeparator(TXT("\\A\\B\\")), 2);
    EXPECT_EQ(PathName::FindParentSeparator(TXT("\\A\\")), 0);
    EXPECT_EQ(PathName::FindParentSeparator(TXT("\\")), -1);
    EXPECT_EQ(PathName::FindParentSeparator(TXT("")), -1);
    EXPECT_EQ(PathName::FindParentSeparator(TXT("/A/B/")), -1);
}

TEST(PathNameTest, RelativeFolderResolvesBelowTheBaseOnItsDrive) {
    PathName path;
    ASSERT_TRUE(path.SetPath(TXT("Data\\stars.txt")));
    ASSERT_TRUE(path.ResolvePathAgainstFolder(TXT("C:\\Prog")));
    EXPECT_EQ(Utf8(path.ComposePath()), "C:\\Prog\\Data\\stars.txt");

    PathName absolute;
    ASSERT_TRUE(absolute.SetPath(TXT("D:\\Other\\x.gph")));
    ASSERT_TRUE(absolute.ResolvePathAgainstFolder(TXT("C:\\Prog")));
    EXPECT_EQ(Utf8(absolute.ComposePath()), "D:\\Other\\x.gph");
}

TEST(PathNameTest, SetPathDirectoryKeepsTheFileName) {
    PathName path;
    ASSERT_TRUE(path.SetPath(TXT("C:\\Old\\graph.gph")));
    ASSERT_TRUE(path.SetPathDirectory(TXT("E:/New/Place")));
    EXPECT_EQ(Utf8(path.ComposePath()), "E:\\New\\Place\\graph.gph");
}

// Each change must drop exactly the cached forms that depend on it.
TEST(PathNameTest, CachesFollowEveryChange) {
    PathName path;
    ASSERT_TRUE(path.SetPath(TXT("C:\\A\\one.txt")));
    EXPECT_EQ(Utf8(path.ComposePath()), "C:\\A\\one.txt");
    EXPECT_EQ(Utf8(path.GetPathFolder()), "\\A");
    EXPECT_EQ(Utf8(path.GetPathFileName()), "one.txt");

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
}

TEST(PathNameTest, CopiesAreIndependent) {
    PathName original;
    ASSERT_TRUE(original.SetPath(TXT("C:\\A\\f.txt")));
    original.ComposePath();
    PathName copy = original;
    ASSERT_TRUE(copy.SetPathFileName(TXT("g.txt")));
    EXPECT_EQ(Utf8(original.ComposePath()), "C:\\A\\f.txt");
    EXPECT_EQ(Utf8(copy.ComposePath()), "C:\\A\\g.txt");
}

// Parts are bounded; a text that does not fit is refused whole.
class PathOverflowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(path_.SetPath(TXT("C:\\Keep\\me.txt"))); }
    void ExpectUnchanged() {
        EXPECT_EQ(Utf8(path_.ComposePath()), "C:\\Keep\\me.txt");
    }
    static std::basic_string<Char> Run(int length, Char c) {
        return std::basic_string<Char>(static_cast<std::size_t>(length), c);
    }
    PathName path_;
};

TEST_F(PathOverflowTest, OverlongPartsAreRefusedAndTheValueKept) {
    const auto longFolder = TXT("C:\\") + Run(300, 'f') + TXT("\\x.txt");
    EXPECT_FALSE(path_.SetPath(longFolder.c_str()));
    ExpectUnchanged();

    const auto longName = Run(257, 'n') + TXT(".txt");
    EXPECT_FALSE(path_.SetPathFileName(longName.c_str()));
    ExpectUnchanged();

    EXPECT_FALSE(path_.SetPathWithSeparator(Run(256, 'w').c_str()));
    ExpectUnchanged();

    EXPECT_FALSE(path_.SetPathDirectory((TXT("C:\\") + Run(290, 'd')).c_str()));
    ExpectUnchanged();
}

TEST_F(PathOverflowTest, AppendStopsAtTheFolderCapacity) {
    const auto name = Run(150, 'a');
    EXPECT_TRUE(path_.AppendPathFolder(name.c_str()));
    EXPECT_FALSE(path_.AppendPathFolder(name.c_str()));
    EXPECT_EQ(Utf8(path_.Folder()), "\\Keep\\" + Utf8(name.c_str()) + "\\");
}

TEST_F(PathOverflowTest, FullLengthPartsComposeWithoutLoss) {
    // Folder of exactly 256 characters, name and extension of 256 each.
    const auto folder = TXT("\\") + Run(254, 'f') + TXT("\\");
    const auto file = Run(256, 'n') + TXT(".") + Run(255, 'e');
    ASSERT_TRUE(path_.SetPathWithSeparator(folder.c_str()));
    ASSERT_TRUE(path_.SetPathFileName(file.c_str()));
    EXPECT_EQ(Utf8(path_.ComposePath()), "C:" + Utf8(folder.c_str()) + Utf8(file.c_str()));
    Char removed[PathName::kPathPartMax + 1];
    ASSERT_TRUE(path_.RemovePathLastFolder(removed));
    EXPECT_EQ(TextLength(removed), 254);
}

}  // namespace
}  // namespace corvinata
