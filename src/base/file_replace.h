// Saving over an existing file without risking it: the new contents go to a
// temporary file in the same folder, which takes the old file's place only
// once it was written whole.
#pragma once

#include <functional>

#include "base/text_char.h"

namespace corvinata {

// `write` writes the whole file at the path it is given and answers whether
// it succeeded. On failure the temporary file is removed and the file at
// `path` is as it was.
bool WriteFileReplacing(const Char* path, const std::function<bool(const Char* path)>& write);

}  // namespace corvinata
