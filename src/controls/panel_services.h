// What the control panels ask of the application.
#pragma once

#include <windows.h>

#include "base/date_time_location.h"

namespace corvinata {

class PanelWindow;

class PanelServices {
public:
    virtual ~PanelServices() = default;
    virtual DateTimeLocation CurrentTimeAndLocation() const = 0;
    virtual bool IsNightVisionActive() const = 0;
    // The View menu's show or hide of the control-panel pane.
    virtual void ShowControlPanel(bool show) = 0;
    // Rebuilds the Related Tasks pane for the window.
    virtual void RefreshRelatedTasks(PanelWindow& window) = 0;
    virtual void ShowPicturePacksDialog(HWND parent) = 0;
};

}  // namespace corvinata
