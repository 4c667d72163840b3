// The one current moment and observing place of the program, which the
// shared documents show and new windows start from, and the clock that keeps
// it moving.
//
// Every change goes through a setter that changes the value first and then
// broadcasts its event (9 place, 10 moment, 11 both), so every observer sees
// the new value.
#pragma once

#include <cstdint>

#include "app/app_interfaces.h"
#include "app/location_settings.h"
#include "app/settings_records.h"
#include "app/window_settings.h"
#include "base/date_time_location.h"

namespace corvinata {

// The setters of the current time and place.
class CurrentTimeAndLocationService : public CurrentTimeAndLocationInterface {
public:
    // The moment (date, hours, time system) and the daylight-saving flag.
    virtual void SetDateTime(const DateTime& moment, bool daylightSaving) = 0;
    // As SetDateTime, for the moment the real-time clock moved on: nobody
    // chose it.
    virtual void MoveDateTimeByClock(const DateTime& moment, bool daylightSaving) = 0;
    virtual void SetLocation(const Location& place) = 0;
    virtual void SetTimeAndLocation(const DateTimeLocation& value) = 0;
    // As SetTimeAndLocation, and keeps the "Stars fixed" flag of the sky.
    virtual void SetTimeAndLocationWithZone(const DateTimeLocation& value, bool starsFixed) = 0;
};

class CurrentTimeAndLocation final : public CurrentTimeAndLocationService {
public:
    // The location options follow every change of place: they hold the place
    // and whether it is one of the town table's (`directory`). All three
    // must outlive the object.
    CurrentTimeAndLocation(NotificationRegistryInterface& hubs, LocationOptions& locationOptions,
                           const LocationDirectory& directory);

    const DateTimeLocation& GetTimeAndLocation() const override { return value_; }
    void SetDateTime(const DateTime& moment, bool daylightSaving) override;
    void MoveDateTimeByClock(const DateTime& moment, bool daylightSaving) override;
    void SetLocation(const Location& place) override;
    void SetTimeAndLocation(const DateTimeLocation& value) override;
    void SetTimeAndLocationWithZone(const DateTimeLocation& value, bool starsFixed) override;

    // How many moments were chosen so far: set as a moment (by the Date and
    // Time dialog, a script, an automation client), not moved on by the
    // clock or carried along by a change of place.
    std::uint32_t MomentsChosen() const noexcept { return momentsChosen_; }

    bool GetStarsFixed() const noexcept { return starsFixed_; }
    // The flag without a broadcast: the stored one at start-up, and a Sky
    // window's options step (which redraws every Sky window itself).
    void RestoreStarsFixed(bool starsFixed) noexcept { starsFixed_ = starsFixed; }

private:
    void RecordPlace(const Location& place);

    NotificationRegistryInterface& hubs_;
    LocationOptions& locationOptions_;
    const LocationDirectory& directory_;
    DateTimeLocation value_;
    bool starsFixed_ = false;
    std::uint32_t momentsChosen_ = 0;
};

// A moment given in any time system as local civil time at `place`; a
// moment without a time (hours -1) only takes the time system. A moment in
// the invalid time system stays as it is.
DateTime LocalCivilTimeAt(const DateTime& moment, const Location& place, bool daylightSaving);

// The computer's clock.
class SystemClock {
public:
    virtual ~SystemClock() = default;
    // Local civil time now and whether daylight saving time is in effect;
    // false when the clock cannot be read.
    virtual bool Now(DateTime& localTime, bool& daylightSaving) = 0;
};

// The clock of the registered storage service.
class StorageSystemClock final : public SystemClock {
public:
    bool Now(DateTime& localTime, bool& daylightSaving) override;
};

// The frame window's one-minute timer.
class ClockTimer {
public:
    virtual ~ClockTimer() = default;
    // Starts the timer; false when there is no frame window yet.
    virtual bool StartClockTimer() = 0;
    virtual void StopClockTimer() = 0;
};

// Milliseconds between two ticks of the real-time clock.
constexpr int kClockTimerPeriod = 60000;

// Turns the date-and-time options into the current moment and runs the
// real-time clock.
class ApplicationClock {
public:
    // All four must outlive the clock.
    ApplicationClock(CurrentTimeAndLocationService& current, DateTimeOptions& options,
                     SystemClock& systemClock, ClockTimer& timer);

    // The moment the options give (event 10), then the timer on or off.
    void StartClockTimer();
    // Takes new options (the Date and Time dialog confirmed) and applies them.
    void ApplyOptions(const DateTimeOptions& options);
    // The timer on or off as the clock option says, the moment untouched (a
    // script switched the clock).
    void FollowClockOption();
    // The frame window exists now: a timer that was asked for before starts.
    void OnFrameWindowCreated();
    // One or more ticks of the timer. Following the system clock, the moment
    // is read from it again, so the shown time never drifts from the
    // computer's; a time of the user's moves on by `count` minutes.
    void ClockTick(int count);

    bool IsTimerRunning() const noexcept { return running_; }

private:
    CurrentTimeAndLocationService& current_;
    DateTimeOptions& options_;
    SystemClock& systemClock_;
    ClockTimer& timer_;
    bool running_ = false;
    bool pending_ = false;
};

// A new place chosen in the Location dialog (already in the location
// options). Retaining local civil time keeps the clock time and moves the
// moment (event 9); otherwise the moment stays and the clock time follows the
// new zone (event 11).
void ChangeCurrentLocation(CurrentTimeAndLocationService& current, const Location& place,
                           bool retainLocalCivilTime);

}  // namespace corvinata
