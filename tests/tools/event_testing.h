// What the event-search tests share: the catalogues for the whole test
// program, London without daylight saving, dates in its local civil time,
// a recorder of the engine's callbacks, and the predefined expressions.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/planet_records.h"
#include "support/catalogues.h"
#include "support/test_text.h"
#include "tools/event_definitions.h"
#include "tools/event_search.h"

namespace corvinata::events::test {

// The catalogues, built once for every test of the program.
class CatalogueEnvironment : public ::testing::Environment {
public:
    void SetUp() override { catalogues_ = new corvinata::test::ScopedCatalogues; }
    void TearDown() override {
        delete catalogues_;
        catalogues_ = nullptr;
    }

private:
    corvinata::test::ScopedCatalogues* catalogues_ = nullptr;
};

// London: 0.1275° W, 51.5072° N, time zone 0.
inline GeoCoordinates London() {
    GeoCoordinates place;
    place.longitude = LongitudeValue(0.1275, kWestPositive);
    place.latitude = LatitudeValue(51.5072, kLatitudeHemisphereLetter);
    return place;
}

inline DateTime Date(int year, int month, int day, double hours = 0.0) {
    return DateTime{year, month, day, hours, kLocalCivilTime};
}

inline const CelestialObject* Planet(const char* name) {
    return FindObjectOfTypeByName(kBodyPlanet, corvinata::test::Wide(name).c_str());
}
inline const CelestialObject* TheSun() { return GetCatalogueObject(kBodySun, 0); }

inline std::basic_string<Char> Expression(int event, const CelestialObject* body1 = nullptr,
                                          const CelestialObject* body2 = nullptr) {
    String text;
    PredefinedEventExpression(event, body1, body2, text);
    return text.Text();
}

// "dd.mm.yyyy hh:mm" of a date.
inline std::string Text(const DateTime& date) {
    const int minutes = static_cast<int>(date.hours * 60.0 + 0.5);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d %02d:%02d", date.day, date.month,
                  date.year, minutes / 60, minutes % 60);
    return buffer;
}

// Everything the engine reported, in order.
struct Recorder {
    struct Report {
        bool isNew;
        EventOccurrence occurrence;
    };
    std::vector<std::pair<int, DateTime>> progress;
    std::vector<Report> results;
    int polls = 0;
    int stopAtPoll = -1;  // the poll that answers true; -1 never
    int stoppedCalls = 0;

    EventSearchCallbacks Callbacks() {
        EventSearchCallbacks callbacks;
        callbacks.context = this;
        callbacks.progress = [](void* self, int percent, const DateTime& date) {
            static_cast<Recorder*>(self)->progress.emplace_back(percent, date);
        };
        callbacks.shouldStop = [](void* self) {
            Recorder& r = *static_cast<Recorder*>(self);
            return ++r.polls == r.stopAtPoll;
        };
        callbacks.stopped = [](void* self) { ++static_cast<Recorder*>(self)->stoppedCalls; };
        callbacks.result = [](void* self, const EventOccurrence& occurrence, bool isNew) {
            static_cast<Recorder*>(self)->results.push_back({isNew, occurrence});
        };
        return callbacks;
    }

    // The ranges an Event Finder keeps from the reports: a new occurrence
    // appends one, an update moves the end of the last.
    void AddRangesTo(std::vector<std::string>& ranges) const {
        for (const Report& report : results) {
            const std::string end = Text(report.occurrence.dates.end);
            if (report.isNew) {
                ranges.push_back(Text(report.occurrence.dates.begin) + " - " + end);
            } else if (!ranges.empty()) {
                ranges.back() = ranges.back().substr(0, ranges.back().find(" - ")) + " - " + end;
            }
        }
    }
};

// One search at London over [from, to] with `step`, without event-type
// steps or pause.
inline EventResultList Search(const std::basic_string<Char>& text, const DateTime& from,
                              const DateTime& to, const TimeStep& step, Recorder* recorder = nullptr,
                              int eventType = kNoEventType, bool eventTypeSteps = false) {
    EventResultList results;
    Recorder local;
    Recorder& r = recorder != nullptr ? *recorder : local;
    EventSearchJob job(from, to, London(), false, step, &results, r.Callbacks(), eventTypeSteps, 0);
    job.AddExpression(text.c_str(), eventType, nullptr, nullptr);
    job.Run();
    return results;
}

}  // namespace corvinata::events::test
