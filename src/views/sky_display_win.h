// The Sky display: the OpenGL child that fills a Sky window. It owns the
// window's GL context and renderer and turns the mouse into selections,
// drags of the view (one undo step each), hover tips and the context menu.
#pragma once

#include <windows.h>

#include <memory>

#include "views/display_window_win.h"
#include "views/sky_render.h"
#include "views/sky_render_gl_win.h"
#include "views/sky_view.h"

namespace corvinata {

class SkyWindow;

constexpr const wchar_t* kSkyDisplayClass = L"CorvinataSkyDisp_OpenGl";

// The highlight flash of a selected object, in milliseconds.
constexpr UINT kHighlightMilliseconds = 200;
constexpr UINT_PTR kHighlightTimer = 1;

class SkyDisplay final : public DisplayWindow {
public:
    explicit SkyDisplay(SkyWindow& owner);
    ~SkyDisplay() override;

    // The window, its context and renderer; false when the window could not
    // be made (a missing context leaves a black display).
    bool Create(HWND parent, HINSTANCE instance, HFONT displayFont, HFONT symbolFont);
    SkyRenderer* Renderer() const noexcept { return renderer_.get(); }
    SkyGlWin* Gl() const noexcept { return gl_.get(); }

    // Fits the display to its parent's client area.
    void Resize();
    // Redraws now (the cached scene rebuilt as the flags say).
    void Redraw(std::uint32_t flags, bool everything);
    // The renderer, its lists and the context go, with this display's own
    // context current, while the window still exists.
    void Teardown();
    // Starts the highlight flash.
    void StartHighlight();
    // The drawing configuration while the window is sized.
    void SetSizing(bool sizing);

    // Re-centres on the object: mode 0 never, 1 when it is not in view, 2
    // always; then with `redraw` the highlight flash, with `movePointer` the
    // pointer onto the object.
    void CenterOnObject(int mode, const CelestialObject* object, bool movePointer, bool redraw, bool noNotice);

    // Opens the context menu for `object` at a client point.
    void ShowContextMenu(const CelestialObject* object, POINT client);
    SkyDrag DragState() const noexcept { return drag_; }
    const CelestialObject* MenuObject() const noexcept { return menuObject_; }

    static bool RegisterDisplayClass(HINSTANCE instance);
    static void UnregisterDisplayClass(HINSTANCE instance);

protected:
    void GetTooltipText(int x, int y, String& text) override;
    bool AcceptsTooltips() const override;
    bool TipFollowsPointer() const override { return drag_ == SkyDrag::kNone; }

private:
    LRESULT HandleDisplayMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnCommand(int id);
    void OnMouseMove(int x, int y);
    void OnLeftButtonDown(int x, int y, WPARAM keys);
    void EndDrag(bool updateCursor);
    void UpdateCursor();
    void OnHighlightTimer();
    int ViewportSide() const;

    SkyWindow& owner_;
    HINSTANCE instance_ = nullptr;
    HDC dc_ = nullptr;
    std::unique_ptr<SkyGlWin> gl_;
    std::unique_ptr<SkyRenderer> renderer_;
    bool horizonLoaded_ = false;
    const CelestialObject* menuObject_ = nullptr;
    int lastHit_ = 0;
    SkyDrag drag_ = SkyDrag::kNone;
    bool axisLock_ = false;
    int lastX_ = -1;
    int lastY_ = -1;
    ViewDirection start_{kNotComputedAngle, kNotComputedAngle};
};

}  // namespace corvinata
