// The frame's part of a session: at start-up the night-vision levels and
// the windows of the last run come back; at exit the frame's placement, its
// panes, the windows in their stacking order and the night-vision levels
// are written, then what every exit writes. A copy started by automation
// leaves the user's frame and windows as they were, and of what every exit
// writes it writes only the values its own run changed: the user may have
// ended a run of his own meanwhile, and a value the copy never touched must
// not take back what that run wrote.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <windows.h>

#include "app/application.h"
#include "app/night_vision.h"
#include "base/registry_overlay.h"
#include "controls/child_windows.h"
#include "frame/mdi_windows.h"

namespace corvinata {

// Asks whether night vision, on when the program last ended, goes on.
// Only a No ends it: Escape and the box's close answer neither Yes nor No,
// and leave it as it was. `answered`, when given, runs with the result as
// the answer is given, while the question still has the display's keyboard
// (see question_end.h), and learns whether a window manager offered the
// question the keyboard.
bool AskContinueNightVision(HINSTANCE instance, HWND frame,
                            const std::function<void(bool night, bool managerOfferedKeys)>& answered);

class FrameSession {
public:
    FrameSession(Application& app, ChildWindows& children, MdiWindows& windows, NightVisionSettings& nightVision,
                 HINSTANCE instance, bool byAutomation)
        : app_(app), children_(children), windows_(windows), nightVision_(nightVision), instance_(instance),
          byAutomation_(byAutomation) {}

    // The levels of the last run come back as they were; night vision
    // itself goes on again only when the user says so (never for an
    // automation client, which has nobody to ask). True when the user was
    // asked. As the question is answered, before it goes, `keysBack(false)`
    // makes the frame take the keys, the answer takes effect, and then,
    // when a window manager offered the question the keyboard,
    // `keysBack(true)` has it give the keyboard to the frame.
    bool RestoreNightVision(HWND frame, const std::function<void(bool)>& keysBack);
    // The windows of the last run come back kind by kind, then in their
    // stacking order.
    void RestoreWindows();
    // Once start-up is through, a copy started by automation notes what
    // its exit would write had its run changed nothing (`saveTools` writes
    // the tools' states, their windows kept); nothing for the user's copy.
    void NoteStartingValues(const std::function<void()>& saveTools);
    // Writes the night-vision levels, the frame's placement, the panes as
    // they are now (not as the current layout last knew them) and the
    // windows, then what every exit writes, `steps` between (see
    // SaveSettingsAtShutdown). A copy started by automation writes only the
    // latter, and of that only what differs from what it noted at its
    // start; the recent files it added join the list as the settings hold
    // it then.
    void Save(HWND frame, const PaneFlags& panes, const ShutdownSteps& steps);

private:
    void SaveNightVision();
    void SaveCopysChanges(SessionState& session, const ShutdownSteps& steps);

    Application& app_;
    ChildWindows& children_;
    MdiWindows& windows_;
    NightVisionSettings& nightVision_;
    HINSTANCE instance_;
    bool byAutomation_;
    // What a copy started by automation would have written at its start,
    // and the moments chosen by then, with the user's own moment.
    std::unique_ptr<RegistryOverlay> startingValues_;
    std::uint32_t momentsChosenAtStart_ = 0;
    DateTimeOptions startingTime_;
};

}  // namespace corvinata
