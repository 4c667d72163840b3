#include "app/recent_files.h"

#include <algorithm>

#include "app/settings_keys.h"
#include "app/settings_values.h"
#include "base/text_format.h"

namespace corvinata {

void RecentFiles::LoadRecentFiles(SettingsTree& tree) {
    paths_.clear();
    added_.clear();
    ReadGroup key(tree, settings_key::kRecentFiles);
    if (!key.IsOpen()) return;
    for (int n = 1; n <= kMaxRecentFiles; ++n) {
        String path;
        if (!ReadStringValue(tree, NumberedName(TXT("File "), n).Text(), path) || path.IsEmpty()) break;
        paths_.push_back(path);
    }
}

bool RecentFiles::SaveRecentFiles(SettingsTreeWriter& writer) const {
    if (!DeleteSettingsKey(writer, settings_key::kRecentFiles)) return false;
    WriteGroup key(writer, settings_key::kRecentFiles);
    WrittenValues values(writer);
    values.Then([&] { return key.IsOpen(); });
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        values.Text(NumberedName(TXT("File "), static_cast<int>(i) + 1).Text(), paths_[i].Text());
    }
    return values.Ok();
}

void RecentFiles::AddRecentFile(const String& path) {
    if (path.IsEmpty()) return;
    // Only the last addition of a path decides where it ends up.
    added_.erase(std::remove(added_.begin(), added_.end(), path), added_.end());
    added_.push_back(path);
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > static_cast<std::size_t>(kMaxRecentFiles)) paths_.resize(kMaxRecentFiles);
    if (listener_) listener_->RecentFilesChanged();
}

void RecentFiles::RebaseOnStored(SettingsTree& tree) {
    if (added_.empty()) return;
    const std::vector<String> added = added_;
    LoadRecentFiles(tree);
    for (const String& path : added) AddRecentFile(path);
}

const String* RecentFiles::PathForCommand(int command) const {
    const int index = command - kFirstRecentFileCommand;
    if (index < 0 || index >= static_cast<int>(paths_.size())) return nullptr;
    return &paths_[static_cast<std::size_t>(index)];
}

String RecentFiles::MenuText(int number, const String& shortPath) {
    return FormatPercent2(TXT("&% %"), NumberTextFromInt(number), shortPath.Text());
}

}  // namespace corvinata
