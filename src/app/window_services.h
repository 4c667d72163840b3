// The window services: the one way a window or a tool reaches another
// window, another tool, the Related Tasks pane or the frame. The frame
// implements them once and hands them to every window kind and tool it
// makes; a window never looks for another kind's window itself, so the
// rules of showing (activate or create, a setting as an undoable step) live
// in one place. Tests hand in recorders.
#pragma once

#include <cstdint>
#include <vector>

#include "base/date_time.h"
#include "base/date_time_location.h"
#include "base/date_time_range.h"
#include "base/time_step.h"
#include "base/wide_string.h"
#include "catalog/catalogue_registry.h"

namespace corvinata {

// A window the services know (the Graph window of a graph task); the callers
// only pass it back.
class RelatedTaskWindow {
public:
    virtual ~RelatedTaskWindow() = default;
};

struct GraphLineRequest {
    String name;
    String expression;
};

// A new graph at the current place whose range starts at `begin` and runs
// one year (365 days), with its lines computed.
struct NewGraphRequest {
    DateTime begin;
    BodyIdentifier body;  // of every line
    std::vector<GraphLineRequest> lines;
};

struct RelatedEvent;
struct EventFinderSelection;

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // What the program knows and offers.
    virtual const DateTimeLocation& CurrentTimeAndLocation() const = 0;
    virtual bool BodyHasPicture(const BodyIdentifier& body) const = 0;
    // Whether the program has windows of the kind (menus gray the others).
    virtual bool OffersWindowKind(int windowKind) const = 0;
    virtual bool OffersObjectInfo() const = 0;

    // Child windows. The "show" operations activate an open window of the
    // kind (or create one) and give it the setting; an open window takes it
    // as an undoable step. They answer false when the window refused (a
    // body it cannot show, no window of the kind): nothing was shown.
    virtual void OpenNewWindow(int windowKind) = 0;
    virtual void NewReportWindow(int reportType, int planetNumber, const DateTimeLocation& record) = 0;
    // The body's picture; where no installed pack holds one the user is told.
    virtual bool ShowBodyInPictureWindow(const BodyIdentifier& body) = 0;
    // The explorer of the planet at `moment` (none: the explorer's own
    // moment); the body (the planet, or a moon of an event) leaves the
    // window's selected moon as it is.
    virtual bool ShowBodyInJupiterWindow(const BodyIdentifier& body, const DateTime* moment) = 0;
    virtual bool ShowBodyInSaturnWindow(const BodyIdentifier& body, const DateTime* moment) = 0;
    // The body selected at the window's own moment, or at `date`; without a
    // body, the Sky at `date` with its selection as it was.
    virtual bool ShowBodyInSkyWindow(const BodyIdentifier& body) = 0;
    virtual bool ShowBodyInSkyWindowAt(const BodyIdentifier& body, const DateTime& date) = 0;
    virtual bool ShowBodyInSolarSystemWindow(const BodyIdentifier& body) = 0;
    virtual bool ShowBodyInSolarSystemWindowAt(const BodyIdentifier& body, const DateTime& date) = 0;
    // The eclipse whose greatest eclipse falls in the range.
    virtual bool ShowInSolarEclipseWindow(const DateTimeRange& range) = 0;

    // Graphs.
    virtual void NewGraphWindow() = 0;
    virtual void OpenGraphDialog() = 0;
    virtual void OpenGraphFile(const String& path) = 0;
    // A new Graph window holding the request's lines, computed and drawn.
    virtual void OpenGraph(const NewGraphRequest& request) = 0;
    virtual void ShowGraphLinesEditor(RelatedTaskWindow& graphWindow) = 0;
    virtual void ShowGraphOptions(RelatedTaskWindow& graphWindow) = 0;

    // Tools.
    // Object Info shows the body (at `moment` when one is given), and the
    // tools and the Related Tasks pane follow.
    virtual void ShowObjectInfo(const BodyIdentifier& body, const DateTime* moment) = 0;
    // Shows the Event Finder at its placement and starts a run of a
    // predefined event at the current place.
    virtual void StartEventSearch(int eventTypeId, const DateTime& begin, const DateTime& end,
                                  const TimeStep& step) = 0;

    // The end of a window's highlight flash: the kind's control panel gets
    // back "&Highlight" (and the Solar System panel its planet list), with
    // the focus on the button.
    virtual void FocusSkyPanelHighlight() = 0;
    virtual void FocusSolarSystemPanelHighlight() = 0;

    // The Related Tasks pane.
    // The active window's selection changed.
    virtual void RefreshRelatedTasks() = 0;
    // Nothing listed (the Event Forecast with no result selected).
    virtual void ClearRelatedTasks() = 0;
    // The Event Forecast's selected result at its date.
    virtual void ShowEventTasks(const RelatedEvent& event, const DateTime& date) = 0;
    virtual void ShowEventFinderTasks(const EventFinderSelection& selection) = 0;
    // Object Info's body at its moment.
    virtual void ShowObjectInfoTasks(const BodyIdentifier& body, const DateTime& date) = 0;
};

// What a double-click on an Event Finder or Event Forecast result shows: the
// window kind its event type names, its body and its dates.
struct EventResultShowRequest {
    int windowKind = -1;
    BodyIdentifier body;
    DateTimeRange range;
};

// Calls the service of the request's window kind; false (nothing shown) for
// a kind that shows no event and when the window refused.
bool ShowEventResult(WindowServices& services, const EventResultShowRequest& request);
// What the user is told of a result that could not be shown.
inline constexpr const Char* kEventResultNotShownText = TXT("The selected result cannot be shown in a window.");

}  // namespace corvinata
