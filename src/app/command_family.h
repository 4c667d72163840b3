// What the window commands of every kind share: the services they reach,
// the compound holder that gathers the edits of one script statement into
// one step, and the recording of a finished step.
#pragma once

#include <memory>

#include "app/app_interfaces.h"
#include "app/command_history.h"
#include "app/notification.h"

namespace corvinata {

// The application's services as the commands use them; they outlive every
// command.
struct CommandContext {
    NotificationHub& hub;
    ScriptErrorInterface& scriptErrors;
};

// Gathers the commands of several actions into one step.
struct CompoundCommand {
    CommandGroup group;
};

std::unique_ptr<CompoundCommand> BeginCompoundCommand();

// Records (or with `record` false only runs) the gathered commands as one
// step with `text` for both directions; nothing when no action added any.
// The holder is consumed either way.
void EndCompound(CommandHistory& history, const String& text,
                 std::unique_ptr<CompoundCommand> holder, bool record);

// Without a holder: the step is recorded and run with both hooks. With one:
// its commands are added to the holder and nothing runs yet.
void CarryOut(CommandHistory& history, CommandGroup step, CompoundCommand* compound,
              int afterHookArgument = 1, bool record = true);

// A command that has run keeps what it saw, so that its inverse undoes
// exactly what it did, and nothing when it could not apply.
class AppliedFlag {
public:
    void Set(bool applied) noexcept { applied_ = applied; }
    bool Applied() const noexcept { return applied_; }

private:
    bool applied_ = false;
};

}  // namespace corvinata
