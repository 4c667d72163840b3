// The window kinds the program offers: the one place where the program's
// start-up (and the tests that start it) add them to the frame.
#pragma once

#include <windows.h>

#include "app/application.h"
#include "frame/frame_window.h"
#include "frame/program_fonts.h"

namespace corvinata {

void AddProgramWindowKinds(FrameWindow& frame, Application& app, HINSTANCE instance, const ProgramFonts& fonts);

}  // namespace corvinata
