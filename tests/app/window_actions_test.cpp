#include "app/window_actions.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/command_history.h"

namespace corvinata {
namespace {

class OneKindOfWindow final : public KindWindows {
public:
    bool ShowKindWindow(int, bool& created) override {
        created = !open;
        open = true;
        return true;
    }
    bool NewKindWindow(int) override { return open = true; }
    bool open = false;
};

// Sets the shown day and undoes to the one before.
class SetDay final : public UndoableCommand {
public:
    SetDay(int& day, int to) : day_(day), to_(to) {}
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SetDay>(day_, before_);
    }
    void Execute() override {
        before_ = day_;
        day_ = to_;
    }
    std::unique_ptr<UndoableCommand> Clone() const override { return std::make_unique<SetDay>(*this); }

private:
    int& day_;
    int to_;
    int before_ = 0;
};

TEST(WindowActionsTest, SettingIsUndoableOnlyInAWindowThatWasAlreadyOpen) {
    OneKindOfWindow windows;
    CommandHistory history;
    int day = 1;
    auto show = [&](int to) {
        return ShowWindowWithSetting(
            windows, 1, [&] { day = to; },
            [&] {
                history.PerformCommand(CommandGroup(std::make_unique<SetDay>(day, to), String(), String()),
                                       0, true);
            });
    };
    ASSERT_TRUE(show(5));
    EXPECT_EQ(day, 5);
    EXPECT_EQ(history.UndoableCount(), 0);
    ASSERT_TRUE(show(9));
    EXPECT_EQ(day, 9);
    history.UndoCommands(1);
    EXPECT_EQ(day, 5);
}

TEST(WindowActionsTest, CancelledOptionsDialogChangesNothing) {
    int applied = 0;
    EXPECT_FALSE(ChangeOptionsAsStep(3, [](int& copy) { copy = 4; return false; }, [&](int v) { applied = v; }));
    EXPECT_EQ(applied, 0);
    EXPECT_TRUE(ChangeOptionsAsStep(3, [](int& copy) { copy = 4; return true; }, [&](int v) { applied = v; }));
    EXPECT_EQ(applied, 4);
}

}  // namespace
}  // namespace corvinata
