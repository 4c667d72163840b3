#include "app/start_location.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

struct StartPlaceCase {
    const char* name;
    bool userDefined;
    const Char* country;
    const Char* town;
    bool replaced;
};

class StartLocationTest : public ::testing::TestWithParam<StartPlaceCase> {};

TEST_P(StartLocationTest, KeepsWhatCanBeFoundElseLondon) {
    LocationOptions options;
    options.userDefined = GetParam().userDefined;
    options.location.country = GetParam().country;
    options.location.town = GetParam().town;
    EXPECT_EQ(UseDefaultLocationIfUnknown(options), GetParam().replaced) << GetParam().name;
    if (GetParam().replaced) {
        EXPECT_FALSE(options.userDefined);
        EXPECT_EQ(Utf8(options.location.town), "London");
        EXPECT_EQ(Utf8(options.location.country), "United Kingdom");
        EXPECT_NEAR(options.location.coordinates.latitude.GetValue(), 51.5, 0.1);
    } else {
        EXPECT_EQ(options.location.town, String(GetParam().town));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, StartLocationTest,
    ::testing::Values(StartPlaceCase{"first run", true, TXT(""), TXT(""), true},
                      StartPlaceCase{"own place", true, TXT("Nowhere"), TXT("My garden"), false},
                      StartPlaceCase{"known town", false, TXT("Germany"), TXT("Berlin"), false},
                      StartPlaceCase{"town gone from the table", false, TXT("Germany"), TXT("Atlantis"), true}));

}  // namespace
}  // namespace corvinata
