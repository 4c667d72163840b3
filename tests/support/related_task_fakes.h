// Window services that record each call as one line of text.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/related_task_groups.h"
#include "app/related_tasks.h"
#include "catalog/celestial_object.h"
#include "support/test_text.h"

namespace corvinata::test {

class RecordingTaskServices : public WindowServices {
public:
    const DateTimeLocation& CurrentTimeAndLocation() const override { return now; }
    // Every body but the stars has a picture.
    bool BodyHasPicture(const BodyIdentifier& body) const override {
        return body.object != nullptr && body.object->GetTypeId() != kBodyStar;
    }
    bool OffersWindowKind(int) const override { return true; }
    bool OffersObjectInfo() const override { return true; }
    void OpenNewWindow(int kind) override {
        Log("open", kind);
        if (onOpenWindow) onOpenWindow();
    }
    void NewReportWindow(int type, int planet, const DateTimeLocation& r) override {
        Log("report", type, planet, r.dateTime.year, "at", Utf8(r.location.town));
    }
    bool ShowBodyInPictureWindow(const BodyIdentifier& body) override { return Shown("picture", Name(body)); }
    bool ShowBodyInJupiterWindow(const BodyIdentifier& body, const DateTime* d) override {
        return Shown("jupiter", Name(body), Year(d));
    }
    bool ShowBodyInSaturnWindow(const BodyIdentifier& body, const DateTime* d) override {
        return Shown("saturn", Name(body), Year(d));
    }
    bool ShowBodyInSkyWindow(const BodyIdentifier& body) override { return Shown("sky", Name(body)); }
    bool ShowBodyInSkyWindowAt(const BodyIdentifier& body, const DateTime& d) override {
        return Shown("sky", Name(body), d.year);
    }
    bool ShowBodyInSolarSystemWindow(const BodyIdentifier& body) override {
        return Shown("solar system", Name(body));
    }
    bool ShowBodyInSolarSystemWindowAt(const BodyIdentifier& body, const DateTime& d) override {
        return Shown("solar system", Name(body), d.year);
    }
    bool ShowInSolarEclipseWindow(const DateTimeRange& range) override {
        return Shown("eclipse", range.begin.year, range.begin.month, range.begin.day, "to", range.end.day);
    }
    void NewGraphWindow() override { Log("new graph"); }
    void OpenGraphDialog() override { Log("open graph"); }
    void ShowGraphLinesEditor(RelatedTaskWindow&) override { Log("lines"); }
    void ShowGraphOptions(RelatedTaskWindow&) override { Log("options"); }
    void OpenGraphFile(const String& path) override { Log("file", Utf8(path)); }
    void OpenGraph(const NewGraphRequest& request) override {
        std::string lines;
        for (const GraphLineRequest& line : request.lines)
            lines += "[" + Utf8(line.name) + "|" + Utf8(line.expression) + "]";
        Log("graph", request.begin.year, request.begin.month, lines);
    }
    void ShowObjectInfo(const BodyIdentifier& body, const DateTime* d) override { Log("info", Name(body), Year(d)); }
    void StartEventSearch(int type, const DateTime& begin, const DateTime& end,
                          const TimeStep& step) override {
        Log("search", type, begin.year, begin.month, begin.day, "to", end.month, end.day, "step", step.unit,
            step.count);
    }

    void FocusSkyPanelHighlight() override { Log("focus sky highlight"); }
    void FocusSolarSystemPanelHighlight() override { Log("focus solar system highlight"); }

    void RefreshRelatedTasks() override { Log("refresh tasks"); }
    void ClearRelatedTasks() override { Log("clear tasks"); }
    void ShowEventTasks(const RelatedEvent& event, const DateTime& d) override {
        Log("event tasks", event.eventTypeId, Name(event.body), Utf8(event.description), d.year);
    }
    void ShowEventFinderTasks(const EventFinderSelection& selection) override {
        Log("finder tasks", selection.resultCount, selection.runUnusable ? "unusable" : "usable",
            selection.predefined ? Utf8(selection.event.description) : Name(selection.conditionBody));
    }
    void ShowObjectInfoTasks(const BodyIdentifier& body, const DateTime& d) override {
        Log("info tasks", Name(body), d.year);
    }

    DateTimeLocation now;
    std::vector<std::string> calls;
    std::function<void()> onOpenWindow;
    // What the show operations answer (false: the window refused).
    bool windowsShow = true;

private:
    static std::string Name(const BodyIdentifier& body) { return Utf8(TaskBodyName(body)); }
    // "-" where no moment is given.
    static std::string Year(const DateTime* d) { return d ? std::to_string(d->year) : std::string("-"); }
    template <class... Parts>
    bool Shown(const Parts&... parts) {
        Log(parts...);
        return windowsShow;
    }
    template <class... Parts>
    void Log(const Parts&... parts) {
        std::ostringstream line;
        ((line << parts << ' '), ...);
        std::string text = line.str();
        text.pop_back();
        calls.push_back(text);
    }
};

}  // namespace corvinata::test
