// The program's one top-level window: the MDI frame with its menu, toolbar,
// panes and status line. It dispatches every command of the main menu, the
// toolbar and the keyboard from one table, keeps the menu and toolbar states
// in step with it, and saves its placement and panes when it closes.
#pragma once

#include <windows.h>

#include <memory>
#include <map>
#include <vector>

#include "app/application.h"
#include "app/child_window_registry.h"
#include "app/frame_hooks_win.h"
#include "app/navigation_history.h"
#include "app/frame_commands.h"
#include "app/pane_layout.h"
#include "base/wide_string.h"
#include "controls/child_windows.h"
#include "frame/frame_panes.h"
#include "frame/history_drop_downs.h"
#include "frame/recent_files_menu.h"
#include "frame/main_toolbar.h"
#include "controls/mdi_child_window.h"
#include "frame/option_commands.h"
#include "controls/night_colours.h"
#include "frame/status_line.h"
#include "controls/tool_windows.h"

namespace corvinata {

class ApplicationScriptHost;
class FrameScriptHost;

class ReportKindSetup;
class FrameRelatedTasks;
class FrameWindowServices;
struct ObjectInfoWindowParams;

// Windows that take their keys through IsDialogMessage in the message loop.
using ModelessDialogList = std::vector<HWND>;

// The start-up message the frame posts to itself once it exists.
constexpr UINT kStartupMessage = WM_APP;

// The frame is the application's message box, layout frame and the listener
// that keeps the status line's place and time current; its timer runs the
// application's clock.
class Educator;

class FrameWindow final : public ChildWindowHost,
                          public ModelessDialogs,
                          private ApplicationMessages,
                          private HistorySources,
                          private LayoutFrame,
                          private NotificationObserver,
                          private StackingFrame,
                          private WindowActivator {
public:
    FrameWindow(Application& application, HINSTANCE instance, ModelessDialogList& modeless, bool byAutomation);
    ~FrameWindow();
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;

    // Registers the class and creates the window at its stored place; shown
    // unless the program was started by automation.
    bool Create();
    HWND Window() const noexcept { return window_; }
    HWND MdiClient() const override { return mdiClient_; }
    void ChildWindowOpened(MdiChildWindow& window) override;
    void ChildWindowActivated(MdiChildWindow* previous, MdiChildWindow& window) override;
    void ChildWindowRetitled(MdiChildWindow& window) override;
    void ChildWindowClosed(MdiChildWindow& window) override;
    void ChildWindowClosing(MdiChildWindow& window) override;
    void ChildWindowReleased(MdiChildWindow& window) override;
    bool NightVisionActive() { return options_.NightVision().IsNightVisionActive(); }
    // The window kinds the program offers, and their windows.
    ChildWindows& Children() noexcept { return children_; }
    const MainToolbar& Toolbar() const noexcept { return toolbar_; }
    HWND StatusWindow() const noexcept { return status_.Window(); }
    HWND PaneWindow(int viewCommand) const noexcept;
    ChildWindowRegistry& Registry() noexcept { return registry_; }
    NightVisionSettings& NightVision() noexcept { return options_.NightVision(); }
    NavigationHistory& Navigation() noexcept { return navigation_; }
    // The toolbar tooltip of a command, with the step that Undo, Redo or a
    // navigation button would take.
    String TooltipText(int command) const;
    bool IsPaneShown(int viewCommand) const;
    // The Related Tasks pane.
    FrameRelatedTasks* RelatedTasks() const noexcept { return relatedTaskPane_.get(); }
    // The one way the window kinds and tools reach each other and the frame.
    FrameWindowServices& Services() noexcept { return *windowServices_; }
    // Rebuilds the pane for the active window (a panel's step changed what
    // the window shows).
    void RefreshRelatedTasks();
    // After a change of the system colours: every frame object takes its
    // pictures and shades for the night-vision state again.
    void RefreshFrameImages();
    bool StartupFinished() const noexcept { return startupFinished_; }
    // The tool windows (calculator ...), created at start-up.
    const ToolWindows& Tools() const noexcept { return tools_; }
    // The Educator, which runs lessons (made with the tools).
    Educator* GetEducator() const noexcept { return educator_.get(); }
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
    // How many menu items carry pictures (none when the menu's check marks
    // are too small for them).
    int MenuPictureCount() const noexcept { return static_cast<int>(menuBitmaps_.size()); }

    // Enables and grays the menu items and toolbar buttons from the table.
    void UpdateCommandStates();
    // The same for Undo and Redo alone.
    void UpdateUndoRedoStates();
    // Shows a command's state in the menu and on the toolbar unless they
    // show it already (this runs after every command).
    void ShowCommandState(const FrameCommand& command, bool enabled);
    // Whether a shown state (-1 not yet shown) differs from `state`; it is
    // then recorded as shown.
    bool ShownStateChanges(signed char& shown, bool state);
    void ForgetShownStates();
    // The control panels' dialogs join the message loop's keyboard handling.
    void AddModelessDialog(HWND dialog) override;
    void RemoveModelessDialog(HWND dialog) override;
    // The current context of the command table.
    FrameCommandContext CommandContext() const;
    // Lays out the status line with the general text, place and time.
    void RefreshStatusLine(const Char* general = nullptr);

    // Translates one message of the loop: the MDI keys, then the
    // accelerators, then the modeless dialogs. True when the message was
    // taken.
    bool PreTranslate(MSG& message, HACCEL accelerators, const ModelessDialogList& modeless) const;

    static const wchar_t* ClassName() noexcept { return L"CorvinataMdiFrame"; }

private:
    void Show(Kind kind, const String& text, const Char* helpTopic) override;
    std::vector<OpenChildWindow> OpenWindows() const override;
    WindowGeometry WindowPlacement(const void* window) const override;
    void PlaceWindow(const void* window, const WindowGeometry& geometry) override;
    PaneFlags PanesShown() const override;
    void ShowPanes(const PaneFlags& panes) override;
    void ShowLayoutMenu(const std::vector<String>& names, int checked) override;
    void ReportLayoutNameTaken(const String& name) override;
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    void ActivateWindow(const void* window) override;
    CommandHistory* ActiveWindowHistory() const override;
    CommandHistory& NavigationSteps() const override;
    bool PlaceBelow(const WindowReference& window, const WindowReference* above) override;
    void Maximize(const WindowReference& window) override;
    void Minimize(const WindowReference& window) override;
    void Update(void*) override {}

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnSize();
    void OnCommand(int id);
    LRESULT OnNotify(const NMHDR& header, WPARAM wParam, LPARAM lParam);
    void OnMenuSelect(WPARAM wParam, LPARAM lParam);
    void OnHelp(WPARAM wParam, const HELPINFO* request);
    void OnSysColourChange();
    void OnStartup();
    void RestoreNightVision();
    void RestoreWindows();
    void OnWindowCommand(int id);
    void OnClose();

    void ShowPane(int viewCommand, bool show);
    void TogglePane(int viewCommand);
    void ArrangePanes();
    void SetMenuPictures();
    void CloseAllChildWindows();
    void RunLayoutCommand(int id);
    void SaveSession();
    void SaveNightVision();
    void CreateTools();
    void RunEducator();
    ObjectInfoWindowParams ObjectInfoParams();
    void DestroyFrameWindows();

    Application& app_;
    ChildWindowRegistry registry_;
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
    HWND mdiClient_ = nullptr;
    MainToolbar toolbar_;
    StatusLine status_;
    ToolWindows tools_;
    std::unique_ptr<Educator> educator_;
    HWND controlPanelParent_ = nullptr;
    HWND windowManager_ = nullptr;
    HWND relatedTasks_ = nullptr;
    std::unique_ptr<FrameRelatedTasks> relatedTaskPane_;
    // Each frame command's state as the menu and toolbar show it (-1 not
    // yet shown), the Window > New title's and the tools' checks, for the
    // menu they were shown in.
    std::vector<signed char> commandStates_;
    signed char newWindowsShown_ = -1;
    std::map<int, signed char> toolsShown_;
    HMENU commandStatesMenu_ = reinterpret_cast<HMENU>(-1);
    WindowPaneHost paneHost_;
    std::unique_ptr<PaneLayout> panes_;
    std::unique_ptr<FrameClockTimer> clock_;
    HistoryDropDowns historyLists_{*this};
    bool controlPanelWanted_ = true;
    bool startupFinished_ = false;
    std::unique_ptr<NightColours> nightColours_;
    bool closeRequested_ = false;
    bool closing_ = false;
    std::vector<HBITMAP> menuBitmaps_;
    bool observing_ = false;
    std::unique_ptr<RecentFilesMenu> recentMenu_;
    // Last: it reaches everything above while it lives.
    std::unique_ptr<FrameScriptHost> scriptHost_;
};

// Whether the menu's check-mark size leaves room for the 16-pixel menu pictures.
constexpr bool MenuPicturesFit(int checkWidth, int checkHeight) noexcept {
    return checkWidth >= 15 && checkHeight >= 15;
}

}  // namespace corvinata
