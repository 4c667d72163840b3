// The enabled states of the frame's commands as the main menu and the
// toolbar show them, with the check marks of the tools. A state is written
// to the menu and the toolbar only when it differs from the one shown last:
// this runs after every command, and a menu or toolbar change costs a
// redraw.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "app/frame_commands.h"

namespace corvinata {

class MainToolbar;
class ToolWindows;

class CommandStates {
public:
    CommandStates(HWND frame, MainToolbar& toolbar) : frame_(frame), toolbar_(toolbar) {}

    // Every command from the table in `context`, the Window > New title
    // (gray when no kind can be opened) and the tools' check marks; without
    // `navigation` all but Navigate Backward and Forward.
    void UpdateAll(const FrameCommandContext& context, const ToolWindows& tools, bool navigation = true);
    // Undo and Redo alone.
    void UpdateUndoRedo(const FrameCommandContext& context);
    // Navigate Backward and Forward alone.
    void UpdateNavigation(const FrameCommandContext& context);

private:
    // Shows a command's state in the menu and on the toolbar unless they
    // show it already.
    void Show(const FrameCommand& command, bool enabled);
    // Whether a shown state (-1 not yet shown) differs from `state`; it is
    // then recorded as shown.
    static bool ShownStateChanges(signed char& shown, bool state);
    // The states shown belong to the menu they were shown in: a new menu
    // shows none yet.
    void FollowMenu();

    HWND frame_;
    MainToolbar& toolbar_;
    // Each frame command's state as the menu and toolbar show it (-1 not
    // yet shown), the Window > New title's and the tools' checks, for the
    // menu they were shown in.
    std::vector<signed char> commands_;
    signed char newWindows_ = -1;
    std::map<int, signed char> tools_;
    HMENU menu_ = reinterpret_cast<HMENU>(-1);
};

}  // namespace corvinata
