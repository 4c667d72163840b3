#include "tools/event_finder.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>
#include <mutex>
#include <utility>

#include "app/app_interfaces.h"
#include "base/date_time_text.h"
#include "base/location.h"
#include "base/text_format.h"
#include "base/time_systems.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "tools/event_types.h"

namespace corvinata::events {
namespace {

constexpr double kLastHourOfDay = 23.99999;

DateTime DayAt(const DateTime& date, double hours) {
    return DateTime{date.year, date.month, date.day, hours, kLocalCivilTime};
}

bool DayIsLater(const DateTime& a, const DateTime& b) {
    if (a.year != b.year) return a.year > b.year;
    if (a.month != b.month) return a.month > b.month;
    return a.day > b.day;
}

int EngineEventType(const EventCondition& condition) {
    if (!condition.isPredefined) return kNoEventType;
    return FindEventType(condition.predefinedEvent) != nullptr ? condition.predefinedEvent
                                                               : kNoEventType;
}

}  // namespace

RelatedEvent RelatedEventOf(int eventTypeId, const DateTimeRange& dates, const CelestialObject* body,
                            const CelestialObject* secondBody) {
    RelatedEvent event;
    event.eventTypeId = eventTypeId;
    event.begin = dates.begin;
    event.end = dates.end;
    const EventType* type = FindEventType(eventTypeId);
    if (type == nullptr) return event;
    if (type->bodyCount == 0 || body == nullptr) body = type->GetBody();
    event.body = BodyIdentifierFromObject(body);
    if (type->bodyCount == 2) event.secondBody = BodyIdentifierFromObject(secondBody);
    type->Describe(event.body, event.secondBody, event.description);
    return event;
}

EventFinderSelection EventFinderTaskSelection(const EventDefinition& run, int selectedResult) {
    EventFinderSelection selection;
    selection.resultCount = static_cast<int>(run.foundRanges.size());
    // A run still going on offers nothing yet.
    selection.runUnusable = run.runState == kRunRunning;
    if (selectedResult < 0 || selectedResult >= selection.resultCount) {
        selection.runUnusable = true;
        return selection;
    }
    const DateTimeRange& found = run.foundRanges[static_cast<std::size_t>(selectedResult)];
    selection.date = found.begin;
    const EventCondition& condition = run.condition;
    selection.predefined = condition.isPredefined && !condition.isUserExpression;
    if (selection.predefined) {
        selection.event = RelatedEventOf(condition.predefinedEvent, found, condition.firstBody.object,
                                         condition.secondBody.object);
    } else {
        selection.conditionBody = condition.firstBody;
        selection.conditionFunction = condition.quantity == kNoQuantity ? 0 : condition.quantity;
        // Without a body the result itself is what can be shown.
        const EventResultShowRequest shown = EventFinderResultRequest(run, selectedResult);
        selection.event.begin = shown.range.begin;
        selection.event.end = shown.range.end;
        condition.Describe(selection.event.description);
    }
    return selection;
}

EventResultShowRequest EventFinderResultRequest(const EventDefinition& run, int index) {
    EventResultShowRequest request;
    if (index < 0 || index >= static_cast<int>(run.foundRanges.size())) return request;
    request.range = run.foundRanges[static_cast<std::size_t>(index)];
    request.body = run.condition.firstBody;
    if (run.condition.isPredefined && !run.condition.isUserExpression) {
        const EventType* type = FindEventType(run.condition.predefinedEvent);
        // An event number the catalogue lacks opens no window.
        if (type == nullptr) return request;
        request.windowKind = EventTypeCode(type->id);
        // An explorer shows its planet anyway: the moon the run names is
        // the one to select there.
        const bool explorer =
            request.windowKind == kJupiterExplorerWindow || request.windowKind == kSaturnExplorerWindow;
        const CelestialObject* own = type->GetBody();
        if (own && !(explorer && request.body.object)) request.body = BodyIdentifierFromObject(own);
        return request;
    }
    request.windowKind = kSkyWindow;
    if (request.body.object == nullptr) {
        // The Sky shows the program's place: the result's local time is the
        // search's, so the moment goes as Universal time.
        const GeoCoordinates& place = run.location.coordinates;
        for (DateTime* date : {&request.range.begin, &request.range.end}) {
            ConvertTimeSystem(*date, kUniversalTime, place.longitude, place.timeZone, run.daylightSaving);
        }
    }
    return request;
}

SearchSetup SearchSetupFor(const DateTime& from, const DateTime& to, const TimeStep& step, bool daylightSaving) {
    SearchSetup setup;
    setup.from = from;
    setup.to = to;
    setup.count = FormatPercent1(TXT("%"), NumberTextFromInt(step.count));
    setup.unit = GetTimeUnitName(step.unit);
    setup.daylightSaving = daylightSaving;
    return setup;
}

EventCondition PredefinedEventCondition(int eventTypeId, const BodyIdentifier& first, const BodyIdentifier& second) {
    EventCondition condition;
    condition.isPredefined = true;
    condition.isUserExpression = false;
    condition.predefinedEvent = eventTypeId;
    condition.firstBody = first;
    condition.secondBody = second;
    PredefinedEventExpression(eventTypeId, first.object, second.object, condition.searchExpression);
    return condition;
}

bool ParseStepCount(const Char* text, std::int32_t& count) {
    if (text == nullptr) return false;
    const Char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p < '0' || *p > '9') return false;
    std::int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > INT32_MAX) return false;
    }
    // "%d%c": any character after the number makes a second field.
    if (*p != 0) return false;
    count = static_cast<std::int32_t>(negative ? -value : value);
    return true;
}

int RunProgressPercent(const EventDefinition& run) {
    const double total = DateTimeDifferenceDays(run.from, run.to);
    if (!(std::fabs(total) > 0.0)) return 0;
    const double done = DateTimeDifferenceDays(run.from, run.stoppedAt) / total * 100.0 + 0.5;
    return static_cast<int>(std::clamp(done, 0.0, 100.0));
}

DateTime RunProgressDate(const EventDefinition& run) {
    return DateTimeIsEarlier(run.to, run.stoppedAt) ? run.to : run.stoppedAt;
}

String ResultLineText(const DateTimeRange& range, const TimeStep& step) {
    const auto text = [&](const DateTime& date) {
        if (step.unit >= kDaysUnit) {
            String out;
            return FormatDate(date, kDateToDay, out);
        }
        return FormatDateTimeJoined(date, kTimeToMinute, false, TXT(" "));
    };
    String line = text(range.begin);
    if (DateTimeIsEarlier(range.begin, range.end)) {
        StringAppend(line, TXT(" - "));
        StringAppend(line, text(range.end).Text());
    }
    return line;
}

void InitDefaultEventFinderRun(EventDefinition& run, const DateTimeLocation& now) {
    run = EventDefinition();
    run.secondDate = DateTime{kFirstValidYear, 1, 1, 0.0, kLocalCivilTime};
    run.from = DateTime{now.dateTime.year, 1, 1, 0.0, now.dateTime.timeSystem};
    run.stoppedAt = run.from;
    run.to = run.from;
    AddDateTimeInterval(run.to, TimeStep{kYearsUnit, 1});
    run.step = TimeStep{kDaysUnit, 1};
    LocationAssign(run.location, now.location);
    run.daylightSaving = false;
    run.runState = kRunNotStarted;
    EventCondition& c = run.condition;
    c.isPredefined = true;
    c.predefinedEvent = kEventFullMoon;
    c.quantity = FindEventKind(16) != nullptr ? 16u : kNoQuantity;
    c.isMinimum = false;
    c.firstBody = BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0));
    c.secondBody = BodyIdentifierFromObject(GetCatalogueObject(kBodySun, 0));
    c.isUserExpression = false;
    c.searchExpression = String(TXT("AngleDiff360(Moon.Lon(Ecl), Sun.Lon(Ecl)) >>= 180"));
}

void HistoryRowTexts(const EventDefinition& run, int angleStyle, String (&texts)[kHistoryColumnCount]) {
    texts[0] = FormatDateTimeJoined(run.secondDate, kTimeToSecond, false, TXT(" "));
    FormatDate(run.from, kDateToDay, texts[1]);
    FormatDate(run.to, kDateToDay, texts[2]);
    texts[3] = String(run.daylightSaving ? TXT("On") : TXT("Off"));
    FormatTimeStepText(run.step, texts[4]);
    texts[6] = run.condition.Describe(texts[5]);
    texts[7] = FormatLocationDescription(run.location, true, angleStyle);
    static const Char* const kStates[] = {TXT("Not started"), TXT("Running"), TXT("Stopped"), TXT("Complete")};
    texts[8] = String(run.runState < 4 ? kStates[run.runState] : kStates[2]);
    StringFromInteger(static_cast<int>(run.foundRanges.size()), 0, texts[9], false, TXT(' '));
}

String DeleteRunsQuestion(int count) {
    String text(TXT("Do you want to delete "));
    String number;
    StringAppend(text, StringFromInteger(count, 0, number, false, TXT(' ')).Text());
    StringAppend(text, count == 1 ? TXT(" run") : TXT(" runs"));
    StringAppend(text, TXT(" from the Event Finder history?"));
    return text;
}

int DeleteHistoryRows(EventFinderControl& control, NotificationHub& hub,
                      const std::vector<int>& selectedRows, int rowCount) {
    int deleted = 0;
    int last = -1;
    for (int row : selectedRows) {
        if (row < 0 || row >= rowCount) continue;
        if (deleted == 0) BroadcastNotification(hub, kEventHistoryDeletionBegins, 0, nullptr);
        last = row;
        control.DeleteRow(row - deleted);
        ++deleted;
    }
    if (deleted > 0) BroadcastNotification(hub, kEventHistoryDeletionEnded, 0, nullptr);
    const int left = rowCount - deleted;
    if (left <= 0) return -1;
    if (deleted == 0) return 0;
    return last == rowCount - 1 ? left - 1 : last - deleted + 1;
}

// What one worker searches and its stop request, which the thread reads,
// and on the user-interface thread the results it reported since its last
// progress.
struct EventFinderControl::Worker {
    struct Input {
        String text;
        int eventType = kNoEventType;
        DateTime from;
        DateTime to;
        DateTime start;
        GeoCoordinates place;
        bool daylightSaving = false;
        TimeStep step;
        bool continued = false;
        EventFinderControl::ProgressHold hold;
    };
    struct Found {
        DateTimeRange range;
        bool isNew = false;
    };

    std::shared_ptr<EventDefinition> run;
    Input input;
    std::atomic<bool> stop{false};
    std::unique_ptr<SearchThread> thread;
    std::vector<Found> found;
};

struct EventFinderControl::Report {
    enum Kind { kProgress, kResult, kFinished };
    Kind kind = kProgress;
    std::shared_ptr<Worker> worker;
    int percent = 0;
    DateTime date;
    DateTimeRange range;
    bool isNew = false;
};

// Where the workers leave their reports. The control closes it when it
// goes: a worker still running then reports into nothing.
struct EventFinderControl::Mailbox {
    Mailbox(NotificationQueue& queue, EventFinderControl& control) : queue(&queue), control(&control) {}

    void Post(Report report) {
        std::lock_guard<std::mutex> lock(mutex);
        if (queue == nullptr) return;
        reports.push_back(std::move(report));
        WakeOnce();
    }
    std::vector<Report> Take() {
        std::lock_guard<std::mutex> lock(mutex);
        posted = false;
        return std::exchange(reports, {});
    }
    // Reports taken but not applied go back before those made since.
    void PutBack(std::vector<Report> left) {
        std::lock_guard<std::mutex> lock(mutex);
        if (queue == nullptr) return;
        reports.insert(reports.begin(), std::make_move_iterator(left.begin()), std::make_move_iterator(left.end()));
        WakeOnce();
    }
    std::vector<Report> Close() {
        std::lock_guard<std::mutex> lock(mutex);
        queue = nullptr;
        return std::exchange(reports, {});
    }

    // Under the lock: one wake of the queue stands for every report until
    // they are taken.
    void WakeOnce() {
        if (posted) return;
        posted = true;
        queue->Post(kEventSearchResultFound, kWorkerReportFlag, control);
    }

    std::mutex mutex;
    NotificationQueue* queue;
    EventFinderControl* control;
    std::vector<Report> reports;
    bool posted = false;
};

EventFinderControl::EventFinderControl(NotificationHub& hub, NotificationQueue& queue,
                                       SearchThreadStarter& threads,
                                       std::function<DateTimeLocation()> currentTime)
    : hub_(hub), threads_(threads), currentTime_(std::move(currentTime)),
      clock_(DateTimeSetToNow), unstarted_(std::make_shared<EventDefinition>()),
      mailbox_(std::make_shared<Mailbox>(queue, *this)) {
    InitDefaultEventFinderRun(*unstarted_, currentTime_());
    current_ = unstarted_;
    hub_.Insert(this);
}

EventFinderControl::~EventFinderControl() {
    view_ = nullptr;
    StopWorker();
    // The reports go outside the lock: they hold the workers.
    const std::vector<Report> unread = mailbox_->Close();
    hub_.Forget(this);
}

int EventFinderControl::CurrentPosition() const { return PositionOf(current_.get()); }

int EventFinderControl::PositionOf(const EventDefinition* run) const {
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        if (runs_[i].get() == run) return static_cast<int>(i);
    }
    return -1;
}

std::shared_ptr<EventDefinition> EventFinderControl::RunAtRow(std::int64_t row) const {
    const auto n = static_cast<std::int64_t>(runs_.size());
    if (row < 0 || row >= n) return nullptr;
    return runs_[static_cast<std::size_t>(n - 1 - row)];
}

void EventFinderControl::Restore(std::vector<EventDefinition> runs, const EventDefinition& unstarted,
                                 int display, int selectedResult) {
    runs_.clear();
    for (auto& run : runs) runs_.push_back(std::make_shared<EventDefinition>(std::move(run)));
    *unstarted_ = unstarted;
    unstarted_->runState = kRunNotStarted;
    const int n = static_cast<int>(runs_.size());
    display = std::clamp(display, -1, n - 1);
    if (display < 0) {
        Show(unstarted_, 0);
        return;
    }
    const auto& run = runs_[static_cast<std::size_t>(display)];
    const int count = static_cast<int>(run->foundRanges.size());
    Show(run, selectedResult >= 0 && selectedResult < count ? selectedResult : 0);
}

void EventFinderControl::Show(const std::shared_ptr<EventDefinition>& run, int selected) {
    current_ = run;
    selected_ = selected;
    if (view_ != nullptr) view_->ShowRun(*run, selected);
}

StartRefusal EventFinderControl::Start(const SearchSetup& setup) {
    if (stopping_) return StartRefusal::kNone;
    if (DayIsLater(setup.from, setup.to)) return StartRefusal::kRangeReversed;
    std::int32_t count = 0;
    if (!ParseStepCount(setup.count.Text(), count) || count <= 0) {
        return StartRefusal::kIntervalNotPositive;
    }
    StopWorker();
    auto run = std::make_shared<EventDefinition>(*unstarted_);
    DateTime now;
    if (!clock_ || !clock_(now)) now = DateTime{kFirstValidYear, 1, 1, 0.0, kLocalCivilTime};
    now.timeSystem = kLocalCivilTime;
    run->secondDate = now;
    run->from = DayAt(setup.from, 0.0);
    run->to = DayAt(setup.to, kLastHourOfDay);
    run->stoppedAt = run->from;
    run->daylightSaving = setup.daylightSaving;
    run->step = TimeStep{ParseTimeUnit(setup.unit.Text()), count};
    run->runState = kRunRunning;
    run->ClearRanges();
    runs_.push_back(run);
    current_ = run;
    selected_ = 0;
    if (view_ != nullptr) view_->ShowSearching(*run);
    BroadcastNotification(hub_, kEventSearchStarted, 0, run.get());
    Launch(false);
    return StartRefusal::kNone;
}

void EventFinderControl::Continue() {
    if (stopping_ || worker_ != nullptr || current_->runState != kRunStopRequested) return;
    // The worker of the last stop may still be searching this run: it is
    // waited for again, and while it runs the run does not continue (two
    // workers would find the same results). Its end may have completed it.
    if (!LeftWorkersEnded(*current_) || current_->runState != kRunStopRequested) return;
    current_->runState = kRunRunning;
    if (view_ != nullptr) view_->ShowSearching(*current_);
    BroadcastNotification(hub_, kEventSearchContinued, 0, current_.get());
    Launch(true);
}

void EventFinderControl::Launch(bool continued) {
    auto worker = std::make_shared<Worker>();
    worker->run = current_;
    Worker::Input& in = worker->input;
    String description;
    in.text = current_->condition.Describe(description);
    in.eventType = EngineEventType(current_->condition);
    in.from = current_->from;
    in.to = current_->to;
    in.start = continued ? current_->stoppedAt : DayAt(current_->from, 0.0);
    in.place = current_->location.coordinates;
    in.daylightSaving = current_->daylightSaving;
    in.step = current_->step;
    in.continued = continued;
    in.hold = hold_;
    worker_ = worker;
    // The thread holds what it touches: its worker and the mailbox, which
    // outlive the control when the thread does.
    worker->thread = threads_.Start([mailbox = mailbox_, worker] { RunWorker(*mailbox, worker); });
}

void EventFinderControl::RunWorker(Mailbox& mailbox, const std::shared_ptr<Worker>& worker) {
    struct Context {
        Mailbox* mailbox;
        const std::shared_ptr<Worker>* worker;
    } context{&mailbox, &worker};
    EventSearchCallbacks callbacks;
    callbacks.context = &context;
    callbacks.progress = [](void* c, int percent, const DateTime& date) {
        auto* ctx = static_cast<Context*>(c);
        Report report;
        report.kind = Report::kProgress;
        report.worker = *ctx->worker;
        report.percent = percent;
        report.date = date;
        ctx->mailbox->Post(std::move(report));
        const Worker& own = **ctx->worker;
        if (own.input.hold) own.input.hold(percent, own.stop);
    };
    callbacks.shouldStop = [](void* c) {
        return (*static_cast<Context*>(c)->worker)->stop.load(std::memory_order_acquire);
    };
    callbacks.result = [](void* c, const EventOccurrence& occurrence, bool isNew) {
        auto* ctx = static_cast<Context*>(c);
        Report report;
        report.kind = Report::kResult;
        report.worker = *ctx->worker;
        report.range = occurrence.dates;
        report.isNew = isNew;
        ctx->mailbox->Post(std::move(report));
    };
    const Worker::Input& in = worker->input;
    EventResultList results;
    EventSearchJob job(in.from, in.to, in.place, in.daylightSaving, in.step, &results, callbacks,
                       false, 0);
    job.AddExpression(in.text.Text(), in.eventType, nullptr, nullptr);
    job.current.dateTime = in.start;
    if (in.continued) {
        job.RunContinued();
    } else {
        job.Run();
    }
    Report end;
    end.kind = Report::kFinished;
    end.worker = worker;
    end.date = job.current.dateTime;
    end.isNew = job.wasStopped;
    mailbox.Post(std::move(end));
}

void EventFinderControl::ApplyReports() { ApplyReports(std::chrono::milliseconds(40)); }

void EventFinderControl::ApplyReports(std::chrono::milliseconds budget) {
    std::vector<Report> reports = mailbox_->Take();
    if (reports.empty()) return;
    const auto deadline = std::chrono::steady_clock::now() + budget;
    // Only the last progress of a batch is shown: the window keeps pace with
    // a worker of any speed.
    std::vector<const Worker*> progressed;
    for (auto it = reports.rbegin(); it != reports.rend(); ++it) {
        if (it->kind != Report::kProgress) continue;
        if (std::find(progressed.begin(), progressed.end(), it->worker.get()) != progressed.end()) {
            it->percent = -1;
        } else {
            progressed.push_back(it->worker.get());
        }
    }
    // Event 3 once per run and batch, for the same reason.
    std::vector<EventDefinition*> found;
    const auto announce = [&] {
        for (EventDefinition* run : found) BroadcastNotification(hub_, kEventSearchResultFound, 0, run);
        found.clear();
    };
    if (view_ != nullptr) view_->BatchBegins();
    std::size_t done = 0;
    for (; done < reports.size(); ++done) {
        const Report& report = reports[done];
        // A batch longer than the budget goes on at the next wake, so that
        // the window answers its messages in between.
        if (budget.count() > 0 && done > 0 && std::chrono::steady_clock::now() > deadline) break;
        if (report.kind == Report::kResult) {
            report.worker->found.push_back({report.range, report.isNew});
            continue;
        }
        if (report.kind == Report::kProgress && report.percent < 0) continue;
        EventDefinition* run = report.worker->run.get();
        if (TakeFound(*report.worker) && std::find(found.begin(), found.end(), run) == found.end()) {
            found.push_back(run);
        }
        if (report.kind == Report::kFinished) announce();
        Apply(report);
    }
    if (view_ != nullptr) view_->BatchEnds();
    announce();
    if (done == reports.size()) return;
    reports.erase(reports.begin(), reports.begin() + static_cast<std::ptrdiff_t>(done));
    mailbox_->PutBack(std::move(reports));
}

bool EventFinderControl::TakeFound(Worker& worker) {
    if (worker.found.empty()) return false;
    EventDefinition& run = *worker.run;
    const bool shown = current_.get() == &run && view_ != nullptr;
    for (const Worker::Found& result : worker.found) {
        if (result.isNew) {
            run.foundRanges.push_back(result.range);
        } else {
            run.SetLastRangeEnd(result.range.end);
        }
        if (shown) view_->ShowResult(run, result.isNew);
    }
    worker.found.clear();
    return true;
}

void EventFinderControl::Apply(const Report& report) {
    EventDefinition& run = *report.worker->run;
    switch (report.kind) {
        case Report::kProgress:
            // Everything before this point is in the run now.
            run.stoppedAt = report.date;
            if (current_.get() == &run && view_ != nullptr && run.runState == kRunRunning) {
                view_->ShowProgress(report.percent, report.date);
            }
            return;
        case Report::kResult:
            return;
        case Report::kFinished:
            run.stoppedAt = report.date;
            run.runState = report.isNew ? kRunStopRequested : kRunComplete;
            if (worker_ == report.worker) worker_.reset();
            leftRunning_.erase(std::remove(leftRunning_.begin(), leftRunning_.end(), report.worker),
                               leftRunning_.end());
            Ended(report.worker);
            return;
    }
}

void EventFinderControl::Ended(const std::shared_ptr<Worker>& worker) {
    EventDefinition& run = *worker->run;
    if (current_.get() == &run) selected_ = 0;
    if (current_.get() == &run && view_ != nullptr) view_->ShowEnded(run);
    BroadcastNotification(hub_, kEventSearchEnded, 0, &run);
}

void EventFinderControl::StopWorker() {
    if (worker_ == nullptr || stopping_) return;
    stopping_ = true;
    const std::shared_ptr<Worker> worker = worker_;
    worker->stop.store(true, std::memory_order_release);
    if (worker->run->runState == kRunRunning) worker->run->runState = kRunStopRequested;
    const bool ended = worker->thread->WaitForEnd(kSearchStopWaitMilliseconds);
    // What the worker reported so far; when it ended, its end is among it.
    ApplyReports(std::chrono::milliseconds(0));
    if (!ended && worker_ == worker) LeaveRunning(worker);
    stopping_ = false;
}

void EventFinderControl::LeaveRunning(const std::shared_ptr<Worker>& worker) {
    worker_.reset();
    leftRunning_.push_back(worker);
    // Stopped where its last progress was taken in; a Continue searches on
    // from there once the worker has ended.
    Ended(worker);
}

bool EventFinderControl::LeftWorkersEnded(const EventDefinition& run) {
    const auto searching = [&run](const std::shared_ptr<Worker>& w) { return w->run.get() == &run; };
    const auto left = std::find_if(leftRunning_.begin(), leftRunning_.end(), searching);
    if (left == leftRunning_.end()) return true;
    stopping_ = true;
    const std::shared_ptr<Worker> worker = *left;
    worker->thread->WaitForEnd(kSearchStopWaitMilliseconds);
    ApplyReports(std::chrono::milliseconds(0));
    stopping_ = false;
    return std::find_if(leftRunning_.begin(), leftRunning_.end(), searching) == leftRunning_.end();
}

void EventFinderControl::Stop() {
    if (current_->runState == kRunRunning) StopWorker();
}

void EventFinderControl::CopyIntoUnstarted(const EventDefinition& run) {
    if (&run != unstarted_.get()) *unstarted_ = run;
    unstarted_->runState = kRunNotStarted;
    unstarted_->stoppedAt = unstarted_->from;
    unstarted_->ClearRanges();
}

void EventFinderControl::Edit() {
    if (stopping_) return;
    CopyIntoUnstarted(*current_);
    unstarted_->secondDate = DateTime{kFirstValidYear, 1, 1, 0.0, kLocalCivilTime};
    LocationAssign(unstarted_->location, currentTime_().location);
    Show(unstarted_, 0);
}

void EventFinderControl::SetCondition(const EventCondition& condition) {
    current_->condition = condition;
    if (view_ != nullptr) view_->ShowRun(*current_, selected_);
}

StartRefusal EventFinderControl::StartRequested(const SearchSetup& setup,
                                                const EventCondition& condition,
                                                const Location& place) {
    if (stopping_) return StartRefusal::kNone;
    StopWorker();
    Edit();
    unstarted_->condition = condition;
    LocationAssign(unstarted_->location, place);
    unstarted_->from = DayAt(setup.from, 0.0);
    unstarted_->to = DayAt(setup.to, 0.0);
    unstarted_->stoppedAt = unstarted_->from;
    unstarted_->daylightSaving = setup.daylightSaving;
    std::int32_t count = 0;
    if (ParseStepCount(setup.count.Text(), count)) {
        unstarted_->step = TimeStep{ParseTimeUnit(setup.unit.Text()), count};
    }
    Show(unstarted_, 0);
    return Start(setup);
}

void EventFinderControl::TakeUnstartedSetup(const DateTime& from, const DateTime& to,
                                            const TimeStep& step) {
    unstarted_->from = DayAt(from, 0.0);
    unstarted_->to = DayAt(to, 0.0);
    unstarted_->stoppedAt = unstarted_->from;
    unstarted_->step = step;
}

void EventFinderControl::ShowRow(int row) {
    const auto run = RunAtRow(row);
    if (run == nullptr) return;
    StopWorker();
    Show(run, 0);
}

void EventFinderControl::DeleteRow(int row) {
    if (RunAtRow(row) == nullptr) return;
    BroadcastNotification(hub_, kEventHistoryRunRemoving, 0, reinterpret_cast<void*>(static_cast<std::intptr_t>(row)));
    const auto run = RunAtRow(row);
    if (run != nullptr) runs_.erase(runs_.begin() + PositionOf(run.get()));
    BroadcastNotification(hub_, kEventHistoryRunRemoved, 0, reinterpret_cast<void*>(static_cast<std::intptr_t>(row)));
}

void EventFinderControl::OnNotify(std::int32_t event, std::uint32_t flags, void* value) {
    const auto row = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(value));
    switch (event) {
        case kEventSearchResultFound:
            if (flags == kWorkerReportFlag && value == this) ApplyReports();
            return;
        case kEventHistoryRunOpened:
            ShowRow(static_cast<int>(row));
            return;
        case kEventHistoryRunRemoving: {
            const auto run = RunAtRow(row);
            if (run == nullptr) return;
            displayedRunDeleted_ = run == current_;
            if (worker_ != nullptr && worker_->run == run) StopWorker();
            if (displayedRunDeleted_) CopyIntoUnstarted(*run);
            return;
        }
        case kEventHistoryRunRemoved:
            if (displayedRunDeleted_) Show(unstarted_, 0);
            displayedRunDeleted_ = false;
            return;
        case kEventLocationChanged:
        case kEventDateTimeLocationChanged:
            if (current_ == unstarted_) {
                LocationAssign(unstarted_->location, currentTime_().location);
                Show(unstarted_, 0);
            }
            return;
        case kEventShutdown:
            StopWorker();
            return;
        default:
            return;
    }
}

}  // namespace corvinata::events
