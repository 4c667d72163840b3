#include "base/path_name.h"

#include <initializer_list>

namespace corvinata {

namespace {

// Copies `count` characters of `source` and a terminator into `dest`.
void CopyCount(Char* dest, const Char* source, int count) noexcept {
    for (int i = 0; i < count; ++i) dest[i] = source[i];
    dest[count] = 0;
}

// Appends `source` at `dest[length]`; the caller has checked the room.
void AppendAt(Char* dest, int& length, const Char* source) noexcept {
    while (*source) dest[length++] = *source++;
    dest[length] = 0;
}

// Writes the parts one after another into `dest`; the length written.
int JoinInto(Char* dest, std::initializer_list<const Char*> parts) noexcept {
    int length = 0;
    for (const Char* part : parts) AppendAt(dest, length, part);
    return length;
}

void DropOneTrailingSeparator(Char* text, int length) noexcept {
    if (length > 0 && IsPathSeparator(text[length - 1])) text[length - 1] = 0;
}

void SlashesToBackslashes(Char* text) noexcept {
    for (; *text; ++text) {
        if (*text == '/') *text = '\\';
    }
}

// The four parts of a path as spans of the text that was split.
struct PathParts {
    const Char* drive;
    int driveLength;
    const Char* folder;
    int folderLength;
    const Char* name;
    int nameLength;
    const Char* extension;
    int extensionLength;
};

// Splits as the Windows runtime does: a drive when the second character is a
// colon, the folder up to and including the last separator, then the name up
// to the last point, which starts the extension.
PathParts SplitPath(const Char* path) noexcept {
    PathParts parts{};
    const Char* rest = path;
    if (path[0] != 0 && path[1] == ':') {
        parts.drive = path;
        parts.driveLength = 2;
        rest = path + 2;
    } else {
        parts.drive = path;
    }
    const int restLength = TextLength(rest);
    int folderEnd = 0;
    for (int i = 0; i < restLength; ++i) {
        if (IsPathSeparator(rest[i])) folderEnd = i + 1;
    }
    parts.folder = rest;
    parts.folderLength = folderEnd;
    const Char* file = rest + folderEnd;
    const int fileLength = restLength - folderEnd;
    int dot = -1;
    for (int i = 0; i < fileLength; ++i) {
        if (file[i] == '.') dot = i;
    }
    parts.name = file;
    parts.nameLength = dot < 0 ? fileLength : dot;
    parts.extension = file + parts.nameLength;
    parts.extensionLength = fileLength - parts.nameLength;
    return parts;
}

bool FitsInParts(const PathParts& parts) noexcept {
    return parts.folderLength <= PathName::kPathPartMax &&
           parts.nameLength <= PathName::kPathPartMax &&
           parts.extensionLength <= PathName::kPathPartMax;
}

}  // namespace

PathName::PathName() noexcept
    : drive_{}, folder_{}, name_{}, extension_{}, folderCache_{},
      directoryWithSeparatorCache_{}, directoryCache_{}, fileNameCache_{}, fullPathCache_{} {}

void PathName::ClearFolderCaches() noexcept {
    folderCache_[0] = 0;
    directoryWithSeparatorCache_[0] = 0;
    directoryCache_[0] = 0;
    fullPathCache_[0] = 0;
}

void PathName::ClearFileNameCaches() noexcept {
    fileNameCache_[0] = 0;
    fullPathCache_[0] = 0;
}

bool PathName::SetPath(const Char* path) noexcept {
    const PathParts parts = SplitPath(path);
    if (!FitsInParts(parts)) return false;
    CopyCount(drive_, parts.drive, parts.driveLength);
    CopyCount(folder_, parts.folder, parts.folderLength);
    CopyCount(name_, parts.name, parts.nameLength);
    CopyCount(extension_, parts.extension, parts.extensionLength);
    NormalisePathSeparators();
    ClearFolderCaches();
    ClearFileNameCaches();
    return true;
}

bool PathName::SetPathDirectory(const Char* directory) noexcept {
    // Room for the longest directory and the separator added below.
    constexpr int kWorkMax = 260;
    Char work[kWorkMax + 1];
    int length = TextLength(directory);
    if (length > kWorkMax - 1) return false;
    CopyCount(work, directory, length);
    if (length > 0 && !IsPathSeparator(work[length - 1])) {
        work[length++] = '\\';
        work[length] = 0;
    }
    const PathParts parts = SplitPath(work);
    if (parts.folderLength > kPathPartMax) return false;
    CopyCount(drive_, parts.drive, parts.driveLength);
    CopyCount(folder_, parts.folder, parts.folderLength);
    NormalisePathSeparators();
    return true;
}

bool PathName::SetPathFileName(const Char* fileName) noexcept {
    const PathParts parts = SplitPath(fileName);
    if (parts.nameLength > kPathPartMax || parts.extensionLength > kPathPartMax) return false;
    CopyCount(name_, parts.name, parts.nameLength);
    CopyCount(extension_, parts.extension, parts.extensionLength);
    ClearFileNameCaches();
    return true;
}

bool PathName::SetPathWithSeparator(const Char* folder) noexcept {
    const int length = TextLength(folder);
    const bool addSeparator = length == 0 || !IsPathSeparator(folder[length - 1]);
    if (length + (addSeparator ? 1 : 0) > kPathPartMax) return false;
    CopyCount(folder_, folder, length);
    if (addSeparator) {
        folder_[length] = '\\';
        folder_[length + 1] = 0;
    }
    NormalisePathSeparators();
    return true;
}

bool PathName::AppendPathFolder(const Char* name) noexcept {
    if (IsPathSeparator(name[0])) ++name;
    int length = TextLength(folder_);
    const int nameLength = TextLength(name);
    const int newLength = length + nameLength;
    // The character that will end the folder decides whether a separator
    // must follow.
    const Char last = nameLength > 0 ? name[nameLength - 1] : (length > 0 ? folder_[length - 1] : 0);
    const bool addSeparator = newLength > 0 && !IsPathSeparator(last);
    if (newLength + (addSeparator ? 1 : 0) > kPathPartMax) return false;
    ClearFolderCaches();
    AppendAt(folder_, length, name);
    if (addSeparator) AppendAt(folder_, length, TXT("\\"));
    return true;
}

bool PathName::RemovePathLastFolder(Char* removed) noexcept {
    const int parent = FindParentSeparator(folder_);
    if (parent < 0) return false;
    if (removed) {
        const int length = TextLength(folder_ + parent + 1);
        CopyCount(removed, folder_ + parent + 1, length);
        DropOneTrailingSeparator(removed, length);
    }
    folder_[parent + 1] = 0;
    ClearFolderCaches();
    return true;
}

void PathName::NormalisePathSeparators() noexcept {
    SlashesToBackslashes(folder_);
    ClearFolderCaches();
}

bool PathName::ResolvePathAgainstFolder(const Char* base) noexcept {
    if (IsPathSeparator(folder_[0])) return true;
    PathName resolved;
    return resolved.SetPathDirectory(base) && resolved.AppendPathFolder(GetPathFolder()) &&
           SetPathDirectory(resolved.GetPathDirectory());
}

bool PathName::IsRootFolder() const noexcept {
    return folder_[0] == '\\' && folder_[1] == 0;
}

const Char* PathName::GetPathFolder() const noexcept {
    if (folderCache_[0] == 0) {
        const int length = TextLength(folder_);
        CopyCount(folderCache_, folder_, length);
        DropOneTrailingSeparator(folderCache_, length);
    }
    return folderCache_;
}

const Char* PathName::GetPathDirectory() const noexcept {
    if (directoryCache_[0] == 0) {
        const int length = JoinInto(directoryCache_, {drive_, folder_});
        DropOneTrailingSeparator(directoryCache_, length);
    }
    return directoryCache_;
}

const Char* PathName::GetPathDirectoryWithSeparator() const noexcept {
    if (directoryWithSeparatorCache_[0] == 0) {
        JoinInto(directoryWithSeparatorCache_, {drive_, folder_});
    }
    return directoryWithSeparatorCache_;
}

const Char* PathName::GetPathFileName() const noexcept {
    if (fileNameCache_[0] == 0) JoinInto(fileNameCache_, {name_, extension_});
    return fileNameCache_;
}

const Char* PathName::ComposePath() const noexcept {
    if (fullPathCache_[0] == 0) JoinInto(fullPathCache_, {drive_, folder_, name_, extension_});
    return fullPathCache_;
}

int PathName::FindParentSeparator(const Char* text) noexcept {
    int i = TextLength(text) - 1;
    while (i >= 0 && text[i] != '\\') --i;
    if (i < 0) return -1;
    for (--i; i >= 0; --i) {
        if (text[i] == '\\') return i;
    }
    return -1;
}

}  // namespace corvinata
