// Costs of the conversions every computation and every shown time goes
// through: calendar date to Julian day and back, and date and time texts.
#include <benchmark/benchmark.h>

#include "base/date_time.h"
#include "base/date_time_text.h"
#include "base/time_systems.h"
#include "base/wide_string.h"

namespace corvinata {
namespace {

DateTime SampleDate(int i) {
    DateTime record;
    record.year = 1583 + (i * 37) % 1418;
    record.month = 1 + i % 12;
    record.day = 1 + i % 28;
    record.hours = (i % 96) * 0.2499;
    record.timeSystem = kUniversalTime;
    return record;
}

void BM_DateTimeToJulianDay(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const DateTime record = SampleDate(i++ & 1023);
        benchmark::DoNotOptimize(DateTimeToJulianDay(record));
    }
}
BENCHMARK(BM_DateTimeToJulianDay);

void BM_JulianDayToDateTime(benchmark::State& state) {
    double julianDay = 2299238.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(JulianDayToDateTime(julianDay));
        julianDay += 1.37;
        if (julianDay > 2817152.0) julianDay = 2299238.5;
    }
}
BENCHMARK(BM_JulianDayToDateTime);

void BM_ConvertLocalCivilToLocalSidereal(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        DateTime record = SampleDate(i++ & 1023);
        record.timeSystem = kLocalCivilTime;
        ConvertTimeSystemAt(record, kLocalSiderealTime, -13.4, 1.0, true);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_ConvertLocalCivilToLocalSidereal);

void BM_FormatDateTimeJoined(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        String text = FormatDateTimeJoined(SampleDate(i++ & 1023), kTimeToSecond, true, TXT(" "));
        benchmark::DoNotOptimize(text.Text());
    }
}
BENCHMARK(BM_FormatDateTimeJoined);

void BM_FormatTimeReusedString(benchmark::State& state) {
    String text;
    int i = 0;
    for (auto _ : state) {
        FormatTime(kTimeToMinute, SampleDate(i++ & 1023), false, kRoundToNextDay, nullptr, text);
        benchmark::DoNotOptimize(text.Text());
    }
}
BENCHMARK(BM_FormatTimeReusedString);

void BM_ParseDateAndTime(benchmark::State& state) {
    DateTime record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DateTimeParseDate(record, TXT("05.03.2001")));
        benchmark::DoNotOptimize(DateTimeParseTime(record, TXT("14:05:09")));
    }
}
BENCHMARK(BM_ParseDateAndTime);

}  // namespace
}  // namespace corvinata
