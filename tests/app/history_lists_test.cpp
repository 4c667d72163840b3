#include "app/history_lists.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "app/settings_keys.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

CommandHistory& Record(CommandHistory& history, int steps) {
    for (int i = 0; i < steps; ++i) {
        history.AddCommand(CommandGroup(NumberedName(TXT("do "), i), NumberedName(TXT("undo "), i)));
    }
    return history;
}

TEST(HistoryListsTest, TenStepsThenMore) {
    for (int steps : {10, 11}) {
        CommandHistory history;
        Record(history, steps);
        const auto items = HistoryDropDownItems(history, HistoryDropDown::Undo);
        ASSERT_EQ(items.size(), steps == 10 ? 10u : 11u);
        EXPECT_EQ(items[0].command, 20112);
        EXPECT_EQ(Utf8(items[0].text), steps == 10 ? "undo 9" : "undo 10");
        EXPECT_EQ(items[9].command, 20121);
        if (steps == 11) {
            EXPECT_EQ(items[10].command, 20132);
            EXPECT_EQ(Utf8(items[10].text), "-- more --");
            EXPECT_FALSE(items[10].enabled);
        }
        EXPECT_TRUE(HistoryDropDownItems(history, HistoryDropDown::Redo).empty());
    }
}

// Redo walks forward from the current position, with the steps' Redo texts.
TEST(HistoryListsTest, RedoListsTheStepsAfterThePositionInOrder) {
    CommandHistory history;
    Record(history, 4).UndoCommands(3);
    const auto items = HistoryDropDownItems(history, HistoryDropDown::Redo);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].command, 20122);
    EXPECT_EQ(Utf8(items[0].text), "do 1");
    EXPECT_EQ(Utf8(items[2].text), "do 3");
    EXPECT_EQ(Utf8(HistoryDropDownItems(history, HistoryDropDown::NavigateBackward)[0].text), "undo 0");
}

// A step without a text of its own that holds one command shows the command's.
TEST(HistoryListsTest, AStepOfOneCommandWithoutItsOwnTextShowsTheCommands) {
    class Named final : public UndoableCommand {
    public:
        std::unique_ptr<UndoableCommand> MakeInverse() const override { return std::make_unique<Named>(*this); }
        void Execute() override {}
        std::unique_ptr<UndoableCommand> Clone() const override { return std::make_unique<Named>(*this); }
    };
    auto command = std::make_unique<Named>();
    command->undoText = String(TXT("Zoom out"));
    command->redoText = String(TXT("Zoom in"));
    CommandHistory history;
    history.AddCommand(CommandGroup(std::move(command), String(), String()));
    EXPECT_EQ(Utf8(HistoryDropDownItems(history, HistoryDropDown::Undo)[0].text), "Zoom out");
    EXPECT_EQ(Utf8(HistoryStepTooltip(String(TXT("Undo (Ctrl+Z)")), &history, HistoryDropDown::Undo)),
              "Undo (Ctrl+Z) 'Zoom out'");
}

TEST(HistoryListsTest, ButtonsAndItemsNameTheirListAndSteps) {
    const struct {
        int command;
        std::optional<HistoryDropDown> button;
        std::optional<HistoryDropDown> list;
        int steps;
    } cases[] = {
        {20110, HistoryDropDown::Undo, std::nullopt, 0},
        {20111, HistoryDropDown::Redo, std::nullopt, 0},
        {20150, HistoryDropDown::NavigateBackward, std::nullopt, 0},
        {20151, HistoryDropDown::NavigateForward, std::nullopt, 0},
        {20112, std::nullopt, HistoryDropDown::Undo, 1},
        {20121, std::nullopt, HistoryDropDown::Undo, 10},
        {20122, std::nullopt, HistoryDropDown::Redo, 1},
        {20131, std::nullopt, HistoryDropDown::Redo, 10},
        {20152, std::nullopt, HistoryDropDown::NavigateBackward, 1},
        {20171, std::nullopt, HistoryDropDown::NavigateForward, 10},
        {20132, std::nullopt, std::nullopt, 0},  // "-- more --" takes no steps
        {20173, std::nullopt, std::nullopt, 0},
        {20102, std::nullopt, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HistoryDropDownOfButton(c.command), c.button) << c.command;
        const auto steps = HistoryStepsOfCommand(c.command);
        ASSERT_EQ(steps.has_value(), c.list.has_value()) << c.command;
        if (!steps) continue;
        EXPECT_EQ(steps->list, *c.list) << c.command;
        EXPECT_EQ(steps->steps, c.steps) << c.command;
    }
}

TEST(HistoryListsTest, TooltipNamesTheStepAClickWouldTake) {
    CommandHistory history;
    Record(history, 2).UndoCommands(1);
    const String undo(TXT("Undo (Ctrl+Z)"));
    const String redo(TXT("Redo (Ctrl+Y)"));
    EXPECT_EQ(Utf8(HistoryStepTooltip(undo, &history, HistoryDropDown::Undo)), "Undo (Ctrl+Z) 'undo 0'");
    EXPECT_EQ(Utf8(HistoryStepTooltip(redo, &history, HistoryDropDown::Redo)), "Redo (Ctrl+Y) 'do 1'");
    EXPECT_EQ(Utf8(HistoryStepTooltip(undo, nullptr, HistoryDropDown::Undo)), "Undo (Ctrl+Z)");
    history.UndoCommands(1);
    EXPECT_EQ(Utf8(HistoryStepTooltip(undo, &history, HistoryDropDown::Undo)), "Undo (Ctrl+Z)");
}

}  // namespace
}  // namespace corvinata
