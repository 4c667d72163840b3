// Help requests answered by the recording stand-in of the HTML help control
// (tests/support/help_viewer), over an empty help file in the temporary
// folder: a test asks for help the way the user does and reads which page
// was asked for. Everything is put back when the object goes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/help_topics_win.h"
#include "base/services.h"

namespace corvinata::test {

class RecordedHelp {
public:
    static constexpr const wchar_t* kViewer = L"cn_recording_help_viewer.dll";

    RecordedHelp() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_.SetPathWithSeparator(temp);
        file_ = HelpFilePath(folder_, GetProductInfo().GetProductName());
        const HANDLE created = CreateFileW(file_.Text(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (created != INVALID_HANDLE_VALUE) CloseHandle(created);
        CloseAllHelpWindows();
        SetHelpFileDirectory(folder_);
        SetHelpViewerLibrary(kViewer);
    }
    ~RecordedHelp() {
        CloseAllHelpWindows();
        SetHelpViewerLibrary(L"hhctrl.ocx");
        SetHelpFileDirectory(std::nullopt);
        DeleteFileW(file_.Text());
    }
    RecordedHelp(const RecordedHelp&) = delete;
    RecordedHelp& operator=(const RecordedHelp&) = delete;

    // The page last asked for; empty before the first request.
    std::string LastTopic() const {
        HMODULE viewer = GetModuleHandleW(kViewer);
        using Last = const wchar_t*(__cdecl*)();
        const auto last =
            viewer ? reinterpret_cast<Last>(reinterpret_cast<void*>(GetProcAddress(viewer, "LastHelpTopic"))) : nullptr;
        if (!last) return std::string();
        const std::wstring topic = last();
        return std::string(topic.begin(), topic.end());
    }

    // Forgets the page asked for so far.
    void Forget() const {
        HMODULE viewer = GetModuleHandleW(kViewer);
        using ForgetTopic = void(__cdecl*)();
        const auto forget = viewer ? reinterpret_cast<ForgetTopic>(
                                         reinterpret_cast<void*>(GetProcAddress(viewer, "ForgetHelpTopic")))
                                   : nullptr;
        if (forget) forget();
    }

private:
    PathName folder_;
    String file_;
};

}  // namespace corvinata::test
