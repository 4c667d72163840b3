// What the time controls of a control panel do, without their dialog: read
// the step from the count text and the unit, move the attached window's time
// by one step, and run the animation that repeats the step.
#pragma once

#include <cstdint>

#include "base/date_time.h"
#include "base/text_char.h"
#include "base/time_step.h"

namespace corvinata {

// The window whose time the controls move. The setter makes the time the
// window's (an undoable command where the kind has one) and does nothing
// while no window is attached.
class PanelTimeTarget {
public:
    virtual ~PanelTimeTarget() = default;
    virtual DateTime GetPanelTime() const = 0;
    virtual void SetPanelTime(const DateTime& moment) = 0;
    // What "&Reset" restores.
    virtual DateTime GetResetTime() const = 0;
};

// Largest step count in either direction: a count and its negation must
// both be 32-bit values.
constexpr std::int32_t kMaxStepCount = 2147483647;

// A typed count: optional blanks, an optional sign and digits, nothing after
// them, within -kMaxStepCount..kMaxStepCount. False for anything else.
bool ParseStepCount(const Char* text, std::int32_t& count) noexcept;

// The count as saving reads it: an unsigned number within 0..kMaxStepCount,
// 1 for any other text.
std::int32_t ReadStepCountForSaving(const Char* text) noexcept;

enum class PanelStepResult : int { kStepped = 0, kBadCount = 1, kOutOfRange = 2 };

// One step of `countText` units of `unit` (a TimeUnitId; no unit selected:
// kTimeUnitCount), forward or backward; nothing changes unless stepped.
PanelStepResult StepPanelTime(PanelTimeTarget& target, const Char* countText, std::int32_t unit,
                              bool forward);

// The animation of a panel: each timer tick is one forward step of the
// window attached to the panel. Detaching the panel leaves it running; a
// window of the kind attached again takes it over, and that window's
// closing ends it. It also stops at the ends of the valid dates; a tick with
// a count that cannot be read does nothing.
class PanelAnimation {
public:
    bool IsRunning() const noexcept { return running_; }
    void Start(const void* window) noexcept {
        running_ = true;
        window_ = window;
    }
    void Stop() noexcept {
        running_ = false;
        window_ = nullptr;
    }
    // Answers whether the animation goes on.
    bool Tick(PanelTimeTarget& target, const Char* countText, std::int32_t unit);
    // The panel attached to `window` (null: detached).
    void Attached(const void* window) noexcept;
    // Answers whether the animation goes on.
    bool WindowClosing(const void* window) noexcept;

private:
    bool running_ = false;
    const void* window_ = nullptr;
};

}  // namespace corvinata
