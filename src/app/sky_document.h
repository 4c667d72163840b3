// The shared document of the Sky windows: the moment and place they show,
// the positions of the Sun, the Moon and the planets at that moment, and a
// month of daily positions per planet from which the windows draw tracks.
#pragma once

#include <cstdint>
#include <vector>

#include "app/window_document.h"
#include "base/angle_value.h"
#include "base/geo_place.h"

namespace corvinata {

// A position on the sky: two angles (degrees) and their coordinate system.
struct SkyPosition {
    double first = kNotComputedAngle;
    double second = kNotComputedAngle;
    std::int32_t coordinateSystem = 0;
};

struct DatedSkyPosition {
    DateTime date;
    SkyPosition position;
};

// What the object model computes for the Sky document. Every moment handed
// in is in local sidereal time at the place.
class SkyBodyComputer {
public:
    virtual ~SkyBodyComputer() = default;
    virtual int PlanetCount() const = 0;
    virtual SkyPosition ComputePlanet(int planet, const TimeAndPlace& moment) = 0;
    virtual SkyPosition ComputeSun(const TimeAndPlace& moment) = 0;
    virtual SkyPosition ComputeMoon(const TimeAndPlace& moment) = 0;
    // Deep-sky objects do not move: their position comes from their catalogue.
    virtual SkyPosition DeepSkyPosition(int number) = 0;
};

// The hint the Sky document gives its windows: what changed.
struct SkyViewHint {
    enum Code : std::int32_t {
        kTextsChanged = 0,
        kNightVisionSwitched = 8,
        kNewDateTime = 64,
        kNewPlace = 128,
        kNewDateTimeAndPlace = 192,
        kEverything = 65535,
    };
    std::int32_t code = kEverything;
    void MarkEverything() noexcept { code = kEverything; }
};

// Days before and after the reference date that a kept track still covers,
// and the days one computation spans around the document's date.
constexpr int kTrackKeepDaysBefore = 5;
constexpr int kTrackKeepDaysAfter = 10;
constexpr int kTrackDaysBefore = 10;
constexpr int kTrackDaysAfter = 20;

class SkyDocument final : public WindowDocument {
public:
    SkyDocument(NotificationHub& hub, const CurrentTimeAndLocationInterface& current,
                SkyBodyComputer& computer);

    WindowKind GetKind() const override { return kSkyWindow; }
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;

    // The moment, stored in local civil time; `timeFlag` is the application's
    // flag that the Sky windows keep; with `notify` the windows get hint 64.
    void SetDateTime(const DateTime& dateTime, bool timeFlag, bool notify);
    void SetPlace(const GeoCoordinates& place, bool daylightSaving, bool notify);
    void SetTimeAndPlace(const TimeAndPlace& timeAndPlace, bool notify);
    // Brings the stored hours into 0..24, recomputes and tells the windows
    // (without a hint).
    void NormaliseTime();

    const TimeAndPlace& GetTimeAndPlace() const noexcept { return timeAndPlace_; }
    bool GetTimeFlag() const noexcept { return timeFlag_; }
    // The stored position of a planet, the Sun or the Moon; for a deep-sky
    // object the position from its catalogue; a not-computed position for
    // anything else.
    SkyPosition GetBodySkyPosition(int bodyType, int number) const;
    const std::vector<DatedSkyPosition>& PlanetTrack(int planet) const;
    const DateTime& TrackReferenceDate() const noexcept { return trackReference_; }
    int TrackComputations() const noexcept { return trackComputations_; }
    // Counts the computations of the bodies' positions: what was drawn from
    // them is stale once it changed.
    std::uint64_t Revision() const noexcept { return revision_; }

private:
    void Recompute();
    void ComputeTracks();
    TimeAndPlace SiderealMoment(const DateTime& civil) const;
    void NotifyHint(std::int32_t code);

    const CurrentTimeAndLocationInterface& current_;
    SkyBodyComputer& computer_;
    TimeAndPlace timeAndPlace_;
    bool timeFlag_ = false;
    std::vector<SkyPosition> planets_;
    SkyPosition sun_;
    SkyPosition moon_;
    DateTime trackReference_;
    std::vector<std::vector<DatedSkyPosition>> tracks_;
    int trackComputations_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace corvinata
