#include "base/memory_storage.h"

#include <algorithm>
#include <cstring>

#include "base/text_format.h"

namespace corvinata {

namespace {

using Text = MemoryFileSystem::Text;

Text Fold(const Char* text) {
    Text folded;
    for (; *text; ++text) folded.push_back(FoldUpper(*text));
    return folded;
}

// "*" matches any run of characters, "?" any one; letters ignore case.
bool GlobMatch(const Char* pattern, const Char* name) {
    const Char* star = nullptr;
    const Char* resume = nullptr;
    while (*name) {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern && (*pattern == '?' || FoldUpper(*pattern) == FoldUpper(*name))) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == 0;
}

// Windows lets a pattern ending in ".*" match a name without any point.
bool NameMatches(const Char* pattern, const Char* name) {
    if (GlobMatch(pattern, name)) return true;
    const Text p(pattern);
    const Text n(name);
    if (p.size() < 2 || p.compare(p.size() - 2, 2, TXT(".*")) != 0) return false;
    if (n.find('.') != Text::npos) return false;
    return GlobMatch(p.substr(0, p.size() - 2).c_str(), name);
}

// A file of MemoryFileSystem, opened with the access its mode gives.
class MemoryBinaryFile final : public BinaryFile {
public:
    MemoryBinaryFile(MemoryFileSystem& files, const String& path)
        : BinaryFile(path), files_(files) {}
    ~MemoryBinaryFile() override {
        if (IsOpen()) Close();
    }

    bool Close() override {
        if (!data_) return false;
        if (auto* entry = files_.Find(Path().Text())) --entry->openCount;
        data_.reset();
        return true;
    }

    bool Create(bool closeAfter) override {
        if (IsOpen()) Close();
        auto* entry = files_.CreateFile(Path().Text());
        if (!entry || entry->readOnly) return false;
        Attach(*entry, true, true);
        return closeAfter ? Close() : true;
    }

    bool Exists() override { return files_.PathExists(Path().Text()); }

    std::uint32_t GetSize() override {
        return data_ ? static_cast<std::uint32_t>(data_->size()) : 0;
    }

    bool Open(FileOpenMode mode) override {
        if (IsOpen()) Close();
        auto* entry = files_.Find(Path().Text());
        if (!entry || entry->folder) return false;
        const bool read = mode == FileOpenMode::Read || mode == FileOpenMode::ReadWrite;
        const bool write = mode == FileOpenMode::Write || mode == FileOpenMode::ReadWrite;
        if (write && entry->readOnly) return false;
        Attach(*entry, read, write);
        if (mode == FileOpenMode::Write) data_->clear();
        return true;
    }

    // The in-memory files know no other programs to share with.
    bool OpenSharedForReading() override { return Open(FileOpenMode::Read); }

    bool AtEnd() const override { return atEnd_; }
    bool IsOpen() const override { return data_ != nullptr; }

    bool ReadSome(void* buffer, std::uint32_t count, std::uint32_t& bytesRead) override {
        bytesRead = 0;
        if (count == 0) return true;
        if (!data_ || !canRead_) return false;
        if (position_ >= data_->size()) {
            atEnd_ = true;
            return false;
        }
        bytesRead = static_cast<std::uint32_t>(
            std::min<std::size_t>(count, data_->size() - position_));
        std::memcpy(buffer, data_->data() + position_, bytesRead);
        position_ += bytesRead;
        atEnd_ = false;
        return true;
    }

    bool Write(const void* buffer, std::uint32_t count) override {
        if (!data_ || !canWrite_) return false;
        const std::uint32_t fits = files_.TakeWrite(count);
        if (position_ + fits > data_->size()) data_->resize(position_ + fits, 0);
        if (fits > 0) std::memcpy(data_->data() + position_, buffer, fits);
        position_ += fits;
        return fits == count;
    }

    std::uint32_t GetPosition() override { return static_cast<std::uint32_t>(position_); }

    bool SetPosition(std::uint32_t position) override {
        if (!data_) return false;
        position_ = position;
        atEnd_ = false;
        return true;
    }

    bool Truncate() override {
        if (!data_ || !canWrite_) return false;
        data_->resize(position_, 0);
        return true;
    }

protected:
    bool RemoveFromDisk() override { return files_.RemoveFile(Path().Text()); }

private:
    void Attach(MemoryFileSystem::Entry& entry, bool read, bool write) {
        data_ = entry.data;
        ++entry.openCount;
        canRead_ = read;
        canWrite_ = write;
        position_ = 0;
        atEnd_ = false;
    }

    MemoryFileSystem& files_;
    std::shared_ptr<MemoryFileSystem::Bytes> data_;
    std::size_t position_ = 0;
    bool canRead_ = false;
    bool canWrite_ = false;
    bool atEnd_ = false;
};

class MemoryFileFinder final : public FileFinder {
public:
    explicit MemoryFileFinder(MemoryFileSystem& files) : files_(files) {}

    bool Close() override {
        if (!open_) return false;
        open_ = false;
        found_.clear();
        return true;
    }

    bool FindFirst(String& text) override {
        if (open_) Close();
        const Text pattern(text.Text());
        const auto cut = pattern.find_last_of(TXT("\\/"));
        const Text folder = cut == Text::npos ? Text() : pattern.substr(0, cut);
        const Text namePattern = cut == Text::npos ? pattern : pattern.substr(cut + 1);
        const Text key = MemoryFileSystem::KeyOf(folder.c_str());
        if (!MemoryFileSystem::IsRootKey(key) && !files_.IsFolder(key.c_str())) return false;
        found_.clear();
        if (!MemoryFileSystem::IsRootKey(key)) {
            for (const Char* dots : {TXT("."), TXT("..")}) {
                if (NameMatches(namePattern.c_str(), dots)) found_.push_back({dots, true});
            }
        }
        for (const auto* entry : files_.List(key, namePattern.c_str())) {
            found_.push_back({entry->name, entry->folder});
        }
        if (found_.empty()) return false;
        open_ = true;
        index_ = 0;
        StringAssign(text, found_[0].name.c_str());
        return true;
    }

    bool FindNext(String& text) override {
        if (!open_ || index_ + 1 >= found_.size()) return false;
        ++index_;
        StringAssign(text, found_[index_].name.c_str());
        return true;
    }

    bool FoundFolder() const override { return open_ && found_[index_].folder; }

private:
    struct Found {
        Text name;
        bool folder;
    };

    MemoryFileSystem& files_;
    std::vector<Found> found_;
    std::size_t index_ = 0;
    bool open_ = false;
};

class MemorySystemInfo final : public SystemInfo {
public:
    explicit MemorySystemInfo(const bool& daylightSaving) : daylightSaving_(daylightSaving) {}
    bool IsDaylightSavingTime() override { return daylightSaving_; }

private:
    const bool& daylightSaving_;
};

bool IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsValidCalendarDate(int year, int month, int day) {
    static constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // The range of dates the Windows date functions accept.
    if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1) return false;
    const int days = kDaysInMonth[month - 1] + (month == 2 && IsGregorianLeapYear(year) ? 1 : 0);
    return day <= days;
}

// The short date of the in-memory locale: day, month and year with points.
class MemoryLocaleFormatter final : public LocaleFormatter {
public:
    MemoryLocaleFormatter(const bool& fixed, const int (&fields)[6])
        : fixed_(fixed), fields_(fields) {}

    bool GetNow() override {
        if (!fixed_) return ReadLocalClock(*this);
        year = fields_[0];
        month = fields_[1];
        day = fields_[2];
        hour = fields_[3];
        minute = fields_[4];
        second = fields_[5];
        return true;
    }

    bool ShortDate(String& receiver, int kind) override {
        StringAssign(receiver, TXT(""));
        if (kind != 0 || !IsValidCalendarDate(year, month, day)) return false;
        String part;
        StringAppend(receiver, StringFromInteger(day, 2, part, true, '0').Text());
        StringAppend(receiver, TXT("."));
        StringAppend(receiver, StringFromInteger(month, 2, part, true, '0').Text());
        StringAppend(receiver, TXT("."));
        StringAppend(receiver, StringFromInteger(year, 4, part, true, '0').Text());
        return true;
    }

private:
    const bool& fixed_;
    const int (&fields_)[6];
};

}  // namespace

// ---- MemoryFileSystem ----

Text MemoryFileSystem::KeyOf(const Char* path) {
    Text key;
    for (; *path; ++path) key.push_back(*path == '/' ? Char('\\') : FoldUpper(*path));
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return key;
}

bool MemoryFileSystem::IsRootKey(const Text& key) {
    return key.empty() || (key.size() == 2 && key[1] == ':');
}

Text MemoryFileSystem::ParentKey(const Text& key) {
    const auto cut = key.rfind('\\');
    return cut == Text::npos ? Text() : key.substr(0, cut);
}

MemoryFileSystem::Entry* MemoryFileSystem::Find(const Char* path) {
    const auto it = entries_.find(KeyOf(path));
    return it == entries_.end() ? nullptr : &it->second;
}

bool MemoryFileSystem::PathExists(const Char* path) {
    return Find(path) != nullptr;
}

bool MemoryFileSystem::IsFolder(const Char* path) {
    if (IsRootKey(KeyOf(path))) return true;
    const Entry* entry = Find(path);
    return entry && entry->folder;
}

bool MemoryFileSystem::MakeFolder(const Char* path) {
    const Text key = KeyOf(path);
    if (IsRootKey(key) || entries_.count(key) || !IsFolder(ParentKey(key).c_str())) return false;
    Entry entry;
    Text name(path);
    while (!name.empty() && IsPathSeparator(name.back())) name.pop_back();
    entry.name = name.substr(name.find_last_of(TXT("\\/")) + 1);
    entry.folder = true;
    entries_.emplace(key, std::move(entry));
    return true;
}

bool MemoryFileSystem::RemoveFolder(const Char* path) {
    const Text key = KeyOf(path);
    const auto it = entries_.find(key);
    if (it == entries_.end() || !it->second.folder) return false;
    for (const auto& other : entries_) {
        if (ParentKey(other.first) == key) return false;
    }
    entries_.erase(it);
    return true;
}

bool MemoryFileSystem::RemoveFile(const Char* path) {
    const auto it = entries_.find(KeyOf(path));
    if (it == entries_.end() || it->second.folder || it->second.readOnly ||
        it->second.openCount > 0) {
        return false;
    }
    entries_.erase(it);
    return true;
}

std::uint32_t MemoryFileSystem::TakeWrite(std::uint32_t count) noexcept {
    if (writeBudget_ == kUnlimited) return count;
    const auto fits = static_cast<std::uint32_t>(std::min<std::uint64_t>(count, writeBudget_));
    writeBudget_ -= fits;
    return fits;
}

bool MemoryFileSystem::MoveFileReplacing(const Char* from, const Char* to) {
    const Text fromKey = KeyOf(from);
    const Text toKey = KeyOf(to);
    const auto source = entries_.find(fromKey);
    if (source == entries_.end() || source->second.folder || source->second.readOnly ||
        source->second.openCount > 0 || IsRootKey(toKey) || !IsFolder(ParentKey(toKey).c_str())) {
        return false;
    }
    if (fromKey == toKey) return true;
    const auto target = entries_.find(toKey);
    if (target != entries_.end() &&
        (target->second.folder || target->second.readOnly || target->second.openCount > 0)) {
        return false;
    }
    Entry moved = std::move(source->second);
    const Text name(to);
    moved.name = name.substr(name.find_last_of(TXT("\\/")) + 1);
    entries_.erase(source);
    entries_[toKey] = std::move(moved);
    return true;
}

MemoryFileSystem::Entry* MemoryFileSystem::CreateFile(const Char* path) {
    const Text key = KeyOf(path);
    if (IsRootKey(key)) return nullptr;
    const auto it = entries_.find(key);
    if (it != entries_.end()) return it->second.folder ? nullptr : &it->second;
    if (!IsFolder(ParentKey(key).c_str())) return nullptr;
    Entry entry;
    const Text name(path);
    entry.name = name.substr(name.find_last_of(TXT("\\/")) + 1);
    entry.data = std::make_shared<Bytes>();
    return &entries_.emplace(key, std::move(entry)).first->second;
}

std::vector<const MemoryFileSystem::Entry*> MemoryFileSystem::List(const Text& folderKey,
                                                                   const Char* pattern) const {
    std::vector<const Entry*> found;
    for (const auto& [key, entry] : entries_) {
        if (ParentKey(key) == folderKey && NameMatches(pattern, entry.name.c_str())) {
            found.push_back(&entry);
        }
    }
    return found;
}

// ---- MemoryRegistry ----

struct MemoryRegistry::Node {
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    Text name;
    int hive = 0;
    bool deleted = false;
    std::map<Text, std::shared_ptr<Node>> children;   // by folded name
    std::map<Text, Value> values;                     // by folded name
};

struct MemoryRegistry::Handle {
    std::shared_ptr<Node> node;
};

MemoryRegistry::MemoryRegistry() {
    for (int i = 0; i < 3; ++i) {
        roots_[i] = std::make_shared<Node>();
        roots_[i]->hive = i;
        rootHandles_[i] = std::make_unique<Handle>(Handle{roots_[i]});
    }
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Handle* MemoryRegistry::HandleOf(Key key) {
    for (auto& root : rootHandles_) {
        if (root.get() == key) return root.get();
    }
    const auto it = open_.find(static_cast<const Handle*>(key));
    return it == open_.end() ? nullptr : it->second.get();
}

MemoryRegistry::Node* MemoryRegistry::NodeOf(Key key) {
    Handle* handle = HandleOf(key);
    return handle && !handle->node->deleted ? handle->node.get() : nullptr;
}

RegistryApi::Key MemoryRegistry::AddHandle(std::shared_ptr<Node> node) {
    auto handle = std::make_unique<Handle>(Handle{std::move(node)});
    Handle* key = handle.get();
    open_.emplace(key, std::move(handle));
    return key;
}

void MemoryRegistry::SetHiveWritable(RegistryHive hive, bool writable) {
    writable_[static_cast<int>(hive)] = writable;
}

RegistryApi::Key MemoryRegistry::RootKey(RegistryHive hive) {
    return rootHandles_[static_cast<int>(hive)].get();
}

bool MemoryRegistry::OpenKey(Key parent, const Char* subkey, Key& key) {
    Handle* handle = HandleOf(parent);
    std::vector<Text> names;
    if (!handle || handle->node->deleted || !SplitKeyPath(subkey, names)) return false;
    std::shared_ptr<Node> node = handle->node;
    for (const Text& name : names) {
        const auto it = node->children.find(Fold(name.c_str()));
        if (it == node->children.end()) return false;
        node = it->second;
    }
    key = AddHandle(node);
    return true;
}

bool MemoryRegistry::CreateKey(Key parent, const Char* name, Key& key) {
    Handle* handle = HandleOf(parent);
    std::vector<Text> names;
    if (!handle || handle->node->deleted || !writable_[handle->node->hive] ||
        !SplitKeyPath(name, names) || names.empty()) {
        return false;
    }
    std::shared_ptr<Node> node = handle->node;
    for (const Text& part : names) {
        auto& child = node->children[Fold(part.c_str())];
        if (!child) {
            child = std::make_shared<Node>();
            child->name = part;
            child->hive = node->hive;
        }
        node = child;
    }
    key = AddHandle(node);
    return true;
}

bool MemoryRegistry::CloseKey(Key key) {
    return open_.erase(static_cast<const Handle*>(key)) == 1;
}

bool MemoryRegistry::QueryValue(Key key, const Char* name, std::uint32_t& type, void* data,
                                std::uint32_t& size) {
    Node* node = NodeOf(key);
    if (!node) return false;
    const auto it = node->values.find(Fold(name));
    if (it == node->values.end()) return false;
    const auto& value = it->second;
    const auto valueSize = static_cast<std::uint32_t>(value.data.size());
    type = value.type;
    if (data && size < valueSize) {
        size = valueSize;
        return false;
    }
    if (data && valueSize > 0) std::memcpy(data, value.data.data(), valueSize);
    size = valueSize;
    return true;
}

bool MemoryRegistry::SetValue(Key key, const Char* name, std::uint32_t type, const void* data,
                              std::uint32_t size) {
    Node* node = NodeOf(key);
    if (!node || !writable_[node->hive]) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    node->values[Fold(name)] = Node::Value{type, std::vector<std::uint8_t>(bytes, bytes + size)};
    return true;
}

bool MemoryRegistry::CountSubkeys(Key key, std::uint32_t& count) {
    Node* node = NodeOf(key);
    if (!node) return false;
    count = static_cast<std::uint32_t>(node->children.size());
    return true;
}

RegistryEnumResult MemoryRegistry::EnumSubkey(Key key, std::uint32_t index, Char* name,
                                              std::uint32_t capacity) {
    Node* node = NodeOf(key);
    if (!node) return RegistryEnumResult::Failed;
    if (index >= node->children.size()) return RegistryEnumResult::NoMoreItems;
    auto it = node->children.begin();
    std::advance(it, index);
    const Text& childName = it->second->name;
    if (childName.size() + 1 > capacity) return RegistryEnumResult::Failed;
    std::copy(childName.begin(), childName.end(), name);
    name[childName.size()] = 0;
    return RegistryEnumResult::Found;
}

bool MemoryRegistry::DeleteSubkey(Key parent, const Char* name) {
    Node* node = NodeOf(parent);
    if (!node || !writable_[node->hive]) return false;
    const auto it = node->children.find(Fold(name));
    if (it == node->children.end() || !it->second->children.empty()) return false;
    it->second->deleted = true;
    node->children.erase(it);
    return true;
}

// ---- MemoryStorageService ----

MemoryStorageService::MemoryStorageService() = default;
MemoryStorageService::~MemoryStorageService() = default;

std::unique_ptr<BinaryFile> MemoryStorageService::CreateBinaryFile(const String& path) {
    return std::make_unique<MemoryBinaryFile>(files_, path);
}

std::unique_ptr<LocaleFormatter> MemoryStorageService::CreateLocaleFormatter() {
    return std::make_unique<MemoryLocaleFormatter>(clock_.fixed, clock_.fields);
}

std::unique_ptr<SystemInfo> MemoryStorageService::CreateSystemInfo() {
    return std::make_unique<MemorySystemInfo>(daylightSaving_);
}

std::unique_ptr<FileFinder> MemoryStorageService::CreateFileFinder() {
    return std::make_unique<MemoryFileFinder>(files_);
}

bool MemoryStorageService::PathExists(const Char* path) { return files_.PathExists(path); }
bool MemoryStorageService::IsFolder(const Char* path) { return files_.IsFolder(path); }
bool MemoryStorageService::MakeFolder(const Char* path) { return files_.MakeFolder(path); }
bool MemoryStorageService::RemoveFolder(const Char* path) { return files_.RemoveFolder(path); }
bool MemoryStorageService::RemoveFile(const Char* path) { return files_.RemoveFile(path); }

bool MemoryStorageService::MoveFileReplacing(const Char* from, const Char* to) {
    return files_.MoveFileReplacing(from, to);
}

void MemoryStorageService::SetClock(int year, int month, int day, int hour, int minute,
                                    int second) noexcept {
    clock_.fixed = true;
    const int fields[6] = {year, month, day, hour, minute, second};
    std::copy(fields, fields + 6, clock_.fields);
}

bool MemoryStorageService::SetReadOnly(const Char* path, bool readOnly) {
    auto* entry = files_.Find(path);
    if (!entry || entry->folder) return false;
    entry->readOnly = readOnly;
    return true;
}

bool MemoryStorageService::PutFile(const Char* path, const std::string& bytes) {
    auto* entry = files_.CreateFile(path);
    if (!entry) return false;
    entry->data->assign(bytes.begin(), bytes.end());
    return true;
}

bool MemoryStorageService::GetFile(const Char* path, std::string& bytes) {
    const auto* entry = files_.Find(path);
    if (!entry || entry->folder) return false;
    bytes.assign(entry->data->begin(), entry->data->end());
    return true;
}

}  // namespace corvinata
