#include "views/label_placement.h"

#include <algorithm>

namespace corvinata {

std::optional<std::size_t> LabelPlacer::Place(const std::vector<LabelBox>& candidates) {
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const LabelBox& box = candidates[i];
        const bool free = std::none_of(placed_.begin(), placed_.end(),
                                       [&box](const LabelBox& placed) { return placed.Overlaps(box); });
        if (free) {
            placed_.push_back(box);
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace corvinata
