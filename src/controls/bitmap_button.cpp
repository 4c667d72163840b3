#include "controls/bitmap_button.h"

#include <string>

namespace corvinata {

ButtonPicture ChooseButtonPicture(bool enabled, bool pressed, bool focused) noexcept {
    if (!enabled) return ButtonPicture::Disabled;
    if (pressed) return ButtonPicture::Pressed;
    return focused ? ButtonPicture::Focused : ButtonPicture::Normal;
}

bool ButtonControl::LoadButtonBitmap(HINSTANCE module, ButtonPicture picture, int resourceId,
                                     bool map3dColours) {
    HANDLE image = LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0,
                              map3dColours ? LR_LOADMAP3DCOLORS : 0);
    if (!image) return false;
    SetBitmap(picture, static_cast<HBITMAP>(image));
    return true;
}

void ButtonControl::SetBitmap(ButtonPicture picture, HBITMAP bitmap) {
    bitmaps_[static_cast<int>(picture)].Reset(bitmap);
    if (width_ != 0 || !bitmap) return;
    BITMAP description{};
    if (GetObjectW(bitmap, sizeof description, &description)) {
        width_ = description.bmWidth;
        height_ = description.bmHeight;
    }
}

void ButtonControl::Notify(HWND window) const {
    SendMessageW(GetParent(window), WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(window)),
                 reinterpret_cast<LPARAM>(window));
}

LRESULT ButtonControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_PAINT: {
            const ScopedPaint paint(window);
            Paint(window, paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT: Paint(window, reinterpret_cast<HDC>(wParam)); return 0;
        case WM_GETDLGCODE: return DLGC_WANTCHARS;
        case WM_CHAR:
            if (wParam == ' ') Notify(window);
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetFocus(window);
            SetCapture(window);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP: {
            // Only a press that began on the button ends in a click.
            if (!pressed_) return 0;
            pressed_ = false;
            ReleaseCapture();
            InvalidateRect(window, nullptr, FALSE);
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(window, &point);
            RECT rect{};
            GetWindowRect(window, &rect);
            if (PtInRect(&rect, point)) Notify(window);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (pressed_ && reinterpret_cast<HWND>(lParam) != window) {
                pressed_ = false;
                InvalidateRect(window, nullptr, FALSE);
            }
            return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void ButtonControl::Paint(HWND window, HDC dc) const {
    const ButtonPicture picture = ChooseButtonPicture(IsWindowEnabled(window) != 0, pressed_,
                                                      GetFocus() == window);
    HBITMAP bitmap = bitmaps_[static_cast<int>(picture)].Get();
    if (!bitmap) return;
    const ScopedMemoryDc memory(CreateCompatibleDC(dc));
    const ScopedSelection selection(memory.Get(), bitmap);
    RECT client{};
    GetClientRect(window, &client);
    BitBlt(dc, (client.right - width_) / 2, (client.bottom - height_) / 2, width_, height_,
           memory.Get(), 0, 0, SRCCOPY);
}

bool LoadArrowBitmaps(HINSTANCE module, CustomControlRegistry& registry, bool night) {
    static constexpr struct {
        int controlId;
        const wchar_t* direction;
    } kArrows[] = {{21020, L"Up"}, {20615, L"Down"}, {20735, L"Left"}, {20854, L"Right"}};
    static constexpr struct {
        ButtonPicture picture;
        const wchar_t* suffix;
    } kStates[] = {{ButtonPicture::Disabled, L"Disabled"},
                   {ButtonPicture::Focused, L"Focused"},
                   {ButtonPicture::Normal, L""},
                   {ButtonPicture::Pressed, L"Pressed"}};
    bool all = true;
    for (const auto& arrow : kArrows) {
        ButtonControl& button = registry.ButtonFor(arrow.controlId);
        for (const auto& state : kStates) {
            std::wstring name = std::wstring(L"Bmp_Arrow") + arrow.direction + state.suffix;
            if (night) name += L"_Night";
            // At night their face is the system's, which is black then.
            HANDLE image = LoadImageW(module, name.c_str(), IMAGE_BITMAP, 0, 0, night ? LR_LOADMAP3DCOLORS : 0);
            // A picture that is missing leaves the one before rather than none.
            if (image) button.SetBitmap(state.picture, static_cast<HBITMAP>(image));
            all = all && image;
        }
    }
    return all;
}

LRESULT CALLBACK ButtonWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CustomControlRegistryInterface* registry = GetCustomControlRegistry();
    if (message == WM_CREATE) {
        if (registry) registry->CreateButtonControl(window);
        return 0;
    }
    auto* button = registry ? dynamic_cast<ButtonControl*>(registry->FindControl(window)) : nullptr;
    if (!button) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_DESTROY) {
        registry->ForgetControl(window);
        return 0;
    }
    return button->HandleMessage(window, message, wParam, lParam);
}

}  // namespace corvinata
