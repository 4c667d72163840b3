#include "catalog/name_index.h"

#include <algorithm>

#include "base/number_text.h"

namespace corvinata {

void NameIndex::Add(const Char* name, std::int32_t value) {
    entries_.push_back({name, value, static_cast<std::int32_t>(entries_.size())});
}

void NameIndex::Seal() {
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        const int order = CompareWideText(a.name, b.name);
        return order != 0 ? order < 0 : a.order < b.order;
    });
}

std::int32_t NameIndex::Find(const Char* name) const noexcept {
    if (!name) return -1;
    const auto found = std::lower_bound(
        entries_.begin(), entries_.end(), name,
        [](const Entry& entry, const Char* text) { return CompareWideText(entry.name, text) < 0; });
    if (found == entries_.end() || !TextEquals(found->name, name)) return -1;
    return found->value;
}

}  // namespace corvinata
