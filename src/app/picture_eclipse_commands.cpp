#include "app/picture_eclipse_commands.h"

#include "app/settings_records.h"
#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/text_format.h"
#include "catalog/quantity_values.h"

namespace corvinata {

namespace {

// The text by which a picture is named: its entry's description, or its
// file name when no installed pack holds it (any more).
String PictureName(const PicturePackList& packs, const PictureRef& ref) {
    const PictureEntry* entry = LookUpPicture(packs, ref);
    if (entry && !entry->description.IsEmpty()) return entry->description;
    return entry ? entry->fileName : ref.fileName;
}

// 360 / zoom: the degrees of longitude the map spans.
String ZoomText(int zoom) {
    String degrees;
    FormatDouble(360.0 / zoom, -6, degrees, false);
    return FormatPercent1(TXT("Zoom to %\u00B0"), degrees);
}

String When(const DateTime& moment) {
    return FormatDateTimeJoined(moment, kTimeToSecond, false, TXT(" "));
}

bool SamePoint(const MapPoint& a, const MapPoint& b) {
    return a.longitude == b.longitude && a.latitude == b.latitude;
}

template <class Window>
class WindowCommand : public UndoableCommand {
public:
    WindowCommand(const CommandContext& context, Window& window, std::int32_t event)
        : context_(context), window_(&window), event_(event) {}
    const void* Target() const override { return window_; }

protected:
    void Finish() {
        window_->GetCommandHistory().RecordChangedWindow(window_);
        BroadcastNotification(context_.hub, event_, 0, window_);
    }

    CommandContext context_;
    Window* window_;
    std::int32_t event_;
};

using PictureCommand = WindowCommand<PictureWindowCommands>;
using EclipseCommand = WindowCommand<EclipseWindowCommands>;

class ShowPictureCommand final : public CopyableCommand<ShowPictureCommand, PictureCommand> {
public:
    ShowPictureCommand(const CommandContext& c, PictureWindowCommands& w, const PictureRef& picture)
        : CopyableCommand(c, w, kEventPictureCommand), saved_(picture), new_(picture) {}
    CommandKind Kind() const override { return CommandKind::PictureShow; }
    void Execute() override {
        saved_ = window_->GetModel().CurrentRef();
        window_->GetModel().SetCurrent(new_);
        Finish();
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<ShowPictureCommand>(context_, *window_, saved_);
    }

private:
    PictureRef saved_;
    PictureRef new_;
};

class ChangePictureOptionsCommand final : public CopyableCommand<ChangePictureOptionsCommand, PictureCommand> {
public:
    ChangePictureOptionsCommand(const CommandContext& c, PictureWindowCommands& w, bool fit)
        : CopyableCommand(c, w, kEventPictureCommand), saved_(fit), new_(fit) {}
    CommandKind Kind() const override { return CommandKind::PictureOptions; }
    void Execute() override {
        saved_ = window_->GetFitToWindow();
        window_->ApplyOptions(new_);
        Finish();
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<ChangePictureOptionsCommand>(context_, *window_, saved_);
    }

private:
    bool saved_;
    bool new_;
};

class CheckEclipseDateCommand final : public CopyableCommand<CheckEclipseDateCommand, EclipseCommand> {
public:
    CheckEclipseDateCommand(const CommandContext& c, EclipseWindowCommands& w, const DateTime& date)
        : CopyableCommand(c, w, kEventSolarEclipseCommand), saved_(date), new_(date) {}
    CommandKind Kind() const override { return CommandKind::EclipseDate; }
    void Execute() override {
        saved_ = window_->GetDocument().Model().date;
        window_->SetEclipseDate(new_);
        Finish();
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<CheckEclipseDateCommand>(context_, *window_, saved_);
    }

private:
    DateTime saved_;
    DateTime new_;
};

class CenterEclipseMapCommand final : public CopyableCommand<CenterEclipseMapCommand, EclipseCommand> {
public:
    CenterEclipseMapCommand(const CommandContext& c, EclipseWindowCommands& w, const MapPoint& centre)
        : CopyableCommand(c, w, kEventSolarEclipseCommand), new_(centre) {}
    CommandKind Kind() const override { return CommandKind::EclipseCentre; }
    void Execute() override {
        saved_ = window_->GetCentre();
        window_->SetCentreLongitude(new_.longitude);
        window_->SetCentreLatitude(new_.latitude);
        Finish();
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<CenterEclipseMapCommand>(context_, *window_, saved_);
    }

private:
    MapPoint saved_{kEclipseUnset, kEclipseUnset};
    MapPoint new_;
};

class ZoomEclipseMapCommand final : public CopyableCommand<ZoomEclipseMapCommand, EclipseCommand> {
public:
    ZoomEclipseMapCommand(const CommandContext& c, EclipseWindowCommands& w, int zoom)
        : CopyableCommand(c, w, kEventSolarEclipseCommand), new_(zoom) {}
    CommandKind Kind() const override { return CommandKind::EclipseZoom; }
    void Execute() override {
        saved_ = window_->GetZoom();
        window_->SetZoom(new_);
        Finish();
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<ZoomEclipseMapCommand>(context_, *window_, saved_);
    }
    int NewZoom() const noexcept { return new_; }
    void SetNewZoom(int zoom) noexcept { new_ = zoom; }

private:
    int saved_ = -1;
    int new_;
};

class EclipseDetailsPointCommand final : public CopyableCommand<EclipseDetailsPointCommand, EclipseCommand> {
public:
    EclipseDetailsPointCommand(const CommandContext& c, EclipseWindowCommands& w,
                               const MapPoint& point, std::int32_t flags)
        : CopyableCommand(c, w, kEventSolarEclipseCommand), saved_(point), new_(point), flags_(flags) {}
    CommandKind Kind() const override { return CommandKind::EclipseDetailsPoint; }
    void Execute() override {
        saved_ = window_->GetDetailsPoint();
        MapPoint next = saved_;
        EclipseCommandHistory& history = window_->GetCommandHistory();
        if (flags_ & kDetailsLongitude) {
            next.longitude = new_.longitude;
            Note(history, history.longitudeBefore, history.longitudeAfter, saved_.longitude,
                 next.longitude);
        }
        if (flags_ & kDetailsLatitude) {
            next.latitude = new_.latitude;
            Note(history, history.latitudeBefore, history.latitudeAfter, saved_.latitude,
                 next.latitude);
        }
        window_->SetDetailsPoint(next);
        Finish();
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<EclipseDetailsPointCommand>(context_, *window_, saved_, flags_);
    }

private:
    static void Note(EclipseCommandHistory& history, double& before, double& after, double from,
                     double to) {
        history.flags |= 1;
        if (before == kEclipseUnset) before = from;
        after = to;
    }

    MapPoint saved_;
    MapPoint new_;
    std::int32_t flags_;
};

class EclipseDetailsCommand final : public CopyableCommand<EclipseDetailsCommand, EclipseCommand> {
public:
    EclipseDetailsCommand(const CommandContext& c, EclipseWindowCommands& w, const DateTime& time,
                          std::int32_t kind)
        : CopyableCommand(c, w, kEventSolarEclipseCommand), saved_(time), new_(time), kind_(kind) {}
    CommandKind Kind() const override { return CommandKind::EclipseDetailsTime; }
    void Execute() override {
        saved_ = window_->GetDetailsTime();
        window_->SetDetailsTime(ApplyDateTimeChange(saved_, new_, kind_));
        Finish();
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<EclipseDetailsCommand>(context_, *window_, saved_, kChangeWhole);
    }

private:
    DateTime saved_;
    DateTime new_;
    std::int32_t kind_;
};

}  // namespace

String FormatAnglePairText(const MapPoint& point) {
    const int style = DisplayFormatRequest().angleDegreeBase;
    String longitude, latitude;
    LongitudeValue(point.longitude, kWestPositive).Format(longitude, style, kToMinute, kAutomaticDecimals);
    LatitudeValue(point.latitude, kLatitudeHemisphereLetter)
        .Format(latitude, style, kToMinute, kAutomaticDecimals);
    return FormatPercent2(TXT("%/%"), longitude, latitude);
}

void PictureActions::ShowPicture(PictureWindowCommands& window, const PictureRef& picture,
                                 CompoundCommand* compound) {
    PictureDocument& model = window.GetModel();
    if (PictureRefEquals(picture, model.CurrentRef())) return;
    CommandGroup step(FormatPercent1(TXT("Show Picture of %"), PictureName(model.Packs(), picture)),
                      FormatPercent1(TXT("Show Picture of %"),
                                     PictureName(model.Packs(), model.CurrentRef())));
    step.Add(std::make_unique<ShowPictureCommand>(context_, window, picture));
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void PictureActions::ChangeOptions(PictureWindowCommands& window, bool fitToWindow,
                                   std::int32_t fieldId, CompoundCommand* compound) {
    if (fieldId != 0 && fieldId != kPictureFitField) return;
    if (fitToWindow == window.GetFitToWindow()) return;
    const String text(TXT("Change Picture Options"));
    CommandGroup step(text, text);
    step.Add(std::make_unique<ChangePictureOptionsCommand>(context_, window, fitToWindow));
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void PictureActions::EndCompound(PictureWindowCommands& window, const String& text,
                                 std::unique_ptr<CompoundCommand> holder, bool record) {
    corvinata::EndCompound(window.GetCommandHistory(), text, std::move(holder), record);
}

void SolarEclipseActions::CheckDate(EclipseWindowCommands& window, const DateTime& date,
                                    CompoundCommand* compound) {
    const DateTime& current = window.GetDocument().Model().date;
    if (date.year == current.year && date.month == current.month && date.day == current.day) return;
    String day;
    FormatDate(date, kDateToDay, day);
    CommandGroup step(FormatPercent1(TXT("Check for eclipse on %"), day),
                      FormatPercent1(TXT("Check for eclipse on %"), When(current)));
    step.Add(std::make_unique<CheckEclipseDateCommand>(context_, window, date));
    if (!SamePoint(window.GetCentre(), MapPoint{})) {
        step.Add(std::make_unique<CenterEclipseMapCommand>(context_, window, MapPoint{}));
    }
    if (window.GetZoom() != kEclipseZoomMin) {
        step.Add(std::make_unique<ZoomEclipseMapCommand>(context_, window, kEclipseZoomMin));
    }
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SolarEclipseActions::Center(EclipseWindowCommands& window, const MapPoint& centre,
                                 CompoundCommand* compound) {
    const MapPoint current = window.GetCentre();
    if (SamePoint(centre, current)) return;
    CommandGroup step(FormatPercent1(TXT("Center %"), FormatAnglePairText(centre)),
                      FormatPercent1(TXT("Center %"), FormatAnglePairText(current)));
    step.Add(std::make_unique<CenterEclipseMapCommand>(context_, window, centre));
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SolarEclipseActions::CentreAndZoom(EclipseWindowCommands& window, const MapPoint& centre,
                                        int zoom, const String& text, CompoundCommand* compound) {
    const MapPoint current = window.GetCentre();
    const bool centreChanges = !SamePoint(centre, current);
    const bool zoomChanges = zoom != window.GetZoom();
    if (!centreChanges && !zoomChanges) return;
    String undo;
    if (centreChanges) undo = FormatPercent1(TXT("Center %"), FormatAnglePairText(current));
    if (centreChanges && zoomChanges) StringAppend(undo, TXT(" and "));
    if (zoomChanges) StringAppend(undo, TXT("Zoom"));
    CommandGroup step(text, undo);
    if (centreChanges) step.Add(std::make_unique<CenterEclipseMapCommand>(context_, window, centre));
    if (zoomChanges) step.Add(std::make_unique<ZoomEclipseMapCommand>(context_, window, zoom));
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SolarEclipseActions::GoToSelectedLocation(EclipseWindowCommands& window,
                                               CompoundCommand* compound) {
    const MapPoint point = window.GetDetailsPoint();
    CentreAndZoom(window, point, kEclipseZoomMax,
                  FormatPercent1(TXT("Go to selected location (%)"), FormatAnglePairText(point)),
                  compound);
}

void SolarEclipseActions::GoToCentralPath(EclipseWindowCommands& window, CompoundCommand* compound) {
    if (!window.HasCentralPath()) return;
    const MapPoint centre = window.GetCentre();
    const int zoom = window.GetZoom();
    window.FitToCentralPath();
    const MapPoint target = window.GetCentre();
    const int targetZoom = window.GetZoom();
    window.SetCentreLongitude(centre.longitude);
    window.SetCentreLatitude(centre.latitude);
    window.SetZoom(zoom);
    CentreAndZoom(window, target, targetZoom, String(TXT("Go to the central path")), compound);
}

void SolarEclipseActions::ResetMap(EclipseWindowCommands& window) {
    CentreAndZoom(window, MapPoint{}, kEclipseZoomMin,
                  FormatPercent1(TXT("Reset the map to %"), FormatAnglePairText(MapPoint{})), nullptr);
}

void SolarEclipseActions::DisplayDetails(EclipseWindowCommands& window, const MapPoint& point,
                                         std::int32_t flags, CompoundCommand* compound) {
    const MapPoint current = window.GetDetailsPoint();
    MapPoint next = current;
    if (flags & kDetailsLongitude) next.longitude = point.longitude;
    if (flags & kDetailsLatitude) next.latitude = point.latitude;
    if (SamePoint(next, current)) return;
    CommandGroup step(FormatPercent1(TXT("Display details for %"), FormatAnglePairText(next)),
                      FormatPercent1(TXT("Display details for %"), FormatAnglePairText(current)));
    step.Add(std::make_unique<EclipseDetailsPointCommand>(context_, window, point, flags));
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SolarEclipseActions::DisplayDetailsForTime(EclipseWindowCommands& window, const DateTime& time,
                                                std::int32_t changeKind, CompoundCommand* compound) {
    const DateTime current = window.GetDetailsTime();
    const DateTime applied = ApplyDateTimeChange(current, time, changeKind);
    if (DateTimeEqual(applied, current)) return;
    CommandGroup step(FormatPercent1(TXT("Display details for %"), When(applied)),
                      FormatPercent1(TXT("Display details for %"), When(current)));
    step.Add(std::make_unique<EclipseDetailsCommand>(context_, window, time, changeKind));
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SolarEclipseActions::ZoomTo(EclipseWindowCommands& window, int zoom, CompoundCommand* compound) {
    if (zoom < kEclipseZoomMin || zoom > kEclipseZoomMax) {
        context_.scriptErrors.SetScriptErrorIfRunning(
            String(TXT("The zoom of the eclipse map must be between 1 and 5")));
        return;
    }
    const int current = window.GetZoom();
    if (zoom == current) return;
    CommandGroup step(ZoomText(zoom), ZoomText(current));
    step.Add(std::make_unique<ZoomEclipseMapCommand>(context_, window, zoom));
    CarryOut(window.GetCommandHistory(), std::move(step), compound);
}

void SolarEclipseActions::ZoomStep(EclipseWindowCommands& window, int steps, int direction, bool merge) {
    const int current = window.GetZoom();
    int next = direction == 1 ? current - steps : current + steps;
    if (next < kEclipseZoomMin) next = kEclipseZoomMin;
    if (next > kEclipseZoomMax) next = kEclipseZoomMax;
    if (next == current) return;
    CommandGroup* last =
        merge ? window.GetCommandHistory().MergeableStep(CommandKind::EclipseZoom, &window) : nullptr;
    if (!last) {
        ZoomTo(window, next, nullptr);
        return;
    }
    auto* zoom = static_cast<ZoomEclipseMapCommand*>(last->FindCommand(CommandKind::EclipseZoom, &window));
    if (zoom->NewZoom() == next) return;
    last->redoText = ZoomText(next);
    zoom->SetNewZoom(next);
    window.SetZoom(next);
    window.RefreshAfterMergedZoom();
}

void SolarEclipseActions::EndCompound(EclipseWindowCommands& window, const String& text,
                                      std::unique_ptr<CompoundCommand> holder, bool record) {
    corvinata::EndCompound(window.GetCommandHistory(), text, std::move(holder), record);
}

}  // namespace corvinata
