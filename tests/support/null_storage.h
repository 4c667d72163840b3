// A storage service that can do nothing: it makes no objects and finds no
// files. Tests derive from it to supply just the object they are about.
#pragma once

#include <memory>

#include "base/memory_storage.h"
#include "base/storage.h"

namespace corvinata::test {

class NullStorageService : public StorageService {
public:
    std::unique_ptr<BinaryFile> CreateBinaryFile(const String&) override { return nullptr; }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return nullptr; }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return nullptr; }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return nullptr; }
    bool PathExists(const Char*) override { return false; }
    bool IsFolder(const Char*) override { return false; }
    bool MakeFolder(const Char*) override { return false; }
    bool RemoveFolder(const Char*) override { return false; }
    bool RemoveFile(const Char*) override { return false; }
    RegistryApi& Registry() override { return registry_; }

private:
    MemoryRegistry registry_;
};

}  // namespace corvinata::test
