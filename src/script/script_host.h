// What a running script may do to the application: the one door through
// which CorvinataScript statements reach windows.
//
// Every window operation takes the window's script name first and answers
// whether it succeeded; on failure the host keeps the reason, which
// GetScriptError answers, and the interpreter stops the script with it.
// The Begin and End operations of a kind bracket the clauses of one
// statement as one undo step of the window.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/date_time.h"
#include "base/location.h"
#include "base/time_step.h"
#include "base/wide_string.h"
#include "script/window_kind.h"

namespace corvinata {

class CelestialObject;

// The settings of a With Application statement; a part is absent when the
// statement did not name it.
struct ApplicationScriptSettings {
    // Year, month and day (with the hours the state last held).
    std::optional<DateTime> date;
    // 0 up to 24; 24 is the midnight that ends the day: 0 h of the next day
    // (of the date above, or of the current date when there is none).
    std::optional<double> hours;
    std::optional<Location> location;
    std::optional<bool> daylightSaving;
    std::optional<bool> realTimeClock;
    std::optional<bool> starsStationary;
};

// An Event Finder search as a script starts it.
struct ScriptEventSearch {
    DateTime begin;
    DateTime end;
    Location location;
    bool daylightSaving = false;
    TimeStep step;
    String code;
};

// Why a run stopped: the error text, the statement's cleaned text and its
// 1-based line and column in the source.
struct ScriptRunFailure {
    String message;
    String statement;
    int line = 0;
    int column = 0;
};

using MoonList = std::vector<const CelestialObject*>;
using LineNameList = std::vector<String>;

class ScriptHostInterface {
public:
    virtual ~ScriptHostInterface() = default;

    // The run.
    virtual void SetScriptRunning(bool running) = 0;
    virtual void ClearScriptError() = 0;
    // Empty when no operation failed since the last clear.
    virtual String GetScriptError() const = 0;
    // `pausedOnLast`: the run paused on its last statement rather than
    // running off the end.
    virtual void ScriptEnded(bool pausedOnLast) = 0;
    virtual void ScriptFailed(const ScriptRunFailure& failure) = 0;

    // Statements. The message text is shown in the lesson window; the empty
    // text clears it.
    virtual bool CloseWindow(const String& window) = 0;
    virtual bool SetEducatorPosition(int x, int y) = 0;
    virtual bool StartEventSearch(const ScriptEventSearch& search) = 0;
    virtual bool ShowScriptMessage(const String& text) = 0;
    virtual bool OpenGraph(const String& window, const String& filePath) = 0;
    virtual bool OpenJupiter(const String& window) = 0;
    virtual bool OpenSaturn(const String& window) = 0;
    virtual bool OpenPicture(const String& window) = 0;
    virtual bool OpenSolarEclipse(const String& window) = 0;
    virtual bool OpenSky(const String& window) = 0;
    virtual bool OpenSolarSystem(const String& window) = 0;
    // Fails unless a window of that name and kind is open.
    virtual bool FindWindow(const String& window, WindowKind kind) = 0;
    virtual bool ApplyApplicationSettings(const ApplicationScriptSettings& settings) = 0;

    // Clauses of every kind. A time of day (the ...SetTime operations) is in
    // decimal hours, 0 up to 24: 24 is the midnight that ends the window's
    // day, 0 h of the next day. A date comes with 0 h; only its day counts.
    virtual bool ActivateWindow(const String& window) = 0;
    virtual bool SetWindowPosition(const String& window, int x, int y) = 0;

    // Undo brackets. `withStatement` is true for With, false for Open.
    virtual bool BeginGraphClauses() = 0;
    virtual bool EndGraphClauses(const String& window, const String& statement,
                                 bool withStatement) = 0;
    virtual bool BeginExplorerClauses(const String& window) = 0;
    virtual bool EndExplorerClauses(const String& window, const String& statement,
                                    bool withStatement) = 0;
    virtual bool BeginPictureClauses() = 0;
    virtual bool EndPictureClauses(const String& window, const String& statement,
                                   bool withStatement) = 0;
    virtual bool BeginSolarEclipseClauses() = 0;
    virtual bool EndSolarEclipseClauses(const String& window, const String& statement,
                                        bool withStatement) = 0;
    virtual bool BeginSkyClauses() = 0;
    virtual bool EndSkyClauses(const String& window, const String& statement,
                               bool withStatement) = 0;
    virtual bool BeginSolarSystemClauses() = 0;
    virtual bool EndSolarSystemClauses(const String& window, const String& statement,
                                       bool withStatement) = 0;

    // Graph.
    virtual bool GraphAddLine(const String& window, const String& name, const String& code,
                              const String& colour) = 0;
    virtual bool GraphHideLinesByName(const String& window, const LineNameList& names) = 0;
    virtual bool GraphShowLinesByName(const String& window, const LineNameList& names) = 0;
    virtual bool GraphSetBeginDate(const String& window, const DateTime& begin) = 0;
    virtual bool GraphSetDst(const String& window, bool on) = 0;
    virtual bool GraphSetGuideLine(const String& window, int position) = 0;
    virtual bool GraphSetLocation(const String& window, const Location& location) = 0;
    virtual bool GraphSetStep(const String& window, const TimeStep& step) = 0;
    virtual bool GraphSetXAxisLabel(const String& window, const TimeStep& step) = 0;
    virtual bool GraphSetXAxisMark(const String& window, const TimeStep& step) = 0;
    virtual bool GraphSetYAxisFrom(const String& window, int value) = 0;
    virtual bool GraphSetYAxisTo(const String& window, int value) = 0;

    // Jupiter and Saturn explorers.
    virtual bool ExplorerAdvanceTime(const String& window, bool forward, const TimeStep& step) = 0;
    virtual bool ExplorerHideMoonsByName(const String& window, const MoonList& moons) = 0;
    virtual bool ExplorerShowMoonsByName(const String& window, const MoonList& moons) = 0;
    virtual bool ExplorerSelect(const String& window, const CelestialObject& moon,
                                bool highlight) = 0;
    virtual bool ExplorerSetDate(const String& window, const DateTime& date) = 0;
    virtual bool ExplorerSetTime(const String& window, double hours) = 0;
    virtual bool ExplorerSetNames(const String& window, bool on) = 0;
    virtual bool ExplorerSetOrbits(const String& window, bool on) = 0;
    virtual bool ExplorerSwapEastWest(const String& window, bool on) = 0;
    virtual bool ExplorerSwapNorthSouth(const String& window, bool on) = 0;
    virtual bool ExplorerSetTilt(const String& window, int degrees) = 0;
    virtual bool ExplorerSetZoom(const String& window, const CelestialObject& moon) = 0;

    // Picture.
    virtual bool PictureSelect(const String& window, const String& picture) = 0;
    virtual bool PictureSetScale(const String& window, bool toFit) = 0;

    // Solar eclipse. Longitudes count west positive.
    virtual bool EclipseAdvanceTime(const String& window, bool forward, const TimeStep& step) = 0;
    virtual bool EclipseCenterOnLocation(const String& window) = 0;
    virtual bool EclipseCenterOnPath(const String& window) = 0;
    virtual bool EclipseCenterLocation(const String& window, double longitude,
                                       double latitude) = 0;
    virtual bool EclipseSetEclipseDate(const String& window, const DateTime& date) = 0;
    virtual bool EclipseSetDate(const String& window, const DateTime& date) = 0;
    virtual bool EclipseSetTime(const String& window, double hours) = 0;
    virtual bool EclipseSetLatitude(const String& window, double degrees) = 0;
    virtual bool EclipseSetLongitude(const String& window, double degrees) = 0;
    virtual bool EclipseSetZoom(const String& window, int percent) = 0;

    // Sky. Choices are indices into the lists the clauses name.
    virtual bool SkyAdvanceTime(const String& window, bool forward, const TimeStep& step) = 0;
    virtual bool SkySelect(const String& window, const CelestialObject& object,
                           bool highlight) = 0;
    virtual bool SkySetConstellationBoundaries(const String& window, bool on) = 0;
    virtual bool SkySetConstellationLines(const String& window, bool on) = 0;
    virtual bool SkySetConstellationNames(const String& window, int choice) = 0;
    virtual bool SkySetDate(const String& window, const DateTime& date) = 0;
    virtual bool SkySetTime(const String& window, double hours) = 0;
    virtual bool SkySetDeepSkyIndicateImage(const String& window, bool on) = 0;
    virtual bool SkySetDeepSkyShowCatalog(const String& window, int catalog) = 0;
    virtual bool SkySetDeepSkyShowNames(const String& window, int names) = 0;
    virtual bool SkySetEcliptic(const String& window, bool on) = 0;
    // Changes only the parts that are present; `crosses` false means lines.
    virtual bool SkySetGrid(const String& window, int type, std::optional<bool> crosses,
                            std::optional<bool> labels) = 0;
    virtual bool SkySetHorizon(const String& window, int choice) = 0;
    virtual bool SkySetMap(const String& window, int choice) = 0;
    virtual bool SkySetMoon(const String& window, bool on) = 0;
    virtual bool SkySetPlanetNames(const String& window, bool on) = 0;
    virtual bool SkySetPlanets(const String& window, int choice) = 0;
    virtual bool SkySetPlanetSymbols(const String& window, bool on) = 0;
    virtual bool SkySetPlanetTracks(const String& window, bool on) = 0;
    virtual bool SkySetStarLetters(const String& window, bool on) = 0;
    virtual bool SkySetStarMagnitudeLimit(const String& window, double magnitude) = 0;
    virtual bool SkySetStarNames(const String& window, bool on) = 0;
    virtual bool SkySetSun(const String& window, bool on) = 0;
    virtual bool SkySetViewingField(const String& window, int degrees) = 0;
    virtual bool SkySetViewingLatitude(const String& window, double degrees) = 0;
    virtual bool SkySetViewingLongitude(const String& window, double degrees) = 0;

    // Solar system.
    virtual bool SolarSystemAdvanceTime(const String& window, bool forward,
                                        const TimeStep& step) = 0;
    virtual bool SolarSystemSelect(const String& window, const CelestialObject& planet,
                                   bool highlight) = 0;
    virtual bool SolarSystemSetDate(const String& window, const DateTime& date) = 0;
    virtual bool SolarSystemSetTime(const String& window, double hours) = 0;
    virtual bool SolarSystemSetEclipticConstellations(const String& window, bool on) = 0;
    virtual bool SolarSystemSetEclipticRa(const String& window, bool on) = 0;
    virtual bool SolarSystemSetEclipticSight(const String& window, bool on) = 0;
    virtual bool SolarSystemSetEclipticZodiac(const String& window, bool on) = 0;
    virtual bool SolarSystemSetFunction(const String& window, std::uint32_t functionId) = 0;
    virtual bool SolarSystemSetMoon(const String& window, bool on) = 0;
    virtual bool SolarSystemSetNames(const String& window, bool on) = 0;
    virtual bool SolarSystemSetOrbits(const String& window, bool on) = 0;
    virtual bool SolarSystemSetSymbols(const String& window, bool on) = 0;
    virtual bool SolarSystemSetZoom(const String& window, const CelestialObject& planet) = 0;
};

}  // namespace corvinata
