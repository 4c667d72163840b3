// PathName: the one path value of the program.
//
// It holds a file path (drive, folder, file name, extension) or a registry key
// path below a hive (folder only, drive empty). Slash and backslash are both
// accepted on input; a stored folder uses backslashes, and once set it begins
// and ends with one. The composed forms are computed on demand and cached in
// the value, so a PathName is a fixed-size value copied whole.
//
// Each part holds at most kPathPartMax characters (the drive two). An
// operation whose result would not fit answers false and leaves the value as
// it was: a path is never cut short silently and no buffer is overrun.
#pragma once

#include "base/text_char.h"

namespace corvinata {

class PathName {
public:
    // Longest folder, name or extension in characters.
    static constexpr int kPathPartMax = 256;
    // Longest drive: a letter and a colon.
    static constexpr int kDriveMax = 2;

    // An empty value: all parts and caches empty (PathNameInit).
    PathName() noexcept;

    // Splits a full path into drive, folder, name and extension (the last
    // separator ends the folder, the last point of the rest starts the
    // extension) and normalises the folder. False when a part is too long.
    bool SetPath(const Char* path) noexcept;
    // Takes drive and folder from a directory path, which may or may not end
    // with a separator; name and extension stay.
    bool SetPathDirectory(const Char* directory) noexcept;
    // Takes name and extension from a file name; drive and folder stay.
    bool SetPathFileName(const Char* fileName) noexcept;
    // Sets the folder to the text with a separator added at its end when it
    // has none; the empty text gives the root folder (one backslash).
    bool SetPathWithSeparator(const Char* folder) noexcept;
    // Appends a folder (or key) name, or several separated by backslashes, to
    // the folder. One leading separator of the name is skipped and a
    // separator is added at the end when the name has none.
    bool AppendPathFolder(const Char* name) noexcept;
    // Removes the last folder: \A\B\ becomes \A\ with B in `removed` (room
    // for kPathPartMax characters and a terminator) when given. False, with
    // nothing changed, when the folder has fewer than two backslashes.
    bool RemovePathLastFolder(Char* removed = nullptr) noexcept;
    // Replaces every slash of the folder by a backslash.
    void NormalisePathSeparators() noexcept;
    // Makes a relative folder absolute below `base`, a directory path, on
    // the base's drive; a folder that begins with a separator is kept.
    bool ResolvePathAgainstFolder(const Char* base) noexcept;

    // The composed forms. Each stays valid until the next change of the value.
    // Folder without one trailing separator.
    const Char* GetPathFolder() const noexcept;
    // Drive and folder without one trailing separator.
    const Char* GetPathDirectory() const noexcept;
    // Drive and folder.
    const Char* GetPathDirectoryWithSeparator() const noexcept;
    // Name and extension.
    const Char* GetPathFileName() const noexcept;
    // Drive, folder, name and extension.
    const Char* ComposePath() const noexcept;

    const Char* Drive() const noexcept { return drive_; }
    const Char* Folder() const noexcept { return folder_; }
    const Char* Name() const noexcept { return name_; }
    const Char* Extension() const noexcept { return extension_; }
    // Whether the folder is the root of a hive or drive: one backslash.
    bool IsRootFolder() const noexcept;

    // Index of the backslash before the last component of `text` (the first
    // backslash met scanning backwards ends that component; the next one is
    // the answer); -1 when the text has fewer than two backslashes.
    static int FindParentSeparator(const Char* text) noexcept;

private:
    void ClearFolderCaches() noexcept;
    void ClearFileNameCaches() noexcept;

    Char drive_[kDriveMax + 2];
    Char folder_[kPathPartMax + 1];
    Char name_[kPathPartMax + 1];
    Char extension_[kPathPartMax + 1];
    // The caches: empty means not computed yet. Sized for the sum of their
    // parts, so composing never overflows.
    mutable Char folderCache_[kPathPartMax + 1];
    mutable Char directoryWithSeparatorCache_[kDriveMax + kPathPartMax + 3];
    mutable Char directoryCache_[kDriveMax + kPathPartMax + 3];
    mutable Char fileNameCache_[2 * kPathPartMax + 2];
    mutable Char fullPathCache_[kDriveMax + 3 * kPathPartMax + 7];
};

inline bool IsPathSeparator(Char c) noexcept { return c == '\\' || c == '/'; }

}  // namespace corvinata
