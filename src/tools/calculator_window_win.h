// The Astronomical Calculator's window: a modeless tool window of the frame
// with the Calendar, Time, Coordinates and Distance pages on a tab control.
// Only the selected page exists; leaving a page reads it into the state.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "base/location.h"
#include "base/services.h"
#include "base/storage.h"
#include "controls/tool_windows.h"
#include "tools/calculator.h"

namespace corvinata {

struct CalculatorWindowParams : ToolWindowParams {
    // Runs the Select Location dialog; true with the place when confirmed.
    std::function<bool(HWND owner, Location& chosen)> pickPlace;
};

class CalculatorWindow final : public DialogToolWindow, private NotificationObserver {
public:
    explicit CalculatorWindow(CalculatorWindowParams params);
    ~CalculatorWindow() override;

    void Create(HWND frame) override;
    void SaveState(const ToolStateSaver& saver) override;
    void SaveAndDestroy(const ToolStateSaver& saver) override;

    HWND Page() const noexcept { return page_; }
    const CalculatorState& State() const noexcept { return state_; }

private:
    const ToolWindowParams& Params() const override { return params_; }
    INT_PTR HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) override;
    HelpPage HelpTopic() const override { return HelpPage::Calculator; }
    static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandlePage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    void Update(void*) override {}

    void BuildTabs();
    void ShowPage();
    int SelectedTab() const;
    bool ReadPage();
    void OnCalculate();
    void InitPage(HWND page);
    void ComputeAndShow();
    void OnPageCommand(int id, int code);
    void PickPlace(bool withLatitude);

    // The pages' fillers, readers and displays.
    void FillCalendar();
    void ReadCalendar();
    void ShowCalendar();
    void FillTime();
    void ReadTime();
    void ShowTime();
    void FillCoordinates();
    void ReadCoordinates();
    void ShowCoordinates();
    void SetSourceAxisFormat(int system);
    void FillDistance();
    void ReadDistance();
    void ShowDistance();
    void FillMoment(const TimeAndPlace& moment, bool withLatitude);
    void ReadMoment(TimeAndPlace& moment, bool withLatitude);

    CalculatorWindowParams params_;
    CalculatorState state_;
    CalendarChanges calendarChanges_;
    CalendarResults calendarResults_;
    HWND page_ = nullptr;
    int pageTab_ = -1;
};

}  // namespace corvinata
