// A store whose files run the process out of memory: after the first
// `readable` bytes of a file, reading it throws std::bad_alloc, as reading a
// file far larger than any the program expects does in a 32-bit process.
// Everything else is the in-memory store's, filled through Memory().
#pragma once

#include <cstdint>
#include <memory>
#include <new>

#include "base/memory_storage.h"

namespace corvinata::test {

class ExhaustingFile final : public BinaryFile {
public:
    ExhaustingFile(std::unique_ptr<BinaryFile> file, std::uint32_t readable)
        : BinaryFile(file->Path()), file_(std::move(file)), readable_(readable) {}

    bool Close() override { return file_->Close(); }
    bool Create(bool closeAfter) override { return file_->Create(closeAfter); }
    bool Exists() override { return file_->Exists(); }
    std::uint32_t GetSize() override { return file_->GetSize(); }
    bool Open(FileOpenMode mode) override { return file_->Open(mode); }
    bool AtEnd() const override { return file_->AtEnd(); }
    bool IsOpen() const override { return file_->IsOpen(); }
    bool OpenSharedForReading() override { return file_->OpenSharedForReading(); }
    bool ReadSome(void* buffer, std::uint32_t count, std::uint32_t& bytesRead) override {
        const std::uint32_t at = file_->GetPosition();
        if (count > 0 && at >= readable_) throw std::bad_alloc();
        return file_->ReadSome(buffer, count < readable_ - at ? count : readable_ - at, bytesRead);
    }
    bool Write(const void* buffer, std::uint32_t count) override { return file_->Write(buffer, count); }
    std::uint32_t GetPosition() override { return file_->GetPosition(); }
    bool SetPosition(std::uint32_t position) override { return file_->SetPosition(position); }
    bool Truncate() override { return file_->Truncate(); }

protected:
    bool RemoveFromDisk() override { return file_->Delete(); }

private:
    std::unique_ptr<BinaryFile> file_;
    std::uint32_t readable_;
};

class ExhaustedStorage final : public StorageService {
public:
    explicit ExhaustedStorage(std::uint32_t readable = 0) : readable_(readable) {}

    MemoryStorageService& Memory() noexcept { return memory_; }

    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override {
        return std::make_unique<ExhaustingFile>(memory_.CreateBinaryFile(path), readable_);
    }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return memory_.CreateLocaleFormatter(); }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return memory_.CreateSystemInfo(); }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return memory_.CreateFileFinder(); }
    bool PathExists(const Char* path) override { return memory_.PathExists(path); }
    bool IsFolder(const Char* path) override { return memory_.IsFolder(path); }
    bool MakeFolder(const Char* path) override { return memory_.MakeFolder(path); }
    bool RemoveFolder(const Char* path) override { return memory_.RemoveFolder(path); }
    bool RemoveFile(const Char* path) override { return memory_.RemoveFile(path); }
    bool MoveFileReplacing(const Char* from, const Char* to) override { return memory_.MoveFileReplacing(from, to); }
    RegistryApi& Registry() override { return memory_.Registry(); }

private:
    MemoryStorageService memory_;
    std::uint32_t readable_;
};

}  // namespace corvinata::test
