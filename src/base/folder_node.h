// FolderNode: a folder of the file system as a whole, to create with all its
// missing ancestors, to delete with everything in it, or to list.
#pragma once

#include <vector>

#include "base/path_name.h"
#include "base/wide_string.h"

namespace corvinata {

class StorageService;

class FolderNode {
public:
    // A node for the folder of `path` (drive and folder; name and extension
    // serve as the pattern of ListEntries).
    FolderNode(StorageService& storage, const PathName& path) noexcept
        : storage_(storage), path_(path) {}

    // Makes the folder and every missing ancestor, outermost first. True
    // when the folder exists afterwards.
    bool CreateTree();
    // Deletes the folder with all its files and subfolders. A file that
    // cannot be deleted (read-only, open) stops the walk with false and the
    // folder is kept. True when the folder did not exist.
    bool DeleteTree();
    // The names (name and extension) of the entries matching the path's
    // name and extension, files and folders alike, "." and ".." left out, in
    // the file system's order. True with an empty list when none matches.
    bool ListEntries(std::vector<String>& entries);

    const PathName& Path() const noexcept { return path_; }

private:
    StorageService& storage_;
    PathName path_;
};

}  // namespace corvinata
