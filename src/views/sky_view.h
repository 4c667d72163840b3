// What a Sky window does with its view that needs no window: the drag's
// arithmetic, the direction that shows a position, the azimuth a user
// reads, and a stored view brought into range.
#pragma once

#include <memory>

#include "app/sky_commands.h"
#include "app/window_settings.h"

namespace corvinata {

// Degrees of view turned by a drag of `pixels`: a drag across the
// viewport's side turns the view by one field of view. Kept in doubles so
// that slow drags of a pixel at a time still move the view.
double PixelsToDegrees(double pixels, int fieldOfView, int viewportSide) noexcept;

// The drag of the Sky display: pressed over empty sky, then at the first
// move horizontal only or vertical only (with Shift held at the press),
// else free.
enum class SkyDrag : int { kNone = 0, kHorizontal = 1, kVertical = 2, kFree = 3, kPressed = 4 };

// The drag a first move of (dx, dy) pixels starts; ties go vertical.
SkyDrag FirstDragMove(bool axisLock, int dx, int dy) noexcept;
// The view after a drag move from (lastX, lastY) to (x, y) (client pixels,
// y down): right raises the window's azimuth, down the altitude, so that
// the sky follows the pointer in every map. (In a horizon map the compass
// azimuth the caption shows goes down.)
ViewDirection DragMove(SkyDrag drag, const ViewDirection& view, int lastX, int lastY, int x, int y,
                       int fieldOfView, int viewportSide) noexcept;

// The map types of the Sky options.
enum SkyMapType : int { kHorizontalMap = 0, kEquatorialMap = 1, kRealisticMap = 2 };

// The window's direction that shows an equatorial position of the date
// (degrees) at the local sidereal time (hours) and latitude (degrees): the
// position itself in the equatorial map; else 360 - its compass azimuth and
// its altitude, lowered by half the field in the realistic map (so that it
// stands half a field above the bottom edge), clamped to -90..90.
ViewDirection ViewDirectionFor(const SkyPosition& position, int mapType, int fieldOfView,
                               double localSiderealHours, double latitude) noexcept;

// The azimuth a user reads of a window's angle: the compass (north 0, east
// 90) in the horizontal and realistic maps, the right ascension in the
// equatorial map.
double ReadableAzimuth(double windowAzimuth, int mapType) noexcept;
// The window's angle of an azimuth a user or a script gives.
double WindowAzimuth(double readableAzimuth, int mapType) noexcept;

// A stored or transferred view brought into range: every field out of its
// range (the blank record's markers among them) takes the new-window
// default of `defaults`.
void SanitiseSkyWindowState(SkyWindowState& state, const SkyWindowState& defaults) noexcept;

// The object a selection of `object` stands for in a Sky window: a
// constellation's principal star, Saturn for its satellites, Jupiter for
// its; anything else itself.
const CelestialObject* SkySelectableObject(const CelestialObject* object);

// Degrees between two directions of view along the great circle.
double ViewSeparation(const ViewDirection& a, const ViewDirection& b) noexcept;

// One Sky window's view of the shared Sky document: its direction, field of
// view, options, selection and tracked target, and the history of its
// steps. The Sky actions change it; the window draws it.
class SkyView : public SkyWindowCommands {
public:
    SkyView(SkyDocument& document, std::unique_ptr<SkyCommandHistory> history);
    ~SkyView() override;
    SkyView(const SkyView&) = delete;
    SkyView& operator=(const SkyView&) = delete;

    // Where the object stands on the sky of the document's moment
    // (equatorial of the date, degrees): the document's own position, else
    // the property evaluation's.
    SkyPosition BodyPosition(const CelestialObject& object) const;
    bool HighlightOn() const noexcept { return highlight_; }
    const CelestialObject* SelectedObject() const noexcept { return selected_.object; }

    // SkyWindowCommands
    ViewDirection ComputeLookDirection(const SkyPosition& target, double zoom) override;
    void Highlight() override { highlight_ = true; }
    int GetZoomStep() const override { return 10; }
    void GetZoomRange(int& minimum, int& maximum) const override;
    int GetZoom() const override { return fieldOfView_; }
    SkyDocument& GetDocument() override { return skyDocument_; }
    const SkyOptions& GetOptions() const override { return options_; }
    BodyIdentifier GetSelectedBody() const override { return selected_; }
    bool GetTimeFlag() const override { return timeFlag_; }
    bool IsTracking() const override { return tracking_; }
    SkyPosition GetLookTarget() const override { return lookTarget_; }
    SkyCommandHistory& GetCommandHistory() override { return *history_; }
    ViewDirection GetViewDirection() const override { return direction_; }
    void SetZoom(int zoom) override { fieldOfView_ = zoom; }
    void SetOptions(const SkyOptions& options) override { options_ = options; }
    // Selects what the body stands for (SkySelectableObject), then centres
    // it: mode 2 always, mode 1 when it lies outside the field; `second`
    // flashes it.
    void SelectBody(const BodyIdentifier& body, int centreMode, int first, int second) override;
    void SetLookTarget(const SkyPosition& target) override { lookTarget_ = target; }
    void SetTracking(bool tracking) override { tracking_ = tracking; }
    void SetTimeFlag(bool flag) override { timeFlag_ = flag; }
    void SetViewDirection(const ViewDirection& direction) override { direction_ = direction; }
    void StepAltitude(double delta) override { direction_.altitude = ClampAltitude(direction_.altitude + delta); }
    void StepAzimuth(double delta, bool add) override;
    void RefreshDisplay() override {}

protected:
    // The moment whose sidereal time turns the sky: the document's.
    virtual DateTime StarsMoment() const;
    // Turns the view to the selection as SelectBody describes; a window
    // with a display asks the display (which knows what it shows).
    virtual void CentreOnSelection(int centreMode, bool movePointer, bool flash);

    SkyDocument& skyDocument_;
    ViewDirection direction_;
    int fieldOfView_ = 60;
    SkyOptions options_;
    BodyIdentifier selected_;
    bool timeFlag_ = false;
    bool tracking_ = false;
    SkyPosition lookTarget_{kNotComputedAngle, kNotComputedAngle, 4};
    bool highlight_ = false;

private:
    std::unique_ptr<SkyCommandHistory> history_;
};

}  // namespace corvinata
