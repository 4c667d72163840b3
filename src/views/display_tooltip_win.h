// The hover tooltip every drawing window of a child window shares: a
// tracking tip 15 pixels right of and below the pointer, shown after the
// system's hover time, hidden at every move, when the pointer leaves and
// when a menu or a dialog opens (the tip stays on top of everything and
// would cover it), and never shown while a menu is open. The display
// answers which text belongs to a point and whether tips apply.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "base/wide_string.h"

namespace corvinata {

class DisplayTooltipSource {
public:
    DisplayTooltipSource() = default;
    virtual ~DisplayTooltipSource();
    DisplayTooltipSource(const DisplayTooltipSource&) = delete;
    DisplayTooltipSource& operator=(const DisplayTooltipSource&) = delete;

    // After the display window exists; the tool's owner is its parent.
    void CreateDisplayTooltip(HWND display);
    void ActivateDisplayTooltip(bool show);
    // Hides the tip whatever the display says of tips now: a tip shown while
    // they applied must not stay when they no longer do.
    void HideDisplayTooltip();
    // Every message of the display first; true for those it acted on.
    bool HandleDisplayMouseHover(UINT message, WPARAM wParam, LPARAM lParam);

    HWND TooltipWindow() const noexcept { return tooltip_; }
    const String& TipText() const noexcept { return text_; }

protected:
    virtual void DisplayWindowDestroy();
    virtual void GetTooltipText(int x, int y, String& text) {
        static_cast<void>(x), static_cast<void>(y);
        text = String();
    }
    virtual void OnMouseMoved(int x, int y) { static_cast<void>(x), static_cast<void>(y); }
    virtual bool AcceptsTooltips() const { return true; }
    // False while the pointer moves something (a drag of the view): the tip
    // can neither show nor change then, so it is neither moved nor armed.
    virtual bool TipFollowsPointer() const { return true; }

private:
    TOOLINFOW ToolInfo() const;

    HWND display_ = nullptr;
    HWND tooltip_ = nullptr;
    int lastX_ = -1;
    int lastY_ = -1;
    String text_;
};

// Hides the tips of every display below `root` (the frame's MDI client when
// a menu loop starts or a dialog disables the frame).
void HideDisplayTooltips(HWND root);

}  // namespace corvinata
