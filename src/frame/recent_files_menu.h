// The graph files opened last as entries of the File menu, above Exit
// ("&1 C:\...\Mars.gph" ...), rebuilt whenever the list changes: a graph
// opened, saved under a new name or opened from the list stands first at
// once.
#pragma once

#include <windows.h>

#include <functional>

#include "app/recent_files.h"

namespace corvinata {

class RecentFilesMenu final : public RecentFilesListener {
public:
    // `enabled` tells whether a recent-file command may run now; the others
    // are grayed. The menu listens to `recent` while it lives.
    RecentFilesMenu(HWND frame, RecentFiles& recent, std::function<bool(int command)> enabled);
    ~RecentFilesMenu() override;
    RecentFilesMenu(const RecentFilesMenu&) = delete;
    RecentFilesMenu& operator=(const RecentFilesMenu&) = delete;

    // The entries again, each path shortened with "..." to a fifth of the
    // screen's width; with the first entry a separator goes above them.
    void Rebuild();
    void RecentFilesChanged() override { Rebuild(); }

private:
    HMENU FileMenu() const;

    HWND frame_;
    RecentFiles& recent_;
    std::function<bool(int)> enabled_;
    bool separator_ = false;
};

}  // namespace corvinata
