// The frame's commands that reach the child windows: opening and showing a
// kind, the graph files (open, save, the recent files), the active
// window's undo history, zoom and time steps.
#pragma once

namespace corvinata {

class ChildWindows;

void RunChildWindowCommand(ChildWindows& children, int id);

}  // namespace corvinata
