// The nine catalogues: created at start-up in a fixed order, reached by body
// type id, emptied at exit; and the names that identify a body anywhere in
// the program.
//
// Start-up order (each step needs the ones before it): constellations with
// their boundary zones, the Earth, the Jovian satellites, the Moon, the
// deep-sky objects with their designations, the planets, the Saturnian
// satellites, the bright stars, the star proper names, the Sun, the
// constellation figures.
#pragma once

#include "base/wide_string.h"
#include "catalog/catalogue.h"
#include "catalog/celestial_object.h"

namespace corvinata {

class NameSystem;

// Builds every catalogue in the start-up order, stopping at the first step
// that fails; false then (the program ends). Needs the body-type registry.
bool CreateCatalogues();
// Empties every catalogue (zones first, then constellations, Earth, Jovian
// satellites, Moon, deep sky, planets, Saturnian satellites, stars, Sun).
bool DestroyCatalogues();
// The catalogue of type 0..8; none for any other id.
Catalogue* CatalogueByType(int typeId) noexcept;

// The object with that number in the catalogue of a body type; none for the
// type "other" (9), which has no catalogue.
const CelestialObject* GetCatalogueObject(int bodyType, int number);
// Lookup by name. A body type's name systems are tried in their list order
// and the first object found wins; a type without name systems is searched
// once without one. Answers none for a name no catalogue knows (and when no
// catalogues exist).
const CelestialObject* FindObjectOfTypeByName(int bodyType, const Char* name);
// Searches the body types 0 (Sun) to 7 (Saturnian satellites) in that order;
// Jovian satellites and "other" bodies are not searched.
const CelestialObject* FindObjectByName(const Char* name);
// The item of a body type's name-system list with that id, or none.
const NameSystem* GetNameSystemOfType(int bodyType, int id);

// The name that identifies an object: its first name in the key system of
// its type when the type has name systems, its plain name otherwise. Never
// null.
const Char* ObjectKeyName(const CelestialObject& object);
// What a menu or text that names a body says when there is none.
inline constexpr const Char* kUnknownObjectName = TXT("unknown object");
// Appends every name of the object in `system` to `result`, ", " before each
// name when `result` is not empty at that point.
void JoinObjectNames(const CelestialObject& object, const NameSystem* system, String& result);

// The solar-system numbering of the type library: 0 Mercury, 1 Venus,
// 2 Earth, 3 Mars ... 8 Pluto. None outside 0..8.
const CelestialObject* PlanetByNumber(int n) noexcept;
// The inverse: the Earth gives 2, a planet its catalogue number, plus 1 from
// Mars on. Any other object gives -1.
int PlanetNumberOfObject(const CelestialObject& object) noexcept;

// A body as the user chose it: the object, the name system it was named in
// and the name in that system.
struct BodyIdentifier {
    const CelestialObject* object = nullptr;
    const NameSystem* nameSystem = nullptr;
    String name;
};

void BodyIdentifierInit(BodyIdentifier& id, const CelestialObject* object,
                        const NameSystem* system, const Char* name);
// With no object: no object, no system, empty name. Otherwise the object, the
// key system of its type (none for kinds without systems) and its first name
// in that system.
BodyIdentifier BodyIdentifierFromObject(const CelestialObject* object);
void BodyIdentifierAssignObject(BodyIdentifier& id, const CelestialObject& object);
// True when object, name system or name (exactly) differ.
bool BodyIdentifierDiffers(const BodyIdentifier& a, const BodyIdentifier& b);

}  // namespace corvinata
