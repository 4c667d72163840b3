#include "catalog/user_locations.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "base/text_format.h"

namespace corvinata {

namespace {

// The number a subkey name stands for, or -1 for a name that is not a
// plain decimal number.
std::int64_t SubkeyNumber(const String& name) {
    const Char* text = name.Text();
    if (!*text) return -1;
    std::int64_t value = 0;
    for (; *text; ++text) {
        if (!IsDigitChar(*text) || value > 99999999) return -1;
        value = value * 10 + (*text - '0');
    }
    return value;
}

// Numbered names in numeric order; any other names after them, as listed.
void SortSubkeys(std::vector<String>& names) {
    std::stable_sort(names.begin(), names.end(), [](const String& a, const String& b) {
        const std::int64_t na = SubkeyNumber(a), nb = SubkeyNumber(b);
        if (na < 0 || nb < 0) return na >= 0 && nb < 0;
        return na < nb;
    });
}

}  // namespace

String UserLocationKey(const Location& location) {
    String key(location.town);
    StringAppend(key, TXT(", "));
    StringAppend(key, location.country.Text());
    return key;
}

UserLocations::UserLocations(StorageService& storage, const String& settingsRoot,
                             const LocationRecordFormat& format)
    : storage_(storage), root_(settingsRoot), format_(format) {}

void UserLocations::LoadUserLocations() {
    if (loaded_) return;
    loaded_ = true;
    entries_.clear();
    SettingsTree tree(storage_, root_);
    std::unique_ptr<SettingsNode> key = tree.MakeChildNode(String(kKeyName));
    if (!key || !key->Exists()) return;
    if (!PushSettingsKey(tree, String(kKeyName)) || !ReadEntries(tree)) {
        entries_.clear();
        loadFailed_ = true;
    }
    PopSettingsKey(tree);
}

bool UserLocations::ReadEntries(SettingsTree& tree) {
    std::vector<String> names;
    if (!tree.Innermost() || !tree.Innermost()->EnumSubkeys(names)) return false;
    SortSubkeys(names);
    for (const String& name : names) {
        std::unique_ptr<SettingsNode> subkey = tree.MakeChildNode(name);
        if (!subkey || !subkey->Exists()) return false;
        Location record;
        LocationInit(record);
        format_.Load(tree, kRecordGroup, name, record);
        entries_.emplace(static_cast<std::int32_t>(entries_.size()), record);
    }
    return true;
}

bool UserLocations::SaveUserLocations() {
    LoadUserLocations();
    if (loadFailed_) return false;
    SettingsTreeWriter writer(storage_, root_);
    std::unique_ptr<SettingsNode> key = writer.MakeChildNode(String(kKeyName));
    bool ok = key && key->DeleteTree();
    if (entries_.empty()) return ok;
    ok = OpenSettingsKeyPath(writer, String(kKeyName)) && ok;
    int k = 0;
    for (const auto& entry : entries_) {
        String name;
        StringFromInteger(k++, 0, name, false, TXT(' '));
        ok = format_.Save(writer, kRecordGroup, name, entry.second) && ok;
    }
    return PopSettingsKey(writer) && ok;
}

const Location* UserLocations::FindUserLocation(const Char* town, const Char* country) {
    LoadUserLocations();
    if (!town || !country) return nullptr;
    for (const auto& entry : entries_) {
        if (StringEquals(entry.second.town, town) && StringEquals(entry.second.country, country)) {
            return &entry.second;
        }
    }
    return nullptr;
}

UserLocations::Entries::iterator UserLocations::FindByKey(const String& key) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&key](const auto& entry) { return UserLocationKey(entry.second) == key; });
}

const Location* UserLocations::FindUserLocationByKey(const Char* key) {
    LoadUserLocations();
    if (!key) return nullptr;
    const auto found = FindByKey(String(key));
    return found == entries_.end() ? nullptr : &found->second;
}

void UserLocations::DeleteUserLocation(const Location& location) {
    LoadUserLocations();
    const auto found = FindByKey(UserLocationKey(location));
    if (found != entries_.end()) entries_.erase(found);
}

std::int32_t UserLocations::AddUserLocation(const Location& location) {
    LoadUserLocations();
    if (FindByKey(UserLocationKey(location)) != entries_.end()) return -1;
    const std::int32_t number = entries_.empty() ? 0 : entries_.rbegin()->first + 1;
    entries_.emplace(number, location);
    return number;
}

const UserLocations::Entries& UserLocations::UserLocationEntries() {
    LoadUserLocations();
    return entries_;
}

}  // namespace corvinata
