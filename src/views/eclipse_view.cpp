#include "views/eclipse_view.h"

#include <algorithm>
#include <cmath>

#include "astro/eclipse_texts.h"
#include "base/date_time_text.h"
#include "base/text_format.h"
#include "catalog/time_zones.h"

namespace corvinata {
namespace {

bool IsPlace(const MapPoint& place) noexcept {
    return place.longitude >= -180.0 && place.longitude <= 180.0 && place.latitude >= -90.0 &&
           place.latitude <= 90.0;
}

}  // namespace

EclipseDetails ComputeEclipseDetails(const SolarEclipseModel& eclipse, const MapPoint& place,
                                     const DateTime& moment) {
    EclipseDetails details;
    if (!eclipse.found || !IsPlace(place)) return details;
    EclipseObserver observer;
    observer.longitude = place.longitude;
    observer.latitude = place.latitude;
    details.circumstances = ComputeLocalCircumstances(eclipse, eclipse.date, observer);
    details.atMoment = LocalEclipseAtInstant(eclipse.date, moment, observer);
    return details;
}

String EclipseStatusText(const SolarEclipseDocument& document) {
    const EclipseModel& model = document.Model();
    String type;
    if (model.found) EclipseTypeName(model.elements.type, true, type);
    else type = TXT("no eclipse");
    String day;
    FormatDate(model.date, kDateToDay, day);
    return FormatPercent2(TXT("% (%)"), type, day);
}

EclipseView::EclipseView(SolarEclipseDocument& document) : document_(document) { UpdateFromDocument(); }

bool EclipseView::HasCentralPath() const {
    return HasEclipse() && EclipseCentralKind(document_.Model().elements.type) != kNoCentralPoint;
}

void EclipseView::SetDetailsPoint(const MapPoint& point) {
    if ((changes_ & kEclipseMarkMoved) == 0) markBefore_ = observer_;
    observer_ = point;
    NoteChange(kEclipseMarkMoved | kEclipseDetailsChanged);
    LocationChanged();
}

void EclipseView::SetDetailsTime(const DateTime& time) {
    detailsTime_ = time;
    NoteChange(kEclipseDetailsChanged);
    Recompute();
}

void EclipseView::SetEclipseDate(const DateTime& date) {
    document_.SetDate(date);
    UpdateFromDocument();
}

void EclipseView::SetCentreLongitude(double longitude) {
    map_.centreLongitude = longitude;
    NoteChange(kEclipseMapChanged);
}

void EclipseView::SetCentreLatitude(double latitude) {
    map_.centreLatitude = latitude;
    NoteChange(kEclipseMapChanged);
}

void EclipseView::SetZoom(int zoom) {
    map_.zoom = std::clamp(zoom, kEclipseZoomMin, kEclipseZoomMax);
    NoteChange(kEclipseMapChanged);
}

void EclipseView::FitToCentralPath() {
    if (!HasEclipse()) return;
    const SolarEclipseModel& eclipse = document_.Map();
    const std::optional<EclipseMapView> fit =
        EclipseMapCenterOn(eclipse.pathWestLongitude, eclipse.pathEastLongitude, eclipse.pathNorthLatitude,
                           eclipse.pathSouthLatitude);
    if (!fit) return;
    map_ = *fit;
    NoteChange(kEclipseMapChanged);
}

void EclipseView::SetClientSize(int width, int height) noexcept { client_ = {width, height}; }

EclipseMapProjection EclipseView::Projection() const noexcept {
    return EclipseMapProjection(map_, client_.width, client_.height);
}

EclipseMapContent EclipseView::MapContent(const std::vector<CountryOutline>* outlines) const {
    EclipseMapContent content;
    content.outlines = outlines;
    content.date = document_.Model().date;
    if (HasEclipse()) content.eclipse = &document_.Map();
    content.observer = IsPlace(observer_) ? observer_ : MapPoint{kNotComputedAngle, kNotComputedAngle};
    return content;
}

void EclipseView::UpdateFromDocument() {
    detailsTime_ = document_.Model().date;
    NoteChange(kEclipseMapChanged | kEclipseDetailsChanged);
    Recompute();
}

void EclipseView::LocationChanged() {
    timeZone_.reset();
    if (IsPlace(observer_)) timeZone_ = TimeZoneOffsetAtPoint(observer_.longitude, observer_.latitude);
    Recompute();
}

void EclipseView::Recompute() {
    details_ = HasEclipse() ? ComputeEclipseDetails(document_.Map(), observer_, detailsTime_) : EclipseDetails{};
}

void EclipseView::CaptureRecord(EclipseWindowState& state) const {
    state.detailsLongitude = observer_.longitude;
    state.detailsLatitude = observer_.latitude;
    state.dateTime = detailsTime_;
    state.centreLongitude = map_.centreLongitude;
    state.centreLatitude = map_.centreLatitude;
    state.zoom = map_.zoom;
}

void EclipseView::RestoreRecord(const EclipseWindowState& state) {
    const MapPoint place{state.detailsLongitude, state.detailsLatitude};
    if (IsPlace(place)) observer_ = place;
    if (IsValidDate(state.dateTime) && state.dateTime.timeSystem != kInvalidTimeSystem) {
        detailsTime_ = state.dateTime;
    }
    const MapPoint centre{state.centreLongitude, state.centreLatitude};
    if (IsPlace(centre)) {
        map_.centreLongitude = centre.longitude;
        map_.centreLatitude = centre.latitude;
    }
    if (state.zoom >= kEclipseZoomMin && state.zoom <= kEclipseZoomMax) map_.zoom = state.zoom;
    NoteChange(kEclipseMapChanged | kEclipseMarkMoved | kEclipseDetailsChanged);
    LocationChanged();
}

EclipsePanelReading EclipseView::ReadPanel(bool daylightSaving) const {
    EclipsePanelReading reading;
    const EclipseModel& model = document_.Model();
    reading.searched = model.date;
    reading.locationSelected = IsPlace(observer_);
    reading.type = model.found ? model.elements.type : kNoEclipse;
    if (model.found) {
        const SolarEclipseModel& eclipse = document_.Map();
        reading.phaseBegin = eclipse.centralLineBegin.dateTime;
        reading.phaseEnd = eclipse.centralLineEnd.dateTime;
    }
    const LocalCircumstances& c = details_.circumstances;
    const ContactCircumstances* contacts[3] = {&c.firstContact, &c.maximum, &c.lastContact};
    for (int i = 0; i < 3; ++i) reading.contacts[i] = {contacts[i]->time, contacts[i]->sunAltitude};
    reading.maximumFraction = c.magnitude;
    reading.centralSeconds = c.centralDuration;
    reading.pathWidthKm = c.pathWidth;
    reading.magnitude = details_.atMoment.magnitude;
    reading.maximumSunAltitude = details_.atMoment.sunAltitude;
    reading.shown = detailsTime_;
    reading.location = observer_;
    reading.timeZoneKnown = timeZone_.has_value();
    reading.timeZoneHours = timeZone_.value_or(0.0);
    reading.daylightSaving = daylightSaving && timeZone_.has_value();
    reading.centre = GetCentre();
    reading.zoom = map_.zoom;
    return reading;
}

std::uint32_t EclipseView::TakeChanges(MapPoint* markBefore) noexcept {
    const std::uint32_t changes = changes_;
    if (markBefore != nullptr) *markBefore = markBefore_;
    changes_ = 0;
    markBefore_ = {kNotComputedAngle, kNotComputedAngle};
    return changes;
}

}  // namespace corvinata
