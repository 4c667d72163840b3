#include "catalog/deep_sky_designations.h"

#include <algorithm>

#include "base/number_text.h"
#include "catalog/deep_sky_names.h"
#include "generated/herschel400.h"

namespace corvinata {

namespace {

constexpr const Char* kNameSeparator = TXT(", ");

void AppendPart(String& extra, const Char* part) {
    if (!extra.IsEmpty()) StringAppend(extra, kNameSeparator);
    StringAppend(extra, part);
}

}  // namespace

bool DeepSkyDesignations::Build(const std::vector<const Char*>& designations) {
    designations_ = designations;
    const int objectCount = static_cast<int>(designations_.size());
    designationIndex_ = NameIndex();
    designationIndex_.Reserve(objectCount);
    for (int i = 0; i < objectCount; ++i) designationIndex_.Add(designations_[i], i);
    designationIndex_.Seal();

    const struct {
        const DesignationPair* pairs;
        int count;
    } tables[3] = {{kCaldwellTable, kCaldwellCount},
                   {herschel400_data::kHerschel400Table, herschel400_data::kHerschel400Count},
                   {kMessierTable, kMessierCount}};
    for (int l = 0; l < 3; ++l) {
        List& list = lists_[l];
        list = List();
        list.pairs = tables[l].pairs;
        list.count = tables[l].count;
        list.objectOfPosition.assign(static_cast<size_t>(list.count), -1);
        list.positionOfObject.assign(static_cast<size_t>(objectCount), -1);
        for (int p = 0; p < list.count; ++p) {
            list.byDesignation.Add(list.pairs[p].designation, p);
            list.byTarget.Add(list.pairs[p].target, p);
        }
        list.byDesignation.Seal();
        list.byTarget.Seal();
        for (int p = 0; p < list.count; ++p) {
            const int object = designationIndex_.Find(list.pairs[p].target);
            if (object < 0) return false;
            list.objectOfPosition[static_cast<size_t>(p)] = object;
            // Only the first pair aiming at an object names it.
            if (list.byTarget.Find(list.pairs[p].target) == p) {
                list.positionOfObject[static_cast<size_t>(object)] = p;
            }
        }
    }

    // The proper names ordered by their target designation (IC before NGC,
    // numbers in order thanks to the fixed width), table order kept among
    // the names of one object.
    properNames_.clear();
    properNames_.reserve(kDeepSkyProperNameCount);
    for (const DeepSkyProperName& entry : kDeepSkyProperNames) {
        properNames_.push_back({entry.name, entry.target, -1});
    }
    std::stable_sort(properNames_.begin(), properNames_.end(),
                     [](const ProperName& a, const ProperName& b) {
                         return CompareWideText(a.target, b.target) < 0;
                     });
    firstProperName_.assign(static_cast<size_t>(objectCount), -1);
    properNameCount_.assign(static_cast<size_t>(objectCount), 0);
    properNameIndex_ = NameIndex();
    for (int p = 0; p < static_cast<int>(properNames_.size()); ++p) {
        ProperName& entry = properNames_[static_cast<size_t>(p)];
        entry.object = designationIndex_.Find(entry.target);
        if (entry.object < 0) return false;
        const auto object = static_cast<size_t>(entry.object);
        if (firstProperName_[object] < 0) firstProperName_[object] = p;
        ++properNameCount_[object];
        properNameIndex_.Add(entry.name, p);
    }
    properNameIndex_.Seal();
    return true;
}

const DeepSkyDesignations::List* DeepSkyDesignations::ListOf(int system) const noexcept {
    switch (system) {
        case kDeepSkyCaldwell: return &lists_[kCaldwellList];
        case kDeepSkyHerschel400: return &lists_[kHerschel400List];
        case kDeepSkyMessier: return &lists_[kMessierList];
        default: return nullptr;
    }
}

int DeepSkyDesignations::FindDesignationByTarget(DeepSkyList list, const Char* target) const noexcept {
    if (list < 0 || list > 2) return -1;
    return lists_[list].byTarget.Find(target);
}

int DeepSkyDesignations::DesignationOfObject(DeepSkyList list, int object) const noexcept {
    if (list < 0 || list > 2) return -1;
    const List& l = lists_[list];
    if (object < 0 || object >= static_cast<int>(l.positionOfObject.size())) return -1;
    return l.positionOfObject[static_cast<size_t>(object)];
}

int DeepSkyDesignations::ListCount(DeepSkyList list) const noexcept {
    return list >= 0 && list <= 2 ? lists_[list].count : 0;
}

const Char* DeepSkyDesignations::DesignationAt(DeepSkyList list, int position) const noexcept {
    if (list < 0 || list > 2 || position < 0 || position >= lists_[list].count) return nullptr;
    return lists_[list].pairs[position].designation;
}

int DeepSkyDesignations::ObjectAtPosition(DeepSkyList list, int position) const noexcept {
    if (list < 0 || list > 2 || position < 0 || position >= lists_[list].count) return -1;
    return lists_[list].objectOfPosition[static_cast<size_t>(position)];
}

const Char* DeepSkyDesignations::NextName(int object, int system, std::int32_t& cursor) const noexcept {
    const int objectCount = static_cast<int>(designations_.size());
    if (cursor < 0 || object < 0 || object >= objectCount) {
        cursor = -1;
        return nullptr;
    }
    const auto at = static_cast<size_t>(object);
    if (system == kDeepSkyProperName) {
        if (cursor < properNameCount_[at]) {
            return properNames_[static_cast<size_t>(firstProperName_[at] + cursor++)].name;
        }
    } else if (system == kDeepSkyNgcIc) {
        if (cursor == 0) {
            cursor = 1;
            return designations_[at];
        }
    } else if (const List* list = ListOf(system)) {
        const int position = list->positionOfObject[at];
        if (cursor == 0 && position >= 0) {
            cursor = 1;
            return list->pairs[position].designation;
        }
    }
    cursor = -1;
    return nullptr;
}

void DeepSkyDesignations::NameParts(int object, String& main, String& extra) const {
    main = TXT("");
    extra = TXT("");
    if (object < 0 || object >= static_cast<int>(designations_.size())) return;
    main = designations_[static_cast<size_t>(object)];
    for (int system : {kDeepSkyMessier, kDeepSkyCaldwell, kDeepSkyHerschel400}) {
        std::int32_t cursor = 0;
        if (const Char* name = NextName(object, system, cursor)) AppendPart(extra, name);
    }
    std::int32_t cursor = 0;
    while (const Char* name = NextName(object, kDeepSkyProperName, cursor)) AppendPart(extra, name);
}

const Char* DeepSkyDesignations::NextNamed(std::int32_t& cursor, int system, int* object) const noexcept {
    int found = -1;
    const Char* name = nullptr;
    if (cursor >= 0) {
        if (system == kDeepSkyProperName) {
            if (cursor < static_cast<int>(properNames_.size())) {
                const ProperName& entry = properNames_[static_cast<size_t>(cursor)];
                name = entry.name;
                found = entry.object;
            }
        } else if (system == kDeepSkyNgcIc) {
            if (cursor < static_cast<int>(designations_.size())) {
                name = designations_[static_cast<size_t>(cursor)];
                found = cursor;
            }
        } else if (const List* list = ListOf(system)) {
            if (cursor < list->count) {
                name = list->pairs[cursor].designation;
                found = list->objectOfPosition[static_cast<size_t>(cursor)];
            }
        }
    }
    cursor = name ? cursor + 1 : -1;
    if (object) *object = found;
    return name;
}

int DeepSkyDesignations::FindByName(const Char* name, int system) const noexcept {
    if (system == kDeepSkyProperName) {
        const int position = properNameIndex_.Find(name);
        return position < 0 ? -1 : properNames_[static_cast<size_t>(position)].object;
    }
    if (system == kDeepSkyNgcIc) return designationIndex_.Find(name);
    if (const List* list = ListOf(system)) {
        const int position = list->byDesignation.Find(name);
        return position < 0 ? -1 : list->objectOfPosition[static_cast<size_t>(position)];
    }
    return -1;
}

}  // namespace corvinata
