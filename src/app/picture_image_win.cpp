#include "app/picture_image_win.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "app/jpeg_decoder.h"
#include "base/scoped_win.h"

namespace corvinata {

namespace {

constexpr int kLargestSide = 16384;
constexpr std::size_t kFileHeaderSize = 14;

std::size_t RowBytes(int width) noexcept { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

BITMAPINFO TopDown24(int width, int height) noexcept {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Lets `paint` draw into a 24-bit bitmap of the size and takes its pixels.
template <typename Paint>
bool Capture(int width, int height, Paint paint, PictureImage& out) {
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return false;
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

std::uint32_t Read32(const std::uint8_t* p) noexcept {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// A BMP file through GDI, once its headers promise no more bytes than the
// file holds.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, PictureImage& out) {
    if (size < kFileHeaderSize + sizeof(BITMAPINFOHEADER) || data[0] != 'B' || data[1] != 'M') return false;
    BITMAPINFOHEADER header{};
    std::memcpy(&header, data + kFileHeaderSize, sizeof header);
    const std::size_t pixelOffset = Read32(data + 10);
    if (header.biSize < sizeof header || header.biWidth <= 0 || header.biHeight == 0 || header.biPlanes != 1)
        return false;
    const int width = header.biWidth;
    const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    if (width > kLargestSide || height > kLargestSide || pixelOffset >= size) return false;
    const std::size_t colours =
        header.biClrUsed != 0 ? header.biClrUsed : (header.biBitCount <= 8 ? std::size_t{1} << header.biBitCount : 0);
    const std::size_t masks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof header ? 12 : 0;
    const std::size_t describedUpTo = kFileHeaderSize + header.biSize + masks + 4 * colours;
    if (describedUpTo > pixelOffset) return false;
    const std::size_t available = size - pixelOffset;
    if (header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS) {
        const std::size_t stride = ((static_cast<std::size_t>(width) * header.biBitCount + 31) / 32) * 4;
        if (header.biBitCount == 0 || stride * static_cast<std::size_t>(height) > available) return false;
    } else if (header.biSizeImage == 0 || header.biSizeImage > available) {
        return false;
    }
    // GDI reads the headers and palette where they lie: copy them aligned.
    std::vector<std::uint8_t> described(data + kFileHeaderSize, data + describedUpTo);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(described.data());
    return Capture(width, height,
                   [&](HDC dc) {
                       return StretchDIBits(dc, 0, 0, width, height, 0, 0, width, height, data + pixelOffset, info,
                                            DIB_RGB_COLORS, SRCCOPY) != 0;
                   },
                   out);
}

// A JPEG the program's decoder does not take, through the system's picture
// object, drawn once at its own size.
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
    if (LooksLikeJpeg(data, size)) {
        const JpegResult result = DecodeJpeg(data, size, out);
        if (result == JpegResult::kUnsupported && !DecodeThroughPictureObject(data, size, out)) out = PictureImage{};
        return !out.IsEmpty();
    }
    if (!DecodeBmp(data, size, out)) out = PictureImage{};
    return !out.IsEmpty();
}

bool LoadPictureFile(const Char* path, PictureImage& out) {
    out = PictureImage{};
    ScopedFileHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.IsValid()) return false;
    const DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE || size == 0) return false;
    std::vector<std::uint8_t> bytes(size);
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

void DibPicture::Draw(HDC dc, int left, int top) const {
    if (rows_.empty()) return;
    const BITMAPINFO info = TopDown24(width_, height_);
    StretchDIBits(dc, left, top, width_, height_, 0, 0, width_, height_, rows_.data(), &info, DIB_RGB_COLORS,
                  SRCCOPY);
}

}  // namespace corvinata
