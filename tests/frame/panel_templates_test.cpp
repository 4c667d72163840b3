// The control panels' templates come from the program's resources with
// every item their panels address.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/custom_controls_setup.h"
#include "views/eclipse_panel_win.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class PanelTemplatesTest : public test::FrameTest {
protected:
    PanelTemplatesTest() { Start(); }
};

TEST_F(PanelTemplatesTest, SolarEclipsePanelHasEveryItem) {
    CustomControlsSession controls(GetModuleHandleW(nullptr), app_->Controls());
    HWND panel = CreateDialogParamW(GetModuleHandleW(nullptr), L"DLG_CTRL_SEC",
                                    frame_->PaneWindow(CMD_VIEW_CONTROL_PANEL), &PlainDialog, 0);
    ASSERT_NE(panel, nullptr);
    for (int id : std::initializer_list<int>{kSearchedDateItem, kEclipseTypeItem, kPhaseSentenceItem, kPhaseTemplateItem, kDurationTemplateItem,
                   kLongitudePickerItem, kLatitudePickerItem, kApplyLocationItem, kLocationZoneItem, kBrowseDateItem,
                   kBrowseTimeItem, kBrowseUtLabelItem, kBrowseLocalItem, kMagnitudeLabelItem, kMagnitudeItem,
                   kMaximumAltitudeLabelItem, kMaximumAltitudeItem, kDurationLabelItem, kDurationItem, kWidthLabelItem,
                   kWidthItem, kCentreLongitudeItem, kCentreLatitudeItem, kLongitudeSpinnerItem, kLatitudeSpinnerItem,
                   kZoomTrackbarItem, kResetMapItem, kPathItem, kLocationItem, kGoToDateItem, kGoToItem,
                   static_cast<int>(kStepCountItem), static_cast<int>(kStepUnitItem),
                   static_cast<int>(kTimeSpinnerItem), static_cast<int>(kResetTimeItem)}) {
        EXPECT_NE(GetDlgItem(panel, id), nullptr) << id;
    }
    for (const EclipseContactItems& row : kEclipseContactItems) {
        for (int id : {row.label, row.link, row.altitudeLabel, row.altitude}) EXPECT_NE(GetDlgItem(panel, id), nullptr) << id;
    }
    wchar_t text[64] = {};
    GetDlgItemTextW(panel, kResetMapItem, text, 64);
    EXPECT_EQ(test::Utf8(text), "&0\u00B0/0\u00B0");
    GetDlgItemTextW(panel, kPhaseTemplateItem, text, 64);
    EXPECT_EQ(test::Utf8(text), "% phase begins %, ends %");
    DestroyWindow(panel);
}

}  // namespace
}  // namespace corvinata
