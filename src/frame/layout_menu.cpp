#include "frame/layout_menu.h"

#include "frame/main_menu.h"
#include "resources/resource_ids.h"

namespace corvinata {

void ShowLayoutEntries(HWND frame, const std::vector<String>& names, int checked) {
    HMENU layouts = LayoutMenu(GetMenu(frame));
    if (!layouts) return;
    for (int id = CMD_LAYOUT_FIRST; id < CMD_LAYOUT_FIRST + kMaxLayouts; ++id) DeleteMenu(layouts, id, MF_BYCOMMAND);
    for (std::size_t i = 0; i < names.size() && i < static_cast<std::size_t>(kMaxLayouts); ++i) {
        // Radio-check items: exactly one layout is current, and its entry
        // shows the bullet of a choice among several.
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        item.fType = MFT_STRING | MFT_RADIOCHECK;
        item.fState = static_cast<int>(i) == checked ? MFS_CHECKED : MFS_UNCHECKED;
        item.wID = CMD_LAYOUT_FIRST + static_cast<UINT>(i);
        item.dwTypeData = const_cast<wchar_t*>(names[i].Text());
        InsertMenuItemW(layouts, static_cast<UINT>(GetMenuItemCount(layouts)), TRUE, &item);
    }
}

void RunLayoutCommand(Layouts& layouts, int id) {
    if (id >= CMD_LAYOUT_FIRST && id < CMD_LAYOUT_FIRST + kMaxLayouts) {
        layouts.ApplyLayout(id - CMD_LAYOUT_FIRST);
    } else if (id == CMD_ADD_LAYOUT) {
        layouts.AddNewLayout();
    } else if (id == CMD_NEXT_LAYOUT || id == CMD_PREVIOUS_LAYOUT) {
        layouts.ActivateAdjacentLayout(id == CMD_PREVIOUS_LAYOUT);
    } else if (id == CMD_REMOVE_ACTIVE_LAYOUT) {
        layouts.RemoveActiveLayout();
    } else if (id == CMD_REMOVE_INACTIVE_LAYOUTS) {
        layouts.RemoveInactiveLayouts();
    }
}

}  // namespace corvinata
