#include "views/explorer_textures_win.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace corvinata {

namespace {

// The decoded picture of an OLE picture object; released with it.
class OlePicture {
public:
    OlePicture(const void* bytes, std::size_t size) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        if (!block) return;
        void* target = GlobalLock(block);
        if (!target) {
            GlobalFree(block);
            return;
        }
        std::memcpy(target, bytes, size);
        GlobalUnlock(block);
        IStream* stream = nullptr;
        if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
            GlobalFree(block);
            return;
        }
        void* picture = nullptr;
        if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, &picture))) {
            picture_ = static_cast<IPicture*>(picture);
        }
        stream->Release();
    }
    ~OlePicture() {
        if (picture_) picture_->Release();
    }
    OlePicture(const OlePicture&) = delete;
    OlePicture& operator=(const OlePicture&) = delete;

    HBITMAP Bitmap() const {
        if (!picture_) return nullptr;
        SHORT type = PICTYPE_UNINITIALIZED;
        OLE_HANDLE handle = 0;
        if (FAILED(picture_->get_Type(&type)) || type != PICTYPE_BITMAP) return nullptr;
        if (FAILED(picture_->get_Handle(&handle))) return nullptr;
        return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    }

private:
    IPicture* picture_ = nullptr;
};

}  // namespace

bool DecodeExplorerImage(const void* bytes, std::size_t size, int width, int height, ExplorerImage& out) {
    out = ExplorerImage{};
    if (!bytes || size == 0) return false;
    OlePicture picture(bytes, size);
    HBITMAP bitmap = picture.Bitmap();
    if (!bitmap) return false;
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info) || info.bmWidth != width || info.bmHeight != height) {
        return false;
    }
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = height;  // bottom row first
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 24;
    request.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height));
    HDC dc = GetDC(nullptr);
    const int read = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (read != height) return false;
    out.width = width;
    out.height = height;
    out.bgr.resize(static_cast<std::size_t>(width) * 3 * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::memcpy(&out.bgr[static_cast<std::size_t>(y) * width * 3], &rows[static_cast<std::size_t>(y) * stride],
                    static_cast<std::size_t>(width) * 3);
    }
    return true;
}

bool LoadExplorerImage(HMODULE module, const Char* name, int width, int height, ExplorerImage& out) {
    out = ExplorerImage{};
    HRSRC found = FindResourceW(module, name, L"CORVINATA_BINARY");
    if (!found) return false;
    const DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes && DecodeExplorerImage(bytes, size, width, height, out);
}

}  // namespace corvinata
