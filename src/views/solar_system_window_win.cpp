#include "views/solar_system_window_win.h"

#include <windowsx.h>

#include "app/help_topics_win.h"
#include "app/location_settings.h"
#include "app/related_task_groups.h"
#include "app/settings_records.h"
#include "app/solar_system_computer.h"
#include "base/registry_root.h"
#include "catalog/catalogue_registry.h"
#include "resources/resource_ids.h"
#include "views/display_context_menu_win.h"
#include "views/solar_system_gdi_win.h"
#include "views/solar_options_dialog_win.h"

namespace corvinata {

namespace {

constexpr RecordKeyNames kSolarModelNames{TXT("Time and location")};

String NameOf(const CelestialObject* object) { return object ? String(ObjectKeyName(*object)) : String(); }

String FullNameOf(const CelestialObject* object) {
    String name;
    if (object) object->CelestialObjectFullName(name);
    return name;
}

}  // namespace

bool PlanBodyOfObject(const CelestialObject* object, PlanBody& body) {
    if (!object) return false;
    switch (object->GetTypeId()) {
    case kBodySun:
    case kBodyMoon:
    case kBodyEarth:
        body = PlanBody{object->GetTypeId(), 0};
        return true;
    case kBodyPlanet:
        body = PlanBody{kPlanPlanet, object->Number()};
        return true;
    default:
        return false;
    }
}

const CelestialObject* ObjectOfPlanBody(PlanBody body) {
    const Catalogue* catalogue = CatalogueByType(body.type);
    return catalogue ? catalogue->CatalogueGetObjectAt(body.index) : nullptr;
}

bool SolarSystemWindowCanShow(const CelestialObject* object) {
    PlanBody body;
    return PlanBodyOfObject(object, body);
}

int ZoomReferenceNumber(const CelestialObject* object) {
    if (!object) return -1;
    switch (object->GetTypeId()) {
    case kBodySun:
        return 0;
    case kBodyMoon:
        return 2;
    default:
        return PlanetNumberOfObject(*object);
    }
}

// ---- the history ----------------------------------------------------------

void SolarSystemWindowHistory::OnCommandsPerformed(int flag) {
    if (flag == 0) return;
    if (timeChanged) {
        // The shared document moved: every window of it redraws once.
        window_.GetDocument().DocumentNotifyViews(nullptr);
    } else if (viewChanged) {
        window_.UpdateView();
    }
}

// ---- the display ----------------------------------------------------------

bool SolarSystemDisplay::RegisterDisplayClass(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ICO_SOLAR_SYSTEM));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszMenuName = kMainMenuName;
    wc.lpszClassName = kSolarSystemDisplayClass;
    return DisplayWindow::RegisterDisplayClass(wc);
}

void SolarSystemDisplay::UnregisterDisplayClass(HINSTANCE instance) {
    UnregisterClassW(kSolarSystemDisplayClass, instance);
}

bool SolarSystemDisplay::Create(HWND parent, HINSTANCE instance) {
    instance_ = instance;
    if (!CreateDisplayWindow(kSolarSystemDisplayClass, WS_CHILD | WS_VISIBLE | WS_BORDER, parent, instance)) return false;
    Resize();
    return true;
}

void SolarSystemDisplay::Resize() {
    if (!window_) return;
    RECT client{};
    GetClientRect(GetParent(window_), &client);
    SetWindowPos(window_, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SolarSystemDisplay::HandleDisplayMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_TIMER:
        if (highlight_.IsTimer(wParam)) OnHighlightTimer();
        return 0;
    case WM_LBUTTONDOWN: {
        const PlanBody body = HitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        owner_.Actions().SelectPair(owner_, BodyIdentifierFromObject(ObjectOfPlanBody(body)), 0, 0, nullptr);
        break;
    }
    case WM_RBUTTONDOWN: {
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ShowContextMenu(HitTest(point.x, point.y), point);
        break;
    }
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

PlanScene SolarSystemDisplay::Scene() const {
    PlanScene scene;
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    scene.width = client.right;
    scene.height = client.bottom;
    scene.options = owner_.GetOptions();
    scene.zoom = owner_.GetZoomedPlanet();
    scene.nightVision = owner_.NightVision();
    scene.positions = PlanPositionsOf(owner_.SolarDocument());
    PlanNamesFromCatalogues(scene.names);
    scene.hasSelection = PlanBodyOfObject(owner_.GetSelectedBody().object, scene.selected);
    scene.highlight = highlight_.Shown();
    return scene;
}

PlanBody SolarSystemDisplay::HitTest(int x, int y) const {
    const PlanScene scene = Scene();
    return HitTestSolarSystem(GetDrawingSquare(scene.width, scene.height), scene.positions, scene.zoom,
                              scene.options.moonOn, x, y);
}

void SolarSystemDisplay::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    {
        GdiPlanCanvas canvas(dc, owner_.Context().displayFont, owner_.Context().symbolFont);
        DrawSolarSystemPlan(Scene(), canvas);
    }
    EndPaint(window_, &paint);
}

// The ring stays for the whole highlight and goes with a full repaint, so
// an erase that comes in between can never leave a stray ring behind.
void SolarSystemDisplay::StartHighlight() {
    if (window_) highlight_.Start(window_);
}

void SolarSystemDisplay::OnHighlightTimer() {
    if (!highlight_.End(window_, true)) return;
    // The panel waited for the ring to go, also when it has since been
    // attached to another window.
    if (WindowServices* windows = owner_.Context().windows) windows->FocusSolarSystemPanelHighlight();
}

void SolarSystemDisplay::GetTooltipText(int x, int y, String& text) { text = FullNameOf(ObjectOfPlanBody(HitTest(x, y))); }

void SolarSystemDisplay::ShowContextMenu(PlanBody body, POINT client) {
    menuBody_ = body;
    DisplayContextMenu context(instance_, L"Menu_Sol");
    HMENU menu = context.Popup();
    if (!menu) return;
    context.FillNames(NameOf(ObjectOfPlanBody(body)));
    // Windows and tools the program does not offer stay gray.
    const WindowServices* windows = owner_.Context().windows;
    const CelestialObject* object = ObjectOfPlanBody(body);
    if (body.type == kPlanEarth || !windows || !windows->OffersWindowKind(kSkyWindow)) {
        EnableMenuItem(menu, CMD_SHOW_SKY, MF_BYCOMMAND | MF_GRAYED);
    }
    for (int id : {CMD_SHOW_PICTURE, CMD_SHOW_OBJECT_INFO}) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
    if (windows && object && windows->OffersObjectInfo()) {
        EnableMenuItem(menu, CMD_SHOW_OBJECT_INFO, MF_BYCOMMAND | MF_ENABLED);
    }
    // A body without a picture gets the Picture window's missing-picture text.
    if (windows && object && windows->OffersWindowKind(kPictureWindow)) {
        EnableMenuItem(menu, CMD_SHOW_PICTURE, MF_BYCOMMAND | MF_ENABLED);
    }
    context.Track(window_, client, TPM_RIGHTBUTTON);
}

void SolarSystemDisplay::OnCommand(int id) {
    switch (id) {
    case CMD_SHOW_SKY: {
        WindowServices* windows = owner_.Context().windows;
        if (menuBody_.type == kPlanEarth || !windows) break;
        windows->ShowBodyInSkyWindowAt(BodyIdentifierFromObject(ObjectOfPlanBody(menuBody_)),
                                       owner_.SolarDocument().GetDateTime());
        break;
    }
    case CMD_SHOW_OBJECT_INFO:
        if (const CelestialObject* body = ObjectOfPlanBody(menuBody_); body && owner_.Context().windows) {
            const DateTime moment = owner_.SolarDocument().GetDateTime();
            owner_.Context().windows->ShowObjectInfo(BodyIdentifierFromObject(body), &moment);
        }
        break;
    case CMD_SOLAR_SYSTEM_OPTIONS:
        owner_.ChangeOptions();
        break;
    case CMD_SHOW_PICTURE:
        if (const CelestialObject* body = ObjectOfPlanBody(menuBody_); body && owner_.Context().windows) {
            owner_.Context().windows->ShowBodyInPictureWindow(BodyIdentifierFromObject(body));
        }
        break;
    case CMD_DUPLICATE_WINDOW:
        owner_.Duplicate();
        break;
    default:
        break;
    }
}

// ---- the window -----------------------------------------------------------

SolarSystemWindow::SolarSystemWindow(ChildWindowHost& host, SolarSystemDocument& document,
                                     const SolarSystemWindowContext& context)
    : MdiChildWindow(host, document), document_(document), context_(context) {}

SolarSystemWindow::~SolarSystemWindow() = default;

bool SolarSystemWindow::RegisterClasses(HINSTANCE instance) {
    // The program's face colour by its number, which night vision changes.
    const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return RegisterMdiChildClass(instance, {kSolarSystemWindowClass, ICO_SOLAR_SYSTEM, CS_HREDRAW | CS_VREDRAW, face,
                                            kMainMenuName}) &&
           SolarSystemDisplay::RegisterDisplayClass(instance);
}

void SolarSystemWindow::UnregisterClasses(HINSTANCE instance) {
    SolarSystemDisplay::UnregisterDisplayClass(instance);
    UnregisterClassW(kSolarSystemWindowClass, instance);
}

SolarSystemWindowState SolarSystemWindow::NewWindowState() {
    SolarSystemWindowState state;
    state.options.moonOn = true;
    state.options.namesOn = true;
    state.options.signsOn = false;
    state.options.orbitsOn = true;
    state.options.function = 8388608;  // heliocentric longitude
    state.options.zodiacRightAscension = false;
    state.options.zodiacSigns = false;
    state.options.zodiacConstellations = false;
    state.options.zodiacSightLines = false;
    state.zoom = kDefaultSolarZoom;
    state.selectedType = kBodySun;
    state.selectedNumber = 0;
    return state;
}

bool SolarSystemWindow::CreateFromRecord(const SolarSystemWindowState& state, ChildShowMode mode) {
    ApplyRecord(state, false);
    if (!RegisterClasses(context_.instance)) return false;
    if (!Create(kSolarSystemWindowClass, context_.instance, state.geometry, mode)) return false;
    display_ = std::make_unique<SolarSystemDisplay>(*this);
    if (!display_->Create(Handle(), context_.instance)) return false;
    SetChildTitle();
    return true;
}

SolarSystemWindowState SolarSystemWindow::CaptureState() const {
    SolarSystemWindowState state;
    if (Handle()) CaptureGeometry(Handle(), state.geometry);
    state.geometry.fieldMask = kGeometryAll;
    state.options = options_;
    state.zoom = zoom_;
    PlanBody body;
    if (PlanBodyOfObject(selected_.object, body)) {
        state.selectedType = body.type;
        state.selectedNumber = body.index;
    } else {
        state.selectedType = 9;
        state.selectedNumber = 0;
    }
    return state;
}

void SolarSystemWindow::ApplyRecord(const SolarSystemWindowState& state, bool refresh) {
    options_ = state.options;
    zoom_ = NormaliseSolarZoom(state.zoom);
    // Type 9, or any type or index the catalogues do not hold: no selection.
    const CelestialObject* object = nullptr;
    if (state.selectedType >= kBodySun && state.selectedType <= kBodyEarth) {
        object = ObjectOfPlanBody(PlanBody{state.selectedType, state.selectedNumber});
    }
    selected_ = BodyIdentifierFromObject(object);
    if (Handle()) ApplyGeometry(state.geometry, Handle());
    if (refresh) UpdateView();
}

void SolarSystemWindow::UpdateView() {
    SetChildTitle();
    if (display_ && display_->Window()) {
        InvalidateRect(display_->Window(), nullptr, TRUE);
        UpdateWindow(display_->Window());
    }
    if (SolarControlPanel* panel = ShownPanel()) panel->ControlPanelUpdate(nullptr);
}

void SolarSystemWindow::Update(void*) { UpdateView(); }

SolarControlPanel* SolarSystemWindow::ShownPanel() const {
    SolarControlPanel* panel = context_.panel;
    return panel && panel->GetAttachedWindow() == static_cast<const PanelWindow*>(this) ? panel : nullptr;
}

String SolarSystemWindow::GetStatusText() const {
    String text(TXT("Zoomed to "));
    StringAppend(text, SolarSystemPlanetName(zoom_));
    return text;
}

void SolarSystemWindow::OnMouseWheelSteps(int steps, bool backward) {
    if (steps <= 0) return;
    const int before = zoom_;
    // Towards the user zooms out (towards Pluto).
    Actions().ZoomStep(*this, steps, backward ? 1 : 0, wheelBurst_.Active());
    wheelBurst_.Notched(Handle(), zoom_ != before);
}

// The plan's own moment and its selected body.
void SolarSystemWindow::DescribeForRelatedTasks(RelatedTaskSource& source) {
    source.date = document_.GetDateTime();
    source.body = GetSelectedBody();
}

bool SolarSystemWindow::Duplicate() {
    return DuplicateWindow(*this, context_.children, kSolarSystemWindow) != nullptr;
}

void SolarSystemWindow::Highlight() {
    if (!display_ || !selected_.object) return;
    if (SolarControlPanel* panel = ShownPanel()) panel->EnableHighlightControls(false);
    display_->StartHighlight();
}

void SolarSystemWindow::SelectBody(const BodyIdentifier& body, int zoomMode, int) {
    selected_ = body;
    const int reference = ZoomReferenceNumber(body.object);
    if (reference < 0) return;
    if (zoomMode == 1 && reference > zoom_) zoom_ = reference;
    if (zoomMode == 2) zoom_ = reference;
}

void SolarSystemWindow::StartWith(const BodyIdentifier& body, const DateTime* moment) {
    if (moment) GetDocument().SetDateTime(*moment, false);
    SelectBody(body, 1, 0);
    if (moment) {
        // The document's moment: every window of it redraws.
        GetDocument().DocumentNotifyViews(nullptr);
    } else {
        UpdateView();
    }
    Highlight();
}

void SolarSystemWindow::ChangeOptions() {
    SolarSystemOptions options = options_;
    if (!ShowSolarOptionsDialog(options, context_.app.DialogStates().solarSystemOptions.geometry, Handle(),
                                context_.instance)) {
        return;
    }
    Actions().ChangeOptions(*this, options, kSolarSystemOptionsWhole, nullptr);
}

void SolarSystemWindow::ShowSelectionMenu() {
    if (!display_ || !display_->Window()) return;
    PlanBody body;
    if (!PlanBodyOfObject(selected_.object, body)) body = PlanBody{kPlanSun, 0};
    const PlanScene scene = display_->Scene();
    const PlanPoint p =
        PlanBodyPoint(GetDrawingSquare(scene.width, scene.height), scene.positions, scene.zoom, body);
    display_->ShowContextMenu(body, POINT{p.pixel.x, p.pixel.y});
}

LRESULT SolarSystemWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
    case WM_EXITSIZEMOVE:
        if (display_) display_->Resize();
        break;
    case WM_TIMER:
        if (wheelBurst_.OnTimer(Handle(), wParam)) return 0;
        break;
    case WM_CONTEXTMENU:
        // Shift+F10 and the menu key: the menu of the selection.
        if (!AsksForSelectionMenu(Handle(), wParam, lParam)) break;
        ShowSelectionMenu();
        return 0;
    case WM_HELP:
        ShowHelpTopic(Handle(), HelpPage::SolarSystemWindow);
        return TRUE;
    default:
        break;
    }
    return MdiChildWindow::HandleMessage(message, wParam, lParam);
}

// ---- the kind -------------------------------------------------------------

namespace {

// The panel's time step, in the sub-key "Time Step" of the kind's "Control
// panel" key (as the Sky and explorer panels keep theirs).
constexpr RecordKeyNames kPanelStepNames{TXT("Time Step")};

// The Solar System windows in the saved session: the document's moment,
// each window's view, and the panel's time step.
class SolarSystemWindowKind final : public SharedDocumentKind<SolarSystemWindow, SolarSystemDocument> {
public:
    explicit SolarSystemWindowKind(const SolarSystemWindowContext& context)
        : SharedDocumentKind(kSolarSystemWindow, context.children, kSolarModelNames),
          context_(context),
          document_(context.app.GetNotificationHub(), context.app.Current(), computer_),
          panel_(context.app.GetSolarSystemActions()) {
        // At start-up, as every kind's classes.
        SolarSystemWindow::RegisterClasses(context_.instance);
        // Without its panel the windows still work; the pane stays empty.
        if (context_.panelPane &&
            panel_.CreatePanelDialog(context_.instance, L"DLG_CTRL_SOL", context_.panelPane, context_.modeless)) {
            context_.panel = &panel_;
        }
    }

    ControlPanel* Panel() override { return context_.panel; }
    void UnregisterClasses() override { SolarSystemWindow::UnregisterClasses(context_.instance); }
    SolarSystemDocument& Document() override { return document_; }
    const SolarSystemDocument& Document() const override { return document_; }

    bool SavePanel(SettingsTreeWriter& writer) override {
        SolarControlPanel* panel = context_.panel;
        if (!panel || !panel->TimePart()) return true;
        return SaveTimeStep(String(kPanelStepNames.Key()), panel->TimePart()->ReadTimeStep(), writer);
    }
    void LoadPanel(SettingsTree& tree) override {
        SolarControlPanel* panel = context_.panel;
        TimeStep step;
        if (panel && panel->TimePart() && LoadTimeStep(String(kPanelStepNames.Key()), step, tree)) {
            panel->TimePart()->ShowTimeStep(step);
        }
    }

private:
    std::unique_ptr<SolarSystemWindow> NewWindowObject(ChildWindowHost& host) override {
        return std::make_unique<SolarSystemWindow>(host, document_, context_);
    }
    bool SaveWindowRecord(const SolarSystemWindowState& state, SettingsTreeWriter& writer) override {
        return SaveSolarSystemOptions(state, writer);
    }
    bool LoadWindowRecord(SolarSystemWindowState& state, SettingsTree& tree) override {
        return LoadSolarSystemOptions(state, tree);
    }
    void RestoreMoment(const TimeAndPlace& moment) override { document_.SetDateTime(moment.dateTime, false); }

    SolarSystemWindowContext context_;
    CatalogueSolarSystemComputer computer_;
    SolarSystemDocument document_;
    SolarControlPanel panel_;
};

}  // namespace

std::unique_ptr<ChildWindowKind> MakeSolarSystemWindowKind(const SolarSystemWindowContext& context) {
    return std::make_unique<SolarSystemWindowKind>(context);
}

bool ShowBodyInSolarSystemWindow(ChildWindows& children, SolarSystemActions& actions, const BodyIdentifier& body,
                                 const DateTime& moment) {
    if (!SolarSystemWindowCanShow(body.object)) return false;
    bool created = false;
    auto* window = dynamic_cast<SolarSystemWindow*>(children.ShowWindow(kSolarSystemWindow, &created));
    if (!window) return false;
    const BodyIdentifier shown = BodyIdentifierFromObject(body.object);
    if (created) {
        window->StartWith(shown, &moment);
    } else {
        actions.ShowAt(*window, shown, moment);
    }
    return true;
}

bool ShowBodyInSolarSystemWindow(ChildWindows& children, SolarSystemActions& actions, const BodyIdentifier& body) {
    if (!SolarSystemWindowCanShow(body.object)) return false;
    bool created = false;
    auto* window = dynamic_cast<SolarSystemWindow*>(children.ShowWindow(kSolarSystemWindow, &created));
    if (!window) return false;
    const BodyIdentifier shown = BodyIdentifierFromObject(body.object);
    if (created) {
        window->StartWith(shown, nullptr);
    } else {
        actions.SelectPair(*window, shown, 1, 0, nullptr);
        window->Highlight();
    }
    return true;
}

}  // namespace corvinata
