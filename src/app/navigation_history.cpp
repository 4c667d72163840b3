#include "app/navigation_history.h"

namespace corvinata {

namespace {

String WindowText(const String& kind) {
    String text = kind;
    StringAppend(text, TXT(" window"));
    return text;
}

ActivateWindowCommand* StepCommand(CommandGroup* step) {
    if (!step || step->IsEmpty()) return nullptr;
    return dynamic_cast<ActivateWindowCommand*>(&step->CommandAt(0));
}

}  // namespace

std::unique_ptr<UndoableCommand> ActivateWindowCommand::MakeInverse() const {
    return std::make_unique<ActivateWindowCommand>(*activator_, to_, from_);
}

std::unique_ptr<UndoableCommand> ActivateWindowCommand::Clone() const {
    return std::make_unique<ActivateWindowCommand>(*this);
}

void NavigationHistory::ActivateWindow(const void* window) {
    // The activation a step causes is not itself a new step.
    recording_ = false;
    activator_.ActivateWindow(window);
    recording_ = true;
}

void NavigationHistory::RecordStep(const void* previous, const String& previousKind, const void* active,
                                   const String& activeKind, bool record) {
    if (!previous || previous == active) return;
    if (record && recording_) {
        CommandGroup step(std::make_unique<ActivateWindowCommand>(*this, previous, active), WindowText(activeKind),
                          WindowText(previousKind));
        history_.AddCommand(step);
    }
    if (hub_) BroadcastNotification(*hub_, kEventActiveWindowChanged, 0, nullptr);
}

void NavigationHistory::PurgeWindow(const void* window) {
    int i = 0;
    while (i < history_.StepCount()) {
        CommandGroup* step = history_.StepAt(i);
        ActivateWindowCommand* command = StepCommand(step);
        if (!command) {
            ++i;
            continue;
        }
        if (command->From() == window) {
            history_.EraseStep(i);
            continue;
        }
        if (command->To() != window) {
            ++i;
            continue;
        }
        CommandGroup* next = history_.StepAt(i + 1);
        ActivateWindowCommand* following = StepCommand(next);
        if (following && following->To() == command->From()) {
            history_.EraseStep(i + 1);
        } else if (following) {
            // The joined step leaves the window this one left, and says so.
            following->SetFrom(command->From());
            next->undoText = step->undoText;
        }
        history_.EraseStep(i);
    }
}

}  // namespace corvinata
