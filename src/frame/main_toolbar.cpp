#include "frame/main_toolbar.h"

#include <iterator>
#include <string>

#include "base/services.h"
#include "controls/tooltips_under_menus.h"
#include "generated/pictures.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

using K = ButtonKind;

constexpr ToolbarButtonInfo kButtons[] = {
    {CMD_NEW_GRAPH, "smart_icon_file_new", TXT("New graph file (Ctrl+N)"), CMD_NEW_GRAPH, K::Push, false},
    {CMD_OPEN_GRAPH, "smart_icon_file_open", TXT("Open graph file (Ctrl+O)"), CMD_OPEN_GRAPH, K::Push, false},
    {CMD_SAVE_GRAPH, "smart_icon_file_save", TXT("Save graph file (Ctrl+S)"), CMD_SAVE_GRAPH, K::Push, true},
    {-1, "", TXT(""), 0, K::Separator, false},
    {CMD_UNDO, "smart_icon_edit_undo", TXT("Undo (Ctrl+Z)"), CMD_UNDO, K::DropDown, true},
    {CMD_REDO, "smart_icon_edit_redo", TXT("Redo (Ctrl+Y)"), CMD_REDO, K::DropDown, true},
    {-1, "", TXT(""), 0, K::Separator, false},
    {CMD_NAVIGATE_BACKWARD, "smart_icon_view_navigate_back", TXT("Navigate Backward (Alt+Left)"),
     CMD_NAVIGATE_BACKWARD, K::DropDown, true},
    {CMD_NAVIGATE_FORWARD, "smart_icon_view_navigate_forth", TXT("Navigate Forward (Alt+Right)"),
     CMD_NAVIGATE_FORWARD, K::DropDown, true},
    {-1, "", TXT(""), 0, K::Separator, false},
    {CMD_SHOW_SKY, "smart_icon_wnd_sky", TXT("Sky window"), STR_CYCLE_SKY, K::Push, false},
    {CMD_SHOW_SOLAR_SYSTEM, "smart_icon_wnd_solar_system", TXT("Solar system window"), STR_CYCLE_SOLAR_SYSTEM,
     K::Push, false},
    {CMD_SHOW_GRAPH, "smart_icon_wnd_graph", TXT("Graph window"), STR_CYCLE_GRAPH, K::Push, false},
    {CMD_SHOW_PICTURE, "smart_icon_wnd_picture", TXT("Picture window"), STR_CYCLE_PICTURE, K::Push, false},
    {CMD_SHOW_REPORT, "smart_icon_wnd_report", TXT("Report window"), STR_CYCLE_REPORT, K::Push, false},
    {CMD_SHOW_JUPITER, "smart_icon_wnd_jupiter", TXT("Jupiter explorer window"), STR_CYCLE_JUPITER, K::Push, false},
    {CMD_SHOW_SATURN, "smart_icon_wnd_saturn", TXT("Saturn explorer window"), STR_CYCLE_SATURN, K::Push, false},
    {CMD_SHOW_ECLIPSE, "smart_icon_wnd_solar_eclipse", TXT("Solar eclipse window"), STR_CYCLE_ECLIPSE, K::Push,
     false},
    {-1, "", TXT(""), 0, K::Separator, false},
    {CMD_OBJECT_INFO, "smart_icon_tools_object_info", TXT("Object Information (Ctrl+1)"), CMD_OBJECT_INFO,
     K::Check, false},
    {CMD_EVENT_FORECAST, "smart_icon_tools_event_forecast", TXT("Event Forecast (Ctrl+2)"), CMD_EVENT_FORECAST,
     K::Check, false},
    {CMD_EVENT_FINDER, "smart_icon_tools_event_finder", TXT("Event Finder (Ctrl+3)"), CMD_EVENT_FINDER, K::Check,
     false},
    {CMD_CALCULATOR, "smart_icon_tools_astrocalc", TXT("Astronomical Calculator (Ctrl+4)"), CMD_CALCULATOR,
     K::Check, false},
    {CMD_SYMBOLS, "smart_icon_tools_symbols", TXT("Astronomical Symbols (Ctrl+5)"), CMD_SYMBOLS, K::Check, false},
    {CMD_EDUCATOR, "smart_icon_tools_educator", TXT("Educator (Ctrl+6)"), CMD_EDUCATOR, K::Push, false},
    {-1, "", TXT(""), 0, K::Separator, false},
    {CMD_DATE_TIME, "smart_icon_options_time", TXT("Date and Time"), CMD_DATE_TIME, K::Push, false},
    {CMD_LOCATION, "smart_icon_options_location", TXT("Location"), CMD_LOCATION, K::Push, false},
    {CMD_APPEARANCE, "smart_icon_options_display", TXT("Appearance"), CMD_APPEARANCE, K::Push, false},
    {-1, "", TXT(""), 0, K::Separator, false},
    {CMD_TILE_HORIZONTALLY, "smart_icon_wnd_tile_hor", TXT("Tile windows horizontally"), CMD_TILE_HORIZONTALLY,
     K::Push, true},
    {CMD_TILE_VERTICALLY, "smart_icon_wnd_tile_vert", TXT("Tile windows vertically"), CMD_TILE_VERTICALLY,
     K::Push, true},
    {CMD_CLOSE_ALL, "smart_icon_wnd_close_all", TXT("Close all windows (Ctrl+Alt+F4)"), CMD_CLOSE_ALL, K::Push,
     true},
    {-1, "", TXT(""), 0, K::Separator, false},
    {CMD_ABOUT, "smart_icon_help_about", TXT("About "), CMD_ABOUT, K::Push, false},
};

BYTE StyleOf(ButtonKind kind) noexcept {
    switch (kind) {
    case K::Check: return BTNS_CHECK;
    case K::Separator: return BTNS_SEP;
    case K::DropDown: return BTNS_DROPDOWN;
    default: return BTNS_BUTTON;
    }
}

}  // namespace

const ToolbarButtonInfo* ToolbarButtonsBegin() noexcept { return std::begin(kButtons); }
const ToolbarButtonInfo* ToolbarButtonsEnd() noexcept { return std::end(kButtons); }

const ToolbarButtonInfo* FindToolbarButton(int command) noexcept {
    if (command < 0) return nullptr;
    for (const ToolbarButtonInfo& button : kButtons) {
        if (button.command == command) return &button;
    }
    return nullptr;
}

MainToolbar::~MainToolbar() {
    Destroy();
    DestroyPictures();
}

void MainToolbar::DestroyPictures() {
    for (HIMAGELIST& list : lists_) {
        if (list) ImageList_Destroy(list);
        list = nullptr;
    }
}

void MainToolbar::Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
}

HIMAGELIST MainToolbar::BuildImageList(const char* suffix) {
    const int size = pictures::kToolbarImageSize;
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR8, static_cast<int>(std::size(kButtons)), 1);
    for (const ToolbarButtonInfo& button : kButtons) {
        if (button.kind == K::Separator) continue;
        const std::string name = std::string(button.iconName) + suffix;
        const std::wstring wide(name.begin(), name.end());
        auto bitmap = static_cast<HBITMAP>(
            LoadImageW(instance_, wide.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
        if (!bitmap) {
            // Keep the image indexes in step with the buttons: an empty
            // picture stands in for one that is missing.
            ++missing_;
            HDC screen = GetDC(nullptr);
            bitmap = CreateCompatibleBitmap(screen, size, size);
            ReleaseDC(nullptr, screen);
        }
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    return list;
}

bool MainToolbar::Create(HWND frame, HINSTANCE instance) {
    window_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT, 50, 50,
                              200, 40, frame, nullptr, instance, nullptr);
    if (!window_) return false;
    SendMessageW(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(window_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    instance_ = instance;
    LoadPictures(false);
    UseOwnTooltip(frame, instance);
    int image = 0;
    for (const ToolbarButtonInfo& info : kButtons) {
        TBBUTTON button{};
        button.iBitmap = info.kind == K::Separator ? 0 : image++;
        button.idCommand = info.kind == K::Separator ? 0 : info.command;
        button.fsState = info.startsDisabled ? 0 : TBSTATE_ENABLED;
        button.fsStyle = StyleOf(info.kind);
        SendMessageW(window_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageW(window_, TB_AUTOSIZE, 0, 0);
    // The Undo and Redo arrows open lists right below their buttons.
    KeepTooltipOffMenus(Tooltip());
    ShowWindow(window_, SW_SHOW);
    if (HWND tip = Tooltip()) {
        SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SendMessageW(tip, TTM_ACTIVATE, TRUE, 0);
    }
    return true;
}

void MainToolbar::UseOwnTooltip(HWND frame, HINSTANCE instance) {
    // Tips also while a tool window is active, and ampersands shown as they
    // are. Given before the buttons, it is told of each as it is added.
    HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, frame, nullptr, instance, nullptr);
    if (!tip) return;
    const HWND made = Tooltip();
    SendMessageW(window_, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tip), 0);
    // The one the bar made for itself (or makes when first asked) would stay,
    // unused, until the frame goes.
    if (made && made != tip) DestroyWindow(made);
}

HWND MainToolbar::Tooltip() const {
    return window_ ? reinterpret_cast<HWND>(SendMessageW(window_, TB_GETTOOLTIPS, 0, 0)) : nullptr;
}

void MainToolbar::HideTooltip() {
    if (HWND tip = Tooltip()) SendMessageW(tip, TTM_POP, 0, 0);
}

void MainToolbar::LoadPictures(bool night) {
    HIMAGELIST old[2] = {lists_[0], lists_[1]};
    missing_ = 0;
    lists_[0] = BuildImageList(night ? "_night_enabled" : "_day_enabled");
    lists_[1] = BuildImageList(night ? "_night_disabled" : "_day_disabled");
    SendMessageW(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(lists_[0]));
    SendMessageW(window_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(lists_[1]));
    // The toolbar lets go of the lists it showed only when given others.
    for (HIMAGELIST list : old) {
        if (list) ImageList_Destroy(list);
    }
}

void MainToolbar::SetNight(bool night) {
    if (!window_) return;
    LoadPictures(night);
    // Drawn with the rest of the frame, once.
    InvalidateRect(window_, nullptr, TRUE);
}

void MainToolbar::SetEnabled(int command, bool enabled) {
    if (window_ && FindToolbarButton(command)) SendMessageW(window_, TB_ENABLEBUTTON, command, MAKELONG(enabled, 0));
}

void MainToolbar::SetChecked(int command, bool checked) {
    if (window_ && FindToolbarButton(command)) SendMessageW(window_, TB_CHECKBUTTON, command, MAKELONG(checked, 0));
}

String MainToolbar::TooltipText(int command) const {
    const ToolbarButtonInfo* button = FindToolbarButton(command);
    if (!button) return String();
    String text(button->tooltip);
    if (command == CMD_ABOUT) StringAppend(text, GetProductInfo().GetProductName());
    return text;
}

}  // namespace corvinata
