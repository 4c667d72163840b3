// Costs of the report page frame: a page of a million characters of escaped
// text (the size a page reserves), and resolving a picture that a page names
// by its address in memory.
#include <benchmark/benchmark.h>

#include <vector>

#include "base/memory_storage.h"
#include "base/services.h"
#include "documents/inline_images.h"
#include "documents/report_page.h"
#include "documents/report_values.h"

namespace corvinata {
namespace {

class BenchProduct final : public ProductInfoInterface {
public:
    StorageService& GetStorage() override { return storage_; }
    const Char* GetProductName() const override { return TXT("Corvinata"); }
    const Char* GetVersion() const override { return TXT("1.70"); }
    const Char* GetEditionName() const override { return TXT(""); }
    const Char* GetCompanyName() const override { return TXT("Corvinata Software"); }
    const Char* GetWebAddress() const override { return TXT("https://corvinata.org"); }

private:
    MemoryStorageService storage_;
};

// Table rows of names and values as the reports write them, with the
// characters the escape turns into references.
class RowsWriter final : public ReportHtmlWriter {
public:
    RowsWriter() : ReportHtmlWriter(nullptr) {}

protected:
    bool WriteBody() override {
        WriteTableStart(*this, "Planets");
        while (Page().Length() < kReportPageReserve - 200) {
            WriteDataRowStart(*this);
            WriteLine(*this, "      <td>", TXT("S\u00e3o Paulo <Brazil> & \"Sul\""));
            WriteLine(*this, "      <td align=\"right\">", TXT("23\u00b032'51\""));
            WriteRowEnd(*this);
        }
        WriteTableEnd(*this);
        return true;
    }
};

void BM_ReportPageOfOneMillionEscapedCharacters(benchmark::State& state) {
    BenchProduct product;
    ScopedApplicationServices services(&product, nullptr);
    RowsWriter writer;
    for (auto _ : state) {
        writer.Write(TXT("Night Report for Mar 05, 2013"), false);
        benchmark::DoNotOptimize(writer.Html().Text());
    }
    state.SetBytesProcessed(state.iterations() * writer.Page().Length() * static_cast<std::int64_t>(sizeof(Char)));
}
BENCHMARK(BM_ReportPageOfOneMillionEscapedCharacters)->Unit(benchmark::kMillisecond);

class NoPictures final : public InlineImageResources {
public:
    bool FindPicture(const Char*, const unsigned char*&, std::uint32_t&) const override { return false; }
};

void BM_ResolveRegisteredPicture(benchmark::State& state) {
    InlineImageTable table;
    // A month report registers a few charts beside each other.
    std::vector<std::vector<unsigned char>> charts(12, std::vector<unsigned char>(40000));
    for (auto& chart : charts) table.Register(chart.data(), static_cast<std::uint32_t>(chart.size()));
    NoPictures pictures;
    InlineImageResolver resolver(table, pictures);
    String url;
    InlineImageUrl(url, charts[7].data(), 40000);
    for (auto _ : state) {
        const unsigned char* data = nullptr;
        std::uint32_t size = 0;
        benchmark::DoNotOptimize(resolver.ResolveInlineImageUrl(url.Text(), data, size));
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_ResolveRegisteredPicture);

}  // namespace
}  // namespace corvinata
