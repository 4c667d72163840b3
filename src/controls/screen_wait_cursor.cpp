#include "controls/screen_wait_cursor.h"

#include <windows.h>

namespace corvinata {

std::uintptr_t ScreenWaitCursor::ShowWaitCursor() {
    return reinterpret_cast<std::uintptr_t>(SetCursor(LoadCursorW(nullptr, IDC_WAIT)));
}

void ScreenWaitCursor::RestoreCursor(std::uintptr_t previous) {
    SetCursor(reinterpret_cast<HCURSOR>(previous));
}

}  // namespace corvinata
