// Short forms of the settings exchange that every record load and save of
// the application uses: one named value of the innermost open key, and a
// group (sub-key) that stays open for the lifetime of a guard.
#pragma once

#include <cstdint>

#include "base/settings_tree.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// Each answers whether the value was read (the receiver is untouched
// otherwise) or written.
bool ReadIntValue(SettingsTree& tree, const Char* name, std::int32_t& receiver);
bool ReadBoolValue(SettingsTree& tree, const Char* name, bool& receiver);
bool ReadDoubleValue(SettingsTree& tree, const Char* name, double& receiver);
bool ReadStringValue(SettingsTree& tree, const Char* name, String& receiver);
bool WriteIntValue(SettingsTreeWriter& writer, const Char* name, std::int32_t value);
bool WriteBoolValue(SettingsTreeWriter& writer, const Char* name, bool value);
bool WriteDoubleValue(SettingsTreeWriter& writer, const Char* name, double value);
bool WriteStringValue(SettingsTreeWriter& writer, const Char* name, const String& value);

// Reads an integer and keeps it only within lo..hi; a stored value outside
// the range counts as missing.
bool ReadIntValueInRange(SettingsTree& tree, const Char* name, std::int32_t lo, std::int32_t hi,
                         std::int32_t& receiver);

// Removes the sub-key `name` of the writer's innermost key with everything
// below it; true when it is gone (or was never there).
bool DeleteSettingsKey(SettingsTreeWriter& writer, const Char* name);

// The two names a record with a sub-key of its own is exchanged under: the
// sub-key is the instance name when one is given, else the type name.
struct RecordKeyNames {
    const Char* typeName;
    const Char* instanceName = nullptr;
    const Char* Key() const noexcept {
        return instanceName && *instanceName ? instanceName : typeName;
    }
};

// A sub-key opened for reading; closed when the guard goes.
class ReadGroup {
public:
    ReadGroup(SettingsTree& tree, const Char* name)
        : tree_(tree), open_(PushSettingsKey(tree, String(name))) {}
    ~ReadGroup() {
        if (open_) PopSettingsKey(tree_);
    }
    ReadGroup(const ReadGroup&) = delete;
    ReadGroup& operator=(const ReadGroup&) = delete;
    bool IsOpen() const noexcept { return open_; }

private:
    SettingsTree& tree_;
    bool open_;
};

// A sub-key created (or opened) for writing; closed when the guard goes.
class WriteGroup {
public:
    WriteGroup(SettingsTreeWriter& writer, const Char* name)
        : writer_(writer), open_(OpenSettingsKeyPath(writer, String(name))) {}
    ~WriteGroup() { PopSettingsKey(writer_); }
    WriteGroup(const WriteGroup&) = delete;
    WriteGroup& operator=(const WriteGroup&) = delete;
    bool IsOpen() const noexcept { return open_; }

private:
    SettingsTreeWriter& writer_;
    bool open_;
};

}  // namespace corvinata
