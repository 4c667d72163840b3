#include "frame/frame_window.h"

#include <algorithm>

#include <commctrl.h>

#include <iterator>

#include "app/help_topics.h"
#include "app/help_topics_win.h"
#include "app/night_vision.h"
#include "app/settings_keys.h"
#include "app/status_texts.h"
#include "base/services.h"
#include "base/settings_tree.h"
#include "base/text_format.h"
#include "frame/about_dialogs.h"
#include "frame/frame_related_tasks.h"
#include "frame/frame_window_services.h"
#include "frame/system_colour_change.h"
#include "frame/help_messages.h"
#include "controls/message_box.h"
#include "frame/report_kind_setup.h"
#include "frame/script_windows.h"
#include "frame/window_manager_list.h"
#include "tools/calculator_window_win.h"
#include "tools/educator_win.h"
#include "tools/symbol_table_window_win.h"
#include "tools/object_info_window_win.h"
#include "controls/select_body_dialog.h"
#include "frame/single_instance.h"
#include "tools/event_finder_window_win.h"
#include "tools/event_forecast_window_win.h"
#include "controls/window_centring.h"
#include "resources/resource_ids.h"
#include "views/display_tooltip_win.h"

namespace corvinata {

namespace {

constexpr UINT kFirstChildId = 1250;
constexpr int kViewMenuIndex = 2;
constexpr int kWindowMenuIndex = 5;

struct MenuPicture {
    int command;
    const wchar_t* name;
    bool hasSelected;
};

constexpr MenuPicture kMenuPictures[] = {
    {CMD_NEW_GRAPH, L"smart_icon_file_new_day", false},
    {CMD_OPEN_GRAPH, L"smart_icon_file_open_day", false},
    {CMD_SAVE_GRAPH, L"smart_icon_file_save_day", false},
    {CMD_UNDO, L"smart_icon_edit_undo_day", false},
    {CMD_REDO, L"smart_icon_edit_redo_day", false},
    {CMD_NAVIGATE_BACKWARD, L"smart_icon_view_navigate_back_day", false},
    {CMD_NAVIGATE_FORWARD, L"smart_icon_view_navigate_forth_day", false},
    {CMD_OBJECT_INFO, L"smart_icon_tools_object_info_day", true},
    {CMD_EVENT_FORECAST, L"smart_icon_tools_event_forecast_day", true},
    {CMD_EVENT_FINDER, L"smart_icon_tools_event_finder_day", true},
    {CMD_CALCULATOR, L"smart_icon_tools_astrocalc_day", true},
    {CMD_SYMBOLS, L"smart_icon_tools_symbols_day", true},
    {CMD_EDUCATOR, L"smart_icon_tools_educator_day", false},
    {CMD_DATE_TIME, L"smart_icon_options_time_day", false},
    {CMD_LOCATION, L"smart_icon_options_location_day", false},
    {CMD_APPEARANCE, L"smart_icon_options_display_day", false},
    {CMD_TILE_HORIZONTALLY, L"smart_icon_wnd_tile_hor_day", false},
    {CMD_TILE_VERTICALLY, L"smart_icon_wnd_tile_vert_day", false},
    {CMD_CLOSE_ALL, L"smart_icon_wnd_close_all_day", false},
    {CMD_ABOUT, L"smart_icon_help_about_day", false},
};

void ReplaceProductNameInAbout(HMENU menu) {
    wchar_t text[128] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = text;
    item.cch = 127;
    if (!GetMenuItemInfoW(menu, CMD_ABOUT, FALSE, &item)) return;
    String caption(text);
    ReplaceSubstring(caption, TXT("%"), GetProductInfo().GetProductName(), 0, -1);
    item.dwTypeData = caption.Data();
    SetMenuItemInfoW(menu, CMD_ABOUT, FALSE, &item);
}

}  // namespace

FrameWindow::FrameWindow(Application& application, HINSTANCE instance, ModelessDialogList& modeless,
                         bool byAutomation)
    : app_(application),
      windowServices_(std::make_unique<FrameWindowServices>(*this, application)),
      navigation_(application.Navigation(), *this),
      instance_(instance),
      options_(application, instance),
      modeless_(modeless),
      byAutomation_(byAutomation),
      scriptHost_(std::make_unique<FrameScriptHost>(*this, application, instance)) {}

ApplicationScriptHost& FrameWindow::ScriptHost() { return scriptHost_->Host(); }

void FrameWindow::ActivateWindow(const void* window) {
    for (RegisteredWindow* open : registry_.AllWindows()) {
        if (open == window) {
            SendMessageW(mdiClient_, WM_MDIACTIVATE,
                         reinterpret_cast<WPARAM>(const_cast<void*>(open->WindowHandle())), 0);
            return;
        }
    }
}

String FrameWindow::TooltipText(int command) const {
    const String text = toolbar_.TooltipText(command);
    return historyLists_.Tooltip(command, text).value_or(text);
}

CommandHistory* FrameWindow::ActiveWindowHistory() const {
    MdiChildWindow* active = mdiClient_ ? children_.ActiveWindow() : nullptr;
    return active ? active->History() : nullptr;
}

CommandHistory& FrameWindow::NavigationSteps() const { return app_.Navigation(); }

FrameWindow::~FrameWindow() {
    if (observing_) app_.GetNotificationHub().Forget(this);
    if (window_) {
        closing_ = true;
        DestroyFrameWindows();
    }
    for (HBITMAP bitmap : menuBitmaps_) DeleteObject(bitmap);
    UnregisterControlPanelParent(instance_);
    UnregisterClassW(ClassName(), instance_);
}

bool FrameWindow::Create() {
    InstallHelpMessages(instance_);
    // Before the first window, so that every window of the frame follows night vision.
    if (!nightColours_) nightColours_ = std::make_unique<NightColours>(options_.NightVision());
    WNDCLASSW existing{};
    if (!GetClassInfoW(instance_, ClassName(), &existing)) {
        WNDCLASSW wc{};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance_;
        wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(ICO_PROGRAM));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszMenuName = L"Menu_Main";
        wc.lpszClassName = ClassName();
        if (!RegisterClassW(&wc)) return false;
    }
    const FrameWindowSettings& settings = app_.Frame();
    const ScreenRect stored{settings.left, settings.top, settings.right, settings.bottom};
    // A rectangle stored on another screen layout (or garbled) is brought
    // back onto the nearest monitor's work area.
    const RECT storedRect{stored.left, stored.top, stored.right, stored.bottom};
    const RECT area = WorkAreaNear(storedRect);
    const ScreenRect fitted = FitRectOnWorkArea(stored, {area.left, area.top, area.right, area.bottom},
                                                {100, 100, 700, 500});
    window_ = CreateWindowExW(0, ClassName(), L"Corvinata", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, fitted.left,
                              fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top, nullptr, nullptr,
                              instance_, this);
    if (!window_) return false;
    if (!byAutomation_ && showOnCreate_) {
        ShowWindow(window_, SW_SHOWNORMAL);
        if (settings.maximized) ShowWindow(window_, SW_SHOWMAXIMIZED);
    }
    return true;
}

HWND FrameWindow::PaneWindow(int viewCommand) const noexcept {
    switch (viewCommand) {
    case CMD_VIEW_TOOLBAR: return toolbar_.Window();
    case CMD_VIEW_CONTROL_PANEL: return controlPanelParent_;
    case CMD_VIEW_RELATED_TASKS: return relatedTasks_;
    case CMD_VIEW_WINDOW_MANAGER: return windowManager_;
    case CMD_VIEW_STATUS_LINE: return status_.Window();
    default: return nullptr;
    }
}

bool FrameWindow::IsPaneShown(int viewCommand) const {
    HWND pane = PaneWindow(viewCommand);
    return pane && panes_ && panes_->IsShown(PaneOf(pane));
}

LRESULT CALLBACK FrameWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<FrameWindow*>(create->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FrameWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefFrameProcW(window, nullptr, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT FrameWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        break;
    case WM_SIZE:
        // The panes place the MDI client; the default processing would
        // stretch it over them.
        OnSize();
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        // An item of a history button's drop-down list: n steps at once.
        if (historyLists_.RunSteps(id)) {
            UpdateCommandStates();
            return 0;
        }
        if (FindFrameCommand(id)) {
            OnCommand(id);
            return 0;
        }
        if (windowManager_ && reinterpret_cast<HWND>(lParam) == windowManager_) {
            RunWindowManagerButton(windowManager_, id, registry_);
            return 0;
        }
        break;
    }
    case WM_SYSCOLORCHANGE:
        OnSysColourChange();
        break;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), wParam, lParam);
    case WM_MENUSELECT:
        OnMenuSelect(wParam, lParam);
        break;
    case WM_TIMER:
        if (wParam == FrameClockTimer::kTimerId) {
            app_.Clock().ClockTick(1);
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
        return 0;
    // A menu or a modal dialog (which disables the frame) comes over the
    // child windows: their hover tips would stay on top of it.
    case WM_ENTERMENULOOP:
        HideDisplayTooltips(mdiClient_);
        break;
    case WM_ENABLE:
        if (!wParam) HideDisplayTooltips(mdiClient_);
        break;
    case WM_HELP:
        OnHelp(wParam, reinterpret_cast<const HELPINFO*>(lParam));
        return 1;
    case kStartupMessage:
        UpdateWindow(window_);
        OnStartup();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        if (clock_) clock_->StopClockTimer();
        CloseAllHelpWindows();
        PostQuitMessage(0);
        break;
    case WM_NCDESTROY: {
        const LRESULT result = DefFrameProcW(window_, mdiClient_, message, wParam, lParam);
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        mdiClient_ = nullptr;
        return result;
    }
    default:
        break;
    }
    return DefFrameProcW(window_, mdiClient_, message, wParam, lParam);
}

void FrameWindow::OnCreate() {
    HMENU menu = GetMenu(window_);
    ReplaceProductNameInAbout(menu);

    CLIENTCREATESTRUCT client{};
    client.hWindowMenu = GetSubMenu(menu, kWindowMenuIndex);
    client.idFirstChild = kFirstChildId;
    mdiClient_ = CreateWindowExW(0, L"MDICLIENT", nullptr,
                                 WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 100, 100,
                                 700, 400, window_, nullptr, instance_, &client);
    toolbar_.Create(window_, instance_);
    controlPanelParent_ = CreateControlPanelParent(window_, instance_);
    windowManager_ = CreateWindowManagerPane(window_, instance_);
    if (windowManager_) modeless_.push_back(windowManager_);
    status_.Create(window_, instance_);
    relatedTaskPane_ = std::make_unique<FrameRelatedTasks>(*this, app_, *windowServices_);
    if (relatedTaskPane_->Create(window_, instance_)) relatedTasks_ = relatedTaskPane_->Window();
    if (relatedTasks_) modeless_.push_back(relatedTasks_);

    panes_ = std::make_unique<PaneLayout>(
        paneHost_,
        PaneNode::Group(true, {PaneNode::Leaf(PaneOf(toolbar_.Window()), false),
                               PaneNode::Group(true, {PaneNode::Leaf(PaneOf(controlPanelParent_), false),
                                                      PaneNode::Leaf(PaneOf(mdiClient_), true),
                                                      PaneNode::Group(false, {PaneNode::Leaf(PaneOf(relatedTasks_), false),
                                                                              PaneNode::Leaf(PaneOf(windowManager_), true)})}),
                               PaneNode::Leaf(PaneOf(status_.Window()), false)}));
    panes_->Show(PaneOf(mdiClient_));

    reports_ = std::make_unique<ReportKindSetup>(app_, options_.NightVision(), children_, window_,
                                                 controlPanelParent_, instance_);
    ShowPanes(app_.Frame().panes);
    clock_ = std::make_unique<FrameClockTimer>(window_);
    app_.AttachFrame(*clock_, *this, *this);
    app_.GetNotificationHub().Insert(this);
    observing_ = true;
    recentMenu_ = std::make_unique<RecentFilesMenu>(window_, app_.Recent(), [this](int command) {
        const FrameCommand* entry = FindFrameCommand(command);
        return entry && IsFrameCommandEnabled(*entry, CommandContext());
    });
    UpdateCommandStates();
}

void FrameWindow::ShowPanes(const PaneFlags& panes) {
    ShowPane(CMD_VIEW_TOOLBAR, panes.toolbar);
    // The wish is kept; the pane itself waits for a window to control.
    controlPanelWanted_ = panes.controlPanel;
    ShowPane(CMD_VIEW_CONTROL_PANEL, panes.controlPanel && CommandContext().windowOpen);
    ShowPane(CMD_VIEW_RELATED_TASKS, panes.relatedTasks);
    ShowPane(CMD_VIEW_WINDOW_MANAGER, panes.windowManager);
    ShowPane(CMD_VIEW_STATUS_LINE, panes.statusLine);
}

PaneFlags FrameWindow::PanesShown() const {
    PaneFlags panes;
    panes.toolbar = IsPaneShown(CMD_VIEW_TOOLBAR);
    panes.controlPanel = controlPanelWanted_;
    panes.relatedTasks = IsPaneShown(CMD_VIEW_RELATED_TASKS);
    panes.windowManager = IsPaneShown(CMD_VIEW_WINDOW_MANAGER);
    panes.statusLine = IsPaneShown(CMD_VIEW_STATUS_LINE);
    return panes;
}

std::vector<OpenChildWindow> FrameWindow::OpenWindows() const {
    std::vector<OpenChildWindow> open;
    for (RegisteredWindow* window : registry_.AllWindows()) {
        open.push_back({window, window->Document().GetKind(), registry_.NumberOf(*window)});
    }
    return open;
}

WindowGeometry FrameWindow::WindowPlacement(const void* window) const {
    WindowGeometry geometry;
    for (RegisteredWindow* open : registry_.AllWindows()) {
        if (open == window) CaptureGeometry(static_cast<HWND>(const_cast<void*>(open->WindowHandle())), geometry);
    }
    return geometry;
}

void FrameWindow::PlaceWindow(const void* window, const WindowGeometry& geometry) {
    for (RegisteredWindow* open : registry_.AllWindows()) {
        if (open == window) ApplyGeometry(geometry, static_cast<HWND>(const_cast<void*>(open->WindowHandle())));
    }
}

void FrameWindow::ChildWindowOpened(MdiChildWindow& window) {
    registry_.AddDocument(window.Document());
    registry_.AddWindow(window);
    // The first window brings the control panel back if the user wants it.
    if (registry_.AllWindows().size() == 1 && controlPanelWanted_) ShowPane(CMD_VIEW_CONTROL_PANEL, true);
    UpdateWindowManagerList(windowManager_, registry_,
                            reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0)));
    UpdateCommandStates();
    // A new window is active before it is registered: its tasks follow now.
    RefreshRelatedTasks();
}

void FrameWindow::ChildWindowClosing(MdiChildWindow& window) { children_.Closing(window); }

void FrameWindow::ChildWindowReleased(MdiChildWindow& window) { children_.Released(window); }

void FrameWindow::ChildWindowActivated(MdiChildWindow* previous, MdiChildWindow& window) {
    children_.Activated(previous, window);
    // Activations during start-up (windows being restored) are no steps.
    if (startupFinished_ && previous) {
        navigation_.RecordStep(previous, String(previous->Document().GetKindName()), &window,
                               String(window.Document().GetKindName()));
    }
    UpdateWindowManagerList(windowManager_, registry_, window.Handle());
    UpdateCommandStates();
    if (relatedTaskPane_) relatedTaskPane_->WindowActivated();
}

// F1 on a menu item opens the menu's page; in the window manager, the page
// of the window its selected row names (none without a selected row);
// anywhere else the contents.
void FrameWindow::OnHelp(WPARAM wParam, const HELPINFO* request) {
    if (request && request->iContextType == HELPINFO_MENUITEM) {
        ShowHelpTopic(window_, HelpPage::MainMenu);
        return;
    }
    const auto from = request ? static_cast<HWND>(request->hItemHandle) : nullptr;
    if (windowManager_ && from && (from == windowManager_ || IsChild(windowManager_, from))) {
        ShowSelectedWindowHelp(windowManager_, registry_, wParam, *request);
        return;
    }
    ShowHelpTopic(window_, HelpPage::Contents);
}

void FrameWindow::OnSysColourChange() {
    SysColourTools tools;
    if (const ToolWindow* finder = tools_.Find(CMD_EVENT_FINDER)) tools.eventFinder = finder->Window();
    if (const ToolWindow* forecast = tools_.Find(CMD_EVENT_FORECAST)) tools.eventForecast = forecast->Window();
    ForwardSysColourChange(children_, windowManager_, relatedTasks_, tools);
    if (relatedTaskPane_) relatedTaskPane_->Pane().ApplyColours();
    RefreshFrameImages();
}

// The toolbar's pictures and the windows' shades for the night-vision state:
// a change of the system colours must not bring the day colours back.
void FrameWindow::RefreshFrameImages() {
    toolbar_.SetNight(NightVisionActive());
    NightColours::Switched();
}

void FrameWindow::ChildWindowRetitled(MdiChildWindow&) {
    UpdateWindowManagerList(windowManager_, registry_,
                            reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0)));
}

void FrameWindow::RefreshRelatedTasks() {
    if (relatedTaskPane_ && !closing_) relatedTaskPane_->Refresh();
}

void FrameWindow::ChildWindowClosed(MdiChildWindow& window) {
    registry_.RemoveWindow(window);
    if (registry_.WindowsOf(window.Document()).empty()) registry_.RemoveDocument(window.Document());
    navigation_.PurgeWindow(&window);
    if (Layouts* layouts = app_.GetLayouts()) layouts->ForgetWindow(&window);
    if (windowManager_) RemoveWindowManagerRow(windowManager_, window);
    if (registry_.AllWindows().empty()) {
        // The last window: the pane hides, the wish to see it stays.
        const bool wanted = controlPanelWanted_;
        ShowPane(CMD_VIEW_CONTROL_PANEL, false);
        controlPanelWanted_ = wanted;
    }
    UpdateCommandStates();
    RefreshRelatedTasks();
}

void FrameWindow::ShowLayoutMenu(const std::vector<String>& names, int checked) {
    HMENU view = GetSubMenu(GetMenu(window_), kViewMenuIndex);
    HMENU layouts = view ? GetSubMenu(view, GetMenuItemCount(view) - 1) : nullptr;
    if (!layouts) return;
    for (int id = CMD_LAYOUT_FIRST; id < CMD_LAYOUT_FIRST + kMaxLayouts; ++id) DeleteMenu(layouts, id, MF_BYCOMMAND);
    for (std::size_t i = 0; i < names.size() && i < static_cast<std::size_t>(kMaxLayouts); ++i) {
        const UINT id = CMD_LAYOUT_FIRST + static_cast<UINT>(i);
        AppendMenuW(layouts, MF_STRING, id, names[i].Text());
        CheckMenuItem(layouts, id, MF_BYCOMMAND | (static_cast<int>(i) == checked ? MF_CHECKED : MF_UNCHECKED));
    }
    UpdateCommandStates();
}

void FrameWindow::ReportLayoutNameTaken(const String& name) {
    const String text = FormatPercent1(TXT("A layout named \"%\" exists already. Please choose another name."), name);
    Show(kWarning, text, TXT("Layout_name_exists"));
}

void FrameWindow::Show(Kind kind, const String& text, const Char* helpTopic) {
    // A hidden copy started by an automation client has nobody to answer a
    // box: it would wait for ever, and its client with it.
    if (byAutomation_ && !IsWindowVisible(window_)) return;
    const String topic = MessageBoxHelpTopic(helpTopic);
    RunMessageBox(instance_, window_, text.Text(), kButtonsOk, kind, topic.Text());
}

void FrameWindow::OnNotify(std::int32_t event, std::uint32_t flags, void*) {
    // The place, the moment, or both changed.
    if (event == 9 || event == 10 || event == 11) RefreshStatusLine();
    // A step made inside a child window (a click on a map, a panel's
    // button): Undo and Redo follow at once, also for their accelerators.
    // The step may have changed the window's selection.
    if (event >= kEventJupiterCommand && event <= kEventSolarSystemCommand) {
        UpdateUndoRedoStates();
        RefreshRelatedTasks();
    }
    if (event == kEventAppearanceChanged && (flags & kNightVisionSwitched)) {
        toolbar_.SetNight(options_.NightVision().IsNightVisionActive());
        NightColours::Switched();
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    }
}

void FrameWindow::RunLayoutCommand(int id) {
    Layouts* layouts = app_.GetLayouts();
    if (!layouts) return;
    if (id >= CMD_LAYOUT_FIRST && id < CMD_LAYOUT_FIRST + kMaxLayouts) {
        layouts->ApplyLayout(id - CMD_LAYOUT_FIRST);
    } else if (id == CMD_ADD_LAYOUT) {
        layouts->AddNewLayout();
    } else if (id == CMD_NEXT_LAYOUT || id == CMD_PREVIOUS_LAYOUT) {
        layouts->ActivateAdjacentLayout(id == CMD_PREVIOUS_LAYOUT);
    } else if (id == CMD_REMOVE_ACTIVE_LAYOUT) {
        layouts->RemoveActiveLayout();
    } else if (id == CMD_REMOVE_INACTIVE_LAYOUTS) {
        layouts->RemoveInactiveLayouts();
    }
}

void FrameWindow::OnSize() {
    ArrangePanes();
    RefreshStatusLine();
}

void FrameWindow::ArrangePanes() {
    if (!panes_ || !window_) return;
    RECT client{};
    GetClientRect(window_, &client);
    // The toolbar and status bar size themselves to the frame's width.
    if (toolbar_.Window()) SendMessageW(toolbar_.Window(), TB_AUTOSIZE, 0, 0);
    if (status_.Window()) SendMessageW(status_.Window(), WM_SIZE, 0, 0);
    panes_->Arrange(client.right - client.left, client.bottom - client.top);
}

void FrameWindow::RefreshStatusLine(const Char* general) {
    String title;
    if (!general) {
        GetProductInfo().GetProductTitle(title);
        general = title.Text();
    }
    const DateTimeLocation& current = app_.Current().GetTimeAndLocation();
    const DateTime local = LocalCivilTimeAt(current.dateTime, current.location, current.daylightSaving);
    const String location = FormatStatusLocation(current.location);
    const String dateTime = FormatStatusDateTime(local, current.daylightSaving);
    status_.Layout(general, location.Text(), dateTime.Text());
}

void FrameWindow::ShowPane(int viewCommand, bool show) {
    HWND pane = PaneWindow(viewCommand);
    CheckMenuItem(GetMenu(window_), viewCommand, MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
    if (!pane || !panes_) return;
    ShowWindow(pane, show ? SW_SHOW : SW_HIDE);
    if (show) {
        panes_->Show(PaneOf(pane));
    } else {
        panes_->Hide(PaneOf(pane));
    }
    ArrangePanes();
}

void FrameWindow::TogglePane(int viewCommand) {
    if (viewCommand == CMD_VIEW_CONTROL_PANEL) {
        controlPanelWanted_ = !controlPanelWanted_;
        ShowPane(viewCommand, controlPanelWanted_);
        return;
    }
    const bool checked = (GetMenuState(GetMenu(window_), viewCommand, MF_BYCOMMAND) & MF_CHECKED) != 0;
    ShowPane(viewCommand, !checked);
}

FrameCommandContext FrameWindow::CommandContext() const {
    FrameCommandContext context;
    context.windowOpen = !registry_.AllWindows().empty();
    const Layouts* layouts = app_.GetLayouts();
    context.layoutCount = layouts ? layouts->Count() : 0;
    context.canGoBackward = navigation_.History().PeekUndoCommand() != nullptr;
    context.canGoForward = navigation_.History().PeekRedoCommand() != nullptr;
    for (int kind = 0; kind < kWindowKindCount; ++kind) {
        if (children_.HasKind(kind)) context.kindsAvailable |= 1u << kind;
    }
    context.graphCanBeSaved = mdiClient_ && children_.ActiveWindowOf(kGraphWindow) != nullptr;
    context.lessonRunning = educator_ && !educator_->CommandEnabled();
    if (MdiChildWindow* active = mdiClient_ ? children_.ActiveWindow() : nullptr) {
        if (const CommandHistory* history = active->History()) {
            context.canUndo = history->PeekUndoCommand() != nullptr;
            context.canRedo = history->PeekRedoCommand() != nullptr;
        }
    }
    return context;
}

void FrameWindow::UpdateCommandStates() {
    if (!window_) return;
    HMENU menu = GetMenu(window_);
    // The states shown belong to the menu they were shown in.
    if (menu != commandStatesMenu_) ForgetShownStates();
    const FrameCommandContext context = CommandContext();
    // Every command lives in a popup of the menu bar, so the bar itself
    // never needs redrawing for them (a redraw repaints the child windows
    // too, and this runs after every command).
    for (const FrameCommand* command = FrameCommandsBegin(); command != FrameCommandsEnd(); ++command) {
        ShowCommandState(*command, IsFrameCommandEnabled(*command, context));
    }
    // The Window > New submenu leads only to window kinds; gray its title
    // as well when none of them can be opened.
    HMENU windowMenu = GetSubMenu(menu, kWindowMenuIndex);
    bool anyKind = false;
    for (int id = CMD_NEW_SKY; id <= CMD_NEW_ECLIPSE; ++id) {
        anyKind = anyKind || IsFrameCommandEnabled(*FindFrameCommand(id), context);
    }
    if (windowMenu && ShownStateChanges(newWindowsShown_, anyKind)) {
        EnableMenuItem(windowMenu, 0, MF_BYPOSITION | (anyKind ? MF_ENABLED : MF_GRAYED));
    }
    // A tool's command is checked while its window is shown.
    for (int id = CMD_OBJECT_INFO; id <= CMD_EDUCATOR; ++id) {
        if (!tools_.Find(id)) continue;
        const bool shown = tools_.IsShown(id);
        if (!ShownStateChanges(toolsShown_.try_emplace(id, -1).first->second, shown)) continue;
        CheckMenuItem(menu, id, MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
        toolbar_.SetChecked(id, shown);
    }
}

bool FrameWindow::ShownStateChanges(signed char& shown, bool state) {
    if (shown == (state ? 1 : 0)) return false;
    shown = state ? 1 : 0;
    return true;
}

void FrameWindow::ForgetShownStates() {
    commandStates_.assign(static_cast<std::size_t>(FrameCommandsEnd() - FrameCommandsBegin()), -1);
    newWindowsShown_ = -1;
    toolsShown_.clear();
    commandStatesMenu_ = GetMenu(window_);
}

void FrameWindow::AddModelessDialog(HWND dialog) {
    if (dialog && std::find(modeless_.begin(), modeless_.end(), dialog) == modeless_.end()) modeless_.push_back(dialog);
}

void FrameWindow::RemoveModelessDialog(HWND dialog) {
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), dialog), modeless_.end());
}

// Only the two items of the Edit menu and their buttons.
void FrameWindow::UpdateUndoRedoStates() {
    if (!window_) return;
    if (GetMenu(window_) != commandStatesMenu_) ForgetShownStates();
    const FrameCommandContext context = CommandContext();
    for (const int id : {CMD_UNDO, CMD_REDO}) {
        const FrameCommand& command = *FindFrameCommand(id);
        ShowCommandState(command, IsFrameCommandEnabled(command, context));
    }
}

void FrameWindow::ShowCommandState(const FrameCommand& command, bool enabled) {
    signed char& shown = commandStates_[static_cast<std::size_t>(&command - FrameCommandsBegin())];
    if (!ShownStateChanges(shown, enabled)) return;
    EnableMenuItem(GetMenu(window_), static_cast<UINT>(command.id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    toolbar_.SetEnabled(command.id, enabled);
}

void FrameWindow::OnCommand(int id) {
    const FrameCommand* command = FindFrameCommand(id);
    // A command that is not enabled does nothing, even when it was posted
    // by a stray message while its menu item was grayed.
    if (!command || !IsFrameCommandEnabled(*command, CommandContext())) return;
    if (tools_.Toggle(id)) {
        UpdateCommandStates();
        return;
    }
    MdiChildWindow* const activeBefore = mdiClient_ ? children_.ActiveWindow() : nullptr;
    switch (id) {
    case CMD_EXIT:
        SendMessageW(window_, WM_CLOSE, 0, 0);
        break;
    case CMD_VIEW_TOOLBAR:
    case CMD_VIEW_CONTROL_PANEL:
    case CMD_VIEW_RELATED_TASKS:
    case CMD_VIEW_WINDOW_MANAGER:
    case CMD_VIEW_STATUS_LINE:
        TogglePane(id);
        break;
    case CMD_CASCADE:
        SendMessageW(mdiClient_, WM_MDICASCADE, 0, 0);
        break;
    case CMD_TILE_HORIZONTALLY:
        SendMessageW(mdiClient_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
        break;
    case CMD_TILE_VERTICALLY:
        SendMessageW(mdiClient_, WM_MDITILE, MDITILE_VERTICAL, 0);
        break;
    case CMD_ARRANGE_ICONS:
        SendMessageW(mdiClient_, WM_MDIICONARRANGE, 0, 0);
        break;
    case CMD_CLOSE_WINDOW:
        if (HWND active = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0))) {
            SendMessageW(active, WM_CLOSE, 0, 0);
        }
        break;
    case CMD_CLOSE_ALL:
        CloseAllChildWindows();
        break;
    case CMD_HELP_CONTENTS:
        ShowHelpTopic(window_, HelpPage::Contents);
        break;
    case CMD_HELP_SEARCH:
        ShowHelpSearch(window_);
        break;
    case CMD_HELP_GLOSSARY:
        ShowHelpTopic(window_, HelpPage::Glossary);
        break;
    case CMD_HELP_QUICK_TOUR:
        ShowHelpTopic(window_, HelpPage::QuickTour);
        break;
    case CMD_EDUCATOR:
        RunEducator();
        break;
    case CMD_HELP_KEYBOARD_MAP:
        ShowHelpTopic(window_, HelpPage::KeyboardMap);
        break;
    case CMD_ABOUT:
        ShowAboutDialog(instance_, window_, false);
        break;
    case CMD_DATE_TIME:
        options_.ChangeDateAndTime(window_);
        break;
    case CMD_LOCATION:
        options_.ChangeLocation(window_);
        break;
    case CMD_APPEARANCE:
        options_.ChangeAppearance(window_);
        break;
    case CMD_NAVIGATE_BACKWARD:
        navigation_.Backward(1);
        break;
    case CMD_NAVIGATE_FORWARD:
        navigation_.Forward(1);
        break;
    case CMD_ADD_LAYOUT:
    case CMD_NEXT_LAYOUT:
    case CMD_PREVIOUS_LAYOUT:
    case CMD_REMOVE_ACTIVE_LAYOUT:
    case CMD_REMOVE_INACTIVE_LAYOUTS:
        RunLayoutCommand(id);
        break;
    default:
        if (id >= CMD_LAYOUT_FIRST && id < CMD_LAYOUT_FIRST + kMaxLayouts) RunLayoutCommand(id);
        OnWindowCommand(id);
        break;
    }
    UpdateCommandStates();
    // A command that opened or brought forward another window redraws the
    // menu bar (which carries a maximized window's buttons) and the windows
    // with it: under Wine the first frame of a window made beside a
    // maximized one is right only after that. Other commands leave it.
    if (window_ && mdiClient_ && children_.ActiveWindow() != activeBefore) DrawMenuBar(window_);
}

// The commands that reach the child windows: opening and showing a kind,
// the active window's undo history, zoom and time steps.
void FrameWindow::OnWindowCommand(int id) {
    const int kind = WindowKindOfCommand(id);
    if (kind >= 0) {
        if (IsNewWindowCommand(id)) {
            children_.NewWindow(kind);
        } else {
            children_.ShowWindow(kind);
        }
        return;
    }
    MdiChildWindow* active = children_.ActiveWindow();
    switch (id) {
    case CMD_OPEN_GRAPH:
        if (ChildWindowKind* graphs = children_.KindOf(kGraphWindow)) graphs->RunCommand(id);
        break;
    case CMD_SAVE_GRAPH:
    case CMD_SAVE_GRAPH_AS:
    case CMD_EDIT_GRAPH_LINES:
    case CMD_GRAPH_OPTIONS:
        // The active Graph window saves itself and edits its lines.
        if (MdiChildWindow* graph = children_.ActiveWindowOf(kGraphWindow)) {
            SendMessageW(graph->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        }
        break;
    case CMD_UNDO:
    case CMD_REDO:
        if (CommandHistory* history = active ? active->History() : nullptr) {
            if (id == CMD_UNDO) {
                history->UndoCommands(1);
            } else {
                history->RedoCommands(1);
            }
        }
        break;
    case CMD_ZOOM_IN:
    case CMD_ZOOM_OUT:
        children_.ZoomActiveChild(id == CMD_ZOOM_IN ? 0 : 1);
        break;
    case CMD_STEP_FORWARD:
    case CMD_STEP_BACKWARD:
        children_.StepActiveTime(id == CMD_STEP_BACKWARD);
        break;
    case CMD_RESET_TIME:
        children_.ResetActiveTime();
        break;
    default:
        if (id >= CMD_RECENT_FILE_FIRST && id <= CMD_RECENT_FILE_LAST) {
            if (ChildWindowKind* graphs = children_.KindOf(kGraphWindow)) graphs->RunCommand(id);
        }
        break;
    }
}

LRESULT FrameWindow::OnNotify(const NMHDR& header, WPARAM wParam, LPARAM lParam) {
    if (windowManager_ && header.hwndFrom == GetDlgItem(windowManager_, IDC_PANE_LIST) &&
        header.code == LVN_ITEMCHANGED) {
        ActivateSelectedWindow(*reinterpret_cast<const NMLISTVIEW*>(lParam), registry_, mdiClient_);
        return 0;
    }
    if (header.code == TTN_GETDISPINFOW && FindToolbarButton(static_cast<int>(header.idFrom))) {
        // Kept static: the tooltip reads the text after this returns.
        static wchar_t text[2000];
        const String tip = TooltipText(static_cast<int>(header.idFrom));
        lstrcpynW(text, tip.Text(), static_cast<int>(std::size(text)));
        auto& info = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
        info.lpszText = text;
        info.hinst = nullptr;
        return 0;
    }
    if (header.hwndFrom == status_.Window() && header.code == NM_DBLCLK) {
        const auto& mouse = *reinterpret_cast<const NMMOUSE*>(lParam);
        if (mouse.dwItemSpec == 1) PostMessageW(window_, WM_COMMAND, CMD_LOCATION, 0);
        if (mouse.dwItemSpec == 2) PostMessageW(window_, WM_COMMAND, CMD_DATE_TIME, 0);
        return 0;
    }
    if (header.hwndFrom == toolbar_.Window() && header.code == TBN_HOTITEMCHANGE) {
        const auto& hot = *reinterpret_cast<const NMTBHOTITEM*>(lParam);
        const ToolbarButtonInfo* button = (hot.dwFlags & HICF_LEAVING) ? nullptr : FindToolbarButton(hot.idNew);
        if (!button) {
            RefreshStatusLine();
        } else {
            wchar_t text[1000] = {};
            LoadStringW(instance_, button->description, text, 1000);
            status_.SetGeneralText(text);
        }
        return 0;
    }
    if (header.hwndFrom == toolbar_.Window() && header.code == TBN_DROPDOWN) {
        const auto& button = *reinterpret_cast<const NMTOOLBARW*>(lParam);
        return historyLists_.Show(toolbar_.Window(), button.iItem, window_) ? TBDDRET_DEFAULT : TBDDRET_NODEFAULT;
    }
    return DefFrameProcW(window_, mdiClient_, WM_NOTIFY, wParam, lParam);
}

void FrameWindow::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) {
        RefreshStatusLine();
        return;
    }
    const int id = LOWORD(wParam);
    if (!(flags & (MF_POPUP | MF_SEPARATOR)) && id >= CMD_RECENT_FILE_FIRST && id <= CMD_RECENT_FILE_LAST) {
        const String* path = app_.Recent().PathForCommand(id);
        const String text = FormatPercent1(TXT("Opens the graph '%'"), path ? *path : String());
        status_.SetGeneralText(text.Text());
        return;
    }
    wchar_t text[100] = {};
    if (!(flags & (MF_POPUP | MF_SEPARATOR))) LoadStringW(instance_, id, text, 100);
    status_.SetGeneralText(text);
}

void FrameWindow::SetMenuPictures() {
    if (!MenuPicturesFit(GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK))) return;
    HMENU menu = GetMenu(window_);
    for (const MenuPicture& picture : kMenuPictures) {
        std::wstring name = picture.name;
        auto enabled = static_cast<HBITMAP>(
            LoadImageW(instance_, (name + L"_enabled").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
        HBITMAP selected = enabled;
        if (picture.hasSelected) {
            selected = static_cast<HBITMAP>(
                LoadImageW(instance_, (name + L"_selected").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
        }
        // A picture that does not load is left out rather than shown blank.
        if (!enabled || !selected) {
            if (enabled) DeleteObject(enabled);
            if (selected && selected != enabled) DeleteObject(selected);
            continue;
        }
        menuBitmaps_.push_back(enabled);
        if (selected != enabled) menuBitmaps_.push_back(selected);
        if (!SetMenuItemBitmaps(menu, picture.command, MF_BYCOMMAND, enabled, selected)) break;
    }
}

void FrameWindow::OnStartup() {
    SetMenuPictures();
    RestoreNightVision();
    RestoreWindows();
    if (recentMenu_) recentMenu_->Rebuild();
    ArrangePanes();
    UpdateCommandStates();
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
    UpdateWindow(window_);
    ShowWindow(mdiClient_, SW_SHOW);
    UpdateWindow(mdiClient_);
    RefreshStatusLine();
    // The tools come last, over the frame as it will stay.
    CreateTools();
    RefreshRelatedTasks();
    if (!byAutomation_ && offerWelcome_ && app_.Frame().showHelpHint) {
        const WelcomeChoice choice = ShowWelcomeDialog(instance_, window_);
        if (choice == WelcomeChoice::HelpPages) ShowHelpTopic(window_, HelpPage::QuickTour);
        const PathName& folder = app_.Product().GetProgramDirectory();
        if (choice == WelcomeChoice::QuickTour && StartQuickTour(instance_, window_, folder) && educator_) {
            educator_->RunScriptFile(QuickTourScriptPath(folder), String(TXT("Quick Tour")));
        }
    }
    startupFinished_ = true;
    // A close that arrived while start-up waited in a dialog runs now.
    if (closeRequested_) PostMessageW(window_, WM_CLOSE, 0, 0);
}

void FrameWindow::OnClose() {
    if (!startupFinished_) {
        closeRequested_ = true;
        return;
    }
    if (closing_) return;
    // Unsaved graphs are asked about first; Cancel keeps everything open.
    if (!children_.QueryCloseApplication()) return;
    closing_ = true;
    // A start meanwhile waits for this copy's end rather than bringing it
    // forward.
    MarkFrameClosing(window_);
    SaveSession();
    CloseAllChildWindows();
    DestroyFrameWindows();
}

void FrameWindow::CloseAllChildWindows() {
    if (!mdiClient_) return;
    HWND previous = nullptr;
    while (HWND active = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0))) {
        // A window that refuses to close stays active: stop there.
        if (active == previous) break;
        SendMessageW(active, WM_CLOSE, 0, 0);
        previous = active;
    }
}

// The levels of the last run come back as they were; night vision itself
// goes on again only when the user says so.
void FrameWindow::RestoreNightVision() {
    SettingsTree tree(app_.GetStorage(), app_.Keys().Root());
    NightVisionLevels levels;
    if (PushSettingsKey(tree, String(settings_key::kNightVision))) corvinata::LoadNightVision(tree, levels);
    if (levels.active) {
        const String text = FormatPercent1(
            TXT("Night vision (red colour) mode was active when you last used %. Do you want to "
                "continue using this mode?\n\nSelect Yes to activate night vision mode\nSelect No "
                "to stay in regular display mode"),
            GetProductInfo().GetProductName());
        const String topic = MessageBoxHelpTopic(TXT("Night_vision_mode_was_active"));
        levels.active = !byAutomation_ && RunMessageBox(instance_, window_, text.Text(), kButtonsYesNo,
                                                        kMessageInformation, topic.Text()) == kAnswerYes;
    }
    options_.NightVision().ApplyNightVision(levels.active, levels.brightness, levels.contrast);
}

// The windows of the last run come back kind by kind, then in their
// stacking order; activations while they do are no navigation steps.
void FrameWindow::RestoreWindows() {
    WindowKindState* states[kWindowKindCount] = {};
    children_.SessionStates(states);
    app_.RestoreSession(states);
    SettingsTree tree(app_.GetStorage(), app_.Keys().Root());
    RestoreMainWindows(tree, *this);
}

bool FrameWindow::PlaceBelow(const WindowReference& window, const WindowReference* above) {
    RegisteredWindow* open = registry_.WindowByNumber(window.kind, window.number);
    if (!open) return false;
    HWND handle = static_cast<HWND>(const_cast<void*>(open->WindowHandle()));
    RegisteredWindow* upper = above ? registry_.WindowByNumber(above->kind, above->number) : nullptr;
    if (!upper) {
        SendMessageW(mdiClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle), 0);
    } else {
        SetWindowPos(handle, static_cast<HWND>(const_cast<void*>(upper->WindowHandle())), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return true;
}

void FrameWindow::Maximize(const WindowReference& window) {
    if (RegisteredWindow* open = registry_.WindowByNumber(window.kind, window.number)) {
        SendMessageW(mdiClient_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(open->WindowHandle()), 0);
    }
}

void FrameWindow::Minimize(const WindowReference& window) {
    if (RegisteredWindow* open = registry_.WindowByNumber(window.kind, window.number)) {
        ShowWindow(static_cast<HWND>(const_cast<void*>(open->WindowHandle())), SW_MINIMIZE);
    }
}

void FrameWindow::SaveNightVision() {
    SettingsTreeWriter writer(app_.GetStorage(), app_.Keys().Root());
    if (OpenSettingsKeyPath(writer, String(settings_key::kNightVision))) {
        corvinata::SaveNightVision(writer, options_.NightVision().Levels());
    }
}

void FrameWindow::CreateTools() {
    SymbolTableWindowParams symbols;
    symbols.instance = instance_;
    symbols.storage = &app_.GetStorage();
    symbols.settingsRoot = app_.Keys().Root();
    symbols.modeless = &modeless_;
    symbols.command = CMD_SYMBOLS;
    tools_.Add(std::make_unique<SymbolTableWindow>(std::move(symbols)));
    tools_.Add(std::make_unique<ObjectInfoWindow>(ObjectInfoParams()));
    CalculatorWindowParams calculator;
    calculator.instance = instance_;
    calculator.storage = &app_.GetStorage();
    calculator.settingsRoot = app_.Keys().Root();
    calculator.currentTime = [this] { return app_.Current().GetTimeAndLocation(); };
    calculator.hub = &app_.GetNotificationHub();
    calculator.modeless = &modeless_;
    calculator.pickPlace = [this](HWND owner, Location& chosen) { return options_.PickPlace(owner, chosen); };
    calculator.command = CMD_CALCULATOR;
    tools_.Add(std::make_unique<CalculatorWindow>(std::move(calculator)));
    EventFinderWindowParams finder;
    finder.instance = instance_;
    finder.storage = &app_.GetStorage();
    finder.settingsRoot = app_.Keys().Root();
    finder.currentTime = [this] { return app_.Current().GetTimeAndLocation(); };
    finder.hub = &app_.GetNotificationHub();
    finder.modeless = &modeless_;
    finder.windows = windowServices_.get();
    finder.selectEventPlacement = &app_.DialogStates().selectEvent.geometry;
    finder.command = CMD_EVENT_FINDER;
    tools_.Add(std::make_unique<EventFinderWindow>(std::move(finder)));
    EducatorParams educator;
    educator.instance = instance_;
    educator.frame = window_;
    educator.storage = &app_.GetStorage();
    educator.modeless = this;
    educator.runLessonPlace = &app_.DialogStates().runLesson;
    educator.commandStateChanged = [this] { UpdateCommandStates(); };
    educator_ = std::make_unique<Educator>(std::move(educator));
    educator_->AttachHost(&ScriptHost(), [this] { ScriptHost().CloseRunLessonWindow(); });
    ScriptHost().AttachLessonWindow(educator_.get());
    EventForecastWindowParams forecast;
    forecast.instance = instance_;
    forecast.storage = &app_.GetStorage();
    forecast.settingsRoot = app_.Keys().Root();
    forecast.currentTime = [this] { return app_.Current().GetTimeAndLocation(); };
    forecast.hub = &app_.GetNotificationHub();
    forecast.modeless = &modeless_;
    forecast.options = &app_.DialogStates().eventForecastOptions.options;
    forecast.windows = windowServices_.get();
    forecast.command = CMD_EVENT_FORECAST;
    tools_.Add(std::make_unique<EventForecastWindow>(std::move(forecast)));
    tools_.CreateAll(window_);
}

ObjectInfoWindowParams FrameWindow::ObjectInfoParams() {
    ObjectInfoWindowParams info;
    info.instance = instance_;
    info.storage = &app_.GetStorage();
    info.settingsRoot = app_.Keys().Root();
    info.currentTime = [this] { return app_.Current().GetTimeAndLocation(); };
    info.hub = &app_.GetNotificationHub();
    info.modeless = &modeless_;
    info.selectBody = [this](HWND owner, const wchar_t* title, BodyIdentifier& selection) {
        SelectBodyDialogParams params;
        params.placement = &app_.DialogStates().selectBody.geometry;
        params.selection = selection;
        return ShowSelectBodyDialog(owner, params, title, true, true, selection);
    };
    info.windows = windowServices_.get();
    info.command = CMD_OBJECT_INFO;
    return info;
}

void FrameWindow::SaveSession() {
    // An automation client's session leaves the user's frame, windows,
    // layouts and appearance as they were.
    if (byAutomation_) return;
    tools_.SaveAndDestroyAll(ToolStateSaver(app_.GetStorage(), app_.Keys().Root(),
                                            [this] { return app_.Options().general.saveOptionsOnExit; }));
    SaveNightVision();
    FrameWindowSettings& frame = app_.Frame();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window_, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        frame.maximized = placement.showCmd == SW_SHOWMAXIMIZED || IsZoomed(window_);
        frame.top = r.top;
        frame.left = r.left;
        frame.bottom = r.bottom;
        frame.right = r.right;
    }
    // The panes as they are now, not as the current layout last knew them.
    frame.panes = PanesShown();
    SessionState session;
    session.frame = &frame;
    children_.SessionStates(session.kinds);
    // The stacking order from the top, and how the active window shows.
    for (HWND child = GetWindow(mdiClient_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const WindowLocation found = registry_.FindByHandle(child);
        if (found.window) session.stacking.push_back({found.kind, registry_.NumberOf(*found.window)});
    }
    BOOL maximized = FALSE;
    if (HWND active = reinterpret_cast<HWND>(
            SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)))) {
        session.active = {true, IsIconic(active) != FALSE, maximized != FALSE};
    }
    app_.SaveSession(session);
}

void FrameWindow::RunEducator() {
    if (!educator_ || !educator_->CommandEnabled()) return;
    LessonChoice choice;
    if (!ShowSelectLesson(instance_, window_, app_.GetStorage(), app_.Product().GetProgramDirectory(),
                          app_.DialogStates().selectLesson, choice)) {
        return;
    }
    educator_->RunScriptFile(choice.scriptPath, choice.title);
}

void FrameWindow::DestroyFrameWindows() {
    recentMenu_.reset();
    ScriptHost().AttachLessonWindow(nullptr);
    educator_.reset();
    for (HWND* pane : {&windowManager_, &relatedTasks_}) {
        if (!*pane) continue;
        for (auto it = modeless_.begin(); it != modeless_.end();) {
            it = (*it == *pane) ? modeless_.erase(it) : it + 1;
        }
        DestroyWindow(*pane);
        *pane = nullptr;
    }
    toolbar_.Destroy();
    status_.Destroy();
    if (controlPanelParent_) DestroyWindow(controlPanelParent_);
    controlPanelParent_ = nullptr;
    panes_.reset();
    // Destroyed here once; WM_CLOSE does not reach the default processing,
    // which would destroy it a second time.
    if (window_) DestroyWindow(window_);
}

bool FrameWindow::PreTranslate(MSG& message, HACCEL accelerators, const ModelessDialogList& modeless) const {
    if (mdiClient_ && TranslateMDISysAccel(mdiClient_, &message)) return true;
    // The program's keys (Ctrl+2, Ctrl+T, F7 to F9, ...) work wherever the
    // focus is: a tool window or a panel would take them as its own dialog
    // keys and drop them. Only what no accelerator names reaches the
    // modeless dialogs.
    if (window_ && accelerators && TranslateAcceleratorW(window_, accelerators, &message)) return true;
    for (HWND dialog : modeless) {
        if (dialog && IsDialogMessageW(dialog, &message)) return true;
    }
    return false;
}

}  // namespace corvinata
