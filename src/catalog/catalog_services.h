// The catalogue services that the base library and the astronomical code call.
//
// The object model (catalogues, body types, quantity kinds) lives above the
// base and astro libraries, so those libraries see it only through the
// abstract interfaces below. The application registers the real catalogues
// once at start-up with SetCatalogueServices; tests register fakes. With
// nothing registered every lookup answers "none", never a dangling object.
#pragma once

#include <memory>

#include "base/wide_string.h"

namespace corvinata {

// Body type ids, the numbering every part of the program shares.
enum BodyTypeId : int {
    kBodySun = 0,
    kBodyMoon = 1,
    kBodyPlanet = 2,
    kBodyEarth = 3,
    kBodyStar = 4,
    kBodyConstellation = 5,
    kBodyDeepSky = 6,
    kBodySaturnSatellite = 7,
    kBodyJupiterSatellite = 8,
    kBodyOther = 9,
};

constexpr int kBodyTypeCount = 10;

// Common interface of every object of the catalogues. Objects are created and
// owned by their catalogue; callers only borrow them.
class CelestialObject {
public:
    virtual ~CelestialObject() = default;
    // The object's body type (a BodyTypeId).
    virtual int GetTypeId() const = 0;
};

// One name system of a body type ("common name", "Bayer", "NGC" ...).
class NameSystem {
public:
    virtual ~NameSystem() = default;
    virtual int GetId() const = 0;
};

// The name systems of one body type, in their fixed order; may be empty.
class NameSystemList {
public:
    virtual ~NameSystemList() = default;
    virtual int Count() const = 0;
    // The item at a position 0..Count()-1.
    virtual const NameSystem* ItemAt(int position) const = 0;
    // The item with that id, or none.
    virtual const NameSystem* FindById(int id) const = 0;
};

// An entry of the body-type registry.
class BodyType {
public:
    virtual ~BodyType() = default;
    virtual const NameSystemList& NameSystems() const = 0;
};

class Catalogue {
public:
    virtual ~Catalogue() = default;
    // The object bearing `name` in `system` (none: no particular system), or none.
    virtual CelestialObject* FindByName(const Char* name, const NameSystem* system) const = 0;
    // The catalogue's object with that number, or none.
    virtual CelestialObject* ObjectByNumber(int number) const = 0;
};

// How a QuantityValue writes itself. The fields keep the order in which the
// graph and report code hand them over.
struct QuantityFormatRequest {
    bool flag = false;
    int first = 0;
    int second = 0;
    int third = 0;
    int angleDegreeBase = 1;  // 1 decimal degrees, 0 sexagesimal
    int raDisplayUnit = 1;    // 1 hours, 0 degrees
};

// A typed quantity (angle, magnitude, percentage ...) holding one value.
class QuantityValue {
public:
    virtual ~QuantityValue() = default;
    virtual void Format(String& out, const QuantityFormatRequest& request) const = 0;
};

// The five operations every quantity kind offers, in the order the object
// model lists them. A value is in range between Minimum() and Maximum().
class QuantityKind {
public:
    virtual ~QuantityKind() = default;
    virtual double MissingValue() const = 0;
    virtual int Decimals(double value) const = 0;
    virtual double Maximum() const = 0;
    virtual double Minimum() const = 0;
    virtual bool IsValid(double value) const = 0;
};

constexpr int kQuantityKindCount = 13;

// What the object model provides to the layers below it.
class CatalogueServices {
public:
    virtual ~CatalogueServices() = default;
    // Registry entry of a body type 0..9.
    virtual const BodyType* GetBodyType(int bodyType) const = 0;
    // The one catalogue of a body type 0..8; none for any other type.
    virtual Catalogue* CatalogueByType(int bodyType) const = 0;
    // A new value of quantity kind 0..12; none for any other kind.
    virtual std::unique_ptr<QuantityValue> CreateQuantityValue(int kind, int extra, int second,
                                                               double value) const = 0;
};

namespace detail {
inline CatalogueServices* g_catalogueServices = nullptr;
}

// Registration point: the application sets its catalogues once at start-up
// (and clears them at shutdown); tests install fakes. The services are
// borrowed, not owned.
inline void SetCatalogueServices(CatalogueServices* services) noexcept {
    detail::g_catalogueServices = services;
}
inline CatalogueServices* GetCatalogueServices() noexcept { return detail::g_catalogueServices; }

inline const BodyType* GetBodyType(int bodyType) {
    const CatalogueServices* s = detail::g_catalogueServices;
    return s ? s->GetBodyType(bodyType) : nullptr;
}

inline Catalogue* CatalogueByType(int bodyType) {
    const CatalogueServices* s = detail::g_catalogueServices;
    return s ? s->CatalogueByType(bodyType) : nullptr;
}

inline std::unique_ptr<QuantityValue> CreateQuantityValue(int kind, int extra, int second,
                                                          double value) {
    const CatalogueServices* s = detail::g_catalogueServices;
    if (!s || kind < 0 || kind >= kQuantityKindCount) return nullptr;
    return s->CreateQuantityValue(kind, extra, second, value);
}

}  // namespace corvinata
