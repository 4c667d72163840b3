#include "frame/history_drop_downs.h"

namespace corvinata {
namespace {

ScopedMenu BuildPopup(const std::vector<DropDownItem>& items) {
    ScopedMenu popup(CreatePopupMenu());
    if (!popup.IsValid()) return popup;
    for (const DropDownItem& item : items) {
        const UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED);
        AppendMenuW(popup.Get(), flags, static_cast<UINT_PTR>(item.command), item.text.Text());
    }
    return popup;
}

}  // namespace

CommandHistory* HistoryDropDowns::HistoryOf(HistoryDropDown list) const {
    if (list == HistoryDropDown::Undo || list == HistoryDropDown::Redo) return sources_.ActiveWindowHistory();
    return &sources_.NavigationSteps();
}

bool HistoryDropDowns::Show(HWND toolbar, int button, HWND owner) {
    const std::optional<HistoryDropDown> list = HistoryDropDownOfButton(button);
    if (!list) return false;
    const CommandHistory* history = HistoryOf(*list);
    const std::vector<DropDownItem> items = history ? HistoryDropDownItems(*history, *list) : std::vector<DropDownItem>();
    if (items.empty()) return true;
    popup_ = BuildPopup(items);
    if (!popup_.IsValid()) return true;
    RECT rect = {};
    SendMessageW(toolbar, TB_GETRECT, static_cast<WPARAM>(button), reinterpret_cast<LPARAM>(&rect));
    POINT corner = {rect.left, rect.bottom};
    ClientToScreen(toolbar, &corner);
    TrackPopupMenu(popup_.Get(), TPM_LEFTALIGN | TPM_TOPALIGN, corner.x, corner.y, 0, owner, nullptr);
    return true;
}

bool HistoryDropDowns::RunSteps(int command) {
    const std::optional<HistoryStepsCommand> steps = HistoryStepsOfCommand(command);
    if (!steps) return false;
    if (CommandHistory* history = HistoryOf(steps->list)) {
        if (WalksBackward(steps->list)) {
            history->UndoCommands(steps->steps);
        } else {
            history->RedoCommands(steps->steps);
        }
    }
    return true;
}

std::optional<String> HistoryDropDowns::Tooltip(int command, const String& tooltip) const {
    const std::optional<HistoryDropDown> list = HistoryDropDownOfButton(command);
    if (!list) return std::nullopt;
    return HistoryStepTooltip(tooltip, HistoryOf(*list), *list);
}

}  // namespace corvinata
