#include "frame/frame_tools.h"

#include "automation/application_script_host.h"
#include "controls/select_body_dialog.h"
#include "frame/frame_window.h"
#include "frame/frame_window_services.h"
#include "frame/help_messages.h"
#include "resources/resource_ids.h"
#include "tools/calculator_window_win.h"
#include "tools/educator_win.h"
#include "tools/event_finder_window_win.h"
#include "tools/event_forecast_window_win.h"
#include "tools/object_info_window_win.h"
#include "tools/symbol_table_window_win.h"

namespace corvinata {

FrameTools::FrameTools(FrameWindow& frame, Application& app, HINSTANCE instance)
    : frame_(frame), app_(app), instance_(instance) {}

FrameTools::~FrameTools() = default;

void FrameTools::Create() {
    windows_.Add(std::make_unique<SymbolTableWindow>(ToolParams(CMD_SYMBOLS)));
    windows_.Add(std::make_unique<ObjectInfoWindow>(ObjectInfoParams()));
    CalculatorWindowParams calculator;
    static_cast<ToolWindowParams&>(calculator) = ToolParams(CMD_CALCULATOR);
    calculator.pickPlace = [this](HWND owner, Location& chosen) { return frame_.Options().PickPlace(owner, chosen); };
    windows_.Add(std::make_unique<CalculatorWindow>(std::move(calculator)));
    EventFinderWindowParams finder;
    static_cast<ToolWindowParams&>(finder) = ToolParams(CMD_EVENT_FINDER);
    finder.windows = &frame_.Services();
    finder.selectEventPlacement = &app_.DialogStates().selectEvent.geometry;
    windows_.Add(std::make_unique<EventFinderWindow>(std::move(finder)));
    EducatorParams educator;
    educator.instance = instance_;
    educator.frame = frame_.Window();
    educator.storage = &app_.GetStorage();
    educator.modeless = &frame_;
    educator.runLessonPlace = &app_.DialogStates().runLesson;
    educator.commandStateChanged = [this] { frame_.UpdateCommandStates(); };
    educator_ = std::make_unique<Educator>(std::move(educator));
    ApplicationScriptHost& host = frame_.ScriptHost();
    educator_->AttachHost(&host, [&host] { host.CloseRunLessonWindow(); });
    host.AttachLessonWindow(educator_.get());
    EventForecastWindowParams forecast;
    static_cast<ToolWindowParams&>(forecast) = ToolParams(CMD_EVENT_FORECAST);
    forecast.options = &app_.DialogStates().eventForecastOptions.options;
    forecast.optionsPlacement = &app_.DialogStates().eventForecastOptions.geometry;
    forecast.windows = &frame_.Services();
    windows_.Add(std::make_unique<EventForecastWindow>(std::move(forecast)));
    windows_.CreateAll(frame_.Window());
}

ToolWindowParams FrameTools::ToolParams(int command) {
    ToolWindowParams params;
    params.instance = instance_;
    params.storage = &app_.GetStorage();
    params.settingsRoot = app_.Keys().Root();
    params.currentTime = [this] { return app_.Current().GetTimeAndLocation(); };
    params.hub = &app_.GetNotificationHub();
    params.modeless = &frame_.Modeless();
    params.command = command;
    return params;
}

ObjectInfoWindowParams FrameTools::ObjectInfoParams() {
    ObjectInfoWindowParams info;
    static_cast<ToolWindowParams&>(info) = ToolParams(CMD_OBJECT_INFO);
    info.selectBody = [this](HWND owner, const wchar_t* title, BodyIdentifier& selection) {
        SelectBodyDialogParams params;
        params.placement = &app_.DialogStates().selectBody.geometry;
        params.selection = selection;
        return ShowSelectBodyDialog(owner, params, title, true, true, selection);
    };
    info.windows = &frame_.Services();
    return info;
}

void FrameTools::SaveAndDestroyWindows() { windows_.SaveAndDestroyAll(Saver()); }

void FrameTools::SaveStates() { windows_.SaveAll(Saver()); }

ToolStateSaver FrameTools::Saver() {
    return ToolStateSaver(app_.GetStorage(), app_.Keys().Root(),
                          [this] { return app_.Options().general.saveOptionsOnExit; });
}

void FrameTools::DestroyEducator() {
    frame_.ScriptHost().AttachLessonWindow(nullptr);
    educator_.reset();
}

bool FrameTools::LessonRunning() const { return educator_ && !educator_->CommandEnabled(); }

void FrameTools::RunEducator() {
    if (!educator_ || !educator_->CommandEnabled()) return;
    LessonChoice choice;
    if (!ShowSelectLesson(instance_, frame_.Window(), app_.GetStorage(), app_.Product().GetProgramDirectory(),
                          app_.DialogStates().selectLesson, choice)) {
        return;
    }
    educator_->RunScriptFile(choice.scriptPath, choice.title);
}

void FrameTools::RunQuickTour() {
    const PathName& folder = app_.Product().GetProgramDirectory();
    if (StartQuickTour(instance_, frame_.Window(), folder) && educator_) {
        educator_->RunScriptFile(QuickTourScriptPath(folder), String(TXT("Quick Tour")));
    }
}

}  // namespace corvinata
