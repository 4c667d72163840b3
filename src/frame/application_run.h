// The program's life from its entry to its exit: the start-up checks, the
// command-line switches, the frame, the message loop, and the clean-up.
#pragma once

#include <windows.h>

#include <memory>

#include "base/text_char.h"

namespace corvinata {

// The class identifier under which the program serves automation clients.
extern const CLSID kApplicationClassId;

// Runs the program; the process's exit code.
int ApplicationRun(HINSTANCE instance, const Char* commandLine);

class Application;
class PathName;
class StorageService;

// The application object as the program builds it: the program's own body
// types and catalogues (nothing replaced), its settings in `storage`.
std::unique_ptr<Application> CreateProgramApplication(std::unique_ptr<StorageService> storage,
                                                      const PathName& programDirectory);

// The catalogues, the options and the current moment, with London as the
// place when the stored one is unknown. False when the program cannot run
// (its catalogues could not be built); it then ends quietly.
bool StartApplication(Application& app);

// Acts on a registration or reset switch. True, with the exit code, when the
// process is to end at once; false to go on (`byAutomation` then says
// whether COM started the program).
bool ProcessCommandLine(const Char* commandLine, int& exitCode, bool& byAutomation);

}  // namespace corvinata
