#include "base/file_replace.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace corvinata {
namespace {

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

bool Put(const wchar_t* path, const std::string& text) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE;
    CloseHandle(file);
    return ok;
}

std::string Get(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<none>";
    char buffer[64] = {};
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

class FileReplaceTest : public ::testing::Test {
protected:
    FileReplaceTest() : path(TempPath(L"cn-replace-test.gph")) { Put(path.c_str(), "old graph"); }
    ~FileReplaceTest() override { DeleteFileW(path.c_str()); }
    std::wstring path;
};

TEST_F(FileReplaceTest, FailedWriteLeavesTheOldFileAndNoTemporaryOne) {
    EXPECT_FALSE(WriteFileReplacing(path.c_str(), [](const wchar_t* at) {
        Put(at, "half");
        return false;
    }));
    EXPECT_EQ(Get(path), "old graph");
    EXPECT_EQ(Get(path + L".saving"), "<none>");
}

TEST_F(FileReplaceTest, SuccessfulWriteTakesTheOldFilesPlace) {
    EXPECT_TRUE(WriteFileReplacing(path.c_str(), [](const wchar_t* at) { return Put(at, "new graph"); }));
    EXPECT_EQ(Get(path), "new graph");
    EXPECT_EQ(Get(path + L".saving"), "<none>");
}

}  // namespace
}  // namespace corvinata
