#include "base/wine_host_win.h"

#include <windows.h>

namespace corvinata {

bool RunsUnderWine() {
    // Wine's ntdll names its version; Windows' has no such export.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace corvinata
