#include "catalog/name_systems.h"

namespace corvinata {

NameSystemList::NameSystemList(std::initializer_list<const Char*> names, int defaultId,
                               int keyId)
    : defaultId_(defaultId), keyId_(keyId) {
    items_.reserve(names.size());
    for (const Char* name : names) items_.emplace_back(static_cast<int>(items_.size()), name);
}

std::unique_ptr<NameSystemList> NameSystemList::ForStars() {
    return std::unique_ptr<NameSystemList>(
        new NameSystemList({TXT("Proper name"), TXT("BSC 5")}, kStarProperName, kStarBsc5));
}

std::unique_ptr<NameSystemList> NameSystemList::ForConstellations() {
    return std::unique_ptr<NameSystemList>(new NameSystemList(
        {TXT("Classic"), TXT("Modern")}, kConstellationClassic, kConstellationClassic));
}

std::unique_ptr<NameSystemList> NameSystemList::ForDeepSky() {
    return std::unique_ptr<NameSystemList>(
        new NameSystemList({TXT("Proper name"), TXT("Caldwell"), TXT("Herschel 400"),
                            TXT("Messier"), TXT("NGC/IC")},
                           kDeepSkyProperName, kDeepSkyNgcIc));
}

std::unique_ptr<NameSystemList> NameSystemList::Empty() {
    return std::unique_ptr<NameSystemList>(new NameSystemList({}, 0, 0));
}

const NameSystem* NameSystemList::FindByName(const Char* name) const {
    if (!name) return nullptr;
    for (const NameSystem& item : items_) {
        if (StringEquals(item.Name(), name)) return &item;
    }
    return nullptr;
}

const NameSystem* NameSystemList::FindById(int id) const {
    for (const NameSystem& item : items_) {
        if (item.GetId() == id) return &item;
    }
    return nullptr;
}

const NameSystem* NameSystemList::ItemAt(int position) const {
    return position >= 0 && position < Count() ? &items_[static_cast<std::size_t>(position)]
                                               : nullptr;
}

}  // namespace corvinata
