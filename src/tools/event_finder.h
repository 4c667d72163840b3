// The Event Finder's search control: the unstarted run the window edits, the
// list of started runs the History shows, and the worker that searches one
// run at a time.
//
// Threads: everything here runs on the user-interface thread except the
// worker's search. A worker owns the copy of what it searches, its own job
// and its own stop request; it never touches a run or the window. What it
// finds and how far it got goes into a mailbox, and one notification posted
// to a notification queue (event 3 with kWorkerReportFlag and the control as
// value) brings the user-interface thread to apply the mailbox to the
// worker's own run; the control then broadcasts event 3 to the application's
// listeners, once per batch of results. The results of a run are taken
// into it at the worker's progress reports and at its end, together with how
// far it got, so that a run always holds what was found before the point a
// search of it would continue from.
//
// A stop waits for the worker's end ten seconds at most, running none of
// the window's messages meanwhile (nothing can start another search inside
// the stop). A worker that does not end
// in that time is left to end by itself: the run shows as stopped where its
// last report left it, its later reports still reach that run while the
// control lives, and the run continues only after that worker's end. The
// worker shares with the control no more than the mailbox, which the
// control closes when it goes.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/notification.h"
#include "app/related_task_groups.h"
#include "base/date_time_location.h"
#include "tools/event_definitions.h"
#include "tools/event_search.h"

namespace corvinata::events {

// The flag of a worker's event 3 on the queue. The queue is drained into a
// set that holds the control alone, so that the listeners of the
// application hear event 3 (flags 0) only once the report is applied.
constexpr std::uint32_t kWorkerReportFlag = 0x80000000u;

// A started worker thread. The thread owns what it runs: this object may go
// while the thread still runs, which then ends by itself.
class SearchThread {
public:
    virtual ~SearchThread() = default;
    // Waits at most `milliseconds` for the thread's end; true once it has
    // ended. The wait runs none of the calling thread's messages.
    virtual bool WaitForEnd(std::uint32_t milliseconds) = 0;
};

// How long a stop of the Event Finder waits for its worker.
constexpr std::uint32_t kSearchStopWaitMilliseconds = 10000;

class SearchThreadStarter {
public:
    virtual ~SearchThreadStarter() = default;
    virtual std::unique_ptr<SearchThread> Start(std::function<void()> body) = 0;
};

// What the control shows; the dialog on Windows, a recording fake in tests.
class EventFinderView {
public:
    virtual ~EventFinderView() = default;
    // Every control of the window for the run (it became the current run).
    virtual void ShowRun(const EventDefinition& run, int selectedResult) = 0;
    // A search of the current run started or continued.
    virtual void ShowSearching(const EventDefinition& run) = 0;
    virtual void ShowProgress(int percent, const DateTime& date) = 0;
    // The current run found a range (isNew) or extended its last one.
    virtual void ShowResult(const EventDefinition& run, bool isNew) = 0;
    // The current run's search ended (Stopped or Complete).
    virtual void ShowEnded(const EventDefinition& run) = 0;
    // Around the reports of one batch.
    virtual void BatchBegins() {}
    virtual void BatchEnds() {}
};

// What the window read for a start: the pickers' dates, the step's count as
// typed and the unit's name, and the daylight-saving check box.
struct SearchSetup {
    DateTime from;
    DateTime to;
    String count;
    String unit;
    bool daylightSaving = false;
};

enum class StartRefusal { kNone, kRangeReversed, kIntervalNotPositive };

// The setup of a search that another part of the program starts (a script,
// a related task): the step written as the window shows it.
SearchSetup SearchSetupFor(const DateTime& from, const DateTime& to, const TimeStep& step, bool daylightSaving);
// The condition of a predefined event type with its bodies (none for the
// events of a body of their own) and the expression searched for.
EventCondition PredefinedEventCondition(int eventTypeId, const BodyIdentifier& first = {},
                                        const BodyIdentifier& second = {});

// "%d%c": a whole number and nothing after it; false for anything else.
bool ParseStepCount(const Char* text, std::int32_t& count);

// The percentage of the run's range searched (0 for an empty range).
int RunProgressPercent(const EventDefinition& run);
// Where the run's progress stands: where it stopped, but never past the
// range's end (a finished run stops at the first step beyond it).
DateTime RunProgressDate(const EventDefinition& run);
// A result line: the begin, and " - " and the end when it is later; dates
// alone for steps of days or more, else date and time.
String ResultLineText(const DateTimeRange& range, const TimeStep& step);
// The default unstarted run: this year at the current place, the full moon.
void InitDefaultEventFinderRun(EventDefinition& run, const DateTimeLocation& now);

// An occurrence of event type `eventTypeId` as the Related Tasks pane needs
// it: its dates, its bodies (the type's own body when it names none, the
// second only for an event between two bodies) and its sentence.
RelatedEvent RelatedEventOf(int eventTypeId, const DateTimeRange& dates, const CelestialObject* body,
                            const CelestialObject* secondBody);
// The run's result `selectedResult` (-1: none) as the Related Tasks pane
// needs it.
EventFinderSelection EventFinderTaskSelection(const EventDefinition& run, int selectedResult);
// What a double-click on result `index` shows: the window its event type
// names with the type's or the condition's body; a condition without a
// body (a search a script or a client started) shows the Sky at the
// result's moment, taken at the search's place (Universal time). A window
// kind of -1: nothing to show (no such result, an unknown event type).
EventResultShowRequest EventFinderResultRequest(const EventDefinition& run, int index);

// The History's ten column texts of a run: executed, from, to, DST, step,
// description, script, location, state, results.
constexpr int kHistoryColumnCount = 10;
void HistoryRowTexts(const EventDefinition& run, int angleStyle, String (&texts)[kHistoryColumnCount]);
// "Do you want to delete n run(s) from the Event Finder history?"
String DeleteRunsQuestion(int count);

class EventFinderControl;

// The History's deletion of its selected rows (ascending, of `rowCount`
// rows): event 5 before the first, each row through DeleteRow (the rows
// after a deleted one move up), event 6 after the last. Answers the row to
// select afterwards: the row that followed the last deleted one, the new
// last row when the last was deleted, 0 when nothing was selected, -1 when
// no row is left.
int DeleteHistoryRows(EventFinderControl& control, NotificationHub& hub,
                      const std::vector<int>& selectedRows, int rowCount);

class EventFinderControl final : public NotificationObserver {
public:
    EventFinderControl(NotificationHub& hub, NotificationQueue& queue, SearchThreadStarter& threads,
                       std::function<DateTimeLocation()> currentTime);
    ~EventFinderControl() override;
    EventFinderControl(const EventFinderControl&) = delete;
    EventFinderControl& operator=(const EventFinderControl&) = delete;

    void SetView(EventFinderView* view) noexcept { view_ = view; }
    // The clock of "time executed" (the local civil time of the machine).
    void SetClock(std::function<bool(DateTime&)> clock) { clock_ = std::move(clock); }
    // Called on a worker's thread after each progress report, with its
    // percentage and the worker's stop request; it may keep the worker there
    // until that request is set, so that a test stops a search it knows to
    // be running. Workers started afterwards take it; the program sets none.
    using ProgressHold = std::function<void(int percent, const std::atomic<bool>& stopRequested)>;
    void SetProgressHold(ProgressHold hold) { hold_ = std::move(hold); }

    // Runs, oldest first; History row r is position RunCount() - 1 - r.
    std::size_t RunCount() const noexcept { return runs_.size(); }
    const EventDefinition& RunAt(std::size_t position) const { return *runs_[position]; }
    EventDefinition& Unstarted() noexcept { return *unstarted_; }
    const EventDefinition& Current() const noexcept { return *current_; }
    // The current run's list position, -1 for the unstarted run.
    int CurrentPosition() const;
    // The list position of a run (the value of events 0..3), -1 for none.
    int PositionOf(const EventDefinition* run) const;
    int SelectedResult() const noexcept { return selected_; }
    void SetSelectedResult(int index) noexcept { selected_ = index; }
    bool IsSearching() const noexcept { return worker_ != nullptr; }

    // Takes the stored runs (clamped by the reader) and shows `display`
    // (-1: the unstarted run).
    void Restore(std::vector<EventDefinition> runs, const EventDefinition& unstarted, int display,
                 int selectedResult);

    // &Start: a refusal starts nothing.
    StartRefusal Start(const SearchSetup& setup);
    // Sto&p, and every stop a notification asks for.
    void Stop();
    // &Continue of a Stopped current run.
    void Continue();
    // &Edit: the unstarted run becomes a copy of the current run, at today's place.
    void Edit();
    // Se&lect...: the current run searches for `condition`.
    void SetCondition(const EventCondition& condition);
    // A search another part of the program asks for (a script, a related
    // task): a running search is stopped first.
    StartRefusal StartRequested(const SearchSetup& setup, const EventCondition& condition,
                                const Location& place);
    // The unstarted run's from, to and step as the window shows them at exit.
    void TakeUnstartedSetup(const DateTime& from, const DateTime& to, const TimeStep& step);

    // The History's pick (event 4 does the same): a running search stops and
    // the run of an existing row is shown; any other row changes nothing.
    void ShowRow(int row);
    // Deletes the run of an existing row, announced by events 7 and 8.
    void DeleteRow(int row);

    // Applies what the workers reported; the queue's event 3 calls it.
    void ApplyReports();

    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    void Update(void*) override {}

private:
    struct Worker;
    struct Report;
    struct Mailbox;

    void Show(const std::shared_ptr<EventDefinition>& run, int selected);
    void Launch(bool continued);
    static void RunWorker(Mailbox& mailbox, const std::shared_ptr<Worker>& worker);
    // Applies the mailbox for at most `budget` (0: all of it) and wakes the
    // queue again for what is left.
    void ApplyReports(std::chrono::milliseconds budget);
    // Asks the worker to stop and waits for its end, ten seconds at most;
    // what it reported is applied.
    void StopWorker();
    // The stop's wait is over and the worker runs on.
    void LeaveRunning(const std::shared_ptr<Worker>& worker);
    // False while a worker left running still searches `run`, also after
    // another wait for it.
    bool LeftWorkersEnded(const EventDefinition& run);
    // Takes the results the worker found since its last report into its
    // run; true when there were any.
    bool TakeFound(Worker& worker);
    void Apply(const Report& report);
    void Ended(const std::shared_ptr<Worker>& worker);
    std::shared_ptr<EventDefinition> RunAtRow(std::int64_t row) const;
    void CopyIntoUnstarted(const EventDefinition& run);

    NotificationHub& hub_;
    SearchThreadStarter& threads_;
    std::function<DateTimeLocation()> currentTime_;
    EventFinderView* view_ = nullptr;
    std::function<bool(DateTime&)> clock_;
    ProgressHold hold_;
    std::shared_ptr<EventDefinition> unstarted_;
    std::vector<std::shared_ptr<EventDefinition>> runs_;
    std::shared_ptr<EventDefinition> current_;
    std::shared_ptr<Worker> worker_;
    // Workers whose stop was not waited for to the end, until their end.
    std::vector<std::shared_ptr<Worker>> leftRunning_;
    int selected_ = 0;
    bool displayedRunDeleted_ = false;
    // While a stop waits for its worker and applies what it reported (the
    // listeners told of its end must not start another search inside it).
    bool stopping_ = false;
    // Reports of the workers, in the order made.
    std::shared_ptr<Mailbox> mailbox_;
};

}  // namespace corvinata::events
