#include "base/storage_service_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "base/registry_root.h"
#include "base/scoped_win.h"
#include "base/storage_contract.h"

namespace corvinata::storage_test {
namespace {

// The tests' own key; everything below it is removed before and after each
// test, and nothing outside it is written.
constexpr wchar_t kTestKeyParent[] = L"Software\\CorvinataTests";

// Removes a key with its subkeys through the bare registry functions, so that
// the cleanup does not depend on the code under test.
void DeleteKeyTree(HKEY parent, const std::wstring& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS) return;
    wchar_t child[256];
    DWORD length = 256;
    for (int guard = 0; guard < 10000 && RegEnumKeyExW(opened, 0, child, &length, nullptr, nullptr,
                                                       nullptr, nullptr) == ERROR_SUCCESS;
         ++guard, length = 256) {
        DeleteKeyTree(opened, child);
    }
    RegCloseKey(opened);
    RegDeleteKeyW(parent, name.c_str());
}

// Removes a folder with everything in it, read-only files included.
void DeleteFolderTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    ScopedFindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
    for (bool more = search.IsValid(); more; more = FindNextFileW(search.Get(), &found) != 0) {
        const std::wstring name = found.cFileName, path = folder + L"\\" + name;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            DeleteFolderTree(path);
        } else {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    }
    search.Close();
    RemoveDirectoryW(folder.c_str());
}

class Win32Sandbox final : public StorageSandbox {
public:
    Win32Sandbox() {
        static int counter = 0;
        const std::wstring suffix =
            std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
        wchar_t temp[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        folder_ = std::wstring(temp, length) + L"cn-storage-" + suffix;
        CreateDirectoryW(folder_.c_str(), nullptr);
        keyName_ = std::wstring(kTestKeyParent) + L"\\Storage-" + suffix;
        DeleteKeyTree(HKEY_CURRENT_USER, keyName_);
    }
    ~Win32Sandbox() override {
        DeleteFolderTree(folder_);
        DeleteKeyTree(HKEY_CURRENT_USER, keyName_);
        RegDeleteKeyW(HKEY_CURRENT_USER, kTestKeyParent);  // only when no other test uses it
    }

    StorageService& Service() override { return service_; }
    String Folder() override { return String(folder_.c_str()); }
    String KeyRoot() override { return String((L"\\" + keyName_).c_str()); }
    bool MakeReadOnly(const Char* path) override {
        return SetFileAttributesW(path, FILE_ATTRIBUTE_READONLY) != 0;
    }

    const std::wstring& KeyName() const { return keyName_; }

private:
    Win32StorageService service_;
    std::wstring folder_;
    std::wstring keyName_;
};

INSTANTIATE_TEST_SUITE_P(Win32, StorageContractTest,
                         ::testing::Values(SandboxKind{
                             "Win32", [] { return std::unique_ptr<StorageSandbox>(
                                               std::make_unique<Win32Sandbox>()); }}),
                         SandboxName);

class Win32StorageTest : public ::testing::Test {
protected:
    Win32Sandbox sandbox_;
};

// Windows refuses a subkey text that begins with a backslash; the program's
// key paths all begin with one, so the node must strip it.
TEST_F(Win32StorageTest, RootPathWithLeadingBackslashPersists) {
    const std::wstring rooted = L"\\" + sandbox_.KeyName();
    HKEY raw = nullptr;
    EXPECT_NE(RegCreateKeyExW(HKEY_CURRENT_USER, rooted.c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    ScopedRegistryKey refused(raw);

    auto node = sandbox_.Service().CreateRegistryNode(RegistryHive::CurrentUser, rooted.c_str());
    ASSERT_TRUE(node->Create() && node->WriteDouble(L"Latitude", 51.5) &&
                node->WriteBool(L"Visible", true) && node->Close());

    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, sandbox_.KeyName().c_str(), 0, KEY_READ, &opened),
              ERROR_SUCCESS);
    ScopedRegistryKey key(opened);
    DWORD type = 0, size = 0;
    wchar_t data[32] = {};
    const auto query = [&](const wchar_t* name) {
        size = sizeof data;
        return RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data),
                                &size) == ERROR_SUCCESS;
    };
    ASSERT_TRUE(query(L"Visible"));
    EXPECT_TRUE(type == REG_DWORD && size == 4u && data[0] == 1 && data[1] == 0);
    ASSERT_TRUE(query(L"Latitude"));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(data), L"51.5");
    EXPECT_EQ(size, 10u);  // four characters and the terminator
}

TEST_F(Win32StorageTest, DaylightSavingAndShortDateFollowTheSystem) {
    TIME_ZONE_INFORMATION zone;
    const bool daylight = GetTimeZoneInformation(&zone) == TIME_ZONE_ID_DAYLIGHT;
    EXPECT_EQ(sandbox_.Service().CreateSystemInfo()->IsDaylightSavingTime(), daylight);

    auto clock = sandbox_.Service().CreateLocaleFormatter();
    String date(L"stale");
    EXPECT_FALSE(clock->ShortDate(date, 0));  // no date stored yet
    EXPECT_TRUE(date.IsEmpty());
    ASSERT_TRUE(clock->GetNow());
    EXPECT_GE(clock->year, 2000);
    clock->day = 11;                         // a day every month has
    ASSERT_TRUE(clock->ShortDate(date, 0));  // the date only, in the user's format
    EXPECT_NE(std::wstring(date.Text()).find(L"11"), std::wstring::npos);
    EXPECT_FALSE(clock->ShortDate(date, 1));
    EXPECT_TRUE(date.IsEmpty());
}

// A 32-bit count of seconds ends in January 2038; the clock must read on.
TEST_F(Win32StorageTest, ClockReadsMomentsAfter2038) {
    const SYSTEMTIME noon2040 = {2040, 6, 5, 15, 12, 0, 0, 0};
    FILETIME moment;
    ASSERT_TRUE(SystemTimeToFileTime(&noon2040, &moment));
    auto clock = sandbox_.Service().CreateLocaleFormatter();
    ASSERT_TRUE(StoreLocalTimeOf(
        (std::uint64_t{moment.dwHighDateTime} << 32) | moment.dwLowDateTime, *clock));
    EXPECT_TRUE(clock->year == 2040 && clock->month == 6 && clock->day >= 14 &&
                clock->day <= 16 && clock->hour >= 0 && clock->hour < 24)
        << clock->year << "-" << clock->month << "-" << clock->day << " " << clock->hour;
}

// A text file open in another program (an editor) stays readable and
// writable for both: the program shares what it reads for reading and
// writing, and what it writes for reading.
TEST_F(Win32StorageTest, TextFilesShareWithAnotherProgram) {
    const std::wstring path = std::wstring(sandbox_.Folder().Text()) + L"\\shared.txt";
    const auto openOther = [&path](DWORD access) {
        return ScopedFileHandle(CreateFileW(path.c_str(), access,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    const std::pair<FileOpenMode, DWORD> cases[] = {{FileOpenMode::Read, GENERIC_WRITE},
                                                    {FileOpenMode::Write, GENERIC_READ}};
    for (const auto& [mode, otherAccess] : cases) {
        auto file = sandbox_.Service().CreateTextFile(String(path.c_str()));
        ASSERT_TRUE(file->Create(true));
        const ScopedFileHandle before = openOther(otherAccess);
        EXPECT_TRUE(before.IsValid() && file->Open(mode)) << static_cast<int>(mode);
        EXPECT_TRUE(openOther(otherAccess).IsValid()) << static_cast<int>(mode);
    }
}

}  // namespace
}  // namespace corvinata::storage_test
