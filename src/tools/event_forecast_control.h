// The Event Forecast's control: one worker at a time computes the coming
// events for a time and place; the window shows its own copy of the results,
// taken from the worker at each progress report and at the end.
//
// The worker never waits for the window: it leaves a copy of what it found
// so far in a mailbox and wakes the window. A stop sets the worker's own
// request and waits for its end, a second at a time and six times at most,
// running none of the window's messages meanwhile. A worker that
// has not ended by then is left to end by itself: what it reported is
// shown, and its later reports are not. Each worker has a job of its own
// and shares with the control no more than the mailbox, which the control
// closes when it goes.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "base/geo_place.h"
#include "base/time_step.h"
#include "tools/event_finder.h"
#include "tools/event_forecast.h"

namespace corvinata::events {

// A stop waits for the worker in slices of this many milliseconds, at most
// kForecastStopWaits times.
constexpr std::uint32_t kForecastStopWaitMilliseconds = 1000;
constexpr int kForecastStopWaits = 6;

struct ForecastSettings {
    bool generate = true;
    TimeStep period{kMonthsUnit, 1};
    std::uint32_t groups = 0xFFFFFFFFu;
    std::uint32_t pauseMilliseconds = 50;
};

// The options dialog's check of the period: empty when it is accepted,
// else the message to show. The count must be a whole number 1..99; months
// at most 12, years at most 1.
String ForecastPeriodRefusal(const Char* countText, std::int32_t unit);

// The three column texts of a result for a forecast made on `today`:
// the event, "Today" or the begin date, and the end date when it differs.
void ForecastRowTexts(const EventOccurrence& occurrence, const DateTime& today, String (&texts)[3]);

class EventForecastControl {
public:
    // `wake` is called from the worker after it left a report; the window
    // answers by calling ApplyReports on its own thread.
    EventForecastControl(SearchThreadStarter& threads, std::function<void()> wake);
    // Another wake (none: the reports wait unannounced). Once this returns,
    // no worker calls the one before.
    void SetWake(std::function<void()> wake);
    ~EventForecastControl();
    EventForecastControl(const EventForecastControl&) = delete;
    EventForecastControl& operator=(const EventForecastControl&) = delete;

    // Stops a running forecast and starts one for `when`.
    void Start(const TimeAndPlace& when, const ForecastSettings& settings);
    // Stops a running forecast; with `clear` the shown results go too.
    void Stop(bool clear);
    // The application's time and place changed: a new forecast when it
    // differs in any field and forecasts are on. True when one started.
    bool UpdateIfChanged(const TimeAndPlace& now, const ForecastSettings& settings);
    // After the options: start when on, else stop and clear.
    void Restart(const TimeAndPlace& now, const ForecastSettings& settings);

    // Takes the worker's last report; true when something changed.
    bool ApplyReports();

    bool IsRunning() const noexcept { return worker_ != nullptr; }
    bool IsComplete() const noexcept { return complete_; }
    int Percent() const noexcept { return percent_; }
    const TimeAndPlace& ForecastFor() const noexcept { return forecastFor_; }
    // The window's copy, by the dates they begin.
    const std::vector<EventOccurrence>& Results() const noexcept { return results_; }

private:
    struct Worker;
    struct Mailbox;
    struct Report {
        std::shared_ptr<Worker> worker;
        int percent = 0;
        std::vector<EventOccurrence> results;
        bool finished = false;  // the forecast is complete
        bool last = false;      // the worker's end
    };

    SearchThreadStarter& threads_;
    std::shared_ptr<Mailbox> mailbox_;
    std::shared_ptr<Worker> worker_;
    bool started_ = false;
    TimeAndPlace forecastFor_;
    std::vector<EventOccurrence> results_;
    int percent_ = 0;
    bool complete_ = false;
};

}  // namespace corvinata::events
