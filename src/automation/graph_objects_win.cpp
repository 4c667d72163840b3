// The Graph window's object and the objects of its lines: the graph's time
// range, place, axes and lines, each change one step of the graph's history
// through the Graph actions, and the graph files read and written without a
// message box (their texts go to the client).
#include <memory>
#include <vector>

#include "app/application.h"
#include "app/graph_commands.h"
#include "automation/argument_rules.h"
#include "automation/window_object_win.h"
#include "automation/window_objects_win.h"
#include "base/angle_value.h"
#include "base/colour_table.h"
#include "base/date_time_text.h"
#include "base/folder_node.h"
#include "base/number_text.h"
#include "base/path_name.h"
#include "base/text_format.h"
#include "base/time_step.h"
#include "catalog/catalogue_registry.h"
#include "catalog/quantity_values.h"
#include "catalog/town_table.h"
#include "script/script_expression.h"
#include "views/graph_line_form.h"
#include "views/graph_options_form.h"
#include "views/graph_save.h"
#include "views/graph_window_win.h"

namespace corvinata::automation {

namespace {

// What the graph file operations would have asked or shown: nothing is
// asked, and the text of an error is kept for the client.
class QuietGraphDialogs final : public GraphSaveDialogs {
public:
    bool ChooseSavePath(const String&, String&) override { return false; }
    bool ChooseOpenPaths(std::vector<String>&) override { return false; }
    bool AskYesNo(const String&, MessageTopic) override { return false; }
    PromptAnswer AskYesNoCancel(const String&, MessageTopic) override { return PromptAnswer::No; }
    void ShowError(const String& text, MessageTopic) override {
        if (error.IsEmpty()) error = text;
    }
    // A graph that opened is no error for the client.
    void ShowNotice(const String&) override {}
    String error;
};

std::unique_ptr<GraphDocument> LoadQuietly(const String& path, String& error) {
    Application& app = CurrentServer()->App();
    QuietGraphDialogs dialogs;
    GraphSaving saving{app.GetStorage(), app.Product(), app.Recent(), dialogs};
    std::unique_ptr<GraphDocument> document =
        LoadGraphDocument(app.GetNotificationHub(), ObjectModelGraphServices(app.Current()), path, saving);
    error = dialogs.error;
    if (!document && error.IsEmpty()) error = String(L"An error occurred reading the file");
    return document;
}

// Reads a client's "date" and "time" texts, each whole, into a moment from
// 1583-01-01 0 h, in the graph's time system: a time that names another
// system is refused.
bool ParseMoment(BSTR dateText, BSTR timeText, std::int32_t timeSystem, DateTime& moment) {
    String date, time;
    if (!ReadClientText(dateText, date) || !ReadClientText(timeText, time)) return false;
    DateTime read;
    read.timeSystem = timeSystem;
    if (!DateTimeParseDateAlone(read, date.Text()) || !DateTimeParseTimeAlone(read, time.Text())) return false;
    moment = read;
    return true;
}

// A y limit as the graph's kind reads it, in the unit and system of the
// graph's first line: a time of day and the angles with their own readers
// (as the Graph Options dialog gives them pickers); every other kind
// exactly one number, blanks before it allowed and nothing at all after
// it. The text the limit's get gave (a distance with the line's unit, a
// constellation's or sign's abbreviation, a compass point) reads back as
// well, as exactly; a text in another unit or system is refused rather
// than read in the line's own.
bool ReadLimit(const GraphDocument& graph, const String& text, const QuantityFormatRequest& format,
               double& limit) {
    const std::unique_ptr<QuantityValue> value =
        CreateQuantityValue(graph.ValueKind(), 0.0, graph.ValueSystem());
    if (!value) return false;
    const bool number = GraphRangeControlOf(graph.ValueKind()) == GraphRangeControl::Number;
    if (number && ParseNumberAlone(text.Text(), limit)) return true;
    const int system = value->System();
    if (!value->Parse(text.Text()) || value->IsMissing() || value->System() != system) return false;
    if (number) {
        String shown;
        value->Format(shown, format);
        const Char* start = text.Text();
        while (IsSpaceChar(*start)) ++start;
        if (!TextEqualsNoCase(shown.Text(), start)) return false;
    }
    limit = value->GetValue();
    return true;
}

HRESULT SetStepOut(VARIANT* steps, VARIANT* type, double count, std::int32_t unit, VARTYPE countType) {
    if (!steps || !type) return E_POINTER;
    VariantInit(steps);
    VariantInit(type);
    V_VT(steps) = countType;
    if (countType == VT_R8) {
        V_R8(steps) = count;
    } else {
        V_I2(steps) = static_cast<SHORT>(count);
    }
    return SetVariantText(type, GetTimeUnitName(unit));
}

class GraphObject;

// One line of a graph, found again by its position on every call; a
// position the graph no longer has acts as an object without window.
class GraphLineObject final : public DispatchObject<ICorvinataGraphLine, kGraphLineInterface> {
public:
    GraphLineObject(GraphObject& graph, int position);

    HRESULT STDMETHODCALLTYPE get_Body(BSTR* out) override {
        return GetText(out, [](const GraphLine& l) { return l.body.name; });
    }
    HRESULT STDMETHODCALLTYPE put_Body(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_Colour(BSTR* out) override {
        return GetText(out, [](const GraphLine& l) {
            const ColourEntry* entry = FindColourByCode(l.colour);
            return String(entry ? entry->name : L"");
        });
    }
    HRESULT STDMETHODCALLTYPE put_Colour(BSTR value) override {
        if (Gone()) return S_OK;
        String name;
        if (!ReadClientText(value, name)) return E_INVALIDARG;
        const ColourEntry* entry = FindColourByName(name.Text());
        if (!entry) return E_INVALIDARG;
        return Edit([entry](GraphLine& l) { l.colour = entry->code; });
    }
    HRESULT STDMETHODCALLTYPE get_Function(BSTR* out) override {
        return GetText(out, [](const GraphLine& l) {
            const EventKind* kind = FindEventKind(static_cast<std::uint32_t>(l.function));
            return String(kind ? kind->GetName() : L"");
        });
    }
    HRESULT STDMETHODCALLTYPE put_Function(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* out) override {
        return GetText(out, [](const GraphLine& l) { return l.name; });
    }
    HRESULT STDMETHODCALLTYPE put_Name(BSTR value) override {
        String name;
        if (!ReadClientText(value, name)) return E_INVALIDARG;
        return Edit([&name](GraphLine& l) { l.name = name; });
    }
    HRESULT STDMETHODCALLTYPE get_CorvinataScriptCode(BSTR* out) override {
        return GetText(out, [](const GraphLine& l) { return l.ExpressionText(); });
    }
    HRESULT STDMETHODCALLTYPE put_CorvinataScriptCode(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_System(INT* out) override {
        if (const HRESULT status = ClearOut<INT>(out, -1); FAILED(status)) return status;
        if (const GraphLine* line = Line()) *out = HasSystems(*line) ? line->system : -1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_System(INT value) override;
    HRESULT STDMETHODCALLTYPE get_VisibleInControlPanel(VARIANT_BOOL* out) override {
        return GetFlag(out, &GraphLine::visibleInControlPanel);
    }
    HRESULT STDMETHODCALLTYPE put_VisibleInControlPanel(VARIANT_BOOL value) override {
        const bool on = IsAutomationTrue(value);
        return Edit([on](GraphLine& l) { l.visibleInControlPanel = on; });
    }
    HRESULT STDMETHODCALLTYPE get_VisibleInGraph(VARIANT_BOOL* out) override {
        return GetFlag(out, &GraphLine::visibleInGraph);
    }
    HRESULT STDMETHODCALLTYPE put_VisibleInGraph(VARIANT_BOOL value) override {
        const bool on = IsAutomationTrue(value);
        return Edit([on](GraphLine& l) { l.visibleInGraph = on; });
    }

private:
    ~GraphLineObject() override;

    GraphView* View() const;
    const GraphLine* Line() const;
    bool Gone() const { return Line() == nullptr; }
    static bool HasSystems(const GraphLine& line) {
        const EventKind* kind = FindEventKind(static_cast<std::uint32_t>(line.function));
        return kind && !GraphLineSystemNames(kind->GetQuantityKind()).empty();
    }
    // The expression the line's body, function and system make.
    static void Regenerate(GraphLine& line) {
        const GraphLineForm form(line, false);
        line.system = form.SystemIndex();
        line.SetExpression(form.GeneratedExpression());
        line.scriptEdited = false;
    }
    template <class Read>
    HRESULT GetText(BSTR* out, Read read) {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        const GraphLine* line = Line();
        return line ? SetText(out, read(*line).Text()) : S_OK;
    }
    HRESULT GetFlag(VARIANT_BOOL* out, bool GraphLine::*member) {
        if (const HRESULT status = ClearOut<VARIANT_BOOL>(out, VARIANT_FALSE); FAILED(status)) return status;
        if (const GraphLine* line = Line()) *out = AutomationBool(line->*member);
        return S_OK;
    }
    // A copy of the line, changed, as the step "Edit graph line"; nothing
    // when the copy equals the line.
    template <class Change>
    HRESULT Edit(Change change) {
        GraphView* view = View();
        const GraphLine* line = Line();
        if (!view || !line) return S_OK;
        GraphLine copy(*line);
        change(copy);
        const bool same = copy.name == line->name && copy.body.object == line->body.object &&
                          copy.function == line->function && copy.colour == line->colour &&
                          copy.system == line->system && copy.scriptEdited == line->scriptEdited &&
                          copy.visibleInControlPanel == line->visibleInControlPanel &&
                          copy.visibleInGraph == line->visibleInGraph &&
                          copy.ExpressionText() == line->ExpressionText();
        if (!same) CurrentServer()->App().GetGraphActions().EditLine(*view, position_, copy, true, nullptr);
        return S_OK;
    }

    GraphObject& graph_;
    int position_;
};

class GraphObject final : public WindowObject<ICorvinataGraphWindow, kGraphWindowInterface> {
public:
    using WindowObject::WindowObject;

    GraphView* View() const { return Live<GraphView>(); }

    HRESULT STDMETHODCALLTYPE AppendNewLine(ICorvinataGraphLine** out) override {
        if (const HRESULT status = ClearOut<ICorvinataGraphLine*>(out, nullptr); FAILED(status)) return status;
        GraphView* view = View();
        if (!view) return S_OK;
        GraphDocument& graph = view->Graph();
        GraphLine line;
        line.body = BodyIdentifierFromObject(PlanetByNumber(2));
        line.name = String(L"New Line");
        graph.MakeUniqueLineName(line.name);
        line.function = 128;
        line.SetExpression(String(L"Earth.DistSun(Au)"));
        line.scriptEdited = false;
        line.system = 2;
        line.visibleInGraph = true;
        line.visibleInControlPanel = true;
        const int position = graph.LineCount();
        GraphLineObject* object = new (std::nothrow) GraphLineObject(*this, position);
        if (!object) return E_OUTOFMEMORY;
        App().GetGraphActions().InsertLine(*view, line, nullptr);
        *out = object;
        return S_OK;
    }
    // Closes without asking to save, and forgets the window: later members
    // do nothing.
    HRESULT STDMETHODCALLTYPE Close() override {
        const HRESULT status = WindowObject::Close();
        target_.Forget();
        return status;
    }
    HRESULT STDMETHODCALLTYPE get_DaylightSavingTime(VARIANT_BOOL* out) override {
        return GetFlag(out, &TimeAndLocation::daylightSaving);
    }
    HRESULT STDMETHODCALLTYPE put_DaylightSavingTime(VARIANT_BOOL value) override {
        return SetFlag(value, &TimeAndLocation::daylightSaving, kDaylightSavingField);
    }
    HRESULT STDMETHODCALLTYPE get_Elevation(INT* out) override {
        if (const HRESULT status = ClearOut<INT>(out, 0); FAILED(status)) return status;
        if (GraphView* view = View()) *out = view->Graph().Options().location.coordinates.elevation;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Elevation(INT value) override {
        return Change(kLocationField, [value](TimeAndLocation& o) {
            o.location.coordinates.elevation = value;
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE GetLocation(VARIANT* country, VARIANT* town) override {
        for (VARIANT* out : {country, town}) {
            if (const HRESULT status = ClearOut(out); FAILED(status)) return status;
        }
        GraphView* view = View();
        if (!view) return S_OK;
        const Location& place = view->Graph().Options().location;
        if (const HRESULT status = SetVariantText(country, place.country.Text()); FAILED(status)) return status;
        return SetVariantText(town, place.town.Text());
    }
    HRESULT STDMETHODCALLTYPE GetTimeBegin(VARIANT* date, VARIANT* time) override {
        return GetMoment(date, time, &TimeAndLocation::beginDate);
    }
    HRESULT STDMETHODCALLTYPE GetTimeEnd(VARIANT* date, VARIANT* time) override {
        return GetMoment(date, time, &TimeAndLocation::endDate);
    }
    HRESULT STDMETHODCALLTYPE GetTimeStep(VARIANT* steps, VARIANT* type) override {
        if (!steps || !type) return E_POINTER;
        VariantInit(steps);
        VariantInit(type);
        GraphView* view = View();
        if (!view) return S_OK;
        const TimeAndLocation& o = view->Graph().Options();
        return SetStepOut(steps, type, o.stepCount, o.stepUnit, VT_R8);
    }
    HRESULT STDMETHODCALLTYPE GetXAxisGridStep(VARIANT* steps, VARIANT* type) override {
        return GetStep(steps, type, &TimeAndLocation::xAxisGridStep);
    }
    HRESULT STDMETHODCALLTYPE GetXAxisLabelStep(VARIANT* steps, VARIANT* type) override {
        return GetStep(steps, type, &TimeAndLocation::xAxisLabelStep);
    }
    HRESULT STDMETHODCALLTYPE GetXAxisMarkStep(VARIANT* steps, VARIANT* type) override {
        return GetStep(steps, type, &TimeAndLocation::xAxisMarkStep);
    }
    HRESULT STDMETHODCALLTYPE GetYAxisGridStep(INT* out) override {
        if (const HRESULT status = ClearOut<INT>(out, 0); FAILED(status)) return status;
        if (GraphView* view = View()) *out = view->Graph().Options().yAxisGridStep;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Latitude(BSTR* out) override {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        GraphView* view = View();
        if (!view) return S_OK;
        String text;
        LatitudeFormat(view->Graph().Options().location.coordinates.latitude, text, 0, kToSecond,
                       kAutomaticDecimals);
        return SetText(out, text.Text());
    }
    HRESULT STDMETHODCALLTYPE put_Latitude(BSTR value) override {
        if (Gone()) return S_OK;
        String text;
        LatitudeValue latitude;
        if (!ReadClientText(value, text) || !LatitudeParse(latitude, text.Text())) return E_INVALIDARG;
        return Change(kLocationField, [&latitude](TimeAndLocation& o) {
            TypedValueAssign(o.location.coordinates.latitude, latitude);
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE LoadFromFile(BSTR path, VARIANT* error) override {
        if (const HRESULT status = ClearOut(error); FAILED(status)) return status;
        GraphView* view = View();
        if (!view) return S_OK;
        String file;
        if (!ReadClientText(path, file)) return E_INVALIDARG;
        String text;
        const std::unique_ptr<GraphDocument> loaded = LoadQuietly(file, text);
        if (loaded) {
            view->Graph().Assign(*loaded);
            view->Graph().History().MarkSavedUnreachable();
            // The file's values come with it: the windows only redraw.
            view->Graph().DocumentNotifyViews(nullptr);
            text = String(L"No error");
        }
        return SetVariantText(error, text.Text());
    }
    HRESULT STDMETHODCALLTYPE get_Longitude(BSTR* out) override {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        GraphView* view = View();
        if (!view) return S_OK;
        String text;
        LongitudeFormat(view->Graph().Options().location.coordinates.longitude, text, 0, kToSecond,
                        kAutomaticDecimals);
        return SetText(out, text.Text());
    }
    HRESULT STDMETHODCALLTYPE put_Longitude(BSTR value) override {
        if (Gone()) return S_OK;
        String text;
        LongitudeValue longitude;
        if (!ReadClientText(value, text) || !LongitudeParse(longitude, text.Text())) return E_INVALIDARG;
        return Change(kLocationField, [&longitude](TimeAndLocation& o) {
            TypedValueAssign(o.location.coordinates.longitude, longitude);
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE SaveToFile(BSTR path, VARIANT* error) override {
        if (const HRESULT status = ClearOut(error); FAILED(status)) return status;
        GraphView* view = View();
        if (!view) return S_OK;
        String file;
        if (!ReadClientText(path, file)) return E_INVALIDARG;
        String text(L"No error");
        PathName parts;
        const bool split = !file.IsEmpty() && parts.SetPath(file.Text());
        if (!split || !FolderNode(App().GetStorage(), parts).CreateTree()) {
            text = String(L"An error occurred creating the path");
        } else if (!WriteGraphFile(view->Graph(), file, App().GetStorage())) {
            text = String(L"An error occurred writing ");
            StringAppend(text, file.Text());
        }
        return SetVariantText(error, text.Text());
    }
    HRESULT STDMETHODCALLTYPE SetLocation(BSTR country, BSTR town) override {
        if (Gone()) return S_OK;
        String countryName, townName;
        if (!ReadClientText(country, countryName) || !ReadClientText(town, townName)) return E_INVALIDARG;
        Location place;
        if (!TownLocation(FindTownIndex(countryName.Text(), townName.Text()), place)) return E_INVALIDARG;
        return Change(kLocationField, [&place](TimeAndLocation& o) {
            LocationAssign(o.location, place);
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE SetTimeBeginAndEnd(BSTR beginDate, BSTR beginTime, BSTR endDate,
                                                 BSTR endTime) override {
        if (Gone()) return S_OK;
        GraphView* view = View();
        const std::int32_t system = view ? view->Graph().Options().beginDate.timeSystem : kLocalCivilTime;
        DateTime begin, end;
        if (!ParseMoment(beginDate, beginTime, system, begin) || !ParseMoment(endDate, endTime, system, end)) {
            return E_INVALIDARG;
        }
        if (DateTimeEqual(begin, end) || !DateTimeIsLater(end, begin)) return E_INVALIDARG;
        return Change(kTimeAndLocationWhole, [&begin, &end](TimeAndLocation& o) {
            o.beginDate = begin;
            o.endFixed = true;
            return TimeAndLocationSetEndDate(o, end);
        });
    }
    HRESULT STDMETHODCALLTYPE SetTimeBeginAndStep(BSTR beginDate, BSTR beginTime, INT steps, BSTR stepType) override {
        if (Gone()) return S_OK;
        String unitName;
        if (!ReadClientText(stepType, unitName)) return E_INVALIDARG;
        const std::int32_t unit = ParseTimeUnit(unitName.Text());
        GraphView* view = View();
        const std::int32_t system = view ? view->Graph().Options().beginDate.timeSystem : kLocalCivilTime;
        DateTime begin;
        if (!ParseMoment(beginDate, beginTime, system, begin) || !ValidAxisStep(steps, unit)) {
            return E_INVALIDARG;
        }
        // A range whose end would leave the calendar is refused, not kept
        // with a stale end.
        return Change(kTimeAndLocationWhole, [&begin, unit, steps](TimeAndLocation& o) {
            o.endFixed = false;
            o.beginDate = begin;
            return TimeAndLocationSetStep(o, unit, steps);
        });
    }
    HRESULT STDMETHODCALLTYPE SetXAxisGridStep(INT steps, BSTR type) override {
        return SetStep(steps, type, &TimeAndLocation::xAxisGridStep, kXAxisGridStepField);
    }
    HRESULT STDMETHODCALLTYPE SetXAxisLabelStep(INT steps, BSTR type) override {
        return SetStep(steps, type, &TimeAndLocation::xAxisLabelStep, kXAxisLabelStepField);
    }
    HRESULT STDMETHODCALLTYPE SetXAxisMarkStep(INT steps, BSTR type) override {
        return SetStep(steps, type, &TimeAndLocation::xAxisMarkStep, kXAxisMarkStepField);
    }
    HRESULT STDMETHODCALLTYPE SetYAxisGridStep(INT steps) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(steps, 1, 999)) return E_INVALIDARG;
        return Change(kYAxisGridStepField, [steps](TimeAndLocation& o) {
            o.yAxisGridStep = steps;
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE get_TimeSystem(::TimeSystem* out) override {
        if (const HRESULT status = ClearOut<::TimeSystem>(out, CnTimeSystem_Ut); FAILED(status)) return status;
        if (GraphView* view = View()) *out = static_cast<::TimeSystem>(view->Graph().Options().beginDate.timeSystem);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_TimeSystem(::TimeSystem value) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(static_cast<int>(value), 0, 3)) return E_INVALIDARG;
        return Change(kTimeAndLocationWhole, [value](TimeAndLocation& o) {
            o.beginDate.timeSystem = value;
            if (o.endFixed) {
                DateTime end = o.endDate;
                end.timeSystem = value;
                return TimeAndLocationSetEndDate(o, end);
            }
            return TimeAndLocationUpdateEndDate(o);
        });
    }
    HRESULT STDMETHODCALLTYPE get_TimeZone(double* out) override {
        if (const HRESULT status = ClearOut<double>(out, 0.0); FAILED(status)) return status;
        if (GraphView* view = View()) *out = view->Graph().Options().location.coordinates.timeZone.hours;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_TimeZone(double value) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(value, -13.0, 13.0)) return E_INVALIDARG;
        return Change(kLocationField, [value](TimeAndLocation& o) {
            o.location.coordinates.timeZone.hours = value;
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE get_XAxisGridActive(VARIANT_BOOL* out) override {
        return GetFlag(out, &TimeAndLocation::xAxisGridActive);
    }
    HRESULT STDMETHODCALLTYPE put_XAxisGridActive(VARIANT_BOOL value) override {
        return SetFlag(value, &TimeAndLocation::xAxisGridActive, kXAxisGridActiveField);
    }
    HRESULT STDMETHODCALLTYPE get_XAxisHorizontal(VARIANT_BOOL* out) override {
        return GetFlag(out, &TimeAndLocation::xAxisHorizontal);
    }
    HRESULT STDMETHODCALLTYPE put_XAxisHorizontal(VARIANT_BOOL value) override {
        return SetFlag(value, &TimeAndLocation::xAxisHorizontal, kXAxisHorizontalField);
    }
    HRESULT STDMETHODCALLTYPE get_XAxisReversed(VARIANT_BOOL* out) override {
        return GetFlag(out, &TimeAndLocation::xAxisReversed);
    }
    HRESULT STDMETHODCALLTYPE put_XAxisReversed(VARIANT_BOOL value) override {
        return SetFlag(value, &TimeAndLocation::xAxisReversed, kXAxisReversedField);
    }
    HRESULT STDMETHODCALLTYPE get_XAxisTimeSystem(::TimeSystem* out) override {
        if (const HRESULT status = ClearOut<::TimeSystem>(out, CnTimeSystem_Ut); FAILED(status)) return status;
        if (GraphView* view = View()) *out = static_cast<::TimeSystem>(view->Graph().Options().xAxisTimeSystem);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_XAxisTimeSystem(::TimeSystem value) override {
        if (Gone()) return S_OK;
        if (value != CnTimeSystem_Ut && value != CnTimeSystem_Lct) return E_INVALIDARG;
        return Change(kXAxisTimeSystemField, [value](TimeAndLocation& o) {
            o.xAxisTimeSystem = value;
            return true;
        });
    }
    HRESULT STDMETHODCALLTYPE get_YAxisGridActive(VARIANT_BOOL* out) override {
        return GetFlag(out, &TimeAndLocation::yAxisGridActive);
    }
    HRESULT STDMETHODCALLTYPE put_YAxisGridActive(VARIANT_BOOL value) override {
        return SetFlag(value, &TimeAndLocation::yAxisGridActive, kYAxisGridActiveField);
    }
    HRESULT STDMETHODCALLTYPE get_YAxisReversed(VARIANT_BOOL* out) override {
        return GetFlag(out, &TimeAndLocation::yAxisReversed);
    }
    HRESULT STDMETHODCALLTYPE put_YAxisReversed(VARIANT_BOOL value) override {
        return SetFlag(value, &TimeAndLocation::yAxisReversed, kYAxisReversedField);
    }
    HRESULT STDMETHODCALLTYPE get_YAxisMax(BSTR* out) override { return GetLimit(out, true); }
    HRESULT STDMETHODCALLTYPE put_YAxisMax(BSTR value) override {
        return SetLimit(value, &TimeAndLocation::yAxisMax, kYAxisMaxField);
    }
    HRESULT STDMETHODCALLTYPE get_YAxisMin(BSTR* out) override { return GetLimit(out, false); }
    HRESULT STDMETHODCALLTYPE put_YAxisMin(BSTR value) override {
        return SetLimit(value, &TimeAndLocation::yAxisMin, kYAxisMinField);
    }

private:
    // A copy of the settings changed by `edit` (false: the change cannot be
    // made, E_INVALIDARG), applied as the step "Change Graph Options" when it
    // differs.
    template <class Edit>
    HRESULT Change(std::int32_t field, Edit edit) {
        GraphView* view = View();
        if (!view) return S_OK;
        TimeAndLocation options = view->Graph().Options();
        if (!edit(options)) return E_INVALIDARG;
        if (TimeAndLocationEquals(options, view->Graph().Options())) return S_OK;
        App().GetGraphActions().ChangeOptions(*view, options, field, view->IsGuideLineShown(), nullptr);
        return S_OK;
    }
    HRESULT GetFlag(VARIANT_BOOL* out, bool TimeAndLocation::*member) {
        if (const HRESULT status = ClearOut<VARIANT_BOOL>(out, VARIANT_FALSE); FAILED(status)) return status;
        if (GraphView* view = View()) *out = AutomationBool(view->Graph().Options().*member);
        return S_OK;
    }
    HRESULT SetFlag(VARIANT_BOOL value, bool TimeAndLocation::*member, std::int32_t field) {
        const bool on = IsAutomationTrue(value);
        return Change(field, [member, on](TimeAndLocation& o) {
            o.*member = on;
            return true;
        });
    }
    HRESULT GetMoment(VARIANT* date, VARIANT* time, DateTime TimeAndLocation::*member) {
        for (VARIANT* out : {date, time}) {
            if (const HRESULT status = ClearOut(out); FAILED(status)) return status;
        }
        GraphView* view = View();
        if (!view) return S_OK;
        String dateText, timeText;
        FormatDateAndTime(view->Graph().Options().*member, dateText, timeText, false, kTimeToMinute);
        if (const HRESULT status = SetVariantText(date, dateText.Text()); FAILED(status)) return status;
        return SetVariantText(time, timeText.Text());
    }
    HRESULT GetStep(VARIANT* steps, VARIANT* type, TimeStep TimeAndLocation::*member) {
        if (!steps || !type) return E_POINTER;
        VariantInit(steps);
        VariantInit(type);
        GraphView* view = View();
        if (!view) return S_OK;
        const TimeStep& step = view->Graph().Options().*member;
        return SetStepOut(steps, type, step.count, step.unit, VT_I2);
    }
    HRESULT SetStep(INT steps, BSTR type, TimeStep TimeAndLocation::*member, std::int32_t field) {
        if (Gone()) return S_OK;
        String unitName;
        if (!ReadClientText(type, unitName)) return E_INVALIDARG;
        const std::int32_t unit = ParseTimeUnit(unitName.Text());
        if (!ValidAxisStep(steps, unit)) return E_INVALIDARG;
        return Change(field, [member, unit, steps](TimeAndLocation& o) {
            o.*member = TimeStep{unit, steps};
            return true;
        });
    }
    // The limit the graph is drawn with (an open end follows the lines'
    // values), as a value of the graph's kind; none for a graph without
    // lines.
    HRESULT GetLimit(BSTR* out, bool maximum) {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        GraphView* view = View();
        if (!view || view->Graph().LineCount() == 0) return S_OK;
        GraphDocument& graph = view->Graph();
        double low = 0.0, high = 0.0;
        graph.DrawnYRange(graph.Options().yAxisMin, graph.Options().yAxisMax, low, high);
        const std::unique_ptr<QuantityValue> value =
            CreateQuantityValue(graph.ValueKind(), maximum ? high : low, graph.ValueSystem());
        if (!value) return S_OK;
        String text;
        value->Format(text, LimitFormat());
        return SetText(out, text.Text());
    }
    QuantityFormatRequest LimitFormat() {
        QuantityFormatRequest request;
        request.angleDegreeBase = App().GetAngleDegreeBase();
        request.raDisplayUnit = App().GetRaDisplayUnit();
        return request;
    }
    HRESULT SetLimit(BSTR text, double TimeAndLocation::*member, std::int32_t field) {
        GraphView* view = View();
        if (!view) return S_OK;
        GraphDocument& graph = view->Graph();
        if (graph.LineCount() == 0) return E_INVALIDARG;
        if (graph.ValueKind() == kValueKindUnknown) graph.UpdateGraphRange();
        String typed;
        double limit = 0.0;
        if (!ReadClientText(text, typed) || !ReadLimit(graph, typed, LimitFormat(), limit)) return E_INVALIDARG;
        TimeAndLocation next = graph.Options();
        if (field == kYAxisMaxField ? !(limit > next.yAxisMin) : !(limit < next.yAxisMax)) return E_INVALIDARG;
        // A limit beyond what the kind admits the graph's actions drop
        // without a word: the client hears of it.
        next.*member = limit;
        if (!CheckGraphLimits(graph, next, field).IsEmpty()) return E_INVALIDARG;
        return Change(field, [member, limit](TimeAndLocation& o) {
            o.*member = limit;
            return true;
        });
    }
};

GraphLineObject::GraphLineObject(GraphObject& graph, int position) : graph_(graph), position_(position) {
    // The line keeps its graph's object, which keeps the window's identity.
    graph_.AddRef();
}

GraphLineObject::~GraphLineObject() { graph_.Release(); }

GraphView* GraphLineObject::View() const { return graph_.View(); }

const GraphLine* GraphLineObject::Line() const {
    GraphView* view = View();
    return view ? view->Graph().GetGraphLine(position_) : nullptr;
}

HRESULT GraphLineObject::put_Body(BSTR value) {
    if (Gone()) return S_OK;
    String name;
    if (!ReadClientText(value, name)) return E_INVALIDARG;
    const CelestialObject* object = FindObjectByName(name.Text());
    if (!object) return E_INVALIDARG;
    return Edit([object](GraphLine& l) {
        GraphLineForm form(l, false);
        form.SetObject(BodyIdentifierFromObject(object));
        l.body = form.Object();
        if (form.Function()) l.function = static_cast<std::int32_t>(form.Function()->GetId());
        Regenerate(l);
    });
}

HRESULT GraphLineObject::put_Function(BSTR value) {
    const GraphLine* line = Line();
    if (!line) return S_OK;
    String name;
    if (!ReadClientText(value, name)) return E_INVALIDARG;
    const GraphLineForm form(*line, false);
    const EventKind* found = nullptr;
    for (const EventKind* kind : form.Functions()) {
        if (name == String(kind->GetName())) found = kind;
    }
    if (!found) return E_INVALIDARG;
    return Edit([found](GraphLine& l) {
        l.function = static_cast<std::int32_t>(found->GetId());
        Regenerate(l);
    });
}

HRESULT GraphLineObject::put_CorvinataScriptCode(BSTR value) {
    if (Gone()) return S_OK;
    String text;
    if (!ReadClientText(value, text)) return E_INVALIDARG;
    if (text.IsEmpty()) return Edit([](GraphLine& l) { Regenerate(l); });
    ScriptExpression compiled;
    compiled.source = text;
    const GraphServices services = ObjectModelGraphServices(CurrentServer()->App().Current());
    if (!services.catalogue || !CompileScriptExpression(compiled, *services.catalogue)) return E_INVALIDARG;
    return Edit([&text](GraphLine& l) {
        l.SetExpression(text);
        l.scriptEdited = true;
    });
}

HRESULT GraphLineObject::put_System(INT value) {
    const GraphLine* line = Line();
    if (!line) return S_OK;
    const EventKind* kind = FindEventKind(static_cast<std::uint32_t>(line->function));
    const int quantity = kind ? kind->GetQuantityKind() : -1;
    const int highest = quantity >= 0 && quantity <= 2 ? 3 : quantity == 6 ? 2 : -1;
    if (highest < 0 ? value != -1 : !InClosedRange(value, 0, highest)) return E_INVALIDARG;
    return Edit([value](GraphLine& l) {
        l.system = value;
        Regenerate(l);
    });
}

}  // namespace

HRESULT NewGraphWindowObject(MdiChildWindow* window, ICorvinataGraphWindow** out) {
    return HandOutObject<GraphObject>(window, out);
}

MdiChildWindow* OpenGraphFileQuietly(const String& path, String& error) {
    AutomationServer* server = CurrentServer();
    if (!server) return nullptr;
    auto* graphs = dynamic_cast<GraphWindowKind*>(server->Frame().Children().KindOf(kGraphWindow));
    if (!graphs) return nullptr;
    MdiChildWindow* window = graphs->OpenGraphQuietly(path, error);
    if (!window && error.IsEmpty()) error = String(L"An error occurred reading the file");
    return window;
}

}  // namespace corvinata::automation
