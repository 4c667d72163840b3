#include "views/report_window_win.h"

#include <commdlg.h>

#include <string>

#include "app/help_topics_win.h"
#include "app/night_vision.h"
#include "app/related_task_groups.h"
#include "app/window_records.h"
#include "app/window_settings.h"
#include "base/scoped_win.h"
#include "documents/report_kinds.h"
#include "base/file_replace.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

constexpr int kMargin = 16;
constexpr int kTextHeight = 48;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 26;

// The page as bytes: it is plain ASCII, since every text in it is escaped.
bool WritePageFile(const Char* path, const String& page) {
    ScopedFileHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return false;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(page.Length()));
    for (const Char* p = page.Text(); *p != 0; ++p) bytes.push_back(*p < 128 ? static_cast<char>(*p) : '?');
    DWORD written = 0;
    const BOOL ok = WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return ok && written == bytes.size() && file.Close();
}

// A file name proposed from the title: the characters a file name cannot
// hold become blanks.
String FileNameOf(const String& title) {
    std::basic_string<Char> name;
    for (const Char* p = title.Text(); *p != 0; ++p) {
        const bool bad = *p < 32 || *p == '\\' || *p == '/' || *p == ':' || *p == '*' || *p == '?' || *p == '"' ||
                         *p == '<' || *p == '>' || *p == '|';
        name.push_back(bad ? Char(' ') : *p);
    }
    if (name.empty()) name = TXT("Report");
    return String(name.c_str());
}

}  // namespace

bool AskReportSavePath(HWND owner, const String& proposedName, String& path) {
    wchar_t file[MAX_PATH] = {};
    lstrcpynW(file, proposedName.Text(), MAX_PATH);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"HTML page (*.htm)\0*.htm\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = L"Save Report As";
    dialog.lpstrDefExt = L"htm";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) return false;
    path = file;
    return true;
}

ReportWindow::ReportWindow(ChildWindowHost& host, ReportDocument& document, ReportWindowKind& kind)
    : MdiChildWindow(host, document), document_(document), kind_(kind) {
    document_.Views().Insert(&views_);
    kind_.WindowMade(*this);
}

ReportWindow::~ReportWindow() {
    browser_.Reset();
    // A container outliving this object (a frame torn down with its windows
    // open) no longer reaches it.
    if (container_ != nullptr) SetWindowLongPtrW(container_, GWLP_USERDATA, 0);
    kind_.WindowGone(*this);
    document_.Views().Forget(&views_);
    kind_.DropDocument(document_);
}

String ReportWindow::GetStatusText() const { return Report() != nullptr ? Report()->GetTitle() : String(); }

void ReportWindow::RefreshCaption() { SetChildTitle(); }

void ReportWindow::Update() {
    RefreshCaption();
    if (Handle() == nullptr) return;
    if (!plainView_ && browser_) {
        const Char* page = Report() != nullptr ? Report()->GetHtml().Text() : TXT("");
        if (!browser_->LoadHtmlText(page)) ShowPlainView();
    }
    if (plainView_) InvalidateRect(container_, nullptr, TRUE);
    // The panel shows the report and its period while it controls this window.
    ControlPanel* panel = kind_.Panel();
    if (panel != nullptr && panel->GetAttachedWindow() == this) panel->Update(nullptr);
}

void ReportWindow::ReportChanged() { document_.DocumentNotifyViews(nullptr); }

void ReportWindow::ChooseReport(const ReportChoice& choice, const DateTimeLocation& record, bool nightVision) {
    if (!CreateReport(document_, choice.kind, choice.planet)) return;
    if (!document_.ApplyTimeAndLocation(record, nightVision)) Update();
}

// The report's own body and date.
void ReportWindow::DescribeForRelatedTasks(RelatedTaskSource& source) {
    if (const ReportGenerator* report = Report()) {
        source.date = report->GetSettingsRecord().dateTime;
        source.body = BodyOfReport(report->ReportType(), report->PlanetNumber());
    }
}

bool ReportWindow::Duplicate() {
    return kind_.Windows().NewWindow(kReportWindow, this) != nullptr;
}

void ReportWindow::OnCreate() {
    RECT client{};
    GetClientRect(Handle(), &client);
    container_ = CreateWindowExW(0, kBrowserContainerClass, L"", WS_CHILD | WS_VISIBLE, 0, 0,
                                 client.right, client.bottom, Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBrowserContainerId)),
                                 kind_.Instance(), this);
    if (container_ == nullptr) return;
    CreateBrowserOrPlainView();
    Update();
}

void ReportWindow::CreateBrowserOrPlainView() {
    BrowserHost* host = BrowserHost::Create();
    browser_.Reset(host);
    if (host == nullptr || !host->CreateBrowserControl(container_)) {
        ShowPlainView();
        return;
    }
    host->ResizeBrowserControl();
}

void ReportWindow::ShowPlainView() {
    browser_.Reset();
    if (plainView_) return;
    plainView_ = true;
    saveButton_ = CreateWindowExW(0, L"BUTTON", L"&Save as HTML...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                  0, 0, kButtonWidth, kButtonHeight, container_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSaveAsHtmlButton)), kind_.Instance(),
                                  nullptr);
    SendMessageW(saveButton_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    LayOutPlainView();
    InvalidateRect(container_, nullptr, TRUE);
}

void ReportWindow::LayOutPlainView() {
    if (saveButton_ == nullptr) return;
    SetWindowPos(saveButton_, nullptr, kMargin, kMargin + kTextHeight, kButtonWidth, kButtonHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ReportWindow::PaintPlainView(HDC dc) {
    RECT client{};
    GetClientRect(container_, &client);
    // The program's colours: the night shades under night vision.
    const bool night = kind_.NightVision();
    const COLORREF background = night ? RGB(0, 0, 0) : GetSysColor(COLOR_WINDOW);
    const COLORREF text = night ? RGB(192, 0, 0) : GetSysColor(COLOR_WINDOWTEXT);
    const ScopedWinHandle<GdiObjectTraits<HBRUSH>> brush(CreateSolidBrush(background));
    FillRect(dc, &client, brush.Get());
    SetBkColor(dc, background);
    SetTextColor(dc, text);
    const ScopedSelection font(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT area{kMargin, kMargin, client.right - kMargin, kMargin + kTextHeight - 8};
    DrawTextW(dc, kNoBrowserText, -1, &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void ReportWindow::OnSaveAsHtml() {
    const ReportWindowServices& services = kind_.Services();
    String path;
    const String title = Report() != nullptr ? Report()->GetTitle() : String(TXT("Report"));
    if (!services.askSavePath || !services.askSavePath(Handle(), FileNameOf(title), path)) return;
    if (!SaveAsHtml(path.Text()) && services.reportError) {
        String text(TXT("The report could not be saved as "));
        StringAppend(text, path.Text());
        StringAppend(text, TXT("."));
        services.reportError(Handle(), text);
    }
}

bool ReportWindow::SaveAsHtml(const Char* path) const {
    if (Report() == nullptr) return false;
    const String page = PageWithDataUrls(Report()->GetHtml(), kind_.Services().images);
    return WriteFileReplacing(path, [&page](const Char* temporary) { return WritePageFile(temporary, page); });
}

void ReportWindow::ResizeContainer() {
    if (container_ == nullptr || Handle() == nullptr) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    SetWindowPos(container_, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ReportWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_HELP:
        ShowHelpTopic(Handle(), HelpPage::ReportWindow);
        return TRUE;
    case WM_CREATE: {
        const LRESULT result = MdiChildWindow::HandleMessage(message, wParam, lParam);
        OnCreate();
        return result;
    }
    case WM_SIZE:
    case WM_EXITSIZEMOVE: {
        const LRESULT result = MdiChildWindow::HandleMessage(message, wParam, lParam);
        ResizeContainer();
        return result;
    }
    case WM_DESTROY:
        // The control goes before the windows it lives in.
        browser_.Reset();
        break;
    default:
        break;
    }
    return MdiChildWindow::HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK ReportWindow::ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ReportWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_SIZE:
        if (self->browser_) self->browser_->ResizeBrowserControl();
        self->LayOutPlainView();
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        if (!self->plainView_) break;
        {
            ScopedPaint paint(window);
            self->PaintPlainView(paint.Get());
        }
        return 0;
    case WM_PRINTCLIENT:
        if (!self->plainView_) break;
        self->PaintPlainView(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        if (self->plainView_) return 1;
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == kSaveAsHtmlButton && HIWORD(wParam) == BN_CLICKED) self->OnSaveAsHtml();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->container_ = nullptr;
        self->saveButton_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

ReportWindowKind::ReportWindowKind(ReportWindowServices services, ChildWindows& windows, HINSTANCE instance)
    : services_(std::move(services)), windows_(windows), instance_(instance) {
    RegisterMdiChildClass(instance_, {kReportWindowClass, ICO_REPORT, CS_HREDRAW | CS_VREDRAW,
                                      static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)), nullptr});
    WNDCLASSW container{};
    container.style = CS_HREDRAW | CS_VREDRAW;
    container.lpfnWndProc = ReportWindow::ContainerProc;
    container.hInstance = instance_;
    container.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    container.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    container.lpszClassName = kBrowserContainerClass;
    RegisterWindowClass(container);
    services_.hub.Insert(this);
}

ReportWindowKind::~ReportWindowKind() { services_.hub.Forget(this); }

void ReportWindowKind::OnNotify(std::int32_t event, std::uint32_t flags, void*) {
    if (event != kEventAppearanceChanged || (flags & kNightVisionSwitched) == 0) return;
    for (const auto& entry : windowOf_) {
        if (entry.second->Container() != nullptr) {
            RedrawWindow(entry.second->Container(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
    }
}

void ReportWindowKind::UnregisterClasses() {
    UnregisterClassW(kBrowserContainerClass, instance_);
    UnregisterClassW(kReportWindowClass, instance_);
}

WindowDocument* ReportWindowKind::NewDocument() {
    return &AdoptDocument(NewReportDocument(services_.hub, kNightReport, 0, services_.panel.CurrentTimeAndLocation()));
}

ReportDocument& ReportWindowKind::AdoptDocument(std::unique_ptr<ReportDocument> document) {
    documents_.push_back(std::move(document));
    return *documents_.back();
}

void ReportWindowKind::DropDocument(ReportDocument& document) {
    for (auto it = documents_.begin(); it != documents_.end(); ++it) {
        if (it->get() == &document) {
            documents_.erase(it);
            return;
        }
    }
}

std::unique_ptr<MdiChildWindow> ReportWindowKind::MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                                             const WindowGeometry& geometry, ChildShowMode mode,
                                                             const MdiChildWindow* model) {
    auto& report = static_cast<ReportDocument&>(document);
    if (const auto* original = dynamic_cast<const ReportWindow*>(model)) {
        // A duplicate: the same report for the same date and place.
        ReportGenerator* source = original->Report();
        report.ReplaceReport(source != nullptr ? source->Clone() : nullptr);
    }
    if (ReportGenerator* generator = report.Report()) {
        const DateTimeLocation settings = generator->CurrentTimeAndLocation();
        report.ApplyTimeAndLocation(settings, NightVision());
    }
    auto window = std::make_unique<ReportWindow>(host, report, *this);
    if (!window->Create(kReportWindowClass, instance_, geometry, mode)) return nullptr;
    return window;
}

void ReportWindowKind::WindowGone(ReportWindow& window) {
    const auto found = windowOf_.find(&window.GetReportDocument());
    if (found != windowOf_.end() && found->second == &window) windowOf_.erase(found);
}

ReportWindow* ReportWindowKind::WindowOf(int document) const {
    if (document < 0 || document >= static_cast<int>(documents_.size())) return nullptr;
    const auto found = windowOf_.find(documents_[static_cast<std::size_t>(document)].get());
    return found != windowOf_.end() ? found->second : nullptr;
}

int ReportWindowKind::WindowCount(int document) const { return WindowOf(document) != nullptr ? 1 : 0; }

bool ReportWindowKind::SaveModel(int document, SettingsTreeWriter& writer) {
    if (document < 0 || document >= static_cast<int>(documents_.size())) return false;
    // A document kept without windows has its report too.
    const ReportGenerator* report = documents_[static_cast<std::size_t>(document)]->Report();
    ReportModelValues values;
    if (report != nullptr) values = {report->ReportType(), report->PlanetNumber()};
    return SaveReportModel(writer, values);
}

bool ReportWindowKind::SaveWindow(int document, int, SettingsTreeWriter& writer) {
    ReportWindow* window = WindowOf(document);
    if (window == nullptr) return false;
    ReportWindowState state;
    CaptureGeometry(window->Handle(), state.geometry);
    if (const ReportGenerator* report = window->Report()) {
        const DateTimeLocation& record = report->GetSettingsRecord();
        state.dateTime = record.dateTime;
        state.daylightSaving = record.daylightSaving;
        LocationAssign(state.place, record.location);
    }
    return SaveReportOptions(state, writer);
}

int ReportWindowKind::LoadModel(SettingsTree& tree) {
    ReportModelValues values;
    // A damaged entry keeps the defaults: a Day report.
    if (!LoadReportModel(tree, kReportTypeCount - 1, values)) values = ReportModelValues{};
    AdoptDocument(NewReportDocument(services_.hub, values.type, values.bodyNumber,
                                    services_.panel.CurrentTimeAndLocation()));
    return static_cast<int>(documents_.size()) - 1;
}

bool ReportWindowKind::LoadWindow(int document, SettingsTree& tree) {
    if (document < 0 || document >= static_cast<int>(documents_.size())) return false;
    ReportDocument& report = *documents_[static_cast<std::size_t>(document)];
    ReportWindowState state;
    if (!LoadReportOptions(state, tree)) return false;
    if (ReportGenerator* generator = report.Report()) {
        DateTimeLocation record = generator->CurrentTimeAndLocation();
        record.dateTime = state.dateTime;
        record.daylightSaving = state.daylightSaving;
        LocationAssign(record.location, state.place);
        generator->SetLocation(record);
    }
    return windows_.RestoreWindow(kReportWindow, report, state.geometry) != nullptr;
}

void ReportWindowKind::KeepWithoutWindows(int document) {
    // A window that failed to open took its document along.
    if (document < 0 || document >= static_cast<int>(documents_.size()) || WindowOf(document) != nullptr) return;
    windows_.KeepDocument(*documents_[static_cast<std::size_t>(document)]);
}

MdiChildWindow* ReportWindowKind::NewReportWindow(int type, int bodyNumber, const DateTimeLocation& record) {
    if (!IsReportType(type, bodyNumber)) return nullptr;
    std::unique_ptr<ReportDocument> document = NewReportDocument(services_.hub, type, bodyNumber, record);
    ReportDocument& adopted = AdoptDocument(std::move(document));
    const POINT at = windows_.Cascade().Current();
    const WindowGeometry geometry{kGeometryAll, at.x, at.y, kNewChildSize, kNewChildSize, false, false};
    return windows_.RestoreWindow(kReportWindow, adopted, geometry);
}

}  // namespace corvinata
