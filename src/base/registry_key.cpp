#include "base/registry_key.h"

#include "base/number_text.h"
#include "base/text_format.h"

namespace corvinata {

namespace {

// Registry names are at most 255 characters.
constexpr std::uint32_t kKeyNameCapacity = 256;

// Doubles are stored with six decimals, trailing zeros dropped.
constexpr int kDoublePrecision = -6;

}  // namespace

bool SplitKeyPath(const Char* path, std::vector<std::basic_string<Char>>& names) {
    names.clear();
    if (*path == 0) return true;
    std::basic_string<Char> current;
    for (const Char* p = path;; ++p) {
        if (*p == '\\' || *p == 0) {
            if (current.empty() && (*p == '\\' || p == path)) return false;
            if (!current.empty()) names.push_back(current);
            current.clear();
            if (*p == 0) return true;
        } else {
            current.push_back(*p);
        }
    }
}

RegistryKey::RegistryKey(RegistryApi& api, RegistryHive hive, const Char* keyPath)
    : api_(api), hive_(hive) {
    // Whatever separators the caller put first, the stored folder begins
    // with exactly one, so that the text handed to the registry never begins
    // with one (the registry refuses such a path).
    while (IsPathSeparator(*keyPath)) ++keyPath;
    Char rooted[PathName::kPathPartMax + 1];
    rooted[0] = '\\';
    const int length = TextLength(keyPath);
    if (length + 1 > PathName::kPathPartMax) return;
    for (int i = 0; i <= length; ++i) rooted[i + 1] = keyPath[i];
    pathValid_ = path_.SetPathWithSeparator(rooted);
}

RegistryKey::RegistryKey(RegistryApi& api, RegistryHive hive, const PathName& path) noexcept
    : api_(api), hive_(hive), path_(path), pathValid_(true) {}

RegistryKey::~RegistryKey() { CloseIfOpen(); }

const Char* RegistryKey::SubkeyText() const noexcept {
    return path_.IsRootFolder() ? TXT("") : path_.GetPathFolder() + 1;
}

bool RegistryKey::Close() {
    if (!key_ || !api_.CloseKey(key_)) return false;
    key_ = nullptr;
    return true;
}

bool RegistryKey::CloseIfOpen() { return IsOpen() ? Close() : true; }

bool RegistryKey::Open() {
    if (IsOpen()) return true;
    if (!pathValid_) return false;
    RegistryApi::Key key = nullptr;
    if (!api_.OpenKey(api_.RootKey(hive_), SubkeyText(), key)) return false;
    key_ = key;
    return true;
}

String RegistryKey::GetPath() const {
    return String(path_.IsRootFolder() ? path_.Folder() : path_.GetPathFolder());
}

bool RegistryKey::Exists() {
    if (!pathValid_) return false;
    RegistryKey probe(api_, hive_, path_);
    return probe.Open();
}

bool RegistryKey::Create() {
    if (IsOpen() || Open()) return true;
    if (!pathValid_) return false;
    PathName parentPath = path_;
    Char name[PathName::kPathPartMax + 1];
    if (!parentPath.RemovePathLastFolder(name)) return false;
    RegistryKey parent(api_, hive_, parentPath);
    if (!parent.Create()) return false;
    RegistryApi::Key key = nullptr;
    if (!api_.CreateKey(parent.key_, name, key)) return false;
    key_ = key;
    if (!parent.Close()) {
        Close();
        return false;
    }
    return true;
}

bool RegistryKey::DeleteTree() {
    if (!Exists()) return pathValid_;
    PathName parentPath = path_;
    Char ownName[PathName::kPathPartMax + 1];
    if (!parentPath.RemovePathLastFolder(ownName)) return false;  // a hive is not deleted
    if (!Open()) return false;

    bool ok = true;
    std::uint32_t count = 0;
    if (!api_.CountSubkeys(key_, count)) ok = false;
    // Each subkey is deleted before the next is asked for, so the next one is
    // always at index 0.
    for (std::uint32_t i = 0; ok && i < count; ++i) {
        Char childName[kKeyNameCapacity];
        PathName childPath = path_;
        ok = api_.EnumSubkey(key_, 0, childName, kKeyNameCapacity) == RegistryEnumResult::Found &&
             childPath.AppendPathFolder(childName);
        if (ok) {
            RegistryKey child(api_, hive_, childPath);
            ok = child.DeleteTree();
        }
    }

    const bool closedSelf = Close();
    RegistryKey parent(api_, hive_, parentPath);
    if (ok) ok = parent.Open() && api_.DeleteSubkey(parent.key_, ownName);
    const bool closedParent = parent.CloseIfOpen();
    return ok && closedSelf && closedParent;
}

bool RegistryKey::EnumSubkeys(std::vector<String>& names) {
    if (!IsOpen()) return false;
    names.clear();
    for (std::uint32_t index = 0;; ++index) {
        Char name[kKeyNameCapacity];
        switch (api_.EnumSubkey(key_, index, name, kKeyNameCapacity)) {
        case RegistryEnumResult::Found:
            names.emplace_back(name);
            break;
        case RegistryEnumResult::NoMoreItems:
            return true;
        case RegistryEnumResult::Failed:
            return false;
        }
    }
}

bool RegistryKey::ReadInt(const Char* name, std::int32_t& receiver) {
    if (!IsOpen()) return false;
    unsigned char data[4];
    std::uint32_t type = 0;
    std::uint32_t size = sizeof data;
    if (!api_.QueryValue(key_, name, type, data, size)) return false;
    if (type != kRegistryDword || size != sizeof data) return false;
    const std::uint32_t value = data[0] | (std::uint32_t{data[1]} << 8) |
                                (std::uint32_t{data[2]} << 16) | (std::uint32_t{data[3]} << 24);
    receiver = static_cast<std::int32_t>(value);
    return true;
}

bool RegistryKey::ReadBool(const Char* name, bool& receiver) {
    std::int32_t value = 0;
    if (!ReadInt(name, value)) return false;
    receiver = value != 0;
    return true;
}

bool RegistryKey::ReadString(const Char* name, String& receiver) {
    if (!IsOpen()) return false;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (!api_.QueryValue(key_, name, type, nullptr, size) || type != kRegistryString) return false;
    // Stored strings need not end with a terminator, nor have an even size:
    // the buffer is zeroed and one character longer than the data.
    std::vector<unsigned char> data(size + 2 * sizeof(Char), 0);
    std::uint32_t got = size;
    if (!api_.QueryValue(key_, name, type, data.data(), got) || type != kRegistryString) {
        return false;
    }
    std::vector<Char> text(got / 2 + 1, 0);
    for (std::uint32_t i = 0; i < got / 2; ++i) {
        text[i] = static_cast<Char>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    StringAssign(receiver, text.data());
    return true;
}

bool RegistryKey::ReadDouble(const Char* name, double& receiver) {
    String text;
    if (!ReadString(name, text)) return false;
    double value = 0.0;
    int consumed = 0;
    if (!ParseDouble(text.Text(), value, &consumed) || consumed != text.Length()) return false;
    receiver = value;
    return true;
}

bool RegistryKey::WriteInt(const Char* name, std::int32_t value) {
    if (!IsOpen()) return false;
    const auto bits = static_cast<std::uint32_t>(value);
    const unsigned char data[4] = {
        static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
        static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
    return api_.SetValue(key_, name, kRegistryDword, data, sizeof data);
}

bool RegistryKey::WriteBool(const Char* name, bool value) { return WriteInt(name, value ? 1 : 0); }

bool RegistryKey::WriteText(const Char* name, const Char* text) {
    if (!IsOpen()) return false;
    const int length = TextLength(text);
    std::vector<unsigned char> data(2 * (static_cast<std::size_t>(length) + 1), 0);
    for (int i = 0; i < length; ++i) {
        const auto unit = static_cast<std::uint16_t>(text[i]);
        data[2 * i] = static_cast<unsigned char>(unit);
        data[2 * i + 1] = static_cast<unsigned char>(unit >> 8);
    }
    return api_.SetValue(key_, name, kRegistryString, data.data(),
                         static_cast<std::uint32_t>(data.size()));
}

bool RegistryKey::WriteString(const Char* name, const String& text) {
    return WriteText(name, text.Text());
}

bool RegistryKey::WriteDouble(const Char* name, double value) {
    String text;
    FormatDouble(value, kDoublePrecision, text, false);
    return WriteString(name, text);
}

}  // namespace corvinata
