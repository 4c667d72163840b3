// The Sky window: an MDI child that shows the sky of the shared Sky
// document through its OpenGL display. Each window keeps its own view (the
// direction, the field, the options, the selection) and its own undo
// history; every edit is a step of the Sky actions.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/application.h"
#include "app/observer_dial.h"
#include "app/sky_commands.h"
#include "app/window_settings.h"
#include "app/window_services.h"
#include "controls/child_windows.h"
#include "controls/control_panel.h"
#include "controls/mdi_child_window.h"
#include "views/display_window_context.h"
#include "views/shared_document_kind_win.h"
#include "views/sky_render.h"
#include "views/sky_view.h"

namespace corvinata {

class SkyControlPanel;
class SkyDisplay;
class SkyWindow;

constexpr const wchar_t* kSkyWindowClass = L"CorvinataMdiChildSky";

// The history of a Sky window: after each step the window it changed, or
// every Sky window for a change of the shared document, updates once.
class SkyWindowHistory final : public SkyCommandHistory {
public:
    explicit SkyWindowHistory(SkyWindow& window) : window_(window) {}

protected:
    void OnCommandsPerformed(int flag) override;

private:
    SkyWindow& window_;
};

// What a Sky window needs of the program besides its document.
struct SkyWindowContext : DisplayWindowContext {
    // The kind's panel, refreshed after every change of its window.
    SkyControlPanel* panel = nullptr;
};

class SkyWindow final : public MdiChildWindow,
                        public SkyView,
                        public SkyRendererHost,
                        public PanelWindow,
                        private NotificationObserver {
public:
    using State = SkyWindowState;

    SkyWindow(ChildWindowHost& host, SkyDocument& document, const SkyWindowContext& context);
    ~SkyWindow() override;

    // The MDI child and its display, with the view of `state` (brought into
    // range first).
    bool CreateFromRecord(const SkyWindowState& state, ChildShowMode mode);

    // The view as the settings, the layouts and a duplicate keep it.
    SkyWindowState CaptureState() const;
    // Takes the view and the placement of the record (out-of-range fields
    // take the new-window defaults); with `refresh` the window redraws.
    void ApplyRecord(const SkyWindowState& state, bool refresh);
    // The new-window view.
    static SkyWindowState NewWindowState();

    // Redraw after a change: `flags` as the commands record them, or
    // `everything`.
    void UpdateView(std::uint32_t flags, bool everything);

    SkyDisplay* Display() const noexcept { return display_.get(); }
    SkyActions& Actions() const noexcept { return context_.app.GetSkyActions(); }
    const SkyWindowContext& Context() const noexcept { return context_; }
    void EndHighlight();
    // The context menu for the selection (Shift+F10 and the menu key).
    void ShowSelectionMenu();
    // The "Find Object..." dialog; true when a body was chosen.
    bool FindObject();

    // MdiChildWindow
    String GetStatusText() const override;
    void OnMouseWheelSteps(int steps, bool backward) override;
    CommandHistory* History() override { return &GetCommandHistory(); }
    bool Duplicate() override;
    void DescribeForRelatedTasks(RelatedTaskSource& source) override;
    PanelWindow* AsPanelWindow() override { return this; }

    // PanelWindow
    HWND GetWindowHandle() const override { return Handle(); }
    void WheelZoom(int steps) override {
        if (steps != 0) OnMouseWheelSteps(steps < 0 ? -steps : steps, steps < 0);
    }

    // "Sky &Options...": the dialog, and its edits as one step.
    void ShowOptionsDialog();
    // What a window made to show something starts with, taken directly and
    // with nothing to undo: `moment` (when given) becomes the document's,
    // and `body` (when given) is selected, centred as `centreMode` says and
    // highlighted.
    void StartWith(const BodyIdentifier* body, int centreMode, const DateTime* moment);

    // The view's steps that the window shows at once.
    void Highlight() override;
    void SetTimeFlag(bool flag) override;
    void RefreshDisplay() override { UpdateView(kSkyChangeZoom, false); }

    // SkyRendererHost
    const SkyOptions& GetSkyOptions() const override { return options_; }
    int GetFieldOfView() const override { return fieldOfView_; }
    void GetDirection(double& azimuth, double& altitude) const override;
    const SkyDocument& GetSkyDocument() const override { return skyDocument_; }
    bool GetStarsFixed() const override { return context_.app.GetStarsFixed(); }
    DateTime GetApplicationDateTime() const override;
    bool GetNightVision() const override { return context_.nightVision && context_.nightVision(); }
    bool GetHighlightOn() const override { return highlight_; }
    const CelestialObject* GetSelectedObject() const override { return selected_.object; }

    static bool RegisterClasses(HINSTANCE instance);
    static void UnregisterClasses(HINSTANCE instance);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    DateTime StarsMoment() const override;
    void CentreOnSelection(int centreMode, bool movePointer, bool flash) override;

private:
    void Update(void* value) override;
    // The kind's panel while it shows this window, else none.
    SkyControlPanel* AttachedPanel() const;
    // The view of the record brought into range becomes the window's; the
    // record as taken.
    SkyWindowState TakeView(const SkyWindowState& requested);

    SkyWindowContext context_;
    DocumentViewLink viewLink_{skyDocument_, *this};
    WheelBurst wheelBurst_;
    std::unique_ptr<SkyDisplay> display_;
};

// Whether a Sky window can show the object (Sun, Moon, planets, stars,
// constellations, deep sky).
bool SkyWindowCanShow(const CelestialObject* object);

// The Sky kind of child window: the shared Sky document over the property
// evaluation, its windows and their part of the saved session.
std::unique_ptr<ChildWindowKind> MakeSkyWindowKind(const SkyWindowContext& context);

// Shows the body in a Sky window (the one the kind's Show activates, or a
// new one when none is open), at `dateTime` when one is given; without a body,
// that window at `dateTime`. A window that was open takes it as one step, a
// new one directly. False when the window refused (a body the Sky cannot
// show, no window) and nothing changed.
bool ShowBodyInSkyWindow(ChildWindows& children, SkyActions& actions, const BodyIdentifier& body,
                         const DateTime* dateTime);

}  // namespace corvinata
