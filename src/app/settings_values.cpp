#include "app/settings_values.h"

#include <memory>

namespace corvinata {

bool ReadIntValue(SettingsTree& tree, const Char* name, std::int32_t& receiver) {
    SettingsNode* node = tree.Innermost();
    return node && node->ReadInt(name, receiver);
}

bool ReadBoolValue(SettingsTree& tree, const Char* name, bool& receiver) {
    SettingsNode* node = tree.Innermost();
    return node && node->ReadBool(name, receiver);
}

bool ReadDoubleValue(SettingsTree& tree, const Char* name, double& receiver) {
    SettingsNode* node = tree.Innermost();
    return node && node->ReadDouble(name, receiver);
}

bool ReadStringValue(SettingsTree& tree, const Char* name, String& receiver) {
    SettingsNode* node = tree.Innermost();
    return node && node->ReadString(name, receiver);
}

bool WriteIntValue(SettingsTreeWriter& writer, const Char* name, std::int32_t value) {
    SettingsNode* node = writer.Innermost();
    return node && node->WriteInt(name, value);
}

bool WriteBoolValue(SettingsTreeWriter& writer, const Char* name, bool value) {
    SettingsNode* node = writer.Innermost();
    return node && node->WriteBool(name, value);
}

bool WriteDoubleValue(SettingsTreeWriter& writer, const Char* name, double value) {
    SettingsNode* node = writer.Innermost();
    return node && node->WriteDouble(name, value);
}

bool WriteStringValue(SettingsTreeWriter& writer, const Char* name, const String& value) {
    SettingsNode* node = writer.Innermost();
    return node && node->WriteString(name, value);
}

bool ReadIntValueInRange(SettingsTree& tree, const Char* name, std::int32_t lo, std::int32_t hi,
                         std::int32_t& receiver) {
    std::int32_t value = 0;
    if (!ReadIntValue(tree, name, value) || value < lo || value > hi) return false;
    receiver = value;
    return true;
}

bool DeleteSettingsKey(SettingsTreeWriter& writer, const Char* name) {
    std::unique_ptr<SettingsNode> node = writer.MakeChildNode(String(name));
    return node && node->DeleteTree();
}

}  // namespace corvinata

namespace corvinata {

void RequiredValues::Int(const Char* name, std::int32_t& field, std::int32_t fallback,
                         std::int32_t lo, std::int32_t hi) {
    if (!ok_) return;
    if (!ReadIntValueInRange(tree_, name, lo, hi, field)) {
        field = fallback;
        ok_ = false;
    }
}

void RequiredValues::Bool(const Char* name, bool& field, bool fallback) {
    if (!ok_) return;
    if (!ReadBoolValue(tree_, name, field)) {
        field = fallback;
        ok_ = false;
    }
}

void RequiredValues::Double(const Char* name, double& field, double fallback) {
    if (!ok_) return;
    if (!ReadDoubleValue(tree_, name, field)) {
        field = fallback;
        ok_ = false;
    }
}

void RequiredValues::Choice(const Char* name, std::int32_t& field, const Char* const* texts,
                            const std::int32_t* values, int count, std::int32_t other,
                            std::int32_t fallback) {
    if (!ok_) return;
    String text;
    if (!ReadStringValue(tree_, name, text)) {
        field = fallback;
        ok_ = false;
        return;
    }
    field = other;
    for (int i = 0; i < count; ++i) {
        if (TextEquals(text.Text(), texts[i])) field = values[i];
    }
}

}  // namespace corvinata
