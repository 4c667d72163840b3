#include "tools/event_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "astro/instant_sharing.h"
#include "base/time_systems.h"

namespace corvinata::events {
namespace {

// Search forms as the compiler writes them.
constexpr int kFormMax = 28;
constexpr int kFormMin = 29;
constexpr int kFormCondition = 76;

// Whether `refine` divides the outer step: a smaller unit, or the same unit
// with a smaller count.
bool IsFiner(const TimeStep& refine, const TimeStep& outer) noexcept {
    if (refine.count <= 0) return false;
    return refine.unit < outer.unit || (refine.unit == outer.unit && refine.count < outer.count);
}

bool NotAfter(const DateTime& date, const DateTime& end) noexcept {
    return DateTimeEqual(date, end) || DateTimeIsEarlier(date, end);
}

}  // namespace

EventSearchJob::EventSearchJob(const DateTime& fromDate, const DateTime& toDate,
                               const GeoCoordinates& place, bool daylightSaving,
                               const TimeStep& searchStep, EventResultList* results,
                               const EventSearchCallbacks& callbacks, bool useEventTypeSteps,
                               std::uint32_t pauseMilliseconds)
    : from(fromDate), to(toDate), step(searchStep), results_(results), callbacks_(callbacks),
      useEventTypeSteps_(useEventTypeSteps), pause_(pauseMilliseconds) {
    TimeAndPlaceInit(current, fromDate, place, daylightSaving);
}

void EventSearchJob::AddExpression(const Char* text, int eventType, const CelestialObject* body1,
                                   const CelestialObject* body2) {
    EventSearchRecord record;
    record.body1 = body1;
    record.body2 = body2;
    record.eventType = eventType;
    record.expression = std::make_unique<ScriptExpression>(text);
    int form = kFormCondition;
    CompileSearchExpression(form, *record.expression, catalogue_);
    record.form = form;
    record.crossingMemory.assign(
        static_cast<std::size_t>(std::max(record.expression->crossingSlots, 0)), 0);
    const auto key = static_cast<std::uint32_t>(expressions_.size());
    expressions_.emplace(key, std::move(record));
}

const ScriptExpression* EventSearchJob::ExpressionAt(std::uint32_t key) const {
    const auto found = expressions_.find(key);
    return found != expressions_.end() ? found->second.expression.get() : nullptr;
}

void EventSearchJob::Run() { RunFrom(false); }

void EventSearchJob::RunContinued() { RunFrom(true); }

void EventSearchJob::Progress(int percent, const DateTime& date) const {
    if (callbacks_.progress != nullptr) callbacks_.progress(callbacks_.context, percent, date);
}

void EventSearchJob::RunFrom(bool continued) {
    // Every expression is evaluated at the same instants: the bodies share
    // what each instant gives them all.
    const InstantSharing sharing;
    wasStopped = false;
    seeded_ = false;
    const DateTime end = to;
    const double total = DateTimeDifferenceDays(from, to);
    if (results_ != nullptr) results_->clear();
    Progress(0, from);

    DateTime previous = current.dateTime;
    if (continued) {
        Seed();
        if (seeded_) AddDateTimeInterval(previous, TimeStep{step.unit, -step.count});
    }
    int n = 0;
    int reported = 0;
    for (;;) {
        if (!NotAfter(current.dateTime, end)) {
            Progress(reported, end);
            break;
        }
        for (auto& [key, record] : expressions_) {
            EvaluateAtDate(record, n, current.dateTime, previous, false);
        }
        previous = current.dateTime;
        // A step that does not move forward (an unknown unit, a count of 0 or
        // less, as a damaged setting may hold) ends the run here.
        if (step.count <= 0 || !AddDateTimeInterval(current.dateTime, step)) break;
        ++n;
        // A step past the end finishes the run at the loop's top: its date is
        // never reported, and a stop asked for there comes after the last
        // evaluation (a stop point beyond the range could not be continued).
        if (!NotAfter(current.dateTime, end)) continue;
        if (callbacks_.progress != nullptr && n % 10 == 0 && total != 0.0) {
            const double share = DateTimeDifferenceDays(from, current.dateTime) / total * 100.0;
            const int percent = std::min(100, static_cast<int>(share + 0.5));
            if (percent - reported >= 1) {
                Progress(percent, current.dateTime);
                reported = percent;
            }
        }
        if (callbacks_.shouldStop != nullptr && callbacks_.shouldStop(callbacks_.context)) {
            wasStopped = true;
            if (callbacks_.stopped != nullptr) callbacks_.stopped(callbacks_.context);
            Progress(reported, current.dateTime);
            break;
        }
        if (pause_ != 0) std::this_thread::sleep_for(std::chrono::milliseconds(pause_));
    }
    if (!wasStopped) Progress(100, to);
    expressions_.clear();
}

void EventSearchJob::Seed() {
    // The stopped run evaluated these two points last, in this order.
    DateTime points[2] = {current.dateTime, current.dateTime};
    if (step.count <= 0 || !AddDateTimeInterval(points[1], TimeStep{step.unit, -step.count}) ||
        !AddDateTimeInterval(points[0], TimeStep{step.unit, -2 * step.count})) {
        return;
    }
    // A point before the range was never evaluated: it would give an
    // extreme a trend the stopped run did not know.
    const bool both = !DateTimeIsEarlier(points[0], from);
    for (auto& [key, record] : expressions_) {
        if (both) EvaluateAtDate(record, 0, points[0], points[0], true);
        EvaluateAtDate(record, both ? 1 : 0, points[1], points[0], true);
    }
    seeded_ = true;
}

void EventSearchJob::EvaluateAtDate(EventSearchRecord& record, int n, const DateTime& date,
                                    const DateTime& previous, bool silent) {
    TimeStep refine{kTimeUnitCount, 0};
    if (record.eventType != kNoEventType && useEventTypeSteps_) {
        if (const EventType* type = FindEventType(record.eventType)) refine = type->defaultStep;
    }
    TimeAndPlace point = current;
    point.dateTime = date;
    if (!IsFiner(refine, step)) {
        EvaluateStep(record, n, point, previous, silent);
        return;
    }
    // The refined points cover the rest of the calendar day. Each is reached
    // by one addition to the outer date, so that no rounding accumulates
    // over the day's 1,440 minutes.
    for (std::int32_t k = 1; point.dateTime.day == date.day; ++k) {
        EvaluateStep(record, n, point, previous, silent);
        point.dateTime = date;
        if (!AddDateTimeInterval(point.dateTime, TimeStep{refine.unit, k * refine.count})) break;
    }
}

void EventSearchJob::EvaluateStep(EventSearchRecord& record, int n, const TimeAndPlace& point,
                                  const DateTime& previous, bool silent) {
    if (record.form == kFormCondition) {
        EvaluateCondition(record, point, silent);
    } else {
        EvaluateExtreme(record, n, point, previous, silent);
    }
}

void EventSearchJob::EvaluateCondition(EventSearchRecord& record, const TimeAndPlace& point,
                                       bool silent) {
    bool truth = false;
    // A text that did not compile, or an evaluation that failed, is false.
    if (!EvaluateSearchExpression(*record.expression, catalogue_, calculator_, point,
                                  record.crossingMemory.data(), record.crossingMemory.size(),
                                  truth)) {
        truth = false;
    }
    if (!truth) {
        record.armed = true;
        return;
    }
    if (record.armed) {
        record.armed = false;
        if (silent) {
            record.continued.Set(record.eventType, point.dateTime, point.dateTime, record.body1,
                                 record.body2);
            record.lastOccurrence = &record.continued;
            return;
        }
        record.lastOccurrence = &Insert(record, point.dateTime);
        if (callbacks_.result != nullptr) {
            callbacks_.result(callbacks_.context, *record.lastOccurrence, true);
        }
        return;
    }
    if (record.lastOccurrence == nullptr) return;
    record.lastOccurrence->dates.end = point.dateTime;
    if (!silent && callbacks_.result != nullptr) {
        callbacks_.result(callbacks_.context, *record.lastOccurrence, false);
    }
}

void EventSearchJob::EvaluateExtreme(EventSearchRecord& record, int n, const TimeAndPlace& point,
                                     const DateTime& previous, bool silent) {
    ExpressionResult value;
    // A text that did not compile has no value and reports nothing.
    if (!EvaluateScriptExpression(*record.expression, catalogue_, calculator_, point, value)) {
        return;
    }
    if (n == 0 && !seeded_) {
        record.lastValue = value;
        return;
    }
    // A value that is not valid counts as its kind's none value.
    const double now = ExpressionResultValue(value);
    const double before = ExpressionResultValue(record.lastValue);
    const bool trend = record.form == kFormMax   ? now > before
                       : record.form == kFormMin ? now < before
                                                 : false;
    if (record.rising && !trend && !silent) {
        const EventOccurrence& found = Insert(record, previous);
        if (callbacks_.result != nullptr) callbacks_.result(callbacks_.context, found, true);
    }
    record.rising = trend;
    record.lastValue = value;
}

EventOccurrence& EventSearchJob::Insert(EventSearchRecord& record, const DateTime& date) {
    EventOccurrence occurrence;
    occurrence.Set(record.eventType, date, date, record.body1, record.body2);
    if (results_ == nullptr) {
        // No list: the occurrence lives in the record until the next one.
        record.continued = occurrence;
        return record.continued;
    }
    // Numbered by the list's size when inserted, so that two occurrences
    // found within one refined day never share a number.
    std::uint32_t key = static_cast<std::uint32_t>(results_->size());
    if (!results_->empty() && results_->rbegin()->first >= key) key = results_->rbegin()->first + 1;
    return results_->emplace(key, occurrence).first->second;
}

}  // namespace corvinata::events
