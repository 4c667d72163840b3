#include "app/related_task_groups.h"

#include <utility>

#include "app/app_interfaces.h"
#include "app/report_picture_panels.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/planet_catalogue.h"

namespace corvinata {
namespace {

constexpr const Char* kGroupHeaders[kRelatedTaskGroupCount] = {
    TXT("Getting started"),
    TXT("Tasks related to the selected body"),
    TXT("Tasks related to the selected body"),
    TXT("Tasks related to the current graph"),
    TXT("General tasks related to graphs"),
    TXT("Open a sample graph"),
    TXT("Open a recent graph"),
    TXT("Tasks related to the report"),
    TXT("Tasks related to the selected event"),
    TXT("Tasks related to the solar eclipse"),
};

constexpr const Char* kSampleGraphs[] = {
    TXT("Astronomical Calendar 2027.gph"),
    TXT("Astronomical Calendar 2028.gph"),
    TXT("Astronomical Calendar 2029.gph"),
};

// The order of the "Getting started" group.
constexpr int kOpenWindowOrder[kWindowKindCount] = {
    kSkyWindow,    kSolarSystemWindow,     kGraphWindow,          kPictureWindow,
    kReportWindow, kJupiterExplorerWindow, kSaturnExplorerWindow, kSolarEclipseWindow,
};

int TypeOf(const BodyIdentifier& body) {
    return body.object != nullptr ? body.object->GetTypeId() : kBodyOther;
}

bool ShownInSky(int type) {
    return type == kBodySun || type == kBodyMoon || type == kBodyPlanet || type == kBodyStar ||
           type == kBodyConstellation || type == kBodyDeepSky;
}

bool ShownInSolarSystem(int type) {
    return type == kBodySun || type == kBodyMoon || type == kBodyPlanet || type == kBodyEarth;
}

bool HasEphemerides(int type) { return type == kBodySun || type == kBodyMoon || type == kBodyPlanet; }

BodyIdentifier PlanetBody(int number) {
    return BodyIdentifierFromObject(GetCatalogueObject(kBodyPlanet, number));
}

}  // namespace

BodyIdentifier BodyOfReport(int reportType, int planetNumber) {
    switch (reportType) {
        case kSunEphemeridesReport: return BodyIdentifierFromObject(GetCatalogueObject(kBodySun, 0));
        case kMoonEphemeridesReport: return BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0));
        case kPlanetEphemeridesReport: return PlanetBody(planetNumber);
        default: return BodyIdentifier{};
    }
}

const Char* RelatedTaskGroupHeader(int group) noexcept {
    return group >= 0 && group < kRelatedTaskGroupCount ? kGroupHeaders[group] : TXT("");
}

void RelatedTaskGroups::Add(int group, RelatedTaskPtr task) {
    if (task == nullptr || group < 0 || group >= kRelatedTaskGroupCount) return;
    groups_[static_cast<std::size_t>(group)].push_back(std::move(task));
}

void RelatedTaskGroups::Clear() {
    for (auto& group : groups_) {
        if (running_ > 0) {
            for (auto& task : group) retired_.push_back(std::move(task));
        }
        group.clear();
    }
}

const RelatedTask* RelatedTaskGroups::Find(int group, int index) const noexcept {
    if (group < 0 || group >= kRelatedTaskGroupCount || index < 0) return nullptr;
    const auto& tasks = groups_[static_cast<std::size_t>(group)];
    return static_cast<std::size_t>(index) < tasks.size() ? tasks[static_cast<std::size_t>(index)].get()
                                                          : nullptr;
}

int RelatedTaskGroups::TaskCount() const noexcept {
    std::size_t count = 0;
    for (const auto& group : groups_) count += group.size();
    return static_cast<int>(count);
}

bool RelatedTaskGroups::Run(const RelatedTask* task, WindowServices& services) {
    bool known = false;
    for (const auto& group : groups_) {
        for (const auto& held : group) known = known || held.get() == task;
    }
    if (!known) return false;
    ++running_;
    task->Execute(services);
    if (--running_ == 0) retired_.clear();
    return true;
}

void RelatedTaskBuilder::AddPicture(int group, const BodyIdentifier& body) {
    if (services_.BodyHasPicture(body)) groups_.Add(group, MakePictureTask(body));
}

void RelatedTaskBuilder::AddEphemerides(int group, const BodyIdentifier& body, const DateTime& date) {
    if (HasEphemerides(TypeOf(body))) groups_.Add(group, MakeEphemeridesTask(body, date));
}

void RelatedTaskBuilder::AddExplore(int group, const BodyIdentifier& body, int sourceKind) {
    int planet = -1;
    switch (TypeOf(body)) {
        case kBodyPlanet: planet = body.object->Number(); break;
        case kBodySaturnSatellite: planet = kSaturnPlanetNumber; break;
        case kBodyJupiterSatellite: planet = kJupiterPlanetNumber; break;
        default: return;
    }
    if (planet == kJupiterPlanetNumber && sourceKind != kJupiterExplorerWindow) {
        groups_.Add(group, MakeExploreTask(PlanetBody(planet)));
    }
    if (planet == kSaturnPlanetNumber && sourceKind != kSaturnExplorerWindow) {
        groups_.Add(group, MakeExploreTask(PlanetBody(planet)));
    }
}

void RelatedTaskBuilder::AddGraphs(int group, const BodyIdentifier& body, const DateTime& date,
                                   std::uint32_t quantity) {
    if (quantity != 0) {
        groups_.Add(group, MakeQuantityGraphTask(body, date, quantity));
        return;
    }
    groups_.Add(group, MakeRiseSetGraphTask(body, date));
    if (HasEphemerides(TypeOf(body))) {
        groups_.Add(group, MakeQuantityGraphTask(body, date, kFunctionDistanceFromEarth));
    }
}

void RelatedTaskBuilder::BuildRelatedTasks(const DateTime& date, int group, const BodyIdentifier& body,
                                           int sourceKind, std::uint32_t quantity) {
    const int type = TypeOf(body);
    const bool sky = ShownInSky(type) && sourceKind != kSkyWindow;
    const bool solarSystem = ShownInSolarSystem(type) && sourceKind != kSolarSystemWindow;
    const bool graphs = sourceKind != kGraphWindow;
    const bool picture = sourceKind != kPictureWindow;
    const bool ephemerides = sourceKind != kReportWindow;
    switch (type) {
        case kBodySun:
        case kBodyMoon:
        case kBodyPlanet:
            if (sky) groups_.Add(group, MakeViewInSkyTask(body, date));
            if (solarSystem) groups_.Add(group, MakeViewInSolarSystemTask(body, date));
            if (graphs) AddGraphs(group, body, date, quantity);
            if (picture) AddPicture(group, body);
            if (ephemerides) AddEphemerides(group, body, date);
            if (type == kBodySun) groups_.Add(group, MakeEclipseSearchTask(date, kSolarEclipseEvent));
            if (type == kBodyMoon) groups_.Add(group, MakeEclipseSearchTask(date, kLunarEclipseEvent));
            if (type == kBodyPlanet) AddExplore(group, body, sourceKind);
            break;
        case kBodyEarth:
            if (solarSystem) groups_.Add(group, MakeViewInSolarSystemTask(body, date));
            if (picture) AddPicture(group, body);
            break;
        case kBodyStar:
            if (sky) groups_.Add(group, MakeViewInSkyTask(body, date));
            if (graphs) AddGraphs(group, body, date, quantity);
            break;
        case kBodyConstellation:
            if (sky) groups_.Add(group, MakeViewInSkyTask(body, date));
            break;
        case kBodyDeepSky:
            if (sky) groups_.Add(group, MakeViewInSkyTask(body, date));
            if (graphs) AddGraphs(group, body, date, quantity);
            if (picture) AddPicture(group, body);
            break;
        case kBodySaturnSatellite:
        case kBodyJupiterSatellite:
            if (picture) AddPicture(group, body);
            AddExplore(group, body, sourceKind);
            break;
        default: return;
    }
    if (sourceKind != kObjectInfoTaskSource) groups_.Add(group, MakeObjectInfoTask(body, date));
}

void RelatedTaskBuilder::AddEventTasks(const RelatedEvent& event, const DateTime& date, int group) {
    if (event.eventTypeId == kSolarEclipseEvent) {
        groups_.Add(group, MakeEventTask(event, EventView::kSolarEclipseWindow));
    }
    const int type = TypeOf(event.body);
    if (type == kBodyOther) return;
    if (ShownInSky(type)) groups_.Add(group, MakeEventTask(event, EventView::kSky));
    if (ShownInSolarSystem(type)) groups_.Add(group, MakeEventTask(event, EventView::kSolarSystem));
    AddPicture(group, event.body);
    AddEphemerides(group, event.body, date);
    AddExplore(group, event.body, -1);
    groups_.Add(group, MakeObjectInfoTask(event.body, date));
    if (type == kBodySun) groups_.Add(group, MakeEclipseSearchTask(date, kSolarEclipseEvent));
    if (type == kBodyMoon) groups_.Add(group, MakeEclipseSearchTask(date, kLunarEclipseEvent));
}

void RelatedTaskBuilder::AddSampleGraphTasks(RelatedTaskWindow& graphWindow, const DateTime& rangeBegin,
                                             const BodyIdentifier& selectedLineBody,
                                             const String& graphsDirectory) {
    groups_.Add(kGeneralGraphGroup, MakeNewGraphTask());
    groups_.Add(kGeneralGraphGroup, MakeOpenGraphTask());
    groups_.Add(kCurrentGraphGroup, MakeEditGraphLinesTask(graphWindow));
    groups_.Add(kCurrentGraphGroup, MakeEditGraphOptionsTask(graphWindow));
    for (const Char* file : kSampleGraphs) {
        String path = graphsDirectory;
        if (!path.IsEmpty() && path.Text()[path.Length() - 1] != '\\') StringAppend(path, TXT("\\"));
        StringAppend(path, file);
        groups_.Add(kSampleGraphGroup, MakeOpenGraphFileTask(path));
    }
    if (selectedLineBody.object != nullptr) {
        BuildRelatedTasks(rangeBegin, kSelectedBodyGroup, selectedLineBody, kGraphWindow, 0);
    }
}

void RelatedTaskBuilder::AddSolarEclipseTasks(const DateTime& date) {
    const BodyIdentifier sun = BodyIdentifierFromObject(GetCatalogueObject(kBodySun, 0));
    const BodyIdentifier moon = BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0));
    groups_.Add(kSolarEclipseGroup, MakeEclipseViewTask(date, true));
    groups_.Add(kSolarEclipseGroup, MakeEclipseViewTask(date, false));
    AddPicture(kSolarEclipseGroup, sun);
    AddPicture(kSolarEclipseGroup, moon);
    groups_.Add(kSolarEclipseGroup, MakeObjectInfoTask(sun, date));
    groups_.Add(kSolarEclipseGroup, MakeObjectInfoTask(moon, date));
    AddEphemerides(kSolarEclipseGroup, sun, date);
    AddEphemerides(kSolarEclipseGroup, moon, date);
    groups_.Add(kSolarEclipseGroup, MakeEclipseSearchTask(date, kLunarEclipseEvent));
    groups_.Add(kSolarEclipseGroup, MakeEclipseSearchTask(date, kSolarEclipseEvent));
}

void RelatedTaskBuilder::AddOpenWindowTasks() {
    for (const int kind : kOpenWindowOrder) groups_.Add(kGettingStartedGroup, MakeOpenWindowTask(kind));
}

void RelatedTaskBuilder::BuildForWindow(const RelatedTaskSource& source) {
    switch (source.kind) {
        case kGraphWindow:
            if (source.graphWindow != nullptr) {
                AddSampleGraphTasks(*source.graphWindow, source.date, source.body, source.graphsDirectory);
            }
            break;
        case kJupiterExplorerWindow:
        case kSaturnExplorerWindow: {
            const int planet =
                source.kind == kJupiterExplorerWindow ? kJupiterPlanetNumber : kSaturnPlanetNumber;
            BuildRelatedTasks(source.date, kSelectedBodyGroup, PlanetBody(planet), source.kind, 0);
            BuildRelatedTasks(source.date, kSecondBodyGroup, source.secondBody, source.kind, 0);
            break;
        }
        case kReportWindow: BuildRelatedTasks(source.date, kReportGroup, source.body, source.kind, 0); break;
        case kSolarEclipseWindow: AddSolarEclipseTasks(source.date); break;
        case kPictureWindow:
        case kSkyWindow:
        case kSolarSystemWindow:
        case kObjectInfoTaskSource:
            BuildRelatedTasks(source.date, kSelectedBodyGroup, source.body, source.kind, 0);
            break;
        default: break;
    }
}

void RelatedTaskBuilder::BuildForEventFinder(const EventFinderSelection& selection) {
    if (selection.resultCount < 1 || selection.runUnusable) {
        AddOpenWindowTasks();
    } else if (selection.predefined) {
        AddEventTasks(selection.event, selection.date, kSelectedEventGroup);
    } else if (selection.conditionBody.object == nullptr) {
        // A condition without a body: its result in the Sky at its moment.
        groups_.Add(kSelectedEventGroup, MakeEventTask(selection.event, EventView::kSky));
    } else {
        BuildRelatedTasks(selection.date, kSelectedBodyGroup, selection.conditionBody, kEventFinderTaskSource,
                          selection.conditionFunction);
    }
}

}  // namespace corvinata
