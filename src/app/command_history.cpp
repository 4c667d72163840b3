#include "app/command_history.h"

#include <algorithm>

namespace corvinata {

std::unique_ptr<UndoableCommand> NoOpCommand::MakeInverse() const {
    return std::make_unique<NoOpCommand>();
}

std::unique_ptr<UndoableCommand> NoOpCommand::Clone() const {
    return std::make_unique<NoOpCommand>(*this);
}

CommandGroup::CommandGroup(const String& redo, const String& undo)
    : redoText(redo), undoText(undo) {}

CommandGroup::CommandGroup(std::unique_ptr<UndoableCommand> command, const String& redo,
                           const String& undo)
    : redoText(redo), undoText(undo) {
    Add(std::move(command));
}

CommandGroup::CommandGroup(const CommandGroup& other)
    : redoText(other.redoText), undoText(other.undoText) {
    commands_.reserve(other.commands_.size());
    for (const auto& command : other.commands_) commands_.push_back(command->Clone());
}

CommandGroup& CommandGroup::operator=(const CommandGroup& other) {
    if (this != &other) {
        CommandGroup copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void CommandGroup::Add(std::unique_ptr<UndoableCommand> command) {
    if (command) commands_.push_back(std::move(command));
}

void CommandGroup::Execute() {
    for (auto& command : commands_) command->Execute();
}

void CommandGroup::Undo() {
    for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) {
        std::unique_ptr<UndoableCommand> inverse = (*it)->MakeInverse();
        if (inverse) inverse->Execute();
    }
}

const String& CommandGroup::GetText(bool undo) const {
    const String& own = undo ? undoText : redoText;
    if (own.IsEmpty() && commands_.size() == 1) {
        return undo ? commands_.front()->undoText : commands_.front()->redoText;
    }
    return own;
}

UndoableCommand* CommandGroup::FindCommand(CommandKind kind, const void* target) {
    for (auto& command : commands_) {
        if (command->Kind() == kind && command->Target() == target) return command.get();
    }
    return nullptr;
}

void CommandHistory::AddCommand(const CommandGroup& group) {
    const int before = static_cast<int>(current_);
    // The saved state lay in the part that is dropped now: it is gone for good.
    if (before < savedIndex_) savedIndex_ = -1;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(current_), steps_.end());
    steps_.push_back(group);
    current_ = steps_.size();
}

void CommandHistory::PerformCommand(const CommandGroup& group, int flag, bool record) {
    if (record) AddCommand(group);
    OnBeforeCommands();
    if (record) {
        steps_.back().Execute();
    } else {
        CommandGroup copy(group);
        copy.Execute();
    }
    OnCommandsPerformed(flag);
}

void CommandHistory::UndoCommands(int n) {
    OnBeforeCommands();
    for (int i = 0; i < n && current_ > 0; ++i) {
        --current_;
        steps_[current_].Undo();
    }
    OnCommandsPerformed(1);
}

void CommandHistory::RedoCommands(int n) {
    OnBeforeCommands();
    // The position moves before the step runs, as Undo's does: what the
    // step tells its windows (a caption's " *") reads where the history
    // stands after it.
    for (int i = 0; i < n && current_ < steps_.size(); ++i) {
        ++current_;
        steps_[current_ - 1].Execute();
    }
    OnCommandsPerformed(1);
}

CommandGroup* CommandHistory::StepAt(int index) {
    if (index < 0 || index >= StepCount()) return nullptr;
    return &steps_[static_cast<std::size_t>(index)];
}

void CommandHistory::EraseStep(int index) {
    if (index < 0 || index >= StepCount()) return;
    steps_.erase(steps_.begin() + index);
    if (static_cast<std::size_t>(index) < current_) --current_;
    if (index < savedIndex_) --savedIndex_;
}

const CommandGroup* CommandHistory::PeekUndoCommand() const {
    return current_ > 0 ? &steps_[current_ - 1] : nullptr;
}

const CommandGroup* CommandHistory::PeekRedoCommand() const {
    return current_ < steps_.size() ? &steps_[current_] : nullptr;
}

const CommandGroup* CommandHistory::StepFromCurrent(bool undo, int distance) const {
    if (distance < 1) return nullptr;
    const std::size_t d = static_cast<std::size_t>(distance);
    if (undo) return d <= current_ ? &steps_[current_ - d] : nullptr;
    return current_ + d - 1 < steps_.size() ? &steps_[current_ + d - 1] : nullptr;
}

CommandGroup* CommandHistory::MergeableStep(CommandKind kind, const void* target) {
    if (current_ == 0 || current_ != steps_.size()) return nullptr;
    CommandGroup& last = steps_.back();
    if (last.IsEmpty()) return nullptr;
    const UndoableCommand& first = last.CommandAt(0);
    return first.Kind() == kind && first.Target() == target ? &last : nullptr;
}

}  // namespace corvinata
