// Undoable commands, the steps they form and the history of steps.
//
// Every edit inside a window is a command that can make its inverse, execute
// and clone itself. Commands form a step (CommandGroup) with the text shown
// for Redo and the text shown for Undo; the history keeps the steps with a
// current position that Undo and Redo move and the position of the last save.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/wide_string.h"

namespace corvinata {

// What a command changes, so that a step can be recognised again (the wheel
// zoom folds its steps into the one recorded last only when that one is a
// zoom of the same window).
enum class CommandKind : int {
    Other = 0,
    GraphEdit,
    GraphGuideLine,
    PictureShow,
    PictureOptions,
    EclipseDate,
    EclipseCentre,
    EclipseZoom,
    EclipseDetailsPoint,
    EclipseDetailsTime,
    SolarSystemZoom,
    SolarSystemSelect,
    SolarSystemOptions,
    SolarSystemGoTo,
    SkyView,
    SkyZoom,
    SkySelect,
    SkyOptions,
    SkyGoTo,
    Navigation,
    ExplorerZoom,
    ExplorerSelect,
};

class UndoableCommand {
public:
    UndoableCommand() = default;
    virtual ~UndoableCommand() = default;

    // A new command that undoes this one; called only after Execute.
    virtual std::unique_ptr<UndoableCommand> MakeInverse() const = 0;
    virtual void Execute() = 0;
    virtual std::unique_ptr<UndoableCommand> Clone() const = 0;
    virtual CommandKind Kind() const { return CommandKind::Other; }
    // The window (or other object) the command changes.
    virtual const void* Target() const { return nullptr; }

    String redoText;
    String undoText;

protected:
    UndoableCommand(const UndoableCommand&) = default;
    UndoableCommand& operator=(const UndoableCommand&) = default;
};

// A command whose copy is its clone: `Derived` derives from this, and it
// from `Base` (the window family's command), whose constructors it takes.
template <class Derived, class Base>
class CopyableCommand : public Base {
public:
    using Base::Base;
    std::unique_ptr<UndoableCommand> Clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

// The inverse of a command that changed nothing when it ran.
class NoOpCommand final : public UndoableCommand {
public:
    std::unique_ptr<UndoableCommand> MakeInverse() const override;
    void Execute() override {}
    std::unique_ptr<UndoableCommand> Clone() const override;
};

// One step: owned commands in execution order and the two texts.
class CommandGroup {
public:
    CommandGroup() = default;
    CommandGroup(const String& redoText, const String& undoText);
    CommandGroup(std::unique_ptr<UndoableCommand> command, const String& redoText,
                 const String& undoText);
    CommandGroup(const CommandGroup& other);
    CommandGroup& operator=(const CommandGroup& other);
    CommandGroup(CommandGroup&&) noexcept = default;
    CommandGroup& operator=(CommandGroup&&) noexcept = default;
    ~CommandGroup() = default;

    void Add(std::unique_ptr<UndoableCommand> command);
    void Execute();
    // The inverses of the commands, last to first; the commands stay.
    void Undo();
    // The step's text for Undo (true) or Redo (false); a step without its own
    // text and with exactly one command shows that command's text.
    const String& GetText(bool undo) const;
    void Clear() noexcept { commands_.clear(); }

    int Count() const noexcept { return static_cast<int>(commands_.size()); }
    bool IsEmpty() const noexcept { return commands_.empty(); }
    UndoableCommand& CommandAt(int index) { return *commands_[index]; }
    const UndoableCommand& CommandAt(int index) const { return *commands_[index]; }
    // The first command of that kind and target, or none.
    UndoableCommand* FindCommand(CommandKind kind, const void* target);

    String redoText;
    String undoText;

private:
    std::vector<std::unique_ptr<UndoableCommand>> commands_;
};

class CommandHistory {
public:
    CommandHistory() = default;
    virtual ~CommandHistory() = default;
    CommandHistory(const CommandHistory&) = delete;
    CommandHistory& operator=(const CommandHistory&) = delete;

    // Records a copy of the step after the current position, dropping the
    // steps that could have been redone. Runs nothing, calls no hook.
    void AddCommand(const CommandGroup& group);
    // With `record`: AddCommand and work on the recorded copy. Then the
    // before-hook, the step, and the after-hook with `flag`.
    void PerformCommand(const CommandGroup& group, int flag, bool record);
    // Undo or redo up to n steps (fewer when fewer exist); both hooks run
    // whatever n is.
    void UndoCommands(int n);
    void RedoCommands(int n);

    // The step Undo would revert / Redo would apply, or none.
    const CommandGroup* PeekUndoCommand() const;
    const CommandGroup* PeekRedoCommand() const;
    // The last step, for folding a follow-up edit into it: only while nothing
    // can be redone and only when the step's first command has that kind and
    // target; otherwise none.
    CommandGroup* MergeableStep(CommandKind kind, const void* target);

    void MarkSaved() noexcept { savedIndex_ = static_cast<int>(current_); }
    // No position is the saved one: a copy of a graph counts as changed.
    void MarkSavedUnreachable() noexcept { savedIndex_ = -1; }
    bool IsAtSavedState() const noexcept {
        return savedIndex_ >= 0 && savedIndex_ == static_cast<int>(current_);
    }
    int StepCount() const noexcept { return static_cast<int>(steps_.size()); }
    int UndoableCount() const noexcept { return static_cast<int>(current_); }
    int SavedIndex() const noexcept { return savedIndex_; }
    // The step `distance` places before (undo) or after (redo) the current
    // position, counting from 1; none beyond the ends.
    const CommandGroup* StepFromCurrent(bool undo, int distance) const;
    // Step `index` (0 the oldest) for editing in place; none outside.
    CommandGroup* StepAt(int index);
    // Erases step `index`. The current position and the saved mark keep
    // standing between the same steps: an erased step before them moves
    // them back by one.
    void EraseStep(int index);

protected:
    virtual void OnCommandsPerformed(int flag) { static_cast<void>(flag); }
    virtual void OnBeforeCommands() {}

private:
    std::vector<CommandGroup> steps_;
    std::size_t current_ = 0;
    int savedIndex_ = 0;
};

// A window's history: it also remembers which window the last step changed,
// so that the window's control panel refreshes only when it must.
class WindowCommandHistory : public CommandHistory {
public:
    void RecordChangedWindow(const void* window) noexcept { changedWindow_ = window; }
    const void* ChangedWindow() const noexcept { return changedWindow_; }

protected:
    void OnBeforeCommands() override {
        changedWindow_ = nullptr;
        ResetChangeState();
    }
    virtual void ResetChangeState() {}

private:
    const void* changedWindow_ = nullptr;
};

}  // namespace corvinata
