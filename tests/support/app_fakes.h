// Fakes of the application's services for the tests of the application core.
#pragma once

#include <cstdint>
#include <vector>

#include "app/app_interfaces.h"
#include "app/notification.h"
#include "base/wide_string.h"

namespace corvinata::test {

// The current time and place, set by the test.
class FakeCurrentTime final : public CurrentTimeAndLocationInterface {
public:
    const DateTimeLocation& GetTimeAndLocation() const override { return value; }
    DateTimeLocation value;
};

// Keeps the first error text, as a running script does.
class FakeScriptErrors final : public ScriptErrorInterface {
public:
    void SetScriptErrorIfRunning(const String& text) override {
        if (running && error.IsEmpty()) error = text;
    }
    bool running = true;
    String error;
};

// Remembers every call it gets, with its event, flags and value.
struct HeardNotification {
    std::int32_t event;
    std::uint32_t flags;
    void* value;
};

class RecordingObserver : public NotificationObserver {
public:
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override {
        heard.push_back({event, flags, value});
    }
    void Update(void* value) override { heard.push_back({-1, 0, value}); }
    std::vector<HeardNotification> heard;
};

}  // namespace corvinata::test
