#include "app/command_history.h"

#include <gtest/gtest.h>

#include <string>

namespace corvinata {
namespace {

// Appends its letter to a log when executed, its upper-case letter when its
// inverse is.
class LogCommand final : public UndoableCommand {
public:
    LogCommand(std::string* log, char letter) : log_(log), letter_(letter) {}
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<LogCommand>(log_, static_cast<char>(letter_ - 'a' + 'A'));
    }
    void Execute() override { *log_ += letter_; }
    std::unique_ptr<UndoableCommand> Clone() const override {
        return std::make_unique<LogCommand>(*this);
    }

private:
    std::string* log_;
    char letter_;
};

class HookedHistory final : public CommandHistory {
public:
    std::string* log = nullptr;

protected:
    void OnBeforeCommands() override { *log += '<'; }
    void OnCommandsPerformed(int flag) override { *log += flag ? '>' : ')'; }
};

class CommandHistoryTest : public ::testing::Test {
protected:
    CommandHistoryTest() { history.log = &log; }
    CommandGroup Step(const char* letters) {
        CommandGroup group(String(TXT("redo")), String(TXT("undo")));
        for (const char* c = letters; *c; ++c) group.Add(std::make_unique<LogCommand>(&log, *c));
        return group;
    }
    void Perform(const char* letters) { history.PerformCommand(Step(letters), 1, true); }
    std::string log;
    HookedHistory history;
};

TEST_F(CommandHistoryTest, GroupUndoesLastToFirstAndRedoesFirstToLast) {
    Perform("abc");
    history.UndoCommands(1);
    history.RedoCommands(1);
    EXPECT_EQ(log, "<abc><CBA><abc>");
}

TEST_F(CommandHistoryTest, UndoOfZeroStepsRunsOnlyTheHooksAndTooManyStopAtTheEnds) {
    Perform("a");
    log.clear();
    history.UndoCommands(0);
    history.UndoCommands(5);
    history.RedoCommands(5);
    EXPECT_EQ(log, "<><A><a>");
}

struct SavedCase {
    const char* name;
    // Steps performed, then MarkSaved, then a list of actions: 'u' undo,
    // 'r' redo, 'a' add a step, 's' mark saved.
    int stepsBeforeSave;
    const char* actions;
    bool atSaved;
    int savedIndex;
};

const SavedCase kSavedCases[] = {
    {"undo one", 3, "u", false, 3},
    {"undo one redo one", 3, "ur", true, 3},
    {"undo two then add drops the saved state", 3, "uua", false, -1},
    {"saved state lost for good", 3, "uuauuurrr", false, -1},
    {"saved at the start survives an add", 0, "a", false, 0},
    {"and is reached by undo", 0, "au", true, 0},
};

TEST_F(CommandHistoryTest, SavedMarkFollowsUndoRedoAndNewSteps) {
    for (const SavedCase& c : kSavedCases) {
        HookedHistory h;
        h.log = &log;
        for (int i = 0; i < c.stepsBeforeSave; ++i) h.PerformCommand(Step("a"), 1, true);
        h.MarkSaved();
        for (const char* a = c.actions; *a; ++a) {
            if (*a == 'u') h.UndoCommands(1);
            if (*a == 'r') h.RedoCommands(1);
            if (*a == 'a') h.PerformCommand(Step("b"), 1, true);
        }
        EXPECT_EQ(h.IsAtSavedState(), c.atSaved) << c.name;
        EXPECT_EQ(h.SavedIndex(), c.savedIndex) << c.name;
    }
    EXPECT_TRUE(history.IsAtSavedState());  // a new history, never marked
    EXPECT_EQ(history.PeekUndoCommand(), nullptr);
    EXPECT_EQ(history.PeekRedoCommand(), nullptr);
}

// A step tells its windows while it runs (a graph's caption then asks
// whether the history is at its saved state): by then the position stands
// where the step leaves it, for Undo as for Redo and for a new step.
class SavedStateProbe final : public UndoableCommand {
public:
    SavedStateProbe(const CommandHistory* history, std::string* seen) : history_(history), seen_(seen) {}
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SavedStateProbe>(history_, seen_);
    }
    void Execute() override { *seen_ += history_->IsAtSavedState() ? 'S' : '*'; }
    std::unique_ptr<UndoableCommand> Clone() const override { return std::make_unique<SavedStateProbe>(*this); }

private:
    const CommandHistory* history_;
    std::string* seen_;
};

TEST_F(CommandHistoryTest, AStepSeesThePositionItLeavesTheHistoryAt) {
    std::string seen;
    CommandGroup probe(String(TXT("redo")), String(TXT("undo")));
    probe.Add(std::make_unique<SavedStateProbe>(&history, &seen));
    history.PerformCommand(probe, 1, true);  // *: a change after the (empty) saved state
    history.MarkSaved();
    history.UndoCommands(1);  // *: away from it
    history.RedoCommands(1);  // S: back at the saved state
    history.PerformCommand(probe, 1, true);  // *
    history.UndoCommands(1);  // S
    EXPECT_EQ(seen, "**S*S");
}

TEST_F(CommandHistoryTest, StepTextFallsBackToTheOnlyCommandsText) {
    CommandGroup one;
    auto command = std::make_unique<LogCommand>(&log, 'a');
    command->undoText = String(TXT("Delete graph line 1 (x)"));
    one.Add(std::move(command));
    EXPECT_EQ(one.GetText(true), String(TXT("Delete graph line 1 (x)")));
    one.Add(std::make_unique<LogCommand>(&log, 'b'));
    EXPECT_TRUE(one.GetText(true).IsEmpty());
}

}  // namespace
}  // namespace corvinata
