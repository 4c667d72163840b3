// Graph files through the Windows storage service: the golden files the
// native build compares with are written and read here too, and a save
// that fails leaves the old file on the disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/storage_service_win.h"
#include "documents/graph_test_support.h"

namespace corvinata {
namespace {

using test::Utf8;

class GraphFileWinTest : public test::GraphTest {
protected:
    GraphFileWinTest() {
        wchar_t temp[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        folder_ = std::wstring(temp, length) + L"cn-graphs-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    ~GraphFileWinTest() override {
        for (const wchar_t* name : {L"g.gph", L"g.gph.saving", L"g.xml", L"read.gph"}) {
            const std::wstring path = folder_ + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
        RemoveDirectoryW(folder_.c_str());
    }
    String PathOf(const wchar_t* name) const { return String((folder_ + L"\\" + name).c_str()); }
    std::string Bytes(const String& path) {
        auto file = win.CreateBinaryFile(path);
        if (!file->Open(FileOpenMode::Read)) return "<missing>";
        std::string bytes(file->GetSize(), '\0');
        return bytes.empty() || file->ReadExactly(bytes.data(), static_cast<std::uint32_t>(bytes.size()))
                   ? bytes
                   : "<unreadable>";
    }
    bool ReadWin(const std::string& bytes, GraphDocument& document) {
        const String path = PathOf(L"read.gph");
        auto out = win.CreateBinaryFile(path);
        EXPECT_TRUE(out->Create(false) && out->Truncate() &&
                    out->Write(bytes.data(), static_cast<std::uint32_t>(bytes.size())) && out->Close());
        auto in = win.CreateBinaryFile(path);
        EXPECT_TRUE(in->Open(FileOpenMode::Read));
        GraphFileFlags flags;
        return OpenGraphFile(*in, document, flags);
    }

    Win32StorageService win;
    std::wstring folder_;
};

TEST_F(GraphFileWinTest, WritesTheGoldenBytesAndReadsTheNativeOnes) {
    const String path = PathOf(L"g.gph");
    auto empty = NewDocument();
    ASSERT_TRUE(SaveGraphFile(*empty, win, path));
    EXPECT_TRUE(Bytes(path) == test::ReadGolden("empty.gph"));
    auto two = TwoLineDocument();
    ASSERT_TRUE(SaveGraphFile(*two, win, path));  // over the first, shorter one
    EXPECT_TRUE(Bytes(path) == test::ReadGolden("two_lines.gph"));
    EXPECT_EQ(Bytes(TemporaryPathFor(path)), "<missing>");

    for (const char* golden : {"two_lines.gph", "version_119.gph"}) {
        auto read = NewDocument();
        ASSERT_TRUE(ReadWin(test::ReadGolden(golden), *read)) << golden;
        EXPECT_EQ(read->LineCount(), 2) << golden;
    }
    auto read = NewDocument();
    ASSERT_TRUE(ReadWin(test::ReadGolden("two_lines.gph"), *read));
    EXPECT_EQ(Utf8(read->GetGraphLine(0)->body.name), "Moon");
    EXPECT_EQ(read->GetGraphLine(0)->values[365], 365 * 0.25 - 45.0);
}

TEST_F(GraphFileWinTest, FailedSaveLeavesTheOldFileOnDisk) {
    const String path = PathOf(L"g.gph");
    auto two = TwoLineDocument();
    ASSERT_TRUE(SaveGraphFile(*two, win, path));
    const std::string old = Bytes(path);
    auto empty = NewDocument();
    for (const std::uint32_t at : {0u, 1u, 150u, 290u}) {
        test::FailingStorage failing(win, at);
        EXPECT_FALSE(SaveGraphFile(*empty, failing, path)) << at;
        EXPECT_TRUE(Bytes(path) == old) << at;
        EXPECT_EQ(Bytes(TemporaryPathFor(path)), "<missing>") << at;
    }
    // A file the user may not replace stays as it is.
    ASSERT_TRUE(SetFileAttributesW(path.Text(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SaveGraphFile(*empty, win, path));
    EXPECT_TRUE(Bytes(path) == old);
    EXPECT_EQ(Bytes(TemporaryPathFor(path)), "<missing>");
}

TEST_F(GraphFileWinTest, XmlExportThroughTheDisk) {
    const String path = PathOf(L"g.xml");
    auto two = TwoLineDocument();
    ASSERT_TRUE(SaveGraphFile(*two, win, path));
    const std::string xml = Bytes(path);
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", 0), 0u);
    EXPECT_NE(xml.find("<Name>Phase \xC3\xA9t\xC3\xA9</Name>"), std::string::npos);
    EXPECT_EQ(xml.substr(xml.size() - 10), "</Graph>\r\n");
}

}  // namespace
}  // namespace corvinata
