// The Solar System window: an MDI child that shows the plan of the shared
// Solar System document through its display. Each window keeps its own
// options, zoom and selection and its own undo history; every edit is a step
// of the Solar System actions.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/application.h"
#include "app/solar_system_commands.h"
#include "app/window_settings.h"
#include "app/window_services.h"
#include "controls/child_windows.h"
#include "controls/mdi_child_window.h"
#include "views/display_window_win.h"
#include "views/display_window_context.h"
#include "views/highlight_flash_win.h"
#include "views/shared_document_kind_win.h"
#include "views/solar_system_panel_win.h"
#include "views/solar_system_plan.h"

namespace corvinata {

class SolarSystemWindow;

constexpr const wchar_t* kSolarSystemWindowClass = L"CorvinataMdiChildSol";
constexpr const wchar_t* kSolarSystemDisplayClass = L"CorvinataSolDisp";
constexpr UINT kSolarHighlightMilliseconds = 500;
constexpr UINT_PTR kSolarHighlightTimer = 1;

// After each step the window it changed updates once, or every window of
// the document when the shared moment moved.
class SolarSystemWindowHistory final : public SolarSystemCommandHistory {
public:
    explicit SolarSystemWindowHistory(SolarSystemWindow& window) : window_(window) {}

protected:
    void OnCommandsPerformed(int flag) override;

private:
    SolarSystemWindow& window_;
};

// What a Solar System window needs of the program besides its document.
struct SolarSystemWindowContext : DisplayWindowContext {
    // Set by the kind once its panel exists.
    SolarControlPanel* panel = nullptr;
};

// The display child: paints the plan straight to the window, answers
// clicks, the context menu and the hover tip, and shows the highlight ring.
class SolarSystemDisplay final : public DisplayWindow {
public:
    explicit SolarSystemDisplay(SolarSystemWindow& owner) : owner_(owner) {}

    bool Create(HWND parent, HINSTANCE instance);
    void Resize();
    void StartHighlight();
    bool HighlightShown() const noexcept { return highlight_.Shown(); }
    // The menu of `body` at the client point (right click, Shift+F10).
    void ShowContextMenu(PlanBody body, POINT client);
    void OnCommand(int id);
    // The scene one paint draws.
    PlanScene Scene() const;

    static bool RegisterDisplayClass(HINSTANCE instance);
    static void UnregisterDisplayClass(HINSTANCE instance);

protected:
    void GetTooltipText(int x, int y, String& text) override;

private:
    LRESULT HandleDisplayMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnHighlightTimer();
    PlanBody HitTest(int x, int y) const;

    SolarSystemWindow& owner_;
    HINSTANCE instance_ = nullptr;
    HighlightFlash highlight_{kSolarHighlightTimer, kSolarHighlightMilliseconds};
    PlanBody menuBody_;
};

class SolarSystemWindow final : public MdiChildWindow,
                                public SolarSystemWindowCommands,
                                public PanelWindow,
                                private NotificationObserver {
public:
    using State = SolarSystemWindowState;

    SolarSystemWindow(ChildWindowHost& host, SolarSystemDocument& document, const SolarSystemWindowContext& context);
    ~SolarSystemWindow() override;

    bool CreateFromRecord(const SolarSystemWindowState& state, ChildShowMode mode);
    SolarSystemWindowState CaptureState() const;
    // Takes options, zoom and selection of the record (a zoom outside 0..8
    // the default, a body outside the catalogues no selection) and, once the
    // MDI child exists, its placement; with `refresh` the window redraws.
    void ApplyRecord(const SolarSystemWindowState& state, bool refresh);
    static SolarSystemWindowState NewWindowState();

    // Caption, then the whole display repainted at once.
    void UpdateView();
    SolarSystemDisplay* Display() const noexcept { return display_.get(); }
    SolarSystemActions& Actions() const noexcept { return context_.app.GetSolarSystemActions(); }
    const SolarSystemWindowContext& Context() const noexcept { return context_; }
    bool NightVision() const { return context_.nightVision && context_.nightVision(); }
    // The options dialog; on OK one step when something changed.
    void ChangeOptions();
    // What a window made to show a body starts with, taken directly and
    // with nothing to undo: `moment` (when given) becomes the document's,
    // and the body is selected (the zoom widened to it) and highlighted.
    void StartWith(const BodyIdentifier& body, const DateTime* moment);
    void ShowSelectionMenu();
    bool WheelBurstActive() const noexcept { return wheelBurst_.Active(); }

    // MdiChildWindow
    String GetStatusText() const override;
    void OnMouseWheelSteps(int steps, bool backward) override;
    CommandHistory* History() override { return &history_; }
    bool Duplicate() override;
    void DescribeForRelatedTasks(RelatedTaskSource& source) override;
    PanelWindow* AsPanelWindow() override { return this; }

    // PanelWindow
    HWND GetWindowHandle() const override { return Handle(); }
    void WheelZoom(int steps) override { OnMouseWheelSteps(steps < 0 ? -steps : steps, steps < 0); }
    // The kind's panel while it shows this window, else none.
    SolarControlPanel* ShownPanel() const;

    // SolarSystemWindowCommands
    void Highlight() override;
    SolarSystemDocument& GetDocument() override { return document_; }
    const SolarSystemOptions& GetOptions() const override { return options_; }
    BodyIdentifier GetSelectedBody() const override { return selected_; }
    SolarSystemCommandHistory& GetCommandHistory() override { return history_; }
    int GetZoomedPlanet() const override { return zoom_; }
    void SetOptions(const SolarSystemOptions& options) override { options_ = options; }
    void SelectBody(const BodyIdentifier& body, int zoomMode, int zoomArgument) override;
    void SetZoomedPlanet(int planet) override { zoom_ = NormaliseSolarZoom(planet); }
    void RefreshDisplay() override { UpdateView(); }

    const SolarSystemDocument& SolarDocument() const noexcept { return document_; }

    static bool RegisterClasses(HINSTANCE instance);
    static void UnregisterClasses(HINSTANCE instance);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Update(void* value) override;

    SolarSystemDocument& document_;
    SolarSystemWindowContext context_;
    DocumentViewLink viewLink_{document_, *this};
    SolarSystemOptions options_;
    int zoom_ = kDefaultSolarZoom;
    BodyIdentifier selected_;
    SolarSystemWindowHistory history_{*this};
    WheelBurst wheelBurst_;
    std::unique_ptr<SolarSystemDisplay> display_;
};

// The plan's body of a catalogue object (Sun, Moon, planet, Earth), false
// for any other.
bool PlanBodyOfObject(const CelestialObject* object, PlanBody& body);
// The catalogue object of a plan body.
const CelestialObject* ObjectOfPlanBody(PlanBody body);
// Whether a Solar System window can show the object: Sun, Moon, planets,
// the Earth.
bool SolarSystemWindowCanShow(const CelestialObject* object);
// The planet number whose orbit a selection of the body needs: the Sun
// Mercury's, the Moon the Earth's, a planet or the Earth its own.
int ZoomReferenceNumber(const CelestialObject* object);

std::unique_ptr<ChildWindowKind> MakeSolarSystemWindowKind(const SolarSystemWindowContext& context);

// Shows the body in a Solar System window (the one the kind's Show
// activates, or a new one when none is open) at the moment: as one step in a window
// that was open, directly in a new one.
bool ShowBodyInSolarSystemWindow(ChildWindows& children, SolarSystemActions& actions, const BodyIdentifier& body,
                                 const DateTime& moment);
// The same at the document's own moment: the body selected (the zoom widened
// to it) and highlighted.
bool ShowBodyInSolarSystemWindow(ChildWindows& children, SolarSystemActions& actions, const BodyIdentifier& body);

}  // namespace corvinata
