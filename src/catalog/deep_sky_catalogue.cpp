#include "catalog/deep_sky_catalogue.h"

namespace corvinata {
namespace {

// Holds no objects until the deep-sky loader fills it.
class EmptyDeepSkyCatalogue final : public Catalogue {
public:
    const CelestialObject* CatalogueGetObjectAt(int) const override { return nullptr; }
    int CatalogueGetCount() const override { return 0; }
    void CatalogueClear() override {}
};

}  // namespace

Catalogue& GetDeepSkyCatalogue() {
    static EmptyDeepSkyCatalogue catalogue;
    return catalogue;
}

bool CreateDeepSkyCatalogue() { return true; }

bool CreateDeepSkyDesignations() { return true; }

}  // namespace corvinata
