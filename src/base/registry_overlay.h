// RegistryOverlay: a registry laid over another. Reads see the registry below
// as the writes made through the overlay have changed it; the writes and the
// deletions themselves stay in the overlay. Code run against it says what it
// would write, and writes nothing; two runs of the same writers compared say
// what the later one would write otherwise than the earlier.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/registry_key.h"
#include "base/storage.h"

namespace corvinata {

// Settings that must stay together when what one run wrote is laid over
// what another wrote (see RegistryOverlay::WriteChangesSince): a key whole,
// its subkeys too, or some values and subkeys of a key.
struct RegistryRecord {
    // The key's path below the root the records are given for, its names
    // separated by backslashes; "*" stands for any one name.
    const Char* key;
    // The values and subkeys of the key that go together; none (all null):
    // the key whole.
    const Char* parts[3];
};

class RegistryOverlay final : public RegistryApi {
public:
    // `below` must outlive the overlay.
    explicit RegistryOverlay(RegistryApi& below);
    ~RegistryOverlay() override;
    RegistryOverlay(const RegistryOverlay&) = delete;
    RegistryOverlay& operator=(const RegistryOverlay&) = delete;

    Key RootKey(RegistryHive hive) override;
    bool OpenKey(Key parent, const Char* subkey, Key& key) override;
    bool CreateKey(Key parent, const Char* name, Key& key) override;
    bool CloseKey(Key key) override;
    bool QueryValue(Key key, const Char* name, std::uint32_t& type, void* data,
                    std::uint32_t& size) override;
    bool SetValue(Key key, const Char* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
    bool CountSubkeys(Key key, std::uint32_t& count) override;
    RegistryEnumResult EnumSubkey(Key key, std::uint32_t index, Char* name,
                                  std::uint32_t capacity) override;
    bool DeleteSubkey(Key parent, const Char* name) override;

    // Writes into `target` what this overlay wrote where `earlier` (the same
    // writers run at another time) wrote otherwise, so that what both runs
    // wrote alike stays in `target` as it is there now. Each value is
    // compared alone, but for records, which are never made of two runs'
    // values: a key deleted and written again is compared whole, and
    // written whole (deleted first) when it differs; so are the `records`
    // below `root` (a key of the user's hive), a key or the parts named,
    // all written when one value in them differs. False when a write into
    // `target` failed; the others are still made.
    bool WriteChangesSince(const RegistryOverlay& earlier, RegistryApi& target, const Char* root = nullptr,
                           const RegistryRecord* records = nullptr, std::size_t recordCount = 0) const;

private:
    using Text = std::basic_string<Char>;
    using Path = std::vector<Text>;
    struct Node;
    struct Handle;

    Handle* HandleOf(Key key);
    Key AddHandle(RegistryHive hive, Path path);
    const Node* Find(RegistryHive hive, const Path& path) const;
    Node& Make(RegistryHive hive, const Path& path);
    // Whether a deletion made here hides the key below at `path`.
    bool Hidden(RegistryHive hive, const Path& path) const;
    bool Exists(RegistryHive hive, const Path& path);
    bool ExistsBelow(RegistryHive hive, const Path& path);
    std::vector<Text> SubkeyNames(RegistryHive hive, const Path& path);

    // What WriteChangesSince writes of a key's values: those that differ
    // (a record's all when one of them does), all of them, or none.
    enum class ValuesToWrite { Each, All, None };
    struct Changes;
    void WriteNode(const Node& node, const Path& path, ValuesToWrite values, Changes& changes) const;
    // Whether `earlier` deleted the key at `path` too and left it as `node`.
    bool LeftAlike(RegistryHive hive, const Path& path, const Node& node) const;

    RegistryApi& below_;
    std::unique_ptr<Node> roots_[3];
    std::unique_ptr<Handle> rootHandles_[3];
    std::map<const Handle*, std::unique_ptr<Handle>> open_;
};

}  // namespace corvinata
