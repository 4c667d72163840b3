#include <windows.h>

#include <gtest/gtest.h>

#include "support/catalogues.h"

#include <memory>
#include <string>

#include "base/storage_service_win.h"
#include "support/fake_product.h"
#include "support/settings_round_trip.h"

namespace corvinata {
namespace {

// The records go to a private key of the tests, removed before and after.
class WindowsRegistrySettingsTest : public ::testing::Test {
protected:
    test::ScopedCatalogues catalogues_;  // body identifiers name real objects
    WindowsRegistrySettingsTest()
        : root((L"\\Software\\CorvinataTests\\Settings-" + std::to_wstring(GetCurrentProcessId()))
                   .c_str()) {
        Remove();
    }
    ~WindowsRegistrySettingsTest() override { Remove(); }

    void Remove() {
        auto node = storage.CreateRegistryNode(RegistryHive::CurrentUser, root.Text());
        node->DeleteTree();
    }

    Win32StorageService storage;
    test::FakeProductInfo product{storage};
    ScopedApplicationServices services{&product, nullptr};
    String root;
};

TEST_F(WindowsRegistrySettingsTest, SharedRecordsReadBackFieldByField) {
    test::ExpectSharedRecordsRoundTrip(storage, root);
}

TEST_F(WindowsRegistrySettingsTest, WindowRecordsReadBackFieldByField) {
    test::ExpectWindowRecordsRoundTrip(storage, root);
}

}  // namespace
}  // namespace corvinata
