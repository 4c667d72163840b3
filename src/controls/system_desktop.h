// The desktop that night vision turns red: the system colours of every
// program of the session and their visual styles.
#pragma once

#include <windows.h>

#include <vector>

#include "app/night_vision.h"

namespace corvinata {

// The system colours of the night-vision table as they are now.
DesktopColours SystemColoursNow();

class SystemDesktop final : public DesktopInterface {
public:
    DesktopLook Read() const override;
    // SetSysColors at once for the whole table: the system then tells every
    // top-level window (WM_SYSCOLORCHANGE).
    void SetColours(const DesktopColours& colours) override;
    void EnableVisualStyles(bool on) override;
    // The shown top-level windows of this thread stop drawing (WM_SETREDRAW)
    // until the hold ends, then are drawn once, whole.
    void HoldDrawing(bool hold) override;

private:
    std::vector<HWND> held_;
};

}  // namespace corvinata
