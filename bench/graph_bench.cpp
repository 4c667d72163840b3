// Costs of graphs: six lines for London recomputed at 366 daily and 366
// hourly instants, a year of hourly points as 24 consecutive graphs, and
// writing and reading a 20-line graph file.
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/support/app_fakes.h"
#include "../tests/support/catalogues.h"
#include "../tests/support/fake_product.h"
#include "base/memory_storage.h"
#include "documents/graph_document.h"
#include "documents/graph_file.h"
#include "documents/graph_visitor.h"

namespace corvinata {
namespace {

constexpr const Char* kSixLines[] = {TXT("Sun.Lat(hor)"),   TXT("Moon.Lat(hor)"),  TXT("Moon.Phase()"),
                                     TXT("Sun.Rise(lct)"), TXT("Moon.Rise(lct)"), TXT("Jupiter.Mag()")};

struct GraphBench {
    GraphBench() {
        now.value.dateTime = DateTime{2024, 1, 1, 12.0, kLocalCivilTime};
        Location& london = now.value.location;
        london.coordinates.longitude = LongitudeValue(0.1275, kWestPositive);
        london.coordinates.latitude = LatitudeValue(51.5072, kLatitudeHemisphereLetter);
        london.country = String(TXT("United Kingdom"));
        london.town = String(TXT("London"));
        storage.MakeFolder(TXT("C:\\Graphs"));
    }
    // Lines for London from 1 January 2024, `unit` a step; false when a
    // line does not compile.
    bool Fill(GraphDocument& document, std::int32_t unit, int copies) {
        TimeAndLocationSetRange(document.Settings(), unit, 365);
        for (int copy = 0; copy < copies; ++copy) {
            for (const Char* text : kSixLines) {
                GraphLine line;
                line.SetExpression(String(text));
                document.InsertLine(document.LineCount(), line);
            }
        }
        document.ComputeAllLines(false);
        for (int i = 0; i < document.LineCount(); ++i) {
            if (document.GetGraphLine(i)->Expression().compileStatus != kCompiled) return false;
        }
        return true;
    }

    test::ScopedCatalogues catalogues;
    MemoryStorageService storage;
    test::FakeProductInfo product{storage};
    ScopedApplicationServices services{&product, nullptr};
    NotificationHub hub;
    test::FakeCurrentTime now;
};

// Argument: the step unit (3 days, 2 hours).
void BM_RecomputeSixLines(benchmark::State& state) {
    GraphBench bench;
    GraphDocument document(bench.hub, ObjectModelGraphServices(bench.now));
    if (!bench.Fill(document, static_cast<std::int32_t>(state.range(0)), 1)) {
        state.SkipWithError("a line does not compile");
        return;
    }
    for (auto _ : state) {
        document.ComputeAllLines(false);
        benchmark::DoNotOptimize(document.GetGraphLine(5)->values[365]);
    }
}
BENCHMARK(BM_RecomputeSixLines)->Arg(kDaysUnit)->Arg(kHoursUnit)->Unit(benchmark::kMillisecond);

// 8,784 hourly instants of each line: 24 graphs of 366 hours one after the
// other.
void BM_YearOfHourlyPoints(benchmark::State& state) {
    GraphBench bench;
    GraphDocument document(bench.hub, ObjectModelGraphServices(bench.now));
    if (!bench.Fill(document, kHoursUnit, 1)) {
        state.SkipWithError("a line does not compile");
        return;
    }
    for (auto _ : state) {
        DateTime begin{2024, 1, 1, 0.0, kLocalCivilTime};
        for (int graph = 0; graph < 24; ++graph) {
            TimeAndLocationSetBeginDate(document.Settings(), begin, true);
            document.ComputeAllLines(false);
            DateTimeAddHours(begin, 366);
        }
        benchmark::DoNotOptimize(document.GetGraphLine(0)->values[0]);
    }
}
BENCHMARK(BM_YearOfHourlyPoints)->Unit(benchmark::kMillisecond);

void BM_WriteTwentyLineFile(benchmark::State& state) {
    GraphBench bench;
    GraphDocument document(bench.hub, ObjectModelGraphServices(bench.now));
    bench.Fill(document, kDaysUnit, 4);
    while (document.LineCount() > 20) document.DeleteLine(document.LineCount() - 1);
    const String path(TXT("C:\\Graphs\\twenty.gph"));
    for (auto _ : state) {
        if (!SaveGraphFile(document, bench.storage, path)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_WriteTwentyLineFile)->Unit(benchmark::kMicrosecond);

void BM_ReadTwentyLineFile(benchmark::State& state) {
    GraphBench bench;
    GraphDocument document(bench.hub, ObjectModelGraphServices(bench.now));
    bench.Fill(document, kDaysUnit, 4);
    while (document.LineCount() > 20) document.DeleteLine(document.LineCount() - 1);
    const String path(TXT("C:\\Graphs\\twenty.gph"));
    SaveGraphFile(document, bench.storage, path);
    for (auto _ : state) {
        GraphDocument read(bench.hub, ObjectModelGraphServices(bench.now));
        auto file = bench.storage.CreateBinaryFile(path);
        GraphFileFlags flags;
        if (!file->Open(FileOpenMode::Read) || !OpenGraphFile(*file, read, flags)) {
            state.SkipWithError("read failed");
        }
    }
}
BENCHMARK(BM_ReadTwentyLineFile)->Unit(benchmark::kMicrosecond);

// Opening a large file that is no graph: refused after its header
// (argument: the file's size in MB).
void BM_RefuseLargeFileThatIsNoGraph(benchmark::State& state) {
    GraphBench bench;
    const String path(TXT("C:\\Graphs\\large.gph"));
    bench.storage.PutFile(path.Text(), std::string(static_cast<std::size_t>(state.range(0)) << 20, 'x'));
    for (auto _ : state) {
        GraphDocument read(bench.hub, ObjectModelGraphServices(bench.now));
        auto file = bench.storage.CreateBinaryFile(path);
        GraphFileFlags flags;
        if (!file->Open(FileOpenMode::Read) || OpenGraphFile(*file, read, flags) || flags.recognised) {
            state.SkipWithError("a file that is no graph was not refused");
        }
    }
}
BENCHMARK(BM_RefuseLargeFileThatIsNoGraph)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
