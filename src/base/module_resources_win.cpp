#include "base/module_resources_win.h"

namespace corvinata {

ResourceBytes FindResourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
    ResourceBytes bytes;
    HRSRC found = FindResourceW(module, name, type);
    if (!found) return bytes;
    HGLOBAL loaded = LoadResource(module, found);
    bytes.data = loaded ? LockResource(loaded) : nullptr;
    bytes.size = bytes.data ? SizeofResource(module, found) : 0;
    return bytes;
}

}  // namespace corvinata
