// Pictures (BMP or JPEG) read from a file or from the program's own
// resources, and drawings captured as BMP file images.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/picture_image_win.h"
#include "base/wide_string.h"

namespace corvinata {

class PictureSource {
public:
    // A picture among the program's resources of the type "CORVINATA_BINARY".
    explicit PictureSource(const Char* resourceName = TXT("")) : resourceName_(resourceName) {}

    // With a path the picture is read from that file instead.
    void SetPath(const Char* path) { path_ = path; }

    // (Re)loads the picture. True only when it was read and decoded; a
    // picture that fails to decode leaves none, so nothing half-read is drawn.
    bool Load(HMODULE module);
    bool IsLoaded() const noexcept { return !image_.IsEmpty(); }
    // The picture's size in pixels (zero without a picture): its size in
    // HIMETRIC units as the screen's resolution gives it, converted back at
    // that resolution.
    SIZE PixelSize() const noexcept { return SIZE{image_.width, image_.height}; }
    // Draws the whole picture into the rectangle (nothing without one),
    // resampled to its size: every pixel drawn is the average of the part
    // of the picture it covers.
    void Render(HDC dc, int left, int top, int width, int height) const;
    // Lets go of the picture; IsLoaded is false until the next Load.
    void Unload();

private:
    String path_;
    String resourceName_;
    PictureImage image_;
    // The picture at the size it was last drawn: repaints at the same size
    // draw without resampling again.
    mutable DibPicture drawn_;
};

// A white memory bitmap to draw into and hand out as a BMP file image.
class CaptureSurface {
public:
    CaptureSurface(int width, int height);
    ~CaptureSurface();
    CaptureSurface(const CaptureSurface&) = delete;
    CaptureSurface& operator=(const CaptureSurface&) = delete;

    HDC Dc() const noexcept { return dc_; }
    // The whole BMP file: headers, palette and pixel rows.
    std::vector<std::uint8_t> CaptureBmp() const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace corvinata
