// The graph document: the model behind every graph. A time range sampled at
// exactly 366 instants (0 to 365), the place for which the values are
// computed, the axis, grid and step options, and an ordered list of lines,
// each a script expression with the 366 values computed from it.
//
// The Graph window, its panel and dialogs, the undoable graph commands, the
// graph files and the Month report's charts all read and change graphs
// through this one model.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/app_interfaces.h"
#include "app/graph_commands.h"
#include "app/time_and_location.h"
#include "app/window_document.h"
#include "catalog/catalogue_registry.h"
#include "script/script_expression.h"

namespace corvinata {

// Instants per line, and the last instant's index.
constexpr int kGraphValueCount = 366;
constexpr int kLastGraphInstant = kGraphValueCount - 1;
// Intervals between the first and the last instant.
constexpr double kGraphIntervals = 365.0;

using GraphValues = std::array<double, kGraphValueCount>;

// The value a line holds where its expression has no quantity kind at all
// (it does not compile): not a number, so that no display, range or panel
// draws it or counts it, and no table is indexed by it.
double GraphNoKindMarker() noexcept;

// What a graph computes with: the script's catalogue and property
// calculators, and the application's current moment and place (a line's
// kind is found by evaluating it once there; a new graph starts there).
struct GraphServices {
    const ScriptCatalogue* catalogue = nullptr;
    BodyFunctionCalculator* calculator = nullptr;
    const CurrentTimeAndLocationInterface* current = nullptr;
};

// The program's own catalogues and calculators with `current`.
GraphServices ObjectModelGraphServices(const CurrentTimeAndLocationInterface& current);

class GraphLine final : public GraphLineData {
public:
    // The defaults of a new line.
    GraphLine();

    std::unique_ptr<GraphLineData> Clone() const override;
    const String& Name() const override { return name; }

    void SetDefaults();
    void Assign(const GraphLine& other) { *this = other; }
    void SetBody(const BodyIdentifier& identifier) { body = identifier; }
    // New source text, not compiled: the next evaluation compiles it.
    void SetExpression(const String& text);
    const String& ExpressionText() const noexcept { return expression_.source; }
    ScriptExpression& Expression() const noexcept { return expression_; }
    void SetVisibleInControlPanel(bool visible) noexcept { visibleInControlPanel = visible; }
    void SetVisibleInGraph(bool visible) noexcept { visibleInGraph = visible; }

    // The quantity kind (0..12) of the expression's result, evaluated once
    // at the application's current moment and place; kValueKindUnknown (13)
    // when the expression yields no kind (it does not compile).
    std::int32_t GetQuantityKind(const GraphServices& services) const;
    // The result's time, coordinate or distance system; -1 for none.
    std::int32_t GetValueSystem(const GraphServices& services) const;
    // Both from one evaluation.
    void GetKindAndSystem(const GraphServices& services, std::int32_t& kind,
                          std::int32_t& system) const;
    // Value i as the control panel lists it, in the user's display options;
    // the empty text for a line without a quantity kind.
    String FormatValueAt(const GraphServices& services, int i) const;

    String name;
    BodyIdentifier body;
    std::int32_t function = 1;
    bool scriptEdited = false;
    std::int32_t colour = 0;
    // Colours the display floods above and below the line; -1 none. Set by
    // the charts the reports build; copied with the line, never stored.
    std::int32_t fillAbove = -1;
    std::int32_t fillBelow = -1;
    bool visibleInControlPanel = true;
    bool visibleInGraph = true;
    GraphValues values{};
    std::int32_t system = -1;

private:
    // Evaluating compiles the expression on first use: that changes only
    // its cached code, not what the line is.
    mutable ScriptExpression expression_;
};

// One instant at which the lines are computed.
struct GraphInstant {
    DateTime moment;
    // False once a step of the range has left the calendar: the instant
    // and those after it have no moment and their values are missing.
    bool valid = true;
};
using GraphInstants = std::array<GraphInstant, kGraphValueCount>;

class GraphDocument final : public WindowDocument, public GraphDocumentModel {
public:
    GraphDocument(NotificationHub& hub, const GraphServices& services);
    // A copy of `other` (settings, lines, path, version), with its own views
    // and history.
    GraphDocument(NotificationHub& hub, const GraphDocument& other);

    WindowKind GetKind() const override { return kGraphWindow; }
    // The appearance changing (event 12 with any of the three lowest flags)
    // repaints the document's windows.
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;

    // The defaults of a new graph: the application's place and daylight
    // saving, 1 January of its current year 0 h local civil time to 365
    // days later, and the axis options of a new graph.
    void SetDefaults();
    // Every field of `other` except the views and the history.
    void Assign(const GraphDocument& other);

    // ---- lines ----
    int LineCount() const override { return static_cast<int>(lines_.size()); }
    const GraphLine* GetGraphLine(int position) const override;
    GraphLine* GetGraphLine(int position);
    // The selected line, or none; a stale selection is clamped first.
    GraphLine* GetSelectedGraphLine();
    int SelectedLine() const override { return selected_; }
    void SetSelectedLine(int position) override { selected_ = position; }
    // Inserts a copy before `position` (at the end for LineCount()) and
    // answers it; none for a position outside 0..LineCount().
    GraphLine* InsertLine(int position, const GraphLine& line);
    void InsertLine(const GraphLineData& line, int position) override;
    void DeleteLine(int position) override;
    void ReplaceLine(int position, const GraphLineData& line) override;
    void SwapLines(int a, int b) override;
    // The index of `line` (-1 when it is not one of the document's) and how
    // many lines before it are shown in the graph and in the panel.
    int GetLineStats(const GraphLine* line, int* graphPosition, int* panelPosition) const;
    bool HasFills() const;
    bool HasLineNamed(const String& name) const;
    // "New Line", "New Line 2" ... the first name no line bears (up to 999).
    void MakeUniqueLineName(String& name) const;

    // ---- settings ----
    const TimeAndLocation& Options() const override { return settings_; }
    void SetOptions(const TimeAndLocation& options) override { settings_ = options; }
    TimeAndLocation& Settings() noexcept { return settings_; }
    std::int32_t ValueKind() const override { return valueKind_; }
    std::int32_t ValueSystem() const noexcept { return valueSystem_; }
    void SetValueKind(std::int32_t kind, std::int32_t system) noexcept {
        valueKind_ = kind;
        valueSystem_ = system;
    }
    GraphAxisState AxisState() const override;
    void SetAxisState(const GraphAxisState& state) override;
    // The value range the graph draws for the bounds `low` and `high` (its
    // own: Options().yAxisMin and yAxisMax). A bound the user set (or a
    // file stored) is kept; a bound left at its kind's infinite limit
    // follows the values of the visible lines: their extreme, widened by a
    // twentieth of the drawn span and rounded out to a step of the kind's
    // value axis ticks (the smallest step that cuts the range into at most
    // ten). Without such values an infinite bound is drawn at -100 or 100.
    void DrawnYRange(double low, double high, double& minimum, double& maximum) const;

    // ---- computation ----
    // Fills the line's 366 values over the document's instants.
    void ComputeGraphValues(GraphLine& line);
    void ComputeGraphValues(GraphLineData& line) override;
    // Every line in order; with `notify` the windows are told (event 0).
    void ComputeAllLines(bool notify);
    void Recompute() override { ComputeAllLines(true); }
    // The instants at which the values are computed: spread evenly from the
    // begin to the end with a fixed end, else the begin plus i steps, in the
    // time system they are computed in.
    void ComputeInstants(GraphInstants& instants) const;
    // The moment of instant i on the even spread from begin to end, in
    // `timeSystem`.
    DateTime StepToDate(int i, std::int32_t timeSystem) const;
    // The instant 0..365 of a moment on the even spread; -1 outside the range.
    int DateToStep(const DateTime& moment) const;
    // The x-axis label step from the length of the range.
    void ChooseXAxisStep();
    // The value kind, value system and (when they change) the y range from
    // the first line; no lines: kind 13 and the range 0..0.
    void UpdateGraphRange() override;
    // The lowest and highest value within [low, high] of the lines shown in
    // the graph, missing values left out; false when none qualified.
    bool GetVisibleYRange(double low, double high, double& minimum, double& maximum) const;
    void ValueLimits(double& lowest, double& highest) const override;

    // ---- views and history ----
    void AttachView(GraphWindowCommands& window);
    void DetachView(GraphWindowCommands& window);
    GraphWindowCommands* FindView(int windowNumber) override;
    WindowCommandHistory& History() override { return history_; }

    // ---- file ----
    const String& FilePath() const noexcept { return filePath_; }
    void SetFilePath(const String& path) { filePath_ = path; }
    bool HasFile() const noexcept { return hasFile_; }
    void SetHasFile(bool hasFile) noexcept { hasFile_ = hasFile; }
    std::int32_t FileVersionMajor() const noexcept { return versionMajor_; }
    std::int32_t FileVersionMinor() const noexcept { return versionMinor_; }
    void SetFileVersion(std::int32_t major, std::int32_t minor) noexcept {
        versionMajor_ = major;
        versionMinor_ = minor;
    }
    // Stored in graph files and copied; no meaning of its own.
    std::int32_t ReservedOption() const noexcept { return reservedOption_; }
    void SetReservedOption(std::int32_t value) noexcept { reservedOption_ = value; }

    const GraphServices& Services() const noexcept { return services_; }

private:
    void CopyFields(const GraphDocument& other);
    // The place and flag every evaluation of the graph uses.
    TimeAndPlace EvaluationPlace() const;

    GraphServices services_;
    std::int32_t versionMajor_ = 1;
    std::int32_t versionMinor_ = 20;
    std::vector<std::unique_ptr<GraphLine>> lines_;
    std::int32_t reservedOption_ = 0;
    TimeAndLocation settings_;
    std::int32_t valueKind_ = kValueKindUnknown;
    std::int32_t valueSystem_ = -1;
    String filePath_;
    int selected_ = -1;
    bool hasFile_ = false;
    std::vector<GraphWindowCommands*> views_;
    WindowCommandHistory history_;
};

// The settings of a new graph: the application's place and daylight
// saving, 1 January of its current year 0 h local civil time to 365 days
// later, and the axis options of a new graph.
TimeAndLocation DefaultGraphSettings(const GraphServices& services);

// The x-axis label step the program chooses for a range: the shortest of
// its candidates (100 years down to 1 minute) that is not shorter than a
// thirteenth of the range.
TimeStep AutomaticXAxisStep(const DateTime& begin, const DateTime& end);

// A new document with the defaults; none when memory runs out.
std::unique_ptr<GraphDocument> NewGraphDocument(NotificationHub& hub, const GraphServices& services);

}  // namespace corvinata
