// The Event Finder's stored runs: the input (settings_input.h) is written
// into the registry, then read as the Event Finder window reads it when it
// opens: the started runs, the unstarted run, the shown run and its
// selected result, taken by the search control and shown, with a History
// row for every run and the selected result's tasks. What the window writes
// at exit from what it read reads back as it was written.
#include <memory>
#include <utility>

#include "base/date_time_text.h"
#include "base/location.h"
#include "base/settings_tree.h"
#include "fuzz/fuzz_targets.h"
#include "fuzz/settings_input.h"
#include "support/catalogues.h"
#include "tools/event_finder.h"
#include "tools/event_finder_store.h"

namespace corvinata::fuzz {

namespace {

using events::EventDefinition;

const String kRoot(kSettingsRoot);

DateTimeLocation Now() {
    DateTimeLocation now;
    now.dateTime = DateTime{2024, 6, 1, 12.0, kLocalCivilTime};
    return now;
}

// The texts the window and the History show of a run.
void ShowTexts(const EventDefinition& run) {
    String description;
    run.condition.Describe(description);
    GetTimeUnitName(run.step.unit);
    const int percent = events::RunProgressPercent(run);
    Expect(percent >= 0 && percent <= 100, "the progress is a percentage");
    const DateTime reached = events::RunProgressDate(run);
    String day, time;
    FormatDate(reached, kDateToDay, day);
    FormatTime(kTimeToSecond, reached, false, kRoundHoldDayEnd, nullptr, time);
    FormatLocationDescription(run.location, true, 0);
    for (const DateTimeRange& range : run.foundRanges) events::ResultLineText(range, run.step);
    String row[events::kHistoryColumnCount];
    events::HistoryRowTexts(run, 0, row);
}

class ShowingView final : public events::EventFinderView {
public:
    void ShowRun(const EventDefinition& run, int) override { ShowTexts(run); }
    void ShowSearching(const EventDefinition&) override {}
    void ShowProgress(int, const DateTime&) override {}
    void ShowResult(const EventDefinition&, bool) override {}
    void ShowEnded(const EventDefinition&) override {}
};

class NoThreads final : public events::SearchThreadStarter {
public:
    std::unique_ptr<events::SearchThread> Start(std::function<void()>) override {
        Expect(false, "opening the window starts no search");
        return nullptr;
    }
};

void Save(StorageService& storage, const events::StoredEventFinder& stored) {
    SettingsTreeWriter writer(storage, kRoot);
    events::SaveEventFinder(writer, stored);
}

}  // namespace

int FuzzEventFinderStore(const std::uint8_t* data, std::size_t size) {
    // The catalogues are built once, not by every run.
    static const test::ScopedCatalogues catalogues;
    MemoryStorageService storage;
    WriteSettingsRecords(storage, kRoot, SettingsRecords(data, size));
    events::StoredEventFinder stored;
    events::LoadEventFinder(storage, kRoot, Now(), stored);
    const int runs = static_cast<int>(stored.runs.size());
    Expect(stored.display >= -1 && stored.display < runs, "the shown run is a started one or the unstarted one");
    const int results =
        stored.display >= 0 ? static_cast<int>(stored.runs[static_cast<std::size_t>(stored.display)].foundRanges.size()) : 0;
    Expect(stored.selectedResult == 0 || (stored.selectedResult > 0 && stored.selectedResult < results),
           "the selected result is one of the shown run's");
    for (const EventDefinition& run : stored.runs) {
        Expect(run.runState == events::kRunStopRequested || run.runState == events::kRunComplete,
               "a stored run is stopped or complete");
    }
    Expect(stored.unstarted.runState == events::kRunNotStarted && stored.unstarted.foundRanges.empty(),
           "the unstarted run is not started and has no results");

    NotificationHub hub;
    NotificationQueue queue;
    NoThreads threads;
    ShowingView view;
    events::EventFinderControl control(hub, queue, threads, Now);
    control.SetView(&view);
    control.Restore(std::move(stored.runs), stored.unstarted, stored.display, stored.selectedResult);
    for (std::size_t p = 0; p < control.RunCount(); ++p) ShowTexts(control.RunAt(p));
    events::EventFinderTaskSelection(control.Current(), control.SelectedResult());
    events::EventFinderResultRequest(control.Current(), control.SelectedResult());

    events::StoredEventFinder atExit;
    for (std::size_t p = 0; p < control.RunCount(); ++p) atExit.runs.push_back(control.RunAt(p));
    atExit.display = control.CurrentPosition();
    atExit.selectedResult = control.SelectedResult();
    atExit.unstarted = control.Unstarted();
    RecordingStorage written;
    Save(written, atExit);
    events::StoredEventFinder readBack;
    events::LoadEventFinder(written, kRoot, Now(), readBack);
    RecordingStorage writtenAgain;
    Save(writtenAgain, readBack);
    Expect(written.registry.Values() == writtenAgain.registry.Values(),
           "the runs written at exit read back as they were written");

    // Edit takes the shown run into the unstarted one.
    control.Edit();
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzEventFinderStore)
