// The Report kind in the program's frame: its control panel, made at
// start-up in the control-panel pane, the services its windows use, and the
// kind itself, handed to the frame's child windows.
#pragma once

#include <windows.h>

#include <functional>

#include "app/application.h"
#include "app/night_vision.h"
#include "views/report_picture_panels_win.h"
#include "views/report_window_win.h"
#include "views/graph_image_win.h"

namespace corvinata {

class ReportKindSetup final : private PanelServices {
public:
    // `frame` is the frame window (its panes exist), `panePane` the
    // control-panel pane that holds the panel; `refreshRelatedTasks`
    // rebuilds the frame's Related Tasks pane for its active window.
    ReportKindSetup(Application& app, const NightVisionStateInterface& nightVision, ChildWindows& windows,
                    HWND frame, HWND panelPane, HINSTANCE instance, std::function<void()> refreshRelatedTasks,
                    ModelessDialogs* dialogs = nullptr);
    ReportKindSetup(const ReportKindSetup&) = delete;
    ReportKindSetup& operator=(const ReportKindSetup&) = delete;

    ReportWindowKind& Kind() noexcept { return *kind_; }
    // False where the panel's template is not among the program's resources.
    bool HasPanel() const noexcept { return hasPanel_; }

private:
    DateTimeLocation CurrentTimeAndLocation() const override;
    bool IsNightVisionActive() const override { return nightVision_.IsNightVisionActive(); }
    void ShowControlPanel(bool show) override;
    // The panel changed the attached window's report, which is the active one.
    void RefreshRelatedTasks(PanelWindow&) override {
        if (refreshRelatedTasks_) refreshRelatedTasks_();
    }
    void ShowPicturePacksDialog(HWND) override {}

    Application& app_;
    const NightVisionStateInterface& nightVision_;
    HWND frame_;
    std::function<void()> refreshRelatedTasks_;
    // The reports' charts (the Month report's ten) drawn by the Graph
    // window's painters, the service registered while the reports exist.
    GdiGraphImages chartImages_;
    ReportControlPanel panel_{*this};
    ReportWindowKind* kind_ = nullptr;  // owned by the frame's child windows
    bool hasPanel_ = false;
};

}  // namespace corvinata
