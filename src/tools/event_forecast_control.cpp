#include "tools/event_forecast_control.h"

#include <algorithm>
#include <mutex>
#include <utility>

#include "base/date_time_text.h"

namespace corvinata::events {
namespace {

bool SameDay(const DateTime& a, const DateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

String DateText(const DateTime& date) {
    String out;
    return FormatDate(date, kDateToDay, out);
}

// The results as the list shows them: by the date each begins (the
// worker's list is ordered by its own keys), ties in that order.
std::vector<EventOccurrence> ResultsByDate(const EventResultList& found) {
    std::vector<EventOccurrence> results;
    results.reserve(found.size());
    for (const auto& [key, occurrence] : found) results.push_back(occurrence);
    std::stable_sort(results.begin(), results.end(), [](const EventOccurrence& a, const EventOccurrence& b) {
        return DateTimeIsEarlier(a.dates.begin, b.dates.begin);
    });
    return results;
}

}  // namespace

String ForecastPeriodRefusal(const Char* countText, std::int32_t unit) {
    std::int32_t count = 0;
    if (!ParseStepCount(countText, count) || count < 1 || count > 99) {
        return String(TXT("Please enter a different value: The time interval must be greater than 0."));
    }
    if (unit == kMonthsUnit && count > 12) {
        return String(TXT("Please enter a different value: The maximum permitted number of months is 12."));
    }
    if (unit == kYearsUnit && count > 1) {
        return String(TXT("Please enter a different value: The maximum permitted number of years is 1."));
    }
    return String();
}

void ForecastRowTexts(const EventOccurrence& occurrence, const DateTime& today, String (&texts)[3]) {
    texts[0] = String();
    if (const EventType* type = FindEventType(occurrence.eventType)) {
        type->Describe(BodyIdentifierFromObject(occurrence.body), BodyIdentifierFromObject(occurrence.secondBody),
                       texts[0]);
    }
    const DateTime& begin = occurrence.dates.begin;
    const DateTime& end = occurrence.dates.end;
    texts[1] = SameDay(begin, today) ? String(TXT("Today")) : DateText(begin);
    texts[2] = SameDay(begin, end) ? String() : DateText(end);
}

struct EventForecastControl::Worker {
    std::atomic<bool> stop{false};
    std::unique_ptr<SearchThread> thread;
};

// Where the workers leave their reports; closed when the control goes, so
// that a worker still running reports into nothing and wakes nobody.
struct EventForecastControl::Mailbox {
    explicit Mailbox(std::function<void()> wakeUp) : wake(std::move(wakeUp)) {}

    void Post(Report report) {
        std::lock_guard<std::mutex> lock(mutex);
        if (!open) return;
        reports.push_back(std::move(report));
        if (wake) wake();
    }
    std::vector<Report> Take() {
        std::lock_guard<std::mutex> lock(mutex);
        return std::exchange(reports, {});
    }
    void SetWake(std::function<void()> wakeUp) {
        std::lock_guard<std::mutex> lock(mutex);
        wake = std::move(wakeUp);
    }
    std::vector<Report> Close() {
        std::lock_guard<std::mutex> lock(mutex);
        open = false;
        wake = nullptr;
        return std::exchange(reports, {});
    }

    std::mutex mutex;
    std::function<void()> wake;
    std::vector<Report> reports;
    bool open = true;
};

EventForecastControl::EventForecastControl(SearchThreadStarter& threads, std::function<void()> wake)
    : threads_(threads), mailbox_(std::make_shared<Mailbox>(std::move(wake))) {}

EventForecastControl::~EventForecastControl() {
    Stop(false);
    // The reports go outside the lock: they hold the workers.
    const std::vector<Report> unread = mailbox_->Close();
}

void EventForecastControl::SetWake(std::function<void()> wake) { mailbox_->SetWake(std::move(wake)); }

void EventForecastControl::Start(const TimeAndPlace& when, const ForecastSettings& settings) {
    Stop(false);
    forecastFor_ = when;
    started_ = true;
    results_.clear();
    percent_ = 0;
    complete_ = false;
    auto worker = std::make_shared<Worker>();
    worker_ = worker;
    DateTime to = when.dateTime;
    AddDateTimeInterval(to, settings.period);
    DateTimeAddMinutes(to, -1);
    // The thread holds what it touches: its worker and the mailbox, which
    // outlive the control when the thread does.
    worker->thread = threads_.Start([mailbox = mailbox_, worker, when, to, settings] {
        struct Context {
            Mailbox* mailbox;
            const std::shared_ptr<Worker>* worker;
            EventForecastJob job;
        } context{mailbox.get(), &worker, {}};
        EventForecastRequest request;
        request.groups = settings.groups;
        request.pauseMilliseconds = settings.pauseMilliseconds;
        request.callbacks.context = &context;
        request.callbacks.shouldStop = [](void* c) {
            return (*static_cast<Context*>(c)->worker)->stop.load(std::memory_order_acquire);
        };
        // Each progress report hands the window a copy of the results so
        // far; the job itself stays this thread's.
        request.callbacks.progress = [](void* c, int percent, const DateTime&) {
            auto* ctx = static_cast<Context*>(c);
            Report report;
            report.worker = *ctx->worker;
            report.percent = percent;
            report.results = ResultsByDate(ctx->job.results);
            ctx->mailbox->Post(std::move(report));
        };
        RunEventForecast(when, context.job, to, request);
        Report end;
        end.worker = worker;
        end.finished = !context.job.wasStopped;
        end.last = true;
        end.percent = end.finished ? 100 : -1;
        end.results = ResultsByDate(context.job.results);
        mailbox->Post(std::move(end));
    });
}

void EventForecastControl::Stop(bool clear) {
    if (worker_ != nullptr) {
        const std::shared_ptr<Worker> worker = worker_;
        worker->stop.store(true, std::memory_order_release);
        for (int wait = 0; wait < kForecastStopWaits; ++wait) {
            if (worker->thread->WaitForEnd(kForecastStopWaitMilliseconds)) break;
        }
        // What it reported so far is shown; a worker still running is left
        // to end by itself, and nothing it reports later is taken.
        ApplyReports();
        worker_.reset();
    }
    if (clear) {
        results_.clear();
        complete_ = false;
        percent_ = 0;
    }
}

bool EventForecastControl::ApplyReports() {
    std::vector<Report> reports = mailbox_->Take();
    bool changed = false;
    for (Report& report : reports) {
        // A report of an older worker comes too late to be shown.
        if (report.worker != worker_) continue;
        changed = true;
        if (report.percent >= 0) percent_ = report.percent;
        results_ = std::move(report.results);
        if (report.finished) complete_ = true;
        if (report.last) worker_.reset();
    }
    return changed;
}

bool EventForecastControl::UpdateIfChanged(const TimeAndPlace& now, const ForecastSettings& settings) {
    if (!settings.generate) return false;
    if (started_ && TimeAndPlaceEqual(now, forecastFor_)) return false;
    Start(now, settings);
    return true;
}

void EventForecastControl::Restart(const TimeAndPlace& now, const ForecastSettings& settings) {
    if (settings.generate) {
        Start(now, settings);
    } else {
        Stop(true);
    }
}

}  // namespace corvinata::events
