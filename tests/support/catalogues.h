// The body-type registry and every catalogue, built for the lifetime of a
// test object and emptied afterwards. Under Wine a test program runs all its
// tests in one process: a scope opened while the catalogues already exist
// (a program-wide test environment) leaves them as they are.
#pragma once

#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"

namespace corvinata::test {

class ScopedCatalogues {
public:
    ScopedCatalogues() {
        if (GetBodyTypeRegistry() != nullptr && CatalogueByType(0) != nullptr) {
            created_ = true;
            return;
        }
        owner_ = true;
        CreateBodyTypeRegistry();
        created_ = CreateCatalogues();
    }
    ~ScopedCatalogues() {
        if (!owner_) return;
        DestroyCatalogues();
        BodyTypeRegistryFree();
    }
    ScopedCatalogues(const ScopedCatalogues&) = delete;
    ScopedCatalogues& operator=(const ScopedCatalogues&) = delete;

    bool Created() const noexcept { return created_; }

private:
    bool created_ = false;
    bool owner_ = false;
};

// The catalogues that the tests of a program share (building them takes a
// while): built when missing, then left for the program's life. A fixture
// asks at each test, because a test that ran the program's application has
// emptied them since: the application destroys the catalogues it builds.
inline bool SharedCatalogues() {
    if (GetBodyTypeRegistry() != nullptr) return true;
    CreateBodyTypeRegistry();
    return CreateCatalogues();
}

}  // namespace corvinata::test
