#include "views/tab_page_keys_win.h"

#include <commctrl.h>

namespace corvinata {

namespace {

// The dialogs of the user-interface thread whose pages turn, innermost
// last; a modal dialog's loop runs on that thread alone.
thread_local const TabPageKeys* t_innermost = nullptr;

}  // namespace

TabPageKeys::TabPageKeys(HWND dialog, int tabControlId)
    : dialog_(dialog), tabId_(tabControlId),
      hook_(SetWindowsHookExW(WH_MSGFILTER, &Filter, nullptr, GetCurrentThreadId())), outer_(t_innermost) {
    t_innermost = this;
}

TabPageKeys::~TabPageKeys() {
    if (hook_) UnhookWindowsHookEx(hook_);
    t_innermost = outer_;
}

bool TabPageKeys::Takes(const MSG& message) const {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
    return message.hwnd == dialog_ || IsChild(dialog_, message.hwnd);
}

void TabPageKeys::Turn(bool forward) const {
    HWND tab = GetDlgItem(dialog_, tabId_);
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    if (!tab || count < 2) return;
    const HWND focus = GetFocus();
    NMHDR header{tab, static_cast<UINT_PTR>(tabId_), static_cast<UINT>(TCN_SELCHANGING)};
    if (SendMessageW(dialog_, WM_NOTIFY, static_cast<WPARAM>(tabId_), reinterpret_cast<LPARAM>(&header))) return;
    const int current = static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
    const int next = ((current < 0 ? 0 : current) + (forward ? 1 : count - 1)) % count;
    SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
    header.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageW(dialog_, WM_NOTIFY, static_cast<WPARAM>(tabId_), reinterpret_cast<LPARAM>(&header));
    // The focused control may have gone with its page: the keys go on at
    // the tabs.
    if (!IsWindow(focus) || !IsWindowVisible(focus)) SetFocus(tab);
}

LRESULT CALLBACK TabPageKeys::Filter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code >= 0 && message && t_innermost && t_innermost->Takes(*message)) {
        t_innermost->Turn(GetKeyState(VK_SHIFT) >= 0);
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace corvinata
