// The window classes as the program registers them at start-up, the
// toolbar's tooltip window, and which drawing windows get a hover tip: read
// from the system, as another program would see them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/help_topics_win.h"
#include "frame/define_location_dialog.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/test_text.h"
#include "views/graph_window_win.h"

namespace corvinata {
namespace {

using test::Utf8;

enum class Cursor { None, Arrow, Cross, Trackbar };
enum class Brush { None, Null, Black, LightGrey, ButtonFace, Trackbar };

constexpr UINT kRedraw = CS_HREDRAW | CS_VREDRAW;
constexpr UINT kRedrawClicks = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
// The superclass keeps the common trackbar's own class style.
constexpr UINT kTrackbarStyle = ~0u;

struct ClassCase {
    const wchar_t* name;
    UINT style;
    Cursor cursor;
    Brush brush;
    const wchar_t* menu;  // the class menu's name, or none
    int icon;             // the program's icon resource, or 0 for none
};

constexpr const wchar_t* kMain = L"Menu_Main";

const ClassCase kClasses[] = {
    {L"CorvinataMdiFrame", kRedraw, Cursor::Arrow, Brush::ButtonFace, kMain, ICO_PROGRAM},
    {L"CorvinataControlPanelParent", kRedraw, Cursor::Arrow, Brush::ButtonFace, nullptr, 0},
    {L"CorvinataObserverControl", kRedrawClicks, Cursor::Arrow, Brush::ButtonFace, nullptr, 0},
    {L"CorvinataControl_AnglePicker", 0, Cursor::None, Brush::Null, nullptr, 0},
    {L"CorvinataControl_Button", 0, Cursor::None, Brush::Null, nullptr, 0},
    {L"CorvinataControl_DatePicker", 0, Cursor::None, Brush::Null, nullptr, 0},
    {L"CorvinataControl_Hyperlink", 0, Cursor::None, Brush::Null, nullptr, 0},
    {L"CorvinataControl_NumberPicker", 0, Cursor::None, Brush::Null, nullptr, 0},
    {L"CorvinataControl_TimePicker", 0, Cursor::None, Brush::Null, nullptr, 0},
    {L"CorvinataControl_TimeZonePicker", 0, Cursor::None, Brush::Null, nullptr, 0},
    {L"CorvinataControl_Trackbar", kTrackbarStyle, Cursor::Trackbar, Brush::Trackbar, nullptr, 0},
    {L"CorvinataMdiChildSky", kRedrawClicks, Cursor::Arrow, Brush::None, kMain, ICO_SKY},
    {L"CorvinataSkyDisp_OpenGl", kRedrawClicks, Cursor::None, Brush::Black, kMain, ICO_SKY},
    {L"CorvinataMdiChildSol", kRedraw, Cursor::Arrow, Brush::ButtonFace, kMain, ICO_SOLAR_SYSTEM},
    {L"CorvinataSolDisp", kRedrawClicks, Cursor::Arrow, Brush::Black, kMain, ICO_SOLAR_SYSTEM},
    {L"CorvinataMdiChildJup", kRedraw, Cursor::Arrow, Brush::Black, kMain, ICO_JUPITER},
    {L"CorvinataJupDisp", kRedrawClicks | CS_OWNDC, Cursor::Arrow, Brush::None, nullptr, 0},
    {L"CorvinataMdiChildSat", kRedraw, Cursor::Arrow, Brush::Black, kMain, ICO_SATURN},
    {L"CorvinataSatDisp", kRedrawClicks | CS_OWNDC, Cursor::Arrow, Brush::None, nullptr, 0},
    {L"CorvinataMdiChildSec", kRedrawClicks, Cursor::Arrow, Brush::None, kMain, ICO_ECLIPSE},
    {L"CorvinataSecDisp", kRedrawClicks, Cursor::Arrow, Brush::ButtonFace, nullptr, 0},
    {L"CorvinataMdiChildGph", kRedraw, Cursor::Arrow, Brush::ButtonFace, kMain, ICO_GRAPH},
    {L"CorvinataGphDisp", kRedraw, Cursor::Cross, Brush::None, nullptr, ICO_GRAPH},
    {L"GraphXAxis", kRedrawClicks, Cursor::Arrow, Brush::ButtonFace, nullptr, 0},
    {L"GraphYAxis", kRedrawClicks, Cursor::Arrow, Brush::ButtonFace, nullptr, 0},
    {L"CorvinataMdiChildPic", kRedrawClicks, Cursor::Arrow, Brush::Black, kMain, ICO_PICTURE},
    {L"CorvinataMdiChildRpt", kRedraw, Cursor::Arrow, Brush::LightGrey, nullptr, ICO_REPORT},
    {L"CorvinataWebBrowserContainer", kRedraw, Cursor::Arrow, Brush::LightGrey, nullptr, 0},
    {L"Map", 0, Cursor::Cross, Brush::None, nullptr, 0},
};

WNDCLASSEXW CommonTrackbar() {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    GetClassInfoExW(nullptr, TRACKBAR_CLASSW, &info);
    return info;
}

HCURSOR CursorOf(Cursor cursor) {
    switch (cursor) {
    case Cursor::Arrow: return LoadCursorW(nullptr, IDC_ARROW);
    case Cursor::Cross: return LoadCursorW(nullptr, IDC_CROSS);
    case Cursor::Trackbar: return CommonTrackbar().hCursor;
    default: return nullptr;
    }
}

HBRUSH BrushOf(Brush brush) {
    switch (brush) {
    case Brush::Null: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case Brush::Black: return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    case Brush::LightGrey: return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    case Brush::ButtonFace: return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    case Brush::Trackbar: return CommonTrackbar().hbrBackground;
    default: return nullptr;
    }
}

std::string MenuName(LPCWSTR menu) {
    if (!menu) return "(none)";
    if (IS_INTRESOURCE(menu)) return "#" + std::to_string(reinterpret_cast<UINT_PTR>(menu));
    return Utf8(menu);
}

std::string ClassNameOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return Utf8(name);
}

class WindowClassesTest : public test::FrameTest {};

TEST_F(WindowClassesTest, EveryClassIsRegisteredWithItsStyleCursorBrushMenuAndIcon) {
    // What start-up registers; the map's class when its dialog first opens.
    PrepareAsProgram();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    ASSERT_TRUE(RegisterMapClass(instance));
    for (const ClassCase& c : kClasses) {
        SCOPED_TRACE(Utf8(c.name));
        WNDCLASSEXW info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetClassInfoExW(instance, c.name, &info));
        const UINT style = c.style == kTrackbarStyle ? CommonTrackbar().style : c.style;
        EXPECT_EQ(info.style, style);
        EXPECT_EQ(info.hCursor, CursorOf(c.cursor));
        EXPECT_EQ(info.hbrBackground, BrushOf(c.brush));
        EXPECT_EQ(MenuName(info.lpszMenuName), MenuName(c.menu));
        EXPECT_EQ(info.hIcon, c.icon ? LoadIconW(instance, MAKEINTRESOURCEW(c.icon)) : nullptr);
        EXPECT_EQ(info.cbClsExtra, 0);
        EXPECT_EQ(info.cbWndExtra, c.style == kTrackbarStyle ? CommonTrackbar().cbWndExtra : 0);
    }
}

TEST_F(WindowClassesTest, TheToolbarsTipsComeFromATooltipWindowTheFrameOwns) {
    FrameWindow& frame = Start();
    const HWND tip = frame.Toolbar().Tooltip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(ClassNameOf(tip), "tooltips_class32");
    const DWORD wanted = WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(tip, GWL_STYLE)) & wanted, wanted);
    EXPECT_NE(GetWindowLongW(tip, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindow(tip, GW_OWNER), frame.Window());
    // The toolbar tells it its buttons: a tip for each, by its command.
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = frame.Toolbar().Window();
    tool.uId = CMD_OPEN_GRAPH;
    EXPECT_TRUE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
}

struct TipCase {
    const char* name;
    int command;  // Window > New
    int kind;
    const wchar_t* display;
    bool hasTip;
};

const TipCase kTipCases[] = {
    {"Sky", CMD_NEW_SKY, kSkyWindow, L"CorvinataSkyDisp_OpenGl", true},
    {"SolarSystem", CMD_NEW_SOLAR_SYSTEM, kSolarSystemWindow, L"CorvinataSolDisp", true},
    {"Jupiter", CMD_NEW_JUPITER, kJupiterExplorerWindow, L"CorvinataJupDisp", true},
    {"Saturn", CMD_NEW_SATURN, kSaturnExplorerWindow, L"CorvinataSatDisp", true},
    {"SolarEclipse", CMD_NEW_ECLIPSE, kSolarEclipseWindow, L"CorvinataSecDisp", false},
    {"Graph", CMD_NEW_GRAPH_WINDOW, kGraphWindow, L"CorvinataGphDisp", false},
};

struct TipSearch {
    HWND display;
    int found;
};

BOOL CALLBACK CountTipsOf(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TipSearch*>(data);
    if (ClassNameOf(window) != "tooltips_class32") return TRUE;
    const auto count = static_cast<UINT>(SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0));
    for (UINT i = 0; i < count; ++i) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        if (SendMessageW(window, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)) &&
            tool.uId == reinterpret_cast<UINT_PTR>(search.display)) {
            ++search.found;
        }
    }
    return TRUE;
}

// The tooltip windows of this thread that hold a tool for `display`.
int TipsOf(HWND display) {
    TipSearch search{display, 0};
    EnumThreadWindows(GetCurrentThreadId(), &CountTipsOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class DisplayTipsTest : public test::FrameTest {
protected:
    DisplayTipsTest() {
        static test::ScopedCatalogues catalogues;
        StartAsProgram(GetProgramDirectory(GetModuleHandleW(nullptr)));
    }
    ~DisplayTipsTest() override {
        // New graphs count as changed: the program would ask about each.
        if (frame_) {
            for (RegisteredWindow* open : frame_->Registry().AllWindows()) {
                if (auto* graph = dynamic_cast<GraphWindow*>(open)) graph->Graph().History().MarkSaved();
            }
        }
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }
};

TEST_F(DisplayTipsTest, TheSkySolarSystemAndExplorerDisplaysHaveAHoverTipTheOthersNone) {
    for (const TipCase& c : kTipCases) {
        SCOPED_TRACE(c.name);
        Command(c.command);
        MdiChildWindow* window = frame_->Children().ActiveWindowOf(c.kind);
        ASSERT_NE(window, nullptr);
        const HWND display = FindWindowExW(window->Handle(), nullptr, c.display, nullptr);
        ASSERT_NE(display, nullptr);
        EXPECT_EQ(TipsOf(display), c.hasTip ? 1 : 0);
    }
}

}  // namespace
}  // namespace corvinata
