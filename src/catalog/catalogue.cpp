#include "catalog/catalogue.h"

namespace corvinata {

const Char* Catalogue::CatalogueFirstNamed(int& cursor, const NameSystem* system,
                                           const CelestialObject** object) const {
    cursor = 0;
    return CatalogueNextNamed(cursor, system, object);
}

const Char* Catalogue::CatalogueNextNamed(int& cursor, const NameSystem* system,
                                          const CelestialObject** object) const {
    const CelestialObject* next = CatalogueNext(cursor);
    if (object) *object = next;
    if (!next) {
        cursor = kCursorEnd;
        return nullptr;
    }
    int nameCursor = 0;
    return next->CelestialObjectFirstName(nameCursor, system);
}

const CelestialObject* Catalogue::CatalogueFindByNameScan(const Char* name,
                                                          const NameSystem* system) const {
    if (!name) return nullptr;
    int cursor = 0;
    const CelestialObject* object = nullptr;
    for (const Char* first = CatalogueFirstNamed(cursor, system, &object); object;
         first = CatalogueNextNamed(cursor, system, &object)) {
        if (first && TextEquals(first, name)) return object;
    }
    return nullptr;
}

const CelestialObject* Catalogue::CatalogueFirstObject(int& cursor) const {
    cursor = 0;
    return CatalogueNextObject(cursor);
}

const CelestialObject* Catalogue::CatalogueNextObject(int& cursor) const {
    if (cursor < 0 || cursor >= CatalogueGetCount()) {
        cursor = kCursorEnd;
        return nullptr;
    }
    return CatalogueGetObjectAt(cursor++);
}

}  // namespace corvinata
