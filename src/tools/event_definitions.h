// What an event search looks for (EventCondition), one Event Finder search
// with its range, step, place and what it found (EventDefinition), and the
// search expressions of the predefined events: the program's vocabulary of
// events written in the script language.
#pragma once

#include <cstdint>
#include <vector>

#include "base/date_time.h"
#include "base/date_time_range.h"
#include "base/location.h"
#include "base/time_step.h"
#include "base/wide_string.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "tools/event_types.h"

namespace corvinata::events {

// Quantity id of an extreme condition that names no quantity.
constexpr std::uint32_t kNoQuantity = 0x80000000u;

// Either a predefined event of the catalogue, the extreme of one quantity of
// one body, or a search expression the user typed. The modes are told apart
// in this order: user expression, predefined event, extreme.
struct EventCondition {
    bool isPredefined = true;
    int predefinedEvent = kNoEventType;
    std::uint32_t quantity = kNoQuantity;    // body function id of an extreme
    bool isMinimum = true;
    BodyIdentifier firstBody;
    BodyIdentifier secondBody;
    bool isUserExpression = false;
    // The text searched for; filled from PredefinedEventExpression for a
    // predefined event before a search starts.
    String searchExpression;

    // Replaces `out` by the condition in words and answers the search
    // expression, which the caller then searches for. Where the words cannot
    // be built (an event type or a quantity the catalogues lack) they are the
    // search expression itself.
    const String& Describe(String& out) const;
    // The extreme's quantity: the property of the first body's type with the
    // quantity id; none when the body, its type or the property is missing.
    const EventKind* Quantity() const;
};

// Event Finder run states.
enum EventRunState : std::uint32_t {
    kRunNotStarted = 0,
    kRunRunning = 1,
    kRunStopRequested = 2,
    kRunComplete = 3,
};

// 1600-01-01 0 h, without a time system: a date not set.
DateTime UnsetEventDate() noexcept;

// One Event Finder search.
struct EventDefinition {
    EventDefinition();
    EventDefinition(const Location& place, const DateTime& fromDate, const DateTime& toDate,
                    bool daylightSavingTime, const TimeStep& searchStep,
                    const EventCondition& searched);

    Location location;
    DateTime from;
    DateTime to;
    bool daylightSaving = false;
    // Unit 6 with count 0 is no step: the search evaluates once.
    TimeStep step{6, 0};
    EventCondition condition;
    DateTime secondDate;                    // when the run was executed
    std::vector<DateTimeRange> foundRanges; // in the order found
    std::uint32_t runState = kRunNotStarted;
    DateTime stoppedAt;                     // a continued search starts here

    void ClearRanges() { foundRanges.clear(); }
    // Moves the end of the last found range (an occurrence still going on);
    // nothing when none was found.
    void SetLastRangeEnd(const DateTime& end) noexcept;
    void SetEnd(const DateTime& date) noexcept { stoppedAt = date; }
    bool StopRequested() const noexcept { return runState == kRunStopRequested; }
};

// Replaces `out` by the search expression of predefined event 0..34 with the
// key names of the bodies (a missing body gives an empty name); an event
// number outside 0..34 leaves `out` unchanged.
void PredefinedEventExpression(int event, const CelestialObject* body1,
                               const CelestialObject* body2, String& out);

}  // namespace corvinata::events
