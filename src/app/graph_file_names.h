// How graph files are told apart by their names.
#pragma once

#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// Whether a graph saved under this path is written as the XML export rather
// than in the graph format: the name ends in ".xml" in any letter case, as
// Windows itself treats extensions.
bool IsXmlExportPath(const Char* path) noexcept;
// Whether two paths name the same file, as Windows compares them: without
// regard to letter case, "/" the same as "\".
bool SameFilePath(const Char* a, const Char* b) noexcept;

// The types the Save Graph As dialog offers, in its list's order (the
// dialog's filter index).
enum GraphSaveType : int { kGraphFileType = 1, kGraphXmlExportType = 2 };
// The path to write for the name chosen in Save Graph As with a type: the
// XML export type makes a name end in ".xml" (in place of the graph
// extension the dialog may have added); a name that already ends in ".xml"
// is an export whatever the type, as the writer follows the extension.
String GraphPathForSaveType(const Char* chosen, int type);

}  // namespace corvinata
