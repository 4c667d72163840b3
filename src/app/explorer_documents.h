// The shared documents of the Jupiter and Saturn explorers: the moment and
// place they show and the positions of the planet's moons then.
#pragma once

#include <array>

#include "app/window_document.h"
#include "base/geo_place.h"

namespace corvinata {

// Marks a moon table that was not computed yet.
constexpr double kMoonNotComputed = -99.0;

class ExplorerDocument : public WindowDocument {
public:
    ExplorerDocument(NotificationHub& hub, const CurrentTimeAndLocationInterface& current);

    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;

    void SetPlace(const GeoCoordinates& place, bool daylightSaving);
    void SetDateTime(const DateTime& dateTime);
    void SetTimeAndPlace(const TimeAndPlace& timeAndPlace);
    // Brings the stored hours into 0..24 and recomputes, telling nobody.
    void NormaliseTime();
    const TimeAndPlace& GetTimeAndPlace() const noexcept { return timeAndPlace_; }
    // The planet's tilts, degrees: to the Earth (the Earth's planetocentric
    // declination; for Saturn the ring's tilt) and to the East (the position
    // angle of the north pole).
    double TiltToEarth() const noexcept { return tiltToEarth_; }
    double TiltToEast() const noexcept { return tiltToEast_; }
    // The Julian day of the document's moment in dynamical time.
    double DynamicalJulianDay() const;

protected:
    void Initialise();
    void SetTilts(double toEarth, double toEast) noexcept {
        tiltToEarth_ = toEarth;
        tiltToEast_ = toEast;
    }

private:
    virtual void ComputeMoons() = 0;

    const CurrentTimeAndLocationInterface& current_;
    TimeAndPlace timeAndPlace_;
    double tiltToEarth_ = 0.0;
    double tiltToEast_ = 0.0;
};

class JupiterExplorerDocument final : public ExplorerDocument {
public:
    JupiterExplorerDocument(NotificationHub& hub, const CurrentTimeAndLocationInterface& current);
    WindowKind GetKind() const override { return kJupiterExplorerWindow; }
    // X, Y, Z of the four moons, then Jupiter's pole (ComputeJupiterSatellites).
    const std::array<double, 15>& Moons() const noexcept { return moons_; }

private:
    void ComputeMoons() override;
    std::array<double, 15> moons_;
};

class SaturnExplorerDocument final : public ExplorerDocument {
public:
    SaturnExplorerDocument(NotificationHub& hub, const CurrentTimeAndLocationInterface& current);
    WindowKind GetKind() const override { return kSaturnExplorerWindow; }
    // X, Y, Z of the eight moons, then Saturn's pole (ComputeSaturnSatellites).
    const std::array<double, 27>& Moons() const noexcept { return moons_; }

private:
    void ComputeMoons() override;
    std::array<double, 27> moons_;
};

}  // namespace corvinata
