// Helpers for the tests of the storage layer: texts to compare, and the
// application services with an in-memory storage service behind them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "base/memory_storage.h"
#include "base/services.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata::storage_test {

// The text as UTF-8 bytes of its ASCII and Latin-1 characters, others as
// "\u" escapes: enough to compare and to print.
inline std::string Narrow(const Char* text) {
    std::string out;
    for (; *text; ++text) {
        const auto unit = static_cast<unsigned>(static_cast<std::uint16_t>(*text));
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
        } else {
            static const char kHex[] = "0123456789ABCDEF";
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHex[(unit >> shift) & 15]);
        }
    }
    return out;
}

inline std::string Narrow(const String& text) { return Narrow(text.Text()); }

// The program's characters of an ASCII text.
inline std::basic_string<Char> Wide(const std::string& text) {
    std::basic_string<Char> out;
    for (const char c : text) out.push_back(static_cast<Char>(static_cast<unsigned char>(c)));
    return out;
}

class MemoryProductInfo final : public ProductInfoInterface {
public:
    StorageService& GetStorage() override { return storage; }
    const Char* GetProductName() const override { return TXT("Corvinata"); }
    const Char* GetVersion() const override { return TXT("1.70"); }
    const Char* GetEditionName() const override { return TXT(""); }

    MemoryStorageService storage;
};

// A test whose application services answer with an in-memory storage.
class MemoryServicesTest : public ::testing::Test {
protected:
    MemoryStorageService& Storage() { return product_.storage; }
    MemoryRegistry& Registry() { return product_.storage.Registry(); }

private:
    MemoryProductInfo product_;
    ScopedApplicationServices services_{&product_, nullptr};
};

}  // namespace corvinata::storage_test
