// The frame's toolbar: 16 x 16 buttons for the commonest commands, the
// tools as check buttons, the histories as drop-down buttons, and day and
// night pictures in enabled and disabled forms.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

enum class ButtonKind { Push, Check, Separator, DropDown };

struct ToolbarButtonInfo {
    int command;           // -1 for a separator
    const char* iconName;  // picture resources: this name + "_day_enabled" and so on
    const Char* tooltip;
    int description;       // string shown in the status line
    ButtonKind kind;
    bool startsDisabled;
};

// The buttons in their order on the bar.
const ToolbarButtonInfo* ToolbarButtonsBegin() noexcept;
const ToolbarButtonInfo* ToolbarButtonsEnd() noexcept;
const ToolbarButtonInfo* FindToolbarButton(int command) noexcept;

class MainToolbar {
public:
    MainToolbar() = default;
    ~MainToolbar();
    MainToolbar(const MainToolbar&) = delete;
    MainToolbar& operator=(const MainToolbar&) = delete;

    // Creates the bar as a child of the frame, with day pictures.
    bool Create(HWND frame, HINSTANCE instance);
    HWND Window() const noexcept { return window_; }
    void Destroy();

    // The pictures of the mode, made again for the system colours as they
    // are now (their face is the system's button face).
    void SetNight(bool night);
    void SetEnabled(int command, bool enabled);
    void SetChecked(int command, bool checked);
    // The tooltip of a button, with the product name after "About ".
    String TooltipText(int command) const;
    // The buttons' tooltip control; it never shows over an open menu.
    HWND Tooltip() const;
    // Takes a shown tip away (a menu opens over it).
    void HideTooltip();
    // How many pictures could not be loaded (each shows as an empty button).
    int MissingPictures() const noexcept { return missing_; }

private:
    HIMAGELIST BuildImageList(const char* suffix);
    void LoadPictures(bool night);
    void UseOwnTooltip(HWND frame, HINSTANCE instance);
    void DestroyPictures();

    HWND window_ = nullptr;
    HINSTANCE instance_ = nullptr;
    HIMAGELIST lists_[2] = {};  // enabled, disabled
    int missing_ = 0;
};

}  // namespace corvinata
