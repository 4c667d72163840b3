// The frame every window object shares: the window it drives, known by
// identity, and the members Activate and Close.
#pragma once

#include <new>

#include "automation/automation_server_win.h"
#include "frame/frame_window.h"
#include "controls/mdi_child_window.h"

namespace corvinata::automation {

template <class Interface, AutomationInterface kWhich>
class WindowObject : public DispatchObject<Interface, kWhich> {
public:
    explicit WindowObject(MdiChildWindow* window) : target_(window) {}

    // An object without a window does nothing; a window that has closed
    // answers S_FALSE.
    HRESULT STDMETHODCALLTYPE Activate() override {
        if (!target_.Known()) return S_OK;
        MdiChildWindow* window = target_.Live();
        if (!window) return S_FALSE;
        SendMessageW(CurrentServer()->Frame().MdiClient(), WM_MDIACTIVATE,
                     reinterpret_cast<WPARAM>(window->Handle()), 0);
        return S_OK;
    }
    // Closes without asking: a hidden server has nobody to answer. Under
    // an open dialog nothing is closed and the client is told so.
    HRESULT STDMETHODCALLTYPE Close() override {
        if (!target_.Known()) return S_OK;
        MdiChildWindow* window = target_.Live();
        if (!window) return S_FALSE;
        return CloseChildWithoutAsking(CurrentServer()->Frame(), window->Handle()) ? S_OK : kBusyInADialog;
    }

protected:
    // The window while it is open, as the kind's interface `T`.
    template <class T>
    T* Live() const {
        return dynamic_cast<T*>(target_.Live());
    }
    Application& App() const { return CurrentServer()->App(); }
    // A closed window (or none): members answer S_OK and do nothing, before
    // they read their arguments.
    bool Gone() const { return target_.Live() == nullptr; }

    WindowTarget target_;
};

// A new object of class `Object` over the window, handed out through `out`.
template <class Object, class Interface>
HRESULT HandOutObject(MdiChildWindow* window, Interface** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    Object* made = new (std::nothrow) Object(window);
    if (!made) return E_OUTOFMEMORY;
    *out = made;
    return S_OK;
}

}  // namespace corvinata::automation
