// The graph files opened last, as the File menu lists them, and the lists
// that the Undo, Redo and navigation buttons drop down.
#pragma once

#include <vector>

#include "app/command_history.h"
#include "base/settings_tree.h"
#include "base/wide_string.h"

namespace corvinata {

constexpr int kMaxRecentFiles = 10;
// Entry i of the File menu has command 300 + i.
constexpr int kFirstRecentFileCommand = 300;

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
    void AddRecentFile(const String& path);
    // The entry of a File menu command; none outside the list.
    const String* PathForCommand(int command) const;
    // "&1 path" ... "&10 path", with each path passed through `shorten`.
    template <class Shorten>
    std::vector<String> MenuTexts(Shorten shorten) const;

    const std::vector<String>& Paths() const noexcept { return paths_; }

private:
    static String MenuText(int number, const String& shortPath);

    std::vector<String> paths_;
};

template <class Shorten>
std::vector<String> RecentFiles::MenuTexts(Shorten shorten) const {
    std::vector<String> texts;
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        texts.push_back(MenuText(static_cast<int>(i) + 1, shorten(paths_[i])));
    }
    return texts;
}

// The toolbar buttons with a drop-down list of history steps.
enum class HistoryDropDown { Undo, Redo, NavigateBackward, NavigateForward };

struct DropDownItem {
    int command;
    String text;
    bool enabled;
};

// At most ten steps from the current position in the button's direction,
// with their Undo or Redo texts; when more remain, a disabled "-- more --"
// item ends the list.
std::vector<DropDownItem> HistoryDropDownItems(const CommandHistory& history, HistoryDropDown button);

}  // namespace corvinata
