// The header of an uncompressed device-independent bitmap, for the bitmaps
// the program draws into, reads back or hands to GDI.
#pragma once

#include <windows.h>

namespace corvinata {

enum class DibRows { kTopDown, kBottomUp };

// `bitCount` bits a pixel, BI_RGB: no colour table or masks follow it.
inline BITMAPINFO DibHeader(int width, int height, WORD bitCount, DibRows rows) noexcept {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = rows == DibRows::kTopDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace corvinata
