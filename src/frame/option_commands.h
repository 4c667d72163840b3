// The Options menu's commands (Date and Time, Location, Appearance): each
// runs its dialog over the application's state, placed where the dialog
// stood last, and changes the application only when the user confirms.
#pragma once

#include <windows.h>

#include "app/application.h"
#include "app/night_desktop.h"
#include "app/night_vision.h"
#include "controls/system_desktop.h"
#include "frame/define_location_dialog.h"
#include "frame/select_location_dialog.h"

namespace corvinata {

class OptionCommands {
public:
    OptionCommands(Application& app, HINSTANCE instance)
        : app_(app), instance_(instance), keptDesktop_(app.GetStorage(), app.Keys().Root()), nightVision_(app) {
        nightVision_.AttachDesktop(&desktop_, &keptDesktop_);
    }

    // Date and Time, Location or Appearance of the Options menu.
    void RunCommand(HWND owner, int id);
    // Each answers whether the user confirmed.
    bool ChangeDateAndTime(HWND owner);
    bool ChangeLocation(HWND owner);
    bool ChangeAppearance(HWND owner);
    // Runs the Select Location dialog for a place that the caller uses
    // itself (the calculator's pages); the application's place stays.
    bool PickPlace(HWND owner, Location& chosen);

    NightVisionSettings& NightVision() noexcept { return nightVision_; }
    // At the end of the run: the desktop's own look comes back.
    void LeaveNightVision();

private:
    void PrepareSelectLocation(DefineLocationParams& define, SelectLocationDialogParams& params);

    Application& app_;
    HINSTANCE instance_;
    SystemDesktop desktop_;
    KeptDesktopStore keptDesktop_;
    NightVisionSettings nightVision_;
};

}  // namespace corvinata
