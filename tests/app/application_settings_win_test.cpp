#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/storage_service_win.h"
#include "support/app_session.h"
#include "support/fake_product.h"

namespace corvinata {
namespace {

// The session goes to a private key of the tests, removed before and after.
class RegistryApplicationSettingsTest : public ::testing::Test {
protected:
    RegistryApplicationSettingsTest()
        : root((L"\\Software\\CorvinataTests\\Whole-" + std::to_wstring(GetCurrentProcessId())).c_str()) {
        Remove();
    }
    ~RegistryApplicationSettingsTest() override { Remove(); }

    void Remove() { storage.CreateRegistryNode(RegistryHive::CurrentUser, root.Text())->DeleteTree(); }

    // The key's export by the system's own reg tool, as (key, value name)
    // pairs with the key relative to the root.
    std::set<std::pair<std::wstring, std::wstring>> ExportedNames() {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        const std::wstring file = std::wstring(folder) + L"corvinata-export.reg";
        const std::wstring hive = L"HKEY_CURRENT_USER" + std::wstring(root.Text());
        std::wstring command = L"reg.exe export \"" + hive + L"\" \"" + file + L"\" /y";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        std::set<std::pair<std::wstring, std::wstring>> names;
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                            nullptr, &startup, &process)) {
            ADD_FAILURE() << "reg.exe did not start";
            return names;
        }
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        std::wstring text;
        if (HANDLE in = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            in != INVALID_HANDLE_VALUE) {
            std::vector<wchar_t> buffer(GetFileSize(in, nullptr) / sizeof(wchar_t) + 1);
            DWORD read = 0;
            ReadFile(in, buffer.data(), static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t)), &read,
                     nullptr);
            CloseHandle(in);
            text.assign(buffer.data(), read / sizeof(wchar_t));
        }
        DeleteFileW(file.c_str());
        std::wstring section;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find(L'\n', start);
            if (end == std::wstring::npos) end = text.size();
            std::wstring line = text.substr(start, end - start);
            start = end + 1;
            if (!line.empty() && line.back() == L'\r') line.pop_back();
            if (line.size() > hive.size() + 1 && line.front() == L'[' && line.compare(1, hive.size(), hive) == 0) {
                section = line.substr(hive.size() + 1, line.size() - hive.size() - 2);
                if (!section.empty() && section.front() == L'\\') section.erase(0, 1);
                names.insert({section, L""});
            } else if (line.size() > 1 && line.front() == L'"') {
                names.insert({section, line.substr(1, line.find(L"\"=") - 1)});
            }
        }
        return names;
    }

    Win32StorageService storage;
    test::FakeProductInfo product{storage};
    ScopedApplicationServices services{&product, nullptr};
    String root;
};

TEST_F(RegistryApplicationSettingsTest, WholeTreeReadsBackFieldByField) {
    test::ExpectWholeSettingsRoundTrip(storage, root);
}

TEST_F(RegistryApplicationSettingsTest, ExportShowsEveryKeyAndValueNameAsWritten) {
    test::WholeSettings session;
    {
        SettingsTree empty(storage, root);
        test::FillSampleSession(session, empty);
    }
    ASSERT_TRUE(test::SaveWholeSettings(storage, root, session));
    const auto exported = ExportedNames();
    ASSERT_FALSE(exported.empty());
    for (const test::StoredName& name : test::SampleSessionNames()) {
        const test::CharText keyText = test::Wide(name.key);
        const test::CharText valueText = test::Wide(name.value);
        const std::wstring key(keyText.begin(), keyText.end());
        const std::wstring value(valueText.begin(), valueText.end());
        EXPECT_EQ(exported.count({key, value}), 1u) << name.key << " : " << name.value;
    }
}

}  // namespace
}  // namespace corvinata
