// What a user waits for at each step of the Report panel, in London: the Day
// and Night reports of a date, a yearly report, and the Month report with its
// four charts computed (the pictures themselves are a stand-in).
#include <benchmark/benchmark.h>

#include <memory>

#include "../tests/support/catalogues.h"
#include "../tests/support/fake_product.h"
#include "app/graph_image.h"
#include "catalog/town_table.h"
#include "documents/graph_document.h"
#include "documents/report_contents.h"

namespace corvinata {
namespace {

class SexagesimalDisplay final : public DisplayFormatInterface {
public:
    int GetAngleDegreeBase() const override { return 0; }
    int GetRaDisplayUnit() const override { return 1; }
};

class ComputingGraphImages final : public GraphImageInterface {
public:
    GraphImageBytes CaptureGraphArea(const GraphDocument&, int, int) override { return Picture(); }
    GraphImageBytes CaptureGraphXAxis(const GraphDocument&, int, int) override { return Picture(); }
    GraphImageBytes CaptureGraphYAxis(const GraphDocument&, int, int) override { return Picture(); }
    void ComputeGraphWithWaitCursor(GraphDocument& document, bool notify) override { document.ComputeAllLines(notify); }

private:
    static GraphImageBytes Picture() { return GraphImageBytes(64, 0); }
};

void BM_Report(benchmark::State& state, int type, int body) {
    MemoryStorageService storage;
    test::FakeProductInfo product{storage};
    SexagesimalDisplay display;
    ScopedApplicationServices services(&product, &display);
    test::ScopedCatalogues catalogues;
    ComputingGraphImages images;
    DateTimeLocation record;
    DateTimeLocationInit(record);
    TownLocation(FindTownIndex(TXT("United Kingdom"), TXT("London")), record.location);
    record.dateTime = DateTime{2024, 2, 9, 0.0, kLocalCivilTime};
    ReportKind report(type, body, ProgramReportParts().types[type]);
    for (auto _ : state) {
        benchmark::DoNotOptimize(report.WriteHtml(record, false));
    }
}
BENCHMARK_CAPTURE(BM_Report, Day, kDayReport, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, Night, kNightReport, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, Month, kMonthReport, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, SolarYear, kSolarEphemerides, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, LunarYear, kLunarEphemerides, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, JupiterYear, kPlanetEphemerides, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, MercuryYear, kPlanetEphemerides, 0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
