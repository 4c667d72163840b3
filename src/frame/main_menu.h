// The main menu ("Menu_Main") as the frame dresses it: the places of its
// popups, the product's name in the About item, and the 16-pixel pictures
// beside its items (New Graph, Undo, the tools, the options ...), loaded
// from the program's resources and kept while the menu shows them.
#pragma once

#include <windows.h>

#include <vector>

#include "base/scoped_win.h"

namespace corvinata {

// The first item of `menu` with a submenu whose text equals `text`, both
// read without their "&"; not found in an empty menu or when none matches.
struct SubMenuFound {
    HMENU submenu = nullptr;
    bool found = false;
};
SubMenuFound FindSubMenuByText(HMENU menu, const wchar_t* text);

// The popups of the frame's menu bar, found by their texts: while a child
// window is maximized its system menu stands first in the bar.
HMENU ViewMenu(HMENU bar);
HMENU WindowMenu(HMENU bar);
// View > Layout.
HMENU LayoutMenu(HMENU bar);

// "&About %" takes the product's name in place of its "%".
void ShowProductNameInAbout(HMENU menu);

// Whether the menu's check-mark size leaves room for the 16-pixel menu pictures.
constexpr bool MenuPicturesFit(int checkWidth, int checkHeight) noexcept {
    return checkWidth >= 15 && checkHeight >= 15;
}

class MenuPictures {
public:
    // Puts the pictures beside their items of `menu`; none when the menu's
    // check marks are too small for them.
    void Set(HMENU menu, HINSTANCE instance);
    // How many pictures the menu carries (a picture with a selected form
    // counts twice).
    int Count() const noexcept { return static_cast<int>(bitmaps_.size()); }

private:
    std::vector<ScopedBitmap> bitmaps_;
};

}  // namespace corvinata
