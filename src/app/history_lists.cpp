#include "app/history_lists.h"

#include "resources/resource_ids.h"

namespace corvinata {
namespace {

constexpr int kDropDownLength = 10;

struct HistoryListCommands {
    HistoryDropDown list;
    int button;
    int firstItem;
    int moreItem;
};

constexpr HistoryListCommands kLists[] = {
    {HistoryDropDown::Undo, CMD_UNDO, CMD_UNDO_STEPS_FIRST, STR_UNDO_MORE},
    {HistoryDropDown::Redo, CMD_REDO, CMD_REDO_STEPS_FIRST, STR_REDO_MORE},
    {HistoryDropDown::NavigateBackward, CMD_NAVIGATE_BACKWARD, CMD_BACKWARD_STEPS_FIRST, STR_BACKWARD_MORE},
    {HistoryDropDown::NavigateForward, CMD_NAVIGATE_FORWARD, CMD_FORWARD_STEPS_FIRST, STR_FORWARD_MORE},
};

constexpr bool ListsInEnumerationOrder() {
    for (int i = 0; i < 4; ++i)
        if (static_cast<int>(kLists[i].list) != i) return false;
    return true;
}
static_assert(ListsInEnumerationOrder(), "a list's commands stand at its place");

const HistoryListCommands& CommandsOf(HistoryDropDown list) noexcept {
    return kLists[static_cast<int>(list)];
}

}  // namespace

std::optional<HistoryDropDown> HistoryDropDownOfButton(int command) noexcept {
    for (const HistoryListCommands& commands : kLists) {
        if (commands.button == command) return commands.list;
    }
    return std::nullopt;
}

std::optional<HistoryStepsCommand> HistoryStepsOfCommand(int command) noexcept {
    for (const HistoryListCommands& commands : kLists) {
        const int steps = command - commands.firstItem + 1;
        if (steps >= 1 && steps <= kDropDownLength) return HistoryStepsCommand{commands.list, steps};
    }
    return std::nullopt;
}

std::vector<DropDownItem> HistoryDropDownItems(const CommandHistory& history, HistoryDropDown list) {
    const HistoryListCommands& commands = CommandsOf(list);
    const bool backward = WalksBackward(list);
    std::vector<DropDownItem> items;
    for (int distance = 1;; ++distance) {
        const CommandGroup* step = history.StepFromCurrent(backward, distance);
        if (!step) break;
        if (distance > kDropDownLength) {
            items.push_back({commands.moreItem, String(TXT("-- more --")), false});
            break;
        }
        items.push_back({commands.firstItem + distance - 1, step->GetText(backward), true});
    }
    return items;
}

String HistoryStepTooltip(const String& tooltip, const CommandHistory* history, HistoryDropDown list) {
    String text = tooltip;
    const bool backward = WalksBackward(list);
    const CommandGroup* step = history ? history->StepFromCurrent(backward, 1) : nullptr;
    if (step) {
        StringAppend(text, TXT(" '"));
        StringAppend(text, step->GetText(backward).Text());
        StringAppend(text, TXT("'"));
    }
    return text;
}

}  // namespace corvinata
