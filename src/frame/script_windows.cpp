#include "frame/script_windows.h"

#include "app/help_topics.h"
#include "frame/frame_window.h"
#include "frame/frame_window_services.h"
#include "controls/message_box.h"
#include "views/picture_window_win.h"
#include "resources/resource_ids.h"
#include "tools/event_finder_window_win.h"
#include "views/eclipse_window_win.h"
#include "views/explorer_window_win.h"
#include "views/graph_window_win.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {

namespace {

std::uint32_t NumberOf(FrameWindow& frame, const MdiChildWindow* window) {
    return window != nullptr ? frame.Registry().CreationNumber(*window) : 0;
}

}  // namespace

std::uint32_t FrameScriptWindows::NewWindow(WindowKind kind) {
    return NumberOf(frame_, frame_.Children().NewWindow(kind));
}

std::uint32_t FrameScriptWindows::OpenGraphFile(const String& path, String& error) {
    auto* graphs = dynamic_cast<GraphWindowKind*>(frame_.Children().KindOf(kGraphWindow));
    if (graphs == nullptr) {
        error = TXT("Graph windows cannot be opened");
        return 0;
    }
    return NumberOf(frame_, graphs->OpenGraphQuietly(path, error));
}

ScriptWindowTarget FrameScriptWindows::FindWindow(std::uint32_t number) {
    auto* window = dynamic_cast<MdiChildWindow*>(frame_.Registry().WindowByCreationNumber(number));
    if (window == nullptr) return {};
    ScriptWindowTarget target;
    target.kind = window->Document().GetKind();
    target.graph = dynamic_cast<GraphWindow*>(window);
    target.picture = dynamic_cast<PictureWindow*>(window);
    target.sky = dynamic_cast<SkyWindow*>(window);
    target.solarSystem = dynamic_cast<SolarSystemWindow*>(window);
    if (auto* eclipse = dynamic_cast<SolarEclipseWindow*>(window)) target.eclipse = &eclipse->GetCommands();
    if (auto* explorer = dynamic_cast<ExplorerWindow*>(window)) {
        target.explorer = explorer;
        target.explorerActions = &explorer->Actions();
    }
    return target;
}

HWND FrameScriptWindows::HandleOf(std::uint32_t number) const {
    auto* window = dynamic_cast<MdiChildWindow*>(frame_.Registry().WindowByCreationNumber(number));
    return window != nullptr ? window->Handle() : nullptr;
}

void FrameScriptWindows::CloseWindow(std::uint32_t number) {
    if (HWND handle = HandleOf(number)) SendMessageW(handle, WM_CLOSE, 0, 0);
}

void FrameScriptWindows::ActivateWindow(std::uint32_t number) {
    if (HWND handle = HandleOf(number)) {
        SendMessageW(frame_.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle), 0);
    }
}

void FrameScriptWindows::MoveWindow(std::uint32_t number, int x, int y) {
    if (HWND handle = HandleOf(number)) {
        SetWindowPos(handle, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

void FrameScriptWindows::ShowScriptErrorBox(const String& text) {
    RunMessageBox(instance_, frame_.Window(), text.Text(), kButtonsOk, kMessageError,
                  MessageTopic::ScriptExecutionError);
}

void FrameScriptWindows::StartEventFinderSearch(const events::SearchSetup& setup,
                                                const events::EventCondition& condition, const Location& place) {
    frame_.Services().StartEventFinderSearch(setup, condition, place);
}

void FrameScriptWindows::SetGraphGuideLine(GraphView& graph, int position) {
    if (auto* window = dynamic_cast<GraphWindow*>(&graph)) {
        window->SetGuideLine(position);
    } else {
        graph.SetGuideLinePosition(position);
    }
}

}  // namespace corvinata
