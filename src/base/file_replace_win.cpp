#include "base/file_replace.h"

#include <windows.h>

#include "base/wide_string.h"

namespace corvinata {

bool WriteFileReplacing(const Char* path, const std::function<bool(const Char* path)>& write) {
    // Beside the target, so that the final move stays on one volume.
    String temporary(path);
    StringAppend(temporary, TXT(".saving"));
    DeleteFileW(temporary.Text());
    if (!write(temporary.Text())) {
        DeleteFileW(temporary.Text());
        return false;
    }
    if (!MoveFileExW(temporary.Text(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.Text());
        return false;
    }
    return true;
}

}  // namespace corvinata
