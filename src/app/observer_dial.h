// The observer dial of the Sky control panel without its window: where the
// horizon ellipse, the arrow and the altitude scale lie for a client size,
// which direction a point of the dial means, and the drag that turns a
// press, moves and a release into one undoable change of the view.
#pragma once

#include "app/sky_commands.h"
#include "base/text_char.h"

namespace corvinata {

struct DialPoint {
    int x = 0;
    int y = 0;
};

struct ObserverDialGeometry {
    int width = 0;
    int height = 0;
    double cx = 0.0, cy = 0.0;  // centre of the horizon ellipse
    double rx = 0.0, ry = 0.0;  // its radii; ry = 0.4 rx
    int scaleX = 0;             // the altitude scale runs up from (scaleX, scaleBottom)
    int scaleBottom = 0;
    int scaleLength = 0;
};

// The widths in pixels of the labels as the control's font draws them: the
// widest of the scale's ("+90°", "0°", "-90°"), and the wider of the two
// that stand right of the ellipse ("E", "18h").
struct DialLabelWidths {
    int scale = 0;
    int right = 0;
};

// The dial for a client area of `width` x `height`: the ellipse centred at
// (0.63 W, 0.55 H) with rx = 0.25 W, the scale at x = 0.17 W from 0.8 H up
// over 0.6 H. Where the labels would not show whole at that size, the
// scale moves right until its labels fit before it, and the ellipse narrows
// so that its side labels stay inside the area and clear of the scale's
// pointer.
ObserverDialGeometry MakeObserverDialGeometry(int width, int height, const DialLabelWidths& labels = {}) noexcept;

// The scale's labels end this far left of it; the ellipse's side labels
// stand this far out from it (the left one's start, the right one's gap).
constexpr int kDialScaleLabelGap = 6;
constexpr int kDialLeftLabelOffset = 17;
constexpr int kDialRightLabelGap = 7;
// How far the altitude pointer reaches right of the scale.
constexpr int kDialPointerLength = 17;

// Pixel row of altitude `degrees` (-90 at the bottom of the scale).
int DialAltitudeRow(const ObserverDialGeometry& dial, double degrees) noexcept;

// The arrow for azimuth `degrees` (0 north at the top, 90 west at the left):
// the tip on the ellipse and the ends of its two barbs.
struct DialArrow {
    DialPoint tip;
    DialPoint barbs[2];
};
DialArrow MakeDialArrow(const ObserverDialGeometry& dial, double azimuth) noexcept;

// Top, right, bottom and left label of the ellipse: compass points, or hour
// angles when the view shows them.
const Char* DialLabel(int side, bool hourAngles) noexcept;
// The scale's labels, top to bottom, at +90, 0 and -90 degrees.
inline constexpr const Char* kDialScaleLabels[3] = {TXT("+90\u00B0"), TXT("0\u00B0"), TXT("-90\u00B0")};

// The azimuth that a point means while dragging the direction, 0 up to 360.
double DialAzimuthAt(const ObserverDialGeometry& dial, int x, int y) noexcept;
// The altitude that a row means while dragging the altitude, -90..+90.
double DialAltitudeAt(const ObserverDialGeometry& dial, int y) noexcept;

// The Sky window as the dial sees it.
class ObserverDialSky {
public:
    virtual ~ObserverDialSky() = default;
    virtual ViewDirection GetViewDirection() const = 0;
    // Sets the direction outside the command history (the view follows a drag).
    virtual void SetViewDirection(const ViewDirection& direction) = 0;
    virtual bool ShowsHourAngles() const = 0;
    // 0 no drag, 1 the direction, 2 the altitude.
    virtual void SetDragIndicator(int indicator) = 0;
    // The display draws faster while a drag lasts.
    virtual void SetDragDrawing(bool dragging) = 0;
    // Redraws the window for a change of direction.
    virtual void UpdateView() = 0;
    // One undoable step each.
    virtual void LookToAzimuth(double azimuth) = 0;
    virtual void LookToAltitude(double altitude) = 0;
};

// A Sky window whose direction and commands come from its command interface
// and the application's Sky actions; the display side is left to the window.
class SkyWindowDial : public ObserverDialSky {
public:
    SkyWindowDial(SkyWindowCommands& window, SkyActions& actions) : window_(window), actions_(actions) {}
    ViewDirection GetViewDirection() const override { return window_.GetViewDirection(); }
    void SetViewDirection(const ViewDirection& direction) override { window_.SetViewDirection(direction); }
    void LookToAzimuth(double azimuth) override { actions_.LookToAzimuth(window_, azimuth, 0); }
    void LookToAltitude(double altitude) override { actions_.LookToAltitude(window_, altitude, 0); }

private:
    SkyWindowCommands& window_;
    SkyActions& actions_;
};

enum class DialDragState { kIdle = 0, kUndecided = 1, kDirection = 2, kAltitude = 3 };

// One for the program: there is one Sky control panel.
class ObserverDrag {
public:
    // A press, or the second press of a double click.
    void Press(ObserverDialSky& sky);
    void Move(ObserverDialSky& sky, const ObserverDialGeometry& dial, DialPoint point);
    // The button's release at `point`. A drag that loses the mouse capture
    // ends the same way at the last point it handled.
    void Release(ObserverDialSky& sky, const ObserverDialGeometry& dial, DialPoint point);
    void CaptureLost(ObserverDialSky& sky, const ObserverDialGeometry& dial);
    DialDragState State() const noexcept { return state_; }

private:
    void Handle(ObserverDialSky& sky, const ObserverDialGeometry& dial, DialPoint point, bool final);

    DialDragState state_ = DialDragState::kIdle;
    ViewDirection start_;
    DialPoint last_;
};

}  // namespace corvinata
