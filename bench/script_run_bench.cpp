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

// The interpreter alone: a host that records nothing and the catalogues'
// own bodies and objects.
struct InterpreterBench {
    ObjectModelScriptCatalogue bodies;
    CatalogueObjectSource objects;
    test::RecordingScriptHost host;
    ScriptRunServices services{host, bodies, objects};
    InterpreterBench() { host.recording = false; }
};

void BM_RunFiftyStatements(benchmark::State& state) {
    static test::ScopedCatalogues catalogues;
    InterpreterBench bench;
    ScriptExpression script(FiftyStatements().c_str());
    if (!CompileScriptProgram(script, bench.bodies) || !RunScriptProgram(script, bench.services)) {
        state.SkipWithError("the program does not run");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(RunScriptProgram(script, bench.services));
}
BENCHMARK(BM_RunFiftyStatements)->Unit(benchmark::kMicrosecond);

// A long lesson runs in time that grows with its statements, not their square.
void BM_RunDayByDayLesson(benchmark::State& state) {
    static test::ScopedCatalogues catalogues;
    InterpreterBench bench;
    ScriptExpression script(DayByDayLesson(static_cast<int>(state.range(0))).c_str());
    if (!CompileScriptProgram(script, bench.bodies)) {
        state.SkipWithError("the lesson does not compile");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(RunScriptProgram(script, bench.services));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RunDayByDayLesson)->Apply(LongLessonSizes);

}  // namespace
}  // namespace corvinata
