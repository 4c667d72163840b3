#include "tools/event_forecast.h"

#include <gtest/gtest.h>

#include "event_testing.h"

namespace corvinata::events {
namespace {

using test::Date;
using test::Recorder;
using test::Text;

EventSearchJob EmptyJob(EventResultList& results) {
    return EventSearchJob(Date(2024, 1, 1), Date(2024, 1, 2), test::London(), false,
                          TimeStep{kDaysUnit, 1}, &results, {}, true, 0);
}

std::size_t ExpressionsFor(std::uint32_t groups) {
    EventResultList results;
    EventSearchJob job = EmptyJob(results);
    for (int id = 0; id < kEventTypeCount; ++id) CollectEventTypeExpressions(EventTypeAt(id), groups, job);
    return job.ExpressionCount();
}

TEST(EventForecast, ExpressionsPerGroup) {
    const std::size_t planets = static_cast<std::size_t>(CatalogueByType(kBodyPlanet)->CatalogueGetCount());
    const struct {
        std::uint32_t groups;
        std::size_t count;
    } cases[] = {
        {0, 0},
        {kForecastMoonPhases, 4},
        {kForecastEclipses | kForecastSeasons, 6},
        {kForecastConjunctions, 10},
        {kForecastOppositions, planets},
        {kForecastPerihelia, 2 * (planets + 1)},
        {kForecastPerigees, 2 * planets},
        {kForecastVenusBrightest | kForecastTransits, 3},
        {kForecastObservable, planets},
        {0xFFFFF800u, 0},  // bits without a group
    };
    for (const auto& c : cases) EXPECT_EQ(ExpressionsFor(c.groups), c.count) << std::hex << c.groups;
}

TEST(EventForecast, ConjunctionsPairTheFiveBrightPlanetsWithElongation) {
    EventResultList results;
    EventSearchJob job = EmptyJob(results);
    CollectEventTypeExpressions(*FindEventType(kEventConjunction), kForecastConjunctions, job);
    ASSERT_EQ(job.ExpressionCount(), 10u);
    for (std::uint32_t key = 0; key < 10; ++key) {
        const std::string text = corvinata::test::Utf8(job.ExpressionAt(key)->source);
        EXPECT_NE(text.find(".ElongAngDist()) > 10"), std::string::npos) << text;
        EXPECT_EQ(job.ExpressionAt(key)->compileStatus, kCompiled) << text;
    }
    EXPECT_EQ(corvinata::test::Utf8(job.ExpressionAt(0)->source).substr(0, 30),
              "Abs(AngleDiff(Mercury.Lon(Equ)");
    EXPECT_NE(corvinata::test::Utf8(job.ExpressionAt(9)->source).find("Jupiter.Lon(Equ), Saturn"),
              std::string::npos);
}

EventForecastJob RunForecast(std::uint32_t groups, const DateTime& from, const DateTime& to,
                             Recorder& recorder) {
    TimeAndPlace when;
    TimeAndPlaceInit(when, from, test::London(), false);
    EventForecastJob job;
    EventForecastRequest request;
    request.groups = groups;
    request.callbacks = recorder.Callbacks();
    request.pauseMilliseconds = 0;
    RunEventForecast(when, job, to, request);
    return job;
}

TEST(EventForecast, NoGroupsStillStepsThroughTheDays) {
    Recorder recorder;
    const EventForecastJob job = RunForecast(0, Date(2024, 1, 1, 15.5), Date(2024, 1, 31, 15.5), recorder);
    EXPECT_TRUE(job.results.empty());
    EXPECT_FALSE(job.wasStopped);
    EXPECT_EQ(recorder.polls, 31);
    ASSERT_EQ(recorder.progress.size(), 5u);
    EXPECT_EQ(recorder.progress.back().first, 100);
    // The computation remembers what it was computed for.
    EXPECT_EQ(job.computedFor.dateTime.hours, 15.5);
    // The forecast reports through the job's results, never a result call.
    EXPECT_TRUE(recorder.results.empty());
}

TEST(EventForecast, OppositionsNameThePlanetAlone) {
    Recorder recorder;
    const EventForecastJob job =
        RunForecast(kForecastOppositions, Date(2025, 1, 1), Date(2025, 1, 31, 23), recorder);
    ASSERT_EQ(job.results.size(), 1u);
    const EventOccurrence& opposition = job.results.begin()->second;
    EXPECT_EQ(opposition.eventType, kEventOpposition);
    EXPECT_EQ(Text(opposition.dates.begin).substr(0, 10), "16.01.2025");
    String text;
    FindEventType(opposition.eventType)
        ->Describe(BodyIdentifierFromObject(opposition.body),
                   BodyIdentifierFromObject(opposition.secondBody), text);
    EXPECT_EQ(corvinata::test::Utf8(text), "Mars is in opposition");
}

TEST(EventForecast, AStopKeepsWhatWasFound) {
    Recorder recorder;
    recorder.stopAtPoll = 15;
    const EventForecastJob job =
        RunForecast(kForecastMoonPhases, Date(2024, 1, 1), Date(2024, 1, 31, 23), recorder);
    EXPECT_TRUE(job.wasStopped);
    EXPECT_EQ(recorder.stoppedCalls, 1);
    ASSERT_EQ(job.results.size(), 2u);
    EXPECT_EQ(job.results.at(0).eventType, kEventLastQuarter);
    EXPECT_EQ(job.results.at(1).eventType, kEventNewMoon);
    EXPECT_NE(recorder.progress.back().first, 100);
}

}  // namespace
}  // namespace corvinata::events
