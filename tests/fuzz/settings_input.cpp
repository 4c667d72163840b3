#include "fuzz/settings_input.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

#include "base/registry_key.h"

namespace corvinata::fuzz {

std::vector<std::vector<SettingsText>> SettingsRecords(const std::uint8_t* data, std::size_t size) {
    std::vector<std::vector<SettingsText>> records(1, std::vector<SettingsText>(1));
    for (std::size_t i = 0; i < size; ++i) {
        const Char c = data[i];
        if (c == '\n') {
            records.emplace_back(1);
        } else if (c == '|' && records.back().size() < 4) {
            records.back().emplace_back();
        } else if (c != '\r' && c != 0) {
            records.back().back().push_back(c);
        }
    }
    return records;
}

namespace {

constexpr Char kMachineHive[] = TXT("HKLM\\");
constexpr std::size_t kMachineHiveLength = sizeof kMachineHive / sizeof kMachineHive[0] - 1;

// The full key path of an input's path, and whether it lies in the
// machine's hive.
SettingsText KeyPathOf(const SettingsText& written, const String& root, bool& machine) {
    machine = written.compare(0, kMachineHiveLength, kMachineHive) == 0;
    if (machine) return written.substr(kMachineHiveLength - 1);  // from its backslash
    if (!written.empty() && written[0] == '\\') return written;
    return SettingsText(root.Text()) + TXT("\\") + written;
}

}  // namespace

// A key stays open while the records after it name the same path (the
// values of a key come together): each opening walks the path from the
// hive's root, most of what writing an input costs.
void WriteSettingsRecords(StorageService& storage, const String& root,
                          const std::vector<std::vector<SettingsText>>& records) {
    SettingsText openPath;
    bool openMachine = false;
    std::unique_ptr<SettingsNode> node;
    for (const std::vector<SettingsText>& record : records) {
        if (record.size() != 4) continue;
        bool machine = false;
        const SettingsText path = KeyPathOf(record[0], root, machine);
        if (!node || path != openPath || machine != openMachine) {
            if (node) node->Close();
            node = storage.CreateRegistryNode(machine ? RegistryHive::LocalMachine : RegistryHive::CurrentUser,
                                              path.c_str());
            openMachine = machine;
            openPath = path;
            if (!node->Create()) {
                node.reset();
                continue;
            }
        }
        const std::string number(record[3].begin(), record[3].end());
        if (record[2] == TXT("d")) {
            node->WriteInt(record[1].c_str(), static_cast<std::int32_t>(std::strtoll(number.c_str(), nullptr, 10)));
        } else if (record[2] == TXT("s")) {
            node->WriteText(record[1].c_str(), record[3].c_str());
        }
    }
    if (node) node->Close();
}

RegistryApi::Key RecordingRegistry::RootKey(RegistryHive hive) {
    const Key root = inner_.RootKey(hive);
    paths_[root].clear();
    return root;
}

SettingsText RecordingRegistry::PathBelow(Key parent, const Char* subkey) const {
    const auto found = paths_.find(parent);
    SettingsText path = found != paths_.end() ? found->second : SettingsText();
    const SettingsText below = subkey != nullptr ? SettingsText(subkey) : SettingsText();
    if (!path.empty() && !below.empty()) path += '\\';
    return path + below;
}

bool RecordingRegistry::OpenKey(Key parent, const Char* subkey, Key& key) {
    if (!inner_.OpenKey(parent, subkey, key)) return false;
    paths_[key] = PathBelow(parent, subkey);
    return true;
}

bool RecordingRegistry::CreateKey(Key parent, const Char* name, Key& key) {
    if (!inner_.CreateKey(parent, name, key)) return false;
    paths_[key] = PathBelow(parent, name);
    return true;
}

bool RecordingRegistry::CloseKey(Key key) {
    paths_.erase(key);
    return inner_.CloseKey(key);
}

bool RecordingRegistry::QueryValue(Key key, const Char* name, std::uint32_t& type, void* data, std::uint32_t& size) {
    return inner_.QueryValue(key, name, type, data, size);
}

bool RecordingRegistry::SetValue(Key key, const Char* name, std::uint32_t type, const void* data,
                                 std::uint32_t size) {
    if (!inner_.SetValue(key, name, type, data, size)) return false;
    const auto [place, added] = values_.try_emplace({PathBelow(key, nullptr), name != nullptr ? name : TXT("")});
    if (added) place->second.order = writes_++;
    place->second.type = type;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    place->second.data.assign(bytes, bytes + size);
    return true;
}

bool RecordingRegistry::CountSubkeys(Key key, std::uint32_t& count) { return inner_.CountSubkeys(key, count); }

RegistryEnumResult RecordingRegistry::EnumSubkey(Key key, std::uint32_t index, Char* name, std::uint32_t capacity) {
    return inner_.EnumSubkey(key, index, name, capacity);
}

bool RecordingRegistry::DeleteSubkey(Key parent, const Char* name) {
    if (refuseDeletions || !inner_.DeleteSubkey(parent, name)) return false;
    const SettingsText gone = PathBelow(parent, name);
    // The key's own values, then those of the keys below it.
    values_.erase(values_.lower_bound({gone, SettingsText()}),
                  values_.lower_bound({gone + Char(0), SettingsText()}));
    const SettingsText below = gone + Char('\\');
    auto value = values_.lower_bound({below, SettingsText()});
    while (value != values_.end() && value->first.first.compare(0, below.size(), below) == 0) {
        value = values_.erase(value);
    }
    return true;
}

std::vector<RecordingRegistry::Value> RecordingRegistry::Values() const {
    std::vector<std::pair<std::size_t, Value>> ordered;
    for (const auto& [key, written] : values_) {
        ordered.push_back({written.order, Value{key.first, key.second, written.type, written.data}});
    }
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Value> values;
    for (auto& entry : ordered) values.push_back(std::move(entry.second));
    return values;
}

std::string RecordingRegistry::Text(const String& root) const {
    SettingsText top(root.Text());
    while (!top.empty() && top.front() == '\\') top.erase(0, 1);
    while (!top.empty() && top.back() == '\\') top.pop_back();
    const auto bytes = [](const SettingsText& text) {
        std::string out;
        for (const Char c : text) out.push_back(static_cast<std::uint32_t>(c) < 256 ? static_cast<char>(c) : '?');
        return out;
    };
    std::string out;
    for (const Value& value : Values()) {
        SettingsText path = TXT("\\") + value.path;
        if (value.path == top) {
            path.clear();
        } else if (value.path.compare(0, top.size() + 1, top + TXT("\\")) == 0) {
            path = value.path.substr(top.size() + 1);
        }
        const std::string named = bytes(path) + "|" + bytes(value.name) + "|";
        if (value.type == kRegistryDword && value.data.size() == 4) {
            const std::uint32_t bits = value.data[0] | (std::uint32_t{value.data[1]} << 8) |
                                       (std::uint32_t{value.data[2]} << 16) | (std::uint32_t{value.data[3]} << 24);
            out += named + "d|" + std::to_string(static_cast<std::int32_t>(bits)) + "\n";
        } else if (value.type == kRegistryString) {
            SettingsText text;
            for (std::size_t i = 0; i + 1 < value.data.size(); i += 2) {
                const auto unit = static_cast<Char>(value.data[i] | (value.data[i + 1] << 8));
                if (unit == 0) break;
                text.push_back(unit);
            }
            out += named + "s|" + bytes(text) + "\n";
        }
    }
    return out;
}

}  // namespace corvinata::fuzz
