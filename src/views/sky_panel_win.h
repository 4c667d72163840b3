// The Sky control panel: the Sky document's date and times with the time
// browser, the direction and field of view of the active Sky window, and its
// selected object. Every change goes through the Sky actions as one
// undoable step, except the live slider drag and the frames of a running
// animation (the run is one step when it stops).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>

#include "app/sky_commands.h"
#include "app/window_settings.h"
#include "base/event_time_pair.h"
#include "controls/control_panel.h"

namespace corvinata {

class SkyWindow;

enum SkyPanelItem : int {
    kSkyDialItem = 20830,
    kSkyLookUpItem = 21020,
    kSkyLookDownItem = 20615,
    kSkyTurnLeftItem = 20735,
    kSkyTurnRightItem = 20854,
    kSkyLookOriginItem = 20852,
    kSkyZoomSliderItem = 20867,
    kSkyZoomTextItem = 20881,
    kSkyNameItem = 20802,
    kSkyConstellationItem = 20574,
    kSkyConstellationAbbrItem = 20575,
    kSkyZodiacItem = 20865,
    kSkyZodiacAbbrItem = 20866,
    kSkyFirstLabelItem = 20564,
    kSkyFirstValueItem = 20566,
    kSkySecondLabelItem = 20567,
    kSkySecondValueItem = 20573,
    kSkyCoordinateSystemItem = 20559,
    kSkyRiseItem = 20857,
    kSkySetItem = 20861,
    kSkyTimeSystemItem = 20560,
    kSkyMagnitudeLabelItem = 20521,
    kSkyMagnitudeItem = 20520,
    kSkyPhaseLabelItem = 20829,
    kSkyPhaseItem = 20828,
    kSkyHighlightItem = 20704,
    kSkySiderealItem = 21003,
};

class SkyControlPanel final : public ControlPanel, private PanelTimeTarget {
public:
    // `constellationNames` answers the application's constellation name
    // system, in which the constellation fields name their constellation.
    SkyControlPanel(SkyActions& actions, std::function<bool()> starsFixed,
                    std::function<DateTime()> resetTime, std::function<int()> constellationNames);
    ~SkyControlPanel() override;
    // A child of the pane; with `modeless` the message loop gives it the
    // dialog keys (Tab, arrows, mnemonics).
    bool Create(HINSTANCE instance, HWND parent, ModelessDialogs* modeless);
    void ControlPanelUpdate(void* argument) override;
    // After an update of the attached window with its change flags: a turn
    // or a zoom refreshes only the direction buttons or the field of view
    // (nothing else the panel shows depends on them, and a drag turns the
    // view at every move); anything else refreshes the whole panel.
    void ShowWindowChange(std::uint32_t flags, bool everything);
    // While the window flashes its selection.
    void DisableHighlight();
    // The flash is over: the button is back (where the attached window's
    // selection allows it) with the focus, where the user pressed it.
    void FocusHighlight();
    void ControlPanelStepTime(bool backward) override;
    void ControlPanelWindowClosing(PanelWindow* window) override;

    // The saved time step and the two systems, applied after creation.
    void ApplySettings(const PanelSettings& settings);
    PanelSettings ReadSettings() const;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SkyWindow* Window() const;
    // A control of the panel by its id. GetDlgItem asks Wine's server each
    // time, and a refresh of the panel looks up dozens of controls.
    HWND Item(int id) const;
    DateTime GetPanelTime() const override;
    void SetPanelTime(const DateTime& moment) override;
    DateTime GetResetTime() const override;
    void OnInitDialog();
    void OnCommand(int item, int code);
    void OnSliderDrag();
    void OnSliderMoved(int from, int to);
    void ShowMoment();
    void ShowZoom();
    void ShowDirectionButtons();
    void ShowSelectedObject();
    static bool HighlightAllowed(const SkyWindow& window);
    void EndAnimationRun();
    template <bool Set>
    static void RiseSetLinkClicked(const Char* target);
    void RiseSetClicked(bool set);

    SkyActions& actions_;
    std::function<bool()> starsFixed_;
    std::function<DateTime()> resetTime_;
    std::function<int()> constellationNames_;
    // The moment an animation run started from, while one runs.
    bool running_ = false;
    DateTime runStart_{};
    SkyWindow* runWindow_ = nullptr;
    // The selection's rising and setting as the links show them.
    EventTimePair riseSet_;
    mutable std::map<int, HWND> items_;
    mutable HWND itemsDialog_ = nullptr;
};

}  // namespace corvinata
