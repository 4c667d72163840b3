#include "frame/frame_window.h"

#include <algorithm>
#include <iterator>

#include <commctrl.h>

#include "app/help_topics.h"
#include "app/help_topics_win.h"
#include "app/status_texts.h"
#include "automation/application_script_host.h"
#include "base/text_format.h"
#include "base/wine_host_win.h"
#include "controls/bitmap_button.h"
#include "controls/dialog_keys.h"
#include "controls/message_box.h"
#include "controls/question_end.h"
#include "controls/window_centring.h"
#include "frame/about_dialogs.h"
#include "frame/child_window_commands.h"
#include "frame/close_request.h"
#include "frame/frame_related_tasks.h"
#include "frame/frame_window_services.h"
#include "frame/help_menu.h"
#include "frame/help_messages.h"
#include "frame/layout_menu.h"
#include "frame/report_kind_setup.h"
#include "frame/script_windows.h"
#include "frame/single_instance.h"
#include "frame/system_colour_change.h"
#include "frame/time_appearance_dialogs.h"
#include "frame/window_manager_list.h"
#include "resources/resource_ids.h"
#include "views/display_tooltip_win.h"

namespace corvinata {

namespace {

constexpr UINT kFirstChildId = 1250;

}  // namespace

FrameWindow::FrameWindow(Application& application, HINSTANCE instance, ModelessDialogList& modeless,
                         bool byAutomation)
    : app_(application),
      windowServices_(std::make_unique<FrameWindowServices>(*this, application)),
      navigation_(application.Navigation(), mdiWindows_, &application.GetNotificationHub()),
      instance_(instance),
      options_(application, instance),
      modeless_(modeless),
      byAutomation_(byAutomation),
      tools_(*this, application, instance),
      session_(application, children_, mdiWindows_, options_.NightVision(), instance, byAutomation),
      scriptHost_(std::make_unique<FrameScriptHost>(*this, application, instance)) {}

ApplicationScriptHost& FrameWindow::ScriptHost() { return scriptHost_->Host(); }

String FrameWindow::TooltipText(int command) const {
    const String text = toolbar_.TooltipText(command);
    return historyLists_.Tooltip(command, text).value_or(text);
}

CommandHistory* FrameWindow::ActiveWindowHistory() const {
    MdiChildWindow* active = MdiClient() ? children_.ActiveWindow() : nullptr;
    return active ? active->History() : nullptr;
}

CommandHistory& FrameWindow::NavigationSteps() const { return app_.Navigation(); }

FrameWindow::~FrameWindow() {
    if (observing_) app_.GetNotificationHub().Forget(this);
    if (window_) {
        closing_ = true;
        DestroyFrameWindows();
    }
    options_.LeaveNightVision();
    UnregisterControlPanelParent(instance_);
    UnregisterClassW(ClassName(), instance_);
}

bool FrameWindow::Create(bool coloursChanged) {
    InstallHelpMessages(instance_);
    // Before the first window, so that every window of the frame follows night vision.
    if (!nightColours_) nightColours_ = std::make_unique<NightColours>(options_.NightVision());
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(ICO_PROGRAM));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = L"Menu_Main";
    wc.lpszClassName = ClassName();
    if (!RegisterWindowClass(wc)) return false;
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
    wineDisplay_.Attach(window_);
    if (coloursChanged) SendMessageW(window_, WM_SYSCOLORCHANGE, 0, 0);
    // Shown in the state it was left in, from its own rectangle.
    if (!byAutomation_ && showOnCreate_) wineDisplay_.ShowFrame(settings.maximized);
    return true;
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
    if (wineDisplay_.OnMessage(message, wParam)) return 0;
    switch (message) {
    case WM_CREATE: OnCreate(); break;
    // The panes place the MDI client; the default processing would stretch it over them.
    case WM_SIZE: OnSize(); return 0;
    case WM_COMMAND: if (OnCommand(wParam, lParam)) return 0; break;
    case WM_SYSCOLORCHANGE: OnSysColourChange(); break;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), wParam, lParam);
    case WM_MENUSELECT: OnMenuSelect(wParam, lParam); break;
    case WM_TIMER: if (OnTimer(wParam)) return 0; break;
    case WM_MOUSEWHEEL: return 0;
    case WM_ACTIVATE: if (OnActivate(wParam)) return 0; break;
    case WM_MOUSEACTIVATE: OnMouseActivate(lParam); break;
    case WM_SYSCOMMAND: if (wineDisplay_.OnSysCommand(wParam)) return 0; break;
    case WM_NCLBUTTONDOWN: wineDisplay_.OnNcLButtonDown(wParam); break;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(lParam)); break;
    // A menu or a modal dialog (which disables the frame) comes over the
    // child windows and the toolbar: their tips would stay on top of it.
    case WM_ENTERMENULOOP:
        HideDisplayTooltips(MdiClient());
        toolbar_.HideTooltip();
        break;
    case WM_ENABLE:
        if (!wParam) HideDisplayTooltips(MdiClient());
        closeRequest_.OnEnable(window_, wParam != 0);
        break;
    case WM_HELP: OnHelp(wParam, reinterpret_cast<const HELPINFO*>(lParam)); return 1;
    case kStartupMessage: OnStartup(); return 0;
    case kActivationSkipEndsMessage: skipActivation_ = false; return 0;
    case kRefreshPanelMessage:
        panelRefreshPending_ = false;
        children_.RefreshActivePanel();
        return 0;
    case kWindowManagerButtonsMessage:
        windowManagerButtonsPending_ = false;
        if (windowManager_) EnableWindowManagerButtons(windowManager_);
        return 0;
    // A closing frame stays where it is: the start waits for this copy's end.
    case kComeForwardMessage:
        if (closing_) return 0;
        BringFrameForward(window_);
        return 1;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY: OnDestroy(); break;
    case WM_NCDESTROY: return OnNcDestroy(wParam, lParam);
    default: break;
    }
    return DefFrameProcW(window_, MdiClient(), message, wParam, lParam);
}

void FrameWindow::OnCreate() {
    HMENU menu = GetMenu(window_);
    ShowProductNameInAbout(menu);

    CLIENTCREATESTRUCT client{};
    client.hWindowMenu = WindowMenu(menu);
    client.idFirstChild = kFirstChildId;
    mdiWindows_.Attach(CreateWindowExW(0, L"MDICLIENT", nullptr,
                                       WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 100,
                                       100, 700, 400, window_, nullptr, instance_, &client));
    toolbar_.Create(window_, instance_);
    commandStates_ = std::make_unique<CommandStates>(window_, toolbar_);
    controlPanelParent_ = CreateControlPanelParent(window_, instance_);
    windowManager_ = CreateWindowManagerPane(window_, instance_);
    if (windowManager_) modeless_.push_back(windowManager_);
    status_.Create(window_, instance_);
    relatedTaskPane_ = std::make_unique<FrameRelatedTasks>(*this, app_, *windowServices_);
    if (relatedTaskPane_->Create(window_, instance_)) relatedTasks_ = relatedTaskPane_->Window();
    if (relatedTasks_) modeless_.push_back(relatedTasks_);
    // In the order of the View commands.
    // The active window's panel follows every new layout of the panes.
    panes_.Build(window_, MdiClient(),
                 {toolbar_.Window(), controlPanelParent_, relatedTasks_, windowManager_, status_.Window()},
                 [this] {
                     if (panelRefreshPending_) return;
                     panelRefreshPending_ = PostMessageW(window_, kRefreshPanelMessage, 0, 0) != FALSE;
                 });

    reports_ = std::make_unique<ReportKindSetup>(app_, options_.NightVision(), children_, window_,
                                                 controlPanelParent_, instance_, [this] { RefreshRelatedTasks(); },
                                                 this);
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

void FrameWindow::OnSize() {
    panes_.Arrange();
    RefreshStatusLine();
}

// An item of a history button's drop-down list (n steps at once), a command
// of the table, or a button of the window manager; false for anything else.
bool FrameWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (historyLists_.RunSteps(id)) {
        UpdateCommandStates();
        return true;
    }
    if (FindFrameCommand(id)) {
        RunFrameCommand(id);
        return true;
    }
    if (windowManager_ && reinterpret_cast<HWND>(lParam) == windowManager_) {
        RunWindowManagerButton(windowManager_, id, registry_);
        return true;
    }
    return false;
}

void FrameWindow::RunFrameCommand(int id) {
    const FrameCommand* command = FindFrameCommand(id);
    // A command that is not enabled does nothing, even when it was posted
    // by a stray message while its menu item was grayed.
    if (!command || !IsFrameCommandEnabled(*command, CommandContext())) return;
    MdiChildWindow* const activeBefore = MdiClient() ? children_.ActiveWindow() : nullptr;
    RunCommand(command->handler, id);
    UpdateCommandStates();
    // A command that opened or brought forward another window redraws the
    // menu bar (which carries a maximized window's buttons) and the windows
    // with it: under Wine the first frame of a window made beside a
    // maximized one is right only after that. Other commands leave it.
    if (window_ && MdiClient() && children_.ActiveWindow() != activeBefore) DrawMenuBar(window_);
}

void FrameWindow::RunCommand(CommandHandler handler, int id) {
    switch (handler) {
    case CommandHandler::ExitProgram: SendMessageW(window_, WM_CLOSE, 0, 0); break;
    case CommandHandler::ChildWindows: RunChildWindowCommand(children_, id); break;
    case CommandHandler::Navigation: id == CMD_NAVIGATE_BACKWARD ? navigation_.Backward(1) : navigation_.Forward(1); break;
    case CommandHandler::Layouts: if (Layouts* layouts = app_.GetLayouts()) RunLayoutCommand(*layouts, id); break;
    case CommandHandler::Panes: panes_.Toggle(id); break;
    case CommandHandler::Tools: ToggleTool(id); break;
    case CommandHandler::Educator: tools_.RunEducator(); break;
    case CommandHandler::Options: options_.RunCommand(window_, id); break;
    case CommandHandler::Arrangement: mdiWindows_.RunCommand(id); break;
    case CommandHandler::Help: RunHelpCommand(instance_, window_, id, options_.NightVision()); break;
    }
}

void FrameWindow::FollowWindowManagerSelection() {
    if (windowManagerButtonsPending_) return;
    windowManagerButtonsPending_ = true;
    PostMessageW(window_, kWindowManagerButtonsMessage, 0, 0);
}

void FrameWindow::ToggleTool(int id) {
    ToolWindows& tools = tools_.Windows();
    tools.Toggle(id);
    // A tool hidden by its command (or its close box, which sends it) gives
    // the pane back to the active window once no tool is shown; while one
    // is, the pane stays as it is.
    if (tools.IsShown(id)) return;
    for (int tool = CMD_OBJECT_INFO; tool <= CMD_SYMBOLS; ++tool) {
        if (tools.IsShown(tool)) return;
    }
    RefreshRelatedTasks();
}

LRESULT FrameWindow::OnNotify(const NMHDR& header, WPARAM wParam, LPARAM lParam) {
    const HWND toolbar = toolbar_.Window();
    if (windowManager_ && header.hwndFrom == GetDlgItem(windowManager_, IDC_PANE_LIST) &&
        header.code == LVN_ITEMCHANGED) {
        ActivateSelectedWindow(*reinterpret_cast<const NMLISTVIEW*>(lParam), registry_, MdiClient());
        FollowWindowManagerSelection();
    } else if (header.code == TTN_GETDISPINFOW && FindToolbarButton(static_cast<int>(header.idFrom))) {
        OnTooltipText(*reinterpret_cast<NMTTDISPINFOW*>(lParam));
    } else if (header.hwndFrom == status_.Window() && header.code == NM_DBLCLK) {
        OnStatusDoubleClick(*reinterpret_cast<const NMMOUSE*>(lParam));
    } else if (header.hwndFrom == toolbar && header.code == TBN_HOTITEMCHANGE) {
        status_.ShowButtonHelp(instance_, *reinterpret_cast<const NMTBHOTITEM*>(lParam),
                               app_.Current().GetTimeAndLocation());
    } else if (header.hwndFrom == toolbar && header.code == TBN_DROPDOWN) {
        const int button = reinterpret_cast<const NMTOOLBARW*>(lParam)->iItem;
        return historyLists_.Show(toolbar, button, window_) ? TBDDRET_DEFAULT : TBDDRET_NODEFAULT;
    } else {
        return DefFrameProcW(window_, MdiClient(), WM_NOTIFY, wParam, lParam);
    }
    return 0;
}

void FrameWindow::OnTooltipText(NMTTDISPINFOW& info) {
    // Kept static: the tooltip reads the text after this returns.
    static wchar_t text[2000];
    const String tip = TooltipText(static_cast<int>(info.hdr.idFrom));
    lstrcpynW(text, tip.Text(), static_cast<int>(std::size(text)));
    info.lpszText = text;
    info.hinst = nullptr;
}

void FrameWindow::OnStatusDoubleClick(const NMMOUSE& mouse) {
    // Posted: the dialog opens after the click has been processed.
    if (const int command = StatusLine::CommandOfPart(mouse.dwItemSpec)) {
        PostMessageW(window_, WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
}

void FrameWindow::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    status_.ShowMenuHelp(instance_, app_.Recent(), wParam, lParam, app_.Current().GetTimeAndLocation());
}

bool FrameWindow::OnTimer(WPARAM timer) {
    if (closeRequest_.OnTimer(window_, timer, modeless_)) return true;
    if (timer != FrameClockTimer::kTimerId) return false;
    app_.Clock().ClockTick(1);
    return true;
}

void FrameWindow::OnHelp(WPARAM wParam, const HELPINFO* request) {
    ShowFrameHelp(window_, windowManager_, registry_, wParam, request);
}

void FrameWindow::OnSysColourChange() {
    SysColourTools tools;
    tools.appearance = OpenAppearanceDialog();
    if (const ToolWindow* finder = Tools().Find(CMD_EVENT_FINDER)) tools.eventFinder = finder->Window();
    if (const ToolWindow* forecast = Tools().Find(CMD_EVENT_FORECAST)) tools.eventForecast = forecast->Window();
    ForwardSysColourChange(children_, windowManager_, relatedTasks_, tools);
    // The status line draws its texts in the common controls' copy of the
    // colours, which it renews when told, and draws again.
    if (HWND status = status_.Window()) {
        SendMessageW(status, WM_SYSCOLORCHANGE, 0, 0);
        InvalidateRect(status, nullptr, TRUE);
    }
    if (relatedTaskPane_) relatedTaskPane_->Pane().ApplyColours();
    RefreshFrameImages();
}

// The toolbar's pictures and the windows' shades for the night-vision state:
// a change of the system colours must not bring the day colours back.
bool FrameWindow::RefreshFrameImages() {
    const ImagesMadeFor now{NightVisionActive(), SystemColoursNow()};
    if (imagesMadeFor_ && *imagesMadeFor_ == now) return false;
    imagesMadeFor_ = now;
    toolbar_.SetNight(NightVisionActive());
    if (auto* controls = dynamic_cast<CustomControlRegistry*>(GetCustomControlRegistry()))
        LoadArrowBitmaps(instance_, *controls, NightVisionActive());
    NightColours::Switched();
    return true;
}

void FrameWindow::OnStartup() {
    UpdateWindow(window_);
    menuPictures_.Set(GetMenu(window_), instance_);
    // Under a window manager the night question stays until the manager has
    // offered the frame the keyboard, which can take a second: the windows
    // come back, drawn in the colours answered for, before that wait.
    bool windowsBack = false;
    session_.RestoreNightVision(window_, [this, &windowsBack](bool manager) {
        if (manager && !windowsBack) {
            BringBackLastRun();
            windowsBack = true;
        }
        wineDisplay_.TakeKeysBackBeforeQuestionGoes(manager);
    });
    if (!windowsBack) BringBackLastRun();
    // The tools come last, over the frame as it will stay.
    tools_.Create();
    wineDisplay_.RaiseToolsOnceDrawn();
    session_.NoteStartingValues([this] { tools_.SaveStates(); });
    RefreshRelatedTasks();
    // The start is through before the welcome: a Quick Tour it starts moves
    // between windows as any lesson does, its steps recorded.
    startupFinished_ = true;
    if (!byAutomation_ && offerWelcome_ && app_.Frame().showHelpHint) {
        BeforeQuestionEnds answered([this](INT_PTR, bool manager) { wineDisplay_.TakeKeysBackBeforeQuestionGoes(manager); });
        const WelcomeChoice choice = ShowWelcomeDialog(instance_, window_);
        if (choice == WelcomeChoice::HelpPages) ShowHelpTopic(window_, HelpPage::QuickTour);
        if (choice == WelcomeChoice::QuickTour) tools_.RunQuickTour();
    }
    // A close that arrived while start-up waited in a dialog runs now.
    if (closeRequest_.Kept()) PostMessageW(window_, WM_CLOSE, 0, 0);
}

void FrameWindow::BringBackLastRun() {
    // The documents and panes take the moment and the place before the
    // windows of the last run come back over them.
    app_.AnnounceStart();
    // The Related Tasks pane is filled once, for the window active at the
    // end, not for each window as it comes back.
    restoringWindows_ = true;
    session_.RestoreWindows();
    restoringWindows_ = false;
    if (recentMenu_) recentMenu_->Rebuild();
    panes_.Arrange();
    UpdateCommandStates();
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
    UpdateWindow(window_);
    ShowWindow(MdiClient(), SW_SHOW);
    UpdateWindow(MdiClient());
    RefreshStatusLine();
}

void FrameWindow::OnClose() {
    // A close asked for again while the last one asks about unsaved graphs
    // is that same close.
    if (closing_ || askingToClose_) return;
    // Start-up, or a window's code, waits in a dialog or a menu that would
    // go with the frame, and returns to its own window afterwards.
    if (!startupFinished_ || InModalLoop()) {
        closeRequest_.Keep(window_);
        return;
    }
    closeRequest_.Drop(window_);
    // Unsaved graphs are asked about first; Cancel keeps everything open.
    askingToClose_ = true;
    const bool close = children_.QueryCloseApplication();
    askingToClose_ = false;
    if (!close) return;
    closing_ = true;
    // A start meanwhile waits for this copy's end rather than bringing it
    // forward, and so does the run script that asked for the close: the
    // mark stays while the settings are written, until the frame is gone.
    MarkFrameClosing(window_);
    // Before anything is written: a search still running stops first.
    app_.AnnounceShutdown();
    // The windows close inside, as their place in the writing asks.
    SaveSession();
    DestroyFrameWindows();
    // Once its state is written and its windows are gone, the program hands
    // the desktop back in its own colours.
    if (observing_) app_.GetNotificationHub().Forget(this);
    observing_ = false;
    options_.LeaveNightVision();
}

bool FrameWindow::InModalLoop() const { return window_ && ModalLoopRuns(window_, modeless_); }

void FrameWindow::OnDestroy() {
    if (clock_) clock_->StopClockTimer();
    closeRequest_.Drop(window_);
    RemoveFrameMarks(window_);
    CloseAllHelpWindows();
    PostQuitMessage(0);
}

LRESULT FrameWindow::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefFrameProcW(window_, MdiClient(), WM_NCDESTROY, wParam, lParam);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    wineDisplay_.Attach(nullptr);
    window_ = nullptr;
    mdiWindows_.Attach(nullptr);
    return result;
}

void FrameWindow::ShowPanes(const PaneFlags& panes) { panes_.ShowPanes(panes, CommandContext().windowOpen); }

void FrameWindow::ChildWindowOpened(MdiChildWindow& window) {
    registry_.AddDocument(window.Document());
    registry_.AddWindow(window);
    // The first window brings the control panel back if the user wants it.
    if (registry_.AllWindows().size() == 1) panes_.FirstWindowOpened();
    UpdateWindowManagerList(windowManager_, registry_, mdiWindows_.ActiveChild());
    UpdateCommandStates();
    // A new window is active before it is registered: its tasks follow now.
    RefreshRelatedTasks();
}

void FrameWindow::ChildWindowClosing(MdiChildWindow& window) { children_.Closing(window); }

void FrameWindow::ChildWindowReleased(MdiChildWindow& window) { children_.Released(window); }

void FrameWindow::ChildWindowActivated(MdiChildWindow* previous, MdiChildWindow& window) {
    children_.Activated(previous, window);
    // Activations during start-up (windows being restored) are no steps.
    // Navigate Backward and Forward follow the change's announcement.
    if (previous) {
        navigation_.RecordStep(previous, String(previous->Document().GetKindName()), &window,
                               String(window.Document().GetKindName()), startupFinished_);
    }
    UpdateWindowManagerList(windowManager_, registry_, window.Handle());
    if (window_ && commandStates_) commandStates_->UpdateAll(CommandContext(), Tools(), false);
}

void FrameWindow::ChildWindowShown(MdiChildWindow& window) {
    if (!relatedTaskPane_ || closing_ || restoringWindows_) return;
    // A window becoming active before its kind's panel has taken it (the
    // caption's activation comes first) gets its tasks when the panel does.
    ControlPanel* panel = children_.PanelOf(window.Document().GetKind());
    if (panel && !panel->GetAttachedWindow()) return;
    relatedTaskPane_->ShowTasksOf(window);
}

HWND FrameWindow::ChildPanelDialog(MdiChildWindow& window) {
    ControlPanel* panel = children_.PanelOf(window.Document().GetKind());
    PanelWindow* shown = window.AsPanelWindow();
    if (!panel || !shown || panel->GetAttachedWindow() != shown) return nullptr;
    return panel->GetDialogWindow();
}

// The active child's activation, which comes first, has handed the keys to
// its panel (or to where they were): the default would take them to the
// frame, and on through the MDI client to the child itself, from where the
// posted hand-over would give them to the panel again as from another of
// the frame's windows (a date would start again at its first field).
bool FrameWindow::OnActivate(WPARAM wParam) const {
    if (LOWORD(wParam) == WA_INACTIVE || HIWORD(wParam) != 0) return false;
    const HWND focus = GetFocus();
    return focus && focus != window_ && IsChild(window_, focus);
}

// A click anywhere in the frame comes here first, before it takes the keys
// anywhere: a click into a pane or the toolbar takes them from the active
// window's panel without the window losing its activation, and the panel
// gives them back where they were after a dialog, a tool or another program.
void FrameWindow::OnMouseActivate(LPARAM lParam) {
    wineDisplay_.OnMouseActivate(lParam);
    MdiChildWindow* active = MdiClient() ? children_.ActiveWindow() : nullptr;
    if (const HWND panel = active ? ChildPanelDialog(*active) : nullptr) NoteDialogKeys(panel, GetFocus());
}

// A frame made active while hidden (a pane's dialog gives the keys to its
// list as the frame is built) is told of no activation when it is shown,
// and its caption would stay drawn as inactive: it is drawn as the frame is.
void FrameWindow::OnWindowPosChanged(const WINDOWPOS& position) {
    wineDisplay_.OnWindowPosChanged(position);
    if (!(position.flags & SWP_SHOWWINDOW) || GetActiveWindow() != window_) return;
    SendMessageW(window_, WM_NCACTIVATE, GetForegroundWindow() == window_, 0);
}

void FrameWindow::SkipNextChildActivation() {
    if (!skipActivation_ && window_) PostMessageW(window_, kActivationSkipEndsMessage, 0, 0);
    skipActivation_ = true;
}

bool FrameWindow::TakeActivationSkip() {
    const bool skip = skipActivation_;
    skipActivation_ = false;
    return skip;
}

void FrameWindow::ChildWindowRetitled(MdiChildWindow&) {
    UpdateWindowManagerList(windowManager_, registry_, mdiWindows_.ActiveChild());
}

void FrameWindow::RefreshRelatedTasks() {
    if (relatedTaskPane_ && !closing_ && !restoringWindows_) relatedTaskPane_->Refresh();
}

void FrameWindow::ChildWindowClosed(MdiChildWindow& window) {
    registry_.RemoveWindow(window);
    if (registry_.WindowsOf(window.Document()).empty()) registry_.RemoveDocument(window.Document());
    navigation_.PurgeWindow(&window);
    if (Layouts* layouts = app_.GetLayouts()) layouts->ForgetWindow(&window);
    if (windowManager_) RemoveWindowManagerRow(windowManager_, window);
    // The last window: the pane hides, the wish to see it stays.
    if (registry_.AllWindows().empty()) panes_.LastWindowClosed();
    UpdateCommandStates();
    RefreshRelatedTasks();
}

void FrameWindow::ShowLayoutMenu(const std::vector<String>& names, int checked) {
    ShowLayoutEntries(window_, names, checked);
    UpdateCommandStates();
}

void FrameWindow::Show(Kind kind, const String& text, MessageTopic topic) {
    // A hidden copy started by an automation client has nobody to answer a
    // box: it would wait for ever, and its client with it.
    if (byAutomation_ && !IsWindowVisible(window_)) return;
    RunMessageBox(instance_, window_, text.Text(), kButtonsOk, kind, topic);
}

void FrameWindow::OnNotify(std::int32_t event, std::uint32_t flags, void*) {
    // The place, the moment, or both changed.
    if (event == 9 || event == 10 || event == 11) RefreshStatusLine();
    if (event == kEventActiveWindowChanged && window_ && commandStates_)
        commandStates_->UpdateNavigation(CommandContext());
    // A step made inside a child window (a click on a map, a panel's
    // button, a graph's own dialog or a task's new graph): Undo and Redo
    // follow at once, also for their accelerators. The step may have
    // changed the window's selection.
    if (event == kEventGraphEdited || (event >= kEventJupiterCommand && event <= kEventSolarSystemCommand)) {
        UpdateUndoRedoStates();
        RefreshRelatedTasks();
    }
    // The system repaints every window when its colours change: the frame
    // draws them again only when no change of the colours came first.
    if (event == kEventAppearanceChanged && (flags & kNightVisionSwitched) && RefreshFrameImages())
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void FrameWindow::RefreshStatusLine() { status_.ShowCurrent(app_.Current().GetTimeAndLocation()); }

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
    context.graphCanBeSaved = MdiClient() && children_.ActiveWindowOf(kGraphWindow) != nullptr;
    context.lessonRunning = tools_.LessonRunning();
    if (MdiChildWindow* active = MdiClient() ? children_.ActiveWindow() : nullptr) {
        if (const CommandHistory* history = active->History()) {
            context.canUndo = history->PeekUndoCommand() != nullptr;
            context.canRedo = history->PeekRedoCommand() != nullptr;
        }
    }
    return context;
}

void FrameWindow::UpdateCommandStates() {
    if (window_ && commandStates_) commandStates_->UpdateAll(CommandContext(), Tools());
}

void FrameWindow::UpdateUndoRedoStates() {
    if (window_ && commandStates_) commandStates_->UpdateUndoRedo(CommandContext());
}

void FrameWindow::AddModelessDialog(HWND dialog) {
    if (dialog && std::find(modeless_.begin(), modeless_.end(), dialog) == modeless_.end()) modeless_.push_back(dialog);
}

void FrameWindow::RemoveModelessDialog(HWND dialog) {
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), dialog), modeless_.end());
}

void FrameWindow::SaveSession() {
    // The frame's own session goes first: a tool's long save (the Event
    // Finder's runs) must never cost the placement, panes and windows. The
    // windows close once the shared models are written, before the recent
    // files, which a graph's file joins as its window goes; the options
    // come last, so that a factory reset deletes the tools' states too.
    session_.Save(window_, panes_.Shown(),
                  {[this] { mdiWindows_.CloseAll(); }, [this] { tools_.SaveAndDestroyWindows(); }});
}

void FrameWindow::DestroyFrameWindows() {
    recentMenu_.reset();
    tools_.DestroyEducator();
    for (HWND* pane : {&windowManager_, &relatedTasks_}) {
        if (!*pane) continue;
        RemoveModelessDialog(*pane);
        DestroyWindow(*pane);
        *pane = nullptr;
    }
    toolbar_.Destroy();
    status_.Destroy();
    if (controlPanelParent_) DestroyWindow(controlPanelParent_);
    controlPanelParent_ = nullptr;
    panes_.Clear();
    // Destroyed here once; WM_CLOSE does not reach the default processing,
    // which would destroy it a second time.
    if (window_) DestroyWindow(window_);
}

bool FrameWindow::PreTranslate(MSG& message, HACCEL accelerators, const ModelessDialogList& modeless) const {
    if (MdiClient() && TranslateMDISysAccel(MdiClient(), &message)) return true;
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
