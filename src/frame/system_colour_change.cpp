#include "frame/system_colour_change.h"

#include "app/app_interfaces.h"
#include "controls/child_windows.h"
#include "frame/time_appearance_dialogs.h"
#include "resources/event_tools_ids.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

// The panels' list views and sliders, in the order they are told.
struct PanelControls {
    int kind;
    int ids[2];  // 0: none
};

constexpr int kPanelList = 20741;
constexpr int kPanelSlider = 20867;
constexpr int kEclipseZoom = 20869;

constexpr PanelControls kPanelControls[] = {
    {kSkyWindow, {kPanelSlider, 0}},
    {kSolarSystemWindow, {kPanelList, kPanelSlider}},
    {kGraphWindow, {kPanelList, 0}},
    {kPictureWindow, {kPanelList, 0}},
    {kJupiterExplorerWindow, {kPanelList, kPanelSlider}},
    {kSaturnExplorerWindow, {kPanelList, kPanelSlider}},
    {kSolarEclipseWindow, {kEclipseZoom, 0}},
};

void Tell(HWND dialog, int id) {
    if (dialog != nullptr && id != 0) SendDlgItemMessageW(dialog, id, WM_SYSCOLORCHANGE, 0, 0);
}

}  // namespace

void ForwardSysColourChange(const ChildWindows& children, HWND windowManager, HWND relatedTasks,
                            const SysColourTools& tools) {
    for (const PanelControls& panel : kPanelControls) {
        const ControlPanel* kindPanel = children.PanelOf(panel.kind);
        HWND dialog = kindPanel ? kindPanel->GetDialogWindow() : nullptr;
        for (int id : panel.ids) Tell(dialog, id);
    }
    ForwardSysColorChange(tools.appearance);
    Tell(windowManager, IDC_PANE_LIST);
    Tell(relatedTasks, IDC_PANE_LIST);
    Tell(tools.eventFinder, IDC_EF_RESULTS);
    Tell(tools.eventForecast, IDC_EFC_LIST);
}

}  // namespace corvinata
