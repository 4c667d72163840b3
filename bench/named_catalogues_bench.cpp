// Costs of the large catalogues: building all catalogues at start-up,
// loading the stars with their names and figures, loading the deep-sky
// objects with their designations, a lookup by name in every name system of
// both, and reading plus writing every Dreyer description of the catalogue.
#include <benchmark/benchmark.h>

#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/constellation_figures.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/dreyer_english.h"
#include "catalog/dreyer_parser.h"
#include "catalog/name_systems.h"
#include "catalog/star_catalogue.h"
#include "generated/deep_sky.h"

namespace corvinata {
namespace {

// The registry and every catalogue for the life of one benchmark.
class Catalogues {
public:
    Catalogues() {
        CreateBodyTypeRegistry();
        CreateCatalogues();
    }
    ~Catalogues() {
        DestroyCatalogues();
        BodyTypeRegistryFree();
    }
};

void BM_CreateAllCatalogues(benchmark::State& state) {
    CreateBodyTypeRegistry();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CreateCatalogues());
        state.PauseTiming();
        DestroyCatalogues();
        state.ResumeTiming();
    }
    BodyTypeRegistryFree();
}
BENCHMARK(BM_CreateAllCatalogues)->Unit(benchmark::kMillisecond);

void BM_LoadStarsNamesAndFigures(benchmark::State& state) {
    Catalogues catalogues;
    for (auto _ : state) {
        state.PauseTiming();
        DestroyCatalogues();
        CreateConstellations();
        state.ResumeTiming();
        benchmark::DoNotOptimize(CreateStarCatalogue());
        benchmark::DoNotOptimize(CreateStarProperNames());
        benchmark::DoNotOptimize(CreateConstellationFigures());
    }
}
BENCHMARK(BM_LoadStarsNamesAndFigures)->Unit(benchmark::kMillisecond);

void BM_LoadDeepSkyWithDesignations(benchmark::State& state) {
    Catalogues catalogues;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CreateDeepSkyCatalogue());
        benchmark::DoNotOptimize(CreateDeepSkyDesignations());
    }
}
BENCHMARK(BM_LoadDeepSkyWithDesignations)->Unit(benchmark::kMillisecond);

struct Lookup {
    int type;
    int system;
    const Char* name;
};

constexpr Lookup kLookups[] = {
    {kBodyDeepSky, kDeepSkyProperName, TXT("Orion Nebula")},
    {kBodyDeepSky, kDeepSkyCaldwell, TXT("C060")},
    {kBodyDeepSky, kDeepSkyHerschel400, TXT("H129")},
    {kBodyDeepSky, kDeepSkyMessier, TXT("M031")},
    {kBodyDeepSky, kDeepSkyNgcIc, TXT("NGC 7000")},
    {kBodyStar, kStarProperName, TXT("Polaris")},
    {kBodyStar, kStarBsc5, TXT("BSC 7001")},
};

void BM_FindByName(benchmark::State& state) {
    Catalogues catalogues;
    const Lookup& lookup = kLookups[state.range(0)];
    const Catalogue* catalogue = CatalogueByType(lookup.type);
    const NameSystem* system = GetBodyType(lookup.type)->NameSystems()->FindById(lookup.system);
    for (auto _ : state) benchmark::DoNotOptimize(catalogue->CatalogueFindObject(lookup.name, system));
}
BENCHMARK(BM_FindByName)->DenseRange(0, static_cast<int>(std::size(kLookups)) - 1);

void BM_ParseAndDescribeAllDescriptions(benchmark::State& state) {
    String english;
    for (auto _ : state) {
        for (const DeepSkyRecord& record : deep_sky_data::kDeepSkyRecords) {
            DreyerNode node;
            benchmark::DoNotOptimize(ParseDreyerDescription(record.description, node));
            DescribeDreyerNode(node, english);
        }
    }
}
BENCHMARK(BM_ParseAndDescribeAllDescriptions)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
