// Product information for tests: the program's texts, changeable where a
// test needs other ones, and a storage service chosen by the test.
#pragma once

#include "base/memory_storage.h"
#include "base/registry_root.h"
#include "base/services.h"

namespace corvinata::test {

struct ProductTexts {
    const Char* product = TXT("Corvinata");
    const Char* version = TXT("1.70");
    const Char* edition = TXT("");
    const Char* company = TXT("Corvinata Software");
    const Char* webAddress = TXT("https://corvinata.org");
};

class FakeProductInfo final : public ProductInfoInterface {
public:
    explicit FakeProductInfo(StorageService& storage, const ProductTexts& texts = {})
        : storage_(storage), texts_(texts) {}

    StorageService& GetStorage() override { return storage_; }
    const Char* GetProductName() const override { return texts_.product; }
    const Char* GetVersion() const override { return texts_.version; }
    const Char* GetEditionName() const override { return texts_.edition; }
    const Char* GetCompanyName() const override { return texts_.company; }
    const Char* GetWebAddress() const override { return texts_.webAddress; }

private:
    StorageService& storage_;
    ProductTexts texts_;
};

// The program's services over an in-memory registry, and the root of its
// settings there.
struct MemorySettings {
    MemorySettings() { GetRegistryRootPath(root); }
    MemoryStorageService storage;
    FakeProductInfo product{storage};
    ScopedApplicationServices services{&product, nullptr};
    String root;
};

}  // namespace corvinata::test
