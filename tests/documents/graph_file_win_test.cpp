// Graph files through the Windows storage service: the golden files the
// native build compares with are written and read here too, and a save
// that fails leaves the old file on the disk.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/storage_service_win.h"
#include "documents/graph_test_support.h"

namespace corvinata {
namespace {

class GraphFileWinTest : public test::GraphTest {
protected:
    GraphFileWinTest() {
        wchar_t temp[MAX_PATH + 1];
        folder_ = std::wstring(temp, GetTempPathW(MAX_PATH + 1, temp)) + L"cn-graphs";
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    ~GraphFileWinTest() override {
        for (const wchar_t* name : {L"\\g.gph", L"\\g.xml"}) {
            SetFileAttributesW((folder_ + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((folder_ + name).c_str());
        }
        RemoveDirectoryW(folder_.c_str());
    }
    String PathOf(const wchar_t* name) const { return String((folder_ + name).c_str()); }
    std::string Bytes(const String& path) {
        auto file = win.CreateBinaryFile(path);
        std::string bytes(file->Open(FileOpenMode::Read) ? file->GetSize() : 0, '\0');
        return file->IsOpen() && file->ReadExactly(bytes.data(), static_cast<std::uint32_t>(bytes.size()))
                   ? bytes
                   : "<missing>";
    }

    Win32StorageService win;
    std::wstring folder_;
};

TEST_F(GraphFileWinTest, WritesTheGoldenBytesReadsThemAndKeepsTheOldFileOnFailure) {
    const String path = PathOf(L"\\g.gph");
    auto empty = NewDocument();
    ASSERT_TRUE(SaveGraphFile(*empty, win, path));
    EXPECT_TRUE(Bytes(path) == test::ReadGolden("empty.gph"));
    ASSERT_TRUE(SaveGraphFile(*TwoLineDocument(), win, path));  // over a shorter file
    const std::string two = Bytes(path);
    EXPECT_TRUE(two == test::ReadGolden("two_lines.gph"));

    auto file = win.CreateBinaryFile(path);
    auto read = NewDocument();
    GraphFileFlags flags;
    ASSERT_TRUE(file->Open(FileOpenMode::Read) && OpenGraphFile(*file, *read, flags));
    file->Close();
    EXPECT_EQ(read->GetGraphLine(0)->values[365], 365 * 0.25 - 45.0);

    // Wine replaces read-only files where Windows refuses: the service refuses.
    ASSERT_TRUE(SetFileAttributesW(path.Text(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SaveGraphFile(*empty, win, path));
    EXPECT_TRUE(Bytes(path) == two);
    EXPECT_EQ(Bytes(TemporaryPathFor(path)), "<missing>");

    const String xml = PathOf(L"\\g.xml");
    ASSERT_TRUE(SaveGraphFile(*read, win, xml));
    EXPECT_NE(Bytes(xml).find("<Name>Phase ?t?</Name>"), std::string::npos);
}

}  // namespace
}  // namespace corvinata
