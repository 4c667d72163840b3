// Cost of the application's script host: statements run by the
// interpreter through the host and the real actions, against views without
// windows, so that what is measured is lookup, batching and the actions.
#include <benchmark/benchmark.h>

#include <memory>

#include "../tests/support/catalogues.h"
#include "../tests/support/script_host_fakes.h"
#include "base/memory_storage.h"
#include "script/script_interpreter.h"
#include "script_programs.h"

namespace corvinata {
namespace {

struct HostBench {
    HostBench() {
        ApplicationHooks hooks;
        hooks.createCatalogues = [] { return true; };
        hooks.destroyCatalogues = [] {};
        app = std::make_unique<Application>(std::make_unique<MemoryStorageService>(), PathName(), std::move(hooks));
        windows = std::make_unique<test::StandInWindows>(*app, app->GetNotificationHub());
        host = std::make_unique<ApplicationScriptHost>(*app, *windows);
    }
    std::unique_ptr<Application> app;
    std::unique_ptr<test::StandInWindows> windows;
    std::unique_ptr<ApplicationScriptHost> host;
    ObjectModelScriptCatalogue bodies;
    CatalogueObjectSource objects;
};

// A Sky window opened, given 20 options in one With statement (one undo
// step of 22 changes) and closed again.
void BM_SkyStatementOfTwentyOptionClauses(benchmark::State& state) {
    static test::ScopedCatalogues catalogues;
    HostBench bench;
    const ScriptRunServices services{*bench.host, bench.bodies, bench.objects};
    ScriptExpression script(
        TXT("Open Sky As S\r\n"
            "With S Set Ecliptic on Grid equ Appearance crosses Labels on Horizon seasonal Map equatorial "
            "Moon on Constellation Boundaries on Lines on Names full "
            "DeepSky IndicateImage on Catalog messier Names messier "
            "Planet Names on Symbols on Show all Tracks on "
            "Star Letters on Magnitude 6.5 Names on Sun on\r\n"
            "Close S\r\n"));
    if (!RunScriptProgram(script, services)) {
        state.SkipWithError("the program does not run");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(RunScriptProgram(script, services));
}
BENCHMARK(BM_SkyStatementOfTwentyOptionClauses)->Unit(benchmark::kMicrosecond);

// Each run starts with no window open, as the program's first run does.
void RunRepeatedly(benchmark::State& state, HostBench& bench, ScriptExpression& script) {
    const ScriptRunServices services{*bench.host, bench.bodies, bench.objects};
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunScriptProgram(script, services));
        state.PauseTiming();
        bench.windows->open.clear();
        state.ResumeTiming();
    }
}

void BM_RunFiftyStatementsThroughTheHost(benchmark::State& state) {
    static test::ScopedCatalogues catalogues;
    HostBench bench;
    const ScriptRunServices services{*bench.host, bench.bodies, bench.objects};
    ScriptExpression script(FiftyStatements().c_str());
    if (!RunScriptProgram(script, services)) {
        state.SkipWithError("the program does not run");
        return;
    }
    RunRepeatedly(state, bench, script);
}
BENCHMARK(BM_RunFiftyStatementsThroughTheHost)->Unit(benchmark::kMillisecond);

// A long lesson through the host: each statement finds its window and makes
// its undo step in time that does not grow with the statements before it.
void BM_RunDayByDayLessonThroughTheHost(benchmark::State& state) {
    static test::ScopedCatalogues catalogues;
    HostBench bench;
    ScriptExpression script(DayByDayLesson(static_cast<int>(state.range(0))).c_str());
    if (!CompileScriptProgram(script, bench.bodies)) {
        state.SkipWithError("the lesson does not compile");
        return;
    }
    RunRepeatedly(state, bench, script);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RunDayByDayLessonThroughTheHost)->Apply(LongLessonSizes);

}  // namespace
}  // namespace corvinata
