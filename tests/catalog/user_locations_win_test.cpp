// The user's places through the registry, and the country outlines from
// the copy of the shipped file that the build puts beside this program.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/storage_service_win.h"
#include "catalog/country_shapes.h"
#include "catalog/location_record_testing.h"

namespace corvinata {
namespace {

TEST(RegistryUserLocations, TwelvePlacesSurviveInOrder) {
    Win32StorageService storage;
    const String root(TXT("\\Software\\CorvinataTests\\UserLocations"));
    const auto key = storage.CreateRegistryNode(RegistryHive::CurrentUser, root.Text());
    ASSERT_TRUE(key->DeleteTree());
    test::PlainLocationFormat format;
    test::ExpectTwelvePlacesSurvive([&] { return UserLocations(storage, root, format); });
    EXPECT_TRUE(key->DeleteTree());
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
