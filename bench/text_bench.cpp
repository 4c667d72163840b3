// Costs of the text kernel: String growth (exact, so appends without a
// reserve reallocate every time), the "%" formatter and number texts.
#include <benchmark/benchmark.h>

#include "base/number_text.h"
#include "base/text_format.h"
#include "base/text_scanner.h"
#include "base/wide_string.h"

namespace corvinata {
namespace {

void BM_StringAssignTwentyChars(benchmark::State& state) {
    for (auto _ : state) {
        String s;
        StringAssign(s, TXT("Andromeda Galaxy M31"));
        benchmark::DoNotOptimize(s.Text());
    }
}
BENCHMARK(BM_StringAssignTwentyChars);

void BM_StringAppendReserved(benchmark::State& state) {
    for (auto _ : state) {
        String s;
        StringReserve(s, 2000, ReserveMode::GrowDiscard);
        s.Data()[0] = 0;
        for (int i = 0; i < 1000; ++i) StringAppend(s, TXT("ab"));
        benchmark::DoNotOptimize(s.Text());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_StringAppendReserved);

void BM_StringAppendWithoutReserve(benchmark::State& state) {
    for (auto _ : state) {
        String s;
        for (int i = 0; i < 1000; ++i) StringAppend(s, TXT("ab"));
        benchmark::DoNotOptimize(s.Text());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_StringAppendWithoutReserve);

void BM_FormatPercent3(benchmark::State& state) {
    const String name(TXT("Sky"));
    for (auto _ : state) {
        String message = FormatPercent3(TXT("% was unable to open the file % (%)"), name,
                                        TXT("stars.dat"), TXT("5"));
        benchmark::DoNotOptimize(message.Text());
    }
}
BENCHMARK(BM_FormatPercent3);

void BM_FormatDouble(benchmark::State& state) {
    const int precision = static_cast<int>(state.range(0));
    String out;
    double value = 123.456789;
    for (auto _ : state) {
        FormatDouble(value, precision, out, false);
        benchmark::DoNotOptimize(out.Text());
        value += 0.001;
    }
}
BENCHMARK(BM_FormatDouble)->Arg(2)->Arg(-6)->Arg(17);

void BM_FormatDoubleSmall(benchmark::State& state) {
    String out;
    double value = 1.234e-12;
    for (auto _ : state) {
        FormatDouble(value, 20, out, false);
        benchmark::DoNotOptimize(out.Text());
    }
}
BENCHMARK(BM_FormatDoubleSmall);

void BM_ParseDouble(benchmark::State& state) {
    const Char* texts[] = {TXT("12.5"), TXT("-0.000123456789"), TXT("51.4778"),
                           TXT("2451545.0")};
    int i = 0;
    for (auto _ : state) {
        double value = 0.0;
        benchmark::DoNotOptimize(ParseDouble(texts[i++ & 3], value));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ParseDouble);

void BM_ParseDoubleLong(benchmark::State& state) {
    const Char* text = TXT("3.14159265358979323846264338327950288419716939937510e-200");
    for (auto _ : state) {
        double value = 0.0;
        benchmark::DoNotOptimize(ParseDouble(text, value));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ParseDoubleLong);

void BM_ScannerDateChain(benchmark::State& state) {
    for (auto _ : state) {
        TextScanner scanner(TXT("24.12.2024"));
        int day = 0, month = 0, year = 0;
        scanner.ReadInteger(day).ReadChar().ReadInteger(month).ReadChar().ReadInteger(year);
        benchmark::DoNotOptimize(year);
    }
}
BENCHMARK(BM_ScannerDateChain);

}  // namespace
}  // namespace corvinata
