// The program's custom controls ("CorvinataControl_*" windows) each own an
// object that holds their state; the registry maps a control's window to it.
// Dialogs and panels find the object of a control window here and call its
// own operations (a picker's value, a hyperlink's text).
//
// The application owns the registry and registers it once at start-up with
// SetCustomControlRegistry; tests register one of their own.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

namespace corvinata {

class ButtonControl;

// The root of every control object: what the registry holds and deletes.
class CustomControl {
public:
    virtual ~CustomControl() = default;
};

class CustomControlRegistryInterface {
public:
    virtual ~CustomControlRegistryInterface() = default;

    // Each makes the object of its class for `window` and files it; null
    // when it cannot.
    virtual CustomControl* CreateAnglePicker(HWND window) = 0;
    virtual CustomControl* CreateDatePicker(HWND window) = 0;
    virtual CustomControl* CreateHyperlink(HWND window) = 0;
    virtual CustomControl* CreateNumberPicker(HWND window) = 0;
    virtual CustomControl* CreateTimePicker(HWND window) = 0;
    virtual CustomControl* CreateTimeZonePicker(HWND window) = 0;
    virtual CustomControl* CreateTrackbar(HWND window) = 0;
    // Files the application's bitmap-button object for the window's control
    // identifier; null when the application has none for it.
    virtual CustomControl* CreateButtonControl(HWND window) = 0;
    // Removes the window and deletes its object.
    virtual void DestroyControl(HWND window) = 0;
    // Removes the window; the object stays with its owner (bitmap buttons).
    virtual void ReleaseControl(HWND window) = 0;
    virtual CustomControl* FindControl(HWND window) const = 0;
};

class CustomControlRegistry : public CustomControlRegistryInterface {
public:
    CustomControlRegistry();
    ~CustomControlRegistry() override;
    CustomControlRegistry(const CustomControlRegistry&) = delete;
    CustomControlRegistry& operator=(const CustomControlRegistry&) = delete;

    CustomControl* CreateAnglePicker(HWND window) override;
    CustomControl* CreateDatePicker(HWND window) override;
    CustomControl* CreateHyperlink(HWND window) override;
    CustomControl* CreateNumberPicker(HWND window) override;
    CustomControl* CreateTimePicker(HWND window) override;
    CustomControl* CreateTimeZonePicker(HWND window) override;
    CustomControl* CreateTrackbar(HWND window) override;
    CustomControl* CreateButtonControl(HWND window) override;
    void DestroyControl(HWND window) override;
    void ReleaseControl(HWND window) override;
    CustomControl* FindControl(HWND window) const override;

    // The bitmap button shown by every window of `controlId`, made on the
    // first call; the registry keeps it until it goes.
    ButtonControl& ButtonFor(int controlId);

private:
    CustomControl* File(HWND window, std::unique_ptr<CustomControl> control);

    std::map<HWND, std::unique_ptr<CustomControl>> owned_;
    std::map<HWND, CustomControl*> attached_;
    std::map<int, std::unique_ptr<ButtonControl>> buttons_;
};

// The registered registry; null before registration.
CustomControlRegistryInterface* GetCustomControlRegistry() noexcept;
// Registers `registry` (which must outlive the registration), or clears it.
void SetCustomControlRegistry(CustomControlRegistryInterface* registry) noexcept;

// The object of a control window as the class asked for; null when the
// window has none or another kind.
template <class T>
T* FindCustomControl(HWND window) {
    CustomControlRegistryInterface* registry = GetCustomControlRegistry();
    return registry ? dynamic_cast<T*>(registry->FindControl(window)) : nullptr;
}

}  // namespace corvinata
