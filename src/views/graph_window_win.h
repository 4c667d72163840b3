// The Graph window: an MDI child that owns one graph document and shows it
// in a display between a time axis and a value axis, with a guide line at
// one of the 366 steps. The Graph kind makes a document for every window.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/graph_commands.h"
#include "app/related_tasks.h"
#include "documents/graph_document.h"
#include "controls/child_windows.h"
#include "views/graph_panel_win.h"
#include "controls/mdi_child_window.h"
#include "views/graph_axes.h"
#include "views/graph_lines_dialog_win.h"
#include "views/graph_options_dialog_win.h"
#include "views/graph_plot.h"
#include "views/graph_save.h"
#include "views/graph_view.h"
#include "views/shared_document_kind_win.h"

namespace corvinata {

struct GraphWindowClasses;

constexpr wchar_t kGraphChildClass[] = L"CorvinataMdiChildGph";
constexpr wchar_t kGraphDisplayClass[] = L"CorvinataGphDisp";
constexpr wchar_t kGraphXAxisClass[] = L"GraphXAxis";
constexpr wchar_t kGraphYAxisClass[] = L"GraphYAxis";

bool RegisterGraphWindowClasses(HINSTANCE instance);
// The display and child classes, in that order, then the axes.
void UnregisterGraphWindowClasses(HINSTANCE instance);

// The program's services a Graph window saves through; `dialogs` none: the
// real file dialog and message boxes.
struct GraphFileServices {
    StorageService* storage = nullptr;
    const ProductInfoInterface* product = nullptr;
    RecentFiles* recent = nullptr;
    GraphSaveDialogs* dialogs = nullptr;
};

// The save-file dialog and the program's message boxes.
class WindowGraphSaveDialogs final : public GraphSaveDialogs {
public:
    WindowGraphSaveDialogs(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}
    bool ChooseSavePath(const String& proposed, String& chosen) override;
    bool ChooseOpenPaths(std::vector<String>& paths) override;
    bool AskYesNo(const String& text, MessageTopic topic) override;
    PromptAnswer AskYesNoCancel(const String& text, MessageTopic topic) override;
    void ShowError(const String& text, MessageTopic topic) override;
    void ShowNotice(const String& text) override;

private:
    HINSTANCE instance_;
    HWND owner_;
};

// Holds the document so that it outlives the window's other parts.
struct GraphDocumentOwner {
    std::unique_ptr<GraphDocument> owned;
};

class GraphWindowKind;

class GraphWindow final : private GraphDocumentOwner,
                          public MdiChildWindow,
                          public GraphView,
                          public GraphPanelWindow,
                          public RelatedTaskWindow {
public:
    GraphWindow(ChildWindowHost& host, std::unique_ptr<GraphDocument> document, HINSTANCE instance);
    ~GraphWindow() override;

    bool CreateWindows(const WindowGeometry& geometry, ChildShowMode mode);

    // The file name, or "[Unsaved graph]"; " *" while the graph has changes
    // not saved.
    String GetStatusText() const override;
    // A changed graph asks whether to save first; Cancel keeps it open.
    bool CanClose() override;
    // A new window over a copy of the graph named "Copy of ...", changed and
    // without a file, with this window's guide line and selected line.
    bool Duplicate() override;
    void DescribeForRelatedTasks(RelatedTaskSource& source) override;
    CommandHistory* History() override { return &Graph().History(); }
    PanelWindow* AsPanelWindow() override { return this; }
    HWND GetWindowHandle() const override { return Handle(); }
    void WheelZoom(int) override {}

    // Moves the guide line; the position is kept within 0..365. Only the
    // strips of the old and new guide are repainted.
    void SetGuideLine(int position) { SetGuideLinePosition(position); }
    // A click in the display: the guide line to the step under the point.
    void SetGuideLineFromDisplayPoint(int x, int y);
    // Lays the children out, refreshes the caption and repaints.
    void UpdateView();

    HWND DisplayWindow() const noexcept { return display_; }
    HWND XAxisWindow() const noexcept { return xAxis_; }
    HWND YAxisWindow() const noexcept { return yAxis_; }
    // The plot's scales over the display's client area.
    GraphScales DisplayScales() const;

    // Save Graph (false) or Save Graph As (true); false when nothing was saved.
    bool SaveCommand(bool saveAs);
    // Edit Lines: the lines editor over this window's graph.
    void EditLines();
    // The line dialog over one line; a change is one undoable step.
    void EditLine(int line);
    // Graph Options over this window's graph at a tab (-1: the one shown
    // last); OK records the difference as one undoable step.
    void ChangeGraphOptions(int tab);
    // The display's context menu at a screen point (-1, -1: the keyboard's).
    void ShowContextMenu(int x, int y);

    // The colours of a paint, read from the system's colours as they are
    // then: the day's, or the program's night shades while night vision is on.
    GraphColours PaintColours() const;
    GraphAxisColours PaintAxisColours() const;
    GraphFileServices files;
    // The kind that made the window, told when it goes.
    GraphWindowKind* kind = nullptr;
    // Where the step under the mouse is told (event 14, the step in the
    // flags, this window as the value; event 15 when the mouse leaves).
    NotificationHub* hub = nullptr;
    // Where the lines editor makes its undoable edits; none: no editing.
    GraphActions* actions = nullptr;
    GraphLinesDialogServices linesDialog;
    GraphOptionsDialogServices optionsDialog;
    // The kind's control panel, refreshed while it shows this window.
    ControlPanel* panel = nullptr;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void GuideLineChanging(bool before) override;

private:
    friend struct GraphWindowClasses;
    void Layout();
    void PaintDisplay(HDC dc, bool erase);
    void PaintAxis(HWND window, HDC dc);
    void InvalidateGuide();
    void RefreshPanel();
    void MouseMoved(int x, int y);
    void MouseLeft();
    int hoverStep_ = -1;
    HWND MakeChild(const wchar_t* className);

    // The document tells its windows when an appearance option its texts
    // follow changed: the value axis is laid out and painted again.
    class DocumentListener final : public NotificationObserver {
    public:
        explicit DocumentListener(GraphWindow& window) : window_(window) {}
        void Update(void*) override { window_.UpdateView(); }

    private:
        GraphWindow& window_;
    };

    HINSTANCE instance_;
    HWND display_ = nullptr;
    HWND xAxis_ = nullptr;
    HWND yAxis_ = nullptr;
    GraphValueAxis valueAxis_;
    DocumentListener listener_{*this};
    DocumentViewLink viewLink_{Graph(), listener_};
};

// The Graph kind: a new document for every new window.
// Its part of the session and of the layouts: per graph "Full path"; per
// window "Geometry", "Guide line on", "Current value" (the guide's step) and
// "Selected line".
class GraphWindowKind final : public ChildWindowKind,
                              private NotificationObserver,
                              private GraphEditing,
                              private WindowKindState {
public:
    GraphWindowKind(NotificationHub& hub, const GraphServices& services, HINSTANCE instance,
                    const GraphFileServices& files = {});
    ~GraphWindowKind() override;
    GraphWindowKind(const GraphWindowKind&) = delete;
    GraphWindowKind& operator=(const GraphWindowKind&) = delete;
    int Kind() const override { return kGraphWindow; }
    WindowDocument* NewDocument() override;
    std::unique_ptr<MdiChildWindow> MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                               const WindowGeometry& geometry, ChildShowMode mode,
                                               const MdiChildWindow* model) override;
    void UnregisterClasses() override { UnregisterGraphWindowClasses(instance_); }
    ControlPanel* Panel() override { return panel_ && panel_->GetDialogWindow() ? panel_.get() : nullptr; }
    WindowKindState* SessionState() override { return this; }
    // Makes the kind's control panel, hidden, in `parent` (the frame's
    // pane); false when the dialog could not be made.
    bool CreatePanel(std::unique_ptr<PanelServices> services, HWND parent, std::unique_ptr<ModelessDialogs> dialogs);
    // File > Open Graph and the recent files.
    bool RunCommand(int id) override;
    // File > Exit: each changed graph is asked about in turn.
    bool QueryCloseApplication() override;
    // The end of a copy whose client let it go: every changed graph's
    // changes go, as after the answer No.
    void DropUnsavedWork() override;

    // The program's graph edits, given to every window the kind makes.
    GraphActions* actions = nullptr;
    // The dialogs' remembered places and choosers, given to every window.
    GraphLinesDialogServices linesDialog;
    GraphOptionsDialogServices optionsDialog;
    // The frame's windows, where opened graphs go.
    void SetChildren(ChildWindows* children) noexcept { children_ = children; }
    // Opens the graph file in a new window, or activates the window that
    // shows it already; false when the file could not be read.
    bool OpenGraph(const String& path);
    // The same without a message box (a script's Open Graph): the window,
    // or none and the reason in `error`. A graph written by an earlier
    // version opens without the question.
    MdiChildWindow* OpenGraphQuietly(const String& path, String& error);
    void Forget(GraphWindow& window);
    GraphWindow* DuplicateWindow(GraphWindow& window);
    // A new graph at the program's place over the request's year with its
    // lines computed and drawn, unmodified and with nothing to undo; none
    // when the range leaves the valid years or no window could be made.
    GraphWindow* OpenNewGraph(const NewGraphRequest& request);

private:
    // Each changed graph in turn, asked through `dialogs`.
    bool QueryClose(GraphSaveDialogs& dialogs);
    // An edit of a graph (any window's, undo and redo included) refreshes
    // every window of that graph: caption, axes and plot.
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    void Update(void*) override {}
    // The session: the graphs in the frame's registry, their windows.
    bool SavePanel(SettingsTreeWriter&) override { return true; }
    void LoadPanel(SettingsTree&) override {}
    int DocumentCount() const override;
    int WindowCount(int document) const override;
    bool SaveModel(int document, SettingsTreeWriter& writer) override;
    bool SaveWindow(int document, int window, SettingsTreeWriter& writer) override;
    int LoadModel(SettingsTree& tree) override;
    bool LoadWindow(int document, SettingsTree& tree) override;
    void KeepWithoutWindows(int document) override;
    GraphWindow* WindowOf(int document, int window) const;
    // What the panel opens for its window.
    void EditGraphLine(GraphPanelWindow& window, int line) override;
    void ShowGraphOptionsTime(GraphPanelWindow& window) override;
    void ShowGraphOptionsLocation(GraphPanelWindow& window) override;

    NotificationHub& hub_;
    GraphServices services_;
    HINSTANCE instance_;
    GraphFileServices files_;
    ChildWindows* children_ = nullptr;
    std::vector<GraphWindow*> windows_;
    // A document read from a file, for the next new window.
    std::unique_ptr<GraphDocument> preloaded_;
    // Documents made for windows not created yet; each window takes its own.
    std::vector<std::unique_ptr<GraphDocument>> pending_;
    std::unique_ptr<PanelServices> panelServices_;
    std::unique_ptr<ModelessDialogs> modeless_;
    std::unique_ptr<GraphControlPanel> panel_;
    // Graphs read from the session, waiting for their windows (none once taken).
    std::vector<GraphDocument*> restored_;
};

}  // namespace corvinata
