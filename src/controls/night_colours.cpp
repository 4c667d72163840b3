#include "controls/night_colours.h"

#include <commctrl.h>


#include "base/scoped_win.h"
#include "controls/control_classes.h"

namespace corvinata {

namespace {

const NightVisionSettings* g_night = nullptr;
HHOOK g_hook = nullptr;
constexpr UINT_PTR kSubclassId = 0x4E43;  // "NC"

// The windows that take the night colours, by what they draw.
enum class Kind : DWORD_PTR { kDialog, kCheckButton, kPushButton };

bool Active() { return g_night && g_night->IsNightVisionActive(); }

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

// The buttons drawn at night by the program: all but those with pictures
// and those their owners draw.
bool NightButtonKind(HWND button, Kind& kind) {
    if (!IsClass(button, WC_BUTTONW)) return false;
    const auto style = static_cast<LONG>(GetWindowLongPtrW(button, GWL_STYLE));
    if (style & (BS_BITMAP | BS_ICON)) return false;
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        kind = (style & BS_PUSHLIKE) ? Kind::kPushButton : Kind::kCheckButton;
        return true;
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        kind = Kind::kPushButton;
        return true;
    default:
        return false;
    }
}

// The two check boxes (clear, ticked) of a list view with check boxes in
// the system colours as they are now: the list draws the ones it made when
// the style was set, in the colours of that moment.
HIMAGELIST CheckBoxPictures() {
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    HIMAGELIST pictures = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 2, 0);
    if (!pictures) return nullptr;
    const ScopedWindowDc screen(nullptr);
    const ScopedMemoryDc dc(CreateCompatibleDC(screen.Get()));
    for (const UINT state : {0u, static_cast<UINT>(DFCS_CHECKED)}) {
        const ScopedBitmap picture(CreateCompatibleBitmap(screen.Get(), width, height));
        const ScopedBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
        RECT all{0, 0, width, height};
        RECT box = all;
        InflateRect(&box, -2, -2);
        {
            // Only the box is drawn; the list's own background shows around it.
            const ScopedSelection selected(dc.Get(), mask.Get());
            FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            FillRect(dc.Get(), &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
        {
            const ScopedSelection selected(dc.Get(), picture.Get());
            FillRect(dc.Get(), &all, GetSysColorBrush(COLOR_WINDOW));
            DrawFrameControl(dc.Get(), &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_MONO | state);
        }
        ImageList_Add(pictures, picture.Get(), mask.Get());
    }
    return pictures;
}

// Where a list with check boxes keeps its own pictures while it shows the
// night's.
constexpr wchar_t kOwnCheckBoxes[] = L"Corvinata own check boxes";

// At night a list with check boxes shows check boxes in the shades; by day
// it has its own again, as it made them (a day that never saw a night
// changes nothing).
void TakeModeCheckBoxes(HWND list) {
    if (!(ListView_GetExtendedListViewStyle(list) & LVS_EX_CHECKBOXES)) return;
    auto* own = static_cast<HIMAGELIST>(GetPropW(list, kOwnCheckBoxes));
    if (Active()) {
        HIMAGELIST pictures = CheckBoxPictures();
        if (!pictures) return;
        HIMAGELIST old = ListView_SetImageList(list, pictures, LVSIL_STATE);
        if (!own) {
            SetPropW(list, kOwnCheckBoxes, old);
        } else if (old && old != pictures) {
            ImageList_Destroy(old);
        }
    } else if (own) {
        RemovePropW(list, kOwnCheckBoxes);
        HIMAGELIST night = ListView_SetImageList(list, own, LVSIL_STATE);
        if (night && night != own) ImageList_Destroy(night);
    }
}

// A list that goes at night drops the night's pictures itself, not its own.
BOOL CALLBACK DropOwnCheckBoxes(HWND child, LPARAM) {
    if (auto* own = static_cast<HIMAGELIST>(RemovePropW(child, kOwnCheckBoxes))) ImageList_Destroy(own);
    return TRUE;
}

BOOL CALLBACK TakeModeColours(HWND child, LPARAM) {
    Kind button = Kind::kDialog;
    if (NightButtonKind(child, button))
        SetWindowSubclass(child, &NightSubclass, kSubclassId, static_cast<DWORD_PTR>(button));
    // A list view keeps the window colours it was made with, whatever the
    // system's are later: it is handed them.
    if (IsClass(child, WC_LISTVIEWW)) {
        SendMessageW(child, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_WINDOW)));
        SendMessageW(child, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_WINDOW)));
        SendMessageW(child, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_WINDOWTEXT)));
        TakeModeCheckBoxes(child);
    }
    return TRUE;
}

// The common controls keep a copy of the system colours of their own: the
// dialog's controls are told of a change as the dialog is.
BOOL CALLBACK TellColourChange(HWND child, LPARAM) {
    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

bool IsTrackbar(HWND window) { return IsClass(window, TRACKBAR_CLASSW) || IsClass(window, kTrackbarClass); }

// A trackbar's channel and thumb at night, through its custom drawing (it
// draws them in the system's light colours).
LRESULT DrawTrackbarPart(const NMCUSTOMDRAW& draw) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    if (draw.dwDrawStage == CDDS_POSTPAINT) {
        // The control has drawn its focus by inverting (white on the black
        // face): inverting again takes it away; the shade's dots stand in.
        if (GetFocus() == draw.hdr.hwndFrom) {
            RECT client{};
            GetClientRect(draw.hdr.hwndFrom, &client);
            DrawFocusRect(draw.hdc, &client);
            DrawDottedFrame(draw.hdc, client, GetSysColor(COLOR_BTNTEXT));
        }
        return CDRF_DODEFAULT;
    }
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    switch (draw.dwItemSpec) {
    case TBCD_CHANNEL:
        FillRect(draw.hdc, &draw.rc, GetSysColorBrush(COLOR_BTNFACE));
        FrameRect(draw.hdc, &draw.rc, GetSysColorBrush(COLOR_BTNSHADOW));
        return CDRF_SKIPDEFAULT;
    case TBCD_THUMB:
        FillRect(draw.hdc, &draw.rc, GetSysColorBrush(COLOR_BTNSHADOW));
        FrameRect(draw.hdc, &draw.rc,
                  GetSysColorBrush(IsWindowEnabled(draw.hdr.hwndFrom) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        return CDRF_SKIPDEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

// What a button needs to draw itself at night.
struct ButtonLook {
    LONG style = 0;
    LRESULT state = 0;
    COLORREF ink = 0;
    bool focusShown = false;
    UINT prefix = 0;  // DT_HIDEPREFIX while the keyboard cues are hidden
    wchar_t text[256] = L"";
};

ButtonLook LookOf(HWND button) {
    ButtonLook look;
    look.style = static_cast<LONG>(GetWindowLongPtrW(button, GWL_STYLE));
    look.state = SendMessageW(button, BM_GETSTATE, 0, 0);
    look.ink = GetSysColor(IsWindowEnabled(button) ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    const LRESULT cues = SendMessageW(button, WM_QUERYUISTATE, 0, 0);
    look.focusShown = (look.state & BST_FOCUS) && !(cues & UISF_HIDEFOCUS);
    look.prefix = (cues & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
    GetWindowTextW(button, look.text, 256);
    return look;
}

// A check box or radio button at night: its box or circle, mark, label and
// focus in the shades (the control draws its glyph and focus in the
// system's colours whatever the dialog hands it, white beside the red).
void PaintCheckButton(HWND button, HDC dc) {
    const ButtonLook look = LookOf(button);
    RECT client{};
    GetClientRect(button, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    ScopedSelection font(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    // The glyph as large as the system's, the label half a digit after it.
    const int size = GetSystemMetrics(SM_CXMENUCHECK);
    int digit = 8;
    GetCharWidthW(dc, L'0', L'0', &digit);
    const RECT glyph{client.left, (client.bottom - size) / 2, client.left + size, (client.bottom - size) / 2 + size};
    const UINT type = static_cast<UINT>(look.style & BS_TYPEMASK);
    const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
    {
        const ScopedWinHandle<GdiObjectTraits<HPEN>> pen(CreatePen(PS_SOLID, 1, look.ink));
        ScopedSelection penSelected(dc, pen.Get());
        ScopedSelection face(dc, GetSysColorBrush((look.state & BST_PUSHED) ? COLOR_BTNSHADOW : COLOR_WINDOW));
        if (radio) {
            Ellipse(dc, glyph.left, glyph.top, glyph.right, glyph.bottom);
        } else {
            Rectangle(dc, glyph.left, glyph.top, glyph.right, glyph.bottom);
        }
        const int checked = static_cast<int>(look.state & (BST_CHECKED | BST_INDETERMINATE));
        SetDCBrushColor(dc, look.ink);
        SelectObject(dc, GetStockObject(DC_BRUSH));
        // The marks as the 13-pixel glyph has them, scaled to the glyph's size.
        const auto at = [size](int offset) { return offset * size / 13; };
        if (checked && radio) {
            Ellipse(dc, glyph.left + at(4), glyph.top + at(4), glyph.right - at(4), glyph.bottom - at(4));
        } else if (checked == BST_INDETERMINATE) {
            const RECT inner{glyph.left + at(3), glyph.top + at(3), glyph.right - at(3), glyph.bottom - at(3)};
            FillRect(dc, &inner, GetSysColorBrush(COLOR_BTNSHADOW));
        } else if (checked) {
            // A tick three pixels thick.
            for (int dy = 0; dy < 3; ++dy) {
                const POINT tick[] = {{glyph.left + at(3), glyph.top + at(5) + dy},
                                      {glyph.left + at(5), glyph.top + at(7) + dy},
                                      {glyph.left + at(10), glyph.top + at(2) + dy}};
                Polyline(dc, tick, 3);
            }
        }
    }
    RECT label{glyph.right + digit / 2, client.top, client.right, client.bottom};
    const UINT lines = (look.style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    RECT measured = label;
    DrawTextW(dc, look.text, -1, &measured, lines | DT_CALCRECT | look.prefix);
    const int height = measured.bottom - measured.top;
    measured.top = label.top + (label.bottom - label.top - height) / 2;
    measured.bottom = measured.top + height;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.ink);
    DrawTextW(dc, look.text, -1, &measured, (lines & ~DT_VCENTER) | look.prefix);
    if (look.focusShown && look.text[0]) {
        RECT focus{measured.left - 1, measured.top, measured.right + 1, measured.bottom};
        IntersectRect(&focus, &focus, &client);
        DrawDottedFrame(dc, focus, look.ink);
    }
}

// A push button at night: face, frame (double for the default one), label
// and focus in the shades.
void PaintPushButton(HWND button, HDC dc) {
    const ButtonLook look = LookOf(button);
    RECT client{};
    GetClientRect(button, &client);
    const bool pushed = (look.state & (BST_PUSHED | BST_CHECKED)) != 0;
    FillRect(dc, &client, GetSysColorBrush(pushed ? COLOR_BTNSHADOW : COLOR_BTNFACE));
    const bool standsFor = (look.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    RECT frame = client;
    FrameRect(dc, &frame, GetSysColorBrush(standsFor ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
    if (standsFor) {
        InflateRect(&frame, -1, -1);
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNTEXT));
    }
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    RECT label = client;
    InflateRect(&label, -3, -3);
    if (pushed) OffsetRect(&label, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.ink);
    const UINT lines = (look.style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    DrawTextW(dc, look.text, -1, &label, lines | DT_CENTER | look.prefix);
    if (look.focusShown) {
        RECT focus = client;
        InflateRect(&focus, -3, -3);
        DrawDottedFrame(dc, focus, look.ink);
    }
    SelectObject(dc, oldFont);
}

void PaintButton(HWND button, HDC dc, Kind kind) {
    if (kind == Kind::kCheckButton) {
        PaintCheckButton(button, dc);
    } else {
        PaintPushButton(button, dc);
    }
}

// A button drawn by the program at night: its own painting, and what the
// control draws straight onto the screen (focus, enabling, a new text)
// drawn over again.
LRESULT NightButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Kind kind) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintButton(window, dc, kind);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintButton(window, reinterpret_cast<HDC>(wParam), kind);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case BM_SETSTATE:
    case BM_SETCHECK: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return result;
    }
    default:
        return DefSubclassProc(window, message, wParam, lParam);
    }
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
        if (message == WM_DESTROY) EnumChildWindows(window, &DropOwnCheckBoxes, 0);
        if (message == WM_INITDIALOG) {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            if (Active()) EnumChildWindows(window, &TakeModeColours, 0);
            return result;
        }
        if (message == WM_SYSCOLORCHANGE) EnumChildWindows(window, &TellColourChange, 0);
        if (message == WM_NOTIFY && Active()) {
            const auto* draw = reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
            if (draw->hdr.code == NM_CUSTOMDRAW && IsTrackbar(draw->hdr.hwndFrom)) return DrawTrackbarPart(*draw);
        }
        break;
    case Kind::kCheckButton:
    case Kind::kPushButton:
        if (Active()) return NightButton(window, message, wParam, lParam, kind);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsClass(window, L"#32770"))
            SetWindowSubclass(window, &NightSubclass, kSubclassId, static_cast<DWORD_PTR>(Kind::kDialog));
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

// Dialogs inside windows (the panes and panels) take the colours too.
BOOL CALLBACK TellChild(HWND child, LPARAM) {
    if (IsClass(child, L"#32770")) SendMessageW(child, NightColoursChangedMessage(), 0, 0);
    return TRUE;
}

BOOL CALLBACK TellWindow(HWND window, LPARAM) {
    // A tooltip keeps the colours it was made with, whatever the system's are
    // later: it is handed them.
    if (IsClass(window, TOOLTIPS_CLASSW)) {
        SendMessageW(window, TTM_SETTIPBKCOLOR, GetSysColor(COLOR_INFOBK), 0);
        SendMessageW(window, TTM_SETTIPTEXTCOLOR, GetSysColor(COLOR_INFOTEXT), 0);
        return TRUE;
    }
    SendMessageW(window, NightColoursChangedMessage(), 0, 0);
    EnumChildWindows(window, &TellChild, 0);
    return TRUE;
}

}  // namespace

void DrawDottedFrame(HDC dc, const RECT& r, COLORREF colour) {
    for (int x = r.left; x < r.right; x += 2) {
        SetPixelV(dc, x, r.top, colour);
        SetPixelV(dc, x, r.bottom - 1, colour);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        SetPixelV(dc, r.left, y, colour);
        SetPixelV(dc, r.right - 1, y, colour);
    }
}


UINT NightColoursChangedMessage() {
    static const UINT message = RegisterWindowMessageW(L"Corvinata night colours changed");
    return message;
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
