#include "base/magnitude_text.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

TEST(MagnitudeText, SignsAndPlaceholder) {
    const std::pair<double, const char*> cases[] = {
        {1.234, "+1.2m"}, {-0.5, "-0.5m"}, {0.0, "0.0m"}, {kNoMagnitude, "-.-m"}};
    for (const auto& [magnitude, text] : cases) {
        String out;
        FormatMagnitude(magnitude, out, 1);
        EXPECT_EQ(Utf8(out), text);
    }
}

}  // namespace
}  // namespace corvinata
