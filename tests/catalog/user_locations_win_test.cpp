// The user's places and the country outlines on the real platform: the
// places through the registry, the outlines from the copy of the shipped
// file that the build puts beside this program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/storage_service_win.h"
#include "catalog/country_shapes.h"
#include "catalog/location_record_testing.h"
#include "catalog/user_locations.h"

namespace corvinata {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\CorvinataTests\\UserLocations";

void DeleteKeyTree(HKEY parent, const std::wstring& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS) return;
    wchar_t child[256];
    DWORD length = 256;
    while (RegEnumKeyExW(opened, 0, child, &length, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS) {
        DeleteKeyTree(opened, child);
        length = 256;
    }
    RegCloseKey(opened);
    RegDeleteKeyW(parent, name.c_str());
}

class RegistryUserLocationsTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteKeyTree(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kTestKey); }

    UserLocations NewStore() {
        return UserLocations(storage_, String((std::wstring(L"\\") + kTestKey).c_str()), format_);
    }

    Win32StorageService storage_;
    test::PlainLocationFormat format_;
};

TEST_F(RegistryUserLocationsTest, TwelvePlacesSurviveTheRegistryInOrder) {
    UserLocations first = NewStore();
    for (int i = 0; i < 12; ++i) {
        const std::string town = "Place " + std::to_string(i);
        ASSERT_EQ(first.AddUserLocation(test::MakePlace(town.c_str(), "Here", -i * 10.5)), i);
    }
    ASSERT_TRUE(first.SaveUserLocations());
    UserLocations second = NewStore();
    int expected = 0;
    for (const auto& [number, place] : second.UserLocationEntries()) {
        const std::string town = "Place " + std::to_string(expected);
        EXPECT_TRUE(LocationEqual(place, test::MakePlace(town.c_str(), "Here", -expected * 10.5)))
            << number;
        ++expected;
    }
    EXPECT_EQ(expected, 12);
}

TEST(CountryShapesBesideProgram, ReadsTheShippedFile) {
    wchar_t module[MAX_PATH + 1] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, module, MAX_PATH), 0u);
    PathName program;
    ASSERT_TRUE(program.SetPath(module));
    Win32StorageService storage;
    CountryShapes shapes;
    EXPECT_TRUE(shapes.LoadCountryShapes(storage, program, nullptr));
    EXPECT_EQ(shapes.Count(), 286);
}

}  // namespace
}  // namespace corvinata
