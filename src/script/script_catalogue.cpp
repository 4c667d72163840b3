#include "script/script_catalogue.h"

#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "catalog/catalogue.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/name_systems.h"
#include "catalog/quantity_kinds.h"

namespace corvinata {
namespace {

const CelestialObject* ObjectOf(int bodyType, int number) {
    const Catalogue* catalogue = CatalogueByType(bodyType);
    return catalogue ? catalogue->CatalogueGetObjectAt(number) : nullptr;
}

}  // namespace

int ObjectModelScriptCatalogue::ObjectCount(int bodyType) const {
    const Catalogue* catalogue = CatalogueByType(bodyType);
    return catalogue ? catalogue->CatalogueGetCount() : 0;
}

bool ObjectModelScriptCatalogue::HasName(int bodyType, int number, int nameSystem,
                                         const Char* name) const {
    const CelestialObject* object = ObjectOf(bodyType, number);
    if (object == nullptr) return false;
    if (nameSystem == kKeyNameSystem) return TextEqualsNoCase(ObjectKeyName(*object), name);
    const BodyType* type = GetBodyType(bodyType);
    const NameSystem* system = type ? type->NameSystemById(nameSystem) : nullptr;
    if (system == nullptr) return false;
    int cursor = 0;
    for (const Char* candidate = object->CelestialObjectFirstName(cursor, system);
         candidate != nullptr; candidate = object->CelestialObjectNextName(cursor, system)) {
        if (TextEqualsNoCase(candidate, name)) return true;
    }
    return false;
}

const Char* ObjectModelScriptCatalogue::KeyName(int bodyType, int number) const {
    const CelestialObject* object = ObjectOf(bodyType, number);
    return object ? ObjectKeyName(*object) : nullptr;
}

bool ObjectModelScriptCatalogue::ListsFunction(int bodyType, std::uint32_t functionId) const {
    const BodyType* type = GetBodyType(bodyType);
    return type != nullptr && type->FindProperty(functionId) != nullptr;
}

double ObjectModelBodyFunctionCalculator::EvaluateBodyFunction(const BodyRef& body,
                                                               std::uint32_t functionId,
                                                               int parameter,
                                                               const TimeAndPlace& timeAndPlace) {
    if (const CelestialObject* object = ObjectOf(body.type, body.number)) {
        return corvinata::EvaluateBodyFunction(*object, functionId, parameter, timeAndPlace);
    }
    const QuantityKind* kind = QuantityKindByIndex(FunctionQuantityKind(functionId));
    return kind ? kind->GetNoneValue() : kPlusInfinity;
}

int FunctionQuantityKind(std::uint32_t functionId) noexcept {
    const EventKind* kind = FindEventKind(functionId);
    return kind ? kind->GetQuantityKind() : -1;
}

}  // namespace corvinata
