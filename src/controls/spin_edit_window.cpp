#include "controls/spin_edit_window.h"

#include <commctrl.h>

#include <vector>

#include "base/scoped_win.h"
#include "controls/night_colours.h"

namespace corvinata {

namespace {

constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kBackColour = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kHighlightText = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kHighlightBack = RGB(0x33, 0x99, 0xFF);
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr int kEditPartText = 1;   // the "Edit" theme class: its text part ...
constexpr int kEditStateNormal = 1;  // ... in the normal state
constexpr UINT kThemedEdge = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr int kUpDownWidth = 19;

struct Colours {
    COLORREF text;
    COLORREF back;
};

// Draws texts one after another from x on, each in its own colours.
class PieceWriter {
public:
    PieceWriter(HDC dc, const RECT& area) noexcept : dc_(dc), area_(area), x_(area.left) {}

    void Write(const Char* text, int length, Colours colours) {
        if (length <= 0) return;
        SetTextColor(dc_, colours.text);
        SetBkColor(dc_, colours.back);
        SIZE size{};
        GetTextExtentPoint32W(dc_, text, length, &size);
        RECT piece{x_, area_.top, area_.right, area_.bottom};
        DrawTextW(dc_, text, length, &piece, kTextFormat);
        x_ += size.cx;
    }
    void Write(const Char* text, Colours colours) { Write(text, TextLength(text), colours); }

private:
    HDC dc_;
    RECT area_;
    int x_;
};

HFONT ParentFont(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0));
}

// Where visual styles are off (or the platform has none) the classic sunken
// edge of an edit box stands in for the themed one.
void DrawEditBorder(HWND window, HDC dc, RECT& area) {
    const ScopedTheme theme(OpenThemeData(window, L"Edit"));
    if (theme.IsValid())
        DrawThemeEdge(theme.Get(), dc, kEditPartText, kEditStateNormal, &area, kThemedEdge,
                      BF_RECT | BF_ADJUST, &area);
    else
        DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
}

bool KeyOf(WPARAM virtualKey, SpinKey& key) noexcept {
    switch (virtualKey) {
        case VK_RETURN: key = SpinKey::Enter; return true;
        case VK_LEFT: key = SpinKey::Left; return true;
        case VK_RIGHT: key = SpinKey::Right; return true;
        case VK_UP: key = SpinKey::Up; return true;
        case VK_DOWN: key = SpinKey::Down; return true;
        case VK_HOME: key = SpinKey::Home; return true;
        case VK_END: key = SpinKey::End; return true;
        case VK_F3: key = SpinKey::SwitchLayout; return true;
        default: return false;
    }
}

constexpr WPARAM kPasteCharacter = 0x16;  // Ctrl+V

// The clipboard's text, open only while it is read.
class ClipboardText {
public:
    explicit ClipboardText(HWND owner) : open_(OpenClipboard(owner) != 0) {
        if (!open_) return;
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (!data) return;
        if (const auto* text = static_cast<const Char*>(GlobalLock(data))) {
            StringAssign(text_, text);
            GlobalUnlock(data);
        }
    }
    ~ClipboardText() {
        if (open_) CloseClipboard();
    }
    ClipboardText(const ClipboardText&) = delete;
    ClipboardText& operator=(const ClipboardText&) = delete;
    const String& Text() const noexcept { return text_; }

private:
    bool open_;
    String text_;
};

using CreateOperation = CustomControl* (CustomControlRegistryInterface::*)(HWND);

template <CreateOperation Create>
LRESULT SpinEditWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CustomControlRegistryInterface* registry = GetCustomControlRegistry();
    if (message == WM_CREATE) {
        if (!registry || !(registry->*Create)(window)) return -1;
        auto* control = dynamic_cast<SpinEditControl*>(registry->FindControl(window));
        if (!control) return -1;
        control->CreateUpDown();
        return 0;
    }
    auto* control = registry ? dynamic_cast<SpinEditControl*>(registry->FindControl(window)) : nullptr;
    if (!control) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_DESTROY) {
        control->DestroyUpDown();
        registry->DestroyControl(window);
        return 0;
    }
    return control->HandleMessage(message, wParam, lParam);
}

}  // namespace

void RedrawWindowNow(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

void MoveWindowBy(HWND window, int dx, int dy) {
    RECT rect{};
    GetWindowRect(window, &rect);
    POINT topLeft{rect.left, rect.top};
    ScreenToClient(GetParent(window), &topLeft);
    MoveWindow(window, topLeft.x + dx, topLeft.y + dy, rect.right - rect.left,
               rect.bottom - rect.top, TRUE);
}

void ShrinkWindowHeight(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top - 175,
                 SWP_NOMOVE | SWP_NOZORDER);
}

void DatePickerControl::OnYearMayHaveChanged() {
    SendMessageW(GetParent(Window()), kDatePickerYearMessage, 0, 0);
}

void DatePickerControl::OnTypingRefused() { MessageBeep(MB_OK); }

void SpinEditControl::CreateUpDown() {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    upDown_ = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, window_,
                              nullptr, instance, nullptr);
    if (!upDown_) return;
    RECT client{};
    GetClientRect(window_, &client);
    MoveWindow(upDown_, client.right - kUpDownWidth - 2, 1, kUpDownWidth, client.bottom - 3, TRUE);
}

void SpinEditControl::DestroyUpDown() noexcept {
    if (upDown_) DestroyWindow(upDown_);
    upDown_ = nullptr;
}

void SpinEditControl::Redraw() const {
    RedrawWindowNow(window_);
    if (upDown_) RedrawWindowNow(upDown_);
}

UINT PickerChangedMessage() {
    static const UINT message = RegisterWindowMessageW(L"Corvinata picker changed");
    return message;
}

// Keys, characters, pastes and the arrows may change the value: the parent
// hears of it when they did.
LRESULT SpinEditControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_KEYUP && message != WM_CHAR && message != WM_PASTE && message != WM_NOTIFY)
        return HandleInput(message, wParam, lParam);
    const std::vector<int> before = Edit().CollectValues();
    const LRESULT result = HandleInput(message, wParam, lParam);
    if (Edit().CollectValues() != before && IsWindow(window_)) {
        SendMessageW(GetParent(window_), PickerChangedMessage(), static_cast<WPARAM>(GetDlgCtrlID(window_)),
                     reinterpret_cast<LPARAM>(window_));
    }
    return result;
}

LRESULT SpinEditControl::HandleInput(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS: OnSetFocus(reinterpret_cast<HWND>(wParam)); return 0;
        case WM_KILLFOCUS: Edit().FocusLost(); Redraw(); return 0;
        case WM_ENABLE: Redraw(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            const ScopedPaint paint(window_);
            PaintBuffered(paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT: PaintBuffered(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_NOTIFY:
            return OnUpDownNotify(*reinterpret_cast<const NMHDR*>(lParam), wParam, lParam);
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYUP: return OnKeyUp(wParam, lParam);
        case WM_CHAR: return OnChar(wParam, lParam);
        case WM_PASTE: OnPaste(); return 0;
        case WM_LBUTTONDOWN: OnClick(static_cast<short>(LOWORD(lParam))); return 0;
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// Tab or a mnemonic from another control of the same window: typing starts
// afresh. A click, or the window coming back to the front, keeps the field.
void SpinEditControl::OnSetFocus(HWND previous) {
    const bool mouse = GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0;
    if (!mouse && previous && GetAncestor(previous, GA_ROOT) == GetAncestor(window_, GA_ROOT)) {
        Edit().FocusFromKeyboard();
    }
    Redraw();
}

LRESULT SpinEditControl::OnUpDownNotify(const NMHDR& header, WPARAM wParam, LPARAM lParam) {
    if (header.hwndFrom != upDown_ || header.code != UDN_DELTAPOS)
        return DefWindowProcW(window_, WM_NOTIFY, wParam, lParam);
    SetFocus(window_);
    // The upper arrow reports a negative change under the default range.
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    const bool changed = change.iDelta < 0 ? Edit().StepUp() : Edit().StepDown();
    Edit().EndEntry();
    if (changed) Redraw();
    return 1;  // the arrows keep their own position
}

LRESULT SpinEditControl::OnKeyUp(WPARAM virtualKey, LPARAM lParam) {
    SpinKey key;
    if (!KeyOf(virtualKey, key)) return DefWindowProcW(window_, WM_KEYUP, virtualKey, lParam);
    bool handled = false;
    if (Edit().OnKeyUp(key, handled)) Redraw();
    return handled ? 0 : DefWindowProcW(window_, WM_KEYUP, virtualKey, lParam);
}

LRESULT SpinEditControl::OnChar(WPARAM c, LPARAM lParam) {
    if (c == kPasteCharacter) {
        OnPaste();
        return 0;
    }
    const CharResult result = Edit().OnChar(static_cast<Char>(c));
    if (result != CharResult::NotHandled) Redraw();
    if (result == CharResult::NotHandled || result == CharResult::HandledPassOn)
        return DefWindowProcW(window_, WM_CHAR, c, lParam);
    return 0;
}

void SpinEditControl::OnPaste() {
    const ClipboardText clipboard(window_);
    if (Edit().PasteText(clipboard.Text().Text())) Redraw();
}

void SpinEditControl::OnClick(int x) {
    if (GetFocus() != window_) SetFocus(window_);
    const String line = Edit().BuildText();
    const ScopedWindowDc dc(window_);
    const ScopedSelection font(dc.Get(), ParentFont(window_));
    int fit = 0;
    SIZE size{};
    if (x > textOrigin_)
        GetTextExtentExPointW(dc.Get(), line.Text(), line.Length(), x - textOrigin_, &fit, nullptr,
                              &size);
    Edit().OnClickAtCharacter(fit);
    Redraw();
}

// Drawn into a bitmap first: the control repaints at every key, and drawing
// the background and then the text straight onto the screen would flicker.
void SpinEditControl::PaintBuffered(HDC target) {
    RECT client{};
    GetClientRect(window_, &client);
    const ScopedMemoryDc memory(CreateCompatibleDC(target));
    const ScopedBitmap bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
    if (!memory.IsValid() || !bitmap.IsValid()) {
        Paint(target);
        return;
    }
    const ScopedSelection selection(memory.Get(), bitmap.Get());
    Paint(memory.Get());
    BitBlt(target, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void SpinEditControl::Paint(HDC dc) {
    RECT area{};
    GetClientRect(window_, &area);
    const ScopedSelection font(dc, ParentFont(window_));
    const bool enabled = IsWindowEnabled(window_) != 0;
    // At night the fields take the shades the rest of the program has.
    const bool night = ProgramColoursAtNight();
    const COLORREF back = night ? GetSysColor(COLOR_WINDOW) : kBackColour;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const ScopedWinHandle<GdiObjectTraits<HBRUSH>> fill(CreateSolidBrush(enabled ? back : face));
    FillRect(dc, &area, fill.Get());
    DrawEditBorder(window_, dc, area);
    textOrigin_ = area.left;
    SetBkMode(dc, OPAQUE);

    const COLORREF text = night ? GetSysColor(COLOR_WINDOWTEXT) : kTextColour;
    const COLORREF markText = night ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kHighlightText;
    const COLORREF markBack = night ? GetSysColor(COLOR_HIGHLIGHT) : kHighlightBack;
    const Colours normal = enabled ? Colours{text, back} : Colours{GetSysColor(COLOR_GRAYTEXT), face};
    const Colours highlight{markText, markBack};
    const Colours hidden{markBack, markBack};
    const bool focused = enabled && GetFocus() == window_;
    SpinEdit& edit = Edit();
    PieceWriter writer(dc, area);
    const auto& fields = edit.Fields();
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        writer.Write(fields[i].leadingText, normal);
        const FieldDisplay display = edit.DisplayOf(i);
        if (focused && i == edit.CurrentIndex()) {
            writer.Write(display.text.Text(), display.hiddenPlaces, hidden);
            writer.Write(display.text.Text() + display.hiddenPlaces, highlight);
        } else {
            writer.Write(display.text.Text(), normal);
        }
        writer.Write(fields[i].trailingText, normal);
    }
}

LRESULT CALLBACK AnglePickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SpinEditWndProc<&CustomControlRegistryInterface::CreateAnglePicker>(window, message,
                                                                               wParam, lParam);
}
LRESULT CALLBACK DatePickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SpinEditWndProc<&CustomControlRegistryInterface::CreateDatePicker>(window, message,
                                                                              wParam, lParam);
}
LRESULT CALLBACK NumberPickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SpinEditWndProc<&CustomControlRegistryInterface::CreateNumberPicker>(window, message,
                                                                                wParam, lParam);
}
LRESULT CALLBACK TimePickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SpinEditWndProc<&CustomControlRegistryInterface::CreateTimePicker>(window, message,
                                                                              wParam, lParam);
}
LRESULT CALLBACK TimeZonePickerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SpinEditWndProc<&CustomControlRegistryInterface::CreateTimeZonePicker>(
        window, message, wParam, lParam);
}

}  // namespace corvinata
