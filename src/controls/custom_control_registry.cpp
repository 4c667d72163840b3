#include "controls/custom_control_registry.h"

#include "controls/bitmap_button.h"
#include "controls/hyperlink_control.h"
#include "controls/spin_edit_window.h"
#include "controls/trackbar_control.h"

namespace corvinata {

namespace {
CustomControlRegistryInterface* g_customControls = nullptr;
}  // namespace

CustomControlRegistryInterface* GetCustomControlRegistry() noexcept { return g_customControls; }

void SetCustomControlRegistry(CustomControlRegistryInterface* registry) noexcept {
    g_customControls = registry;
}

CustomControlRegistry::CustomControlRegistry()
    : ownControls_(std::make_unique<CustomControlMap>()), controls_(*ownControls_) {}
CustomControlRegistry::CustomControlRegistry(CustomControlMap& controls) : controls_(controls) {}
CustomControlRegistry::~CustomControlRegistry() = default;

CustomControl* CustomControlRegistry::File(HWND window, std::unique_ptr<CustomControl> control) {
    CustomControl* object = control.get();
    controls_.RegisterControl(window, std::move(control));
    return object;
}

void CustomControlRegistry::RegisterControl(HWND window, std::unique_ptr<CustomControl> control) {
    controls_.RegisterControl(window, std::move(control));
}

CustomControl* CustomControlRegistry::CreateAnglePicker(HWND window) {
    return File(window, std::make_unique<PickerControl<AnglePicker>>(window));
}
CustomControl* CustomControlRegistry::CreateDatePicker(HWND window) {
    return File(window, std::make_unique<DatePickerControl>(window));
}
CustomControl* CustomControlRegistry::CreateNumberPicker(HWND window) {
    return File(window, std::make_unique<PickerControl<NumberPicker>>(window));
}
CustomControl* CustomControlRegistry::CreateTimePicker(HWND window) {
    return File(window, std::make_unique<PickerControl<TimePicker>>(window));
}
CustomControl* CustomControlRegistry::CreateTimeZonePicker(HWND window) {
    return File(window, std::make_unique<PickerControl<TimeZonePicker>>(window));
}
CustomControl* CustomControlRegistry::CreateHyperlink(HWND window) {
    return File(window, std::make_unique<Hyperlink>(window));
}
CustomControl* CustomControlRegistry::CreateTrackbar(HWND window) {
    return File(window, std::make_unique<TrackbarControl>());
}

CustomControl* CustomControlRegistry::CreateButtonControl(HWND window) {
    const auto found = buttons_.find(GetDlgCtrlID(window));
    if (found == buttons_.end()) return nullptr;
    controls_.AttachControl(window, *found->second);
    return found->second.get();
}

ButtonControl& CustomControlRegistry::ButtonFor(int controlId) {
    std::unique_ptr<ButtonControl>& button = buttons_[controlId];
    if (!button) button = std::make_unique<ButtonControl>();
    return *button;
}

void CustomControlRegistry::DestroyControl(HWND window) { controls_.DestroyControl(window); }

void CustomControlRegistry::ForgetControl(HWND window) {
    // An owned object cannot be given up to nobody: it goes with the window.
    std::unique_ptr<CustomControl> owned = controls_.ForgetControl(window);
}

CustomControl* CustomControlRegistry::FindControl(HWND window) const {
    return controls_.FindControl(window);
}

}  // namespace corvinata
