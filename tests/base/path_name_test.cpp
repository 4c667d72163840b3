#include "base/path_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/storage_test_support.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

std::basic_string<Char> Repeat(int length, Char c) {
    return std::basic_string<Char>(static_cast<std::size_t>(length), c);
}

// Every composed form at once: folder, file name, directory and whole path.
std::string Forms(const PathName& path) {
    return Utf8(path.GetPathFolder()) + "|" + Utf8(path.GetPathFileName()) + "|" +
           Utf8(path.GetPathDirectoryWithSeparator()) + "|" + Utf8(path.ComposePath());
}

TEST(PathNameTest, SplitsIntoPartsAndComposesBack) {
    const struct {
        const char *path, *parts;  // drive|folder|name|extension
    } cases[] = {
        {"C:/Data/file.txt", "C:|\\Data\\|file|.txt"},
        {"C:\\Prog\\archive.tar.gz", "C:|\\Prog\\|archive.tar|.gz"},
        {"\\A\\.hidden", "|\\A\\||.hidden"},
        {"C:file", "C:||file|"},
        {"dir.v2/name", "|dir.v2\\|name|"},
    };
    for (const auto& c : cases) {
        PathName path;
        ASSERT_TRUE(path.SetPath(Wide(c.path).c_str())) << c.path;
        EXPECT_EQ(Utf8(path.Drive()) + "|" + Utf8(path.Folder()) + "|" + Utf8(path.Name()) + "|" +
                      Utf8(path.Extension()), c.parts);
        std::string composed = c.path;
        std::replace(composed.begin(), composed.end(), '/', '\\');
        EXPECT_EQ(Utf8(path.ComposePath()), composed);
    }
}

TEST(PathNameTest, FoldersJoinWithOneSeparatorAndWalkUpToTheRoot) {
    PathName path;
    ASSERT_TRUE(path.SetPathWithSeparator(TXT("")));
    EXPECT_TRUE(Utf8(path.Folder()) == "\\" && path.IsRootFolder());
    EXPECT_EQ(Utf8(path.GetPathFolder()), "");

    ASSERT_TRUE(path.SetPathWithSeparator(TXT("\\A")));
    for (const Char* name : {TXT("B"), TXT("\\C"), TXT("D\\")}) {
        ASSERT_TRUE(path.AppendPathFolder(name));
    }
    EXPECT_EQ(Utf8(path.Folder()), "\\A\\B\\C\\D\\");
    Char removed[PathName::kPathPartMax + 1];
    for (const char* last : {"D", "C", "B", "A"}) {
        ASSERT_TRUE(path.RemovePathLastFolder(removed));
        EXPECT_EQ(Utf8(removed), last);
    }
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
    EXPECT_EQ(Forms(path), "\\A|one.txt|C:\\A\\|C:\\A\\one.txt");
    const PathName original = path;
    ASSERT_TRUE(path.SetPathFileName(TXT("two.dat")));
    EXPECT_EQ(Forms(path), "\\A|two.dat|C:\\A\\|C:\\A\\two.dat");
    ASSERT_TRUE(path.AppendPathFolder(TXT("B")));
    EXPECT_EQ(Forms(path), "\\A\\B|two.dat|C:\\A\\B\\|C:\\A\\B\\two.dat");
    ASSERT_TRUE(path.RemovePathLastFolder());
    EXPECT_EQ(Forms(path), "\\A|two.dat|C:\\A\\|C:\\A\\two.dat");
    EXPECT_EQ(Forms(original), "\\A|one.txt|C:\\A\\|C:\\A\\one.txt");
}

// Parts are bounded; a text that does not fit is refused whole, while parts
// of exactly the longest length compose without loss.
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

    // Folder of exactly 256 characters, name and extension of 256 each.
    const auto folder = TXT("\\") + Repeat(254, 'f') + TXT("\\");
    const auto file = Repeat(256, 'n') + TXT(".") + Repeat(255, 'e');
    ASSERT_TRUE(path.SetPathWithSeparator(folder.c_str()) && path.SetPathFileName(file.c_str()));
    EXPECT_EQ(Utf8(path.ComposePath()), "C:" + Utf8(folder.c_str()) + Utf8(file.c_str()));
}

}  // namespace
}  // namespace corvinata
