// Night vision reaches every window of the program: the frame's work area,
// toolbar, status line and every dialog and message box it opens, whether
// it was switched on in Appearance or at start-up after the question: the
// system colours themselves are the night's.
#include "controls/night_colours.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/custom_controls_setup.h"
#include "controls/message_box.h"
#include "frame/modal_driver.h"
#include "frame/time_appearance_dialogs.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "toolbar_pictures.h"
#include "support/drawn_pixels_win.h"

namespace corvinata {
namespace {

class NightColoursTest : public test::FrameTest {
protected:
    // Night vision switched on in the Appearance dialog and confirmed.
    void SwitchOn() {
        test::ModalDriver::Run([](test::ModalDriver& d, HWND) {
            d.Focus(kIdNightVision);
            d.Key(VK_SPACE);
            d.Key(VK_RETURN);
        }, [&] { Command(CMD_APPEARANCE); return 0; });
    }
    // What a dialog hands its static texts to draw with.
    static void StaticColours(HWND dialog, COLORREF& face, COLORREF& text) {
        HDC dc = CreateCompatibleDC(nullptr);
        HWND any = GetWindow(dialog, GW_CHILD);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(any)));
        LOGBRUSH info{};
        face = brush && GetObjectW(brush, sizeof info, &info) ? info.lbColor : CLR_INVALID;
        text = GetTextColor(dc);
        DeleteDC(dc);
    }
    // The colour a control prints its client area with, a little inside.
    static COLORREF ClientCorner(HWND control) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 32);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        const COLORREF colour = GetPixel(dc, 3, 3);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return colour;
    }
    // The colour the work area erases its background with.
    static COLORREF WorkAreaColour(HWND frame) {
        HWND client = FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(client, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        const COLORREF colour = GetPixel(dc, 2, 2);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return colour;
    }
};

TEST_F(NightColoursTest, EveryWindowOfTheProgramTakesTheNightShades) {
    FrameWindow& frame = Start(false);
    UseCustomControls();
    SendMessageW(frame.Window(), kStartupMessage, 0, 0);
    HWND toolbar = frame.Toolbar().Window();
    ASSERT_FALSE(test::ShowsNightPictures(toolbar));
    EXPECT_EQ(WorkAreaColour(frame.Window()), GetSysColor(COLOR_APPWORKSPACE));
    SwitchOn();
    EXPECT_TRUE(test::ShowsNightPictures(toolbar));
    EXPECT_EQ(WorkAreaColour(frame.Window()), GetSysColor(COLOR_APPWORKSPACE));
    EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), RGB(0, 0, 0)) << "the system's own colour is the night's";

    // The dialogs and message boxes opened afterwards: red texts on black.
    const struct {
        const char* name;
        std::function<void()> open;
    } dialogs[] = {
        {"message box", [&] {
             RunMessageBox(GetModuleHandleW(nullptr), frame.Window(), L"Delete?", kButtonsYesNo, kMessageWarning,
                           MessageTopic::DeleteGraphLine);
         }},
        {"Date and Time", [&] { Command(CMD_DATE_TIME); }},
        {"Select Location", [&] { Command(CMD_LOCATION); }},
        {"Appearance", [&] { Command(CMD_APPEARANCE); }},
    };
    for (const auto& dialog : dialogs) {
        COLORREF face = 0;
        COLORREF text = 0;
        test::ModalDriver::Run([&](test::ModalDriver& d, HWND box) {
            StaticColours(box, face, text);
            // The program's own pickers draw in the shades too.
            if (HWND picker = GetDlgItem(box, kIdUserDate)) {
                EXPECT_EQ(ClientCorner(picker), GetSysColor(COLOR_BTNFACE)) << dialog.name;  // disabled
            }
            d.Key(VK_ESCAPE);
        }, [&] { dialog.open(); return 0; });
        EXPECT_EQ(face, GetSysColor(COLOR_BTNFACE)) << dialog.name;
        EXPECT_EQ(text, GetSysColor(COLOR_BTNTEXT)) << dialog.name;
        EXPECT_NE(face, text) << dialog.name;  // never unreadable
    }
}

// Yes to the start-up question brings the night colours back everywhere,
// the toolbar's night pictures included.
TEST_F(NightColoursTest, RestartAnsweredYesComesBackInNightColours) {
    {
        Win32StorageService storage;
        auto key = storage.CreateRegistryNode(RegistryHive::CurrentUser,
                                              L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Night vision");
        ASSERT_TRUE(key->Create());
        ASSERT_TRUE(key->WriteBool(L"Active", true));
    }
    FrameWindow* frame = &Start(false);
    UseCustomControls();
    test::ModalDriver::Run([](test::ModalDriver& d, HWND) { d.Key(VK_RETURN); },  // Yes
                           [&] { return SendMessageW(frame->Window(), kStartupMessage, 0, 0); });
    EXPECT_EQ(WorkAreaColour(frame->Window()), GetSysColor(COLOR_APPWORKSPACE));
    EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), RGB(0, 0, 0)) << "the system's own colour is the night's";
    // A message box opened now shows the night shades.
    COLORREF face = 0;
    COLORREF text = 0;
    test::ModalDriver::Run([&](test::ModalDriver& d, HWND box) {
        StaticColours(box, face, text);
        d.Key(VK_ESCAPE);
    }, [&] {
        return RunMessageBox(GetModuleHandleW(nullptr), frame->Window(), L"Delete?", kButtonsYesNo, kMessageWarning,
                             MessageTopic::DeleteGraphLine);
    });
    EXPECT_EQ(face, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(text, GetSysColor(COLOR_BTNTEXT));
    EXPECT_NE(face, text);
    // Off again in Appearance: the day pictures and the system's colours.
    HWND toolbar = frame->Toolbar().Window();
    ASSERT_TRUE(test::ShowsNightPictures(toolbar));
    test::ModalDriver::Run([](test::ModalDriver& d, HWND) {
        d.Focus(kIdNightVision);
        d.Key(VK_SPACE);
        d.Key(VK_RETURN);
    }, [&] { Command(CMD_APPEARANCE); return 0; });
    EXPECT_FALSE(test::ShowsNightPictures(toolbar));
    EXPECT_EQ(WorkAreaColour(frame->Window()), GetSysColor(COLOR_APPWORKSPACE));
}

// At night every control of Appearance draws in the red shades, glyphs,
// frames and the focused check box's focus rectangle included, and its text
// stands well apart from its face: whether night vision was ticked in the
// dialog or was on when it opened.
TEST_F(NightColoursTest, EveryControlOfAppearanceDrawsInTheShadesWithReadableTexts) {
    FrameWindow& frame = Start(false);
    UseCustomControls();
    ShowWindow(frame.Window(), SW_SHOW);
    SendMessageW(frame.Window(), kStartupMessage, 0, 0);
    for (bool tickedInside : {true, false}) {
        if (!tickedInside) SwitchOn();
        test::ModalDriver::Run([&](test::ModalDriver& d, HWND box) {
            ShowWindow(box, SW_SHOW);
            UpdateWindow(box);
            d.Focus(kIdNightVision);
            if (tickedInside) d.Key(VK_SPACE);
            ASSERT_TRUE(ProgramColoursAtNight());
            RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            ASSERT_EQ(GetFocus(), GetDlgItem(box, kIdNightVision));
            const COLORREF face = GetSysColor(COLOR_BTNFACE);
            const COLORREF text = GetSysColor(COLOR_BTNTEXT);
            ASSERT_GE(GetRValue(text) - GetRValue(face), 96);
            for (HWND control = GetWindow(box, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
                wchar_t caption[128] = L"";
                GetWindowTextW(control, caption, 128);
                const std::string name = std::to_string(GetDlgCtrlID(control)) + " " +
                                         std::string(caption, caption + wcslen(caption)) +
                                         (tickedInside ? " (ticked inside)" : " (on when opened)");
                int width = 0;
                int height = 0;
                int daylight = 0;
                int ink = 0;
                for (const std::uint32_t rgb : test::ScreenPixels(control, width, height)) {
                    const COLORREF p = RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
                    if (GetGValue(p) != 0 || GetBValue(p) != 0) ++daylight;
                    if (p == text) ++ink;
                }
                EXPECT_EQ(daylight, 0) << name;
                if (caption[0]) {
                    EXPECT_GE(ink, 10) << name;
                }
            }
            // A trackbar with the focus shows it in the shade, not inverted.
            HWND level = GetDlgItem(box, kIdBrightness);
            d.Focus(kIdBrightness);
            RedrawWindow(level, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            int width = 0;
            int height = 0;
            int daylight = 0;
            for (const std::uint32_t rgb : test::ScreenPixels(level, width, height)) {
                if ((rgb >> 8 & 0xFF) != 0 || (rgb & 0xFF) != 0) ++daylight;
            }
            EXPECT_EQ(daylight, 0) << "the focused trackbar";
            d.Key(VK_ESCAPE);
        }, [&] { Command(CMD_APPEARANCE); return 0; });
    }
}

// A check box at night draws its box as large as the system's check glyph:
// its frame closes at the metric's width, the label starts after a gap.
TEST_F(NightColoursTest, ACheckBoxsGlyphIsAsLargeAsTheSystems) {
    FrameWindow& frame = Start(false);
    ShowWindow(frame.Window(), SW_SHOW);
    SendMessageW(frame.Window(), kStartupMessage, 0, 0);
    SwitchOn();
    test::ModalDriver::Run([&](test::ModalDriver& d, HWND box) {
        ShowWindow(box, SW_SHOW);
        HWND check = GetDlgItem(box, kIdNightVision);
        ASSERT_TRUE(ProgramColoursAtNight());
        RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const COLORREF text = GetSysColor(COLOR_BTNTEXT);
        const std::uint32_t ink = GetRValue(text) << 16 | GetGValue(text) << 8 | GetBValue(text);
        int width = 0;
        int height = 0;
        const auto pixels = test::ScreenPixels(check, width, height);
        const int size = GetSystemMetrics(SM_CXMENUCHECK);
        ASSERT_GT(width, size + 2);
        // The row just above the glyph's middle, below any tick.
        const int y = (height - size) / 2 + size - 2;
        const auto at = [&](int x) { return pixels[static_cast<std::size_t>(y) * width + x]; };
        EXPECT_EQ(at(0), ink);
        EXPECT_EQ(at(size - 1), ink) << "size " << size;
        EXPECT_NE(at(size), ink) << "size " << size;
        d.Key(VK_ESCAPE);
    }, [&] { Command(CMD_APPEARANCE); return 0; });
}

// By day a list with check boxes (an explorer panel's satellites) keeps the
// check boxes and rows it made itself: a night-colours notice by day (the
// start sends one) changes nothing on the screen, and after a night it has
// its own pictures back.
TEST_F(NightColoursTest, ByDayACheckBoxListKeepsItsOwnPicturesAndRows) {
    FrameWindow& frame = StartAsProgram();
    SetWindowPos(frame.Window(), HWND_TOP, 0, 0, 1200, 900, SWP_SHOWWINDOW);
    for (const int command : {CMD_NEW_SATURN, CMD_NEW_JUPITER}) {
        Command(command);
        const int kind = command == CMD_NEW_SATURN ? kSaturnExplorerWindow : kJupiterExplorerWindow;
        const ControlPanel* panel = frame.Children().PanelOf(kind);
        ASSERT_NE(panel, nullptr) << command;
        HWND list = GetDlgItem(panel->GetDialogWindow(), 20741);
        ASSERT_NE(list, nullptr) << command;
        ASSERT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_CHECKBOXES);
        ASSERT_GT(ListView_GetItemCount(list), 0);
        const auto rowHeight = [list] {
            RECT row{};
            ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
            return row.bottom - row.top;
        };
        const auto screen = [list] {
            RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
            int width = 0;
            int height = 0;
            return test::ShownOnScreen(list, width, height);
        };
        const HIMAGELIST own = ListView_GetImageList(list, LVSIL_STATE);
        const int ownHeight = rowHeight();
        const std::vector<std::uint32_t> before = screen();
        NightColours::Switched();
        EXPECT_EQ(ListView_GetImageList(list, LVSIL_STATE), own) << command;
        EXPECT_TRUE(screen() == before) << command << ": the list changed on the screen by day";
        frame.NightVision().ApplyNightVision(true, kKeepLevel, kKeepLevel);
        EXPECT_NE(ListView_GetImageList(list, LVSIL_STATE), own) << command << ": the night's check boxes";
        frame.NightVision().ApplyNightVision(false, kKeepLevel, kKeepLevel);
        EXPECT_EQ(ListView_GetImageList(list, LVSIL_STATE), own) << command;
        EXPECT_EQ(rowHeight(), ownHeight) << command;
    }
}

}  // namespace
}  // namespace corvinata
