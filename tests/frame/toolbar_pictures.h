// Whether the toolbar shows its night pictures: every picture of its image
// list in red shades only (the day pictures have greys, blues, yellows).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "support/drawn_pixels_win.h"

namespace corvinata::test {

inline bool ShowsNightPictures(HWND toolbar) {
    const auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
    const int count = ImageList_GetImageCount(list);
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    const auto pixels = DrawnPixels(width * count, height, [&](HDC dc) {
        for (int i = 0; i < count; ++i) ImageList_Draw(list, i, dc, i * width, 0, ILD_NORMAL);
    });
    return count > 0 && std::none_of(pixels.begin(), pixels.end(), [](std::uint32_t p) {
               return ((p >> 8) & 0xFF) > 40 || (p & 0xFF) > 40;
           });
}

}  // namespace corvinata::test
