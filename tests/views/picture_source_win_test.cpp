#include "views/picture_source_win.h"

#include <gtest/gtest.h>

#include <string>

#include "app/bmp_image.h"

namespace corvinata {
namespace {

std::wstring TempFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

TEST(CaptureSurfaceTest, TwentyFourBitCaptureHasItsPixelsAtByte54) {
    HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    CaptureSurface surface(4, 2);
    SetPixel(surface.Dc(), 0, 1, RGB(255, 0, 0));  // top-left: the last row of the file
    const std::vector<std::uint8_t> image = surface.CaptureBmp();
    const BmpLayout layout = BmpLayoutFor(4, 2, depth);
    ASSERT_EQ(image.size(), layout.fileSize);
    EXPECT_EQ(image[10], layout.pixelOffset);
    if (depth == 24 || depth == 32) {
        EXPECT_EQ(layout.pixelOffset, 54u);
        const std::size_t red = layout.pixelOffset;  // bottom row, first pixel (B, G, R)
        EXPECT_EQ(image[red + 2], 255);
        EXPECT_EQ(image[red], 0);
        EXPECT_EQ(image[red + layout.rowSize], 255);  // a white pixel of the top row
    }
}

TEST(PictureSourceTest, CapturedImageLoadsBackAtItsSize) {
    CaptureSurface surface(40, 30);
    const std::wstring path = TempFile(L"cn-picture-test.bmp");
    WriteBytes(path, surface.CaptureBmp());
    PictureSource source;
    source.SetPath(path.c_str());
    ASSERT_TRUE(source.Load(nullptr));
    const SIZE size = source.PixelSize();
    EXPECT_NEAR(size.cx, 40, 1);
    EXPECT_NEAR(size.cy, 30, 1);
    DeleteFileW(path.c_str());
}

TEST(PictureSourceTest, PictureThatDoesNotDecodeIsNotKept) {
    const std::wstring path = TempFile(L"cn-picture-garbage.bmp");
    WriteBytes(path, std::vector<std::uint8_t>(300, 0x5A));
    PictureSource source;
    source.SetPath(path.c_str());
    EXPECT_FALSE(source.Load(nullptr));
    EXPECT_FALSE(source.IsLoaded());
    DeleteFileW(path.c_str());

    PictureSource missing(L"NO_SUCH_PICTURE");
    EXPECT_FALSE(missing.Load(GetModuleHandleW(nullptr)));
    EXPECT_FALSE(missing.IsLoaded());
}

}  // namespace
}  // namespace corvinata
