// The Jupiter and Saturn explorer windows: an MDI child over the kind's
// shared document with one OpenGL display that shows the planet, its moons
// and their orbits. Each window keeps its own view (zoom, selection, tilt,
// moons shown, options) and undo history; every edit is a step of the
// kind's explorer actions.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/application.h"
#include "app/explorer_commands.h"
#include "app/window_services.h"
#include "controls/child_windows.h"
#include "controls/control_panel.h"
#include "controls/mdi_child_window.h"
#include "views/display_window_win.h"
#include "views/display_window_context.h"
#include "views/highlight_flash_win.h"
#include "views/explorer_panel_win.h"
#include "views/explorer_render.h"
#include "views/explorer_textures_win.h"
#include "views/shared_document_kind_win.h"
#include "views/sky_render_gl_win.h"

namespace corvinata {

class ExplorerWindow;

constexpr UINT kExplorerHighlightMilliseconds = 500;
constexpr UINT_PTR kExplorerHighlightTimer = 5;

// What an explorer window needs of the program besides its document.
struct ExplorerWindowContext : DisplayWindowContext {
    // The screen's pixel width over its pixel height.
    double pixelAspect = 1.0;
    // Tells the user of a failure (a picture that cannot be loaded).
    std::function<void(const String&)> reportError{};
    // The pictures' resource names; null: the kind's own.
    const Char* planetPicture = nullptr;
    const Char* ringPicture = nullptr;
    // Set by the kind once its panel exists.
    ExplorerControlPanel* panel = nullptr;
    // What the kind's windows share, set by the kind (none: each window
    // keeps its own): the pictures decoded once, and the orbits of the
    // kind's one document.
    ExplorerPictureSet* pictures = nullptr;
    ExplorerOrbitCache* orbits = nullptr;
};

// The screen's pixel aspect as its size in millimetres and in pixels give it.
double ScreenPixelAspect();

// The GL child that fills the window.
class ExplorerDisplay final : public DisplayWindow {
public:
    explicit ExplorerDisplay(ExplorerWindow& owner);
    ~ExplorerDisplay() override;

    // The window, its context and the pictures; false when the window could
    // not be made.
    bool Create(HWND parent);
    bool HasContext() const noexcept { return gl_ != nullptr; }
    SkyGlWin* Gl() const noexcept { return gl_.get(); }
    // The context and its lists go, with this display's own context made
    // current, while the window and its DC still exist.
    void Teardown();
    // Replaces the pictures (rows as the loader gives them); an empty ring
    // keeps none.
    void SetPictures(const ExplorerImage& planet, const ExplorerImage& ring);
    bool Textured() const noexcept { return textured_; }

    // Sets its place in the parent's client area for the pixel aspect.
    void Layout(double pixelAspect);
    // Draws a frame into the back buffer; with `swap` shows it.
    void Render(bool swap);
    const DrawnMoons& Drawn() const noexcept { return drawn_; }
    // The kind's orbits, or the display's own when the kind shares none.
    const ExplorerOrbitCache& Orbits() const noexcept;
    // The drawn moon nearest a client point, or -1.
    int HitTest(int x, int y) const;

    void StartHighlight();
    bool HighlightShown() const noexcept { return highlight_.Shown(); }
    void EndHighlight(bool byTimer);
    // The menu of `moon` (-1: none) at a client point.
    void ShowContextMenu(int moon, POINT client);
    void OnCommand(int id);

    static bool RegisterDisplayClass(HINSTANCE instance, const wchar_t* name);

protected:
    void GetTooltipText(int x, int y, String& text) override;

private:
    LRESULT HandleDisplayMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void LoadPictures();
    void UploadAtlas(bool night);
    ExplorerFrame Frame();

    ExplorerWindow& owner_;
    const ExplorerGeometry geometry_;
    ExplorerOrbitCache orbits_;
    HDC dc_ = nullptr;
    std::unique_ptr<SkyGlWin> gl_;
    int nameHeight_ = 13;
    ExplorerImage planet_;
    ExplorerImage ring_;
    // The kind's pictures when they are this display's; none after SetPictures.
    ExplorerPictureSet* shared_ = nullptr;
    bool textured_ = false;
    int atlasNight_ = -1;  // the night state of the texture in GL; -1 none
    DrawnMoons drawn_;
    HighlightFlash highlight_{kExplorerHighlightTimer, kExplorerHighlightMilliseconds};
    int menuMoon_ = -1;
};

// A window's view and placement, as saved and as a new window starts.
struct ExplorerWindowState {
    WindowGeometry geometry;
    ExplorerViewRecord view;
};

class ExplorerWindow : public MdiChildWindow, public ExplorerView, public PanelWindow,
                       private NotificationObserver {
public:
    using State = ExplorerWindowState;

    ExplorerWindow(ChildWindowHost& host, ExplorerDocument& document, const ExplorerKindTraits& traits,
                   const ExplorerWindowContext& context);
    ~ExplorerWindow() override;

    // The MDI child and its display with the record's view and placement.
    bool CreateFromRecord(const State& state, ChildShowMode mode);
    State CaptureState() const;
    // The record's view (placeholders and values out of range take the new
    // window's) and, once the MDI child exists, its placement.
    void ApplyRecord(const State& state, bool refresh);
    using ExplorerView::ApplyRecord;
    // Caption, orbit cache, the display repainted at once, and the panel
    // when it shows this window.
    void UpdateView(bool panel = true);
    void LayOutDisplay();

    ExplorerDisplay* Display() const noexcept { return display_.get(); }
    ExplorerActions& Actions() const;
    const ExplorerWindowContext& Context() const noexcept { return context_; }
    bool NightVision() const { return context_.nightVision && context_.nightVision(); }
    bool WheelBurstOpen() const noexcept { return wheelBurst_.Active(); }
    // The options dialog; on OK one step when something changed.
    void ChangeOptions();
    // The context menu of the selection (Shift+F10, the menu key).
    void ShowSelectionMenu();
    // The kind's panel while it shows this window, else none.
    ExplorerControlPanel* ShownPanel() const;

    // MdiChildWindow
    String GetStatusText() const override;
    void OnMouseWheelSteps(int steps, bool backward) override;
    CommandHistory* History() override { return &GetCommandHistory(); }
    bool Duplicate() override;
    PanelWindow* AsPanelWindow() override { return this; }
    void DescribeForRelatedTasks(RelatedTaskSource& source) override;

    // PanelWindow
    HWND GetWindowHandle() const override { return Handle(); }
    void WheelZoom(int steps) override { OnMouseWheelSteps(steps < 0 ? -steps : steps, steps < 0); }

    // ExplorerView
    void StartViewTransition() override;
    void RefreshWindow(int argument) override;

    static bool RegisterClasses(HINSTANCE instance, const ExplorerKindTraits& traits);
    static void UnregisterClasses(HINSTANCE instance, const ExplorerKindTraits& traits);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void InvalidatePicture() override {}

private:
    void Update(void* value) override;
    void OnStepPerformed(int flag);
    void EraseBands(HDC dc) const;

    ExplorerDocument& document_;
    DocumentViewLink viewLink_{document_, *this};
    ExplorerWindowContext context_;
    WheelBurst wheelBurst_;
    std::unique_ptr<ExplorerDisplay> display_;
};

// The window of one kind: what the shared kind helper asks of the class.
template <const ExplorerKindTraits& (*KindTraits)() noexcept>
class ExplorerWindowOf final : public ExplorerWindow {
public:
    ExplorerWindowOf(ChildWindowHost& host, ExplorerDocument& document, const ExplorerWindowContext& context)
        : ExplorerWindow(host, document, KindTraits(), context) {}
    static State NewWindowState() { return State{WindowGeometry{}, NewExplorerViewRecord(KindTraits())}; }
};
using JupiterExplorerWindow = ExplorerWindowOf<JupiterExplorerTraits>;
using SaturnExplorerWindow = ExplorerWindowOf<SaturnExplorerTraits>;

// The moons of the document as the theories give them.
MoonPositions ExplorerDocumentMoons(const ExplorerDocument& document);

// The window and display class names of a kind.
const wchar_t* ExplorerWindowClass(const ExplorerKindTraits& traits);
const wchar_t* ExplorerDisplayClass(const ExplorerKindTraits& traits);

// Shows the explorer of the kind (the window the kind's Show activates, or a
// new one when none is open) at `moment` (none: its own): as one undoable time step in a window
// that was open, directly in one made for it. The selected moon stays the
// window's. False when no window could be shown.
bool ShowBodyInExplorerWindow(ChildWindows& children, const ExplorerKindTraits& traits, const DateTime* moment);

// The kind with its shared document, made at start-up.
std::unique_ptr<ChildWindowKind> MakeExplorerWindowKind(const ExplorerKindTraits& traits,
                                                        const ExplorerWindowContext& context);
// The kind's document, for the tests and the script host.
ExplorerDocument* ExplorerKindDocument(ChildWindowKind& kind);

}  // namespace corvinata
