#include "views/graph_window_win.h"

#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "app/related_task_groups.h"
#include "base/path_name.h"
#include "app/graph_file_names.h"
#include "app/graph_prompts.h"
#include "app/help_topics_win.h"
#include "base/scoped_win.h"
#include "base/text_format.h"
#include "app/settings_values.h"
#include "app/window_geometry.h"
#include "controls/message_box.h"
#include "controls/night_colours.h"
#include "resources/resource_ids.h"
#include "views/graph_canvas_win.h"
#include "views/graph_image_win.h"
#include "views/graph_line_dialog_win.h"
#include "views/graph_lines_editor.h"

namespace corvinata {

namespace {

constexpr int kProgramIcon = 20315;
constexpr int kTimeAxisBreadth = 24;

int NextWindowNumber() noexcept {
    static int next = 0;
    return ++next;
}

GraphWindow* OwnerOf(HWND child) {
    return reinterpret_cast<GraphWindow*>(GetWindowLongPtrW(child, GWLP_USERDATA));
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

int FontLineHeight(HWND window) {
    ScopedWindowDc dc(window);
    if (!dc.Get()) return 13;
    GdiGraphCanvas canvas(dc.Get(), 1, 1);
    return canvas.LineHeight();
}

bool RegisterClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style, HCURSOR cursor,
                   HBRUSH background, HICON icon) {
    WNDCLASSW type{};
    type.style = style;
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hCursor = cursor;
    type.hbrBackground = background;
    type.hIcon = icon;
    type.lpszClassName = name;
    return RegisterWindowClass(type);
}

// Answers every question as a script would want it (a graph's changes are
// not saved) and keeps the reason of a failure instead of showing it.
class QuietGraphDialogs final : public GraphSaveDialogs {
public:
    explicit QuietGraphDialogs(String& error) : error_(error) {}
    bool ChooseSavePath(const String&, String&) override { return false; }
    bool ChooseOpenPaths(std::vector<String>&) override { return false; }
    bool AskYesNo(const String&, MessageTopic) override { return true; }
    PromptAnswer AskYesNoCancel(const String&, MessageTopic) override { return PromptAnswer::No; }
    void ShowError(const String& text, MessageTopic) override { error_ = text; }
    void ShowNotice(const String&) override {}

private:
    String& error_;
};

}  // namespace

// The display and the axes find their Graph window through their window
// data; the procedures of the classes are the window's own.
struct GraphWindowClasses {
    static LRESULT CALLBACK Display(HWND w, UINT m, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK Axis(HWND w, UINT m, WPARAM wp, LPARAM lp);
};

bool RegisterGraphWindowClasses(HINSTANCE instance) {
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIcon));
    // The faces by their system colour's number, not by a brush of it: the
    // system's brush of a colour can be replaced when the colour changes
    // (night vision), and a class keeps the handle it was given.
    const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return RegisterMdiChildClass(instance,
                                 {kGraphChildClass, kProgramIcon, CS_HREDRAW | CS_VREDRAW, face, kMainMenuName}) &&
           RegisterClass(instance, kGraphDisplayClass, GraphWindowClasses::Display, CS_HREDRAW | CS_VREDRAW,
                         LoadCursorW(nullptr, IDC_CROSS), nullptr, icon) &&
           RegisterClass(instance, kGraphXAxisClass, GraphWindowClasses::Axis,
                         CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW), face, nullptr) &&
           RegisterClass(instance, kGraphYAxisClass, GraphWindowClasses::Axis,
                         CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW), face, nullptr);
}

void UnregisterGraphWindowClasses(HINSTANCE instance) {
    for (const wchar_t* name : {kGraphDisplayClass, kGraphChildClass, kGraphXAxisClass, kGraphYAxisClass})
        UnregisterClassW(name, instance);
}

GraphWindow::GraphWindow(ChildWindowHost& host, std::unique_ptr<GraphDocument> document, HINSTANCE instance)
    : GraphDocumentOwner{std::move(document)},
      MdiChildWindow(host, *owned),
      GraphView(*owned, NextWindowNumber()),
      instance_(instance) {}

GraphWindow::~GraphWindow() {
    if (kind) kind->Forget(*this);
}

HWND GraphWindow::MakeChild(const wchar_t* className) {
    HWND child = CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 100, 100, Handle(),
                                 nullptr, instance_, nullptr);
    if (child) SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return child;
}

bool GraphWindow::CreateWindows(const WindowGeometry& geometry, ChildShowMode mode) {
    if (!RegisterGraphWindowClasses(instance_)) return false;
    if (!Create(kGraphChildClass, instance_, geometry, mode)) return false;
    yAxis_ = MakeChild(kGraphYAxisClass);
    display_ = MakeChild(kGraphDisplayClass);
    xAxis_ = MakeChild(kGraphXAxisClass);
    UpdateView();
    return display_ && xAxis_ && yAxis_;
}

String GraphWindow::GetStatusText() const {
    String text;
    if (Graph().FilePath().Length() == 0) {
        text = String(TXT("[Unsaved graph]"));
    } else {
        PathName path;
        path.SetPath(Graph().FilePath().Text());
        text = String(path.GetPathFileName());
    }
    if (!Graph().History().IsAtSavedState()) StringAppend(text, TXT(" *"));
    return text;
}

void GraphWindow::GuideLineChanging(bool before) {
    if (IsGuideLineShown()) InvalidateGuide();
    if (!before && display_) UpdateWindow(display_);
    if (!before) RefreshPanel();
}

void GraphWindow::RefreshPanel() {
    if (!panel || panel->GetAttachedWindow() != static_cast<PanelWindow*>(this)) return;
    panel->ControlPanelUpdate(nullptr);
    // The read-outs are refreshed by the panel's paint.
    InvalidateRect(panel->GetDialogWindow(), nullptr, TRUE);
}

GraphScales GraphWindow::DisplayScales() const {
    const SIZE size = ClientSize(display_);
    return MakeGraphScales(Graph(), size.cx, size.cy);
}

void GraphWindow::InvalidateGuide() {
    if (!display_) return;
    const GraphRect strip = GraphGuideRect(DisplayScales(), GuideLinePosition());
    const RECT rect{strip.left, strip.top, strip.right, strip.bottom};
    InvalidateRect(display_, &rect, TRUE);
}

void GraphWindow::SetGuideLineFromDisplayPoint(int x, int y) {
    if (Graph().LineCount() == 0) return;
    const GraphScales scales = DisplayScales();
    SetGuideLine(GraphPointToStep(scales, x, y));
}

void GraphWindow::MouseMoved(int x, int y) {
    const int step = GraphPointToStep(DisplayScales(), x, y);
    if (hoverStep_ < 0) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, display_, 0};
        TrackMouseEvent(&track);
    }
    if (step == hoverStep_) return;
    hoverStep_ = step;
    if (hub) BroadcastNotification(*hub, kEventGraphMouseMoved, static_cast<std::uint32_t>(step),
                                   static_cast<GraphWindowCommands*>(this));
}

void GraphWindow::MouseLeft() {
    hoverStep_ = -1;
    if (hub) BroadcastNotification(*hub, kEventGraphMouseLeft, 0, nullptr);
}

void GraphWindow::Layout() {
    if (!Handle() || !display_ || !xAxis_ || !yAxis_) return;
    const SIZE size = ClientSize(Handle());
    const int w = size.cx;
    const int h = size.cy;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (Graph().Options().xAxisHorizontal) {
        int yAxisWidth = 10;
        {
            ScopedWindowDc dc(yAxis_);
            GdiGraphCanvas canvas(dc.Get(), 1, 1);
            // The axis's client is two border pixels shorter than the window.
            yAxisWidth = valueAxis_.Measure(canvas, Graph(), std::max(1, h - 39 - 2), DisplayFormatRequest());
        }
        SetWindowPos(yAxis_, nullptr, 5, 5, yAxisWidth, h - 39, flags);
        SetWindowPos(display_, nullptr, yAxisWidth + 10, 5, w - yAxisWidth - 15, h - kTimeAxisBreadth - 15, flags);
        SetWindowPos(xAxis_, nullptr, yAxisWidth + 10, h - 29, w - yAxisWidth - 15, kTimeAxisBreadth, flags);
    } else {
        const int line = FontLineHeight(Handle());
        SetWindowPos(xAxis_, nullptr, 5, 5, 40, h - 2 * line - 15, flags);
        SetWindowPos(display_, nullptr, 50, 5, w - 55, h - 2 * line - 15, flags);
        SetWindowPos(yAxis_, nullptr, 50, h - 2 * line - 5, w - 55, 2 * line, flags);
    }
    const SIZE display = ClientSize(display_);
    SetDisplaySize(display.cx, display.cy);
}

void GraphWindow::EditLines() {
    if (actions) ShowGraphLinesDialog(instance_, Handle(), *actions, *this, linesDialog);
}

void GraphWindow::EditLine(int line) {
    const GraphLine* current = Graph().GetGraphLine(line);
    if (!actions || !current) return;
    GraphLine edited(*current);
    bool changed = false;
    const String title = EditGraphLineTitle(Graph(), line);
    const bool ok = linesDialog.editLine
                        ? linesDialog.editLine(Handle(), title, edited, false, changed)
                        : ShowGraphLineDialog(instance_, Handle(), title, edited, false, linesDialog.lineDialog, changed);
    // OK without a change records nothing; a new name alone needs no
    // recomputation.
    if (!ok || (!changed && std::basic_string_view<Char>(edited.name.Text()) == current->name.Text())) return;
    GraphLinesEditor(*actions, *this).EditLine(line, edited, changed);
}

void GraphWindow::ChangeGraphOptions(int tab) {
    if (!actions) return;
    TimeAndLocation options = Graph().Options();
    bool guideLine = IsGuideLineShown();
    if (!ShowGraphOptionsDialog(instance_, Handle(), Graph(), tab, optionsDialog, options, guideLine)) return;
    actions->ChangeOptions(*this, options, kTimeAndLocationWhole, guideLine, nullptr);
    UpdateView();
}

void GraphWindow::ShowContextMenu(int x, int y) {
    HMENU menu = LoadMenuW(instance_, L"Menu_Gph");
    if (!menu) return;
    if (x == -1 && y == -1) {
        // From the keyboard: at the display's top left corner.
        POINT corner{0, 0};
        ClientToScreen(display_, &corner);
        x = corner.x;
        y = corner.y;
    }
    if (!actions) {
        EnableMenuItem(menu, CMD_EDIT_GRAPH_LINES, MF_BYCOMMAND | MF_GRAYED);
        EnableMenuItem(menu, CMD_GRAPH_OPTIONS, MF_BYCOMMAND | MF_GRAYED);
    }
    // Opened to the left of the pointer, as the other displays' menus are.
    const int chosen = TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y,
                                      0, Handle(), nullptr);
    DestroyMenu(menu);
    if (chosen != 0) SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

void GraphWindow::UpdateView() {
    Layout();
    SetChildTitle();
    RefreshPanel();
    for (HWND child : {xAxis_, yAxis_, display_}) {
        if (!child) continue;
        InvalidateRect(child, nullptr, TRUE);
        UpdateWindow(child);
    }
}

namespace {

Colour ShadeOf(int systemIndex) {
    const COLORREF colour = GetSysColor(systemIndex);
    return Colour{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

}  // namespace

GraphColours GraphWindow::PaintColours() const {
    const GraphColours day = SystemGraphColours();
    if (!ProgramColoursAtNight()) return day;
    return NightGraphColours(day, ShadeOf(COLOR_BTNFACE), ShadeOf(COLOR_BTNTEXT));
}

GraphAxisColours GraphWindow::PaintAxisColours() const {
    if (!ProgramColoursAtNight()) return SystemGraphAxisColours();
    return GraphAxisColours{ShadeOf(COLOR_BTNFACE), ShadeOf(COLOR_BTNTEXT)};
}

void GraphWindow::PaintDisplay(HDC dc, bool erase) {
    if (Graph().LineCount() > 0 && Graph().ValueKind() == kValueKindUnknown) Graph().UpdateGraphRange();
    const SIZE size = ClientSize(display_);
    GdiGraphCanvas canvas(dc, size.cx, size.cy);
    if (ProgramColoursAtNight()) canvas.guideMix = R2_COPYPEN;
    PaintGraph(canvas, Graph(), size.cx, size.cy, IsGuideLineShown() ? GuideLinePosition() : -1, erase,
               PaintColours());
}

void GraphWindow::PaintAxis(HWND window, HDC dc) {
    const SIZE size = ClientSize(window);
    GdiGraphCanvas canvas(dc, size.cx, size.cy);
    if (window == xAxis_) {
        PaintGraphXAxis(canvas, Graph(), size.cx, size.cy, PaintAxisColours());
    } else {
        if (Graph().LineCount() > 0 && Graph().ValueKind() == kValueKindUnknown) Graph().UpdateGraphRange();
        valueAxis_.Paint(canvas, Graph(), size.cx, size.cy, PaintAxisColours(), DisplayFormatRequest());
    }
}

namespace {

// The two graph file dialogs differ only in these.
struct GraphFileDialog {
    const wchar_t* title;
    // Pairs of a type's text and its pattern, in the dialog's order.
    const wchar_t* types;
    DWORD flags;
    bool save;
};

constexpr GraphFileDialog kOpenGraphDialog{L"Open Graph", L"Graph (*.gph)\0*.gph\0",
                                           OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                                           false};
// Graphs are saved as graphs; a name typed with ".xml" exports one, as the
// writer follows the extension.
constexpr GraphFileDialog kSaveGraphDialog{L"Save Graph As", L"Corvinata Graph (*.gph)\0*.gph\0",
                                           OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, true};

// Runs the dialog with `answer` holding the proposed name; false when it
// was cancelled. A name typed without an extension gets ".gph".
bool RunGraphFileDialog(HWND owner, const GraphFileDialog& kind, std::vector<wchar_t>& answer) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kind.types;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = answer.data();
    dialog.nMaxFile = static_cast<DWORD>(answer.size());
    dialog.lpstrTitle = kind.title;
    dialog.lpstrDefExt = L"gph";
    dialog.Flags = kind.flags;
    return (kind.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)) != FALSE;
}

}  // namespace

bool WindowGraphSaveDialogs::ChooseSavePath(const String& proposed, String& chosen) {
    std::vector<wchar_t> answer(MAX_PATH, L'\0');
    lstrcpynW(answer.data(), proposed.Text(), MAX_PATH);
    if (!RunGraphFileDialog(owner_, kSaveGraphDialog, answer)) return false;
    chosen = String(answer.data());
    return true;
}

bool WindowGraphSaveDialogs::ChooseOpenPaths(std::vector<String>& paths) {
    // Room for a folder and the many names of a multiple selection.
    std::vector<wchar_t> answer(32768, L'\0');
    if (!RunGraphFileDialog(owner_, kOpenGraphDialog, answer)) return false;
    paths = SelectedFilePaths(answer.data());
    return !paths.empty();
}

bool WindowGraphSaveDialogs::AskYesNo(const String& text, MessageTopic topic) {
    return RunMessageBox(instance_, owner_, text.Text(), kButtonsYesNo, kMessageWarning, topic) == kAnswerYes;
}

PromptAnswer WindowGraphSaveDialogs::AskYesNoCancel(const String& text, MessageTopic topic) {
    const int answer = RunMessageBox(instance_, owner_, text.Text(), kButtonsYesNoCancel, kMessageWarning, topic);
    if (answer == kAnswerYes) return PromptAnswer::Yes;
    if (answer == kAnswerNo) return PromptAnswer::No;
    return PromptAnswer::Cancel;
}

void WindowGraphSaveDialogs::ShowError(const String& text, MessageTopic topic) {
    RunMessageBox(instance_, owner_, text.Text(), kButtonsOk, kMessageError, topic);
}

void WindowGraphSaveDialogs::ShowNotice(const String& text) {
    RunMessageBox(instance_, owner_, text.Text(), kButtonsOk, kMessageInformation,
                  MessageTopic::GraphOpenedWithDefaults);
}

bool GraphWindow::CanClose() {
    if (!files.storage || !files.product || !files.recent) return true;
    WindowGraphSaveDialogs own(instance_, GetAncestor(Handle(), GA_ROOT));
    GraphSaving saving{*files.storage, *files.product, *files.recent, files.dialogs ? *files.dialogs : own};
    return QuerySaveGraphBeforeClosing(Graph(), saving);
}

// The graph's range and the body of its selected line.
void GraphWindow::DescribeForRelatedTasks(RelatedTaskSource& source) {
    source.graphWindow = this;
    source.date = Graph().Options().beginDate;
    if (const GraphLine* line = Graph().GetGraphLine(Graph().SelectedLine())) source.body = line->body;
}

bool GraphWindow::Duplicate() { return kind && kind->DuplicateWindow(*this) != nullptr; }

bool GraphWindow::SaveCommand(bool saveAs) {
    if (!files.storage || !files.product || !files.recent) return false;
    WindowGraphSaveDialogs own(instance_, GetAncestor(Handle(), GA_ROOT));
    GraphSaving saving{*files.storage, *files.product, *files.recent, files.dialogs ? *files.dialogs : own};
    const bool saved = saveAs ? SaveGraphAs(Graph(), saving) : SaveGraph(Graph(), saving);
    SetChildTitle();
    return saved;
}

LRESULT GraphWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == CMD_SAVE_GRAPH || LOWORD(wParam) == CMD_SAVE_GRAPH_AS) {
            SaveCommand(LOWORD(wParam) == CMD_SAVE_GRAPH_AS);
            return 0;
        }
        if (LOWORD(wParam) == CMD_EDIT_GRAPH_LINES) {
            EditLines();
            return 0;
        }
        if (LOWORD(wParam) == CMD_GRAPH_OPTIONS) {
            ChangeGraphOptions(-1);
            return 0;
        }
        if (LOWORD(wParam) == CMD_DUPLICATE_WINDOW) {
            Duplicate();
            return 0;
        }
        break;
    case WM_SIZE:
    case WM_EXITSIZEMOVE:
        Layout();
        break;
    case WM_HELP:
        ShowHelpTopic(Handle(), HelpPage::GraphWindow);
        return TRUE;
    default:
        break;
    }
    return MdiChildWindow::HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK GraphWindowClasses::Display(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    GraphWindow* owner = OwnerOf(w);
    if (owner) {
        switch (m) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(w, &paint);
            owner->PaintDisplay(dc, paint.fErase != FALSE);
            EndPaint(w, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 0;  // the paint erases
        case WM_LBUTTONDOWN:
            owner->SetGuideLineFromDisplayPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            break;
        case WM_MOUSEMOVE:
            owner->MouseMoved(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            break;
        case WM_MOUSELEAVE:
            owner->MouseLeft();
            break;
        case WM_CONTEXTMENU:
            owner->ShowContextMenu(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            return 0;
        default:
            break;
        }
    }
    return DefWindowProcW(w, m, wp, lp);
}

LRESULT CALLBACK GraphWindowClasses::Axis(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    GraphWindow* owner = OwnerOf(w);
    if (owner && m == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(w, &paint);
        owner->PaintAxis(w, dc);
        EndPaint(w, &paint);
        return 0;
    }
    if (owner && m == WM_LBUTTONDBLCLK) {
        owner->ChangeGraphOptions(w == owner->XAxisWindow() ? kGraphXAxisTab : kGraphYAxisTab);
        return 0;
    }
    return DefWindowProcW(w, m, wp, lp);
}

GraphWindowKind::GraphWindowKind(NotificationHub& hub, const GraphServices& services, HINSTANCE instance,
                                 const GraphFileServices& files)
    : hub_(hub), services_(services), instance_(instance), files_(files) {
    // At start-up, as every kind's classes.
    RegisterGraphWindowClasses(instance_);
    hub_.Insert(this);
}

GraphWindowKind::~GraphWindowKind() {
    hub_.Erase(this);
    if (panel_ && panel_->GetDialogWindow()) DestroyWindow(panel_->GetDialogWindow());
}

void GraphWindowKind::OnNotify(std::int32_t event, std::uint32_t flags, void* value) {
    if (event == kEventGraphMouseMoved || event == kEventGraphMouseLeft) {
        auto* shown = panel_ ? dynamic_cast<GraphWindow*>(panel_->GetAttachedWindow()) : nullptr;
        if (!shown) return;
        if (event == kEventGraphMouseLeft) {
            panel_->ShowGraphMousePosition(nullptr);
        } else if (value == static_cast<GraphWindowCommands*>(shown)) {
            const DateTime moment =
                shown->StepToDate(static_cast<int>(flags), shown->Graph().Options().xAxisTimeSystem);
            panel_->ShowGraphMousePosition(&moment);
        }
        return;
    }
    if (event != kEventGraphEdited) return;
    for (GraphWindow* window : windows_) {
        if (static_cast<GraphDocumentModel*>(&window->Graph()) == value) window->UpdateView();
    }
}

bool GraphWindowKind::CreatePanel(std::unique_ptr<PanelServices> services, HWND parent,
                                  std::unique_ptr<ModelessDialogs> dialogs) {
    if (!actions || !parent) return false;
    panelServices_ = std::move(services);
    modeless_ = std::move(dialogs);
    panel_ = std::make_unique<GraphControlPanel>(*panelServices_, *actions, static_cast<GraphEditing&>(*this));
    if (!panel_->CreatePanelDialog(instance_, L"DLG_CTRL_GPH", parent, modeless_.get())) {
        panel_.reset();
        return false;
    }
    ShowWindow(panel_->GetDialogWindow(), SW_HIDE);
    RECT pane{};
    RECT own{};
    GetClientRect(parent, &pane);
    GetWindowRect(panel_->GetDialogWindow(), &own);
    SetWindowPos(panel_->GetDialogWindow(), nullptr, 0, 0, own.right - own.left, pane.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void GraphWindowKind::EditGraphLine(GraphPanelWindow& window, int line) {
    if (auto* graph = dynamic_cast<GraphWindow*>(&window)) graph->EditLine(line);
}

void GraphWindowKind::ShowGraphOptionsTime(GraphPanelWindow& window) {
    if (auto* graph = dynamic_cast<GraphWindow*>(&window)) graph->ChangeGraphOptions(kGraphTimeTab);
}

void GraphWindowKind::ShowGraphOptionsLocation(GraphPanelWindow& window) {
    if (auto* graph = dynamic_cast<GraphWindow*>(&window)) graph->ChangeGraphOptions(kGraphLocationTab);
}

bool GraphWindowKind::RunCommand(int id) {
    if (!files_.storage || !files_.product || !files_.recent) return false;
    if (id == CMD_OPEN_GRAPH) {
        WindowGraphSaveDialogs own(instance_, GetActiveWindow());
        GraphSaveDialogs& dialogs = files_.dialogs ? *files_.dialogs : own;
        std::vector<String> paths;
        if (!dialogs.ChooseOpenPaths(paths)) return true;
        for (const String& path : paths) OpenGraph(path);
        return true;
    }
    if (const String* path = files_.recent->PathForCommand(id)) {
        const String chosen = *path;  // the list changes as the file opens
        OpenGraph(chosen);
        return true;
    }
    return false;
}

bool GraphWindowKind::QueryCloseApplication() {
    WindowGraphSaveDialogs own(instance_, GetActiveWindow());
    return QueryClose(files_.dialogs ? *files_.dialogs : own);
}

void GraphWindowKind::DropUnsavedWork() {
    String error;
    QuietGraphDialogs quiet(error);
    QueryClose(quiet);
}

bool GraphWindowKind::QueryClose(GraphSaveDialogs& dialogs) {
    if (!files_.storage || !files_.product || !files_.recent) return true;
    std::vector<GraphDocument*> documents;
    for (GraphWindow* window : windows_) {
        GraphDocument* document = &window->Graph();
        if (std::find(documents.begin(), documents.end(), document) == documents.end()) documents.push_back(document);
    }
    GraphSaving saving{*files_.storage, *files_.product, *files_.recent, dialogs};
    return QuerySaveGraphsBeforeExit(documents, saving, [this](GraphDocument& document) {
        // Closing a window takes it out of the list: collect them first.
        std::vector<HWND> closing;
        for (GraphWindow* window : windows_) {
            if (&window->Graph() == &document) closing.push_back(window->Handle());
        }
        for (HWND window : closing) SendMessageW(window, WM_CLOSE, 0, 0);
    });
}

bool GraphWindowKind::OpenGraph(const String& path) {
    for (GraphWindow* window : windows_) {
        if (SameFilePath(window->Graph().FilePath().Text(), path.Text())) {
            SendMessageW(GetParent(window->Handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
            return true;
        }
    }
    if (!children_) return false;
    WindowGraphSaveDialogs own(instance_, GetActiveWindow());
    GraphSaving saving{*files_.storage, *files_.product, *files_.recent, files_.dialogs ? *files_.dialogs : own};
    std::unique_ptr<GraphDocument> document = LoadGraphDocument(hub_, services_, path, saving);
    if (!document) return false;
    preloaded_ = std::move(document);
    MdiChildWindow* window = children_->NewWindow(kGraphWindow);
    preloaded_.reset();
    // The recent files take the graph when its window closes.
    return window != nullptr;
}

MdiChildWindow* GraphWindowKind::OpenGraphQuietly(const String& path, String& error) {
    for (GraphWindow* window : windows_) {
        if (SameFilePath(window->Graph().FilePath().Text(), path.Text())) return window;
    }
    if (!children_) return nullptr;
    QuietGraphDialogs quiet(error);
    GraphSaving saving{*files_.storage, *files_.product, *files_.recent, quiet};
    std::unique_ptr<GraphDocument> document = LoadGraphDocument(hub_, services_, path, saving);
    if (!document) return nullptr;
    preloaded_ = std::move(document);
    MdiChildWindow* window = children_->NewWindow(kGraphWindow);
    preloaded_.reset();
    return window;
}

GraphWindow* GraphWindowKind::DuplicateWindow(GraphWindow& window) {
    if (!children_) return nullptr;
    auto copy = std::make_unique<GraphDocument>(hub_, window.Graph());
    copy->SetFilePath(CopyOfGraphPath(window.Graph().FilePath()));
    copy->SetHasFile(false);
    copy->History().MarkSavedUnreachable();
    copy->SetSelectedLine(window.Graph().SelectedLine());
    preloaded_ = std::move(copy);
    auto* made = dynamic_cast<GraphWindow*>(children_->NewWindow(kGraphWindow, &window));
    preloaded_.reset();
    if (made) made->UpdateView();
    return made;
}

int GraphWindowKind::DocumentCount() const {
    return children_ ? children_->Registry().DocumentCount(kGraphWindow) : 0;
}

int GraphWindowKind::WindowCount(int document) const {
    const WindowDocument* graph = children_ ? children_->Registry().DocumentAt(kGraphWindow, document) : nullptr;
    return graph ? static_cast<int>(children_->Registry().WindowsOf(*graph).size()) : 0;
}

GraphWindow* GraphWindowKind::WindowOf(int document, int window) const {
    const WindowDocument* graph = children_ ? children_->Registry().DocumentAt(kGraphWindow, document) : nullptr;
    if (!graph) return nullptr;
    const auto& windows = children_->Registry().WindowsOf(*graph);
    if (window < 0 || window >= static_cast<int>(windows.size())) return nullptr;
    return dynamic_cast<GraphWindow*>(windows[static_cast<std::size_t>(window)]);
}

bool GraphWindowKind::SaveModel(int document, SettingsTreeWriter& writer) {
    const auto* graph =
        children_ ? dynamic_cast<const GraphDocument*>(children_->Registry().DocumentAt(kGraphWindow, document))
                  : nullptr;
    return graph && WriteStringValue(writer, TXT("Full path"), graph->HasFile() ? graph->FilePath() : String());
}

bool GraphWindowKind::SaveWindow(int document, int window, SettingsTreeWriter& writer) {
    GraphWindow* open = WindowOf(document, window);
    if (!open) return false;
    WindowGeometry geometry;
    CaptureGeometry(open->Handle(), geometry);
    return WriteWindowGeometry(geometry, writer) && WriteBoolValue(writer, TXT("Guide line on"), open->IsGuideLineShown()) &&
           WriteIntValue(writer, TXT("Current value"), open->GuideLinePosition()) &&
           WriteIntValue(writer, TXT("Selected line"), open->Graph().SelectedLine());
}

int GraphWindowKind::LoadModel(SettingsTree& tree) {
    String path;
    ReadStringValue(tree, TXT("Full path"), path);
    std::unique_ptr<GraphDocument> document;
    if (path.Length() > 0 && files_.storage && files_.product && files_.recent) {
        WindowGraphSaveDialogs own(instance_, GetActiveWindow());
        GraphSaving saving{*files_.storage, *files_.product, *files_.recent, files_.dialogs ? *files_.dialogs : own};
        document = LoadGraphDocument(hub_, services_, path, saving);
    }
    // A graph whose file cannot be read comes back empty, after the message.
    if (!document) document = NewGraphDocument(hub_, services_);
    restored_.push_back(document.get());
    pending_.push_back(std::move(document));
    return static_cast<int>(restored_.size()) - 1;
}

bool GraphWindowKind::LoadWindow(int document, SettingsTree& tree) {
    if (document < 0 || document >= static_cast<int>(restored_.size()) || !restored_[document] || !children_) {
        return false;
    }
    WindowGeometry geometry;
    bool guideLineOn = true;
    std::int32_t position = 183;
    std::int32_t selected = 0;
    if (!ReadWindowGeometry(geometry, tree) || !ReadBoolValue(tree, TXT("Guide line on"), guideLineOn) ||
        !ReadIntValue(tree, TXT("Current value"), position) || !ReadIntValue(tree, TXT("Selected line"), selected)) {
        return false;
    }
    GraphDocument* graph = restored_[document];
    restored_[document] = nullptr;  // its window takes it, or it went with a failed one
    auto* window = dynamic_cast<GraphWindow*>(children_->RestoreWindow(kGraphWindow, *graph, geometry));
    if (!window) return false;
    window->RestoreState(position, guideLineOn, selected);
    window->UpdateView();
    return true;
}

void GraphWindowKind::KeepWithoutWindows(int document) {
    // Still waiting for a window (a failed one took its document along):
    // it waits on in the list of graphs.
    if (document < 0 || document >= static_cast<int>(restored_.size()) || !restored_[document] || !children_) return;
    children_->KeepDocument(*restored_[document]);
    restored_[document] = nullptr;
}

void GraphWindowKind::Forget(GraphWindow& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

namespace {

// The colours of a task's lines, in turn: a rising line and a setting line
// stay apart.
constexpr std::int32_t kTaskLineColours[] = {2, 5, 9, 12, 10, 13};

}  // namespace

GraphWindow* GraphWindowKind::OpenNewGraph(const NewGraphRequest& request) {
    if (!children_ || request.lines.empty()) return nullptr;
    std::unique_ptr<GraphDocument> document = NewGraphDocument(hub_, services_);
    if (!document) return nullptr;
    TimeAndLocation options = document->Options();
    options.beginDate = request.begin;
    options.endFixed = false;
    // A year of daily steps: the end moves with them.
    if (!TimeAndLocationSetStep(options, kDaysUnit, 1.0)) return nullptr;
    document->SetOptions(options);
    document->ChooseXAxisStep();
    options = document->Options();
    options.xAxisMarkStep = options.xAxisLabelStep;
    document->SetOptions(options);
    // The lines are the new graph's own, as a file's are: its history
    // starts empty and at its saved state.
    for (std::size_t i = 0; i < request.lines.size(); ++i) {
        GraphLine line;
        line.name = request.lines[i].name;
        line.SetBody(request.body);
        line.SetExpression(request.lines[i].expression);
        line.scriptEdited = true;
        line.colour = kTaskLineColours[i % std::size(kTaskLineColours)];
        document->InsertLine(document->LineCount(), line);
    }
    document->ComputeAllLines(false);
    document->UpdateGraphRange();
    preloaded_ = std::move(document);
    auto* window = dynamic_cast<GraphWindow*>(children_->NewWindow(kGraphWindow));
    preloaded_.reset();
    if (window) window->UpdateView();
    return window;
}

WindowDocument* GraphWindowKind::NewDocument() {
    if (preloaded_) {
        pending_.push_back(std::move(preloaded_));
        return pending_.back().get();
    }
    pending_.push_back(NewGraphDocument(hub_, services_));
    return pending_.back().get();
}

std::unique_ptr<MdiChildWindow> GraphWindowKind::MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                                            const WindowGeometry& geometry, ChildShowMode mode,
                                                            const MdiChildWindow* model) {
    auto found = std::find_if(pending_.begin(), pending_.end(),
                              [&document](const auto& made) { return made.get() == &document; });
    if (found == pending_.end()) return nullptr;
    std::unique_ptr<GraphDocument> owned = std::move(*found);
    pending_.erase(found);
    auto window = std::make_unique<GraphWindow>(host, std::move(owned), instance_);
    window->files = files_;
    window->kind = this;
    window->hub = &hub_;
    window->actions = actions;
    window->linesDialog = linesDialog;
    window->linesDialog.lineDialog.catalogue = services_.catalogue;
    window->optionsDialog = optionsDialog;
    window->panel = Panel();
    if (const auto* other = dynamic_cast<const GraphWindow*>(model)) {
        window->ShowGuideLine(other->IsGuideLineShown());
        window->SetGuideLine(other->GuideLinePosition());
    }
    if (!window->CreateWindows(geometry, mode)) return nullptr;
    windows_.push_back(window.get());
    return window;
}

}  // namespace corvinata
