// The body-type registry and every catalogue, built for the lifetime of a
// test object and emptied afterwards.
#pragma once

#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"

namespace corvinata::test {

class ScopedCatalogues {
public:
    ScopedCatalogues() {
        CreateBodyTypeRegistry();
        created_ = CreateCatalogues();
    }
    ~ScopedCatalogues() {
        DestroyCatalogues();
        BodyTypeRegistryFree();
    }
    ScopedCatalogues(const ScopedCatalogues&) = delete;
    ScopedCatalogues& operator=(const ScopedCatalogues&) = delete;

    bool Created() const noexcept { return created_; }

private:
    bool created_ = false;
};

}  // namespace corvinata::test
