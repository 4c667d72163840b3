// The Solar System control panel: the nine planets with one chosen quantity
// each, the zoom slider, the selected body with "&Highlight", and the shared
// time controls with the animation. Every change is a step of the window's
// history through the Solar System actions.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "app/solar_system_commands.h"
#include "controls/control_panel.h"

namespace corvinata {

class SolarSystemWindow;

enum SolarPanelItem : int {
    kSolarPlanetList = 20741,
    kSolarZoomSlider = 20867,
    kSolarSelectedName = 20800,
    kSolarHighlight = 20704,
    kSolarDate = 20600,
    kSolarTime = 21002,
    kSolarSiderealTime = 21003,
};

class SolarControlPanel final : public ControlPanel, private PanelTimeTarget {
public:
    explicit SolarControlPanel(SolarSystemActions& actions) : actions_(actions) {}
    void ControlPanelUpdate(void* argument) override;
    void ControlPanelWindowClosing(PanelWindow* window) override;
    // While a window's ring is shown its panel takes no new highlight or
    // selection; they come back when the ring goes (or the window does).
    void EnableHighlightControls(bool enable);

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SolarSystemWindow* Window() const;
    DateTime GetPanelTime() const override;
    void SetPanelTime(const DateTime& moment) override;
    DateTime GetResetTime() const override;
    void OnInitDialog();
    void OnAnimate();
    void FollowAnimationRun(SolarSystemWindow& window);
    void EndAnimationRun();
    void OnDoubleClick();
    void OnRowChanged(const NMLISTVIEW& change);
    INT_PTR OnNotify(const NMHDR& header, LPARAM lParam);

    SolarSystemActions& actions_;
    String cell_;
    // The run of an animation: where it began and in which window.
    bool running_ = false;
    DateTime runStart_{1583, 1, 1, 0.0, 4};
    SolarSystemWindow* runWindow_ = nullptr;
    bool updating_ = false;
};

}  // namespace corvinata
