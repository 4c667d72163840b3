// What the timing programs that start Corvinata.exe itself share: the
// program beside them, and the welcome question switched off so that a
// start only opens the frame (the user's settings are kept safe by
// SavedProgramSettings of timing_support_win.h).
#pragma once

#include <windows.h>

#include <string>

namespace corvinata::timing {

inline void SkipWelcome() {
    constexpr const wchar_t* kFrameKey = L"Software\\Corvinata Software\\Corvinata\\1.70\\Application frame window";
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kFrameKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    const DWORD no = 0;
    RegSetValueExW(key, L"ShowHelpHint", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&no), sizeof no);
    RegCloseKey(key);
}

inline std::wstring ProgramBeside() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + L"Corvinata.exe";
}

}  // namespace corvinata::timing
