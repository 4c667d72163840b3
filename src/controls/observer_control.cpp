#include "controls/observer_control.h"

#include <algorithm>

#include "base/scoped_win.h"
#include "controls/night_colours.h"

namespace corvinata {
namespace {

ObserverControlHost* g_host = nullptr;
// One drag for the program: there is one Sky control panel.
ObserverDrag g_drag;

HFONT FontOf(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0)); }

int TextWidth(HDC dc, const Char* text) {
    SIZE size{};
    return GetTextExtentPoint32W(dc, text, lstrlenW(text), &size) ? size.cx : 0;
}

// The labels as the dialog's font draws them, so that the geometry leaves
// them room to show whole.
DialLabelWidths MeasureLabels(HWND window) {
    const ScopedWindowDc dc(window);
    const ScopedSelection font(dc.Get(), FontOf(window));
    DialLabelWidths widths;
    for (const Char* label : kDialScaleLabels) widths.scale = std::max(widths.scale, TextWidth(dc.Get(), label));
    for (const bool hours : {false, true}) widths.right = std::max(widths.right, TextWidth(dc.Get(), DialLabel(1, hours)));
    return widths;
}

DialPoint PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

void DrawLine(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void DrawText(HDC dc, int x, int y, const Char* text) { TextOutW(dc, x, y, text, lstrlenW(text)); }

void Paint(HDC dc, const ObserverDialGeometry& dial, const ObserverDialSky& sky, int lineHeight, HFONT font) {
    const ScopedSelection fontSelection(dc, font);
    // In the program's colours, the night shades at night, like the panel
    // around it.
    const ScopedWinHandle<GdiObjectTraits<HPEN>> pen(CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNTEXT)));
    const ScopedSelection penSelection(dc, pen.Get());
    const ScopedSelection brushSelection(dc, GetSysColorBrush(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, TRANSPARENT);
    const double lh = lineHeight;
    const double cx = dial.cx, cy = dial.cy, rx = dial.rx, ry = dial.ry;

    Ellipse(dc, static_cast<int>(cx - rx), static_cast<int>(cy - ry), static_cast<int>(cx + rx),
            static_cast<int>(cy + ry));
    const bool hours = sky.ShowsHourAngles();
    DrawText(dc, static_cast<int>(cx - 4), static_cast<int>((cy - ry) - 1.2 * lh), DialLabel(0, hours));
    DrawText(dc, static_cast<int>(cx + rx + kDialRightLabelGap), static_cast<int>(cy - 0.5 * lh), DialLabel(1, hours));
    DrawText(dc, static_cast<int>(cx - 4), static_cast<int>((cy + ry) + 0.3 * lh), DialLabel(2, hours));
    DrawText(dc, static_cast<int>(cx - rx - kDialLeftLabelOffset), static_cast<int>(cy - 0.5 * lh),
             DialLabel(3, hours));

    // The dome: the upper half of a circle, drawn counter-clockwise.
    SetArcDirection(dc, AD_COUNTERCLOCKWISE);
    Arc(dc, static_cast<int>(cx - rx), static_cast<int>(cy - rx), static_cast<int>(cx + rx),
        static_cast<int>(cy + rx), static_cast<int>(cx + rx), static_cast<int>(cy), static_cast<int>(cx - rx),
        static_cast<int>(cy));

    const ViewDirection direction = sky.GetViewDirection();
    const DialArrow arrow = MakeDialArrow(dial, direction.azimuth);
    DrawLine(dc, static_cast<int>(cx), static_cast<int>(cy), arrow.tip.x, arrow.tip.y);
    for (const DialPoint& barb : arrow.barbs) DrawLine(dc, arrow.tip.x, arrow.tip.y, barb.x, barb.y);

    const int x0 = dial.scaleX;
    const int bottom = dial.scaleBottom;
    const int length = dial.scaleLength;
    DrawLine(dc, x0, bottom, x0, bottom - length);
    for (int h = -90; h <= 90; h += 30) {
        const int y = DialAltitudeRow(dial, h);
        DrawLine(dc, x0, y, x0 - 5, y);
    }
    SetTextAlign(dc, TA_RIGHT);
    const int labelRows[3] = {bottom - length, bottom - length / 2, bottom};
    for (int i = 0; i < 3; ++i) {
        DrawText(dc, x0 - kDialScaleLabelGap, static_cast<int>(labelRows[i] - 0.5 * lh), kDialScaleLabels[i]);
    }
    SetTextAlign(dc, TA_LEFT);

    const int y = DialAltitudeRow(dial, direction.altitude);
    DrawLine(dc, x0 + 2, y, x0 + kDialPointerLength, y);
    DrawLine(dc, x0 + 2, y, x0 + 7, y - 5);
    DrawLine(dc, x0 + 2, y, x0 + 7, y + 5);
}

void OnPaint(HWND window, HDC given) {
    ObserverDialSky* sky = g_host != nullptr ? g_host->ActiveSkyWindow() : nullptr;
    const HFONT font = FontOf(window);
    const int lineHeight = g_host != nullptr ? g_host->ResourceFontLineHeight() : 0;
    if (given != nullptr) {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(given, &client, GetSysColorBrush(COLOR_BTNFACE));
        if (sky != nullptr) Paint(given, ObserverControlGeometry(window), *sky, lineHeight, font);
        return;
    }
    const ScopedPaint paint(window);
    if (sky != nullptr) Paint(paint.Get(), ObserverControlGeometry(window), *sky, lineHeight, font);
}

void OnButtonDown(HWND window) {
    ObserverDialSky* sky = g_host != nullptr ? g_host->ActiveSkyWindow() : nullptr;
    if (sky == nullptr) return;
    g_drag.Press(*sky);
    SetCapture(window);
}

void OnMouseMove(HWND window, LPARAM lParam) {
    ObserverDialSky* sky = g_host != nullptr ? g_host->ActiveSkyWindow() : nullptr;
    if (sky != nullptr) g_drag.Move(*sky, ObserverControlGeometry(window), PointOf(lParam));
}

void OnButtonUp(HWND window, LPARAM lParam) {
    ObserverDialSky* sky = g_host != nullptr ? g_host->ActiveSkyWindow() : nullptr;
    // The drag ends before the capture goes, so that the capture change
    // that follows finds nothing left to end.
    if (sky != nullptr) g_drag.Release(*sky, ObserverControlGeometry(window), PointOf(lParam));
    if (GetCapture() == window) ReleaseCapture();
    InvalidateRect(window, nullptr, TRUE);
}

void OnCaptureChanged(HWND window) {
    ObserverDialSky* sky = g_host != nullptr ? g_host->ActiveSkyWindow() : nullptr;
    if (sky != nullptr) g_drag.CaptureLost(*sky, ObserverControlGeometry(window));
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

void SetObserverControlHost(ObserverControlHost* host) noexcept { g_host = host; }

ObserverDialGeometry ObserverControlGeometry(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return MakeObserverDialGeometry(client.right, client.bottom, MeasureLabels(control));
}

bool RegisterObserverControl(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = &ObserverControlProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kObserverControlClass;
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterObserverControl(HINSTANCE instance) { UnregisterClassW(kObserverControlClass, instance); }

LRESULT CALLBACK ObserverControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: OnPaint(window, nullptr); return 0;
        case WM_PRINTCLIENT: OnPaint(window, reinterpret_cast<HDC>(wParam)); return 0;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        // With double clicks on, the second press of a quick pair arrives as
        // a double click; it starts a drag like any press.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: OnButtonDown(window); return 0;
        case WM_MOUSEMOVE: OnMouseMove(window, lParam); return 0;
        case WM_LBUTTONUP: OnButtonUp(window, lParam); return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) OnCaptureChanged(window);
            return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace corvinata
