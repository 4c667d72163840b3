// How graph files are told apart by their names.
#pragma once

#include "base/text_char.h"

namespace corvinata {

// Whether a graph saved under this path is written as the XML export rather
// than in the graph format: the name ends in ".xml" exactly (".XML" is a
// graph file).
bool IsXmlExportPath(const Char* path) noexcept;
// Whether two paths name the same file, as Windows compares them: without
// regard to letter case, "/" the same as "\".
bool SameFilePath(const Char* a, const Char* b) noexcept;

}  // namespace corvinata
