// Catalogues: one per body kind, holding the kind's objects by value in one
// array, filled once at start-up. Iteration and name lookup keep their state
// in a caller-owned cursor: "first" sets it to 0, "next" yields the item at
// the cursor and advances it, and the end is none with the cursor at
// kCursorEnd (any negative cursor is the end).
#pragma once

#include <vector>

#include "catalog/celestial_object.h"

namespace corvinata {

class Catalogue {
public:
    virtual ~Catalogue() = default;
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // The object that bears `name` in `system` (none: a kind without name
    // systems), or none.
    const CelestialObject* CatalogueFindObject(const Char* name, const NameSystem* system) const {
        return CatalogueFindByNameScan(name, system);
    }
    // The object with that number; none outside 0..count-1.
    virtual const CelestialObject* CatalogueGetObjectAt(int index) const = 0;
    virtual int CatalogueGetCount() const = 0;
    const CelestialObject* CatalogueFirst(int& cursor) const { return CatalogueFirstObject(cursor); }
    const CelestialObject* CatalogueNext(int& cursor) const { return CatalogueNextObject(cursor); }
    // Sets the cursor to 0 and answers CatalogueNextNamed.
    const Char* CatalogueFirstNamed(int& cursor, const NameSystem* system,
                                    const CelestialObject** object) const;
    // Takes the next object and answers its first name in `system` (none when
    // it has none); `object` (when given) receives the object. At the end:
    // none, `object` none and the cursor at kCursorEnd.
    virtual const Char* CatalogueNextNamed(int& cursor, const NameSystem* system,
                                           const CelestialObject** object) const;
    // The first object whose first name in `system` equals the text exactly
    // (case-sensitive); objects without a name in the system are passed over.
    virtual const CelestialObject* CatalogueFindByNameScan(const Char* name,
                                                           const NameSystem* system) const;
    const CelestialObject* CatalogueFirstObject(int& cursor) const;
    // The object at the cursor, advancing it; none at the end.
    virtual const CelestialObject* CatalogueNextObject(int& cursor) const;

    // Empties the catalogue (at exit); the count is 0 afterwards.
    virtual void CatalogueClear() = 0;

protected:
    Catalogue() = default;
};

// A catalogue over a growable array of one object class. The creating code
// fills the array through Objects() during start-up; afterwards it is only
// read, so pointers to the objects stay valid until CatalogueClear.
template <class Object>
class ArrayCatalogue : public Catalogue {
public:
    const Object* At(int index) const noexcept {
        return index >= 0 && index < Count() ? &objects_[static_cast<std::size_t>(index)]
                                             : nullptr;
    }
    int Count() const noexcept { return static_cast<int>(objects_.size()); }

    const CelestialObject* CatalogueGetObjectAt(int index) const override { return At(index); }
    int CatalogueGetCount() const override { return Count(); }
    void CatalogueClear() override { std::vector<Object>().swap(objects_); }

    std::vector<Object>& Objects() noexcept { return objects_; }
    const std::vector<Object>& Objects() const noexcept { return objects_; }
    // Empties the array and gives it one default object: the catalogue of a
    // kind that has a single body.
    Object& HoldSingleObject() {
        objects_.clear();
        objects_.emplace_back();
        return objects_.front();
    }

private:
    std::vector<Object> objects_;
};

}  // namespace corvinata
