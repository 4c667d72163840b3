#include "catalog/rise_set.h"

#include <cmath>
#include <memory>

#include "astro/degrees.h"
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

constexpr int kCorrectionPasses = 5;
constexpr double kConvergedDays = 0.5 / 86400.0;

// The body's place is computed every kPlaceStep of a day from kFirstPlace
// steps before 0 h to as many after 24 h, and read between by four-point
// interpolation: a fraction of a second of arc off for the Moon, far below
// the altitudes the search separates.
constexpr int kPlacesPerDay = 4;
constexpr double kPlaceStep = 1.0 / kPlacesPerDay;
constexpr int kFirstPlace = -1;
constexpr int kPlaceCount = kPlacesPerDay + 1 - 2 * kFirstPlace;

// The altitude is sampled every quarter hour to bracket the crossings, and a
// sampled turn of the altitude within kGrazingDegrees of the event altitude is
// searched for a dip across it between two samples.
constexpr int kSamplesPerDay = 96;
constexpr double kGrazingDegrees = 2.0;
// Crossings are refined to a tenth of a second; a UT day holds at most a few
// of each direction (a grazing body and a day of 24 h 50 min of the Moon).
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

double IntoDay(double m) noexcept { return m - std::floor(m); }

// The body's places over the day and the quantities of the observer; every
// event of the day is found from these.
class DayGeometry {
public:
    DayGeometry(const CelestialObject& body, const TimeAndPlace& day) {
        for (int i = 0; i < kPlaceCount; ++i) {
            const EquatorialPlace place = PlaceAt(body, day, (kFirstPlace + i) * kPlaceStep);
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
        const double x = m / kPlaceStep - kFirstPlace;
        int first = static_cast<int>(std::floor(x)) - 1;
        if (first < 0) first = 0;
        if (first > kPlaceCount - 4) first = kPlaceCount - 4;
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

    // The first estimate of the upper transit (Meeus's m0).
    double TransitEstimate() const noexcept {
        double ra = 0.0, dec = 0.0;
        PlaceAtFraction(0.0, ra, dec);
        return IntoDay((ra + westLongitude_ - theta0_) / 360.0);
    }

private:
    double ra_[kPlaceCount] = {};
    double dec_[kPlaceCount] = {};
    double theta0_ = 0.0;
    double westLongitude_ = 0.0;
    double latitude_ = 0.0;
    bool known_ = false;
};

// The upper transit: Meeus's correction, repeated while it still moves the
// event by more than half a second.
double TransitFraction(const DayGeometry& g) {
    double m = g.TransitEstimate();
    for (int pass = 0; pass < kCorrectionPasses; ++pass) {
        double dec = 0.0;
        const double dm = -g.HourAngle(m, dec) / 360.0;
        m += dm;
        if (std::fabs(dm) < kConvergedDays) break;
    }
    return m;
}

// The crossings of the altitude h0 within the UT day (fractions 0..1, in
// time order) and the side of h0 the body is on at the start of the day.
struct DayCrossings {
    double rises[kMaxCrossings];
    double sets[kMaxCrossings];
    int riseCount = 0;
    int setCount = 0;
    bool aboveAtStart = false;
};

class CrossingSearch {
public:
    CrossingSearch(const DayGeometry& g, double h0) : g_(g), h0_(h0) {}

    DayCrossings Run() {
        double m[kSamplesPerDay + 3];
        double f[kSamplesPerDay + 3];
        // One sample either side of the day, so that a turn at midnight is seen.
        for (int i = 0; i < kSamplesPerDay + 3; ++i) {
            m[i] = (i - 1) / static_cast<double>(kSamplesPerDay);
            f[i] = Height(m[i]);
        }
        result_.aboveAtStart = Height(0.0) >= 0.0;
        for (int i = 0; i + 1 < kSamplesPerDay + 3; ++i) {
            if (Above(f[i]) != Above(f[i + 1])) {
                Add(Refine(m[i], f[i], m[i + 1], f[i + 1]), f[i + 1] > f[i]);
            } else if (i > 0 && IsTurn(f[i - 1], f[i], f[i + 1]) &&
                       std::fabs(f[i]) < kGrazingDegrees) {
                SearchTurn(m[i - 1], f[i - 1], m[i + 1], f[i + 1], f[i] >= f[i - 1]);
            }
        }
        return result_;
    }

private:
    double Height(double m) const { return g_.Altitude(m) - h0_; }
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
        Add(Refine(a, fa, turn, fTurn), fTurn > fa);
        Add(Refine(turn, fTurn, b, fb), fb > fTurn);
    }

    double Refine(double a, double fa, double b, double fb) const {
        // Illinois variant of the false position, kept inside the bracket.
        int side = 0;
        for (int pass = 0; pass < 60 && b - a > kCrossingDays; ++pass) {
            const double c = (a * fb - b * fa) / (fb - fa);
            const double fc = Height(c);
            if (Above(fc) == Above(fb)) {
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
        return 0.5 * (a + b);
    }

    void Add(double m, bool rising) {
        if (m < 0.0 || m >= 1.0) return;
        double* list = rising ? result_.rises : result_.sets;
        int& count = rising ? result_.riseCount : result_.setCount;
        if (count < kMaxCrossings) list[count++] = m;
    }

    const DayGeometry& g_;
    double h0_;
    DayCrossings result_;
};

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

// Everything one UT day gives: the body's geometry over the day, the
// crossings of the event altitude and the upper transit.
struct UtDay {
    explicit UtDay(const CelestialObject& body, const TimeAndPlace& day, double h0)
        : geometry(body, day), date(day.dateTime) {
        if (!geometry.Known()) {
            transit = NoEvent(date, kEventNotComputed);
            return;
        }
        transit = EventAt(date, TransitFraction(geometry));
        crossings = CrossingSearch(geometry, h0).Run();
    }

    DayGeometry geometry;
    DateTime date;
    DayCrossings crossings;
    EventRecord transit;
};

// The day's events in the requested time system: the crossings of the UT
// days the local date overlaps, the first of each direction on that date.
class DayMatcher {
public:
    DayMatcher(const CelestialObject& body, const TimeAndPlace& utDay, const DateTime& date,
               int timeSystem, double h0)
        : body_(body), utDay_(utDay), date_(date), timeSystem_(timeSystem), h0_(h0) {}

    bool Known() { return Day(0) != nullptr && Day(0)->geometry.Known(); }

    EventRecord Crossing(bool rising) {
        for (int offset = -1; offset <= 1; ++offset) {
            if (!Overlaps(offset)) continue;
            const UtDay* day = Day(offset);
            if (day == nullptr || !day->geometry.Known()) return NoEvent(date_, kEventNotComputed);
            const DayCrossings& c = day->crossings;
            const int count = rising ? c.riseCount : c.setCount;
            for (int i = 0; i < count; ++i) {
                const EventRecord event = EventAt(day->date, rising ? c.rises[i] : c.sets[i]);
                if (event.flag == kEventOccurs && OnDate(event.dateTime)) return event;
            }
        }
        return NoEvent(date_, SideOfDate());
    }

    EventRecord Transit() {
        const EventRecord found = Day(0)->transit;
        if (found.flag != kEventOccurs) return found;
        const int side = CompareDates(InTimeSystem(found.dateTime), date_);
        if (side == 0) return found;
        const UtDay* other = Day(side < 0 ? 1 : -1);
        if (other == nullptr) return NoEvent(date_, kEventNotComputed);
        if (other->transit.flag == kEventOccurs && OnDate(other->transit.dateTime)) {
            return other->transit;
        }
        return NoEvent(date_, kEventAboveHorizon);
    }

private:
    DateTime InTimeSystem(const DateTime& ut) const {
        DateTime local = ut;
        if (timeSystem_ >= kUniversalTime && timeSystem_ < kInvalidTimeSystem) {
            ConvertTimeSystem(local, timeSystem_, utDay_.place.longitude, utDay_.place.timeZone,
                              utDay_.daylightSaving);
        }
        return local;
    }

    bool OnDate(const DateTime& ut) const { return CompareDates(InTimeSystem(ut), date_) == 0; }

    // The UT instant `hours` after 0 h of the UT day at `offset`.
    DateTime UtInstant(int offset, double hours) const {
        DateTime instant = utDay_.dateTime;
        instant.hours = 24.0 * offset + hours;
        instant.timeSystem = kUniversalTime;
        NormaliseDateTime(instant);
        return instant;
    }

    // Whether the UT day at `offset` holds part of the requested date.
    bool Overlaps(int offset) const {
        if (offset == 0) return true;
        const double edge = offset < 0 ? 0.0 : 24.0 - 1e-6;
        return CompareDates(InTimeSystem(UtInstant(0, edge)), date_) == 0;
    }

    // The side of the event altitude the body keeps on a date without a
    // crossing, at the first whole hour of the base UT day on that date.
    std::int32_t SideOfDate() {
        const UtDay* base = Day(0);
        for (int hour = 0; hour <= 24; ++hour) {
            if (OnDate(UtInstant(0, hour))) {
                return base->geometry.Altitude(hour / 24.0) >= h0_ ? kEventAboveHorizon
                                                                    : kEventBelowHorizon;
            }
        }
        return base->crossings.aboveAtStart ? kEventAboveHorizon : kEventBelowHorizon;
    }

    const UtDay* Day(int offset) {
        const int slot = 1 + offset;
        if (!days_[slot]) {
            TimeAndPlace day = utDay_;
            if (offset != 0 && !DateTimeAddDays(day.dateTime, offset)) return nullptr;
            days_[slot] = std::make_unique<UtDay>(body_, day, h0_);
        }
        return days_[slot].get();
    }

    const CelestialObject& body_;
    TimeAndPlace utDay_;
    DateTime date_;
    int timeSystem_;
    double h0_;
    std::unique_ptr<UtDay> days_[3];
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
    DayMatcher matcher(body, day, day.dateTime, kUniversalTime, h0);
    if (!matcher.Known()) {
        riseSet.MarkNotComputed();
        transit = NoEvent(day.dateTime, kEventNotComputed);
        return;
    }
    riseSet.SetRise(matcher.Crossing(true));
    riseSet.SetSet(matcher.Crossing(false));
    transit = matcher.Transit();
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
    if (!matcher.Known()) {
        result.riseSet.MarkNotComputed();
        result.transit = NoEvent(date, kEventNotComputed);
        return result;
    }
    result.riseSet.SetRise(matcher.Crossing(true));
    result.riseSet.SetSet(matcher.Crossing(false));
    result.transit = matcher.Transit();
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
