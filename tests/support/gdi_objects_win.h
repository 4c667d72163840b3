// How many GDI objects the process holds, for the tests that check that
// drawing and closing windows leave none behind.
#pragma once

#include <windows.h>

#include <cstdint>

namespace corvinata::test {

// Windows counts them. Wine answers 0 there, but keeps the process's objects
// in one table indexed by the handle's low word and answers GetObjectType for
// an index alone: the objects alive are the indexes that answer. Unlike the
// index a new object takes, that count does not depend on which slots
// earlier objects freed.
inline long LiveGdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return static_cast<long>(counted);
    long live = 0;
    for (std::uintptr_t index = 1; index <= 0xFFFF; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
    return live;
}

}  // namespace corvinata::test
