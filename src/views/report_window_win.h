// The Report window: a report's page in the system's web-browser control,
// the report chosen and its date browsed in the Report panel. Where the
// system has no browser engine the window says so plainly and offers the
// page as an HTML file with its pictures inside.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/main_windows.h"
#include "app/report_document.h"
#include "documents/browser_host_win.h"
#include "documents/inline_images.h"
#include "controls/child_windows.h"
#include "views/report_picture_panels_win.h"

namespace corvinata {

class ReportWindowKind;

constexpr const wchar_t* kReportWindowClass = L"CorvinataMdiChildRpt";
constexpr const wchar_t* kBrowserContainerClass = L"CorvinataWebBrowserContainer";
constexpr int kBrowserContainerId = 123;
constexpr int kSaveAsHtmlButton = 124;
constexpr const wchar_t* kNoBrowserText =
    L"This report cannot be shown here: the web browser component is not available.";

class ReportWindow final : public MdiChildWindow, public ReportPanelWindow {
public:
    ReportWindow(ChildWindowHost& host, ReportDocument& document, ReportWindowKind& kind);
    ~ReportWindow() override;

    String GetStatusText() const override;
    PanelWindow* AsPanelWindow() override { return this; }
    bool Duplicate() override;
    void DescribeForRelatedTasks(RelatedTaskSource& source) override;

    // The report panel's side.
    HWND GetWindowHandle() const override { return Handle(); }
    void WheelZoom(int) override {}
    BrowsableReport* GetReport() override { return Report(); }
    void ReportChanged() override;
    void ChooseReport(const ReportChoice& choice, const DateTimeLocation& record, bool nightVision) override;

    ReportDocument& GetReportDocument() const noexcept { return document_; }
    ReportGenerator* Report() const noexcept { return document_.Report(); }
    // The caption, then the page into the view; called for every change of
    // the document.
    void Update();
    HWND Container() const noexcept { return container_; }
    // No browser engine: the plain text and the save button instead.
    bool ShowsPlainView() const noexcept { return plainView_; }
    // Writes the page, its pictures as data: URLs, through a temporary file.
    bool SaveAsHtml(const Char* path) const;

    static LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class Views final : public NotificationObserver {
    public:
        explicit Views(ReportWindow& window) : window_(window) {}
        void Update(void*) override { window_.Update(); }

    private:
        ReportWindow& window_;
    };

    void OnCreate();
    void ResizeContainer();
    void CreateBrowserOrPlainView();
    void ShowPlainView();
    void LayOutPlainView();
    void PaintPlainView(HDC dc);
    void OnSaveAsHtml();
    void RefreshCaption();

    ReportDocument& document_;
    ReportWindowKind& kind_;
    Views views_{*this};
    HWND container_ = nullptr;
    HWND saveButton_ = nullptr;
    BrowserHostOwner browser_;
    bool plainView_ = false;
};

// What the Report windows need of the program.
struct ReportWindowServices {
    PanelServices& panel;
    NotificationHub& hub;
    const InlineImageSource& images;
    // The save dialog: a path for the page, or false when the user cancelled.
    std::function<bool(HWND owner, const String& proposedName, String& path)> askSavePath;
    // A failure the user must hear of (the file could not be written).
    std::function<void(HWND owner, const String& text)> reportError;
};

// The "Save Report As" dialog.
bool AskReportSavePath(HWND owner, const String& proposedName, String& path);

// The Report kind as the frame opens, shows and restores it: its documents,
// its windows and its panel. Each document has exactly one window; the
// session stores a report's type and planet as its model and the window's
// place, date and location as its window.
class ReportWindowKind final : public ChildWindowKind, private WindowKindState, private NotificationObserver {
public:
    ReportWindowKind(ReportWindowServices services, ChildWindows& windows, HINSTANCE instance);
    ~ReportWindowKind() override;

    int Kind() const override { return kReportWindow; }
    // A Night report for the current time and place.
    WindowDocument* NewDocument() override;
    std::unique_ptr<MdiChildWindow> MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                               const WindowGeometry& geometry, ChildShowMode mode,
                                               const MdiChildWindow* model) override;
    ControlPanel* Panel() override { return panel_; }
    void SetPanel(ControlPanel* panel) noexcept { panel_ = panel; }
    WindowKindState* SessionState() override { return this; }
    void UnregisterClasses() override;

    // A new window over a new document of the report type, set to the record
    // (the related tasks' ephemerides); null when the type names no report.
    MdiChildWindow* NewReportWindow(int type, int bodyNumber, const DateTimeLocation& record);
    // A document made for a stored window (the document keeps its report
    // for the window that opens over it).
    ReportDocument& AdoptDocument(std::unique_ptr<ReportDocument> document);
    // The document's window went: the document goes with it.
    void DropDocument(ReportDocument& document);
    int OpenDocuments() const noexcept { return static_cast<int>(documents_.size()); }

    const ReportWindowServices& Services() const noexcept { return services_; }
    ChildWindows& Windows() noexcept { return windows_; }
    HINSTANCE Instance() const noexcept { return instance_; }
    bool NightVision() const { return services_.panel.IsNightVisionActive(); }

    void WindowMade(ReportWindow& window) { windowOf_[&window.GetReportDocument()] = &window; }
    void WindowGone(ReportWindow& window);

private:
    // Night vision switched: the plain views take the new colours (pages
    // keep theirs until they are written again).
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    void Update(void*) override {}
    bool SavePanel(SettingsTreeWriter&) override { return true; }
    void LoadPanel(SettingsTree&) override {}
    int DocumentCount() const override { return static_cast<int>(documents_.size()); }
    int WindowCount(int document) const override;
    bool SaveModel(int document, SettingsTreeWriter& writer) override;
    bool SaveWindow(int document, int window, SettingsTreeWriter& writer) override;
    int LoadModel(SettingsTree& tree) override;
    bool LoadWindow(int document, SettingsTree& tree) override;
    void KeepWithoutWindows(int document) override;
    ReportWindow* WindowOf(int document) const;

    ReportWindowServices services_;
    ChildWindows& windows_;
    HINSTANCE instance_;
    ControlPanel* panel_ = nullptr;
    std::vector<std::unique_ptr<ReportDocument>> documents_;
    std::map<const ReportDocument*, ReportWindow*> windowOf_;
};

}  // namespace corvinata
