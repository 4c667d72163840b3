// Reading a picture pack's "contents.txt": a large pack's file of 1,000
// picture lines is read at every start (target: under 5 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "app/picture_packs.h"
#include "base/memory_storage.h"

namespace corvinata {
namespace {

std::basic_string<Char> ThousandLineContents() {
    std::string text = "[Format]\n1.01\n[Name]\nA large pack\n[Files]\n";
    for (int i = 0; i < 1000; ++i) {
        text += "ngc" + std::to_string(i) + ".jpg:Galaxy NGC " + std::to_string(i) + ":Deep Sky:NGC " +
                std::to_string(i + 1) + "\n";
    }
    return std::basic_string<Char>(text.begin(), text.end());
}

void BM_ReadThousandLineContents(benchmark::State& state) {
    MemoryStorageService storage;
    storage.MakeFolder(TXT("C:\\Pack"));
    const String path(TXT("C:\\Pack\\contents.txt"));
    {
        auto file = storage.CreateTextFile(path);
        file->Create(false);
        file->WriteText(ThousandLineContents().c_str(), 0);
        file->Close();
    }
    for (auto _ : state) {
        auto file = storage.CreateTextFile(path);
        file->Open(FileOpenMode::Read);
        String name;
        PackDescriptions descriptions;
        benchmark::DoNotOptimize(ReadPackContents(*file, name, descriptions));
        file->Close();
        if (descriptions.size() != 1000) state.SkipWithError("not every line was read");
    }
}
BENCHMARK(BM_ReadThousandLineContents)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
