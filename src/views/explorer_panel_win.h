// The Jupiter and Saturn control panels: the planet's place, rise, set,
// brightness and tilts for the kind's moment, the moons with their X, Y, Z
// and a box that shows or hides each, the zoom and tilt of the active
// explorer window, and the shared time controls. Every change is a step of
// that window's history through the kind's explorer actions, except the
// live zoom drag and the frames of a running animation (the run is one step
// when it stops).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>

#include "app/explorer_commands.h"
#include "app/window_settings.h"
#include "base/event_time_pair.h"
#include "controls/control_panel.h"

namespace corvinata {

enum ExplorerPanelItem : int {
    kExplorerTiltNorthItem = 21001,
    kExplorerTiltSouthItem = 21000,
    kExplorerUntiltItem = 20851,
    kExplorerPlanetGroupItem = 20955,
    kExplorerConstellationItem = 20668,
    kExplorerFirstLabelItem = 20564,
    kExplorerFirstValueItem = 20566,
    kExplorerSecondLabelItem = 20567,
    kExplorerSecondValueItem = 20573,
    kExplorerCoordinateSystemItem = 20559,
    kExplorerRiseItem = 20857,
    kExplorerSetItem = 20861,
    kExplorerTimeSystemItem = 20560,
    kExplorerMagnitudeItem = 20520,
    kExplorerPhaseItem = 20828,
    kExplorerTiltToEarthItem = 20855,
    kExplorerTiltToEastItem = 20856,
    kExplorerZoomItem = 20867,
    kExplorerMoonListItem = 20741,
    kExplorerHighlightItem = 20704,
    kExplorerDateItem = 20600,
    kExplorerTimeItem = 21002,
    kExplorerSiderealItem = 21003,
};

class ExplorerControlPanel final : public ControlPanel, private PanelTimeTarget {
public:
    // `document` is the kind's shared one: the Browse fields show it even
    // while no window is attached. `resetTime` is what "&Reset" goes to.
    ExplorerControlPanel(ExplorerActions& actions, ExplorerDocument& document,
                         std::function<DateTime()> resetTime);
    ~ExplorerControlPanel() override;

    // "DLG_CTRL_JUP" or "DLG_CTRL_SAT" by the actions' kind, in `pane`.
    bool Create(HINSTANCE instance, HWND pane, ModelessDialogs* dialogs);
    void ControlPanelUpdate(void* argument) override;
    void ControlPanelWindowClosing(PanelWindow* window) override;
    // Off while the attached window's selection is highlighted: no new
    // highlight or selection until it ends (or the window closes).
    void EnableHighlightControls(bool enable);
    // The highlight is over: its controls come back, the keys on its button.
    void HighlightEnded();

    // The saved time step and the two systems, applied after creation.
    void ApplySettings(const PanelSettings& settings);
    PanelSettings ReadSettings() const;

    ExplorerActions& Actions() const noexcept { return actions_; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ExplorerView* View() const;
    DateTime GetPanelTime() const override;
    void SetPanelTime(const DateTime& moment) override;
    DateTime GetResetTime() const override;
    void OnInitDialog();
    void SetUpMoonList();
    void OnCommand(int item, int code);
    void OnSliderDrag();
    void OnSliderMoved(int from, int to);
    INT_PTR OnNotify(const NMHDR& header, LPARAM lParam);
    void OnMoonChanged(const NMLISTVIEW& change);
    void OnMoonDoubleClick(const NMITEMACTIVATE& activate);
    void ShowBrowseFields();
    void ShowPlanetFields(ExplorerView& view);
    void SyncMoonList(ExplorerView& view);
    void EndAnimationRun();
    void FollowAnimationRun(ExplorerView& view);
    void RiseSetClicked(bool set);
    // The links' click actions: the panel of kind slot `Slot`, its Set link
    // or its Rise link.
    template <int Slot, bool Set>
    static void RiseSetClickedIn(const Char* target);

    ExplorerActions& actions_;
    ExplorerDocument& document_;
    std::function<DateTime()> resetTime_;
    String cell_;
    // The planet's rising and setting as the links show them.
    EventTimePair riseSet_;
    // True while the panel itself sets the list's boxes and selection.
    bool syncing_ = false;
    // The run of an animation: where it began and in which window.
    bool running_ = false;
    DateTime runStart_{1583, 1, 1, 0.0, 4};
    ExplorerView* runView_ = nullptr;
};

}  // namespace corvinata
