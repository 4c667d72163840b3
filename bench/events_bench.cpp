// Costs of the event search over the real catalogues: a year of full-moon
// search at hourly steps, a century of Mars perigees at daily steps (a Min
// search), and Event Forecasts of a month and of a year with every group,
// without the pause the forecast window takes between days.
#include <benchmark/benchmark.h>

#include "../tests/support/catalogues.h"
#include "catalog/catalogue_registry.h"
#include "tools/event_definitions.h"
#include "tools/event_forecast.h"
#include "tools/event_search.h"

namespace corvinata::events {
namespace {

GeoCoordinates London() {
    GeoCoordinates place;
    place.longitude = LongitudeValue(0.1275, kWestPositive);
    place.latitude = LatitudeValue(51.5072, kLatitudeHemisphereLetter);
    return place;
}

DateTime Date(int year, int month, int day, double hours = 0.0) {
    return DateTime{year, month, day, hours, kLocalCivilTime};
}

std::size_t SearchOnce(const String& text, const DateTime& from, const DateTime& to,
                       const TimeStep& step) {
    EventResultList results;
    EventSearchJob job(from, to, London(), false, step, &results, {}, false, 0);
    job.AddExpression(text.Text(), kNoEventType, nullptr, nullptr);
    job.Run();
    return results.size();
}

// 2024 at one-hour steps: 8,784 evaluations, twelve full moons.
void BM_FullMoonYearHourly(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    String text;
    PredefinedEventExpression(kEventFullMoon, nullptr, nullptr, text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SearchOnce(text, Date(2024, 1, 1), Date(2024, 12, 31, 23), TimeStep{kHoursUnit, 1}));
    }
}
BENCHMARK(BM_FullMoonYearHourly)->Unit(benchmark::kMillisecond);

// 1950 to 2049 at one-day steps: 36,525 evaluations.
void BM_MarsPerigeeCenturyDaily(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    String text;
    PredefinedEventExpression(kEventPerigee, GetCatalogueObject(kBodyPlanet, 2), nullptr, text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SearchOnce(text, Date(1950, 1, 1), Date(2049, 12, 31), TimeStep{kDaysUnit, 1}));
    }
}
BENCHMARK(BM_MarsPerigeeCenturyDaily)->Unit(benchmark::kMillisecond);

void Forecast(benchmark::State& state, const DateTime& to) {
    test::ScopedCatalogues catalogues;
    TimeAndPlace when;
    TimeAndPlaceInit(when, Date(2024, 1, 1), London(), false);
    EventForecastRequest request;
    request.groups = 0x7FF;
    request.pauseMilliseconds = 0;
    for (auto _ : state) {
        EventForecastJob job;
        RunEventForecast(when, job, to, request);
        benchmark::DoNotOptimize(job.results.size());
    }
}

void BM_ForecastMonthAllGroups(benchmark::State& state) {
    Forecast(state, Date(2024, 1, 31, 23 + 59 / 60.0));
}
BENCHMARK(BM_ForecastMonthAllGroups)->Unit(benchmark::kMillisecond);

void BM_ForecastYearAllGroups(benchmark::State& state) {
    Forecast(state, Date(2024, 12, 31, 23 + 59 / 60.0));
}
BENCHMARK(BM_ForecastYearAllGroups)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace corvinata::events
