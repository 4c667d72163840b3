#include "views/sky_view.h"

#include <cmath>
#include <cstdlib>

#include "astro/coordinates.h"
#include "base/event_time.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/star_catalogue.h"

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
    // The window's azimuth grows to the left on screen in every map (east
    // of a horizon map is its 270), so raising it moves the sky right with
    // the pointer.
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
    KeepInRange(o.deepSkyNameSystem, 0, kNoDeepSkyNames, d.deepSkyNameSystem);
    KeepInRange(o.constellationNames, 0, 2, d.constellationNames);
    KeepInRange(o.magnitudeLimit, -30.0, 30.0, d.magnitudeLimit);
    if (!state.selectedBody.object) state.selectedBody = defaults.selectedBody;
}

const CelestialObject* SkySelectableObject(const CelestialObject* object) {
    if (!object) return nullptr;
    switch (object->GetTypeId()) {
    case kBodyConstellation: {
        const BrightStar* star = ConstellationPrincipalStar(object->Number());
        return star ? static_cast<const CelestialObject*>(star) : object;
    }
    case kBodySaturnSatellite:
    case kBodyJupiterSatellite: {
        const Catalogue* planets = CatalogueByType(kBodyPlanet);
        const CelestialObject* planet =
            planets ? planets->CatalogueGetObjectAt(object->GetTypeId() == kBodySaturnSatellite ? 4 : 3) : nullptr;
        return planet ? planet : object;
    }
    default:
        return object;
    }
}

double ViewSeparation(const ViewDirection& a, const ViewDirection& b) noexcept {
    constexpr double kRadians = 3.14159265358979323846 / 180.0;
    const double cosine = std::sin(a.altitude * kRadians) * std::sin(b.altitude * kRadians) +
                          std::cos(a.altitude * kRadians) * std::cos(b.altitude * kRadians) *
                              std::cos((a.azimuth - b.azimuth) * kRadians);
    return std::acos(std::fmax(-1.0, std::fmin(1.0, cosine))) / kRadians;
}

SkyView::SkyView(SkyDocument& document, std::unique_ptr<SkyCommandHistory> history)
    : skyDocument_(document), history_(std::move(history)) {}

SkyView::~SkyView() = default;

SkyPosition SkyView::BodyPosition(const CelestialObject& object) const {
    SkyPosition position = skyDocument_.GetBodySkyPosition(object.GetTypeId(), object.Number());
    if (position.first != kNotComputedAngle && position.second != kNotComputedAngle) return position;
    PropertyMap out;
    PropertyConventions conventions;
    conventions.coordinateSystem = kEquatorialSystem;
    ComputeBodyProperties(object, kFunctionLongitude | kFunctionLatitude, skyDocument_.GetTimeAndPlace(), out,
                          conventions);
    if (out.Has(kFunctionLongitude) && out.Has(kFunctionLatitude)) {
        position = SkyPosition{out.Value(kFunctionLongitude), out.Value(kFunctionLatitude), kEquatorialSystem};
    }
    return position;
}

DateTime SkyView::StarsMoment() const { return skyDocument_.GetTimeAndPlace().dateTime; }

ViewDirection SkyView::ComputeLookDirection(const SkyPosition& target, double zoom) {
    if (target.first == kNotComputedAngle || target.second == kNotComputedAngle) return direction_;
    const TimeAndPlace& moment = skyDocument_.GetTimeAndPlace();
    DateTime time = StarsMoment();
    double hours = 0.0;
    if (time.hours != kNoTimeHours) {
        ConvertTimeSystem(time, kLocalSiderealTime, moment.place.longitude, moment.place.timeZone,
                          moment.daylightSaving);
        hours = time.hours;
    }
    return ViewDirectionFor(target, options_.mapType, static_cast<int>(zoom), hours,
                            moment.place.latitude.GetValue());
}

void SkyView::GetZoomRange(int& minimum, int& maximum) const {
    minimum = kSkyZoomRangeMin;
    maximum = kSkyZoomRangeMax;
}

void SkyView::SelectBody(const BodyIdentifier& body, int centreMode, int first, int second) {
    const CelestialObject* shown = SkySelectableObject(body.object);
    selected_ = shown == body.object ? body : BodyIdentifierFromObject(shown);
    if (selected_.object) CentreOnSelection(centreMode, first != 0, second != 0);
}

void SkyView::CentreOnSelection(int centreMode, bool, bool flash) {
    const ViewDirection towards = ComputeLookDirection(BodyPosition(*selected_.object), fieldOfView_);
    if (centreMode == 2 || (centreMode == 1 && ViewSeparation(towards, direction_) > fieldOfView_ / 2.0)) {
        direction_ = towards;
    }
    if (flash) Highlight();
}

void SkyView::StepAzimuth(double delta, bool add) {
    direction_.azimuth = WrapAzimuth(direction_.azimuth + (add ? delta : -delta));
}

}  // namespace corvinata
