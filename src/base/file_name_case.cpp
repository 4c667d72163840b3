#include "base/file_name_case.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "generated/file_name_case.h"

namespace corvinata {

Char FileNameUpper(Char c) noexcept {
    using generated::FileNameCaseRun;
    const auto unit = static_cast<std::uint16_t>(c);
    // The last run that starts at or before the character.
    const auto* end = std::end(generated::kFileNameCaseRuns);
    const auto* after = std::upper_bound(std::begin(generated::kFileNameCaseRuns), end, unit,
                                         [](std::uint16_t u, const FileNameCaseRun& run) { return u < run.first; });
    if (after == std::begin(generated::kFileNameCaseRuns)) return c;
    const FileNameCaseRun& run = *(after - 1);
    if (unit > run.last || (unit - run.first) % run.stride != 0) return c;
    return static_cast<Char>(static_cast<std::uint16_t>(unit + run.delta));
}

bool FileNamesEqual(const Char* a, const Char* b) noexcept {
    for (; *a && FileNameUpper(*a) == FileNameUpper(*b); ++a, ++b) {
    }
    return FileNameUpper(*a) == FileNameUpper(*b);
}

}  // namespace corvinata
