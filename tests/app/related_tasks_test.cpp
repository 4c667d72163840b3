#include "app/related_task_groups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_interfaces.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/related_task_fakes.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

// Stars, constellations and deep-sky objects come from data files; a body
// of the type is enough for the rules.
class TypedBody final : public CelestialObject {
public:
    TypedBody(int type, const Char* name) : CelestialObject(0, name), type_(type) {}
    int GetTypeId() const override { return type_; }

private:
    int type_;
};

class RelatedTasksTest : public ::testing::Test {
protected:
    static BodyIdentifier Body(int type, int number) {
        return BodyIdentifierFromObject(GetCatalogueObject(type, number));
    }
    static BodyIdentifier Named(const CelestialObject& object, const char* name) {
        BodyIdentifier body;
        BodyIdentifierInit(body, &object, nullptr, test::Wide(name).c_str());
        return body;
    }
    std::vector<std::string> Captions(int group) const {
        std::vector<std::string> out;
        for (const auto& task : groups.Group(group)) out.push_back(Utf8(task->GetText()));
        return out;
    }

    test::ScopedCatalogues catalogues_;
    test::RecordingTaskServices services;
    RelatedTaskGroups groups;
    RelatedTaskBuilder builder{groups, services};
    DateTime date = MakeDateTime(2014, 5, 20, 21.5, kLocalCivilTime);
};

TEST_F(RelatedTasksTest, EachBodyTypeListsItsTasksLeavingOutTheAskingKind) {
    const TypedBody star(kBodyStar, TXT("Minkar"));
    const TypedBody constellation(kBodyConstellation, TXT("Orion"));
    const TypedBody galaxy(kBodyDeepSky, TXT("M 31"));
    using V = std::vector<std::string>;
    const struct Case {
        const char* what;
        BodyIdentifier body;
        int kind;
        V captions;
    } cases[] = {
        {"Sun from the Sky window", Body(kBodySun, 0), kSkyWindow,
         V{"View Sun in the solar system", "View a graph of Sun's rising and setting times",
           "View a graph of Sun distance from Earth", "View a picture of Sun",
           "View Sun's ephemerides for 2014", "Search for solar eclipses in 2014",
           "View information on Sun"}},
        {"Moon from Object Info", Body(kBodyMoon, 0), kObjectInfoTaskSource,
         V{"View Moon in the sky", "View Moon in the solar system",
           "View a graph of Moon's rising and setting times", "View a graph of Moon distance from Earth",
           "View a picture of Moon", "View Moon's ephemerides for 2014",
           "Search for lunar eclipses in 2014"}},
        {"Jupiter from its explorer", Body(kBodyPlanet, 3), kJupiterExplorerWindow,
         V{"View Jupiter in the sky", "View Jupiter in the solar system",
           "View a graph of Jupiter's rising and setting times",
           "View a graph of Jupiter distance from Earth", "View a picture of Jupiter",
           "View Jupiter's ephemerides for 2014", "View information on Jupiter"}},
        {"Venus from a report", Body(kBodyPlanet, 1), kReportWindow,
         V{"View Venus in the sky", "View Venus in the solar system",
           "View a graph of Venus' rising and setting times", "View a graph of Venus distance from Earth",
           "View a picture of Venus", "View information on Venus"}},
        {"Earth from the Solar System window", Body(kBodyEarth, 0), kSolarSystemWindow,
         V{"View a picture of Earth", "View information on Earth"}},
        {"a star from a graph", Named(star, "Minkar"), kGraphWindow,
         V{"View Minkar in the sky", "View information on Minkar"}},
        {"a constellation", Named(constellation, "Orion"), kSolarSystemWindow,
         V{"View Orion in the sky", "View information on Orion"}},
        {"a galaxy from a picture", Named(galaxy, "M 31"), kPictureWindow,
         V{"View M 31 in the sky", "View a graph of M 31's rising and setting times",
           "View information on M 31"}},
        {"Io from the Sky window", Body(kBodyJupiterSatellite, 0), kSkyWindow,
         V{"View a picture of Io", "Explore Jupiter", "View information on Io"}},
        {"Titan from the Saturn explorer", Body(kBodySaturnSatellite, 5), kSaturnExplorerWindow,
         V{"View a picture of Titan", "View information on Titan"}},
        {"no body", BodyIdentifier{}, kSkyWindow, V{}},
    };
    for (const Case& c : cases) {
        groups.Clear();
        builder.BuildRelatedTasks(date, kSelectedBodyGroup, c.body, c.kind, 0);
        EXPECT_EQ(Captions(kSelectedBodyGroup), c.captions) << c.what;
    }
}

TEST_F(RelatedTasksTest, EveryWindowKindFillsItsOwnGroups) {
    class GraphWindow final : public RelatedTaskWindow {
    } graph;
    using V = std::vector<std::string>;
    const auto source = [&](int kind, const BodyIdentifier& body) {
        RelatedTaskSource made;
        made.kind = kind;
        made.date = date;
        made.body = body;
        return made;
    };
    RelatedTaskSource saturn = source(kSaturnExplorerWindow, BodyIdentifier{});
    saturn.secondBody = Body(kBodySaturnSatellite, 5);
    const RelatedTaskSource eclipse = source(kSolarEclipseWindow, BodyIdentifier{});
    RelatedTaskSource graphSource = source(kGraphWindow, Body(kBodyMoon, 0));
    graphSource.graphWindow = &graph;
    graphSource.graphsDirectory = String(TXT("C:\\Prog\\GRAPHS"));
    const RelatedTaskSource report = source(kReportWindow, Body(kBodySun, 0));

    builder.BuildForWindow(saturn);
    EXPECT_EQ(Captions(kSelectedBodyGroup).front(), "View Saturn in the sky");
    EXPECT_EQ(Captions(kSecondBodyGroup), (V{"View a picture of Titan", "View information on Titan"}));
    groups.Clear();
    builder.BuildForWindow(eclipse);
    EXPECT_EQ(
        Captions(kSolarEclipseGroup),
        (V{"View the solar eclipse in the sky", "View the solar eclipse in the solar system",
           "View a picture of Sun", "View a picture of Moon", "View information on Sun",
           "View information on Moon", "View Sun's ephemerides for 2014", "View Moon's ephemerides for 2014",
           "Search for lunar eclipses in 2014", "Search for solar eclipses in 2014"}));
    groups.Clear();
    builder.BuildForWindow(graphSource);
    EXPECT_EQ(Captions(kGeneralGraphGroup), (V{"Create a new graph", "Open a graph"}));
    EXPECT_EQ(Captions(kCurrentGraphGroup), (V{"Edit the graph's lines", "Edit the graph's options"}));
    EXPECT_EQ(Captions(kSampleGraphGroup),
              (V{"Astronomical Calendar 2027.gph", "Astronomical Calendar 2028.gph",
                 "Astronomical Calendar 2029.gph"}));
    EXPECT_EQ(Captions(kSelectedBodyGroup).size(), 6u);  // the Moon without its graphs
    groups.Clear();
    builder.BuildForWindow(report);
    EXPECT_EQ(Captions(kReportGroup).back(), "View information on Sun");
    groups.Clear();
    builder.AddOpenWindowTasks();
    EXPECT_EQ(Captions(kGettingStartedGroup),
              (V{"Open a Sky window", "Open a Solar system window", "Open a Graph window",
                 "Open a Picture window", "Open a Report window", "Open a Jupiter explorer window",
                 "Open a Saturn explorer window", "Open a Solar eclipse window"}));
}

TEST_F(RelatedTasksTest, EventTasksFollowTheEventAndItsBody) {
    RelatedEvent event;
    event.eventTypeId = kSolarEclipseEvent;
    event.begin = date;
    event.body = Body(kBodySun, 0);
    event.description = String(TXT("Eclipse of the Sun"));
    builder.AddEventTasks(event, date, kSelectedEventGroup);
    EXPECT_EQ(Captions(kSelectedEventGroup),
              (std::vector<std::string>{"View 'Eclipse of the Sun' in the solar eclipse window",
                                        "View 'Eclipse of the Sun' in the sky",
                                        "View 'Eclipse of the Sun' in the solar system",
                                        "View a picture of Sun", "View Sun's ephemerides for 2014",
                                        "View information on Sun", "Search for solar eclipses in 2014"}));
    EXPECT_EQ(Utf8(groups.Group(kSelectedEventGroup)[0]->GetTooltip()), "Eclipse of the Sun");
    EXPECT_TRUE(groups.Group(kSelectedEventGroup)[3]->GetTooltip().IsEmpty());
}

TEST_F(RelatedTasksTest, TheEventFinderOffersTheTasksOfItsSelectedResult) {
    EventFinderSelection selection;
    selection.date = date;
    builder.BuildForEventFinder(selection);  // no results yet
    EXPECT_EQ(Captions(kGettingStartedGroup).size(), 8u);
    groups.Clear();
    selection.resultCount = 3;
    selection.predefined = false;
    selection.conditionBody = Body(kBodyPlanet, 2);
    selection.conditionFunction = kFunctionMagnitude;
    builder.BuildForEventFinder(selection);
    EXPECT_EQ(Captions(kSelectedBodyGroup),
              (std::vector<std::string>{"View Mars in the sky", "View Mars in the solar system",
                                        "View a graph of Mars magnitude", "View a picture of Mars",
                                        "View Mars' ephemerides for 2014", "View information on Mars"}));
    // A condition without a body (a search a script started): its result
    // in the Sky at its moment.
    groups.Clear();
    selection.conditionBody = BodyIdentifier{};
    selection.event.description = String(TXT("Moon.Lat(Hor) >>= 50"));
    selection.event.begin = date;
    builder.BuildForEventFinder(selection);
    EXPECT_EQ(Captions(kSelectedEventGroup), std::vector<std::string>{"View 'Moon.Lat(Hor) >>= 50' in the sky"});
    groups.Run(groups.Find(kSelectedEventGroup, 0), services);
    EXPECT_EQ(services.calls, std::vector<std::string>{"sky  2014"});
    groups.Clear();
    selection.runUnusable = true;
    builder.BuildForEventFinder(selection);
    EXPECT_EQ(groups.TaskCount(), 8);
}

// A result that its window refuses is reported as not shown.
TEST_F(RelatedTasksTest, AResultItsWindowRefusesIsNotShown) {
    EventResultShowRequest request;
    request.windowKind = kSkyWindow;
    request.range = {date, date};
    EXPECT_TRUE(ShowEventResult(services, request));
    services.windowsShow = false;
    for (const int kind : {kSkyWindow, kSolarSystemWindow, kJupiterExplorerWindow, kSaturnExplorerWindow,
                           kPictureWindow, kSolarEclipseWindow, kReportWindow}) {
        request.windowKind = kind;
        EXPECT_FALSE(ShowEventResult(services, request)) << kind;
    }
}

TEST_F(RelatedTasksTest, EachTaskRunsItsAction) {
    services.now.dateTime = MakeDateTime(2020, 1, 1, 0.0, kLocalCivilTime);
    services.now.location.town = String(TXT("York"));
    DateTime noTime = date;
    noTime.hours = kNoTimeHours;
    class GraphWindow final : public RelatedTaskWindow {
    } graph;
    const struct Case {
        RelatedTaskPtr task;
        const char* caption;
        const char* call;
    } cases[] = {
        {MakeOpenWindowTask(kSaturnExplorerWindow), "Open a Saturn explorer window", "open 4"},
        {MakeEphemeridesTask(Body(kBodyPlanet, 1), date), "View Venus' ephemerides for 2014",
         "report 5 1 2014 at York"},
        {MakeEphemeridesTask(Body(kBodyMoon, 0), date), "View Moon's ephemerides for 2014",
         "report 4 0 2014 at York"},
        {MakeExploreTask(Body(kBodyPlanet, 4)), "Explore Saturn", "saturn Saturn -"},
        {MakeViewInSolarSystemTask(Body(kBodyPlanet, 2), date), "View Mars in the solar system",
         "solar system Mars 2014"},
        {MakeRiseSetGraphTask(Body(kBodyMoon, 0), date), "View a graph of Moon's rising and setting times",
         "graph 2014 4 [Moon rises|\"Moon\".Rise(lct)][Moon sets|\"Moon\".Set(lct)]"},
        {MakeQuantityGraphTask(Body(kBodyPlanet, 1), date, kFunctionRise), "View a graph of Venus rise",
         "graph 2014 4 [Venus.Rise(lct)|\"Venus\".Rise(lct)]"},
        {MakeObjectInfoTask(Body(kBodySun, 0), date), "View information on Sun", "info Sun 2014"},
        {MakeObjectInfoTask(Body(kBodySun, 0), noTime), "View information on Sun", "info Sun -"},
        {MakeEditGraphOptionsTask(graph), "Edit the graph's options", "options"},
        {MakeOpenGraphFileTask(String(TXT("C:\\P\\GRAPHS\\Astronomical Calendar 2027.gph"))),
         "Astronomical Calendar 2027.gph", "file C:\\P\\GRAPHS\\Astronomical Calendar 2027.gph"},
        {MakeEclipseViewTask(date, true), "View the solar eclipse in the sky", "sky Sun 2014"},
        {MakeEclipseSearchTask(date, kLunarEclipseEvent), "Search for lunar eclipses in 2014",
         "search 9 2014 1 1 to 12 31 step 2 1"},
        {MakeEclipseSearchTask(noTime, kSolarEclipseEvent), "Search for solar eclipses in --.--.--",
         "search 8 2014 1 1 to 12 31 step 2 1"},
    };
    for (const Case& c : cases) {
        services.calls.clear();
        EXPECT_EQ(Utf8(c.task->GetText()), c.caption);
        c.task->Execute(services);
        EXPECT_EQ(services.calls, std::vector<std::string>{c.call}) << c.caption;
    }
}

// A body's name goes into the graph's script expression in quotes, so that
// blanks, dots and words of the language stay part of the name; a name the
// language cannot quote makes no graph at all.
TEST_F(RelatedTasksTest, BodyNamesCannotChangeTheGraphExpression) {
    const struct Case {
        const char* name;
        const char* expression;  // none: no graph
    } cases[] = {
        {"Alpha Cen", "\"Alpha Cen\".Rise(lct)"},
        {"NGC 1.2", "\"NGC 1.2\".Rise(lct)"},
        {"Moon or true", "\"Moon or true\".Rise(lct)"},
        {"Moon\".Rise(ut) + \"Sun", nullptr},
        {"\"", nullptr},
    };
    const TypedBody star(kBodyStar, TXT("x"));
    for (const Case& c : cases) {
        NewGraphRequest request;
        const bool built = BuildRiseSetGraphRequest(Named(star, c.name), date, request);
        ASSERT_EQ(built, c.expression != nullptr) << c.name;
        if (built) {
            EXPECT_EQ(Utf8(request.lines[0].expression), c.expression);
        }
    }
}

// A task whose run rebuilds the pane must outlive the rebuild; the tasks
// cleared meanwhile are freed once the run has returned (ASan guards both).
TEST_F(RelatedTasksTest, RebuildDuringARunFreesTheOldTasksAfterIt) {
    std::size_t retiredDuringRun = 0;
    services.onOpenWindow = [&] {
        groups.Clear();
        builder.AddOpenWindowTasks();
        retiredDuringRun = groups.RetiredCount();
    };
    builder.AddOpenWindowTasks();
    const RelatedTask* first = groups.Find(kGettingStartedGroup, 0);
    EXPECT_TRUE(groups.Run(first, services));
    EXPECT_EQ(retiredDuringRun, 8u);
    EXPECT_EQ(groups.RetiredCount(), 0u);
    EXPECT_EQ(groups.TaskCount(), 8);
    EXPECT_FALSE(groups.Run(first, services));  // no longer one of the pane's tasks
    EXPECT_EQ(groups.Find(kGettingStartedGroup, 8), nullptr);
    EXPECT_EQ(groups.Find(kRelatedTaskGroupCount, 0), nullptr);
}

}  // namespace
}  // namespace corvinata
