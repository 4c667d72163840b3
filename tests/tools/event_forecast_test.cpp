// Acceptance of the search and the forecast against moments computed
// independently (reference/README.md): a condition is found at the first
// evaluation at or after its true moment, within two minutes for the
// difference of the theories. Then the forecast's own behaviour, and both
// tools on two threads at once.
#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "base/time_systems.h"
#include "event_testing.h"
#include "support/csv_table.h"
#include "tools/event_forecast.h"

namespace corvinata::events {
namespace {

using namespace test;

const TimeStep kHour{kHoursUnit, 1};
const TimeStep kDay{kDaysUnit, 1};

void ExpectWithinStepAfter(const DateTime& found, const std::string& event, double stepDays) {
    static const std::map<std::string, DateTime> reference = [] {
        std::map<std::string, DateTime> read;
        for (const auto& row : corvinata::test::ReadCsvFile(
                 corvinata::test::TestsPath("tools/reference/events.csv"))) {
            int y = 0, mo = 0, d = 0, h = 0, mi = 0;
            std::sscanf(row.Text(1).c_str(), "%d-%d-%d %d:%d", &y, &mo, &d, &h, &mi);
            read[row.Text(0)] = Date(y, mo, d, h + mi / 60.0);
        }
        return read;
    }();
    ASSERT_EQ(reference.count(event), 1u) << event;
    const double late = DateTimeDifferenceDays(found, reference.at(event));
    EXPECT_TRUE(late > -2.0 / 1440 && late < stepDays + 2.0 / 1440) << event << ": " << Text(found);
}

std::string FoundAt(int event, const DateTime& from, const DateTime& to, const TimeStep& step,
                    const CelestialObject* a = nullptr, const CelestialObject* b = nullptr) {
    const EventResultList results = Search(Expression(event, a, b), from, to, step);
    EXPECT_EQ(results.size(), 1u) << event;
    return results.empty() ? "" : Text(results.begin()->second.dates.begin) + " - " +
                                      Text(results.begin()->second.dates.end);
}

TEST(EventAcceptance, SearchesAtLondon) {
    EXPECT_EQ(FoundAt(kEventFullMoon, Date(2024, 1, 1), Date(2024, 1, 31, 23), kHour),
              "25.01.2024 18:00 - 25.01.2024 18:00");
    ExpectWithinStepAfter(Date(2024, 1, 25, 18), "full moon", 1 / 24.0);
    EXPECT_EQ(FoundAt(kEventNewMoon, Date(2024, 1, 1), Date(2024, 1, 31, 23), kHour).substr(0, 16),
              "11.01.2024 12:00");
    ExpectWithinStepAfter(Date(2024, 1, 11, 12), "new moon", 1 / 24.0);
    // The vernal equinox is found at any step, as the other seasons are.
    EXPECT_EQ(FoundAt(kEventVernalEquinox, Date(2024, 3, 1), Date(2024, 3, 31), kHour).substr(0, 16),
              "20.03.2024 04:00");
    ExpectWithinStepAfter(Date(2024, 3, 20, 4), "vernal equinox", 1 / 24.0);
    EXPECT_EQ(FoundAt(kEventVernalEquinox, Date(2024, 1, 1), Date(2024, 12, 31), kDay).substr(0, 10),
              "21.03.2024");
    for (const int season : {kEventSummerSolstice, kEventAutumnalEquinox, kEventWinterSolstice}) {
        FoundAt(season, Date(2024, 1, 1), Date(2024, 12, 31), kDay);
    }
    // The great conjunction holds the exact one in right ascension (21.12.2020 13:46 UT).
    EXPECT_EQ(FoundAt(kEventConjunction, Date(2020, 12, 1), Date(2020, 12, 31), kDay, Planet("Jupiter"),
                      Planet("Saturn")),
              "18.12.2020 00:00 - 25.12.2020 00:00");
    ExpectWithinStepAfter(Date(2020, 12, 22), "Jupiter-Saturn conjunction in right ascension", 1.0);
}

EventForecastJob Forecast(std::uint32_t groups, const DateTime& from, const DateTime& to,
                          Recorder* recorder = nullptr) {
    TimeAndPlace when;
    TimeAndPlaceInit(when, from, London(), false);
    EventForecastJob job;
    EventForecastRequest request{groups, {}, 0};
    if (recorder != nullptr) request.callbacks = recorder->Callbacks();
    RunEventForecast(when, job, to, request);
    return job;
}

std::vector<std::string> Listed(const EventResultList& results) {
    std::vector<std::string> lines;
    for (const auto& [key, found] : results) {
        String text;
        FindEventType(found.eventType)
            ->Describe(BodyIdentifierFromObject(found.body), BodyIdentifierFromObject(found.secondBody), text);
        lines.push_back(Text(found.dates.begin) + " " + Utf8(text));
    }
    return lines;
}

TEST(EventAcceptance, Forecasts) {
    const auto eclipses = Listed(Forecast(kForecastEclipses, Date(2024, 1, 1), Date(2024, 12, 31, 23)).results);
    std::vector<std::string> solar;
    for (const std::string& line : eclipses) {
        if (line.find("solar") != std::string::npos) solar.push_back(line.substr(0, 10));
    }
    EXPECT_EQ(solar, (std::vector<std::string>{"08.04.2024", "02.10.2024"}));

    EXPECT_EQ(Listed(Forecast(kForecastMoonPhases, Date(2024, 1, 1), Date(2024, 1, 31, 23)).results),
              (std::vector<std::string>{"04.01.2024 04:00 The Moon is in last quarter",
                                        "11.01.2024 12:00 New moon",
                                        "18.01.2024 04:00 The Moon is in first quarter",
                                        "25.01.2024 18:00 Full moon"}));
    // Refined hourly (a daily test at 0 h missed it), and only before the Sun:
    // in June 2024 Venus passes behind it.
    EXPECT_EQ(Listed(Forecast(kForecastTransits, Date(2019, 11, 1), Date(2019, 11, 30, 23)).results),
              std::vector<std::string>{"11.11.2019 13:00 Mercury transits the Sun"});
    ExpectWithinStepAfter(Date(2019, 11, 11, 13), "Mercury transit", 1 / 24.0);
    EXPECT_TRUE(Forecast(kForecastTransits, Date(2024, 1, 1), Date(2024, 12, 31, 23)).results.empty());
}

TEST(EventForecast, GroupsExpressionsStopsAndTexts) {
    EventResultList unused;
    EventSearchJob job(Date(2024, 1, 1), Date(2024, 1, 2), London(), false, kDay, &unused, {}, true, 0);
    for (int id = 0; id < kEventTypeCount; ++id) CollectEventTypeExpressions(EventTypeAt(id), 0, job);
    EXPECT_EQ(job.ExpressionCount(), 0u);
    for (int id = 0; id < kEventTypeCount; ++id) {
        CollectEventTypeExpressions(EventTypeAt(id), kForecastConjunctions, job);
    }
    ASSERT_EQ(job.ExpressionCount(), 10u);
    for (std::uint32_t key = 0; key < 10; ++key) {
        EXPECT_NE(Utf8(job.ExpressionAt(key)->source).find(".ElongAngDist()) > 10"), std::string::npos);
    }
    // No groups: the days are still walked.
    Recorder idle;
    EXPECT_TRUE(Forecast(0, Date(2024, 1, 1, 15.5), Date(2024, 1, 31, 15.5), &idle).results.empty());
    // A stop is asked for after each day but the last (31 days, 30 steps
    // within the range; the step past its end is no point to stop at).
    EXPECT_EQ(idle.polls, 30);
    EXPECT_EQ(idle.progress.back().first, 100);
    // Oppositions use the alternative text: the Sun is the second body.
    const auto oppositions = Listed(Forecast(kForecastOppositions, Date(2025, 1, 1), Date(2025, 1, 31)).results);
    ASSERT_EQ(oppositions.size(), 1u);
    EXPECT_EQ(oppositions[0].substr(0, 10) + oppositions[0].substr(16), "16.01.2025 Mars is in opposition");
    // A stop keeps what was found.
    Recorder stopping;
    stopping.stopAtPoll = 15;
    const EventForecastJob stopped = Forecast(kForecastMoonPhases, Date(2024, 1, 1), Date(2024, 1, 31), &stopping);
    EXPECT_TRUE(stopped.wasStopped);
    EXPECT_EQ(Listed(stopped.results).size(), 2u);
}

// Like the Event Finder: one expression, its own step, ranges from the reports.
std::vector<std::string> FinderRun() {
    Recorder r;
    Search(Expression(kEventFullMoon), Date(2024, 1, 1), Date(2024, 6, 30, 23), kHour, &r);
    std::vector<std::string> ranges;
    r.AddRangesTo(ranges);
    return ranges;
}

std::vector<std::string> ForecastRun() {
    return Listed(Forecast(0x7FF, Date(2024, 1, 1), Date(2024, 1, 31, 23)).results);
}

TEST(EventThreads, FinderAndForecastAtOnceMatchThemAlone) {
    const std::vector<std::string> finderAlone = FinderRun();
    const std::vector<std::string> forecastAlone = ForecastRun();
    ASSERT_EQ(finderAlone.size(), 6u);
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
