// The map canvas on GDI leaves nothing behind: every pen and brush a paint
// makes is deleted with the canvas, and the device context gets back what it
// had selected (the map used to make two pens, a pen and a brush per paint
// and delete none, until GDI ran out).
#include "views/gdi_map_canvas.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

TEST(GdiMapCanvas, DeletesWhatAPaintMadeAndRestoresTheDeviceContext) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 64);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HGDIOBJ originalPen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ originalBrush = GetCurrentObject(dc, OBJ_BRUSH);
    HGDIOBJ pens[2] = {};
    {
        GdiMapCanvas canvas(dc, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        canvas.ClipTo({0, 0, 32, 32});
        canvas.UsePen(Colour{128, 128, 128});
        pens[0] = GetCurrentObject(dc, OBJ_PEN);
        canvas.UsePen(Colour{0, 0, 0});
        pens[1] = GetCurrentObject(dc, OBJ_PEN);
        canvas.UsePen(Colour{128, 128, 128});  // the same colour again: the same pen
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pens[0]);
        canvas.Ellipse({10, 10, 20, 20}, Colour{255, 0, 0});
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), originalBrush);
        canvas.ClearClip();
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pens[0]);  // the clip's end keeps the pen
        canvas.UseDefaultPen();
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), originalPen);
        canvas.UsePen(Colour{0, 0, 0});
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), originalPen);
    EXPECT_EQ(GetObjectType(pens[0]), 0u);
    EXPECT_EQ(GetObjectType(pens[1]), 0u);
    // The red filled mark was drawn.
    EXPECT_EQ(GetPixel(dc, 15, 15), RGB(255, 0, 0));
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace
}  // namespace corvinata
