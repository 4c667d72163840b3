#include "controls/drawn_text.h"

#include <cstdint>
#include <string>

#include "base/dib_header_win.h"
#include "base/scoped_win.h"
#include "controls/window_text.h"

namespace corvinata {
namespace {

// A white 32-bit bitmap to draw black text into and read the ink of.
class InkCanvas {
public:
    InkCanvas(HFONT font, int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        const BITMAPINFO info = DibHeader(width, height, 32, DibRows::kTopDown);
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const std::uint32_t*>(bits);
        if (bitmap_.IsValid()) SelectObject(dc_.Get(), bitmap_.Get());
        if (font) SelectObject(dc_.Get(), font);
        SetTextColor(dc_.Get(), RGB(0, 0, 0));
        SetBkMode(dc_.Get(), TRANSPARENT);
    }
    bool Ready() const noexcept { return bits_ != nullptr; }

    // The rightmost column `text` leaves ink in, drawn from the left edge
    // with DrawText's `flags`; -1 for none.
    int RightmostInk(const std::wstring& text, UINT flags) {
        RECT all{0, 0, width_, height_};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawTextW(dc_.Get(), text.c_str(), static_cast<int>(text.size()), &all, flags);
        GdiFlush();
        for (int x = width_ - 1; x >= 0; --x) {
            for (int y = 0; y < height_; ++y) {
                if ((Pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) return x;
            }
        }
        return -1;
    }

private:
    std::uint32_t Pixel(int x, int y) const {
        return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    }

    int width_;
    int height_;
    // The bitmap outlives the DC it is selected into.
    ScopedBitmap bitmap_;
    ScopedMemoryDc dc_;
    const std::uint32_t* bits_ = nullptr;
};

}  // namespace

int DrawnTextWidth(HWND control) {
    const std::wstring text(WindowText(control).Text());
    if (text.empty()) return 0;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    UINT flags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP;
    if (GetWindowLongPtrW(control, GWL_STYLE) & SS_NOPREFIX) flags |= DT_NOPREFIX;
    // The text's last letter drawn once more after it has its ink as far
    // right of where it has it alone as the text is wide, blanks at its end
    // included.
    const std::size_t last = text.find_last_not_of(L" \t");
    ScopedWindowDc screen(nullptr);
    SIZE reported{};
    TEXTMETRICW metrics{};
    {
        ScopedSelection selection(screen.Get(), font);
        GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &reported);
        GetTextMetricsW(screen.Get(), &metrics);
    }
    if (last == std::wstring::npos) return reported.cx;  // blanks only: no ink to go by
    InkCanvas canvas(font, reported.cx + 3 * metrics.tmMaxCharWidth, metrics.tmHeight);
    if (!canvas.Ready()) return reported.cx;
    const int alone = canvas.RightmostInk(std::wstring(1, text[last]), flags);
    const int after = canvas.RightmostInk(text + text[last], flags);
    if (alone < 0 || after < alone) return reported.cx;
    return after - alone;
}

}  // namespace corvinata
