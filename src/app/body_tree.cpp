#include "app/body_tree.h"

#include <algorithm>

#include "base/number_text.h"
#include "catalog/body_types.h"
#include "catalog/name_systems.h"

namespace corvinata {
namespace {

const Char* TypeName(int type) {
    const BodyType* bodyType = GetBodyType(type);
    return bodyType ? bodyType->DisplayName().Text() : TXT("");
}

const CelestialObject* FirstOf(int type) {
    const Catalogue* catalogue = CatalogueByType(type);
    return catalogue ? catalogue->CatalogueGetObjectAt(0) : nullptr;
}

// Planets and satellites by their own name in their type's key system.
const Char* OwnName(const CelestialObject& object) { return ObjectKeyName(object); }

constexpr int kJupiterNumber = 4;
constexpr int kSaturnNumber = 5;

int CompareNames(const String& a, const String& b) {
    const Char* x = a.Text();
    const Char* y = b.Text();
    for (; *x && *y; ++x, ++y) {
        const Char fx = FoldLower(*x);
        const Char fy = FoldLower(*y);
        if (fx != fy) return fx < fy ? -1 : 1;
    }
    if (*x || *y) return *x ? 1 : -1;
    return 0;
}

}  // namespace

BodyTree::BodyTree(bool includeEarth, bool includeSatellites) {
    const int root = Add(kBodyOther, nullptr, TXT("Solar system"), -1, true, true);
    sun_ = Add(kBodySun, FirstOf(kBodySun), TypeName(kBodySun), root, false, true);
    int moonParent = sun_;
    if (includeEarth)
        moonParent = Add(kBodyEarth, FirstOf(kBodyEarth), TypeName(kBodyEarth), sun_, false, true);
    Add(kBodyMoon, FirstOf(kBodyMoon), TypeName(kBodyMoon), moonParent, false, false);
    const int planets = Add(kBodyPlanet, FirstOf(kBodyPlanet), TypeName(kBodyPlanet), sun_, true, true);
    if (const Catalogue* catalogue = CatalogueByType(kBodyPlanet)) {
        for (int i = 0; i < catalogue->CatalogueGetCount(); ++i) {
            const CelestialObject* planet = catalogue->CatalogueGetObjectAt(i);
            const int item = Add(kBodyPlanet, planet, OwnName(*planet), planets, false, false);
            if (!includeSatellites) continue;
            const int number = PlanetNumberOfObject(*planet);
            const int moons = number == kJupiterNumber   ? kBodyJupiterSatellite
                              : number == kSaturnNumber ? kBodySaturnSatellite
                                                        : -1;
            const Catalogue* satellites = moons < 0 ? nullptr : CatalogueByType(moons);
            for (int s = 0; satellites && s < satellites->CatalogueGetCount(); ++s) {
                const CelestialObject* moon = satellites->CatalogueGetObjectAt(s);
                Add(moons, moon, OwnName(*moon), item, false, false);
            }
        }
    }
    for (int type : {kBodyConstellation, kBodyStar, kBodyDeepSky})
        Add(type, FirstOf(type), TypeName(type), -1, true, false);
}

int BodyTree::Add(int type, const CelestialObject* object, const Char* text, int parent,
                  bool catalogue, bool expanded) {
    items_.push_back({object, String(text), type, parent, catalogue, expanded});
    return static_cast<int>(items_.size()) - 1;
}

bool BodyTree::HasChildren(int item) const noexcept {
    return std::any_of(items_.begin(), items_.end(), [item](const BodyTreeItem& i) { return i.parent == item; });
}

int BodyTree::TypeOf(int item) const noexcept {
    if (item <= 0 || item >= static_cast<int>(items_.size())) return kBodyOther;
    return items_[item].type;
}

bool BodyTree::ChosenByName(int item) const noexcept {
    const BodyType* type = GetBodyType(TypeOf(item));
    return type != nullptr && type->SelectionStyle() == 1;
}

bool BodyTree::MayAccept(int item) const noexcept {
    if (item <= 0 || item >= static_cast<int>(items_.size())) return false;
    if (!items_[item].catalogue) return items_[item].object != nullptr;
    return ChosenByName(item);
}

bool BodyTree::ChosenByDoubleClick(int item) const noexcept {
    return item > 0 && item < static_cast<int>(items_.size()) && !items_[item].catalogue &&
           items_[item].object && !HasChildren(item);
}

int BodyTree::FindItem(const CelestialObject* body) const noexcept {
    if (!body) return -1;
    for (int i = 1; i < static_cast<int>(items_.size()); ++i)
        if (!items_[i].catalogue && items_[i].object == body) return i;
    const int type = body->GetTypeId();
    for (int i = 1; i < static_cast<int>(items_.size()); ++i)
        if (items_[i].catalogue && TypeOf(i) == type) return i;
    return -1;
}

std::vector<const NameSystem*> NameSystemsOfType(int type) {
    std::vector<const NameSystem*> systems;
    const BodyType* bodyType = GetBodyType(type);
    const NameSystemList* list = bodyType ? bodyType->NameSystems() : nullptr;
    for (int i = 0; list && i < list->Count(); ++i) systems.push_back(list->ItemAt(i));
    return systems;
}

std::vector<BodyName> NamesInSystem(int type, const NameSystem* system) {
    std::vector<BodyName> names;
    const Catalogue* catalogue = CatalogueByType(type);
    if (!catalogue || !system) return names;
    int cursor = 0;
    const CelestialObject* object = nullptr;
    for (const Char* name = catalogue->CatalogueFirstNamed(cursor, system, &object); object;
         name = catalogue->CatalogueNextNamed(cursor, system, &object)) {
        if (name && *name) names.push_back({String(name), object});
    }
    std::stable_sort(names.begin(), names.end(), [](const BodyName& a, const BodyName& b) {
        const int folded = CompareNames(a.name, b.name);
        return folded != 0 ? folded < 0 : CompareWideText(a.name.Text(), b.name.Text()) < 0;
    });
    return names;
}

BodyIdentifier BuildBodySelection(const BodyTree& tree, int item, const NameSystem* system,
                                  const BodyName* listEntry) {
    BodyIdentifier selection;
    if (!tree.ChosenByName(item)) {
        if (item > 0 && item < static_cast<int>(tree.Items().size()) && tree.Items()[item].object)
            selection = BodyIdentifierFromObject(tree.Items()[item].object);
        return selection;
    }
    if (listEntry) BodyIdentifierInit(selection, listEntry->object, system, listEntry->name.Text());
    return selection;
}

BodyIdentifier DefaultBodyIdentifier() {
    for (int type = 0; type < kCatalogueCount; ++type)
        if (const CelestialObject* first = FirstOf(type)) return BodyIdentifierFromObject(first);
    return BodyIdentifier{};
}

}  // namespace corvinata
