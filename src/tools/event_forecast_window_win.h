// The Event Forecast's window: the coming events at the application's time
// and place, computed again whenever either changes, and its options dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/notification.h"
#include "app/window_settings.h"
#include "base/date_time_location.h"
#include "base/storage.h"
#include "controls/tool_windows.h"
#include "tools/search_threads_win.h"
#include "tools/event_forecast_control.h"

namespace corvinata {

// Sent to the window by its worker's wake: a report waits.
constexpr UINT kForecastReportMessage = WM_APP + 102;

struct EventForecastWindowParams : ToolWindowParams {
    // The application's options of the forecast (kept with its dialogs).
    EventForecastOptions* options = nullptr;
    // Where the options dialog stood last (kept with its dialogs); none:
    // it opens where its template puts it.
    WindowGeometry* optionsPlacement = nullptr;
    // Where a result is shown and the Related Tasks pane is told about the
    // selected one; none: the results lead nowhere.
    WindowServices* windows = nullptr;
    // Pause of the worker after each day.
    std::uint32_t pauseMilliseconds = 50;
};

class EventForecastWindow final : public DialogToolWindow, private NotificationObserver {
public:
    explicit EventForecastWindow(EventForecastWindowParams params);
    ~EventForecastWindow() override;

    void Create(HWND frame) override;
    void SaveState(const ToolStateSaver& saver) override;
    void SaveAndDestroy(const ToolStateSaver& saver) override;

    events::EventForecastControl& Control() noexcept { return *control_; }
    // The options dialog's window while it runs.
    HWND OptionsWindow() const noexcept { return options_; }

private:
    const ToolWindowParams& Params() const override { return params_; }
    INT_PTR HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) override;
    HelpPage HelpTopic() const override { return HelpPage::EventForecast; }
    // The list's columns, and the progress bar and status hidden.
    void OnInit();
    static INT_PTR CALLBACK OptionsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleOptions(UINT message, WPARAM wParam);
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    void Update(void*) override {}

    events::ForecastSettings Settings() const;
    TimeAndPlace Now() const;
    void StartForecast(bool onlyWhenChanged);
    void Fill();
    void ShowStatus();
    void ShowSelected();
    // The selected result's tasks in the Related Tasks pane.
    void ShowSelectionTasks();
    const events::EventOccurrence* SelectedResult() const;
    void EnableOptions();
    bool AcceptOptions();

    EventForecastWindowParams params_;
    Win32SearchThreads threads_;
    std::unique_ptr<events::EventForecastControl> control_;
    HWND options_ = nullptr;
    int selected_ = -1;
    int left_ = 200;
    int top_ = 100;
    bool visible_ = false;
};

}  // namespace corvinata
