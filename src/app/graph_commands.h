// The undoable edits of a graph: lines added, inserted, deleted, edited,
// moved and selected, options changed and the guide line shown.
//
// A graph document may be shown by several windows, so every edit of the
// document goes into the document's own history: undoing in one window
// after an edit in another undoes the edit that was made last. Commands hold
// the document and the number of the window they came from, never a
// pointer to a window that may have closed since. Each command checks its
// request again when it runs, so that the later edits of one compound step
// see what the earlier ones did.
#pragma once

#include <cstdint>
#include <memory>

#include "app/command_family.h"
#include "app/time_and_location.h"
#include "base/wide_string.h"

namespace corvinata {

// A line of a graph as the commands see it.
class GraphLineData {
public:
    virtual ~GraphLineData() = default;
    virtual std::unique_ptr<GraphLineData> Clone() const = 0;
    virtual const String& Name() const = 0;
};

// Marks a graph whose value kind was not derived from a line yet.
constexpr std::int32_t kValueKindUnknown = 13;

class GraphWindowCommands;

// What the first line decides of a graph's value axis: the value kind and
// system and the y range. Undoing the step that emptied a graph, or that
// gave an empty graph its first line, brings this back exactly.
struct GraphAxisState {
    std::int32_t valueKind = kValueKindUnknown;
    std::int32_t valueSystem = -1;
    double yAxisMin = 0.0;
    double yAxisMax = 0.0;
};

// A graph document as the commands see it.
class GraphDocumentModel {
public:
    virtual ~GraphDocumentModel() = default;
    virtual int LineCount() const = 0;
    virtual int SelectedLine() const = 0;  // -1: none
    virtual void SetSelectedLine(int position) = 0;
    virtual const GraphLineData* GetGraphLine(int position) const = 0;
    virtual void InsertLine(const GraphLineData& line, int position) = 0;
    virtual void DeleteLine(int position) = 0;
    virtual void ReplaceLine(int position, const GraphLineData& line) = 0;
    virtual void SwapLines(int a, int b) = 0;
    virtual const TimeAndLocation& Options() const = 0;
    virtual void SetOptions(const TimeAndLocation& options) = 0;
    virtual std::int32_t ValueKind() const = 0;
    // Takes the y range (and the value kind) from the first line.
    virtual void UpdateGraphRange() = 0;
    virtual GraphAxisState AxisState() const = 0;
    virtual void SetAxisState(const GraphAxisState& state) = 0;
    // Evaluates a line over the document's steps.
    virtual void ComputeGraphValues(GraphLineData& line) = 0;
    // Recomputes every line (under the wait cursor).
    virtual void Recompute() = 0;
    // The lowest and highest value the document's quantity kind admits.
    virtual void ValueLimits(double& lowest, double& highest) const = 0;
    // The window of that number showing this document, or none.
    virtual GraphWindowCommands* FindView(int windowNumber) = 0;
    // The history of the document's edits, shared by all its windows.
    virtual WindowCommandHistory& History() = 0;
};

// A Graph window as the commands see it.
class GraphWindowCommands {
public:
    virtual ~GraphWindowCommands() = default;
    virtual int WindowNumber() const = 0;
    virtual bool IsGuideLineShown() const = 0;
    virtual GraphDocumentModel& GetDocument() = 0;
    virtual void ShowGuideLine(bool shown) = 0;
};

// The application's one set of graph edits.
class GraphActions {
public:
    explicit GraphActions(CommandContext context) : context_(context) {}

    void AddLine(GraphWindowCommands& window, int position, const GraphLineData& line,
                 CompoundCommand* compound);
    void InsertLine(GraphWindowCommands& window, const GraphLineData& line, CompoundCommand* compound);
    void DeleteLine(GraphWindowCommands& window, int position, CompoundCommand* compound);
    void EditLine(GraphWindowCommands& window, int position, const GraphLineData& line,
                  bool recompute, CompoundCommand* compound);
    void MoveLineDown(GraphWindowCommands& window, int position, CompoundCommand* compound);
    void MoveLineUp(GraphWindowCommands& window, int position, CompoundCommand* compound);
    void SelectLine(GraphWindowCommands& window, int position, CompoundCommand* compound);
    // Field id 18 takes the whole record; any other id one field of it. A
    // y-axis limit that the graph cannot take is refused (the running
    // script is told why) and only the guide line, when it changes, is
    // recorded.
    void ChangeOptions(GraphWindowCommands& window, const TimeAndLocation& options,
                       std::int32_t fieldId, bool guideLineShown, CompoundCommand* compound);
    void EndCompound(GraphWindowCommands& window, const String& text,
                     std::unique_ptr<CompoundCommand> holder, bool record);

private:
    CommandContext context_;
};

// The reason a y-axis limit is refused, or the empty text when the graph
// takes it (field ids 16 and 17; other ids are always taken).
String CheckGraphLimits(GraphDocumentModel& document, const TimeAndLocation& options,
                        std::int32_t fieldId);

}  // namespace corvinata
