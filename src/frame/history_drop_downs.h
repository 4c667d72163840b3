// The toolbar's history drop-downs in the frame: the list under the Undo,
// Redo, Navigate Backward or Navigate Forward button's arrow, the commands
// of its items (several steps at once) and the buttons' tooltips naming the
// step a click would take.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "app/history_lists.h"
#include "base/scoped_win.h"

namespace corvinata {

// Where the lists' histories are.
class HistorySources {
public:
    virtual ~HistorySources() = default;
    // The active child window's history; none without an active window.
    virtual CommandHistory* ActiveWindowHistory() const = 0;
    virtual CommandHistory& NavigationSteps() const = 0;
};

class HistoryDropDowns {
public:
    explicit HistoryDropDowns(const HistorySources& sources) : sources_(sources) {}

    // The arrow of `button` clicked (TBN_DROPDOWN): its list below the
    // button, owned by `owner`, which gets the chosen item's command. False
    // for a button without a history list; true, showing nothing, for one
    // whose history has no step in its direction.
    bool Show(HWND toolbar, int button, HWND owner);
    // An item's command takes its steps; false for any other command.
    bool RunSteps(int command);
    // A history button's tooltip (`tooltip`) with the step a click would
    // take; none for another button.
    std::optional<String> Tooltip(int command, const String& tooltip) const;

private:
    CommandHistory* HistoryOf(HistoryDropDown list) const;

    const HistorySources& sources_;
    // The list shown last; a new one replaces it.
    ScopedMenu popup_;
};

}  // namespace corvinata
