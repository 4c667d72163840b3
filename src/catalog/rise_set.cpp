#include "catalog/rise_set.h"

#include <cmath>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "base/angle_value.h"
#include "base/small_math.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"

namespace corvinata {
namespace {

// Sidereal degrees per solar day (Meeus, AA ch. 15).
constexpr double kSiderealRate = 360.985647;

// Below this the hour-angle and correction formulas divide by nothing: the
// observer stands at a pole or the body at a celestial pole.
constexpr double kTinyCosine = 1e-12;

constexpr int kCorrectionPasses = 5;
constexpr double kConvergedDays = 0.5 / 86400.0;

struct EquatorialPlace {
    double ra;
    double dec;
    bool known;  // false for a body without a place (of the kind "other")
};

// The body's equatorial place at 0 h UT of `day` plus `dayOffset` days. Hours
// beyond the day name the right instant without leaving the valid years.
EquatorialPlace PlaceAt(const CelestialObject& body, const TimeAndPlace& day, int dayOffset) {
    TimeAndPlace moment = day;
    moment.dateTime.hours = 24.0 * dayOffset;
    PropertyMap map;
    ComputeBodyProperties(body, kFunctionLongitude | kFunctionLatitude, moment, map,
                          PropertyConventions{kEquatorialSystem, kUniversalTime,
                                              kAstronomicalUnits});
    const SkyCoordinates c = map.Coordinates();
    return {c.longitude, c.latitude, c.system == kEquatorialSystem};
}

double IntoDay(double m) noexcept { return m - std::floor(m); }

// The three places of the computation and the quantities of the observer.
struct EventSetting {
    EquatorialPlace place[3];
    double theta0;       // Greenwich sidereal time at 0 h UT, degrees
    double westLongitude;
    double latitude;
    double deltaTDays;
};

double HourAngleAt(const EventSetting& s, double m, double& dec) {
    const double n = m + s.deltaTDays;
    const double ra = InterpolateThreeValues(360, s.place[0].ra, s.place[1].ra, s.place[2].ra, n);
    dec = InterpolateThreeValues(kNoPeriod, s.place[0].dec, s.place[1].dec, s.place[2].dec, n);
    return NormaliseAngle180(s.theta0 + kSiderealRate * m - s.westLongitude - ra);
}

double TransitStep(const EventSetting& s, double m, double /*h0*/) {
    double dec = 0.0;
    return -HourAngleAt(s, m, dec) / 360.0;
}

double RiseOrSetStep(const EventSetting& s, double m, double h0) {
    double dec = 0.0;
    const double hourAngle = HourAngleAt(s, m, dec);
    const double altitude =
        AsinDeg(SinDeg(s.latitude) * SinDeg(dec) +
                CosDeg(s.latitude) * CosDeg(dec) * CosDeg(hourAngle));
    const double denominator = 360.0 * CosDeg(dec) * CosDeg(s.latitude) * SinDeg(hourAngle);
    if (std::fabs(denominator) < kTinyCosine) return 0.0;
    const double step = (altitude - h0) / denominator;
    // A grazing body can ask for a step that leaves the day's geometry.
    return std::fabs(step) < 0.5 ? step : 0.0;
}

// Meeus's correction, repeated while it still moves the event by more than
// half a second: one pass leaves the Moon minutes off, as its place moves by
// half a degree an hour.
template <typename Step>
double Corrected(const EventSetting& s, double m, double h0, Step step) {
    for (int pass = 0; pass < kCorrectionPasses; ++pass) {
        const double dm = step(s, m, h0);
        m += dm;
        if (std::fabs(dm) < kConvergedDays) break;
    }
    return m;
}

// The event at day fraction m of `day`, which may lie on a neighbouring date.
EventRecord EventAt(const DateTime& day, double m) {
    EventRecord event;
    const double whole = std::floor(m);
    event.dateTime = day;
    if (!DateTimeAddDays(event.dateTime, static_cast<std::int32_t>(whole))) {
        event.dateTime.hours = kNoTimeHours;
        event.flag = kEventNotComputed;
        return event;
    }
    event.dateTime.hours = (m - whole) * 24.0;
    event.dateTime.timeSystem = kUniversalTime;
    event.flag = kEventOccurs;
    return event;
}

EventRecord NoEvent(const DateTime& day, std::int32_t flag) {
    EventRecord event;
    event.dateTime = day;
    event.dateTime.hours = kNoTimeHours;
    event.dateTime.timeSystem = kUniversalTime;
    event.flag = flag;
    return event;
}

// -1, 0, 1 as the calendar date of a comes before, on or after that of b.
int CompareDates(const DateTime& a, const DateTime& b) noexcept {
    if (a.year != b.year) return a.year < b.year ? -1 : 1;
    if (a.month != b.month) return a.month < b.month ? -1 : 1;
    if (a.day != b.day) return a.day < b.day ? -1 : 1;
    return 0;
}

// The date of a UT event in the requested time system.
DateTime InTimeSystem(const EventRecord& event, const TimeAndPlace& moment, int timeSystem) {
    DateTime local = event.dateTime;
    if (timeSystem >= kUniversalTime && timeSystem < kInvalidTimeSystem) {
        ConvertTimeSystem(local, timeSystem, moment.place.longitude, moment.place.timeZone,
                          moment.daylightSaving);
    }
    return local;
}

// The record of the day's event: the one found, or the same event of the
// neighbouring UT day when the one found falls on another local date.
class DayMatcher {
public:
    DayMatcher(const CelestialObject& body, const TimeAndPlace& utDay, const DateTime& date,
               int timeSystem, double h0)
        : body_(body), utDay_(utDay), date_(date), timeSystem_(timeSystem), h0_(h0) {
        FindEventTime(body_, utDay_, h0_, days_[1].riseSet, days_[1].transit);
        known_[1] = true;
    }

    const DayEvents& Base() const noexcept { return days_[1]; }

    template <typename Pick>
    EventRecord Match(Pick pick) {
        const EventRecord found = pick(days_[1]);
        if (found.flag != kEventOccurs) return found;
        const int side = CompareDates(InTimeSystem(found, utDay_, timeSystem_), date_);
        if (side == 0) return found;
        const DayEvents* other = Neighbour(side < 0 ? 1 : -1);
        if (other == nullptr) return NoEvent(date_, kEventNotComputed);
        const EventRecord second = pick(*other);
        if (second.flag == kEventOccurs &&
            CompareDates(InTimeSystem(second, utDay_, timeSystem_), date_) == 0) {
            return second;
        }
        return NoEvent(date_, kEventAboveHorizon);
    }

private:
    const DayEvents* Neighbour(int offset) {
        const int slot = 1 + offset;
        if (!known_[slot]) {
            TimeAndPlace day = utDay_;
            if (!DateTimeAddDays(day.dateTime, offset)) return nullptr;
            FindEventTime(body_, day, h0_, days_[slot].riseSet, days_[slot].transit);
            known_[slot] = true;
        }
        return &days_[slot];
    }

    const CelestialObject& body_;
    TimeAndPlace utDay_;
    DateTime date_;
    int timeSystem_;
    double h0_;
    DayEvents days_[3];
    bool known_[3] = {false, false, false};
};

}  // namespace

void StoreEventTime(PropertyMap& raw, std::uint32_t id, const EventRecord& event,
                const DateTime& utDate) {
    if (event.flag != kEventOccurs) {
        raw.Set(id, kNoTimeHours, kUniversalTime, event.flag);
        return;
    }
    DateTime midnight = utDate;
    midnight.hours = 0.0;
    const double hours =
        (DateTimeToJulianDay(event.dateTime) - DateTimeToJulianDay(midnight)) * 24.0;
    raw.Set(id, hours, kUniversalTime, kEventOccurs);
}

void RiseSetPair::SetRise(const EventRecord& event) noexcept {
    rise_ = event;
    UpdateState();
}

void RiseSetPair::SetSet(const EventRecord& event) noexcept {
    set_ = event;
    UpdateState();
}

void RiseSetPair::MarkNotComputed() noexcept {
    rise_.dateTime.hours = kNoTimeHours;
    set_.dateTime.hours = kNoTimeHours;
    rise_.flag = kEventNotComputed;
    set_.flag = kEventNotComputed;
    state_ = kRiseSetNotComputed;
}

void RiseSetPair::UpdateState() noexcept {
    const bool rises = rise_.dateTime.hours != kNoTimeHours;
    const bool sets = set_.dateTime.hours != kNoTimeHours;
    if (rises && sets) {
        state_ = kRiseAndSet;
    } else if (rises) {
        state_ = kNoSet;
    } else if (sets) {
        state_ = kNoRise;
    } else if (rise_.flag == kEventNotComputed || set_.flag == kEventNotComputed) {
        state_ = kRiseSetNotComputed;
    } else {
        state_ = rise_.flag == kEventAboveHorizon ? kAlwaysAbove : kAlwaysBelow;
    }
}

RiseSetPair RiseSetPairFromMap(const PropertyMap& map, const DateTime& day) {
    RiseSetPair pair;
    const auto record = [&day](const PropertyValue* value) {
        EventRecord event;
        event.dateTime = day;
        event.dateTime.hours = value ? value->value : kNoTimeHours;
        event.dateTime.timeSystem = value ? value->system : kInvalidTimeSystem;
        event.flag = value ? value->flag : kEventNotComputed;
        return event;
    };
    pair.SetRise(record(map.Find(kFunctionRise)));
    pair.SetSet(record(map.Find(kFunctionSet)));
    return pair;
}

double StandardAltitude(int bodyType) noexcept {
    switch (bodyType) {
        case kBodySun: return -0.8333333333333334;
        case kBodyMoon: return 0.125;
        case kBodyPlanet:
        case kBodyStar:
        case kBodyDeepSky: return -0.5666666666666667;
        default: return 0.0;
    }
}

void FindEventTime(const CelestialObject& body, const TimeAndPlace& moment, double h0,
                   RiseSetPair& riseSet, EventRecord& transit) {
    TimeAndPlace day = moment;
    day.dateTime.hours = 0.0;
    day.dateTime.timeSystem = kUniversalTime;

    EventSetting s{};
    for (int i = 0; i < 3; ++i) {
        s.place[i] = PlaceAt(body, day, i - 1);
        if (!s.place[i].known) {
            riseSet.MarkNotComputed();
            transit = NoEvent(day.dateTime, kEventNotComputed);
            return;
        }
    }
    DateTime sidereal = day.dateTime;
    ConvertToSiderealTime(sidereal);
    s.theta0 = sidereal.hours * 15.0;
    s.westLongitude = day.place.longitude.GetValue();
    s.latitude = day.place.latitude.GetValue();
    s.deltaTDays = DeltaT(day.dateTime) / 86400.0;

    const double dec = s.place[1].dec;
    const double m0 = IntoDay((s.place[1].ra + s.westLongitude - s.theta0) / 360.0);
    transit = EventAt(day.dateTime, Corrected(s, m0, h0, TransitStep));

    const double denominator = CosDeg(s.latitude) * CosDeg(dec);
    const double numerator = SinDeg(h0) - SinDeg(s.latitude) * SinDeg(dec);
    double cosH0 = 0.0;
    if (std::fabs(denominator) < kTinyCosine) {
        cosH0 = numerator > 0.0 ? 2.0 : -2.0;
    } else {
        cosH0 = numerator / denominator;
    }
    if (cosH0 > 1.0 || cosH0 < -1.0) {
        const std::int32_t flag = cosH0 > 1.0 ? kEventBelowHorizon : kEventAboveHorizon;
        riseSet.SetRise(NoEvent(day.dateTime, flag));
        riseSet.SetSet(NoEvent(day.dateTime, flag));
        return;
    }
    const double h0Angle = AcosDeg(cosH0);
    riseSet.SetRise(
        EventAt(day.dateTime, Corrected(s, IntoDay(m0 - h0Angle / 360.0), h0, RiseOrSetStep)));
    riseSet.SetSet(
        EventAt(day.dateTime, Corrected(s, IntoDay(m0 + h0Angle / 360.0), h0, RiseOrSetStep)));
}

DayEvents FindDayEvents(const CelestialObject& body, const TimeAndPlace& moment,
                        int timeSystem, double h0) {
    DateTime date = moment.dateTime;
    if (timeSystem >= kUniversalTime && timeSystem < kInvalidTimeSystem) {
        ConvertTimeSystem(date, timeSystem, moment.place.longitude, moment.place.timeZone,
                          moment.daylightSaving);
    }
    TimeAndPlace utDay = moment;
    utDay.dateTime = date;
    utDay.dateTime.hours = 0.0;
    utDay.dateTime.timeSystem = kUniversalTime;

    DayMatcher matcher(body, utDay, date, timeSystem, h0);
    DayEvents result;
    const RiseSetPair& base = matcher.Base().riseSet;
    if (base.State() == kAlwaysAbove || base.State() == kAlwaysBelow) {
        result.riseSet = base;
    } else {
        result.riseSet.SetRise(matcher.Match([](const DayEvents& d) { return d.riseSet.Rise(); }));
        result.riseSet.SetSet(matcher.Match([](const DayEvents& d) { return d.riseSet.Set(); }));
    }
    result.transit = matcher.Match([](const DayEvents& d) { return d.transit; });
    return result;
}

void ComputeRiseSetCulmination(const CelestialObject& body, const TimeAndPlace& moment,
                               std::uint32_t mask, int timeSystem, PropertyMap& raw) {
    const DayEvents events =
        FindDayEvents(body, moment, timeSystem, StandardAltitude(body.GetTypeId()));
    const DateTime& day = moment.dateTime;
    if (mask & kFunctionRise) StoreEventTime(raw, kFunctionRise, events.riseSet.Rise(), day);
    if (mask & kFunctionSet) StoreEventTime(raw, kFunctionSet, events.riseSet.Set(), day);
    if (mask & kFunctionCulmination) {
        StoreEventTime(raw, kFunctionCulmination, events.transit, moment.dateTime);
    }
}

}  // namespace corvinata
