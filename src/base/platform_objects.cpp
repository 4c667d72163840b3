#include "base/platform_objects.h"

#include "base/registry_root.h"
#include "base/settings_tree.h"

namespace corvinata {

namespace {

const Char* const kTimeStepKey = TXT("Time Step");

}  // namespace

OwnedPtr<BinaryFile>& MakeBinaryFile(OwnedPtr<BinaryFile>& holder, const String& path) {
    holder = GetStorageService().CreateBinaryFile(path);
    return holder;
}

OwnedPtr<TextFile>& MakeTextFile(OwnedPtr<TextFile>& holder, const String& path) {
    holder = GetStorageService().CreateTextFile(path);
    return holder;
}

OwnedPtr<SettingsNode>& MakeSettingsNode(OwnedPtr<SettingsNode>& holder, RegistryHive hive,
                                         const Char* keyPath) {
    holder = GetStorageService().CreateRegistryNode(hive, keyPath);
    return holder;
}

OwnedPtr<FolderNode>& MakeFolderNode(OwnedPtr<FolderNode>& holder, const PathName& folder) {
    holder = GetStorageService().CreateFolderNode(folder);
    return holder;
}

OwnedPtr<SystemInfo>& MakeSystemInfo(OwnedPtr<SystemInfo>& holder) {
    holder = GetStorageService().CreateSystemInfo();
    return holder;
}

bool LoadTimeStepKey(TimeStep& step, const String& rootPath) {
    SettingsTree reader(rootPath);
    return LoadTimeStep(String(kTimeStepKey), step, reader);
}

bool SaveTimeStepKey(const TimeStep& step, const String& rootPath) {
    SettingsTreeWriter writer(rootPath);
    return SaveTimeStep(String(kTimeStepKey), step, writer);
}

}  // namespace corvinata
