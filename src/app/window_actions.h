// The application's window actions: show a kind's window with a setting,
// open the Graph Options dialog on a tab, and run an options dialog as one
// undoable step. The windows themselves are the frame's; it is reached
// through KindWindows.
#pragma once

#include <utility>

namespace corvinata {

// What the actions need of the frame's child windows.
class KindWindows {
public:
    virtual ~KindWindows() = default;
    // Activates an open window of the kind (the next one after the active
    // one) or creates one; `created` tells which. False when neither could
    // be done.
    virtual bool ShowKindWindow(int kind, bool& created) = 0;
    // Always creates a new window of the kind.
    virtual bool NewKindWindow(int kind) = 0;
};

// Shows the kind's window and gives it a setting. A window made for the
// purpose takes it directly (it has nothing to undo); a window that was
// already open takes it as an undoable step of its own, so that the user can
// go back. `direct` and `asStep` are called with no arguments.
template <class Direct, class AsStep>
bool ShowWindowWithSetting(KindWindows& windows, int kind, Direct direct, AsStep asStep) {
    bool created = false;
    if (!windows.ShowKindWindow(kind, created)) return false;
    if (created) {
        direct();
    } else {
        asStep();
    }
    return true;
}

// Runs an options dialog on a copy of the record; when the user confirms,
// the copy goes to `apply`, which records and carries out the change as one
// step. False when the dialog was cancelled.
template <class Record, class RunDialog, class Apply>
bool ChangeOptionsAsStep(const Record& current, RunDialog runDialog, Apply apply) {
    Record copy = current;
    if (!runDialog(copy)) return false;
    apply(std::move(copy));
    return true;
}

// The tabs of the Graph Options dialog that the graph's related tasks open.
enum GraphOptionsTab : int {
    kGraphTimeTab = 0,
    kGraphLocationTab = 1,
    kGraphXAxisTab = 2,
    kGraphYAxisTab = 3,
    kGraphGuidesTab = 4,
};

constexpr int kGraphOptionsTabCount = 5;

}  // namespace corvinata
