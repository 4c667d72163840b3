#include "views/explorer_textures_win.h"

#include "app/picture_image_win.h"
#include "views/explorer_render.h"

namespace corvinata {

namespace {

bool Take(const PictureImage& image, int width, int height, ExplorerImage& out) {
    if (image.width != width || image.height != height) return false;
    out.width = width;
    out.height = height;
    out.bgr = RowsBottomFirst(image);
    return true;
}

}  // namespace

bool DecodeExplorerImage(const void* bytes, std::size_t size, int width, int height, ExplorerImage& out) {
    out = ExplorerImage{};
    PictureImage image;
    return DecodePictureBytes(static_cast<const std::uint8_t*>(bytes), size, image) && Take(image, width, height, out);
}

bool LoadExplorerImage(HMODULE module, const Char* name, int width, int height, ExplorerImage& out) {
    out = ExplorerImage{};
    PictureImage image;
    return LoadPictureResource(module, name, image) && Take(image, width, height, out);
}

bool ExplorerPictureSet::Load(HMODULE module, const Char* planetName, const Char* ringName, const Char*& failed) {
    if (!tried_) {
        tried_ = true;
        if (!LoadExplorerImage(module, planetName, kPlanetMapWidth, kPlanetMapHeight, planet_)) {
            failed_ = planetName;
        } else if (ringName && !LoadExplorerImage(module, ringName, kRingProfileWidth, 1, ring_)) {
            failed_ = ringName;
        }
    }
    failed = failed_;
    return failed_ == nullptr;
}

const std::vector<std::uint32_t>& ExplorerPictureSet::Atlas(bool night) {
    std::vector<std::uint32_t>& atlas = atlas_[night ? 1 : 0];
    if (atlas.empty()) atlas = BuildExplorerAtlas(planet_.bgr, ring_.bgr, night);
    return atlas;
}

}  // namespace corvinata
