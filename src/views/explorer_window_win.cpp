#include "views/explorer_window_win.h"

#include <windowsx.h>

#include <type_traits>

#include "app/help_topics_win.h"
#include "app/location_settings.h"
#include "app/related_task_groups.h"
#include "app/settings_records.h"
#include "app/window_settings.h"
#include "base/text_format.h"
#include "views/explorer_options_dialog_win.h"
#include "app/picture_document.h"
#include "catalog/catalogue_registry.h"
#include "catalog/satellite_catalogues.h"
#include "resources/resource_ids.h"
#include "views/display_context_menu_win.h"

namespace corvinata {

namespace {

constexpr RecordKeyNames kExplorerModelNames{TXT("Time and location")};

bool IsSaturn(const ExplorerKindTraits& traits) { return traits.kind == kSaturnExplorerWindow; }

std::u32string Utf32(const Char* text) {
    std::u32string out;
    for (const Char* p = text; p && *p; ++p) out.push_back(static_cast<char32_t>(*p));
    return out;
}

// The planet of the kind in the planet catalogue.
const CelestialObject* PlanetOfKind(const ExplorerKindTraits& traits) {
    const Catalogue* planets = CatalogueByType(kBodyPlanet);
    if (!planets) return nullptr;
    for (int i = 0; i < planets->CatalogueGetCount(); ++i) {
        const CelestialObject* object = planets->CatalogueGetObjectAt(i);
        if (object && String(ObjectKeyName(*object)) == String(traits.planetName)) return object;
    }
    return nullptr;
}

// The moon's object in the kind's satellite catalogue.
const CelestialObject* MoonObject(const ExplorerKindTraits& traits, int moon) {
    if (moon < 0 || moon >= traits.moonCount) return nullptr;
    if (IsSaturn(traits)) {
        const auto& moons = GetSaturnianSatelliteCatalogue();
        return moon < moons.Count() ? moons.At(moon) : nullptr;
    }
    const auto& moons = GetJovianSatelliteCatalogue();
    return moon < moons.Count() ? moons.At(moon) : nullptr;
}

}  // namespace

double ScreenPixelAspect() {
    HDC screen = GetDC(nullptr);
    const double width = GetDeviceCaps(screen, HORZSIZE);
    const double height = GetDeviceCaps(screen, VERTSIZE);
    const double across = GetDeviceCaps(screen, HORZRES);
    const double down = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    if (!(width > 0 && height > 0 && across > 0 && down > 0)) return 1.0;
    const double aspect = (width / across) / (height / down);
    // A device that reports nonsense gets square pixels.
    return aspect > 0.25 && aspect < 4.0 ? aspect : 1.0;
}

MoonPositions ExplorerDocumentMoons(const ExplorerDocument& document) {
    MoonPositions moons;
    auto take = [&moons](const double* values, int count) {
        for (int k = 0; k < count; ++k) {
            moons.position[static_cast<std::size_t>(k)] = {values[3 * k], values[3 * k + 1], values[3 * k + 2]};
        }
    };
    if (const auto* jupiter = dynamic_cast<const JupiterExplorerDocument*>(&document)) {
        take(jupiter->Moons().data(), 4);
    } else if (const auto* saturn = dynamic_cast<const SaturnExplorerDocument*>(&document)) {
        take(saturn->Moons().data(), 8);
    }
    return moons;
}

const wchar_t* ExplorerWindowClass(const ExplorerKindTraits& traits) {
    return IsSaturn(traits) ? L"CorvinataMdiChildSat" : L"CorvinataMdiChildJup";
}

const wchar_t* ExplorerDisplayClass(const ExplorerKindTraits& traits) {
    return IsSaturn(traits) ? L"CorvinataSatDisp" : L"CorvinataJupDisp";
}

// ---- the display ----------------------------------------------------------

ExplorerDisplay::ExplorerDisplay(ExplorerWindow& owner)
    : owner_(owner),
      geometry_(IsSaturn(owner.Traits()) ? SaturnExplorerGeometry() : JupiterExplorerGeometry()),
      orbits_(geometry_) {}

ExplorerDisplay::~ExplorerDisplay() { Teardown(); }

void ExplorerDisplay::Teardown() {
    // The backend makes its own context current on the window's DC before it
    // lets go of its lists: once the window is gone that DC is too, and the
    // lists would be deleted in another explorer's context.
    gl_.reset();
    if (window_) {
        KillTimer(window_, kExplorerHighlightTimer);
        if (dc_) ReleaseDC(window_, dc_);
    }
    dc_ = nullptr;
}

bool ExplorerDisplay::RegisterDisplayClass(HINSTANCE instance, const wchar_t* name) {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_OWNDC;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return DisplayWindow::RegisterDisplayClass(wc);
}

bool ExplorerDisplay::Create(HWND parent) {
    const ExplorerWindowContext& context = owner_.Context();
    if (!CreateDisplayWindow(ExplorerDisplayClass(owner_.Traits()), WS_CHILD | WS_VISIBLE, parent, context.instance)) {
        return false;
    }
    dc_ = GetDC(window_);
    gl_ = CreateSkyGlWin(window_, dc_, context.displayFont, context.symbolFont);
    if (gl_) LoadPictures();
    if (context.displayFont) {
        // The names' height, for keeping them apart.
        const HGDIOBJ previous = SelectObject(dc_, context.displayFont);
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc_, &metrics)) nameHeight_ = metrics.tmHeight;
        SelectObject(dc_, previous);
    }
    return true;
}

void ExplorerDisplay::LoadPictures() {
    const ExplorerWindowContext& context = owner_.Context();
    const bool saturn = IsSaturn(owner_.Traits());
    const Char* planetName =
        context.planetPicture ? context.planetPicture : (saturn ? TXT("AST_PIXMAP_SATURN") : TXT("AST_PIXMAP_JUPITER"));
    const Char* ringName = context.ringPicture ? context.ringPicture : TXT("AST_PIXMAP_SATURN_RING");
    ExplorerPictureSet own;
    ExplorerPictureSet& pictures = context.pictures ? *context.pictures : own;
    const Char* failed = nullptr;
    if (!pictures.Load(context.instance, planetName, saturn ? ringName : nullptr, failed)) {
        // The globe is drawn in a plain colour and the program goes on.
        if (context.reportError) {
            context.reportError(FormatPercent1(TXT("The picture \"%\" could not be loaded; the planet is drawn without it."),
                                               String(failed)));
        }
        return;
    }
    if (context.pictures) {
        shared_ = context.pictures;
        textured_ = true;
        atlasNight_ = -1;
        return;
    }
    SetPictures(pictures.Planet(), pictures.Ring());
}

void ExplorerDisplay::SetPictures(const ExplorerImage& planet, const ExplorerImage& ring) {
    planet_ = planet;
    ring_ = ring;
    shared_ = nullptr;
    textured_ = planet_.width == kPlanetMapWidth && planet_.height == kPlanetMapHeight;
    atlasNight_ = -1;
}

void ExplorerDisplay::UploadAtlas(bool night) {
    if (!gl_ || !textured_ || atlasNight_ == static_cast<int>(night)) return;
    gl_->MakeCurrent();
    if (shared_) {
        gl_->TexImage(kExplorerAtlasSide, kExplorerAtlasSide, shared_->Atlas(night).data());
    } else {
        const std::vector<std::uint32_t> atlas = BuildExplorerAtlas(planet_.bgr, ring_.bgr, night);
        gl_->TexImage(kExplorerAtlasSide, kExplorerAtlasSide, atlas.data());
    }
    gl_->TexRepeatNearest();
    atlasNight_ = static_cast<int>(night);
}

const ExplorerOrbitCache& ExplorerDisplay::Orbits() const noexcept {
    return owner_.Context().orbits ? *owner_.Context().orbits : orbits_;
}

void ExplorerDisplay::Layout(double pixelAspect) {
    if (!window_) return;
    RECT client{};
    GetClientRect(GetParent(window_), &client);
    const ExplorerDisplayRect place = LayOutExplorerDisplay(client.right, client.bottom, pixelAspect);
    SetWindowPos(window_, nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

ExplorerFrame ExplorerDisplay::Frame() {
    ExplorerFrame frame;
    const ExplorerDocument& document = owner_.GetDocument();
    const ExplorerDisplayOptions& options = owner_.GetDisplayOptions();
    RECT client{};
    GetClientRect(window_, &client);
    frame.geometry = &geometry_;
    frame.view.width = client.right;
    frame.view.height = client.bottom;
    frame.view.halfSize = ExplorerHalfSize(geometry_, owner_.GetZoomLevel());
    frame.view.tiltDegrees = owner_.GetTiltAngle();
    frame.view.swapNorthSouth = options.swapNorthSouth != 0;
    frame.view.swapEastWest = options.swapEastWest != 0;
    frame.view.positionAngle = document.TiltToEast();
    frame.tiltToEarth = document.TiltToEarth();
    frame.showOrbits = options.showOrbits != 0;
    frame.showNames = options.showNames != 0;
    frame.visibility = owner_.GetMoonVisibility();
    frame.zoomLevel = owner_.GetZoomLevel();
    frame.selected = owner_.GetSelectedMoon();
    frame.highlight = highlight_.Shown();
    frame.nightVision = owner_.NightVision();
    frame.textured = textured_;
    frame.nameHeight = nameHeight_;
    frame.moons = ExplorerDocumentMoons(document);
    ExplorerOrbitCache& orbits = owner_.Context().orbits ? *owner_.Context().orbits : orbits_;
    orbits.Check(document.GetTimeAndPlace().dateTime, document.DynamicalJulianDay());
    frame.orbits = &orbits.Paths();
    for (int k = 0; k < owner_.Traits().moonCount; ++k) {
        frame.names[static_cast<std::size_t>(k)] = Utf32(owner_.Traits().moonNames[k]);
    }
    return frame;
}

void ExplorerDisplay::Render(bool swap) {
    if (!gl_ || !window_) return;
    gl_->MakeCurrent();
    UploadAtlas(owner_.NightVision());
    drawn_ = DrawExplorerFrame(*gl_, Frame());
    if (swap) gl_->SwapBuffers();
}

int ExplorerDisplay::HitTest(int x, int y) const {
    RECT client{};
    GetClientRect(window_, &client);
    return ExplorerHitTest(drawn_, owner_.Traits().moonCount, x, y, client.bottom);
}

void ExplorerDisplay::GetTooltipText(int x, int y, String& text) {
    const int moon = HitTest(x, y);
    text = moon >= 0 ? String(owner_.Traits().moonNames[moon]) : String();
}

void ExplorerDisplay::StartHighlight() {
    if (!window_) return;
    if (ExplorerControlPanel* panel = owner_.ShownPanel()) panel->EnableHighlightControls(false);
    highlight_.Start(window_);
}

void ExplorerDisplay::EndHighlight(bool byTimer) {
    if (!highlight_.End(window_, false)) return;
    // The kind's panel waited for the ring to go, also when it has since
    // been given to another window of the kind or hidden for another kind:
    // it must not wait for good. Only another window's own ring keeps it
    // waiting, for that ring's end.
    ExplorerControlPanel* panel = owner_.Context().panel;
    if (panel == nullptr) return;
    if (panel != owner_.ShownPanel()) {
        const auto* shown = dynamic_cast<const ExplorerWindow*>(panel->GetAttachedWindow());
        if (shown != nullptr && shown->Display() != nullptr && shown->Display()->HighlightShown()) return;
    }
    // The timer's end hands the keys to the button, for whichever window of
    // the kind the panel is shown (a hidden panel takes none); a close
    // leaves them be.
    if (byTimer) {
        panel->HighlightEnded();
    } else {
        panel->EnableHighlightControls(true);
    }
}

void ExplorerDisplay::ShowContextMenu(int moon, POINT client) {
    const ExplorerWindowContext& context = owner_.Context();
    menuMoon_ = moon;
    DisplayContextMenu contextMenu(context.instance, IsSaturn(owner_.Traits()) ? L"Menu_Sat" : L"Menu_Jup");
    HMENU menu = contextMenu.Popup();
    if (!menu) return;
    contextMenu.FillNames(moon >= 0 ? String(owner_.Traits().moonNames[moon]) : String());
    const UINT none = moon < 0 ? MF_GRAYED : MF_ENABLED;
    // Windows and tools the program does not offer stay gray.
    const WindowServices* windows = context.windows;
    const auto offered = [windows, none](int kind) {
        return MF_BYCOMMAND | (windows && windows->OffersWindowKind(kind) ? none : MF_GRAYED);
    };
    EnableMenuItem(menu, CMD_SHOW_SKY, offered(kSkyWindow));
    EnableMenuItem(menu, CMD_SHOW_SOLAR_SYSTEM, offered(kSolarSystemWindow));
    // Picture only for a moon the installed packs have a picture of.
    const CelestialObject* object = MoonObject(owner_.Traits(), moon);
    const bool hasPicture = object && windows && windows->OffersWindowKind(kPictureWindow) &&
                            windows->BodyHasPicture(BodyIdentifierFromObject(object));
    EnableMenuItem(menu, CMD_SHOW_PICTURE, MF_BYCOMMAND | (hasPicture ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, CMD_SHOW_OBJECT_INFO,
                   MF_BYCOMMAND | (object && windows && windows->OffersObjectInfo() ? MF_ENABLED : MF_GRAYED));
    contextMenu.Track(window_, client, TPM_RIGHTBUTTON | TPM_RIGHTALIGN);
}

void ExplorerDisplay::OnCommand(int id) {
    const ExplorerWindowContext& context = owner_.Context();
    const DateTime moment = owner_.GetDocument().GetTimeAndPlace().dateTime;
    const CelestialObject* planet = PlanetOfKind(owner_.Traits());
    switch (id) {
    case CMD_SHOW_SKY:
        if (menuMoon_ >= 0 && planet && context.windows) {
            context.windows->ShowBodyInSkyWindowAt(BodyIdentifierFromObject(planet), moment);
        }
        break;
    case CMD_SHOW_SOLAR_SYSTEM:
        if (menuMoon_ >= 0 && planet && context.windows) {
            context.windows->ShowBodyInSolarSystemWindowAt(BodyIdentifierFromObject(planet), moment);
        }
        break;
    case CMD_SHOW_PICTURE:
        if (const CelestialObject* moon = MoonObject(owner_.Traits(), menuMoon_); moon && context.windows) {
            context.windows->ShowBodyInPictureWindow(BodyIdentifierFromObject(moon));
        }
        break;
    case CMD_SHOW_OBJECT_INFO:
        if (const CelestialObject* moon = MoonObject(owner_.Traits(), menuMoon_); moon && context.windows) {
            context.windows->ShowObjectInfo(BodyIdentifierFromObject(moon), &moment);
        }
        break;
    case CMD_EXPLORER_OPTIONS:
        owner_.ChangeOptions();
        break;
    case CMD_DUPLICATE_WINDOW:
        owner_.Duplicate();
        break;
    default:
        break;
    }
}

LRESULT ExplorerDisplay::HandleDisplayMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(window_, &paint);
        EndPaint(window_, &paint);
        if (gl_) gl_->PrepareFrame();
        Render(true);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (highlight_.IsTimer(wParam)) EndHighlight(true);
        return 0;
    case WM_LBUTTONDOWN: {
        const int moon = HitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (moon >= 0) owner_.Actions().SelectMoonStep(owner_, moon, nullptr);
        return 0;
    }
    case WM_RBUTTONDOWN: {
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ShowContextMenu(HitTest(point.x, point.y), point);
        return 0;
    }
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// ---- the window -----------------------------------------------------------

ExplorerWindow::ExplorerWindow(ChildWindowHost& host, ExplorerDocument& document, const ExplorerKindTraits& traits,
                               const ExplorerWindowContext& context)
    : MdiChildWindow(host, document), ExplorerView(traits, document), document_(document), context_(context) {
    GetCommandHistory().performed = [this](int flag) { OnStepPerformed(flag); };
}

ExplorerWindow::~ExplorerWindow() {
    GetCommandHistory().performed = nullptr;
    display_.reset();
}

ExplorerActions& ExplorerWindow::Actions() const {
    return IsSaturn(Traits()) ? context_.app.GetSaturnExplorerActions() : context_.app.GetJupiterExplorerActions();
}

bool ExplorerWindow::RegisterClasses(HINSTANCE instance, const ExplorerKindTraits& traits) {
    return RegisterMdiChildClass(instance, {ExplorerWindowClass(traits), IsSaturn(traits) ? ICO_SATURN : ICO_JUPITER,
                                            CS_HREDRAW | CS_VREDRAW, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)),
                                            kMainMenuName}) &&
           ExplorerDisplay::RegisterDisplayClass(instance, ExplorerDisplayClass(traits));
}

void ExplorerWindow::UnregisterClasses(HINSTANCE instance, const ExplorerKindTraits& traits) {
    UnregisterClassW(ExplorerDisplayClass(traits), instance);
    UnregisterClassW(ExplorerWindowClass(traits), instance);
}

bool ExplorerWindow::CreateFromRecord(const State& state, ChildShowMode mode) {
    ApplyRecord(state.view);
    if (!RegisterClasses(context_.instance, Traits())) return false;
    if (!Create(ExplorerWindowClass(Traits()), context_.instance, state.geometry, mode)) return false;
    display_ = std::make_unique<ExplorerDisplay>(*this);
    if (!display_->Create(Handle())) return false;
    LayOutDisplay();
    SetChildTitle();
    return true;
}

ExplorerWindow::State ExplorerWindow::CaptureState() const {
    State state;
    if (Handle()) CaptureGeometry(Handle(), state.geometry);
    state.geometry.fieldMask = kGeometryAll;
    state.view = CaptureRecord();
    return state;
}

void ExplorerWindow::ApplyRecord(const State& state, bool refresh) {
    ApplyRecord(state.view);
    if (Handle()) ApplyGeometry(state.geometry, Handle());
    if (refresh) UpdateView();
}

// The class has no brush and the display paints only its square: the bands
// a window taller or wider than the view shows beside it take the view's
// background here. The view itself is left out, so it never flashes.
void ExplorerWindow::EraseBands(HDC dc) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    const int saved = SaveDC(dc);
    if (display_ && display_->Window()) {
        RECT view{};
        GetWindowRect(display_->Window(), &view);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&view), 2);
        ExcludeClipRect(dc, view.left, view.top, view.right, view.bottom);
    }
    SetDCBrushColor(dc, kExplorerBackground.ToColorRef());
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    RestoreDC(dc, saved);
}

void ExplorerWindow::LayOutDisplay() {
    if (display_) display_->Layout(context_.pixelAspect);
}

void ExplorerWindow::UpdateView(bool panel) {
    SetChildTitle();
    if (display_ && display_->Window()) {
        InvalidateRect(display_->Window(), nullptr, FALSE);
        UpdateWindow(display_->Window());
    }
    if (panel) {
        if (ExplorerControlPanel* shown = ShownPanel()) shown->ControlPanelUpdate(nullptr);
    }
}

void ExplorerWindow::Update(void*) { UpdateView(); }

void ExplorerWindow::OnStepPerformed(int flag) {
    if (GetCommandHistory().timeChanged) {
        // The shared moment moved: every window of the document redraws.
        document_.DocumentNotifyViews(nullptr);
    } else {
        UpdateView(flag != 0);
    }
}

void ExplorerWindow::RefreshWindow(int) { UpdateView(); }

void ExplorerWindow::StartViewTransition() {
    if (display_) display_->StartHighlight();
}

ExplorerControlPanel* ExplorerWindow::ShownPanel() const {
    ExplorerControlPanel* panel = context_.panel;
    return panel && panel->GetAttachedWindow() == static_cast<const PanelWindow*>(this) ? panel : nullptr;
}

String ExplorerWindow::GetStatusText() const {
    const int zoom = GetZoomLevel();
    if (zoom < 0 || zoom >= Traits().moonCount) return String();
    return FormatPercent1(TXT("Zoomed to %"), String(Traits().moonNames[zoom]));
}

void ExplorerWindow::OnMouseWheelSteps(int steps, bool backward) {
    if (steps <= 0) return;
    const int before = GetZoomLevel();
    // Towards the user zooms out, to the outer moons.
    Actions().ZoomStep(*this, steps, backward, wheelBurst_.Active());
    wheelBurst_.Notched(Handle(), GetZoomLevel() != before);
}

// The explorer's own moment and its selected moon (the planet itself is
// offered by the pane for every explorer).
void ExplorerWindow::DescribeForRelatedTasks(RelatedTaskSource& source) {
    source.date = document_.GetTimeAndPlace().dateTime;
    source.secondBody = BodyIdentifierFromObject(MoonObject(Traits(), GetSelectedMoon()));
}

bool ExplorerWindow::Duplicate() { return DuplicateWindow(*this, context_.children, Traits().kind) != nullptr; }

void ExplorerWindow::ChangeOptions() {
    ApplicationDialogStates& places = context_.app.DialogStates();
    WindowGeometry& placement =
        IsSaturn(Traits()) ? places.saturnOptions.geometry : places.jupiterOptions.geometry;
    ChangeExplorerOptions(Actions(), *this, placement, Handle(), context_.instance);
}

void ExplorerWindow::ShowSelectionMenu() {
    if (!display_ || !display_->Window()) return;
    RECT client{};
    GetClientRect(display_->Window(), &client);
    const int moon = GetSelectedMoon();
    POINT at{client.right / 2, client.bottom / 2};
    if (moon >= 0 && moon < kMaxExplorerMoons && display_->Drawn().drawn[static_cast<std::size_t>(moon)]) {
        const WindowPoint& p = display_->Drawn().at[static_cast<std::size_t>(moon)];
        at = POINT{static_cast<int>(p.x), client.bottom - 1 - static_cast<int>(p.y)};
    }
    display_->ShowContextMenu(moon, at);
}

LRESULT ExplorerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
    case WM_EXITSIZEMOVE:
        LayOutDisplay();
        break;
    case WM_ERASEBKGND:
        EraseBands(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_TIMER:
        if (wheelBurst_.OnTimer(Handle(), wParam)) return 0;
        break;
    case WM_CONTEXTMENU:
        // Shift+F10 and the menu key: the menu of the selection.
        if (!AsksForSelectionMenu(Handle(), wParam, lParam)) break;
        ShowSelectionMenu();
        return 0;
    case WM_HELP:
        ShowHelpTopic(Handle(), IsSaturn(Traits()) ? HelpPage::SaturnExplorerWindow
                                                   : HelpPage::JupiterExplorerWindow);
        return TRUE;
    case WM_DESTROY:
        if (display_) {
            // A highlight cut short by the close leaves the panel usable.
            if (display_->HighlightShown()) display_->EndHighlight(false);
            display_->Teardown();
        }
        break;
    default:
        break;
    }
    return MdiChildWindow::HandleMessage(message, wParam, lParam);
}

// ---- the kind -------------------------------------------------------------

namespace {

ExplorerOptions OptionsOfState(const ExplorerWindowState& state, int moonCount) {
    ExplorerOptions options;
    options.geometry = state.geometry;
    const ExplorerViewRecord& view = state.view;
    options.showOrbits = view.options.showOrbits != 0;
    options.showNames = view.options.showNames != 0;
    options.swapNorthSouth = view.options.swapNorthSouth != 0;
    options.swapEastWest = view.options.swapEastWest != 0;
    options.zoomPosition = view.zoomLevel;
    options.selectedSatellite = view.selectedMoon;
    options.tilt = view.tiltAngle;
    for (int k = 0; k < moonCount; ++k) options.satellitesShown.push_back(((view.visibility >> k) & 1u) != 0);
    return options;
}

void StateOfOptions(const ExplorerOptions& options, ExplorerWindowState& state) {
    state.geometry = options.geometry;
    ExplorerViewRecord& view = state.view;
    view.options.showOrbits = options.showOrbits ? 1 : 0;
    view.options.showNames = options.showNames ? 1 : 0;
    view.options.swapNorthSouth = options.swapNorthSouth ? 1 : 0;
    view.options.swapEastWest = options.swapEastWest ? 1 : 0;
    view.zoomLevel = options.zoomPosition;
    view.selectedMoon = options.selectedSatellite;
    view.tiltAngle = options.tilt;
    view.visibility = 0;
    for (std::size_t k = 0; k < options.satellitesShown.size() && k < 32; ++k) {
        if (options.satellitesShown[k]) view.visibility |= 1u << k;
    }
}

template <class W, class D>
class ExplorerWindowKind final : public SharedDocumentKind<W, D> {
    using Base = SharedDocumentKind<W, D>;

public:
    explicit ExplorerWindowKind(const ExplorerWindowContext& context)
        : Base(Traits().kind, context.children, kExplorerModelNames),
          context_(context),
          document_(context.app.GetNotificationHub(), context.app.Current()) {
        // At start-up, before saved windows are restored.
        ExplorerWindow::RegisterClasses(context_.instance, Traits());
        context_.pictures = &pictures_;
        context_.orbits = &orbits_;
        // Without its panel the windows still work; the pane stays empty.
        if (!context_.panelPane) return;
        Application& app = context_.app;
        panel_ = std::make_unique<ExplorerControlPanel>(
            IsSaturn(Traits()) ? app.GetSaturnExplorerActions() : app.GetJupiterExplorerActions(), document_,
            [&app] { return app.Current().GetTimeAndLocation().dateTime; });
        if (panel_->Create(context_.instance, context_.panelPane, context_.modeless)) {
            ShowWindow(panel_->GetDialogWindow(), SW_HIDE);
            context_.panel = panel_.get();
        } else {
            panel_.reset();
        }
    }
    ~ExplorerWindowKind() override { panel_.reset(); }

    static const ExplorerKindTraits& Traits() {
        return std::is_same_v<D, SaturnExplorerDocument> ? SaturnExplorerTraits() : JupiterExplorerTraits();
    }
    D& Document() override { return document_; }
    const D& Document() const override { return document_; }
    ControlPanel* Panel() override { return panel_.get(); }
    void UnregisterClasses() override { ExplorerWindow::UnregisterClasses(context_.instance, Traits()); }

    bool SavePanel(SettingsTreeWriter& writer) override {
        return !panel_ || SavePanelOptions(PanelKindOf(), panel_->ReadSettings(), writer);
    }
    void LoadPanel(SettingsTree& tree) override {
        PanelSettings settings;
        if (panel_ && LoadPanelOptions(PanelKindOf(), settings, tree)) panel_->ApplySettings(settings);
    }

protected:
    std::unique_ptr<W> NewWindowObject(ChildWindowHost& host) override {
        return std::make_unique<W>(host, document_, context_);
    }
    bool SaveWindowRecord(const ExplorerWindowState& state, SettingsTreeWriter& writer) override {
        return SaveExplorerOptions(OptionsOfState(state, Traits().moonCount), writer);
    }
    bool LoadWindowRecord(ExplorerWindowState& state, SettingsTree& tree) override {
        ExplorerOptions options = IsSaturn(Traits()) ? SaturnOptionsInit() : JupiterOptionsInit();
        const bool read = IsSaturn(Traits()) ? LoadSaturnOptions(options, tree) : LoadJupiterOptions(options, tree);
        StateOfOptions(options, state);
        return read;
    }
    void RestoreMoment(const TimeAndPlace& moment) override { document_.SetDateTime(moment.dateTime); }

private:
    static PanelKind PanelKindOf() { return IsSaturn(Traits()) ? PanelKind::Saturn : PanelKind::Jupiter; }

    ExplorerWindowContext context_;
    D document_;
    std::unique_ptr<ExplorerControlPanel> panel_;
    // Shared by the kind's windows over the one document.
    ExplorerPictureSet pictures_;
    const ExplorerGeometry geometry_ = IsSaturn(Traits()) ? SaturnExplorerGeometry() : JupiterExplorerGeometry();
    ExplorerOrbitCache orbits_{geometry_};
};

}  // namespace

std::unique_ptr<ChildWindowKind> MakeExplorerWindowKind(const ExplorerKindTraits& traits,
                                                        const ExplorerWindowContext& context) {
    if (IsSaturn(traits)) {
        return std::make_unique<ExplorerWindowKind<SaturnExplorerWindow, SaturnExplorerDocument>>(context);
    }
    return std::make_unique<ExplorerWindowKind<JupiterExplorerWindow, JupiterExplorerDocument>>(context);
}

ExplorerDocument* ExplorerKindDocument(ChildWindowKind& kind) {
    return dynamic_cast<ExplorerDocument*>(kind.SharedDocument());
}

bool ShowBodyInExplorerWindow(ChildWindows& children, const ExplorerKindTraits& traits, const DateTime* moment) {
    bool created = false;
    auto* window = dynamic_cast<ExplorerWindow*>(children.ShowWindow(traits.kind, &created));
    if (!window) return false;
    if (!moment) return true;
    if (created) {
        // The window is the document's only one: the moment is its start.
        window->GetDocument().SetDateTime(*moment);
        window->UpdateView();
    } else {
        window->Actions().GoTo(*window, *moment, kChangeWhole, nullptr, true);
    }
    return true;
}

}  // namespace corvinata
