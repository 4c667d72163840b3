#include "controls/hyperlink_control.h"

#include "base/scoped_win.h"
#include "controls/custom_control_registry.h"
#include "controls/night_colours.h"

namespace corvinata {

namespace {

constexpr UINT kAlignmentFlags[] = {DT_LEFT, DT_CENTER, DT_RIGHT};

bool ReleasedInside(HWND window, LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window, &point);
    RECT rect{};
    GetWindowRect(window, &rect);
    return PtInRect(&rect, point) != 0;
}

}  // namespace

Hyperlink::Hyperlink(HWND window)
    : window_(window),
      font_(reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0))) {}

LRESULT Hyperlink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETCURSOR:
            SetCursor(LoadCursorW(nullptr, IsActiveLink() ? IDC_HAND : IDC_ARROW));
            return TRUE;
        case WM_PAINT: {
            const ScopedPaint paint(window_);
            Paint(paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_LBUTTONDOWN:
            if (IsActiveLink()) {
                pressed_ = true;
                SetCapture(window_);
            }
            return 0;
        case WM_LBUTTONUP: OnButtonUp(lParam); return 0;
        case WM_CAPTURECHANGED: pressed_ = false; return 0;
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Hyperlink::OnButtonUp(LPARAM lParam) {
    if (!IsActiveLink() || !pressed_) return;
    pressed_ = false;
    ReleaseCapture();
    if (ReleasedInside(window_, lParam) && action_) action_(target_.Text());
}

COLORREF Hyperlink::GetHyperlinkColour() const {
    return ProgramColoursAtNight() ? GetSysColor(COLOR_WINDOWTEXT) : RGB(0, 0, 0xFF);
}

void Hyperlink::Paint(HDC dc) {
    ScopedFont underlined;
    HFONT font = font_;
    if (IsActiveLink() && font_) {
        LOGFONTW description{};
        GetObjectW(font_, sizeof description, &description);
        description.lfUnderline = TRUE;
        underlined.Reset(CreateFontIndirectW(&description));
        font = underlined.Get();
    }
    RECT area{};
    GetClientRect(window_, &area);
    const COLORREF plain = ProgramColoursAtNight() ? GetSysColor(COLOR_WINDOWTEXT) : RGB(0, 0, 0);
    SetTextColor(dc, IsActiveLink() ? GetHyperlinkColour() : plain);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    const ScopedWinHandle<GdiObjectTraits<HBRUSH>> face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    FillRect(dc, &area, face.Get());
    const ScopedSelection selection(dc, font);
    DrawTextW(dc, text_.Text(), -1, &area, kAlignmentFlags[alignment_] | DT_NOPREFIX);
}

LRESULT CALLBACK HyperlinkWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CustomControlRegistryInterface* registry = GetCustomControlRegistry();
    if (message == WM_CREATE) return registry && registry->CreateHyperlink(window) ? 0 : -1;
    auto* link = registry ? dynamic_cast<Hyperlink*>(registry->FindControl(window)) : nullptr;
    if (!link) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_DESTROY) {
        registry->DestroyControl(window);
        return 0;
    }
    return link->HandleMessage(message, wParam, lParam);
}

void ShowLink(HWND window, const Char* text, bool active) {
    auto* link = FindCustomControl<Hyperlink>(window);
    if (link == nullptr) return;
    const Hyperlink::State state = active ? Hyperlink::kActiveLink : Hyperlink::kPlainText;
    EnableWindow(window, active);
    if (link->Shows(text, state)) return;
    SetWindowTextW(window, text);
    link->SetText(text);
    link->SetState(state);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

}  // namespace corvinata
