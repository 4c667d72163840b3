#include "app/sky_document.h"

#include <cmath>

#include "base/time_systems.h"
#include "catalog/catalogue_registry.h"

namespace corvinata {

SkyDocument::SkyDocument(NotificationHub& hub, const CurrentTimeAndLocationInterface& current,
                         SkyBodyComputer& computer)
    : WindowDocument(hub), current_(current), computer_(computer) {
    TimeAndPlaceFromDateTimeLocation(timeAndPlace_, current_.GetTimeAndLocation());
    ConvertTimeSystem(timeAndPlace_.dateTime, kLocalCivilTime, timeAndPlace_.place.longitude,
                      timeAndPlace_.place.timeZone, timeAndPlace_.daylightSaving);
    Recompute();
}

void SkyDocument::OnNotify(std::int32_t event, std::uint32_t flags, void*) {
    TimeAndPlace now;
    switch (event) {
        case kEventLocationChanged:
            TimeAndPlaceFromDateTimeLocation(now, current_.GetTimeAndLocation());
            SetPlace(now.place, now.daylightSaving, true);
            break;
        case kEventDateTimeChanged:
            TimeAndPlaceFromDateTimeLocation(now, current_.GetTimeAndLocation());
            SetDateTime(now.dateTime, timeFlag_, true);
            break;
        case kEventDateTimeLocationChanged:
            TimeAndPlaceFromDateTimeLocation(now, current_.GetTimeAndLocation());
            SetTimeAndPlace(now, true);
            break;
        case kEventAppearanceChanged:
            if (flags & kAppearanceTextFlags) NotifyHint(SkyViewHint::kTextsChanged);
            if (flags & kNightVisionSwitched) NotifyHint(SkyViewHint::kNightVisionSwitched);
            break;
        default:
            break;
    }
}

void SkyDocument::SetDateTime(const DateTime& dateTime, bool timeFlag, bool notify) {
    timeAndPlace_.dateTime = dateTime;
    timeFlag_ = timeFlag;
    ConvertTimeSystem(timeAndPlace_.dateTime, kLocalCivilTime, timeAndPlace_.place.longitude,
                      timeAndPlace_.place.timeZone, timeAndPlace_.daylightSaving);
    Recompute();
    if (notify) NotifyHint(SkyViewHint::kNewDateTime);
}

void SkyDocument::SetPlace(const GeoCoordinates& place, bool daylightSaving, bool notify) {
    TimeAndPlace next = timeAndPlace_;
    next.place = place;
    next.daylightSaving = daylightSaving;
    timeAndPlace_ = next;
    Recompute();
    if (notify) NotifyHint(SkyViewHint::kNewPlace);
}

void SkyDocument::SetTimeAndPlace(const TimeAndPlace& timeAndPlace, bool notify) {
    timeAndPlace_ = timeAndPlace;
    ConvertTimeSystem(timeAndPlace_.dateTime, kLocalCivilTime, timeAndPlace_.place.longitude,
                      timeAndPlace_.place.timeZone, timeAndPlace_.daylightSaving);
    Recompute();
    if (notify) NotifyHint(SkyViewHint::kNewDateTimeAndPlace);
}

void SkyDocument::NormaliseTime() {
    NormaliseDateTime(timeAndPlace_.dateTime);
    Recompute();
    DocumentNotifyViews(nullptr);
}

TimeAndPlace SkyDocument::SiderealMoment(const DateTime& civil) const {
    TimeAndPlace moment = timeAndPlace_;
    moment.dateTime = civil;
    ConvertTimeSystem(moment.dateTime, kLocalSiderealTime, moment.place.longitude,
                      moment.place.timeZone, moment.daylightSaving);
    return moment;
}

void SkyDocument::Recompute() {
    const TimeAndPlace moment = SiderealMoment(timeAndPlace_.dateTime);
    const int count = computer_.PlanetCount();
    planets_.assign(count > 0 ? count : 0, SkyPosition{});
    for (int i = 0; i < count; ++i) planets_[i] = computer_.ComputePlanet(i, moment);
    sun_ = computer_.ComputeSun(moment);
    moon_ = computer_.ComputeMoon(moment);
    ComputeTracks();
    ++revision_;
}

void SkyDocument::ComputeTracks() {
    DateTime day = timeAndPlace_.dateTime;
    day.hours = 0.0;
    if (trackReference_.timeSystem != kInvalidTimeSystem &&
        static_cast<int>(tracks_.size()) == computer_.PlanetCount()) {
        const double offset = DateTimeDifferenceDays(day, trackReference_);
        if (offset >= -kTrackKeepDaysBefore && offset <= kTrackKeepDaysAfter) return;
    }
    const int count = computer_.PlanetCount();
    tracks_.assign(count > 0 ? count : 0, {});
    DateTime first = day;
    if (!DateTimeAddDays(first, -kTrackDaysBefore)) first = DateTime{kFirstValidYear, 1, 1, 0.0, day.timeSystem};
    for (int planet = 0; planet < count; ++planet) {
        DateTime point = first;
        for (int i = 0; i <= kTrackDaysBefore + kTrackDaysAfter; ++i) {
            tracks_[planet].push_back({point, computer_.ComputePlanet(planet, SiderealMoment(point))});
            if (!DateTimeAddDays(point, 1)) break;
        }
    }
    trackReference_ = day;
    ++trackComputations_;
}

SkyPosition SkyDocument::GetBodySkyPosition(int bodyType, int number) const {
    switch (bodyType) {
        case kBodyPlanet:
            return number >= 0 && number < static_cast<int>(planets_.size()) ? planets_[number]
                                                                            : SkyPosition{};
        case kBodySun: return sun_;
        case kBodyMoon: return moon_;
        case kBodyDeepSky: return computer_.DeepSkyPosition(number);
        default: return SkyPosition{};
    }
}

const std::vector<DatedSkyPosition>& SkyDocument::PlanetTrack(int planet) const {
    static const std::vector<DatedSkyPosition> kNone;
    return planet >= 0 && planet < static_cast<int>(tracks_.size()) ? tracks_[planet] : kNone;
}

void SkyDocument::NotifyHint(std::int32_t code) {
    SkyViewHint hint;
    hint.code = code;
    DocumentNotifyViews(&hint);
}

}  // namespace corvinata
