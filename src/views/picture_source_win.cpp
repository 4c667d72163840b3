#include "views/picture_source_win.h"

#include "app/bmp_image.h"
#include "base/scoped_win.h"

namespace corvinata {

namespace {

constexpr int kHimetricPerInch = 2540;

// A movable global block holding the picture's bytes, ready for a stream.
HGLOBAL BlockFromBytes(const void* bytes, DWORD size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return nullptr;
    }
    CopyMemory(target, bytes, size);
    GlobalUnlock(block);
    return block;
}

HGLOBAL BlockFromFile(const Char* path, DWORD& size) {
    ScopedFileHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.IsValid()) return nullptr;
    size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE || size == 0) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* target = GlobalLock(block);
    DWORD read = 0;
    const bool ok = target && ReadFile(file.Get(), target, size, &read, nullptr) && read == size;
    if (target) GlobalUnlock(block);
    if (!ok) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

HGLOBAL BlockFromResource(HMODULE module, const Char* name, DWORD& size) {
    HRSRC found = FindResourceW(module, name, L"CORVINATA_BINARY");
    if (!found) return nullptr;
    size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return nullptr;
    return BlockFromBytes(bytes, size);
}

}  // namespace

PictureSource::PictureSource(const Char* resourceName) : resourceName_(resourceName) {}

PictureSource::~PictureSource() { Release(); }

void PictureSource::Release() {
    if (picture_) picture_->Release();
    picture_ = nullptr;
}

bool PictureSource::Load(HMODULE module) {
    Release();
    DWORD size = 0;
    HGLOBAL block = path_.IsEmpty() ? BlockFromResource(module, resourceName_.Text(), size)
                                    : BlockFromFile(path_.Text(), size);
    if (!block) return false;
    IStream* stream = nullptr;
    // The stream frees the block when it is released.
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return false;
    }
    void* picture = nullptr;
    const HRESULT result = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, &picture);
    stream->Release();
    if (FAILED(result) || !picture) return false;
    picture_ = static_cast<IPicture*>(picture);
    return true;
}

SIZE PictureSource::PixelSize(HDC dc) const {
    SIZE size{0, 0};
    if (!picture_) return size;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture_->get_Width(&width);
    picture_->get_Height(&height);
    size.cx = MulDiv(width, GetDeviceCaps(dc, LOGPIXELSX), kHimetricPerInch);
    size.cy = MulDiv(height, GetDeviceCaps(dc, LOGPIXELSY), kHimetricPerInch);
    return size;
}

bool PictureSource::DrawInWindow(HWND window, HDC dc, bool reload, bool fit, SIZE& drawn) {
    HDC own = dc ? nullptr : GetDC(window);
    HDC target = dc ? dc : own;
    bool ok = true;
    if (!picture_ || reload) ok = Load(reinterpret_cast<HMODULE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)));
    if (ok && picture_) {
        RECT client{};
        GetClientRect(window, &client);
        const int areaWidth = client.right - client.left;
        const int areaHeight = client.bottom - client.top;
        SIZE size = PixelSize(target);
        if (size.cx > 0 && size.cy > 0 && (fit || size.cx > areaWidth || size.cy > areaHeight)) {
            // The largest size that fits, keeping the picture's proportions.
            if (static_cast<double>(size.cy) / size.cx <= static_cast<double>(areaHeight) / areaWidth) {
                size.cy = MulDiv(size.cy, areaWidth, size.cx);
                size.cx = areaWidth;
            } else {
                size.cx = MulDiv(size.cx, areaHeight, size.cy);
                size.cy = areaHeight;
            }
        }
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        picture_->get_Width(&width);
        picture_->get_Height(&height);
        // The picture's rows run bottom up: start at its lower edge.
        picture_->Render(target, (areaWidth - size.cx) / 2, (areaHeight - size.cy) / 2, size.cx, size.cy, 0, height,
                         width, -height, nullptr);
        drawn = size;
    }
    if (own) ReleaseDC(window, own);
    return ok && picture_;
}

void PictureSource::Render(HDC dc, int left, int top, int width, int height) const {
    if (!picture_) return;
    OLE_XSIZE_HIMETRIC sourceWidth = 0;
    OLE_YSIZE_HIMETRIC sourceHeight = 0;
    picture_->get_Width(&sourceWidth);
    picture_->get_Height(&sourceHeight);
    // The picture's rows run bottom up: start at its lower edge.
    picture_->Render(dc, left, top, width, height, 0, sourceHeight, sourceWidth, -sourceHeight, nullptr);
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
