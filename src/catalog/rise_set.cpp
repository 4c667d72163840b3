#include "catalog/rise_set.h"

#include <cmath>

#include "astro/degrees.h"
#include "astro/instant_sharing.h"
#include "base/angle_value.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"

namespace corvinata {
namespace {

// Sidereal degrees per solar day (Meeus, AA ch. 15).
constexpr double kSiderealRate = 360.985647;

// The body's place is computed every half day over the searched interval
// (at least four places) and read between by four-point interpolation:
// under a second of arc off for the Moon, far below the altitudes the search
// separates.
constexpr double kPlaceStep = 0.5;
constexpr int kMaxPlaces = 8;

// The altitude and the hour angle are sampled every half hour to bracket the
// crossings, and a sampled turn of the altitude within kGrazingDegrees of
// the event altitude is searched for a dip across it between two samples
// (near the horizon a turn lies at most half a degree beyond the samples).
constexpr double kSampleStep = 1.0 / 48.0;
constexpr double kGrazingDegrees = 2.0;
// Crossings are refined to a tenth of a second; a day holds at most a few of
// each direction.
constexpr double kCrossingDays = 0.1 / 86400.0;
constexpr int kMaxCrossings = 4;

struct EquatorialPlace {
    double ra;
    double dec;
    bool known;  // false for a body without a place (of the kind "other")
};

// The body's equatorial place at 0 h UT of `day` plus `days`. Hours beyond
// the day name the right instant without leaving the valid years.
EquatorialPlace PlaceAt(const CelestialObject& body, const TimeAndPlace& day, double days) {
    TimeAndPlace moment = day;
    moment.dateTime.hours = 24.0 * days;
    PropertyMap map;
    ComputeBodyProperties(body, kFunctionLongitude | kFunctionLatitude, moment, map,
                          PropertyConventions{kEquatorialSystem, kUniversalTime,
                                              kAstronomicalUnits});
    const SkyCoordinates c = map.Coordinates();
    return {c.longitude, c.latitude, c.system == kEquatorialSystem};
}

// The body's places over an interval of day fractions m (counted from 0 h UT
// of `day`) and the quantities of the observer; every event of a date is
// found from these.
class DayGeometry {
public:
    DayGeometry(const CelestialObject& body, const TimeAndPlace& day, double from, double to) {
        first_ = static_cast<int>(std::floor(from / kPlaceStep));
        count_ = static_cast<int>(std::ceil(to / kPlaceStep)) + 1 - first_;
        if (count_ < 4) count_ = 4;
        if (count_ > kMaxPlaces) return;
        for (int i = 0; i < count_; ++i) {
            const EquatorialPlace place = PlaceAt(body, day, (first_ + i) * kPlaceStep);
            if (!place.known) return;
            // Right ascension made continuous, so that it interpolates across 0 h.
            ra_[i] = i == 0 ? place.ra : ra_[i - 1] + NormaliseAngle180(place.ra - ra_[i - 1]);
            dec_[i] = place.dec;
        }
        DateTime sidereal = day.dateTime;
        ConvertToSiderealTime(sidereal);
        theta0_ = sidereal.hours * 15.0;
        westLongitude_ = day.place.longitude.GetValue();
        latitude_ = day.place.latitude.GetValue();
        known_ = true;
    }

    bool Known() const noexcept { return known_; }

    // Right ascension and declination at day fraction m (UT).
    void PlaceAtFraction(double m, double& ra, double& dec) const noexcept {
        const double x = m / kPlaceStep - first_;
        int first = static_cast<int>(std::floor(x)) - 1;
        if (first < 0) first = 0;
        if (first > count_ - 4) first = count_ - 4;
        ra = 0.0;
        dec = 0.0;
        for (int i = first; i < first + 4; ++i) {
            double weight = 1.0;
            for (int j = first; j < first + 4; ++j) {
                if (j != i) weight *= (x - j) / static_cast<double>(i - j);
            }
            ra += weight * ra_[i];
            dec += weight * dec_[i];
        }
    }

    // Local hour angle (-180..180) and declination at day fraction m; the
    // sidereal time runs on Universal time.
    double HourAngle(double m, double& dec) const noexcept {
        double ra = 0.0;
        PlaceAtFraction(m, ra, dec);
        return NormaliseAngle180(theta0_ + kSiderealRate * m - westLongitude_ - ra);
    }

    double Altitude(double m) const noexcept {
        double dec = 0.0;
        const double hourAngle = HourAngle(m, dec);
        return AsinDeg(SinDeg(latitude_) * SinDeg(dec) +
                       CosDeg(latitude_) * CosDeg(dec) * CosDeg(hourAngle));
    }

private:
    double ra_[kMaxPlaces] = {};
    double dec_[kMaxPlaces] = {};
    int first_ = 0;
    int count_ = 0;
    double theta0_ = 0.0;
    double westLongitude_ = 0.0;
    double latitude_ = 0.0;
    bool known_ = false;
};

// The events within an interval of day fractions [from, to): the crossings of
// the altitude h0 and the upper transits (the hour angle passing 0 from east
// to west), each list in time order, and the side of h0 the body is on at
// the start.
struct DayCrossings {
    double rises[kMaxCrossings];
    double sets[kMaxCrossings];
    double transits[kMaxCrossings];
    int riseCount = 0;
    int setCount = 0;
    int transitCount = 0;
    bool aboveAtStart = false;
};

// Illinois variant of the false position on [a, b], where f(a) and f(b) lie
// on either side of 0: the root to kCrossingDays. The estimate itself is
// returned, as the bracket's far end may stay where it is.
template <typename F>
double RefineRoot(const F& f, double a, double fa, double b, double fb) {
    int side = 0;
    double c = 0.5 * (a + b);
    for (int pass = 0; pass < 60; ++pass) {
        const double previous = c;
        c = (a * fb - b * fa) / (fb - fa);
        const double fc = f(c);
        if (fc == 0.0 || (pass > 0 && std::fabs(c - previous) < kCrossingDays) ||
            b - a < kCrossingDays) {
            break;
        }
        if ((fc >= 0.0) == (fb >= 0.0)) {
            b = c;
            fb = fc;
            if (side == -1) fa *= 0.5;
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == 1) fb *= 0.5;
            side = 1;
        }
    }
    return c;
}

class CrossingSearch {
public:
    CrossingSearch(const DayGeometry& g, double h0, double from, double to)
        : g_(g), h0_(h0), from_(from), to_(to) {}

    DayCrossings Run() {
        // One sample either side of the interval, so that a turn at its ends
        // is seen.
        const int n = static_cast<int>(std::ceil((to_ - from_) / kSampleStep));
        const double step = (to_ - from_) / n;
        double mPrev = from_ - step;
        double fBefore = 0.0;
        double fPrev = Height(mPrev);
        double hPrev = HourAngle(mPrev);
        result_.aboveAtStart = Height(from_) >= 0.0;
        for (int i = 0; i <= n + 1; ++i) {
            const double m = from_ + i * step;
            const double f = Height(m);
            const double h = HourAngle(m);
            if (Above(f) != Above(fPrev)) {
                Add(RefineRoot([this](double x) { return Height(x); }, mPrev, fPrev, m, f),
                    f > fPrev);
            } else if (i > 0 && IsTurn(fBefore, fPrev, f) && std::fabs(fPrev) < kGrazingDegrees) {
                SearchTurn(mPrev - step, fBefore, m, f, fPrev >= fBefore);
            }
            // The hour angle rises through 0 at the upper transit and jumps
            // from +180 to -180 at the lower one.
            if (hPrev < 0.0 && h >= 0.0 && h - hPrev < 180.0) {
                AddTransit(RefineRoot([this](double x) { return HourAngle(x); }, mPrev, hPrev, m, h));
            }
            fBefore = fPrev;
            fPrev = f;
            hPrev = h;
            mPrev = m;
        }
        return result_;
    }

private:
    double Height(double m) const { return g_.Altitude(m) - h0_; }
    double HourAngle(double m) const {
        double dec = 0.0;
        return g_.HourAngle(m, dec);
    }
    static bool Above(double f) noexcept { return f >= 0.0; }
    static bool IsTurn(double before, double at, double after) noexcept {
        return (at >= before && at >= after) || (at <= before && at <= after);
    }

    // A sampled maximum below h0 (or minimum above it) may hide a dip across
    // h0 between the samples either side: the turn is found by golden
    // section and, when it lies across h0, the crossings either side of it
    // are refined.
    void SearchTurn(double a, double fa, double b, double fb, bool maximum) {
        const double sign = maximum ? 1.0 : -1.0;
        constexpr double kRatio = 0.6180339887498949;
        double lo = a;
        double hi = b;
        double x1 = hi - kRatio * (hi - lo);
        double x2 = lo + kRatio * (hi - lo);
        double f1 = sign * Height(x1);
        double f2 = sign * Height(x2);
        while (hi - lo > kCrossingDays) {
            if (f1 < f2) {
                lo = x1;
                x1 = x2;
                f1 = f2;
                x2 = lo + kRatio * (hi - lo);
                f2 = sign * Height(x2);
            } else {
                hi = x2;
                x2 = x1;
                f2 = f1;
                x1 = hi - kRatio * (hi - lo);
                f1 = sign * Height(x1);
            }
        }
        const double turn = 0.5 * (lo + hi);
        const double fTurn = Height(turn);
        if (Above(fTurn) == Above(fa) || Above(fTurn) == Above(fb)) return;
        const auto height = [this](double x) { return Height(x); };
        Add(RefineRoot(height, a, fa, turn, fTurn), fTurn > fa);
        Add(RefineRoot(height, turn, fTurn, b, fb), fb > fTurn);
    }

    void Add(double m, bool rising) {
        if (m < from_ || m >= to_) return;
        double* list = rising ? result_.rises : result_.sets;
        int& count = rising ? result_.riseCount : result_.setCount;
        if (count < kMaxCrossings) list[count++] = m;
    }

    void AddTransit(double m) {
        if (m < from_ || m >= to_ || result_.transitCount == kMaxCrossings) return;
        result_.transits[result_.transitCount++] = m;
    }

    const DayGeometry& g_;
    double h0_;
    double from_;
    double to_;
    DayCrossings result_;
};

// The event at day fraction m of `day`, which may lie on a neighbouring date.
EventTime EventAt(const DateTime& day, double m) {
    EventTime event;
    const double whole = std::floor(m);
    event.dateTime = day;
    if (!DateTimeAddDays(event.dateTime, static_cast<std::int32_t>(whole))) {
        event.dateTime.hours = kNoTimeHours;
        event.state = kEventNotComputed;
        return event;
    }
    event.dateTime.hours = (m - whole) * 24.0;
    event.dateTime.timeSystem = kUniversalTime;
    event.state = kEventOccurs;
    return event;
}

EventTime NoEvent(const DateTime& day, std::int32_t flag) {
    EventTime event;
    event.dateTime = day;
    event.dateTime.hours = kNoTimeHours;
    event.dateTime.timeSystem = kUniversalTime;
    event.state = flag;
    return event;
}

// The UT day fractions of the date: for local civil time from its 0 h to
// the next 0 h, counted from 0 h UT of the same calendar date; the UT day
// itself otherwise (sidereal times keep the date of Universal time).
void DateInterval(const TimeAndPlace& moment, const DateTime& date, int timeSystem,
                  double& from, double& to) {
    from = 0.0;
    to = 1.0;
    if (timeSystem != kLocalCivilTime) return;
    DateTime start = date;
    start.hours = 0.0;
    start.timeSystem = timeSystem;
    DateTime end = start;
    if (!DateTimeAddDays(end, 1)) return;
    DateTime utMidnight = start;
    utMidnight.timeSystem = kUniversalTime;
    const auto toUniversal = [&moment](DateTime& t) {
        return ConvertTimeSystem(t, kUniversalTime, moment.place.longitude,
                                 moment.place.timeZone, moment.daylightSaving);
    };
    if (!toUniversal(start) || !toUniversal(end)) return;
    const double base = DateTimeToJulianDay(utMidnight);
    const double a = DateTimeToJulianDay(start) - base;
    const double b = DateTimeToJulianDay(end) - base;
    // A day of 23 to 25 hours when daylight saving begins or ends.
    if (b - a > 0.9 && b - a < 1.1 && std::fabs(a) < 1.0) {
        from = a;
        to = b;
    }
}

// What a date's events depend on: the body (one of the catalogues', constant
// while a scope is open), the date in the time system asked for, that
// system, the place and the event altitude.
struct DayKey {
    const CelestialObject* body;
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
    std::int32_t timeSystem;
    double h0;
    double longitude;
    double latitude;
    double zoneHours;
    bool daylightSaving;

    static DayKey Of(const CelestialObject& body, const TimeAndPlace& moment,
                     const DateTime& date, int timeSystem, double h0) noexcept {
        return {&body,
                date.year,
                date.month,
                date.day,
                timeSystem,
                h0,
                moment.place.longitude.GetValue(),
                moment.place.latitude.GetValue(),
                moment.place.timeZone.hours,
                moment.daylightSaving};
    }

    bool operator==(const DayKey& o) const noexcept {
        return body == o.body && year == o.year && month == o.month && day == o.day &&
               timeSystem == o.timeSystem && h0 == o.h0 && longitude == o.longitude &&
               latitude == o.latitude && zoneHours == o.zoneHours &&
               daylightSaving == o.daylightSaving;
    }
};

std::uint64_t InstantKeyHash(const DayKey& key) noexcept {
    const auto bits = [](double x) { return corvinata::InstantKeyHash(x); };
    const std::uint64_t date = (static_cast<std::uint64_t>(key.year) << 16) ^
                               (static_cast<std::uint64_t>(key.month) << 8) ^
                               static_cast<std::uint64_t>(key.day);
    return date ^ (reinterpret_cast<std::uintptr_t>(key.body) << 3) ^ bits(key.h0) ^
           (bits(key.longitude) >> 1) ^ (bits(key.latitude) >> 2);
}

// A graph's 366 points fall on a few dozen dates, each asking for a few
// altitudes (rise and set, the three twilights).
struct DayEventsTable : SharedTable<DayKey, DayEvents, 9> {};

// The events of a date once the date is known in the time system asked for.
DayEvents SearchDayEvents(const CelestialObject& body, const TimeAndPlace& moment,
                          const DateTime& date, int timeSystem, double h0) {
    TimeAndPlace utDay = moment;
    utDay.dateTime = date;
    utDay.dateTime.hours = 0.0;
    utDay.dateTime.timeSystem = kUniversalTime;

    double from = 0.0, to = 1.0;
    DateInterval(moment, date, timeSystem, from, to);
    DayEvents result;
    const DayGeometry geometry(body, utDay, from, to);
    if (!geometry.Known()) {
        result.riseSet = NotComputedRiseSet();
        result.transit = NoEvent(date, kEventNotComputed);
        return result;
    }
    const DayCrossings c = CrossingSearch(geometry, h0, from, to).Run();
    const std::int32_t side = c.aboveAtStart ? kEventAboveHorizon : kEventBelowHorizon;
    const auto first = [&](const double* list, int count, std::int32_t absent) {
        return count > 0 ? EventAt(utDay.dateTime, list[0]) : NoEvent(date, absent);
    };
    result.riseSet = RiseSetEvents(first(c.rises, c.riseCount, side), first(c.sets, c.setCount, side));
    result.transit = first(c.transits, c.transitCount, kEventAboveHorizon);
    return result;
}

}  // namespace

void StoreEventTime(PropertyMap& raw, std::uint32_t id, const EventTime& event,
                const DateTime& utDate) {
    if (event.state != kEventOccurs) {
        raw.Set(id, kNoTimeHours, kUniversalTime, event.state);
        return;
    }
    DateTime midnight = utDate;
    midnight.hours = 0.0;
    const double hours =
        (DateTimeToJulianDay(event.dateTime) - DateTimeToJulianDay(midnight)) * 24.0;
    raw.Set(id, hours, kUniversalTime, kEventOccurs);
}

EventTimePair RiseSetEvents(const EventTime& rise, const EventTime& set) noexcept {
    EventTimePair pair;
    pair.first = rise;
    pair.second = set;
    const bool rises = rise.dateTime.hours != kNoTimeHours;
    const bool sets = set.dateTime.hours != kNoTimeHours;
    if (rises && sets) {
        pair.code = kRiseAndSet;
    } else if (rises) {
        pair.code = kNoSet;
    } else if (sets) {
        pair.code = kNoRise;
    } else if (rise.state == kEventNotComputed || set.state == kEventNotComputed) {
        pair.code = kRiseSetNotComputed;
    } else {
        pair.code = rise.state == kEventAboveHorizon ? kAlwaysAbove : kAlwaysBelow;
    }
    return pair;
}

EventTimePair NotComputedRiseSet() noexcept {
    EventTime none;
    none.dateTime.hours = kNoTimeHours;
    none.state = kEventNotComputed;
    return RiseSetEvents(none, none);
}

EventTimePair RiseSetEventsFromMap(const PropertyMap& map, const DateTime& day) {
    const auto record = [&day](const PropertyValue* value) {
        EventTime event;
        event.dateTime = day;
        event.dateTime.hours = value ? value->value : kNoTimeHours;
        event.dateTime.timeSystem = value ? value->system : kInvalidTimeSystem;
        event.state = value ? value->flag : kEventNotComputed;
        return event;
    };
    return RiseSetEvents(record(map.Find(kFunctionRise)), record(map.Find(kFunctionSet)));
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
                   EventTimePair& riseSet, EventTime& transit) {
    const DayEvents events = FindDayEvents(body, moment, kUniversalTime, h0);
    riseSet = events.riseSet;
    transit = events.transit;
}

DayEvents FindDayEvents(const CelestialObject& body, const TimeAndPlace& moment,
                        int timeSystem, double h0) {
    DateTime date = moment.dateTime;
    if (timeSystem >= kUniversalTime && timeSystem < kInvalidTimeSystem) {
        ConvertTimeSystem(date, timeSystem, moment.place.longitude, moment.place.timeZone,
                          moment.daylightSaving);
    }
    // Every point of a graph or a search on one date asks for that date's
    // events again.
    return SharedValue<DayEventsTable>(DayKey::Of(body, moment, date, timeSystem, h0), [&] {
        return SearchDayEvents(body, moment, date, timeSystem, h0);
    });
}


void ComputeRiseSetCulmination(const CelestialObject& body, const TimeAndPlace& moment,
                               std::uint32_t mask, int timeSystem, PropertyMap& raw) {
    const DayEvents events =
        FindDayEvents(body, moment, timeSystem, StandardAltitude(body.GetTypeId()));
    const DateTime& day = moment.dateTime;
    if (mask & kFunctionRise) StoreEventTime(raw, kFunctionRise, events.riseSet.first, day);
    if (mask & kFunctionSet) StoreEventTime(raw, kFunctionSet, events.riseSet.second, day);
    if (mask & kFunctionCulmination) {
        StoreEventTime(raw, kFunctionCulmination, events.transit, moment.dateTime);
    }
}

}  // namespace corvinata
