#include "base/settings_tree.h"

namespace corvinata {

SettingsKeyStack::SettingsKeyStack(StorageService& storage, const String& rootPath)
    : storage_(storage), rootValid_(root_.SetPathWithSeparator(rootPath.Text())) {}

SettingsKeyStack::~SettingsKeyStack() = default;

std::unique_ptr<SettingsNode> SettingsKeyStack::MakeChildNode(const String& name) {
    if (!rootValid_) return nullptr;
    const SettingsNode* parent = stack_.empty() ? nullptr : stack_.back().get();
    // Below a node that could not be made there is no key either.
    if (!stack_.empty() && !parent) return nullptr;
    PathName key;
    const String parentPath = parent ? parent->GetPath() : String(root_.Folder());
    if (!key.SetPathWithSeparator(parentPath.Text()) || !key.AppendPathFolder(name.Text())) {
        return nullptr;
    }
    return storage_.CreateRegistryNode(RegistryHive::CurrentUser,
                                       key.IsRootFolder() ? key.Folder() : key.GetPathFolder());
}

std::unique_ptr<SettingsNode> SettingsKeyStack::TakeInnermost() {
    if (stack_.empty()) return nullptr;
    std::unique_ptr<SettingsNode> node = std::move(stack_.back());
    stack_.pop_back();
    return node;
}

SettingsTree::SettingsTree(const String& rootPath)
    : SettingsKeyStack(GetStorageService(), rootPath) {}

SettingsTree::SettingsTree(StorageService& storage, const String& rootPath)
    : SettingsKeyStack(storage, rootPath) {}

SettingsTreeWriter::SettingsTreeWriter(const String& rootPath)
    : SettingsKeyStack(GetStorageService(), rootPath) {}

SettingsTreeWriter::SettingsTreeWriter(StorageService& storage, const String& rootPath)
    : SettingsKeyStack(storage, rootPath) {}

bool PushSettingsKey(SettingsTree& tree, const String& name) {
    std::unique_ptr<SettingsNode> node = tree.MakeChildNode(name);
    if (!node || !node->Open()) return false;
    tree.Push(std::move(node));
    return true;
}

bool OpenSettingsKeyPath(SettingsTreeWriter& writer, const String& name) {
    std::unique_ptr<SettingsNode> node = writer.MakeChildNode(name);
    const bool created = node && node->Create();
    writer.Push(std::move(node));
    return created;
}

bool PopSettingsKey(SettingsKeyStack& tree) {
    if (tree.Depth() == 0) return false;
    std::unique_ptr<SettingsNode> node = tree.TakeInnermost();
    return node && node->Close();
}

namespace {

// A text read from the store reaches either kind of text descriptor as a
// zero-terminated wide text.
template <class Property>
bool ReadTextInto(SettingsTree& tree, const Property& property) {
    SettingsNode* node = tree.Innermost();
    String value;
    if (!node || !node->ReadString(property.Name().Text(), value)) return false;
    property.SetValue(value.Text());
    return true;
}

template <class Value, class Property, class Read>
bool ReadInto(SettingsTree& tree, const Property& property, Read read) {
    SettingsNode* node = tree.Innermost();
    Value value{};
    if (!node || !(node->*read)(property.Name().Text(), value)) return false;
    property.SetValue(value);
    return true;
}

template <class Property, class Write>
bool WriteFrom(SettingsTreeWriter& writer, const Property& property, Write write) {
    SettingsNode* node = writer.Innermost();
    return node && (node->*write)(property.Name().Text(), property.GetValue());
}

}  // namespace

bool ReadBoolSetting(SettingsTree& tree, const BoolProperty& property) {
    return ReadInto<bool>(tree, property, &SettingsNode::ReadBool);
}

bool ReadIntSetting(SettingsTree& tree, const IntProperty& property) {
    return ReadInto<std::int32_t>(tree, property, &SettingsNode::ReadInt);
}

bool ReadDoubleSetting(SettingsTree& tree, const DoubleProperty& property) {
    return ReadInto<double>(tree, property, &SettingsNode::ReadDouble);
}

bool ReadStringSetting(SettingsTree& tree, const WideTextProperty& property) {
    return ReadTextInto(tree, property);
}

bool ReadStringSetting(SettingsTree& tree, const StringProperty& property) {
    return ReadTextInto(tree, property);
}

bool WriteBoolSetting(SettingsTreeWriter& writer, const BoolProperty& property) {
    return WriteFrom(writer, property, &SettingsNode::WriteBool);
}

bool WriteIntSetting(SettingsTreeWriter& writer, const IntProperty& property) {
    return WriteFrom(writer, property, &SettingsNode::WriteInt);
}

bool WriteDoubleSetting(SettingsTreeWriter& writer, const DoubleProperty& property) {
    return WriteFrom(writer, property, &SettingsNode::WriteDouble);
}

bool WriteWideStringSetting(SettingsTreeWriter& writer, const WideTextProperty& property) {
    return WriteFrom(writer, property, &SettingsNode::WriteText);
}

bool WriteStringSetting(SettingsTreeWriter& writer, const StringProperty& property) {
    return WriteFrom(writer, property, &SettingsNode::WriteString);
}

namespace {

// Opens the key, reads one value with `read` and closes the key again; on
// any failure the receiver takes the fallback.
template <class Value, class Read>
bool ReadOneValue(RegistryHive hive, const Char* keyPath, const Value& fallback,
                  bool reportFailure, Value& receiver, Read read) {
    std::unique_ptr<SettingsNode> node = GetStorageService().CreateRegistryNode(hive, keyPath);
    const bool opened = node->Open();
    const bool ok = opened && read(*node, receiver);
    const bool closed = opened && node->Close();
    if (ok && closed) return true;
    receiver = fallback;
    return !reportFailure;
}

// Creates the key, writes one value with `write` and closes the key.
template <class Write>
bool WriteOneValue(RegistryHive hive, const Char* keyPath, Write write) {
    std::unique_ptr<SettingsNode> node = GetStorageService().CreateRegistryNode(hive, keyPath);
    const bool ok = node->Create() && write(*node);
    const bool closed = node->Close();
    return ok && closed;
}

}  // namespace

bool ReadBoolSettingAtPath(const Char* keyPath, const Char* valueName, bool fallback,
                           bool reportFailure, bool& receiver) {
    return ReadOneValue(RegistryHive::CurrentUser, keyPath, fallback, reportFailure, receiver,
                        [valueName](SettingsNode& node, bool& value) {
                            return node.ReadBool(valueName, value);
                        });
}

bool ReadIntSettingAtPath(const Char* keyPath, const Char* valueName, std::int32_t fallback,
                          bool reportFailure, std::int32_t& receiver) {
    return ReadOneValue(RegistryHive::CurrentUser, keyPath, fallback, reportFailure, receiver,
                        [valueName](SettingsNode& node, std::int32_t& value) {
                            return node.ReadInt(valueName, value);
                        });
}

bool ReadDoubleSettingAtPath(const Char* keyPath, const Char* valueName, double fallback,
                             bool reportFailure, double& receiver) {
    return ReadOneValue(RegistryHive::CurrentUser, keyPath, fallback, reportFailure, receiver,
                        [valueName](SettingsNode& node, double& value) {
                            return node.ReadDouble(valueName, value);
                        });
}

bool ReadStringSettingAtPath(RegistryHive hive, const Char* keyPath, const Char* valueName,
                             const Char* fallback, bool reportFailure, String& receiver) {
    return ReadOneValue(hive, keyPath, String(fallback), reportFailure, receiver,
                        [valueName](SettingsNode& node, String& value) {
                            return node.ReadString(valueName, value);
                        });
}

bool WriteBoolSettingAtPath(const Char* keyPath, const Char* valueName, bool value) {
    return WriteOneValue(RegistryHive::CurrentUser, keyPath,
                         [&](SettingsNode& node) { return node.WriteBool(valueName, value); });
}

bool WriteIntSettingAtPath(const Char* keyPath, const Char* valueName, std::int32_t value) {
    return WriteOneValue(RegistryHive::CurrentUser, keyPath,
                         [&](SettingsNode& node) { return node.WriteInt(valueName, value); });
}

bool WriteDoubleSettingAtPath(const Char* keyPath, const Char* valueName, double value) {
    return WriteOneValue(RegistryHive::CurrentUser, keyPath,
                         [&](SettingsNode& node) { return node.WriteDouble(valueName, value); });
}

bool WriteStringSettingAtPath(RegistryHive hive, const Char* keyPath, const Char* valueName,
                              const String& value) {
    return WriteOneValue(hive, keyPath,
                         [&](SettingsNode& node) { return node.WriteString(valueName, value); });
}

bool WriteClassesRootDefaultValue(const Char* keyPath, const String& text) {
    return WriteStringSettingAtPath(RegistryHive::ClassesRoot, keyPath, TXT(""), text);
}

}  // namespace corvinata
