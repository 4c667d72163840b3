// Object Info's window: a modeless tool window of the frame showing one body
// on three tabs ("Current Information", "Physical data", "Orbital data") for
// its own moment and place, which the Browse group moves and the
// application's time and place changes bring back.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/notification.h"
#include "app/panel_time.h"
#include "app/window_services.h"
#include "base/date_time_location.h"
#include "base/storage.h"
#include "controls/tool_windows.h"
#include "tools/object_info_pages.h"
#include "tools/object_info_state.h"

namespace corvinata {

class PanelTimePart;

struct ObjectInfoWindowParams : ToolWindowParams {
    // Runs Select Body with the title, the initial choice in `selection`;
    // true with the choice when confirmed.
    std::function<bool(HWND owner, const wchar_t* title, BodyIdentifier& selection)> selectBody;
    // Where the Related Tasks pane is told about the tool's body and moment.
    WindowServices* windows = nullptr;
};

class ObjectInfoWindow final : public DialogToolWindow, private NotificationObserver, private PanelTimeTarget {
public:
    explicit ObjectInfoWindow(ObjectInfoWindowParams params);
    ~ObjectInfoWindow() override;

    void Create(HWND frame) override;
    void SaveState(const ToolStateSaver& saver) override;
    void SaveAndDestroy(const ToolStateSaver& saver) override;

    // A display window's pick: shows the body (and the window when hidden).
    void SetBody(const BodyIdentifier& body, bool show);
    // The "&Select..." choice and the Related Tasks' "information" task: the
    // body without showing the window, then the tasks for it.
    void SelectObjectForInfo(const BodyIdentifier& body);
    // Moves the tool's moment (the place stays) and refreshes.
    void NotifySelectionChanged(const DateTime& moment);

    const ObjectInfoState& State() const noexcept { return state_; }
    HWND Page() const noexcept { return page_; }
    ObjectInfoPage PageShown() const noexcept { return pageShown_; }

private:
    const ToolWindowParams& Params() const override { return params_; }
    INT_PTR HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) override;
    HelpPage HelpTopic() const override { return HelpPage::ObjectInfo; }
    static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnSelect();

    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    void Update(void*) override {}

    DateTime GetPanelTime() const override { return state_.timeAndPlace.dateTime; }
    void SetPanelTime(const DateTime& moment) override { NotifySelectionChanged(moment); }
    DateTime GetResetTime() const override;

    void ShowPage();
    void RefreshPage();
    void PostRefresh();
    void WriteBodyName();
    // The Browse group's date, time and time system.
    void WriteMoment();
    void ShowRelatedTasks();
    int SelectedTab() const;

    // The pages.
    void InitCurrentPage(HWND page);
    void UpdateCurrentPage();
    void OnSelectorChanged(int id);
    void InitDataPage(HWND page);

    ObjectInfoWindowParams params_;
    ObjectInfoState state_;
    HWND page_ = nullptr;
    ObjectInfoPage pageShown_ = ObjectInfoPage::kNone;
    ObjectInfoPage pageMaking_ = ObjectInfoPage::kNone;
    std::unique_ptr<PanelTimePart> time_;
    // The page templates, locked once (resources live as long as the module).
    const DLGTEMPLATE* templates_[kObjectInfoPageCount] = {};
    // The program's symbol face for the data pages' labels, owned.
    HFONT symbolFont_ = nullptr;
};

// The one Object Info of the program, for the display windows and the
// Related Tasks; none while it does not exist.
void SetObjectInfoWindow(ObjectInfoWindow* window) noexcept;
ObjectInfoWindow* GetObjectInfoWindow() noexcept;
// A display window's "information" command: shows Object Info for the object.
void NotifyObjectInfoSelection(const CelestialObject* object);
// A display window's pick: Object Info's moment becomes the window's.
void NotifySelectionChanged(const DateTime& moment);
// Hands the body to Object Info without showing it.
void SelectObjectForInfo(const BodyIdentifier& body);

}  // namespace corvinata
