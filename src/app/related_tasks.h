// The lines of the Related Tasks pane: each task knows its caption and what
// running it does. Tasks reach windows and tools only through the window
// services, so they can be built and run before those exist.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/window_services.h"
#include "base/date_time.h"
#include "base/date_time_location.h"
#include "base/time_step.h"
#include "base/wide_string.h"
#include "catalog/catalogue_registry.h"

namespace corvinata {

// An event found by the Event Finder or the Event Forecast, as the tasks
// need it. `description` is the event type's text with the bodies' names.
struct RelatedEvent {
    int eventTypeId = -1;
    DateTime begin;
    DateTime end;
    BodyIdentifier body;
    BodyIdentifier secondBody;
    String description;
};

constexpr int kSolarEclipseEvent = 8;
constexpr int kLunarEclipseEvent = 9;

class RelatedTask {
public:
    virtual ~RelatedTask() = default;
    virtual void Execute(WindowServices& services) const = 0;
    // The caption, built on first use and then kept.
    const Char* GetText() const;
    virtual String GetTooltip() const { return String(); }

protected:
    virtual String BuildText() const = 0;

private:
    mutable String caption_;
};

using RelatedTaskPtr = std::unique_ptr<RelatedTask>;

// The name a caption shows for a body: its name in the chosen system, else
// its key name.
String TaskBodyName(const BodyIdentifier& body);

// The body's name as a script string, ready to stand before ".Rise(lct)":
// in double quotes, so blanks, dots and keywords stay part of the name.
// False when the name holds a double quote or is empty: the script language
// has no way to write such a string, and pasting it unquoted would change
// the expression.
bool QuoteScriptBodyName(const String& name, String& quoted);

// The window kinds that ask for tasks: the child-window kinds and two tools.
constexpr int kEventFinderTaskSource = 8;
constexpr int kObjectInfoTaskSource = 10;

RelatedTaskPtr MakeOpenWindowTask(int windowKind);
RelatedTaskPtr MakeEphemeridesTask(const BodyIdentifier& body, const DateTime& date);
RelatedTaskPtr MakePictureTask(const BodyIdentifier& body);
// The body to explore is the planet (Jupiter or Saturn) itself.
RelatedTaskPtr MakeExploreTask(const BodyIdentifier& planet);
RelatedTaskPtr MakeViewInSkyTask(const BodyIdentifier& body, const DateTime& date);
RelatedTaskPtr MakeViewInSolarSystemTask(const BodyIdentifier& body, const DateTime& date);
RelatedTaskPtr MakeRiseSetGraphTask(const BodyIdentifier& body, const DateTime& date);
RelatedTaskPtr MakeQuantityGraphTask(const BodyIdentifier& body, const DateTime& date,
                                     std::uint32_t functionId);
// Object Info shows the body at the date (the moment of the window asking).
RelatedTaskPtr MakeObjectInfoTask(const BodyIdentifier& body, const DateTime& date);
enum class EventView { kSky, kSolarSystem, kSolarEclipseWindow };
RelatedTaskPtr MakeEventTask(const RelatedEvent& event, EventView view);
RelatedTaskPtr MakeNewGraphTask();
RelatedTaskPtr MakeOpenGraphTask();
RelatedTaskPtr MakeEditGraphLinesTask(RelatedTaskWindow& graphWindow);
RelatedTaskPtr MakeEditGraphOptionsTask(RelatedTaskWindow& graphWindow);
RelatedTaskPtr MakeOpenGraphFileTask(const String& path);
RelatedTaskPtr MakeEclipseViewTask(const DateTime& date, bool inSky);
RelatedTaskPtr MakeEclipseSearchTask(const DateTime& date, int eventTypeId);

// The request of the two graph tasks: the range begins at 0 h of the date a
// month earlier; false when that leaves the valid dates or the name cannot
// be written into the line's expression.
bool BuildRiseSetGraphRequest(const BodyIdentifier& body, const DateTime& date, NewGraphRequest& out);
bool BuildQuantityGraphRequest(const BodyIdentifier& body, const DateTime& date, std::uint32_t functionId,
                               NewGraphRequest& out);

}  // namespace corvinata
