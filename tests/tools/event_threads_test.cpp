// An Event Finder search and an Event Forecast run on worker threads of
// their own at the same time: each gives exactly what it gives alone.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "event_testing.h"
#include "tools/event_forecast.h"

namespace corvinata::events {
namespace {

using test::Date;

std::vector<std::string> Listed(const EventResultList& results) {
    std::vector<std::string> lines;
    for (const auto& [key, occurrence] : results) {
        lines.push_back(std::to_string(key) + " " + std::to_string(occurrence.eventType) + " " +
                        test::Text(occurrence.dates.begin) + " - " + test::Text(occurrence.dates.end) +
                        " " + (occurrence.body ? corvinata::test::Utf8(ObjectKeyName(*occurrence.body)) : ""));
    }
    return lines;
}

// Like the Event Finder: one expression, its own step, ranges kept from the
// result calls.
std::vector<std::string> FinderRun() {
    test::Recorder recorder;
    Search(test::Expression(kEventFullMoon), Date(2024, 1, 1), Date(2024, 6, 30, 23),
           TimeStep{kHoursUnit, 1}, &recorder);
    std::vector<std::string> ranges;
    recorder.AddRangesTo(ranges);
    test::Recorder daylight;
    Search(TXT("Sun.Lat(Hor) > 0"), Date(2024, 6, 20), Date(2024, 6, 23), TimeStep{kHoursUnit, 1},
           &daylight);
    daylight.AddRangesTo(ranges);
    return ranges;
}

std::vector<std::string> ForecastRun() {
    TimeAndPlace when;
    TimeAndPlaceInit(when, Date(2024, 1, 1), test::London(), false);
    EventForecastJob job;
    EventForecastRequest request;
    request.groups = 0x7FF;
    request.pauseMilliseconds = 0;
    RunEventForecast(when, job, Date(2024, 1, 31, 23), request);
    return Listed(job.results);
}

TEST(EventThreads, FinderAndForecastAtOnceMatchThemAlone) {
    const std::vector<std::string> finderAlone = FinderRun();
    const std::vector<std::string> forecastAlone = ForecastRun();
    ASSERT_EQ(finderAlone.size(), 6u + 3u);
    ASSERT_FALSE(forecastAlone.empty());

    std::vector<std::string> finder;
    std::vector<std::string> forecast;
    std::thread finderThread([&] { finder = FinderRun(); });
    std::thread forecastThread([&] { forecast = ForecastRun(); });
    finderThread.join();
    forecastThread.join();
    EXPECT_EQ(finder, finderAlone);
    EXPECT_EQ(forecast, forecastAlone);
}

}  // namespace
}  // namespace corvinata::events
