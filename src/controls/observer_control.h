// The observer dial of the Sky control panel: the window class
// "CorvinataObserverControl" that draws the horizon, the viewing direction
// and the altitude scale of the active Sky window and lets the user drag them.
#pragma once

#include <windows.h>

#include "app/observer_dial.h"

namespace corvinata {

// What the control needs of the application: the active child window as a
// Sky window (none while another kind of window is active) and the line
// height of the program's resource font.
class ObserverControlHost {
public:
    virtual ~ObserverControlHost() = default;
    virtual ObserverDialSky* ActiveSkyWindow() = 0;
    virtual int ResourceFontLineHeight() const = 0;
};

// The host lives as long as the application; null unregisters it.
void SetObserverControlHost(ObserverControlHost* host) noexcept;

constexpr const wchar_t* kObserverControlClass = L"CorvinataObserverControl";

// The dial as the control draws it and reads the mouse: its client size,
// and room for its labels in its dialog's font.
ObserverDialGeometry ObserverControlGeometry(HWND control);

// Once at start-up; false when the class cannot be registered.
bool RegisterObserverControl(HINSTANCE instance);
void UnregisterObserverControl(HINSTANCE instance);

LRESULT CALLBACK ObserverControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace corvinata
