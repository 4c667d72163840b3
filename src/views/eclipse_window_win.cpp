#include "views/eclipse_window_win.h"

#include <algorithm>

#include "app/help_topics_win.h"
#include "app/related_task_groups.h"
#include "app/window_records.h"
#include "catalog/catalogue_registry.h"
#include "catalog/sun_earth_catalogues.h"
#include "resources/resource_ids.h"

namespace corvinata {

SolarEclipseWindow::SolarEclipseWindow(ChildWindowHost& host, std::unique_ptr<SolarEclipseDocument> document,
                                       SolarEclipseKind& kind)
    : MdiChildWindow(host, *document), kind_(kind), document_(std::move(document)), view_(*document_, *this) {}

SolarEclipseWindow::~SolarEclipseWindow() {
    document_->Views().Forget(&listener_);
    kind_.Services().application->GetNotificationHub().Forget(&listener_);
}

bool SolarEclipseWindow::Open(const WindowGeometry& geometry, ChildShowMode mode, const EclipseWindowState* record) {
    EclipseWindowState defaults;
    if (record == nullptr) {
        const DateTimeLocation& current = kind_.Services().application->Current().GetTimeAndLocation();
        SolarEclipseWindowDefaults(defaults, document_->Model().date, current);
        record = &defaults;
    }
    view_.RestoreRecord(*record);
    view_.TakeChanges();
    document_->Views().Insert(&listener_);
    kind_.Services().application->GetNotificationHub().Insert(&listener_);
    if (!Create(kClassName, kind_.Services().instance, geometry, mode)) return false;
    if (!display_.Create(Handle(), kind_.Services().instance)) return false;
    OnSize();
    return true;
}

EclipseWindowState SolarEclipseWindow::CaptureRecord() const {
    EclipseWindowState state;
    if (Handle()) CaptureGeometry(Handle(), state.geometry);
    view_.CaptureRecord(state);
    return state;
}

EclipsePanelReading SolarEclipseWindow::ReadPanel() const {
    return view_.ReadPanel(kind_.Services().application->Current().GetTimeAndLocation().daylightSaving);
}

bool SolarEclipseWindow::Duplicate() { return kind_.DuplicateOf(*this); }

void SolarEclipseWindow::Refresh() {
    MapPoint before;
    const std::uint32_t changes = view_.TakeChanges(&before);
    SetChildTitle();
    if (changes & kEclipseMapChanged) {
        display_.Refresh();
    } else if (changes & kEclipseMarkMoved) {
        display_.RefreshMarks(before, view_.GetDetailsPoint());
    }
    RefreshPanel();
}

void SolarEclipseWindow::RefreshAll() {
    view_.TakeChanges();
    SetChildTitle();
    display_.Refresh();
    RefreshPanel();
}

void SolarEclipseWindow::RefreshPanel() {
    ControlPanel* panel = kind_.Panel();
    if (panel && panel->GetAttachedWindow() == static_cast<PanelWindow*>(this)) panel->ControlPanelUpdate(nullptr);
}

// The first notch that zooms opens a step and the one-second timer; the
// notches until the timer fires change that step.
void SolarEclipseWindow::OnMouseWheelSteps(int steps, bool backward) {
    if (steps <= 0) return;
    const int direction = backward ? 1 : 0;
    if (merging_) {
        kind_.Actions().ZoomStep(view_, steps, direction, true);
        return;
    }
    const int before = view_.GetZoom();
    SetTimer(Handle(), kMergeTimer, kMergePeriod, nullptr);
    kind_.Actions().ZoomStep(view_, steps, direction, false);
    if (view_.GetZoom() != before) merging_ = true;
}

void SolarEclipseWindow::EndMerging() {
    merging_ = false;
    KillTimer(Handle(), kMergeTimer);
}

void SolarEclipseWindow::OnSize() {
    display_.FitToParent();
    RECT client{};
    if (display_.Window()) GetClientRect(display_.Window(), &client);
    view_.SetClientSize(client.right, client.bottom);
}

LRESULT SolarEclipseWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
    case WM_EXITSIZEMOVE: OnSize(); break;
    case WM_TIMER:
        if (wParam != kMergeTimer) break;
        EndMerging();
        return 0;
    case WM_HELP: ShowHelpTopic(Handle(), HelpPage::SolarEclipseWindow); return 1;
    case WM_CONTEXTMENU:
        // Shift+F10 and the menu key while the window itself has the focus.
        if (lParam != -1 || !display_.Window()) break;
        display_.ShowContextMenuFromKeyboard();
        return 0;
    case WM_DESTROY:
        if (merging_) EndMerging();
        document_->Views().Forget(&listener_);
        kind_.Services().application->GetNotificationHub().Forget(&listener_);
        break;
    default: break;
    }
    return MdiChildWindow::HandleMessage(message, wParam, lParam);
}

const std::vector<CountryOutline>* SolarEclipseWindow::CountryOutlines() const { return kind_.Outlines(); }

bool SolarEclipseWindow::NightVisionActive() const { return kind_.NightVisionOn(); }

HFONT SolarEclipseWindow::TextFont() const {
    HFONT font = kind_.Services().textFont;
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void SolarEclipseWindow::MapClicked(const MapPoint& place) {
    kind_.Actions().DisplayDetails(view_, place, kDetailsLongitude | kDetailsLatitude, nullptr);
}

bool SolarEclipseWindow::CanShowInSky() const {
    return kind_.Services().windows && kind_.Services().windows->OffersWindowKind(kSkyWindow);
}

void SolarEclipseWindow::ShowInSky() {
    const SunObject* sun = SunRecordAt(0);
    if (sun && kind_.Services().windows) {
        kind_.Services().windows->ShowBodyInSkyWindowAt(BodyIdentifierFromObject(sun), document_->Model().date);
    }
}

void SolarEclipseWindow::StartOnDate(const DateTime& date) {
    view_.SetEclipseDate(date);
    RefreshAll();
}

// The eclipse's own date, not the program's.
void SolarEclipseWindow::DescribeForRelatedTasks(RelatedTaskSource& source) {
    source.date = document_->Model().date;
}

SolarEclipseKind::SolarEclipseKind(const SolarEclipseKindServices& services) : services_(services) {
    RegisterMdiChildClass(services_.instance, {SolarEclipseWindow::kClassName, ICO_ECLIPSE,
                                               CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr, kMainMenuName});
    EclipseDisplay::RegisterDisplayClass(services_.instance, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (services_.panelParent) {
        panel_ = std::make_unique<EclipseControlPanel>(static_cast<PanelServices&>(*this), Actions());
        if (!panel_->CreatePanelDialog(services_.instance, L"DLG_CTRL_SEC", services_.panelParent,
                                       services_.dialogs)) {
            panel_.reset();
        }
    }
}

SolarEclipseKind::~SolarEclipseKind() = default;

void SolarEclipseKind::UnregisterClasses() {
    EclipseDisplay::UnregisterDisplayClass(services_.instance);
    UnregisterClassW(SolarEclipseWindow::kClassName, services_.instance);
}

WindowDocument* SolarEclipseKind::NewDocument() {
    NotificationHub& hub = services_.application->GetNotificationHub();
    std::unique_ptr<SolarEclipseDocument> document =
        duplicating_ ? std::make_unique<SolarEclipseDocument>(
                           hub, static_cast<const SolarEclipseDocument&>(duplicating_->Document()))
                     : NewSolarEclipseDocument(hub, services_.application->Current().GetTimeAndLocation().dateTime);
    // The map of the eclipse takes a fifth of a second to compute: a window
    // that maps it already lends it.
    for (int i = 0; i < services_.registry->DocumentCount(kSolarEclipseWindow); ++i) {
        const auto* open =
            dynamic_cast<const SolarEclipseDocument*>(services_.registry->DocumentAt(kSolarEclipseWindow, i));
        if (open && document->ShareMapOf(*open)) break;
    }
    waiting_.push_back(std::move(document));
    return waiting_.back().get();
}

std::unique_ptr<SolarEclipseDocument> SolarEclipseKind::TakeDocument(WindowDocument& document) {
    const auto found = std::find_if(waiting_.begin(), waiting_.end(),
                                    [&document](const auto& waiting) { return waiting.get() == &document; });
    if (found == waiting_.end()) return nullptr;
    std::unique_ptr<SolarEclipseDocument> taken = std::move(*found);
    waiting_.erase(found);
    return taken;
}

void SolarEclipseKind::LoadOutlines() {
    if (shapesLoaded_) return;
    shapesLoaded_ = true;
    Application& app = *services_.application;
    // Without the outlines the maps are drawn without borders: the user is
    // told so, and the program goes on.
    shapes_.LoadCountryShapes(app.GetStorage(), app.Product().GetProgramDirectory(), [this, &app](const String& path) {
        app.ReportCountryBordersFile(path, shapes_.Failure() == ShapesFailure::Damaged);
    });
}

const std::vector<CountryOutline>* SolarEclipseKind::Outlines() const {
    return shapes_.Count() > 0 ? &shapes_.Outlines() : nullptr;
}

std::unique_ptr<MdiChildWindow> SolarEclipseKind::MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                                             const WindowGeometry& geometry, ChildShowMode mode,
                                                             const MdiChildWindow* model) {
    std::unique_ptr<SolarEclipseDocument> owned = TakeDocument(document);
    if (!owned) return nullptr;
    LoadOutlines();
    EclipseWindowState copied;
    const EclipseWindowState* record = restoring_;
    if (const auto* original = dynamic_cast<const SolarEclipseWindow*>(model)) {
        copied = original->CaptureRecord();
        record = &copied;
    }
    auto window = std::make_unique<SolarEclipseWindow>(host, std::move(owned), *this);
    if (!window->Open(geometry, mode, record)) return nullptr;
    return window;
}

bool SolarEclipseKind::DuplicateOf(const SolarEclipseWindow& model) {
    duplicating_ = &model;
    MdiChildWindow* window = services_.children->NewWindow(kSolarEclipseWindow, &model);
    duplicating_ = nullptr;
    return window != nullptr;
}

DateTimeLocation SolarEclipseKind::CurrentTimeAndLocation() const {
    return services_.application->Current().GetTimeAndLocation();
}

bool SolarEclipseKind::IsNightVisionActive() const { return NightVisionOn(); }

bool SolarEclipseKind::SavePanel(SettingsTreeWriter& writer) {
    EclipsePanelSettings settings;
    TimeStep step{settings.stepType, settings.stepValue};
    DateTime date = settings.dateTime;
    if (panel_) panel_->StoreState(step, date);
    settings.stepValue = step.count;
    settings.stepType = step.unit;
    settings.dateTime = date;
    return SaveTimeStepOptions(settings, writer);
}

void SolarEclipseKind::LoadPanel(SettingsTree& tree) {
    EclipsePanelSettings settings;
    LoadTimeStepOptions(settings, tree);
    if (panel_) panel_->RestoreState(TimeStep{settings.stepType, settings.stepValue}, settings.dateTime);
}

int SolarEclipseKind::DocumentCount() const { return services_.registry->DocumentCount(kSolarEclipseWindow); }

int SolarEclipseKind::WindowCount(int document) const {
    const WindowDocument* open = services_.registry->DocumentAt(kSolarEclipseWindow, document);
    return open ? static_cast<int>(services_.registry->WindowsOf(*open).size()) : 0;
}

SolarEclipseWindow* SolarEclipseKind::WindowAt(int document) const {
    const WindowDocument* open = services_.registry->DocumentAt(kSolarEclipseWindow, document);
    if (!open || services_.registry->WindowsOf(*open).empty()) return nullptr;
    return dynamic_cast<SolarEclipseWindow*>(services_.registry->WindowsOf(*open).front());
}

bool SolarEclipseKind::SaveModel(int document, SettingsTreeWriter& writer) {
    const auto* open =
        dynamic_cast<const SolarEclipseDocument*>(services_.registry->DocumentAt(kSolarEclipseWindow, document));
    return open && SaveSolarEclipseDocument(writer, *open);
}

bool SolarEclipseKind::SaveWindow(int document, int window, SettingsTreeWriter& writer) {
    SolarEclipseWindow* open = window == 0 ? WindowAt(document) : nullptr;
    return open && SaveEclipseOptions(open->CaptureRecord(), writer);
}

int SolarEclipseKind::LoadModel(SettingsTree& tree) {
    std::unique_ptr<SolarEclipseDocument> document =
        LoadSolarEclipseDocument(tree, services_.application->GetNotificationHub());
    if (!document) return -1;
    restored_.push_back(document.get());
    waiting_.push_back(std::move(document));
    return static_cast<int>(restored_.size()) - 1;
}

bool SolarEclipseKind::LoadWindow(int document, SettingsTree& tree) {
    if (document < 0 || document >= static_cast<int>(restored_.size()) || restored_[document] == nullptr) return false;
    EclipseWindowState state;
    if (!LoadEclipseOptions(state, tree)) return false;
    restoring_ = &state;
    MdiChildWindow* window = services_.children->RestoreWindow(kSolarEclipseWindow, *restored_[document], state.geometry);
    restoring_ = nullptr;
    // The document now belongs to its window (or went with a failed one).
    restored_[document] = nullptr;
    return window != nullptr;
}

void SolarEclipseKind::KeepWithoutWindows(int document) {
    // Still waiting for a window (a failed one took its document along):
    // it waits on in the list of eclipses.
    if (document < 0 || document >= static_cast<int>(restored_.size()) || restored_[document] == nullptr) return;
    services_.children->KeepDocument(*restored_[document]);
    restored_[document] = nullptr;
}

bool ShowEclipseInWindow(ChildWindows& children, SolarEclipseActions& actions, const DateTime& date) {
    bool created = false;
    auto* window = dynamic_cast<SolarEclipseWindow*>(children.ShowWindow(kSolarEclipseWindow, &created));
    if (!window) return false;
    if (created) {
        window->StartOnDate(date);
    } else {
        actions.CheckDate(window->View(), date, nullptr);
    }
    return true;
}

}  // namespace corvinata
