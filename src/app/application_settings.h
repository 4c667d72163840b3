// The settings of the application itself: the frame window's record, the
// options kept at every shutdown, and the order in which start-up reads and
// shutdown writes the whole settings tree.
//
// The location, time and general options and "Stars fixed" are written at
// every shutdown; "Save options when terminating" decides only whether the
// frame, the windows, the dialogs and the layouts are written too. The
// general options' three display values are written in either case, so that
// turning the flag off never loses them.
#pragma once

#include <cstdint>
#include <vector>

#include "app/dialog_positions.h"
#include "app/layouts.h"
#include "app/main_windows.h"
#include "app/recent_files.h"
#include "app/settings_records.h"
#include "app/window_settings.h"
#include "base/settings_tree.h"

namespace corvinata {

class UserLocations;

struct FrameWindowSettings {
    // The restored rectangle, screen pixels.
    std::int32_t top = 100;
    std::int32_t left = 100;
    std::int32_t bottom = 500;
    std::int32_t right = 700;
    bool maximized = true;
    PaneFlags panes;
    // The welcome dialog is offered while this is set.
    bool showHelpHint = true;
};

// Below "Application frame window" under the tree's innermost key (the
// settings root). A rectangle that is empty or turned inside out keeps the
// default rectangle, so the frame always opens on something visible.
void LoadFrameWindowSettings(SettingsTree& tree, FrameWindowSettings& frame);
bool SaveFrameWindowSettings(SettingsTreeWriter& writer, const FrameWindowSettings& frame);

struct ApplicationOptions {
    GeneralOptions general;
    DateTimeOptions time;
    LocationOptions location;
    bool starsFixed = false;
};

// "Location Options", "Time Options", "Appearance Options" and "Stars fixed"
// below the settings root.
void LoadApplicationOptions(SettingsTree& tree, const NameSystemNames& names,
                            ApplicationOptions& options);
// With the factory-reset flag, deletes the whole tree below `rootPath`
// instead (last, so that nothing is written after it).
bool SaveApplicationOptions(SettingsTreeWriter& writer, const NameSystemNames& names,
                            const ApplicationOptions& options, const String& rootPath);

// Everything the session writes only while "Save options when terminating"
// is set, as the frame has it at shutdown.
struct SessionState {
    FrameWindowSettings* frame = nullptr;
    Layouts* layouts = nullptr;
    DialogPositions* dialogs = nullptr;
    WindowKindState* kinds[kWindowKindCount] = {};
    std::vector<WindowReference> stacking;
    ActiveWindowShow active;
    // False for a copy started by automation: its frame and windows are its
    // client's, and the user's stored frame, windows, dialogs, layouts and
    // the moments of the user's windows stay as they were.
    bool usersSession = true;
};

// The shutdown's writing, in order: with the save flag (in the user's
// session) the main windows,
// the dialogs, the layouts and the frame (its pane flags those of the
// current layout, "ShowHelpHint" cleared); then the shared documents'
// models, the recent files, "Stars fixed", the options and the user's
// places. False when anything failed.
bool SaveSettingsAtShutdown(SettingsTreeWriter& writer, const NameSystemNames& names,
                            SessionState& session, const RecentFiles& recent,
                            const ApplicationOptions& options, UserLocations* userPlaces,
                            const String& rootPath);

}  // namespace corvinata
