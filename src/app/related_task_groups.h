// The ten groups of the Related Tasks pane and the rules that fill them for
// a window or tool and its selected body.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "app/related_tasks.h"

namespace corvinata {

constexpr int kRelatedTaskGroupCount = 10;

enum RelatedTaskGroupId : int {
    kGettingStartedGroup = 0,
    kSelectedBodyGroup = 1,
    kSecondBodyGroup = 2,
    kCurrentGraphGroup = 3,
    kGeneralGraphGroup = 4,
    kSampleGraphGroup = 5,
    kRecentGraphGroup = 6,
    kReportGroup = 7,
    kSelectedEventGroup = 8,
    kSolarEclipseGroup = 9,
};

// The header the list view shows above group `group`.
const Char* RelatedTaskGroupHeader(int group) noexcept;

// The tasks of the pane. A rebuild during a task's own run (the run opened a
// window whose selection rebuilds the pane) must not delete that task, so
// the tasks of a clear are kept until the outermost run has returned.
class RelatedTaskGroups {
public:
    const std::vector<RelatedTaskPtr>& Group(int group) const {
        return groups_.at(static_cast<std::size_t>(group));
    }
    // A null task (one that could not be made) is left out.
    void Add(int group, RelatedTaskPtr task);
    void Clear();
    // The task at `index` of `group`, or none.
    const RelatedTask* Find(int group, int index) const noexcept;
    int TaskCount() const noexcept;
    // Runs the task; false when it is not one of the pane's tasks.
    bool Run(const RelatedTask* task, WindowServices& services);
    // Tasks cleared but still waiting for a run to end (for tests).
    std::size_t RetiredCount() const noexcept { return retired_.size(); }

private:
    std::array<std::vector<RelatedTaskPtr>, kRelatedTaskGroupCount> groups_;
    std::vector<RelatedTaskPtr> retired_;
    int running_ = 0;
};

// What a window or tool hands to the pane: its kind, its date and its
// selection. Bodies without an object are no selection.
struct RelatedTaskSource {
    int kind = -1;  // a window kind, kEventFinderTaskSource or kObjectInfoTaskSource
    DateTime date;
    BodyIdentifier body;        // the selected body (the shown picture's, the report's ...)
    BodyIdentifier secondBody;  // the explorers' selected moon
    RelatedTaskWindow* graphWindow = nullptr;
    String graphsDirectory;  // where the sample graphs are
};

// The body of a report of `reportType` (the ephemerides' Sun, Moon or
// planet); none for the reports of a day, a night or a month.
BodyIdentifier BodyOfReport(int reportType, int planetNumber);

// The Event Finder's selected result as the pane needs it.
struct EventFinderSelection {
    int resultCount = 0;
    // The run cannot offer tasks (it is still running or was cancelled).
    bool runUnusable = false;
    // A predefined event: `event`; a condition of the script language: the
    // condition's body and body function.
    bool predefined = true;
    // A predefined event; or a condition without a body: its description
    // and the result's dates (Universal time).
    RelatedEvent event;
    BodyIdentifier conditionBody;
    std::uint32_t conditionFunction = 0;
    DateTime date;  // of the selected result
};

class RelatedTaskBuilder {
public:
    RelatedTaskBuilder(RelatedTaskGroups& groups, const WindowServices& services)
        : groups_(groups), services_(services) {}

    // The tasks for a body, leaving out those that would reopen the kind
    // of window or tool asking. `quantity` 0 offers the standard graphs,
    // another body function id one graph of it.
    void BuildRelatedTasks(const DateTime& date, int group, const BodyIdentifier& body, int sourceKind,
                           std::uint32_t quantity);
    void AddEventTasks(const RelatedEvent& event, const DateTime& date, int group);
    void AddSampleGraphTasks(RelatedTaskWindow& graphWindow, const DateTime& rangeBegin,
                             const BodyIdentifier& selectedLineBody, const String& graphsDirectory);
    void AddSolarEclipseTasks(const DateTime& date);
    void AddOpenWindowTasks();
    // Clears nothing: the per-kind entry for a window; unknown kinds add
    // nothing.
    void BuildForWindow(const RelatedTaskSource& source);
    // "Getting started" while the run has nothing to offer.
    void BuildForEventFinder(const EventFinderSelection& selection);

private:
    void AddPicture(int group, const BodyIdentifier& body);
    void AddEphemerides(int group, const BodyIdentifier& body, const DateTime& date);
    void AddExplore(int group, const BodyIdentifier& body, int sourceKind);
    void AddGraphs(int group, const BodyIdentifier& body, const DateTime& date, std::uint32_t quantity);

    RelatedTaskGroups& groups_;
    const WindowServices& services_;
};

}  // namespace corvinata
