// The one place where the application itself touches the frame window: the
// real-time clock's timer.
#pragma once

#include <windows.h>

#include "app/current_time.h"

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

}  // namespace corvinata
