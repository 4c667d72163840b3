#include "catalog/star_proper_names.h"

#include <map>

#include "base/greek_letters.h"
#include "base/text_scanner.h"

namespace corvinata {

namespace {

constexpr int kMaxFieldLength = 1000;

// Reads a field up to `terminator` and steps over the terminator; false when
// the text ends first or the field is too long.
bool ReadField(TextScanner& scanner, Char terminator, Char (&field)[kMaxFieldLength + 1]) {
    int length = 0;
    bool atEnd = false;
    ReadWord(scanner, field, kMaxFieldLength, 0, &length, WordStop::AtChar(terminator), &atEnd);
    if (!scanner.ok || atEnd || !scanner.AtChar(terminator)) return false;
    ++scanner.position;
    return true;
}

}  // namespace

bool StarProperNames::Load(const Char* text, const StarDirectory& stars, int starCount) {
    std::map<std::int32_t, String> names;
    bool complete = true;
    TextScanner scanner(text);
    while (!scanner.AtEnd()) {
        Char letterField[kMaxFieldLength + 1];
        Char constellationField[kMaxFieldLength + 1];
        Char name[kMaxFieldLength + 1];
        if (!ReadField(scanner, ',', letterField) || !ReadField(scanner, ',', constellationField) ||
            !ReadField(scanner, '.', name)) {
            complete = false;
            break;
        }
        const int letter = FindGreekLetterByAbbreviation(letterField);
        const int constellation =
            letter == kNoGreekLetter ? -1 : stars.ConstellationByAbbreviation(constellationField);
        const int star =
            constellation < 0 ? -1 : stars.BrightestStarWithLetter(constellation, letter, 0);
        if (star < 0 || star >= starCount) {
            complete = false;
            break;
        }
        names[star] = String(name);
    }
    named_.clear();
    named_.reserve(names.size());
    slotOfStar_.assign(static_cast<size_t>(starCount > 0 ? starCount : 0), -1);
    index_ = NameIndex();
    for (auto& [star, name] : names) {
        slotOfStar_[static_cast<size_t>(star)] = static_cast<std::int32_t>(named_.size());
        named_.push_back({star, std::move(name)});
    }
    // The texts are owned by named_, which no longer grows.
    for (const Named& entry : named_) index_.Add(entry.name.Text(), entry.star);
    index_.Seal();
    return complete;
}

const Char* StarProperNames::NameOf(int star) const noexcept {
    if (star < 0 || star >= static_cast<int>(slotOfStar_.size())) return TXT("");
    const std::int32_t slot = slotOfStar_[static_cast<size_t>(star)];
    return slot < 0 ? TXT("") : named_[static_cast<size_t>(slot)].name.Text();
}

const Char* StarProperNames::NextNamed(std::int32_t& cursor, int* star) const noexcept {
    if (cursor < 0 || cursor >= static_cast<int>(named_.size())) {
        cursor = -1;
        if (star) *star = -1;
        return nullptr;
    }
    const Named& entry = named_[static_cast<size_t>(cursor++)];
    if (star) *star = entry.star;
    return entry.name.Text();
}

int StarProperNames::Find(const Char* name) const noexcept { return index_.Find(name); }

}  // namespace corvinata
