#include "frame/custom_control_registry.h"

#include "frame/bitmap_button.h"
#include "frame/hyperlink_control.h"
#include "frame/spin_edit_window.h"
#include "frame/trackbar_control.h"

namespace corvinata {

namespace {
CustomControlRegistryInterface* g_customControls = nullptr;
}  // namespace

CustomControlRegistryInterface* GetCustomControlRegistry() noexcept { return g_customControls; }

void SetCustomControlRegistry(CustomControlRegistryInterface* registry) noexcept {
    g_customControls = registry;
}

CustomControlRegistry::CustomControlRegistry() = default;
CustomControlRegistry::~CustomControlRegistry() = default;

CustomControl* CustomControlRegistry::File(HWND window, std::unique_ptr<CustomControl> control) {
    CustomControl* object = control.get();
    attached_.erase(window);
    owned_[window] = std::move(control);
    return object;
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
    owned_.erase(window);
    attached_[window] = found->second.get();
    return found->second.get();
}

ButtonControl& CustomControlRegistry::ButtonFor(int controlId) {
    std::unique_ptr<ButtonControl>& button = buttons_[controlId];
    if (!button) button = std::make_unique<ButtonControl>();
    return *button;
}

void CustomControlRegistry::DestroyControl(HWND window) {
    // Taken out of the map before it is deleted, so that nothing the
    // destructor does can find it half gone.
    const auto found = owned_.find(window);
    if (found != owned_.end()) {
        std::unique_ptr<CustomControl> control = std::move(found->second);
        owned_.erase(found);
    }
    attached_.erase(window);
}

void CustomControlRegistry::ReleaseControl(HWND window) {
    attached_.erase(window);
    const auto found = owned_.find(window);
    if (found != owned_.end()) {
        // An owned object cannot be given up to nobody: it goes with the window.
        std::unique_ptr<CustomControl> control = std::move(found->second);
        owned_.erase(found);
    }
}

CustomControl* CustomControlRegistry::FindControl(HWND window) const {
    const auto owned = owned_.find(window);
    if (owned != owned_.end()) return owned->second.get();
    const auto attached = attached_.find(window);
    return attached != attached_.end() ? attached->second : nullptr;
}

}  // namespace corvinata
