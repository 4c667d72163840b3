#include "views/eclipse_display_win.h"

#include <windowsx.h>

#include "base/scoped_win.h"
#include "controls/night_colours.h"
#include "resources/resource_ids.h"
#include "views/gdi_map_canvas.h"

namespace corvinata {
namespace {

Colour ColourOf(COLORREF value) {
    return Colour{GetRValue(value), GetGValue(value), GetBValue(value)};
}

bool InRange(const MapPoint& place) {
    return place.longitude >= -180.0 && place.longitude <= 180.0 && place.latitude >= -90.0 &&
           place.latitude <= 90.0;
}

}  // namespace

bool EclipseDisplay::RegisterDisplayClass(HINSTANCE instance, HBRUSH background) {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = kClassName;
    return DisplayWindow::RegisterDisplayClass(wc);
}

void EclipseDisplay::UnregisterDisplayClass(HINSTANCE instance) { UnregisterClassW(kClassName, instance); }

bool EclipseDisplay::Create(HWND parent, HINSTANCE instance) {
    if (!CreateDisplayWindow(kClassName, WS_CHILD | WS_VISIBLE, parent, instance, HoverTip::kNone)) return false;
    FitToParent();
    return true;
}

void EclipseDisplay::FitToParent() {
    if (!window_) return;
    RECT client{};
    GetClientRect(GetParent(window_), &client);
    MoveWindow(window_, 0, 0, client.right, client.bottom, TRUE);
}

void EclipseDisplay::Refresh() {
    if (!window_) return;
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
}

void EclipseDisplay::InvalidateMark(const MapPoint& place) {
    const MapPoint mark = InRange(place) ? place : owner_.MapState().GetDetailsPoint();
    if (!InRange(mark)) return;
    const PixelRect square = EclipseMarkSquare(owner_.MapState().Projection(), mark);
    const RECT rect{square.left, square.top, square.right, square.bottom};
    InvalidateRect(window_, &rect, TRUE);
}

void EclipseDisplay::RefreshMarks(const MapPoint& before, const MapPoint& after) {
    if (!window_) return;
    InvalidateMark(before);
    InvalidateMark(after);
    UpdateWindow(window_);
}

void EclipseDisplay::OnPaint() {
    ScopedPaint paint(window_);
    const EclipseView& view = owner_.MapState();
    const EclipseNightInk night{ColourOf(GetSysColor(COLOR_BTNTEXT)), ColourOf(GetSysColor(COLOR_GRAYTEXT)),
                                ColourOf(GetSysColor(COLOR_BTNHIGHLIGHT))};
    const EclipseMapColours colours =
        EclipseMapColoursFor(view.HasEclipse(), owner_.NightVisionActive() ? &night : nullptr);
    GdiMapCanvas canvas(paint.Get(), owner_.TextFont());
    DrawEclipseMap(canvas, view.Projection(), view.MapContent(owner_.CountryOutlines()), colours);
}

void EclipseDisplay::OnEraseBackground(HDC dc) {
    // The window's ground, black in night vision.
    RECT client{};
    GetClientRect(window_, &client);
    ScopedWinHandle<GdiObjectTraits<HBRUSH>> ground(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
    FillRect(dc, &client, ground.Get());
}

void EclipseDisplay::OnLeftButtonDown(int x, int y) {
    const EclipseView& view = owner_.MapState();
    if (!view.HasEclipse()) return;
    if (const auto place = view.Projection().PointToLonLat(x, y)) owner_.MapClicked(*place);
}

void EclipseDisplay::ShowContextMenu(POINT client) {
    HMENU menu = LoadMenuW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), L"Menu_Sec");
    if (!menu) return;
    HMENU popup = GetSubMenu(menu, 0);
    const bool eclipse = owner_.MapState().HasEclipse();
    EnableMenuItem(popup, CMD_SHOW_SKY, MF_BYCOMMAND | (eclipse && owner_.CanShowInSky() ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, CMD_SHOW_SOLAR_SYSTEM,
                   MF_BYCOMMAND | (eclipse && owner_.CanShowInSolarSystem() ? MF_ENABLED : MF_GRAYED));
    ClientToScreen(window_, &client);
    const int command = TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, client.x, client.y, 0,
                                       window_, nullptr);
    DestroyMenu(menu);
    if (command != 0) OnCommand(command);
}

void EclipseDisplay::ShowContextMenuFromKeyboard() {
    RECT client{};
    GetClientRect(window_, &client);
    ShowContextMenu(POINT{client.right / 2, client.bottom / 2});
}

void EclipseDisplay::OnCommand(int id) {
    switch (id) {
    case CMD_SHOW_SKY:
        if (owner_.MapState().HasEclipse() && owner_.CanShowInSky()) owner_.ShowInSky();
        break;
    case CMD_SHOW_SOLAR_SYSTEM:
        if (owner_.MapState().HasEclipse() && owner_.CanShowInSolarSystem()) owner_.ShowInSolarSystem();
        break;
    case CMD_DUPLICATE_WINDOW: owner_.DuplicateWindow(); break;
    default: break;
    }
}

LRESULT EclipseDisplay::HandleDisplayMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: OnEraseBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_LBUTTONDOWN: OnLeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); break;
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_CONTEXTMENU:
        if (lParam == -1) {
            ShowContextMenuFromKeyboard();
        } else {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(window_, &at);
            ShowContextMenu(at);
        }
        return 0;
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace corvinata
