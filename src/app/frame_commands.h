// The frame's commands, when each may run and which part of the frame
// carries it out. Every command of the main menu, the toolbar and the
// keyboard stands in one table; the menu and the toolbar take their enabled
// states from it, the frame refuses a command that is not enabled even when
// it arrives as a posted message, and hands each one to its handler alone.
#pragma once

#include <cstddef>

#include "app/layouts.h"

namespace corvinata {

enum class CommandNeed {
    Nothing,          // always runs
    OpenWindow,       // a child window must be open
    ActiveGraph,      // the active child must be a graph with something to save
    UndoStep,         // the active window's history has a step to undo
    RedoStep,         // ... to redo
    BackwardStep,     // the navigation history has a step back
    ForwardStep,      // ... forward
    LayoutRoom,       // fewer layouts than the list holds
    SeveralLayouts,   // at least two layouts
    LayoutEntry,      // the layout its menu entry names exists
    KindAvailable,    // the program offers the window kind the command opens or shows
    GraphFiles,       // the program offers Graph windows, which graph files open in
    NoLesson,         // no lesson runs or waits for Continue
    Unavailable,      // the window or tool it reaches is not part of the program yet
};

// The one part of the frame that carries a command out.
enum class CommandHandler {
    ExitProgram,   // closes the frame
    ChildWindows,  // opens, shows, saves or steps the child windows (the active one's history among them)
    Navigation,    // the navigation history's steps
    Layouts,       // the layouts of View > Layout
    Panes,         // shows or hides a pane
    Tools,         // shows or hides a tool window
    Educator,      // the Select Lesson dialog and the lesson it opens
    Options,       // the Options menu's dialogs
    Arrangement,   // arranges or closes the MDI children
    Help,          // the help file's pages and the About dialog
};

struct FrameCommand {
    int id;
    CommandNeed need;
    CommandHandler handler;
};

// What the frame knows when it decides which commands are enabled.
struct FrameCommandContext {
    bool windowOpen = false;
    bool graphCanBeSaved = false;
    bool canUndo = false;
    bool canRedo = false;
    bool canGoBackward = false;
    bool canGoForward = false;
    int layoutCount = 0;
    bool lessonRunning = false;
    // Bit k: the program offers window kind k.
    unsigned kindsAvailable = 0;
};

// The table entry of a command; null for an identifier the frame does not
// dispatch itself.
const FrameCommand* FindFrameCommand(int id) noexcept;
// Every entry, in menu order.
const FrameCommand* FrameCommandsBegin() noexcept;
const FrameCommand* FrameCommandsEnd() noexcept;

// The window kind a Window > New or window-button command opens; -1 for
// any other command.
int WindowKindOfCommand(int id) noexcept;
// Window > New (a new window) rather than a window button (show, cycling).
bool IsNewWindowCommand(int id) noexcept;

bool IsFrameCommandEnabled(const FrameCommand& command, const FrameCommandContext& context) noexcept;

}  // namespace corvinata
