// The engine's walk over a range on real expressions at London.
#include "tools/event_search.h"

#include <gtest/gtest.h>

#include "event_testing.h"

namespace corvinata::events {
namespace {

using test::Date;
using test::Recorder;
using test::Search;
using test::Text;

const TimeStep kHour{kHoursUnit, 1};
const TimeStep kDay{kDaysUnit, 1};
const std::basic_string<Char> kSunUp = TXT("Sun.Lat(Hor) > 0");

TEST(EventSearch, DaylightIsOneOccurrencePerDayExtendedHourByHour) {
    Recorder recorder;
    const EventResultList results =
        Search(kSunUp, Date(2024, 3, 20), Date(2024, 3, 21, 23), kHour, &recorder);
    ASSERT_EQ(results.size(), 2u);
    // Sunrise 06:03 and 06:00 UT, sunset 18:14 and 18:16.
    EXPECT_EQ(Text(results.at(0).dates.begin), "20.03.2024 07:00");
    EXPECT_EQ(Text(results.at(0).dates.end), "20.03.2024 18:00");
    EXPECT_EQ(Text(results.at(1).dates.begin), "21.03.2024 07:00");
    EXPECT_EQ(Text(results.at(1).dates.end), "21.03.2024 18:00");
    // Each reported once as new, then once for every further hour.
    ASSERT_EQ(recorder.results.size(), 24u);
    for (std::size_t i = 0; i < recorder.results.size(); ++i) {
        const Recorder::Report& report = recorder.results[i];
        EXPECT_EQ(report.isNew, i == 0 || i == 12) << i;
        EXPECT_EQ(report.occurrence.dates.end.hours, 7.0 + static_cast<double>(i % 12)) << i;
    }
    EXPECT_EQ(recorder.progress.front().first, 0);
    EXPECT_EQ(recorder.progress.back().first, 100);
}

TEST(EventSearch, ATrueConditionAtFromBeginsThere) {
    Recorder recorder;
    const EventResultList results =
        Search(kSunUp, Date(2024, 3, 20, 12), Date(2024, 3, 20, 12), kHour, &recorder);
    // from = to: one evaluation, then progress 100.
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(Text(results.at(0).dates.begin), "20.03.2024 12:00");
    ASSERT_EQ(recorder.progress.size(), 2u);
    EXPECT_EQ(recorder.progress[0].first, 0);
    EXPECT_EQ(recorder.progress[1].first, 100);
}

TEST(EventSearch, AStopEndsAfterItsStepWithTheLastPercent) {
    Recorder recorder;
    recorder.stopAtPoll = 7;
    const EventResultList results =
        Search(kSunUp, Date(2024, 3, 20), Date(2024, 3, 21, 23), kHour, &recorder);
    EXPECT_EQ(recorder.polls, 7);
    EXPECT_EQ(recorder.stoppedCalls, 1);
    ASSERT_FALSE(recorder.progress.empty());
    EXPECT_EQ(recorder.progress.back().first, 0);
    EXPECT_EQ(Text(recorder.progress.back().second), "20.03.2024 07:00");
    EXPECT_TRUE(results.empty());
}

// Steps that never move forward end the run after the first evaluation, as
// a step of no unit does, instead of looping.
TEST(EventSearch, StepsThatDoNotAdvanceEvaluateOnce) {
    for (const TimeStep step : {TimeStep{kHoursUnit, 0}, TimeStep{kDaysUnit, -1},
                                TimeStep{6, 0}, TimeStep{9, 1}}) {
        Recorder recorder;
        const EventResultList results =
            Search(kSunUp, Date(2024, 3, 20, 12), Date(2024, 3, 22), step, &recorder);
        EXPECT_EQ(results.size(), 1u) << step.unit << " " << step.count;
        EXPECT_EQ(recorder.results.size(), 1u);
        EXPECT_EQ(recorder.progress.back().first, 100);
    }
}

// With event-type steps and a daily outer step, a satellite event (default
// step one minute) is evaluated at every minute of the day.
TEST(EventSearch, SatelliteEventsAreRefinedToTheMinute) {
    Recorder recorder;
    const EventResultList results =
        Search(TXT("Io.RectCrdX() > -1000"), Date(2024, 3, 20), Date(2024, 3, 20), kDay,
               &recorder, kEventJovianConjunctionWithPlanet, true);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(recorder.results.size(), 1440u);
    EXPECT_EQ(Text(results.at(0).dates.end), "20.03.2024 23:59");
}

TEST(EventSearch, ExtremesAreDatedAtTheLastStepBeforeTheTurn) {
    // The Earth's perihelion: 3 January 2024, 00:39 UT.
    const std::basic_string<Char> nearest = TXT("Min(Sun.DistEarth(Au))");
    Recorder recorder;
    const EventResultList turn =
        Search(nearest, Date(2023, 12, 20), Date(2024, 1, 20), kDay, &recorder);
    ASSERT_EQ(turn.size(), 1u);
    EXPECT_EQ(Text(turn.at(0).dates.begin), "03.01.2024 00:00");
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_TRUE(recorder.results[0].isNew);
    // Falling all the time (autumn) and rising all the time (spring): none.
    EXPECT_TRUE(Search(nearest, Date(2024, 9, 1), Date(2024, 12, 20), kDay).empty());
    EXPECT_TRUE(Search(nearest, Date(2024, 2, 1), Date(2024, 6, 1), kDay).empty());
    EXPECT_EQ(Search(TXT("Max(Sun.DistEarth(Au))"), Date(2024, 6, 1), Date(2024, 8, 1), kDay).size(),
              1u);
}

TEST(EventSearch, TextsThatDoNotCompileFindNothingButWalkTheRange) {
    for (const Char* text : {TXT("Sun.Lat(Hor) >"), TXT("Min(Sun.Nothing())"), TXT("Max(")}) {
        Recorder recorder;
        EXPECT_TRUE(Search(text, Date(2024, 3, 20), Date(2024, 3, 25), kHour, &recorder).empty());
        EXPECT_EQ(recorder.progress.back().first, 100);
        EXPECT_GT(recorder.progress.size(), 3u);
    }
}

TEST(EventSearch, ProgressGrowsEveryTenthStepAndEndsAtTo) {
    Recorder recorder;
    Search(kSunUp, Date(2024, 1, 1), Date(2024, 1, 10, 23), kHour, &recorder);
    ASSERT_GE(recorder.progress.size(), 10u);
    // The last step may reach 100 before the end reports it.
    for (std::size_t i = 1; i + 1 < recorder.progress.size(); ++i) {
        EXPECT_GT(recorder.progress[i].first, recorder.progress[i - 1].first);
    }
    EXPECT_EQ(recorder.progress.back().first, 100);
    EXPECT_EQ(Text(recorder.progress.back().second), "10.01.2024 23:00");
}

TEST(EventSearch, ExpressionsAreGoneAfterARun) {
    EventResultList results;
    EventSearchJob job(Date(2024, 1, 1), Date(2024, 1, 2), test::London(), false, kHour, &results,
                       {}, false, 0);
    job.AddExpression(kSunUp.c_str(), kNoEventType, nullptr, nullptr);
    job.AddExpression(TXT("Sun.Lat(Hor) < 0"), kNoEventType, nullptr, nullptr);
    EXPECT_EQ(job.ExpressionCount(), 2u);
    job.Run();
    EXPECT_EQ(job.ExpressionCount(), 0u);
    // Night, day and night again; the list holds them in the order found.
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(Text(results.at(0).dates.begin), "01.01.2024 00:00");
    EXPECT_EQ(Text(results.at(1).dates.begin), "01.01.2024 09:00");
    EXPECT_EQ(Text(results.at(2).dates.end), "02.01.2024 00:00");
}

// A search stopped at any step and continued from where it stopped reports
// the same ranges as one that ran through: nothing is lost or doubled at the
// seam, for a condition, a crossing and an extreme.
TEST(EventSearch, AContinuedSearchMatchesAnUninterruptedOne) {
    const struct {
        const Char* text;
        DateTime from;
        DateTime to;
        TimeStep step;
        std::vector<int> stops;  // polls that stop the first run
    } cases[] = {
        {TXT("Sun.Lat(Hor) > 0"), Date(2024, 3, 20), Date(2024, 3, 21, 23), kHour,
         {3, 7, 8, 10, 18, 19, 20, 33}},
        // The crossing is true at 18:00, the 19th point.
        {TXT("AngleDiff360(Moon.Lon(Ecl), Sun.Lon(Ecl)) >>= 180"), Date(2024, 1, 25), Date(2024, 1, 26),
         kHour, {1, 2, 17, 18, 19, 20}},
        // Perigees on 13 January and 10 February.
        {TXT("Min(Moon.DistEarth(Au))"), Date(2024, 1, 1), Date(2024, 3, 1), kDay,
         {11, 12, 13, 14, 15, 39, 40, 41, 42}},
    };
    for (const auto& c : cases) {
        Recorder whole;
        Search(c.text, c.from, c.to, c.step, &whole);
        std::vector<std::string> expected;
        whole.AddRangesTo(expected);
        ASSERT_FALSE(expected.empty());
        for (const int stopAt : c.stops) {
            std::vector<std::string> ranges;
            EventResultList results;
            Recorder first;
            first.stopAtPoll = stopAt;
            EventSearchJob job(c.from, c.to, test::London(), false, c.step, &results,
                               first.Callbacks(), false, 0);
            job.AddExpression(c.text, kNoEventType, nullptr, nullptr);
            job.Run();
            ASSERT_TRUE(job.wasStopped);
            first.AddRangesTo(ranges);
            Recorder second;
            EventSearchJob next(c.from, c.to, test::London(), false, c.step, &results,
                                second.Callbacks(), false, 0);
            next.current = job.current;
            next.AddExpression(c.text, kNoEventType, nullptr, nullptr);
            next.RunContinued();
            second.AddRangesTo(ranges);
            EXPECT_EQ(ranges, expected) << corvinata::test::Utf8(c.text) << " stopped at " << stopAt;
        }
    }
}

}  // namespace
}  // namespace corvinata::events
