// The graph files opened last, as the File menu lists them.
#pragma once

#include <vector>

#include "base/settings_tree.h"
#include "base/wide_string.h"

namespace corvinata {

constexpr int kMaxRecentFiles = 10;
// Entry i of the File menu has command 300 + i.
constexpr int kFirstRecentFileCommand = 300;

// Told whenever the list changed, so that the File menu follows it at once.
class RecentFilesListener {
public:
    virtual ~RecentFilesListener() = default;
    virtual void RecentFilesChanged() = 0;
};

class RecentFiles {
public:
    // Reads "Recent files" below the tree's innermost key (the settings
    // root): "File 1", "File 2", ... up to the first missing or empty value,
    // at most ten.
    void LoadRecentFiles(SettingsTree& tree);
    // Rewrites the key whole, so a list that became shorter leaves nothing
    // of its old tail behind.
    bool SaveRecentFiles(SettingsTreeWriter& writer) const;

    // Moves the path (or puts it) to the front; the eleventh falls off.
    // The listener hears of it.
    void AddRecentFile(const String& path);
    // The list as `tree` holds it now (another copy's exit may have written
    // it since this one read it), with the paths added since the list was
    // read put first again in the order they were added. Nothing when none
    // was added.
    void RebaseOnStored(SettingsTree& tree);
    // The one listener (null: none); it must outlive its registration.
    void SetListener(RecentFilesListener* listener) noexcept { listener_ = listener; }
    // The entry of a File menu command; none outside the list.
    const String* PathForCommand(int command) const;
    // "&1 path" ... "&10 path", with each path passed through `shorten`.
    template <class Shorten>
    std::vector<String> MenuTexts(Shorten shorten) const;

    const std::vector<String>& Paths() const noexcept { return paths_; }

private:
    static String MenuText(int number, const String& shortPath);

    std::vector<String> paths_;
    // What AddRecentFile was given since the list was read, oldest first.
    std::vector<String> added_;
    RecentFilesListener* listener_ = nullptr;
};

template <class Shorten>
std::vector<String> RecentFiles::MenuTexts(Shorten shorten) const {
    std::vector<String> texts;
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        texts.push_back(MenuText(static_cast<int>(i) + 1, shorten(paths_[i])));
    }
    return texts;
}

}  // namespace corvinata
