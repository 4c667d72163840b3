// The Edit Graph Lines dialog: the lines of one graph window, appended,
// inserted, edited, deleted and moved, each change one undoable step made at
// once, so the graph redraws while the dialog is open.
#pragma once

#include <windows.h>

#include <functional>

#include "app/graph_commands.h"
#include "base/wide_string.h"
#include "views/graph_line_dialog_win.h"

namespace corvinata {

struct WindowGeometry;

struct GraphLinesDialogServices {
    // Runs the line dialog titled `title` over `line` (a new line when
    // `isNew`); true when it ends with OK, `line` holding the result and
    // `changed` whether its values or looks differ. Unset: the program's
    // line dialog over `line`.
    std::function<bool(HWND owner, const String& title, GraphLine& line, bool isNew, bool& changed)> editLine;
    GraphLineDialogServices lineDialog;
    // Asks a Yes/No question with its help page; true on Yes. Unset: the
    // program's message box.
    std::function<bool(HWND owner, const String& text, MessageTopic topic)> ask;
    // The dialog's saved placement, restored when it opens and kept when it
    // closes; may be null.
    WindowGeometry* placement = nullptr;
    // Repainted when the dialog closes with Close (the Graph control panel).
    HWND panel = nullptr;
};

// Runs "Dlg_GraphEdit" modally over the window's graph, owned by `owner`;
// 1 for Close, 0 for Cancel.
INT_PTR ShowGraphLinesDialog(HINSTANCE instance, HWND owner, GraphActions& actions, GraphWindowCommands& window,
                             const GraphLinesDialogServices& services);

}  // namespace corvinata
