#include "app/panel_time.h"

#include "base/text_scanner.h"

namespace corvinata {

bool ParseStepCount(const Char* text, std::int32_t& count) noexcept {
    const DecimalInteger read = ScanDecimalInteger(text);
    if (read.used == 0 || text[read.used] != 0) return false;
    if (read.overflow || read.magnitude > static_cast<std::uint32_t>(kMaxStepCount)) return false;
    const auto magnitude = static_cast<std::int32_t>(read.magnitude);
    count = read.negative ? -magnitude : magnitude;
    return true;
}

std::int32_t ReadStepCountForSaving(const Char* text) noexcept {
    std::int32_t count = 0;
    const DecimalInteger read = ScanDecimalInteger(text);
    if (read.used == 0 || read.negative) return 1;
    for (const Char* p = text; p != text + read.used; ++p) {
        if (*p == '+') return 1;
    }
    return ParseStepCount(text, count) ? count : 1;
}

PanelStepResult StepPanelTime(PanelTimeTarget& target, const Char* countText, std::int32_t unit,
                              bool forward) {
    DateTime moment = target.GetPanelTime();
    TimeStep step;
    if (!ParseStepCount(countText, step.count)) return PanelStepResult::kBadCount;
    step.unit = unit;
    if (!forward) step.count = -step.count;
    if (!AddDateTimeInterval(moment, step)) return PanelStepResult::kOutOfRange;
    target.SetPanelTime(moment);
    return PanelStepResult::kStepped;
}

bool PanelAnimation::Tick(PanelTimeTarget& target, const Char* countText, std::int32_t unit) {
    if (!running_) return false;
    // Without a unit the step is refused like a bad count: the user has yet
    // to choose one. A refusal with a unit means a range end was reached.
    const bool validUnit = unit >= 0 && unit < kTimeUnitCount;
    if (StepPanelTime(target, countText, unit, true) == PanelStepResult::kOutOfRange && validUnit) Stop();
    return running_;
}

void PanelAnimation::Attached(const void* window) noexcept {
    if (running_ && window != nullptr) window_ = window;
}

bool PanelAnimation::WindowClosing(const void* window) noexcept {
    if (running_ && window == window_) Stop();
    return running_;
}

}  // namespace corvinata
