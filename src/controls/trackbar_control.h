// The program's trackbar: the common trackbar, told where the user left it.
// When a move by the keyboard or the mouse ends, the parent gets
// kTrackbarMovedMessage with the position before the move in the low word of
// wParam and the position after it in the high word (lParam: the trackbar),
// so that the move can become one undoable step. A click beside the thumb
// puts the thumb there at once. Up, Down and the mouse wheel do nothing.
#pragma once

#include <windows.h>

#include "app/trackbar_moves.h"
#include "controls/custom_control_registry.h"

namespace corvinata {

// In the application's range: WM_USER + n numbers belong to the dialog
// manager and the common controls (WM_USER + 1 is DM_SETDEFID), so a parent
// dialog would take the report for one of theirs.
constexpr UINT kTrackbarMovedMessage = WM_APP + 20;

class TrackbarControl : public CustomControl {
public:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnKeyDown(HWND window, WPARAM key, LPARAM lParam);
    LRESULT OnKeyUp(HWND window, WPARAM key, LPARAM lParam);
    LRESULT OnButtonDown(HWND window, WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonUp(HWND window, WPARAM wParam, LPARAM lParam);
    void ReportMove(HWND window);

    bool dragging_ = false;
    TrackbarMoveTracker tracker_;
};

// The window procedure of the class, and the common trackbar's procedure
// that it hands on to (set when the class is registered).
LRESULT CALLBACK TrackbarSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void SetTrackbarBaseProcedure(WNDPROC procedure) noexcept;

}  // namespace corvinata
