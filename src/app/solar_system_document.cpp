#include "app/solar_system_document.h"

#include "base/time_systems.h"

namespace corvinata {

int SolarSystemTrackStepDays(double orbitalPeriodYears) noexcept {
    const double days = orbitalPeriodYears * 365.0 / 360.0;
    if (!(days >= 1.0)) return 1;
    return days > 1e6 ? 1000000 : static_cast<int>(days);
}

SolarSystemDocument::SolarSystemDocument(NotificationHub& hub,
                                         const CurrentTimeAndLocationInterface& current,
                                         SolarSystemComputer& computer)
    : WindowDocument(hub), current_(current), computer_(computer) {
    TimeAndPlaceFromDateTimeLocation(timeAndPlace_, current_.GetTimeAndLocation());
    ConvertTimeSystem(timeAndPlace_.dateTime, kLocalCivilTime, timeAndPlace_.place.longitude,
                      timeAndPlace_.place.timeZone, timeAndPlace_.daylightSaving);
    ComputeTracks();
    Compute();
}

void SolarSystemDocument::OnNotify(std::int32_t event, std::uint32_t flags, void*) {
    switch (event) {
        case kEventDateTimeChanged:
        case kEventDateTimeLocationChanged: {
            TimeAndPlace now;
            TimeAndPlaceFromDateTimeLocation(now, current_.GetTimeAndLocation());
            timeAndPlace_.place = now.place;
            timeAndPlace_.daylightSaving = now.daylightSaving;
            SetDateTime(now.dateTime, true);
            break;
        }
        case kEventAppearanceChanged:
            if (flags & kAppearanceTextFlags) DocumentNotifyViews(nullptr);
            break;
        default:
            break;
    }
}

void SolarSystemDocument::SetDateTime(const DateTime& dateTime, bool notify) {
    timeAndPlace_.dateTime = dateTime;
    ConvertTimeSystem(timeAndPlace_.dateTime, kLocalCivilTime, timeAndPlace_.place.longitude,
                      timeAndPlace_.place.timeZone, timeAndPlace_.daylightSaving);
    Compute();
    if (notify) DocumentNotifyViews(nullptr);
}

void SolarSystemDocument::NormaliseTime() {
    NormaliseDateTime(timeAndPlace_.dateTime);
    Compute();
    DocumentNotifyViews(nullptr);
}

void SolarSystemDocument::Compute() {
    const int count = computer_.PlanetCount();
    planets_.assign(count > 0 ? count : 0, SolarSystemPoint{});
    for (int i = 0; i < count; ++i) planets_[i] = computer_.Compute(i, timeAndPlace_);
    earth_ = computer_.Compute(kSolarSystemEarth, timeAndPlace_);
    moonAngle_ = computer_.ComputeMoonAngle(timeAndPlace_);
}

const SolarSystemPoint& SolarSystemDocument::Planet(int planet) const {
    static const SolarSystemPoint kNone;
    return planet >= 0 && planet < static_cast<int>(planets_.size()) ? planets_[planet] : kNone;
}

const std::vector<SolarSystemPoint>& SolarSystemDocument::Track(int body) const {
    if (body == kSolarSystemEarth) return earthTrack_;
    static const std::vector<SolarSystemPoint> kNone;
    return body >= 0 && body < static_cast<int>(planetTracks_.size()) ? planetTracks_[body] : kNone;
}

void SolarSystemDocument::ComputeTracks() {
    earthTrack_ = WalkRevolution(kSolarSystemEarth);
    const int count = computer_.PlanetCount();
    planetTracks_.clear();
    for (int i = 0; i < count; ++i) planetTracks_.push_back(WalkRevolution(i));
}

// One revolution from the present position: the walk passes the opposite
// side (angle travelled above 180) and stops when it comes back round. The
// calendar's end and the point count bound it for bodies whose revolution
// does not fit before the year 3000.
std::vector<SolarSystemPoint> SolarSystemDocument::WalkRevolution(int body) {
    std::vector<SolarSystemPoint> track;
    const int step = SolarSystemTrackStepDays(computer_.OrbitalPeriodYears(body));
    TimeAndPlace moment = timeAndPlace_;
    const double start = computer_.Compute(body, moment).angle;
    bool pastHalf = false;
    while (static_cast<int>(track.size()) < kMaxTrackPoints) {
        const SolarSystemPoint point = computer_.Compute(body, moment);
        double travelled = point.angle - start;
        if (travelled < 0.0) travelled += 360.0;
        if (pastHalf && travelled < 180.0) break;
        if (travelled > 180.0) pastHalf = true;
        track.push_back(point);
        if (!DateTimeAddDays(moment.dateTime, step)) break;
    }
    return track;
}

}  // namespace corvinata
