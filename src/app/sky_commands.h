// The undoable edits of a Sky window: where it looks, how far it zooms,
// what it selects, its options and the moment of the shared Sky document.
#pragma once

#include <cstdint>
#include <memory>

#include "catalog/catalogue_registry.h"
#include "app/command_family.h"
#include "app/option_records.h"
#include "app/sky_document.h"

namespace corvinata {

// What changed in the last step, for the Sky control panel.
enum SkyChangeBits : std::uint32_t {
    kSkySelectionChanged = 0x01,
    kSkyCoordinateOptionsChanged = 0x02,
    kSkyViewOptionsChanged = 0x04,
    kSkyOtherOptionsChanged = 0x08,
    kSkyDirectionChanged = 0x10,
    kSkyZoomChanged = 0x20,
    kSkyDateTimeChanged = 0x40,
};

class SkyCommandHistory : public WindowCommandHistory {
public:
    std::uint32_t changeBits = 0;
    bool timeChanged = false;

protected:
    void ResetChangeState() override {
        changeBits = 0;
        timeChanged = false;
    }
};

// A direction of view: azimuth 0 up to 360, altitude -90..+90 (degrees).
struct ViewDirection {
    double azimuth = 0.0;
    double altitude = 0.0;
};

inline bool operator==(const ViewDirection& a, const ViewDirection& b) noexcept {
    return a.azimuth == b.azimuth && a.altitude == b.altitude;
}
inline bool operator!=(const ViewDirection& a, const ViewDirection& b) noexcept { return !(a == b); }

// An azimuth brought into 0 up to 360 by whole turns (2 - 6 gives 356).
double WrapAzimuth(double degrees) noexcept;
// An altitude limited to -90..+90.
double ClampAltitude(double degrees) noexcept;

// Component masks of a view command.
constexpr std::int32_t kViewAzimuth = 1;
constexpr std::int32_t kViewAltitude = 2;
constexpr std::int32_t kViewBoth = 0xFFFF;

// A Sky window as its commands see it.
class SkyWindowCommands {
public:
    virtual ~SkyWindowCommands() = default;
    virtual ViewDirection ComputeLookDirection(const SkyPosition& target, double zoom) = 0;
    virtual void Highlight() = 0;
    virtual int GetZoomStep() const = 0;
    virtual void GetZoomRange(int& minimum, int& maximum) const = 0;
    virtual int GetZoom() const = 0;
    virtual SkyDocument& GetDocument() = 0;
    virtual const SkyOptions& GetOptions() const = 0;
    virtual BodyIdentifier GetSelectedBody() const = 0;
    virtual bool GetTimeFlag() const = 0;
    virtual bool IsTracking() const = 0;
    virtual SkyPosition GetLookTarget() const = 0;
    virtual SkyCommandHistory& GetCommandHistory() = 0;
    virtual ViewDirection GetViewDirection() const = 0;
    virtual void SetZoom(int zoom) = 0;
    virtual void SetOptions(const SkyOptions& options) = 0;
    // A centre mode other than 0 also turns the view to the body.
    virtual void SelectBody(const BodyIdentifier& body, int centreMode, int first, int second) = 0;
    virtual void SetLookTarget(const SkyPosition& target) = 0;
    virtual void SetTracking(bool tracking) = 0;
    virtual void SetTimeFlag(bool flag) = 0;
    virtual void SetViewDirection(const ViewDirection& direction) = 0;
    virtual void StepAltitude(double delta) = 0;
    virtual void StepAzimuth(double delta, bool add) = 0;
    virtual void RefreshDisplay() = 0;
};

// The zoom range of a Sky window, degrees.
constexpr int kSkyZoomRangeMin = 10;
constexpr int kSkyZoomRangeMax = 180;

// Directions of LookStep.
enum SkyLookStep : int { kLookDown = 0, kLookRight = 1, kLookLeft = 2, kLookUp = 3 };

// The largest of the look steps (1 .. 90 degrees) not above two thirds of
// the zoom.
double SkyLookStepSize(int zoom) noexcept;

// "Look to " texts: the azimuth and the altitude as the user reads angles.
String FormatDirectionText(const ViewDirection& direction);

class SkyActions {
public:
    explicit SkyActions(CommandContext context) : context_(context) {}

    void LookAtTarget(SkyWindowCommands& window, const SkyPosition& target);
    // Turns the view to the selection when it lies outside the field (one
    // step), then highlights it, also when the view did not move.
    void LookAtSelection(SkyWindowCommands& window);
    void LookToOrigin(SkyWindowCommands& window);
    void LookTo(SkyWindowCommands& window, const ViewDirection& direction, std::int32_t mask,
                int afterHookArgument, CompoundCommand* compound);
    void LookStep(SkyWindowCommands& window, int direction);
    void LookToAltitude(SkyWindowCommands& window, double altitude, int afterHookArgument);
    void LookToAzimuth(SkyWindowCommands& window, double azimuth, int afterHookArgument);
    // Starts from the window's own options: field `fieldId` (0..20, the map
    // type being 9) or the whole record (21) is taken from `options`.
    void ChangeOptions(SkyWindowCommands& window, const SkyOptions& options, std::int32_t fieldId,
                       bool timeFlag, CompoundCommand* compound);
    void SelectPair(SkyWindowCommands& window, const BodyIdentifier& body, int centreMode,
                    int first, int second, CompoundCommand* compound);
    void GoTo(SkyWindowCommands& window, const DateTime& dateTime, bool timeFlag,
              std::int32_t changeKind, CompoundCommand* compound);
    void ShowAt(SkyWindowCommands& window, const BodyIdentifier& body, const DateTime& dateTime,
                bool timeFlag);
    // A zoom outside the window's range is refused (the running script is
    // told).
    void ZoomTo(SkyWindowCommands& window, int zoom, int afterHookArgument, CompoundCommand* compound);
    // direction 0 zooms in, 1 out. With `merge` the step folds into the last
    // step when that is a zoom of this window with nothing to redo after it.
    void ZoomStep(SkyWindowCommands& window, int steps, int direction, bool merge);
    void EndCompound(SkyWindowCommands& window, const String& text,
                     std::unique_ptr<CompoundCommand> holder, bool record);

private:
    void RecordZoom(SkyWindowCommands& window, int zoom, int afterHookArgument);
    ViewDirection ProbeSelection(SkyWindowCommands& window, const BodyIdentifier& body, int centreMode,
                                 int first, int second);

    CommandContext context_;
};

}  // namespace corvinata
