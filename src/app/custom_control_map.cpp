#include "app/custom_control_map.h"

namespace corvinata {

void CustomControlMap::RegisterControl(const void* window, std::unique_ptr<CustomControl> control) {
    attached_.erase(window);
    // The earlier object leaves the map before it is deleted, so that
    // nothing its destructor does can find it half gone.
    std::unique_ptr<CustomControl> earlier = ForgetControl(window);
    owned_[window] = std::move(control);
}

void CustomControlMap::AttachControl(const void* window, CustomControl& control) {
    std::unique_ptr<CustomControl> earlier = ForgetControl(window);
    attached_[window] = &control;
}

void CustomControlMap::DestroyControl(const void* window) { ForgetControl(window); }

std::unique_ptr<CustomControl> CustomControlMap::ForgetControl(const void* window) {
    attached_.erase(window);
    const auto found = owned_.find(window);
    if (found == owned_.end()) return nullptr;
    std::unique_ptr<CustomControl> control = std::move(found->second);
    owned_.erase(found);
    return control;
}

CustomControl* CustomControlMap::FindControl(const void* window) const {
    const auto owned = owned_.find(window);
    if (owned != owned_.end()) return owned->second.get();
    const auto attached = attached_.find(window);
    return attached != attached_.end() ? attached->second : nullptr;
}

}  // namespace corvinata
