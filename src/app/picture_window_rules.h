// What the Picture window and its dialogs decide without drawing: which
// items of the context menu a picture's body enables, how a picture fits the
// window, the rows of the Installed PicPacks list and what that dialog keeps
// from one run to the next.
#pragma once

#include <cstdint>
#include <vector>

#include "app/dialog_positions.h"
#include "app/list_view_state.h"
#include "app/picture_document.h"
#include "base/storage.h"
#include "base/wide_string.h"

namespace corvinata {

// The picture a stored "Path" and "File name" name: with a path, that
// pack's file; without one (a layout written by hand, or the default
// "m042.jpg"), the first installed pack holding the file. A file no pack
// holds keeps its name and is shown as not found.
PictureRef ResolvePictureRef(const PicturePackList& packs, const String& path, const String& fileName);

// The window kinds and tools the program offers now: a command leading to
// one it does not offer stays grayed whatever the body.
struct PictureMenuOffer {
    bool skyWindow = false;
    bool solarSystemWindow = false;
    bool objectInfo = false;
};

struct PictureMenuStates {
    bool sky = false;
    bool solarSystem = false;
    bool objectInfo = false;
};

// Sky takes the Sun, the Moon, the planets, stars, constellations and
// deep-sky objects; the Solar System window the Sun, the Moon, the planets
// and the Earth; Object Info any body. No body enables nothing.
PictureMenuStates PictureMenuStatesFor(const CelestialObject* body, const PictureMenuOffer& offer);

// "Display <name> in &Window", "unknown object" without a body.
String PictureBodyMenuText(const Char* pattern, const CelestialObject* body);

// Where a picture of `picture` pixels is drawn in a client area of `area`
// pixels: shrunk to fit when larger (or, with `fit`, also enlarged),
// keeping its proportions (fractions cut), and centred.
struct PictureRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
PictureRect FitPictureRect(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight, bool fit);

// One row of the Installed PicPacks list.
struct PicPackRow {
    String name;
    String pictures;  // the number of pictures, in decimal
    String folder;
};

// The rows in pack order; a pack whose pictures were not listed yet is
// listed first.
std::vector<PicPackRow> MakePicPackRows(StorageService& storage, PicturePackList& packs);

// The row a stored selection names, or -1 (nothing selected) for any value
// outside 0..rows - 1: a damaged negative value would otherwise reach the
// list as -1, which selects every row.
int PicPackRowToSelect(std::int32_t stored, int rows) noexcept;

// The Installed PicPacks dialog's placement, the row selected when it was
// last closed ("Selected item") and its list's column widths and selected
// rows (the key "List view").
class PicPackListSettings final : public DialogPlacement {
public:
    void Load(SettingsTree& tree) override;
    bool Save(SettingsTreeWriter& writer) override;

    std::int32_t selectedItem = 0;
    ListViewState list;
};

}  // namespace corvinata
