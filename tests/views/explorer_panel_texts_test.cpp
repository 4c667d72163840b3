#include "views/explorer_panel_texts.h"

#include <gtest/gtest.h>

#include "base/angle_value.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

TEST(ExplorerPanelTexts, MoonCoordinatesAndTiltsAsThePanelShowsThem) {
    const struct {
        double value;
        const char* text;
    } coordinates[] = {{1.5, "+1.5"}, {-2.25, "-2.25"}, {0.0, "0"}, {-0.004, "0"}, {-26.347, "-26.35"}, {3.999, "+4"}};
    for (const auto& c : coordinates) EXPECT_EQ(Utf8(ExplorerCoordinateText(c.value)), c.text) << c.value;
    const struct {
        double degrees;
        int style;
        const char* text;
    } tilts[] = {{26.75, kAngleSexagesimal, "26\u00B045'"}, {-0.25, kAngleSexagesimal, "-0\u00B015'"},
                 {350.0, kAngleSexagesimal, "-10\u00B000'"}, {-0.001, kAngleSexagesimal, "0\u00B000'"},
                 {190.0, kAngleDecimal, "-170.00\u00B0"}};
    for (const auto& c : tilts) EXPECT_EQ(Utf8(ExplorerTiltText(c.degrees, c.style)), c.text) << c.degrees;
}

TEST(ExplorerPanelTexts, EachPairOfSwapsNamesItsInstrument) {
    EXPECT_NE(Utf8(ExplorerOrientationText(false, false)).find("upright and non-left/right reversed image, e.g. bino"),
              std::string::npos);
    EXPECT_NE(Utf8(ExplorerOrientationText(false, true)).find("upright but left/right reversed"), std::string::npos);
    EXPECT_NE(Utf8(ExplorerOrientationText(true, false)).find("upside-down but non-left/right"), std::string::npos);
    EXPECT_NE(Utf8(ExplorerOrientationText(true, true)).find("upside-down and left/right reversed image, e.g. an "
                                                             "astronomical telescope without"),
              std::string::npos);
}

}  // namespace
}  // namespace corvinata
