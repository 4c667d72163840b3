// The Picture window's modal dialogs: Picture Options (whether a picture is
// scaled to fill its window) and Installed PicPacks (the packs with their
// picture counts and folders).
#pragma once

#include <windows.h>

#include "app/picture_window_rules.h"
#include "app/window_geometry.h"

namespace corvinata {

// True on OK with the box's state in `scaleToFit`; Cancel leaves it as it was.
bool ShowPictureOptionsDialog(HINSTANCE instance, HWND owner, WindowGeometry* placement, bool& scaleToFit);

// Lists the packs (reading the pictures of a pack not listed yet). "&Close"
// keeps the placement, the column widths, the selected rows and the first
// selected row; Esc keeps only the placement.
void ShowPicturePacksDialog(HINSTANCE instance, HWND owner, StorageService& storage, PicturePackList& packs,
                            PicPackListSettings& settings);

}  // namespace corvinata
