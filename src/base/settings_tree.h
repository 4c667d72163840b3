// The settings tree: how every persisted object reads and writes its
// settings.
//
// A SettingsTree (reading) or SettingsTreeWriter (writing) keeps a root key
// path below HKEY_CURRENT_USER and a stack of open keys below it; values move
// between the innermost key and an object through property descriptors. A
// load function pushes a group with PushSettingsKey and, only when that
// answered true, reads its values and pops it; the matching save function
// opens the same group with OpenSettingsKeyPath, writes the same values under
// the same names and pops it. A missing key or value leaves the object's
// value in place, which is how defaults survive a first run.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "base/path_name.h"
#include "base/storage.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// The binding between a stored value and an object: the value's name, and
// how to get the value from the object and set it back. `Get` is what the
// object gives, `Set` what it takes.
template <class Get, class Set = Get>
class PropertyDescriptor {
public:
    explicit PropertyDescriptor(const Char* name) : name_(name) {}
    virtual ~PropertyDescriptor() = default;

    virtual Get GetValue() const = 0;
    virtual void SetValue(Set value) const = 0;

    const String& Name() const noexcept { return name_; }

private:
    String name_;
};

using BoolProperty = PropertyDescriptor<bool>;
using IntProperty = PropertyDescriptor<std::int32_t>;
using DoubleProperty = PropertyDescriptor<double>;
// A text the object gives as zero-terminated wide text.
using WideTextProperty = PropertyDescriptor<const Char*>;
// A text the object gives as a String; both text kinds take a wide text.
using StringProperty = PropertyDescriptor<String, const Char*>;

// A descriptor over a getter and a setter callable (member functions bound
// to their object, or free accessor functions).
template <class Get, class Set, class Getter, class Setter>
class BoundProperty final : public PropertyDescriptor<Get, Set> {
public:
    BoundProperty(const Char* name, Getter getter, Setter setter)
        : PropertyDescriptor<Get, Set>(name), getter_(std::move(getter)),
          setter_(std::move(setter)) {}

    Get GetValue() const override { return getter_(); }
    void SetValue(Set value) const override { setter_(value); }

private:
    Getter getter_;
    Setter setter_;
};

template <class Get, class Set = Get, class Getter, class Setter>
BoundProperty<Get, Set, Getter, Setter> BindProperty(const Char* name, Getter getter,
                                                     Setter setter) {
    return BoundProperty<Get, Set, Getter, Setter>(name, std::move(getter), std::move(setter));
}

// A descriptor over a target object and two of its member functions; the
// setter's answer, if it has one, is ignored.
template <class Get, class Set = Get, class Object, class G, class S, class R>
auto BindMember(const Char* name, Object& target, G (Object::*getter)() const,
                R (Object::*setter)(S)) {
    return BindProperty<Get, Set>(
        name, [&target, getter]() -> Get { return (target.*getter)(); },
        [&target, setter](Set value) { (target.*setter)(value); });
}

// What SettingsTree and SettingsTreeWriter share: the root and the stack.
class SettingsKeyStack {
public:
    SettingsKeyStack(StorageService& storage, const String& rootPath);
    virtual ~SettingsKeyStack();
    SettingsKeyStack(const SettingsKeyStack&) = delete;
    SettingsKeyStack& operator=(const SettingsKeyStack&) = delete;

    // True for a reader, false for a writer.
    virtual bool IsReader() const = 0;

    const PathName& Root() const noexcept { return root_; }
    int Depth() const noexcept { return static_cast<int>(stack_.size()); }
    // The innermost key; null when the stack is empty or its node could not
    // be made.
    SettingsNode* Innermost() const noexcept {
        return stack_.empty() ? nullptr : stack_.back().get();
    }

    // A new closed node for `name` below the innermost key (or the root);
    // null when the key path would be too long.
    std::unique_ptr<SettingsNode> MakeChildNode(const String& name);
    void Push(std::unique_ptr<SettingsNode> node) { stack_.push_back(std::move(node)); }
    // Takes the innermost node off the stack; null when the stack is empty.
    std::unique_ptr<SettingsNode> TakeInnermost();

private:
    StorageService& storage_;
    PathName root_;
    bool rootValid_;
    std::vector<std::unique_ptr<SettingsNode>> stack_;
};

// Reads settings (SettingsTreeInit: the root key path, an empty stack).
class SettingsTree final : public SettingsKeyStack {
public:
    explicit SettingsTree(const String& rootPath);
    SettingsTree(StorageService& storage, const String& rootPath);
    bool IsReader() const override { return true; }
};

// Writes settings (SettingsTreeWriterInit).
class SettingsTreeWriter final : public SettingsKeyStack {
public:
    explicit SettingsTreeWriter(const String& rootPath);
    SettingsTreeWriter(StorageService& storage, const String& rootPath);
    bool IsReader() const override { return false; }
};

// Opens the key `name` (one name, or names separated by backslashes; one
// leading backslash is ignored) below the innermost key and pushes it. False,
// with the stack unchanged, when the key cannot be opened.
bool PushSettingsKey(SettingsTree& tree, const String& name);
// Creates (or opens) the key `name` below the innermost key and pushes it;
// answers whether it could be created. The node is pushed in either case,
// closed when it could not be created, so that writes into it answer false
// and the matching pop still removes it.
bool OpenSettingsKeyPath(SettingsTreeWriter& writer, const String& name);
// Removes the innermost key, closes and deletes it; answers the close's
// result (false on an empty stack).
bool PopSettingsKey(SettingsKeyStack& tree);

// Each reads the descriptor's value from the innermost key and, when that
// succeeds, hands it to the descriptor's setter; answers the read's result.
bool ReadBoolSetting(SettingsTree& tree, const BoolProperty& property);
bool ReadIntSetting(SettingsTree& tree, const IntProperty& property);
bool ReadDoubleSetting(SettingsTree& tree, const DoubleProperty& property);
bool ReadStringSetting(SettingsTree& tree, const WideTextProperty& property);
bool ReadStringSetting(SettingsTree& tree, const StringProperty& property);

// Each writes the descriptor's value under its name into the innermost key.
bool WriteBoolSetting(SettingsTreeWriter& writer, const BoolProperty& property);
bool WriteIntSetting(SettingsTreeWriter& writer, const IntProperty& property);
bool WriteDoubleSetting(SettingsTreeWriter& writer, const DoubleProperty& property);
bool WriteWideStringSetting(SettingsTreeWriter& writer, const WideTextProperty& property);
bool WriteStringSetting(SettingsTreeWriter& writer, const StringProperty& property);

// One value at a key path (the full path below the hive), without a tree.
// The reads store the value in `receiver` on success and answer true; when
// any step fails `receiver` takes `fallback` and the answer is false when
// `reportFailure` is set, true when it is clear. The bool, int and double
// helpers use HKEY_CURRENT_USER.
bool ReadBoolSettingAtPath(const Char* keyPath, const Char* valueName, bool fallback,
                           bool reportFailure, bool& receiver);
bool ReadIntSettingAtPath(const Char* keyPath, const Char* valueName, std::int32_t fallback,
                          bool reportFailure, std::int32_t& receiver);
bool ReadDoubleSettingAtPath(const Char* keyPath, const Char* valueName, double fallback,
                             bool reportFailure, double& receiver);
bool ReadStringSettingAtPath(RegistryHive hive, const Char* keyPath, const Char* valueName,
                             const Char* fallback, bool reportFailure, String& receiver);

// The writes create the key when missing; true when creating, writing and
// closing all succeeded.
bool WriteBoolSettingAtPath(const Char* keyPath, const Char* valueName, bool value);
bool WriteIntSettingAtPath(const Char* keyPath, const Char* valueName, std::int32_t value);
bool WriteDoubleSettingAtPath(const Char* keyPath, const Char* valueName, double value);
bool WriteStringSettingAtPath(RegistryHive hive, const Char* keyPath, const Char* valueName,
                              const String& value);
// Writes the default (unnamed) value of a key under HKEY_CLASSES_ROOT.
bool WriteClassesRootDefaultValue(const Char* keyPath, const String& text);

}  // namespace corvinata
