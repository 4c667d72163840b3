// Packs of pictures and maps that other installers announce below the
// maker's registry key of the machine's hive (an installation serves every
// user): one subkey per pack, with its kind in "Type" and its folder in
// "Dir".
#pragma once

#include <vector>

#include "base/storage.h"
#include "base/wide_string.h"

namespace corvinata {

// The "Dir" texts of the subkeys of `makerKeyPath` (the machine's hive)
// whose "Type" equals `type` exactly, in the registry's order. Subkeys of
// another or no type, or without a readable "Dir", are passed over; a
// missing maker key gives none.
std::vector<String> RegisteredPackFolders(StorageService& storage, const String& makerKeyPath,
                                          const Char* type);

}  // namespace corvinata
