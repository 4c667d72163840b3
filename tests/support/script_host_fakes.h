// Windows without a window for the script host: the explorers', the
// eclipse's and the graph's own views over real documents, and small Sky,
// Solar System and Picture views, kept by creation numbers that are never
// given twice. The host's tests and benchmarks run against them.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/explorer_commands.h"
#include "app/picture_eclipse_commands.h"
#include "app/sky_commands.h"
#include "app/solar_system_commands.h"
#include "base/text_format.h"
#include "documents/graph_document.h"
#include "support/app_fakes.h"
#include "automation/application_script_host.h"
#include "views/eclipse_view.h"
#include "views/graph_view.h"

namespace corvinata::test {

class StandInSky final : public SkyWindowCommands {
public:
    explicit StandInSky(SkyDocument& document) : document_(document) {}
    ViewDirection ComputeLookDirection(const SkyPosition& target, double) override { return {target.first, 0.0}; }
    void Highlight() override { ++highlights; }
    int GetZoomStep() const override { return 10; }
    void GetZoomRange(int& minimum, int& maximum) const override { minimum = 10, maximum = 180; }
    int GetZoom() const override { return zoom; }
    SkyDocument& GetDocument() override { return document_; }
    const SkyOptions& GetOptions() const override { return options; }
    BodyIdentifier GetSelectedBody() const override { return selected; }
    bool GetTimeFlag() const override { return timeFlag; }
    bool IsTracking() const override { return false; }
    SkyPosition GetLookTarget() const override { return {}; }
    SkyCommandHistory& GetCommandHistory() override { return history; }
    ViewDirection GetViewDirection() const override { return direction; }
    void SetZoom(int z) override { zoom = z; }
    void SetOptions(const SkyOptions& o) override { options = o; }
    void SelectBody(const BodyIdentifier& body, int, int, int) override { selected = body; }
    void SetLookTarget(const SkyPosition&) override {}
    void SetTracking(bool) override {}
    void SetTimeFlag(bool f) override { timeFlag = f; }
    void SetViewDirection(const ViewDirection& d) override { direction = d; }
    void StepAltitude(double) override {}
    void StepAzimuth(double, bool) override {}
    void RefreshDisplay() override {}

    int zoom = 60, highlights = 0;
    bool timeFlag = false;
    SkyOptions options;
    BodyIdentifier selected;
    ViewDirection direction;
    SkyCommandHistory history;

private:
    SkyDocument& document_;
};

class StandInSolarSystem final : public SolarSystemWindowCommands {
public:
    explicit StandInSolarSystem(SolarSystemDocument& document) : document_(document) {}
    void Highlight() override { ++highlights; }
    SolarSystemDocument& GetDocument() override { return document_; }
    const SolarSystemOptions& GetOptions() const override { return options; }
    BodyIdentifier GetSelectedBody() const override { return selected; }
    SolarSystemCommandHistory& GetCommandHistory() override { return history; }
    int GetZoomedPlanet() const override { return zoomed; }
    void SetOptions(const SolarSystemOptions& o) override { options = o; }
    void SelectBody(const BodyIdentifier& body, int, int) override { selected = body; }
    void SetZoomedPlanet(int planet) override { zoomed = planet; }
    void RefreshDisplay() override {}

    int zoomed = 8, highlights = 0;
    SolarSystemOptions options;
    BodyIdentifier selected;
    SolarSystemCommandHistory history;

private:
    SolarSystemDocument& document_;
};

class StandInPicture final : public PictureWindowCommands {
public:
    explicit StandInPicture(PictureDocument& document) : document_(document) {}
    PictureDocument& GetModel() override { return document_; }
    bool GetFitToWindow() const override { return fit; }
    WindowCommandHistory& GetCommandHistory() override { return history; }
    void ApplyOptions(bool fitToWindow) override { fit = fitToWindow; }

    bool fit = false;
    WindowCommandHistory history;

private:
    PictureDocument& document_;
};

// Planets that stand still: what the host does, not the ephemerides, is
// under test.
class StillSolarSystem final : public SolarSystemComputer {
public:
    int PlanetCount() const override { return 9; }
    double OrbitalPeriodYears(int) const override { return 1.0; }
    SolarSystemPoint Compute(int, const TimeAndPlace&) override { return {}; }
    double ComputeMoonAngle(const TimeAndPlace&) override { return 0.0; }
};

// The frame's side: windows made by kind and kept by creation number, the
// numbers never given twice.
class StandInWindows final : public ScriptWindowServices {
    Application& app_;
    NotificationHub& hub_;

public:
    StandInWindows(Application& app, NotificationHub& hub)
        : app_(app), hub_(hub), sky_(hub, app.Current(), skyComputer_), solar_(hub, app.Current(), solarComputer_),
          jupiter_(hub, app.Current()), saturn_(hub, app.Current()) {}

    std::uint32_t NewWindow(WindowKind kind) override {
        auto window = std::make_unique<Window>();
        ScriptWindowTarget& t = window->target;
        t.kind = kind;
        switch (kind) {
            case kSkyWindow: t.sky = (window->sky = std::make_unique<StandInSky>(sky_)).get(); break;
            case kSolarSystemWindow:
                t.solarSystem = (window->solar = std::make_unique<StandInSolarSystem>(solar_)).get();
                break;
            case kGraphWindow:
                window->graphDocument = std::make_unique<GraphDocument>(hub_, ObjectModelGraphServices(app_.Current()));
                t.graph = (window->graph = std::make_unique<GraphView>(*window->graphDocument, 1)).get();
                break;
            case kSolarEclipseWindow:
                window->eclipseDocument = std::make_unique<SolarEclipseDocument>(hub_, DateTime{2000, 1, 1, 0.0, 0});
                t.eclipse = (window->eclipse = std::make_unique<EclipseView>(*window->eclipseDocument)).get();
                break;
            case kJupiterExplorerWindow:
            case kSaturnExplorerWindow: {
                const bool jupiter = kind == kJupiterExplorerWindow;
                window->explorer = std::make_unique<ExplorerView>(
                    jupiter ? JupiterExplorerTraits() : SaturnExplorerTraits(),
                    jupiter ? static_cast<ExplorerDocument&>(jupiter_) : saturn_);
                window->explorer->ApplyRecord(NewExplorerViewRecord(window->explorer->Traits()));
                t.explorer = window->explorer.get();
                t.explorerActions = jupiter ? &jupiterActions : &saturnActions;
                break;
            }
            case kPictureWindow:
                window->pictureDocument = std::make_unique<PictureDocument>(hub_, packs_);
                t.picture = (window->picture = std::make_unique<StandInPicture>(*window->pictureDocument)).get();
                break;
            default: return 0;
        }
        open[++last] = std::move(window);
        return last;
    }
    std::uint32_t OpenGraphFile(const String& path, String& error) override {
        error = FormatPercent1(TXT("cannot read %"), path);
        return 0;
    }
    ScriptWindowTarget FindWindow(std::uint32_t number) override {
        auto found = open.find(number);
        return found == open.end() ? ScriptWindowTarget{} : found->second->target;
    }
    void CloseWindow(std::uint32_t number) override { open.erase(number); }
    void ActivateWindow(std::uint32_t number) override { activated = number; }
    void MoveWindow(std::uint32_t number, int x, int y) override { moved = {int(number), x, y}; }
    void ShowScriptErrorBox(const String& text) override { errorBoxes.push_back(text); }
    void StartEventFinderSearch(const events::SearchSetup& setup, const events::EventCondition& condition,
                                const Location& place) override {
        searches.push_back(FormatPercent5(TXT("% % % %"), setup.count, setup.unit, condition.searchExpression,
                                          place.town, TXT("")));
    }
    void SetGraphGuideLine(GraphView& graph, int position) override { graph.SetGuideLinePosition(position); }

    StandInSky& Sky(std::uint32_t n) { return *open.at(n)->sky; }
    StandInSolarSystem& Solar(std::uint32_t n) { return *open.at(n)->solar; }
    GraphView& Graph(std::uint32_t n) { return *open.at(n)->graph; }
    EclipseView& Eclipse(std::uint32_t n) { return *open.at(n)->eclipse; }
    ExplorerView& Explorer(std::uint32_t n) { return *open.at(n)->explorer; }

    struct Window {
        ScriptWindowTarget target;
        std::unique_ptr<StandInSky> sky;
        std::unique_ptr<StandInSolarSystem> solar;
        std::unique_ptr<GraphDocument> graphDocument;
        std::unique_ptr<GraphView> graph;
        std::unique_ptr<SolarEclipseDocument> eclipseDocument;
        std::unique_ptr<EclipseView> eclipse;
        std::unique_ptr<ExplorerView> explorer;
        std::unique_ptr<PictureDocument> pictureDocument;
        std::unique_ptr<StandInPicture> picture;
    };
    std::map<std::uint32_t, std::unique_ptr<Window>> open;
    std::uint32_t last = 0, activated = 0;
    std::vector<int> moved;
    std::vector<String> errorBoxes, searches;
    ExplorerActions jupiterActions{CommandContext{hub_, app_}, JupiterExplorerTraits()};
    ExplorerActions saturnActions{CommandContext{hub_, app_}, SaturnExplorerTraits()};

private:
    FakeSkyComputer skyComputer_;
    StillSolarSystem solarComputer_;
    SkyDocument sky_;
    SolarSystemDocument solar_;
    JupiterExplorerDocument jupiter_;
    SaturnExplorerDocument saturn_;
    PicturePackList packs_;
};

}  // namespace corvinata::test
