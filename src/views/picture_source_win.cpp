#include "views/picture_source_win.h"

#include "app/bmp_image.h"
#include "base/scoped_win.h"

namespace corvinata {

bool PictureSource::Load(HMODULE module) {
    Unload();
    return path_.IsEmpty() ? LoadPictureResource(module, resourceName_.Text(), image_)
                           : LoadPictureFile(path_.Text(), image_);
}

void PictureSource::Unload() {
    image_ = PictureImage{};
    drawn_ = DibPicture{};
}

void PictureSource::Render(HDC dc, int left, int top, int width, int height) const {
    if (image_.IsEmpty() || width <= 0 || height <= 0) return;
    if (drawn_.Width() != width || drawn_.Height() != height)
        drawn_ = DibPicture(ResamplePicture(image_, width, height));
    drawn_.Draw(dc, left, top);
}

CaptureSurface::CaptureSurface(int width, int height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (dc_ && bitmap_) {
        previous_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, width, height, WHITENESS);
    }
}

CaptureSurface::~CaptureSurface() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
}

std::vector<std::uint8_t> CaptureSurface::CaptureBmp() const {
    BITMAP description{};
    if (!bitmap_ || !GetObjectW(bitmap_, sizeof description, &description)) return {};
    const BmpLayout layout =
        BmpLayoutFor(description.bmWidth, description.bmHeight, description.bmPlanes * description.bmBitsPixel);
    std::vector<std::uint8_t> image = BmpHeaders(description.bmWidth, description.bmHeight, layout);
    image.resize(layout.fileSize, 0);
    // GetDIBits reads the information header (and writes the palette)
    // in place, right after the file header.
    auto* info = reinterpret_cast<BITMAPINFO*>(image.data() + 14);
    // Selected bitmaps cannot be read; take it out for the moment.
    HGDIOBJ held = SelectObject(dc_, previous_);
    GetDIBits(dc_, bitmap_, 0, static_cast<UINT>(description.bmHeight), image.data() + layout.pixelOffset, info,
              DIB_RGB_COLORS);
    SelectObject(dc_, held);
    return image;
}

}  // namespace corvinata
