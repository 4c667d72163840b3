#include "frame/command_states.h"

#include "controls/tool_windows.h"
#include "frame/main_menu.h"
#include "frame/main_toolbar.h"
#include "resources/resource_ids.h"

namespace corvinata {

void CommandStates::UpdateAll(const FrameCommandContext& context, const ToolWindows& tools, bool navigation) {
    FollowMenu();
    // Every command lives in a popup of the menu bar, so the bar itself
    // never needs redrawing for them (a redraw repaints the child windows
    // too, and this runs after every command).
    for (const FrameCommand* command = FrameCommandsBegin(); command != FrameCommandsEnd(); ++command) {
        if (!navigation && command->handler == CommandHandler::Navigation) continue;
        Show(*command, IsFrameCommandEnabled(*command, context));
    }
    // The Window > New submenu leads only to window kinds; gray its title
    // as well when none of them can be opened.
    HMENU menu = GetMenu(frame_);
    HMENU windowMenu = WindowMenu(menu);
    bool anyKind = false;
    for (int id = CMD_NEW_SKY; id <= CMD_NEW_ECLIPSE; ++id) {
        anyKind = anyKind || IsFrameCommandEnabled(*FindFrameCommand(id), context);
    }
    if (windowMenu && ShownStateChanges(newWindows_, anyKind)) {
        EnableMenuItem(windowMenu, 0, MF_BYPOSITION | (anyKind ? MF_ENABLED : MF_GRAYED));
    }
    // A tool's command is checked while its window is shown.
    for (int id = CMD_OBJECT_INFO; id <= CMD_EDUCATOR; ++id) {
        if (!tools.Find(id)) continue;
        const bool shown = tools.IsShown(id);
        if (!ShownStateChanges(tools_.try_emplace(id, -1).first->second, shown)) continue;
        CheckMenuItem(menu, id, MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
        toolbar_.SetChecked(id, shown);
    }
}

void CommandStates::UpdateUndoRedo(const FrameCommandContext& context) {
    FollowMenu();
    for (const int id : {CMD_UNDO, CMD_REDO}) {
        const FrameCommand& command = *FindFrameCommand(id);
        Show(command, IsFrameCommandEnabled(command, context));
    }
}

void CommandStates::UpdateNavigation(const FrameCommandContext& context) {
    FollowMenu();
    for (const int id : {CMD_NAVIGATE_BACKWARD, CMD_NAVIGATE_FORWARD}) {
        const FrameCommand& command = *FindFrameCommand(id);
        Show(command, IsFrameCommandEnabled(command, context));
    }
}

void CommandStates::Show(const FrameCommand& command, bool enabled) {
    signed char& shown = commands_[static_cast<std::size_t>(&command - FrameCommandsBegin())];
    if (!ShownStateChanges(shown, enabled)) return;
    EnableMenuItem(GetMenu(frame_), static_cast<UINT>(command.id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    toolbar_.SetEnabled(command.id, enabled);
}

bool CommandStates::ShownStateChanges(signed char& shown, bool state) {
    if (shown == (state ? 1 : 0)) return false;
    shown = state ? 1 : 0;
    return true;
}

void CommandStates::FollowMenu() {
    HMENU menu = GetMenu(frame_);
    if (menu == menu_) return;
    commands_.assign(static_cast<std::size_t>(FrameCommandsEnd() - FrameCommandsBegin()), -1);
    newWindows_ = -1;
    tools_.clear();
    menu_ = menu;
}

}  // namespace corvinata
