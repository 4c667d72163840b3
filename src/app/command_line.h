// The program's command line: the switches it acts on before any window
// exists, and the automation server's entries in the registry that two of
// them write and remove.
#pragma once

#include <cstddef>

#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// Longest command line the program reads; the rest is cut off.
constexpr std::size_t kMaxCommandLine = 1000;

enum class CommandLineSwitch { None, RegServer, UnregServer, Embedding, FactoryReset };

// The switch the whole command line names: "-" or "/" and then one of the
// four words in any letter case, nothing more. Anything else is no switch.
CommandLineSwitch ParseCommandLineSwitch(const Char* commandLine);
// The first kMaxCommandLine characters of a command line.
String CutCommandLine(const Char* commandLine);

// Process exit codes of the registration switches.
enum ServerExitCode : int {
    kServerDone = 0,
    kServerNoProgramPath = 1,
    kServerWriteFailed = 2,
    kServerDeleteFailed = 3,
};

constexpr const Char* kServerFriendlyName = TXT("Corvinata Astronomy Suite");
constexpr const Char* kServerProgId = TXT("CorvinataAstronomySuite.1");

// Writes the server's keys below HKEY_CLASSES_ROOT in order, each only after
// the one before it was written. `classId` is the class identifier with its
// braces; `programPath` the full path of the program file, empty when it
// could not be read whole. The path is written in quotes, so a folder with
// blanks cannot be taken for a shorter program name.
int RegisterServer(const String& classId, const String& programPath);
// Removes the class's key with all its subkeys; the programmatic
// identifier's key stays. kServerDeleteFailed when the class's key cannot
// be opened or deleted.
int UnregisterServer(const String& classId);

}  // namespace corvinata
