#include "base/folder_node.h"

#include "base/storage.h"

namespace corvinata {

namespace {

bool IsDotEntry(const String& name) {
    return TextEquals(name.Text(), TXT(".")) || TextEquals(name.Text(), TXT(".."));
}

}  // namespace

bool FolderNode::CreateTree() {
    const String directory(path_.GetPathDirectory());
    PathName parent = path_;
    Char removed[PathName::kPathPartMax + 1];
    // A folder below the root needs its parent first. A root, or a relative
    // folder of one level, has no parent to make.
    if (parent.RemovePathLastFolder(removed) && !parent.IsRootFolder() &&
        !storage_.IsFolder(parent.GetPathDirectory())) {
        FolderNode parentNode(storage_, parent);
        if (!parentNode.CreateTree()) return false;
    }
    if (directory.IsEmpty() || storage_.IsFolder(directory.Text())) return true;
    return storage_.MakeFolder(directory.Text());
}

bool FolderNode::DeleteTree() {
    PathName pattern = path_;
    if (!pattern.SetPathFileName(TXT("*.*"))) return false;
    auto finder = storage_.CreateFileFinder();
    String entry(pattern.ComposePath());
    if (!finder->FindFirst(entry)) return true;

    bool ok = true;
    do {
        if (!finder->FoundFolder()) {
            PathName file = path_;
            ok = file.SetPathFileName(entry.Text()) && storage_.RemoveFile(file.ComposePath());
        } else if (!IsDotEntry(entry)) {
            PathName child = path_;
            if (child.AppendPathFolder(entry.Text())) {
                FolderNode childNode(storage_, child);
                ok = childNode.DeleteTree();
            } else {
                ok = false;
            }
        }
    } while (ok && finder->FindNext(entry));

    if (!finder->Close()) return false;
    return ok && storage_.RemoveFolder(path_.GetPathDirectory());
}

bool FolderNode::ListEntries(std::vector<String>& entries) {
    entries.clear();
    auto finder = storage_.CreateFileFinder();
    String entry(path_.ComposePath());
    if (!finder->FindFirst(entry)) return true;
    do {
        if (!IsDotEntry(entry)) entries.push_back(entry);
    } while (finder->FindNext(entry));
    return finder->Close();
}

}  // namespace corvinata
