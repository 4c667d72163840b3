// The proper names of bright stars ("Polaris"), read from the packed name
// text (records "Alp,UMi,Polaris.").
#pragma once

#include <cstdint>
#include <vector>

#include "base/wide_string.h"
#include "catalog/name_index.h"
#include "catalog/star_directory.h"

namespace corvinata {

class StarProperNames {
public:
    // Reads the records of `text` in order for a catalogue of `starCount`
    // stars; a later record for the same star replaces the earlier name.
    // Answers false at the first record whose Greek letter, constellation or
    // star cannot be resolved (or that is not a whole record), keeping the
    // names read so far.
    bool Load(const Char* text, const StarDirectory& stars, int starCount);

    // The proper name of a star; the empty text when it has none.
    const Char* NameOf(int star) const noexcept;
    // The names in ascending star index: the name at the cursor and its star
    // (may be omitted); at the end none, cursor -1 and star -1.
    const Char* NextNamed(std::int32_t& cursor, int* star) const noexcept;
    // The star named exactly `name`, or -1.
    int Find(const Char* name) const noexcept;
    int Count() const noexcept { return static_cast<int>(named_.size()); }

private:
    struct Named {
        std::int32_t star;
        String name;
    };
    std::vector<Named> named_;            // ascending star index
    std::vector<std::int32_t> slotOfStar_;  // per star, -1 without a name
    NameIndex index_;
};

}  // namespace corvinata
