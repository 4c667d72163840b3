#include "app/picture_window_rules.h"

#include "app/picture_packs.h"
#include "app/settings_values.h"
#include "base/text_format.h"
#include "catalog/catalogue_registry.h"

namespace corvinata {

namespace {

constexpr const Char* kListViewKey = TXT("List view");
constexpr const Char* kSelectedItem = TXT("Selected item");

bool ShownInSky(int type) noexcept {
    return type == kBodySun || type == kBodyMoon || type == kBodyPlanet || type == kBodyStar ||
           type == kBodyConstellation || type == kBodyDeepSky;
}

bool ShownInSolarSystem(int type) noexcept {
    return type == kBodySun || type == kBodyMoon || type == kBodyPlanet || type == kBodyEarth;
}

}  // namespace

PictureRef ResolvePictureRef(const PicturePackList& packs, const String& path, const String& fileName) {
    if (!path.IsEmpty()) return PictureRef{path, fileName};
    for (const PicturePack& pack : packs) {
        if (LookUpPicture(packs, PictureRef{pack.directory, fileName})) return PictureRef{pack.directory, fileName};
    }
    return PictureRef{String(), fileName};
}

PictureMenuStates PictureMenuStatesFor(const CelestialObject* body, const PictureMenuOffer& offer) {
    PictureMenuStates states;
    if (!body) return states;
    const int type = body->GetTypeId();
    states.sky = offer.skyWindow && ShownInSky(type);
    states.solarSystem = offer.solarSystemWindow && ShownInSolarSystem(type);
    states.objectInfo = offer.objectInfo;
    return states;
}

String PictureBodyMenuText(const Char* pattern, const CelestialObject* body) {
    String text(pattern);
    ReplaceSubstring(text, TXT("%1"), body ? ObjectKeyName(*body) : kUnknownObjectName, 0, -1);
    return text;
}

PictureRect FitPictureRect(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight, bool fit) {
    PictureRect rect{0, 0, pictureWidth, pictureHeight};
    if (pictureWidth > 0 && pictureHeight > 0 && areaWidth > 0 && areaHeight > 0 &&
        (fit || pictureWidth > areaWidth || pictureHeight > areaHeight)) {
        // Compared as products: no rounding decides which edge is touched.
        const long long wide = static_cast<long long>(pictureWidth) * areaHeight;
        const long long tall = static_cast<long long>(areaWidth) * pictureHeight;
        if (wide > tall) {
            rect.width = areaWidth;
            rect.height = static_cast<int>(static_cast<long long>(pictureHeight) * areaWidth / pictureWidth);
        } else {
            rect.height = areaHeight;
            rect.width = static_cast<int>(static_cast<long long>(pictureWidth) * areaHeight / pictureHeight);
        }
    }
    rect.left = (areaWidth - rect.width) / 2;
    rect.top = (areaHeight - rect.height) / 2;
    return rect;
}

std::vector<PicPackRow> MakePicPackRows(StorageService& storage, PicturePackList& packs) {
    std::vector<PicPackRow> rows;
    rows.reserve(packs.size());
    for (PicturePack& pack : packs) {
        FindPackPictures(storage, pack);
        String count;
        StringFromInteger(static_cast<int>(pack.entries.size()), 0, count, false, TXT(' '));
        rows.push_back({pack.name, count, pack.directory});
    }
    return rows;
}

int PicPackRowToSelect(std::int32_t stored, int rows) noexcept {
    return stored >= 0 && stored < rows ? stored : -1;
}

void PicPackListSettings::Load(SettingsTree& tree) {
    DialogPlacement::Load(tree);
    std::int32_t stored = 0;
    if (ReadIntValue(tree, kSelectedItem, stored)) selectedItem = stored;
    ReadGroup key(tree, kListViewKey);
    if (key.IsOpen()) LoadListViewState(tree, list);
}

bool PicPackListSettings::Save(SettingsTreeWriter& writer) {
    bool ok = DialogPlacement::Save(writer) && WriteIntValue(writer, kSelectedItem, selectedItem);
    WriteGroup key(writer, kListViewKey);
    return key.IsOpen() && SaveListViewState(writer, list) && ok;
}

}  // namespace corvinata
