// Shortcuts for code that needs a platform object for a moment: each asks the
// application's storage service for a fresh object and puts it into an owning
// holder, which destroys it when the caller's scope ends, normally or by an
// exception. Also the time step of a control panel under its "Time Step" key.
#pragma once

#include <memory>

#include "base/storage.h"
#include "base/text_file.h"
#include "base/folder_node.h"

namespace corvinata {

class String;
struct TimeStep;

// The owning holder of one platform object; never copied.
template <class T>
using OwnedPtr = std::unique_ptr<T>;

// Each fills the empty `holder` with a new object from the storage service
// and answers the holder. The objects come closed.
OwnedPtr<BinaryFile>& MakeBinaryFile(OwnedPtr<BinaryFile>& holder, const String& path);
OwnedPtr<TextFile>& MakeTextFile(OwnedPtr<TextFile>& holder, const String& path);
OwnedPtr<SettingsNode>& MakeSettingsNode(OwnedPtr<SettingsNode>& holder, RegistryHive hive,
                                         const Char* keyPath);
OwnedPtr<FolderNode>& MakeFolderNode(OwnedPtr<FolderNode>& holder, const PathName& folder);
OwnedPtr<SystemInfo>& MakeSystemInfo(OwnedPtr<SystemInfo>& holder);

// Destroys the held object, if any, and leaves the holder empty.
template <class T>
void OwnedPtrReset(OwnedPtr<T>& holder) noexcept {
    holder.reset();
}
inline void SystemInfoHolderReset(OwnedPtr<SystemInfo>& holder) noexcept { holder.reset(); }

// Reads `step` from the sub-key "Time Step" of the settings key `rootPath`.
// False, with `step` unchanged, when the key is missing; true only when both
// values were read.
bool LoadTimeStepKey(TimeStep& step, const String& rootPath);
// Writes `step` under the sub-key "Time Step" of `rootPath`, creating it.
bool SaveTimeStepKey(const TimeStep& step, const String& rootPath);

}  // namespace corvinata
