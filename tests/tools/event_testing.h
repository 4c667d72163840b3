// What the event tests share: the catalogues for the whole program, London
// without daylight saving, dates in its local civil time, a recorder of the
// engine's callbacks and a one-expression search.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "catalog/catalogue_registry.h"
#include "support/catalogues.h"
#include "support/test_text.h"
#include "tools/event_definitions.h"
#include "tools/event_search.h"

namespace corvinata::events::test {

using corvinata::test::Utf8;
using Text16 = std::basic_string<Char>;

inline GeoCoordinates London() {
    GeoCoordinates place;
    place.longitude = LongitudeValue(0.1275, kWestPositive);
    place.latitude = LatitudeValue(51.5072, kLatitudeHemisphereLetter);
    return place;
}

inline DateTime Date(int year, int month, int day, double hours = 0.0) {
    return DateTime{year, month, day, hours, kLocalCivilTime};
}

inline const CelestialObject* Body(int type, const char* name) {
    return FindObjectOfTypeByName(type, corvinata::test::Wide(name).c_str());
}
inline const CelestialObject* Planet(const char* name) { return Body(kBodyPlanet, name); }
inline const CelestialObject* TheSun() { return GetCatalogueObject(kBodySun, 0); }

inline Text16 Expression(int event, const CelestialObject* body1 = nullptr,
                         const CelestialObject* body2 = nullptr) {
    String text;
    PredefinedEventExpression(event, body1, body2, text);
    return text.Text();
}

// "dd.mm.yyyy hh:mm".
inline std::string Text(const DateTime& date) {
    const int minutes = static_cast<int>(date.hours * 60.0 + 0.5);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d %02d:%02d", date.day, date.month,
                  date.year, minutes / 60, minutes % 60);
    return buffer;
}

// Everything the engine reported, in order; should-stop answers true at
// poll number `stopAtPoll`.
struct Recorder {
    std::vector<std::pair<int, DateTime>> progress;
    std::vector<std::pair<bool, EventOccurrence>> results;  // is new, occurrence
    int polls = 0;
    int stopAtPoll = -1;
    int stoppedCalls = 0;

    EventSearchCallbacks Callbacks() {
        EventSearchCallbacks c;
        c.context = this;
        c.progress = [](void* r, int percent, const DateTime& date) {
            static_cast<Recorder*>(r)->progress.emplace_back(percent, date);
        };
        c.shouldStop = [](void* r) {
            return ++static_cast<Recorder*>(r)->polls == static_cast<Recorder*>(r)->stopAtPoll;
        };
        c.stopped = [](void* r) { ++static_cast<Recorder*>(r)->stoppedCalls; };
        c.result = [](void* r, const EventOccurrence& occurrence, bool isNew) {
            static_cast<Recorder*>(r)->results.emplace_back(isNew, occurrence);
        };
        return c;
    }

    // The ranges an Event Finder keeps: a new occurrence appends one, an
    // update moves the end of the last.
    void AddRangesTo(std::vector<std::string>& ranges) const {
        for (const auto& [isNew, occurrence] : results) {
            const std::string end = " - " + Text(occurrence.dates.end);
            if (isNew) ranges.push_back(Text(occurrence.dates.begin) + end);
            else if (!ranges.empty()) ranges.back() = ranges.back().substr(0, 16) + end;
        }
    }
};

inline EventResultList Search(const Text16& text, const DateTime& from, const DateTime& to,
                              const TimeStep& step, Recorder* recorder = nullptr,
                              int eventType = kNoEventType, bool eventTypeSteps = false) {
    EventResultList results;
    Recorder local;
    EventSearchJob job(from, to, London(), false, step, &results,
                       (recorder != nullptr ? recorder : &local)->Callbacks(), eventTypeSteps, 0);
    job.AddExpression(text.c_str(), eventType, nullptr, nullptr);
    job.Run();
    return results;
}

}  // namespace corvinata::events::test
