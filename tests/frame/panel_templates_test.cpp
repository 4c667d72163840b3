// The control panels' templates come from the program's resources with
// every item their panels address.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "controls/custom_controls_setup.h"
#include "views/eclipse_panel_win.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/drawn_pixels_win.h"
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

// How wide the dark ink of a control's first text line is in pixels a
// drawing of the control's height gives.
int InkWidth(HWND control, const std::vector<std::uint32_t>& pixels, int width) {
    RECT client{};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, font);
    ReleaseDC(control, dc);
    int first = width, last = -1;
    for (int y = 0; y < std::min<int>(metrics.tmHeight, client.bottom); ++y) {
        for (int x = 0; x < width; ++x) {
            if (!test::IsInk(pixels[static_cast<std::size_t>(y) * width + x])) continue;
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    return last - first + 1;
}

// As the control draws its text, and as the whole text on one line with
// room to spare is, in the control's font.
int ShownInkWidth(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return InkWidth(control, test::PrintedClient(control, client.right, client.bottom), client.right);
}

int WholeInkWidth(HWND control, const wchar_t* text) {
    RECT client{};
    GetClientRect(control, &client);
    constexpr int kRoom = 1000;
    const auto pixels = test::DrawnPixels(kRoom, client.bottom, [control, text](HDC dc) {
        RECT room{0, 0, kRoom, 100};
        PatBlt(dc, 0, 0, kRoom, 100, WHITENESS);
        HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, text, -1, &room, DT_SINGLELINE | DT_LEFT | DT_TOP);
        SelectObject(dc, font);
    });
    return InkWidth(control, pixels, kRoom);
}

// Every title and label of the panel shows its whole text, the longest
// maximum label ("Maximum contact (100%)") included: none is cut at its
// end or wrapped out of sight.
TEST_F(PanelTemplatesTest, SolarEclipsePanelShowsEveryTitleAndLabelWhole) {
    CustomControlsSession controls(GetModuleHandleW(nullptr), app_->Controls());
    HWND panel = CreateDialogParamW(GetModuleHandleW(nullptr), L"DLG_CTRL_SEC",
                                    frame_->PaneWindow(CMD_VIEW_CONTROL_PANEL), &PlainDialog, 0);
    ASSERT_NE(panel, nullptr);
    SetDlgItemTextW(panel, kMaximumLabelItem, L"Maximum contact (100%)");
    int checked = 0;
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        const bool label = lstrcmpiW(name, L"Static") == 0;
        const bool title = lstrcmpiW(name, L"Button") == 0 &&
                           (GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        wchar_t text[128] = {};
        GetWindowTextW(child, text, 128);
        if (!(label || title) || !(GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) || !text[0]) continue;
        // A pixel either way for a mnemonic's underline; a lost letter is three or more.
        EXPECT_GE(ShownInkWidth(child) + 1, WholeInkWidth(child, text)) << test::Utf8(text);
        ++checked;
    }
    EXPECT_GT(checked, 20);
    DestroyWindow(panel);
}

}  // namespace
}  // namespace corvinata
