// The control panel of the Solar eclipse window: the eclipse shown, the
// local circumstances at the place chosen on the map, the time browser, the
// map's centre and zoom, and the search for another eclipse. Every change
// goes through the Solar eclipse actions as one undoable step.
#pragma once

#include "app/eclipse_panel.h"
#include "controls/control_panel.h"
#include "controls/panel_services.h"

namespace corvinata {

// A Solar eclipse window as its panel sees it.
class EclipsePanelWindow : public PanelWindow {
public:
    virtual EclipseWindowCommands& GetCommands() = 0;
    virtual EclipsePanelReading ReadPanel() const = 0;
    // Degrees of the map in view.
    virtual double VisibleLongitudeSpan() const = 0;
    virtual double VisibleLatitudeSpan() const = 0;
};

enum EclipsePanelItem : int {
    kSearchedDateItem = 20602,
    kEclipseTypeItem = 21018,
    kPhaseSentenceItem = 21007,
    kPhaseTemplateItem = 21008,
    kDurationTemplateItem = 20828,
    kLongitudePickerItem = 20745,
    kLatitudePickerItem = 20733,
    kApplyLocationItem = 20847,
    kLocationZoneItem = 21012,
    kBrowseDateItem = 20603,
    kBrowseTimeItem = 21005,
    kBrowseUtLabelItem = 21010,
    kBrowseLocalItem = 21006,
    kMaximumLabelItem = 20884,
    kMagnitudeLabelItem = 20886,
    kMagnitudeItem = 20750,
    kMaximumAltitudeLabelItem = 20887,
    kMaximumAltitudeItem = 20502,
    kDurationLabelItem = 20829,
    kDurationItem = 20616,
    kWidthLabelItem = 21142,
    kWidthItem = 21141,
    kCentreLongitudeItem = 20881,
    kCentreLatitudeItem = 20882,
    kLongitudeSpinnerItem = 20873,
    kLatitudeSpinnerItem = 20874,
    kZoomTrackbarItem = 20869,
    kResetMapItem = 20522,
    kPathItem = 20523,
    kLocationItem = 20524,
    kGoToDateItem = 20600,
    kGoToItem = 20650,
};

// Items of a contact row: label, link, altitude label, altitude.
struct EclipseContactItems {
    int label;
    int link;
    int altitudeLabel;
    int altitude;
};
constexpr EclipseContactItems kEclipseContactItems[3] = {
    {20883, 21002, 20888, 20503}, {20884, 21003, 20889, 20504}, {20885, 21004, 20890, 20505}};

class EclipseControlPanel final : public ControlPanel, private PanelTimeTarget {
public:
    EclipseControlPanel(PanelServices& services, SolarEclipseActions& actions);
    ~EclipseControlPanel() override;
    void ControlPanelUpdate(void* argument) override;
    // The saved step and "Go to" date, put back after creation.
    void RestoreState(const TimeStep& step, const DateTime& date);
    // Unchanged when the dialog does not exist.
    void StoreState(TimeStep& step, DateTime& date) const;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    EclipsePanelWindow* Window() const { return static_cast<EclipsePanelWindow*>(GetAttachedWindow()); }
    DateTime GetPanelTime() const override;
    void SetPanelTime(const DateTime& moment) override;
    DateTime GetResetTime() const override;
    void OnInitDialog();
    void OnCommand(int item);
    void OnSpin(int item, int delta);
    void OnZoomMoved(int from, int to);
    void ShowTexts(const EclipsePanelTexts& texts);
    static void ContactLinkClicked(const Char* value);

    PanelServices& services_;
    SolarEclipseActions& actions_;
};

}  // namespace corvinata
