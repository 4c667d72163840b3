// Every fuzz target over its corpus: its seeds, the inputs that once made
// a reader fail, and the further inputs the build lists for it (generated
// seeds, the shipped lessons and picture pack, the graph files of the
// tests). A fault the fuzzer found once stays found: the native test run
// replays them all under the sanitizers, which end the program at a fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "support/picture_references.h"

namespace corvinata {
namespace {

struct Target {
    const char* name;
    int (*run)(const std::uint8_t* data, std::size_t size);
};

constexpr Target kTargets[] = {
    {"jpeg", fuzz::FuzzJpeg},
    {"bmp", fuzz::FuzzBmp},
    {"graph_file", fuzz::FuzzGraphFile},
    {"lesson", fuzz::FuzzLesson},
    {"pack_contents", fuzz::FuzzPackContents},
    {"country_outlines", fuzz::FuzzCountryOutlines},
    {"command_line", fuzz::FuzzCommandLine},
    {"registry_settings", fuzz::FuzzRegistrySettings},
    {"event_finder_store", fuzz::FuzzEventFinderStore},
    {"script", fuzz::FuzzScript},
    {"text_readers", fuzz::FuzzTextReaders},
};

// The files the build lists for the target (CN_FUZZ_CORPUS_LISTS/<name>.corpus:
// a file or folder a line), the folders' files taken whole, in name order.
std::vector<std::filesystem::path> CorpusOf(const std::string& name) {
    namespace fs = std::filesystem;
    std::ifstream list(std::string(CN_FUZZ_CORPUS_LISTS) + "/" + name + ".corpus");
    std::vector<fs::path> files;
    for (std::string line; std::getline(list, line);) {
        if (line.empty() || !fs::exists(line)) continue;
        if (!fs::is_directory(line)) {
            files.emplace_back(line);
            continue;
        }
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(line)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class CorpusReplay : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryInputEndsWithoutAFault) {
    const std::vector<std::filesystem::path> files = CorpusOf(GetParam().name);
    ASSERT_FALSE(files.empty()) << "no corpus for " << GetParam().name;
    static const std::uint8_t kNothing = 0;
    for (const std::filesystem::path& file : files) {
        // Named first: a sanitizer's report ends the program after it.
        std::fprintf(stderr, "%s: %s\n", GetParam().name, file.string().c_str());
        const std::vector<std::uint8_t> bytes = test::ReadFileBytes(file.string());
        EXPECT_EQ(GetParam().run(bytes.empty() ? &kNothing : bytes.data(), bytes.size()), 0) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvinata
