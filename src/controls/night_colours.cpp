#include "controls/night_colours.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <array>

namespace corvinata {

namespace {

const NightVisionSettings* g_night = nullptr;
HHOOK g_hook = nullptr;
constexpr UINT_PTR kSubclassId = 0x4E43;  // "NC"

// The windows that take the night colours, by what they draw.
enum class Kind : DWORD_PTR { kDialog, kWorkArea, kToolbar, kStatusBar, kGroupBox };

bool Active() { return g_night && g_night->IsNightVisionActive(); }

// One brush per colour asked for, made again when the shade changes.
HBRUSH ProgramBrush(int systemIndex) {
    struct Cached {
        COLORREF colour = 0;
        HBRUSH brush = nullptr;
    };
    static std::array<Cached, 31> cache;
    if (systemIndex < 0 || systemIndex >= static_cast<int>(cache.size())) return GetSysColorBrush(systemIndex);
    Cached& entry = cache[static_cast<std::size_t>(systemIndex)];
    const COLORREF colour = ProgramColour(systemIndex);
    if (!entry.brush || entry.colour != colour) {
        if (entry.brush) DeleteObject(entry.brush);
        entry.brush = CreateSolidBrush(colour);
        entry.colour = colour;
    }
    return entry.brush;
}

bool IsClass(HWND window, const wchar_t* name) {
    wchar_t text[64] = L"";
    GetClassNameW(window, text, 64);
    return lstrcmpiW(text, name) == 0;
}

// Visual styles draw texts in their own colours (black group captions on a
// black face): at night the controls are drawn classically, in the
// colours the dialog hands them.
LRESULT CALLBACK NightSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data);

BOOL CALLBACK TakeModeColours(HWND child, LPARAM) {
    const bool night = Active();
    SetWindowTheme(child, night ? L"" : nullptr, night ? L"" : nullptr);
    if (IsClass(child, WC_BUTTONW) && (GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
        SetWindowSubclass(child, &NightSubclass, kSubclassId, static_cast<DWORD_PTR>(Kind::kGroupBox));
    if (IsClass(child, WC_LISTVIEWW)) {
        SendMessageW(child, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ProgramColour(COLOR_WINDOW)));
        SendMessageW(child, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ProgramColour(COLOR_WINDOW)));
        SendMessageW(child, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ProgramColour(COLOR_WINDOWTEXT)));
    }
    return TRUE;
}

LRESULT ControlColour(HDC dc, int face, int text) {
    SetTextColor(dc, ProgramColour(text));
    SetBkColor(dc, ProgramColour(face));
    return reinterpret_cast<LRESULT>(ProgramBrush(face));
}

// The status line's parts drawn at night: its own drawing knows only the
// system's colours.
void PaintStatusBar(HWND bar) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bar, &paint);
    RECT client{};
    GetClientRect(bar, &client);
    FillRect(dc, &client, ProgramBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ProgramColour(COLOR_BTNTEXT));
    const HBRUSH edge = ProgramBrush(COLOR_BTNSHADOW);
    const int parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    for (int part = 0; part < parts; ++part) {
        RECT r{};
        SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&r));
        FrameRect(dc, &r, edge);
        wchar_t text[512] = L"";
        const LRESULT length = SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0);
        if (LOWORD(length) < 512) SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
        InflateRect(&r, -3, 0);
        DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    SelectObject(dc, oldFont);
    EndPaint(bar, &paint);
}

// A group box at night: its frame and caption in the shades (the control
// draws its caption black whatever colours the dialog hands it).
void PaintGroupBox(HWND box) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    RECT client{};
    GetClientRect(box, &client);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    FrameRect(dc, &frame, ProgramBrush(COLOR_BTNSHADOW));
    wchar_t text[256] = L"";
    GetWindowTextW(box, text, 256);
    if (text[0]) {
        RECT label{client.left + 8, client.top, client.right - 8, client.top + metrics.tmHeight};
        DrawTextW(dc, text, -1, &label, DT_SINGLELINE | DT_CALCRECT);
        InflateRect(&label, 2, 0);
        FillRect(dc, &label, ProgramBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ProgramColour(COLOR_BTNTEXT));
        InflateRect(&label, -2, 0);
        DrawTextW(dc, text, -1, &label, DT_SINGLELINE | DT_LEFT | DT_TOP);
    }
    SelectObject(dc, oldFont);
    EndPaint(box, &paint);
}



LRESULT CALLBACK NightSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    const auto kind = static_cast<Kind>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &NightSubclass, kSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (message == NightColoursChangedMessage()) {
        EnumChildWindows(window, &TakeModeColours, 0);
        DefSubclassProc(window, message, wParam, lParam);  // a window with colours of its own sets them after
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        return 0;
    }
    switch (kind) {
    case Kind::kDialog:
        if (message == WM_INITDIALOG) {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            if (Active()) EnumChildWindows(window, &TakeModeColours, 0);
            return result;
        }
        if (!Active()) break;
        switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return ControlColour(reinterpret_cast<HDC>(wParam), COLOR_BTNFACE, COLOR_BTNTEXT);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return ControlColour(reinterpret_cast<HDC>(wParam), COLOR_WINDOW, COLOR_WINDOWTEXT);
        default:
            break;
        }
        break;
    case Kind::kWorkArea:
    case Kind::kToolbar:
        if (message == WM_ERASEBKGND && Active()) {
            RECT client{};
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     ProgramBrush(kind == Kind::kWorkArea ? COLOR_APPWORKSPACE : COLOR_BTNFACE));
            return 1;
        }
        break;
    case Kind::kStatusBar:
    case Kind::kGroupBox:
        if (message == WM_PAINT && Active()) {
            if (kind == Kind::kStatusBar) {
                PaintStatusBar(window);
            } else {
                PaintGroupBox(window);
            }
            return 0;
        }
        if (message == WM_ERASEBKGND && Active()) return 1;
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const struct {
            const wchar_t* name;
            Kind kind;
        } classes[] = {{L"#32770", Kind::kDialog},
                       {L"MDIClient", Kind::kWorkArea},
                       {TOOLBARCLASSNAMEW, Kind::kToolbar},
                       {STATUSCLASSNAMEW, Kind::kStatusBar}};
        for (const auto& c : classes) {
            if (IsClass(window, c.name)) {
                SetWindowSubclass(window, &NightSubclass, kSubclassId, static_cast<DWORD_PTR>(c.kind));
                break;
            }
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

// Dialogs inside windows (the panes) take the colours too.
BOOL CALLBACK TellChild(HWND child, LPARAM) {
    if (IsClass(child, L"#32770") || IsClass(child, L"MDIClient") || IsClass(child, TOOLBARCLASSNAMEW) ||
        IsClass(child, STATUSCLASSNAMEW))
        SendMessageW(child, NightColoursChangedMessage(), 0, 0);
    return TRUE;
}

BOOL CALLBACK TellWindow(HWND window, LPARAM) {
    SendMessageW(window, NightColoursChangedMessage(), 0, 0);
    EnumChildWindows(window, &TellChild, 0);
    return TRUE;
}

}  // namespace

UINT NightColoursChangedMessage() {
    static const UINT message = RegisterWindowMessageW(L"Corvinata night colours changed");
    return message;
}

COLORREF ProgramColour(int systemIndex) {
    Colour colour;
    if (Active() && NightColourOf(systemIndex, g_night->Shades(), colour)) return colour.ToColorRef();
    return GetSysColor(systemIndex);
}

bool ProgramColoursAtNight() { return Active(); }

NightColours::NightColours(const NightVisionSettings& night) {
    g_night = &night;
    g_hook = SetWindowsHookExW(WH_CBT, &WatchCreation, nullptr, GetCurrentThreadId());
}

NightColours::~NightColours() {
    if (g_hook) UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    g_night = nullptr;
}

void NightColours::Switched() { EnumThreadWindows(GetCurrentThreadId(), &TellWindow, 0); }

}  // namespace corvinata
