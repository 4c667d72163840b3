#include "base/daylight_saving_option.h"

#include "base/platform_objects.h"

namespace corvinata {

bool IsDaylightSavingActive(const DaylightSavingOption& option) noexcept {
    return option.active;
}

bool SetDaylightSavingActive(DaylightSavingOption& option, bool flag) noexcept {
    option.active = flag;
    return flag;
}

bool QueryDaylightSavingActive(DaylightSavingOption& option) {
    OwnedPtr<SystemInfo> info;
    MakeSystemInfo(info);
    return SetDaylightSavingActive(option, info && info->IsDaylightSavingTime());
}

}  // namespace corvinata
