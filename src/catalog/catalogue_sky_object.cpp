#include "catalog/catalogue_sky_object.h"

#include "catalog/constellation_catalogue.h"
#include "catalog/star_catalogue.h"

namespace corvinata {

const CatalogueSkyObject* AsCatalogueSkyObject(const CelestialObject& object) noexcept {
    return dynamic_cast<const CatalogueSkyObject*>(&object);
}

const CelestialObject* ConstellationRepresentativeStar(int constellation) {
    const ConstellationObject* owner = GetConstellationCatalogue().At(constellation);
    if (owner == nullptr) return nullptr;
    const int letter = ConstellationPrincipalLetter(constellation);
    const Catalogue& stars = GetStarCatalogue();
    const CelestialObject* best = nullptr;
    double bestMagnitude = kNoCatalogueMagnitude;
    for (const std::uint32_t index : owner->Stars()) {
        const CelestialObject* star = stars.CatalogueGetObjectAt(static_cast<int>(index));
        const CatalogueSkyObject* data = star ? AsCatalogueSkyObject(*star) : nullptr;
        if (data == nullptr || data->BayerLetter() != letter) continue;
        if (best == nullptr || data->CatalogueMagnitude() < bestMagnitude) {
            best = star;
            bestMagnitude = data->CatalogueMagnitude();
        }
    }
    return best;
}

}  // namespace corvinata
