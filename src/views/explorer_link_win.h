// What a Jupiter or Saturn explorer window and its kind's control panel and
// options dialog know of each other, so that each side can be built and
// tested on its own.
#pragma once

#include <windows.h>

#include <memory>

#include "app/explorer_commands.h"
#include "frame/control_panel.h"

namespace corvinata {

// The window as its panel sees it.
class ExplorerPanelTarget : public PanelWindow {
public:
    virtual ExplorerView& View() = 0;
    // "&Highlight": the selection shows for a moment; the window disables
    // the panel's highlight controls and enables them again when the moment
    // ends or the window closes.
    virtual void HighlightSelection() = 0;
};

// The panel as the window sees it.
class ExplorerPanel : public ControlPanel {
public:
    virtual void EnableHighlightControls(bool enable) = 0;
};

// What a kind hands to the panel it makes.
struct ExplorerPanelContext {
    const ExplorerKindTraits& traits;
    ExplorerActions& actions;
    HINSTANCE instance;
    HWND pane;                  // the frame's control-panel pane
    ModelessDialogs* dialogs;   // may be null
};

// The kind's panel in the pane, or null when its dialog could not be made.
std::unique_ptr<ExplorerPanel> MakeExplorerPanel(const ExplorerPanelContext& context);

// The kind's modal options dialog; true on OK with `options` holding the
// choice. It records nothing: the window turns the choice into one step.
bool ShowExplorerOptionsDialog(const ExplorerKindTraits& traits, ExplorerDisplayOptions& options, HWND parent,
                               HINSTANCE instance);

}  // namespace corvinata
