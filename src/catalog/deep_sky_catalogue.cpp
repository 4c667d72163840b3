#include "catalog/deep_sky_catalogue.h"

#include "base/event_time.h"
#include "catalog/name_systems.h"
#include "generated/deep_sky.h"

namespace corvinata {

namespace {

int SystemId(const NameSystem* system) { return system ? system->GetId() : kDeepSkyNgcIc; }

// Copies at most N - 1 characters and the terminator.
template <int N>
void CopyText(Char (&target)[N], const Char* source) {
    int i = 0;
    for (; i < N - 1 && source[i]; ++i) target[i] = source[i];
    target[i] = 0;
}

}  // namespace

DeepSkyObject::DeepSkyObject(int index, const DeepSkyRecord& record,
                             const ConstellationObject* constellation)
    : CelestialObject(index, TXT("")),
      type_(record.type),
      position_{record.rightAscension, record.declination, kEquatorialSystem},
      constellation_(constellation),
      size_(record.size),
      magnitude_(record.magnitude) {
    CopyText(designation_, record.name);
    CopyText(description_, record.description);
}

const Char* DeepSkyObject::CelestialObjectNextName(int& cursor, const NameSystem* system) const {
    return GetDeepSkyCatalogue().Designations().NextName(number_, SystemId(system), cursor);
}

void DeepSkyObject::CelestialObjectNameParts(String& main, String& extra) const {
    GetDeepSkyCatalogue().Designations().NameParts(number_, main, extra);
}

bool DeepSkyCatalogue::LoadRecords() {
    CatalogueClear();
    std::vector<DeepSkyObject>& objects = Objects();
    objects.reserve(deep_sky_data::kDeepSkyRecordCount);
    for (const DeepSkyRecord& record : deep_sky_data::kDeepSkyRecords) {
        const ConstellationObject* constellation =
            FindConstellationByAbbreviation(record.constellation);
        if (!constellation) return false;
        objects.emplace_back(Count(), record, constellation);
    }
    return true;
}

bool DeepSkyCatalogue::LoadDesignations() {
    std::vector<const Char*> designations;
    designations.reserve(Objects().size());
    for (const DeepSkyObject& object : Objects()) designations.push_back(object.GetPlainName());
    return designations_.Build(designations);
}

void DeepSkyCatalogue::CatalogueClear() {
    ArrayCatalogue<DeepSkyObject>::CatalogueClear();
    designations_ = DeepSkyDesignations();
}

const Char* DeepSkyCatalogue::CatalogueNextNamed(int& cursor, const NameSystem* system,
                                                 const CelestialObject** object) const {
    int found = -1;
    const Char* name = designations_.NextNamed(cursor, SystemId(system), &found);
    if (object) *object = At(found);
    return name;
}

const CelestialObject* DeepSkyCatalogue::CatalogueFindByNameScan(const Char* name,
                                                                 const NameSystem* system) const {
    return At(designations_.FindByName(name, SystemId(system)));
}

DeepSkyCatalogue& GetDeepSkyCatalogue() {
    static DeepSkyCatalogue catalogue;
    return catalogue;
}

bool CreateDeepSkyCatalogue() { return GetDeepSkyCatalogue().LoadRecords(); }

bool CreateDeepSkyDesignations() { return GetDeepSkyCatalogue().LoadDesignations(); }

}  // namespace corvinata
