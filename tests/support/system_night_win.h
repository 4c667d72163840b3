// Night vision switched as the program switches it, on this process's
// desktop: while `night` is on, the system colours are the night's. Off
// again at the end, whatever the test did.
#pragma once

#include "app/night_vision.h"
#include "app/notification.h"
#include "controls/system_desktop.h"

namespace corvinata::test {

class SystemNight final : public NotificationRegistryInterface {
public:
    SystemNight() { night.AttachDesktop(&desktop_, nullptr); }
    ~SystemNight() override {
        if (night.IsNightVisionActive()) night.ApplyNightVision(false, kKeepLevel, kKeepLevel);
    }
    SystemNight(const SystemNight&) = delete;
    SystemNight& operator=(const SystemNight&) = delete;

    NotificationHub& GetNotificationHub() override { return hub_; }

private:
    NotificationHub hub_;
    SystemDesktop desktop_;

public:
    NightVisionSettings night{*this};
};

}  // namespace corvinata::test
