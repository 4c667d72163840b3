// The desktop that night vision turns red: the system colours of every
// program of the session and their visual styles.
#pragma once

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
};

}  // namespace corvinata
