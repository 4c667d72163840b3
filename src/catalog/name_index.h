// An index of names for exact, case-sensitive lookups in logarithmic time.
//
// The catalogues' name lists are scanned in their own order when listed, but
// a lookup by name must not walk thirteen thousand entries. The index keeps
// borrowed texts (the catalogue's, which live as long as it does) sorted by
// their code units; among equal names the one added first wins, as a scan
// in list order would find it.
#pragma once

#include <cstdint>
#include <vector>

#include "base/text_char.h"

namespace corvinata {

class NameIndex {
public:
    // Adds a name (borrowed) standing for `value`. Call Seal before Find.
    void Add(const Char* name, std::int32_t value);
    void Reserve(int count) { entries_.reserve(static_cast<size_t>(count)); }
    // Sorts the names; the index is read-only afterwards.
    void Seal();
    // The value of the first name added that equals `name`, or -1.
    std::int32_t Find(const Char* name) const noexcept;
    int Count() const noexcept { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        const Char* name;
        std::int32_t value;
        std::int32_t order;
    };
    std::vector<Entry> entries_;
};

}  // namespace corvinata
