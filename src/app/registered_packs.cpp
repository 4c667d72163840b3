#include "app/registered_packs.h"

#include <memory>
#include <string>

namespace corvinata {

std::vector<String> RegisteredPackFolders(StorageService& storage, const String& makerKeyPath,
                                          const Char* type) {
    std::vector<String> folders;
    std::unique_ptr<SettingsNode> maker = storage.CreateRegistryNode(RegistryHive::LocalMachine, makerKeyPath.Text());
    std::vector<String> names;
    if (!maker || !maker->Open() || !maker->EnumSubkeys(names)) return folders;
    for (const String& name : names) {
        const std::basic_string<Char> path = std::basic_string<Char>(makerKeyPath.Text()) + TXT("\\") + name.Text();
        std::unique_ptr<SettingsNode> pack = storage.CreateRegistryNode(RegistryHive::LocalMachine, path.c_str());
        String kind;
        String folder;
        if (!pack || !pack->Open()) continue;
        if (pack->ReadString(TXT("Type"), kind) && StringEquals(kind, type) &&
            pack->ReadString(TXT("Dir"), folder))
            folders.push_back(folder);
    }
    return folders;
}

}  // namespace corvinata
