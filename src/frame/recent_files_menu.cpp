#include "frame/recent_files_menu.h"

#include <optional>

#include "app/text_fitting.h"
#include "base/scoped_win.h"
#include "resources/resource_ids.h"

namespace corvinata {
namespace {

int ExitPosition(HMENU file) {
    for (int i = GetMenuItemCount(file) - 1; i >= 0; --i) {
        if (GetMenuItemID(file, i) == CMD_EXIT) return i;
    }
    return -1;
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(HWND frame, RecentFiles& recent, std::function<bool(int)> enabled)
    : frame_(frame), recent_(recent), enabled_(std::move(enabled)) {
    recent_.SetListener(this);
}

RecentFilesMenu::~RecentFilesMenu() { recent_.SetListener(nullptr); }

HMENU RecentFilesMenu::FileMenu() const {
    HMENU bar = GetMenu(frame_);
    HMENU file = GetSubMenu(bar, 0);
    // While a child is maximized its system menu stands first in the bar.
    if (file && GetMenuItemID(file, 0) != CMD_NEW_GRAPH) file = GetSubMenu(bar, 1);
    return file;
}

void RecentFilesMenu::Rebuild() {
    HMENU file = FileMenu();
    if (!file) return;
    for (int id = CMD_RECENT_FILE_FIRST; id <= CMD_RECENT_FILE_LAST; ++id) DeleteMenu(file, id, MF_BYCOMMAND);
    if (recent_.Paths().empty() || ExitPosition(file) < 1) return;
    if (!separator_) {
        InsertMenuW(file, ExitPosition(file) - 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        separator_ = true;
    }
    std::vector<String> texts;
    {
        const ScopedWindowDc dc(frame_);
        const int maxWidth = GetSystemMetrics(SM_CXSCREEN) / 5;
        const MeasureText measure = [&dc](const String& text) -> std::optional<int> {
            SIZE size{};
            if (!GetTextExtentPoint32W(dc.Get(), text.Text(), text.Length(), &size)) return std::nullopt;
            return size.cx;
        };
        texts = recent_.MenuTexts(
            [&](const String& path) { return ShortenTextToWidth(path, maxWidth, measure).value_or(path); });
    }
    for (std::size_t i = 0; i < texts.size() && i < static_cast<std::size_t>(kMaxRecentFiles); ++i) {
        const int id = CMD_RECENT_FILE_FIRST + static_cast<int>(i);
        const UINT state = enabled_(id) ? MF_ENABLED : MF_GRAYED;
        InsertMenuW(file, ExitPosition(file) - 1, MF_BYPOSITION | MF_STRING | state, static_cast<UINT_PTR>(id),
                    texts[i].Text());
    }
    DrawMenuBar(frame_);
}

}  // namespace corvinata
