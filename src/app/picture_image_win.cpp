#include "app/picture_image_win.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <exception>

#include "app/bmp_image.h"
#include "app/jpeg_decoder.h"
#include "base/dib_header_win.h"
#include "base/scoped_win.h"

namespace corvinata {

namespace {

std::size_t RowBytes(int width) noexcept { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

BITMAPINFO TopDown24(int width, int height) noexcept { return DibHeader(width, height, 24, DibRows::kTopDown); }

// Lets `paint` draw into a 24-bit bitmap of the size and takes its pixels.
template <typename Paint>
bool Capture(int width, int height, Paint paint, PictureImage& out) {
    if (!IsAllowedPictureSize(width, height)) return false;
    const BITMAPINFO info = TopDown24(width, height);
    ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    ScopedBitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc.IsValid() || !bitmap.IsValid() || !bits) return false;
    {
        const ScopedSelection selected(dc.Get(), bitmap.Get());
        if (!paint(dc.Get())) return false;
        GdiFlush();
    }
    out.width = width;
    out.height = height;
    out.bgr.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        std::memcpy(&out.bgr[out.Offset(0, y)], static_cast<const std::uint8_t*>(bits) + RowBytes(width) * y,
                    static_cast<std::size_t>(width) * 3);
    }
    return true;
}

// A BMP file through GDI, once its headers promise no more bytes than the
// file holds.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, PictureImage& out) {
    BmpFileLayout layout;
    if (!ReadBmpFileLayout(data, size, layout)) return false;
    // GDI reads the headers and palette where they lie: copy them aligned.
    const std::vector<std::uint8_t> described(data + kBmpInfoOffset, data + kBmpInfoOffset + layout.infoSize);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(described.data());
    const int width = layout.width;
    const int height = layout.height;
    return Capture(width, height,
                   [&](HDC dc) {
                       return StretchDIBits(dc, 0, 0, width, height, 0, 0, width, height, data + layout.pixelOffset,
                                            info, DIB_RGB_COLORS, SRCCOPY) != 0;
                   },
                   out);
}

// A JPEG the program's decoder does not take, through the system's picture
// object, drawn once at its own size. The object decodes the whole frame
// before its size can be asked: only a file the decoder answered
// kUnsupported for comes here, whose first frame and scans it measured.
bool DecodeThroughPictureObject(const std::uint8_t* data, std::size_t size, PictureImage& out) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return false;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    // The stream frees the block when it is released.
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return false;
    }
    void* object = nullptr;
    const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, &object);
    stream->Release();
    if (FAILED(loaded) || !object) return false;
    auto* picture = static_cast<IPicture*>(object);
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    HDC screen = GetDC(nullptr);
    const int pixelsWide = MulDiv(width, GetDeviceCaps(screen, LOGPIXELSX), 2540);
    const int pixelsHigh = MulDiv(height, GetDeviceCaps(screen, LOGPIXELSY), 2540);
    ReleaseDC(nullptr, screen);
    // The picture's rows run bottom up: start at its lower edge.
    const bool ok = Capture(pixelsWide, pixelsHigh,
                            [&](HDC dc) {
                                return SUCCEEDED(picture->Render(dc, 0, 0, pixelsWide, pixelsHigh, 0, height, width,
                                                                 -height, nullptr));
                            },
                            out);
    picture->Release();
    return ok;
}

}  // namespace

bool DecodePictureBytes(const std::uint8_t* data, std::size_t size, PictureImage& out) {
    out = PictureImage{};
    if (!data || size == 0) return false;
    // A picture that fails in any way (the memory for its pixels included)
    // is one that cannot be shown: the window stays empty, the program goes on.
    try {
        if (LooksLikeJpeg(data, size)) {
            const JpegResult result = DecodeJpeg(data, size, out);
            if (result == JpegResult::kUnsupported && !DecodeThroughPictureObject(data, size, out)) out = PictureImage{};
        } else if (!DecodeBmp(data, size, out)) {
            out = PictureImage{};
        }
    } catch (const std::exception&) {
        out = PictureImage{};
    }
    return !out.IsEmpty();
}

bool LoadPictureFile(const Char* path, PictureImage& out) {
    out = PictureImage{};
    ScopedFileHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.IsValid()) return false;
    const DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE || size == 0) return false;
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(size);
    } catch (const std::exception&) {
        return false;
    }
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data(), size, &read, nullptr) || read != size) return false;
    return DecodePictureBytes(bytes.data(), bytes.size(), out);
}

bool LoadPictureResource(HMODULE module, const Char* name, PictureImage& out) {
    out = PictureImage{};
    HRSRC found = FindResourceW(module, name, L"CORVINATA_BINARY");
    if (!found) return false;
    const DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes && DecodePictureBytes(static_cast<const std::uint8_t*>(bytes), size, out);
}

DibPicture::DibPicture(const PictureImage& image) : width_(image.width), height_(image.height) {
    if (image.IsEmpty()) return;
    const std::size_t stride = RowBytes(width_);
    rows_.assign(stride * static_cast<std::size_t>(height_), 0);
    for (int y = 0; y < height_; ++y) {
        std::memcpy(&rows_[stride * static_cast<std::size_t>(y)], &image.bgr[image.Offset(0, y)],
                    static_cast<std::size_t>(width_) * 3);
    }
}

void DibPicture::Draw(HDC dc, int left, int top) const { Draw(dc, left, top, width_, height_); }

void DibPicture::Draw(HDC dc, int left, int top, int width, int height) const {
    if (rows_.empty()) return;
    const BITMAPINFO info = TopDown24(width_, height_);
    StretchDIBits(dc, left, top, width, height, 0, 0, width_, height_, rows_.data(), &info, DIB_RGB_COLORS,
                  SRCCOPY);
}

}  // namespace corvinata
