#include "app/solar_system_commands.h"

#include "app/settings_records.h"
#include "base/date_time_text.h"
#include "base/text_format.h"

namespace corvinata {

namespace {

constexpr const Char* kPlanetNames[] = {TXT("Mercury"), TXT("Venus"),  TXT("Earth"),
                                        TXT("Mars"),    TXT("Jupiter"), TXT("Saturn"),
                                        TXT("Uranus"),  TXT("Neptune"), TXT("Pluto")};

String When(const DateTime& moment) {
    return FormatDateTimeJoined(moment, kTimeToSecond, false, TXT(" "));
}

String ZoomText(const Char* name) { return FormatPercent1(TXT("Zoom to %"), name); }

class SolarSystemCommand : public UndoableCommand {
public:
    SolarSystemCommand(const CommandContext& context, SolarSystemWindowCommands& window)
        : context_(context), window_(&window) {}
    const void* Target() const override { return window_; }

protected:
    void Finish(bool recordWindow) {
        if (recordWindow) window_->GetCommandHistory().RecordChangedWindow(window_);
        BroadcastNotification(context_.hub, kEventSolarSystemCommand, 0, window_);
    }

    CommandContext context_;
    SolarSystemWindowCommands* window_;
};

class SolarSystemPanelCommand final : public CopyableCommand<SolarSystemPanelCommand, SolarSystemCommand> {
public:
    SolarSystemPanelCommand(const CommandContext& c, SolarSystemWindowCommands& w, int planet)
        : CopyableCommand(c, w), new_(planet) {}

    CommandKind Kind() const override { return CommandKind::SolarSystemZoom; }
    void Execute() override {
        previous_ = window_->GetZoomedPlanet();
        window_->SetZoomedPlanet(new_);
        window_->GetCommandHistory().viewChanged = true;
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SolarSystemPanelCommand>(context_, *window_, previous_);
    }
    int NewPlanet() const noexcept { return new_; }
    void SetNewPlanet(int planet) noexcept { new_ = planet; }

private:
    int previous_ = -1;
    int new_;
};

class SolarSystemSelectCommand final : public CopyableCommand<SolarSystemSelectCommand, SolarSystemCommand> {
public:
    SolarSystemSelectCommand(const CommandContext& c, SolarSystemWindowCommands& w,
                             const BodyIdentifier& body)
        : CopyableCommand(c, w), new_(body) {}

    CommandKind Kind() const override { return CommandKind::SolarSystemSelect; }
    void Execute() override {
        previous_ = window_->GetSelectedBody();
        window_->SelectBody(new_, 0, 0);
        window_->GetCommandHistory().viewChanged = true;
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SolarSystemSelectCommand>(context_, *window_, previous_);
    }

private:
    BodyIdentifier previous_;
    BodyIdentifier new_;
};

class ChangeSolarSystemOptionsCommand final
    : public CopyableCommand<ChangeSolarSystemOptionsCommand, SolarSystemCommand> {
public:
    ChangeSolarSystemOptionsCommand(const CommandContext& c, SolarSystemWindowCommands& w,
                                    const SolarSystemOptions& options, std::int32_t fieldId)
        : CopyableCommand(c, w), saved_(options), new_(options), fieldId_(fieldId) {}

    CommandKind Kind() const override { return CommandKind::SolarSystemOptions; }
    void Execute() override {
        saved_ = window_->GetOptions();
        SolarSystemOptions next = saved_;
        if (fieldId_ == kSolarSystemOptionsWhole) {
            next = new_;
        } else {
            SolarSystemOptionsCopyField(next, fieldId_, new_);
        }
        window_->SetOptions(next);
        window_->GetCommandHistory().viewChanged = true;
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<ChangeSolarSystemOptionsCommand>(context_, *window_, saved_,
                                                                 kSolarSystemOptionsWhole);
    }

private:
    SolarSystemOptions saved_;
    SolarSystemOptions new_;
    std::int32_t fieldId_;
};

class SolarSystemGoToCommand final : public CopyableCommand<SolarSystemGoToCommand, SolarSystemCommand> {
public:
    SolarSystemGoToCommand(const CommandContext& c, SolarSystemWindowCommands& w,
                           const DateTime& moment, std::int32_t kind)
        : CopyableCommand(c, w), saved_(moment), new_(moment), kind_(kind) {}

    CommandKind Kind() const override { return CommandKind::SolarSystemGoTo; }
    void Execute() override {
        SolarSystemDocument& document = window_->GetDocument();
        saved_ = document.GetDateTime();
        document.SetDateTime(ApplyDateTimeChange(saved_, new_, kind_), false);
        window_->GetCommandHistory().timeChanged = true;
        Finish(false);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SolarSystemGoToCommand>(context_, *window_, saved_, kChangeWhole);
    }

private:
    DateTime saved_;
    DateTime new_;
    std::int32_t kind_;
};

}  // namespace

const Char* SolarSystemPlanetName(int planet) noexcept {
    return planet >= kFirstZoomPlanet && planet <= kLastZoomPlanet ? kPlanetNames[planet] : TXT("");
}

int SolarSystemActions::ProbeZoom(SolarSystemWindowCommands& window, const BodyIdentifier& body,
                                  int zoomMode, int zoomArgument) {
    const BodyIdentifier oldBody = window.GetSelectedBody();
    const int oldPlanet = window.GetZoomedPlanet();
    window.SelectBody(body, zoomMode, zoomArgument);
    const int reached = window.GetZoomedPlanet();
    window.SelectBody(oldBody, 0, 0);
    window.SetZoomedPlanet(oldPlanet);
    return reached;
}

void SolarSystemActions::ZoomToBody(SolarSystemWindowCommands& window) {
    const BodyIdentifier selected = window.GetSelectedBody();
    const int current = window.GetZoomedPlanet();
    const int planet = ProbeZoom(window, selected, 1, 0);
    if (planet == current) return;
    CommandGroup step(ZoomText(selected.name.Text()), ZoomText(SolarSystemPlanetName(current)));
    step.Add(std::make_unique<SolarSystemPanelCommand>(context_, window, planet));
    CarryOut(window.GetCommandHistory(), std::move(step), nullptr);
}

void SolarSystemActions::SelectPair(SolarSystemWindowCommands& window, const BodyIdentifier& body,
                                    int zoomMode, int zoomArgument, CompoundCommand* compound) {
    const BodyIdentifier oldBody = window.GetSelectedBody();
    const int oldPlanet = window.GetZoomedPlanet();
    const int planet = ProbeZoom(window, body, zoomMode, zoomArgument);
    const bool bodyChanges = BodyIdentifierDiffers(body, oldBody);
    const bool planetChanges = planet != oldPlanet;
    if (bodyChanges || planetChanges) {
        String redo, undo;
        if (bodyChanges && planetChanges) {
            redo = FormatPercent1(TXT("Select and Zoom to %"), body.name);
            undo = FormatPercent2(TXT("Select % and Zoom to %"), oldBody.name,
                                  SolarSystemPlanetName(oldPlanet));
        } else if (bodyChanges) {
            redo = FormatPercent1(TXT("Select %"), body.name);
            undo = FormatPercent1(TXT("Select %"), oldBody.name);
        } else {
            redo = ZoomText(body.name.Text());
            undo = ZoomText(SolarSystemPlanetName(oldPlanet));
        }
        CommandGroup step(redo, undo);
        if (bodyChanges) step.Add(std::make_unique<SolarSystemSelectCommand>(context_, window, body));
        if (planetChanges) step.Add(std::make_unique<SolarSystemPanelCommand>(context_, window, planet));
        CarryOut(window.GetCommandHistory(), std::move(step), compound);
    }
    if (!compound) window.SelectBody(body, 0, 0);
}

void SolarSystemActions::ShowAt(SolarSystemWindowCommands& window, const BodyIdentifier& body,
                                const DateTime& moment) {
    SolarSystemDocument& document = window.GetDocument();
    TimeAndPlace wanted = document.GetTimeAndPlace();
    wanted.dateTime = moment;
    const bool momentChanges = !DateTimeSameMoment(wanted, document.GetTimeAndPlace());
    const BodyIdentifier oldBody = window.GetSelectedBody();
    const int oldPlanet = window.GetZoomedPlanet();
    const int planet = ProbeZoom(window, body, 1, 0);
    const bool bodyChanges = BodyIdentifierDiffers(body, oldBody);
    const bool planetChanges = planet != oldPlanet;
    if (momentChanges || bodyChanges || planetChanges) {
        CommandGroup step(FormatPercent2(TXT("Show % at %"), body.name, When(moment)),
                          FormatPercent2(TXT("Show % at %"), oldBody.name, When(document.GetDateTime())));
        if (momentChanges) {
            step.Add(std::make_unique<SolarSystemGoToCommand>(context_, window, moment, kChangeWhole));
        }
        if (bodyChanges) step.Add(std::make_unique<SolarSystemSelectCommand>(context_, window, body));
        if (planetChanges) step.Add(std::make_unique<SolarSystemPanelCommand>(context_, window, planet));
        CarryOut(window.GetCommandHistory(), std::move(step), nullptr);
    }
    window.Highlight();
}

void SolarSystemActions::ChangeOptions(SolarSystemWindowCommands& window,
                                       const SolarSystemOptions& options, std::int32_t fieldId,
                                       CompoundCommand* compound) {
    SolarSystemOptions merged = window.GetOptions();
    if (fieldId == kSolarSystemOptionsWhole) {
        merged = options;
    } else if (!SolarSystemOptionsCopyField(merged, fieldId, options)) {
        return;
    }
    if (SolarSystemOptionsEqual(merged, window.GetOptions())) return;
    const String text(TXT("Change Solar System Options"));
    CommandGroup step(text, text);
    step.Add(std::make_unique<ChangeSolarSystemOptionsCommand>(context_, window, options, fieldId));
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SolarSystemActions::GoTo(SolarSystemWindowCommands& window, const DateTime& moment,
                              std::int32_t changeKind, CompoundCommand* compound, bool record) {
    const DateTime current = window.GetDocument().GetDateTime();
    const DateTime applied = ApplyDateTimeChange(current, moment, changeKind);
    if (DateTimeEqual(applied, current)) return;
    CommandGroup step(FormatPercent1(TXT("Go to %"), When(applied)),
                      FormatPercent1(TXT("Go to %"), When(current)));
    step.Add(std::make_unique<SolarSystemGoToCommand>(context_, window, moment, changeKind));
    CarryOut(window.GetCommandHistory(), std::move(step), compound, 1, record);
}

void SolarSystemActions::ZoomToPlanet(SolarSystemWindowCommands& window, int planet,
                                      int afterHookArgument, CompoundCommand* compound) {
    if (planet < kFirstZoomPlanet || planet > kLastZoomPlanet) {
        context_.scriptErrors.SetScriptErrorIfRunning(
            String(TXT("The planet number must be between 0 and 8")));
        return;
    }
    const int current = window.GetZoomedPlanet();
    if (planet == current) return;
    CommandGroup step(ZoomText(SolarSystemPlanetName(planet)), ZoomText(SolarSystemPlanetName(current)));
    step.Add(std::make_unique<SolarSystemPanelCommand>(context_, window, planet));
    CarryOut(window.GetCommandHistory(), std::move(step), compound, afterHookArgument);
}

void SolarSystemActions::ZoomWithSelection(SolarSystemWindowCommands& window, int planet) {
    if (planet < kFirstZoomPlanet || planet > kLastZoomPlanet || planet == window.GetZoomedPlanet()) return;
    const BodyIdentifier selected = window.GetSelectedBody();
    CommandGroup* last = window.GetCommandHistory().MergeableStep(CommandKind::SolarSystemSelect, &window);
    if (!last || !StringEquals(last->redoText, FormatPercent1(TXT("Select %"), selected.name).Text())) {
        ZoomToPlanet(window, planet, 1, nullptr);
        return;
    }
    auto zoom = std::make_unique<SolarSystemPanelCommand>(context_, window, planet);
    zoom->Execute();
    last->Add(std::move(zoom));
    window.RefreshDisplay();
}

void SolarSystemActions::ZoomStep(SolarSystemWindowCommands& window, int steps, int direction,
                                  bool merge) {
    const int current = window.GetZoomedPlanet();
    int next = direction == 0 ? current - steps : current + steps;
    if (next < kFirstZoomPlanet) next = kFirstZoomPlanet;
    if (next > kLastZoomPlanet) next = kLastZoomPlanet;
    if (next == current) return;
    CommandGroup* last =
        merge ? window.GetCommandHistory().MergeableStep(CommandKind::SolarSystemZoom, &window) : nullptr;
    if (!last) {
        ZoomToPlanet(window, next, 1, nullptr);
        return;
    }
    auto* zoom = static_cast<SolarSystemPanelCommand*>(
        last->FindCommand(CommandKind::SolarSystemZoom, &window));
    if (zoom->NewPlanet() == next) return;
    last->redoText = ZoomText(SolarSystemPlanetName(next));
    zoom->SetNewPlanet(next);
    window.SetZoomedPlanet(next);
    window.RefreshDisplay();
}

void SolarSystemActions::EndCompound(SolarSystemWindowCommands& window, const String& text,
                                     std::unique_ptr<CompoundCommand> holder, bool record) {
    corvinata::EndCompound(window.GetCommandHistory(), text, std::move(holder), record);
}

}  // namespace corvinata
