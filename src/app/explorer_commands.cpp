#include "app/explorer_commands.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/settings_records.h"
#include "base/date_time_text.h"
#include "base/text_format.h"

namespace corvinata {

namespace {

constexpr const Char* kJupiterMoons[] = {TXT("Io"), TXT("Europa"), TXT("Ganymede"), TXT("Callisto")};
constexpr const Char* kSaturnMoons[] = {TXT("Mimas"), TXT("Enceladus"), TXT("Tethys"),
                                        TXT("Dione"), TXT("Rhea"),      TXT("Titan"),
                                        TXT("Hyperion"), TXT("Iapetus")};

constexpr ExplorerKindTraits kJupiter{kJupiterExplorerWindow, 4, 3, kEventJupiterCommand,
                                      kJupiterMoons, TXT("Jupiter")};
constexpr ExplorerKindTraits kSaturn{kSaturnExplorerWindow, 8, 7, kEventSaturnCommand,
                                     kSaturnMoons, TXT("Saturn")};

std::uint32_t AllMoons(int count) noexcept { return (1u << count) - 1u; }

String When(const DateTime& moment) {
    return FormatDateTimeJoined(moment, kTimeToSecond, false, TXT(" "));
}

String FromAscii(const std::string& text) {
    std::basic_string<Char> wide(text.begin(), text.end());
    return String(wide.c_str());
}

class ExplorerCommand : public UndoableCommand {
public:
    ExplorerCommand(const CommandContext& context, ExplorerView& view)
        : context_(context), view_(&view) {}
    const void* Target() const override { return view_; }

protected:
    // A view change names the view for the panel; a time change sets the
    // history's time flag instead. Every change is told to the kind's
    // listeners.
    void Finish(bool viewChange) {
        if (viewChange) {
            view_->GetCommandHistory().RecordChangedWindow(view_);
        } else {
            view_->GetCommandHistory().timeChanged = true;
        }
        BroadcastNotification(context_.hub, view_->Traits().commandEvent, 0, view_);
    }

    CommandContext context_;
    ExplorerView* view_;
};

class ZoomLevelCommand final : public CopyableCommand<ZoomLevelCommand, ExplorerCommand> {
public:
    ZoomLevelCommand(const CommandContext& c, ExplorerView& v, int level, int previous = -1)
        : CopyableCommand(c, v), previous_(previous), level_(level) {}
    CommandKind Kind() const override { return CommandKind::ExplorerZoom; }
    void Execute() override {
        previous_ = view_->GetZoomLevel();
        view_->SetZoomLevel(level_);
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<ZoomLevelCommand>(context_, *view_, previous_);
    }
    int Level() const noexcept { return level_; }
    void SetLevel(int level) noexcept { level_ = level; }

private:
    int previous_;
    int level_;
};

class MoonVisibilityCommand final : public CopyableCommand<MoonVisibilityCommand, ExplorerCommand> {
public:
    MoonVisibilityCommand(const CommandContext& c, ExplorerView& v, int moon, bool shown)
        : CopyableCommand(c, v), moon_(moon), shown_(shown) {}
    void Execute() override {
        view_->SetMoonShown(moon_, shown_);
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<MoonVisibilityCommand>(context_, *view_, moon_, !shown_);
    }

private:
    int moon_;
    bool shown_;
};

class DisplayOptionsCommand final : public CopyableCommand<DisplayOptionsCommand, ExplorerCommand> {
public:
    DisplayOptionsCommand(const CommandContext& c, ExplorerView& v, std::int32_t which,
                          const ExplorerDisplayOptions& options)
        : CopyableCommand(c, v), previous_(options), new_(options), which_(which) {}
    void Execute() override {
        previous_ = view_->GetDisplayOptions();
        ExplorerDisplayOptions next = previous_;
        switch (which_) {
            case kExplorerOptionNames: next.showNames = new_.showNames; break;
            case kExplorerOptionOrbits: next.showOrbits = new_.showOrbits; break;
            case kExplorerOptionSwapEastWest: next.swapEastWest = new_.swapEastWest; break;
            case kExplorerOptionSwapNorthSouth: next.swapNorthSouth = new_.swapNorthSouth; break;
            case kExplorerOptionsWhole: next = new_; break;
            default: break;
        }
        view_->SetDisplayOptions(next);
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<DisplayOptionsCommand>(context_, *view_, which_, previous_);
    }

private:
    ExplorerDisplayOptions previous_;
    ExplorerDisplayOptions new_;
    std::int32_t which_;
};

class SelectMoonCommand final : public CopyableCommand<SelectMoonCommand, ExplorerCommand> {
public:
    SelectMoonCommand(const CommandContext& c, ExplorerView& v, int moon)
        : CopyableCommand(c, v), moon_(moon) {}
    CommandKind Kind() const override { return CommandKind::ExplorerSelect; }
    void Execute() override {
        previous_ = view_->GetSelectedMoon();
        view_->SelectMoon(moon_, false);
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SelectMoonCommand>(context_, *view_, previous_);
    }
    int Moon() const noexcept { return moon_; }

private:
    int previous_ = -1;
    int moon_;
};

class ExplorerTimeCommand final : public CopyableCommand<ExplorerTimeCommand, ExplorerCommand> {
public:
    ExplorerTimeCommand(const CommandContext& c, ExplorerView& v, std::int32_t part,
                        const DateTime& moment)
        : CopyableCommand(c, v), previous_(moment), target_(moment), part_(part) {}
    void Execute() override {
        ExplorerDocument& document = view_->GetDocument();
        previous_ = document.GetTimeAndPlace().dateTime;
        document.SetDateTime(ApplyDateTimeChange(previous_, target_, part_));
        Finish(false);
    }
    // Undoing a date-only or time-only step sets back only that part.
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<ExplorerTimeCommand>(context_, *view_, part_, previous_);
    }

private:
    DateTime previous_;
    DateTime target_;
    std::int32_t part_;
};

class TiltCommand final : public CopyableCommand<TiltCommand, ExplorerCommand> {
public:
    TiltCommand(const CommandContext& c, ExplorerView& v, int angle)
        : CopyableCommand(c, v), angle_(angle) {}
    void Execute() override {
        previous_ = view_->GetTiltAngle();
        view_->SetTiltAngle(angle_);
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<TiltCommand>(context_, *view_, previous_);
    }

private:
    int previous_ = 0;
    int angle_;
};

}  // namespace

const ExplorerKindTraits& JupiterExplorerTraits() noexcept { return kJupiter; }
const ExplorerKindTraits& SaturnExplorerTraits() noexcept { return kSaturn; }

bool operator==(const ExplorerDisplayOptions& a, const ExplorerDisplayOptions& b) noexcept {
    return a.showOrbits == b.showOrbits && a.showNames == b.showNames &&
           a.swapNorthSouth == b.swapNorthSouth && a.swapEastWest == b.swapEastWest;
}

ExplorerViewRecord NewExplorerViewRecord(const ExplorerKindTraits& traits) noexcept {
    ExplorerViewRecord record;
    record.zoomLevel = traits.highestZoom;
    record.selectedMoon = 0;
    record.tiltAngle = 0;
    record.visibility = AllMoons(traits.moonCount);
    return record;
}

ExplorerViewRecord SanitisedExplorerViewRecord(const ExplorerViewRecord& record,
                                               const ExplorerKindTraits& traits) noexcept {
    const ExplorerViewRecord fresh = NewExplorerViewRecord(traits);
    ExplorerViewRecord result = record;
    if (record.zoomLevel < 0 || record.zoomLevel > traits.highestZoom) result.zoomLevel = fresh.zoomLevel;
    if (record.selectedMoon < 0 || record.selectedMoon >= traits.moonCount) {
        result.selectedMoon = fresh.selectedMoon;
    }
    if (record.tiltAngle < -359 || record.tiltAngle > 359) result.tiltAngle = fresh.tiltAngle;
    result.visibility &= AllMoons(traits.moonCount);
    return result;
}

ExplorerView::ExplorerView(const ExplorerKindTraits& traits, ExplorerDocument& document)
    : traits_(traits), document_(document), visibility_(AllMoons(traits.moonCount)) {}

void ExplorerView::SetMoonShown(int index, bool shown) {
    if (index < 0 || index >= traits_.moonCount) return;
    const std::uint32_t bit = 1u << index;
    visibility_ = shown ? (visibility_ | bit) : (visibility_ & ~bit);
    InvalidatePicture();
}

void ExplorerView::SelectMoon(int index, bool widenZoom) {
    selected_ = index;
    if (widenZoom && zoom_ < index) zoom_ = index;
}

void ExplorerView::RotateTiltBy(int delta) {
    tilt_ = (tilt_ + delta) % 360;
    InvalidatePicture();
}

void ExplorerView::SetTiltAngle(int angle) {
    tilt_ = angle;
    InvalidatePicture();
}

ExplorerViewRecord ExplorerView::CaptureRecord() const {
    ExplorerViewRecord record;
    record.options = options_;
    record.zoomLevel = zoom_;
    record.selectedMoon = selected_;
    record.tiltAngle = tilt_;
    record.visibility = visibility_;
    return record;
}

void ExplorerView::ApplyRecord(const ExplorerViewRecord& stored) {
    const ExplorerViewRecord record = SanitisedExplorerViewRecord(stored, traits_);
    options_ = record.options;
    zoom_ = record.zoomLevel;
    selected_ = record.selectedMoon;
    tilt_ = record.tiltAngle;
    visibility_ = record.visibility;
    InvalidatePicture();
}

String ExplorerTiltText(int angle) {
    return FormatPercent1(TXT("Tilt to %\u00B0"), FromAscii(std::to_string(angle)));
}

String ExplorerActions::MoonName(int index) const {
    if (index < 0 || index >= traits_.moonCount) return String(TXT(""));
    return String(traits_.moonNames[index]);
}

void ExplorerActions::ZoomToSelected(ExplorerView& view) {
    const int old = view.GetZoomLevel();
    view.SelectMoon(view.GetSelectedMoon(), true);
    const int level = view.GetZoomLevel();
    view.SetZoomLevel(old);
    if (level != old) {
        CommandGroup step(FormatPercent1(TXT("Zoom to %"), MoonName(view.GetSelectedMoon())),
                          FormatPercent1(TXT("Zoom to %"), MoonName(old)));
        step.Add(std::make_unique<ZoomLevelCommand>(context_, view, level));
        CarryOut(view.GetCommandHistory(), std::move(step), nullptr);
    }
    view.StartViewTransition();
}

void ExplorerActions::ShowHideMoon(ExplorerView& view, int moon, bool show, CompoundCommand* compound) {
    if (moon < 0 || moon >= traits_.moonCount) return;
    if (view.IsMoonShown(moon) == show) return;
    CommandGroup step(FormatPercent1(show ? TXT("Show %") : TXT("Hide %"), MoonName(moon)),
                      FormatPercent1(show ? TXT("Hide %") : TXT("Show %"), MoonName(moon)));
    step.Add(std::make_unique<MoonVisibilityCommand>(context_, view, moon, show));
    CarryOut(view.GetCommandHistory(), std::move(step), compound);
}

void ExplorerActions::ChangeDisplayOptions(ExplorerView& view, const ExplorerDisplayOptions& options,
                                           std::int32_t which, CompoundCommand* compound) {
    if (options == view.GetDisplayOptions()) return;
    const String text(TXT("Change Planet Explorer Options"));
    CommandGroup step(text, text);
    step.Add(std::make_unique<DisplayOptionsCommand>(context_, view, which, options));
    CarryOut(view.GetCommandHistory(), std::move(step), compound);
}

void ExplorerActions::SelectMoonStep(ExplorerView& view, int moon, CompoundCommand* compound) {
    if (moon < 0 || moon >= traits_.moonCount || moon == view.GetSelectedMoon()) return;
    CommandGroup step(FormatPercent1(TXT("Select %"), MoonName(moon)),
                      FormatPercent1(TXT("Select %"), MoonName(view.GetSelectedMoon())));
    step.Add(std::make_unique<SelectMoonCommand>(context_, view, moon));
    CarryOut(view.GetCommandHistory(), std::move(step), compound);
}

void ExplorerActions::GoTo(ExplorerView& view, const DateTime& moment, std::int32_t part,
                           CompoundCommand* compound, bool refreshPanel, bool record) {
    const DateTime current = view.GetDocument().GetTimeAndPlace().dateTime;
    const DateTime applied = ApplyDateTimeChange(current, moment, part);
    // A change that leaves the moment as it is records nothing.
    if (DateTimeEqual(applied, current)) return;
    CommandGroup step(FormatPercent1(TXT("Go to %"), When(applied)),
                      FormatPercent1(TXT("Go to %"), When(current)));
    step.Add(std::make_unique<ExplorerTimeCommand>(context_, view, part, moment));
    CarryOut(view.GetCommandHistory(), std::move(step), compound, refreshPanel ? 1 : 0, record);
}

void ExplorerActions::EndCompoundCommand(ExplorerView& view, const String& text,
                                         std::unique_ptr<CompoundCommand> holder, bool refreshPanel) {
    if (!holder || holder->group.IsEmpty()) return;
    holder->group.redoText = text;
    holder->group.undoText = text;
    view.GetCommandHistory().PerformCommand(holder->group, refreshPanel ? 1 : 0, true);
}

void ExplorerActions::RotateTilt(ExplorerView& view, int delta) {
    const int old = view.GetTiltAngle();
    view.RotateTiltBy(delta);
    const int angle = view.GetTiltAngle();
    view.SetTiltAngle(old);
    TiltTo(view, angle, nullptr);
}

void ExplorerActions::TiltTo(ExplorerView& view, int angle, CompoundCommand* compound) {
    if (angle == view.GetTiltAngle()) return;
    CommandGroup step(ExplorerTiltText(angle), ExplorerTiltText(view.GetTiltAngle()));
    step.Add(std::make_unique<TiltCommand>(context_, view, angle));
    CarryOut(view.GetCommandHistory(), std::move(step), compound);
}

void ExplorerActions::ZoomStep(ExplorerView& view, int steps, bool outward, bool merge) {
    const int current = view.GetZoomLevel();
    const int next = outward ? std::min(current + steps, traits_.highestZoom) : std::max(current - steps, 0);
    if (next == current) return;
    CommandGroup* last =
        merge ? view.GetCommandHistory().MergeableStep(CommandKind::ExplorerZoom, &view) : nullptr;
    if (!last) {
        ZoomToLevel(view, next, true, nullptr);
        return;
    }
    auto* zoom = static_cast<ZoomLevelCommand*>(&last->CommandAt(last->Count() - 1));
    if (zoom->Kind() != CommandKind::ExplorerZoom || zoom->Level() == next) return;
    zoom->SetLevel(next);
    last->redoText = FormatPercent1(TXT("Zoom to %"), MoonName(next));
    view.SetZoomLevel(next);
    view.RefreshWindow(0);
}

void ExplorerActions::ZoomToLevel(ExplorerView& view, int level, bool refreshPanel,
                                  CompoundCommand* compound) {
    const int current = view.GetZoomLevel();
    if (level == current || level < 0 || level > traits_.highestZoom) return;
    CommandGroup step(FormatPercent1(TXT("Zoom to %"), MoonName(level)),
                      FormatPercent1(TXT("Zoom to %"), MoonName(current)));
    step.Add(std::make_unique<ZoomLevelCommand>(context_, view, level));
    CarryOut(view.GetCommandHistory(), std::move(step), compound, refreshPanel ? 1 : 0);
}

void ExplorerActions::SelectAndWidenZoom(ExplorerView& view, int moon) {
    if (moon < 0 || moon >= traits_.moonCount) return;
    const int current = view.GetZoomLevel();
    const int level = std::max(current, moon);
    if (level == current) return;
    CommandGroup* last = view.GetCommandHistory().MergeableStep(CommandKind::ExplorerSelect, &view);
    const auto* select = last ? static_cast<const SelectMoonCommand*>(&last->CommandAt(0)) : nullptr;
    if (!select || select->Moon() != moon || view.GetSelectedMoon() != moon) {
        ZoomToLevel(view, level, true, nullptr);
        return;
    }
    // The click before the double-click recorded the selection: the zoom joins
    // that step, with the level before it to return to.
    last->Add(std::make_unique<ZoomLevelCommand>(context_, view, level, current));
    view.SetZoomLevel(level);
    view.RefreshWindow(0);
}

ExplorerDisplayRect LayOutExplorerDisplay(int clientWidth, int clientHeight, double aspect) noexcept {
    if (!(aspect > 0.0) || clientWidth <= 0 || clientHeight <= 0) return {0, 0, 0, 0};
    const int width = std::min(clientWidth, static_cast<int>(clientHeight / aspect));
    const int height = std::min(clientHeight, static_cast<int>(width * aspect));
    return {(clientWidth - width) / 2, (clientHeight - height) / 2, width, height};
}

}  // namespace corvinata
