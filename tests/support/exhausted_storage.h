// A store whose files run the process out of memory: after the first
// `readable` bytes of a file, reading it throws std::bad_alloc, as reading a
// file far larger than any the program expects does in a 32-bit process.
// Everything else is the in-memory store's, filled through Memory().
#pragma once

#include <cstdint>
#include <memory>
#include <new>

#include "base/memory_storage.h"
#include "support/wrapped_storage.h"

namespace corvinata::test {

class ExhaustingFile final : public WrappedFile {
public:
    ExhaustingFile(std::unique_ptr<BinaryFile> file, std::uint32_t readable)
        : WrappedFile(std::move(file)), readable_(readable) {}

    bool ReadSome(void* buffer, std::uint32_t count, std::uint32_t& bytesRead) override {
        const std::uint32_t at = GetPosition();
        if (count > 0 && at >= readable_) throw std::bad_alloc();
        return WrappedFile::ReadSome(buffer, count < readable_ - at ? count : readable_ - at, bytesRead);
    }

private:
    std::uint32_t readable_;
};

class ExhaustedStorage final : public FileWrappingStorage {
public:
    explicit ExhaustedStorage(std::uint32_t readable = 0) : readable_(readable) {}

    MemoryStorageService& Memory() noexcept { return memory_; }

protected:
    MemoryStorageService& Inner() override { return memory_; }
    std::unique_ptr<BinaryFile> Wrap(std::unique_ptr<BinaryFile> file) override {
        return std::make_unique<ExhaustingFile>(std::move(file), readable_);
    }

private:
    MemoryStorageService memory_;
    std::uint32_t readable_;
};

}  // namespace corvinata::test
