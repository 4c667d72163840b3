// Body types: for every kind of body, the properties that can be computed
// for it (in the order dialogs, the Event Finder and scripts show them), its
// name systems and the names under which the kind is shown and looked up.
// The ten types live in one registry, created at start-up and reached from
// anywhere through GetBodyType.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/wide_string.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/name_systems.h"

namespace corvinata {

class BodyType {
public:
    explicit BodyType(int typeId);
    BodyType(const BodyType&) = delete;
    BodyType& operator=(const BodyType&) = delete;
    BodyType(BodyType&&) = default;

    // 1 for the kinds named in several systems (stars, constellations,
    // deep-sky objects), 0 otherwise: whether the object-selection dialog
    // chooses a body of the kind by one of its names.
    int SelectionStyle() const noexcept { return HasNameSystemsFlag() ? 1 : 0; }
    int GetTypeId() const noexcept { return typeId_; }
    bool HasNameSystemsFlag() const noexcept;

    const String& DisplayName() const noexcept { return displayName_; }
    const String& LookupName() const noexcept { return lookupName_; }

    // The kind's name systems: filled for stars, constellations and deep-sky
    // objects, empty for the solar-system kinds, none for Other.
    const NameSystemList* NameSystems() const noexcept { return nameSystems_.get(); }
    // The list is present and not empty.
    bool HasNameSystems() const noexcept;
    // The system with that id, or none.
    const NameSystem* NameSystemById(int id) const noexcept;
    // The key system, or none.
    const NameSystem* KeyNameSystem() const noexcept;

    // The properties in display order.
    const std::vector<const EventKind*>& Properties() const noexcept { return properties_; }
    const EventKind* FindProperty(std::uint32_t id) const noexcept;
    // The first property whose name equals the text exactly, or none.
    const EventKind* FindPropertyByName(const Char* name) const noexcept;

private:
    int typeId_;
    std::vector<const EventKind*> properties_;
    std::unique_ptr<NameSystemList> nameSystems_;
    String displayName_;
    String lookupName_;
};

// The ten body types, held in the order Constellation, Earth, Jovian
// satellite, Moon, Deep sky, Planet, Saturnian satellite, Star, Sun, Other.
class BodyTypeRegistry {
public:
    BodyTypeRegistry();
    // Destroys the types in reverse registry order.
    ~BodyTypeRegistry();
    BodyTypeRegistry(const BodyTypeRegistry&) = delete;
    BodyTypeRegistry& operator=(const BodyTypeRegistry&) = delete;

    // The type of id 0..9; none for any other id.
    const BodyType* TypeOf(int typeId) const noexcept;

private:
    std::vector<BodyType> types_;
};

// Creates the one registry and makes it reachable through GetBodyType;
// a registry that exists already is replaced.
void CreateBodyTypeRegistry();
// Destroys the registry; GetBodyType answers none afterwards.
void BodyTypeRegistryFree();
// The registry, or none before CreateBodyTypeRegistry.
const BodyTypeRegistry* GetBodyTypeRegistry() noexcept;

const BodyType* GetBodyType(const BodyTypeRegistry& registry, int typeId) noexcept;
// The type of id 0..9 in the global registry; none for another id or when no
// registry exists.
const BodyType* GetBodyType(int typeId) noexcept;
// The first of types 0..8 whose lookup name equals the text exactly; Other
// is never found.
const BodyType* FindBodyTypeByName(const BodyTypeRegistry& registry, const Char* name) noexcept;

}  // namespace corvinata
