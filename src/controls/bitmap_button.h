// A push button drawn from four bitmaps: disabled, focused, normal and
// pressed. The application keeps one ButtonControl per control identifier
// and every window of that identifier shows it; a click or the space bar
// sends WM_COMMAND with the identifier to the parent.
#pragma once

#include <windows.h>

#include "base/scoped_win.h"
#include "controls/custom_control_registry.h"

namespace corvinata {

enum class ButtonPicture : int { Disabled = 0, Focused = 1, Normal = 2, Pressed = 3 };

// The picture a button shows: disabled before pressed before focused.
ButtonPicture ChooseButtonPicture(bool enabled, bool pressed, bool focused) noexcept;

class ButtonControl : public CustomControl {
public:
    // Loads a bitmap of `module`'s resources into one of the four pictures;
    // false when it does not load.
    bool LoadButtonBitmap(HINSTANCE module, ButtonPicture picture, int resourceId,
                          bool map3dColours);
    // Takes `bitmap` for one of the pictures. The size of the button's
    // pictures is that of the first bitmap set.
    void SetBitmap(ButtonPicture picture, HBITMAP bitmap);
    bool IsPressed() const noexcept { return pressed_; }

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HWND window, HDC dc) const;
    void Notify(HWND window) const;

    ScopedBitmap bitmaps_[4];
    int width_ = 0;
    int height_ = 0;
    bool pressed_ = false;
};

// Loads the day or night pictures of the four arrow buttons (up, down, left,
// right) from `module` into `registry`'s buttons; false when one is missing.
bool LoadArrowBitmaps(HINSTANCE module, CustomControlRegistry& registry, bool night);

LRESULT CALLBACK ButtonWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace corvinata
