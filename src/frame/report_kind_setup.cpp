#include "frame/report_kind_setup.h"

#include <utility>

#include "app/help_topics.h"
#include "documents/inline_image_resources_win.h"
#include "controls/message_box.h"
#include "resources/resource_ids.h"

namespace corvinata {

ReportKindSetup::ReportKindSetup(Application& app, const NightVisionStateInterface& nightVision,
                                 ChildWindows& windows, HWND frame, HWND panelPane, HINSTANCE instance,
                                 std::function<void()> refreshRelatedTasks, ModelessDialogs* dialogs)
    : app_(app), nightVision_(nightVision), frame_(frame), refreshRelatedTasks_(std::move(refreshRelatedTasks)) {
    // Without its panel the windows still work; the pane stays empty. The
    // panel takes its keys (Tab, Escape) through the message loop.
    hasPanel_ = panel_.CreatePanelDialog(instance, L"DLG_CTRL_RPT", panelPane, dialogs);
    ReportWindowServices services{*this, app_.GetNotificationHub(), ProgramInlineImageSource(), AskReportSavePath,
                                  [instance](HWND owner, const String& text) {
                                      RunMessageBox(instance, owner, text.Text(), kButtonsOk, kMessageError,
                                                    MessageTopic::ReportNotSaved);
                                  }};
    auto kind = std::make_unique<ReportWindowKind>(std::move(services), windows, instance);
    if (hasPanel_) kind->SetPanel(&panel_);
    kind_ = kind.get();
    windows.AddKind(std::move(kind));
}

DateTimeLocation ReportKindSetup::CurrentTimeAndLocation() const {
    DateTimeLocation record;
    DateTimeLocationInit(record);
    DateTimeLocationAssign(record, app_.Current().GetTimeAndLocation());
    return record;
}

void ReportKindSetup::ShowControlPanel(bool show) {
    HWND pane = GetParent(panel_.GetDialogWindow());
    if (pane != nullptr && (IsWindowVisible(pane) != FALSE) != show) {
        SendMessageW(frame_, WM_COMMAND, MAKEWPARAM(CMD_VIEW_CONTROL_PANEL, 0), 0);
    }
}

}  // namespace corvinata
