// The script host as the program runs it: the application's host over the
// frame's child windows, its error box and its Event Finder.
#pragma once

#include <windows.h>

#include <cstdint>

#include "automation/application_script_host.h"
#include "automation/script_window_names.h"

namespace corvinata {

class FrameWindow;

class FrameScriptWindows final : public ScriptWindowServices {
public:
    FrameScriptWindows(FrameWindow& frame, HINSTANCE instance) : frame_(frame), instance_(instance) {}

    std::uint32_t NewWindow(WindowKind kind) override;
    std::uint32_t OpenGraphFile(const String& path, String& error) override;
    ScriptWindowTarget FindWindow(std::uint32_t number) override;
    void CloseWindow(std::uint32_t number) override;
    void ActivateWindow(std::uint32_t number) override;
    void MoveWindow(std::uint32_t number, int x, int y) override;
    void ShowScriptErrorBox(const String& text) override;
    void StartEventFinderSearch(const events::SearchSetup& setup, const events::EventCondition& condition,
                                const Location& place) override;
    void SetGraphGuideLine(GraphView& graph, int position) override;

private:
    HWND HandleOf(std::uint32_t number) const;

    FrameWindow& frame_;
    HINSTANCE instance_;
};

// What the frame owns: the window side and the host over it.
class FrameScriptHost {
public:
    FrameScriptHost(FrameWindow& frame, Application& app, HINSTANCE instance)
        : windows_(frame, instance), host_(app, windows_) {}
    ApplicationScriptHost& Host() noexcept { return host_; }

private:
    FrameScriptWindows windows_;
    ApplicationScriptHost host_;
};

}  // namespace corvinata
