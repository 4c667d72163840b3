#include <windows.h>
#include <commctrl.h>

#include <string>

#include "controls/bitmap_button.h"
#include "controls/control_dialog.h"
#include "controls/hyperlink_control.h"
#include "controls/night_colours.h"
#include "controls/trackbar_control.h"
#include "support/system_night_win.h"

namespace corvinata {
namespace {

using test::ControlDialog;

constexpr int kLink = 200, kTrackbar = 201, kButton = 21020, kOther = 202;

std::wstring g_clicked;
int g_clicks = 0;
void RecordClick(const Char* target) {
    g_clicked = target;
    ++g_clicks;
}

class SmallControls : public test::ControlTest {
protected:
    // The button's four pictures, one colour each, 16 x 16; made before the
    // dialog, whose button takes them when it is created.
    bool MakePictures() {
        for (int i = 0; i < 4; ++i)
            registry_.ButtonFor(kButton).SetBitmap(static_cast<ButtonPicture>(i),
                                                   test::SolidBitmap(16, 16, kPictureColours[i]));
        g_clicks = 0;
        g_clicked.clear();
        return true;
    }

    static constexpr COLORREF kPictureColours[4] = {RGB(128, 128, 128), RGB(0, 0, 255),
                                                    RGB(0, 255, 0), RGB(255, 0, 0)};
    COLORREF Picture(ButtonPicture picture) const { return kPictureColours[static_cast<int>(picture)]; }

    bool pictures_ = MakePictures();
    ControlDialog dialog{{kHyperlinkClass, kLink, 0, 7, 7, 80, 10},
                         {kTrackbarClass, kTrackbar, WS_TABSTOP | TBS_HORZ, 7, 20, 150, 20},
                         {kButtonClass, kButton, WS_TABSTOP, 7, 45, 20, 20},
                         {WC_BUTTONW, kOther, WS_TABSTOP, 40, 45, 40, 14}};

    HWND Trackbar() { return dialog.Item(kTrackbar); }
    int Position() { return static_cast<int>(SendMessageW(Trackbar(), TBM_GETPOS, 0, 0)); }
    std::vector<test::ParentMessage> Moves() { return dialog.Received(kTrackbarMovedMessage); }
};

TEST_F(SmallControls, TrackbarClickBesideTheThumbJumpsThere) {
    SendMessageW(Trackbar(), TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    RECT channel{};
    SendMessageW(Trackbar(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const int x = channel.left + (channel.right - channel.left - 1) / 2;
    dialog.Click(Trackbar(), x, (channel.top + channel.bottom) / 2);
    EXPECT_NEAR(Position(), 50, 1);
    const auto scrolls = dialog.Received(WM_HSCROLL);
    ASSERT_FALSE(scrolls.empty());
    EXPECT_EQ(LOWORD(scrolls.front().wParam), TB_THUMBPOSITION);
    EXPECT_EQ(HIWORD(scrolls.front().wParam), Position());
    ASSERT_EQ(Moves().size(), 1u);
    EXPECT_LT(dialog.IndexOf(WM_HSCROLL), dialog.IndexOf(kTrackbarMovedMessage));
    EXPECT_EQ(LOWORD(Moves()[0].wParam), 0);
    EXPECT_EQ(HIWORD(Moves()[0].wParam), Position());
    EXPECT_EQ(GetFocus(), Trackbar());
}

TEST_F(SmallControls, TrackbarDragReportsWhereItBegan) {
    SendMessageW(Trackbar(), TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageW(Trackbar(), TBM_SETPOS, TRUE, 20);
    RECT thumb{}, channel{};
    SendMessageW(Trackbar(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    SendMessageW(Trackbar(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const int y = (thumb.top + thumb.bottom) / 2;
    dialog.Drag(Trackbar(), (thumb.left + thumb.right) / 2, y, channel.right - 2, y);
    ASSERT_EQ(Moves().size(), 1u);
    EXPECT_EQ(LOWORD(Moves()[0].wParam), 20);
    EXPECT_GT(HIWORD(Moves()[0].wParam), 80);
    EXPECT_EQ(HIWORD(Moves()[0].wParam), Position());
}

TEST_F(SmallControls, TrackbarKeysReportTheFirstKeyDownsPosition) {  // UndoWentToTheSecondLastPosition
    SendMessageW(Trackbar(), TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageW(Trackbar(), TBM_SETPOS, TRUE, 3);
    SetFocus(Trackbar());
    dialog.PressKey(VK_RIGHT, 2);
    ASSERT_EQ(Moves().size(), 1u);
    EXPECT_EQ(LOWORD(Moves()[0].wParam), 3);
    EXPECT_EQ(HIWORD(Moves()[0].wParam), 6);
    dialog.ClearReceived();
    dialog.PressKey(VK_UP);
    dialog.PressKey(VK_DOWN);
    SendMessageW(Trackbar(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(Position(), 6);
    EXPECT_TRUE(Moves().empty());
    dialog.PressKey(VK_HOME);
    EXPECT_EQ(Position(), 0);
}

TEST_F(SmallControls, TrackbarButtonUpWithoutAPressSendsNothing) {  // ZoomOf65535
    PostMessageW(Trackbar(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    dialog.Pump();
    EXPECT_TRUE(Moves().empty());
}

TEST_F(SmallControls, HyperlinkRunsItsActionOnAClickInside) {
    auto* link = FindCustomControl<Hyperlink>(dialog.Item(kLink));
    ASSERT_NE(link, nullptr);
    link->SetText(L"Visit the sky");
    link->SetTarget(L"sky");
    link->SetClickAction(RecordClick);
    const struct { Hyperlink::State state; int toX; int clicks; LPCWSTR cursor; } cases[] = {
        {Hyperlink::kActiveLink, 3, 1, IDC_HAND},
        {Hyperlink::kActiveLink, 3000, 0, IDC_HAND},  // released outside
        {Hyperlink::kPlainText, 3, 0, IDC_ARROW},
    };
    for (const auto& c : cases) {
        g_clicks = 0;
        link->SetState(c.state);
        dialog.Drag(dialog.Item(kLink), 3, 3, c.toX, 3);
        EXPECT_EQ(g_clicks, c.clicks) << c.toX;
        SendMessageW(dialog.Item(kLink), WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.Item(kLink)),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.cursor));
    }
    link->SetState(Hyperlink::kActiveLink);
    dialog.Click(dialog.Item(kLink), 3, 3);
    EXPECT_EQ(g_clicked, L"sky");
    EXPECT_TRUE(test::PaintedPixels(dialog.Item(kLink)).Contains(link->GetHyperlinkColour()));
}

// At night a link, active or plain, is written in the windows' text shade:
// not in blue, and not in black on the black face.
TEST_F(SmallControls, AtNightALinkIsInTheWindowTextShade) {
    test::SystemNight system;
    NightVisionSettings& night = system.night;
    const NightColours colours(night);
    auto* link = FindCustomControl<Hyperlink>(dialog.Item(kLink));
    ASSERT_NE(link, nullptr);
    link->SetText(L"--:--");
    night.ApplyNightVision(true, 0.8, 1.0);
    for (Hyperlink::State state : {Hyperlink::kActiveLink, Hyperlink::kPlainText}) {
        link->SetState(state);
        const test::PaintedPixels painted(dialog.Item(kLink));
        EXPECT_TRUE(painted.Contains(RGB(124, 0, 0))) << state;
        EXPECT_FALSE(painted.Contains(RGB(0, 0, 255))) << state;
    }
}

TEST_F(SmallControls, ButtonShowsItsFourPictures) {
    HWND button = dialog.Item(kButton);
    SetFocus(dialog.Item(kOther));
    EXPECT_EQ(test::PaintedPixels(button).Centre(), Picture(ButtonPicture::Normal));
    SetFocus(button);
    EXPECT_EQ(test::PaintedPixels(button).Centre(), Picture(ButtonPicture::Focused));
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(test::PaintedPixels(button).Centre(), Picture(ButtonPicture::Pressed));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EnableWindow(button, FALSE);
    EXPECT_EQ(test::PaintedPixels(button).Centre(), Picture(ButtonPicture::Disabled));
}

TEST_F(SmallControls, ButtonNotifiesOnAClickInsideAndTheSpaceBar) {
    HWND button = dialog.Item(kButton);
    const struct { int toX; bool typeSpace; std::size_t commands; } cases[] = {
        {2, false, 1}, {3000, false, 0}, {-1, true, 1},
    };
    for (const auto& c : cases) {
        dialog.ClearReceived();
        if (c.typeSpace) {
            SetFocus(button);
            dialog.Type(" ");
        } else {
            dialog.Drag(button, 2, 2, c.toX, 2);
        }
        const auto commands = dialog.Received(WM_COMMAND);
        EXPECT_EQ(commands.size(), c.commands) << c.toX;
        if (!commands.empty()) {
            EXPECT_EQ(LOWORD(commands[0].wParam), kButton);
        }
    }
    dialog.ClearReceived();
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));  // no press on the button
    dialog.Pump();
    EXPECT_TRUE(dialog.Received(WM_COMMAND).empty());
}

TEST_F(SmallControls, TabSkipsTheHyperlink) {
    SetFocus(Trackbar());
    dialog.PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), dialog.Item(kButton));
    dialog.PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), dialog.Item(kOther));
    dialog.PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), Trackbar());
}

TEST_F(SmallControls, ArrowButtonsFindEveryDayAndNightPicture) {
    for (const bool night : {false, true})
        EXPECT_TRUE(LoadArrowBitmaps(GetModuleHandleW(nullptr), registry_, night)) << night;
}

}  // namespace
}  // namespace corvinata
