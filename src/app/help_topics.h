// Where the program finds its help file, and the help topics of its pages.
//
// The compiled help file lies beside the program file and is named after the
// product; every dialog and window opens its own page of it.
#pragma once

#include "base/path_name.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// Longest module path the program takes; a longer one is cut there.
constexpr int kMaxModulePath = 260;

// The directory parts of the running module's full path.
PathName ProgramDirectoryFromModulePath(const Char* modulePath);
// The help file: the program directory, the product name and ".chm".
String HelpFilePath(const PathName& programDirectory, const Char* productName);
// The page of a message box's Help button: "Message_Box_Help_Button/" +
// topic + ".htm".
String MessageBoxHelpTopic(const Char* topicName);

}  // namespace corvinata
