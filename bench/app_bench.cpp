// Costs of the application core's two busiest paths: a change of time
// reaching every document, and walking the undo history.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "app/command_history.h"
#include "app/notification.h"
#include "app/sky_document.h"

namespace corvinata {
namespace {

class CurrentTime final : public CurrentTimeAndLocationInterface {
public:
    const DateTimeLocation& GetTimeAndLocation() const override { return value; }
    DateTimeLocation value;
};

// Positions that cost nothing, so that the figure is the notification path:
// the broadcast, the time conversions and the fan-out to the windows.
class NoComputation final : public SkyBodyComputer {
public:
    int PlanetCount() const override { return 9; }
    SkyPosition ComputePlanet(int, const TimeAndPlace&) override { return {}; }
    SkyPosition ComputeSun(const TimeAndPlace&) override { return {}; }
    SkyPosition ComputeMoon(const TimeAndPlace&) override { return {}; }
    SkyPosition DeepSkyPosition(int) override { return {}; }
};

class CountingView final : public NotificationObserver {
public:
    void Update(void*) override { ++updates; }
    long updates = 0;
};

void BM_BroadcastTimeChangeTo50Documents(benchmark::State& state) {
    NotificationHub hub;
    CurrentTime now;
    now.value.dateTime = DateTime{2024, 5, 1, 12.0, kLocalCivilTime};
    NoComputation computer;
    std::vector<std::unique_ptr<SkyDocument>> documents;
    std::vector<CountingView> views(50);
    for (int i = 0; i < 50; ++i) {
        documents.push_back(std::make_unique<SkyDocument>(hub, now, computer));
        documents.back()->Views().Insert(&views[i]);
    }
    for (auto _ : state) {
        now.value.dateTime.hours = now.value.dateTime.hours >= 23.0 ? 0.0 : now.value.dateTime.hours + 1.0;
        BroadcastNotification(hub, kEventDateTimeChanged, 0, nullptr);
    }
    benchmark::DoNotOptimize(views[49].updates);
}
BENCHMARK(BM_BroadcastTimeChangeTo50Documents);

class AddCommand final : public UndoableCommand {
public:
    AddCommand(long* total, long amount) : total_(total), amount_(amount) {}
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<AddCommand>(total_, -amount_);
    }
    void Execute() override { *total_ += amount_; }
    std::unique_ptr<UndoableCommand> Clone() const override {
        return std::make_unique<AddCommand>(*this);
    }

private:
    long* total_;
    long amount_;
};

void BM_UndoAndRedo1000Steps(benchmark::State& state) {
    long total = 0;
    CommandHistory history;
    for (long i = 0; i < 1000; ++i) {
        CommandGroup step(String(TXT("Add graph line")), String(TXT("Delete graph line")));
        step.Add(std::make_unique<AddCommand>(&total, i));
        history.PerformCommand(step, 1, true);
    }
    for (auto _ : state) {
        history.UndoCommands(1000);
        history.RedoCommands(1000);
    }
    benchmark::DoNotOptimize(total);
}
BENCHMARK(BM_UndoAndRedo1000Steps);

}  // namespace
}  // namespace corvinata
