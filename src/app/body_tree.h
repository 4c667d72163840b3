// The content of the Select Body dialog apart from its window: the tree of
// the solar system and the large catalogues, the name systems of a body
// type, the sorted names of a catalogue in one system, and the body that a
// choice makes.
#pragma once

#include <vector>

#include "catalog/catalogue_registry.h"

namespace corvinata {

struct BodyTreeItem {
    const CelestialObject* object;  // the catalogue's first object for a catalogue item; none for the root
    String text;
    int type;                       // body type, known also for an empty catalogue
    int parent;                     // -1 for the root
    bool catalogue;                 // stands for a whole catalogue or group, not one object
    bool expanded;
};

class BodyTree {
public:
    // Root "Solar system", the Sun, the Earth (with `includeEarth`), the
    // Moon (under the Earth when it is there, else under the Sun), the planets
    // group with the planets (Jupiter and Saturn with their satellites when
    // `includeSatellites`), then the constellations, the stars and the deep
    // sky at the top level.
    BodyTree(bool includeEarth, bool includeSatellites);

    const std::vector<BodyTreeItem>& Items() const noexcept { return items_; }
    int Root() const noexcept { return 0; }
    int Sun() const noexcept { return sun_; }

    // Body type of an item (9 for the root or no item).
    int TypeOf(int item) const noexcept;
    // Whether the item's kind is chosen by one of its names, in one of its
    // name systems (stars, constellations, deep-sky objects): its type's
    // selection style.
    bool ChosenByName(int item) const noexcept;
    // Whether OK may take the item: not the root, and one object or a type
    // whose names the list supplies.
    bool MayAccept(int item) const noexcept;
    // Whether a double click on the item chooses it (one object, no children).
    bool ChosenByDoubleClick(int item) const noexcept;
    // The item of a body: the body's own item when it has one, else its
    // type's catalogue item; -1 when none.
    int FindItem(const CelestialObject* body) const noexcept;

private:
    int Add(int type, const CelestialObject* object, const Char* text, int parent, bool catalogue,
            bool expanded);
    bool HasChildren(int item) const noexcept;

    std::vector<BodyTreeItem> items_;
    int sun_ = -1;
};

// The type's name systems in the order of its list; none for type 9 and the
// kinds named once.
std::vector<const NameSystem*> NameSystemsOfType(int type);

struct BodyName {
    String name;
    const CelestialObject* object;
};
// Every object of the type's catalogue that has a name in `system`, by name
// (ignoring case, then exactly).
std::vector<BodyName> NamesInSystem(int type, const NameSystem* system);

// The chosen body: for a type without name systems the item's object with
// its key name; otherwise the list's object and name in `system`.
BodyIdentifier BuildBodySelection(const BodyTree& tree, int item, const NameSystem* system,
                                  const BodyName* listEntry);

// The first object of the first catalogue, by its key name: the choice
// offered before any was made.
BodyIdentifier DefaultBodyIdentifier();

}  // namespace corvinata
