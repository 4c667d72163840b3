// The shared document of the Solar System windows: the moment and place, the
// heliocentric angle of every planet and of the Earth, and one revolution of
// each as a track computed once when the document is made.
#pragma once

#include <cstdint>
#include <vector>

#include "app/window_document.h"
#include "base/geo_place.h"

namespace corvinata {

// One computed body: the angle of its revolution (degrees) and the value the
// window draws with it, in its unit.
struct SolarSystemPoint {
    double angle = 0.0;
    double value = 0.0;
    std::int32_t unit = 0;
};

// The Earth in the calls below; planets are 0..PlanetCount()-1.
constexpr int kSolarSystemEarth = -1;

class SolarSystemComputer {
public:
    virtual ~SolarSystemComputer() = default;
    virtual int PlanetCount() const = 0;
    virtual double OrbitalPeriodYears(int body) const = 0;
    virtual SolarSystemPoint Compute(int body, const TimeAndPlace& moment) = 0;
    virtual double ComputeMoonAngle(const TimeAndPlace& moment) = 0;
};

// A track never holds more points than this: a revolution takes about 360,
// and a walk that cannot close (the calendar ends first) stops here at the
// latest.
constexpr int kMaxTrackPoints = 720;

// Days between two points of a body's track: a 360th of its period, at
// least one.
int SolarSystemTrackStepDays(double orbitalPeriodYears) noexcept;

class SolarSystemDocument final : public WindowDocument {
public:
    SolarSystemDocument(NotificationHub& hub, const CurrentTimeAndLocationInterface& current,
                        SolarSystemComputer& computer);

    WindowKind GetKind() const override { return kSolarSystemWindow; }
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;

    // Stores the moment in local civil time for the document's place,
    // recomputes, and with `notify` tells the windows.
    void SetDateTime(const DateTime& dateTime, bool notify);
    void Compute();
    // Brings the stored hours into 0..24, recomputes and tells the windows.
    void NormaliseTime();

    const TimeAndPlace& GetTimeAndPlace() const noexcept { return timeAndPlace_; }
    const DateTime& GetDateTime() const noexcept { return timeAndPlace_.dateTime; }
    const SolarSystemPoint& Planet(int planet) const;
    const SolarSystemPoint& Earth() const noexcept { return earth_; }
    double MoonAngle() const noexcept { return moonAngle_; }
    const std::vector<SolarSystemPoint>& Track(int body) const;

private:
    void ComputeTracks();
    std::vector<SolarSystemPoint> WalkRevolution(int body);

    const CurrentTimeAndLocationInterface& current_;
    SolarSystemComputer& computer_;
    TimeAndPlace timeAndPlace_;
    std::vector<SolarSystemPoint> planets_;
    SolarSystemPoint earth_;
    double moonAngle_ = 0.0;
    std::vector<std::vector<SolarSystemPoint>> planetTracks_;
    std::vector<SolarSystemPoint> earthTrack_;
};

}  // namespace corvinata
