// The Event Finder's search control against a recording view and real
// worker threads, and its runs in a memory registry whose writes can fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <iterator>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "app/app_interfaces.h"
#include "app/copy_end_records.h"
#include "base/memory_storage.h"
#include "base/registry_overlay.h"
#include "event_testing.h"
#include "support/search_hold.h"
#include "support/search_threads.h"
#include "tools/event_finder.h"
#include "tools/event_finder_store.h"

namespace corvinata::events::test {
namespace {

using corvinata::test::Wide;

struct RecordingView final : EventFinderView {
    void ShowRun(const EventDefinition&, int selected) override { shown.push_back(selected); }
    void ShowSearching(const EventDefinition&) override { ++searching; }
    void ShowProgress(int percent, const DateTime&) override { lastPercent = percent; }
    void ShowResult(const EventDefinition& run, bool) override { lines = run.foundRanges.size(); }
    void ShowEnded(const EventDefinition& run) override { endedStates.push_back(run.runState); }
    std::vector<int> shown;
    int searching = 0;
    int lastPercent = -1;
    std::size_t lines = 0;
    std::vector<std::uint32_t> endedStates;
};

struct Listener final : NotificationObserver {
    void OnNotify(std::int32_t event, std::uint32_t flags, void*) override {
        if (flags == 0) events.push_back(event);
    }
    void Update(void*) override {}
    std::vector<int> events;
};

DateTimeLocation AtLondon() {
    DateTimeLocation now;
    now.dateTime = Date(2024, 6, 1, 12.0);
    now.location.coordinates = London();
    return now;
}

struct Finder {
    Finder() : control(hub, queue, threads, [] { return AtLondon(); }) {
        reports.Insert(&control);
        control.SetView(&view);
        control.SetClock([](DateTime& now) {
            now = Date(2024, 6, 1, 12.5);
            return true;
        });
        hub.Insert(&listener);
    }
    ~Finder() {
        hub.Forget(&listener);
        reports.Forget(&control);
    }

    // The user-interface thread's part: the queue drained until the search ends.
    void WaitForEnd() {
        while (control.IsSearching()) {
            queue.Drain(reports);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        queue.Drain(reports);
    }
    StartRefusal Start(const char* from, const char* to, const char* count, const char* unit) {
        SearchSetup setup;
        setup.from = Parse(from);
        setup.to = Parse(to);
        setup.count = String(Wide(count).c_str());
        setup.unit = String(Wide(unit).c_str());
        return control.Start(setup);
    }
    static DateTime Parse(const char* text) {
        int d = 0, m = 0, y = 0;
        std::sscanf(text, "%d.%d.%d", &d, &m, &y);
        return Date(y, m, d);
    }
    std::vector<std::string> Lines(const EventDefinition& run) const {
        std::vector<std::string> lines;
        for (const auto& range : run.foundRanges) lines.push_back(Utf8(ResultLineText(range, run.step).Text()));
        return lines;
    }

    NotificationHub hub;
    NotificationQueue queue;
    ObserverSet reports;  // the control alone, as the window drains its queue
    corvinata::test::TestSearchThreads threads;
    RecordingView view;
    Listener listener;
    EventFinderControl control;
};

TEST(EventFinder, AYearOfFullMoonsAtLondon) {
    Finder f;
    ASSERT_EQ(f.Start("1.1.2024", "31.12.2024", "1", "Hours"), StartRefusal::kNone);
    f.WaitForEnd();
    const EventDefinition& run = f.control.Current();
    EXPECT_EQ(run.runState, kRunComplete);
    const auto lines = f.Lines(run);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "25.01.2024 18:00"), lines.end());
    EXPECT_EQ(f.view.lines, 12u);
    EXPECT_EQ(f.view.endedStates, std::vector<std::uint32_t>{kRunComplete});
    EXPECT_EQ(RunProgressPercent(run), 100);
    // Started, results (in batches), ended: in that order.
    auto& events = f.listener.events;
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events.front(), kEventSearchStarted);
    EXPECT_EQ(events.back(), kEventSearchEnded);
    EXPECT_EQ(std::count(events.begin(), events.end(), kEventSearchResultFound),
              static_cast<long>(events.size()) - 2);

    f.control.Edit();
    ASSERT_EQ(f.Start("1.1.2024", "31.12.2024", "1", "Days"), StartRefusal::kNone);
    f.WaitForEnd();
    EXPECT_EQ(f.Lines(f.control.Current()).front().size(), 10u) << "dates only at a daily step";
}

TEST(EventFinder, StartRefusals) {
    const struct {
        const char* from;
        const char* to;
        const char* count;
        StartRefusal refusal;
    } cases[] = {
        {"2.1.2024", "1.1.2024", "1", StartRefusal::kRangeReversed},
        {"1.1.2024", "1.1.2024", "0", StartRefusal::kIntervalNotPositive},
        {"1.1.2024", "1.1.2024", "", StartRefusal::kIntervalNotPositive},
        {"1.1.2024", "1.1.2024", "-3", StartRefusal::kIntervalNotPositive},
        {"1.1.2024", "1.1.2024", "3h", StartRefusal::kIntervalNotPositive},
        {"1.1.2024", "1.1.2024", "6", StartRefusal::kNone},
    };
    for (const auto& c : cases) {
        Finder f;
        EXPECT_EQ(f.Start(c.from, c.to, c.count, "Hours"), c.refusal) << c.from << " " << c.count;
        f.WaitForEnd();
        EXPECT_EQ(f.control.RunCount(), c.refusal == StartRefusal::kNone ? 1u : 0u);
    }
}

// Stopped anywhere and continued, a search gives the ranges of an
// uninterrupted one, and a stopped run keeps what it found.
TEST(EventFinder, StopAndContinueMatchAnUninterruptedSearch) {
    Finder whole;
    whole.Start("1.1.2024", "31.3.2024", "1", "Hours");
    whole.WaitForEnd();
    const auto expected = whole.Lines(whole.control.Current());
    ASSERT_EQ(expected.size(), 3u);
    // Held at its start, after the full moon of 25 January and after that
    // of 24 February, the search is stopped there.
    const struct {
        int percent;
        std::size_t found;
    } cases[] = {{0, 0}, {30, 1}, {62, 2}};
    for (const auto& c : cases) {
        corvinata::test::SearchHold hold(c.percent);
        Finder f;
        f.control.SetProgressHold(hold.Hold());
        f.Start("1.1.2024", "31.3.2024", "1", "Hours");
        while (!hold.Holding()) f.queue.Drain(f.reports);
        f.control.Stop();
        EXPECT_FALSE(f.control.IsSearching());
        const EventDefinition& run = f.control.Current();
        ASSERT_EQ(run.runState, kRunStopRequested) << c.percent;
        EXPECT_EQ(f.view.endedStates.back(), kRunStopRequested);
        EXPECT_EQ(run.foundRanges.size(), c.found) << c.percent;
        f.control.Continue();
        f.WaitForEnd();
        EXPECT_EQ(run.runState, kRunComplete);
        EXPECT_EQ(f.Lines(run), expected) << "stopped at " << c.percent << " %";
    }
}

// Keeps a worker at its first progress report of at least `percent` until
// the test lets it go, whatever it is asked meanwhile: a worker that does
// not answer a stop.
class StuckWorker {
public:
    explicit StuckWorker(int percent) : percent_(percent) {}
    EventFinderControl::ProgressHold Hold() {
        return [this](int percent, const std::atomic<bool>&) {
            std::unique_lock<std::mutex> lock(mutex_);
            if (spent_ || percent < percent_) return;
            spent_ = true;
            stuck_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
        };
    }
    bool Stuck() {
        std::lock_guard<std::mutex> lock(mutex_);
        return stuck_;
    }
    void Release() {
        std::lock_guard<std::mutex> lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    const int percent_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool spent_ = false;
    bool stuck_ = false;
    bool released_ = false;
};

// A stop waits ten seconds at most for its worker. One still searching then
// leaves its run stopped where its last progress was taken in, with what it
// had found before; its late end reaches the run, which continues only
// after it, to the ranges of an uninterrupted search.
TEST(EventFinder, AStopWaitsTenSecondsAtMostAndTheRunContinuesAfterTheLateEnd) {
    Finder whole;
    whole.Start("1.1.2024", "31.3.2024", "1", "Hours");
    whole.WaitForEnd();
    const auto expected = whole.Lines(whole.control.Current());
    ASSERT_EQ(expected.size(), 3u);

    StuckWorker stuck(30);  // after the full moon of 25 January
    Finder f;
    f.control.SetProgressHold(stuck.Hold());
    f.Start("1.1.2024", "31.3.2024", "1", "Hours");
    while (!stuck.Stuck()) f.queue.Drain(f.reports);
    f.queue.Drain(f.reports);
    const EventDefinition& run = f.control.Current();
    const DateTime reached = run.stoppedAt;
    f.threads.SetAnswerAtOnce(true);
    f.control.Stop();
    EXPECT_EQ(f.threads.Waits(), std::vector<std::uint32_t>{kSearchStopWaitMilliseconds});
    EXPECT_FALSE(f.control.IsSearching());
    EXPECT_EQ(run.runState, kRunStopRequested);
    EXPECT_EQ(f.view.endedStates, std::vector<std::uint32_t>{kRunStopRequested});
    EXPECT_EQ(f.Lines(run), std::vector<std::string>{expected[0]});
    EXPECT_TRUE(DateTimeEqual(run.stoppedAt, reached));
    EXPECT_GT(RunProgressPercent(run), 29);
    // Its worker still searching, the run does not continue.
    f.control.Continue();
    EXPECT_EQ(f.threads.Started(), 1);
    EXPECT_EQ(run.runState, kRunStopRequested);
    // Let go, the worker sees the stop and ends; the run stays stopped.
    stuck.Release();
    while (f.view.endedStates.size() < 2) f.queue.Drain(f.reports);
    EXPECT_EQ(f.view.endedStates.back(), kRunStopRequested);
    f.threads.SetAnswerAtOnce(false);
    f.control.Continue();
    f.WaitForEnd();
    EXPECT_EQ(run.runState, kRunComplete);
    EXPECT_EQ(f.Lines(run), expected);
}

// A worker that outlives the control touches nothing of it: its reports go
// into the closed mailbox.
TEST(EventFinder, AWorkerLeftRunningOutlivesItsControl) {
    corvinata::test::TestSearchThreads threads;
    threads.CloseGate();
    {
        NotificationHub hub;
        NotificationQueue queue;
        EventFinderControl control(hub, queue, threads, [] { return AtLondon(); });
        control.SetClock([](DateTime& now) {
            now = Date(2024, 6, 1, 12.5);
            return true;
        });
        SearchSetup setup;
        setup.from = Date(2024, 1, 1);
        setup.to = Date(2024, 3, 31);
        setup.count = String(TXT("1"));
        setup.unit = String(TXT("Hours"));
        ASSERT_EQ(control.Start(setup), StartRefusal::kNone);
        BroadcastNotification(hub, kEventShutdown, 0, nullptr);
        EXPECT_FALSE(control.IsSearching());
        EXPECT_EQ(control.Current().runState, kRunStopRequested);
    }
    threads.JoinAll();
    EXPECT_EQ(threads.Waits(), std::vector<std::uint32_t>{kSearchStopWaitMilliseconds});
}

TEST(EventFinder, HistoryPicksDeletionsAndTheRunEachWorkerOwns) {
    corvinata::test::SearchHold hold(0);
    Finder f;
    f.Start("1.1.2024", "31.1.2024", "1", "Days");
    f.WaitForEnd();
    f.control.Edit();
    // Two runs started within one second: the same time executed. The
    // second is held at its start, so that the pick finds it running.
    f.control.SetProgressHold(hold.Hold());
    f.Start("1.1.2024", "31.12.2030", "1", "Hours");
    while (!hold.Holding()) f.queue.Drain(f.reports);
    EventDefinition* searching = &const_cast<EventDefinition&>(f.control.Current());
    // A pick in the History stops the search, which keeps its own results.
    f.control.ShowRow(1);
    EXPECT_FALSE(f.control.IsSearching());
    EXPECT_EQ(searching->runState, kRunStopRequested);
    EXPECT_EQ(f.control.CurrentPosition(), 0);
    EXPECT_EQ(f.control.Current().foundRanges.size(), 1u) << "the older run got no result of the newer";
    // Rows that do not exist change nothing.
    for (int row : {-1, 2, 99}) {
        f.control.ShowRow(row);
        f.control.DeleteRow(row);
    }
    EXPECT_EQ(f.control.RunCount(), 2u);
    EXPECT_EQ(f.control.CurrentPosition(), 0);
    // Deleting the shown run leaves its copy as the unstarted run.
    const DateTime from = f.control.Current().from;
    f.control.DeleteRow(1);
    EXPECT_EQ(f.control.RunCount(), 1u);
    EXPECT_EQ(f.control.CurrentPosition(), -1);
    EXPECT_EQ(f.control.Current().runState, kRunNotStarted);
    EXPECT_TRUE(f.control.Current().foundRanges.empty());
    EXPECT_TRUE(DateTimeEqual(f.control.Current().from, from));
    // The stopped run continues, after a restart of the control, too.
    f.control.ShowRow(0);
    f.control.Continue();
    EXPECT_TRUE(f.control.IsSearching());
    f.control.DeleteRow(0);  // deleting the running run stops it first
    EXPECT_FALSE(f.control.IsSearching());
    EXPECT_EQ(f.control.RunCount(), 0u);
}

TEST(EventFinder, ALocationChangeReachesOnlyTheUnstartedRun) {
    Finder f;
    f.Start("1.1.2024", "2.1.2024", "1", "Days");
    f.WaitForEnd();
    f.control.Unstarted().location.coordinates.latitude = LatitudeValue(10.0, kLatitudeHemisphereLetter);
    BroadcastNotification(f.hub, kEventLocationChanged, 0, nullptr);
    EXPECT_DOUBLE_EQ(f.control.Unstarted().location.coordinates.latitude.GetValue(), 10.0);
    f.control.Edit();
    f.control.Unstarted().location.coordinates.latitude = LatitudeValue(10.0, kLatitudeHemisphereLetter);
    BroadcastNotification(f.hub, kEventLocationChanged, 0, nullptr);
    EXPECT_NEAR(f.control.Current().location.coordinates.latitude.GetValue(), 51.5072, 1e-9);
}

// The program's place reaches the unstarted run with its numbers and names;
// the run keeps how it shows them (orientation, side style), whichever way
// the place comes: Edit of the unstarted run or of a run it started, or a
// change of the program's place.
TEST(EventFinder, APlaceHandedToTheUnstartedRunKeepsItsDisplayModes) {
    const std::function<void(Finder&)> ways[] = {
        [](Finder& f) { f.control.Edit(); },
        [](Finder& f) {
            f.Start("1.1.2024", "2.1.2024", "1", "Days");
            f.WaitForEnd();
            f.control.Edit();
        },
        [](Finder& f) { BroadcastNotification(f.hub, kEventLocationChanged, 0, nullptr); },
        [](Finder& f) { BroadcastNotification(f.hub, kEventDateTimeLocationChanged, 0, nullptr); },
    };
    for (std::size_t way = 0; way < std::size(ways); ++way) {
        Finder f;
        GeoCoordinates& own = f.control.Unstarted().location.coordinates;
        own.longitude = LongitudeValue(-16.37, kEastPositive);
        own.latitude = LatitudeValue(48.21, kLatitudeMinusSign);
        ways[way](f);
        const Location& place = f.control.Current().location;
        EXPECT_EQ(f.control.CurrentPosition(), -1) << way;
        EXPECT_TRUE(LocationEqual(place, AtLondon().location)) << way;
        EXPECT_EQ(place.coordinates.longitude.GetOrientation(), kEastPositive) << way;
        EXPECT_EQ(place.coordinates.latitude.mode, kLatitudeMinusSign) << way;
    }
}

// 1,000 random commands while workers run: ASan and ThreadSanitizer watch
// that no run is touched after it went and no worker races the window.
TEST(EventFinderThreads, RandomCommandsWhileWorkersRun) {
    Finder f;
    std::mt19937 random(38);
    for (int i = 0; i < 1000; ++i) {
        const int rows = static_cast<int>(f.control.RunCount());
        switch (random() % 8) {
            case 0:
                f.control.Edit();
                // A few days to three months: some end on their own, some are stopped.
                f.Start("1.1.2024", random() % 2 ? "5.1.2024" : "31.3.2024", "1", "Hours");
                break;
            case 1: f.control.Stop(); break;
            case 2: f.control.Continue(); break;
            case 3: f.control.ShowRow(rows > 0 ? static_cast<int>(random() % rows) : 0); break;
            case 4:
                if (rows > 0) f.control.DeleteRow(static_cast<int>(random() % rows));
                break;
            case 5:
                BroadcastNotification(f.hub, kEventLocationChanged, 0, nullptr);
                break;
            default:
                // Let the worker get on before the next command.
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 2000));
                f.queue.Drain(f.reports);
                break;
        }
    }
    f.WaitForEnd();
    EXPECT_GT(f.threads.Started(), 100);
    for (std::size_t p = 0; p < f.control.RunCount(); ++p) {
        const auto state = f.control.RunAt(p).runState;
        EXPECT_TRUE(state == kRunStopRequested || state == kRunComplete);
    }
}

// Storage whose registry refuses the writes a test names.
class FailingRegistry final : public RegistryApi {
public:
    explicit FailingRegistry(RegistryApi& inner) : inner_(inner) {}
    Key RootKey(RegistryHive hive) override { return inner_.RootKey(hive); }
    bool OpenKey(Key parent, const Char* subkey, Key& key) override { return inner_.OpenKey(parent, subkey, key); }
    bool CreateKey(Key parent, const Char* name, Key& key) override {
        return Alive() && inner_.CreateKey(parent, name, key);
    }
    bool CloseKey(Key key) override { return inner_.CloseKey(key); }
    bool QueryValue(Key key, const Char* name, std::uint32_t& type, void* data, std::uint32_t& size) override {
        return inner_.QueryValue(key, name, type, data, size);
    }
    bool SetValue(Key key, const Char* name, std::uint32_t type, const void* data, std::uint32_t size) override {
        if (!failing.empty() && std::basic_string<Char>(name) == failing && skip-- <= 0) return false;
        return Alive() && inner_.SetValue(key, name, type, data, size);
    }
    bool CountSubkeys(Key key, std::uint32_t& count) override { return inner_.CountSubkeys(key, count); }
    RegistryEnumResult EnumSubkey(Key key, std::uint32_t index, Char* name, std::uint32_t capacity) override {
        return inner_.EnumSubkey(key, index, name, capacity);
    }
    bool DeleteSubkey(Key parent, const Char* name) override { return Alive() && inner_.DeleteSubkey(parent, name); }

    std::basic_string<Char> failing;
    int skip = 0;  // writes of that name that still succeed
    // The program is killed after this many changes (keys made or deleted,
    // values written): nothing after them reaches the registry. Negative:
    // never.
    int changesLeft = -1;

private:
    bool Alive() {
        if (changesLeft < 0) return true;
        if (changesLeft == 0) return false;
        --changesLeft;
        return true;
    }

    RegistryApi& inner_;
};

class FailingStorage final : public StorageService {
public:
    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override { return inner.CreateBinaryFile(path); }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return inner.CreateLocaleFormatter(); }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return inner.CreateSystemInfo(); }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return inner.CreateFileFinder(); }
    bool PathExists(const Char* path) override { return inner.PathExists(path); }
    bool IsFolder(const Char* path) override { return inner.IsFolder(path); }
    bool MakeFolder(const Char* path) override { return inner.MakeFolder(path); }
    bool RemoveFolder(const Char* path) override { return inner.RemoveFolder(path); }
    bool RemoveFile(const Char* path) override { return inner.RemoveFile(path); }
    RegistryApi& Registry() override { return registry; }

    MemoryStorageService inner;
    FailingRegistry registry{inner.Registry()};
};

const String kRoot(TXT("Software\\Corvinata\\Test"));

bool SaveAt(StorageService& storage, const StoredEventFinder& in) {
    SettingsTreeWriter writer(storage, kRoot);
    return SaveEventFinder(writer, in);
}

StoredEventFinder ThreeRuns() {
    Finder f;
    for (const char* to : {"10.1.2024", "20.1.2024", "31.1.2024"}) {
        f.control.Edit();
        f.Start("1.1.2024", to, "1", "Days");
        f.WaitForEnd();
    }
    StoredEventFinder stored;
    for (std::size_t p = 0; p < f.control.RunCount(); ++p) stored.runs.push_back(f.control.RunAt(p));
    stored.unstarted = f.control.Unstarted();
    stored.display = 1;
    stored.selectedResult = 0;
    return stored;
}

TEST(EventFinderStore, RunsComeBackAndStoredValuesAreChecked) {
    const StoredEventFinder saved = ThreeRuns();
    const struct {
        int display;
        int selected;
        std::uint32_t state;  // of run 0
        int displayRead;
        int selectedRead;
        std::uint32_t stateRead;
    } cases[] = {
        {1, 0, kRunComplete, 1, 0, kRunComplete},
        {7, 0, kRunComplete, 2, 0, kRunComplete},             // beyond the list: the newest
        {-5, 0, kRunComplete, -1, 0, kRunComplete},           // below -1 counts as -1
        {1, 99, kRunRunning, 1, 0, kRunStopRequested},        // no worker survives
        {0, 0, 17, 0, 0, kRunStopRequested},                  // an unknown state
        {1, -3, kRunStopRequested, 1, 0, kRunStopRequested},
    };
    for (const auto& c : cases) {
        FailingStorage storage;
        StoredEventFinder in = saved;
        in.display = c.display;
        in.selectedResult = c.selected;
        in.runs[0].runState = c.state;
        EXPECT_TRUE(SaveAt(storage, in));
        StoredEventFinder out;
        LoadEventFinder(storage, kRoot, AtLondon(), out);
        ASSERT_EQ(out.runs.size(), 3u);
        EXPECT_EQ(out.display, c.displayRead);
        EXPECT_EQ(out.selectedResult, c.selectedRead);
        EXPECT_EQ(out.runs[0].runState, c.stateRead);
        EXPECT_EQ(out.runs[2].foundRanges.size(), saved.runs[2].foundRanges.size());
        EXPECT_TRUE(DateTimeEqual(out.runs[1].to, saved.runs[1].to));
        EXPECT_EQ(Utf8(out.runs[1].condition.searchExpression.Text()),
                  Utf8(saved.runs[1].condition.searchExpression.Text()));
    }
}

TEST(EventFinderStore, AFailedWriteLosesOnlyItsOwnPart) {
    const StoredEventFinder saved = ThreeRuns();
    // The old list survives a new list that cannot be written whole; the
    // unstarted run's or the index's failure does not keep the list from
    // being written.
    const struct {
        const char* failing;
        int skip;
        bool listIsNew;
    } cases[] = {
        {"DST active", 1, false},       // the second run of the new list fails
        {"Displaying run", 0, true},
        {"Complete", 0, false},
        {"", 0, true},
    };
    for (const auto& c : cases) {
        FailingStorage storage;
        StoredEventFinder old = saved;
        old.runs.pop_back();
        old.display = -1;
        ASSERT_TRUE(SaveAt(storage, old));
        storage.registry.failing = Wide(c.failing);
        storage.registry.skip = c.skip;
        StoredEventFinder in = saved;
        in.display = -1;
        EXPECT_FALSE(SaveAt(storage, in) && *c.failing) << c.failing;
        storage.registry.failing.clear();
        StoredEventFinder out;
        LoadEventFinder(storage, kRoot, AtLondon(), out);
        EXPECT_EQ(out.runs.size(), c.listIsNew ? 3u : 2u) << c.failing;
    }
}

// A value planted in the stored list, which only a rewrite of the list
// removes.
const Char kPlanted[] = TXT("Planted");
const Char kFinder[] = TXT("Event Finder");

void PlantIn(StorageService& storage, const Char* list) {
    SettingsTreeWriter writer(storage, kRoot);
    WriteGroup finder(writer, kFinder);
    WriteGroup runs(writer, list);
    ASSERT_TRUE(WriteIntValue(writer, kPlanted, 71));
}

bool HasKey(StorageService& storage, const Char* list) {
    SettingsTree tree(storage, kRoot);
    ReadGroup finder(tree, kFinder);
    ReadGroup runs(tree, list);
    return finder.IsOpen() && runs.IsOpen();
}

bool PlantedSurvives(StorageService& storage) {
    SettingsTree tree(storage, kRoot);
    ReadGroup finder(tree, kFinder);
    ReadGroup runs(tree, TXT("History\\Runs"));
    std::int32_t value = 0;
    return runs.IsOpen() && ReadIntValue(tree, kPlanted, value) && value == 71;
}

TEST(EventFinderStore, AnExitWritesTheRunListOnlyWhenItChanged) {
    const StoredEventFinder saved = ThreeRuns();
    const struct {
        const char* name;
        std::function<void(StorageService&)> before;  // what the settings hold besides the list
        std::function<void(StoredEventFinder&)> change;
        bool written;
    } cases[] = {
        {"unchanged", nullptr, nullptr, false},
        {"another run shown", nullptr, [](StoredEventFinder& s) { s.display = 0; }, false},
        {"a result more", nullptr, [](StoredEventFinder& s) { s.runs[2].foundRanges.push_back(s.runs[2].foundRanges[0]); }, true},
        {"a result moved", nullptr, [](StoredEventFinder& s) { s.runs[2].foundRanges[0].end.hours += 0.5; }, true},
        {"a run deleted", nullptr, [](StoredEventFinder& s) { s.runs.erase(s.runs.begin()); }, true},
        {"a run continued", nullptr, [](StoredEventFinder& s) { s.runs[1].runState = kRunStopRequested; }, true},
        {"another place", nullptr, [](StoredEventFinder& s) { s.runs[1].location.town = String(TXT("Paris")); }, true},
        {"a new run", nullptr, [](StoredEventFinder& s) { s.runs.push_back(s.runs[0]); }, true},
        // Read from a save whose copy into place did not finish: the list
        // goes into place now, as before.
        {"unfinished save", [](StorageService& storage) {
             SettingsTreeWriter writer(storage, kRoot);
             WriteGroup finder(writer, kFinder);
             WriteGroup saving(writer, TXT("History\\Runs (saving)"));
         }, nullptr, true},
        // Stored while running: read as stopped, written as stopped.
        {"stored running", [](StorageService& storage) {
             StoredEventFinder running = ThreeRuns();
             running.runs[0].runState = kRunRunning;
             ASSERT_TRUE(SaveAt(storage, running));
         }, nullptr, true},
    };
    for (const auto& c : cases) {
        MemoryStorageService storage;
        ASSERT_TRUE(SaveAt(storage, saved));
        if (c.before) c.before(storage);
        PlantIn(storage, TXT("History\\Runs"));
        StoredRunList onRecord;
        StoredEventFinder in;
        LoadEventFinder(storage, kRoot, AtLondon(), in, &onRecord);
        if (c.change) c.change(in);
        {
            SettingsTreeWriter writer(storage, kRoot);
            EXPECT_TRUE(SaveEventFinder(writer, in, &onRecord)) << c.name;
        }
        EXPECT_EQ(PlantedSurvives(storage), !c.written) << c.name;
        EXPECT_FALSE(HasKey(storage, TXT("History\\Runs (saving)"))) << c.name;
        // What the settings hold reads back as the runs saved, whether
        // written now or left as they were.
        StoredRunList readBack;
        StoredEventFinder out;
        LoadEventFinder(storage, kRoot, AtLondon(), out, &readBack);
        EXPECT_TRUE(readBack.Holds(in.runs)) << c.name;
        EXPECT_EQ(out.display, in.display) << c.name;
        // A later exit without a change leaves what this one wrote.
        PlantIn(storage, TXT("History\\Runs"));
        {
            SettingsTreeWriter writer(storage, kRoot);
            EXPECT_TRUE(SaveEventFinder(writer, in, &onRecord)) << c.name;
        }
        EXPECT_TRUE(PlantedSurvives(storage)) << c.name;
    }
}

bool SameRuns(const std::vector<EventDefinition>& a, const std::vector<EventDefinition>& b) {
    StoredRunList list;
    list.Set(a);
    return list.Holds(b);
}

// The runs the next start reads, as the window reads them.
std::vector<EventDefinition> StartAndRead(StorageService& storage, StoredRunList& onRecord) {
    StoredEventFinder read;
    LoadEventFinder(storage, kRoot, AtLondon(), read, &onRecord);
    return read.runs;
}

// An exit of `in` killed after `changes` changes (values written, keys
// made or deleted); true when it ended before.
bool ExitKilledAfter(FailingStorage& storage, const StoredEventFinder& in, StoredRunList& onRecord, int changes) {
    storage.registry.changesLeft = changes;
    {
        SettingsTreeWriter writer(storage, kRoot);
        SaveEventFinder(writer, in, &onRecord);
    }
    const bool ended = storage.registry.changesLeft > 0;
    storage.registry.changesLeft = -1;
    return ended;
}

// An exit that wrote `older`, a start, and its exit of `newer` killed after
// `changes` changes; true when that exit ended before.
bool StartThenKilledExit(FailingStorage& storage, const StoredEventFinder& older, const StoredEventFinder& newer,
                         int changes) {
    EXPECT_TRUE(SaveAt(storage, older));
    StoredRunList onRecord;
    StartAndRead(storage, onRecord);
    return ExitKilledAfter(storage, newer, onRecord, changes);
}

// An exit killed anywhere while it writes its runs (a second Ctrl+C, the
// end of a shutdown's wait) leaves the next start one of the two lists
// whole, the old one or the new one; and so does that start's own exit,
// killed anywhere in turn, for the start after it.
TEST(EventFinderStore, AnExitKilledAnywhereLeavesOneListWhole) {
    StoredEventFinder newer = ThreeRuns();
    newer.runs.pop_back();
    StoredEventFinder older = newer;
    older.runs.pop_back();
    int killedFirst = 0;
    for (int first = 0;; ++first) {
        FailingStorage storage;
        const bool ended = StartThenKilledExit(storage, older, newer, first);
        StoredRunList secondRecord;
        const std::vector<EventDefinition> second = StartAndRead(storage, secondRecord);
        ASSERT_TRUE(SameRuns(second, older.runs) || SameRuns(second, newer.runs))
            << "killed after " << first << " changes: " << second.size() << " runs read";
        if (ended) break;
        ++killedFirst;
        // The second exit, of the runs as read, killed at a few points of
        // its own (its first changes are where a list can be given up),
        // after every tenth point of the first.
        if (first % 10 != 0) continue;
        for (int then : {0, 1, 2, 5, 40, 150}) {
            FailingStorage again;
            StartThenKilledExit(again, older, newer, first);
            StoredRunList record;
            StoredEventFinder read;
            LoadEventFinder(again, kRoot, AtLondon(), read, &record);
            ExitKilledAfter(again, read, record, then);
            StoredRunList thirdRecord;
            const std::vector<EventDefinition> third = StartAndRead(again, thirdRecord);
            ASSERT_TRUE(SameRuns(third, read.runs))
                << "killed after " << first << " and then " << then << " changes: " << third.size() << " runs read";
        }
    }
    EXPECT_GT(killedFirst, 100) << "an exit makes that many changes";
}

// A new list marked whole that a cut deletion or damage left in part (the
// list in its place was whole) gives way to the list in its place.
TEST(EventFinderStore, ASavingListMarkedWholeButCutGivesWayToTheListInPlace) {
    const StoredEventFinder saved = ThreeRuns();
    const struct {
        const char* name;
        std::size_t firstKept;   // the runs before it are gone
        bool firstRecordCut;     // the first run kept has only its first value
    } cases[] = {
        {"its first run gone", 1, false},
        {"its first two runs gone", 2, false},
        {"its first run cut inside", 0, true},
    };
    for (const auto& c : cases) {
        MemoryStorageService storage;
        ASSERT_TRUE(SaveAt(storage, saved));
        {
            SettingsTreeWriter writer(storage, kRoot);
            WriteGroup finder(writer, kFinder);
            WriteGroup saving(writer, TXT("History\\Runs (saving)"));
            ASSERT_TRUE(WriteBoolValue(writer, TXT("Complete"), true));
            for (std::size_t i = c.firstKept; i < saved.runs.size(); ++i) {
                WriteGroup item(writer, Wide(std::to_string(i).c_str()).c_str());
                if (i == c.firstKept && c.firstRecordCut) {
                    WriteGroup executed(writer, TXT("Time executed"));
                    ASSERT_TRUE(WriteIntValue(writer, TXT("Year"), 2024));
                } else {
                    ASSERT_TRUE(SaveEventFinderRun(writer, saved.runs[i]));
                }
            }
        }
        StoredRunList onRecord;
        StoredEventFinder out;
        LoadEventFinder(storage, kRoot, AtLondon(), out, &onRecord);
        EXPECT_TRUE(SameRuns(out.runs, saved.runs)) << c.name << ": " << out.runs.size() << " runs read";
        // Its exit puts the list back in place and the cut one goes.
        {
            SettingsTreeWriter writer(storage, kRoot);
            EXPECT_TRUE(SaveEventFinder(writer, out, &onRecord)) << c.name;
        }
        EXPECT_FALSE(HasKey(storage, TXT("History\\Runs (saving)"))) << c.name;
        StoredRunList readBack;
        LoadEventFinder(storage, kRoot, AtLondon(), out, &readBack);
        EXPECT_TRUE(readBack.Holds(saved.runs)) << c.name;
    }
}

// A copy started by automation writes at its end the parts of the unstarted
// search its run changed, each part whole: the range (from and to), the
// step, the event, the place. What the user's exit wrote meanwhile stays
// wherever the copy changed nothing.
TEST(EventFinderStore, ACopysEndWritesTheSearchPartsItChangedEachWhole) {
    using Change = std::function<void(EventDefinition&)>;
    const Change moveToParis = [](EventDefinition& run) {
        run.location.coordinates.longitude = LongitudeValue(-2.35, kWestPositive);
        run.location.town = String(TXT("Paris"));
    };
    const struct {
        const char* name;
        Change copys;
        Change users;
        Change expected;  // from the start's search
    } cases[] = {
        {"the place only", moveToParis,
         [](EventDefinition& r) {
             r.step.count = 7;
             r.location.coordinates.latitude = LatitudeValue(40.0, kLatitudeHemisphereLetter);
         },
         [&](EventDefinition& r) { moveToParis(r); r.step.count = 7; }},
        {"the step's unit", [](EventDefinition& r) { r.step.unit = kHoursUnit; },
         [](EventDefinition& r) { r.step.count = 7; }, [](EventDefinition& r) { r.step.unit = kHoursUnit; }},
        {"the range's end", [](EventDefinition& r) { r.to.year = 2030; }, [](EventDefinition& r) { r.from.month = 3; },
         [](EventDefinition& r) { r.to.year = 2030; }},
        {"the event", [](EventDefinition& r) { r.condition.predefinedEvent = kEventFullMoon + 1; },
         [](EventDefinition& r) { r.daylightSaving = true; r.condition.isMinimum = !r.condition.isMinimum; },
         [](EventDefinition& r) { r.daylightSaving = true; r.condition.predefinedEvent = kEventFullMoon + 1; }},
    };
    for (const auto& c : cases) {
        MemoryStorageService storage;
        StoredEventFinder start;
        InitDefaultEventFinderRun(start.unstarted, AtLondon());
        ASSERT_TRUE(SaveAt(storage, start));
        const auto written = [&storage](RegistryOverlay& into, const Change& change) {
            StoredEventFinder finder;
            LoadEventFinder(storage, kRoot, AtLondon(), finder);
            change(finder.unstarted);
            DivertedSettings diverted(storage, into);
            return SaveAt(storage, finder);
        };
        RegistryOverlay noted(storage.Registry());
        RegistryOverlay copys(storage.Registry());
        ASSERT_TRUE(written(noted, [](EventDefinition&) {}) && written(copys, c.copys)) << c.name;
        StoredEventFinder users;
        LoadEventFinder(storage, kRoot, AtLondon(), users);
        c.users(users.unstarted);
        ASSERT_TRUE(SaveAt(storage, users)) << c.name;
        ASSERT_TRUE(copys.WriteChangesSince(noted, storage.Registry(), kRoot.Text(), kCopysRecords, kCopysRecordCount));
        StoredEventFinder out, expected = start;
        LoadEventFinder(storage, kRoot, AtLondon(), out);
        c.expected(expected.unstarted);
        const EventDefinition& run = out.unstarted;
        const EventDefinition& want = expected.unstarted;
        EXPECT_TRUE(DateTimeEqual(run.from, want.from) && DateTimeEqual(run.to, want.to)) << c.name;
        EXPECT_TRUE(DateTimeEqual(run.stoppedAt, run.from)) << c.name;
        EXPECT_EQ(run.step.unit, want.step.unit) << c.name;
        EXPECT_EQ(run.step.count, want.step.count) << c.name;
        EXPECT_EQ(run.daylightSaving, want.daylightSaving) << c.name;
        EXPECT_EQ(run.condition.predefinedEvent, want.condition.predefinedEvent) << c.name;
        EXPECT_EQ(run.condition.isMinimum, want.condition.isMinimum) << c.name;
        EXPECT_EQ(Utf8(run.location.town.Text()), Utf8(want.location.town.Text())) << c.name;
        EXPECT_EQ(run.location.coordinates.longitude.GetValue(), want.location.coordinates.longitude.GetValue())
            << c.name;
        EXPECT_EQ(run.location.coordinates.latitude.GetValue(), want.location.coordinates.latitude.GetValue())
            << c.name;
    }
}

TEST(EventFinderStore, NothingStoredGivesTheDefaultRun) {
    FailingStorage storage;
    StoredEventFinder out;
    LoadEventFinder(storage, kRoot, AtLondon(), out);
    EXPECT_TRUE(out.runs.empty());
    EXPECT_EQ(out.display, -1);
    EXPECT_EQ(out.unstarted.condition.predefinedEvent, kEventFullMoon);
    EXPECT_EQ(out.unstarted.from.year, 2024);
    EXPECT_EQ(out.unstarted.to.year, 2025);
    EXPECT_EQ(out.unstarted.step.unit, kDaysUnit);
    EXPECT_EQ(RunProgressPercent(out.unstarted), 0);
    EventDefinition empty = out.unstarted;
    empty.to = empty.from;
    EXPECT_EQ(RunProgressPercent(empty), 0) << "no division of 0 by 0";
}

}  // namespace
}  // namespace corvinata::events::test

namespace corvinata::events::test {
namespace {

struct AllEvents final : NotificationObserver {
    void OnNotify(std::int32_t event, std::uint32_t, void*) override { events.push_back(event); }
    void Update(void*) override {}
    std::vector<int> events;
};

TEST(EventFinderHistory, DeletingSelectedRowsAnnouncesEachAndSelectsTheNextRow) {
    const struct {
        std::vector<int> selected;
        int runs;
        std::vector<int> events;
        int select;
        std::size_t left;
    } cases[] = {
        // Rows 1 and 2 of five: the second deletion addresses row 1 again.
        {{1, 2}, 5, {5, 7, 8, 7, 8, 6}, 1, 3},
        {{2}, 3, {5, 7, 8, 6}, 1, 2},      // the last row: the new last row
        {{0}, 1, {5, 7, 8, 6}, -1, 0},     // the only row: none left
        {{}, 3, {}, 0, 3},                 // nothing selected deletes nothing
    };
    for (const auto& c : cases) {
        Finder f;
        for (int i = 0; i < c.runs; ++i) {
            f.control.Edit();
            f.Start("1.1.2024", "2.1.2024", "1", "Days");
            f.WaitForEnd();
        }
        AllEvents all;
        f.hub.Insert(&all);
        EXPECT_EQ(DeleteHistoryRows(f.control, f.hub, c.selected, c.runs), c.select);
        EXPECT_EQ(all.events, c.events);
        EXPECT_EQ(f.control.RunCount(), c.left);
        f.hub.Forget(&all);
    }
}

TEST(EventFinderHistory, RowTextsAndTheQuestion) {
    Finder f;
    f.Start("1.1.2024", "31.1.2024", "1", "Days");
    f.WaitForEnd();
    String texts[kHistoryColumnCount];
    HistoryRowTexts(f.control.Current(), 0, texts);
    EXPECT_EQ(Utf8(texts[0].Text()), "01.06.2024 12:30:00");
    EXPECT_EQ(Utf8(texts[1].Text()), "01.01.2024");
    EXPECT_EQ(Utf8(texts[2].Text()), "31.01.2024");
    EXPECT_EQ(Utf8(texts[3].Text()), "Off");
    EXPECT_EQ(Utf8(texts[4].Text()), "1 day");
    EXPECT_EQ(Utf8(texts[8].Text()), "Complete");
    EXPECT_EQ(Utf8(texts[9].Text()), "1");
    EXPECT_EQ(Utf8(DeleteRunsQuestion(1).Text()), "Do you want to delete 1 run from the Event Finder history?");
    EXPECT_EQ(Utf8(DeleteRunsQuestion(0).Text()), "Do you want to delete 0 runs from the Event Finder history?");
}

}  // namespace
}  // namespace corvinata::events::test

namespace corvinata::events::test {
namespace {

// What the Related Tasks pane is told of an occurrence: the event type's own
// body where it names none, a second body only for an event of two, and its
// sentence with the names.
TEST(EventFinderTasks, AnOccurrenceAsThePaneNeedsIt) {
    corvinata::test::ScopedCatalogues catalogues;
    const CelestialObject* mars = Planet("Mars");
    const CelestialObject* venus = Planet("Venus");
    const CelestialObject* jupiter = Planet("Jupiter");
    const struct Case {
        int type;
        const CelestialObject* first;
        const CelestialObject* second;
        const CelestialObject* body;
        const CelestialObject* secondBody;
        const char* description;
    } cases[] = {
        {kEventFullMoon, nullptr, nullptr, GetCatalogueObject(kBodyMoon, 0), nullptr, "Full moon"},
        {kEventSolarEclipse, mars, nullptr, TheSun(), nullptr, "A solar eclipse occurs"},
        {kEventRise, mars, venus, mars, nullptr, "Mars rises"},
        {kEventConjunction, venus, jupiter, venus, jupiter, "Venus and Jupiter are in conjunction"},
    };
    const DateTimeRange dates{Date(2026, 8, 12, 17.0), Date(2026, 8, 12, 19.0)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        const RelatedEvent event = RelatedEventOf(c.type, dates, c.first, c.second);
        EXPECT_EQ(event.eventTypeId, c.type);
        EXPECT_EQ(event.body.object, c.body);
        EXPECT_EQ(event.secondBody.object, c.secondBody);
        EXPECT_EQ(Utf8(event.description), c.description);
        EXPECT_EQ(event.begin.hours, 17.0);
        EXPECT_EQ(event.end.hours, 19.0);
    }
}

// The selected result of a run: a predefined event with its dates, or the
// condition's body and quantity; nothing to offer while the run goes on or
// nothing is selected.
TEST(EventFinderTasks, TheSelectedResultOfARun) {
    corvinata::test::ScopedCatalogues catalogues;
    EventDefinition run;
    run.runState = kRunComplete;
    run.condition.isPredefined = true;
    run.condition.predefinedEvent = kEventFullMoon;
    run.foundRanges = {{Date(2026, 1, 3, 10.0), Date(2026, 1, 3, 10.0)},
                       {Date(2026, 2, 1, 22.0), Date(2026, 2, 1, 22.0)}};

    EventFinderSelection selection = EventFinderTaskSelection(run, 1);
    EXPECT_EQ(selection.resultCount, 2);
    EXPECT_FALSE(selection.runUnusable);
    EXPECT_TRUE(selection.predefined);
    EXPECT_EQ(Utf8(selection.event.description), "Full moon");
    EXPECT_EQ(selection.event.body.object, GetCatalogueObject(kBodyMoon, 0));
    EXPECT_EQ(selection.date.month, 2);

    EXPECT_TRUE(EventFinderTaskSelection(run, -1).runUnusable);
    EXPECT_TRUE(EventFinderTaskSelection(run, 2).runUnusable);
    run.runState = kRunRunning;
    EXPECT_TRUE(EventFinderTaskSelection(run, 0).runUnusable);

    run.runState = kRunComplete;
    const struct Case {
        bool userExpression;
        std::uint32_t quantity;
        std::uint32_t function;
    } conditions[] = {{false, 4, 4}, {true, kNoQuantity, 0}};
    for (const Case& c : conditions) {
        run.condition = EventCondition{};
        run.condition.isPredefined = false;
        run.condition.isUserExpression = c.userExpression;
        run.condition.quantity = c.quantity;
        run.condition.firstBody = BodyIdentifierFromObject(Planet("Mars"));
        selection = EventFinderTaskSelection(run, 0);
        EXPECT_FALSE(selection.predefined);
        EXPECT_EQ(selection.conditionBody.object, Planet("Mars"));
        EXPECT_EQ(selection.conditionFunction, c.function);
        EXPECT_EQ(selection.date.month, 1);
    }
}

// What a double-click on a result shows: the window its event type names
// with the type's body, or the condition's; a search without a body (as a
// script starts one) shows the Sky at the result's moment, which is local
// time at the search's place and goes as Universal time.
TEST(EventFinderTasks, AResultShowsInItsWindowAndOneWithoutABodyInTheSky) {
    corvinata::test::ScopedCatalogues catalogues;
    EventDefinition run;
    run.runState = kRunComplete;
    run.location.coordinates.timeZone.hours = 2.0;  // two hours east of Greenwich
    run.foundRanges = {{Date(2027, 3, 4, 12.5), Date(2027, 3, 4, 14.0)}};
    const struct Case {
        const char* what;
        bool predefined;
        int event;
        const CelestialObject* first;
        int kind;
        const CelestialObject* shown;
        double hours;  // of the moment shown
        std::int32_t timeSystem;
    } cases[] = {
        {"full moon", true, kEventFullMoon, nullptr, kSkyWindow, GetCatalogueObject(kBodyMoon, 0), 12.5,
         kLocalCivilTime},
        {"Mars rises", true, kEventRise, Planet("Mars"), kSkyWindow, Planet("Mars"), 12.5, kLocalCivilTime},
        {"an expression with a body", false, 0, Planet("Mars"), kSkyWindow, Planet("Mars"), 12.5, kLocalCivilTime},
        {"an expression without one", false, 0, nullptr, kSkyWindow, nullptr, 10.5, kUniversalTime},
    };
    for (const Case& c : cases) {
        run.condition = c.predefined ? PredefinedEventCondition(c.event, BodyIdentifierFromObject(c.first))
                                     : EventCondition{};
        if (!c.predefined) {
            run.condition.isPredefined = false;
            run.condition.isUserExpression = true;
            run.condition.searchExpression = String(TXT("Moon.Lat(Hor) >>= 50"));
            run.condition.firstBody = BodyIdentifierFromObject(c.first);
        }
        const EventResultShowRequest request = EventFinderResultRequest(run, 0);
        EXPECT_EQ(request.windowKind, c.kind) << c.what;
        EXPECT_EQ(request.body.object, c.shown) << c.what;
        EXPECT_DOUBLE_EQ(request.range.begin.hours, c.hours) << c.what;
        EXPECT_EQ(request.range.begin.timeSystem, c.timeSystem) << c.what;
        EXPECT_EQ(request.range.begin.day, 4) << c.what;
        // The pane offers the same: without a body, the result in the sky.
        const EventFinderSelection selection = EventFinderTaskSelection(run, 0);
        if (!c.predefined && !c.first) {
            EXPECT_EQ(Utf8(selection.event.description), "Moon.Lat(Hor) >>= 50");
            EXPECT_DOUBLE_EQ(selection.event.begin.hours, 10.5);
        }
    }
    EXPECT_EQ(EventFinderResultRequest(run, 1).windowKind, -1) << "no such result";
}

// The progress of a finished run stands at its range's end, not at the
// first step past it where the search stopped.
TEST(EventFinderTasks, TheProgressNeverPassesTheRangesEnd) {
    EventDefinition run;
    run.from = Date(2026, 1, 1);
    run.to = Date(2027, 1, 1, 23.99999);  // a range ends a moment before midnight
    const struct Case {
        DateTime stoppedAt;
        DateTime shown;
    } cases[] = {{Date(2027, 1, 2), run.to}, {Date(2026, 7, 1), Date(2026, 7, 1)}, {run.to, run.to}};
    for (const Case& c : cases) {
        run.stoppedAt = c.stoppedAt;
        EXPECT_TRUE(DateTimeEqual(RunProgressDate(run), c.shown)) << c.stoppedAt.day << "." << c.stoppedAt.month;
    }
}

// A search another part of the program starts shows its step as the window
// does, and a predefined event's condition names the event.
TEST(EventFinderTasks, ASearchStartedFromOutside) {
    TimeStep hour;
    TimeStepSet(hour, kHoursUnit, 1);
    const SearchSetup setup = SearchSetupFor(Date(2026, 1, 1), Date(2026, 12, 31, 23.9), hour, false);
    EXPECT_EQ(Utf8(setup.count), "1");
    EXPECT_EQ(Utf8(setup.unit), Utf8(String(GetTimeUnitName(kHoursUnit))));
    EXPECT_EQ(setup.to.month, 12);
    corvinata::test::ScopedCatalogues catalogues;
    const struct Case {
        int type;
        const CelestialObject* first;
    } cases[] = {{kEventSolarEclipse, nullptr}, {kEventRise, Planet("Mars")}};
    for (const Case& c : cases) {
        const EventCondition condition = PredefinedEventCondition(c.type, BodyIdentifierFromObject(c.first));
        EXPECT_TRUE(condition.isPredefined);
        EXPECT_FALSE(condition.isUserExpression);
        EXPECT_EQ(condition.predefinedEvent, c.type);
        EXPECT_EQ(condition.firstBody.object, c.first);
        // What a search runs: the event's own expression with the body.
        EXPECT_EQ(Text16(condition.searchExpression.Text()), Expression(c.type, c.first));
        EXPECT_FALSE(condition.searchExpression.IsEmpty());
    }
}

}  // namespace
}  // namespace corvinata::events::test
