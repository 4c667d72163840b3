#include "controls/tooltips_under_menus.h"

#include <commctrl.h>

namespace corvinata {
namespace {

constexpr UINT_PTR kSubclassId = 0x7415;

LRESULT CALLBACK TooltipSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_WINDOWPOSCHANGING) {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if ((position->flags & SWP_SHOWWINDOW) && MenuOpenOnThisThread()) position->flags &= ~SWP_SHOWWINDOW;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &TooltipSubclass, kSubclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

bool MenuOpenOnThisThread() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetCurrentThreadId(), &info)) return false;
    return (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

void KeepTooltipOffMenus(HWND tooltip) {
    if (tooltip) SetWindowSubclass(tooltip, &TooltipSubclass, kSubclassId, 0);
}

}  // namespace corvinata
