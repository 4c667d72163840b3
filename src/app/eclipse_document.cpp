#include "app/eclipse_document.h"

namespace corvinata {

void SetEclipseModelDate(EclipseModel& model, const DateTime& date) {
    BesselianElementsInit(model.elements);
    double maximum = 0.0;
    model.found = FindEclipseOnDate(date, maximum, model.elements);
    model.date = date;
    model.date.timeSystem = kUniversalTime;
    if (model.found) {
        model.maximumHours = maximum;
        model.date.hours = maximum >= 24.0 ? kLatestEclipseHours : maximum;
    }
}

bool FindEclipseOfRange(const DateTimeRange& range, DateTime& date) {
    DateTime before = range.begin;
    DateTime after = range.end;
    const bool haveBefore = DateTimeAddDays(before, -1);
    const bool haveAfter = DateTimeAddDays(after, 1);
    const DateTime* candidates[] = {&range.begin, &range.end, haveBefore ? &before : nullptr,
                                    haveAfter ? &after : nullptr};
    for (const DateTime* day : candidates) {
        if (day == nullptr || FindEclipseEntry(day->year, day->month, day->day) == nullptr) continue;
        date = DateTime{day->year, day->month, day->day, 0.0, kUniversalTime};
        return true;
    }
    return false;
}

SolarEclipseDocument::SolarEclipseDocument(NotificationHub& hub, const DateTime& date)
    : WindowDocument(hub) {
    SetEclipseModelDate(model_, date);
}

void SolarEclipseDocument::SetDate(const DateTime& date) {
    const DateTime before = model_.date;
    SetEclipseModelDate(model_, date);
    if (before.year != model_.date.year || before.month != model_.date.month || before.day != model_.date.day) {
        map_.reset();
    }
}

const SolarEclipseModel& SolarEclipseDocument::Map() const {
    if (!map_) {
        auto map = std::make_shared<SolarEclipseModel>();
        ComputeEclipseForDate(model_.date, model_.found, model_.elements, *map);
        map_ = std::move(map);
    }
    return *map_;
}

bool SolarEclipseDocument::ShareMapOf(const SolarEclipseDocument& other) {
    const DateTime& mine = model_.date;
    const DateTime& theirs = other.model_.date;
    if (map_ || !other.map_ || &other == this || !model_.found || !other.model_.found) return false;
    if (mine.year != theirs.year || mine.month != theirs.month || mine.day != theirs.day) return false;
    map_ = other.map_;
    return true;
}

void SolarEclipseDocument::OnNotify(std::int32_t event, std::uint32_t flags, void*) {
    if (event == kEventAppearanceChanged &&
        (flags & (kRaDisplayUnitChanged | kAngleDegreeBaseChanged))) {
        DocumentNotifyViews(nullptr);
    }
}

}  // namespace corvinata
