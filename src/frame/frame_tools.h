// The frame's tools: the tool windows (Object Info, the Event Finder and
// the Event Forecast, the Astronomical Calculator, the Table of Symbols),
// made at the end of start-up over the frame as it will stay, and the
// Educator with the lessons it runs through the script host.
#pragma once

#include <windows.h>

#include <memory>

#include "app/application.h"
#include "controls/tool_windows.h"

namespace corvinata {

class Educator;
class FrameWindow;
struct ObjectInfoWindowParams;

class FrameTools {
public:
    FrameTools(FrameWindow& frame, Application& app, HINSTANCE instance);
    ~FrameTools();
    FrameTools(const FrameTools&) = delete;
    FrameTools& operator=(const FrameTools&) = delete;

    // Makes the tool windows and the Educator; each tool reads its state.
    void Create();
    // Every tool window writes its state (while the user keeps changes)
    // and goes.
    void SaveAndDestroyWindows();
    // Every tool window writes its state and stays.
    void SaveStates();
    // The Educator goes, and the script host forgets its lesson window.
    void DestroyEducator();

    ToolWindows& Windows() noexcept { return windows_; }
    const ToolWindows& Windows() const noexcept { return windows_; }
    Educator* GetEducator() const noexcept { return educator_.get(); }
    // Whether a lesson runs or waits for Continue.
    bool LessonRunning() const;
    // Educator...: the Select Lesson dialog, then the chosen lesson.
    void RunEducator();
    // The Welcome dialog's tour: the Quick Tour lesson.
    void RunQuickTour();

private:
    // What every tool is given, for the tool of `command`.
    ToolWindowParams ToolParams(int command);
    ObjectInfoWindowParams ObjectInfoParams();
    ToolStateSaver Saver();

    FrameWindow& frame_;
    Application& app_;
    HINSTANCE instance_;
    ToolWindows windows_;
    std::unique_ptr<Educator> educator_;
};

}  // namespace corvinata
