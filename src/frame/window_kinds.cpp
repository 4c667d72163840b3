#include "frame/window_kinds.h"

#include "views/eclipse_window_win.h"
#include "views/sky_window_win.h"

namespace corvinata {

void AddProgramWindowKinds(FrameWindow& frame, Application& app, HINSTANCE instance, const ProgramFonts& fonts) {
    FrameWindow* const owner = &frame;
    SkyWindowContext sky{app, frame.Children(), instance, fonts.DialogFont(), fonts.SymbolFont(),
                         [owner] { return owner->NightVisionActive(); }};
    frame.Children().AddKind(MakeSkyWindowKind(sky));
    AddSolarEclipseKind(frame, app, instance, fonts.DialogFont());
    frame.UpdateCommandStates();
}

}  // namespace corvinata
