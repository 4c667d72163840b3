#include "catalog/star_catalogue.h"

namespace corvinata {
namespace {

// Holds no stars until the star loader fills it.
class EmptyStarCatalogue final : public Catalogue {
public:
    const CelestialObject* CatalogueGetObjectAt(int) const override { return nullptr; }
    int CatalogueGetCount() const override { return 0; }
    void CatalogueClear() override {}
};

}  // namespace

Catalogue& GetStarCatalogue() {
    static EmptyStarCatalogue catalogue;
    return catalogue;
}

bool CreateStarCatalogue() { return true; }

bool CreateStarProperNames() { return true; }

}  // namespace corvinata
