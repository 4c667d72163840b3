// Rise and set pairs as the Day, Night and Month reports read them: the
// earlier and later event of a pair, hours above the horizon, the rise and
// set that bracket a night, the part of a body's time above the horizon that
// falls into the dark, and the visibility rating the reports print.
#pragma once

#include "base/date_time.h"
#include "base/geo_place.h"
#include "catalog/rise_set.h"

namespace corvinata {

class CelestialObject;
class PropertyMap;

// The earlier of rise and set when both occur; the one that occurs when only
// one does; the rise entry when neither does.
const EventTime& EarlierOfRiseSet(const EventTimePair& pair) noexcept;
// The later of rise and set when both occur; otherwise the entry that does
// not occur (the set entry when only the rise occurs or neither does, the
// rise entry when only the set does), so that a night without events reads
// as a rise and a set that both do not happen.
const EventTime& LaterOfRiseSet(const EventTimePair& pair) noexcept;
// Whether `event` is the pair's rise entry (rather than its set).
bool IsRiseOf(const EventTimePair& pair, const EventTime& event) noexcept;

// Hours above and below the horizon (their sum is 24). A pair that was not
// computed counts as never above.
struct HoursOfDay {
    double above = 0.0;
    double below = 24.0;
};
HoursOfDay HoursAboveHorizon(const EventTimePair& pair) noexcept;

// The rise and set of the body on the date of `evening` and the next day, as
// the pair that brackets the night after that date: the last event of the
// first day and the first event of the next day, each kept as what it is
// (rise or set). With no event on either day the pair tells whether the body
// stays above or below (from the first day's computation). Times in the
// record's time system (local civil time for the reports).
EventTimePair NightRiseSet(const CelestialObject& body, const TimeAndPlace& evening);

// The rise and set of a body on the date of `moment` in the moment's time
// system (the pair GetBodyRiseSet gives for a computed map).
EventTimePair DayRiseSet(const CelestialObject& body, const TimeAndPlace& moment);

// What a visibility rating is made of. The window's rise ends the darkness and
// its set begins it (the Sun's night pair, or its day pair); `frameStart` is
// the start of the 24 hours the pairs describe (0 h of the date for a day
// report, 12 h for a night report): a missing rise stands for it and a
// missing set for 24 hours later.
struct VisibilityRecord {
    const CelestialObject* body = nullptr;
    EventTimePair window;
    EventTimePair pair;
    double elongation = 0.0;  // signed degrees, positive east of the Sun
    DateTime frameStart;
};

// The part of the body's time above the horizon that lies in the dark. When
// it falls into two pieces the longer is kept (the later on a tie); no
// overlap gives a pair that is never above.
EventTimePair IntersectNightWindow(const VisibilityRecord& record);

// 0 not visible, 1 morning, 2 evening, 3 all night.
enum VisibilityRating : int { kNotVisible = 0, kVisibleMorning = 1, kVisibleEvening = 2, kVisibleNight = 3 };
int RateVisibility(const VisibilityRecord& record);
// "Not visible", "Morning", "Evening", "Night".
const char* VisibilityText(int rating) noexcept;

}  // namespace corvinata
