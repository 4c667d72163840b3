// The in-memory store with its files wrapped: a test's own file changes one
// thing (what a read throws, what a write notes) and hands the rest to the
// store's file; the store hands everything but its files to the in-memory one.
#pragma once

#include <cstdint>
#include <memory>

#include "base/memory_storage.h"

namespace corvinata::test {

class WrappedFile : public BinaryFile {
public:
    explicit WrappedFile(std::unique_ptr<BinaryFile> file) : BinaryFile(file->Path()), file_(std::move(file)) {}

    bool Close() override { return file_->Close(); }
    bool Create(bool closeAfter) override { return file_->Create(closeAfter); }
    bool Exists() override { return file_->Exists(); }
    std::uint32_t GetSize() override { return file_->GetSize(); }
    bool Open(FileOpenMode mode) override { return file_->Open(mode); }
    bool AtEnd() const override { return file_->AtEnd(); }
    bool IsOpen() const override { return file_->IsOpen(); }
    bool OpenSharedForReading() override { return file_->OpenSharedForReading(); }
    bool ReadSome(void* buffer, std::uint32_t count, std::uint32_t& bytesRead) override {
        return file_->ReadSome(buffer, count, bytesRead);
    }
    bool Write(const void* buffer, std::uint32_t count) override { return file_->Write(buffer, count); }
    std::uint32_t GetPosition() override { return file_->GetPosition(); }
    bool SetPosition(std::uint32_t position) override { return file_->SetPosition(position); }
    bool Truncate() override { return file_->Truncate(); }

protected:
    bool RemoveFromDisk() override { return file_->Delete(); }

private:
    std::unique_ptr<BinaryFile> file_;
};

class FileWrappingStorage : public StorageService {
public:
    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override {
        return Wrap(Inner().CreateBinaryFile(path));
    }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return Inner().CreateLocaleFormatter(); }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return Inner().CreateSystemInfo(); }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return Inner().CreateFileFinder(); }
    bool PathExists(const Char* path) override { return Inner().PathExists(path); }
    bool IsFolder(const Char* path) override { return Inner().IsFolder(path); }
    bool MakeFolder(const Char* path) override { return Inner().MakeFolder(path); }
    bool RemoveFolder(const Char* path) override { return Inner().RemoveFolder(path); }
    bool RemoveFile(const Char* path) override { return Inner().RemoveFile(path); }
    bool MoveFileReplacing(const Char* from, const Char* to) override { return Inner().MoveFileReplacing(from, to); }
    RegistryApi& Registry() override { return Inner().Registry(); }

protected:
    virtual MemoryStorageService& Inner() = 0;
    virtual std::unique_ptr<BinaryFile> Wrap(std::unique_ptr<BinaryFile> file) = 0;
};

}  // namespace corvinata::test
