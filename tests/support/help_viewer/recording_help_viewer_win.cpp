// A stand-in for the HTML help control (hhctrl.ocx) that shows nothing and
// remembers the page it was last asked to show, so that a window test can
// check which page a help request opens without a help viewer on screen.
#include <windows.h>

#include <htmlhelp.h>

#include <string>

namespace {

std::wstring g_lastTopic;

}  // namespace

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpW(HWND, const wchar_t*, UINT command, DWORD_PTR data) {
    if (command == HH_DISPLAY_TOPIC && data) g_lastTopic = reinterpret_cast<const wchar_t*>(data);
    return nullptr;
}

// The page of the last HH_DISPLAY_TOPIC request; empty when there was none.
extern "C" __declspec(dllexport) const wchar_t* LastHelpTopic() { return g_lastTopic.c_str(); }

// Forgets the last page, so that a request that opens none can be told apart.
extern "C" __declspec(dllexport) void ForgetHelpTopic() { g_lastTopic.clear(); }
