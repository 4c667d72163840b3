// Helpers for the tests of the storage layer: the application services with
// an in-memory storage service behind them.
#pragma once

#include <gtest/gtest.h>

#include "base/memory_storage.h"
#include "support/fake_product.h"
#include "support/test_text.h"

namespace corvinata::storage_test {

using test::Utf8;
using test::Wide;

// A test whose application services answer with an in-memory storage.
class MemoryServicesTest : public ::testing::Test {
protected:
    MemoryStorageService& Storage() { return storage_; }
    MemoryRegistry& Registry() { return storage_.Registry(); }

private:
    MemoryStorageService storage_;
    test::FakeProductInfo product_{storage_};
    ScopedApplicationServices services_{&product_, nullptr};
};

}  // namespace corvinata::storage_test
