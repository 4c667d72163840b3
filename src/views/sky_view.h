// What a Sky window does with its view that needs no window: the drag's
// arithmetic, the direction that shows a position, the azimuth a user
// reads, and a stored view brought into range.
#pragma once

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
// y down): right turns the azimuth up, down raises the altitude.
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

}  // namespace corvinata
