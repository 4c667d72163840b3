#include "app/settings_keys.h"

#include "base/path_name.h"
#include "base/registry_root.h"
#include "base/text_format.h"

namespace corvinata {

String NumberedName(const Char* prefix, int number) {
    String digits;
    StringFromInteger(number, 0, digits, true, TXT(' '));
    String name(prefix);
    StringAppend(name, digits.Text());
    return name;
}

const String& SettingsKeys::Root() {
    if (root_.IsEmpty()) GetRegistryRootPath(root_);
    return root_;
}

const String& SettingsKeys::Below(String& cache, const Char* name) {
    if (cache.IsEmpty()) {
        PathName key;
        key.SetPathWithSeparator(Root().Text());
        key.AppendPathFolder(name);
        cache = String(key.GetPathFolder());
    }
    return cache;
}

}  // namespace corvinata
