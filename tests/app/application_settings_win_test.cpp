#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/scoped_win.h"
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
    std::string StoredText(const Char* key, const Char* name) {
        String text;
        const String path((std::wstring(root.Text()) + L"\\" + key).c_str());
        ReadStringSettingAtPath(RegistryHive::CurrentUser, path.Text(), name, L"<none>", false, text);
        return test::Utf8(text);
    }

    // The key as the system's own reg tool exports it (UTF-16 text).
    std::wstring Export() {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        const std::wstring file = std::wstring(folder) + L"corvinata-export.reg";
        std::wstring command = L"reg.exe export \"HKEY_CURRENT_USER" + std::wstring(root.Text()) + L"\" \"" + file + L"\" /y";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                            &startup, &process)) {
            return L"";
        }
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ScopedFileHandle in(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        std::wstring text(in.IsValid() ? GetFileSize(in.Get(), nullptr) / 2 : 0, L'\0');
        DWORD read = 0;
        if (!text.empty()) ReadFile(in.Get(), &text[0], static_cast<DWORD>(text.size() * 2), &read, nullptr);
        in.Close();
        DeleteFileW(file.c_str());
        return text;
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
    const std::wstring exported = Export();
    const std::wstring hive = L"[HKEY_CURRENT_USER" + std::wstring(root.Text());
    for (const test::StoredNames& names : test::SampleSessionNames()) {
        const std::wstring key = *names.key ? hive + L"\\" + test::Wide(names.key) + L"]" : hive + L"]";
        const std::size_t section = exported.find(key + L"\r\n");
        ASSERT_NE(section, std::wstring::npos) << names.key;
        const std::wstring body = exported.substr(section, exported.find(L"\r\n[", section + 1) - section);
        for (const char* value : names.values) {
            EXPECT_NE(body.find(L"\r\n\"" + test::Wide(value) + L"\"="), std::wstring::npos) << names.key << " : " << value;
        }
    }
}

// A cleared "Save options when terminating" is written alone: the display
// values keep what the settings held (Degrees, Decimal, English).
TEST_F(RegistryApplicationSettingsTest, DisplayValuesAreWrittenOnlyWhileTheSaveFlagIsSet) {
    struct Case {
        bool save;
        const char *raUnit, *degreeBase, *language;
    };
    const Case cases[] = {{false, "Degrees", "Decimal", "English"}, {true, "Hours", "Sexagesimal", "Latin"}};
    for (const Case& c : cases) {
        Remove();
        test::WholeSettings session;
        {
            SettingsTree empty(storage, root);
            test::FillSampleSession(session, empty);
        }
        ASSERT_TRUE(test::SaveWholeSettings(storage, root, session));
        GeneralOptions& general = session.options.general;
        general.raDisplayUnit = 1;
        general.angleDegreeBase = 0;
        general.constellationLanguage = 0;
        general.saveOptionsOnExit = c.save;
        test::SaveWholeSettings(storage, root, session);
        const Char* key = TXT("Appearance Options");
        EXPECT_EQ(StoredText(key, TXT("RA display unit")), c.raUnit) << c.save;
        EXPECT_EQ(StoredText(key, TXT("Angle degree base")), c.degreeBase) << c.save;
        EXPECT_EQ(StoredText(key, TXT("Language for constellation names")), c.language) << c.save;
        test::WholeSettings next;
        test::LoadWholeSettings(storage, root, next);
        EXPECT_EQ(next.options.general.saveOptionsOnExit, c.save);
    }
}

}  // namespace
}  // namespace corvinata
