// The control panels of the Report and Picture windows.
#pragma once

#include <vector>

#include "app/picture_eclipse_commands.h"
#include "app/report_picture_panels.h"
#include "controls/control_panel.h"
#include "controls/pane_anchors.h"
#include "controls/panel_services.h"

namespace corvinata {

// A Report window as its panel sees it.
class ReportPanelWindow : public PanelWindow {
public:
    virtual BrowsableReport* GetReport() = 0;
    // The document tells its views that the report changed.
    virtual void ReportChanged() = 0;
    // A new report of the choice, set to the record.
    virtual void ChooseReport(const ReportChoice& choice, const DateTimeLocation& record,
                              bool nightVision) = 0;
};

enum ReportPanelItem : int {
    kReportListItem = 20559,
    kPreviousPeriodItem = 20853,
    kCurrentPeriodItem = 21002,
    kNextPeriodItem = 20501,
};

class ReportControlPanel final : public ControlPanel {
public:
    explicit ReportControlPanel(PanelServices& services) : services_(services) {}
    void ControlPanelUpdate(void* argument) override;
    // F7 and F8 browse, F9 goes back to the current date.
    void ControlPanelStepTime(bool backward) override;
    void ControlPanelResyncTime() override;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ReportPanelWindow* Window() const { return static_cast<ReportPanelWindow*>(GetAttachedWindow()); }
    void SelectEntryOfReport();
    void ApplyRecord(const DateTimeLocation* record, bool forward, int button);
    void OnChoose();

    PanelServices& services_;
};

// A Picture window as its panel sees it.
class PicturePanelWindow : public PanelWindow {
public:
    virtual PictureWindowCommands& GetCommands() = 0;
};

constexpr int kPictureListItem = 20741;
constexpr int kPackCountItem = 20882;
constexpr int kPicturePacksItem = 20522;
constexpr int kPictureHintItem = 20881;

class PictureControlPanel final : public ControlPanel {
public:
    PictureControlPanel(PanelServices& services, PictureActions& actions, const PicturePackList& packs)
        : services_(services), actions_(actions), packs_(packs) {}
    void ControlPanelUpdate(void* argument) override;
    int SortColumn() const noexcept { return sortColumn_; }
    // The saved column, applied at start-up.
    void SortBy(int column);

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    PicturePanelWindow* Window() const { return static_cast<PicturePanelWindow*>(GetAttachedWindow()); }
    void OnInitDialog();
    void FillList();
    INT_PTR OnNotify(const NMHDR& header);
    const PictureRow* RowOfItem(LPARAM data) const;

    PanelServices& services_;
    PictureActions& actions_;
    const PicturePackList& packs_;
    std::vector<PictureRow> rows_;
    String cellText_;  // the list reads a cell's text after the notification returns
    PaneAnchors anchors_;
    int sortColumn_ = -1;
    bool updating_ = false;
};

}  // namespace corvinata
