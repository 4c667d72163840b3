#include "views/explorer_window_win.h"

#include <windowsx.h>

#include "app/help_topics_win.h"
#include "app/location_settings.h"
#include "app/settings_records.h"
#include "app/window_settings.h"
#include "base/text_format.h"
#include "views/explorer_options_dialog_win.h"
#include "catalog/catalogue_registry.h"
#include "resources/resource_ids.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {

namespace {

constexpr UINT_PTR kWheelTimer = 1;
// Posted on activation: the keyboard goes to the kind's panel once the MDI
// client has finished activating (it gives the focus to the child itself).
constexpr UINT kFocusPanelMessage = WM_APP + 32;
constexpr UINT kWheelBurstMilliseconds = 1000;
constexpr RecordKeyNames kExplorerModelNames{TXT("Time and location")};

bool IsSaturn(const ExplorerKindTraits& traits) { return traits.kind == kSaturnExplorerWindow; }

std::u32string Utf32(const Char* text) {
    std::u32string out;
    for (const Char* p = text; p && *p; ++p) out.push_back(static_cast<char32_t>(*p));
    return out;
}

// "%1" of every item (and of its submenus) becomes the moon's name.
void FillMenuTexts(HMENU menu, const String& name) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_SUBMENU;
        item.dwTypeData = text;
        item.cch = 255;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item)) continue;
        if (item.hSubMenu) FillMenuTexts(item.hSubMenu, name);
        String caption(text);
        ReplaceSubstring(caption, TXT("%1"), name.Text(), 0, -1);
        MENUITEMINFOW update{};
        update.cbSize = sizeof update;
        update.fMask = MIIM_STRING;
        update.dwTypeData = caption.Data();
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &update);
    }
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

ExplorerDisplay::~ExplorerDisplay() {
    // The backend makes its own context current before it lets go of its
    // lists, so another explorer's context is never touched.
    gl_.reset();
    if (window_) {
        KillTimer(window_, kExplorerHighlightTimer);
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        if (dc_) ReleaseDC(window_, dc_);
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

bool ExplorerDisplay::RegisterDisplayClass(HINSTANCE instance, const wchar_t* name) {
    WNDCLASSW existing{};
    if (GetClassInfoW(instance, name, &existing)) return true;
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_OWNDC;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0;
}

bool ExplorerDisplay::Create(HWND parent) {
    const ExplorerWindowContext& context = owner_.Context();
    window_ = CreateWindowExW(0, ExplorerDisplayClass(owner_.Traits()), L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100,
                              parent, nullptr, context.instance, this);
    if (!window_) return false;
    CreateDisplayTooltip(window_);
    dc_ = GetDC(window_);
    gl_ = CreateSkyGlWin(window_, dc_, context.displayFont, context.symbolFont);
    if (gl_) LoadPictures();
    return true;
}

void ExplorerDisplay::LoadPictures() {
    const ExplorerWindowContext& context = owner_.Context();
    const bool saturn = IsSaturn(owner_.Traits());
    const Char* planetName =
        context.planetPicture ? context.planetPicture : (saturn ? TXT("AST_PIXMAP_SATURN") : TXT("AST_PIXMAP_JUPITER"));
    const Char* ringName = context.ringPicture ? context.ringPicture : TXT("AST_PIXMAP_SATURN_RING");
    ExplorerImage planet;
    ExplorerImage ring;
    const HMODULE module = context.instance;
    const Char* failed = nullptr;
    if (!LoadExplorerImage(module, planetName, kPlanetMapWidth, kPlanetMapHeight, planet)) {
        failed = planetName;
    } else if (saturn && !LoadExplorerImage(module, ringName, kRingProfileWidth, 1, ring)) {
        failed = ringName;
    }
    if (failed) {
        // The globe is drawn in a plain colour and the program goes on.
        if (context.reportError) {
            context.reportError(FormatPercent1(TXT("The picture \"%\" could not be loaded; the planet is drawn without it."),
                                               String(failed)));
        }
        return;
    }
    SetPictures(planet, ring);
}

void ExplorerDisplay::SetPictures(const ExplorerImage& planet, const ExplorerImage& ring) {
    planet_ = planet;
    ring_ = ring;
    textured_ = planet_.width == kPlanetMapWidth && planet_.height == kPlanetMapHeight;
    atlasNight_ = -1;
}

void ExplorerDisplay::UploadAtlas(bool night) {
    if (!gl_ || !textured_ || atlasNight_ == static_cast<int>(night)) return;
    const std::vector<std::uint32_t> atlas = BuildExplorerAtlas(planet_.bgr, ring_.bgr, night);
    gl_->MakeCurrent();
    gl_->TexImage(kExplorerAtlasSide, kExplorerAtlasSide, atlas.data());
    gl_->TexRepeatNearest();
    atlasNight_ = static_cast<int>(night);
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
    frame.tiltToEarth = document.TiltToEarth();
    frame.showOrbits = options.showOrbits != 0;
    frame.showNames = options.showNames != 0;
    frame.visibility = owner_.GetMoonVisibility();
    frame.zoomLevel = owner_.GetZoomLevel();
    frame.selected = owner_.GetSelectedMoon();
    frame.highlight = highlight_;
    frame.nightVision = owner_.NightVision();
    frame.textured = textured_;
    frame.moons = ExplorerDocumentMoons(document);
    orbits_.Check(document.GetTimeAndPlace().dateTime, document.DynamicalJulianDay());
    frame.orbits = &orbits_.Paths();
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
    highlight_ = true;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
    SetTimer(window_, kExplorerHighlightTimer, kExplorerHighlightMilliseconds, nullptr);
}

void ExplorerDisplay::EndHighlight() {
    KillTimer(window_, kExplorerHighlightTimer);
    if (!highlight_) return;
    highlight_ = false;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
    if (ExplorerControlPanel* panel = owner_.ShownPanel()) panel->EnableHighlightControls(true);
}

void ExplorerDisplay::ShowContextMenu(int moon, POINT client) {
    const ExplorerWindowContext& context = owner_.Context();
    menuMoon_ = moon;
    HMENU bar = LoadMenuW(context.instance, IsSaturn(owner_.Traits()) ? L"Menu_Sat" : L"Menu_Jup");
    if (!bar) return;
    HMENU menu = GetSubMenu(bar, 0);
    FillMenuTexts(menu, moon >= 0 ? String(owner_.Traits().moonNames[moon]) : String());
    const UINT none = moon < 0 ? MF_GRAYED : MF_ENABLED;
    EnableMenuItem(menu, CMD_SHOW_SKY, MF_BYCOMMAND | (context.children.HasKind(kSkyWindow) ? none : MF_GRAYED));
    EnableMenuItem(menu, CMD_SHOW_SOLAR_SYSTEM,
                   MF_BYCOMMAND | (context.children.HasKind(kSolarSystemWindow) ? none : MF_GRAYED));
    // The moons have no pictures and no Object Info pages yet.
    EnableMenuItem(menu, CMD_SHOW_PICTURE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, CMD_SHOW_OBJECT_INFO, MF_BYCOMMAND | MF_GRAYED);
    POINT screen = client;
    ClientToScreen(window_, &screen);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RIGHTALIGN, screen.x, screen.y, 0, window_, nullptr);
    DestroyMenu(bar);
}

void ExplorerDisplay::OnCommand(int id) {
    const ExplorerWindowContext& context = owner_.Context();
    const DateTime moment = owner_.GetDocument().GetTimeAndPlace().dateTime;
    const CelestialObject* planet = PlanetOfKind(owner_.Traits());
    switch (id) {
    case CMD_SHOW_SKY:
        if (menuMoon_ >= 0 && planet) {
            ShowBodyInSkyWindow(context.children, context.app.GetSkyActions(), BodyIdentifierFromObject(planet),
                                &moment);
        }
        break;
    case CMD_SHOW_SOLAR_SYSTEM:
        if (menuMoon_ >= 0 && planet) {
            ShowBodyInSolarSystemWindow(context.children, context.app.GetSolarSystemActions(),
                                        BodyIdentifierFromObject(planet), moment);
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

LRESULT CALLBACK ExplorerDisplay::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ExplorerDisplay*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
    self->HandleDisplayMouseHover(message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT ExplorerDisplay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(window_, &paint);
        EndPaint(window_, &paint);
        Render(true);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (wParam == kExplorerHighlightTimer) EndHighlight();
        return 0;
    case WM_LBUTTONDOWN: {
        // A click brings the keyboard back from the panel (Shift+F10, keys).
        SetFocus(owner_.Handle());
        const int moon = HitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (moon >= 0) owner_.Actions().SelectMoonStep(owner_, moon, nullptr);
        return 0;
    }
    case WM_RBUTTONDOWN: {
        SetFocus(owner_.Handle());
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ShowContextMenu(HitTest(point.x, point.y), point);
        return 0;
    }
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_NCDESTROY: {
        const HWND window = window_;
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
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
    document_.Views().Insert(static_cast<NotificationObserver*>(this));
}

ExplorerWindow::~ExplorerWindow() {
    document_.Views().Forget(static_cast<NotificationObserver*>(this));
    GetCommandHistory().performed = nullptr;
    display_.reset();
}

ExplorerActions& ExplorerWindow::Actions() const {
    return IsSaturn(Traits()) ? context_.app.GetSaturnExplorerActions() : context_.app.GetJupiterExplorerActions();
}

bool ExplorerWindow::RegisterClasses(HINSTANCE instance, const ExplorerKindTraits& traits) {
    const wchar_t* name = ExplorerWindowClass(traits);
    WNDCLASSW existing{};
    if (!GetClassInfoW(instance, name, &existing)) {
        WNDCLASSW wc{};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = MdiChildWindow::WindowProc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IsSaturn(traits) ? ICO_SATURN : ICO_JUPITER));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = name;
        if (!RegisterClassW(&wc)) return false;
    }
    return ExplorerDisplay::RegisterDisplayClass(instance, ExplorerDisplayClass(traits));
}

void ExplorerWindow::UnregisterClasses(HINSTANCE instance, const ExplorerKindTraits& traits) {
    UnregisterClassW(ExplorerDisplayClass(traits), instance);
    UnregisterClassW(ExplorerWindowClass(traits), instance);
}

bool ExplorerWindow::CreateExplorerWindow(const ExplorerViewRecord& record, const WindowGeometry& geometry,
                                          ChildShowMode mode) {
    ApplyRecord(record);
    if (!RegisterClasses(context_.instance, Traits())) return false;
    if (!Create(ExplorerWindowClass(Traits()), context_.instance, geometry, mode)) return false;
    display_ = std::make_unique<ExplorerDisplay>(*this);
    if (!display_->Create(Handle())) return false;
    LayOutDisplay();
    SetChildTitle();
    return true;
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
    Actions().ZoomStep(*this, steps, backward, wheelBurst_);
    if (!wheelBurst_ && GetZoomLevel() != before && Handle()) {
        wheelBurst_ = true;
        SetTimer(Handle(), kWheelTimer, kWheelBurstMilliseconds, nullptr);
    }
}

bool ExplorerWindow::Duplicate() {
    const ExplorerViewRecord record = CaptureRecord();
    WindowGeometry geometry{};
    if (Handle()) CaptureGeometry(Handle(), geometry);
    auto* copy = dynamic_cast<ExplorerWindow*>(context_.children.NewWindow(Traits().kind, this));
    if (!copy) return false;
    // The copy keeps its own cascade place and takes this window's show state.
    WindowGeometry placed{};
    CaptureGeometry(copy->Handle(), placed);
    placed.maximized = geometry.maximized;
    placed.minimized = geometry.minimized;
    copy->ApplyRecord(record);
    ApplyGeometry(placed, copy->Handle());
    copy->UpdateView();
    return true;
}

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
    case WM_TIMER:
        if (wParam == kWheelTimer) {
            wheelBurst_ = false;
            KillTimer(Handle(), kWheelTimer);
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        // Shift+F10 and the menu key: the menu of the selection.
        if (lParam == -1 || reinterpret_cast<HWND>(wParam) == Handle()) {
            ShowSelectionMenu();
            return 0;
        }
        break;
    case WM_HELP:
        ShowHelpTopic(Handle(), IsSaturn(Traits()) ? L"saturn_explorer/saturn_explorer_window.htm"
                                                   : L"jupiter_explorer/jupiter_explorer_window.htm");
        return TRUE;
    case WM_MDIACTIVATE:
        if (reinterpret_cast<HWND>(lParam) == Handle()) PostMessageW(Handle(), kFocusPanelMessage, 0, 0);
        break;
    case kFocusPanelMessage:
        if (ExplorerControlPanel* panel = ShownPanel()) {
            const HWND dialog = panel->GetDialogWindow();
            const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
            SetFocus(first ? first : dialog);
        }
        return 0;
    case WM_DESTROY:
        // A highlight cut short by the close leaves the panel usable.
        if (display_ && display_->HighlightShown()) display_->EndHighlight();
        break;
    default:
        break;
    }
    return MdiChildWindow::HandleMessage(message, wParam, lParam);
}

// ---- the kind -------------------------------------------------------------

namespace {

class ExplorerWindowKind;

ExplorerOptions OptionsOfRecord(const ExplorerViewRecord& record, int moonCount) {
    ExplorerOptions options;
    options.showOrbits = record.options.showOrbits != 0;
    options.showNames = record.options.showNames != 0;
    options.swapNorthSouth = record.options.swapNorthSouth != 0;
    options.swapEastWest = record.options.swapEastWest != 0;
    options.zoomPosition = record.zoomLevel;
    options.selectedSatellite = record.selectedMoon;
    options.tilt = record.tiltAngle;
    for (int k = 0; k < moonCount; ++k) options.satellitesShown.push_back(((record.visibility >> k) & 1u) != 0);
    return options;
}

ExplorerViewRecord RecordOfOptions(const ExplorerOptions& options) {
    ExplorerViewRecord record;
    record.options.showOrbits = options.showOrbits ? 1 : 0;
    record.options.showNames = options.showNames ? 1 : 0;
    record.options.swapNorthSouth = options.swapNorthSouth ? 1 : 0;
    record.options.swapEastWest = options.swapEastWest ? 1 : 0;
    record.zoomLevel = options.zoomPosition;
    record.selectedMoon = options.selectedSatellite;
    record.tiltAngle = options.tilt;
    record.visibility = 0;
    for (std::size_t k = 0; k < options.satellitesShown.size() && k < 32; ++k) {
        if (options.satellitesShown[k]) record.visibility |= 1u << k;
    }
    return record;
}

class ExplorerSessionState final : public WindowKindState {
public:
    explicit ExplorerSessionState(ExplorerWindowKind& kind) : kind_(kind) {}
    bool SavePanel(SettingsTreeWriter& writer) override;
    void LoadPanel(SettingsTree& tree) override;
    int DocumentCount() const override { return 1; }
    int WindowCount(int document) const override;
    bool SaveModel(int document, SettingsTreeWriter& writer) override;
    bool SaveWindow(int document, int window, SettingsTreeWriter& writer) override;
    int LoadModel(SettingsTree& tree) override;
    bool LoadWindow(int document, SettingsTree& tree) override;
    void DropDocument(int) override {}

private:
    ExplorerWindowKind& kind_;
};

std::unique_ptr<ExplorerDocument> MakeDocument(const ExplorerKindTraits& traits, Application& app) {
    if (IsSaturn(traits)) return std::make_unique<SaturnExplorerDocument>(app.GetNotificationHub(), app.Current());
    return std::make_unique<JupiterExplorerDocument>(app.GetNotificationHub(), app.Current());
}

class ExplorerWindowKind final : public ChildWindowKind {
public:
    ExplorerWindowKind(const ExplorerKindTraits& traits, const ExplorerWindowContext& context)
        : traits_(traits), context_(context), document_(MakeDocument(traits, context.app)), session_(*this) {
        // Without its panel the windows still work; the pane stays empty.
        if (context_.panelPane) {
            Application& app = context_.app;
            panel_ = std::make_unique<ExplorerControlPanel>(
                IsSaturn(traits) ? app.GetSaturnExplorerActions() : app.GetJupiterExplorerActions(), *document_,
                [&app] { return app.Current().GetTimeAndLocation().dateTime; });
            if (panel_->Create(context_.instance, context_.panelPane, context_.dialogs)) {
                ShowWindow(panel_->GetDialogWindow(), SW_HIDE);
                context_.panel = panel_.get();
            } else {
                panel_.reset();
            }
        }
    }
    ~ExplorerWindowKind() override { panel_.reset(); }

    int Kind() const override { return traits_.kind; }
    WindowDocument* SharedDocument() override { return document_.get(); }
    std::unique_ptr<MdiChildWindow> MakeWindow(ChildWindowHost& host, WindowDocument&, const WindowGeometry& geometry,
                                               ChildShowMode mode, const MdiChildWindow* model) override {
        auto window = std::make_unique<ExplorerWindow>(host, *document_, traits_, context_);
        const auto* source = dynamic_cast<const ExplorerWindow*>(model);
        const ExplorerViewRecord record = source ? source->CaptureRecord() : NewExplorerViewRecord(traits_);
        if (!window->CreateExplorerWindow(record, geometry, mode)) return nullptr;
        return window;
    }
    WindowKindState* SessionState() override { return &session_; }
    ControlPanel* Panel() override { return panel_.get(); }
    ExplorerControlPanel* PanelObject() noexcept { return panel_.get(); }
    void RefreshSharedDocument() override { document_->OnNotify(kEventDateTimeChanged, 0, nullptr); }
    void UnregisterClasses() override { ExplorerWindow::UnregisterClasses(context_.instance, traits_); }

    const ExplorerKindTraits& Traits() const noexcept { return traits_; }
    ExplorerDocument& Document() noexcept { return *document_; }
    ChildWindows& Children() const noexcept { return context_.children; }
    std::vector<ExplorerWindow*> Windows() const {
        std::vector<ExplorerWindow*> windows;
        for (RegisteredWindow* open : context_.children.Registry().WindowsOf(*document_)) {
            if (auto* explorer = dynamic_cast<ExplorerWindow*>(open)) windows.push_back(explorer);
        }
        return windows;
    }

private:
    const ExplorerKindTraits& traits_;
    ExplorerWindowContext context_;
    std::unique_ptr<ExplorerDocument> document_;
    ExplorerSessionState session_;
    std::unique_ptr<ExplorerControlPanel> panel_;
};

PanelKind PanelKindOf(const ExplorerKindTraits& traits) {
    return IsSaturn(traits) ? PanelKind::Saturn : PanelKind::Jupiter;
}

bool ExplorerSessionState::SavePanel(SettingsTreeWriter& writer) {
    ExplorerControlPanel* panel = kind_.PanelObject();
    if (!panel) return true;
    return SavePanelOptions(PanelKindOf(kind_.Traits()), panel->ReadSettings(), writer);
}

void ExplorerSessionState::LoadPanel(SettingsTree& tree) {
    ExplorerControlPanel* panel = kind_.PanelObject();
    PanelSettings settings;
    if (panel && LoadPanelOptions(PanelKindOf(kind_.Traits()), settings, tree)) panel->ApplySettings(settings);
}

int ExplorerSessionState::WindowCount(int) const { return static_cast<int>(kind_.Windows().size()); }

bool ExplorerSessionState::SaveModel(int, SettingsTreeWriter& writer) {
    return SaveTimeAndPlace(kExplorerModelNames, kind_.Document().GetTimeAndPlace(), writer);
}

bool ExplorerSessionState::SaveWindow(int, int window, SettingsTreeWriter& writer) {
    const std::vector<ExplorerWindow*> windows = kind_.Windows();
    if (window < 0 || window >= static_cast<int>(windows.size())) return false;
    ExplorerWindow& explorer = *windows[static_cast<std::size_t>(window)];
    ExplorerOptions options = OptionsOfRecord(explorer.CaptureRecord(), kind_.Traits().moonCount);
    if (explorer.Handle()) CaptureGeometry(explorer.Handle(), options.geometry);
    options.geometry.fieldMask = kGeometryAll;
    return SaveExplorerOptions(options, writer);
}

int ExplorerSessionState::LoadModel(SettingsTree& tree) {
    TimeAndPlace moment = kind_.Document().GetTimeAndPlace();
    if (LoadTimeAndPlace(kExplorerModelNames, tree, moment)) kind_.Document().SetDateTime(moment.dateTime);
    return 0;
}

bool ExplorerSessionState::LoadWindow(int, SettingsTree& tree) {
    const bool saturn = IsSaturn(kind_.Traits());
    ExplorerOptions options = saturn ? SaturnOptionsInit() : JupiterOptionsInit();
    if (saturn) {
        LoadSaturnOptions(options, tree);
    } else {
        LoadJupiterOptions(options, tree);
    }
    WindowGeometry geometry = options.geometry;
    if (!(geometry.fieldMask & kGeometrySize) || geometry.width <= 0 || geometry.height <= 0) {
        const POINT at = kind_.Children().Cascade().Current();
        geometry = WindowGeometry{kGeometryAll, at.x, at.y, kNewChildSize, kNewChildSize, false, false};
    }
    auto* explorer = dynamic_cast<ExplorerWindow*>(
        kind_.Children().RestoreWindow(kind_.Traits().kind, kind_.Document(), geometry));
    if (!explorer) return false;
    // Placeholders and values out of range take the new window's.
    explorer->ApplyRecord(RecordOfOptions(options));
    explorer->UpdateView();
    return true;
}

}  // namespace

std::unique_ptr<ChildWindowKind> MakeExplorerWindowKind(const ExplorerKindTraits& traits,
                                                        const ExplorerWindowContext& context) {
    return std::make_unique<ExplorerWindowKind>(traits, context);
}

ExplorerDocument* ExplorerKindDocument(ChildWindowKind& kind) {
    auto* explorer = dynamic_cast<ExplorerWindowKind*>(&kind);
    return explorer ? &explorer->Document() : nullptr;
}

}  // namespace corvinata
