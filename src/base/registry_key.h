// RegistryKey: a key of the settings store, over the few primitive calls a
// registry offers (RegistryApi). The rules by which values are stored, and
// the walks that create and delete whole branches, are written once here;
// the Windows registry and the in-memory one only answer the primitives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/path_name.h"
#include "base/storage.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// Value types, numbered as the registry numbers them.
constexpr std::uint32_t kRegistryString = 1;
constexpr std::uint32_t kRegistryDword = 4;

enum class RegistryEnumResult { Found, NoMoreItems, Failed };

// The primitive calls of a registry. Keys are opaque handles; every handle
// that OpenKey or CreateKey gives is closed exactly once with CloseKey.
// Subkey texts never begin with a backslash.
class RegistryApi {
public:
    using Key = void*;

    virtual ~RegistryApi() = default;

    // The predefined handle of a hive; never closed.
    virtual Key RootKey(RegistryHive hive) = 0;
    // Opens the existing key `subkey` (a path, or empty for `parent` itself).
    virtual bool OpenKey(Key parent, const Char* subkey, Key& key) = 0;
    // Opens the direct subkey `name` of `parent`, creating it when missing.
    virtual bool CreateKey(Key parent, const Char* name, Key& key) = 0;
    virtual bool CloseKey(Key key) = 0;
    // The type and size (bytes) of the value `name` (empty: the key's
    // default value); with a non-null `data` also its data, `size` giving
    // the room on entry. False when the value is missing or does not fit.
    virtual bool QueryValue(Key key, const Char* name, std::uint32_t& type, void* data,
                            std::uint32_t& size) = 0;
    virtual bool SetValue(Key key, const Char* name, std::uint32_t type, const void* data,
                          std::uint32_t size) = 0;
    virtual bool CountSubkeys(Key key, std::uint32_t& count) = 0;
    // The name of subkey number `index` into `name` (room for `capacity`
    // characters with the terminator).
    virtual RegistryEnumResult EnumSubkey(Key key, std::uint32_t index, Char* name,
                                          std::uint32_t capacity) = 0;
    // Deletes the subkey `name` of `parent`, which has no subkeys itself.
    virtual bool DeleteSubkey(Key parent, const Char* name) = 0;
};

// The names of a subkey path (none for the empty path); false for an empty
// name inside it or a leading backslash, which the registry refuses.
bool SplitKeyPath(const Char* path, std::vector<std::basic_string<Char>>& names);

class RegistryKey final : public SettingsNode {
public:
    // A closed node for `keyPath` below the hive, with or without leading
    // and trailing backslashes; the empty path is the hive's root. A path
    // too long for a PathName gives a node that never opens.
    RegistryKey(RegistryApi& api, RegistryHive hive, const Char* keyPath);
    ~RegistryKey() override;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool Close() override;
    bool Create() override;
    bool DeleteTree() override;
    bool Exists() override;
    String GetPath() const override;
    bool Open() override;
    bool ReadBool(const Char* name, bool& receiver) override;
    bool ReadDouble(const Char* name, double& receiver) override;
    bool ReadInt(const Char* name, std::int32_t& receiver) override;
    bool ReadString(const Char* name, String& receiver) override;
    bool EnumSubkeys(std::vector<String>& names) override;
    bool WriteBool(const Char* name, bool value) override;
    bool WriteDouble(const Char* name, double value) override;
    bool WriteInt(const Char* name, std::int32_t value) override;
    bool WriteText(const Char* name, const Char* text) override;
    bool WriteString(const Char* name, const String& text) override;
    bool CloseIfOpen() override;
    bool IsOpen() const override { return key_ != nullptr; }

    RegistryHive Hive() const noexcept { return hive_; }

private:
    RegistryKey(RegistryApi& api, RegistryHive hive, const PathName& path) noexcept;

    // The key path as the registry takes it: no leading or trailing
    // backslash, empty for the hive's root.
    const Char* SubkeyText() const noexcept;

    RegistryApi& api_;
    RegistryHive hive_;
    PathName path_;
    bool pathValid_ = false;
    RegistryApi::Key key_ = nullptr;
};

}  // namespace corvinata
