#include "views/explorer_textures_win.h"

#include "app/picture_image_win.h"

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

}  // namespace corvinata
