#include "base/storage.h"

#include <ctime>

#include "base/folder_node.h"
#include "base/registry_key.h"
#include "base/services.h"
#include "base/text_file.h"

namespace corvinata {

bool StorageFile::Delete() {
    if (IsOpen()) return false;
    if (!Exists()) return true;
    return RemoveFromDisk();
}

bool BinaryFile::Read(void* buffer, std::uint32_t count) {
    std::uint32_t bytesRead = 0;
    return ReadSome(buffer, count, bytesRead);
}

bool BinaryFile::ReadExactly(void* buffer, std::uint32_t count) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        std::uint32_t bytesRead = 0;
        if (!ReadSome(bytes + done, count - done, bytesRead) || bytesRead == 0) return false;
        done += bytesRead;
    }
    return true;
}

std::unique_ptr<FolderNode> StorageService::CreateFolderNode(const PathName& folder) {
    return std::make_unique<FolderNode>(*this, folder);
}

std::unique_ptr<SettingsNode> StorageService::CreateRegistryNode(RegistryHive hive,
                                                                 const Char* keyPath) {
    return std::make_unique<RegistryKey>(SettingsRegistry(), hive, keyPath);
}

std::unique_ptr<TextFile> StorageService::CreateTextFile(const String& path) {
    return std::make_unique<TextFile>(CreateBinaryFile(path));
}

bool StorageService::MoveFileReplacing(const Char*, const Char*) { return false; }

String TemporaryPathFor(const String& path) {
    // Beside the target, so that the final move stays on one volume.
    String temporary(path);
    StringAppend(temporary, TXT(".saving"));
    return temporary;
}

bool StorageService::WriteFileReplacing(
    const String& path, const std::function<bool(const String& temporaryPath)>& write) {
    const String temporary = TemporaryPathFor(path);
    // A file left by a save that was cut short is stale.
    if (PathExists(temporary.Text()) && !RemoveFile(temporary.Text())) return false;
    if (!write(temporary) || !MoveFileReplacing(temporary.Text(), path.Text())) {
        RemoveFile(temporary.Text());
        return false;
    }
    return true;
}

StorageService& GetStorageService() { return GetProductInfo().GetStorage(); }

bool ReadLocalClock(LocaleFormatter& formatter) {
    const std::time_t now = std::time(nullptr);
    if (now == static_cast<std::time_t>(-1)) return false;
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &now) != 0) return false;
#else
    if (!localtime_r(&now, &local)) return false;
#endif
    formatter.year = local.tm_year + 1900;
    formatter.month = local.tm_mon + 1;
    formatter.day = local.tm_mday;
    formatter.hour = local.tm_hour;
    formatter.minute = local.tm_min;
    formatter.second = local.tm_sec;
    return true;
}

}  // namespace corvinata
