// The observing places the user defines beside the built-in towns.
//
// The store is read from the settings the first time anyone needs it and
// written back at shutdown: the key "User defined locations" below the
// program's settings root holds one numbered subkey per place ("0", "1",
// ...), each holding one location record. The record's own layout belongs to
// whoever keeps location records in the settings; the store is handed it.
#pragma once

#include <cstdint>
#include <map>

#include "base/location.h"
#include "base/settings_tree.h"
#include "base/storage.h"
#include "base/wide_string.h"

namespace corvinata {

// How one location record is kept in a settings key. Records are named by a
// pair: the record type and the instance; the record lies in the key named
// after the instance (the store passes the entry's number).
class LocationRecordFormat {
public:
    virtual ~LocationRecordFormat() = default;
    // Reads the record below the tree's innermost key into `record`; false
    // when any part of it could not be read.
    virtual bool Load(SettingsTree& tree, const Char* typeName, const String& instanceName,
                      Location& record) const = 0;
    // Writes the record below the writer's innermost key; false when any
    // part of it could not be written.
    virtual bool Save(SettingsTreeWriter& writer, const Char* typeName,
                      const String& instanceName, const Location& record) const = 0;
};

// What a user place is shown and found by: its town, ", " and its country.
String UserLocationKey(const Location& location);

class UserLocations {
public:
    using Entries = std::map<std::int32_t, Location>;

    static constexpr const Char* kKeyName = TXT("User defined locations");
    static constexpr const Char* kRecordGroup = TXT("Named geographical location");

    // The store of the settings below `settingsRoot` (a key path below
    // HKEY_CURRENT_USER). `storage` and `format` must outlive the store.
    UserLocations(StorageService& storage, const String& settingsRoot,
                  const LocationRecordFormat& format);

    // Reads the places once; later calls read nothing. The numbered subkeys
    // are taken in numeric order ("2" before "10"). A record that cannot be
    // read completely is kept with what was read. When the key exists but
    // cannot be listed or a subkey cannot be opened, the store stays empty
    // and is marked unreadable, so that Save cannot overwrite what is there.
    void LoadUserLocations();
    // Replaces the saved places by the store's, numbered 0 to n-1 in entry
    // order. Does nothing after an unreadable load: the settings keep the
    // places that could not be read. False when a write failed.
    bool SaveUserLocations();

    // The first place whose town and country equal the texts exactly (with
    // case); none when there is none.
    const Location* FindUserLocation(const Char* town, const Char* country);
    // The first place whose UserLocationKey equals `key` exactly.
    const Location* FindUserLocationByKey(const Char* key);
    // Removes the first place with the same key as `location`; the other
    // entries keep their numbers.
    void DeleteUserLocation(const Location& location);
    // Stores the place under an entry number above every stored one and
    // answers that number; -1, with nothing stored, when a place with the
    // same key exists (it could never be told apart or deleted alone).
    std::int32_t AddUserLocation(const Location& location);

    // The places in ascending entry number.
    const Entries& UserLocationEntries();
    // Whether the saved places could not be read.
    bool LoadFailed() const noexcept { return loadFailed_; }

private:
    Entries::iterator FindByKey(const String& key);
    bool ReadEntries(SettingsTree& tree);

    StorageService& storage_;
    String root_;
    const LocationRecordFormat& format_;
    bool loaded_ = false;
    bool loadFailed_ = false;
    Entries entries_;
};

}  // namespace corvinata
