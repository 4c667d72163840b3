// What the Event Finder's control adds to a search: a year of full-moon
// search at hourly steps run through the control (worker thread, mailbox,
// queue, batches applied to the run and a view that does nothing) against
// the same search run by the engine alone (BM_FullMoonYearHourly).
#include <benchmark/benchmark.h>

#include <condition_variable>
#include <mutex>

#include "../tests/support/catalogues.h"
#include "../tests/support/search_threads.h"
#include "tools/event_finder.h"

namespace corvinata::events {
namespace {

struct QuietView final : EventFinderView {
    void ShowRun(const EventDefinition&, int) override {}
    void ShowSearching(const EventDefinition&) override {}
    void ShowProgress(int, const DateTime&) override {}
    void ShowResult(const EventDefinition&, bool) override {}
    void ShowEnded(const EventDefinition&) override {}
};

void BM_FullMoonYearHourlyThroughTheControl(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    NotificationHub hub;
    // The user-interface thread sleeps until the worker posts, as a message
    // loop does.
    std::mutex mutex;
    std::condition_variable posted;
    NotificationQueue queue([&] {
        std::lock_guard<std::mutex> lock(mutex);
        posted.notify_one();
    });
    ObserverSet reports;
    test::TestSearchThreads threads;
    QuietView view;
    EventFinderControl control(hub, queue, threads, [] {
        DateTimeLocation now;
        now.dateTime = DateTime{2024, 6, 1, 12.0, kLocalCivilTime};
        now.location.coordinates.longitude = LongitudeValue(0.1275, kWestPositive);
        now.location.coordinates.latitude = LatitudeValue(51.5072, kLatitudeHemisphereLetter);
        return now;
    });
    control.SetClock([](DateTime& now) {
        now = DateTime{2024, 6, 1, 12.0, kLocalCivilTime};
        return true;
    });
    control.SetView(&view);
    reports.Insert(&control);
    SearchSetup setup;
    setup.from = DateTime{2024, 1, 1, 0.0, kLocalCivilTime};
    setup.to = DateTime{2024, 12, 31, 0.0, kLocalCivilTime};
    setup.count = String(TXT("1"));
    setup.unit = String(TXT("Hours"));
    for (auto _ : state) {
        control.Edit();
        control.Start(setup);
        while (control.IsSearching()) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                posted.wait_for(lock, std::chrono::milliseconds(5), [&] { return !queue.IsEmpty(); });
            }
            queue.Drain(reports);
        }
        benchmark::DoNotOptimize(control.Current().foundRanges.size());
        state.PauseTiming();
        while (control.RunCount() > 0) control.DeleteRow(0);
        state.ResumeTiming();
    }
    reports.Forget(&control);
}
BENCHMARK(BM_FullMoonYearHourlyThroughTheControl)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata::events
