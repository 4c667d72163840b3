#include "views/sky_view.h"

#include <cmath>
#include <cstdlib>

#include "astro/coordinates.h"
#include "base/event_time.h"

namespace corvinata {

double PixelsToDegrees(double pixels, int fieldOfView, int viewportSide) noexcept {
    return viewportSide > 0 ? pixels * fieldOfView / viewportSide : 0.0;
}

SkyDrag FirstDragMove(bool axisLock, int dx, int dy) noexcept {
    if (!axisLock) return SkyDrag::kFree;
    return std::abs(dx) > std::abs(dy) ? SkyDrag::kHorizontal : SkyDrag::kVertical;
}

ViewDirection DragMove(SkyDrag drag, const ViewDirection& view, int lastX, int lastY, int x, int y,
                       int fieldOfView, int viewportSide) noexcept {
    ViewDirection next = view;
    if (drag == SkyDrag::kHorizontal || drag == SkyDrag::kFree) {
        next.azimuth = WrapAzimuth(next.azimuth + PixelsToDegrees(x - lastX, fieldOfView, viewportSide));
    }
    if (drag == SkyDrag::kVertical || drag == SkyDrag::kFree) {
        next.altitude = ClampAltitude(next.altitude + PixelsToDegrees(y - lastY, fieldOfView, viewportSide));
    }
    return next;
}

ViewDirection ViewDirectionFor(const SkyPosition& position, int mapType, int fieldOfView,
                               double localSiderealHours, double latitude) noexcept {
    if (mapType == kEquatorialMap) return ViewDirection{position.first, position.second};
    SkyCoordinates c{position.first, position.second, kEquatorialSystem};
    EquatorialToHorizontal(c, localSiderealHours, latitude);
    ViewDirection view{WrapAzimuth(360.0 - c.longitude), c.latitude};
    if (mapType == kRealisticMap) view.altitude = ClampAltitude(view.altitude - fieldOfView / 2.0);
    return view;
}

double ReadableAzimuth(double windowAzimuth, int mapType) noexcept {
    return mapType == kEquatorialMap ? windowAzimuth : WrapAzimuth(360.0 - windowAzimuth);
}

double WindowAzimuth(double readableAzimuth, int mapType) noexcept {
    // The conversion is its own inverse.
    return ReadableAzimuth(readableAzimuth, mapType);
}

namespace {

template <class T>
void KeepInRange(T& value, T low, T high, T fallback) noexcept {
    if (!(value >= low && value <= high)) value = fallback;
}

}  // namespace

void SanitiseSkyWindowState(SkyWindowState& state, const SkyWindowState& defaults) noexcept {
    if (!(state.viewLambda >= 0.0 && state.viewLambda < 360.0)) state.viewLambda = defaults.viewLambda;
    KeepInRange(state.viewPhi, -90.0, 90.0, defaults.viewPhi);
    KeepInRange(state.fieldWidth, kSkyZoomRangeMin, kSkyZoomRangeMax, defaults.fieldWidth);
    SkyOptions& o = state.options;
    const SkyOptions& d = defaults.options;
    KeepInRange(o.mapType, 0, 2, d.mapType);
    KeepInRange(o.gridType, 0, 2, d.gridType);
    KeepInRange(o.horizonType, 0, 2, d.horizonType);
    KeepInRange(o.planetDisplayMode, 0, 2, d.planetDisplayMode);
    KeepInRange(o.deepSkyCatalogue, 0, 4, d.deepSkyCatalogue);
    KeepInRange(o.deepSkyNameSystem, 0, 4, d.deepSkyNameSystem);
    KeepInRange(o.constellationNames, 0, 2, d.constellationNames);
    KeepInRange(o.magnitudeLimit, -30.0, 30.0, d.magnitudeLimit);
    if (!state.selectedBody.object) state.selectedBody = defaults.selectedBody;
}

}  // namespace corvinata
