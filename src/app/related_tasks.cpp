#include "app/related_tasks.h"

#include <cstdlib>
#include <utility>

#include "app/app_interfaces.h"
#include "app/report_picture_panels.h"
#include "base/greek_letters.h"
#include "base/text_format.h"
#include "catalog/body_function_keywords.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/planet_catalogue.h"
#include "catalog/quantity_kinds.h"

namespace corvinata {
namespace {

constexpr const Char* kWindowKindNames[kWindowKindCount] = {
    TXT("Graph"),           TXT("Jupiter explorer"), TXT("Picture"), TXT("Report"),
    TXT("Saturn explorer"), TXT("Solar eclipse"),    TXT("Sky"),     TXT("Solar system"),
};

String Join(std::initializer_list<const Char*> parts) {
    String text;
    for (const Char* part : parts) StringAppend(text, part);
    return text;
}

String Possessive(const BodyIdentifier& body) {
    String name = TaskBodyName(body);
    AppendPossessiveSuffix(name);
    return name;
}

// The year of a task's date; "--.--.--" for a date without a time.
String YearText(const DateTime& date) {
    if (date.hours == kNoTimeHours) return String(TXT("--.--.--"));
    String year;
    StringFromInteger(std::abs(date.year), 1, year, true, ' ');
    return year;
}

int BodyTypeOf(const BodyIdentifier& body) {
    return body.object != nullptr ? body.object->GetTypeId() : kBodyOther;
}

class OpenWindowTask final : public RelatedTask {
public:
    explicit OpenWindowTask(int kind) : kind_(kind) {}
    void Execute(WindowServices& services) const override { services.OpenNewWindow(kind_); }

private:
    String BuildText() const override {
        return Join({TXT("Open a "), kWindowKindNames[kind_], TXT(" window")});
    }
    int kind_;
};

// Tasks made for one body at one date.
class BodyTask : public RelatedTask {
public:
    BodyTask(const BodyIdentifier& body, const DateTime& date) : body_(body), date_(date) {}
    BodyIdentifier body_;
    DateTime date_;
};

class EphemeridesTask final : public BodyTask {
public:
    using BodyTask::BodyTask;
    void Execute(WindowServices& services) const override {
        DateTimeLocation record = services.CurrentTimeAndLocation();
        record.dateTime = date_;
        switch (BodyTypeOf(body_)) {
            case kBodySun: services.NewReportWindow(kSunEphemeridesReport, 0, record); break;
            case kBodyMoon: services.NewReportWindow(kMoonEphemeridesReport, 0, record); break;
            case kBodyPlanet:
                services.NewReportWindow(kPlanetEphemeridesReport, body_.object->Number(), record);
                break;
            default: break;
        }
    }

private:
    String BuildText() const override {
        return Join(
            {TXT("View "), Possessive(body_).Text(), TXT(" ephemerides for "), YearText(date_).Text()});
    }
};

class PictureTask final : public BodyTask {
public:
    using BodyTask::BodyTask;
    void Execute(WindowServices& services) const override { services.ShowBodyInPictureWindow(body_); }

private:
    String BuildText() const override {
        return Join({TXT("View a picture of "), TaskBodyName(body_).Text()});
    }
};

class ExploreTask final : public BodyTask {
public:
    using BodyTask::BodyTask;
    void Execute(WindowServices& services) const override {
        if (BodyTypeOf(body_) != kBodyPlanet) return;
        if (body_.object->Number() == kJupiterPlanetNumber) services.ShowBodyInJupiterWindow(body_, nullptr);
        if (body_.object->Number() == kSaturnPlanetNumber) services.ShowBodyInSaturnWindow(body_, nullptr);
    }

private:
    String BuildText() const override { return Join({TXT("Explore "), TaskBodyName(body_).Text()}); }
};

class ViewBodyTask final : public BodyTask {
public:
    ViewBodyTask(const BodyIdentifier& body, const DateTime& date, bool inSky)
        : BodyTask(body, date), inSky_(inSky) {}
    void Execute(WindowServices& services) const override {
        if (inSky_) {
            services.ShowBodyInSkyWindowAt(body_, date_);
        } else {
            services.ShowBodyInSolarSystemWindowAt(body_, date_);
        }
    }

private:
    String BuildText() const override {
        return Join({TXT("View "), TaskBodyName(body_).Text(),
                     inSky_ ? TXT(" in the sky") : TXT(" in the solar system")});
    }
    bool inSky_;
};

class GraphTask final : public BodyTask {
public:
    // A function id of 0 asks for the rising-and-setting graph.
    GraphTask(const BodyIdentifier& body, const DateTime& date, std::uint32_t functionId)
        : BodyTask(body, date), functionId_(functionId) {}
    void Execute(WindowServices& services) const override {
        NewGraphRequest request;
        const bool built = functionId_ == 0 ? BuildRiseSetGraphRequest(body_, date_, request)
                                            : BuildQuantityGraphRequest(body_, date_, functionId_, request);
        if (built) services.OpenGraph(request);
    }

private:
    String BuildText() const override {
        if (functionId_ == 0) {
            return Join(
                {TXT("View a graph of "), Possessive(body_).Text(), TXT(" rising and setting times")});
        }
        String quantity;
        if (const EventKind* kind = FindEventKind(functionId_)) quantity = kind->GetName();
        if (!quantity.IsEmpty()) {
            const Char first = quantity.Text()[0];
            if (first >= 'A' && first <= 'Z') {
                String lower;
                const Char letter[2] = {static_cast<Char>(first - 'A' + 'a'), 0};
                StringAppend(lower, letter);
                StringAppend(lower, quantity.Text() + 1);
                quantity = lower;
            }
        }
        return Join({TXT("View a graph of "), TaskBodyName(body_).Text(), TXT(" "), quantity.Text()});
    }
    std::uint32_t functionId_;
};

class ObjectInfoTask final : public BodyTask {
public:
    using BodyTask::BodyTask;
    // A date without a time leaves Object Info's moment as it is.
    void Execute(WindowServices& services) const override {
        services.ShowObjectInfo(body_, date_.hours == kNoTimeHours ? nullptr : &date_);
    }

private:
    String BuildText() const override {
        return Join({TXT("View information on "), TaskBodyName(body_).Text()});
    }
};

class EventTask final : public RelatedTask {
public:
    EventTask(const RelatedEvent& event, EventView view) : event_(event), view_(view) {}
    void Execute(WindowServices& services) const override {
        switch (view_) {
            case EventView::kSky: services.ShowBodyInSkyWindowAt(event_.body, event_.begin); break;
            case EventView::kSolarSystem:
                services.ShowBodyInSolarSystemWindowAt(event_.body, event_.begin);
                break;
            case EventView::kSolarEclipseWindow:
                services.ShowInSolarEclipseWindow(DateTimeRange{event_.begin, event_.end});
                break;
        }
    }
    String GetTooltip() const override { return event_.description; }

private:
    String BuildText() const override {
        const Char* where = view_ == EventView::kSky           ? TXT("' in the sky")
                            : view_ == EventView::kSolarSystem ? TXT("' in the solar system")
                                                               : TXT("' in the solar eclipse window");
        return Join({TXT("View '"), event_.description.Text(), where});
    }
    RelatedEvent event_;
    EventView view_;
};

enum class GraphAction { kNew, kOpen, kEditLines, kEditOptions };

class GraphActionTask final : public RelatedTask {
public:
    GraphActionTask(GraphAction action, RelatedTaskWindow* window) : action_(action), window_(window) {}
    void Execute(WindowServices& services) const override {
        switch (action_) {
            case GraphAction::kNew: services.NewGraphWindow(); break;
            case GraphAction::kOpen: services.OpenGraphDialog(); break;
            case GraphAction::kEditLines: services.ShowGraphLinesEditor(*window_); break;
            case GraphAction::kEditOptions: services.ShowGraphOptions(*window_); break;
        }
    }

private:
    String BuildText() const override {
        switch (action_) {
            case GraphAction::kNew: return String(TXT("Create a new graph"));
            case GraphAction::kOpen: return String(TXT("Open a graph"));
            case GraphAction::kEditLines: return String(TXT("Edit the graph's lines"));
            case GraphAction::kEditOptions: break;
        }
        return String(TXT("Edit the graph's options"));
    }
    GraphAction action_;
    RelatedTaskWindow* window_;
};

class GraphFileTask final : public RelatedTask {
public:
    explicit GraphFileTask(const String& path) : path_(path) {}
    void Execute(WindowServices& services) const override { services.OpenGraphFile(path_); }

private:
    String BuildText() const override {
        const Char* text = path_.Text();
        const Char* name = text;
        for (const Char* p = text; *p != 0; ++p) {
            if (*p == '\\' || *p == '/') name = p + 1;
        }
        return String(name);
    }
    String path_;
};

class EclipseViewTask final : public RelatedTask {
public:
    EclipseViewTask(const DateTime& date, bool inSky) : date_(date), inSky_(inSky) {}
    void Execute(WindowServices& services) const override {
        const BodyIdentifier sun = BodyIdentifierFromObject(GetCatalogueObject(kBodySun, 0));
        if (inSky_) {
            services.ShowBodyInSkyWindowAt(sun, date_);
        } else {
            services.ShowBodyInSolarSystemWindowAt(sun, date_);
        }
    }

private:
    String BuildText() const override {
        return String(inSky_ ? TXT("View the solar eclipse in the sky")
                             : TXT("View the solar eclipse in the solar system"));
    }
    DateTime date_;
    bool inSky_;
};

class EclipseSearchTask final : public RelatedTask {
public:
    EclipseSearchTask(const DateTime& date, int eventTypeId) : date_(date), eventTypeId_(eventTypeId) {}
    void Execute(WindowServices& services) const override {
        DateTime begin{date_.year, 1, 1, 0.0, date_.timeSystem};
        DateTime end{date_.year, 12, 31, 23.999999, date_.timeSystem};
        if (!IsValidDate(begin)) return;
        TimeStep hour;
        TimeStepSet(hour, kHoursUnit, 1);
        services.StartEventSearch(eventTypeId_, begin, end, hour);
    }

private:
    String BuildText() const override {
        return Join({eventTypeId_ == kLunarEclipseEvent ? TXT("Search for lunar eclipses in ")
                                                        : TXT("Search for solar eclipses in "),
                     YearText(date_).Text()});
    }
    DateTime date_;
    int eventTypeId_;
};

bool GraphBegin(const DateTime& date, DateTime& begin) {
    begin = date;
    begin.hours = 0.0;
    return DateTimeAddMonths(begin, -1);
}

}  // namespace

const Char* RelatedTask::GetText() const {
    if (caption_.IsEmpty()) caption_ = BuildText();
    return caption_.Text();
}

String TaskBodyName(const BodyIdentifier& body) {
    if (!body.name.IsEmpty()) return body.name;
    if (body.object == nullptr) return String();
    const Char* key = ObjectKeyName(*body.object);
    return String(key != nullptr ? key : TXT(""));
}

bool QuoteScriptBodyName(const String& name, String& quoted) {
    if (name.IsEmpty()) return false;
    for (const Char* p = name.Text(); *p != 0; ++p) {
        if (*p == '"') return false;
    }
    quoted = Join({TXT("\""), name.Text(), TXT("\"")});
    return true;
}

bool BuildRiseSetGraphRequest(const BodyIdentifier& body, const DateTime& date, NewGraphRequest& out) {
    const String name = TaskBodyName(body);
    String quoted;
    if (!QuoteScriptBodyName(name, quoted) || !GraphBegin(date, out.begin)) return false;
    out.body = body;
    out.lines = {
        GraphLineRequest{Join({name.Text(), TXT(" rises")}), Join({quoted.Text(), TXT(".Rise(lct)")})},
        GraphLineRequest{Join({name.Text(), TXT(" sets")}), Join({quoted.Text(), TXT(".Set(lct)")})}};
    return true;
}

bool BuildQuantityGraphRequest(const BodyIdentifier& body, const DateTime& date, std::uint32_t functionId,
                               NewGraphRequest& out) {
    const EventKind* kind = FindEventKind(functionId);
    const String name = TaskBodyName(body);
    String quoted;
    if (kind == nullptr || !QuoteScriptBodyName(name, quoted) || !GraphBegin(date, out.begin)) return false;
    out.body = body;
    // Times of day are drawn in local civil time, as the rising graph is.
    const int parameter = kind->GetQuantityKind() == kQuantityTimeOfDay ? kLocalCivilTime : 0;
    out.lines = {GraphLineRequest{
        FormatBodyFunctionName(name.Text(), functionId, parameter, kind->GetQuantityKind()),
        FormatBodyFunctionName(quoted.Text(), functionId, parameter, kind->GetQuantityKind())}};
    return true;
}

RelatedTaskPtr MakeOpenWindowTask(int windowKind) {
    if (windowKind < 0 || windowKind >= kWindowKindCount) return nullptr;
    return std::make_unique<OpenWindowTask>(windowKind);
}
RelatedTaskPtr MakeEphemeridesTask(const BodyIdentifier& body, const DateTime& date) {
    return std::make_unique<EphemeridesTask>(body, date);
}
RelatedTaskPtr MakePictureTask(const BodyIdentifier& body) {
    return std::make_unique<PictureTask>(body, DateTime{});
}
RelatedTaskPtr MakeExploreTask(const BodyIdentifier& planet) {
    return std::make_unique<ExploreTask>(planet, DateTime{});
}
RelatedTaskPtr MakeViewInSkyTask(const BodyIdentifier& body, const DateTime& date) {
    return std::make_unique<ViewBodyTask>(body, date, true);
}
RelatedTaskPtr MakeViewInSolarSystemTask(const BodyIdentifier& body, const DateTime& date) {
    return std::make_unique<ViewBodyTask>(body, date, false);
}
RelatedTaskPtr MakeRiseSetGraphTask(const BodyIdentifier& body, const DateTime& date) {
    return std::make_unique<GraphTask>(body, date, 0);
}
RelatedTaskPtr MakeQuantityGraphTask(const BodyIdentifier& body, const DateTime& date,
                                     std::uint32_t functionId) {
    if (FindEventKind(functionId) == nullptr) return nullptr;
    return std::make_unique<GraphTask>(body, date, functionId);
}
RelatedTaskPtr MakeObjectInfoTask(const BodyIdentifier& body, const DateTime& date) {
    return std::make_unique<ObjectInfoTask>(body, date);
}
RelatedTaskPtr MakeEventTask(const RelatedEvent& event, EventView view) {
    return std::make_unique<EventTask>(event, view);
}
RelatedTaskPtr MakeNewGraphTask() { return std::make_unique<GraphActionTask>(GraphAction::kNew, nullptr); }
RelatedTaskPtr MakeOpenGraphTask() { return std::make_unique<GraphActionTask>(GraphAction::kOpen, nullptr); }
RelatedTaskPtr MakeEditGraphLinesTask(RelatedTaskWindow& graphWindow) {
    return std::make_unique<GraphActionTask>(GraphAction::kEditLines, &graphWindow);
}
RelatedTaskPtr MakeEditGraphOptionsTask(RelatedTaskWindow& graphWindow) {
    return std::make_unique<GraphActionTask>(GraphAction::kEditOptions, &graphWindow);
}
RelatedTaskPtr MakeOpenGraphFileTask(const String& path) { return std::make_unique<GraphFileTask>(path); }
RelatedTaskPtr MakeEclipseViewTask(const DateTime& date, bool inSky) {
    return std::make_unique<EclipseViewTask>(date, inSky);
}
RelatedTaskPtr MakeEclipseSearchTask(const DateTime& date, int eventTypeId) {
    return std::make_unique<EclipseSearchTask>(date, eventTypeId);
}

}  // namespace corvinata
