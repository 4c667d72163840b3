// Short forms of the settings exchange that every record load and save of
// the application uses: one named value of the innermost open key, and a
// group (sub-key) that stays open for the lifetime of a guard.
#pragma once

#include <climits>
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

namespace corvinata {

// Reads the values of a record in order and stops at the first one that is
// missing or out of range: that field takes its default and every later
// field keeps what the record held. `Ok` tells whether all were read.
class RequiredValues {
public:
    explicit RequiredValues(SettingsTree& tree) : tree_(tree) {}

    void Int(const Char* name, std::int32_t& field, std::int32_t fallback,
             std::int32_t lo = INT32_MIN, std::int32_t hi = INT32_MAX);
    void Bool(const Char* name, bool& field, bool fallback);
    void Double(const Char* name, double& field, double fallback);
    // A text stored as one of `texts` (indexes 0..count-1) gives the value at
    // the same index of `values`; any other text gives `other`.
    void Choice(const Char* name, std::int32_t& field, const Char* const* texts,
                const std::int32_t* values, int count, std::int32_t other, std::int32_t fallback);
    // Any other step of the chain: runs only while the chain holds.
    template <class Step>
    void Then(Step step) {
        if (ok_ && !step()) ok_ = false;
    }
    bool Ok() const noexcept { return ok_; }
    SettingsTree& Tree() noexcept { return tree_; }

private:
    SettingsTree& tree_;
    bool ok_ = true;
};

// Writes the values of a record in order while every write succeeds.
class WrittenValues {
public:
    explicit WrittenValues(SettingsTreeWriter& writer) : writer_(writer) {}
    void Int(const Char* name, std::int32_t value) { Then([&] { return WriteIntValue(writer_, name, value); }); }
    void Bool(const Char* name, bool value) { Then([&] { return WriteBoolValue(writer_, name, value); }); }
    void Double(const Char* name, double value) {
        Then([&] { return WriteDoubleValue(writer_, name, value); });
    }
    void Text(const Char* name, const Char* text) {
        Then([&] { return WriteStringValue(writer_, name, String(text)); });
    }
    template <class Step>
    void Then(Step step) {
        if (ok_ && !step()) ok_ = false;
    }
    bool Ok() const noexcept { return ok_; }
    SettingsTreeWriter& Writer() noexcept { return writer_; }

private:
    SettingsTreeWriter& writer_;
    bool ok_ = true;
};

}  // namespace corvinata
