// Cost of running a compiled program: 50 statements that open and drive
// windows of every kind, against a host that does nothing, so that what is
// measured is the interpreter's own reading, checking and dispatching.
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/support/recording_script_host.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "script/script_interpreter.h"

namespace corvinata {
namespace {

struct RunCatalogues {
    RunCatalogues() {
        CreateBodyTypeRegistry();
        CreateCatalogues();
    }
    ~RunCatalogues() {
        DestroyCatalogues();
        BodyTypeRegistryFree();
    }
};

std::basic_string<Char> FiftyStatements() {
    const char* const opens[] = {
        "Open Graph As G Add Line Name \"alt\" Code \"Moon.Lat(hor)\" Colour red",
        "Open Jupiter As J",
        "Open Saturn As T",
        "Open Picture As P",
        "Open Solar Eclipse As E",
        "Open Sky As S",
        "Open Solar System As O",
    };
    const char* const withs[] = {
        "With S Set Date 1.1.2000 Time 21:00 Sun on Planet Names on",
        "With S Advance 1 hours Select Moon Highlight",
        "With J Set Date 3.4.2001 Names on Tilt 10",
        "With T Advance 2 hours",
        "With O Set Date 1.1.2000 Zoom Mars Ecliptic RA on",
        "With E Set Observer Lat 5N Lon 10W Zoom 50",
        "With G Set Step 1 days Dst on YAxisFrom -90 YAxisTo 90",
        "With P Set ScaleToFit on Position 10,20",
    };
    std::string program;
    for (const char* open : opens) program += std::string(open) + "\r\n";
    for (int i = 0; i < 43; ++i) program += std::string(withs[i % 8]) + "\r\n";
    return {program.begin(), program.end()};
}

void BM_RunFiftyStatements(benchmark::State& state) {
    static RunCatalogues catalogues;
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

}  // namespace
}  // namespace corvinata
