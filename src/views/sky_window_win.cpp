#include "views/sky_window_win.h"

#include <algorithm>

#include "app/help_topics_win.h"
#include "app/location_settings.h"
#include "app/related_task_groups.h"
#include "app/window_records.h"
#include "app/sky_body_computer.h"
#include "base/angle_value.h"
#include "base/services.h"
#include "base/text_format.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/star_catalogue.h"
#include "controls/select_body_dialog.h"
#include "resources/resource_ids.h"
#include "views/display_context_menu_win.h"
#include "views/sky_display_win.h"
#include "views/sky_options_dialog_win.h"
#include "views/sky_panel_win.h"
#include "controls/observer_control.h"
#include "views/sky_layers.h"
#include "views/sky_view.h"

namespace corvinata {

namespace {

constexpr RecordKeyNames kSkyModelNames{TXT("Time and location")};

// The first body of the Select Body list: what a new window selects.
BodyIdentifier FirstSelectableBody() {
    const Catalogue* sun = CatalogueByType(kBodySun);
    return BodyIdentifierFromObject(sun ? sun->CatalogueGetObjectAt(0) : nullptr);
}

// The flags a document notification means for a window: a hint's code is
// the change itself (time 0x40, place 0x80, both 0xC0, options 0x08); the
// texts of an appearance change redraw like an options change.
std::uint32_t FlagsOfHint(const SkyViewHint* hint, bool& everything) {
    everything = !hint || hint->code == SkyViewHint::kEverything;
    if (everything) return 0;
    return hint->code == SkyViewHint::kTextsChanged ? kSkyChangeOptions : static_cast<std::uint32_t>(hint->code);
}

}  // namespace

void SkyWindowHistory::OnCommandsPerformed(int flag) {
    if (flag == 0 || changeBits == 0) return;
    const std::uint32_t bits = changeBits;
    constexpr std::uint32_t kDocumentWide =
        kSkyChangeDateTime | kSkyCoordinateOptionsChanged | kSkyViewOptionsChanged | kSkyOtherOptionsChanged;
    if (ChangedWindow() == nullptr || (bits & kDocumentWide)) {
        // The shared document's moment or a change of options: every Sky
        // window redraws once.
        SkyViewHint hint;
        hint.code = static_cast<std::int32_t>(bits);
        window_.GetDocument().DocumentNotifyViews(&hint);
    } else {
        window_.UpdateView(bits, false);
    }
}

SkyWindow::SkyWindow(ChildWindowHost& host, SkyDocument& document, const SkyWindowContext& context)
    : MdiChildWindow(host, document),
      SkyView(document, std::make_unique<SkyWindowHistory>(*this)),
      context_(context) {}

SkyWindow::~SkyWindow() = default;

bool SkyWindow::RegisterClasses(HINSTANCE instance) {
    // No background: the display covers the whole window.
    return RegisterMdiChildClass(instance, {kSkyWindowClass, ICO_SKY, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr,
                                            kMainMenuName}) &&
           SkyDisplay::RegisterDisplayClass(instance);
}

void SkyWindow::UnregisterClasses(HINSTANCE instance) {
    SkyDisplay::UnregisterDisplayClass(instance);
    UnregisterClassW(kSkyWindowClass, instance);
}

SkyWindowState SkyWindow::NewWindowState() {
    SkyWindowState state;
    SkyModelDefaults(state, FirstSelectableBody());
    return state;
}

SkyWindowState SkyWindow::TakeView(const SkyWindowState& requested) {
    SkyWindowState state = requested;
    SanitiseSkyWindowState(state, NewWindowState());
    direction_ = ViewDirection{state.viewLambda, state.viewPhi};
    fieldOfView_ = state.fieldWidth;
    options_ = state.options;
    selected_ = state.selectedBody;
    return state;
}

bool SkyWindow::CreateFromRecord(const SkyWindowState& requested, ChildShowMode mode) {
    const SkyWindowState state = TakeView(requested);
    if (!RegisterClasses(context_.instance)) return false;
    if (!Create(kSkyWindowClass, context_.instance, state.geometry, mode)) return false;
    display_ = std::make_unique<SkyDisplay>(*this);
    if (!display_->Create(Handle(), context_.instance, context_.displayFont, context_.symbolFont)) return false;
    SetChildTitle();
    return true;
}

SkyWindowState SkyWindow::CaptureState() const {
    SkyWindowState state;
    CaptureGeometry(Handle(), state.geometry);
    state.geometry.fieldMask = kGeometryAll;
    state.viewLambda = direction_.azimuth;
    state.viewPhi = direction_.altitude;
    state.fieldWidth = fieldOfView_;
    state.options = options_;
    state.selectedBody = selected_;
    return state;
}

void SkyWindow::ApplyRecord(const SkyWindowState& requested, bool refresh) {
    const SkyWindowState state = TakeView(requested);
    if (Handle()) ApplyGeometry(state.geometry, Handle());
    if (refresh) UpdateView(0, true);
}

void SkyWindow::UpdateView(std::uint32_t flags, bool everything) {
    SetChildTitle();
    if (!everything && flags == kSkyChangeSelection) {
        // Only the selection: the chart shows it only while the highlight
        // ring is on, and then the ring moves.
        if (highlight_ && display_ && display_->Window()) InvalidateRect(display_->Window(), nullptr, FALSE);
    } else if (display_) {
        display_->Redraw(flags, everything);
    }
    if (SkyControlPanel* panel = AttachedPanel()) panel->ShowWindowChange(flags, everything);
}

SkyControlPanel* SkyWindow::AttachedPanel() const {
    SkyControlPanel* panel = context_.panel;
    return panel && panel->GetAttachedWindow() == static_cast<const PanelWindow*>(this) ? panel : nullptr;
}

void SkyWindow::ShowOptionsDialog() {
    // Another window may have changed the application's flag since.
    timeFlag_ = context_.app.GetStarsFixed();
    bool starsFixed = timeFlag_;
    SkyOptions options = options_;
    if (!ShowSkyOptionsDialog(Handle(), context_.app.DialogStates().skyOptions, starsFixed, options)) return;
    Actions().ChangeOptions(*this, options, kSkyOptionsWhole, starsFixed, nullptr);
}

void SkyWindow::StartWith(const BodyIdentifier* body, int centreMode, const DateTime* moment) {
    if (moment) GetDocument().SetDateTime(*moment, GetTimeFlag(), false);
    if (body) SelectBody(*body, centreMode, 0, 0);
    if (moment) {
        // The document's moment: every window of it redraws.
        GetDocument().DocumentNotifyViews(nullptr);
    } else {
        UpdateView(0, true);
    }
    if (body) Highlight();
}

void SkyWindow::Update(void* value) {
    bool everything = false;
    const std::uint32_t flags = FlagsOfHint(static_cast<const SkyViewHint*>(value), everything);
    UpdateView(flags, everything);
}

String SkyWindow::GetStatusText() const {
    // The azimuth as the user reads it: the compass, or the right ascension.
    const ViewDirection readable{ReadableAzimuth(direction_.azimuth, options_.mapType), direction_.altitude};
    return FormatDirectionText(readable);
}

void SkyWindow::OnMouseWheelSteps(int steps, bool backward) {
    if (steps <= 0) return;
    const int before = fieldOfView_;
    Actions().ZoomStep(*this, steps, backward ? 1 : 0, wheelBurst_.Active());
    wheelBurst_.Notched(Handle(), fieldOfView_ != before);
}

// The chart's own moment and its selected body.
void SkyWindow::DescribeForRelatedTasks(RelatedTaskSource& source) {
    source.date = GetSkyDocument().GetTimeAndPlace().dateTime;
    source.body = GetSelectedBody();
}

bool SkyWindow::Duplicate() { return DuplicateWindow(*this, context_.children, kSkyWindow) != nullptr; }

void SkyWindow::Highlight() {
    SkyView::Highlight();
    // The panel's "&Highlight" waits for the flash to end (EndHighlight).
    if (SkyControlPanel* panel = AttachedPanel()) panel->DisableHighlight();
    if (display_) display_->StartHighlight();
}

// The flag holds for every Sky window, so the application keeps it; the
// window's copy lets "Change Sky Options" undo it.
void SkyWindow::SetTimeFlag(bool flag) {
    SkyView::SetTimeFlag(flag);
    context_.app.Current().RestoreStarsFixed(flag);
}

// With "Keep stars fixed" the stars turn with the application's clock.
DateTime SkyWindow::StarsMoment() const {
    return GetStarsFixed() ? GetApplicationDateTime() : SkyView::StarsMoment();
}

void SkyWindow::CentreOnSelection(int centreMode, bool movePointer, bool flash) {
    if (!display_) {
        SkyView::CentreOnSelection(centreMode, movePointer, flash);
        return;
    }
    display_->CenterOnObject(centreMode, selected_.object, movePointer, flash, true);
}

void SkyWindow::EndHighlight() {
    highlight_ = false;
    // The panel's "&Highlight" waited for the flash to end.
    if (context_.windows) context_.windows->FocusSkyPanelHighlight();
}

void SkyWindow::GetDirection(double& azimuth, double& altitude) const {
    azimuth = direction_.azimuth;
    altitude = direction_.altitude;
}

DateTime SkyWindow::GetApplicationDateTime() const { return context_.app.Current().GetTimeAndLocation().dateTime; }

void SkyWindow::ShowSelectionMenu() {
    if (!display_ || !display_->Window()) return;
    POINT at{0, 0};
    RECT client{};
    GetClientRect(display_->Window(), &client);
    at = POINT{client.right / 2, client.bottom / 2};
    int x = 0;
    int y = 0;
    if (selected_.object && display_->Renderer() && display_->Renderer()->SkyProjectObject(*selected_.object, x, y)) {
        at = POINT{x, y};
    }
    display_->ShowContextMenu(selected_.object, at);
}

bool SkyWindow::FindObject() {
    ApplicationDialogStates& states = context_.app.DialogStates();
    SelectBodyDialogParams params;
    params.placement = &states.selectBody.geometry;
    BodyIdentifier selection = states.selectBody.selected.object ? states.selectBody.selected : selected_;
    if (!corvinata::FindInSky(Handle(), Actions(), *this, params, selection)) return false;
    states.selectBody.selected = selection;
    return true;
}

LRESULT SkyWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (display_) display_->Resize();
        UpdateView(0, false);
        break;
    case WM_TIMER:
        if (wheelBurst_.OnTimer(Handle(), wParam)) return 0;
        break;
    case WM_ENTERSIZEMOVE:
        if (display_) display_->SetSizing(true);
        break;
    case WM_EXITSIZEMOVE:
        if (display_) {
            display_->SetSizing(false);
            display_->Resize();
        }
        UpdateView(0, false);
        break;
    case WM_CONTEXTMENU:
        // Shift+F10 and the menu key: the menu of the selection.
        if (!AsksForSelectionMenu(Handle(), wParam, lParam)) break;
        ShowSelectionMenu();
        return 0;
    case WM_DESTROY:
        // The GL context goes before the windows it draws into start going.
        if (display_) display_->Teardown();
        break;
    case WM_HELP:
        ShowHelpTopic(Handle(), HelpPage::SkyWindow);
        return TRUE;
    default:
        break;
    }
    return MdiChildWindow::HandleMessage(message, wParam, lParam);
}

bool SkyWindowCanShow(const CelestialObject* object) {
    if (!object) return false;
    switch (object->GetTypeId()) {
    case kBodySun:
    case kBodyMoon:
    case kBodyPlanet:
    case kBodyStar:
    case kBodyConstellation:
    case kBodyDeepSky:
        return true;
    default:
        return false;
    }
}

namespace {

// The observer dial drives the active Sky window.
class SkyDialWindow final : public SkyWindowDial {
public:
    explicit SkyDialWindow(SkyWindow& window) : SkyWindowDial(window, window.Actions()), window_(window) {}
    bool ShowsHourAngles() const override { return window_.GetOptions().mapType == 1; }
    void SetDragIndicator(int) override {}
    void SetDragDrawing(bool dragging) override {
        if (window_.Display()) window_.Display()->SetSizing(dragging);
    }
    void UpdateView() override { window_.UpdateView(kSkyChangeDirection, false); }

private:
    SkyWindow& window_;
};

// The Sky windows in the saved session: the document's moment and place,
// each window's view, and the panel's settings.
class SkyWindowKind final : public SharedDocumentKind<SkyWindow, SkyDocument>, private ObserverControlHost {
public:
    explicit SkyWindowKind(const SkyWindowContext& context)
        : SharedDocumentKind(kSkyWindow, context.children, kSkyModelNames),
          context_(context),
          document_(context.app.GetNotificationHub(), context.app.Current(), computer_) {
        // At start-up, as every kind's classes.
        SkyWindow::RegisterClasses(context_.instance);
        SkyPrecomputeStarVectors();
        if (context_.panelPane) {
            Application& app = context_.app;
            panel_ = std::make_unique<SkyControlPanel>(
                app.GetSkyActions(), [&app] { return app.GetStarsFixed(); },
                [&app] { return app.Current().GetTimeAndLocation().dateTime; },
                [&app] { return static_cast<int>(app.Options().general.constellationLanguage); });
            if (panel_->Create(context_.instance, context_.panelPane, context_.modeless)) {
                ShowWindow(panel_->GetDialogWindow(), SW_HIDE);
                context_.panel = panel_.get();
            } else {
                panel_.reset();
            }
        }
        SetObserverControlHost(this);
    }
    ~SkyWindowKind() override {
        SetObserverControlHost(nullptr);
        panel_.reset();
        SkyFreeStarVectors();
    }
    ControlPanel* Panel() override { return panel_.get(); }

    // ObserverControlHost
    ObserverDialSky* ActiveSkyWindow() override {
        auto* active = dynamic_cast<SkyWindow*>(context_.children.ActiveWindowOf(kSkyWindow));
        if (!active) {
            dial_.reset();
            return nullptr;
        }
        if (!dial_ || dialWindow_ != active) {
            dial_ = std::make_unique<SkyDialWindow>(*active);
            dialWindow_ = active;
        }
        return dial_.get();
    }
    int ResourceFontLineHeight() const override { return 13; }

    void UnregisterClasses() override { SkyWindow::UnregisterClasses(context_.instance); }
    SkyDocument& Document() override { return document_; }
    const SkyDocument& Document() const override { return document_; }

    bool SavePanel(SettingsTreeWriter& writer) override {
        if (!panel_) return true;
        return SavePanelOptions(PanelKind::Sky, panel_->ReadSettings(), writer);
    }
    void LoadPanel(SettingsTree& tree) override {
        if (!panel_) return;
        PanelSettings settings;
        LoadPanelOptions(PanelKind::Sky, settings, tree);
        panel_->ApplySettings(settings);
    }

private:
    std::unique_ptr<SkyWindow> NewWindowObject(ChildWindowHost& host) override {
        return std::make_unique<SkyWindow>(host, document_, context_);
    }
    bool SaveWindowRecord(const SkyWindowState& state, SettingsTreeWriter& writer) override {
        return SaveSkyOptions(state, writer);
    }
    bool LoadWindowRecord(SkyWindowState& state, SettingsTree& tree) override { return LoadSkyOptions(state, tree); }
    void RestoreMoment(const TimeAndPlace& moment) override { document_.SetTimeAndPlace(moment, false); }

    SkyWindowContext context_;
    CatalogueSkyComputer computer_;
    SkyDocument document_;
    std::unique_ptr<SkyControlPanel> panel_;
    std::unique_ptr<SkyDialWindow> dial_;
    SkyWindow* dialWindow_ = nullptr;
};

}  // namespace

std::unique_ptr<ChildWindowKind> MakeSkyWindowKind(const SkyWindowContext& context) {
    return std::make_unique<SkyWindowKind>(context);
}

bool ShowBodyInSkyWindow(ChildWindows& children, SkyActions& actions, const BodyIdentifier& body,
                         const DateTime* dateTime) {
    const bool momentOnly = body.object == nullptr && dateTime;
    if (!momentOnly && !SkyWindowCanShow(body.object)) return false;
    bool created = false;
    auto* window = dynamic_cast<SkyWindow*>(children.ShowWindow(kSkyWindow, &created));
    if (!window) return false;
    if (momentOnly) {
        if (created) {
            window->StartWith(nullptr, 0, dateTime);
        } else {
            actions.GoTo(*window, *dateTime, window->GetTimeFlag(), kChangeWhole, nullptr);
        }
        return true;
    }
    const BodyIdentifier shown = BodyIdentifierFromObject(SkySelectableObject(body.object));
    if (created) {
        // At a moment the body is centred; otherwise turned to only when
        // it lies outside the field.
        window->StartWith(&shown, dateTime ? 2 : 1, dateTime);
    } else if (dateTime) {
        actions.ShowAt(*window, shown, *dateTime, window->GetTimeFlag());
    } else {
        actions.SelectPair(*window, shown, 1, 0, 0, nullptr);
        window->Highlight();
    }
    return true;
}

}  // namespace corvinata
