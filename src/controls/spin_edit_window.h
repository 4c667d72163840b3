// The window side of the multi-field entry controls: the five picker window
// classes share one window procedure that draws the fields, turns keys,
// characters, clicks, pastes and the up-down arrows into calls of the
// field logic (app/spin_fields.h) and redraws what changed.
#pragma once

#include <windows.h>

#include "app/angle_picker.h"
#include "app/date_picker.h"
#include "app/number_picker.h"
#include "app/time_picker.h"
#include "app/time_zone_picker.h"
#include "controls/custom_control_registry.h"

namespace corvinata {

// Sent by the date picker to its parent (both parameters 0) whenever the
// year may have changed.
constexpr UINT kDatePickerYearMessage = WM_APP + 17;

// Sent by a picker to its parent after the user changed its value (wParam:
// the picker's id, lParam: its window); the program's own SetValue calls
// send nothing.
UINT PickerChangedMessage();

class SpinEditControl : public CustomControl {
public:
    explicit SpinEditControl(HWND window) noexcept : window_(window) {}

    virtual SpinEdit& Edit() = 0;
    HWND Window() const noexcept { return window_; }
    HWND UpDown() const noexcept { return upDown_; }
    // Where the first field's text starts (client pixels), as last painted.
    int TextOrigin() const noexcept { return textOrigin_; }

    // The up-down arrows at the right edge.
    void CreateUpDown();
    void DestroyUpDown() noexcept;
    // Draws the control and its arrows again at once.
    void Redraw() const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSetFocus(HWND previous);
    LRESULT OnUpDownNotify(const NMHDR& header, WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyUp(WPARAM key, LPARAM lParam);
    LRESULT OnChar(WPARAM c, LPARAM lParam);
    void OnPaste();
    void OnClick(int x);
    void PaintBuffered(HDC target);
    void Paint(HDC dc);

    HWND window_;
    HWND upDown_ = nullptr;
    int textOrigin_ = 0;
};

// A picker with its window.
template <class Picker>
class PickerControl : public SpinEditControl, public Picker {
public:
    explicit PickerControl(HWND window) : SpinEditControl(window) {}
    SpinEdit& Edit() override { return *this; }
};

class DatePickerControl : public PickerControl<DatePicker> {
public:
    using PickerControl<DatePicker>::PickerControl;

protected:
    void OnYearMayHaveChanged() override;
    void OnTypingRefused() override;
};

// InvalidateRect without erasing, then UpdateWindow.
void RedrawWindowNow(HWND window);
// Moves a child window by an offset within its parent.
void MoveWindowBy(HWND window, int dx, int dy);
// Makes a window 175 pixels lower, keeping its width and position.
void ShrinkWindowHeight(HWND window);

LRESULT CALLBACK AnglePickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DatePickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK NumberPickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TimePickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TimeZonePickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace corvinata
