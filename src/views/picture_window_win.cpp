#include "views/picture_window_win.h"

#include <algorithm>

#include "app/help_topics_win.h"
#include "app/related_task_groups.h"
#include "app/window_records.h"
#include "app/window_settings.h"
#include "views/picture_dialogs_win.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

constexpr const Char* kSortColumn = TXT("Sort column");
constexpr const Char* kPictureNotFound = TXT("<Picture not found>");

String FullPicturePath(const PictureRef& ref) {
    String path(ref.directory);
    StringAppend(path, TXT("\\"));
    StringAppend(path, ref.fileName.Text());
    return path;
}

bool RegisterPictureClass(HINSTANCE instance) {
    return RegisterMdiChildClass(instance, {PictureWindow::ClassName(), ICO_PICTURE,
                                            CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                                            static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), kMainMenuName});
}

}  // namespace

PictureWindow::PictureWindow(ChildWindowHost& host, PictureWindowKind& kind, PictureDocument& document,
                             bool scaleToFit)
    : MdiChildWindow(host, document), kind_(kind), document_(document), scaleToFit_(scaleToFit) {
    menu_ = LoadMenuW(kind.Services().instance, L"Menu_Pic");
    document_.Views().Insert(this);
    kind_.WindowMade(*this);
}

PictureWindow::~PictureWindow() {
    document_.Views().Forget(this);
    if (menu_) DestroyMenu(menu_);
    picture_.Unload();
    kind_.WindowGone(*this);
}

String PictureWindow::GetStatusText() const {
    const PictureEntry* entry = document_.Current();
    // A picture that did not load is as missing as one no pack lists.
    if (!entry || (loadTried_ && !picture_.IsLoaded())) return String(kPictureNotFound);
    return entry->description.IsEmpty() ? entry->fileName : entry->description;
}

void PictureWindow::LoadCurrentPicture() {
    // The old picture goes first, so a picture that cannot be found leaves
    // the window black instead of showing the one before.
    picture_.Unload();
    loadedRef_ = document_.CurrentRef();
    loadTried_ = true;
    if (!document_.Current()) return;
    picture_.SetPath(FullPicturePath(loadedRef_).Text());
    picture_.Load(kind_.Services().instance);
}

void PictureWindow::Update(void*) {
    // Reloaded only when the picture named changed: options and undo of
    // other steps repaint what is loaded.
    if (!loadTried_ || !PictureRefEquals(loadedRef_, document_.CurrentRef())) LoadCurrentPicture();
    if (Handle()) {
        InvalidateRect(Handle(), nullptr, TRUE);
        UpdateWindow(Handle());
    }
    SetChildTitle();
    PictureControlPanel* panel = kind_.GetPictureControlPanel();
    if (panel && panel->GetAttachedWindow() == static_cast<PanelWindow*>(this)) panel->ControlPanelUpdate(nullptr);
}

void PictureWindow::Draw(HDC dc, bool fillBackground) {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (fillBackground) FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!picture_.IsLoaded()) return;
    const SIZE size = picture_.PixelSize();
    const PictureRect drawn = FitPictureRect(size.cx, size.cy, client.right, client.bottom, scaleToFit_);
    picture_.Render(dc, drawn.left, drawn.top, drawn.width, drawn.height);
}

void PictureWindow::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Handle(), &paint);
    // The class's black brush has erased the rest.
    Draw(dc, false);
    EndPaint(Handle(), &paint);
}

HMENU PictureWindow::PrepareContextMenu() {
    HMENU popup = menu_ ? GetSubMenu(menu_, 0) : nullptr;
    if (!popup) return nullptr;
    if (menuPattern_.IsEmpty()) {
        wchar_t text[128] = {};
        GetMenuStringW(popup, 0, text, 127, MF_BYPOSITION);
        menuPattern_ = String(text);
    }
    const BodyIdentifier body = document_.GetBody();
    const String text = PictureBodyMenuText(menuPattern_.Text(), body.object);
    ModifyMenuW(popup, 0, MF_BYPOSITION | MF_POPUP | MF_STRING,
                reinterpret_cast<UINT_PTR>(GetSubMenu(popup, 0)), text.Text());
    const PictureMenuStates states = PictureMenuStatesFor(body.object, kind_.MenuOffer());
    const auto state = [](bool on) { return MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED); };
    EnableMenuItem(popup, CMD_SHOW_SKY, state(states.sky));
    EnableMenuItem(popup, CMD_SHOW_SOLAR_SYSTEM, state(states.solarSystem));
    EnableMenuItem(popup, CMD_SHOW_OBJECT_INFO, state(states.objectInfo));
    return popup;
}

void PictureWindow::ChangePictureOptions() {
    bool fit = scaleToFit_;
    Application& app = *kind_.Services().app;
    if (!ShowPictureOptionsDialog(kind_.Services().instance, Handle(), &app.DialogStates().pictureOptions.geometry,
                                  fit))
        return;
    // Only a different value is a step.
    app.GetPictureActions().ChangeOptions(*this, fit, 0, nullptr);
}

// The pictured body at the program's moment.
void PictureWindow::DescribeForRelatedTasks(RelatedTaskSource& source) { source.body = document_.GetBody(); }

bool PictureWindow::Duplicate() {
    return kind_.Services().children && kind_.Services().children->NewWindow(kPictureWindow, this) != nullptr;
}

void PictureWindow::OnCommand(int id) {
    const BodyIdentifier body = document_.GetBody();
    switch (id) {
    case CMD_SHOW_SKY:
    case CMD_SHOW_SOLAR_SYSTEM:
    case CMD_SHOW_OBJECT_INFO: {
        const PictureMenuStates states = PictureMenuStatesFor(body.object, kind_.MenuOffer());
        WindowServices* windows = kind_.Services().windows;
        if (id == CMD_SHOW_SKY && states.sky) windows->ShowBodyInSkyWindow(body);
        if (id == CMD_SHOW_SOLAR_SYSTEM && states.solarSystem) windows->ShowBodyInSolarSystemWindow(body);
        if (id == CMD_SHOW_OBJECT_INFO && states.objectInfo) windows->ShowObjectInfo(body, nullptr);
        break;
    }
    case CMD_PICTURE_OPTIONS: ChangePictureOptions(); break;
    case CMD_DUPLICATE_WINDOW: Duplicate(); break;
    default: break;
    }
}

LRESULT PictureWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        LoadCurrentPicture();
        break;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        Draw(reinterpret_cast<HDC>(wParam), true);
        return 0;
    case WM_RBUTTONDOWN:
        if (HMENU popup = PrepareContextMenu()) {
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(Handle(), &at);
            TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
        }
        break;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_HELP:
        ShowHelpTopic(Handle(), HelpPage::PictureWindow);
        return 1;
    default:
        break;
    }
    return MdiChildWindow::HandleMessage(message, wParam, lParam);
}

PictureWindowKind::PictureWindowKind(PictureKindServices services, std::unique_ptr<PanelServices> panelServices,
                                     HWND panelParent, std::unique_ptr<ModelessDialogs> modeless)
    : services_(std::move(services)), panelServices_(std::move(panelServices)), modeless_(std::move(modeless)) {
    RegisterPictureClass(services_.instance);
    panel_ = std::make_unique<PictureControlPanel>(*panelServices_, services_.app->GetPictureActions(),
                                                   services_.app->PicturePacks());
    if (panelParent &&
        panel_->CreatePanelDialog(services_.instance, L"DLG_CTRL_PIC", panelParent, modeless_.get())) {
        ShowWindow(panel_->GetDialogWindow(), SW_HIDE);
        RECT parent{};
        RECT own{};
        GetClientRect(panelParent, &parent);
        GetWindowRect(panel_->GetDialogWindow(), &own);
        SetWindowPos(panel_->GetDialogWindow(), nullptr, 0, 0, own.right - own.left, parent.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

PictureWindowKind::~PictureWindowKind() {
    if (panel_ && panel_->GetDialogWindow()) DestroyWindow(panel_->GetDialogWindow());
}

void PictureWindowKind::UnregisterClasses() { UnregisterClassW(PictureWindow::ClassName(), services_.instance); }

WindowDocument* PictureWindowKind::NewDocument() {
    auto document = std::make_unique<PictureDocument>(services_.app->GetNotificationHub(), services_.app->PicturePacks());
    document->SetCurrent(
        ResolvePictureRef(services_.app->PicturePacks(), String(), String(kDefaultPictureFile)));
    documents_.push_back(std::move(document));
    return documents_.back().get();
}

std::unique_ptr<MdiChildWindow> PictureWindowKind::MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                                              const WindowGeometry& geometry, ChildShowMode mode,
                                                              const MdiChildWindow* model) {
    auto& picture = static_cast<PictureDocument&>(document);
    const auto* original = dynamic_cast<const PictureWindow*>(model);
    bool fit = restoredFit_;
    if (original) {
        fit = const_cast<PictureWindow*>(original)->GetFitToWindow();
        picture.SetCurrent(const_cast<PictureWindow*>(original)->GetModel().CurrentRef());
    }
    auto window = std::make_unique<PictureWindow>(host, *this, picture, fit);
    if (!window->Create(PictureWindow::ClassName(), services_.instance, geometry, mode)) {
        window.reset();  // takes its document along
        return nullptr;
    }
    // A copy of a minimized window is minimized too; a maximized one is
    // maximized through the active child already.
    if (original && IsIconic(original->Handle())) ShowWindow(window->Handle(), SW_MINIMIZE);
    window->Update(nullptr);
    return window;
}

void PictureWindowKind::WindowMade(PictureWindow& window) { windows_.push_back(&window); }

void PictureWindowKind::WindowGone(PictureWindow& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
    // The document lives as long as its one window.
    PictureDocument* document = &window.GetModel();
    documents_.erase(std::remove_if(documents_.begin(), documents_.end(),
                                    [document](const auto& owned) { return owned.get() == document; }),
                     documents_.end());
}

PictureDocument* PictureWindowKind::DocumentAt(int document) const {
    return document >= 0 && document < static_cast<int>(documents_.size())
               ? documents_[static_cast<std::size_t>(document)].get()
               : nullptr;
}

PictureWindow* PictureWindowKind::WindowOf(int document) const {
    PictureDocument* picture = DocumentAt(document);
    for (PictureWindow* window : windows_) {
        if (picture && &window->GetModel() == picture) return window;
    }
    return nullptr;
}

bool PictureWindowKind::SavePanel(SettingsTreeWriter& writer) {
    const int column = panel_ ? panel_->SortColumn() : -1;
    return WriteIntValue(writer, kSortColumn, column < 0 ? 0 : column);
}

void PictureWindowKind::LoadPanel(SettingsTree& tree) {
    std::int32_t column = 0;
    if (panel_ && ReadIntValueInRange(tree, kSortColumn, kPictureTypeColumn, kPictureDescriptionColumn, column)) {
        panel_->SortBy(column);
    }
}

int PictureWindowKind::DocumentCount() const { return static_cast<int>(documents_.size()); }

int PictureWindowKind::WindowCount(int document) const { return WindowOf(document) ? 1 : 0; }

bool PictureWindowKind::SaveModel(int document, SettingsTreeWriter& writer) {
    const PictureDocument* picture = DocumentAt(document);
    if (!picture) return false;
    PictureModelValues values;
    values.path = picture->CurrentRef().directory;
    values.fileName = picture->CurrentRef().fileName;
    return SavePictureModel(writer, values);
}

bool PictureWindowKind::SaveWindow(int document, int, SettingsTreeWriter& writer) {
    PictureWindow* window = WindowOf(document);
    if (!window) return false;
    PictureViewState state;
    CaptureGeometry(window->Handle(), state.geometry);
    state.fitToWindow = window->GetFitToWindow();
    return SavePictureOptions(state, writer);
}

int PictureWindowKind::LoadModel(SettingsTree& tree) {
    PictureModelValues values;
    LoadPictureModel(tree, values);
    auto document = std::make_unique<PictureDocument>(services_.app->GetNotificationHub(), services_.app->PicturePacks());
    document->SetCurrent(ResolvePictureRef(services_.app->PicturePacks(), values.path, values.fileName));
    documents_.push_back(std::move(document));
    return static_cast<int>(documents_.size()) - 1;
}

bool PictureWindowKind::LoadWindow(int document, SettingsTree& tree) {
    PictureDocument* picture = DocumentAt(document);
    // One window per document.
    if (!picture || !services_.children || WindowOf(document)) return false;
    PictureViewState state;
    if (!LoadPictureOptions(state, tree)) return false;
    restoredFit_ = state.fitToWindow;
    MdiChildWindow* window = services_.children->RestoreWindow(kPictureWindow, *picture, state.geometry);
    restoredFit_ = false;
    return window != nullptr;
}

void PictureWindowKind::KeepWithoutWindows(int document) {
    // A window that failed to open took its document along.
    PictureDocument* picture = DocumentAt(document);
    if (picture && services_.children && !WindowOf(document)) services_.children->KeepDocument(*picture);
}

PictureMenuOffer PictureWindowKind::MenuOffer() const {
    PictureMenuOffer offer;
    if (const WindowServices* windows = services_.windows) {
        offer.skyWindow = windows->OffersWindowKind(kSkyWindow);
        offer.solarSystemWindow = windows->OffersWindowKind(kSolarSystemWindow);
        offer.objectInfo = windows->OffersObjectInfo();
    }
    return offer;
}

PictureWindow* PictureWindowKind::FindActivePictureWindow() const {
    return services_.children ? dynamic_cast<PictureWindow*>(services_.children->ActiveWindowOf(kPictureWindow))
                              : nullptr;
}

bool PictureWindowKind::ShowPictureWindowOfBody(const BodyIdentifier& body) {
    if (!body.object || !services_.children) return false;
    PictureRef ref;
    if (!FindPictureOfBody(services_.app->PicturePacks(), body.object->GetTypeId(), body.object->Number(), ref))
        return false;
    bool created = false;
    auto* window = dynamic_cast<PictureWindow*>(services_.children->ShowWindow(kPictureWindow, &created));
    if (!window) return false;
    if (created) {
        // A window made for the picture starts with it: nothing to undo.
        window->GetModel().SetCurrent(ref);
        window->Update(nullptr);
    } else {
        services_.app->GetPictureActions().ShowPicture(*window, ref, nullptr);
    }
    return true;
}

bool PictureWindowKind::ShowMissingPicture() {
    if (!services_.children) return false;
    auto* window = dynamic_cast<PictureWindow*>(services_.children->NewWindow(kPictureWindow));
    if (!window) return false;
    window->GetModel().SetCurrent(PictureRef{});
    window->Update(nullptr);
    return true;
}

}  // namespace corvinata
