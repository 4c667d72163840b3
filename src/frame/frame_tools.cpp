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
    SymbolTableWindowParams symbols;
    symbols.instance = instance_;
    symbols.storage = &app_.GetStorage();
    symbols.settingsRoot = app_.Keys().Root();
    symbols.modeless = &frame_.Modeless();
    symbols.command = CMD_SYMBOLS;
    windows_.Add(std::make_unique<SymbolTableWindow>(std::move(symbols)));
    windows_.Add(std::make_unique<ObjectInfoWindow>(ObjectInfoParams()));
    CalculatorWindowParams calculator;
    calculator.instance = instance_;
    calculator.storage = &app_.GetStorage();
    calculator.settingsRoot = app_.Keys().Root();
    calculator.currentTime = [this] { return app_.Current().GetTimeAndLocation(); };
    calculator.hub = &app_.GetNotificationHub();
    calculator.modeless = &frame_.Modeless();
    calculator.pickPlace = [this](HWND owner, Location& chosen) { return frame_.Options().PickPlace(owner, chosen); };
    calculator.command = CMD_CALCULATOR;
    windows_.Add(std::make_unique<CalculatorWindow>(std::move(calculator)));
    EventFinderWindowParams finder;
    finder.instance = instance_;
    finder.storage = &app_.GetStorage();
    finder.settingsRoot = app_.Keys().Root();
    finder.currentTime = [this] { return app_.Current().GetTimeAndLocation(); };
    finder.hub = &app_.GetNotificationHub();
    finder.modeless = &frame_.Modeless();
    finder.windows = &frame_.Services();
    finder.selectEventPlacement = &app_.DialogStates().selectEvent.geometry;
    finder.command = CMD_EVENT_FINDER;
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
    forecast.instance = instance_;
    forecast.storage = &app_.GetStorage();
    forecast.settingsRoot = app_.Keys().Root();
    forecast.currentTime = [this] { return app_.Current().GetTimeAndLocation(); };
    forecast.hub = &app_.GetNotificationHub();
    forecast.modeless = &frame_.Modeless();
    forecast.options = &app_.DialogStates().eventForecastOptions.options;
    forecast.windows = &frame_.Services();
    forecast.command = CMD_EVENT_FORECAST;
    windows_.Add(std::make_unique<EventForecastWindow>(std::move(forecast)));
    windows_.CreateAll(frame_.Window());
}

ObjectInfoWindowParams FrameTools::ObjectInfoParams() {
    ObjectInfoWindowParams info;
    info.instance = instance_;
    info.storage = &app_.GetStorage();
    info.settingsRoot = app_.Keys().Root();
    info.currentTime = [this] { return app_.Current().GetTimeAndLocation(); };
    info.hub = &app_.GetNotificationHub();
    info.modeless = &frame_.Modeless();
    info.selectBody = [this](HWND owner, const wchar_t* title, BodyIdentifier& selection) {
        SelectBodyDialogParams params;
        params.placement = &app_.DialogStates().selectBody.geometry;
        params.selection = selection;
        return ShowSelectBodyDialog(owner, params, title, true, true, selection);
    };
    info.windows = &frame_.Services();
    info.command = CMD_OBJECT_INFO;
    return info;
}

void FrameTools::SaveAndDestroyWindows() {
    windows_.SaveAndDestroyAll(ToolStateSaver(app_.GetStorage(), app_.Keys().Root(),
                                              [this] { return app_.Options().general.saveOptionsOnExit; }));
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
