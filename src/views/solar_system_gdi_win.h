// The plan drawn with GDI straight onto a window's DC.
#pragma once

#include <windows.h>

#include "views/solar_system_plan.h"

namespace corvinata {

constexpr int kHighlightRadius = 10;

// The plan drawn with GDI straight onto the display's DC. Pens are made
// per drawing step and go with the canvas; the fonts are the program's.
class GdiPlanCanvas final : public PlanCanvas {
public:
    GdiPlanCanvas(HDC dc, HFONT displayFont, HFONT symbolFont)
        : dc_(dc), displayFont_(displayFont), symbolFont_(symbolFont) {
        oldPen_ = static_cast<HPEN>(GetCurrentObject(dc_, OBJ_PEN));
        oldFont_ = static_cast<HFONT>(GetCurrentObject(dc_, OBJ_FONT));
        if (displayFont_) SelectObject(dc_, displayFont_);
        SetBkColor(dc_, RGB(0, 0, 0));
        SetBkMode(dc_, TRANSPARENT);
    }
    ~GdiPlanCanvas() override {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldFont_);
        if (pen_) DeleteObject(pen_);
    }
    GdiPlanCanvas(const GdiPlanCanvas&) = delete;
    GdiPlanCanvas& operator=(const GdiPlanCanvas&) = delete;

    void SetPen(Colour colour, bool dotted) override {
        HPEN pen = CreatePen(dotted ? PS_DOT : PS_SOLID, 0, colour.ToColorRef());
        SelectObject(dc_, pen);
        if (pen_) DeleteObject(pen_);
        pen_ = pen;
    }
    void MoveTo(int x, int y) override { MoveToEx(dc_, x, y, nullptr); }
    void LineTo(int x, int y) override { ::LineTo(dc_, x, y); }
    void PlusMark(int x, int y, Colour colour) override {
        const COLORREF c = colour.ToColorRef();
        SetPixelV(dc_, x, y, c);
        SetPixelV(dc_, x - 1, y, c);
        SetPixelV(dc_, x + 1, y, c);
        SetPixelV(dc_, x, y - 1, c);
        SetPixelV(dc_, x, y + 1, c);
    }
    void Text(int x, int y, const std::u16string& text, PlanFont font, PlanAlign align, Colour colour) override {
        HFONT chosen = font == PlanFont::kSymbol ? symbolFont_ : displayFont_;
        HFONT previous = chosen ? static_cast<HFONT>(SelectObject(dc_, chosen)) : nullptr;
        SetTextAlign(dc_, align == PlanAlign::kLeftTop     ? TA_LEFT | TA_TOP
                          : align == PlanAlign::kCentreTop ? TA_CENTER | TA_TOP
                                                           : TA_CENTER | TA_BOTTOM);
        SetTextColor(dc_, colour.ToColorRef());
        TextOutW(dc_, x, y, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()));
        if (previous) SelectObject(dc_, previous);
    }
    int TextWidth(const std::u16string& text, PlanFont font) override {
        return Extent(text, font).cx;
    }
    int TextHeight(PlanFont font) override { return Extent(u"M", font).cy; }
    int RingTextHeight() override {
        SIZE size{};
        GetTextExtentPoint32W(dc_, L"00h", 3, &size);
        return size.cy;
    }
    void Ring(int x, int y, Colour colour) override {
        HPEN pen = CreatePen(PS_SOLID, 0, colour.ToColorRef());
        HGDIOBJ oldPen = SelectObject(dc_, pen);
        HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(HOLLOW_BRUSH));
        Ellipse(dc_, x - kHighlightRadius, y - kHighlightRadius, x + kHighlightRadius + 1, y + kHighlightRadius + 1);
        SelectObject(dc_, oldBrush);
        SelectObject(dc_, oldPen);
        DeleteObject(pen);
    }

private:
    SIZE Extent(const std::u16string& text, PlanFont font) {
        HFONT chosen = font == PlanFont::kSymbol ? symbolFont_ : displayFont_;
        HFONT previous = chosen ? static_cast<HFONT>(SelectObject(dc_, chosen)) : nullptr;
        SIZE size{};
        GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()),
                              &size);
        if (previous) SelectObject(dc_, previous);
        return size;
    }

    HDC dc_;
    HFONT displayFont_;
    HFONT symbolFont_;
    HPEN oldPen_ = nullptr;
    HFONT oldFont_ = nullptr;
    HPEN pen_ = nullptr;
};

// Erases the display's client area in black and draws the scene.
void PaintSolarSystemPlan(HDC dc, const PlanScene& scene, HFONT displayFont, HFONT symbolFont);

}  // namespace corvinata
