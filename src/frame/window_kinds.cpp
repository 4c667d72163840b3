#include "frame/window_kinds.h"

#include "resources/resource_ids.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {

void AddProgramWindowKinds(FrameWindow& frame, Application& app, HINSTANCE instance, const ProgramFonts& fonts) {
    FrameWindow* const owner = &frame;
    SkyWindowContext sky{app, frame.Children(), instance, fonts.DialogFont(), fonts.SymbolFont(),
                         [owner] { return owner->NightVisionActive(); }};
    frame.Children().AddKind(MakeSkyWindowKind(sky));
    SolarSystemWindowContext solar{app, frame.Children(), instance, fonts.DialogFont(), fonts.SymbolFont(),
                                   [owner] { return owner->NightVisionActive(); },
                                   frame.PaneWindow(CMD_VIEW_CONTROL_PANEL)};
    frame.Children().AddKind(MakeSolarSystemWindowKind(solar));
    frame.UpdateCommandStates();
}

}  // namespace corvinata
