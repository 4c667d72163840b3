#include "app/current_time.h"

#include "base/daylight_saving_option.h"
#include "base/time_systems.h"

namespace corvinata {

CurrentTimeAndLocation::CurrentTimeAndLocation(NotificationRegistryInterface& hubs,
                                               LocationOptions& locationOptions,
                                               const LocationDirectory& directory)
    : hubs_(hubs), locationOptions_(locationOptions), directory_(directory) {
    DateTimeLocationInit(value_);
}

void CurrentTimeAndLocation::SetDateTime(const DateTime& moment, bool daylightSaving) {
    ++momentsChosen_;
    MoveDateTimeByClock(moment, daylightSaving);
}

void CurrentTimeAndLocation::MoveDateTimeByClock(const DateTime& moment, bool daylightSaving) {
    NotificationHub& hub = hubs_.GetNotificationHub();
    value_.dateTime = moment;
    value_.daylightSaving = daylightSaving;
    BroadcastNotification(hub, kEventDateTimeChanged, 0, nullptr);
}

void CurrentTimeAndLocation::SetLocation(const Location& place) {
    NotificationHub& hub = hubs_.GetNotificationHub();
    LocationAssign(value_.location, place);
    RecordPlace(place);
    BroadcastNotification(hub, kEventLocationChanged, 0, nullptr);
}

void CurrentTimeAndLocation::SetTimeAndLocation(const DateTimeLocation& value) {
    NotificationHub& hub = hubs_.GetNotificationHub();
    DateTimeLocationAssign(value_, value);
    // The location options are what the next start begins with, so they
    // follow the place whichever setter changed it.
    RecordPlace(value.location);
    BroadcastNotification(hub, kEventDateTimeLocationChanged, 0, nullptr);
}

void CurrentTimeAndLocation::SetTimeAndLocationWithZone(const DateTimeLocation& value,
                                                        bool starsFixed) {
    NotificationHub& hub = hubs_.GetNotificationHub();
    // A script's statement names a place, a moment or both.
    if (DateTimeDiffers(value.dateTime, value_.dateTime) || value.daylightSaving != value_.daylightSaving) {
        ++momentsChosen_;
    }
    DateTimeLocationAssign(value_, value);
    RecordPlace(value.location);
    starsFixed_ = starsFixed;
    BroadcastNotification(hub, kEventDateTimeLocationChanged, 0, nullptr);
}

void CurrentTimeAndLocation::RecordPlace(const Location& place) {
    // The options keep the orientation and side style they were saved with.
    LocationAssign(locationOptions_.location, place);
    locationOptions_.userDefined = !directory_.HasTown(place.country, place.town);
}

DateTime LocalCivilTimeAt(const DateTime& moment, const Location& place, bool daylightSaving) {
    DateTime result = moment;
    if (result.timeSystem == kInvalidTimeSystem) return result;
    ConvertTimeSystem(result, kLocalCivilTime, place.coordinates.longitude,
                      place.coordinates.timeZone, daylightSaving);
    return result;
}

bool StorageSystemClock::Now(DateTime& localTime, bool& daylightSaving) {
    DateTime now;
    if (!DateTimeSetToNow(now)) return false;
    DaylightSavingOption option;
    daylightSaving = QueryDaylightSavingActive(option);
    localTime = now;
    return true;
}

ApplicationClock::ApplicationClock(CurrentTimeAndLocationService& current, DateTimeOptions& options,
                                   SystemClock& systemClock, ClockTimer& timer)
    : current_(current), options_(options), systemClock_(systemClock), timer_(timer) {}

void ApplicationClock::StartClockTimer() {
    const DateTimeLocation& present = current_.GetTimeAndLocation();
    DateTime moment;
    bool daylightSaving = false;
    if (!options_.userDefined) {
        if (!systemClock_.Now(moment, daylightSaving)) {
            // Without a readable clock the program keeps the moment it has.
            moment = present.dateTime;
            daylightSaving = present.daylightSaving;
        }
    } else {
        daylightSaving = options_.userDaylightSaving;
        moment = LocalCivilTimeAt(options_.userTime, present.location, daylightSaving);
    }
    current_.SetDateTime(moment, daylightSaving);
    FollowClockOption();
}

void ApplicationClock::FollowClockOption() {
    if (options_.clockActive) {
        if (!running_) {
            running_ = timer_.StartClockTimer();
            pending_ = !running_;
        }
    } else {
        pending_ = false;
        if (running_) {
            timer_.StopClockTimer();
            running_ = false;
        }
    }
}

void ApplicationClock::ApplyOptions(const DateTimeOptions& options) {
    options_ = options;
    StartClockTimer();
}

void ApplicationClock::OnFrameWindowCreated() {
    if (pending_ && !running_) running_ = timer_.StartClockTimer();
    pending_ = false;
}

void ApplicationClock::ClockTick(int count) {
    const DateTimeLocation present = current_.GetTimeAndLocation();
    DateTime moment = present.dateTime;
    bool daylightSaving = present.daylightSaving;
    if (!options_.userDefined && systemClock_.Now(moment, daylightSaving)) {
        current_.MoveDateTimeByClock(moment, daylightSaving);
        return;
    }
    moment = present.dateTime;
    daylightSaving = present.daylightSaving;
    DateTimeAddMinutes(moment, count);
    current_.MoveDateTimeByClock(moment, daylightSaving);
}

void ChangeCurrentLocation(CurrentTimeAndLocationService& current, const Location& place,
                           bool retainLocalCivilTime) {
    if (retainLocalCivilTime) {
        current.SetLocation(place);
        return;
    }
    DateTimeLocation changed = current.GetTimeAndLocation();
    DateTime& moment = changed.dateTime;
    if (moment.timeSystem != kInvalidTimeSystem) {
        ConvertTimeSystem(moment, kUniversalTime, changed.location.coordinates.longitude,
                          changed.location.coordinates.timeZone, changed.daylightSaving);
        moment = LocalCivilTimeAt(moment, place, changed.daylightSaving);
    }
    LocationAssign(changed.location, place);
    current.SetTimeAndLocation(changed);
}

}  // namespace corvinata
