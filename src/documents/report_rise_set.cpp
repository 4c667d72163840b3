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

bool Occurs(const EventTime& event) noexcept {
    return event.state == kEventOccurs && event.dateTime.hours != kNoTimeHours;
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
double HoursFrom(const DateTime& frameStart, const EventTime& event) noexcept {
    return HoursBetween(frameStart, event.dateTime);
}

struct Piece {
    double begin;
    double end;
};

// The stretches of the frame (0..24 h) a pair covers: above the horizon for a
// body, light for a window.
int PiecesAbove(const EventTimePair& pair, const DateTime& frameStart, Piece out[2]) noexcept {
    const double rise = HoursFrom(frameStart, pair.first);
    const double set = HoursFrom(frameStart, pair.second);
    switch (pair.code) {
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
int PiecesBelow(const EventTimePair& pair, const DateTime& frameStart, Piece out[3]) noexcept {
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

EventTime EventAt(const DateTime& frameStart, double hours) {
    EventTime event;
    event.dateTime = frameStart;
    DateTimeAddFractionalHours(event.dateTime, hours);
    event.dateTime.timeSystem = frameStart.timeSystem;
    event.state = kEventOccurs;
    return event;
}

EventTime Missing(std::int32_t flag) {
    EventTime event;
    event.dateTime.hours = kNoTimeHours;
    event.state = flag;
    return event;
}

EventTimePair PairOfPiece(const DateTime& frameStart, const Piece& piece) {
    constexpr double kEdge = 1e-9;
    const bool fromStart = piece.begin <= kEdge;
    const bool toEnd = piece.end >= 24.0 - kEdge;
    const std::int32_t side = fromStart && toEnd ? kEventAboveHorizon : kEventBelowHorizon;
    return RiseSetEvents(fromStart ? Missing(side) : EventAt(frameStart, piece.begin),
                         toEnd ? Missing(side) : EventAt(frameStart, piece.end));
}

EventTimePair NeverAbove() {
    return RiseSetEvents(Missing(kEventBelowHorizon), Missing(kEventBelowHorizon));
}

std::uint32_t MaskFor(int) noexcept { return kFunctionRise | kFunctionSet; }

}  // namespace

const EventTime& EarlierOfRiseSet(const EventTimePair& pair) noexcept {
    const bool rises = Occurs(pair.first);
    const bool sets = Occurs(pair.second);
    if (rises && sets) {
        return DateTimeIsLater(pair.first.dateTime, pair.second.dateTime) ? pair.second : pair.first;
    }
    if (sets) return pair.second;
    return pair.first;
}

const EventTime& LaterOfRiseSet(const EventTimePair& pair) noexcept {
    const bool rises = Occurs(pair.first);
    const bool sets = Occurs(pair.second);
    if (rises && sets) {
        return DateTimeIsLater(pair.first.dateTime, pair.second.dateTime) ? pair.first : pair.second;
    }
    if (sets) return pair.first;
    return pair.second;
}

bool IsRiseOf(const EventTimePair& pair, const EventTime& event) noexcept { return &event == &pair.first; }

HoursOfDay HoursAboveHorizon(const EventTimePair& pair) noexcept {
    double above = 0.0;
    switch (pair.code) {
        case kAlwaysAbove: above = 24.0; break;
        case kNoSet: above = 24.0 - pair.first.dateTime.hours; break;
        case kNoRise: above = pair.second.dateTime.hours; break;
        case kRiseAndSet:
            above = HoursBetween(pair.first.dateTime, pair.second.dateTime);
            if (above < 0.0) above += 24.0;
            break;
        default: above = 0.0; break;  // never above, or not computed
    }
    above = std::clamp(above, 0.0, 24.0);
    return {above, 24.0 - above};
}

EventTimePair DayRiseSet(const CelestialObject& body, const TimeAndPlace& moment) {
    PropertyMap map;
    ComputeBodyProperties(body, MaskFor(0), moment, map,
                          PropertyConventions{kInvalidCoordinateSystem, moment.dateTime.timeSystem,
                                              kAstronomicalUnits});
    DateTime day = moment.dateTime;
    day.hours = 0.0;
    return RiseSetEventsFromMap(map, day);
}

EventTimePair NightRiseSet(const CelestialObject& body, const TimeAndPlace& evening) {
    const EventTimePair first = DayRiseSet(body, evening);
    TimeAndPlace next = evening;
    DateTimeAddDays(next.dateTime, 1);
    const EventTimePair second = DayRiseSet(body, next);

    // The last event of the first day and the first of the next, each with
    // its own kind.
    const EventTime* last = nullptr;
    bool lastIsRise = false;
    if (Occurs(first.first) || Occurs(first.second)) {
        const EventTime& e = LaterOfRiseSet(first);
        const EventTime& later = Occurs(e) ? e : EarlierOfRiseSet(first);
        last = &later;
        lastIsRise = IsRiseOf(first, later);
    }
    const EventTime* firstNext = nullptr;
    bool firstNextIsRise = false;
    if (Occurs(second.first) || Occurs(second.second)) {
        const EventTime& e = EarlierOfRiseSet(second);
        firstNext = &e;
        firstNextIsRise = IsRiseOf(second, e);
    }

    // A missing entry tells on which side of the horizon the body stays.
    const std::int32_t side = first.code == kAlwaysAbove ? kEventAboveHorizon : kEventBelowHorizon;
    EventTime rise = Missing(side);
    EventTime set = Missing(side);
    if (last != nullptr) (lastIsRise ? rise : set) = *last;
    // Two events of one kind (no other crossing between them cannot occur for
    // a body that moves continuously) keep the first day's.
    if (firstNext != nullptr && (last == nullptr || firstNextIsRise != lastIsRise)) {
        (firstNextIsRise ? rise : set) = *firstNext;
    }
    if (last == nullptr && firstNext == nullptr && first.code == kRiseSetNotComputed) {
        return NotComputedRiseSet();
    }
    return RiseSetEvents(rise, set);
}

EventTimePair IntersectNightWindow(const VisibilityRecord& record) {
    switch (record.window.code) {
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
