// Writing and reading the application's whole settings tree in memory, as
// shutdown and the next start-up do.
#include <benchmark/benchmark.h>

#include "app/product_info.h"
#include "base/memory_storage.h"
#include "base/services.h"
#include "settings_session.h"

namespace corvinata {
namespace {

void BM_WholeSettingsTreeRoundTrip(benchmark::State& state) {
    MemoryStorageService storage;
    ProgramProductInfo product(storage, PathName());
    ScopedApplicationServices services(&product, nullptr);
    SettingsKeys keys;
    timing::TimedSession session(storage, keys.Root());
    for (auto _ : state) benchmark::DoNotOptimize(session.RoundTrip());
}
BENCHMARK(BM_WholeSettingsTreeRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvinata
