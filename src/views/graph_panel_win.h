// The control panel of the Graph window: its lines with their colours and
// values at the guide line, the guide line's moves, and the graph's range
// and place.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/graph_panel.h"
#include "controls/control_panel.h"
#include "controls/panel_services.h"

namespace corvinata {

// The source is a virtual base: a Graph window reads its graph through the
// one it already is.
class GraphPanelWindow : public PanelWindow, public virtual GraphPanelSource {};

// The line editor and the Graph Options dialog.
class GraphEditing {
public:
    virtual ~GraphEditing() = default;
    virtual void EditGraphLine(GraphPanelWindow& window, int line) = 0;
    virtual void ShowGraphOptionsTime(GraphPanelWindow& window) = 0;
    virtual void ShowGraphOptionsLocation(GraphPanelWindow& window) = 0;
};

enum GraphPanelItem : int {
    kMousePositionItem = 20603,
    kGuideLineLabelItem = 20884,
    kGuideLineItem = 20600,
    kFirstPairTowardZeroItem = 20735,
    kFirstPairAwayItem = 20854,
    kSecondPairTowardZeroItem = 21020,
    kSecondPairAwayItem = 20615,
    kGraphLinesItem = 20741,
    kGraphTimeAreaItem = 20883,
    kGraphBeginItem = 20601,
    kGraphEndItem = 20602,
    kGraphDaylightItem = 20967,
    kGraphZoneItem = 21012,
    kGraphLocationAreaItem = 20882,
    kGraphLongitudeItem = 20746,
    kGraphLatitudeItem = 20732,
    kGraphElevationItem = 20625,
};

class GraphControlPanel final : public ControlPanel {
public:
    GraphControlPanel(PanelServices& services, GraphActions& actions, GraphEditing& editing)
        : services_(services), actions_(actions), editing_(editing) {}
    // The rows follow the document; the selection is mirrored without
    // commands.
    void ControlPanelUpdate(void* argument) override;
    // The moment under the mouse in the graph display; none: "--".
    void ShowGraphMousePosition(const DateTime* moment);
    // The read-outs, as every paint of the dialog refreshes them.
    void RefreshReadouts();

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    GraphPanelWindow* Window() const { return static_cast<GraphPanelWindow*>(GetAttachedWindow()); }
    void OnInitDialog();
    INT_PTR OnNotify(const NMHDR& header);
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
    int LineOfRow(int row) const;

    PanelServices& services_;
    GraphActions& actions_;
    GraphEditing& editing_;
    std::vector<int> rows_;
    String cellText_;  // the list reads a cell's text after the notification returns
    bool suppressSelection_ = false;
};

}  // namespace corvinata
