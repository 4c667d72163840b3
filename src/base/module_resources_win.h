// The bytes of a resource of a module (the program's fonts, pictures and
// dialog templates) as the loader maps them: they live as long as the
// module, and nothing is freed.
#pragma once

#include <windows.h>

namespace corvinata {

struct ResourceBytes {
    const void* data = nullptr;
    DWORD size = 0;

    bool Found() const noexcept { return data != nullptr && size != 0; }
};

// The resource `name` of `type` in `module`; nothing found: no data.
ResourceBytes FindResourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type);

}  // namespace corvinata
