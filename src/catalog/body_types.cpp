#include "catalog/body_types.h"

#include <array>

namespace corvinata {
namespace {

struct BodyTypeRow {
    const Char* displayName;
    const Char* lookupName;
    std::unique_ptr<NameSystemList> (*nameSystems)();  // none: no list at all
    // In display order, ended by the first 0.
    std::array<std::uint32_t, 18> properties;
};

const BodyTypeRow& RowOf(int typeId) {
    static const BodyTypeRow kRows[kBodyTypeCount] = {
        {TXT("Sun"), TXT("Sun"), NameSystemList::Empty,
         {kFunctionAngularSize, kFunctionConstellation, kFunctionCulmination,
          kFunctionSignOfZodiac, kFunctionDirection, kFunctionDistanceFromEarth, kFunctionRise,
          kFunctionSet, kFunctionEveningTwilightAstronomical, kFunctionEveningTwilightCivil,
          kFunctionEveningTwilightNautical, kFunctionMorningTwilightAstronomical,
          kFunctionMorningTwilightCivil, kFunctionMorningTwilightNautical, kFunctionLongitude,
          kFunctionLatitude, kFunctionMagnitude}},
        {TXT("Moon"), TXT("Moon"), NameSystemList::Empty,
         {kFunctionAngularSize, kFunctionConstellation, kFunctionCulmination,
          kFunctionSignOfZodiac, kFunctionDirection, kFunctionDistanceFromEarth, kFunctionPhase,
          kFunctionRise, kFunctionSet, kFunctionLongitude, kFunctionLatitude,
          kFunctionAscendingNode, kFunctionDescendingNode, kFunctionBrightLimb,
          kFunctionElongationAngular, kFunctionElongationLongitude}},
        {TXT("Planet"), TXT("Planet"), NameSystemList::Empty,
         {kFunctionAngularSize, kFunctionMagnitude, kFunctionConstellation,
          kFunctionCulmination, kFunctionSignOfZodiac, kFunctionDirection,
          kFunctionDistanceFromEarth, kFunctionDistanceFromSun, kFunctionElongationAngular,
          kFunctionElongationLongitude, kFunctionPhase, kFunctionRise, kFunctionSet,
          kFunctionLongitude, kFunctionLatitude, kFunctionHeliocentricLongitude,
          kFunctionHeliocentricLatitude, kFunctionBrightLimb}},
        {TXT("Earth"), TXT("Earth"), NameSystemList::Empty,
         {kFunctionDistanceFromSun, kFunctionHeliocentricLongitude,
          kFunctionHeliocentricLatitude}},
        // Stars list Set before Rise, unlike every other kind.
        {TXT("Star"), TXT("Star"), NameSystemList::ForStars,
         {kFunctionCulmination, kFunctionDirection, kFunctionSet, kFunctionRise,
          kFunctionLongitude, kFunctionLatitude, kFunctionMagnitude, kFunctionConstellation,
          kFunctionElongationAngular, kFunctionElongationLongitude}},
        {TXT("Constellation"), TXT("Constellation"), NameSystemList::ForConstellations,
         {kFunctionDirection, kFunctionRise, kFunctionSet, kFunctionLongitude, kFunctionLatitude,
          kFunctionElongationAngular, kFunctionElongationLongitude}},
        {TXT("Deep Sky Object"), TXT("Deep Sky"), NameSystemList::ForDeepSky,
         {kFunctionAngularSize, kFunctionMagnitude, kFunctionConstellation,
          kFunctionCulmination, kFunctionDirection, kFunctionRise, kFunctionSet,
          kFunctionLongitude, kFunctionLatitude, kFunctionElongationAngular,
          kFunctionElongationLongitude}},
        {TXT("Saturnian Satellite"), TXT("Saturnian satellite"), NameSystemList::Empty,
         {kFunctionRectangularX, kFunctionRectangularY, kFunctionRectangularZ}},
        {TXT("Jovian Satellite"), TXT("Jovian satellite"), NameSystemList::Empty,
         {kFunctionRectangularX, kFunctionRectangularY, kFunctionRectangularZ}},
        {TXT("Other"), TXT("Other"), nullptr, {}},
    };
    return kRows[typeId];
}

// Registry slot order.
constexpr int kRegistryOrder[kBodyTypeCount] = {
    kBodyConstellation, kBodyEarth,           kBodyJupiterSatellite, kBodyMoon, kBodyDeepSky,
    kBodyPlanet,        kBodySaturnSatellite, kBodyStar,             kBodySun,  kBodyOther,
};

std::unique_ptr<BodyTypeRegistry> g_registry;

}  // namespace

BodyType::BodyType(int typeId) : typeId_(typeId) {
    const BodyTypeRow& row = RowOf(typeId);
    for (std::uint32_t id : row.properties) {
        if (id == 0) break;
        properties_.push_back(FindEventKind(id));
    }
    if (row.nameSystems) nameSystems_ = row.nameSystems();
    StringAssign(displayName_, row.displayName);
    StringAssign(lookupName_, row.lookupName);
}

bool BodyType::HasNameSystemsFlag() const noexcept {
    return typeId_ == kBodyStar || typeId_ == kBodyConstellation || typeId_ == kBodyDeepSky;
}

bool BodyType::HasNameSystems() const noexcept {
    return nameSystems_ && nameSystems_->Count() > 0;
}

const NameSystem* BodyType::NameSystemById(int id) const noexcept {
    return nameSystems_ ? nameSystems_->FindById(id) : nullptr;
}

const NameSystem* BodyType::KeyNameSystem() const noexcept {
    return nameSystems_ ? nameSystems_->KeyItem() : nullptr;
}

const EventKind* BodyType::FindProperty(std::uint32_t id) const noexcept {
    for (const EventKind* kind : properties_) {
        if (kind->GetId() == id) return kind;
    }
    return nullptr;
}

const EventKind* BodyType::FindPropertyByName(const Char* name) const noexcept {
    if (!name) return nullptr;
    for (const EventKind* kind : properties_) {
        if (TextEquals(kind->GetName(), name)) return kind;
    }
    return nullptr;
}

BodyTypeRegistry::BodyTypeRegistry() {
    types_.reserve(kBodyTypeCount);
    for (int typeId : kRegistryOrder) types_.emplace_back(typeId);
}

BodyTypeRegistry::~BodyTypeRegistry() {
    while (!types_.empty()) types_.pop_back();
}

const BodyType* BodyTypeRegistry::TypeOf(int typeId) const noexcept {
    for (const BodyType& type : types_) {
        if (type.GetTypeId() == typeId) return &type;
    }
    return nullptr;
}

void CreateBodyTypeRegistry() { g_registry = std::make_unique<BodyTypeRegistry>(); }

void BodyTypeRegistryFree() { g_registry.reset(); }

const BodyTypeRegistry* GetBodyTypeRegistry() noexcept { return g_registry.get(); }

const BodyType* GetBodyType(const BodyTypeRegistry& registry, int typeId) noexcept {
    return registry.TypeOf(typeId);
}

const BodyType* GetBodyType(int typeId) noexcept {
    return g_registry ? g_registry->TypeOf(typeId) : nullptr;
}

const BodyType* FindBodyTypeByName(const BodyTypeRegistry& registry, const Char* name) noexcept {
    if (!name) return nullptr;
    for (int typeId = kBodySun; typeId < kBodyOther; ++typeId) {
        const BodyType* type = registry.TypeOf(typeId);
        if (type && StringEquals(type->LookupName(), name)) return type;
    }
    return nullptr;
}

}  // namespace corvinata
