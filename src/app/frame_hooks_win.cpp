#include "app/frame_hooks_win.h"

#include <commdlg.h>

#include "app/graph_prompts.h"

namespace corvinata {

bool FrameClockTimer::StartClockTimer() {
    return frame_ && SetTimer(frame_, kTimerId, kClockTimerPeriod, nullptr) != 0;
}

void FrameClockTimer::StopClockTimer() {
    if (frame_) KillTimer(frame_, kTimerId);
}

std::vector<String> AskGraphFilesToOpen(HWND owner) {
    // Room for a folder and many names of a multiple selection.
    std::vector<wchar_t> answer(32768, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"Graph (*.gph)\0*.gph\0";
    dialog.lpstrFile = answer.data();
    dialog.nMaxFile = static_cast<DWORD>(answer.size() - 1);
    dialog.lpstrTitle = L"Open Graph";
    dialog.lpstrDefExt = L"gph";
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameW(&dialog)) return {};
    return SelectedFilePaths(answer.data());
}

}  // namespace corvinata
