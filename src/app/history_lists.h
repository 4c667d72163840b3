// The histories behind the toolbar's drop-down buttons: Undo and Redo walk
// the active window's command history, Navigate Backward and Forward the
// navigation history. Each button drops down the steps it would take, each
// item of the list takes that many steps at once, and the button's tooltip
// names the step a click would take.
#pragma once

#include <optional>
#include <vector>

#include "app/command_history.h"
#include "base/wide_string.h"

namespace corvinata {

// The toolbar buttons with a drop-down list of history steps.
enum class HistoryDropDown { Undo, Redo, NavigateBackward, NavigateForward };

// Undo and Navigate Backward walk back from the current position.
constexpr bool WalksBackward(HistoryDropDown list) noexcept {
    return list == HistoryDropDown::Undo || list == HistoryDropDown::NavigateBackward;
}

// The list of a button command (20110 Undo, 20111 Redo, 20150, 20151); none
// for another command.
std::optional<HistoryDropDown> HistoryDropDownOfButton(int command) noexcept;

// A list item's command: the list it belongs to and how many steps (1 to 10)
// it takes.
struct HistoryStepsCommand {
    HistoryDropDown list;
    int steps;
};
// Undo 20112-20121, Redo 20122-20131, Navigate Backward 20152-20161 and
// Forward 20162-20171; none for another command.
std::optional<HistoryStepsCommand> HistoryStepsOfCommand(int command) noexcept;

struct DropDownItem {
    int command;
    String text;
    bool enabled;
};

// At most ten steps from the current position in the list's direction,
// with their Undo or Redo texts; when more remain, a disabled "-- more --"
// item ends the list.
std::vector<DropDownItem> HistoryDropDownItems(const CommandHistory& history, HistoryDropDown list);

// The button's tooltip with the text of the step a click would take, in
// quotes ("Undo (Ctrl+Z) 'Add Mars'"); the tooltip alone when there is no
// history or no step in that direction.
String HistoryStepTooltip(const String& tooltip, const CommandHistory* history, HistoryDropDown list);

}  // namespace corvinata
