// The Event Forecast's control with real worker threads: a month at London,
// restarts on changes, stops, the options' period check and the row texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "event_testing.h"
#include "support/search_threads.h"
#include "tools/event_forecast_control.h"

namespace corvinata::events::test {
namespace {

TimeAndPlace AtLondon(int day, double hours) {
    TimeAndPlace when;
    TimeAndPlaceInit(when, Date(2024, 6, day, hours), London(), false);
    return when;
}

struct Forecast {
    Forecast() : control(threads, [this] { woken.store(true); }) { settings.pauseMilliseconds = 0; }
    void WaitForEnd() {
        while (control.IsRunning()) {
            control.ApplyReports();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    corvinata::test::TestSearchThreads threads;
    std::atomic<bool> woken{false};
    ForecastSettings settings;
    EventForecastControl control;
};

TEST(EventForecastControl, AMonthAtLondonAndItsRestarts) {
    Forecast f;
    f.control.UpdateIfChanged(AtLondon(1, 12.0), f.settings);
    f.WaitForEnd();
    EXPECT_TRUE(f.control.IsComplete());
    EXPECT_EQ(f.control.Percent(), 100);
    EXPECT_TRUE(f.woken.load());
    ASSERT_FALSE(f.control.Results().empty());
    // The full moon of 22.06.2024 is among them.
    bool fullMoon = false;
    for (const auto& r : f.control.Results()) {
        fullMoon = fullMoon || (r.eventType == kEventFullMoon && r.dates.begin.day == 22 && r.dates.begin.month == 6);
    }
    EXPECT_TRUE(fullMoon);
    // By the day each begins, also where an event is found a day later
    // than it begins (an extreme is seen when its trend has turned).
    EXPECT_TRUE(std::is_sorted(f.control.Results().begin(), f.control.Results().end(),
                               [](const EventOccurrence& a, const EventOccurrence& b) {
                                   return DateTimeIsEarlier(a.dates.begin, b.dates.begin);
                               }));
    // The same time and place does not start again; one minute more does.
    EXPECT_FALSE(f.control.UpdateIfChanged(AtLondon(1, 12.0), f.settings));
    EXPECT_EQ(f.threads.Started(), 1);
    EXPECT_TRUE(f.control.UpdateIfChanged(AtLondon(1, 12.0 + 1.0 / 60.0), f.settings));
    EXPECT_EQ(f.threads.Started(), 2);
    f.WaitForEnd();
    // Forecasts off: a change does nothing; the options' OK stops and clears.
    f.settings.generate = false;
    EXPECT_FALSE(f.control.UpdateIfChanged(AtLondon(2, 12.0), f.settings));
    EXPECT_EQ(f.threads.Started(), 2);
    f.control.Restart(AtLondon(2, 12.0), f.settings);
    EXPECT_TRUE(f.control.Results().empty());
}

TEST(EventForecastThreads, RestartsWhileWorkersRunNeverOverlap) {
    Forecast f;
    f.settings.pauseMilliseconds = 1;
    for (int i = 0; i < 50; ++i) {
        f.control.Start(AtLondon(1 + i % 20, 12.0), f.settings);
        if (i % 3 == 0) f.control.ApplyReports();
        if (i % 7 == 0) f.control.Stop(i % 2 == 0);
    }
    f.control.Stop(false);
    EXPECT_FALSE(f.control.IsRunning());
}

// A stop waits for its worker a second at a time, six times at most. A
// worker that has not ended by then is left behind: a new forecast starts
// at once and shows only its own results; a worker that outlives the
// control wakes nobody.
TEST(EventForecastThreads, AStopWaitsSixSecondsAtMostForItsWorker) {
    const std::vector<std::uint32_t> sixSeconds(kForecastStopWaits, kForecastStopWaitMilliseconds);
    Forecast f;
    f.threads.CloseGate();
    f.control.Start(AtLondon(1, 12.0), f.settings);
    f.control.Stop(false);
    EXPECT_EQ(f.threads.Waits(), sixSeconds);
    EXPECT_FALSE(f.control.IsRunning());
    f.threads.OpenGate();
    f.control.Start(AtLondon(10, 12.0), f.settings);
    f.WaitForEnd();
    Forecast alone;
    alone.control.Start(AtLondon(10, 12.0), alone.settings);
    alone.WaitForEnd();
    EXPECT_TRUE(f.control.IsComplete());
    ASSERT_EQ(f.control.Results().size(), alone.control.Results().size());
    ASSERT_FALSE(f.control.Results().empty());
    EXPECT_TRUE(DateTimeEqual(f.control.Results().front().dates.begin, alone.control.Results().front().dates.begin));

    corvinata::test::TestSearchThreads threads;
    threads.CloseGate();
    {
        std::atomic<int> wakes{0};
        EventForecastControl control(threads, [&wakes] { ++wakes; });
        control.Start(AtLondon(1, 12.0), f.settings);
    }
    threads.JoinAll();
    EXPECT_EQ(threads.Waits(), sixSeconds);
}

TEST(EventForecastControl, ThePeriodCheckAndTheRowTexts) {
    const struct {
        const char* count;
        std::int32_t unit;
        const char* refusal;
    } cases[] = {
        {"12", kMonthsUnit, ""},
        {"13", kMonthsUnit, "Please enter a different value: The maximum permitted number of months is 12."},
        {"2", kYearsUnit, "Please enter a different value: The maximum permitted number of years is 1."},
        {"30", kDaysUnit, ""},
        {"0", kDaysUnit, "Please enter a different value: The time interval must be greater than 0."},
        {"", kDaysUnit, "Please enter a different value: The time interval must be greater than 0."},
        {"-1", kDaysUnit, "Please enter a different value: The time interval must be greater than 0."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8(ForecastPeriodRefusal(corvinata::test::Wide(c.count).c_str(), c.unit).Text()), c.refusal)
            << c.count;
    }
    EventOccurrence occurrence;
    occurrence.eventType = kEventFullMoon;
    occurrence.dates = {Date(2024, 6, 22, 1.0), Date(2024, 6, 23, 2.0)};
    String texts[3];
    ForecastRowTexts(occurrence, Date(2024, 6, 22, 12.0), texts);
    EXPECT_EQ(Utf8(texts[1].Text()), "Today");
    EXPECT_EQ(Utf8(texts[2].Text()), "23.06.2024");
    ForecastRowTexts(occurrence, Date(2024, 6, 1), texts);
    EXPECT_EQ(Utf8(texts[1].Text()), "22.06.2024");
    occurrence.dates.end = occurrence.dates.begin;
    ForecastRowTexts(occurrence, Date(2024, 6, 1), texts);
    EXPECT_EQ(Utf8(texts[2].Text()), "");
}

}  // namespace
}  // namespace corvinata::events::test
