#include "views/display_context_menu_win.h"

#include "base/text_format.h"
#include "catalog/catalogue_registry.h"

namespace corvinata {

namespace {

const Char* NameOrUnknown(const String& name) { return name.IsEmpty() ? kUnknownObjectName : name.Text(); }

void FillMenuTexts(HMENU menu, const String& first, const String* second) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_SUBMENU;
        item.dwTypeData = text;
        item.cch = 255;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item)) continue;
        if (item.hSubMenu) FillMenuTexts(item.hSubMenu, first, second);
        String caption(text);
        ReplaceSubstring(caption, TXT("%1"), NameOrUnknown(first), 0, -1);
        if (second) ReplaceSubstring(caption, TXT("%2"), NameOrUnknown(*second), 0, -1);
        // Items without a name (separators among them) stay as they are.
        if (TextEquals(caption.Text(), text)) continue;
        MENUITEMINFOW update{};
        update.cbSize = sizeof update;
        update.fMask = MIIM_STRING;
        update.dwTypeData = caption.Data();
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &update);
    }
}

}  // namespace

DisplayContextMenu::DisplayContextMenu(HINSTANCE instance, const wchar_t* name) : bar_(LoadMenuW(instance, name)) {
    if (bar_.IsValid()) popup_ = GetSubMenu(bar_.Get(), 0);
}

void DisplayContextMenu::FillNames(const String& first, const String* second) {
    if (popup_) FillMenuTexts(popup_, first, second);
}

void DisplayContextMenu::Track(HWND display, POINT client, UINT flags) const {
    if (!popup_) return;
    POINT screen = client;
    ClientToScreen(display, &screen);
    TrackPopupMenu(popup_, flags, screen.x, screen.y, 0, display, nullptr);
}

}  // namespace corvinata
