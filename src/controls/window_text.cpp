#include "controls/window_text.h"

#include <cstddef>
#include <vector>

namespace corvinata {

String WindowText(HWND window) {
    const int length = window ? GetWindowTextLengthW(window) : 0;
    if (length <= 0) return String();
    // The length may be more than the text (never less); the text read ends
    // where the copy does.
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    return String(text.data());
}

String DialogItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

}  // namespace corvinata
