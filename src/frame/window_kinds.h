// The window kinds the program offers, added to the frame in one place: the
// program calls this once its frame exists, and so do the tests that start
// the program's windows.
#pragma once

#include <windows.h>

#include <memory>

#include "app/application.h"
#include "frame/frame_window.h"
#include "controls/panel_services.h"
#include "controls/program_fonts.h"

namespace corvinata {

class PictureWindowKind;

void AddProgramWindowKinds(FrameWindow& frame, Application& app, HINSTANCE instance, const ProgramFonts& fonts);

// What the program's control panels ask of the frame and the application.
std::unique_ptr<PanelServices> MakeProgramPanelServices(FrameWindow& frame, Application& app, HINSTANCE instance);

// The Picture kind of the frame, or none.
PictureWindowKind* GetPictureKind(FrameWindow& frame);

}  // namespace corvinata
