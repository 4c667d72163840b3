// A label that runs an action when clicked: blue and underlined with the hand
// cursor while it is an active link, plain black text otherwise; at night
// both in the windows' text shade. It takes no focus and no keys.
#pragma once

#include <windows.h>

#include "base/wide_string.h"
#include "controls/custom_control_registry.h"

namespace corvinata {

class Hyperlink : public CustomControl {
public:
    using ClickAction = void (*)(const Char* target);
    enum State : int { kActiveLink = 0, kPlainText = 1 };
    enum Alignment : int { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };

    explicit Hyperlink(HWND window);

    // The colour of the underlined link text.
    virtual COLORREF GetHyperlinkColour() const;

    // The owner fills these in and redraws the control.
    void SetText(const Char* text) { StringAssign(text_, text); }
    void SetTarget(const Char* target) { StringAssign(target_, target); }
    void SetClickAction(ClickAction action) noexcept { action_ = action; }
    void SetState(State state) noexcept { state_ = state; }
    void SetAlignment(Alignment alignment) noexcept { alignment_ = alignment; }
    bool IsActiveLink() const noexcept { return state_ == kActiveLink; }
    // Whether the control shows that text in that state already.
    bool Shows(const Char* text, State state) const noexcept {
        return state_ == state && StringEquals(text_, text);
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnButtonUp(LPARAM lParam);
    void Paint(HDC dc);

    HWND window_;
    HFONT font_;
    State state_ = kActiveLink;
    Alignment alignment_ = kAlignLeft;
    bool pressed_ = false;
    String target_;
    String text_;
    ClickAction action_ = nullptr;
};

// Shows `text` in the link control `window`, an enabled, active link when
// `active` and disabled plain text otherwise; the caption too, so that the
// text can be read as a window's. A link that shows it already is not
// repainted.
void ShowLink(HWND window, const Char* text, bool active);

LRESULT CALLBACK HyperlinkWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace corvinata
