#include "frame/window_kinds.h"

#include <algorithm>
#include <memory>

#include "controls/message_box.h"
#include "frame/frame_window_services.h"
#include "views/picture_dialogs_win.h"
#include "views/picture_window_win.h"
#include "resources/resource_ids.h"
#include "views/eclipse_window_win.h"
#include "views/explorer_window_win.h"
#include "views/graph_window_win.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {

namespace {

// The message loop's list of modeless dialogs, as the panels add to it.
class FrameModeless final : public ModelessDialogs {
public:
    explicit FrameModeless(ModelessDialogList& list) : list_(list) {}
    void AddModelessDialog(HWND dialog) override { list_.push_back(dialog); }
    void RemoveModelessDialog(HWND dialog) override {
        list_.erase(std::remove(list_.begin(), list_.end(), dialog), list_.end());
    }

private:
    ModelessDialogList& list_;
};

// What the panels ask of the program.
class ProgramPanelServices final : public PanelServices {
public:
    ProgramPanelServices(FrameWindow& frame, Application& app, HINSTANCE instance)
        : frame_(frame), app_(app), instance_(instance) {}
    DateTimeLocation CurrentTimeAndLocation() const override { return app_.Current().GetTimeAndLocation(); }
    bool IsNightVisionActive() const override { return frame_.Options().NightVision().IsNightVisionActive(); }
    void ShowControlPanel(bool show) override {
        if (frame_.IsPaneShown(CMD_VIEW_CONTROL_PANEL) != show) {
            SendMessageW(frame_.Window(), WM_COMMAND, MAKEWPARAM(CMD_VIEW_CONTROL_PANEL, 0), 0);
        }
    }
    // The pane follows the frame's active window, which shows the panel.
    void RefreshRelatedTasks(PanelWindow&) override { frame_.RefreshRelatedTasks(); }
    void ShowPicturePacksDialog(HWND parent) override {
        corvinata::ShowPicturePacksDialog(instance_, parent, app_.GetStorage(), app_.PicturePacks(),
                                          app_.PicPackList());
    }

private:
    FrameWindow& frame_;
    Application& app_;
    HINSTANCE instance_;
};

}  // namespace

std::unique_ptr<PanelServices> MakeProgramPanelServices(FrameWindow& frame, Application& app, HINSTANCE instance) {
    return std::make_unique<ProgramPanelServices>(frame, app, instance);
}

namespace {

std::unique_ptr<PictureWindowKind> MakePictureKind(FrameWindow& frame, Application& app, HINSTANCE instance) {
    PictureKindServices services;
    services.instance = instance;
    services.app = &app;
    services.children = &frame.Children();
    services.windows = &frame.Services();
    return std::make_unique<PictureWindowKind>(std::move(services),
                                               MakeProgramPanelServices(frame, app, instance),
                                               frame.PaneWindow(CMD_VIEW_CONTROL_PANEL),
                                               std::make_unique<FrameModeless>(frame.Modeless()));
}

std::unique_ptr<SolarEclipseKind> MakeSolarEclipseKind(FrameWindow& frame, Application& app, HINSTANCE instance,
                                                       HFONT textFont) {
    FrameWindow* const owner = &frame;
    SolarEclipseKindServices services;
    services.instance = instance;
    services.application = &app;
    services.children = &frame.Children();
    services.registry = &frame.Registry();
    services.nightVision = [owner] { return owner->NightVisionActive(); };
    services.textFont = textFont;
    services.panelParent = frame.PaneWindow(CMD_VIEW_CONTROL_PANEL);
    services.dialogs = &frame;
    services.windows = &frame.Services();
    return std::make_unique<SolarEclipseKind>(services);
}

}  // namespace

void AddProgramWindowKinds(FrameWindow& frame, Application& app, HINSTANCE instance, const ProgramFonts& fonts) {
    FrameWindow* const owner = &frame;
    const DisplayWindowContext display{app,
                                       frame.Children(),
                                       instance,
                                       fonts.DialogFont(),
                                       fonts.SymbolFont(),
                                       [owner] { return owner->NightVisionActive(); },
                                       frame.PaneWindow(CMD_VIEW_CONTROL_PANEL),
                                       &frame,
                                       &frame.Services()};
    frame.Children().AddKind(MakeSkyWindowKind(SkyWindowContext{display}));
    frame.Children().AddKind(MakePictureKind(frame, app, instance));
    frame.Children().AddKind(MakeSolarEclipseKind(frame, app, instance, fonts.DialogFont()));
    auto graphs = std::make_unique<GraphWindowKind>(app.GetNotificationHub(), ObjectModelGraphServices(app.Current()),
                                                    instance,
                                                    GraphFileServices{&app.GetStorage(), &app.Product(), &app.Recent(), nullptr});
    graphs->SetChildren(&frame.Children());
    graphs->actions = &app.GetGraphActions();
    ApplicationDialogStates& states = app.DialogStates();
    graphs->linesDialog.placement = &states.graphEditLines.geometry;
    graphs->linesDialog.lineDialog.placement = &states.graphEditLine.geometry;
    graphs->optionsDialog.placement = &states.graphOptions;
    graphs->optionsDialog.choosePlace = [owner](HWND parent, Location& place) {
        return owner->Options().PickPlace(parent, place);
    };
    graphs->CreatePanel(MakeProgramPanelServices(frame, app, instance),
                        frame.PaneWindow(CMD_VIEW_CONTROL_PANEL), std::make_unique<FrameModeless>(frame.Modeless()));
    frame.Children().AddKind(std::move(graphs));
    frame.Children().AddKind(MakeSolarSystemWindowKind(SolarSystemWindowContext{display}));
    ExplorerWindowContext explorer{display};
    explorer.pixelAspect = ScreenPixelAspect();
    explorer.reportError = [owner, instance](const String& text) {
        RunMessageBox(instance, owner->Window(), text.Text(), kButtonsOk, kMessageError, MessageTopic::PictureNotLoaded);
    };
    frame.Children().AddKind(MakeExplorerWindowKind(JupiterExplorerTraits(), explorer));
    frame.Children().AddKind(MakeExplorerWindowKind(SaturnExplorerTraits(), explorer));
    frame.UpdateCommandStates();
}

PictureWindowKind* GetPictureKind(FrameWindow& frame) {
    return dynamic_cast<PictureWindowKind*>(frame.Children().KindOf(kPictureWindow));
}

}  // namespace corvinata
