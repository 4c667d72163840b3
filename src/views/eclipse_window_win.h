// The Solar Eclipse window (class "CorvinataMdiChildSec"): an MDI child over
// its own Solar Eclipse document, showing the eclipse map in its display
// window. The view state is an EclipseView; every change the user makes is
// a step of the Solar Eclipse actions, and after each step the window
// refreshes its caption, its map (or just the observer's marks) and its
// control panel. Wheel notches within a second of the first one that
// zoomed join one step.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/application.h"
#include "app/window_services.h"
#include "controls/child_windows.h"
#include "controls/mdi_child_window.h"
#include "views/eclipse_display_win.h"
#include "views/eclipse_panel_win.h"

namespace corvinata {

class SolarEclipseKind;

class SolarEclipseWindow final : public MdiChildWindow, public EclipsePanelWindow, private EclipseDisplayOwner {
public:
    static constexpr const wchar_t* kClassName = L"CorvinataMdiChildSec";
    static constexpr UINT_PTR kMergeTimer = 1;
    static constexpr UINT kMergePeriod = 1000;

    SolarEclipseWindow(ChildWindowHost& host, std::unique_ptr<SolarEclipseDocument> document,
                       SolarEclipseKind& kind);
    ~SolarEclipseWindow() override;

    // The MDI child and its display; `record` (none: the kind's defaults at
    // the application's place) gives the view.
    bool Open(const WindowGeometry& geometry, ChildShowMode mode, const EclipseWindowState* record);

    String GetStatusText() const override { return view_.StatusText(); }
    void OnMouseWheelSteps(int steps, bool backward) override;
    PanelWindow* AsPanelWindow() override { return this; }
    CommandHistory* History() override { return &view_.GetCommandHistory(); }
    bool Duplicate() override;

    HWND GetWindowHandle() const override { return Handle(); }
    void WheelZoom(int steps) override { OnMouseWheelSteps(steps < 0 ? -steps : steps, steps < 0); }
    EclipseWindowCommands& GetCommands() override { return view_; }
    EclipsePanelReading ReadPanel() const override;
    double VisibleLongitudeSpan() const override { return view_.Projection().VisibleLongitudeSpan(); }
    double VisibleLatitudeSpan() const override { return view_.Projection().VisibleLatitudeSpan(); }

    // A window made to show an eclipse starts on its date, with nothing to
    // undo.
    void StartOnDate(const DateTime& date);
    void DescribeForRelatedTasks(RelatedTaskSource& source) override;

    EclipseView& View() noexcept { return view_; }
    const EclipseView& View() const noexcept { return view_; }
    EclipseDisplay& Display() noexcept { return display_; }
    // The layout record of the window: its placement and its view.
    EclipseWindowState CaptureRecord() const;
    bool IsMerging() const noexcept { return merging_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The view tells the window when a step has changed it.
    class ViewState final : public EclipseView {
    public:
        ViewState(SolarEclipseDocument& document, SolarEclipseWindow& window)
            : EclipseView(document), window_(window) {}

    private:
        void OnViewStepDone() override { window_.Refresh(); }
        SolarEclipseWindow& window_;
    };
    // The document's notifications (the angle format changed) and the
    // application's switch of night vision refresh the window.
    class DocumentListener final : public NotificationObserver {
    public:
        explicit DocumentListener(SolarEclipseWindow& window) : window_(window) {}
        void OnNotify(std::int32_t event, std::uint32_t flags, void*) override {
            // Event 0: the document tells its windows.
            if (event == 0 || (event == kEventAppearanceChanged && (flags & kNightVisionSwitched))) {
                window_.RefreshAll();
            }
        }
        void Update(void*) override { window_.RefreshAll(); }

    private:
        SolarEclipseWindow& window_;
    };

    // After a step: caption, map or marks, panel.
    void Refresh();
    // Everything again (the colours or the angle format changed).
    void RefreshAll();
    // The kind's panel, when it shows this window.
    void RefreshPanel();
    void OnSize();
    void EndMerging();

    const EclipseView& MapState() const override { return view_; }
    const std::vector<CountryOutline>* CountryOutlines() const override;
    bool NightVisionActive() const override;
    HFONT TextFont() const override;
    void MapClicked(const MapPoint& place) override;
    bool CanShowInSky() const override;
    void ShowInSky() override;
    bool CanShowInSolarSystem() const override { return false; }
    void ShowInSolarSystem() override {}
    void DuplicateWindow() override { Duplicate(); }

    SolarEclipseKind& kind_;
    std::unique_ptr<SolarEclipseDocument> document_;
    ViewState view_;
    DocumentListener listener_{*this};
    EclipseDisplay display_{*this};
    bool merging_ = false;
};

// What the Solar Eclipse kind needs of the program around it.
struct SolarEclipseKindServices {
    HINSTANCE instance = nullptr;
    Application* application = nullptr;
    ChildWindows* children = nullptr;
    ChildWindowRegistry* registry = nullptr;
    std::function<bool()> nightVision;
    // The font of the explanation without an eclipse (not owned).
    HFONT textFont = nullptr;
    // Where its control panel lives; none: the kind has no panel.
    HWND panelParent = nullptr;
    ModelessDialogs* dialogs = nullptr;
    // The other windows (the Sun in the sky); none: the window leads nowhere.
    WindowServices* windows = nullptr;
};

// The Solar Eclipse kind: its classes, its control panel, the documents
// made for new and restored windows, the country outlines (read once) and
// its part of the saved session.
class SolarEclipseKind final : public ChildWindowKind, private WindowKindState, private PanelServices {
public:
    explicit SolarEclipseKind(const SolarEclipseKindServices& services);
    ~SolarEclipseKind() override;

    int Kind() const override { return kSolarEclipseWindow; }
    WindowDocument* NewDocument() override;
    std::unique_ptr<MdiChildWindow> MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                               const WindowGeometry& geometry, ChildShowMode mode,
                                               const MdiChildWindow* model) override;
    ControlPanel* Panel() override { return panel_ ? panel_.get() : nullptr; }
    WindowKindState* SessionState() override { return this; }
    void UnregisterClasses() override;

    const SolarEclipseKindServices& Services() const noexcept { return services_; }
    bool NightVisionOn() const { return services_.nightVision && services_.nightVision(); }
    SolarEclipseActions& Actions() { return services_.application->GetSolarEclipseActions(); }
    const std::vector<CountryOutline>* Outlines() const;
    EclipseControlPanel* EclipsePanel() noexcept { return panel_.get(); }
    // A new window showing what `model` shows, over a copy of its document.
    bool DuplicateOf(const SolarEclipseWindow& model);

private:
    // WindowKindState.
    bool SavePanel(SettingsTreeWriter& writer) override;
    void LoadPanel(SettingsTree& tree) override;
    int DocumentCount() const override;
    int WindowCount(int document) const override;
    bool SaveModel(int document, SettingsTreeWriter& writer) override;
    bool SaveWindow(int document, int window, SettingsTreeWriter& writer) override;
    int LoadModel(SettingsTree& tree) override;
    bool LoadWindow(int document, SettingsTree& tree) override;
    void KeepWithoutWindows(int document) override;
    // PanelServices.
    DateTimeLocation CurrentTimeAndLocation() const override;
    bool IsNightVisionActive() const override;
    void ShowControlPanel(bool) override {}
    void RefreshRelatedTasks(PanelWindow&) override {}
    void ShowPicturePacksDialog(HWND) override {}

    // The document handed out for the window being made, and those read
    // back from the session that wait for their windows.
    std::unique_ptr<SolarEclipseDocument> TakeDocument(WindowDocument& document);
    SolarEclipseWindow* WindowAt(int document) const;
    void LoadOutlines();

    SolarEclipseKindServices services_;
    std::unique_ptr<EclipseControlPanel> panel_;
    std::vector<std::unique_ptr<SolarEclipseDocument>> waiting_;
    std::vector<SolarEclipseDocument*> restored_;
    const SolarEclipseWindow* duplicating_ = nullptr;
    const EclipseWindowState* restoring_ = nullptr;
    CountryShapes shapes_;
    bool shapesLoaded_ = false;
};

// Shows the eclipse of the date in the window the kind's Show activates (as
// its "Go to" does, one undoable step), or in a new one when none is open;
// false when no window could be shown.
bool ShowEclipseInWindow(ChildWindows& children, SolarEclipseActions& actions, const DateTime& date);

}  // namespace corvinata
