// The program's custom controls ("CorvinataControl_*" windows) each own an
// object that holds their state; the registry makes it when the window is
// created and files it in the application's custom-control map. Dialogs and
// panels find the object of a control window here and call its own
// operations (a picker's value, a hyperlink's text).
//
// The program registers its registry once at start-up with
// SetCustomControlRegistry; tests register one of their own.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "app/custom_control_map.h"

namespace corvinata {

class ButtonControl;

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
    virtual void ForgetControl(HWND window) = 0;
    virtual CustomControl* FindControl(HWND window) const = 0;
    // Files `control` under the window, replacing an earlier object.
    virtual void RegisterControl(HWND window, std::unique_ptr<CustomControl> control) = 0;
};

class CustomControlRegistry : public CustomControlRegistryInterface {
public:
    // Files the objects in a map of its own (tests).
    CustomControlRegistry();
    // Files the objects in `controls`, which must outlive the registry's
    // windows.
    explicit CustomControlRegistry(CustomControlMap& controls);
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
    void ForgetControl(HWND window) override;
    CustomControl* FindControl(HWND window) const override;
    void RegisterControl(HWND window, std::unique_ptr<CustomControl> control) override;

    // The bitmap button shown by every window of `controlId`, made on the
    // first call; the registry keeps it until it goes.
    ButtonControl& ButtonFor(int controlId);

private:
    CustomControl* File(HWND window, std::unique_ptr<CustomControl> control);

    std::unique_ptr<CustomControlMap> ownControls_;
    CustomControlMap& controls_;
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
