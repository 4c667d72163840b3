#include "app/frame_hooks_win.h"

namespace corvinata {

bool FrameClockTimer::StartClockTimer() {
    return frame_ && SetTimer(frame_, kTimerId, kClockTimerPeriod, nullptr) != 0;
}

void FrameClockTimer::StopClockTimer() {
    if (frame_) KillTimer(frame_, kTimerId);
}

}  // namespace corvinata
