// Fakes of the application's services for the tests of the application core.
#pragma once

#include <cstdint>
#include <vector>

#include "app/app_interfaces.h"
#include "app/notification.h"
#include "app/sky_document.h"
#include "app/window_document.h"
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

// A document of the kind the test names, for the lists of child windows.
class KindDocument final : public WindowDocument {
public:
    KindDocument(NotificationHub& hub, WindowKind kind) : WindowDocument(hub), kind_(kind) {}
    WindowKind GetKind() const override { return kind_; }

private:
    WindowKind kind_;
};

// Planets that stand still at angles given by their number; counts calls.
class FakeSkyComputer final : public SkyBodyComputer {
public:
    int PlanetCount() const override { return 3; }
    SkyPosition ComputePlanet(int planet, const TimeAndPlace& moment) override {
        ++planetCalls;
        lastMoment = moment;
        return SkyPosition{10.0 * planet, 1.0, 2};
    }
    SkyPosition ComputeSun(const TimeAndPlace&) override { return SkyPosition{100.0, 2.0, 2}; }
    SkyPosition ComputeMoon(const TimeAndPlace&) override { return SkyPosition{200.0, 3.0, 2}; }
    SkyPosition DeepSkyPosition(int number) override { return SkyPosition{1.0 * number, 0.0, 1}; }
    int planetCalls = 0;
    TimeAndPlace lastMoment;
};

}  // namespace corvinata::test
