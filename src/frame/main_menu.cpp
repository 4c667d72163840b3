#include "frame/main_menu.h"

#include <string>

#include "base/services.h"
#include "base/text_format.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

struct MenuPicture {
    int command;
    const wchar_t* name;
    bool hasSelected;
};

constexpr MenuPicture kMenuPictures[] = {
    {CMD_NEW_GRAPH, L"smart_icon_file_new_day", false},
    {CMD_OPEN_GRAPH, L"smart_icon_file_open_day", false},
    {CMD_SAVE_GRAPH, L"smart_icon_file_save_day", false},
    {CMD_UNDO, L"smart_icon_edit_undo_day", false},
    {CMD_REDO, L"smart_icon_edit_redo_day", false},
    {CMD_NAVIGATE_BACKWARD, L"smart_icon_view_navigate_back_day", false},
    {CMD_NAVIGATE_FORWARD, L"smart_icon_view_navigate_forth_day", false},
    {CMD_OBJECT_INFO, L"smart_icon_tools_object_info_day", true},
    {CMD_EVENT_FORECAST, L"smart_icon_tools_event_forecast_day", true},
    {CMD_EVENT_FINDER, L"smart_icon_tools_event_finder_day", true},
    {CMD_CALCULATOR, L"smart_icon_tools_astrocalc_day", true},
    {CMD_SYMBOLS, L"smart_icon_tools_symbols_day", true},
    {CMD_EDUCATOR, L"smart_icon_tools_educator_day", false},
    {CMD_DATE_TIME, L"smart_icon_options_time_day", false},
    {CMD_LOCATION, L"smart_icon_options_location_day", false},
    {CMD_APPEARANCE, L"smart_icon_options_display_day", false},
    {CMD_TILE_HORIZONTALLY, L"smart_icon_wnd_tile_hor_day", false},
    {CMD_TILE_VERTICALLY, L"smart_icon_wnd_tile_vert_day", false},
    {CMD_CLOSE_ALL, L"smart_icon_wnd_close_all_day", false},
    {CMD_ABOUT, L"smart_icon_help_about_day", false},
};

ScopedBitmap LoadMenuPicture(HINSTANCE instance, const std::wstring& name) {
    return ScopedBitmap(static_cast<HBITMAP>(
        LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
}

std::wstring WithoutAmpersands(const wchar_t* text) {
    std::wstring plain;
    for (; *text; ++text) {
        if (*text != L'&') plain += *text;
    }
    return plain;
}

// The item's text (by position or by command), at most 127 characters: the
// menu's captions are the program's own and short.
bool ItemText(HMENU menu, UINT item, BOOL byPosition, std::wstring& text) {
    wchar_t caption[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = 127;
    if (!GetMenuItemInfoW(menu, item, byPosition, &info)) return false;
    text = caption;
    return true;
}

}  // namespace

SubMenuFound FindSubMenuByText(HMENU menu, const wchar_t* text) {
    const std::wstring wanted = WithoutAmpersands(text);
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        HMENU submenu = GetSubMenu(menu, i);
        std::wstring caption;
        if (!submenu || !ItemText(menu, static_cast<UINT>(i), TRUE, caption)) continue;
        if (WithoutAmpersands(caption.c_str()) == wanted) return {submenu, true};
    }
    return {};
}

HMENU ViewMenu(HMENU bar) { return FindSubMenuByText(bar, L"&View").submenu; }

HMENU WindowMenu(HMENU bar) { return FindSubMenuByText(bar, L"&Window").submenu; }

HMENU LayoutMenu(HMENU bar) { return FindSubMenuByText(ViewMenu(bar), L"&Layout").submenu; }

void ShowProductNameInAbout(HMENU menu) {
    std::wstring text;
    if (!ItemText(menu, CMD_ABOUT, FALSE, text)) return;
    String caption(text.c_str());
    ReplaceSubstring(caption, TXT("%"), GetProductInfo().GetProductName(), 0, -1);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = caption.Data();
    SetMenuItemInfoW(menu, CMD_ABOUT, FALSE, &item);
}

void MenuPictures::Set(HMENU menu, HINSTANCE instance) {
    if (!MenuPicturesFit(GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK))) return;
    for (const MenuPicture& picture : kMenuPictures) {
        const std::wstring name = picture.name;
        ScopedBitmap enabled = LoadMenuPicture(instance, name + L"_enabled");
        ScopedBitmap selected = picture.hasSelected ? LoadMenuPicture(instance, name + L"_selected") : ScopedBitmap();
        // A picture that does not load is left out rather than shown blank.
        if (!enabled.IsValid() || (picture.hasSelected && !selected.IsValid())) continue;
        const HBITMAP shownSelected = picture.hasSelected ? selected.Get() : enabled.Get();
        const bool set = SetMenuItemBitmaps(menu, picture.command, MF_BYCOMMAND, enabled.Get(), shownSelected) != 0;
        bitmaps_.push_back(std::move(enabled));
        if (selected.IsValid()) bitmaps_.push_back(std::move(selected));
        if (!set) break;
    }
}

}  // namespace corvinata
