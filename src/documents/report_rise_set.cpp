#include "documents/report_rise_set.h"

#include <algorithm>

#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/property_map.h"

namespace corvinata {

namespace {

bool Occurs(const EventRecord& event) noexcept {
    return event.flag == kEventOccurs && event.dateTime.hours != kNoTimeHours;
}

// Whole days from one date to another (their hours left out), so that hours
// of one date subtract exactly.
double DaysBetween(const DateTime& from, const DateTime& to) noexcept {
    DateTime a = from;
    DateTime b = to;
    a.hours = 0.0;
    b.hours = 0.0;
    return DateTimeToJulianDay(b) - DateTimeToJulianDay(a);
}

double HoursBetween(const DateTime& from, const DateTime& to) noexcept {
    return DaysBetween(from, to) * 24.0 + to.hours - from.hours;
}

// Hours of an event counted from the frame's start.
double HoursFrom(const DateTime& frameStart, const EventRecord& event) noexcept {
    return HoursBetween(frameStart, event.dateTime);
}

struct Piece {
    double begin;
    double end;
};

// The stretches of the frame (0..24 h) a pair covers: above the horizon for a
// body, light for a window.
int PiecesAbove(const RiseSetPair& pair, const DateTime& frameStart, Piece out[2]) noexcept {
    const double rise = HoursFrom(frameStart, pair.Rise());
    const double set = HoursFrom(frameStart, pair.Set());
    switch (pair.State()) {
        case kAlwaysAbove: out[0] = {0.0, 24.0}; return 1;
        case kNoSet: out[0] = {std::clamp(rise, 0.0, 24.0), 24.0}; return 1;
        case kNoRise: out[0] = {0.0, std::clamp(set, 0.0, 24.0)}; return 1;
        case kRiseAndSet:
            if (rise <= set) {
                out[0] = {std::clamp(rise, 0.0, 24.0), std::clamp(set, 0.0, 24.0)};
                return 1;
            }
            out[0] = {0.0, std::clamp(set, 0.0, 24.0)};
            out[1] = {std::clamp(rise, 0.0, 24.0), 24.0};
            return 2;
        default: return 0;
    }
}

// The complement within the frame.
int PiecesBelow(const RiseSetPair& pair, const DateTime& frameStart, Piece out[3]) noexcept {
    Piece above[2];
    const int n = PiecesAbove(pair, frameStart, above);
    int count = 0;
    double from = 0.0;
    for (int i = 0; i < n; ++i) {
        if (above[i].begin > from) out[count++] = {from, above[i].begin};
        from = std::max(from, above[i].end);
    }
    if (from < 24.0) out[count++] = {from, 24.0};
    return count;
}

EventRecord EventAt(const DateTime& frameStart, double hours) {
    EventRecord event;
    event.dateTime = frameStart;
    DateTimeAddFractionalHours(event.dateTime, hours);
    event.dateTime.timeSystem = frameStart.timeSystem;
    event.flag = kEventOccurs;
    return event;
}

EventRecord Missing(std::int32_t flag) {
    EventRecord event;
    event.dateTime.hours = kNoTimeHours;
    event.flag = flag;
    return event;
}

RiseSetPair PairOfPiece(const DateTime& frameStart, const Piece& piece) {
    RiseSetPair result;
    constexpr double kEdge = 1e-9;
    const bool fromStart = piece.begin <= kEdge;
    const bool toEnd = piece.end >= 24.0 - kEdge;
    const std::int32_t side = fromStart && toEnd ? kEventAboveHorizon : kEventBelowHorizon;
    result.SetRise(fromStart ? Missing(side) : EventAt(frameStart, piece.begin));
    result.SetSet(toEnd ? Missing(side) : EventAt(frameStart, piece.end));
    return result;
}

RiseSetPair NeverAbove() {
    RiseSetPair result;
    result.SetRise(Missing(kEventBelowHorizon));
    result.SetSet(Missing(kEventBelowHorizon));
    return result;
}

std::uint32_t MaskFor(int) noexcept { return kFunctionRise | kFunctionSet; }

}  // namespace

const EventRecord& EarlierOfRiseSet(const RiseSetPair& pair) noexcept {
    const bool rises = Occurs(pair.Rise());
    const bool sets = Occurs(pair.Set());
    if (rises && sets) {
        return DateTimeIsLater(pair.Rise().dateTime, pair.Set().dateTime) ? pair.Set() : pair.Rise();
    }
    if (sets) return pair.Set();
    return pair.Rise();
}

const EventRecord& LaterOfRiseSet(const RiseSetPair& pair) noexcept {
    const bool rises = Occurs(pair.Rise());
    const bool sets = Occurs(pair.Set());
    if (rises && sets) {
        return DateTimeIsLater(pair.Rise().dateTime, pair.Set().dateTime) ? pair.Rise() : pair.Set();
    }
    if (sets) return pair.Rise();
    return pair.Set();
}

bool IsRiseOf(const RiseSetPair& pair, const EventRecord& event) noexcept { return &event == &pair.Rise(); }

HoursOfDay HoursAboveHorizon(const RiseSetPair& pair) noexcept {
    double above = 0.0;
    switch (pair.State()) {
        case kAlwaysAbove: above = 24.0; break;
        case kNoSet: above = 24.0 - pair.Rise().dateTime.hours; break;
        case kNoRise: above = pair.Set().dateTime.hours; break;
        case kRiseAndSet:
            above = HoursBetween(pair.Rise().dateTime, pair.Set().dateTime);
            if (above < 0.0) above += 24.0;
            break;
        default: above = 0.0; break;  // never above, or not computed
    }
    above = std::clamp(above, 0.0, 24.0);
    return {above, 24.0 - above};
}

RiseSetPair DayRiseSet(const CelestialObject& body, const TimeAndPlace& moment) {
    PropertyMap map;
    ComputeBodyProperties(body, MaskFor(0), moment, map,
                          PropertyConventions{kInvalidCoordinateSystem, moment.dateTime.timeSystem,
                                              kAstronomicalUnits});
    DateTime day = moment.dateTime;
    day.hours = 0.0;
    return RiseSetPairFromMap(map, day);
}

RiseSetPair NightRiseSet(const CelestialObject& body, const TimeAndPlace& evening) {
    const RiseSetPair first = DayRiseSet(body, evening);
    TimeAndPlace next = evening;
    DateTimeAddDays(next.dateTime, 1);
    const RiseSetPair second = DayRiseSet(body, next);

    // The last event of the first day and the first of the next, each with
    // its own kind.
    const EventRecord* last = nullptr;
    bool lastIsRise = false;
    if (Occurs(first.Rise()) || Occurs(first.Set())) {
        const EventRecord& e = LaterOfRiseSet(first);
        const EventRecord& later = Occurs(e) ? e : EarlierOfRiseSet(first);
        last = &later;
        lastIsRise = IsRiseOf(first, later);
    }
    const EventRecord* firstNext = nullptr;
    bool firstNextIsRise = false;
    if (Occurs(second.Rise()) || Occurs(second.Set())) {
        const EventRecord& e = EarlierOfRiseSet(second);
        firstNext = &e;
        firstNextIsRise = IsRiseOf(second, e);
    }

    // A missing entry tells on which side of the horizon the body stays.
    const std::int32_t side = first.State() == kAlwaysAbove ? kEventAboveHorizon : kEventBelowHorizon;
    EventRecord rise = Missing(side);
    EventRecord set = Missing(side);
    if (last != nullptr) (lastIsRise ? rise : set) = *last;
    // Two events of one kind (no other crossing between them cannot occur for
    // a body that moves continuously) keep the first day's.
    if (firstNext != nullptr && (last == nullptr || firstNextIsRise != lastIsRise)) {
        (firstNextIsRise ? rise : set) = *firstNext;
    }
    if (last == nullptr && firstNext == nullptr && first.State() == kRiseSetNotComputed) {
        RiseSetPair none;
        none.MarkNotComputed();
        return none;
    }
    RiseSetPair pair;
    pair.SetRise(rise);
    pair.SetSet(set);
    return pair;
}

RiseSetPair IntersectNightWindow(const VisibilityRecord& record) {
    switch (record.window.State()) {
        case kAlwaysAbove: return NeverAbove();
        case kAlwaysBelow:
        case kRiseSetNotComputed: return record.pair;
        default: break;
    }
    Piece dark[3];
    const int darkCount = PiecesBelow(record.window, record.frameStart, dark);
    Piece up[2];
    const int upCount = PiecesAbove(record.pair, record.frameStart, up);
    bool found = false;
    Piece best{0.0, 0.0};
    for (int i = 0; i < darkCount; ++i) {
        for (int j = 0; j < upCount; ++j) {
            const Piece overlap{std::max(dark[i].begin, up[j].begin), std::min(dark[i].end, up[j].end)};
            if (overlap.end <= overlap.begin) continue;
            // The pieces come in time order, so ">=" keeps the later on a tie.
            if (!found || overlap.end - overlap.begin >= best.end - best.begin) best = overlap;
            found = true;
        }
    }
    return found ? PairOfPiece(record.frameStart, best) : NeverAbove();
}

int RateVisibility(const VisibilityRecord& record) {
    if (record.body == nullptr) return kNotVisible;
    const int type = record.body->GetTypeId();
    double hours = 0.0;
    if (type == kBodySun || type == kBodyMoon) {
        hours = HoursAboveHorizon(record.pair).above;
    } else if (type >= kBodyPlanet && type <= kBodyDeepSky) {
        // Uranus, Neptune and Pluto are not seen with the naked eye.
        if (type == kBodyPlanet && record.body->Number() >= 5) return kNotVisible;
        hours = HoursAboveHorizon(IntersectNightWindow(record)).above;
    } else {
        return kNotVisible;
    }
    if (hours <= 0.5) return kNotVisible;
    if (hours >= 3.0) return kVisibleNight;
    if (type == kBodySun) return kVisibleMorning;
    return record.elongation < 0.0 ? kVisibleMorning : kVisibleEvening;
}

const char* VisibilityText(int rating) noexcept {
    switch (rating) {
        case kVisibleMorning: return "Morning";
        case kVisibleEvening: return "Evening";
        case kVisibleNight: return "Night";
        default: return "Not visible";
    }
}

}  // namespace corvinata
