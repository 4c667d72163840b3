// The windows a running script opened, by the names it gave them, and the
// window side the script host acts through: opening, finding, closing,
// activating and moving child windows, the error box and the Event Finder.
//
// A name keeps the window's creation number (ChildWindowRegistry), never
// the window object: a window that closed is recognised as closed even when
// a window opened later took its place in memory.
#pragma once

#include <cstdint>
#include <map>

#include "app/app_interfaces.h"
#include "base/location.h"
#include "base/wide_string.h"
#include "tools/event_definitions.h"
#include "tools/event_finder.h"

namespace corvinata {

class ExplorerActions;
class ExplorerView;
class EclipseWindowCommands;
class GraphView;
class PictureWindowCommands;
class SkyWindowCommands;
class SolarSystemWindowCommands;

// An open window as the script host reaches it: its kind and the interface
// of that kind (the others are null).
struct ScriptWindowTarget {
    int kind = -1;
    GraphView* graph = nullptr;
    ExplorerView* explorer = nullptr;
    ExplorerActions* explorerActions = nullptr;
    PictureWindowCommands* picture = nullptr;
    EclipseWindowCommands* eclipse = nullptr;
    SkyWindowCommands* sky = nullptr;
    SolarSystemWindowCommands* solarSystem = nullptr;

    bool IsOpen() const noexcept { return kind >= 0; }
};

// The frame's side of the script host.
class ScriptWindowServices {
public:
    virtual ~ScriptWindowServices() = default;
    // A new window of the kind with the kind's defaults; its creation
    // number, 0 when none could be made.
    virtual std::uint32_t NewWindow(WindowKind kind) = 0;
    // A Graph window over the graph file, without a message box; 0 and the
    // reason when the file cannot be read.
    virtual std::uint32_t OpenGraphFile(const String& path, String& error) = 0;
    // The open window of that creation number; kind -1 once it closed.
    virtual ScriptWindowTarget FindWindow(std::uint32_t number) = 0;
    // As if the user closed it (a changed graph asks first).
    virtual void CloseWindow(std::uint32_t number) = 0;
    virtual void ActivateWindow(std::uint32_t number) = 0;
    // To (x, y) of the MDI client, size, order and activation unchanged.
    virtual void MoveWindow(std::uint32_t number, int x, int y) = 0;
    // The modal box that tells why a script stopped.
    virtual void ShowScriptErrorBox(const String& text) = 0;
    // Shows the Event Finder (where it stands when it is open) and starts a
    // search there, stopping a running one.
    virtual void StartEventFinderSearch(const events::SearchSetup& setup,
                                        const events::EventCondition& condition,
                                        const Location& place) = 0;
    // The guide line of a Graph window moves at once (no undo step).
    virtual void SetGraphGuideLine(GraphView& graph, int position) = 0;
};

class ScriptWindowNames {
public:
    // The name now means that window; an earlier window of the name stays
    // open but out of the script's reach.
    void Remember(const String& name, std::uint32_t creationNumber);
    // The window of the name, open and of the kind (any kind for -1); on
    // failure the error text says why and the target's kind is -1.
    ScriptWindowTarget Find(ScriptWindowServices& windows, const String& name, int kind,
                            String& error) const;
    // The creation number of the name's window, open or not; 0 for an
    // unknown name.
    std::uint32_t NumberOf(const String& name) const;

private:
    // Ordered by code unit: names differing only in case are different.
    struct CodeUnitOrder {
        bool operator()(const String& a, const String& b) const noexcept;
    };
    std::map<String, std::uint32_t, CodeUnitOrder> names_;
};

// "No window named '" + name + "' is open".
String NoWindowNamedText(const String& name);
// "The window named '" + name + "' is not of the expected type".
String WrongWindowKindText(const String& name);

}  // namespace corvinata
