#include "app/sky_commands.h"

#include <cmath>

#include "app/settings_records.h"
#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/text_format.h"
#include "catalog/quantity_values.h"

namespace corvinata {

namespace {

constexpr double kLookStepSizes[] = {1, 2, 3, 5, 6, 9, 10, 15, 18, 30, 45, 90};

String When(const DateTime& moment) {
    return FormatDateTimeJoined(moment, kTimeToSecond, false, TXT(" "));
}

String Degrees(int zoom) {
    String number;
    StringFromInteger(zoom, 1, number, true, ' ');
    return FormatPercent1(TXT("%\u00B0"), number);
}

// The direction as the user reads it: the window keeps 360 minus the
// compass azimuth in the horizontal and realistic maps (the right ascension
// itself in the equatorial map), the texts show the compass.
String ReadableDirectionText(const SkyWindowCommands& window, const ViewDirection& direction) {
    ViewDirection readable = direction;
    if (window.GetOptions().mapType != 1) readable.azimuth = WrapAzimuth(360.0 - direction.azimuth);
    return FormatDirectionText(readable);
}

String LookToText(const SkyWindowCommands& window, const ViewDirection& direction) {
    return FormatPercent1(TXT("Look to %"), ReadableDirectionText(window, direction));
}

class SkyCommand : public UndoableCommand {
public:
    SkyCommand(const CommandContext& context, SkyWindowCommands& window)
        : context_(context), window_(&window) {}
    const void* Target() const override { return window_; }

protected:
    void Finish(std::uint32_t bit, bool recordWindow) {
        SkyCommandHistory& history = window_->GetCommandHistory();
        history.changeBits |= bit;
        if (recordWindow) history.RecordChangedWindow(window_);
        BroadcastNotification(context_.hub, kEventSkyCommand, 0, window_);
    }

    CommandContext context_;
    SkyWindowCommands* window_;
};

class SkyViewCommand final : public CopyableCommand<SkyViewCommand, SkyCommand> {
public:
    SkyViewCommand(const CommandContext& c, SkyWindowCommands& w, std::int32_t mask,
                   const ViewDirection& direction)
        : CopyableCommand(c, w), saved_(direction), new_(direction), mask_(mask) {}

    CommandKind Kind() const override { return CommandKind::SkyView; }
    void Execute() override {
        saved_ = window_->GetViewDirection();
        ViewDirection next = saved_;
        if (mask_ & kViewAzimuth) next.azimuth = new_.azimuth;
        if (mask_ & kViewAltitude) next.altitude = new_.altitude;
        window_->SetViewDirection(next);
        Finish(kSkyDirectionChanged, true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SkyViewCommand>(context_, *window_, mask_, saved_);
    }
    void SetNewDirection(const ViewDirection& direction) noexcept { new_ = direction; }

private:
    ViewDirection saved_;
    ViewDirection new_;
    std::int32_t mask_;
};

class SkyZoomCommand final : public CopyableCommand<SkyZoomCommand, SkyCommand> {
public:
    SkyZoomCommand(const CommandContext& c, SkyWindowCommands& w, int zoom)
        : CopyableCommand(c, w), new_(zoom) {}

    CommandKind Kind() const override { return CommandKind::SkyZoom; }
    void Execute() override {
        previous_ = window_->GetZoom();
        window_->SetZoom(new_);
        Finish(kSkyZoomChanged, true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SkyZoomCommand>(context_, *window_, previous_);
    }
    int NewZoom() const noexcept { return new_; }
    void SetNewZoom(int zoom) noexcept { new_ = zoom; }

private:
    int previous_ = 0;
    int new_;
};

class SkySelectCommand final : public CopyableCommand<SkySelectCommand, SkyCommand> {
public:
    SkySelectCommand(const CommandContext& c, SkyWindowCommands& w, const BodyIdentifier& body)
        : CopyableCommand(c, w), new_(body) {}

    CommandKind Kind() const override { return CommandKind::SkySelect; }
    void Execute() override {
        previous_ = window_->GetSelectedBody();
        window_->SelectBody(new_, 0, 0, 0);
        Finish(kSkySelectionChanged, true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SkySelectCommand>(context_, *window_, previous_);
    }

private:
    BodyIdentifier previous_;
    BodyIdentifier new_;
};

class ChangeSkyOptionsCommand final : public CopyableCommand<ChangeSkyOptionsCommand, SkyCommand> {
public:
    ChangeSkyOptionsCommand(const CommandContext& c, SkyWindowCommands& w, const SkyOptions& options,
                            bool timeFlag, std::int32_t fieldId)
        : CopyableCommand(c, w), savedOptions_(options), newOptions_(options), savedFlag_(timeFlag),
          newFlag_(timeFlag), fieldId_(fieldId) {}

    CommandKind Kind() const override { return CommandKind::SkyOptions; }
    void Execute() override {
        savedOptions_ = window_->GetOptions();
        savedFlag_ = window_->GetTimeFlag();
        SkyOptions next = savedOptions_;
        if (fieldId_ == kSkyOptionsWhole) {
            next = newOptions_;
        } else {
            SkyOptionsCopyField(next, fieldId_, newOptions_);
        }
        const bool optionsChanged = !SkyOptionsEqual(savedOptions_, next);
        const bool flagChanged = newFlag_ != savedFlag_;
        if (optionsChanged) window_->SetOptions(next);
        std::uint32_t bits = 0;
        if (flagChanged) {
            SkyDocument& document = window_->GetDocument();
            document.SetDateTime(document.GetTimeAndPlace().dateTime, newFlag_, false);
            window_->SetTimeFlag(newFlag_);
            bits |= kSkyOtherOptionsChanged;
        }
        if (optionsChanged) bits |= OptionBits(savedOptions_, next);
        SkyCommandHistory& history = window_->GetCommandHistory();
        if (flagChanged) history.timeChanged = true;
        Finish(bits, !flagChanged && optionsChanged);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<ChangeSkyOptionsCommand>(context_, *window_, savedOptions_,
                                                         savedFlag_, kSkyOptionsWhole);
    }

private:
    static std::uint32_t OptionBits(const SkyOptions& before, const SkyOptions& after) {
        if (SkyOptionsEqualIgnoringView(before, after)) return kSkyViewOptionsChanged;
        const bool grid = (before.gridType == 1 || after.gridType == 1) &&
                          (!SkyOptionsFieldEqual(before, after, kSkyGridTypeField) ||
                           !SkyOptionsFieldEqual(before, after, kSkyGridCrossesField));
        if (grid || !SkyOptionsFieldEqual(before, after, kSkyHorizonField)) {
            return kSkyCoordinateOptionsChanged | kSkyOtherOptionsChanged;
        }
        return kSkyOtherOptionsChanged;
    }

    SkyOptions savedOptions_;
    SkyOptions newOptions_;
    bool savedFlag_;
    bool newFlag_;
    std::int32_t fieldId_;
};

class SkyGoToCommand final : public CopyableCommand<SkyGoToCommand, SkyCommand> {
public:
    SkyGoToCommand(const CommandContext& c, SkyWindowCommands& w, const DateTime& moment,
                   std::int32_t kind, bool timeFlag)
        : CopyableCommand(c, w), saved_(moment), new_(moment), kind_(kind), timeFlag_(timeFlag) {}

    CommandKind Kind() const override { return CommandKind::SkyGoTo; }
    void Execute() override {
        SkyDocument& document = window_->GetDocument();
        saved_ = document.GetTimeAndPlace().dateTime;
        document.SetDateTime(ApplyDateTimeChange(saved_, new_, kind_), timeFlag_, false);
        window_->GetCommandHistory().timeChanged = true;
        Finish(kSkyDateTimeChanged, false);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SkyGoToCommand>(context_, *window_, saved_, kChangeWhole, timeFlag_);
    }

private:
    DateTime saved_;
    DateTime new_;
    std::int32_t kind_;
    bool timeFlag_;
};

}  // namespace

double WrapAzimuth(double degrees) noexcept {
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped < 0.0) wrapped += 360.0;
    return wrapped >= 360.0 ? 0.0 : wrapped;
}

double ClampAltitude(double degrees) noexcept {
    return degrees < -90.0 ? -90.0 : (degrees > 90.0 ? 90.0 : degrees);
}

double SkyLookStepSize(int zoom) noexcept {
    const double limit = zoom * 2.0 / 3.0;
    double step = kLookStepSizes[0];
    for (double size : kLookStepSizes) {
        if (size > limit) break;
        step = size;
    }
    return step;
}

String FormatDirectionText(const ViewDirection& direction) {
    const int style = DisplayFormatRequest().angleDegreeBase;
    String azimuth, altitude;
    FullCircleAngleValue(direction.azimuth, kShowDegrees)
        .Format(azimuth, style, kToDegree, kAutomaticDecimals);
    LatitudeValue(direction.altitude, kLatitudeMinusSign)
        .Format(altitude, style, kToDegree, kAutomaticDecimals);
    return FormatPercent2(TXT("%/%"), azimuth, altitude);
}

void SkyActions::LookTo(SkyWindowCommands& window, const ViewDirection& direction,
                        std::int32_t mask, int afterHookArgument, CompoundCommand* compound) {
    const ViewDirection current = window.GetViewDirection();
    ViewDirection next = current;
    if (mask & kViewAzimuth) next.azimuth = direction.azimuth;
    if (mask & kViewAltitude) next.altitude = direction.altitude;
    if (next == current) return;
    window.SetTracking(false);
    CommandGroup step(LookToText(window, next), LookToText(window, current));
    step.Add(std::make_unique<SkyViewCommand>(context_, window, mask, direction));
    CarryOut(window.GetCommandHistory(), std::move(step), compound, afterHookArgument);
}

void SkyActions::LookAtTarget(SkyWindowCommands& window, const SkyPosition& target) {
    LookTo(window, window.ComputeLookDirection(target, window.GetZoom()), kViewBoth, 1, nullptr);
    window.SetTracking(true);
    window.SetLookTarget(target);
}

ViewDirection SkyActions::ProbeSelection(SkyWindowCommands& window, const BodyIdentifier& body,
                                         int centreMode, int first, int second) {
    const BodyIdentifier oldBody = window.GetSelectedBody();
    const ViewDirection oldDirection = window.GetViewDirection();
    window.SelectBody(body, centreMode, first, second);
    const ViewDirection reached = window.GetViewDirection();
    window.SelectBody(oldBody, 0, 0, 0);
    window.SetViewDirection(oldDirection);
    return reached;
}

void SkyActions::LookAtSelection(SkyWindowCommands& window) {
    if (window.GetSelectedBody().object == nullptr) return;
    const ViewDirection current = window.GetViewDirection();
    const ViewDirection next = ProbeSelection(window, window.GetSelectedBody(), 1, 0, 0);
    if (next != current) {
        window.SetTracking(false);
        CommandGroup step(LookToText(window, next), LookToText(window, current));
        step.Add(std::make_unique<SkyViewCommand>(context_, window, kViewBoth, next));
        CarryOut(window.GetCommandHistory(), std::move(step), nullptr);
    }
    // Turned to or already in view, the selection flashes so that the eye
    // finds it; the flash is no step.
    window.Highlight();
}

void SkyActions::LookToOrigin(SkyWindowCommands& window) {
    LookTo(window, ViewDirection{}, kViewBoth, 1, nullptr);
}

void SkyActions::LookStep(SkyWindowCommands& window, int direction) {
    const ViewDirection current = window.GetViewDirection();
    const double step = SkyLookStepSize(window.GetZoom());
    switch (direction) {
        case kLookDown: window.StepAltitude(-step); break;
        case kLookRight: window.StepAzimuth(step, true); break;
        case kLookLeft: window.StepAzimuth(step, false); break;
        case kLookUp: window.StepAltitude(step); break;
        default: return;
    }
    const ViewDirection next = window.GetViewDirection();
    window.SetViewDirection(current);
    LookTo(window, next, kViewBoth, 1, nullptr);
}

void SkyActions::LookToAltitude(SkyWindowCommands& window, double altitude, int afterHookArgument) {
    LookTo(window, ViewDirection{0.0, altitude}, kViewAltitude, afterHookArgument, nullptr);
}

void SkyActions::LookToAzimuth(SkyWindowCommands& window, double azimuth, int afterHookArgument) {
    LookTo(window, ViewDirection{azimuth, 0.0}, kViewAzimuth, afterHookArgument, nullptr);
}

void SkyActions::ChangeOptions(SkyWindowCommands& window, const SkyOptions& options,
                               std::int32_t fieldId, bool timeFlag, CompoundCommand* compound) {
    const SkyOptions current = window.GetOptions();
    SkyOptions merged = current;
    if (fieldId == kSkyOptionsWhole) {
        merged = options;
    } else if (!SkyOptionsCopyField(merged, fieldId, options)) {
        return;
    }
    if (SkyOptionsEqual(merged, current) && timeFlag == window.GetTimeFlag()) return;
    const String text(TXT("Change Sky Options"));
    CommandGroup step(text, text);
    step.Add(std::make_unique<ChangeSkyOptionsCommand>(context_, window, options, timeFlag, fieldId));
    if (merged.mapType != current.mapType) {
        window.SetTracking(false);
        step.Add(std::make_unique<SkyViewCommand>(context_, window, kViewBoth, ViewDirection{}));
    }
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SkyActions::SelectPair(SkyWindowCommands& window, const BodyIdentifier& body, int centreMode,
                            int first, int second, CompoundCommand* compound) {
    const BodyIdentifier oldBody = window.GetSelectedBody();
    const ViewDirection oldDirection = window.GetViewDirection();
    const ViewDirection next = ProbeSelection(window, body, centreMode, first, second);
    const bool bodyChanges = BodyIdentifierDiffers(body, oldBody);
    const bool directionChanges = next != oldDirection;
    if (!bodyChanges && !directionChanges) return;
    String redo, undo;
    if (bodyChanges && directionChanges) {
        redo = FormatPercent1(TXT("Select and Look to %"), body.name);
        undo = FormatPercent2(TXT("Select % and Look to %"), oldBody.name,
                              ReadableDirectionText(window, oldDirection));
    } else if (bodyChanges) {
        redo = FormatPercent1(TXT("Select %"), body.name);
        undo = FormatPercent1(TXT("Select %"), oldBody.name);
    } else {
        redo = FormatPercent1(TXT("Look to %"), body.name);
        undo = LookToText(window, oldDirection);
    }
    CommandGroup step(redo, undo);
    if (bodyChanges) step.Add(std::make_unique<SkySelectCommand>(context_, window, body));
    if (directionChanges) {
        window.SetTracking(false);
        step.Add(std::make_unique<SkyViewCommand>(context_, window, kViewBoth, next));
    }
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SkyActions::GoTo(SkyWindowCommands& window, const DateTime& dateTime, bool timeFlag,
                      std::int32_t changeKind, CompoundCommand* compound) {
    const DateTime current = window.GetDocument().GetTimeAndPlace().dateTime;
    const DateTime applied = ApplyDateTimeChange(current, dateTime, changeKind);
    if (DateTimeEqual(applied, current)) return;
    window.SetTracking(false);
    CommandGroup step(FormatPercent1(TXT("Go to %"), When(applied)),
                      FormatPercent1(TXT("Go to %"), When(current)));
    step.Add(std::make_unique<SkyGoToCommand>(context_, window, dateTime, changeKind, timeFlag));
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SkyActions::ShowAt(SkyWindowCommands& window, const BodyIdentifier& body,
                        const DateTime& dateTime, bool timeFlag) {
    SkyDocument& document = window.GetDocument();
    const TimeAndPlace own = document.GetTimeAndPlace();
    const bool ownFlag = document.GetTimeFlag();
    TimeAndPlace wanted = own;
    wanted.dateTime = dateTime;
    const bool momentChanges = !DateTimeSameMoment(wanted, own);
    const BodyIdentifier oldBody = window.GetSelectedBody();
    const ViewDirection oldDirection = window.GetViewDirection();
    document.SetDateTime(dateTime, timeFlag, false);
    // The window's picture still shows the old moment, so whether the body is
    // in view now says nothing about the new one: a new moment centres it.
    const ViewDirection next = ProbeSelection(window, body, momentChanges ? 2 : 1, 0, 0);
    document.SetDateTime(own.dateTime, ownFlag, false);
    const bool bodyChanges = BodyIdentifierDiffers(body, oldBody);
    const bool directionChanges = next != oldDirection;
    if (momentChanges || bodyChanges || directionChanges) {
        CommandGroup step(
            FormatPercent2(TXT("Show % at %"), body.name, When(dateTime)),
            FormatPercent2(TXT("Look to % at %"), ReadableDirectionText(window, oldDirection), When(own.dateTime)));
        if (momentChanges) {
            step.Add(std::make_unique<SkyGoToCommand>(context_, window, dateTime, kChangeWhole, timeFlag));
        }
        if (bodyChanges) step.Add(std::make_unique<SkySelectCommand>(context_, window, body));
        if (directionChanges) {
            window.SetTracking(false);
            step.Add(std::make_unique<SkyViewCommand>(context_, window, kViewBoth, next));
        }
        CarryOut(window.GetCommandHistory(), std::move(step), nullptr);
    }
    window.Highlight();
}

void SkyActions::RecordZoom(SkyWindowCommands& window, int zoom, int afterHookArgument) {
    CommandGroup step(FormatPercent1(TXT("Zoom to %"), Degrees(zoom)),
                      FormatPercent1(TXT("Zoom to %"), Degrees(window.GetZoom())));
    step.Add(std::make_unique<SkyZoomCommand>(context_, window, zoom));
    if (window.IsTracking()) {
        step.Add(std::make_unique<SkyViewCommand>(
            context_, window, kViewBoth, window.ComputeLookDirection(window.GetLookTarget(), zoom)));
    }
    CarryOut(window.GetCommandHistory(), std::move(step), nullptr, afterHookArgument);
}

void SkyActions::ZoomTo(SkyWindowCommands& window, int zoom, int afterHookArgument,
                        CompoundCommand* compound) {
    int minimum = kSkyZoomRangeMin, maximum = kSkyZoomRangeMax;
    window.GetZoomRange(minimum, maximum);
    if (zoom < minimum || zoom > maximum) {
        context_.scriptErrors.SetScriptErrorIfRunning(FormatPercent2(
            TXT("The zoom must be between % and % degrees"), NumberTextFromInt(minimum),
            NumberTextFromInt(maximum)));
        return;
    }
    if (compound) {
        compound->group.Add(std::make_unique<SkyZoomCommand>(context_, window, zoom));
        return;
    }
    if (zoom == window.GetZoom()) return;
    RecordZoom(window, zoom, afterHookArgument);
}

void SkyActions::ZoomStep(SkyWindowCommands& window, int steps, int direction, bool merge) {
    const int current = window.GetZoom();
    const int step = window.GetZoomStep();
    int minimum = kSkyZoomRangeMin, maximum = kSkyZoomRangeMax;
    window.GetZoomRange(minimum, maximum);
    int next = current;
    if (direction == 0) next = current - step * steps < minimum ? minimum : current - step * steps;
    if (direction == 1) next = current + step * steps > maximum ? maximum : current + step * steps;
    if (next == current) return;
    CommandGroup* last = merge ? window.GetCommandHistory().MergeableStep(CommandKind::SkyZoom, &window)
                               : nullptr;
    if (!last) {
        RecordZoom(window, next, 1);
        return;
    }
    auto* zoom = static_cast<SkyZoomCommand*>(last->FindCommand(CommandKind::SkyZoom, &window));
    if (zoom->NewZoom() == next) return;
    last->redoText = FormatPercent1(TXT("Zoom to %"), Degrees(next));
    zoom->SetNewZoom(next);
    window.SetZoom(next);
    if (window.IsTracking()) {
        const ViewDirection direction = window.ComputeLookDirection(window.GetLookTarget(), next);
        if (auto* view = static_cast<SkyViewCommand*>(last->FindCommand(CommandKind::SkyView, &window))) {
            view->SetNewDirection(direction);
        }
        window.SetViewDirection(direction);
    }
    window.RefreshDisplay();
}

void SkyActions::EndCompound(SkyWindowCommands& window, const String& text,
                             std::unique_ptr<CompoundCommand> holder, bool record) {
    corvinata::EndCompound(window.GetCommandHistory(), text, std::move(holder), record);
}

}  // namespace corvinata
