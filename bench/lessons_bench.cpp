// Reading a lesson's header: the Select Lesson dialog reads every lesson
// whenever it opens, and a line may repeat a key without its colon (a 1 MB
// line of repetitions; target: well under a millisecond per kilobyte).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tools/lessons.h"

namespace corvinata {
namespace {

void BM_HeaderKeyRepeatedAlongALine(benchmark::State& state) {
    std::basic_string<Char> line;
    while (line.size() < static_cast<std::size_t>(state.range(0))) line += TXT("Title ");
    const std::vector<String> lines{String(line.c_str())};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindLessonHeaderValue(lines, TXT("Title")));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_HeaderKeyRepeatedAlongALine)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
