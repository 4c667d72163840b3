// A real dialog for the control tests, made from a template in memory: the
// controls are created by class name as a dialog resource would create them,
// keyboard and mouse messages are posted to them and run through the
// dialog's message loop (IsDialogMessageW: Tab and the dialog keys), and
// what the controls send to their parent is recorded. The dialog is never
// shown: focus, keys and painting need no mapped window, and under Wine without
// a window manager closing a shown one waits two seconds.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "base/scoped_win.h"
#include "controls/control_classes.h"
#include "controls/custom_control_registry.h"
#include "controls/spin_edit_window.h"
#include "controls/trackbar_control.h"

namespace corvinata::test {

struct DialogItem {
    const wchar_t* className;
    int id;
    DWORD style;  // WS_CHILD | WS_VISIBLE are added
    short x, y, width, height;  // dialog units
    const wchar_t* text = L"";
};

struct ParentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class ControlDialog {
public:
    explicit ControlDialog(std::initializer_list<DialogItem> items)
        : ControlDialog(items, &DialogProc, 0) {}
    // A dialog run by another procedure (a pane's own); `param` reaches its
    // WM_INITDIALOG, and nothing is recorded.
    ControlDialog(std::initializer_list<DialogItem> items, DLGPROC procedure, LPARAM param) {
        const std::vector<WORD> data = Template(items);
        window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(data.data()), nullptr,
                                             procedure, procedure == &DialogProc ? reinterpret_cast<LPARAM>(this) : param);
        Pump();
    }
    // The dialog template of the items, as a resource would hold it.
    static std::vector<WORD> Template(std::initializer_list<DialogItem> items) {
        std::vector<WORD> data;
        const auto pad = [&data]() { if (data.size() % 2) data.push_back(0); };
        const auto words = [&data](const void* p, std::size_t bytes) {
            const auto* w = static_cast<const WORD*>(p);
            data.insert(data.end(), w, w + bytes / 2);
        };
        const auto text = [&data](const wchar_t* s) {
            for (; *s; ++s) data.push_back(static_cast<WORD>(*s));
            data.push_back(0);
        };
        DLGTEMPLATE dialog{};
        dialog.style = WS_POPUP | DS_SETFONT;
        dialog.cdit = static_cast<WORD>(items.size());
        dialog.cx = 260;
        dialog.cy = 120;
        words(&dialog, sizeof dialog);
        data.push_back(0);  // no menu
        data.push_back(0);  // the dialog class
        text(L"Controls");
        data.push_back(8);
        text(L"MS Shell Dlg");
        for (const DialogItem& item : items) {
            pad();
            DLGITEMTEMPLATE entry{};
            entry.style = WS_CHILD | WS_VISIBLE | item.style;
            entry.x = item.x;
            entry.y = item.y;
            entry.cx = item.width;
            entry.cy = item.height;
            entry.id = static_cast<WORD>(item.id);
            words(&entry, sizeof entry);
            text(item.className);
            text(item.text);
            data.push_back(0);  // no creation data
        }
        return data;
    }
    ~ControlDialog() {
        if (window_) DestroyWindow(window_);
    }
    ControlDialog(const ControlDialog&) = delete;
    ControlDialog& operator=(const ControlDialog&) = delete;

    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }

    // Runs the posted messages as the program's message loop would.
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (IsDialogMessageW(window_, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // A key pressed and released on the focused control (repeats: extra
    // auto-repeated key-downs before the release).
    void PressKey(WPARAM key, int repeats = 0) {
        HWND focus = GetFocus();
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        for (int i = 0; i < repeats; ++i) PostMessageW(focus, WM_KEYDOWN, key, 1 | (1 << 30));
        PostMessageW(focus, WM_KEYUP, key, 1 | (3u << 30));
        Pump();
    }
    void Type(const char* characters) {
        for (; *characters; ++characters) {
            PostMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(*characters), 1);
            Pump();
        }
    }
    // The left button pressed at one point of `control` and released at
    // another (client pixels).
    void Click(HWND control, int x, int y) { Drag(control, x, y, x, y); }
    void Drag(HWND control, int x, int y, int toX, int toY) {
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        if (toX != x || toY != y) PostMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
        PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
        Pump();
    }

    // What the controls sent to the dialog, of the given message.
    std::vector<ParentMessage> Received(UINT message) const {
        std::vector<ParentMessage> found;
        for (const ParentMessage& m : received_)
            if (m.message == message) found.push_back(m);
        return found;
    }
    // Where the first of the given message stands among all received; -1.
    int IndexOf(UINT message) const {
        for (std::size_t i = 0; i < received_.size(); ++i)
            if (received_[i].message == message) return static_cast<int>(i);
        return -1;
    }
    void ClearReceived() { received_.clear(); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            return TRUE;
        }
        auto* self = reinterpret_cast<ControlDialog*>(GetWindowLongPtrW(window, DWLP_USER));
        if (!self) return FALSE;
        switch (message) {
            case WM_COMMAND: case WM_HSCROLL: case WM_VSCROLL:
            case kTrackbarMovedMessage: case kDatePickerYearMessage:
                self->received_.push_back({message, wParam, lParam});
                return TRUE;
            default:
                return FALSE;
        }
    }

    HWND window_ = nullptr;
    std::vector<ParentMessage> received_;
};

// Registers the control classes once and a fresh registry for each test,
// before the test's own members (its dialog) are made.
class ControlTest : public ::testing::Test {
protected:
    ControlTest() {
        classesRegistered_ = RegisterCustomControlClasses(GetModuleHandleW(nullptr));
        SetCustomControlRegistry(&registry_);
    }
    ~ControlTest() override { SetCustomControlRegistry(nullptr); }
    void SetUp() override { ASSERT_TRUE(classesRegistered_); }

    CustomControlRegistry registry_;
    bool classesRegistered_ = false;
};

// The colours a control paints into a bitmap of its client size.
class PaintedPixels {
public:
    explicit PaintedPixels(HWND control) {
        RECT client{};
        GetClientRect(control, &client);
        width_ = client.right;
        height_ = client.bottom;
        const ScopedWindowDc screen(nullptr);
        bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), width_, height_));
        const ScopedSelection selection(dc_.Get(), bitmap_.Get());
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.Get()), PRF_CLIENT);
    }
    COLORREF At(int x, int y) const {
        const ScopedSelection selection(dc_.Get(), bitmap_.Get());
        return GetPixel(dc_.Get(), x, y);
    }
    COLORREF Centre() const { return At(width_ / 2, height_ / 2); }
    bool Contains(COLORREF colour) const {
        const ScopedSelection selection(dc_.Get(), bitmap_.Get());
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (GetPixel(dc_.Get(), x, y) == colour) return true;
        return false;
    }

private:
    int width_ = 0;
    int height_ = 0;
    ScopedMemoryDc dc_{CreateCompatibleDC(nullptr)};
    ScopedBitmap bitmap_;
};

// A bitmap of one colour.
inline HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
    const ScopedWindowDc screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), width, height);
    const ScopedMemoryDc dc(CreateCompatibleDC(screen.Get()));
    const ScopedSelection selection(dc.Get(), bitmap);
    const ScopedWinHandle<GdiObjectTraits<HBRUSH>> brush(CreateSolidBrush(colour));
    RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, brush.Get());
    return bitmap;
}

}  // namespace corvinata::test
