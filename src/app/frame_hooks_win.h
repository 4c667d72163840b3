// The few places where the application itself touches the frame window: the
// real-time clock's timer and the file dialog of Open Graph.
#pragma once

#include <windows.h>

#include <vector>

#include "app/current_time.h"
#include "base/wide_string.h"

namespace corvinata {

// Timer 1 of the frame window, every minute.
class FrameClockTimer final : public ClockTimer {
public:
    static constexpr UINT_PTR kTimerId = 1;
    explicit FrameClockTimer(HWND frame) : frame_(frame) {}
    bool StartClockTimer() override;
    void StopClockTimer() override;

private:
    HWND frame_;
};

// File > Open Graph: the graph files the user chose (several at once
// allowed), as full paths; none when the dialog was cancelled.
std::vector<String> AskGraphFilesToOpen(HWND owner);

}  // namespace corvinata
