#include "automation/application_script_host.h"

#include <cmath>

#include "app/explorer_commands.h"
#include "app/graph_commands.h"
#include "app/picture_eclipse_commands.h"
#include "app/settings_records.h"
#include "app/sky_commands.h"
#include "app/solar_system_commands.h"
#include "base/colour_table.h"
#include "base/date_time_text.h"
#include "base/text_format.h"
#include "catalog/catalogue_registry.h"
#include "catalog/town_table.h"
#include "documents/graph_document.h"
#include "script/clause_runners.h"
#include "script/script_catalogue.h"
#include "script/script_expression.h"
#include "views/graph_view.h"
#include "views/sky_view.h"

namespace corvinata {

namespace {

ApplicationScriptHost* g_scriptHost = nullptr;

constexpr int kLastGuideLinePosition = 365;

String DateTimeText(const DateTime& moment) {
    return FormatDateTimeJoined(moment, kTimeToMinute, false, TXT(" "));
}

String StepText(const TimeStep& step) {
    String text;
    FormatTimeStepText(step, text);
    return text;
}

String NonPositiveStepText(const TimeStep& step) {
    return FormatPercent1(TXT("The time step (%) must be positive"), StepText(step));
}

// Year, month, day and hours, the time system ignored.
double MomentKey(const DateTime& moment) {
    return ((std::abs(static_cast<double>(moment.year)) * 100.0 + moment.month) * 100.0 + moment.day) * 100.0 +
           moment.hours;
}

bool SameMoment(const DateTime& a, const DateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hours == b.hours &&
           a.timeSystem == b.timeSystem;
}

// A window's moment at a script's time of day: the hours on the same day,
// which the change kind says alone change; or for 24 h the midnight that
// ends the day, 0 h of the next one, when the date changes as well.
struct TimeOfDayChange {
    DateTime moment;
    std::int32_t kind;
};
TimeOfDayChange WithHours(DateTime moment, double hours) {
    moment.hours = hours;
    if (hours < 24.0) return {moment, kChangeTimeOfDay};
    CarryDayEnd(moment);
    return {moment, kChangeWhole};
}

// The moment moved by the step, backward for a retreat; false when the
// result leaves the valid dates (nothing is asked then, and it is no error).
bool Advanced(DateTime& moment, bool forward, TimeStep step) {
    if (!forward) step.count = -step.count;
    return AddDateTimeInterval(moment, step);
}

const Char kStepTooLarge[] = TXT("The step value would cause the date to become too large");

}  // namespace

String ScriptErrorBoxText(const String& error) {
    return FormatPercent1(TXT("The script contains an error that resulted in the following message:\r\n\r\n\"%\"."
                              "\r\n\r\nCorvinata will now stop executing the script."),
                          error);
}

int EclipseZoomLevel(int percent) noexcept {
    const double level = kEclipseZoomMin + (kEclipseZoomMax - kEclipseZoomMin) * percent / 100.0;
    return static_cast<int>(std::round(level));
}

int SkyDeepSkyNameSystem(int scriptValue) noexcept {
    // Script: proper, ngcic, messier, caldwell, herschel400, none. Option:
    // proper, Caldwell, Herschel 400, Messier, NGC/IC, none.
    constexpr int kByScriptValue[] = {0, 4, 3, 1, 2, 5};
    return scriptValue >= 0 && scriptValue < 6 ? kByScriptValue[scriptValue] : 5;
}

bool CompleteScriptLocation(Location& place, String& error) {
    if (place.town.IsEmpty()) {
        place.town = TXT("(Unnamed town)");
        place.country = TXT("(Unnamed country)");
        return true;
    }
    const int town = FindTownIndex(place.country.Text(), place.town.Text());
    Location found;
    LocationInit(found);
    if (town < 0 || !TownLocation(town, found)) {
        error = FormatPercent2(TXT("Town '%', country '%' is not a known location"), place.town, place.country);
        return false;
    }
    place = found;
    return true;
}

ApplicationScriptHost::ApplicationScriptHost(Application& app, ScriptWindowServices& windows)
    : app_(app), windows_(windows) {
    g_scriptHost = this;
}

ApplicationScriptHost::~ApplicationScriptHost() {
    if (g_scriptHost == this) g_scriptHost = nullptr;
}

ApplicationScriptHost* GetApplicationScriptHost() noexcept { return g_scriptHost; }

// --- The run -------------------------------------------------------------

void ApplicationScriptHost::SetScriptRunning(bool running) { app_.SetScriptRunning(running); }

void ApplicationScriptHost::ClearScriptError() { app_.RecordScriptError(String()); }

String ApplicationScriptHost::GetScriptError() const { return app_.ScriptError(); }

void ApplicationScriptHost::SetScriptError(const String& text) { app_.RecordScriptError(text); }

void ApplicationScriptHost::ScriptEnded(bool pausedOnLast) {
    if (pausedOnLast) {
        if (lesson_ != nullptr) lesson_->ShowLessonEnded();
    } else {
        CloseRunLessonWindow();
    }
}

void ApplicationScriptHost::ScriptFailed(const ScriptRunFailure& failure) {
    // A step a failed statement left open is never recorded.
    step_.reset();
    windows_.ShowScriptErrorBox(ScriptErrorBoxText(failure.message));
    CloseRunLessonWindow();
}

void ApplicationScriptHost::CloseRunLessonWindow() {
    if (lesson_ == nullptr) return;
    lesson_->CloseLessonWindow();
    lesson_->EnableEducatorCommand();
}

// --- Statements ----------------------------------------------------------

ScriptWindowTarget ApplicationScriptHost::Find(const String& window, int kind) {
    String error;
    ScriptWindowTarget target = names_.Find(windows_, window, kind, error);
    if (!target.IsOpen()) SetScriptError(error);
    return target;
}

ScriptWindowTarget ApplicationScriptHost::FindExplorer(const String& window) {
    ScriptWindowTarget target = Find(window, -1);
    if (target.IsOpen() && target.kind != kJupiterExplorerWindow && target.kind != kSaturnExplorerWindow) {
        SetScriptError(WrongWindowKindText(window));
        return {};
    }
    return target;
}

bool ApplicationScriptHost::FindWindow(const String& window, WindowKind kind) {
    return Find(window, kind).IsOpen();
}

bool ApplicationScriptHost::Open(const String& window, WindowKind kind) {
    const std::uint32_t number = windows_.NewWindow(kind);
    if (number == 0) {
        SetScriptError(FormatPercent1(TXT("The window '%' could not be opened"), window));
        return false;
    }
    names_.Remember(window, number);
    return true;
}

bool ApplicationScriptHost::OpenGraph(const String& window, const String& filePath) {
    if (filePath.IsEmpty()) return Open(window, kGraphWindow);
    String error;
    const std::uint32_t number = windows_.OpenGraphFile(filePath, error);
    if (number == 0) {
        SetScriptError(error);
        return false;
    }
    names_.Remember(window, number);
    return true;
}

bool ApplicationScriptHost::OpenJupiter(const String& window) { return Open(window, kJupiterExplorerWindow); }
bool ApplicationScriptHost::OpenSaturn(const String& window) { return Open(window, kSaturnExplorerWindow); }
bool ApplicationScriptHost::OpenPicture(const String& window) { return Open(window, kPictureWindow); }
bool ApplicationScriptHost::OpenSolarEclipse(const String& window) { return Open(window, kSolarEclipseWindow); }
bool ApplicationScriptHost::OpenSky(const String& window) { return Open(window, kSkyWindow); }
bool ApplicationScriptHost::OpenSolarSystem(const String& window) { return Open(window, kSolarSystemWindow); }

bool ApplicationScriptHost::CloseWindow(const String& window) {
    if (!Find(window, -1).IsOpen()) return false;
    windows_.CloseWindow(names_.NumberOf(window));
    return true;
}

bool ApplicationScriptHost::ActivateWindow(const String& window) {
    if (!Find(window, -1).IsOpen()) return false;
    windows_.ActivateWindow(names_.NumberOf(window));
    return true;
}

bool ApplicationScriptHost::SetWindowPosition(const String& window, int x, int y) {
    if (!Find(window, -1).IsOpen()) return false;
    windows_.MoveWindow(names_.NumberOf(window), x, y);
    return true;
}

bool ApplicationScriptHost::ShowScriptMessage(const String& text) {
    return lesson_ != nullptr && lesson_->ShowLessonMessage(text);
}

bool ApplicationScriptHost::SetEducatorPosition(int x, int y) {
    if (lesson_ != nullptr) lesson_->PlaceLessonWindow(x, y);
    return true;
}

bool ApplicationScriptHost::StartEventSearch(const ScriptEventSearch& search) {
    if (SameMoment(search.begin, search.end) || MomentKey(search.begin) > MomentKey(search.end)) {
        SetScriptError(FormatPercent2(TXT("The begin date (%) must be earlier than the end date (%)"),
                                      DateTimeText(search.begin), DateTimeText(search.end)));
        return false;
    }
    if (search.step.count <= 0) {
        SetScriptError(NonPositiveStepText(search.step));
        return false;
    }
    // A program read from a file or handed over by a client may carry any
    // text here: one that is no search would run through the whole range
    // and find nothing, as if it had succeeded.
    ScriptExpression expression(search.code.Text());
    const ObjectModelScriptCatalogue catalogue;
    int searchKind = 0;
    if (!CompileSearchExpression(searchKind, expression, catalogue)) {
        SetScriptError(expression.message);
        return false;
    }
    Location place = search.location;
    String error;
    if (!CompleteScriptLocation(place, error)) {
        SetScriptError(error);
        return false;
    }
    const events::SearchSetup setup = events::SearchSetupFor(search.begin, search.end, search.step, search.daylightSaving);
    events::EventCondition condition;
    condition.isPredefined = false;
    condition.isUserExpression = true;
    condition.searchExpression = search.code;
    windows_.StartEventFinderSearch(setup, condition, place);
    return true;
}

bool ApplicationScriptHost::ApplyApplicationSettings(const ApplicationScriptSettings& settings) {
    DateTimeLocation value = app_.Current().GetTimeAndLocation();
    if (settings.date) {
        value.dateTime.year = settings.date->year;
        value.dateTime.month = settings.date->month;
        value.dateTime.day = settings.date->day;
    }
    if (settings.hours) {
        value.dateTime.hours = *settings.hours;
        // 24:00 is the midnight that ends the day the statement names, or
        // the current day when it names none.
        CarryDayEnd(value.dateTime);
    }
    bool placeKnown = true;
    if (settings.location) {
        Location place = *settings.location;
        String error;
        placeKnown = CompleteScriptLocation(place, error);
        if (placeKnown) {
            LocationAssign(value.location, place);
        } else {
            SetScriptError(error);
        }
    }
    if (settings.daylightSaving) value.daylightSaving = *settings.daylightSaving;
    DateTimeOptions& time = app_.Options().time;
    if (settings.date || settings.hours) {
        time.userDefined = true;
        time.userTime = value.dateTime;
    }
    if (settings.daylightSaving) time.userDaylightSaving = *settings.daylightSaving;
    if (settings.realTimeClock) time.clockActive = *settings.realTimeClock;
    const bool starsFixed = settings.starsStationary ? *settings.starsStationary : app_.GetStarsFixed();
    if (placeKnown) app_.Current().SetTimeAndLocationWithZone(value, starsFixed);
    // The application's one clock and its one timer.
    app_.Clock().FollowClockOption();
    return placeKnown;
}

// --- Clause batches ------------------------------------------------------

CompoundCommand* ApplicationScriptHost::Step() {
    if (!step_) step_ = BeginCompoundCommand();
    return step_.get();
}

std::unique_ptr<CompoundCommand> ApplicationScriptHost::TakeStepForEnd() {
    std::unique_ptr<CompoundCommand> step = std::move(step_);
    // A statement whose clause failed leaves its window as it was.
    if (!GetScriptError().IsEmpty()) step.reset();
    return step;
}

bool ApplicationScriptHost::BeginGraphClauses() {
    step_ = BeginCompoundCommand();
    return true;
}

bool ApplicationScriptHost::EndGraphClauses(const String& window, const String& statement, bool) {
    std::unique_ptr<CompoundCommand> step = TakeStepForEnd();
    const ScriptWindowTarget target = Find(window, kGraphWindow);
    if (!target.IsOpen()) return false;
    if (step) app_.GetGraphActions().EndCompound(*target.graph, ScriptStepLabel(statement), std::move(step), true);
    return true;
}

bool ApplicationScriptHost::BeginExplorerClauses(const String& window) {
    if (!FindExplorer(window).IsOpen()) return false;
    step_ = BeginCompoundCommand();
    explorerFollowUp_ = false;
    return true;
}

bool ApplicationScriptHost::EndExplorerClauses(const String& window, const String& statement, bool) {
    std::unique_ptr<CompoundCommand> step = TakeStepForEnd();
    const ScriptWindowTarget target = FindExplorer(window);
    if (!target.IsOpen()) return false;
    if (target.explorer == nullptr || target.explorerActions == nullptr) return true;
    if (step) {
        target.explorerActions->EndCompoundCommand(*target.explorer, ScriptStepLabel(statement), std::move(step),
                                                   true);
    }
    if (explorerFollowUp_) target.explorer->StartViewTransition();
    return true;
}

bool ApplicationScriptHost::BeginPictureClauses() {
    step_ = BeginCompoundCommand();
    return true;
}

bool ApplicationScriptHost::EndPictureClauses(const String& window, const String& statement, bool) {
    std::unique_ptr<CompoundCommand> step = TakeStepForEnd();
    const ScriptWindowTarget target = Find(window, kPictureWindow);
    if (!target.IsOpen()) return false;
    if (step) {
        app_.GetPictureActions().EndCompound(*target.picture, ScriptStepLabel(statement), std::move(step), true);
    }
    return true;
}

bool ApplicationScriptHost::BeginSolarEclipseClauses() {
    step_ = BeginCompoundCommand();
    return true;
}

bool ApplicationScriptHost::EndSolarEclipseClauses(const String& window, const String& statement, bool) {
    std::unique_ptr<CompoundCommand> step = TakeStepForEnd();
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    if (step) {
        app_.GetSolarEclipseActions().EndCompound(*target.eclipse, ScriptStepLabel(statement), std::move(step),
                                                  true);
    }
    return true;
}

bool ApplicationScriptHost::BeginSkyClauses() {
    step_ = BeginCompoundCommand();
    skyFollowUp_ = false;
    return true;
}

bool ApplicationScriptHost::EndSkyClauses(const String& window, const String& statement, bool) {
    std::unique_ptr<CompoundCommand> step = TakeStepForEnd();
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    if (step) app_.GetSkyActions().EndCompound(*target.sky, ScriptStepLabel(statement), std::move(step), true);
    if (skyFollowUp_) target.sky->Highlight();
    return true;
}

bool ApplicationScriptHost::BeginSolarSystemClauses() {
    step_ = BeginCompoundCommand();
    solarSystemFollowUp_ = false;
    return true;
}

bool ApplicationScriptHost::EndSolarSystemClauses(const String& window, const String& statement, bool) {
    std::unique_ptr<CompoundCommand> step = TakeStepForEnd();
    const ScriptWindowTarget target = Find(window, kSolarSystemWindow);
    if (!target.IsOpen()) return false;
    if (step) {
        app_.GetSolarSystemActions().EndCompound(*target.solarSystem, ScriptStepLabel(statement), std::move(step),
                                                 true);
    }
    if (solarSystemFollowUp_) target.solarSystem->Highlight();
    return true;
}

// --- Graph ---------------------------------------------------------------

template <class Change>
bool ApplicationScriptHost::GraphOptions(const String& window, std::int32_t field, Change change) {
    const ScriptWindowTarget target = Find(window, kGraphWindow);
    if (!target.IsOpen()) return false;
    TimeAndLocation options = target.graph->GetDocument().Options();
    if (!change(options)) return false;
    app_.GetGraphActions().ChangeOptions(*target.graph, options, field, target.graph->IsGuideLineShown(), Step());
    return true;
}

bool ApplicationScriptHost::GraphAddLine(const String& window, const String& name, const String& code,
                                         const String& colour) {
    const ScriptWindowTarget target = Find(window, kGraphWindow);
    if (!target.IsOpen()) return false;
    const ColourEntry* entry = FindColourByName(colour.Text());
    if (entry == nullptr) {
        SetScriptError(FormatPercent1(TXT("'%' is not a valid colour"), colour));
        return false;
    }
    GraphLine line;
    line.name = name;
    const Catalogue* suns = CatalogueByType(kBodySun);
    line.SetBody(BodyIdentifierFromObject(suns != nullptr ? suns->CatalogueGetObjectAt(0) : nullptr));
    line.SetExpression(code);
    line.scriptEdited = true;
    line.colour = entry->code;
    target.graph->GetDocument().ComputeGraphValues(line);
    app_.GetGraphActions().InsertLine(*target.graph, line, Step());
    return true;
}

bool ApplicationScriptHost::GraphLinesVisible(const String& window, const LineNameList& names, bool visible) {
    const ScriptWindowTarget target = Find(window, kGraphWindow);
    if (!target.IsOpen()) return false;
    GraphDocument& graph = target.graph->Graph();
    for (int i = 0; i < graph.LineCount(); ++i) {
        const GraphLine* line = graph.GetGraphLine(i);
        bool named = false;
        for (const String& name : names) named = named || line->name == name;
        if (!named) continue;
        GraphLine changed = *line;
        changed.SetVisibleInControlPanel(visible);
        changed.SetVisibleInGraph(visible);
        app_.GetGraphActions().EditLine(*target.graph, i, changed, false, Step());
    }
    return true;
}

bool ApplicationScriptHost::GraphHideLinesByName(const String& window, const LineNameList& names) {
    return GraphLinesVisible(window, names, false);
}

bool ApplicationScriptHost::GraphShowLinesByName(const String& window, const LineNameList& names) {
    return GraphLinesVisible(window, names, true);
}

bool ApplicationScriptHost::GraphSetBeginDate(const String& window, const DateTime& begin) {
    return GraphOptions(window, kBeginDateField, [&](TimeAndLocation& options) {
        // A fixed end recounts the range; a moving end moves with the begin
        // and must stay within the valid years.
        if (!TimeAndLocationSetBeginDate(options, begin, true)) {
            SetScriptError(String(kStepTooLarge));
            return false;
        }
        return true;
    });
}

bool ApplicationScriptHost::GraphSetDst(const String& window, bool on) {
    return GraphOptions(window, kDaylightSavingField, [&](TimeAndLocation& options) {
        options.daylightSaving = on;
        return true;
    });
}

bool ApplicationScriptHost::GraphSetGuideLine(const String& window, int position) {
    const ScriptWindowTarget target = Find(window, kGraphWindow);
    if (!target.IsOpen()) return false;
    if (position < 0 || position > kLastGuideLinePosition) {
        SetScriptError(FormatPercent1(TXT("The guide line position must be a number from 0 to %"),
                                      NumberTextFromInt(kLastGuideLinePosition)));
        return false;
    }
    windows_.SetGraphGuideLine(*target.graph, position);
    return true;
}

bool ApplicationScriptHost::GraphSetLocation(const String& window, const Location& location) {
    return GraphOptions(window, kLocationField, [&](TimeAndLocation& options) {
        Location place = location;
        String error;
        if (!CompleteScriptLocation(place, error)) {
            SetScriptError(error);
            return false;
        }
        LocationAssign(options.location, place);
        return true;
    });
}

bool ApplicationScriptHost::GraphSetStep(const String& window, const TimeStep& step) {
    const ScriptWindowTarget target = Find(window, kGraphWindow);
    if (!target.IsOpen()) return false;
    if (step.count <= 0) {
        SetScriptError(NonPositiveStepText(step));
        return false;
    }
    TimeAndLocation options = target.graph->GetDocument().Options();
    if (!TimeAndLocationSetStep(options, step.unit, step.count)) {
        SetScriptError(String(kStepTooLarge));
        return false;
    }
    // The end is released, then the range set: each change one field, so
    // that the statement's other changes of the record stand.
    GraphActions& actions = app_.GetGraphActions();
    const bool guide = target.graph->IsGuideLineShown();
    options.endFixed = false;
    actions.ChangeOptions(*target.graph, options, kEndFixedField, guide, Step());
    actions.ChangeOptions(*target.graph, options, kRangeField, guide, Step());
    return true;
}

bool ApplicationScriptHost::GraphSetXAxisLabel(const String& window, const TimeStep& step) {
    return GraphOptions(window, kXAxisLabelStepField, [&](TimeAndLocation& options) {
        options.xAxisLabelStep = step;
        return true;
    });
}

bool ApplicationScriptHost::GraphSetXAxisMark(const String& window, const TimeStep& step) {
    return GraphOptions(window, kXAxisMarkStepField, [&](TimeAndLocation& options) {
        options.xAxisMarkStep = step;
        return true;
    });
}

bool ApplicationScriptHost::GraphSetYAxisFrom(const String& window, int value) {
    return GraphOptions(window, kYAxisMinField, [&](TimeAndLocation& options) {
        options.yAxisMin = value;
        return true;
    });
}

bool ApplicationScriptHost::GraphSetYAxisTo(const String& window, int value) {
    return GraphOptions(window, kYAxisMaxField, [&](TimeAndLocation& options) {
        options.yAxisMax = value;
        return true;
    });
}

// --- Explorers -----------------------------------------------------------

namespace {

bool IsExplorer(const ScriptWindowTarget& target) {
    return target.explorer != nullptr && target.explorerActions != nullptr;
}

}  // namespace

bool ApplicationScriptHost::ExplorerGoTo(const String& window, const DateTime& moment, std::int32_t part) {
    const ScriptWindowTarget target = FindExplorer(window);
    if (!target.IsOpen()) return false;
    if (IsExplorer(target)) target.explorerActions->GoTo(*target.explorer, moment, part, Step(), true);
    return true;
}

bool ApplicationScriptHost::ExplorerAdvanceTime(const String& window, bool forward, const TimeStep& step) {
    const ScriptWindowTarget target = FindExplorer(window);
    if (!target.IsOpen()) return false;
    if (!IsExplorer(target)) return true;
    DateTime moment = target.explorer->GetDocument().GetTimeAndPlace().dateTime;
    if (Advanced(moment, forward, step)) {
        target.explorerActions->GoTo(*target.explorer, moment, kChangeWhole, Step(), true);
    }
    return true;
}

bool ApplicationScriptHost::ExplorerMoons(const String& window, const MoonList& moons, bool show) {
    const ScriptWindowTarget target = FindExplorer(window);
    if (!target.IsOpen()) return false;
    if (!IsExplorer(target)) return true;
    for (const CelestialObject* moon : moons) {
        if (moon != nullptr) target.explorerActions->ShowHideMoon(*target.explorer, moon->Number(), show, Step());
    }
    return true;
}

bool ApplicationScriptHost::ExplorerHideMoonsByName(const String& window, const MoonList& moons) {
    return ExplorerMoons(window, moons, false);
}

bool ApplicationScriptHost::ExplorerShowMoonsByName(const String& window, const MoonList& moons) {
    return ExplorerMoons(window, moons, true);
}

bool ApplicationScriptHost::ExplorerSelect(const String& window, const CelestialObject& moon, bool highlight) {
    const ScriptWindowTarget target = FindExplorer(window);
    if (!target.IsOpen()) return false;
    if (!IsExplorer(target)) return true;
    target.explorerActions->SelectMoonStep(*target.explorer, moon.Number(), Step());
    if (highlight) explorerFollowUp_ = true;
    return true;
}

bool ApplicationScriptHost::ExplorerSetDate(const String& window, const DateTime& date) {
    return ExplorerGoTo(window, date, kChangeDate);
}

bool ApplicationScriptHost::ExplorerSetTime(const String& window, double hours) {
    const ScriptWindowTarget target = FindExplorer(window);
    if (!target.IsOpen()) return false;
    if (!IsExplorer(target)) return true;
    const TimeOfDayChange change = WithHours(target.explorer->GetDocument().GetTimeAndPlace().dateTime, hours);
    target.explorerActions->GoTo(*target.explorer, change.moment, change.kind, Step(), true);
    return true;
}

template <class Change>
bool ApplicationScriptHost::ExplorerFlag(const String& window, std::int32_t field, Change change) {
    const ScriptWindowTarget target = FindExplorer(window);
    if (!target.IsOpen()) return false;
    if (!IsExplorer(target)) return true;
    ExplorerDisplayOptions options = target.explorer->GetDisplayOptions();
    change(options);
    target.explorerActions->ChangeDisplayOptions(*target.explorer, options, field, Step());
    return true;
}

bool ApplicationScriptHost::ExplorerSetNames(const String& window, bool on) {
    return ExplorerFlag(window, kExplorerOptionNames, [on](ExplorerDisplayOptions& o) { o.showNames = on; });
}

bool ApplicationScriptHost::ExplorerSetOrbits(const String& window, bool on) {
    return ExplorerFlag(window, kExplorerOptionOrbits, [on](ExplorerDisplayOptions& o) { o.showOrbits = on; });
}

bool ApplicationScriptHost::ExplorerSwapEastWest(const String& window, bool on) {
    return ExplorerFlag(window, kExplorerOptionSwapEastWest,
                        [on](ExplorerDisplayOptions& o) { o.swapEastWest = on; });
}

bool ApplicationScriptHost::ExplorerSwapNorthSouth(const String& window, bool on) {
    return ExplorerFlag(window, kExplorerOptionSwapNorthSouth,
                        [on](ExplorerDisplayOptions& o) { o.swapNorthSouth = on; });
}

bool ApplicationScriptHost::ExplorerSetTilt(const String& window, int degrees) {
    const ScriptWindowTarget target = FindExplorer(window);
    if (!target.IsOpen()) return false;
    if (IsExplorer(target)) target.explorerActions->TiltTo(*target.explorer, degrees, Step());
    return true;
}

bool ApplicationScriptHost::ExplorerSetZoom(const String& window, const CelestialObject& moon) {
    const ScriptWindowTarget target = FindExplorer(window);
    if (!target.IsOpen()) return false;
    if (IsExplorer(target)) target.explorerActions->ZoomToLevel(*target.explorer, moon.Number(), true, Step());
    return true;
}

// --- Picture -------------------------------------------------------------

bool ApplicationScriptHost::PictureSelect(const String& window, const String& picture) {
    const ScriptWindowTarget target = Find(window, kPictureWindow);
    if (!target.IsOpen()) return false;
    const PicturePack* pack = nullptr;
    if (const PictureEntry* entry = FindPictureByName(target.picture->GetModel().Packs(), picture, &pack)) {
        app_.GetPictureActions().ShowPicture(*target.picture, PictureRef{pack->directory, entry->fileName}, Step());
    }
    // A name no pack has leaves the window as it is; the script goes on.
    return true;
}

bool ApplicationScriptHost::PictureSetScale(const String& window, bool toFit) {
    const ScriptWindowTarget target = Find(window, kPictureWindow);
    if (!target.IsOpen()) return false;
    app_.GetPictureActions().ChangeOptions(*target.picture, toFit, kPictureFitField, Step());
    return true;
}

// --- Solar eclipse -------------------------------------------------------

bool ApplicationScriptHost::EclipseAdvanceTime(const String& window, bool forward, const TimeStep& step) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    DateTime moment = target.eclipse->GetDetailsTime();
    if (Advanced(moment, forward, step)) {
        app_.GetSolarEclipseActions().DisplayDetailsForTime(*target.eclipse, moment, kChangeWhole, Step());
    }
    return true;
}

bool ApplicationScriptHost::EclipseCenterOnLocation(const String& window) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarEclipseActions().GoToSelectedLocation(*target.eclipse, Step());
    return true;
}

bool ApplicationScriptHost::EclipseCenterOnPath(const String& window) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarEclipseActions().GoToCentralPath(*target.eclipse, Step());
    return true;
}

bool ApplicationScriptHost::EclipseCenterLocation(const String& window, double longitude, double latitude) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarEclipseActions().Center(*target.eclipse, MapPoint{longitude, latitude}, Step());
    return true;
}

bool ApplicationScriptHost::EclipseSetEclipseDate(const String& window, const DateTime& date) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarEclipseActions().CheckDate(*target.eclipse, date, Step());
    return true;
}

bool ApplicationScriptHost::EclipseSetDate(const String& window, const DateTime& date) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarEclipseActions().DisplayDetailsForTime(*target.eclipse, date, kChangeDate, Step());
    return true;
}

bool ApplicationScriptHost::EclipseSetTime(const String& window, double hours) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    const TimeOfDayChange change = WithHours(target.eclipse->GetDetailsTime(), hours);
    app_.GetSolarEclipseActions().DisplayDetailsForTime(*target.eclipse, change.moment, change.kind, Step());
    return true;
}

bool ApplicationScriptHost::EclipseSetLatitude(const String& window, double degrees) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarEclipseActions().DisplayDetails(*target.eclipse, MapPoint{kEclipseUnset, degrees},
                                                 kDetailsLatitude, Step());
    return true;
}

bool ApplicationScriptHost::EclipseSetLongitude(const String& window, double degrees) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarEclipseActions().DisplayDetails(*target.eclipse, MapPoint{degrees, kEclipseUnset},
                                                 kDetailsLongitude, Step());
    return true;
}

bool ApplicationScriptHost::EclipseSetZoom(const String& window, int percent) {
    const ScriptWindowTarget target = Find(window, kSolarEclipseWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarEclipseActions().ZoomTo(*target.eclipse, EclipseZoomLevel(percent), Step());
    return true;
}

// --- Sky -----------------------------------------------------------------

template <class Change>
bool ApplicationScriptHost::SkyOption(const String& window, std::int32_t field, Change change) {
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    SkyOptions options = target.sky->GetOptions();
    change(options);
    app_.GetSkyActions().ChangeOptions(*target.sky, options, field, app_.GetStarsFixed(), Step());
    return true;
}

bool ApplicationScriptHost::SkyAdvanceTime(const String& window, bool forward, const TimeStep& step) {
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    DateTime moment = target.sky->GetDocument().GetTimeAndPlace().dateTime;
    if (Advanced(moment, forward, step)) {
        app_.GetSkyActions().GoTo(*target.sky, moment, app_.GetStarsFixed(), kChangeWhole, Step());
    }
    return true;
}

bool ApplicationScriptHost::SkySelect(const String& window, const CelestialObject& object, bool highlight) {
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    // A body the window does not show is brought into view: a lesson that
    // selects it goes on to speak of it.
    app_.GetSkyActions().SelectPair(*target.sky, BodyIdentifierFromObject(&object), 1, 0, 0, Step());
    if (highlight) skyFollowUp_ = true;
    return true;
}

bool ApplicationScriptHost::SkySetDate(const String& window, const DateTime& date) {
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    app_.GetSkyActions().GoTo(*target.sky, date, app_.GetStarsFixed(), kChangeDate, Step());
    return true;
}

bool ApplicationScriptHost::SkySetTime(const String& window, double hours) {
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    const TimeOfDayChange change = WithHours(target.sky->GetDocument().GetTimeAndPlace().dateTime, hours);
    app_.GetSkyActions().GoTo(*target.sky, change.moment, app_.GetStarsFixed(), change.kind, Step());
    return true;
}

bool ApplicationScriptHost::SkySetConstellationBoundaries(const String& window, bool on) {
    return SkyOption(window, kSkyBoundariesField, [on](SkyOptions& o) { o.constellationBoundariesOn = on; });
}

bool ApplicationScriptHost::SkySetConstellationLines(const String& window, bool on) {
    return SkyOption(window, kSkyLinesField, [on](SkyOptions& o) { o.constellationLinesOn = on; });
}

bool ApplicationScriptHost::SkySetConstellationNames(const String& window, int choice) {
    return SkyOption(window, kSkyConstellationNamesField, [choice](SkyOptions& o) { o.constellationNames = choice; });
}

bool ApplicationScriptHost::SkySetDeepSkyIndicateImage(const String& window, bool on) {
    return SkyOption(window, kSkyDeepSkyColourField, [on](SkyOptions& o) { o.deepSkyColour = on; });
}

bool ApplicationScriptHost::SkySetDeepSkyShowCatalog(const String& window, int catalog) {
    return SkyOption(window, kSkyDeepSkyCatalogueField, [catalog](SkyOptions& o) { o.deepSkyCatalogue = catalog; });
}

bool ApplicationScriptHost::SkySetDeepSkyShowNames(const String& window, int names) {
    return SkyOption(window, kSkyDeepSkyNamesField,
                     [names](SkyOptions& o) { o.deepSkyNameSystem = SkyDeepSkyNameSystem(names); });
}

bool ApplicationScriptHost::SkySetEcliptic(const String& window, bool on) {
    return SkyOption(window, kSkyEclipticField, [on](SkyOptions& o) { o.eclipticOn = on; });
}

bool ApplicationScriptHost::SkySetGrid(const String& window, int type, std::optional<bool> crosses,
                                       std::optional<bool> labels) {
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    SkyActions& actions = app_.GetSkyActions();
    const bool starsFixed = app_.GetStarsFixed();
    SkyOptions options = target.sky->GetOptions();
    options.gridType = type;
    actions.ChangeOptions(*target.sky, options, kSkyGridTypeField, starsFixed, Step());
    if (crosses) {
        options.gridAsCrosses = *crosses;
        actions.ChangeOptions(*target.sky, options, kSkyGridCrossesField, starsFixed, Step());
    }
    if (labels) {
        options.gridLabelsOn = *labels;
        actions.ChangeOptions(*target.sky, options, kSkyGridLabelsField, starsFixed, Step());
    }
    return true;
}

bool ApplicationScriptHost::SkySetHorizon(const String& window, int choice) {
    return SkyOption(window, kSkyHorizonField, [choice](SkyOptions& o) { o.horizonType = choice; });
}

bool ApplicationScriptHost::SkySetMap(const String& window, int choice) {
    return SkyOption(window, kSkyMapTypeField, [choice](SkyOptions& o) { o.mapType = choice; });
}

bool ApplicationScriptHost::SkySetMoon(const String& window, bool on) {
    return SkyOption(window, kSkyMoonField, [on](SkyOptions& o) { o.moonOn = on; });
}

bool ApplicationScriptHost::SkySetPlanetNames(const String& window, bool on) {
    return SkyOption(window, kSkyPlanetNamesField, [on](SkyOptions& o) { o.planetNamesOn = on; });
}

bool ApplicationScriptHost::SkySetPlanets(const String& window, int choice) {
    return SkyOption(window, kSkyPlanetModeField, [choice](SkyOptions& o) { o.planetDisplayMode = choice; });
}

bool ApplicationScriptHost::SkySetPlanetSymbols(const String& window, bool on) {
    return SkyOption(window, kSkyPlanetSymbolsField, [on](SkyOptions& o) { o.planetSymbolsOn = on; });
}

bool ApplicationScriptHost::SkySetPlanetTracks(const String& window, bool on) {
    return SkyOption(window, kSkyPlanetTracksField, [on](SkyOptions& o) { o.planetTracksOn = on; });
}

bool ApplicationScriptHost::SkySetStarLetters(const String& window, bool on) {
    return SkyOption(window, kSkyStarLettersField, [on](SkyOptions& o) { o.starLettersOn = on; });
}

bool ApplicationScriptHost::SkySetStarMagnitudeLimit(const String& window, double magnitude) {
    return SkyOption(window, kSkyMagnitudeField, [magnitude](SkyOptions& o) { o.magnitudeLimit = magnitude; });
}

bool ApplicationScriptHost::SkySetStarNames(const String& window, bool on) {
    return SkyOption(window, kSkyStarNamesField, [on](SkyOptions& o) { o.starNamesOn = on; });
}

bool ApplicationScriptHost::SkySetSun(const String& window, bool on) {
    return SkyOption(window, kSkySunField, [on](SkyOptions& o) { o.sunOn = on; });
}

bool ApplicationScriptHost::SkySetViewingField(const String& window, int degrees) {
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    app_.GetSkyActions().ZoomTo(*target.sky, degrees, 1, Step());
    return true;
}

bool ApplicationScriptHost::SkySetViewingLatitude(const String& window, double degrees) {
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    app_.GetSkyActions().LookTo(*target.sky, ViewDirection{0.0, degrees}, kViewAltitude, 1, Step());
    return true;
}

bool ApplicationScriptHost::SkySetViewingLongitude(const String& window, double degrees) {
    const ScriptWindowTarget target = Find(window, kSkyWindow);
    if (!target.IsOpen()) return false;
    // The script gives the compass azimuth; the window keeps its own angle.
    const double azimuth = WindowAzimuth(degrees, target.sky->GetOptions().mapType);
    app_.GetSkyActions().LookTo(*target.sky, ViewDirection{azimuth, 0.0}, kViewAzimuth, 1, Step());
    return true;
}

// --- Solar system --------------------------------------------------------

template <class Change>
bool ApplicationScriptHost::SolarSystemOption(const String& window, std::int32_t field, Change change) {
    const ScriptWindowTarget target = Find(window, kSolarSystemWindow);
    if (!target.IsOpen()) return false;
    SolarSystemOptions options = target.solarSystem->GetOptions();
    change(options);
    app_.GetSolarSystemActions().ChangeOptions(*target.solarSystem, options, field, Step());
    return true;
}

bool ApplicationScriptHost::SolarSystemAdvanceTime(const String& window, bool forward, const TimeStep& step) {
    const ScriptWindowTarget target = Find(window, kSolarSystemWindow);
    if (!target.IsOpen()) return false;
    DateTime moment = target.solarSystem->GetDocument().GetDateTime();
    if (Advanced(moment, forward, step)) {
        app_.GetSolarSystemActions().GoTo(*target.solarSystem, moment, kChangeWhole, Step(), true);
    }
    return true;
}

bool ApplicationScriptHost::SolarSystemSelect(const String& window, const CelestialObject& planet,
                                              bool highlight) {
    const ScriptWindowTarget target = Find(window, kSolarSystemWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarSystemActions().SelectPair(*target.solarSystem, BodyIdentifierFromObject(&planet), 0, 0, Step());
    if (highlight) solarSystemFollowUp_ = true;
    return true;
}

bool ApplicationScriptHost::SolarSystemSetDate(const String& window, const DateTime& date) {
    const ScriptWindowTarget target = Find(window, kSolarSystemWindow);
    if (!target.IsOpen()) return false;
    app_.GetSolarSystemActions().GoTo(*target.solarSystem, date, kChangeDate, Step(), true);
    return true;
}

bool ApplicationScriptHost::SolarSystemSetTime(const String& window, double hours) {
    const ScriptWindowTarget target = Find(window, kSolarSystemWindow);
    if (!target.IsOpen()) return false;
    const TimeOfDayChange change = WithHours(target.solarSystem->GetDocument().GetDateTime(), hours);
    app_.GetSolarSystemActions().GoTo(*target.solarSystem, change.moment, change.kind, Step(), true);
    return true;
}

bool ApplicationScriptHost::SolarSystemSetEclipticConstellations(const String& window, bool on) {
    return SolarSystemOption(window, kZodiacConstellationsField,
                             [on](SolarSystemOptions& o) { o.zodiacConstellations = on; });
}

bool ApplicationScriptHost::SolarSystemSetEclipticRa(const String& window, bool on) {
    return SolarSystemOption(window, kZodiacRightAscensionField,
                             [on](SolarSystemOptions& o) { o.zodiacRightAscension = on; });
}

bool ApplicationScriptHost::SolarSystemSetEclipticSight(const String& window, bool on) {
    return SolarSystemOption(window, kZodiacSightLinesField, [on](SolarSystemOptions& o) { o.zodiacSightLines = on; });
}

bool ApplicationScriptHost::SolarSystemSetEclipticZodiac(const String& window, bool on) {
    return SolarSystemOption(window, kZodiacSignsField, [on](SolarSystemOptions& o) { o.zodiacSigns = on; });
}

bool ApplicationScriptHost::SolarSystemSetFunction(const String& window, std::uint32_t functionId) {
    return SolarSystemOption(window, kSolarFunctionField,
                             [functionId](SolarSystemOptions& o) { o.function = static_cast<std::int32_t>(functionId); });
}

bool ApplicationScriptHost::SolarSystemSetMoon(const String& window, bool on) {
    return SolarSystemOption(window, kSolarMoonField, [on](SolarSystemOptions& o) { o.moonOn = on; });
}

bool ApplicationScriptHost::SolarSystemSetNames(const String& window, bool on) {
    return SolarSystemOption(window, kSolarNamesField, [on](SolarSystemOptions& o) { o.namesOn = on; });
}

bool ApplicationScriptHost::SolarSystemSetOrbits(const String& window, bool on) {
    return SolarSystemOption(window, kSolarOrbitsField, [on](SolarSystemOptions& o) { o.orbitsOn = on; });
}

bool ApplicationScriptHost::SolarSystemSetSymbols(const String& window, bool on) {
    return SolarSystemOption(window, kSolarSignsField, [on](SolarSystemOptions& o) { o.signsOn = on; });
}

bool ApplicationScriptHost::SolarSystemSetZoom(const String& window, const CelestialObject& planet) {
    const ScriptWindowTarget target = Find(window, kSolarSystemWindow);
    if (!target.IsOpen()) return false;
    const int level = PlanetNumberOfObject(planet);
    if (level < 0) {
        // The compiler lets only planets and the Earth through; a damaged
        // program might not.
        SetScriptError(FormatPercent1(TXT("'%' is not a planet"), ObjectKeyName(planet)));
        return false;
    }
    app_.GetSolarSystemActions().ZoomToPlanet(*target.solarSystem, level, 1, Step());
    return true;
}

}  // namespace corvinata
