// The application's script host: what CorvinataScript statements do to the
// program. Windows are opened, found by the names the script gave them and
// changed through the same actions objects that menus and control panels
// use; the clauses of one statement gather in one compound step that
// becomes one undo step of the window, or is dropped whole when a clause
// failed. The frame's part (creating, closing and moving child windows, the
// error box, the Event Finder) is behind ScriptWindowServices and the
// lesson window behind LessonWindowInterface, so everything here runs
// natively against real documents and actions with faked views.
#pragma once

#include <cstdint>
#include <memory>

#include "app/application.h"
#include "app/command_family.h"
#include "app/lesson_window.h"
#include "script/script_host.h"
#include "automation/script_window_names.h"

namespace corvinata {

// "The script contains an error ..." as the error box shows it.
String ScriptErrorBoxText(const String& error);
// The map zoom level 1..5 of an eclipse Zoom clause's percentage, halves
// away from zero.
int EclipseZoomLevel(int percent) noexcept;
// The Sky option's name-system id of a DeepSky Show Names value of the
// script (proper, ngcic, messier, caldwell, herschel400, none).
int SkyDeepSkyNameSystem(int scriptValue) noexcept;
// A place as a script gives it made whole: a place without a town keeps its
// coordinates under "(Unnamed town)", "(Unnamed country)"; a town of the
// town table takes the table's coordinates and time zone. False, with the
// error text, for a town the table does not have.
bool CompleteScriptLocation(Location& place, String& error);

class ApplicationScriptHost final : public ScriptHostInterface {
public:
    ApplicationScriptHost(Application& app, ScriptWindowServices& windows);
    ~ApplicationScriptHost() override;
    ApplicationScriptHost(const ApplicationScriptHost&) = delete;
    ApplicationScriptHost& operator=(const ApplicationScriptHost&) = delete;

    // The Run Lesson window, once it exists; none: lesson operations only
    // keep what they can (the window's place).
    void AttachLessonWindow(LessonWindowInterface* lesson) noexcept { lesson_ = lesson; }
    // Stop and Close of the Run Lesson window: the window goes and the
    // Educator command is enabled again.
    void CloseRunLessonWindow();
    // Records the error text, replacing an earlier one.
    void SetScriptError(const String& text);
    bool IsScriptRunning() const noexcept { return app_.ScriptRunning(); }

    void SetScriptRunning(bool running) override;
    void ClearScriptError() override;
    String GetScriptError() const override;
    void ScriptEnded(bool pausedOnLast) override;
    void ScriptFailed(const ScriptRunFailure& failure) override;

    bool CloseWindow(const String& window) override;
    bool SetEducatorPosition(int x, int y) override;
    bool StartEventSearch(const ScriptEventSearch& search) override;
    bool ShowScriptMessage(const String& text) override;
    bool OpenGraph(const String& window, const String& filePath) override;
    bool OpenJupiter(const String& window) override;
    bool OpenSaturn(const String& window) override;
    bool OpenPicture(const String& window) override;
    bool OpenSolarEclipse(const String& window) override;
    bool OpenSky(const String& window) override;
    bool OpenSolarSystem(const String& window) override;
    bool FindWindow(const String& window, WindowKind kind) override;
    bool ApplyApplicationSettings(const ApplicationScriptSettings& settings) override;

    bool ActivateWindow(const String& window) override;
    bool SetWindowPosition(const String& window, int x, int y) override;

    bool BeginGraphClauses() override;
    bool EndGraphClauses(const String& window, const String& statement, bool withStatement) override;
    bool BeginExplorerClauses(const String& window) override;
    bool EndExplorerClauses(const String& window, const String& statement, bool withStatement) override;
    bool BeginPictureClauses() override;
    bool EndPictureClauses(const String& window, const String& statement, bool withStatement) override;
    bool BeginSolarEclipseClauses() override;
    bool EndSolarEclipseClauses(const String& window, const String& statement, bool withStatement) override;
    bool BeginSkyClauses() override;
    bool EndSkyClauses(const String& window, const String& statement, bool withStatement) override;
    bool BeginSolarSystemClauses() override;
    bool EndSolarSystemClauses(const String& window, const String& statement, bool withStatement) override;

    bool GraphAddLine(const String& window, const String& name, const String& code,
                      const String& colour) override;
    bool GraphHideLinesByName(const String& window, const LineNameList& names) override;
    bool GraphShowLinesByName(const String& window, const LineNameList& names) override;
    bool GraphSetBeginDate(const String& window, const DateTime& begin) override;
    bool GraphSetDst(const String& window, bool on) override;
    bool GraphSetGuideLine(const String& window, int position) override;
    bool GraphSetLocation(const String& window, const Location& location) override;
    bool GraphSetStep(const String& window, const TimeStep& step) override;
    bool GraphSetXAxisLabel(const String& window, const TimeStep& step) override;
    bool GraphSetXAxisMark(const String& window, const TimeStep& step) override;
    bool GraphSetYAxisFrom(const String& window, int value) override;
    bool GraphSetYAxisTo(const String& window, int value) override;

    bool ExplorerAdvanceTime(const String& window, bool forward, const TimeStep& step) override;
    bool ExplorerHideMoonsByName(const String& window, const MoonList& moons) override;
    bool ExplorerShowMoonsByName(const String& window, const MoonList& moons) override;
    bool ExplorerSelect(const String& window, const CelestialObject& moon, bool highlight) override;
    bool ExplorerSetDate(const String& window, const DateTime& date) override;
    bool ExplorerSetTime(const String& window, double hours) override;
    bool ExplorerSetNames(const String& window, bool on) override;
    bool ExplorerSetOrbits(const String& window, bool on) override;
    bool ExplorerSwapEastWest(const String& window, bool on) override;
    bool ExplorerSwapNorthSouth(const String& window, bool on) override;
    bool ExplorerSetTilt(const String& window, int degrees) override;
    bool ExplorerSetZoom(const String& window, const CelestialObject& moon) override;

    bool PictureSelect(const String& window, const String& picture) override;
    bool PictureSetScale(const String& window, bool toFit) override;

    bool EclipseAdvanceTime(const String& window, bool forward, const TimeStep& step) override;
    bool EclipseCenterOnLocation(const String& window) override;
    bool EclipseCenterOnPath(const String& window) override;
    bool EclipseCenterLocation(const String& window, double longitude, double latitude) override;
    bool EclipseSetEclipseDate(const String& window, const DateTime& date) override;
    bool EclipseSetDate(const String& window, const DateTime& date) override;
    bool EclipseSetTime(const String& window, double hours) override;
    bool EclipseSetLatitude(const String& window, double degrees) override;
    bool EclipseSetLongitude(const String& window, double degrees) override;
    bool EclipseSetZoom(const String& window, int percent) override;

    bool SkyAdvanceTime(const String& window, bool forward, const TimeStep& step) override;
    bool SkySelect(const String& window, const CelestialObject& object, bool highlight) override;
    bool SkySetConstellationBoundaries(const String& window, bool on) override;
    bool SkySetConstellationLines(const String& window, bool on) override;
    bool SkySetConstellationNames(const String& window, int choice) override;
    bool SkySetDate(const String& window, const DateTime& date) override;
    bool SkySetTime(const String& window, double hours) override;
    bool SkySetDeepSkyIndicateImage(const String& window, bool on) override;
    bool SkySetDeepSkyShowCatalog(const String& window, int catalog) override;
    bool SkySetDeepSkyShowNames(const String& window, int names) override;
    bool SkySetEcliptic(const String& window, bool on) override;
    bool SkySetGrid(const String& window, int type, std::optional<bool> crosses,
                    std::optional<bool> labels) override;
    bool SkySetHorizon(const String& window, int choice) override;
    bool SkySetMap(const String& window, int choice) override;
    bool SkySetMoon(const String& window, bool on) override;
    bool SkySetPlanetNames(const String& window, bool on) override;
    bool SkySetPlanets(const String& window, int choice) override;
    bool SkySetPlanetSymbols(const String& window, bool on) override;
    bool SkySetPlanetTracks(const String& window, bool on) override;
    bool SkySetStarLetters(const String& window, bool on) override;
    bool SkySetStarMagnitudeLimit(const String& window, double magnitude) override;
    bool SkySetStarNames(const String& window, bool on) override;
    bool SkySetSun(const String& window, bool on) override;
    bool SkySetViewingField(const String& window, int degrees) override;
    bool SkySetViewingLatitude(const String& window, double degrees) override;
    bool SkySetViewingLongitude(const String& window, double degrees) override;

    bool SolarSystemAdvanceTime(const String& window, bool forward, const TimeStep& step) override;
    bool SolarSystemSelect(const String& window, const CelestialObject& planet, bool highlight) override;
    bool SolarSystemSetDate(const String& window, const DateTime& date) override;
    bool SolarSystemSetTime(const String& window, double hours) override;
    bool SolarSystemSetEclipticConstellations(const String& window, bool on) override;
    bool SolarSystemSetEclipticRa(const String& window, bool on) override;
    bool SolarSystemSetEclipticSight(const String& window, bool on) override;
    bool SolarSystemSetEclipticZodiac(const String& window, bool on) override;
    bool SolarSystemSetFunction(const String& window, std::uint32_t functionId) override;
    bool SolarSystemSetMoon(const String& window, bool on) override;
    bool SolarSystemSetNames(const String& window, bool on) override;
    bool SolarSystemSetOrbits(const String& window, bool on) override;
    bool SolarSystemSetSymbols(const String& window, bool on) override;
    bool SolarSystemSetZoom(const String& window, const CelestialObject& planet) override;

private:
    // The window of the name and kind (any kind for -1); kind -1 after the
    // error was recorded.
    ScriptWindowTarget Find(const String& window, int kind);
    // A Jupiter or a Saturn explorer: the two take the same clauses.
    ScriptWindowTarget FindExplorer(const String& window);
    bool Open(const String& window, WindowKind kind);
    // The compound step of the statement; a fresh one when none is open (a
    // clause reached outside a batch still gathers nothing half-done).
    CompoundCommand* Step();
    // The step leaves the host: to be recorded, or none when a clause failed.
    std::unique_ptr<CompoundCommand> TakeStepForEnd();
    template <class Change>
    bool GraphOptions(const String& window, std::int32_t field, Change change);
    bool GraphLinesVisible(const String& window, const LineNameList& names, bool visible);
    template <class Change>
    bool SkyOption(const String& window, std::int32_t field, Change change);
    template <class Change>
    bool SolarSystemOption(const String& window, std::int32_t field, Change change);
    bool ExplorerGoTo(const String& window, const DateTime& moment, std::int32_t part);
    bool ExplorerMoons(const String& window, const MoonList& moons, bool show);
    template <class Change>
    bool ExplorerFlag(const String& window, std::int32_t field, Change change);

    Application& app_;
    ScriptWindowServices& windows_;
    LessonWindowInterface* lesson_ = nullptr;
    ScriptWindowNames names_;
    std::unique_ptr<CompoundCommand> step_;
    bool explorerFollowUp_ = false;
    bool skyFollowUp_ = false;
    bool solarSystemFollowUp_ = false;
};

// The host the program runs scripts with, from its construction to its
// destruction; none before and after.
ApplicationScriptHost* GetApplicationScriptHost() noexcept;

}  // namespace corvinata
