// Costs of the object model: building the catalogues at start-up, finding
// the constellation of a position, and the text forms of every quantity kind.
#include <benchmark/benchmark.h>

#include "../tests/support/catalogues.h"
#include "astro/coordinates.h"
#include "base/event_time.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/quantity_values.h"

namespace corvinata {
namespace {

void BM_CreateAndDestroyCatalogues(benchmark::State& state) {
    for (auto _ : state) {
        CreateBodyTypeRegistry();
        benchmark::DoNotOptimize(CreateCatalogues());
        DestroyCatalogues();
        BodyTypeRegistryFree();
    }
}
BENCHMARK(BM_CreateAndDestroyCatalogues);

// A spread of positions over the sky, so the zone search runs to varied depths.
void BM_ConstellationOfPosition(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    constexpr double kJ2000 = 2451545.0;
    int i = 0;
    for (auto _ : state) {
        const SkyCoordinates position{(i * 37) % 360 + 0.5, (i * 23) % 180 - 89.5,
                                      kEquatorialSystem};
        benchmark::DoNotOptimize(ConstellationOfPosition(kJ2000, position));
        ++i;
    }
}
BENCHMARK(BM_ConstellationOfPosition);

struct KindSample {
    double value;
    const Char* text;
};

constexpr KindSample kSamples[kQuantityKindCount] = {
    {12.5, TXT("12:30:00")}, {123.4, TXT("8h13m36s")}, {-23.5, TXT("23.5 S")},
    {200.25, TXT("200.25")}, {45.5, TXT("45.5")},      {-120.0, TXT("120 W")},
    {384400.0, TXT("384400 km")}, {-1.46, TXT("-1.46m")}, {50.0, TXT("50%")},
    {59.0, TXT("Orion")},    {7.0, TXT("scorpius")},   {250.0, TXT("SW")},
    {1.2345, TXT("1.2345")},
};

void BM_QuantityFormat(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const std::unique_ptr<QuantityValue> value = CreateQuantityValue(kind, kSamples[kind].value);
    QuantityFormatRequest request;
    String out;
    for (auto _ : state) {
        value->Format(out, request);
        benchmark::DoNotOptimize(out.Text());
    }
}
BENCHMARK(BM_QuantityFormat)->DenseRange(0, kQuantityKindCount - 1);

void BM_QuantityParse(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const std::unique_ptr<QuantityValue> value = CreateQuantityValue(kind, 0.0);
    for (auto _ : state) benchmark::DoNotOptimize(value->Parse(kSamples[kind].text));
}
BENCHMARK(BM_QuantityParse)->DenseRange(0, kQuantityKindCount - 1);

}  // namespace
}  // namespace corvinata
