#include "frame/window_kinds.h"

#include "resources/resource_ids.h"
#include "views/sky_window_win.h"

namespace corvinata {

void AddProgramWindowKinds(FrameWindow& frame, Application& app, HINSTANCE instance, const ProgramFonts& fonts) {
    FrameWindow* const owner = &frame;
    SkyWindowContext sky{app, frame.Children(), instance, fonts.DialogFont(), fonts.SymbolFont(),
                         [owner] { return owner->NightVisionActive(); }};
    sky.panelPane = frame.PaneWindow(CMD_VIEW_CONTROL_PANEL);
    frame.Children().AddKind(MakeSkyWindowKind(sky));
    frame.UpdateCommandStates();
}

}  // namespace corvinata
