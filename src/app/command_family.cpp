#include "app/command_family.h"

namespace corvinata {

std::unique_ptr<CompoundCommand> BeginCompoundCommand() { return std::make_unique<CompoundCommand>(); }

void EndCompound(CommandHistory& history, const String& text,
                 std::unique_ptr<CompoundCommand> holder, bool record) {
    if (!holder || holder->group.IsEmpty()) return;
    holder->group.redoText = text;
    holder->group.undoText = text;
    history.PerformCommand(holder->group, 1, record);
}

void CarryOut(CommandHistory& history, CommandGroup step, CompoundCommand* compound,
              int afterHookArgument, bool record) {
    if (step.IsEmpty()) return;
    if (compound) {
        for (int i = 0; i < step.Count(); ++i) compound->group.Add(step.CommandAt(i).Clone());
        return;
    }
    history.PerformCommand(step, afterHookArgument, record);
}

}  // namespace corvinata
