// Costs of the script language: compiling a graph line and a program, and
// evaluating expressions and a year-long search through the program's own
// property calculators, so that the evaluator's share can be read off
// against BM_MoonAltitudeAlone.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "../tests/support/catalogues.h"
#include "base/event_time.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "script/script_expression.h"

namespace corvinata {
namespace {

const ScriptCatalogue& Bodies() {
    // The object model for the whole run of the benchmark program.
    static test::ScopedCatalogues catalogues;
    static ObjectModelScriptCatalogue bodies;
    return bodies;
}

TimeAndPlace Greenwich2004() {
    TimeAndPlace when;
    when.dateTime.year = 2004;
    when.dateTime.month = 6;
    when.dateTime.day = 8;
    when.dateTime.hours = 8.0;
    when.dateTime.timeSystem = kUniversalTime;
    when.place.latitude.degrees = 51.5;
    return when;
}

void BM_CompileGraphLine(benchmark::State& state) {
    const ScriptCatalogue& bodies = Bodies();
    for (auto _ : state) {
        ScriptExpression line(TXT("Moon.Lat(hor) - anglediff(Sun.Lon(ecl), Moon.Lon(ecl)) / 10"));
        benchmark::DoNotOptimize(CompileScriptExpression(line, bodies));
    }
}
BENCHMARK(BM_CompileGraphLine);

std::basic_string<Char> FiftyLineProgram() {
    const Char* const lines[] = {
        TXT("# A lesson about the Moon\r\n"),
        TXT("Open Sky As Sky%\r\n"),
        TXT("With Sky% Set Date 8.6.2004 Time 08:20 Grid equ Labels on\r\n"),
        TXT("Message \"Look at the Moon\\nnear the Sun\"\r\n"),
        TXT("With Sky% Select Moon Highlight Advance 1 hours\r\n"),
    };
    std::basic_string<Char> program;
    for (int i = 0; i < 10; ++i) {
        for (const Char* line : lines) {
            std::basic_string<Char> text = line;
            const std::size_t mark = text.find(Char('%'));
            if (mark != std::basic_string<Char>::npos) text[mark] = static_cast<Char>('A' + i);
            program += text;
        }
    }
    return program;
}

void BM_CompileFiftyLineProgram(benchmark::State& state) {
    const ScriptCatalogue& bodies = Bodies();
    const std::basic_string<Char> program = FiftyLineProgram();
    for (auto _ : state) {
        ScriptExpression script(program.c_str());
        benchmark::DoNotOptimize(CompileScriptProgram(script, bodies));
    }
}
BENCHMARK(BM_CompileFiftyLineProgram);

// The property alone, asked of its calculator.
void BM_MoonAltitudeAlone(benchmark::State& state) {
    Bodies();
    const CelestialObject& moon = *GetCatalogueObject(kBodyMoon, 0);
    TimeAndPlace when = Greenwich2004();
    for (auto _ : state) {
        when.dateTime.hours = when.dateTime.hours < 23.0 ? when.dateTime.hours + 0.5 : 0.0;
        benchmark::DoNotOptimize(
            EvaluateBodyFunction(moon, kFunctionLatitude, kHorizontalSystem, when));
    }
}
BENCHMARK(BM_MoonAltitudeAlone);

// The same property through a compiled expression.
void BM_EvaluateMoonAltitude(benchmark::State& state) {
    const ScriptCatalogue& bodies = Bodies();
    ObjectModelBodyFunctionCalculator calculator;
    ScriptExpression line(TXT("Moon.Lat(hor)"));
    CompileScriptExpression(line, bodies);
    TimeAndPlace when = Greenwich2004();
    ExpressionResult result;
    for (auto _ : state) {
        when.dateTime.hours = when.dateTime.hours < 23.0 ? when.dateTime.hours + 0.5 : 0.0;
        EvaluateScriptExpression(line, bodies, calculator, when, result);
        benchmark::DoNotOptimize(result.value);
    }
}
BENCHMARK(BM_EvaluateMoonAltitude);

// A year at one-hour steps: 8766 evaluations of a condition on the Sun.
void BM_SearchSunriseOverAYear(benchmark::State& state) {
    const ScriptCatalogue& bodies = Bodies();
    ObjectModelBodyFunctionCalculator calculator;
    ScriptExpression search(TXT("Sun.Lat(hor) >>= -0.833"));
    int kind = 0;
    CompileSearchExpression(kind, search, bodies);
    std::vector<std::uint8_t> memory(static_cast<std::size_t>(search.crossingSlots), 0);
    for (auto _ : state) {
        TimeAndPlace when = Greenwich2004();
        int found = 0;
        for (int step = 0; step < 8766; ++step) {
            bool truth = false;
            EvaluateSearchExpression(search, bodies, calculator, when, memory.data(),
                                     memory.size(), truth);
            found += truth;
            DateTimeAddHours(when.dateTime, 1);
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SearchSunriseOverAYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
