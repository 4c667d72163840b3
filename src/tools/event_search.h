// The event search engine: walks a date range in fixed steps, evaluates
// compiled search expressions at every step for one place, and turns the
// evaluations into EventOccurrence records. A condition that becomes true
// starts an occurrence and extends it while it stays true; a quantity that
// stops falling (Min) or rising (Max) marks an extreme, dated at the last
// step before the turn.
//
// A job runs on its owner's worker thread and keeps every state of a run in
// itself and its records, so two jobs may run at once. The owner is reached
// through the callbacks' context, never through a global.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "base/date_time.h"
#include "base/geo_place.h"
#include "base/time_step.h"
#include "script/script_catalogue.h"
#include "script/script_evaluator.h"
#include "script/script_expression.h"
#include "tools/event_types.h"

namespace corvinata::events {

// The occurrences of a run by sequence number, in the order found.
using EventResultList = std::map<std::uint32_t, EventOccurrence>;

// What the engine tells its owner; every function may be left unset. All
// are called on the thread that runs the search, with the owner's context.
struct EventSearchCallbacks {
    void* context = nullptr;
    // Progress in percent (0..100) and the date reached.
    void (*progress)(void* context, int percent, const DateTime& date) = nullptr;
    // Polled once per outer step; true ends the run after that step.
    bool (*shouldStop)(void* context) = nullptr;
    // Called once when a run is stopped.
    void (*stopped)(void* context) = nullptr;
    // A new occurrence (isNew) or a later end of the last one.
    void (*result)(void* context, const EventOccurrence& occurrence, bool isNew) = nullptr;
};

// The state of one expression during a run.
struct EventSearchRecord {
    const CelestialObject* body1 = nullptr;
    const CelestialObject* body2 = nullptr;
    int eventType = kNoEventType;
    std::unique_ptr<ScriptExpression> expression;
    // Extreme: the quantity moved in the sought direction at the last
    // comparison.
    bool rising = false;
    // Condition: false at the last evaluation (or none yet).
    bool armed = true;
    // The occurrence a still-true condition extends: a result of this run,
    // or `continued`.
    EventOccurrence* lastOccurrence = nullptr;
    // The owner's last occurrence when a continued run starts inside it.
    EventOccurrence continued;
    // What the crossing comparisons keep from the previous evaluation.
    std::vector<std::uint8_t> crossingMemory;
    ExpressionResult lastValue{true, kResultScalar, 0.0, -1};
    // kSearchCondition, kSearchMax or kSearchMin as the compiler wrote it,
    // also when the text failed to compile.
    int form = 76;
};

class EventSearchJob {
public:
    // Current starts at `from` at the place; no expressions yet.
    EventSearchJob(const DateTime& from, const DateTime& to, const GeoCoordinates& place,
                   bool daylightSaving, const TimeStep& step, EventResultList* results,
                   const EventSearchCallbacks& callbacks, bool useEventTypeSteps,
                   std::uint32_t pauseMilliseconds);
    EventSearchJob(const EventSearchJob&) = delete;
    EventSearchJob& operator=(const EventSearchJob&) = delete;

    // Compiles the text as a search expression and stores it for the next
    // run under the next key. A text that does not compile is stored all the
    // same: its condition is never true and its extreme reports nothing.
    void AddExpression(const Char* text, int eventType, const CelestialObject* body1,
                       const CelestialObject* body2);
    std::size_t ExpressionCount() const noexcept { return expressions_.size(); }
    // The compiled expression added under `key`, or none.
    const ScriptExpression* ExpressionAt(std::uint32_t key) const;

    // One run from current to `to`: empties the results first; afterwards
    // the expressions are gone and a new run needs them added again.
    void Run();
    // Goes on with a search that a stop ended, current being the date it
    // stopped at (the first not evaluated). The two points one and two steps
    // before current are evaluated first without reporting, so that the
    // crossing memory, the armed state and the extreme's last value and
    // trend are those the stopped run left: no event is lost or found twice
    // at the seam. A condition still true there extends the owner's last
    // occurrence (reported with isNew false).
    void RunContinued();

    DateTime from;
    DateTime to;
    TimeAndPlace current;
    TimeStep step;
    bool wasStopped = false;

private:
    void RunFrom(bool continued);
    void Seed();
    void EvaluateAtDate(EventSearchRecord& record, int n, const DateTime& date,
                        const DateTime& previous, bool silent);
    void EvaluateStep(EventSearchRecord& record, int n, const TimeAndPlace& point,
                      const DateTime& previous, bool silent);
    void EvaluateCondition(EventSearchRecord& record, const TimeAndPlace& point, bool silent);
    void EvaluateExtreme(EventSearchRecord& record, int n, const TimeAndPlace& point,
                         const DateTime& previous, bool silent);
    EventOccurrence& Insert(EventSearchRecord& record, const DateTime& date);
    void Progress(int percent, const DateTime& date) const;

    std::map<std::uint32_t, EventSearchRecord> expressions_;
    EventResultList* results_;
    EventSearchCallbacks callbacks_;
    bool useEventTypeSteps_;
    std::uint32_t pause_;
    bool seeded_ = false;
    ObjectModelScriptCatalogue catalogue_;
    ObjectModelBodyFunctionCalculator calculator_;
};

}  // namespace corvinata::events
