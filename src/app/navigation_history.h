// The navigation history: every change of the active child window is a
// step that Navigate Backward undoes and Navigate Forward redoes.
#pragma once

#include <memory>

#include "app/command_history.h"
#include "app/notification.h"
#include "base/wide_string.h"

namespace corvinata {

// Brings a child window to the front (the MDI client's activation).
class WindowActivator {
public:
    virtual ~WindowActivator() = default;
    virtual void ActivateWindow(const void* window) = 0;
};

// Activates `to`; its inverse activates `from`.
class ActivateWindowCommand final : public UndoableCommand {
public:
    ActivateWindowCommand(WindowActivator& activator, const void* from, const void* to)
        : activator_(&activator), from_(from), to_(to) {}

    std::unique_ptr<UndoableCommand> MakeInverse() const override;
    void Execute() override { activator_->ActivateWindow(to_); }
    std::unique_ptr<UndoableCommand> Clone() const override;
    const void* Target() const override { return to_; }

    const void* From() const noexcept { return from_; }
    const void* To() const noexcept { return to_; }
    void SetFrom(const void* from) noexcept { from_ = from; }

private:
    WindowActivator* activator_;
    const void* from_;
    const void* to_;
};

class NavigationHistory final : public WindowActivator {
public:
    // Works on `history` (the application's) and announces the changes of
    // the active window in `hub` (none: to nobody); all must outlive it.
    NavigationHistory(CommandHistory& history, WindowActivator& activator, NotificationHub* hub = nullptr)
        : history_(history), activator_(activator), hub_(hub) {}

    CommandHistory& History() noexcept { return history_; }
    const CommandHistory& History() const noexcept { return history_; }

    // A window became active after `previous`; the texts name the two
    // windows' kinds ("Sky"). Nothing is recorded for the same window, for
    // no previous one, while a navigation step itself activates a window,
    // or without `record` (the windows of the last run coming back). Every
    // change from one window to another is announced (event 22), recorded
    // or not: Navigate Backward and Forward follow it.
    void RecordStep(const void* previous, const String& previousKind, const void* active,
                    const String& activeKind, bool record = true);
    // Takes a closing window out of every step: a step from it goes, a step
    // to it is joined with the step after it (A to W, W to B becomes A to B,
    // named after A and B), and a visit there and back goes whole.
    void PurgeWindow(const void* window);

    void Backward(int steps) { history_.UndoCommands(steps); }
    void Forward(int steps) { history_.RedoCommands(steps); }

    // What the recorded steps run: the activation, unrecorded.
    void ActivateWindow(const void* window) override;

private:
    CommandHistory& history_;
    WindowActivator& activator_;
    NotificationHub* hub_;
    bool recording_ = true;
};

}  // namespace corvinata
