// The control panels' templates come from the program's resources with
// every item their panels address.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

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

// The columns of the first text line that dark ink covers in a picture of
// a control's size drawn by `paint`: first and last.
template <typename Paint>
std::pair<int, int> InkedColumns(HWND control, int width, Paint paint) {
    RECT client{};
    GetClientRect(control, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, width, client.bottom, WHITENESS);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    paint(dc);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::pair<int, int> inked{width, -1};
    for (int y = 0; y < std::min<int>(metrics.tmHeight, client.bottom); ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[y * width + x];
            if (((p >> 16) & 0xFF) < 64 && ((p >> 8) & 0xFF) < 64 && (p & 0xFF) < 64) {
                inked.first = std::min(inked.first, x);
                inked.second = std::max(inked.second, x);
            }
        }
    }
    SelectObject(dc, font);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return inked;
}

// How wide the ink of a control's text is as the control draws it, and as
// the whole text on one line with room to spare is.
int ShownInkWidth(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    const auto inked = InkedColumns(control, client.right, [control](HDC dc) {
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    });
    return inked.second - inked.first + 1;
}

int WholeInkWidth(HWND control, const wchar_t* text) {
    const auto inked = InkedColumns(control, 1000, [text](HDC dc) {
        RECT room{0, 0, 1000, 100};
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, text, -1, &room, DT_SINGLELINE | DT_LEFT | DT_TOP);
    });
    return inked.second - inked.first + 1;
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
