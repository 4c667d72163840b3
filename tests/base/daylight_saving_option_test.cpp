#include "base/daylight_saving_option.h"

#include <gtest/gtest.h>

#include "base/memory_storage.h"
#include "base/services.h"
#include "base/storage_test_support.h"
#include "support/fake_product.h"
#include "support/null_storage.h"

namespace corvinata {
namespace {

class DaylightSavingQuery : public storage_test::MemoryServicesTest {};

TEST_F(DaylightSavingQuery, StoresThePlatformAnswerInTheOption) {
    DaylightSavingOption option;
    for (bool active : {true, false}) {
        Storage().SetDaylightSavingTime(active);
        EXPECT_EQ(QueryDaylightSavingActive(option), active);
        EXPECT_EQ(IsDaylightSavingActive(option), active);
    }
}

TEST(DaylightSavingQueryRegression, MissingSystemInfoAnswersStandardTime) {
    test::NullStorageService storage;
    test::FakeProductInfo product(storage);
    ScopedApplicationServices services(&product, nullptr);
    DaylightSavingOption option;
    SetDaylightSavingActive(option, true);
    EXPECT_FALSE(QueryDaylightSavingActive(option));
    EXPECT_FALSE(IsDaylightSavingActive(option));
}

}  // namespace
}  // namespace corvinata
