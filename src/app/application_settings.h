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
#include <functional>
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

// What the session writes of the frame and its windows, as the frame has
// it at shutdown: all only while "Save options when terminating" is set,
// but for the shared documents' models.
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
    // False where nobody of the run chose a moment (a copy started by
    // automation whose client never set one): the user's own moment is not
    // moved on to the current moment, which only the clock moved.
    bool momentChosen = true;
};

// What the shutdown does between its writes; an empty step does nothing.
struct ShutdownSteps {
    // Once the shared documents' models are written: every child window
    // closes, a graph's file joining the recent files as its window goes.
    std::function<void()> closeWindows;
    // Once the recent files are written: the tools write their states.
    std::function<void()> saveTools;
};

// The shutdown's writing, in order: with the save flag (in the user's
// session) the main windows, the dialogs, the layouts and the frame (its
// pane flags those of the current layout, "ShowHelpHint" cleared); the
// shared documents' models; `closeWindows`; the recent files; `saveTools`;
// the user's places, "Stars fixed" and the options. False when anything
// failed.
bool SaveSettingsAtShutdown(SettingsTreeWriter& writer, const NameSystemNames& names,
                            SessionState& session, const RecentFiles& recent,
                            const ApplicationOptions& options, UserLocations* userPlaces,
                            const String& rootPath, const ShutdownSteps& steps = {});

}  // namespace corvinata
