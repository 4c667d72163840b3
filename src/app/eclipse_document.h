// The Solar Eclipse window's document: the date searched for and the eclipse
// of the built-in table found on it.
#pragma once

#include <memory>

#include "app/window_document.h"
#include "astro/besselian.h"
#include "astro/eclipse_circumstances.h"
#include "base/date_time.h"
#include "base/date_time_range.h"

namespace corvinata {

struct EclipseModel {
    DateTime date;
    bool found = false;
    double maximumHours = 0.0;
    BesselianElements elements{};
};

// Latest time of day an eclipse model keeps: a maximum at 24 h is shown at
// the end of its own day.
constexpr double kLatestEclipseHours = 23.99;

// Gives the model fresh elements, looks for an eclipse on the date and sets
// the model's date to it in Universal time; when one was found, the hours
// become its time of greatest eclipse.
void SetEclipseModelDate(EclipseModel& model, const DateTime& date);

// The date of the table's eclipse that an event's range belongs to: the
// range's days (an event's local dates lie within a day of the eclipse's
// date in Universal time), then the day before it and the day after it,
// first match. False when the table has no eclipse on any of them.
bool FindEclipseOfRange(const DateTimeRange& range, DateTime& date);

class SolarEclipseDocument final : public WindowDocument {
public:
    SolarEclipseDocument(NotificationHub& hub, const DateTime& date);
    // A document for a new window showing what `other` shows.
    SolarEclipseDocument(NotificationHub& hub, const SolarEclipseDocument& other)
        : WindowDocument(hub), model_(other.model_), map_(other.map_) {}

    WindowKind GetKind() const override { return kSolarEclipseWindow; }
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;

    const EclipseModel& Model() const noexcept { return model_; }
    void SetDate(const DateTime& date);
    // The eclipse's central path with its area, the ends of its central line
    // and its curves of equal magnitude: computed on first use after the
    // date changed (a few tens of milliseconds), then only read, by every
    // paint and by copies of the document alike.
    const SolarEclipseModel& Map() const;
    // Takes the map `other` has computed when both show the same eclipse
    // and this one has none yet: a new window on an eclipse another window
    // maps does not compute it again. False when nothing was taken.
    bool ShareMapOf(const SolarEclipseDocument& other);

private:
    EclipseModel model_;
    mutable std::shared_ptr<const SolarEclipseModel> map_;
};

}  // namespace corvinata
