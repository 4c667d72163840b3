#include "base/registry_overlay.h"

#include <algorithm>
#include <cstring>

namespace corvinata {

namespace {

using Text = std::basic_string<Char>;

// Registry names are at most 255 characters.
constexpr std::uint32_t kNameCapacity = 256;

Text Fold(const Text& text) {
    Text folded;
    for (Char c : text) folded.push_back(FoldUpper(c));
    return folded;
}


Text JoinKeyPath(const std::vector<Text>& path) {
    Text joined;
    for (const Text& name : path) {
        if (!joined.empty()) joined.push_back('\\');
        joined += name;
    }
    return joined;
}

// A key's subkey and value by name, or none (also below no key).
template <class Node>
const Node* ChildOf(const Node* node, const Text& name) {
    if (!node) return nullptr;
    const auto it = node->children.find(Fold(name));
    return it == node->children.end() ? nullptr : it->second.get();
}

template <class Node>
const typename Node::Value* ValueOf(const Node* node, const Text& name) {
    if (!node) return nullptr;
    const auto it = node->values.find(Fold(name));
    return it == node->values.end() ? nullptr : &it->second;
}

}  // namespace

struct RegistryOverlay::Node {
    struct Value {
        Text name;  // as first written
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    Text name;  // as first written
    // The key below, and everything under it, was deleted here.
    bool deleted = false;
    // The key was created here (after its deletion, when it was deleted).
    bool created = false;
    std::map<Text, Value> values;                   // by folded name
    std::map<Text, std::unique_ptr<Node>> children;  // by folded name
};

struct RegistryOverlay::Handle {
    RegistryHive hive;
    Path path;
};

RegistryOverlay::RegistryOverlay(RegistryApi& below) : below_(below) {
    for (int i = 0; i < 3; ++i) {
        roots_[i] = std::make_unique<Node>();
        rootHandles_[i] = std::make_unique<Handle>(Handle{static_cast<RegistryHive>(i), {}});
    }
}

RegistryOverlay::~RegistryOverlay() = default;

RegistryOverlay::Handle* RegistryOverlay::HandleOf(Key key) {
    for (auto& root : rootHandles_) {
        if (root.get() == key) return root.get();
    }
    const auto it = open_.find(static_cast<const Handle*>(key));
    return it == open_.end() ? nullptr : it->second.get();
}

RegistryApi::Key RegistryOverlay::AddHandle(RegistryHive hive, Path path) {
    auto handle = std::make_unique<Handle>(Handle{hive, std::move(path)});
    Handle* key = handle.get();
    open_.emplace(key, std::move(handle));
    return key;
}

const RegistryOverlay::Node* RegistryOverlay::Find(RegistryHive hive, const Path& path) const {
    const Node* node = roots_[static_cast<int>(hive)].get();
    for (const Text& name : path) {
        const auto it = node->children.find(Fold(name));
        if (it == node->children.end()) return nullptr;
        node = it->second.get();
    }
    return node;
}

RegistryOverlay::Node& RegistryOverlay::Make(RegistryHive hive, const Path& path) {
    Node* node = roots_[static_cast<int>(hive)].get();
    for (const Text& name : path) {
        auto& child = node->children[Fold(name)];
        if (!child) {
            child = std::make_unique<Node>();
            child->name = name;
        }
        node = child.get();
    }
    return *node;
}

bool RegistryOverlay::Hidden(RegistryHive hive, const Path& path) const {
    const Node* node = roots_[static_cast<int>(hive)].get();
    for (const Text& name : path) {
        const auto it = node->children.find(Fold(name));
        if (it == node->children.end()) return false;
        node = it->second.get();
        if (node->deleted) return true;
    }
    return false;
}

bool RegistryOverlay::ExistsBelow(RegistryHive hive, const Path& path) {
    Key key = nullptr;
    if (!below_.OpenKey(below_.RootKey(hive), JoinKeyPath(path).c_str(), key)) return false;
    below_.CloseKey(key);
    return true;
}

bool RegistryOverlay::Exists(RegistryHive hive, const Path& path) {
    if (path.empty()) return true;
    const Node* node = Find(hive, path);
    if (node && node->created) return true;
    return !Hidden(hive, path) && ExistsBelow(hive, path);
}

std::vector<RegistryOverlay::Text> RegistryOverlay::SubkeyNames(RegistryHive hive, const Path& path) {
    std::vector<Text> names;
    std::vector<Text> folded;
    const auto add = [&](const Text& name) {
        const Text key = Fold(name);
        if (std::find(folded.begin(), folded.end(), key) != folded.end()) return;
        folded.push_back(key);
        names.push_back(name);
    };
    const Node* node = Find(hive, path);
    Key key = nullptr;
    if (!Hidden(hive, path) && below_.OpenKey(below_.RootKey(hive), JoinKeyPath(path).c_str(), key)) {
        Char name[kNameCapacity];
        for (std::uint32_t i = 0; below_.EnumSubkey(key, i, name, kNameCapacity) == RegistryEnumResult::Found; ++i) {
            const Node* mine = ChildOf(node, Text(name));
            if (!(mine && mine->deleted && !mine->created)) add(name);
        }
        below_.CloseKey(key);
    }
    if (node) {
        for (const auto& child : node->children) {
            if (child.second->created) add(child.second->name);
        }
    }
    return names;
}

RegistryApi::Key RegistryOverlay::RootKey(RegistryHive hive) { return rootHandles_[static_cast<int>(hive)].get(); }

bool RegistryOverlay::OpenKey(Key parent, const Char* subkey, Key& key) {
    const Handle* handle = HandleOf(parent);
    Path path;
    if (!handle || !SplitKeyPath(subkey, path)) return false;
    path.insert(path.begin(), handle->path.begin(), handle->path.end());
    if (!Exists(handle->hive, path)) return false;
    key = AddHandle(handle->hive, std::move(path));
    return true;
}

bool RegistryOverlay::CreateKey(Key parent, const Char* name, Key& key) {
    const Handle* handle = HandleOf(parent);
    Path names;
    if (!handle || !SplitKeyPath(name, names) || names.empty() || !Exists(handle->hive, handle->path)) return false;
    Path path = handle->path;
    for (const Text& part : names) {
        path.push_back(part);
        if (!Exists(handle->hive, path)) Make(handle->hive, path).created = true;
    }
    key = AddHandle(handle->hive, std::move(path));
    return true;
}

bool RegistryOverlay::CloseKey(Key key) { return open_.erase(static_cast<const Handle*>(key)) == 1; }

bool RegistryOverlay::QueryValue(Key key, const Char* name, std::uint32_t& type, void* data,
                                 std::uint32_t& size) {
    const Handle* handle = HandleOf(key);
    if (!handle || !Exists(handle->hive, handle->path)) return false;
    if (const Node::Value* value = ValueOf(Find(handle->hive, handle->path), Text(name))) {
        const auto valueSize = static_cast<std::uint32_t>(value->data.size());
        type = value->type;
        if (data && size < valueSize) {
            size = valueSize;
            return false;
        }
        if (data && valueSize > 0) std::memcpy(data, value->data.data(), valueSize);
        size = valueSize;
        return true;
    }
    Key opened = nullptr;
    if (Hidden(handle->hive, handle->path) ||
        !below_.OpenKey(below_.RootKey(handle->hive), JoinKeyPath(handle->path).c_str(), opened)) {
        return false;
    }
    const bool read = below_.QueryValue(opened, name, type, data, size);
    below_.CloseKey(opened);
    return read;
}

bool RegistryOverlay::SetValue(Key key, const Char* name, std::uint32_t type, const void* data,
                               std::uint32_t size) {
    const Handle* handle = HandleOf(key);
    if (!handle || !Exists(handle->hive, handle->path)) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    Node::Value& value = Make(handle->hive, handle->path).values[Fold(name)];
    if (value.name.empty()) value.name = name;
    value.type = type;
    value.data.assign(bytes, bytes + size);
    return true;
}

bool RegistryOverlay::CountSubkeys(Key key, std::uint32_t& count) {
    const Handle* handle = HandleOf(key);
    if (!handle || !Exists(handle->hive, handle->path)) return false;
    count = static_cast<std::uint32_t>(SubkeyNames(handle->hive, handle->path).size());
    return true;
}

RegistryEnumResult RegistryOverlay::EnumSubkey(Key key, std::uint32_t index, Char* name, std::uint32_t capacity) {
    const Handle* handle = HandleOf(key);
    if (!handle || !Exists(handle->hive, handle->path)) return RegistryEnumResult::Failed;
    const std::vector<Text> names = SubkeyNames(handle->hive, handle->path);
    if (index >= names.size()) return RegistryEnumResult::NoMoreItems;
    const Text& found = names[index];
    if (found.size() + 1 > capacity) return RegistryEnumResult::Failed;
    std::copy(found.begin(), found.end(), name);
    name[found.size()] = 0;
    return RegistryEnumResult::Found;
}

bool RegistryOverlay::DeleteSubkey(Key parent, const Char* name) {
    const Handle* handle = HandleOf(parent);
    Path names;
    if (!handle || !SplitKeyPath(name, names) || names.size() != 1) return false;
    Path path = handle->path;
    path.push_back(names.front());
    if (!Exists(handle->hive, path) || !SubkeyNames(handle->hive, path).empty()) return false;
    Node& node = Make(handle->hive, path);
    node.deleted = true;
    node.created = false;
    node.values.clear();
    node.children.clear();
    return true;
}

namespace {

// Whether two keys hold the same values and the same subkeys alike; a key
// that does not exist is none.
template <class Node>
bool SameKeys(const Node* a, const Node* b) {
    const bool aExists = a && a->created;
    const bool bExists = b && b->created;
    if (aExists != bExists) return false;
    if (!aExists) return true;
    if (a->values.size() != b->values.size()) return false;
    for (const auto& value : a->values) {
        const auto other = b->values.find(value.first);
        if (other == b->values.end() || other->second.type != value.second.type ||
            other->second.data != value.second.data) {
            return false;
        }
    }
    const auto existing = [](const Node& node) {
        std::size_t count = 0;
        for (const auto& child : node.children) count += child.second->created ? 1 : 0;
        return count;
    };
    if (existing(*a) != existing(*b)) return false;
    for (const auto& child : a->children) {
        if (!child.second->created) continue;
        const auto other = b->children.find(child.first);
        if (other == b->children.end() || !SameKeys(child.second.get(), other->second.get())) return false;
    }
    return true;
}

// Whether `earlier` wrote every value `later` wrote in the key and its
// subkeys alike. Keys deleted and written again count on their own.
template <class Node>
bool WroteAlike(const Node& later, const Node* earlier) {
    for (const auto& value : later.values) {
        const auto* same = ValueOf(earlier, value.first);
        if (!same || same->type != value.second.type || same->data != value.second.data) return false;
    }
    for (const auto& child : later.children) {
        if (!child.second->deleted && !WroteAlike(*child.second, ChildOf(earlier, child.second->name))) return false;
    }
    return true;
}

// Sets one value of `target`'s key at `path`, made when missing.
bool WriteValue(RegistryApi& target, RegistryHive hive, const Text& path, const Char* name, std::uint32_t type,
                const std::vector<std::uint8_t>& data) {
    if (!RegistryKey(target, hive, path.c_str()).Create()) return false;
    RegistryApi::Key key = nullptr;
    if (!target.OpenKey(target.RootKey(hive), path.c_str(), key)) return false;
    const bool written = target.SetValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
    return target.CloseKey(key) && written;
}

// Writes a key that exists in the overlay whole: its values and its subkeys.
template <class Node>
bool WriteWhole(const Node& node, RegistryApi& target, RegistryHive hive, const Text& path) {
    bool ok = RegistryKey(target, hive, path.c_str()).Create();
    for (const auto& value : node.values) {
        ok = WriteValue(target, hive, path, value.second.name.c_str(), value.second.type, value.second.data) && ok;
    }
    for (const auto& child : node.children) {
        if (child.second->created) ok = WriteWhole(*child.second, target, hive, path + Char('\\') + child.second->name) && ok;
    }
    return ok;
}

}  // namespace

struct RegistryOverlay::Changes {
    // A record by its key's whole path, its names and parts folded.
    struct Record {
        Path key;
        std::vector<Text> parts;  // none: the key whole
    };
    const RegistryOverlay& earlier;
    RegistryApi& target;
    RegistryHive hive;
    std::vector<Record> records;
    bool ok = true;
};

namespace {

bool Matches(const std::vector<Text>& pattern, const std::vector<Text>& path) {
    static const Text any(TXT("*"));
    if (pattern.size() != path.size()) return false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (pattern[i] != any && pattern[i] != Fold(path[i])) return false;
    }
    return true;
}

// Whether `earlier` wrote the value as `later` did.
template <class Value>
bool SameValue(const Value& later, const Value* earlier) {
    return earlier && earlier->type == later.type && earlier->data == later.data;
}

}  // namespace

bool RegistryOverlay::LeftAlike(RegistryHive hive, const Path& path, const Node& node) const {
    // What the earlier run left there is known only when it deleted the key
    // (or one above it) too; otherwise the key below showed through.
    const Node* mine = roots_[static_cast<int>(hive)].get();
    bool deleted = false;
    for (const Text& name : path) {
        mine = ChildOf(mine, name);
        deleted = deleted || (mine && mine->deleted);
    }
    return deleted && SameKeys(mine, &node);
}

void RegistryOverlay::WriteNode(const Node& node, const Path& path, ValuesToWrite values, Changes& changes) const {
    const Text joined = JoinKeyPath(path);
    if (node.deleted) {
        if (changes.earlier.LeftAlike(changes.hive, path, node)) return;
        changes.ok = RegistryKey(changes.target, changes.hive, joined.c_str()).DeleteTree() && changes.ok;
        if (node.created) changes.ok = WriteWhole(node, changes.target, changes.hive, joined) && changes.ok;
        return;
    }
    const Node* before = changes.earlier.Find(changes.hive, path);
    // The records of some of the key's values and subkeys, each with
    // whether one value in it differs.
    struct Part {
        const std::vector<Text>* names;
        bool differs;
    };
    std::vector<Part> parts;
    for (const Changes::Record& record : changes.records) {
        if (values != ValuesToWrite::Each || !Matches(record.key, path)) continue;
        if (record.parts.empty()) {
            values = WroteAlike(node, before) ? ValuesToWrite::None : ValuesToWrite::All;
            break;
        }
        bool differs = false;
        for (const Text& name : record.parts) {
            const auto value = node.values.find(name);
            if (value != node.values.end()) differs = differs || !SameValue(value->second, ValueOf(before, name));
            const auto child = node.children.find(name);
            if (child != node.children.end()) differs = differs || !WroteAlike(*child->second, ChildOf(before, name));
        }
        parts.push_back({&record.parts, differs});
    }
    // What to write of a value or subkey by its folded name.
    const auto toWrite = [&](const Text& name, ValuesToWrite alone) {
        for (const Part& part : parts) {
            if (std::find(part.names->begin(), part.names->end(), name) != part.names->end()) {
                return part.differs ? ValuesToWrite::All : ValuesToWrite::None;
            }
        }
        return alone;
    };
    if (values != ValuesToWrite::None && node.created && !(before && before->created)) {
        changes.ok = RegistryKey(changes.target, changes.hive, joined.c_str()).Create() && changes.ok;
    }
    for (const auto& value : node.values) {
        if (values == ValuesToWrite::None) break;
        // Alone a value is written where it differs, in a record where one
        // of the record's does.
        const bool same = SameValue(value.second, ValueOf(before, value.first));
        if (values == ValuesToWrite::Each &&
            toWrite(value.first, same ? ValuesToWrite::None : ValuesToWrite::All) == ValuesToWrite::None) {
            continue;
        }
        changes.ok = WriteValue(changes.target, changes.hive, joined, value.second.name.c_str(), value.second.type,
                                value.second.data) &&
                     changes.ok;
    }
    for (const auto& child : node.children) {
        Path below = path;
        below.push_back(child.second->name);
        WriteNode(*child.second, below, values == ValuesToWrite::Each ? toWrite(child.first, values) : values,
                  changes);
    }
}

bool RegistryOverlay::WriteChangesSince(const RegistryOverlay& earlier, RegistryApi& target, const Char* root,
                                        const RegistryRecord* records, std::size_t recordCount) const {
    // The records' keys below the root, by their whole paths.
    std::vector<Changes::Record> below;
    Path rootPath;
    if (root) {
        while (*root == '\\') ++root;
        if (!SplitKeyPath(root, rootPath)) recordCount = 0;
    }
    for (std::size_t r = 0; root && r < recordCount; ++r) {
        Changes::Record record;
        if (!SplitKeyPath(records[r].key, record.key)) continue;
        record.key.insert(record.key.begin(), rootPath.begin(), rootPath.end());
        for (Text& name : record.key) name = Fold(name);
        for (const Char* name : records[r].parts) {
            if (name) record.parts.push_back(Fold(name));
        }
        below.push_back(std::move(record));
    }
    bool ok = true;
    for (int i = 0; i < 3; ++i) {
        Changes changes{earlier, target, static_cast<RegistryHive>(i), {}};
        if (changes.hive == RegistryHive::CurrentUser) changes.records = below;
        WriteNode(*roots_[i], {}, ValuesToWrite::Each, changes);
        ok = changes.ok && ok;
    }
    return ok;
}

}  // namespace corvinata
