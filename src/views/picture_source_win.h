// Pictures (BMP or JPEG) read from a file or from the program's own
// resources, and drawings captured as BMP file images.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <vector>

#include "base/wide_string.h"

namespace corvinata {

class PictureSource {
public:
    // A picture among the program's resources of the type "CORVINATA_BINARY".
    explicit PictureSource(const Char* resourceName = TXT(""));
    ~PictureSource();
    PictureSource(const PictureSource&) = delete;
    PictureSource& operator=(const PictureSource&) = delete;

    // With a path the picture is read from that file instead.
    void SetPath(const Char* path) { path_ = path; }

    // (Re)loads the picture. True only when it was read and decoded; a
    // picture that fails to decode leaves none, so nothing half-read is drawn.
    bool Load(HMODULE module);
    bool IsLoaded() const noexcept { return picture_ != nullptr; }
    // The picture's size in pixels of the device (zero without a picture).
    SIZE PixelSize(HDC dc) const;
    // Draws the picture centred in the window's client area, shrunk (or with
    // `fit` also enlarged) to fit without distortion; the drawn size goes
    // to `drawn`. False when there is no picture to draw.
    bool DrawInWindow(HWND window, HDC dc, bool reload, bool fit, SIZE& drawn);
    // Draws the whole picture into the rectangle (nothing without one).
    void Render(HDC dc, int left, int top, int width, int height) const;
    // Lets go of the picture; IsLoaded is false until the next Load.
    void Unload() { Release(); }

private:
    void Release();

    String path_;
    String resourceName_;
    IPicture* picture_ = nullptr;
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
