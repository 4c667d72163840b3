// Cost of running a compiled program: 50 statements that open and drive
// windows of every kind, and lessons of 1,000 to 20,000 statements, against a
// host that does nothing, so that what is measured is the interpreter's own
// reading, checking and dispatching.
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/support/catalogues.h"
#include "../tests/support/recording_script_host.h"
#include "script_programs.h"
#include "script/script_interpreter.h"

namespace corvinata {
namespace {

void BM_RunFiftyStatements(benchmark::State& state) {
    static test::ScopedCatalogues catalogues;
    ObjectModelScriptCatalogue bodies;
    CatalogueObjectSource objects;
    test::RecordingScriptHost host;
    host.recording = false;
    const ScriptRunServices services{host, bodies, objects};
    ScriptExpression script(FiftyStatements().c_str());
    if (!CompileScriptProgram(script, bodies) || !RunScriptProgram(script, services)) {
        state.SkipWithError("the program does not run");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(RunScriptProgram(script, services));
}
BENCHMARK(BM_RunFiftyStatements)->Unit(benchmark::kMicrosecond);

// A long lesson runs in time that grows with its statements, not their square.
void BM_RunDayByDayLesson(benchmark::State& state) {
    static test::ScopedCatalogues catalogues;
    ObjectModelScriptCatalogue bodies;
    CatalogueObjectSource objects;
    test::RecordingScriptHost host;
    host.recording = false;
    const ScriptRunServices services{host, bodies, objects};
    ScriptExpression script(DayByDayLesson(static_cast<int>(state.range(0))).c_str());
    if (!CompileScriptProgram(script, bodies)) {
        state.SkipWithError("the lesson does not compile");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(RunScriptProgram(script, services));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RunDayByDayLesson)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
