#include "base/storage_service_win.h"

#include <windows.h>

#include "base/scoped_win.h"

namespace corvinata {

bool Win32PathExists(const Char* path) {
    WIN32_FIND_DATAW found;
    ScopedFindHandle search(FindFirstFileW(path, &found));
    return search.IsValid();
}

std::unique_ptr<BinaryFile> Win32StorageService::CreateBinaryFile(const String& path) {
    return MakeWin32BinaryFile(path);
}

std::unique_ptr<LocaleFormatter> Win32StorageService::CreateLocaleFormatter() {
    return MakeWin32LocaleFormatter();
}

std::unique_ptr<SystemInfo> Win32StorageService::CreateSystemInfo() {
    return MakeWin32SystemInfo();
}

std::unique_ptr<FileFinder> Win32StorageService::CreateFileFinder() {
    return MakeWin32FileFinder();
}

bool Win32StorageService::PathExists(const Char* path) { return Win32PathExists(path); }

bool Win32StorageService::IsFolder(const Char* path) {
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32StorageService::MakeFolder(const Char* path) {
    return CreateDirectoryW(path, nullptr) != 0;
}

bool Win32StorageService::RemoveFolder(const Char* path) { return RemoveDirectoryW(path) != 0; }

bool Win32StorageService::RemoveFile(const Char* path) { return DeleteFileW(path) != 0; }

bool Win32StorageService::MoveFileReplacing(const Char* from, const Char* to) {
    // A read-only file is not replaced, as Windows refuses to (Wine would).
    const DWORD attributes = GetFileAttributesW(to);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    // Write-through: the move is on the disk before the call returns.
    return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace corvinata
