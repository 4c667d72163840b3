// The engine's walk over a range, on real expressions at London.
#include <gtest/gtest.h>

#include "event_testing.h"

namespace corvinata::events {
namespace {

using namespace test;

const TimeStep kHour{kHoursUnit, 1};
const TimeStep kDay{kDaysUnit, 1};
const Text16 kSunUp = TXT("Sun.Lat(Hor) > 0");

TEST(EventSearch, DaylightIsOneOccurrencePerDayExtendedHourByHour) {
    Recorder r;
    const EventResultList results = Search(kSunUp, Date(2024, 3, 20), Date(2024, 3, 21, 23), kHour, &r);
    ASSERT_EQ(results.size(), 2u);  // sunrise 06:03 and 06:00 UT, sunset 18:14 and 18:16
    EXPECT_EQ(Text(results.at(0).dates.begin) + " " + Text(results.at(1).dates.end),
              "20.03.2024 07:00 21.03.2024 18:00");
    ASSERT_EQ(r.results.size(), 24u);  // once as new, then once for every further hour
    for (std::size_t i = 0; i < r.results.size(); ++i) {
        EXPECT_EQ(r.results[i].first, i % 12 == 0) << i;
        EXPECT_EQ(r.results[i].second.dates.end.hours, 7.0 + static_cast<double>(i % 12)) << i;
    }
}

TEST(EventSearch, FromEqualToEvaluatesOnceThenReports100) {
    Recorder r;
    const EventResultList results = Search(kSunUp, Date(2024, 3, 20, 12), Date(2024, 3, 20, 12), kHour, &r);
    ASSERT_EQ(results.size(), 1u);  // true at from: begins there
    EXPECT_EQ(Text(results.at(0).dates.begin), "20.03.2024 12:00");
    EXPECT_EQ(r.progress.back().first, 100);
}

TEST(EventSearch, AStopAtStep7EndsWithTheLastPercent) {
    Recorder r;
    r.stopAtPoll = 7;
    EXPECT_TRUE(Search(kSunUp, Date(2024, 3, 20), Date(2024, 3, 21, 23), kHour, &r).empty());
    EXPECT_EQ(r.polls, 7);
    EXPECT_EQ(r.stoppedCalls, 1);
    EXPECT_EQ(r.progress.back().first, 0);
    EXPECT_EQ(Text(r.progress.back().second), "20.03.2024 07:00");
}

// Ten hourly steps from 0 h pass an end at 09:30: the step to 10:00 is
// where a report and a stop were asked for; neither may name a date beyond
// the end (the Event Finder shows the reported date as its progress).
TEST(EventSearch, ProgressAndStopsNeverPassTheEndOfTheRange) {
    const DateTime to = Date(2024, 3, 20, 9.5);
    for (const int stopAtPoll : {-1, 10}) {
        Recorder r;
        r.stopAtPoll = stopAtPoll;
        Search(kSunUp, Date(2024, 3, 20), to, kHour, &r);
        ASSERT_FALSE(r.progress.empty());
        for (const auto& [percent, date] : r.progress) {
            EXPECT_FALSE(DateTimeIsEarlier(to, date)) << Text(date) << " at " << percent << "%";
        }
        EXPECT_EQ(r.stoppedCalls, 0) << stopAtPoll;
        EXPECT_EQ(r.progress.back().first, 100) << stopAtPoll;
    }
}

// A step that never moves forward (count 0 or less, as a damaged setting may
// hold) ends the run after the first evaluation, as an unknown unit does.
TEST(EventSearch, StepsThatDoNotAdvanceEvaluateOnce) {
    for (const TimeStep step : {TimeStep{kHoursUnit, 0}, TimeStep{kDaysUnit, -1}, TimeStep{6, 0}}) {
        Recorder r;
        EXPECT_EQ(Search(kSunUp, Date(2024, 3, 20, 12), Date(2024, 3, 22), step, &r).size(), 1u);
        EXPECT_EQ(r.results.size(), 1u);
        EXPECT_EQ(r.progress.back().first, 100);
    }
}

TEST(EventSearch, EventTypeStepsRefineWithinTheDay) {
    // A satellite event (one minute) from 0 h: 1,440 evaluations.
    Recorder r;
    Search(TXT("Io.RectCrdX() > -1000"), Date(2024, 3, 20), Date(2024, 3, 20), kDay, &r,
           kEventJovianConjunctionWithPlanet, true);
    EXPECT_EQ(r.results.size(), 1440u);
    EXPECT_EQ(Text(r.results.back().second.dates.end), "20.03.2024 23:59");
    // Sunrise and sunset inside one refined day: two occurrences, both kept.
    const EventResultList twice = Search(TXT("Abs(Sun.Lat(Hor)) < 5"), Date(2024, 3, 20),
                                         Date(2024, 3, 21), kDay, nullptr, kEventVernalEquinox, true);
    ASSERT_EQ(twice.size(), 4u);
    EXPECT_EQ(Text(twice.at(1).dates.begin) + " " + Text(twice.at(2).dates.begin),
              "20.03.2024 18:00 21.03.2024 06:00");
}

TEST(EventSearch, ExtremesAreDatedAtTheLastStepBeforeTheTurn) {
    const Text16 nearest = TXT("Min(Sun.DistEarth(Au))");  // perihelion 3 January 2024, 00:39 UT
    const EventResultList turn = Search(nearest, Date(2023, 12, 20), Date(2024, 1, 20), kDay);
    ASSERT_EQ(turn.size(), 1u);
    EXPECT_EQ(Text(turn.at(0).dates.begin), "03.01.2024 00:00");
    EXPECT_TRUE(Search(nearest, Date(2024, 9, 1), Date(2024, 12, 20), kDay).empty());  // falls throughout
}

TEST(EventSearch, TextsThatDoNotCompileFindNothingButWalkTheRange) {
    for (const Char* text : {TXT("Sun.Lat(Hor) >"), TXT("Min(Sun.Nothing())")}) {
        Recorder r;
        EXPECT_TRUE(Search(text, Date(2024, 3, 20), Date(2024, 3, 25), kHour, &r).empty());
        EXPECT_GT(r.progress.size(), 10u);
        EXPECT_EQ(r.progress.back().first, 100);
    }
}

// A search stopped at any step and continued from where it stopped reports
// the ranges of one that ran through: nothing lost or doubled at the seam.
TEST(EventSearch, AContinuedSearchMatchesAnUninterruptedOne) {
    const struct {
        const Char* text;
        DateTime from, to;
        TimeStep step;
        std::vector<int> stops;
    } cases[] = {
        {TXT("Sun.Lat(Hor) > 0"), Date(2024, 3, 20), Date(2024, 3, 21, 23), kHour, {3, 8, 10, 19, 33}},
        // True at 18:00, the 19th point.
        {TXT("AngleDiff360(Moon.Lon(Ecl), Sun.Lon(Ecl)) >>= 180"), Date(2024, 1, 25), Date(2024, 1, 26),
         kHour, {1, 2, 17, 18, 19}},
        // Perigees on 13 January and 10 February.
        {TXT("Min(Moon.DistEarth(Au))"), Date(2024, 1, 1), Date(2024, 3, 1), kDay, {1, 2, 12, 13, 14, 41, 42}},
    };
    for (const auto& c : cases) {
        Recorder whole;
        Search(c.text, c.from, c.to, c.step, &whole);
        std::vector<std::string> expected;
        whole.AddRangesTo(expected);
        for (const int stopAt : c.stops) {
            EventResultList results;
            Recorder first;
            Recorder second;
            first.stopAtPoll = stopAt;
            EventSearchJob job(c.from, c.to, London(), false, c.step, &results, first.Callbacks(), false, 0);
            job.AddExpression(c.text, kNoEventType, nullptr, nullptr);
            job.Run();
            EventSearchJob next(c.from, c.to, London(), false, c.step, &results, second.Callbacks(), false, 0);
            next.current = job.current;
            next.AddExpression(c.text, kNoEventType, nullptr, nullptr);
            next.RunContinued();
            std::vector<std::string> ranges;
            first.AddRangesTo(ranges);
            second.AddRangesTo(ranges);
            EXPECT_TRUE(job.wasStopped);
            EXPECT_EQ(ranges, expected) << Utf8(c.text) << " stopped at " << stopAt;
        }
    }
}

}  // namespace
}  // namespace corvinata::events
