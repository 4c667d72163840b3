#include "app/explorer_documents.h"

#include "astro/galilean_satellites.h"
#include "astro/jupiter_physical.h"
#include "astro/saturn_ring.h"
#include "astro/saturn_satellites.h"
#include "base/time_systems.h"
#include "catalog/property_calculators.h"

namespace corvinata {

ExplorerDocument::ExplorerDocument(NotificationHub& hub,
                                   const CurrentTimeAndLocationInterface& current)
    : WindowDocument(hub), current_(current) {
    TimeAndPlaceFromDateTimeLocation(timeAndPlace_, current_.GetTimeAndLocation());
}

// Called by the most derived constructor: the moons are computed by the
// derived class, which does not exist yet while the base is being made.
void ExplorerDocument::Initialise() { ComputeMoons(); }

void ExplorerDocument::OnNotify(std::int32_t event, std::uint32_t flags, void*) {
    TimeAndPlace now;
    switch (event) {
        case kEventLocationChanged:
            TimeAndPlaceFromDateTimeLocation(now, current_.GetTimeAndLocation());
            SetPlace(now.place, now.daylightSaving);
            break;
        case kEventDateTimeChanged:
            TimeAndPlaceFromDateTimeLocation(now, current_.GetTimeAndLocation());
            SetDateTime(now.dateTime);
            break;
        case kEventDateTimeLocationChanged:
            TimeAndPlaceFromDateTimeLocation(now, current_.GetTimeAndLocation());
            SetTimeAndPlace(now);
            break;
        case kEventAppearanceChanged:
            if (flags & (kRaDisplayUnitChanged | kAngleDegreeBaseChanged)) DocumentNotifyViews(nullptr);
            break;
        default:
            break;
    }
}

void ExplorerDocument::SetPlace(const GeoCoordinates& place, bool daylightSaving) {
    timeAndPlace_.place = place;
    timeAndPlace_.daylightSaving = daylightSaving;
    ComputeMoons();
    DocumentNotifyViews(nullptr);
}

void ExplorerDocument::SetDateTime(const DateTime& dateTime) {
    timeAndPlace_.dateTime = dateTime;
    ComputeMoons();
    DocumentNotifyViews(nullptr);
}

void ExplorerDocument::SetTimeAndPlace(const TimeAndPlace& timeAndPlace) {
    timeAndPlace_ = timeAndPlace;
    ComputeMoons();
    DocumentNotifyViews(nullptr);
}

void ExplorerDocument::NormaliseTime() {
    NormaliseDateTime(timeAndPlace_.dateTime);
    ComputeMoons();
}

double ExplorerDocument::DynamicalJulianDay() const {
    DateTime universal = timeAndPlace_.dateTime;
    ConvertTimeSystem(universal, kUniversalTime, timeAndPlace_.place.longitude,
                      timeAndPlace_.place.timeZone, timeAndPlace_.daylightSaving);
    // The satellite theories run on dynamical time: Universal time plus
    // Delta T, as the property evaluation takes it.
    return corvinata::DynamicalJulianDay(universal);
}

JupiterExplorerDocument::JupiterExplorerDocument(NotificationHub& hub,
                                                 const CurrentTimeAndLocationInterface& current)
    : ExplorerDocument(hub, current) {
    moons_.fill(kMoonNotComputed);
    Initialise();
}

void JupiterExplorerDocument::ComputeMoons() {
    const double jd = DynamicalJulianDay();
    double positions[15];
    ComputeJupiterSatellites(jd, positions);
    for (int i = 0; i < 15; ++i) moons_[i] = positions[i];
    double earth = 0.0, sun = 0.0, pole = 0.0;
    JupiterPhysicalData(jd, earth, sun, pole);
    SetTilts(earth, pole);
}

SaturnExplorerDocument::SaturnExplorerDocument(NotificationHub& hub,
                                               const CurrentTimeAndLocationInterface& current)
    : ExplorerDocument(hub, current) {
    moons_.fill(kMoonNotComputed);
    Initialise();
}

void SaturnExplorerDocument::ComputeMoons() {
    const double jd = DynamicalJulianDay();
    double positions[27];
    ComputeSaturnSatellites(jd, positions);
    for (int i = 0; i < 27; ++i) moons_[i] = positions[i];
    double earth = 0.0, sun = 0.0, pole = 0.0, major = 0.0, minor = 0.0, deltaU = 0.0;
    SaturnPhysicalData(jd, earth, sun, pole, major, minor, deltaU);
    SetTilts(earth, pole);
}

}  // namespace corvinata
