// The program's one top-level window: the MDI frame with its menu, toolbar,
// panes and status line. Its window procedure hands each message to a
// handler of its own, and each command of the main menu, the toolbar and the
// keyboard to the one part of the frame its entry in the command table
// names: the child windows, the layouts, the panes, the tools, the options,
// the MDI arrangement or the help pages.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "app/application.h"
#include "app/child_window_registry.h"
#include "app/frame_commands.h"
#include "app/frame_hooks_win.h"
#include "app/navigation_history.h"
#include "base/wide_string.h"
#include "controls/child_windows.h"
#include "controls/mdi_child_window.h"
#include "controls/night_colours.h"
#include "controls/screen_wait_cursor.h"
#include "controls/tool_windows.h"
#include "frame/close_request.h"
#include "frame/command_states.h"
#include "frame/frame_pane_layout.h"
#include "frame/frame_session.h"
#include "frame/frame_tools.h"
#include "frame/history_drop_downs.h"
#include "frame/main_menu.h"
#include "frame/main_toolbar.h"
#include "frame/mdi_windows.h"
#include "frame/option_commands.h"
#include "frame/recent_files_menu.h"
#include "frame/status_line.h"
#include "frame/wine_display.h"

namespace corvinata {

class ApplicationScriptHost;
class Educator;
class FrameScriptHost;
class ReportKindSetup;
class FrameRelatedTasks;
class FrameWindowServices;

// Windows that take their keys through IsDialogMessage in the message loop.
using ModelessDialogList = std::vector<HWND>;

// The start-up message the frame posts to itself once it exists.
constexpr UINT kStartupMessage = WM_APP;
// A second start asks the running copy's frame to come forward (see
// single_instance.h); the frame answers nonzero when it did.
constexpr UINT kComeForwardMessage = WM_APP + 2;
// Posted by a change of the Window Manager's selection: its buttons follow
// once the change is whole (a new row selected after the old one let go
// would make them blink off and on).
constexpr UINT kWindowManagerButtonsMessage = WM_APP + 3;
// Posted by a new layout of the panes: the active window's panel reads its
// window once the layout, and what caused it (a window being made, say), is
// through; several layouts meanwhile make one reading.
constexpr UINT kRefreshPanelMessage = WM_APP + 4;
// Posted by a click that asked to skip the next activation of a child: once
// the click is through, an activation later (after a dialog) is not its.
constexpr UINT kActivationSkipEndsMessage = WM_APP + 6;

// The frame is the application's message box, layout frame and the listener
// that keeps the status line's place and time current; its timer runs the
// application's clock.
class FrameWindow final : public ChildWindowHost,
                          public ModelessDialogs,
                          private ApplicationMessages,
                          private HistorySources,
                          private LayoutFrame,
                          private NotificationObserver {
public:
    FrameWindow(Application& application, HINSTANCE instance, ModelessDialogList& modeless, bool byAutomation);
    ~FrameWindow();
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;

    // Registers the class and creates the window at its stored place; shown
    // unless the program was started by automation. With `coloursChanged`
    // (the system colours changed after the common controls took their copy
    // of them) its windows are told before it is shown, so that nothing is
    // ever drawn in the old colours.
    bool Create(bool coloursChanged = false);
    HWND Window() const noexcept { return window_; }
    HWND MdiClient() const override { return mdiWindows_.Client(); }
    void ChildWindowOpened(MdiChildWindow& window) override;
    void ChildWindowActivated(MdiChildWindow* previous, MdiChildWindow& window) override;
    void ChildWindowShown(MdiChildWindow& window) override;
    HWND ChildPanelDialog(MdiChildWindow& window) override;
    bool TakeActivationSkip() override;
    // The next activation of a child (whichever comes first, of the caption
    // or by the MDI client) while the click that asks for it is handled
    // leaves the Related Tasks pane and the keys alone.
    void SkipNextChildActivation();
    void ChildWindowRetitled(MdiChildWindow& window) override;
    void ChildWindowClosed(MdiChildWindow& window) override;
    void ChildWindowClosing(MdiChildWindow& window) override;
    void ChildWindowReleased(MdiChildWindow& window) override;
    bool NightVisionActive() { return options_.NightVision().IsNightVisionActive(); }
    // The window kinds the program offers, and their windows.
    ChildWindows& Children() noexcept { return children_; }
    const MainToolbar& Toolbar() const noexcept { return toolbar_; }
    MainToolbar& Toolbar() noexcept { return toolbar_; }
    HWND StatusWindow() const noexcept { return status_.Window(); }
    HWND PaneWindow(int viewCommand) const noexcept { return panes_.PaneWindow(viewCommand); }
    ChildWindowRegistry& Registry() noexcept { return registry_; }
    NightVisionSettings& NightVision() noexcept { return options_.NightVision(); }
    NavigationHistory& Navigation() noexcept { return navigation_; }
    // The toolbar tooltip of a command, with the step that Undo, Redo or a
    // navigation button would take.
    String TooltipText(int command) const;
    bool IsPaneShown(int viewCommand) const { return panes_.IsShown(viewCommand); }
    // The Related Tasks pane.
    FrameRelatedTasks* RelatedTasks() const noexcept { return relatedTaskPane_.get(); }
    // The one way the window kinds and tools reach each other and the frame.
    FrameWindowServices& Services() noexcept { return *windowServices_; }
    // Rebuilds the pane for the active window (a panel's step changed what
    // the window shows).
    void RefreshRelatedTasks();
    bool StartupFinished() const noexcept { return startupFinished_; }
    // What the frame does for the display Wine draws it on.
    const WineDisplay& WineDifferences() const noexcept { return wineDisplay_; }
    // True while a dialog, message box or menu of the program runs its loop
    // (see close_request.h): the code that opened it goes on with its
    // windows when it returns, so none of them may be closed meanwhile.
    bool InModalLoop() const;
    // The tool windows (calculator ...), created at start-up.
    const ToolWindows& Tools() const noexcept { return tools_.Windows(); }
    // The Educator, which runs lessons (made with the tools).
    Educator* GetEducator() const noexcept { return tools_.GetEducator(); }
    // The host the program's scripts run with.
    ApplicationScriptHost& ScriptHost();
    // The modeless dialogs of the message loop, and the option commands
    // (night vision among them), for the window kinds' panels.
    ModelessDialogList& Modeless() noexcept { return modeless_; }
    OptionCommands& Options() noexcept { return options_; }
    // Whether the first-run question is to be asked and whether the frame
    // is shown when it is created; tests switch both off.
    void SetOfferWelcome(bool offer) noexcept { offerWelcome_ = offer; }
    void SetShowOnCreate(bool show) noexcept { showOnCreate_ = show; }

    // Enables and grays the menu items and toolbar buttons from the table.
    void UpdateCommandStates();
    // The control panels' dialogs join the message loop's keyboard handling.
    void AddModelessDialog(HWND dialog) override;
    void RemoveModelessDialog(HWND dialog) override;

    // Translates one message of the loop: the MDI keys, then the
    // accelerators, then the modeless dialogs. True when the message was
    // taken.
    bool PreTranslate(MSG& message, HACCEL accelerators, const ModelessDialogList& modeless) const;

    static const wchar_t* ClassName() noexcept { return L"CorvinataMdiFrame"; }

private:
    void Show(Kind kind, const String& text, MessageTopic topic) override;
    std::vector<OpenChildWindow> OpenWindows() const override { return mdiWindows_.OpenWindows(); }
    WindowGeometry WindowPlacement(const void* window) const override { return mdiWindows_.Placement(window); }
    void PlaceWindow(const void* window, const WindowGeometry& geometry) override {
        mdiWindows_.Place(window, geometry);
    }
    PaneFlags PanesShown() const override { return panes_.Shown(); }
    void ShowPanes(const PaneFlags& panes) override;
    void ShowLayoutMenu(const std::vector<String>& names, int checked) override;
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    CommandHistory* ActiveWindowHistory() const override;
    CommandHistory& NavigationSteps() const override;
    void Update(void*) override {}

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The handlers of the window's messages.
    void OnCreate();
    void OnSize();
    bool OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(const NMHDR& header, WPARAM wParam, LPARAM lParam);
    void OnMenuSelect(WPARAM wParam, LPARAM lParam);
    bool OnTimer(WPARAM timer);
    // True when the keys are already inside the frame and stay there.
    bool OnActivate(WPARAM wParam) const;
    void OnMouseActivate(LPARAM lParam);
    void OnWindowPosChanged(const WINDOWPOS& position);
    void OnHelp(WPARAM wParam, const HELPINFO* request);
    void OnSysColourChange();
    void OnStartup();
    // The start's moment announced, the windows of the last run back and
    // the frame drawn.
    void BringBackLastRun();
    void OnClose();
    void OnDestroy();
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    // The notifications of WM_NOTIFY.
    void OnTooltipText(NMTTDISPINFOW& info);
    void OnStatusDoubleClick(const NMMOUSE& mouse);

    // A frame command from the table: refused while it is not enabled,
    // else carried out by its handler alone.
    void RunFrameCommand(int id);
    void RunCommand(CommandHandler handler, int id);
    // Shows a hidden tool window or hides a shown one.
    void ToggleTool(int id);
    // The Window Manager's buttons follow its selection, once per change.
    void FollowWindowManagerSelection();
    // The current context of the command table.
    FrameCommandContext CommandContext() const;
    // The same as UpdateCommandStates for Undo and Redo alone.
    void UpdateUndoRedoStates();
    // The title, place and time on the status line.
    void RefreshStatusLine();
    // After a change of the system colours or of night vision: every frame
    // object takes its pictures and shades for the night-vision state again.
    // A switch of night vision brings both (the system's colour change
    // first): what is made for the state and colours already is not made
    // again. Answers whether anything was.
    bool RefreshFrameImages();
    void SaveSession();
    void DestroyFrameWindows();

    Application& app_;
    // The wait cursor of file reads and writes and of graph computations,
    // registered from first to last.
    ScreenWaitCursor waitCursor_;
    ChildWindowRegistry registry_;
    MdiWindows mdiWindows_{registry_};
    std::unique_ptr<FrameWindowServices> windowServices_;
    // Before the child windows: their panels outlive them.
    std::unique_ptr<ReportKindSetup> reports_;
    ChildWindows children_{*this, registry_};
    NavigationHistory navigation_;
    HINSTANCE instance_;
    OptionCommands options_;
    ModelessDialogList& modeless_;
    bool byAutomation_;
    bool offerWelcome_ = true;
    bool showOnCreate_ = true;
    HWND window_ = nullptr;
    // What the displays Wine draws on need of the frame.
    WineDisplay wineDisplay_{DetectFrameDisplay()};
    MainToolbar toolbar_;
    StatusLine status_;
    FrameTools tools_;
    FrameSession session_;
    HWND controlPanelParent_ = nullptr;
    HWND windowManager_ = nullptr;
    HWND relatedTasks_ = nullptr;
    std::unique_ptr<FrameRelatedTasks> relatedTaskPane_;
    std::unique_ptr<CommandStates> commandStates_;
    FramePaneLayout panes_;
    std::unique_ptr<FrameClockTimer> clock_;
    HistoryDropDowns historyLists_{*this};
    bool startupFinished_ = false;
    bool panelRefreshPending_ = false;
    bool restoringWindows_ = false;
    bool skipActivation_ = false;
    // A change of the Window Manager's selection is waiting for its buttons.
    bool windowManagerButtonsPending_ = false;
    std::unique_ptr<NightColours> nightColours_;
    // The night-vision state and system colours the frame's pictures were
    // last made for.
    struct ImagesMadeFor {
        bool night = false;
        DesktopColours colours{};
        bool operator==(const ImagesMadeFor& other) const noexcept {
            return night == other.night && colours == other.colours;
        }
    };
    std::optional<ImagesMadeFor> imagesMadeFor_;
    // A close that came while it could not be acted on.
    CloseRequest closeRequest_;
    bool askingToClose_ = false;
    bool closing_ = false;
    MenuPictures menuPictures_;
    bool observing_ = false;
    std::unique_ptr<RecentFilesMenu> recentMenu_;
    // Last: it reaches everything above while it lives.
    std::unique_ptr<FrameScriptHost> scriptHost_;
};

}  // namespace corvinata
