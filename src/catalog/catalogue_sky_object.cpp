#include "catalog/catalogue_sky_object.h"

#include "catalog/star_catalogue.h"

namespace corvinata {

const CatalogueSkyObject* AsCatalogueSkyObject(const CelestialObject& object) noexcept {
    return dynamic_cast<const CatalogueSkyObject*>(&object);
}

const CelestialObject* ConstellationRepresentativeStar(int constellation) {
    return ConstellationPrincipalStar(constellation);
}

}  // namespace corvinata
