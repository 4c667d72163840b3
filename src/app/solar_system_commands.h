// The undoable edits of a Solar System window: the selected body, the planet
// whose orbit the display is zoomed to, the display options and the moment
// of the shared Solar System document.
#pragma once

#include <cstdint>
#include <memory>

#include "catalog/catalogue_registry.h"
#include "app/command_family.h"
#include "app/option_records.h"
#include "app/solar_system_document.h"

namespace corvinata {

class SolarSystemCommandHistory : public WindowCommandHistory {
public:
    bool viewChanged = false;
    bool timeChanged = false;

protected:
    void ResetChangeState() override {
        viewChanged = false;
        timeChanged = false;
    }
};

// Planets a Solar System display can be zoomed to: 0 Mercury .. 8 Pluto.
constexpr int kFirstZoomPlanet = 0;
constexpr int kLastZoomPlanet = 8;

// The key name of planet 0..8 ("Mercury" .. "Pluto", 2 the Earth).
const Char* SolarSystemPlanetName(int planet) noexcept;

// A Solar System window as its commands see it.
class SolarSystemWindowCommands {
public:
    virtual ~SolarSystemWindowCommands() = default;
    virtual void Highlight() = 0;
    virtual SolarSystemDocument& GetDocument() = 0;
    virtual const SolarSystemOptions& GetOptions() const = 0;
    virtual BodyIdentifier GetSelectedBody() const = 0;
    virtual SolarSystemCommandHistory& GetCommandHistory() = 0;
    virtual int GetZoomedPlanet() const = 0;
    virtual void SetOptions(const SolarSystemOptions& options) = 0;
    // Zoom mode 0 only selects; 1 and 2 also zoom so that the body is shown
    // (1 then highlights it).
    virtual void SelectBody(const BodyIdentifier& body, int zoomMode, int zoomArgument) = 0;
    virtual void SetZoomedPlanet(int planet) = 0;
    virtual void RefreshDisplay() = 0;
};

class SolarSystemActions {
public:
    explicit SolarSystemActions(CommandContext context) : context_(context) {}

    void ZoomToBody(SolarSystemWindowCommands& window);
    void SelectPair(SolarSystemWindowCommands& window, const BodyIdentifier& body, int zoomMode,
                    int zoomArgument, CompoundCommand* compound);
    void ShowAt(SolarSystemWindowCommands& window, const BodyIdentifier& body, const DateTime& moment);
    // Starts from the window's own options: field `fieldId` (0..8) or the
    // whole record (9) is taken from `options`.
    void ChangeOptions(SolarSystemWindowCommands& window, const SolarSystemOptions& options,
                       std::int32_t fieldId, CompoundCommand* compound);
    void GoTo(SolarSystemWindowCommands& window, const DateTime& moment, std::int32_t changeKind,
              CompoundCommand* compound, bool record);
    // A planet outside 0..8 is refused (the running script is told).
    void ZoomToPlanet(SolarSystemWindowCommands& window, int planet, int afterHookArgument,
                      CompoundCommand* compound);
    // The panel's double-click: the zoom to `planet` joins the window's own
    // last step when that step selected the window's selected body;
    // otherwise it is recorded as its own "Zoom to" step.
    void ZoomWithSelection(SolarSystemWindowCommands& window, int planet);
    // direction 0 zooms toward Mercury, any other toward Pluto.
    void ZoomStep(SolarSystemWindowCommands& window, int steps, int direction, bool merge);
    void EndCompound(SolarSystemWindowCommands& window, const String& text,
                     std::unique_ptr<CompoundCommand> holder, bool record);

private:
    int ProbeZoom(SolarSystemWindowCommands& window, const BodyIdentifier& body, int zoomMode,
                  int zoomArgument);

    CommandContext context_;
};

}  // namespace corvinata
