#include "catalog/user_locations.h"

#include <gtest/gtest.h>

#include "base/memory_storage.h"
#include "catalog/location_record_testing.h"

namespace corvinata {
namespace {

using test::MakePlace;

const Char kKey[] = TXT("Software\\CorvinataTests\\Places\\User defined locations");

class UserLocationsTest : public ::testing::Test {
protected:
    UserLocations NewStore() {
        return UserLocations(storage_, String(TXT("\\Software\\CorvinataTests\\Places")), format_);
    }
    MemoryStorageService storage_;
    test::PlainLocationFormat format_;
};

TEST_F(UserLocationsTest, TwelvePlacesKeepTheirNumericOrder) {
    EXPECT_TRUE(NewStore().UserLocationEntries().empty());
    test::ExpectTwelvePlacesSurvive([this] { return NewStore(); });
}

TEST_F(UserLocationsTest, DeletionLeavesNoGapAndLoadHappensOnce) {
    UserLocations store = NewStore();
    for (const char* town : {"A", "B", "C"}) store.AddUserLocation(MakePlace(town, "X", 1));
    store.DeleteUserLocation(MakePlace("B", "X", 99));
    ASSERT_TRUE(store.SaveUserLocations());
    UserLocations reread = NewStore();
    EXPECT_NE(reread.FindUserLocationByKey(TXT("C, X")), nullptr);
    storage_.CreateRegistryNode(RegistryHive::CurrentUser, kKey)->DeleteTree();
    EXPECT_EQ(reread.UserLocationEntries().rbegin()->first, 1);
}

// A second place of the same name could never be told apart or deleted
// alone; a place named like a town of the table is the user's own.
TEST_F(UserLocationsTest, DuplicateNameIsRefusedAndCaseCounts) {
    UserLocations store = NewStore();
    ASSERT_EQ(store.AddUserLocation(MakePlace("London", "United Kingdom", 3.0)), 0);
    EXPECT_EQ(store.AddUserLocation(MakePlace("London", "United Kingdom", 7.0)), -1);
    EXPECT_EQ(store.FindUserLocation(TXT("LONDON"), TXT("United Kingdom")), nullptr);
    EXPECT_EQ(store.FindUserLocation(TXT("London"), TXT("United Kingdom"))
                  ->coordinates.longitude.degrees, 3.0);
}

// A saved key whose entries cannot be listed (a subkey name longer than any
// the settings take) must survive the shutdown.
TEST_F(UserLocationsTest, UnreadableSavedPlacesAreNotOverwritten) {
    UserLocations store = NewStore();
    store.AddUserLocation(MakePlace("A", "X", 1));
    ASSERT_TRUE(store.SaveUserLocations());
    MemoryRegistry& registry = storage_.Registry();
    const test::CharText longName(400, 'n');
    RegistryApi::Key key = nullptr, child = nullptr;
    ASSERT_TRUE(registry.OpenKey(registry.RootKey(RegistryHive::CurrentUser), kKey, key));
    ASSERT_TRUE(registry.CreateKey(key, longName.c_str(), child));
    registry.CloseKey(child);
    UserLocations damaged = NewStore();
    EXPECT_TRUE(damaged.UserLocationEntries().empty() && damaged.LoadFailed());
    EXPECT_FALSE(damaged.SaveUserLocations());
    registry.DeleteSubkey(key, longName.c_str());
    registry.CloseKey(key);
    EXPECT_NE(NewStore().FindUserLocation(TXT("A"), TXT("X")), nullptr);
}

}  // namespace
}  // namespace corvinata
